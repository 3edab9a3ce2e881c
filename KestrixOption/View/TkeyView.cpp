#include "TkeyView.h"

#include "DialogKeys.h"
#include "HvButton.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "TKeyRepeatViewLayout.h"
#include "TKeyViewLayout.h"
#include "TkeyRepeatView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
constexpr int kLoopWindowDragHeight = 50;
} // namespace

TkeyView::TkeyView(QWidget* parent)
    : ButtonFunctionView(TKeyViewLayout::kView.size, kOkTag, kCancelTag, parent) {
    setImageByName(QStringLiteral("TKeyView_Normal.png"));
    init();
    addDialogKeys()->setEnterTaker([this](const QObject* control) {
        return control == pickButton() ||
               (!countAsked_ && control == macroTypeSetp_->items()[kRepeatCount]);
    });
}

TkeyView::~TkeyView() {
    // The list outlives the dialog; it must not call back into it.
    if (macroMenuList && macroMenuList->delegate() == this)
        macroMenuList->setDelegate(nullptr);
}

void TkeyView::initControls() {
    const KxControls controls(TKeyViewLayout::kView, this);
    selMacroBtn_ = controls.button("selMacroBtn");
    macroTypeSetp_ = controls.group("Run the macro");
    countLbl_ = controls.get<HvTextField>("countLbl");
    countLbl_->setTextColor(QColor(0xB8, 0xBC, 0xC4));
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void TkeyView::refreshData() {
    KxAction::refreshMenuList();
    KxAction::refreshMenuListData(&macroMenuList, this, macroNode.get(), kListWidth);
    if (macroMenuList) {
        macroMenuList->setDelegate(this);
        macroMenuList->setMenuWidth(kListWidth);
    }
    setSelMacro(nullptr);
    fillSettingData();
}

void TkeyView::fillSettingData() {
    isFillData_ = true;
    macroTypeSetp_->setSelectIndex(kOnce + 1);
    isFillData_ = false;
    showCount();
}

void TkeyView::setTmpBtnInfo(const _BTN_INFO& info) {
    tmpBtnInfo_ = info;
    if (info.FuncID != KxFuncId::kMacro)
        return;
    isFillData_ = true;
    // A record from a file may hold anything: a mode the dialog does not offer shows as once,
    // which is what the mouse makes of it, and the count stays within what the field accepts.
    macroType_ = info.KeyBit[0] <= kUntilPressedAgain ? int(info.KeyBit[0]) : kOnce;
    macroCount_ = int(std::min<uint32_t>(info.KeyBit[1], TkeyRepeatView::kMaxCount));
    setSelMacro(KxAction::getMacroById(int32_t(info.MacroID)));
    macroTypeSetp_->setSelectIndex(macroType_ + 1);
    isFillData_ = false;
    showCount();
}

void TkeyView::setSelMacro(std::shared_ptr<MacroInfo> macro) {
    selMacroInfo_ = std::move(macro);
    if (selMacroInfo_)
        selMacroBtn_->setText(selMacroInfo_->nameStr());
    else if (!macroNode || macroNode->numberOfChildren() == 0)
        selMacroBtn_->setText(QCoreApplication::translate("TkeyView", "No macros yet"));
    else
        selMacroBtn_->setText(QCoreApplication::translate("TkeyView", "Choose a macro"));
}

bool TkeyView::isPicked(const HvTreeNode& entry) const {
    const auto item = std::dynamic_pointer_cast<MenuInfo>(entry.nodeData());
    return selMacroInfo_ && item && item->macroInfo() == selMacroInfo_;
}

QString TkeyView::whyOkWaits() const {
    if (!macroNode || macroNode->numberOfChildren() == 0)
        return QCoreApplication::translate(
            "TkeyView", "There are no macros yet: record one in the macro editor first.");
    return QCoreApplication::translate("TkeyView", "Choose a macro from the list first.");
}

void TkeyView::onMenulistSelected(HvMenulist* list, HvTreeNode* node) {
    if (list != macroMenuList || !node)
        return;
    if (const auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData()))
        if (entry->macroInfo())
            setSelMacro(entry->macroInfo());
}

void TkeyView::onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) {
    if (sender != macroTypeSetp_ || isFillData_)
        return;
    if (index == kRepeatCount + 1 && oldIndex != index && oldIndex >= 1)
        typeBeforeCount_ = oldIndex - 1;
    macroType_ = index - 1;
    countAsked_ = index != kRepeatCount + 1;
    showCount();
}

void TkeyView::onActivateIndex(int index, HvSetpPanelObj* sender) {
    if (sender != macroTypeSetp_ || isFillData_ || index != kRepeatCount + 1)
        return;
    showLoopFrm();
    showCount();
}

void TkeyView::showLoopFrm() {
    HvNoTitleWindow window(QRect(QPoint(0, 0), TKeyRepeatViewLayout::kView.size));
    window.setIsCanDrag(true);
    window.setDragHeight(kLoopWindowDragHeight);
    window.setWindowTitle(QCoreApplication::translate("TkeyView", "Repeat count"));
    window.setAccessibleRole(QAccessible::Dialog);
    auto* view = new TkeyRepeatView;
    window.setContentView(view);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.setGeometry(frame);
    }
    view->setRepeatCount(macroCount_);
    view->makeTxtFirstRes();
    countAsked_ = true;
    if (HvModal::runModal(&window) != 0) {
        macroCount_ = view->repeatCount();
    } else if (macroCount_ < 1) {
        // Repeat by count without a count runs once on the mouse: the mode before comes back.
        isFillData_ = true;
        macroType_ = typeBeforeCount_;
        macroTypeSetp_->setSelectIndex(macroType_ + 1);
        isFillData_ = false;
    }
    // The run is over; the dialog's own window takes the keyboard again.
    QWidget* own = this->window();
    own->raise();
    own->activateWindow();
}

// How many times the mouse will run it: the count it can hold, or nothing when the macro does
// not repeat by count.
void TkeyView::showCount() {
    if (macroType_ != kRepeatCount || macroCount_ < 1) {
        countLbl_->clear();
        return;
    }
    const int runs = std::min(macroCount_, TkeyRepeatView::kMouseMaxCount);
    countLbl_->setText(runs == 1 ? QCoreApplication::translate("TkeyView", "1 time")
                                 : QCoreApplication::translate("TkeyView", "%1 times").arg(runs));
}

// The library's shared list of macros.
HvMenulist* TkeyView::pickList() const {
    return macroMenuList;
}

void TkeyView::saveData() {
    if (!selMacroInfo_)
        return;
    // The macro's record alone: nothing of the assignment it replaces stays.
    tmpBtnInfo_ = _BTN_INFO{};
    tmpBtnInfo_.btnType = KxButtonType::kMacro;
    tmpBtnInfo_.FuncID = KxFuncId::kMacro;
    tmpBtnInfo_.FuncTableId = KxFuncTable::kMacro;
    tmpBtnInfo_.MacroID = uint32_t(selMacroInfo_->macroId());
    if (macroType_ == kRepeatCount && macroCount_ < 1)
        macroType_ = kOnce; // what the mouse makes of it, so the profile stores the same
    tmpBtnInfo_.KeyBit[0] = uint32_t(macroType_);
    if (macroType_ != kRepeatCount)
        macroCount_ = 0;
    tmpBtnInfo_.KeyBit[1] = uint32_t(macroCount_);
}
