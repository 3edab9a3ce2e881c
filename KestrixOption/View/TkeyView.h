#pragma once

#include "ButtonFunctionView.h"
#include "HvMenulist.h"
#include "HvSetpPanelObj.h"

#include <memory>

class HvButton;
class HvTextField;
class MacroInfo;

// Gives a button a macro of the library and how it runs: once, a number of times, while the
// button is held, or until it is pressed again. Edits a copy of the button's record; OK (only
// with a macro picked) writes the choice into it, marks the profile changed and closes the
// window; Cancel closes it and leaves the record as it was. Enter is OK, Escape is Cancel.
class TkeyView : public ButtonFunctionView, public HvMenulistDelegate, public HvSetpPanelDelegate {
    Q_OBJECT
public:
    static constexpr int kSelMacroTag = 5250;
    static constexpr int kOnceTag = 5251;
    static constexpr int kMultTimesTag = 5252;
    static constexpr int kHoldTag = 5253;
    static constexpr int kUntilPressedTag = 5254;
    static constexpr int kOkTag = 5255;
    static constexpr int kCancelTag = 5256;
    static constexpr int kListWidth = 147;
    // Run modes, as the record's KeyBit[0] holds them; the radio items are these plus one.
    enum RunMode { kOnce = 0, kRepeatCount = 1, kWhileHeld = 2, kUntilPressedAgain = 3 };

    explicit TkeyView(QWidget* parent = nullptr);
    ~TkeyView() override;

    // Takes the record to edit; a macro assigned in it is shown with its run mode and count.
    void setTmpBtnInfo(const _BTN_INFO& info);

    // The picked macro, null while none is.
    const std::shared_ptr<MacroInfo>& selMacroInfo() const { return selMacroInfo_; }
    void setSelMacro(std::shared_ptr<MacroInfo> macro);
    int macroType() const { return macroType_; }
    int macroCount() const { return macroCount_; }

    HvButton* selMacroBtn() const { return selMacroBtn_; }
    HvSetpPanelObj* macroTypeSetp() const { return macroTypeSetp_; }
    // How many times the macro runs, beside the repeat item.
    HvTextField* countLbl() const { return countLbl_; }

    void initControls() override;
    void refreshData() override;
    void fillSettingData() override;
    void saveData() override;
    void onMenulistSelected(HvMenulist* list, HvTreeNode* node) override;
    // A run mode reached (by the arrows too) is the mode; the repeat mode's count is asked when
    // that item is chosen: a click, Space, a screen reader's press, or Enter on it while its
    // count was not asked since it was reached (Enter is OK otherwise).
    void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;
    void onActivateIndex(int index, HvSetpPanelObj* sender) override;
    // Asks for the repeat count in a modal window; Cancel keeps the count.
    void showLoopFrm();

protected:
    HvButton* pickButton() const override { return selMacroBtn_; }
    HvMenulist* pickList() const override;
    bool hasPick() const override { return selMacroInfo_ != nullptr; }
    bool isPicked(const HvTreeNode& entry) const override;
    QString whyOkWaits() const override;

private:
    void showCount();

    HvButton* selMacroBtn_ = nullptr;
    HvTextField* countLbl_ = nullptr;
    HvSetpPanelObj* macroTypeSetp_ = nullptr;
    std::shared_ptr<MacroInfo> selMacroInfo_;
    int macroType_ = kOnce;
    int macroCount_ = 0;
    // The mode chosen before "Repeat count", taken back when its first count is cancelled.
    int typeBeforeCount_ = kOnce;
    bool isFillData_ = false;
    bool countAsked_ = true;
};
