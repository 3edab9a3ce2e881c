// The macro editor's controls, what may be used when, recording, and the editing of steps and
// delays.
#include "MacroView.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "MacroCapacityMeter.h"
#include "MacroStepModel.h"
#include "MacroViewLayout.h"
#include "MenuInfo.h"
#include "RigthMouseTBView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

int MacroView::delayTime = 0;
int MacroView::defDelayTime = 0;
int MacroView::delayType = MacroView::kRealDelay;

namespace {

int roundDown(int delay) {
    return delay / MacroView::delaySetpTime * MacroView::delaySetpTime;
}

} // namespace

MacroView::MacroView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), MacroViewLayout::kView.size), parent) {
    setImageByName(QStringLiteral("MacroView_Normal.png"));
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(
        QCoreApplication::translate("MacroView", "Macro editor")); // a click on the pane focuses it
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }},
                      {kCancelTag, [this] { cancel(); }},
                      {kApplyTag, [this] { apply(); }}});
}

MacroView::~MacroView() {
    qApp->removeEventFilter(this);
    // The shared list outlives the editor; it must not call back into it.
    if (macroMenuList && macroMenuList->delegate() == this)
        macroMenuList->setDelegate(nullptr);
    delete macroComList_;
}

HvButton* MacroView::control(int tag) const {
    return tag >= kRecordTag && tag <= kApplyTag ? controls_[size_t(tag - kRecordTag)] : nullptr;
}

void MacroView::initControls() {
    const KxControls controls(
        MacroViewLayout::kView, this,
        {{"keytbView", [this] { return keytbView_ = new RigthMouseTBView; }},
         {"capacityMeter", [this] { return capacityMeter_ = new MacroCapacityMeter; }}});
    for (QWidget* widget : controls.widgets()) {
        if (auto* button = qobject_cast<HvButton*>(widget)) {
            button->setHvBtnDelege(this); // a recording takes clicks on every button
            controls_[size_t(button->tag() - kRecordTag)] = button;
        }
    }
    adjustDelayTxt_ = controls.get<HvNumberTextField>("adjustDelayTxt");
    defDelayTxt_ = controls.get<HvNumberTextField>("defDelayTxt");
    for (HvNumberTextField* field : {adjustDelayTxt_, defDelayTxt_}) {
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(15);
        field->setFont(arial);
        field->setTextMargins(0, 0, 6, 0);
    }
    for (int tag : {kMacroNameTag, kComSelTag}) {
        QFont system = QApplication::font();
        system.setPixelSize(13);
        control(tag)->setFont(system);
    }
    control(kDelKeyTag)->installEventFilter(this);

    stepModel_ = new MacroStepModel(this);
    stepModel_->setIcons(pictureNamed(QStringLiteral("MacroList_KeyDown.png")),
                         pictureNamed(QStringLiteral("MacroList_KeyUp.png")));
    stepModel_->setDelayEdited([this](int) {
        refreshMeter();
        markChanged();
    });
    keytbView_->setModel(stepModel_);
    keytbView_->setItemDelegate(new MacroStepDelegate(keytbView_));
    keytbView_->setHvBtnDelege(this);
    connect(keytbView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MacroView::onSelectionChanged);
}

void MacroView::initNotify() {
    // However the window closes, a recording ends and unapplied edits go unless OK took them.
    if (auto* window = qobject_cast<HvNoTitleWindow*>(this->window()))
        connect(window, &HvNoTitleWindow::windowWillClose, this, &MacroView::windowClosing,
                Qt::UniqueConnection);
}

void MacroView::refreshData() {
    KxAction::refreshMenuList();
    KxAction::refreshMenuListData(&macroMenuList, this, macroNode.get(), kMacroListWidth);
    if (macroMenuList) {
        macroMenuList->setDelegate(this);
        macroMenuList->setMenuWidth(kMacroListWidth);
    }
    KxAction::refreshMenuListData(&macroComList_, this, macroInsertMenuNode.get(), kComListWidth);
    takeSnapshot();
    setRecState(false);
    setSelMacro(nullptr);
    fillSettingData();
}

