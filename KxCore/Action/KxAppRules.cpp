#include "KxAppRules.h"

#include "KxSetupFile.h"
#include "Preferences/UserPreferences.h"
#include "Workspace/InstalledApplications.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QSettings>

namespace {

// The preferences' group and keys.
const QString kGroup = QStringLiteral("ApplicationRules");
const QString kEnabledKey = QStringLiteral("enabled");
const QString kOtherwiseKey = QStringLiteral("otherwise"); // 0: leave the profile as it is
const QString kRulesKey = QStringLiteral("rules");
const QString kAppKey = QStringLiteral("app");
const QString kProfileKey = QStringLiteral("profile");

const QString kDesktopSuffix = QStringLiteral(".desktop");

QString tr(const char* text) {
    return QCoreApplication::translate("KxAppRules", text);
}

QString profileRange() {
    // Spelt out: a free function gives lupdate no context for tr().
    return QCoreApplication::translate("KxAppRules", "is not a profile of the mouse (1 to 5)");
}

// A whole JSON number 1..5.
std::optional<int> profileOf(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d != double(int(d)) || d < 1 || d > KxAppRules::kProfiles)
        return std::nullopt;
    return int(d);
}

// A stored number 1..5 (the INI file keeps text).
std::optional<int> storedProfile(const QVariant& value, int lowest) {
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    if (!ok || n < lowest || n > KxAppRules::kProfiles)
        return std::nullopt;
    return n;
}

} // namespace

QString KxAppRules::normalApp(const QString& name) {
    QString app = name.trimmed();
    if (app.endsWith(kDesktopSuffix, Qt::CaseInsensitive))
        app.chop(kDesktopSuffix.size());
    return app;
}

bool KxAppRules::sameApp(const QString& a, const QString& b) {
    return normalApp(a).compare(normalApp(b), Qt::CaseInsensitive) == 0;
}

QString KxAppRules::checkApp(const QString& name) {
    const QString app = normalApp(name);
    if (app.isEmpty())
        return tr("names no application");
    if (KxSetup::hasControlCharacters(name))
        return tr("holds control characters");
    if (KxSetup::characterCount(app) > kMaxAppLength)
        return tr("is longer than %1 characters").arg(kMaxAppLength);
    return {};
}

int KxAppRules::indexOf(const QString& app) const {
    for (int i = 0; i < rules.size(); ++i)
        if (sameApp(rules[i].app, app))
            return i;
    return -1;
}

void KxAppRules::set(const QString& app, int profile) {
    if (const int i = indexOf(app); i >= 0)
        rules[i].profile = profile;
    else
        rules.append(KxAppRule{normalApp(app), profile});
}

bool KxAppRules::remove(const QString& app) {
    const int i = indexOf(app);
    if (i < 0)
        return false;
    rules.removeAt(i);
    return true;
}

KxAppRules::Decision KxAppRules::decide(const QStringList& names) const {
    if (!enabled)
        return {};
    // The best name decides: a desktop id's rule wins over one for the window's class.
    for (const QString& name : names) {
        if (normalApp(name).isEmpty())
            continue;
        if (const int i = indexOf(name); i >= 0)
            return {rules[i].profile, i};
    }
    return {otherwise, -1};
}

std::optional<InstalledApplication>
KxAppRules::installedApplication(const QString& app, const QList<InstalledApplication>& installed) {
    for (const InstalledApplication& entry : installed)
        if (sameApp(entry.id, app))
            return entry;
    return std::nullopt;
}

QJsonObject KxAppRules::toJson() const {
    QJsonArray list;
    for (const KxAppRule& rule : rules)
        list.append(QJsonObject{{kAppKey, rule.app}, {kProfileKey, rule.profile}});
    return QJsonObject{{kEnabledKey, enabled},
                       {kOtherwiseKey, otherwise ? QJsonValue(*otherwise) : QJsonValue()},
                       {kRulesKey, list}};
}

