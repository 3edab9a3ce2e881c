#include "LayoutPreview.h"

#include "HvButton.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvTextField.h"
#include "KxControls.h"

using KxLayout::Kind;

LayoutPreview::LayoutPreview(const KxLayout::View& layout, QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), layout.size), parent), layout_(layout) {
    setImageByName(KxLayout::text(layout.name) + QStringLiteral("_Normal.png"));
    init();
}

QWidget* LayoutPreview::control(std::string_view name) const {
    for (size_t i = 0; i < layout_.controls.size(); ++i)
        if (layout_.controls[i].name == name)
            return controls_[i];
    return nullptr;
}

void LayoutPreview::initControls() {
    const KxControls controls(layout_, this);
    controls_ = controls.widgets();
    // Something in each place the view fills in, a value inside each range.
    for (size_t i = 0; i < controls_.size(); ++i) {
        const KxLayout::Control& row = layout_.controls[i];
        QWidget* made = controls_[i];
        if (auto* bar = qobject_cast<HvProgressBar*>(made))
            bar->setValue(row.minimum + (row.maximum - row.minimum) / 2);
        else if (auto* number = qobject_cast<HvNumberTextField*>(made))
            number->setIntValue(row.minimum + (row.maximum - row.minimum) / 2);
        else if (auto* button = qobject_cast<HvButton*>(made);
                 button && row.kind == Kind::ListButton)
            button->setText(QStringLiteral("Left click"));
        else if (auto* label = qobject_cast<HvTextField*>(made); label && row.kind == Kind::Label)
            label->setText(QStringLiteral("Left click"));
    }
}
