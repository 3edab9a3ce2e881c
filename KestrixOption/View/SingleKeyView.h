#pragma once

#include "HvMenulist.h"
#include "KxRecords.h"
#include "RirImageView.h"

#include <memory>

class HvButton;
class MenuInfo;

// Gives a button one function of the catalogue's single-function menu: a click, a key, a media
// or system function. Edits a copy of the button's record and opens with nothing picked; OK
// (only with a function picked) writes it into the record, marks the profile changed and closes
// the window; Cancel closes it and leaves the record as it was. Enter is OK, Escape is Cancel.
class SingleKeyView : public RirImageView, public HvMenulistDelegate {
    Q_OBJECT
public:
    static constexpr int kSelComTag = 5200;
    static constexpr int kOkTag = 5201;
    static constexpr int kCancelTag = 5202;
    static constexpr int kListWidth = 146;

    explicit SingleKeyView(QWidget* parent = nullptr);
    ~SingleKeyView() override;

    const _BTN_INFO& tmpBtnInfo() const { return tmpBtnInfo_; }
    void setTmpBtnInfo(const _BTN_INFO& info) { tmpBtnInfo_ = info; }
    // The picked entry, null while none is.
    const std::shared_ptr<MenuInfo>& selMenuData() const { return selMenuData_; }

    HvButton* selComBtn() const { return selComBtn_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }
    HvMenulist* comMenuList() const { return comMenuList_; }

    void initControls() override;
    void refreshData() override;
    void saveData() override;
    void buttonAction(QObject* sender) override;
    void onMenulistSelected(HvMenulist* list, HvTreeNode* node) override;

private:
    void ok();

    HvButton* selComBtn_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    HvMenulist* comMenuList_ = nullptr; // the dialog's own
    std::shared_ptr<MenuInfo> selMenuData_;
    _BTN_INFO tmpBtnInfo_{};
};
