#include "NotificationDisplay.h"

#include "HvLogger.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

NotificationDisplay::NotificationDisplay(const QDBusConnection& bus, int expireMs, QObject* parent)
    : QObject(parent), bus_(bus), expireMs_(expireMs) {}

void NotificationDisplay::show(const QString& summary, const QString& body) {
    if (summary.isEmpty())
        return;
    Request request{summary, body};
    if (pending_) {
        waiting_ = std::move(request);
        return;
    }
    send(request);
}

void NotificationDisplay::clear() {
    if (pending_) {
        waiting_ = Request{};
        return;
    }
    send(Request{});
}

void NotificationDisplay::send(const Request& request) {
    const bool close = request.summary.isEmpty();
    if (close && id_ == 0)
        return;
    if (!bus_.isConnected()) {
        if (!missing_)
            HV_WARNING(QStringLiteral("There is no session bus: the on-screen display's changes "
                                      "are not shown"));
        missing_ = true;
        return;
    }
    QDBusMessage call;
    if (close) {
        call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                              QLatin1String(kInterface),
                                              QStringLiteral("CloseNotification"));
        call << id_;
        id_ = 0;
    } else {
        const QVariantMap hints{
            {QStringLiteral("urgency"), QVariant::fromValue(kUrgencyLow)},
            {QStringLiteral("transient"), true},
        };
        call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                              QLatin1String(kInterface), QStringLiteral("Notify"));
        call << kApplicationName << id_ << kIconName << request.summary << request.body
             << QStringList() << hints << expireMs_;
    }
    pending_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, close](QDBusPendingCallWatcher* finished) { answered(finished, close); });
}

void NotificationDisplay::answered(QDBusPendingCallWatcher* watcher, bool wasClose) {
    watcher->deleteLater();
    pending_ = false;
    if (watcher->isError()) {
        const QDBusError error = watcher->error();
        // A notification that expired before it was withdrawn is no fault of the service.
        if (!wasClose || error.type() == QDBusError::ServiceUnknown ||
            error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout) {
            if (!missing_)
                HV_WARNING(QStringLiteral("No notification service answers on the session bus "
                                          "(%1): the on-screen display's changes are not shown")
                               .arg(error.message()));
            missing_ = true;
            id_ = 0;
        }
    } else if (!wasClose) {
        const QDBusPendingReply<quint32> reply = *watcher;
        id_ = reply.argumentAt<0>();
        if (missing_)
            HV_DEBUG(QStringLiteral("A notification service answers again"));
        missing_ = false;
    }
    if (waiting_) {
        const Request next = std::move(*waiting_);
        waiting_.reset();
        send(next);
    }
}
