// The main view's side of the mouse: transfers behind the loading window, the daemon's device
// reports, the display switch, and the window's end.
#include "MainView.h"

#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxWidgetGlobals.h"
#include "ProfieController.h"
#include "ViewThread.h"

using namespace KxMessages;

using KxWidgets::onViewThread;

void MainView::getFWDataPro() {
    if (isModalSeron_ != 0)
        return;
    isModalSeron_ = 1;
    KxAction::getAllFWDataPro();
}

void MainView::checkDevPro() {
    if (KxAction::checkListenDev())
        return;
    isDevOnTag_ = false;
    outPlusePro();
}

void MainView::hideLoadView(const Notification& notification) {
    const int code = notification.objectInt();
    onViewThread(this, [this, code] { hideLoadViewPro(code); });
}

void MainView::hideLoadViewPro(int code) {
    isModalSeron_ = std::max(0, isModalSeron_ - 1);
    if (code == 1) {
        HV_DEBUG(QStringLiteral("The mouse was read whole"));
        // The whole mouse was read: show the profile it is on, as it holds it.
        // Selected again only when it differs: a selection tells the daemon, which shows it.
        if (const auto active = KxAction::readProfileByDevice();
            active && *active >= 0 && *active < 5 && *active + 1 != profileStep_->selectIndex()) {
            isFWChangeProfile_ = true;
            profileStep_->setSelectIndex(*active + 1);
            isFWChangeProfile_ = false;
        }
        sysProCon->refreshSelProfileFromData();
        displayBtnInfo();
        KxAction::sendMessageToDaemon(kSettingsSaved);
    }
    KxAction::hideLoadViewPro();
    if (quitAfterTransfer_) {
        KxAction::sendMessageToDaemon(kSettingsSaved);
        terminate(false);
        return;
    }
    takePendingMouseProfile();
}

void MainView::endModalActivity() {
    isModalSeron_ = std::max(0, isModalSeron_ - 1);
    takePendingMouseProfile();
}

void MainView::takePendingMouseProfile() {
    if (isModalSeron_ == 0 && pendingMouseProfile_) {
        const int profile = *pendingMouseProfile_;
        pendingMouseProfile_.reset();
        changeProfilePro(profile);
    }
}

void MainView::devReportPro(const Notification& notification) {
    const int type = notification.userInfoInt(QStringLiteral("type"));
    if (type == kStatusArrived)
        isDevOnTag_ = true;
    else if (type == kStatusRemoved)
        isDevOnTag_ = false;
    if (isOutPlus_)
        return;
    switch (type) {
    case kStatusProfile: {
        const int profile = notification.userInfoInt(QStringLiteral("value"));
        onViewThread(this, [this, profile] { changeProfilePro(profile); });
        break;
    }
    case kStatusDpi:
        NotificationCenter::defaultCenter().post(QStringLiteral("Notify_DPIChange"), {},
                                                 notification.userInfo);
        break;
    case kStatusRate:
        NotificationCenter::defaultCenter().post(
            QStringLiteral("Notify_FWRateChange"),
            notification.userInfoInt(QStringLiteral("value1")));
        break;
    case kStatusRemoved:
        isOutPlus_ = true;
        onViewThread(this, [this] { outPlusePro(); });
        break;
    default:
        break;
    }
}

void MainView::changeProfilePro(int profile) {
    if (profile < 0 || profile > 4)
        return;
    // The window cannot switch while a dialog or a transfer runs; it follows the mouse after.
    if (isModalSeron_ != 0) {
        pendingMouseProfile_ = profile;
        return;
    }
    isFWChangeProfile_ = true;
    profileStep_->setSelectIndex(profile + 1);
    isFWChangeProfile_ = false;
}

void MainView::outPlusePro() {
    if (terminating_)
        return;
    if (isModalSeron_ != 0) {
        reluanchAppPro();
        return;
    }
    popUp("WarningNoDevice");
    if (isDevOnTag_)
        reluanchAppPro();
    else
        terminate(false);
}

void MainView::reluanchAppPro() {
    KxAction::sendRelaunchDaemon();
    terminate(true);
}

void MainView::refreshOsdMenu() {
    const bool on = sysProCon->isOSD();
    osdMenuTitle_ = on ? QStringLiteral("Disable the OSD") : QStringLiteral("Enable the OSD");
    osdMenuTag_ = on ? 2 : 1;
}

void MainView::osdClick(int tag) {
    sysProCon->setIsOSD(tag == 1);
    changeOSDPro();
    refreshOsdMenu();
}

void MainView::changeOSDPro() {
    KxAction::sendMessageToDaemon(kDisplaySwitch, {sysProCon->isOSD()});
}

void MainView::terminate(bool relaunch) {
    if (terminating_)
        return;
    terminating_ = true;
    HV_DEBUG(relaunch ? QStringLiteral("The window closes to be started again")
                      : QStringLiteral("The window closes"));
    if (dialogWindow_) {
        HvModal::endModalSession(dialogWindow_);
        dialogWindow_->hide();
    }
    if (subViewWindow_)
        HvModal::stopModal(subViewWindow_, 0);
    Q_EMIT terminateRequested(relaunch);
}
