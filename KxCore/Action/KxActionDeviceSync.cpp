// Whole-device transfers (all five on-board profiles read into the library, the edited profile
// written to its slot) on the device queue's worker, and the desktop mouse settings the profiles
// carry.
#include "KxAction.h"
#include "KxSetupMouse.h"

#include "HvLogger.h"
#include "HvMouseAction.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "Notifications/NotificationCenter.h"
#include "ProfieController.h"
#include "ProfileSaver.h"
#include "ProfileValue.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <utility>

namespace {

// The last button write's outcome, from the worker that made it to the thread that ends the
// transfer.
struct WriteResult {
    std::mutex mutex;
    std::optional<KxAction::ButtonWriteResult> result;
};
WriteResult& writeResult() {
    static WriteResult* state = new WriteResult; // outlives every worker, also at exit
    return *state;
}

KxAction::LoadViewHandler& loadViewHandler() {
    static KxAction::LoadViewHandler handler;
    return handler;
}

// A transfer goes into the process's one queue to the mouse (KxDeviceQueue.h); the window
// shows its loading view meanwhile.
enum class LoadView { Show, Later };

// Transfers queued or running.
std::atomic<int> transfers{0};

void startWorker(QString name, std::function<void()> body, LoadView loadView = LoadView::Show,
                 QObject* receiver = nullptr, std::function<void()> done = {}) {
    KxDeviceQueue::Request request;
    request.name = std::move(name);
    request.receiver = receiver;
    if (done)
        request.done = [done = std::move(done)](KxDeviceQueue::Outcome) { done(); };
    transfers.fetch_add(1);
    request.body = [body = std::move(body)] {
        body();
        transfers.fetch_sub(1);
        return true; // the transfer tells its own outcome when it posts the loading view's end
    };
    request.neverRefused = true;
    KxDeviceQueue::shared().post(std::move(request));
    if (const auto& show = loadViewHandler(); show && loadView == LoadView::Show)
        show();
}

} // namespace

bool KxAction::waitForTransfers(int timeoutMs) {
    // A request's outcome may ask for a save only once the window's thread hears it; a save
    // never queues a request. So the queue first, then the saver.
    QElapsedTimer clock;
    clock.start();
    return KxDeviceQueue::shared().waitUntilIdle(timeoutMs) &&
           ProfileSaver::shared().waitUntilIdle(
               int(std::max<qint64>(0, timeoutMs - clock.elapsed())));
}

bool KxAction::finishTransfersAtExit(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    if (!waitForTransfers(timeoutMs))
        return false;
    // The outcomes were queued to this thread, whose event loop has ended: run here. What they
    // ask of the mouse and the saver (a block put back into the files) is waited for in turn.
    QCoreApplication::sendPostedEvents();
    return waitForTransfers(int(std::max<qint64>(0, timeoutMs - clock.elapsed())));
}

bool KxAction::transferRunning() {
    return transfers.load() > 0;
}

void KxAction::setLoadViewHandler(LoadViewHandler handler) {
    loadViewHandler() = std::move(handler);
}

void KxAction::keepButtonWriteResult(const ButtonWriteResult& result) {
    std::lock_guard lock(writeResult().mutex);
    writeResult().result = result;
}

std::optional<KxAction::ButtonWriteResult> KxAction::takeButtonWriteResult() {
    std::lock_guard lock(writeResult().mutex);
    return std::exchange(writeResult().result, std::nullopt);
}

void KxAction::sendHideLoadView(int code) {
    NotificationCenter::defaultCenter().post(QStringLiteral("Notify_HideLoad_Event"), code);
}

bool KxAction::getAllFWData() {
    const bool complete = readAllFWData();
    sendHideLoadView(complete ? kHideAfterRead : kHideAfterFailedRead);
    return complete;
}

