#pragma once

#include "HvTextField.h"

#include <functional>

// A field for a whole number: only digits (and a leading minus when negative numbers are
// allowed) can be typed, at most a given number of characters. When editing ends (Enter, or the
// focus leaves) the number is brought into its range and the change action runs, the views'
// onNumTextChange; text that is not a number gives back the last accepted value.
class HvNumberTextField : public HvTextField {
    Q_OBJECT
public:
    using Action = std::function<void(HvNumberTextField*)>;

    explicit HvNumberTextField(QWidget* parent = nullptr);

    // The limits; the format is rebuilt from them.
    void setLimits(int minimum, int maximum, int maxLength, bool hasNegative);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    bool hasNegative() const { return hasNegative_; }

    // The accepted number (within the range).
    int intValue() const { return value_; }
    // Shows a number, brought into the range; runs no action.
    void setIntValue(int value);

    void setAction(Action action) { action_ = std::move(action); }

    // Takes what was typed: brought into the range, shown, then the action. Also run by Enter
    // and by the focus leaving.
    void commit();

private:
    int minimum_ = 0;
    int maximum_ = 9999;
    int maxLength_ = 4;
    bool hasNegative_ = false;
    int value_ = 0;
    Action action_;
};