void MacroView::fillSettingData() {
    adjustDelayTxt_->setIntValue(delayTime);
    defDelayTxt_->setIntValue(defDelayTime);
    control(kLgnoreDelayChkTag)->setChecked(delayType == kNoDelay);
    control(kInsertDefLayChkTag)->setChecked(delayType == kDefaultDelay);
    setConEnable();
    control(kComSelTag)
        ->setText(currMacroMenuData_ ? currMacroMenuData_->titleStr()
                                     : QCoreApplication::translate("MacroView", "Commands"));
    control(kApplyTag)->setEnabled(changed_);
}

void MacroView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    switch (button->tag()) {
    case kRecordTag:
        if (currMacroInfo_) {
            currInsertIndex_ = int(keyArrs_->size());
            setRecState(true);
        }
        break;
    case kStopTag:
        setRecState(false);
        break;
    case kDelKeyTag:
        delCommand();
        break;
    case kKeyUpTag:
        upCom();
        break;
    case kKeyDownTag:
        downCom();
        break;
    case kNewMacroTag:
        showCreatProfileView();
        break;
    case kLoadMacroTag:
        importMacro();
        break;
    case kSaveMacroTag:
        extentMacro();
        break;
    case kDelMacroTag:
        delMacro();
        break;
    case kMacroNameTag:
        KxAction::showMenulistWithBtn(control(kMacroNameTag), macroMenuList);
        break;
    case kInsertDelayTag:
        insertAdjustTim();
        break;
    case kInsertDefDelayTag:
        insertDefaultDelayTim();
        break;
    case kInsertComTag:
        insertCom();
        break;
    case kAdjustDelayUpTag:
        upDelayPro();
        break;
    case kAdjustDelayDownTag:
        downDelayPro();
        break;
    case kLgnoreDelayChkTag:
        // At most one of the two is checked.
        if (button->Checked())
            control(kInsertDefLayChkTag)->setChecked(false);
        setConEnableWithDelayTxt();
        break;
    case kInsertDefLayChkTag:
        if (button->Checked())
            control(kLgnoreDelayChkTag)->setChecked(false);
        setConEnableWithDelayTxt();
        break;
    case kComSelTag:
        KxAction::showMenulistWithBtn(control(kComSelTag), macroComList_);
        break;
    default:
        RirImageView::buttonAction(sender);
        break;
    }
}

void MacroView::onMenulistSelected(HvMenulist* list, HvTreeNode* node) {
    if (!node)
        return;
    if (list == macroMenuList) {
        setSelMacroByNode(node);
    } else if (list == macroComList_) {
        if (auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData())) {
            currMacroMenuData_ = std::move(entry);
            control(kComSelTag)->setText(currMacroMenuData_->titleStr());
        }
    }
}

// ---- Enabling ----------------------------------------------------------------------------------

void MacroView::setConEnableWithMacro() {
    const bool m = currMacroInfo_ != nullptr;
    for (int tag : {kRecordTag, kDelKeyTag, kKeyUpTag, kKeyDownTag, kInsertDelayTag, kInsertComTag,
                    kSaveMacroTag, kDelMacroTag})
        control(tag)->setEnabled(m);
    control(kStopTag)->setEnabled(m && isRecord_);
    setConEnableWithKey();
}

void MacroView::setConEnableWithKey() {
    if (isRecord_)
        return;
    const bool h = currMacroInfo_ && keyArrs_ && !keyArrs_->isEmpty();
    const int r = selectedRow();
    const bool valid = h && r >= 0 && r < keyArrs_->size();
    control(kDelKeyTag)->setEnabled(valid);
    control(kKeyUpTag)->setEnabled(valid && r >= 1);
    control(kKeyDownTag)->setEnabled(valid && r < keyArrs_->size() - 1);
}

void MacroView::setConEnableWithDelayTxt() {
    defDelayTxt_->setEnabled(control(kInsertDefLayChkTag)->Checked() && !isRecord_);
}

void MacroView::setConEnable() {
    setConEnableWithDelayTxt();
    setConEnableWithMacro();
    setConEnableWithKey();
}

