#include "SingleKeyView.h"

#include "HvButton.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxNames.h"
#include "KxWidgetGlobals.h"
#include "MenuInfo.h"
#include "SingleKeyViewLayout.h"

#include <QCoreApplication>

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
    selComBtn_->setText(QCoreApplication::translate("SingleKeyView", "Choose a function"));
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void SingleKeyView::setTmpBtnInfo(const _BTN_INFO& info) {
    tmpBtnInfo_ = info;
    selMenuData_.reset();
    selComBtn_->setText(QCoreApplication::translate("SingleKeyView", "Choose a function"));
    // A macro or a launcher is no entry of this list, whatever its numbers.
    if (!singleMenuNode || info.btnType == KxButtonType::kMacro ||
        info.btnType == KxButtonType::kLaunch)
        return;
    for (const auto& child : singleMenuNode->children()) {
        const auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        if (entry && entry->type() != MenuInfo::kTypeHeading &&
            sameFunction(KxNames::functionRecord(*entry), info)) {
            selMenuData_ = entry;
            selComBtn_->setText(entry->titleStr());
            return;
        }
    }
}

bool SingleKeyView::isPicked(const HvTreeNode& entry) const {
    return selMenuData_ && entry.nodeData() == selMenuData_;
}

QString SingleKeyView::whyOkWaits() const {
    return QCoreApplication::translate("SingleKeyView", "Choose a function from the list first.");
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
    // The function's record alone: nothing of the assignment it replaces (a launcher's path, a
    // macro's id) stays, so that it equals what the mouse reads back.
    tmpBtnInfo_ = KxNames::functionRecord(*selMenuData_);
}
