#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

// The desktop's mouse schema (the keys the programs use, with the desktop's defaults) and the
// other schemas given, compiled into the folder, where GSettings finds them through
// GSETTINGS_SCHEMA_DIR; the values are held in memory. Done before GSettings is first used,
// which fixes its folders. Whether the schemas were compiled.
inline bool installDesktopMouseSchema(const QString& folder, const QByteArray& otherSchemas = {}) {
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/kx-test.gschema.xml"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<schemalist>
  <schema id="org.gnome.desktop.peripherals.mouse" path="/org/gnome/desktop/peripherals/mouse/">
    <key name="left-handed" type="b"><default>false</default></key>
    <key name="speed" type="d"><default>0</default><range min="-1" max="1"/></key>
    <key name="double-click" type="i"><default>400</default></key>
  </schema>
)" + otherSchemas +
               "</schemalist>\n");
    file.close();
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(folder));
    qputenv("GSETTINGS_BACKEND", "memory");
    return QProcess::execute(QStringLiteral("glib-compile-schemas"), {folder}) == 0 &&
           QFile::exists(folder + QStringLiteral("/gschemas.compiled"));
}
