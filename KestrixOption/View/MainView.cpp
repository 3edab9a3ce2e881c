// The main view's start-up, its two bars and what it shows of the selected button.
#include "MainView.h"

#include "HvAnnouncer.h"

#include "AppMenu.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "HvTextField.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxLanguage.h"
#include "KxLayouts.h"
#include "KxPictures.h"
#include "KxWidgetGlobals.h"
#include "MainViewLayout.h"
#include "MouseWrites.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PopupLayout.h"
#include "ProfieController.h"
#include "TooltipManager.h"
#include "Workspace/InstalledApplications.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A file of the help page's resources written into the folder unless it holds it already; false
// when it cannot be written.
bool writeHelpFile(const QString& folder, const QString& file) {
    QFile resource(QStringLiteral(":/Help/") + file);
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = resource.readAll();
    const QString path = QDir(folder).filePath(file);
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == content.size() &&
        existing.readAll() == content)
        return true;
    existing.close();
    QDir().mkpath(folder);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.flush() ||
        !out.commit()) {
        HV_WARNING(QStringLiteral("The help page could not be written to %1").arg(path));
        return false;
    }
    return true;
}

// The help page is part of the program: written out, with its stylesheet, whenever this
// version's differs, so that the desktop's browser can open it. It is the page in the window's
// language, the English one where there is none.
QString writeHelpPage() {
    const QString name = QStringLiteral("Information_%1.html");
    QString file = name.arg(KxLanguage::fileStem(KxLanguage::chosen()));
    if (!QFile::exists(QStringLiteral(":/Help/") + file))
        file = name.arg(QStringLiteral("en"));
    const QString folder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(QStringLiteral("com.vlak.KxOption/Help"));
    if (!writeHelpFile(folder, QStringLiteral("Information.css")) || !writeHelpFile(folder, file))
        return {};
    return QDir(folder).filePath(file);
}

// The pictures of the selected button's function type, in the order of selTagImageArrs_.
constexpr const char* kFunctionTypePictures[] = {"BtnFunType_D.png", "BtnFunType_S.png",
                                                 "BtnFunType_T.png", "BtnFunType_L.png"};

} // namespace

MainView::MainView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), MainViewLayout::kView.size), parent) {
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(
        QCoreApplication::translate("MainView", "Kestrix Mouse")); // a click on the pane focuses it
    init();
    connect(&state_, &WindowEditState::changed, this, &MainView::refreshApplyBtn);
}

MainView::~MainView() {
    KxAction::windowBuilt(); // a view gone before it was shown holds no read back
    deallocNotify();
    if (dialogWindow_)
        delete dialogWindow_.data();
    if (subViewWindow_)
        delete subViewWindow_.data();
}

void MainView::initData() {
    // The pictures the first frame shows decode in the background while the data loads, in the
    // order the view takes them.
    QStringList firstFrame = {QStringLiteral("MainView_Normal.png"),
                              QStringLiteral("MainView_Disable.png")};
    for (const char* type : kFunctionTypePictures)
        firstFrame << QLatin1String(type);
    for (const KxLayout::Control& control : MainViewLayout::kView.controls)
        if (!control.picture.empty())
            firstFrame << KxLayout::pictureName(KxLayout::text(control.picture),
                                                KxLayout::State::Normal) +
                              QStringLiteral(".png");
    firstFrame << QStringLiteral("Selected.png");
    KxPictures::prefetch(firstFrame, pictureRatio());
    HvAction::setLoggerDebugLevel();
    HvAction::setLoggerHasFile(true);
    isOutPlus_ = false;
    KxAction::getSysPath();
    sysTooltip = TooltipManager::shareTooltipManager();
    KxAction::initMenuList();
    sysProCon = KxAction::profileLibrary();
    KxAction::startListenDev();
    // The read at start goes out before the pictures are decoded and the controls made, so that
    // its pauses overlap them.
    getFWDataPro();
    setImageByName(QStringLiteral("MainView_Normal.png"));
    lochelpPath_ = writeHelpPage();
    for (size_t i = 0; i < selTagImageArrs_.size(); ++i)
        selTagImageArrs_[i] = pictureNamed(QLatin1String(kFunctionTypePictures[i]));
}

