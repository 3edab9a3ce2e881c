#pragma once

#include <QJsonObject>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <optional>

class QFont;

// File, XML, archive, desktop and logger helpers used throughout the programs.
class HvAction {
public:
    // Creates a folder with any missing parents.
    static void creatDirectoryPro(const QString& path);
    // Makes <folder>/<fileName> present, copying the program's resource ":/<fileName>" when it
    // is missing (atomically, writable by the user). True when the file is present afterwards.
    static bool checkAddCopyFileFromResourceWithPath(const QString& folder,
                                                     const QString& fileName);

    // How white space of a parsed file is kept. Normalized: attribute values have their tabs and
    // line breaks turned into spaces and text of white space only is dropped, as XML reads them.
    // Verbatim: attribute values and text exactly as written.
    enum class XmlSpace { Normalized, Verbatim };
    // The program's files nest three or four levels; a file nested deeper is refused, and such
    // a document is never written (indentation would grow its size with the square of it).
    static constexpr int kMaxXmlDepth = 32;
    // The parsed document, or none (missing, unreadable or malformed file; one log line says why
    // and where). Files are UTF-8, or UTF-16/UTF-32 with a byte order mark, or declared
    // ISO-8859-1; comments, processing instructions and CDATA sections are kept, and no entity
    // beyond XML's predefined ones is expanded.
    static std::unique_ptr<pugi::xml_document>
    loadXmlFromPath(const QString& path, XmlSpace space = XmlSpace::Normalized);
    // Writes the document atomically as UTF-8, indented by four spaces, one element per line.
    // A declared encoding is changed to UTF-8; characters XML cannot hold are left out of every
    // value first. False with a log line when it was not written (also for a document nested
    // deeper than kMaxXmlDepth).
    static bool saveXmlToPath(pugi::xml_document& document, const QString& path);
    // The attribute's text, or none when the attribute (or the element) is absent.
    static std::optional<QString> getNodeAtrValue(const pugi::xml_node& element, const char* name);
    // Sets the attribute, leaving out characters an XML file cannot hold (control characters
    // other than tab and line breaks, U+FFFE, U+FFFF, unpaired surrogates).
    static void setNodeAtrValue(pugi::xml_node& element, const char* name, const QString& value);
    // All text inside the element's first child element of that name, or none.
    static std::optional<QString> getNodeValue(const pugi::xml_node& element, const char* name);
    // Hexadecimal text with or without a 0x prefix; garbage reads as 0.
    static int getIntValueByHex(const QString& text);

    // One object as a keyed archive file (JSON), written as OutputTarget writes (a file
    // atomically, a FIFO or terminal in place, other devices refused). CopyObject yields none for
    // a missing, damaged, foreign or oversized file, or anything but a regular file (never
    // waiting on a FIFO or a device); why, when given, then says which in a few words.
    static bool SaveObject(const QJsonObject& object, const QString& path, QString* why = nullptr);
    // The bytes SaveObject writes.
    static QByteArray archiveBytes(const QJsonObject& object);
    static std::optional<QJsonObject> CopyObject(const QString& path, QString* why = nullptr);

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

    // The font "<name>" of the given pixel size: the program's resource ":/Fonts/<name>.ttf",
    // else an installed family of that name; none when neither exists or the program has no
    // window system. Defined in DaRezOdavuzuvWidgets; callers include <QFont>.
    static std::optional<QFont> customTTFFontWithName(const QString& name, int size);
    // The font at the largest pixel size, down to three pixels smaller (and not below 8), at which
    // the text fits the width: a longer language's title drawn smaller before it is cut. A font
    // sized in points is returned as it is. Defined in DaRezOdavuzuvWidgets.
    static QFont fontToFit(const QFont& font, const QString& text, int width);
    // The program's message box with OK, and a question with OK and Cancel (true for OK), drawn
    // in the program's look and run modally. Defined in DaRezOdavuzuvWidgets. Titled by the
    // title given, else by the window it belongs to; assistive technology meets an alert
    // described by the message.
    static void showInfoMessage(const QString& message, const QString& title = {});
    // Opens the message and returns at once, without an event loop of its own, so that what
    // the caller's loop was doing goes on. A box with the same text that is still up is not
    // stacked again.
    static void openInfoMessage(const QString& message);
    static bool ChooseInfoMessage(const QString& message);

    static void setLoggerDebugLevel();
    static void setLoggerHasFile(bool hasFile);
};
