#include "MouseWrites.h"

#include "HvAction.h"
#include "KxAction.h"
#include "KxRecords.h"

#include <QCoreApplication>
#include <QTimer>

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

void MouseWrites::postSettings(const _Kx_PROFILE& profile) {
    post(QStringLiteral("performance settings"), QStringLiteral("settings block"),
         [profile] { return KxAction::writeSettingsOf(profile); });
}

void MouseWrites::postLights(const _Kx_PROFILE& profile) {
    post(QStringLiteral("lighting"), QStringLiteral("lights block"),
         [profile] { return KxAction::writeColorsOf(profile); });
}

void MouseWrites::postActiveProfile(int profile) {
    post(QStringLiteral("profile switch"), QStringLiteral("active profile"),
         [profile] { return KxAction::writeActiveProfile(uint32_t(profile)); });
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
            QStringLiteral("The mouse did not take the %1. Is it still plugged in?").arg(what));
    });
}
