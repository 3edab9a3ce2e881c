// The main view's side of the mouse: transfers behind the loading window, the daemon's device
// reports, the display switch, and the window's end.
#include "MainView.h"

#include "HvAction.h"
#include "HvAnnouncer.h"
#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxNames.h"
#include "KxProtocol.h"
#include "KxWidgetGlobals.h"
#include "KxWriteSession.h"
#include "MouseWrites.h"
#include "ProfieController.h"
#include "ProfileSaves.h"
#include "ViewThread.h"
#include "WorkerValue.h"

#include <memory>

#include <utility>

#include <QCoreApplication>

using namespace KxMessages;

using KxWidgets::onViewThread;

void MainView::getFWDataPro() {
    // Without the mouse there is nothing to read: initNotify ends the window.
    if (!state_.idle() || !KxAction::checkListenDev())
        return;
    // The end of the read may be posted before the view is built: it is heard from then on,
    // and handled once the event loop runs.
    observeTransfers();
    state_.begin(WindowEditState::Activity::Reading);
    KxAction::getAllFWDataAtStartPro();
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

void MainView::showProfile(int profile, bool writeIt) {
    if (profile + 1 == profileStep_->selectIndex())
        return;
    isFWChangeProfile_ = true;
    profileWriteHeld_ = !writeIt;
    profileStep_->setSelectIndex(profile + 1);
    profileWriteHeld_ = false;
    isFWChangeProfile_ = false;
}

void MainView::hideLoadViewPro(int code) {
    state_.end();
    // Gone before anything is told: a message is read over the window, not over the loading one.
    KxAction::hideLoadViewPro();
    if (code == 1) {
        HV_DEBUG(QStringLiteral("The mouse was read whole"));
        // The whole mouse was read: show the profile it is on, as it holds it. The worker put
        // the mouse on the profile it ran before the read; one it switched to during the read
        // is selected again, as a click would, which also tells the daemon.
        const KxAction::StartReadProfiles profiles = KxAction::startReadProfiles();
        showProfile(profiles.running.value_or(profiles.selected),
                    profiles.running && *profiles.running != profiles.selected);
        KxAction::profileLibrary()->refreshSelProfileFromData();
        KxAction::refreshMenuList(); // the macro library the read took
        takeJournalledEdits();
        displayBtnInfo();
        KxAction::sendMessageToDaemon(kSettingsSaved);
    }
    if (code == KxAction::kHideAfterFailedRead) {
        // The profiles are shown as last saved; an unplug, if that is what it was, follows.
        HV_WARNING(QStringLiteral("The mouse could not be read whole"));
        showProfile(KxAction::startReadProfiles().selected, false);
        KxAction::profileLibrary()->refreshSelProfileFromData();
        displayBtnInfo();
        if (!isOutPlus_) {
            HvAction::showInfoMessage(QCoreApplication::translate(
                "MainView", "The mouse did not answer while it was being read. The window "
                            "shows its profiles as they were last saved; changes are written "
                            "only when the mouse answers."));
            // Edits a last run journalled come back here too, so that an edit made now keeps
            // them on disk rather than writing over them.
            takeJournalledEdits();
            displayBtnInfo();
        }
    }
    takePendingMouseChanges();
}

void MainView::startWrite(Write kind, KxSetup::Target target) {
    startWrite(kind, std::make_shared<KxWriteSession>(*KxAction::profileLibrary(),
                                                      std::move(target), KxSetup::MouseState{}));
}

void MainView::startWrite(Write kind, const std::shared_ptr<KxWriteSession>& session) {
    // OK closes the window only once the profiles are on disk: their save is waited for.
    const auto save =
        kind == Write::Ok ? KxWriteSession::Save::Wait : KxWriteSession::Save::Background;
    state_.begin(kind == Write::Import ? WindowEditState::Activity::Importing
                                       : WindowEditState::Activity::Writing);
    if (!KxWriteSession::post(session, save, this, [this, kind, session](const auto&) {
            finishWrite(kind, *session);
        })) {
        state_.end();
        HvAction::showInfoMessage(session->outcome().why);
    }
}

void MainView::finishWrite(Write kind, const KxWriteSession& session) {
    const KxWriteSession::Outcome& outcome = session.outcome();
    state_.end();
    KxAction::hideLoadViewPro();
    ProfieController* library = KxAction::profileLibrary();
    library->refreshSelProfileFromData();
    // Follows the mouse to an imported set-up's profile, as to a switch made on the mouse.
    if (outcome.result.activeProfile.value_or(false))
        changeProfilePro(*session.target().activeProfile);
    state_.followLibrary();
    displayBtnInfo();
    if (kind == Write::Ok && outcome.complete()) {
        terminate(false);
        return;
    }
    QStringList told = outcome.refused ? QStringList{outcome.why} : outcome.problems;
    if (outcome.buttonsKept && !outcome.refused && !outcome.result.complete())
        told << QCoreApplication::translate("MainView",
                                            "The changes not written are kept: Apply tries again.");
    if (!told.isEmpty())
        HvAction::showInfoMessage(told.join(QLatin1Char(' ')));
    takePendingMouseChanges();
}

void MainView::takeJournalledEdits() {
    const QList<int> slots = KxAction::profileLibrary()->restoreJournalledEdits();
    if (slots.isEmpty())
        return;
    const int current = profileStep_->selectIndex() - 1;
    if (slots.contains(current)) {
        KxAction::profileLibrary()->refreshSelProfileFromData();
        state_.setNeedsSaving(true);
    }
    QStringList names;
    for (const int slot : slots)
        names << QString::number(slot + 1);
    const QString profiles =
        names.size() == 1
            ? QCoreApplication::translate("MainView", "profile %1").arg(names.first())
            : QCoreApplication::translate("MainView", "profiles %1").arg(KxNames::listed(names));
    // The window shows them before it tells of them.
    displayBtnInfo();
    refreshApplyBtn();
    HvAction::showInfoMessage(
        QCoreApplication::translate(
            "MainView", "The last changes to %1 did not reach the mouse. They are shown as changes "
                        "not yet written: Apply writes them.")
            .arg(profiles),
        QCoreApplication::translate("MainView", "Changes not written"));
}

void MainView::endModalActivity() {
    state_.end();
    takePendingMouseChanges();
}

void MainView::takePendingMouseChanges() {
    if (!state_.idle())
        return;
    if (std::exchange(readMouseSettingsAgain_, false))
        followMouseSettings();
    if (pendingMouseProfile_)
        changeProfilePro(*std::exchange(pendingMouseProfile_, std::nullopt));
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
        onViewThread(this, [this] { followMouseSettings(); });
        NotificationCenter::defaultCenter().post(QStringLiteral("Notify_DPIChange"), {},
                                                 notification.userInfo);
        break;
    case kStatusRate: {
        onViewThread(this, [this] { followMouseSettings(); });
        NotificationCenter::defaultCenter().post(
            QStringLiteral("Notify_FWRateChange"),
            notification.userInfoInt(QStringLiteral("value1")));
        break;
    }
    case kStatusRemoved:
        isOutPlus_ = true;
        onViewThread(this, [this] { outPlusePro(); });
        break;
    default:
        break;
    }
}

