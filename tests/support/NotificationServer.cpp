#include "NotificationServer.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QUuid>

namespace {
constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
} // namespace

QImage NotificationServer::Call::image() const {
    if (width <= 0 || height <= 0 || bitsPerSample != 8 || channels != 4 || !hasAlpha ||
        rowStride < width * 4 || pixels.size() < qsizetype(rowStride) * height)
        return {};
    QImage image(reinterpret_cast<const uchar*>(pixels.constData()), width, height, rowStride,
                 QImage::Format_RGBA8888);
    return image.copy();
}

NotificationServer::NotificationServer()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QUuid::createUuid().toString())) {}

NotificationServer::~NotificationServer() {
    stop();
    QDBusConnection::disconnectFromBus(bus_.name());
}

bool NotificationServer::start() {
    if (!bus_.isConnected() ||
        !bus_.registerObject(QLatin1String(kPath), this, QDBusConnection::ExportAllSlots))
        return false;
    return bus_.registerService(QLatin1String(kService));
}

void NotificationServer::stop() {
    answerHeld();
    bus_.unregisterService(QLatin1String(kService));
    bus_.unregisterObject(QLatin1String(kPath));
}

void NotificationServer::answerHeld() {
    for (size_t i = 0; i < held_.size(); ++i)
        bus_.send(held_[i].createReply(QVariantList{heldIds_[i]}));
    held_.clear();
    heldIds_.clear();
}

uint NotificationServer::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                const QString& summary, const QString& body,
                                const QStringList& actions, const QVariantMap& hints,
                                int expireTimeout, const QDBusMessage& message) {
    Call call;
    call.appName = appName;
    call.replacesId = replacesId;
    call.appIcon = appIcon;
    call.summary = summary;
    call.body = body;
    call.actions = actions;
    call.hints = hints;
    call.expireTimeout = expireTimeout;
    if (const QVariant image = hints.value(QStringLiteral("image-data"));
        image.canConvert<QDBusArgument>()) {
        const QDBusArgument argument = image.value<QDBusArgument>();
        argument.beginStructure();
        argument >> call.width >> call.height >> call.rowStride >> call.hasAlpha >>
            call.bitsPerSample >> call.channels >> call.pixels;
        argument.endStructure();
        call.hints.remove(QStringLiteral("image-data"));
    }
    notified_.push_back(call);
    const uint id = replacesId != 0 ? replacesId : nextId_++;
    if (hold_) {
        message.setDelayedReply(true);
        held_.push_back(message);
        heldIds_.push_back(id);
        return 0;
    }
    return id;
}

void NotificationServer::CloseNotification(uint id) {
    closed_.push_back(id);
}

QStringList NotificationServer::GetCapabilities() {
    return {QStringLiteral("body"), QStringLiteral("icon-static")};
}

QString NotificationServer::GetServerInformation(QString& vendor, QString& version,
                                                 QString& specVersion) {
    vendor = QStringLiteral("kx-tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("kx-test-notifications");
}
