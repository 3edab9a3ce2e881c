#include "DealwithMessage.h"

#include "AppProfileSwitcher.h"
#include "AppRulesService.h"
#include "Desktop/FrontApplicationSource.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxMessages.h"
#include "KxProtocol.h"
#include "NotificationDisplay.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "ProfieController.h"
#include "ShowMsgView.h"
#include "Widgets/HvNoTitleWindow.h"
#include "WorkerValue.h"
#include "Workspace/Workspace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

bool isIndex(int value, int count) {
    return value >= 0 && value < count;
}

} // namespace

using namespace KxMessages;
using namespace KxProtocol;

DealwithMessage::DealwithMessage()
    : windowWatcher_(QLatin1String(kApplicationId), QDBusConnection::sessionBus(),
                     QDBusServiceWatcher::WatchForRegistration |
                         QDBusServiceWatcher::WatchForUnregistration) {
    settingObserver_ = DistributedNotificationCenter::defaultCenter().addObserver(
        QLatin1String(kSettingChange),
        [this](const Notification& notification) { apReportPro(notification); });
    sysProCon_ = ProfieController::getShareProCon();
    isOsd_ = KxAction::daemonGetOsd();
    asNotifications_ = platformNeedsNotifications();

    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(kReloadDelayMs);
    QObject::connect(&reloadTimer_, &QTimer::timeout, [this] { refrshSetting(); });
    relaunchTimer_.setSingleShot(true);
    relaunchTimer_.setInterval(kRelaunchDelayMs);
    QObject::connect(&relaunchTimer_, &QTimer::timeout, [this] { relaunchDue(); });
    oldWindowGone_.setSingleShot(true);
    oldWindowGone_.setInterval(kOldWindowWaitMs);
    QObject::connect(&oldWindowGone_, &QTimer::timeout, [this] {
        HV_WARNING(QStringLiteral("The window asked to be started again but still runs after "
                                  "%1 s; it is not started again")
                       .arg(oldWindowGone_.interval() / 1000.0));
    });
    windowStarting_.setSingleShot(true);
    windowStarting_.setInterval(kWindowStartMs);
    QObject::connect(&windowWatcher_, &QDBusServiceWatcher::serviceRegistered,
                     [this] { windowStarting_.stop(); });
    // The bus tells of the name's release in order with the answer to openDrive's question
    // whether it is owned, so a release just after that answer is not missed.
    QObject::connect(&windowWatcher_, &QDBusServiceWatcher::serviceUnregistered, [this] {
        if (!oldWindowGone_.isActive())
            return;
        oldWindowGone_.stop();
        HV_DEBUG(QStringLiteral("The old window has ended; the new one starts"));
        openDrive();
    });
}

DealwithMessage::~DealwithMessage() {
    DistributedNotificationCenter::defaultCenter().removeObserver(settingObserver_);
}

std::optional<QString> DealwithMessage::notifyDevStatusStr() {
    return QLatin1String(kDevStatus);
}

void DealwithMessage::andDevPro() {
    HvUSBDealwithObj::andDevPro();
    KxAction::startListenDev();
    if (switcher_)
        switcher_->mouseArrived();
}

void DealwithMessage::didEndInit() {
    if (!isOnDev())
        return;
    HV_DEBUG(QStringLiteral("Doemon%1").arg(QStringLiteral("resetDev2")));
    KxAction::startListenDev();
}

void DealwithMessage::reloadRequested() {
    if (!reloadTimer_.isActive())
        reloadTimer_.start();
}