KxAppRules::Parsed KxAppRules::fromJson(const QJsonValue& value, const QString& at) {
    auto fail = [](const QString& field, const QString& reason) {
        Parsed parsed;
        parsed.field = field;
        parsed.reason = reason;
        return parsed;
    };
    if (!value.isObject())
        return fail(at, tr("is not an object"));
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key() != kEnabledKey && it.key() != kOtherwiseKey && it.key() != kRulesKey)
            return fail(at + QLatin1Char('.') + it.key(), tr("is not a field of the rules"));

    KxAppRules result;
    const QJsonValue enabled = object.value(kEnabledKey);
    if (!enabled.isUndefined() && !enabled.isBool())
        return fail(at + QLatin1Char('.') + kEnabledKey, tr("is not true or false"));
    result.enabled = enabled.toBool(true);

    const QJsonValue otherwise = object.value(kOtherwiseKey);
    if (!otherwise.isUndefined() && !otherwise.isNull()) {
        result.otherwise = profileOf(otherwise);
        if (!result.otherwise)
            return fail(at + QLatin1Char('.') + kOtherwiseKey, profileRange());
    }

    const QJsonValue list = object.value(kRulesKey);
    if (list.isUndefined()) {
        Parsed parsed;
        parsed.rules = result;
        return parsed;
    }
    if (!list.isArray())
        return fail(at + QLatin1Char('.') + kRulesKey, tr("is not a list"));
    const QJsonArray array = list.toArray();
    if (array.size() > kMaxRules)
        return fail(at + QLatin1Char('.') + kRulesKey,
                    tr("holds %1 rules; at most %2 are kept").arg(array.size()).arg(kMaxRules));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("%1.%2[%3]").arg(at, kRulesKey).arg(i);
        if (!array[i].isObject())
            return fail(where, tr("is not an object"));
        const QJsonObject rule = array[i].toObject();
        for (auto it = rule.begin(); it != rule.end(); ++it)
            if (it.key() != kAppKey && it.key() != kProfileKey)
                return fail(where + QLatin1Char('.') + it.key(), tr("is not a field of a rule"));
        const QJsonValue app = rule.value(kAppKey);
        if (!app.isString())
            return fail(where + QLatin1Char('.') + kAppKey, tr("is not a name"));
        if (const QString why = checkApp(app.toString()); !why.isEmpty())
            return fail(where + QLatin1Char('.') + kAppKey, why);
        if (result.indexOf(app.toString()) >= 0)
            return fail(where + QLatin1Char('.') + kAppKey,
                        tr("\"%1\" has a rule already").arg(normalApp(app.toString())));
        const auto profile = profileOf(rule.value(kProfileKey));
        if (!profile)
            return fail(where + QLatin1Char('.') + kProfileKey, profileRange());
        result.rules.append(KxAppRule{normalApp(app.toString()), *profile});
    }
    Parsed parsed;
    parsed.rules = result;
    return parsed;
}

KxAppRules::Parsed KxAppRules::load() {
    Parsed parsed;
    KxAppRules result;
    if (!QFileInfo::exists(UserPreferences::filePath())) {
        parsed.rules = result;
        return parsed;
    }
    auto settings = UserPreferences::open();
    const QString file = QFileInfo(UserPreferences::filePath()).fileName();
    auto fail = [&](const QString& key, const QString& reason) {
        parsed.field = QStringLiteral("%1 [%2] %3").arg(file, kGroup, key);
        parsed.reason = reason;
        return parsed;
    };
    settings->beginGroup(kGroup);
    if (const QVariant value = settings->value(kEnabledKey); value.isValid()) {
        const QString text = value.toString().trimmed().toLower();
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            return fail(kEnabledKey, tr("is not true or false"));
        result.enabled = text == QLatin1String("true");
    }
    if (const QVariant value = settings->value(kOtherwiseKey); value.isValid()) {
        const auto profile = storedProfile(value, 0);
        if (!profile)
            return fail(kOtherwiseKey, tr("is not a profile of the mouse (1 to 5, or 0 to leave "
                                          "it as it is)"));
        if (*profile > 0)
            result.otherwise = *profile;
    }
    const int size = settings->beginReadArray(kRulesKey);
    if (size > kMaxRules) {
        settings->endArray();
        return fail(kRulesKey, tr("holds %1 rules; at most %2 are kept").arg(size).arg(kMaxRules));
    }
    for (int i = 0; i < size; ++i) {
        settings->setArrayIndex(i);
        const QString where = QStringLiteral("%1\\%2\\").arg(kRulesKey).arg(i + 1);
        const QVariant app = settings->value(kAppKey);
        if (!app.isValid() || app.typeId() == QMetaType::QStringList)
            return fail(where + kAppKey, tr("is not a name"));
        if (const QString why = checkApp(app.toString()); !why.isEmpty())
            return fail(where + kAppKey, why);
        if (result.indexOf(app.toString()) >= 0)
            return fail(where + kAppKey,
                        tr("\"%1\" has a rule already").arg(normalApp(app.toString())));
        const auto profile = storedProfile(settings->value(kProfileKey), 1);
        if (!profile)
            return fail(where + kProfileKey, profileRange());
        result.rules.append(KxAppRule{normalApp(app.toString()), *profile});
    }
    settings->endArray();
    settings->endGroup();
    parsed.rules = result;
    return parsed;
}

bool KxAppRules::save(QString* why) const {
    auto settings = UserPreferences::open();
    settings->beginGroup(kGroup);
    settings->remove(QString()); // the group's old rules, whatever their number
    settings->setValue(kEnabledKey, enabled);
    settings->setValue(kOtherwiseKey, otherwise.value_or(0));
    settings->beginWriteArray(kRulesKey, int(rules.size()));
    for (int i = 0; i < rules.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(kAppKey, rules[i].app);
        settings->setValue(kProfileKey, rules[i].profile);
    }
    settings->endArray();
    settings->endGroup();
    // QSettings replaces the file atomically.
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    if (why)
        *why = tr("the rules could not be written to %1").arg(UserPreferences::filePath());
    return false;
}
