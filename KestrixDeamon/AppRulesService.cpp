#include "AppRulesService.h"

#include "AppProfileSwitcher.h"
#include "Desktop/FrontApplicationSource.h"
#include "HvLogger.h"
#include "KxMessages.h"

#include <QDBusConnection>

AppRulesService::AppRulesService(const AppProfileSwitcher& switcher,
                                 const FrontApplicationSource* source, QObject* parent)
    : QObject(parent), switcher_(switcher), source_(source) {}

bool AppRulesService::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.registerObject(QLatin1String(KxMessages::kRulesPath), this,
                                                QDBusConnection::ExportAllSlots))
        return true;
    HV_WARNING(QStringLiteral("The application rules' answers are not on the session bus"));
    return false;
}

bool AppRulesService::Availability(QString& desktop) {
    desktop = FrontApplicationSource::desktopName(
        source_ ? source_->desktop() : FrontApplicationSource::Desktop::NoDisplay);
    return source_ && source_->available();
}

QString AppRulesService::FrontApplication(QString& name) {
    name = switcher_.lastApplicationName();
    return switcher_.lastApplication();
}