void MainView::initControls() {
    const KxControls controls(MainViewLayout::kView, this);
    for (QWidget* widget : controls.widgets())
        if (auto* button = qobject_cast<HvButton*>(widget))
            controls_[size_t(button->tag() - kReDefTag)] = button;
    btnSelTagImageView_ = controls.get<QLabel>("btnSelTagImageView");
    btnSelTagCaptionTxt_ = controls.get<HvTextField>("btnSelTagCaptionTxt");
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    btnSelTagCaptionTxt_->setFont(arial);
    // Read by Tab as by the selected button's description.
    btnSelTagCaptionTxt_->setFocusPolicy(Qt::TabFocus);
    // The marker on the selected mouse button.
    btnSelImageView_ = new QLabel(this);
    btnSelImageView_->setPixmap(QPixmap::fromImage(pictureNamed(QStringLiteral("Selected.png"))));
    btnSelImageView_->resize(KxLayout::kSelectedSize);
    btnSelImageView_->setAttribute(Qt::WA_TransparentForMouseEvents);

    announcer_ = new HvAnnouncer(this);
    profileStep_ = controls.group("Profile");
    // Shown on the profile last kept until the read at the start says which one the mouse runs
    // (it selects that one on the mouse itself).
    showProfile(std::clamp(KxAction::profileLibrary()->currFWProfileIndex(), 0, 4), false);
    selBtnSetp_ = controls.group("Mouse button");
    for (HvButton* button : selBtnSetp_->items())
        button->setHvBtnDelege(this); // hovering shows what the button does
    selBtnSetp_->setSelectIndex(1);

    appMenu_ = new AppMenu(this);
    // Help (F1) and Quit (Ctrl+Q) anywhere in the window, not only in the open menu.
    addAction(appMenu_->helpAction());
    addAction(appMenu_->quitAction());
    refreshApplyBtn();
}

void MainView::initNotify() {
    // Built: the start's read may now fill the library.
    KxAction::windowBuilt();
    if (QWidget* frame = window(); frame != this)
        frame->installEventFilter(this);
    isDevOnTag_ = false;
    checkDevPro();
    if (terminating_)
        return;
    NotificationCenter& local = NotificationCenter::defaultCenter();
    observeTransfers();
    showTipObserver_ = local.addObserver(QStringLiteral("HvNotifyShowTipNameStr"),
                                         [this](const Notification& n) { ShowToolTip(n); });
    hideTipObserver_ = local.addObserver(QStringLiteral("HvNotifyHideTipNameStr"),
                                         [this](const Notification& n) { HideToolTip(n); });
    devStatusObserver_ = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxDevStatus"), [this](const Notification& n) { devReportPro(n); });
    changeOSDPro();
    if (!state_.idle())
        KxAction::showLoadViewPro(); // over the window, now that there is one
}

void MainView::observeTransfers() {
    if (hideLoadObserver_)
        return;
    // Posted by the transfer's worker: handled on this thread.
    hideLoadObserver_ = NotificationCenter::defaultCenter().addObserver(
        QStringLiteral("Notify_HideLoad_Event"),
        [this](const Notification& n) { hideLoadView(n); });
}

void MainView::deallocNotify() {
    NotificationCenter& local = NotificationCenter::defaultCenter();
    for (NotificationCenter::Token* token :
         {&hideLoadObserver_, &showTipObserver_, &hideTipObserver_}) {
        if (*token)
            local.removeObserver(*token);
        *token = 0;
    }
    if (devStatusObserver_)
        DistributedNotificationCenter::defaultCenter().removeObserver(devStatusObserver_);
    devStatusObserver_ = 0;
}