void DealwithMessage::apReportPro(const Notification& notification) {
    switch (notification.objectInt()) {
    case kSettingsSaved:
        // The files were saved before the message was sent: a reload that starts after it
        // covers every message of a burst.
        reloadRequested();
        break;
    case kDisplaySwitch:
        isOsd_ = notification.userInfoInt(QStringLiteral("value1")) != 0;
        break;
    case kShowChange: {
        if (!isOsd_)
            return;
        const int kind = notification.userInfoInt(QStringLiteral("value1"));
        const int value2 = notification.userInfoInt(QStringLiteral("value2"));
        const int value3 = notification.userInfoInt(QStringLiteral("value3"));
        // Drawn within what the mouse can have, whatever the message says.
        QString tag;
        if (kind == kShowProfile)
            tag = QStringLiteral("P%1").arg(std::clamp(value2, 0, kProfiles - 1) + 1);
        else if (kind == kShowMode)
            tag = value2 == 0 ? QStringLiteral("normal") : QStringLiteral("battle");
        else if (kind == kShowRate)
            tag = QStringLiteral("rate%1").arg(value2);
        ShowMsgView* view = getShowFrmView();
        if (!view)
            return;
        // Both axes show X: the window sends the stage's X and Y, the pictures hold one value.
        if (kind == kShowDpi)
            view->showDpi(std::clamp(value2, 0, kStages - 1), value3, value3);
        else
            view->showWithImageTag(tag);
        break;
    }
    case kRulesChanged:
        if (switcher_)
            switcher_->reloadRules();
        break;
    case kRelaunch:
        HV_DEBUG(QStringLiteral("Domen  Relaunch"));
        // One window however often it is asked: not while a start is pending or under way.
        if (relaunchTimer_.isActive() || oldWindowGone_.isActive() || windowStarting_.isActive())
            break;
        relaunchTimer_.start();
        break;
    default:
        break;
    }
}

void DealwithMessage::startApplicationRules(std::unique_ptr<FrontApplicationSource> source) {
    front_ = std::move(source);
    AppProfileSwitcher::Hooks hooks;
    hooks.windowRuns = [this] { return checkApLaunch(); };
    hooks.switched = [this](int profile, const QString& application) {
        if (ShowMsgView* view = getShowFrmView())
            view->showProfileFor(profile, application);
    };
    switcher_ = std::make_unique<AppProfileSwitcher>(sysProCon_, std::move(hooks));
    rulesService_ = std::make_unique<AppRulesService>(*switcher_, front_.get());
    rulesService_->publish();
    if (!front_)
        return;
    HV_DEBUG(QStringLiteral("The application in front: %1 (%2)")
                 .arg(FrontApplicationSource::desktopName(front_->desktop()),
                      front_->available() ? QStringLiteral("told") : QStringLiteral("not told")));
    QObject::connect(front_.get(), &FrontApplicationSource::frontChanged, switcher_.get(),
                     [this](const FrontApplication& front) { switcher_->frontChanged(front); });
    QObject::connect(front_.get(), &FrontApplicationSource::lost, switcher_.get(), [] {
        HV_WARNING(QStringLiteral("The desktop no longer tells the application in front"));
    });
    // The first answer may have come before the connection.
    if (!front_->front().names().isEmpty())
        switcher_->frontChanged(front_->front());
}

void DealwithMessage::refrshSetting() {
    HV_DEBUG(QStringLiteral("更新Setting"));
    sysProCon_->refreshProfile();
}

QString DealwithMessage::applicationPath() {
    if (const auto path = HvAction::getAppPathByid(QLatin1String(kApplicationId)))
        return *path;
    // Installed, the two programs share a folder, whatever the prefix the package chose.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KxOption"));
}

void DealwithMessage::relaunchDue() {
    if (!openDrive()) {
        HV_DEBUG(QStringLiteral("The window still runs; it starts again once it has ended"));
        oldWindowGone_.start();
    }
}

bool DealwithMessage::openDrive() {
    const QString path = applicationPath();
    if (checkApLaunch()) // the window owns its id on the bus whenever it runs
        return false;
    if (QFileInfo::exists(path) && Workspace::openFile(path))
        windowStarting_.start();
    return true;
}

bool DealwithMessage::checkApLaunch() {
    return Workspace::isApplicationRunning(QLatin1String(kApplicationId));
}

bool DealwithMessage::platformNeedsNotifications() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

