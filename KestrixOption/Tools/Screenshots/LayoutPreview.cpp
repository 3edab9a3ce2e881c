#include "LayoutPreview.h"

#include "HvButton.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvTextField.h"
#include "KxAction.h"

#include <QLabel>

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
    for (const KxLayout::Control& c : layout_.controls) {
        QWidget* made = nullptr;
        switch (c.kind) {
        case Kind::Button:
        case Kind::IconButton:
            made = KxAction::AddButton(c.frame, nullptr, nullptr, this);
            break;
        case Kind::Tab:
        case Kind::CheckBox:
        case Kind::RadioItem:
            made = KxAction::AddCheckBox(c.frame, nullptr, nullptr, this);
            break;
        case Kind::ListButton: {
            HvButton* button = KxAction::AddButton(c.frame, nullptr, nullptr, this);
            KxAction::setBtnAtr(button);
            button->setRightPad(18);
            button->setText(QStringLiteral("Left click"));
            made = button;
            break;
        }
        case Kind::Slider:
            made =
                KxAction::AddProBar(c.frame, nullptr, this,
                                    pictureNamed(c.name.find("dpiLevel") != std::string_view::npos
                                                     ? QStringLiteral("Slider1.png")
                                                     : QStringLiteral("Slider2.png")),
                                    c.name.find("dpiLevel") != std::string_view::npos ? 3 : 10,
                                    c.name.find("dpiLevel") != std::string_view::npos ? 0 : 1);
            static_cast<HvProgressBar*>(made)->setValue(2);
            break;
        case Kind::FillSlider: {
            auto* bar = KxAction::AddProBar(c.frame, nullptr, this, QImage(), 35, 1);
            bar->setBarStyle(2);
            bar->setOverImage(KxAction::GetImageFromRect(overImage(), c.frame));
            bar->setValue(16);
            made = bar;
            break;
        }
        case Kind::NumberField: {
            HvNumberTextField* field = KxAction::AddNumTextField(c.frame, this, 5000, 0, 4, false);
            field->setAlignment(Qt::AlignCenter);
            field->setIntValue(1600);
            made = field;
            break;
        }
        case Kind::TextField:
            made = KxAction::AddTextField(c.frame, this);
            break;
        case Kind::Label: {
            HvTextField* label = KxAction::AddLabTextField(c.frame, this);
            label->setText(QStringLiteral("Left click"));
            made = label;
            break;
        }
        case Kind::MouseButton: {
            HvButton* button = KxAction::AddButton(c.frame, nullptr, nullptr, this);
            KxAction::setBtnNoanomaly(button, KxLayout::text(c.picture), this);
            made = button;
            break;
        }
        case Kind::Selector: {
            auto* button = new HvButton(this);
            button->setGeometry(c.frame);
            button->setIsCheckBox(true);
            button->setImages({}, {}, {}, {},
                              pictureNamed(KxLayout::text(c.picture) + QStringLiteral(".png")));
            button->show();
            made = button;
            break;
        }
        case Kind::Table:
        case Kind::Picture:
            break;
        }
        if (auto* button = qobject_cast<HvButton*>(made)) {
            button->setTag(c.tag);
            if (!c.label.empty())
                button->setAccessibleName(KxLayout::text(c.label));
        }
        if (made)
            made->setObjectName(KxLayout::text(c.name));
        controls_.push_back(made);
    }
}
