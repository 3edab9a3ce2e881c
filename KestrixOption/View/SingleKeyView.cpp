#include "SingleKeyView.h"

#include "HvButton.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "MenuInfo.h"
#include "SingleKeyViewLayout.h"

SingleKeyView::SingleKeyView(QWidget* parent)
    : ButtonFunctionView(SingleKeyViewLayout::kView.size, kOkTag, kCancelTag, parent) {
    setImageByName(QStringLiteral("SingleKeyView_Normal.png"));
    init();
    addDialogKeys();
}

SingleKeyView::~SingleKeyView() {
    delete comMenuList_;
}

void SingleKeyView::initControls() {
    const KxControls controls(SingleKeyViewLayout::kView, this);
    selComBtn_ = controls.button("selComBtn");
    selComBtn_->setText(QStringLiteral("Choose a function"));
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void SingleKeyView::refreshData() {
    KxAction::refreshMenuListData(&comMenuList_, this, singleMenuNode.get(), kListWidth);
}

void SingleKeyView::onMenulistSelected(HvMenulist* list, HvTreeNode* node) {
    if (list != comMenuList_ || !node)
        return;
    auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData());
    if (!entry)
        return;
    selMenuData_ = std::move(entry);
    selComBtn_->setText(selMenuData_->titleStr());
}

void SingleKeyView::saveData() {
    if (!selMenuData_)
        return;
    tmpBtnInfo_.btnType = KxButtonType::kSingle;
    tmpBtnInfo_.FuncID = uint32_t(selMenuData_->functionID());
    tmpBtnInfo_.FuncTableId = uint32_t(selMenuData_->functionTableID());
    tmpBtnInfo_.KeyBit[0] = uint32_t(selMenuData_->KeyBit1());
    tmpBtnInfo_.KeyBit[1] = uint32_t(selMenuData_->KeyBit2());
    tmpBtnInfo_.KeyBit[2] = uint32_t(selMenuData_->KeyBit3());
    tmpBtnInfo_.KeyBit[3] = uint32_t(selMenuData_->KeyBit4());
}