ShowMsgView* DealwithMessage::getShowFrmView() {
    if (!isOsd_) {
        HV_DEBUG(QStringLiteral("The on-screen display is off"));
        return nullptr;
    }
    HV_DEBUG(QStringLiteral("The on-screen display shows"));
    if (asNotifications_) {
        if (!notifiedView_) {
            notifications_ = std::make_unique<NotificationDisplay>(
                QDBusConnection::sessionBus(),
                ShowMsgView::kDisplayTicks * ShowMsgView::kTickIntervalMs);
            notifiedView_ = std::make_unique<ShowMsgView>(ShowMsgView::viewFrame());
            notifiedView_->setNotificationDisplay(notifications_.get());
        }
        return notifiedView_.get();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect frame = ShowMsgView::windowGeometry(screen ? screen->geometry() : QRect());
    if (!showMsgFrm_) {
        showMsgFrm_ = std::make_unique<HvNoTitleWindow>(frame);
        showMsgFrm_->setIsCanDrag(false);
        showMsgFrm_->setContentView(new ShowMsgView(ShowMsgView::viewFrame()));
        showMsgFrm_->setLevel(HvNoTitleWindow::Level::ScreenSaver);
        // Announced, never focused: a screen reader speaks each display as it appears.
        showMsgFrm_->setAccessibleRole(QAccessible::Notification);
    }
    showMsgFrm_->setGeometry(frame);
    // The view shows the window when it has something to show, with its countdown.
    return static_cast<ShowMsgView*>(showMsgFrm_->contentView());
}

void DealwithMessage::dealWithMsg(const uint8_t* report) {
    if (HvLogger::getLogger()->isDebugEnabled())
        HV_DEBUG(QString::asprintf("Daemon Rec %0x %0x %0x %0x %0x %0x %0x %0x", report[0],
                                   report[1], report[2], report[3], report[4], report[5], report[6],
                                   report[7]));
    if (report[0] == kReportIdButtons)
        dealWithReport(report);
}

void DealwithMessage::dealWithReport(const uint8_t* report) {
    switch (report[1]) {
    case kKindLaunch:
        if (report[3] >= kFirstLaunchCode && report[3] <= kLastLaunchCode)
            dealyLaunchAp(report);
        break;
    case kKindDpi:
        setDpiWithReport(report);
        break;
    case kKindRate:
        setRateWithReport(report);
        break;
    case kKindProfile:
        setProfileWithReport(report);
        break;
    case kKindLock:
        setLockWithReport(report);
        break;
    default:
        break;
    }
}

void DealwithMessage::readLive(const QString& what, std::function<bool()> read,
                               std::function<void(bool inTime)> tell) {
    QElapsedTimer posted;
    posted.start();
    // How long the read waited for its turn: the read itself and the way back are the mouse's
    // pacing and this loop's, not a wait.
    auto waitedMs = std::make_shared<WorkerValue<qint64>>();
    KxDeviceQueue::Request request;
    request.name = what;
    request.coalesceKey = what;
    request.body = [read = std::move(read), posted, waitedMs] {
        waitedMs->set(posted.elapsed());
        return read();
    };
    request.receiver = &liveReads_;
    request.done = [what, tell = std::move(tell), waitedMs](KxDeviceQueue::Outcome outcome) {
        if (outcome != KxDeviceQueue::Outcome::Reached)
            return;
        const qint64 waited = waitedMs->get();
        const bool inTime = waited <= kLiveReadShowMs;
        if (!inTime)
            HV_DEBUG(
                QStringLiteral("The %1 waited %2 ms for its turn at the mouse: told, not shown")
                    .arg(what)
                    .arg(waited));
        tell(inTime);
    };
    KxDeviceQueue::shared().post(std::move(request));
}

// The handlers below read the new state from the mouse, in its turn. A read that did not reach it
// (the mouse went away after its report) or a value it cannot have ends the handling silently:
// nothing is shown and nothing posted.

void DealwithMessage::setDpiWithReport(const uint8_t* /*report*/) {
    auto dpi = std::make_shared<WorkerValue<std::pair<int, int>>>();
    readLive(
        QStringLiteral("live DPI read"),
        [dpi] {
            int stage = 0;
            int value = 0;
            const bool reached = KxAction::readSettingFromDev_Dpi(&stage, &value);
            dpi->set({stage, value});
            return reached;
        },
        [this, dpi](bool inTime) {
            const auto [stage, value] = dpi->get();
            if (!isIndex(stage, kStages) || value < kMinDpiValue || value > kMaxDpiValue)
                return;
            if (ShowMsgView* view = inTime ? getShowFrmView() : nullptr)
                view->showDpi(stage, value, value);
            sendDevStatus(kStatusDpi, QVariantList{stage, value, value});
            keepInFiles(kStatusDpi, stage);
        });
}

void DealwithMessage::readLiveValue(const QString& what, std::function<std::optional<int>()> read,
                                    std::function<void(int value, bool inTime)> tell) {
    auto value = std::make_shared<WorkerValue<std::optional<int>>>();
    readLive(
        what,
        [value, read = std::move(read)] {
            value->set(read());
            return value->get().has_value();
        },
        [value, tell = std::move(tell)](bool inTime) { tell(*value->get(), inTime); });
}

void DealwithMessage::setRateWithReport(const uint8_t* /*report*/) {
    readLiveValue(QStringLiteral("live rate read"), &KxAction::readSettingFromDev_Rate,
                  [this](int rate, bool inTime) {
                      if (!isIndex(rate, kRates))
                          return;
                      if (ShowMsgView* view = inTime ? getShowFrmView() : nullptr)
                          view->showWithImageTag(QStringLiteral("rate%1").arg(rate));
                      sendDevStatus(kStatusRate, QVariantList{rate});
                      keepInFiles(kStatusRate, rate);
                  });
}

void DealwithMessage::setProfileWithReport(const uint8_t* /*report*/) {
    readLiveValue(QStringLiteral("live profile read"), &KxAction::readProfileByDevice,
                  [this](int profile, bool inTime) {
                      if (!isIndex(profile, kProfiles))
                          return;
                      // The window follows the change and sends it back as a display request
                      // of its own.
                      if (checkApLaunch()) {
                          sendDevStatus(kStatusProfile, profile);
                          return;
                      }
                      if (ShowMsgView* view = inTime ? getShowFrmView() : nullptr)
                          view->showWithImageTag(QStringLiteral("P%1").arg(profile + 1));
                  });
}

void DealwithMessage::setLockWithReport(const uint8_t* /*report*/) {
    readLiveValue(QStringLiteral("live lock read"), &KxAction::readFWLockState,
                  [this](int state, bool inTime) {
                      if (ShowMsgView* view = inTime ? getShowFrmView() : nullptr)
                          view->showWithImageTag(state == 1 ? QStringLiteral("lock")
                                                            : QStringLiteral("unlock"));
                  });
}

void DealwithMessage::keepInFiles(int status, int value) {
    if (!sysProCon_ || checkApLaunch())
        return;
    if (!QFileInfo::exists(QDir(sysProCon_->sysProPath()).filePath(QStringLiteral("Default1.pro"))))
        return;
    // Another program may have saved since this library was loaded.
    sysProCon_->refreshProfile();
    const bool changed =
        status == kStatusDpi ? sysProCon_->takeMouseStage(value) : sysProCon_->takeMouseRate(value);
    if (changed && !sysProCon_->saveToSys())
        HV_WARNING(QStringLiteral("The profiles could not keep the mouse's new %1 in %2")
                       .arg(status == kStatusDpi ? QStringLiteral("stage") : QStringLiteral("rate"),
                            sysProCon_->sysProPath()));
}

void DealwithMessage::dealyLaunchAp(const uint8_t* report) {
    if (const auto path = KxAction::daemonGetLaunchPath(report[3]))
        launchAppByPath(*path);
}

void DealwithMessage::launchAppByPath(const QString& path) {
    if (!path.isEmpty() && QFileInfo::exists(path))
        Workspace::openFile(path);
}
