#include "HvAction.h"
#include "HvLogger.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>

#include <algorithm>

QFont HvAction::fontToFit(const QFont& font, const QString& text, int width) {
    QFont fitted = font;
    if (fitted.pixelSize() <= 0)
        return fitted;
    const int floor = std::max(8, fitted.pixelSize() - 3);
    while (fitted.pixelSize() > floor && QFontMetrics(fitted).horizontalAdvance(text) > width)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

std::optional<QFont> HvAction::customTTFFontWithName(const QString& name, int size) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        size <= 0) {
        HV_WARNING(QStringLiteral("no font \"%1\" of size %2: not a font name and size")
                       .arg(name)
                       .arg(size));
        return std::nullopt;
    }
    // Fonts need the window system's font database, which only a GUI application has.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        HV_WARNING(QStringLiteral("no font \"%1\": the program has no window system").arg(name));
        return std::nullopt;
    }

    // Family of each resource font, registered once; an empty family marks a name without a
    // usable resource file. Fonts are looked up on the GUI thread only.
    static QHash<QString, QString> resourceFamilies;
    auto found = resourceFamilies.find(name);
    if (found == resourceFamilies.end()) {
        const QString path = QStringLiteral(":/Fonts/%1.ttf").arg(name);
        QString family;
        if (QFile::exists(path)) {
            const int id = QFontDatabase::addApplicationFont(path);
            const QStringList families =
                id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
            if (families.isEmpty())
                HV_WARNING(QStringLiteral("font file %1 could not be loaded").arg(path));
            else
                family = families.first();
        }
        found = resourceFamilies.insert(name, family);
    }

    QString family = found.value();
    if (family.isEmpty()) {
        if (!QFontDatabase::hasFamily(name))
            return std::nullopt;
        family = name;
    }
    QFont font(family);
    font.setPixelSize(size);
    return font;
}
