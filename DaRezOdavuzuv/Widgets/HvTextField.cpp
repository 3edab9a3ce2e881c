#include "HvTextField.h"

#include "HvAccessible.h"
#include "HvAction.h"
#include "HvButton.h"

#include <QAccessible>

HvTextField::HvTextField(QWidget* parent) : QLineEdit(parent) {
    HvAccessible::install();
    setAttribute(Qt::WA_MacShowFocusRect, false);
    applyStyle();
    connect(this, &QLineEdit::textChanged, this, &HvTextField::fitLabel);
}

void HvTextField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitLabel();
}

void HvTextField::fitLabel() {
    if (isEditable() || font().pixelSize() <= 0)
        return;
    if (labelPixelSize_ == 0)
        labelPixelSize_ = font().pixelSize();
    QFont own = font();
    own.setPixelSize(labelPixelSize_);
    // The room the style leaves: the border and two pixels of padding each side.
    const QFont fitted = HvAction::fontToFit(own, text(), contentsRect().width() - 6);
    if (fitted.pixelSize() != font().pixelSize())
        setFont(fitted);
}

void HvTextField::setBordered(bool bordered) {
    bordered_ = bordered;
    applyStyle();
}

void HvTextField::setEditable(bool editable) {
    const bool changed = editable != isEditable();
    setReadOnly(!editable);
    // A label and a field are told to assistive technology by different interfaces: one made
    // before the change is dropped, and the next question makes the right one.
    if (changed && QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    applyStyle();
}

void HvTextField::setTextColor(const QColor& colour) {
    textColor_ = colour;
    applyStyle();
}

void HvTextField::applyStyle() {
    // The accent colour marks the field that has the keyboard focus.
    const QString border = bordered_ ? QStringLiteral("1px solid rgba(255,255,255,60)")
                                     : QStringLiteral("1px solid transparent");
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; border: %2;"
                                 " padding: 0px 2px; selection-background-color: %3; }"
                                 "QLineEdit:focus { border: 1px solid %4; }")
                      .arg(textColor_.name(QColor::HexArgb), border, HvButton::accentColor().name(),
                           HvButton::accentColor().lighter(170).name()));
}
