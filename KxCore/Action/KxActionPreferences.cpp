// KxAction: the user preferences "FirstUp", "OSDTag" and "ProfileLaunch%0x". The application
// writes them through UserPreferences; the daemon reads the file afresh on every call and never
// writes it.
#include "KxAction.h"

#include "HvLogger.h"
#include "Preferences/UserPreferences.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kFirstUpKey = QStringLiteral("FirstUp");
const QString kOsdKey = QStringLiteral("OSDTag");

// A stored boolean: QSettings writes true/false; anything else is not one.
std::optional<bool> readBool(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    HV_WARNING(QStringLiteral("preference %1 is not a boolean: \"%2\"").arg(key, value.toString()));
    return std::nullopt;
}

// The daemon's fresh, read-only view of the preferences file; none when there is no file.
std::unique_ptr<QSettings> openForDaemon() {
    if (!QFileInfo::exists(UserPreferences::filePath()))
        return nullptr;
    auto settings = UserPreferences::open();
    if (settings->status() != QSettings::NoError)
        HV_WARNING(QStringLiteral("%1 is damaged; using the values still readable")
                       .arg(UserPreferences::filePath()));
    return settings;
}

} // namespace

bool KxAction::firstUp() {
    auto settings = UserPreferences::open();
    const bool done = readBool(*settings, kFirstUpKey).value_or(false);
    if (!done) {
        settings->setValue(kFirstUpKey, true);
        settings->sync();
        if (settings->status() != QSettings::NoError)
            HV_WARNING(QStringLiteral("cannot store %1 in %2")
                           .arg(kFirstUpKey, UserPreferences::filePath()));
    }
    return done;
}

bool KxAction::daemonGetOsd() {
    const auto settings = openForDaemon();
    if (!settings)
        return true;
    return readBool(*settings, kOsdKey).value_or(true);
}

QString KxAction::launchPathKey(uint32_t code) {
    return QStringLiteral("ProfileLaunch") + QString::number(code, 16);
}

std::optional<QString> KxAction::daemonGetLaunchPath(uint32_t code) {
    const auto settings = openForDaemon();
    if (!settings)
        return std::nullopt;
    const QString key = launchPathKey(code);
    const QVariant value = settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    if (!value.canConvert<QString>() || value.typeId() == QMetaType::QStringList) {
        HV_WARNING(QStringLiteral("preference %1 is not a path").arg(key));
        return std::nullopt;
    }
    return value.toString();
}
