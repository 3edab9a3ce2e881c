#include "HvNumberTextField.h"

#include <QRegularExpressionValidator>

#include <algorithm>

HvNumberTextField::HvNumberTextField(QWidget* parent) : HvTextField(parent) {
    setBordered(false);
    setLimits(minimum_, maximum_, maxLength_, hasNegative_);
    connect(this, &QLineEdit::editingFinished, this, &HvNumberTextField::commit);
}

void HvNumberTextField::setLimits(int minimum, int maximum, int maxLength, bool hasNegative) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    maxLength_ = std::max(1, maxLength);
    hasNegative_ = hasNegative;
    setMaxLength(maxLength_);
    const QString pattern = hasNegative_ ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    setIntValue(value_);
}

void HvNumberTextField::setIntValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    setText(QString::number(value_));
}

void HvNumberTextField::commit() {
    bool ok = false;
    const qlonglong typed = text().toLongLong(&ok);
    if (ok)
        value_ = int(std::clamp<qlonglong>(typed, minimum_, maximum_));
    setText(QString::number(value_));
    if (action_)
        action_(this);
}
