#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The configuration window's user preferences: an INI file read and written through QSettings
// at ${XDG_CONFIG_HOME:-~/.config}/com.vlak.KxOption.conf. The daemon reads the same file with a
// store of its own, opened afresh for every read, and never writes it.
class UserPreferences {
public:
    static QString filePath();

    // A store on the preferences file. Values written through it reach the file on sync() or
    // when it is destroyed.
    static std::unique_ptr<QSettings> open();
};
