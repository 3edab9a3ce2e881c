#pragma once

#include "RirImageView.h"

class HvButton;
class HvNumberTextField;
class HvTextField;

// The repeat count of a macro, asked for by the macro dialog in a modal window of its own: OK
// ends the run with 1 and takes the count, Cancel with 0. Enter is OK, Escape is Cancel.
class TkeyRepeatView : public RirImageView {
    Q_OBJECT
public:
    static constexpr int kOkTag = 5270;
    static constexpr int kCancelTag = 5271;
    static constexpr int kMinCount = 1;
    static constexpr int kMaxCount = 9999;
    // The mouse holds the count in one byte: larger counts run this many times.
    static constexpr int kMouseMaxCount = 255;

    explicit TkeyRepeatView(QWidget* parent = nullptr);

    int repeatCount() const { return repeatCount_; }
    void setRepeatCount(int count) { repeatCount_ = count; }
    // Shows the count (1 for 0) in the field, selected, with the keyboard in it.
    void makeTxtFirstRes();

    HvNumberTextField* countTxt() const { return countTxt_; }
    // The line under the field that tells of the mouse's limit.
    HvTextField* limitTxt() const { return limitTxt_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }

    void initControls() override;

private:
    void ok();
    void end(int code);
    void showLimit(const QString& text);

    HvNumberTextField* countTxt_ = nullptr;
    HvTextField* limitTxt_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    int repeatCount_ = 0;
};