void MacroView::setConCaptureEvent(bool capture) {
    for (HvButton* button : controls_)
        button->setIsCaptureMouseEvent(capture);
    keytbView_->setIsCaptureMouseEvent(capture);
}

// ---- Recording ---------------------------------------------------------------------------------

void MacroView::setRecState(bool recording) {
    if (!recording && isRecord_) {
        // A key or button still down gets its release, so that the mouse never leaves it held.
        isAddDelay_ = false;
        for (int32_t code : std::as_const(heldKeys_))
            AddNewKey(code, MacroKeyInfo::kFlagKeyUp);
        for (int32_t code : std::as_const(heldButtons_))
            AddNewKey(code, MacroKeyInfo::kFlagMouseUp);
    }
    heldKeys_.clear();
    heldButtons_.clear();

    control(kRecordTag)->setEnabled(!recording);
    control(kStopTag)->setEnabled(recording);
    for (int tag = kDelKeyTag; tag <= kApplyTag; ++tag)
        control(tag)->setEnabled(!recording);
    adjustDelayTxt_->setEnabled(!recording);
    setConCaptureEvent(recording);
    isRecord_ = recording;
    lastKeyRow_ = -1;
    lastKeyInfo_.reset();
    isAddDelay_ = true;
    stepModel_->setEditable(!recording);
    capacityMeter_->setRecording(recording);
    setConEnableWithDelayTxt();
    if (recording) {
        oldTime_.reset();
        // Every key pressed in the window reaches the editor, whatever has the focus.
        qApp->installEventFilter(this);
        keytbView_->setFocus(Qt::OtherFocusReason);
    } else {
        qApp->removeEventFilter(this);
        setConEnableWithMacro();
        control(kApplyTag)->setEnabled(changed_);
    }
}

qint64 MacroView::now() const {
    if (clock_)
        return clock_();
    static QElapsedTimer monotonic = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return monotonic.elapsed();
}

void MacroView::setClockForTesting(Clock clock) {
    clock_ = std::move(clock);
}

int MacroView::deviceSteps() const {
    return currMacroInfo_ ? int(currMacroInfo_->getMacroCount()) : 0;
}

bool MacroView::roomForPress() const {
    return keyArrs_ && deviceSteps() + heldKeys_.size() + heldButtons_.size() + 2 <= kMaxSteps;
}

void MacroView::limitReached() {
    setRecState(false);
    HvAction::showInfoMessage(
        QCoreApplication::translate("MacroView", "Maximum number of macros reached"));
}

bool MacroView::AddNewKey(int32_t code, int32_t flag) {
    if (!keyArrs_)
        return false;
    if (lastKeyInfo_ && lastKeyInfo_->first == code && lastKeyInfo_->second == flag)
        return false; // the key's repeat
    if (deviceSteps() >= kMaxSteps) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "Maximum number of macros reached"));
        return false;
    }
    if (isAddDelay_) {
        const qint64 time = now();
        if (oldTime_ && lastKeyRow_ >= 0 && lastKeyRow_ < keyArrs_->size()) {
            const qint64 elapsed = std::max<qint64>(0, time - *oldTime_);
            // At most what a step holds, as the table would take it.
            const int d = MacroStepModel::heldDelay(int(std::min<qint64>(elapsed, kMaxDelay)));
            const int delay = delayType == kNoDelay        ? 0
                              : delayType == kDefaultDelay ? defDelayTime
                                                           : d;
            (*keyArrs_)[lastKeyRow_].setDelay(delay);
        }
        oldTime_ = time;
    }
    const int at = std::clamp(currInsertIndex_, 0, int(keyArrs_->size()));
    keyArrs_->insert(at, MacroKeyInfo(code, flag, 0));
    currInsertIndex_ = at + 1;
    lastKeyRow_ = at;
    lastKeyInfo_ = std::make_pair(code, flag);
    stepsChanged();
    selectRow(at);
    return true;
}

