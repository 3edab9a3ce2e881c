// The main view's start-up, its two bars and what it shows of the selected button.
#include "MainView.h"

#include "AppMenu.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "HvTextField.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "MainViewLayout.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PopupLayout.h"
#include "ProfieController.h"
#include "TooltipManager.h"
#include "Workspace/InstalledApplications.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>
#include <utility>

using MainViewLayout::kView;

namespace {

constexpr uint32_t kMacroFunction = 6;
constexpr uint32_t kLaunchFunction = 15;
constexpr uint32_t kLeftClickFunction = 1;
constexpr uint32_t kDisabledTable = 255;

// The controls of the layout that are buttons, with the tooltip key of each.
struct ButtonSpec {
    const char* name;
    const char* tooltip;
};
constexpr ButtonSpec kButtons[] = {
    {"reDefBtn", "Reset this profile to system default."},
    {"homeBtn", "Go to Orvane Website"},
    {"helpBtn", "Open the help docuement."},
    {"closeBtn", "Close"},
    {"profile1Btn", "Switch to profile 1 page."},
    {"profile2Btn", "Switch to profile 2 page."},
    {"profile3Btn", "Switch to profile 3 page."},
    {"profile4Btn", "Switch to profile 4 page."},
    {"profile5Btn", "Switch to profile 5 page."},
    {"lightOptionBtn", "LED configuration."},
    {"macroBtn", "Open Macro editor"},
    {"settingBtn", "Advanced mouse configuration."},
    {"tkeyBtn", "Macro Function"},
    {"singleBtn", "Single Key Function"},
    {"defaultBtn", "Default Button Function"},
    {"launchProBtn", "Applictaion Launcher Function"},
    {"applyBtn", "Apply"},
    {"okBtn", "OK"},
    {"cancelBtn", "Cancel"},
    {"menuBtn", nullptr},
    {"leftClickBtn", nullptr},
    {"rightBtn", nullptr},
    {"middleClickBtn", nullptr},
    {"left1Btn", nullptr},
    {"left2Btn", nullptr},
};
// The mouse buttons in the order of selBtnSetp and of the profile's records.
constexpr const char* kMouseButtons[] = {"leftClickBtn", "rightBtn", "middleClickBtn", "left1Btn",
                                         "left2Btn"};
// Names spoken for the controls that have no tooltip.
QString spokenName(std::string_view name) {
    if (name == "menuBtn")
        return QStringLiteral("Application menu");
    if (name == "leftClickBtn")
        return QStringLiteral("Left button");
    if (name == "rightBtn")
        return QStringLiteral("Right button");
    if (name == "middleClickBtn")
        return QStringLiteral("Wheel button");
    if (name == "left1Btn")
        return QStringLiteral("Front side button");
    if (name == "left2Btn")
        return QStringLiteral("Back side button");
    return {};
}

// The help page is part of the program: written out whenever this version's page differs, so
// that the desktop's browser can open it.
QString writeHelpPage() {
    QFile resource(QStringLiteral(":/Help/Information_en.html"));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    const QByteArray page = resource.readAll();
    const QString folder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(QStringLiteral("com.vlak.KxOption/Help"));
    const QString path = QDir(folder).filePath(QStringLiteral("Information_en.html"));
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == page.size() &&
        existing.readAll() == page)
        return path;
    existing.close();
    QDir().mkpath(folder);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(page) != page.size() || !out.flush() ||
        !out.commit()) {
        HV_WARNING(QStringLiteral("The help page could not be written to %1").arg(path));
        return {};
    }
    return path;
}

} // namespace

MainView::MainView(QWidget* parent) : RirImageView(QRect(QPoint(0, 0), kView.size), parent) {
    setFocusPolicy(Qt::ClickFocus);
    init();
}

MainView::~MainView() {
    deallocNotify();
    if (dialogWindow_)
        delete dialogWindow_.data();
    if (subViewWindow_)
        delete subViewWindow_.data();
}

void MainView::initData() {
    setImageByName(QStringLiteral("MainView_Normal.png"));
    HvAction::setLoggerDebugLevel();
    HvAction::setLoggerHasFile(true);
    isOutPlus_ = false;
    KxAction::getSysPath();
    sysTooltip = TooltipManager::shareTooltipManager();
    KxAction::initMenuList();
    sysProCon = KxAction::profileLibrary();
    KxAction::startListenDev();
    lochelpPath_ = writeHelpPage();
    const char* types[] = {"BtnFunType_D.png", "BtnFunType_S.png", "BtnFunType_T.png",
                           "BtnFunType_L.png"};
    for (size_t i = 0; i < selTagImageArrs_.size(); ++i)
        selTagImageArrs_[i] = pictureNamed(QLatin1String(types[i]));
}