bool KxAction::readAllFWData() {
    ProfieController* library = profileLibrary();
    const ProfieController::ProfileList profiles = library->profileArr();
    // Read into copies: the library takes them only when the whole mouse was read, so a mouse
    // unplugged halfway leaves the profiles in memory and on disk as they were.
    _Kx_PROFILE read[5] = {};
    // Likewise the macros the read adds to the library: kept only when the whole mouse was read.
    const QList<std::shared_ptr<MacroInfo>> macrosBefore = macroListArrs;
    bool complete = profiles.size() >= 5;
    if (!complete)
        HV_WARNING(QStringLiteral("the profile library holds %1 profiles, not five; the mouse is "
                                  "read but nothing is stored")
                       .arg(profiles.size()));
    forgetKnownRecords();
    bool answered = true;
    // A request that does not go across ends the read: an unplugged mouse answers no more.
    for (uint32_t slot = 0; slot < 5 && answered; ++slot) {
        read[slot] =
            slot < uint32_t(profiles.size()) ? profiles[slot]->profileData() : _Kx_PROFILE{};
        const std::optional<SlotButtons> buttons = readSlotButtons(slot);
        answered = buttons.has_value();
        for (uint32_t b = 0; buttons && b < 5; ++b)
            read[slot].btnInfo[b] = asTheProfileHolds((*buttons)[b], read[slot].btnInfo[b]);
        if (answered && slot == 4) {
            const std::optional<SettingsBlock> block = readSettingsBlock();
            answered = block.has_value();
            if (block)
                block->putInto(read[slot]);
        }
    }
    complete = complete && answered;
    if (complete) {
        for (uint32_t slot = 0; slot < 5; ++slot)
            profiles[slot]->setProfileData(read[slot]);
        // The settings block is the mouse's own, once for all profiles.
        selProfile = read[4];
        library->applySettingToAll();
        library->refreshSelProfileFromData();
        library->saveToSys();
    } else {
        macroListArrs = macrosBefore;
        // What was learnt of the records spoke of macros the library no longer has.
        forgetKnownRecords();
        HV_WARNING(QStringLiteral("the mouse could not be read whole; the profiles are kept"));
    }
    return complete;
}

namespace {

// The profile's buttons into a slot, and its settings block with them, written as every write
// is (KxSetup::writeToMouse: each record sent is read back).
KxAction::ButtonWriteResult writeProfile(uint32_t slot, const _Kx_PROFILE& profile,
                                         bool withSettings) {
    KxSetup::Target target;
    for (int b = 0; b < KxSetup::kButtons; ++b)
        target.buttons[slot][size_t(b)] = profile.btnInfo[b];
    if (withSettings)
        target.settings = KxSetup::settingsOf(profile);
    const KxSetup::WriteResult written = KxSetup::writeToMouse(target, {});
    KxAction::ButtonWriteResult result = *written.slots[slot];
    if (withSettings) {
        result.settingsWritten = written.settings.value_or(false);
        result.settingsHeld = written.settingsHeld;
    }
    return result;
}

} // namespace

void KxAction::applyFWData() {
    takeEditedProfileForTransfer();
    keepButtonWriteResult(writeProfile(currSetProfileID, currSetProfile, true));
    sendHideLoadView(kHideAfterWrite);
}

void KxAction::setCurrBtnInfoToDevice() {
    takeEditedProfileForTransfer();
    keepButtonWriteResult(writeProfile(currSetProfileID, currSetProfile, false));
    sendHideLoadView(kHideAfterWrite);
}

void KxAction::getAllFWDataPro() {
    startWorker(QStringLiteral("Read the mouse"), [] { getAllFWData(); });
}

namespace {

// Written by the start read's worker before it posts the end of the read; read by the window's
// thread after it.
std::atomic<int> startSelected{0};
std::atomic<int> startRunning{-1};

std::optional<int> profileTheMouseRuns() {
    const std::optional<int> active = KxAction::readProfileByDevice();
    if (active && *active >= 0 && *active < 5)
        return active;
    return std::nullopt;
}

// Held shut from the start read's post until the window is built (KxAction::windowBuilt).
struct WindowGate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = true;
};
WindowGate& windowGate() {
    static WindowGate gate;
    return gate;
}

// Bounded: a window that never gets built (a test's view never shown) only delays the read.
constexpr auto kWindowBuiltWait = std::chrono::seconds(10);

} // namespace

void KxAction::windowBuilt() {
    {
        std::lock_guard lock(windowGate().mutex);
        windowGate().open = true;
    }
    windowGate().opened.notify_all();
}

