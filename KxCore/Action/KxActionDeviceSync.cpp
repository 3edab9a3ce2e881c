// Whole-device transfers (all five on-board profiles read into the library, the edited profile
// written to its slot) on worker threads, and the desktop mouse settings the profiles carry.
#include "KxAction.h"

#include "HvLogger.h"
#include "HvMouseAction.h"
#include "KxGlobals.h"
#include "KxMouseLock.h"
#include "MacroInfo.h"
#include "Notifications/NotificationCenter.h"
#include "ProfieController.h"
#include "ProfileValue.h"

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace {

// The transfers under way, so that a program ending waits for them instead of tearing down the
// state they use.
struct Transfers {
    std::mutex mutex;
    std::condition_variable done;
    int running = 0;
};
Transfers& transfers() {
    static Transfers* state = new Transfers; // outlives every worker, also at exit
    return *state;
}

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

// One detached worker per transfer, at the mouse when no other program is (KxMouseLock.h); the
// window shows its loading view meanwhile.
void startWorker(std::function<void()> body) {
    Transfers& state = transfers();
    {
        std::lock_guard lock(state.mutex);
        ++state.running;
    }
    std::thread([body = std::move(body), &state, lockPath = KxMouseLock::path()] {
        // kxctl may be at the mouse: the transfer waits for its turn.
        KxMouseLock turn;
        QString why;
        if (!lockPath.isEmpty() && !turn.acquire(lockPath, {}, &why))
            HV_WARNING(QStringLiteral("Transferring without the mouse's lock: %1").arg(why));
        body();
        turn.release();
        std::lock_guard lock(state.mutex);
        --state.running;
        state.done.notify_all();
    }).detach();
    if (const auto& show = loadViewHandler())
        show();
}

} // namespace

bool KxAction::waitForTransfers(int timeoutMs) {
    Transfers& state = transfers();
    std::unique_lock lock(state.mutex);
    return state.done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&state] { return state.running == 0; });
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
        currSetProfileID = slot;
        currSetProfile =
            slot < uint32_t(profiles.size()) ? profiles[slot]->profileData() : _Kx_PROFILE{};
        answered = readBtnInfoFromDevice() && (slot < 4 || readSettingFromDevice());
        read[slot] = currSetProfile;
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
    sendHideLoadView(complete ? kHideAfterRead : kHideAfterFailedRead);
    return complete;
}

void KxAction::applyFWData() {
    takeEditedProfileForTransfer();
    ButtonWriteResult result = setBtnInfoToDevice();
    // The settings follow only a complete button write: a mouse that stopped answering is left.
    result.settingsWritten = result.complete() && writeColorToDevice() && writeSettingToDevice();
    keepButtonWriteResult(result);
    sendHideLoadView(0);
}

void KxAction::getAllFWDataPro() {
    startWorker([] { getAllFWData(); });
}

void KxAction::applyFWDataPro() {
    startWorker(applyFWData);
}

void KxAction::setCurrBtnInfoToDevicePro() {
    startWorker(setCurrBtnInfoToDevice);
}

void KxAction::setSlotBtnInfoToDevicePro(uint32_t slot, const std::array<_BTN_INFO, 5>& buttons) {
    startWorker([slot, buttons] {
        currSetProfile = {};
        std::copy(buttons.begin(), buttons.end(), std::begin(currSetProfile.btnInfo));
        currSetProfileID = slot;
        keepButtonWriteResult(setBtnInfoToDevice());
        sendHideLoadView(0);
    });
}

void KxAction::startTransferPro(std::function<void()> body) {
    startWorker(std::move(body));
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