void MainView::initControls() {
    for (const ButtonSpec& spec : kButtons) {
        const KxLayout::Control* c = KxLayout::find(kView, spec.name);
        HvButton* button = KxAction::AddButton(c->frame, nullptr, nullptr, this);
        if (c->kind == KxLayout::Kind::MouseButton)
            KxAction::setBtnNoanomaly(button, KxLayout::text(c->picture), this);
        button->setTag(c->tag);
        button->setObjectName(KxLayout::text(c->name));
        const QString spoken = spokenName(c->name);
        if (!spoken.isEmpty())
            button->setAccessibleName(spoken);
        controls_[size_t(c->tag - kReDefTag)] = button;
    }
    // The tabs, the mouse and the assignments come before the window's own buttons in Tab order.
    for (int tag : {kMenuTag, kReDefTag, kHomeTag, kHelpTag, kCloseTag})
        control(tag)->lower();

    btnSelImageView_ = new QLabel(this);
    btnSelImageView_->setPixmap(QPixmap::fromImage(pictureNamed(QStringLiteral("Selected.png"))));
    btnSelImageView_->resize(KxLayout::kSelectedSize);
    btnSelImageView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    btnSelTagImageView_ = new QLabel(this);
    btnSelTagImageView_->setGeometry(KxLayout::frame(kView, "btnSelTagImageView"));
    btnSelTagImageView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    btnSelTagCaptionTxt_ =
        KxAction::AddLabTextField(KxLayout::frame(kView, "btnSelTagCaptionTxt"), this);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    btnSelTagCaptionTxt_->setFont(arial);
    btnSelTagCaptionTxt_->setFocusPolicy(Qt::NoFocus);
    btnSelTagCaptionTxt_->setAccessibleName(QStringLiteral("Function of the selected button"));

    profileStep_ = new HvSetpPanelObj(this);
    for (int tag = kProfile1Tag; tag < kProfile1Tag + 5; ++tag)
        profileStep_->addItem(control(tag));
    profileStep_->setDelegate(this);
    isFWChangeProfile_ = true;
    const std::optional<int> active = KxAction::readProfileByDevice();
    // A mouse that cannot say, or says nonsense, is shown on its first profile.
    profileStep_->setSelectIndex(active && *active >= 0 && *active < 5 ? *active + 1 : 1);
    isFWChangeProfile_ = false;

    selBtnSetp_ = new HvSetpPanelObj(this);
    for (const char* name : kMouseButtons) {
        HvButton* button = findChild<HvButton*>(QLatin1String(name));
        selBtnSetp_->addItem(button);
        button->setHvBtnDelege(this);
    }
    selBtnSetp_->setDelegate(this);
    selBtnSetp_->setSelectIndex(1);

    appMenu_ = new AppMenu(this);
    // Help (F1) and Quit (Ctrl+Q) anywhere in the window, not only in the open menu.
    addAction(appMenu_->helpAction());
    addAction(appMenu_->quitAction());
    initTooltip();
    refreshApplyBtn();
}

void MainView::initTooltip() {
    for (const ButtonSpec& spec : kButtons) {
        if (!spec.tooltip)
            continue;
        findChild<HvButton*>(QLatin1String(spec.name))
            ->setToolTip(KxWidgets::tooltipText(QLatin1String(spec.tooltip)));
    }
}

void MainView::initNotify() {
    isDevOnTag_ = false;
    checkDevPro();
    if (terminating_)
        return;
    NotificationCenter& local = NotificationCenter::defaultCenter();
    // Posted by the transfer's worker: handled on this thread.
    hideLoadObserver_ = local.addObserver(QStringLiteral("Notify_HideLoad_Event"),
                                          [this](const Notification& n) { hideLoadView(n); });
    showTipObserver_ = local.addObserver(QStringLiteral("HvNotifyShowTipNameStr"),
                                         [this](const Notification& n) { ShowToolTip(n); });
    hideTipObserver_ = local.addObserver(QStringLiteral("HvNotifyHideTipNameStr"),
                                         [this](const Notification& n) { HideToolTip(n); });
    devStatusObserver_ = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxDevStatus"), [this](const Notification& n) { devReportPro(n); });
    changeOSDPro();
    getFWDataPro();
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
    if (isModalSeron_ != 0)
        return false;
    if (sender == selBtnSetp_ || isFWChangeProfile_ || !isNeedSave)
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
                sysProCon->dropButtonEdits(left);
            else if (isNeedSave)
                sysProCon->keepButtonEdits(left, selProfile.btnInfo);
        }
        setBtnCurrProfile(index - 1);
        isNeedSave = sysProCon->hasButtonEdits(index - 1);
        refreshApplyBtn();
        if (oldIndex < 1)
            KxAction::initSysPrePro();
        if (oldIndex > 0)
            KxAction::sendProfileChangeToDaemon(index - 1);
        sysProCon->refreshSelProfileFromData();
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
    sysProCon->setCurrFWProfileIndex(profile);
    KxAction::setProfileToDevice(uint32_t(profile), false);
    displayBtnInfo();
    update();
}