void MainView::followMouseSettings() {
    auto held = std::make_shared<WorkerValue<std::pair<int, int>>>();
    KxDeviceQueue::Request request;
    request.name = QStringLiteral("stage and rate read");
    request.coalesceKey = request.name;
    request.body = [held] {
        uint8_t bytes[KxProtocol::kReportLength] = {};
        static_assert(KxProtocol::kAddrSettings == KxProtocol::kAddrRate + 1);
        if (!KxAction::readDeviceData(KxProtocol::kAddrRate, 2, bytes))
            return false;
        const uint8_t rateCode = bytes[KxProtocol::kReportHeaderLength];
        const uint8_t settings = bytes[KxProtocol::kReportHeaderLength + 1];
        held->set({settings & KxProtocol::kStageMask, rateCode <= 2 ? 2 - rateCode : -1});
        return true;
    };
    request.receiver = this;
    request.done = [this, held](KxDeviceQueue::Outcome outcome) {
        if (outcome == KxDeviceQueue::Outcome::Reached)
            takeMouseSettings(held->get().first, held->get().second);
    };
    KxDeviceQueue::shared().post(std::move(request));
}

void MainView::takeMouseSettings(int stage, int rate) {
    ProfieController* library = KxAction::profileLibrary();
    if (!library)
        return;
    if (KxAction::transferRunning()) {
        readMouseSettingsAgain_ = true;
        return;
    }
    // Both, then one save: a stage or rate the mouse cannot have changes nothing.
    const bool stageChanged = library->takeMouseStage(stage);
    const bool rateChanged = library->takeMouseRate(rate);
    if (stage >= 0 && stage < KxProtocol::kStages)
        MouseWrites::mouseMovedStage(stage);
    if (rate >= 0 && rate < KxProtocol::kRates)
        MouseWrites::mouseMovedRate(rate);
    if (stageChanged || rateChanged)
        ProfileSaves::save();
}

void MainView::changeProfilePro(int profile) {
    if (profile < 0 || profile > 4)
        return;
    // The window cannot switch while a dialog or a transfer runs; it follows the mouse after.
    if (!state_.idle()) {
        pendingMouseProfile_ = profile;
        return;
    }
    MouseWrites::mouseMovedProfile(profile);
    const bool moves = profileStep_->selectIndex() != profile + 1;
    isFWChangeProfile_ = true;
    profileStep_->setSelectIndex(profile + 1);
    isFWChangeProfile_ = false;
    // Said to a screen reader: the change was not the user's doing in this window.
    if (moves && profileStep_->selectIndex() == profile + 1)
        announcer_->announce(
            QCoreApplication::translate("MainView", "Now on profile %1").arg(profile + 1));
}

void MainView::outPlusePro() {
    if (terminating_)
        return;
    if (!state_.idle()) {
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
    const bool on = KxAction::profileLibrary()->isOSD();
    osdMenuTitle_ = on ? QCoreApplication::translate("MainView", "Hide the on-screen display")
                       : QCoreApplication::translate("MainView", "Show the on-screen display");
    osdMenuTag_ = on ? 2 : 1;
}

void MainView::osdClick(int tag) {
    KxAction::profileLibrary()->setIsOSD(tag == 1);
    changeOSDPro();
    refreshOsdMenu();
}

void MainView::changeOSDPro() {
    KxAction::sendMessageToDaemon(kDisplaySwitch, {KxAction::profileLibrary()->isOSD()});
}

void MainView::terminate(bool relaunch) {
    if (terminating_)
        return;
    terminating_ = true;
    HV_DEBUG(relaunch ? QStringLiteral("The window closes to be started again")
                      : QCoreApplication::translate("MainView", "The window closes"));
    if (dialogWindow_) {
        HvModal::endModalSession(dialogWindow_);
        dialogWindow_->hide();
    }
    if (subViewWindow_)
        HvModal::stopModal(subViewWindow_, 0);
    Q_EMIT terminateRequested(relaunch);
}
