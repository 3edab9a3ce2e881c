#include "NotificationDisplay.h"

#include "HvLogger.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

// The "image-data" hint: (iiibiiay) width, height, row stride, alpha, bits per sample,
// channels, and the pixels as RGBA bytes, rows top to bottom.
struct ImageData {
    QImage rgba;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ImageData& image) {
    const QImage& rgba = image.rgba;
    argument.beginStructure();
    argument << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8
             << 4
             << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                           static_cast<qsizetype>(rgba.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ImageData&) {
    return argument; // only ever sent
}

} // namespace

Q_DECLARE_METATYPE(ImageData)

NotificationDisplay::NotificationDisplay(const QDBusConnection& bus, int expireMs, QObject* parent)
    : QObject(parent), bus_(bus), expireMs_(expireMs) {
    qDBusRegisterMetaType<ImageData>();
}

void NotificationDisplay::show(const QString& text, const QImage& picture) {
    Request request{text, picture};
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
    const bool close = request.text.isEmpty() && request.picture.isNull();
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
        QVariantMap hints{
            {QStringLiteral("urgency"), QVariant::fromValue(kUrgencyLow)},
            {QStringLiteral("transient"), true},
        };
        if (!request.picture.isNull()) {
            QImage rgba = request.picture.convertToFormat(QImage::Format_RGBA8888);
            rgba.setDevicePixelRatio(1);
            hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData{rgba}));
        }
        call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                              QLatin1String(kInterface), QStringLiteral("Notify"));
        call << kApplicationName << id_ << kIconName << request.text << QString() << QStringList()
             << hints << expireMs_;
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
