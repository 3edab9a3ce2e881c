// HvAction: the desktop: installed applications, the user's languages, opening pages and files.
#include "HvAction.h"

#include "HvLogger.h"
#include "Workspace/Workspace.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace {

// The code the tooltip table knows for one locale name: "de_AT.UTF-8" → "de",
// "zh_TW" → "zh-Hant", "pt_BR" → "pt-BR", "zh-Hans-CN" (BCP 47) → "zh-Hans". Empty for "C".
QString languageCode(const QString& locale) {
    QString name = locale.trimmed();
    name = name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    const QStringList parts = name.split(QRegularExpression(QStringLiteral("[_-]")));
    const QString language = parts.value(0).toLower();
    if (language.isEmpty())
        return {};
    QString script;
    QString region;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4)
            script = parts[i].toLower();
        else if (region.isEmpty())
            region = parts[i].toUpper();
    }
    if (language == QLatin1String("zh")) {
        if (script == QLatin1String("hant"))
            return QStringLiteral("zh-Hant");
        if (script == QLatin1String("hans"))
            return QStringLiteral("zh-Hans");
        if (region == QLatin1String("TW") || region == QLatin1String("HK") ||
            region == QLatin1String("MO"))
            return QStringLiteral("zh-Hant");
        return QStringLiteral("zh-Hans");
    }
    if (language == QLatin1String("pt") && region == QLatin1String("BR"))
        return QStringLiteral("pt-BR");
    return language;
}

// The user's languages in order of preference, as gettext takes them: LANGUAGE (a colon list,
// honoured unless the message locale is C), then LC_ALL, LC_MESSAGES, LANG.
QStringList preferredLanguages() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    QStringList candidates;
    if (!messages.isEmpty() && !languageCode(messages).isEmpty())
        candidates << qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'));
    if (!messages.isEmpty()) {
        candidates << messages;
    } else if (qEnvironmentVariableIsEmpty("LANGUAGE")) {
        // No locale in the environment at all: ask Qt (other platforms' sessions).
        const QLocale system = QLocale::system();
        if (system.language() != QLocale::C)
            candidates << system.uiLanguages();
    }
    QStringList codes;
    for (const QString& candidate : std::as_const(candidates)) {
        const QString code = languageCode(candidate);
        if (!code.isEmpty() && !codes.contains(code))
            codes << code;
    }
    return codes;
}

template <typename T>
struct GObjectDeleter {
    void operator()(T* object) const { g_object_unref(object); }
};

} // namespace

std::optional<QString> HvAction::getAppPathByid(const QString& identifier) {
    QString id = identifier.trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char('/'))) {
        HV_DEBUG(QStringLiteral("\"%1\" is not an application identifier").arg(identifier));
        return std::nullopt;
    }
    if (!id.endsWith(QLatin1String(".desktop")))
        id += QStringLiteral(".desktop");
    std::unique_ptr<GDesktopAppInfo, GObjectDeleter<GDesktopAppInfo>> info(
        g_desktop_app_info_new(id.toUtf8().constData()));
    if (!info) {
        HV_DEBUG(QStringLiteral("no application %1 is installed").arg(id));
        return std::nullopt;
    }
    const char* file = g_desktop_app_info_get_filename(info.get());
    if (!file)
        return std::nullopt;
    return QString::fromLocal8Bit(file);
}

std::optional<QString> HvAction::getSysLanName(int index) {
    const QStringList codes = preferredLanguages();
    if (index < 0 || index >= codes.size())
        return std::nullopt;
    return codes[index];
}

bool HvAction::openPage(const QString& url) {
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty() || parsed.isLocalFile()) {
        HV_WARNING(QStringLiteral("\"%1\" is not a web address").arg(url));
        return false;
    }
    return Workspace::openUri(parsed.toEncoded());
}

bool HvAction::openFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        HV_WARNING(QStringLiteral("cannot open \"%1\": no such file").arg(path));
        return false;
    }
    return Workspace::openUri(QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded());
}
