#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QJsonObject>
#include <QString>

#include <optional>

// File, XML, archive, desktop and logger helpers used throughout the programs.
class HvAction {
public:
    // Creates a folder with any missing parents.
    static void creatDirectoryPro(const QString& path);
    // Makes <folder>/<fileName> present, copying the program's resource ":/<fileName>" when it
    // is missing (atomically, writable by the user). True when the file is present afterwards.
    static bool checkAddCopyFileFromResourceWithPath(const QString& folder,
                                                     const QString& fileName);

    // The parsed document, or none (missing, unreadable or malformed file; one log line says why).
    static std::optional<QDomDocument> loadXmlFromPath(const QString& path);
    // The attribute's text, or none when the attribute is absent.
    static std::optional<QString> getNodeAtrValue(const QDomElement& element, const QString& name);
    // The text of the element's first child element of that name, or none.
    static std::optional<QString> getNodeValue(const QDomElement& element, const QString& name);
    // Hexadecimal text with or without a 0x prefix; garbage reads as 0.
    static int getIntValueByHex(const QString& text);

    // One object as a keyed archive file (JSON), written atomically. CopyObject yields none for a
    // missing, damaged or foreign file.
    static bool SaveObject(const QJsonObject& object, const QString& path);
    static std::optional<QJsonObject> CopyObject(const QString& path);

    // Path of the installed application with that identifier: the desktop entry <id>.desktop in
    // the XDG application folders; none when there is none.
    static std::optional<QString> getAppPathByid(const QString& identifier);
    // The desktop's preferred user-interface language as a code such as "en", "zh-Hans",
    // "zh-Hant", "pt-BR", "de"; index 0 is the first preference. None when unknown.
    static std::optional<QString> getSysLanName(int index);
    // Opens a web address in the browser / a file with its default application; false when the
    // desktop could not.
    static bool openPage(const QString& url);
    static bool openFile(const QString& path);

    static void setLoggerDebugLevel();
    static void setLoggerHasFile(bool hasFile);
};