void MacroView::recordKey(const QKeyEvent& event, bool press) {
    if (event.isAutoRepeat())
        return;
    if (event.key() == Qt::Key_Pause) {
        if (press)
            setRecState(false);
        return;
    }
    const std::optional<int32_t> code = KxAction::getKeyCodeByScanCode(event.nativeScanCode());
    if (!code) {
        HV_DEBUG(QStringLiteral("not recorded: scan code %1 has no key code the mouse holds")
                     .arg(event.nativeScanCode()));
        return;
    }
    HV_DEBUG(QStringLiteral("%1 %2")
                 .arg(KxAction::isModifierKeyCode(*code) ? QStringLiteral("flagsChanged")
                      : press                            ? QStringLiteral("keyDown")
                                                         : QStringLiteral("keyUp"))
                 .arg(*code));
    if (press) {
        if (heldKeys_.contains(*code))
            return;
        if (!roomForPress()) {
            limitReached();
            return;
        }
        if (AddNewKey(*code, MacroKeyInfo::kFlagKeyDown))
            heldKeys_.insert(*code);
    } else if (heldKeys_.remove(*code)) {
        AddNewKey(*code, MacroKeyInfo::kFlagKeyUp);
    }
}

void MacroView::recordButton(int32_t code, bool press) {
    if (press) {
        if (heldButtons_.contains(code))
            return;
        if (!roomForPress()) {
            limitReached();
            return;
        }
        if (AddNewKey(code, MacroKeyInfo::kFlagMouseDown))
            heldButtons_.insert(code);
    } else if (heldButtons_.remove(code)) {
        AddNewKey(code, MacroKeyInfo::kFlagMouseUp);
    }
}

bool MacroView::checkMouseEvent(QObject* sender, QMouseEvent*) {
    // STOP stays a button while everything else is recorded.
    return sender != control(kStopTag);
}

void MacroView::onMouseEvent(QObject*, QMouseEvent*, MouseEventType type) {
    if (!isRecord_)
        return;
    switch (type) {
    case LeftDown:
    case LeftUp:
        recordButton(kLeftButtonCode, type == LeftDown);
        break;
    case RightDown:
    case RightUp:
        recordButton(kRightButtonCode, type == RightDown);
        break;
    case OtherDown:
    case OtherUp:
        recordButton(kOtherButtonCode, type == OtherDown);
        break;
    }
}

bool MacroView::eventFilter(QObject* watched, QEvent* event) {
    // A double click on DELETE clears every step (the first click deleted one).
    if (watched == control(kDelKeyTag) && event->type() == QEvent::MouseButtonDblClick &&
        !isRecord_) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            control(kDelKeyTag)->isEnabled()) {
            delAllCommand();
            return true;
        }
        return false;
    }
    if (!isRecord_)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window())
        return false;
    if (type == QEvent::ShortcutOverride) {
        event->accept(); // the key is the editor's, not a shortcut's
        return false;
    }
    recordKey(*static_cast<QKeyEvent*>(event), type == QEvent::KeyPress);
    return true;
}

// Clicks on the editor itself (between its controls) while recording.
void MacroView::mousePressEvent(QMouseEvent* event) {
    if (!isRecord_) {
        RirImageView::mousePressEvent(event);
        return;
    }
    const Qt::MouseButton button = event->button();
    onMouseEvent(this, event,
                 button == Qt::LeftButton    ? LeftDown
                 : button == Qt::RightButton ? RightDown
                                             : OtherDown);
    event->accept();
}

void MacroView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!isRecord_) {
        RirImageView::mouseDoubleClickEvent(event);
        return;
    }
    mousePressEvent(event);
}

void MacroView::mouseReleaseEvent(QMouseEvent* event) {
    if (!isRecord_) {
        RirImageView::mouseReleaseEvent(event);
        return;
    }
    const Qt::MouseButton button = event->button();
    onMouseEvent(this, event,
                 button == Qt::LeftButton    ? LeftUp
                 : button == Qt::RightButton ? RightUp
                                             : OtherUp);
    event->accept();
}

void MacroView::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control left alone: Escape cancels, Delete deletes the step (with Shift,
    // every step).
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        return;
    case Qt::Key_Delete:
        if (event->modifiers() & Qt::ShiftModifier)
            delAllCommand();
        else if (control(kDelKeyTag)->isEnabled())
            delCommand();
        return;
    default:
        RirImageView::keyPressEvent(event);
    }
}

