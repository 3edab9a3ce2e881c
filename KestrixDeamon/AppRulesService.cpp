#include "AppRulesService.h"

#include "HvLogger.h"
#include "KxMessages.h"

#include <QDBusConnection>

AppRulesService::AppRulesService(Answers answers, QObject* parent)
    : QObject(parent), answers_(std::move(answers)) {}

bool AppRulesService::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.registerObject(QLatin1String(KxMessages::kRulesPath), this,
                                                QDBusConnection::ExportAllSlots))
        return true;
    HV_WARNING(QStringLiteral("The application rules' answers are not on the session bus"));
    return false;
}

bool AppRulesService::Availability(QString& desktop) {
    desktop = answers_.desktop();
    return answers_.available();
}

QString AppRulesService::FrontApplication(QString& name) {
    name = answers_.frontApplicationName();
    return answers_.frontApplication();
}
