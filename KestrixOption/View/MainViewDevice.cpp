// The main view's side of the mouse: transfers behind the loading window, the daemon's device
// reports, the display switch, and the window's end.
#include "MainView.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxProtocol.h"
#include "KxWidgetGlobals.h"
#include "MouseWrites.h"
#include "ProfieController.h"
#include "ProfileSaves.h"
#include "ViewThread.h"
#include "WorkerValue.h"

#include <memory>

#include <utility>

using namespace KxMessages;

using KxWidgets::onViewThread;

void MainView::getFWDataPro() {
    // Without the mouse there is nothing to read: initNotify ends the window.
    if (isModalSeron_ != 0 || !KxAction::checkListenDev())
        return;
    // The end of the read may be posted before the view is built: it is heard from then on,
    // and handled once the event loop runs.
    observeTransfers();
    isModalSeron_ = 1;
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
    isModalSeron_ = std::max(0, isModalSeron_ - 1);
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
        if (!isOutPlus_)
            HvAction::showInfoMessage(
                QStringLiteral("The mouse did not answer while it was being read. The window "
                               "shows its profiles as they were last saved; changes are written "
                               "only when the mouse answers."));
    }
    KxAction::hideLoadViewPro();
    if (code == 0 && setupJob_) {
        finishSetupJob();
        return;
    }
    if (code == 0 && runningWrite_) {
        finishButtonWrite(KxAction::takeButtonWriteResult());
        return;
    }
    takePendingMouseChanges();
}

namespace {

// The buttons as the window names them, in the records' order.
constexpr const char* kButtonNames[] = {"left button", "right button", "wheel button",
                                        "front side button", "back side button"};

QString buttonList(const QStringList& names) {
    if (names.size() < 2)
        return names.join(QString());
    return QStringList(names.mid(0, names.size() - 1)).join(QStringLiteral(", ")) +
           QStringLiteral(" and ") + names.last();
}

// What a failed save tells: after a write the mouse took (taken says what it took), or alone.
QString saveFailedText(const QString& taken) {
    const QString folder = KxAction::profileLibrary()->sysProPath();
    if (taken.isEmpty())
        return QStringLiteral("The profiles could not be saved in %1.").arg(folder);
    return QStringLiteral("The mouse took the %1, but the profiles could not be saved in %2.")
        .arg(taken, folder);
}

} // namespace

void MainView::finishButtonWrite(const std::optional<KxAction::ButtonWriteResult>& result) {
    const ButtonWrite kind = *std::exchange(runningWrite_, std::nullopt);
    const bool quit = kind == ButtonWrite::Ok;
    if (!result) {
        // No worker outcome: nothing can be taken as written.
        HV_WARNING(QStringLiteral("A write ended without its outcome; the edits are kept"));
        isNeedSave = true;
        refreshApplyBtn();
        takePendingMouseChanges();
        return;
    }
    const int slot = int(result->slot);
    unsigned held = 0;
    unsigned leftAsIs = 0;
    QStringList notWritten;
    for (int b = 0; b < 5; ++b) {
        if (result->holds(b))
            held |= 1u << b;
        else if (result->outcome[b] == KxAction::ButtonWriteResult::Outcome::LeftAsIs)
            leftAsIs |= 1u << b;
        else
            notWritten << QLatin1String(kButtonNames[b]);
    }
    ProfieController* library = KxAction::profileLibrary();
    library->takeWrittenButtons(slot, result->buttons, held, leftAsIs);
    if (kind == ButtonWrite::Reset) {
        if (result->settingsWritten.value_or(false)) {
            // The mouse holds one settings block: every profile carries it.
            library->saveSelProfileToData();
            library->applySettingToAll();
        } else if (result->settingsHeld) {
            library->takeSettingsBlock(*result->settingsHeld); // as the write left the mouse
        } else {
            library->refreshSelProfileFromData(); // the settings as the mouse still has them
        }
    }
    isNeedSave = library->hasButtonEdits(library->currFWProfileIndex());
    refreshApplyBtn();
    displayBtnInfo();

    QStringList problems;
    if (!notWritten.isEmpty())
        problems << QStringLiteral("The %1 of profile %2 did not reach the mouse.")
                        .arg(buttonList(notWritten))
                        .arg(slot + 1);
    if (kind == ButtonWrite::Reset && !result->settingsWritten.value_or(false))
        problems << QStringLiteral("The settings of profile %1 (DPI, polling rate, lights) did "
                                   "not reach the mouse.")
                        .arg(slot + 1);
    if (quit && problems.isEmpty()) {
        // The window ends: the save is waited for here, where its failure can still be told.
        const bool saved = library->saveToSys();
        KxAction::sendMessageToDaemon(kSettingsSaved);
        tellWriteOutcome({}, saved, QStringLiteral("changes"));
        writeOtherProfilesOrQuit();
        return;
    }
    tellWriteOutcome(problems, true, QStringLiteral("changes"));
    saveThenTellDaemon(problems.isEmpty() ? QStringLiteral("changes") : QString());
    takePendingMouseChanges();
}

void MainView::takeJournalledEdits() {
    const QList<int> slots = KxAction::profileLibrary()->restoreJournalledEdits();
    if (slots.isEmpty())
        return;
    const int current = profileStep_->selectIndex() - 1;
    if (slots.contains(current)) {
        KxAction::profileLibrary()->refreshSelProfileFromData();
        isNeedSave = true;
        refreshApplyBtn();
    }
    QStringList names;
    for (const int slot : slots)
        names << QString::number(slot + 1);
    const QString profiles = names.size() == 1
                                 ? QStringLiteral("profile %1").arg(names.first())
                                 : QStringLiteral("profiles %1").arg(buttonList(names));
    HvAction::showInfoMessage(
        QStringLiteral("The last changes to %1 did not reach the mouse. They are shown as changes "
                       "not yet written: Apply writes them.")
            .arg(profiles));
}

void MainView::endModalActivity() {
    isModalSeron_ = std::max(0, isModalSeron_ - 1);
    takePendingMouseChanges();
}

void MainView::takePendingMouseChanges() {
    if (isModalSeron_ != 0)
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
    if (isModalSeron_ != 0) {
        pendingMouseProfile_ = profile;
        return;
    }
    MouseWrites::mouseMovedProfile(profile);
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
    const bool on = KxAction::profileLibrary()->isOSD();
    osdMenuTitle_ = on ? QStringLiteral("Disable the OSD") : QStringLiteral("Enable the OSD");
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
                      : QStringLiteral("The window closes"));
    if (dialogWindow_) {
        HvModal::endModalSession(dialogWindow_);
        dialogWindow_->hide();
    }
    if (subViewWindow_)
        HvModal::stopModal(subViewWindow_, 0);
    Q_EMIT terminateRequested(relaunch);
}

void MainView::tellWriteOutcome(QStringList problems, bool saved, const QString& what) {
    if (!problems.isEmpty()) {
        problems << QStringLiteral("The mouse did not answer. The changes are kept: Apply tries "
                                   "again.");
        HvAction::showInfoMessage(problems.join(QLatin1Char(' ')));
    } else if (!saved) {
        HvAction::showInfoMessage(saveFailedText(what));
    }
}

void MainView::saveThenTellDaemon(const QString& taken) {
    // The daemon reloads the profiles from disk: it is told once they are there.
    ProfileSaves::save([taken](bool saved) {
        KxAction::sendMessageToDaemon(kSettingsSaved);
        if (!saved)
            HvAction::openInfoMessage(saveFailedText(taken));
    });
}