_BTN_INFO& MainView::selectedRecord() {
    return selProfile.btnInfo[selBtnIndex_ - 1];
}

QString MainView::getBtnCaption(const _BTN_INFO& info) {
    switch (info.FuncID) {
    case kMacroFunction:
        // The mouse keeps running what it holds until the button is given something else.
        return KxAction::getMacroNameById(int32_t(info.MacroID))
            .value_or(QStringLiteral("Deleted macro"));
    case kLaunchFunction: {
        const QString path = QString::fromUtf8(
            info.app_path, qsizetype(strnlen(info.app_path, sizeof info.app_path)));
        if (path.isEmpty())
            return QStringLiteral("Launch Key");
        // An installed application is called by its name in the desktop's menus.
        if (path.endsWith(QLatin1String(".desktop")))
            if (const auto name = InstalledApplications::displayName(path))
                return *name;
        return QFileInfo(path).completeBaseName();
    }
    case 239:
        return QStringLiteral("T Key");
    case 240:
        return QStringLiteral("Page UP(Win)");
    case 241:
        return QStringLiteral("Page Down(Win)");
    case 242:
        return QStringLiteral("Middle Button(Win)");
    default:
        break;
    }
    if (info.FuncTableId == kDisabledTable)
        return QStringLiteral("Disable");
    return KxAction::getSingleNameById(int32_t(info.FuncID)).value_or(QString());
}

void MainView::showTypeAndCaption(const _BTN_INFO* info) {
    shownTypeImage_ = info && info->btnType < selTagImageArrs_.size()
                          ? selTagImageArrs_[info->btnType]
                          : QImage();
    btnSelTagImageView_->setPixmap(QPixmap::fromImage(shownTypeImage_));
    btnSelTagCaptionTxt_->setText(info ? getBtnCaption(*info) : QString());
    btnSelTagCaptionTxt_->setCursorPosition(0);
    // A launcher is named by its entry's Name, which anyone can write: its path says what runs.
    QString path;
    if (info && info->FuncID == kLaunchFunction)
        path = QString::fromUtf8(info->app_path,
                                 qsizetype(strnlen(info->app_path, sizeof info->app_path)));
    btnSelTagCaptionTxt_->setToolTip(path);
    btnSelTagCaptionTxt_->setAccessibleDescription(path);
}

void MainView::displayBtnInfo() {
    if (selBtnIndex_ >= 1 && selBtnIndex_ <= 5)
        showTypeAndCaption(&selectedRecord());
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
        const _BTN_INFO preset = sysProCon->getDefBtnInfoByIndex(selBtnIndex_ - 1);
        differs = current.FuncID != preset.FuncID || current.FuncTableId != preset.FuncTableId ||
                  !std::equal(std::begin(current.KeyBit), std::end(current.KeyBit),
                              std::begin(preset.KeyBit));
    }
    control(kDefaultTag)->setEnabled(differs);
}

void MainView::refreshApplyBtn() {
    control(kApplyTag)->setEnabled(isNeedSave);
    control(kOkTag)->setEnabled(isNeedSave);
}

bool MainView::checkOnlyLeft(int index) const {
    if (index < 1 || index > 5)
        return false;
    if (selProfile.btnInfo[index - 1].FuncID != kLeftClickFunction)
        return true;
    const auto leftClicks =
        std::count_if(std::begin(selProfile.btnInfo), std::end(selProfile.btnInfo),
                      [](const _BTN_INFO& button) { return button.FuncID == kLeftClickFunction; });
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
    if (isModalSeron_ != 0)
        return;
    const QObject* hovered = notification.object.value<QObject*>();
    selOverBtnIndex_ = selBtnSetp_->indexOf(hovered) - 1;
    displayBtnInfo2();
}

void MainView::HideToolTip(const Notification&) {
    if (isModalSeron_ != 0)
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

void MainView::paintEvent(QPaintEvent* event) {
    RirImageView::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        HV_DEBUG(QStringLiteral("The main window is shown"));
    }
}