HvButton* MainView::control(int tag) const {
    const int at = tag - kReDefTag;
    return at >= 0 && at < int(controls_.size()) ? controls_[size_t(at)] : nullptr;
}

bool MainView::shouldSelectIndex(int, int oldIndex, HvSetpPanelObj* sender) {
    if (oldIndex < 1)
        return true;
    if (!state_.idle())
        return false;
    if (sender == selBtnSetp_ || isFWChangeProfile_ || !state_.needsSaving())
        return true;
    // OK drops the edits, as the question says.
    dropEditsOnSwitch_ = popUp("WarningNeedSave");
    return dropEditsOnSwitch_;
}

void MainView::onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) {
    if (sender == profileStep_) {
        HV_DEBUG(QStringLiteral("Curr Profile Setp %1").arg(index));
        if (oldIndex > 0) {
            // The profile being left: its edits dropped when the user said so; kept for when the
            // user comes back when the mouse switched by itself.
            const int left = oldIndex - 1;
            if (std::exchange(dropEditsOnSwitch_, false))
                KxAction::profileLibrary()->dropButtonEdits(left);
            else if (state_.needsSaving())
                KxAction::profileLibrary()->keepButtonEdits(left, selProfile.btnInfo);
        }
        setBtnCurrProfile(index - 1);
        state_.followLibrary();
        if (oldIndex < 1)
            KxAction::initSysPrePro();
        if (oldIndex > 0)
            KxAction::sendProfileChangeToDaemon(index - 1);
        KxAction::profileLibrary()->refreshSelProfileFromData();
        displayBtnInfo();
        return;
    }
    if (sender == selBtnSetp_) {
        HV_DEBUG(QStringLiteral("Curr SelBtn Setp %1").arg(index));
        moveMarkerTo(index);
        selBtnIndex_ = index;
        displayBtnInfo();
    }
}

void MainView::moveMarkerTo(int index) {
    const HvButton* button = selBtnSetp_->items()[size_t(index - 1)];
    const QSize marker = KxLayout::kSelectedSize;
    btnSelImageView_->move(button->pos() + QPoint((button->width() - marker.width()) / 2,
                                                  (button->height() - marker.height()) / 2));
    btnSelImageView_->raise();
    btnSelImageView_->show();
}

void MainView::setBtnCurrProfile(int profile) {
    if (profile < 0 || profile > 4)
        return;
    const int running = KxAction::profileLibrary()->currFWProfileIndex();
    KxAction::profileLibrary()->setCurrFWProfileIndex(profile);
    if (!profileWriteHeld_)
        MouseWrites::postActiveProfile(
            profile, running, [view = QPointer<MainView>(this)](int stillRunning) {
                // Shown as the mouse runs it, as its own switch is shown, so that Apply never
                // writes a profile the mouse is not running.
                if (view && view->profileStep_->selectIndex() != stillRunning + 1)
                    view->showProfile(stillRunning, false);
            });
    displayBtnInfo();
    update();
}

_BTN_INFO& MainView::selectedRecord() {
    return selProfile.btnInfo[selBtnIndex_ - 1];
}

QString MainView::getBtnCaption(const _BTN_INFO& info) {
    switch (info.FuncID) {
    case KxFuncId::kMacro:
        // The mouse keeps running what it holds until the button is given something else.
        return KxAction::getMacroNameById(int32_t(info.MacroID))
            .value_or(QCoreApplication::translate("MainView", "Deleted macro"));
    case KxFuncId::kLaunch: {
        const QString path = QString::fromUtf8(
            info.app_path, qsizetype(strnlen(info.app_path, sizeof info.app_path)));
        if (path.isEmpty())
            return QCoreApplication::translate("MainView", "Launch Key");
        // An installed application is called by its name in the desktop's menus.
        if (path.endsWith(QLatin1String(".desktop")))
            if (const auto name = InstalledApplications::displayName(path))
                return *name;
        return QFileInfo(path).completeBaseName();
    }
    case KxFuncId::kTKey:
        return QCoreApplication::translate("MainView", "T Key");
    case KxFuncId::kPageUpWin:
        return QCoreApplication::translate("MainView", "Page UP(Win)");
    case KxFuncId::kPageDownWin:
        return QCoreApplication::translate("MainView", "Page Down(Win)");
    case KxFuncId::kMiddleButtonWin:
        return QCoreApplication::translate("MainView", "Middle Button(Win)");
    default:
        break;
    }
    if (info.FuncTableId == KxFuncTable::kDisabled)
        return QCoreApplication::translate("MainView", "Disable");
    return KxAction::getSingleNameById(int32_t(info.FuncID)).value_or(QString());
}