bool KxAction::readAllFWDataAtStart() {
    // A mouse that cannot say, or says nonsense, is put on its first profile.
    const int selected = profileTheMouseRuns().value_or(0);
    startSelected.store(selected);
    setProfileToDevice(uint32_t(selected), false);
    {
        std::unique_lock lock(windowGate().mutex);
        windowGate().opened.wait_for(lock, kWindowBuiltWait, [] { return windowGate().open; });
    }
    // In the turn: the macros as the last program at the mouse left them, which may have added
    // some while the window started (the records read below refer to them).
    reloadMacroLibrary();
    const bool complete = readAllFWData();
    startRunning.store(complete ? profileTheMouseRuns().value_or(-1) : -1);
    return complete;
}

void KxAction::getAllFWDataAtStartPro() {
    {
        std::lock_guard lock(windowGate().mutex);
        windowGate().open = false;
    }
    startWorker(
        QStringLiteral("Read the mouse"),
        [] { sendHideLoadView(readAllFWDataAtStart() ? kHideAfterRead : kHideAfterFailedRead); },
        LoadView::Later);
}

KxAction::StartReadProfiles KxAction::startReadProfiles() {
    StartReadProfiles profiles;
    profiles.selected = startSelected.load();
    if (const int running = startRunning.load(); running >= 0)
        profiles.running = running;
    return profiles;
}

void KxAction::applyFWDataPro() {
    startWorker(QStringLiteral("Apply"), applyFWData);
}

void KxAction::setCurrBtnInfoToDevicePro() {
    startWorker(QStringLiteral("Write the buttons"), setCurrBtnInfoToDevice);
}

void KxAction::setSlotBtnInfoToDevicePro(uint32_t slot, const std::array<_BTN_INFO, 5>& buttons) {
    startWorker(QStringLiteral("Write the buttons of slot %1").arg(slot), [slot, buttons] {
        _Kx_PROFILE profile = {};
        std::copy(buttons.begin(), buttons.end(), std::begin(profile.btnInfo));
        keepButtonWriteResult(writeProfile(slot, profile, false));
        sendHideLoadView(kHideAfterWrite);
    });
}

void KxAction::startTransferPro(std::function<void()> body) {
    startWorker(QStringLiteral("Set-up transfer"), std::move(body));
}

void KxAction::startTransfer(const QString& name, std::function<void()> body, QObject* receiver,
                             std::function<void()> done) {
    startWorker(name, std::move(body), LoadView::Show, receiver, std::move(done));
}

void KxAction::initSysPrePro() {
    if (!selMouseAction) {
        selMouseAction = std::make_unique<HvMouseAction>();
        for (int type : {HvMouseAction::kPointerSpeed, HvMouseAction::kScrollSpeed,
                         HvMouseAction::kDoubleClickSpeed})
            selMouseAction->addSettingItem(type);
        selMouseAction->startSynchronize();
    }
    if (firstUp())
        return;
    // First start: every profile takes the desktop's speeds.
    ProfieController* library = profileLibrary();
    updateSysPreSettingPro();
    library->saveSelProfileToData();
    for (const auto& profile : library->profileArr()) {
        _Kx_PROFILE data = profile->profileData();
        data.acceler = selProfile.acceler;
        data.srcSpeed = selProfile.srcSpeed;
        data.doubleSpeed = selProfile.doubleSpeed;
        profile->setProfileData(data);
    }
    library->saveToSys();
}

void KxAction::updateSysPreSettingPro() {
    if (!selMouseAction)
        return;
    selProfile.acceler = selMouseAction->getValueByType(HvMouseAction::kPointerSpeed);
    selProfile.srcSpeed = selMouseAction->getValueByType(HvMouseAction::kScrollSpeed);
    selProfile.doubleSpeed = selMouseAction->getValueByType(HvMouseAction::kDoubleClickSpeed);
}

void KxAction::setSysPreSettingValue(int value, int type) {
    if (selMouseAction)
        selMouseAction->setValue(value, type);
}

void KxAction::resetSysProSettingToDef() {
    if (selMouseAction)
        selMouseAction->resetDefault();
}

void KxAction::applySysPreSettingToDef() {
    if (selMouseAction)
        selMouseAction->applyDefault();
}

ProfieController* KxAction::profileLibrary() {
    return sysProCon ? sysProCon : ProfieController::getShareProCon();
}

void KxAction::takeEditedProfileForTransfer() {
    currSetProfile = selProfile;
    currSetProfileID = static_cast<uint32_t>(profileLibrary()->currFWProfileIndex());
}
