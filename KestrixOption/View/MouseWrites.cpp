#include "MouseWrites.h"

#include "HvAction.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxRecords.h"
#include "ProfieController.h"
#include "ProfileSaves.h"
#include "SettingsBlock.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Writes of one value in flight (the settings block, the active profile): how many have not
// settled, the value the mouse was last known to hold (the library's when the first of them was
// posted, then what each one the mouse took wrote), and whether one of them was not taken.
// Window thread.
template <class Value>
struct InFlight {
    int unsettled = 0;
    Value held{};
    bool oneNotTaken = false;

    // Before a write is posted; the first of a run starts from what the mouse holds now, when
    // that is known.
    void posting(const std::optional<Value>& now) {
        if (unsettled++ != 0)
            return;
        oneNotTaken = false;
        if (now)
            held = *now;
    }
    // A write settled, taken into `held` when it reached the mouse; true when it was the last in
    // flight and one of them was not taken: `held` then goes back where the value is shown.
    template <class Takes>
    bool settled(KxDeviceQueue::Outcome outcome, Takes takes) {
        --unsettled;
        if (outcome == KxDeviceQueue::Outcome::Reached)
            takes(held);
        else if (outcome != KxDeviceQueue::Outcome::Superseded)
            oneNotTaken = true;
        return unsettled == 0 && std::exchange(oneNotTaken, false);
    }
};

InFlight<SettingsBlock> blockWrites;
InFlight<int> profileWrites;

void putHeldBlockBack(const std::function<bool()>& stillEditing) {
    ProfieController* library = KxAction::profileLibrary();
    if (!library)
        return;
    library->takeSettingsBlock(blockWrites.held, !stillEditing || !stillEditing());
    ProfileSaves::save();
}

// What a block write puts into the block the mouse holds, once it reached the mouse.
using Takes = void (*)(SettingsBlock& held, const SettingsBlock& written);

// Once the last block write in flight settles, the library and the files hold what the mouse
// holds, if any of those writes was not taken (a write taken after it claims only its part).
void postBlock(const QString& what, const QString& key, std::function<bool()> body,
               const _Kx_PROFILE& profile, Takes takes, std::function<bool()> stillEditing) {
    std::optional<SettingsBlock> now;
    if (ProfieController* library = KxAction::profileLibrary(); library && library->currProfile())
        now = SettingsBlock::of(library->currProfile()->profileData());
    blockWrites.posting(now);
    const SettingsBlock written = SettingsBlock::of(profile);
    MouseWrites::post(
        what, key, std::move(body),
        [written, takes, stillEditing = std::move(stillEditing)](KxDeviceQueue::Outcome outcome) {
            if (blockWrites.settled(outcome, [&](SettingsBlock& held) { takes(held, written); }))
                putHeldBlockBack(stillEditing);
        });
}

} // namespace

void MouseWrites::post(const QString& what, const QString& key, std::function<bool()> body,
                       std::function<void(KxDeviceQueue::Outcome)> settled) {
    KxDeviceQueue::Request request;
    request.name = what;
    request.coalesceKey = key;
    request.body = std::move(body);
    // The application hears the outcome: a view closed by its OK is gone before its write ends.
    request.receiver = QCoreApplication::instance();
    request.done = [what, settled = std::move(settled)](KxDeviceQueue::Outcome outcome) {
        if (settled)
            settled(outcome);
        if (outcome == KxDeviceQueue::Outcome::Failed || outcome == KxDeviceQueue::Outcome::Refused)
            tellNotTaken(what);
    };
    KxDeviceQueue::shared().post(std::move(request));
}

void MouseWrites::postSettings(const _Kx_PROFILE& profile, std::function<bool()> stillEditing) {
    // The whole block: the settings byte (stage and lights), the stages' DPI and the rate.
    postBlock(
        QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "performance settings")),
        QStringLiteral("settings block"), [profile] { return KxAction::writeSettingsOf(profile); },
        profile, [](SettingsBlock& held, const SettingsBlock& written) { held = written; },
        std::move(stillEditing));
}

void MouseWrites::postLights(const _Kx_PROFILE& profile, std::function<bool()> stillEditing) {
    // The lights only: the stage beside them in their byte is the one the mouse holds.
    postBlock(
        QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "lighting")),
        QStringLiteral("lights block"), [profile] { return KxAction::writeColorsOf(profile); },
        profile,
        [](SettingsBlock& held, const SettingsBlock& written) {
            std::copy(std::begin(written.lights), std::end(written.lights), held.lights);
        },
        std::move(stillEditing));
}

void MouseWrites::postActiveProfile(int profile, int running,
                                    std::function<void(int running)> notTaken) {
    profileWrites.posting(running);
    post(
        QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "profile switch")),
        QStringLiteral("active profile"),
        [profile] { return KxAction::writeActiveProfile(uint32_t(profile)); },
        [profile, notTaken = std::move(notTaken)](KxDeviceQueue::Outcome outcome) {
            if (profileWrites.settled(outcome, [profile](int& held) { held = profile; }) &&
                notTaken)
                notTaken(profileWrites.held);
        });
}

void MouseWrites::mouseMovedProfile(int profile) {
    profileWrites.held = profile;
}

void MouseWrites::mouseMovedStage(int stage) {
    blockWrites.held.stage = uint32_t(stage);
}

void MouseWrites::mouseMovedRate(int rate) {
    blockWrites.held.rate = uint32_t(rate);
}

void MouseWrites::tellNotTaken(const QString& what) {
    // A mouse pulled out fails its writes too, and the window starts again for it, unasked. The
    // kernel fails the write as the mouse goes and announces the removal moments later, so the
    // message waits that long before it asks whether the mouse is still there.
    QTimer::singleShot(kRemovalAnnouncedMs, QCoreApplication::instance(), [what] {
        if (!KxAction::checkListenDev())
            return;
        // Each step of a slider that fails fails alike: one box says it.
        HvAction::openInfoMessage(
            //: %1 is what was written: "performance settings", "lighting", "DPI stage"...
            QCoreApplication::translate("MouseWrites",
                                        "The mouse did not take the %1. Is it still plugged in?")
                .arg(QCoreApplication::translate("MouseWrites", what.toUtf8().constData())));
    });
}
