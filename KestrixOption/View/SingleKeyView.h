#pragma once

#include "ButtonFunctionView.h"
#include "HvMenulist.h"

#include <memory>

class HvButton;
class MenuInfo;

// Gives a button one function of the catalogue's single-function menu: a click, a key, a media
// or system function. Edits a copy of the button's record and opens on its function when the
// list has it (else with nothing picked); OK
// (only with a function picked) writes it into the record, marks the profile changed and closes
// the window; Cancel closes it and leaves the record as it was. Enter is OK, Escape is Cancel.
class SingleKeyView : public ButtonFunctionView, public HvMenulistDelegate {
    Q_OBJECT
public:
    static constexpr int kSelComTag = 5200;
    static constexpr int kOkTag = 5201;
    static constexpr int kCancelTag = 5202;
    static constexpr int kListWidth = 146;

    explicit SingleKeyView(QWidget* parent = nullptr);
    ~SingleKeyView() override;

    // The record to edit; the list's entry that is the button's function, if one is, is picked.
    void setTmpBtnInfo(const _BTN_INFO& info);
    // The picked entry, null while none is.
    const std::shared_ptr<MenuInfo>& selMenuData() const { return selMenuData_; }

    HvButton* selComBtn() const { return selComBtn_; }
    HvMenulist* comMenuList() const { return comMenuList_; }

    void initControls() override;
    void refreshData() override;
    void saveData() override;
    void onMenulistSelected(HvMenulist* list, HvTreeNode* node) override;

protected:
    HvButton* pickButton() const override { return selComBtn_; }
    HvMenulist* pickList() const override { return comMenuList_; }
    bool hasPick() const override { return selMenuData_ != nullptr; }
    bool isPicked(const HvTreeNode& entry) const override;
    QString whyOkWaits() const override;

private:
    HvButton* selComBtn_ = nullptr;
    HvMenulist* comMenuList_ = nullptr; // the dialog's own
    std::shared_ptr<MenuInfo> selMenuData_;
};
