#include "SingleInstance.h"

#include "HvLogger.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::Claim SingleInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Claim::NoBus;
    bus.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportAllSlots);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QLatin1String(kBusName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        HV_WARNING(QStringLiteral("%1 could not be claimed: %2")
                       .arg(QLatin1String(kBusName), reply.error().message()));
        return Claim::NoBus;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::Owner;
    bus.unregisterObject(QLatin1String(kObjectPath));
    const QDBusMessage activate =
        QDBusMessage::createMethodCall(QLatin1String(kBusName), QLatin1String(kObjectPath),
                                       QLatin1String(kInterface), QStringLiteral("Activate"));
    const QDBusMessage answer = bus.call(activate, QDBus::Block, 5000);
    if (answer.type() == QDBusMessage::ErrorMessage)
        HV_WARNING(
            QCoreApplication::translate("SingleInstance", "The running window did not answer: %1")
                .arg(answer.errorMessage()));
    return Claim::OtherRuns;
}

void SingleInstance::Activate() {
    HV_DEBUG(QStringLiteral("Raised by a second start"));
    Q_EMIT activated();
}