void MainView::showTypeAndCaption(const _BTN_INFO* info) {
    shownTypeImage_ = info && info->btnType < selTagImageArrs_.size()
                          ? selTagImageArrs_[info->btnType]
                          : QImage();
    btnSelTagImageView_->setPixmap(QPixmap::fromImage(shownTypeImage_));
    // The picture's kind in words, for those who do not see it.
    const char* kinds[] = {
        QT_TRANSLATE_NOOP("MainView", "Default"), QT_TRANSLATE_NOOP("MainView", "Single key"),
        QT_TRANSLATE_NOOP("MainView", "Macro"), QT_TRANSLATE_NOOP("MainView", "Launch")};
    btnSelTagImageView_->setAccessibleDescription(
        shownTypeImage_.isNull() ? QString()
                                 : QCoreApplication::translate("MainView", kinds[info->btnType]));
    btnSelTagCaptionTxt_->setText(info ? getBtnCaption(*info) : QString());
    btnSelTagCaptionTxt_->setCursorPosition(0);
    // A launcher is named by its entry's Name, which anyone can write: its path says what runs.
    QString path;
    if (info && info->FuncID == KxFuncId::kLaunch)
        path = QString::fromUtf8(info->app_path,
                                 qsizetype(strnlen(info->app_path, sizeof info->app_path)));
    btnSelTagCaptionTxt_->setToolTip(path);
    btnSelTagCaptionTxt_->setAccessibleDescription(path);
}

void MainView::displayBtnInfo() {
    if (selBtnIndex_ >= 1 && selBtnIndex_ <= 5)
        showTypeAndCaption(&selectedRecord());
    // Each mouse button says its function to a screen reader: "Back side button: Forward".
    const size_t buttons = selBtnSetp_ ? selBtnSetp_->items().size() : 0;
    for (size_t i = 0; i < buttons && i < std::size(selProfile.btnInfo); ++i)
        selBtnSetp_->items()[i]->setAccessibleDescription(getBtnCaption(selProfile.btnInfo[i]));
    disPlayDefaultBtn();
}

void MainView::displayBtnInfo2() {
    showTypeAndCaption(selOverBtnIndex_ >= 0 && selOverBtnIndex_ <= 4
                           ? &selProfile.btnInfo[selOverBtnIndex_]
                           : nullptr);
}

void MainView::disPlayDefaultBtn() {
    bool differs = false;
    if (selBtnIndex_ >= 1 && selBtnIndex_ <= 5) {
        const _BTN_INFO& current = selectedRecord();
        const _BTN_INFO preset = KxAction::profileLibrary()->getDefBtnInfoByIndex(selBtnIndex_ - 1);
        differs = !sameFunction(current, preset);
    }
    control(kDefaultTag)->setEnabled(differs);
}

void MainView::refreshApplyBtn() {
    if (!control(kApplyTag))
        return; // not built yet
    // Apply writes this profile; OK every profile with edits (the mouse's own switch, or a
    // write that failed, may have left some on another).
    control(kApplyTag)->setEnabled(state_.needsSaving());
    control(kOkTag)->setEnabled(hasUnwrittenEdits());
    journalEditsAsMade();
}

