#include "KxLanguage.h"

#include "HvAction.h"
#include "HvLogger.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The catalogue of a preferred-language code: "de" → ":/i18n/kestrix_de.qm".
QString catalogue(const QString& code) {
    return QStringLiteral(":/i18n/kestrix_%1.qm").arg(KxLanguage::fileStem(code));
}

// The language installed in this process, once one is.
QString installedLanguage;

} // namespace

QString KxLanguage::fileStem(const QString& code) {
    if (code == QLatin1String("zh-Hans"))
        return QStringLiteral("zh_CN");
    return code;
}

QStringList KxLanguage::translated() {
    QStringList codes;
    for (const char* code : {"de", "fr", "es", "zh-Hans", "ja"}) {
        if (QFileInfo::exists(catalogue(QLatin1String(code))))
            codes << QLatin1String(code);
    }
    return codes;
}

QString KxLanguage::chosen() {
    if (!installedLanguage.isEmpty())
        return installedLanguage;
    const QStringList available = translated();
    for (int i = 0;; ++i) {
        const std::optional<QString> code = HvAction::getSysLanName(i);
        if (!code)
            break;
        // English is the sources' language: a user who prefers it before another gets it.
        if (*code == QLatin1String("en") || available.contains(*code))
            return *code;
    }
    return QStringLiteral("en");
}

QString KxLanguage::install() {
    const QString language = chosen();
    if (language == QLatin1String("en"))
        return language;
    if (!install(language)) {
        HV_WARNING(
            QStringLiteral("the texts in %1 cannot be loaded; English is used").arg(language));
        return QStringLiteral("en");
    }
    return language;
}

bool KxLanguage::install(const QString& language) {
    if (language == QLatin1String("en")) {
        installedLanguage = language;
        return true;
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(catalogue(language))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (a file dialog's buttons), from the system's Qt translations when present.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + fileStem(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    installedLanguage = language;
    return true;
}