// ---- Steps -------------------------------------------------------------------------------------

int MacroView::selectedRow() const {
    return keytbView_->selectedRow();
}

void MacroView::selectRow(int row) {
    keytbView_->selectRow(row);
}

void MacroView::onSelectionChanged() {
    setConEnableWithKey();
}

void MacroView::stepsChanged() {
    stepModel_->reload();
    refreshMeter();
    markChanged();
}

void MacroView::markChanged() {
    changed_ = true;
    if (!isRecord_)
        control(kApplyTag)->setEnabled(true);
}

void MacroView::refreshMeter() {
    capacityMeter_->setCount(currMacroInfo_ ? int(currMacroInfo_->getMacroCount()) : -1);
}

void MacroView::insertCom() {
    if (!currMacroMenuData_ || !keyArrs_)
        return;
    // The command's chord is a press and a release per key on the mouse.
    const MacroKeyInfo command(currMacroMenuData_->functionID(), MacroKeyInfo::kFlagMenuFunction,
                               0);
    if (deviceSteps() + int(MacroInfo::getComMacroCount(command)) > kMaxSteps) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "Maximum number of macros reached"));
        return;
    }
    const int row = std::max(0, selectedRow());
    keyArrs_->insert(row, command);
    stepsChanged();
    selectRow(row);
    setConEnableWithKey();
}

void MacroView::delCommand() {
    const int row = selectedRow();
    if (!keyArrs_ || row < 0 || row >= keyArrs_->size())
        return;
    keyArrs_->removeAt(row);
    stepsChanged();
    selectRow(row < keyArrs_->size() ? row : row - 1);
    setConEnableWithKey();
}

void MacroView::delAllCommand() {
    if (!keyArrs_ || keyArrs_->isEmpty())
        return;
    if (!HvAction::ChooseInfoMessage(
            QCoreApplication::translate("MacroView", "Are you sure you want to Clear Commands?")))
        return;
    keyArrs_->clear();
    stepsChanged();
    setConEnableWithKey();
}

void MacroView::moveCom(bool down) {
    const int row = selectedRow();
    if (!keyArrs_ || row < 0 || row >= keyArrs_->size())
        return;
    const int target = down ? row + 1 : row - 1;
    if (target < 0 || target >= keyArrs_->size())
        return;
    keyArrs_->move(row, target);
    stepsChanged();
    selectRow(target);
    setConEnableWithKey();
}

// ---- Delays ------------------------------------------------------------------------------------

void MacroView::upDelayPro() {
    delayTime = roundDown(std::clamp(delayTime + delaySetpTime, 0, kMaxDelay));
    adjustDelayTxt_->setIntValue(delayTime);
}

void MacroView::downDelayPro() {
    delayTime = std::clamp(delayTime - delaySetpTime, 0, kMaxDelay);
    adjustDelayTxt_->setIntValue(delayTime);
}

void MacroView::onNumTextChange(QObject* sender) {
    if (sender == adjustDelayTxt_) {
        delayTime = roundDown(adjustDelayTxt_->intValue());
        adjustDelayTxt_->setIntValue(delayTime);
    } else if (sender == defDelayTxt_) {
        defDelayTime = roundDown(defDelayTxt_->intValue());
        defDelayTxt_->setIntValue(defDelayTime);
    }
}

void MacroView::insertAdjustTim() {
    const int row = selectedRow();
    if (!keyArrs_ || row < 0 || row >= keyArrs_->size())
        return;
    adjustDelayTxt_->commit(); // a number typed but not yet entered counts
    (*keyArrs_)[row].setDelay(delayTime);
    stepsChanged();
    selectRow(row);
}

void MacroView::insertDefaultDelayTim() {
    defDelayTxt_->commit();
    setDelayType();
}

void MacroView::setDelayType() {
    delayType = kRealDelay;
    if (control(kLgnoreDelayChkTag)->Checked())
        delayType = kNoDelay;
    if (control(kInsertDefLayChkTag)->Checked())
        delayType = kDefaultDelay;
}
