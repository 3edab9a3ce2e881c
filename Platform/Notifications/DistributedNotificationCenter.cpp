#include "Notifications/DistributedNotificationCenter.h"
#include "Notifications/ObserverSlot.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QMetaObject>

Q_LOGGING_CATEGORY(lcBusNotifications, "kx.notifications")

// Lives on the thread that registered its observer, so QtDBus delivers there.
// A signal QtDBus has already queued for it still arrives after removal; the retired slot then
// drops it.
class DistributedNotificationCenter::Receiver : public QObject {
    Q_OBJECT
public:
    Receiver(QString name, Observer observer)
        : name_(std::move(name)), slot_(std::move(observer)) {}
    const QString& name() const { return name_; }
    void retire() { slot_.retire(); }

public Q_SLOTS:
    void handle(const QDBusMessage& message) {
        slot_.call(DistributedNotificationCenter::decode(name_, message.arguments()));
    }

private:
    QString name_;
    ObserverSlot slot_;
};

namespace {

// Integers as i and booleans as b, whatever width the caller used.
QVariant wireValue(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return Notification::isInteger(value) ? QVariant(value.toInt()) : value;
}

QString objectString(const QVariant& object) {
    if (!object.isValid() || object.isNull())
        return {};
    const QVariant wire = wireValue(object);
    return wire.typeId() == QMetaType::Int ? QString::number(wire.toInt()) : object.toString();
}

} // namespace

DistributedNotificationCenter& DistributedNotificationCenter::defaultCenter() {
    static DistributedNotificationCenter center(QDBusConnection::sessionBus());
    return center;
}

DistributedNotificationCenter::DistributedNotificationCenter(QDBusConnection connection)
    : connection_(std::move(connection)) {}

DistributedNotificationCenter::~DistributedNotificationCenter() {
    std::lock_guard lock(mutex_);
    for (auto& [token, receiver] : receivers_) {
        receiver->retire();
        receiver.release()->deleteLater(); // may live on another thread
    }
}

bool DistributedNotificationCenter::busAvailable() {
    if (connection_.isConnected())
        return true;
    std::call_once(warnedOnce_, [] {
        qCWarning(lcBusNotifications,
                  "no session bus: messages between the window and the daemon are off");
    });
    return false;
}

bool DistributedNotificationCenter::post(const Notification& notification) {
    if (!busAvailable())
        return false;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kPath), QString::fromLatin1(kInterface), notification.name);
    QVariantMap userInfo;
    if (notification.userInfo)
        for (auto it = notification.userInfo->begin(); it != notification.userInfo->end(); ++it)
            userInfo.insert(it.key(), wireValue(it.value()));
    signal << objectString(notification.object) << userInfo << notification.userInfo.has_value();
    return connection_.send(signal);
}

DistributedNotificationCenter::Token DistributedNotificationCenter::addObserver(const QString& name,
                                                                                Observer observer) {
    if (!busAvailable())
        return 0;
    auto receiver = std::make_unique<Receiver>(name, std::move(observer));
    if (!connection_.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                             name, receiver.get(), SLOT(handle(QDBusMessage)))) {
        qCWarning(lcBusNotifications, "cannot observe %s: %s", qPrintable(name),
                  qPrintable(connection_.lastError().message()));
        return 0;
    }
    std::lock_guard lock(mutex_);
    const Token token = nextToken_++;
    receivers_.emplace(token, std::move(receiver));
    return token;
}

void DistributedNotificationCenter::removeObserver(Token token) {
    std::unique_ptr<Receiver> receiver;
    {
        std::lock_guard lock(mutex_);
        const auto it = receivers_.find(token);
        if (it == receivers_.end())
            return;
        receiver = std::move(it->second);
        receivers_.erase(it);
    }
    receiver->retire();
    connection_.disconnect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                           receiver->name(), receiver.get(), SLOT(handle(QDBusMessage)));
    receiver.release()->deleteLater();
}

Notification DistributedNotificationCenter::decode(const QString& name,
                                                   const QList<QVariant>& arguments) {
    Notification n;
    n.name = name;
    if (!arguments.isEmpty() && arguments[0].typeId() == QMetaType::QString) {
        const QString object = arguments[0].toString();
        if (!object.isEmpty())
            n.object = object;
    }
    const bool hasUserInfo =
        arguments.size() > 2 && arguments[2].typeId() == QMetaType::Bool && arguments[2].toBool();
    if (hasUserInfo && arguments[1].canConvert<QDBusArgument>()) {
        const QDBusArgument argument = arguments[1].value<QDBusArgument>();
        if (argument.currentSignature() == QLatin1String("a{sv}"))
            n.userInfo = qdbus_cast<QVariantMap>(argument);
    }
    return n;
}

#include "DistributedNotificationCenter.moc"
