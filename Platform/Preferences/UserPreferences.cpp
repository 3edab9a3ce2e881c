#include "Preferences/UserPreferences.h"

#include <QDir>
#include <QStandardPaths>

QString UserPreferences::filePath() {
    // QStandardPaths follows XDG_CONFIG_HOME and falls back to ~/.config.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("com.vlak.KxOption.conf"));
}

std::unique_ptr<QSettings> UserPreferences::open() {
    return std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
}
