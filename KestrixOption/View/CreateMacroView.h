#pragma once

#include "RirImageView.h"

class HvButton;
class HvTextField;

// The name of a new macro, asked for by the macro editor in a modal window of its own. OK ends
// the run with 1 only for a name that is not empty and that no shown macro has (compared
// exactly, after the spaces around it are dropped); otherwise the dialog stays open, with the
// name selected for typing again. Cancel ends it with 0. Enter is OK, Escape is Cancel.
class CreateMacroView : public RirImageView {
    Q_OBJECT
public:
    static constexpr int kOkTag = 5300;
    static constexpr int kCancelTag = 5301;
    // Longer names would not show in the lists.
    static constexpr int kMaxNameLength = 64;

    explicit CreateMacroView(QWidget* parent = nullptr);

    // The accepted name, empty until OK accepts one.
    const QString& nameStr() const { return nameStr_; }
    // Whether a name may be given to a new macro: not empty, and no shown macro bears it.
    static bool checkMacroName(const QString& name);

    HvTextField* nameTxt() const { return nameTxt_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }

    void initControls() override;
    // The keyboard in the name field.
    void makeTxtFirstRes();

private:
    void ok();

    HvTextField* nameTxt_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    QString nameStr_;
};