void MainView::journalEditsAsMade() {
    // A running write keeps and journals what it writes itself; between writes the working
    // copy's edits are kept here.
    if (!state_.needsSaving() || state_.writing() || terminating_)
        return;
    const int slot = KxAction::profileLibrary()->currFWProfileIndex();
    if (slot < 0 || slot > 4)
        return;
    // Kept already (each keeping is journalled): no second write of the same file.
    const auto kept = KxAction::profileLibrary()->buttonEdits(slot);
    if (kept && std::equal(kept->begin(), kept->end(), std::begin(selProfile.btnInfo),
                           [](const _BTN_INFO& a, const _BTN_INFO& b) {
                               return std::memcmp(&a, &b, sizeof a) == 0;
                           }))
        return;
    KxAction::profileLibrary()->keepButtonEdits(slot, selProfile.btnInfo);
    journalAheadOfWrite(slot);
}

bool MainView::checkOnlyLeft(int index) const {
    if (index < 1 || index > 5)
        return false;
    if (selProfile.btnInfo[index - 1].FuncID != KxFuncId::kLeftClick)
        return true;
    const auto leftClicks = std::count_if(
        std::begin(selProfile.btnInfo), std::end(selProfile.btnInfo),
        [](const _BTN_INFO& button) { return button.FuncID == KxFuncId::kLeftClick; });
    return leftClicks >= 2;
}

bool MainView::checkOnlyLeftPro() {
    if (checkOnlyLeft(selBtnIndex_))
        return true;
    popUp("WarningNeedLeft");
    return false;
}

bool MainView::popUp(std::string_view name) {
    return popUpAnswer(name) == 1;
}

int MainView::popUpAnswer(std::string_view name) {
    const PopupLayout::Popup* popup = PopupLayout::find(name);
    return popup ? KxAction::runPopView(KxLayout::text(popup->name), PopupLayout::kSize,
                                        popup->okOrigin(), popup->cancelOrigin())
                 : 0;
}

// A transfer's worker writes the working copy: nothing of it is shown until the transfer ends.
void MainView::ShowToolTip(const Notification& notification) {
    if (!state_.idle())
        return;
    const QObject* hovered = notification.object.value<QObject*>();
    selOverBtnIndex_ = selBtnSetp_->indexOf(hovered) - 1;
    displayBtnInfo2();
}

void MainView::HideToolTip(const Notification&) {
    if (!state_.idle())
        return;
    selOverBtnIndex_ = -1;
    displayBtnInfo2();
}

void MainView::contextMenuEvent(QContextMenuEvent* event) {
    // The drag strip is the window's title bar: its menu is the application's.
    if (event->pos().y() < kMainDragHeight) {
        appMenu_->popup(event->globalPos());
        event->accept();
        return;
    }
    RirImageView::contextMenuEvent(event);
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || watched != window() || terminating_)
        return RirImageView::eventFilter(watched, event);
    if (qApp->isSavingSession()) {
        terminate(false);
        return false;
    }
    // The question runs after the close event. While a dialog or a write runs the close is
    // refused, as the window's own Close cannot be reached then either.
    event->ignore();
    if (state_.idle())
        QMetaObject::invokeMethod(this, &MainView::closeAsked, Qt::QueuedConnection);
    return true;
}

void MainView::paintEvent(QPaintEvent* event) {
    RirImageView::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        HV_DEBUG(QStringLiteral("The main window is shown"));
        // The two largest views this one opens find the pictures of their first frame decoded.
        QStringList opened;
        for (const KxLayout::View* view : {&PerformanceLayout::kView, &MacroViewLayout::kView})
            for (const KxLayout::State state :
                 {KxLayout::State::Normal, KxLayout::State::Disable, KxLayout::State::Active})
                opened << KxLayout::pictureName(KxLayout::text(view->name), state) +
                              QStringLiteral(".png");
        KxPictures::prefetch(opened, pictureRatio());
    }
}
