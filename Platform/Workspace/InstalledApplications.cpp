#include "Workspace/InstalledApplications.h"

#include "Workspace/RegularFile.h"
#include "Workspace/Workspace.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <algorithm>
#include <memory>

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
// Not g_key_file_free, which empties the file for the app info that keeps a reference to it.
struct KeyFileUnref {
    void operator()(GKeyFile* keys) const { g_key_file_unref(keys); }
};

// The application of a desktop entry's bytes, as GIO reads it: none for what is not an
// application entry or names a program that is not installed.
using AppInfo = std::unique_ptr<GDesktopAppInfo, GObjectUnref>;
AppInfo parseEntry(const QByteArray& bytes) {
    const std::unique_ptr<GKeyFile, KeyFileUnref> keys(g_key_file_new());
    if (!g_key_file_load_from_data(keys.get(), bytes.constData(), gsize(bytes.size()),
                                   G_KEY_FILE_NONE, nullptr))
        return nullptr;
    return AppInfo(g_desktop_app_info_new_from_keyfile(keys.get()));
}

// The entry's Name, in the user's language; none for an entry without one.
std::optional<QString> nameOf(GDesktopAppInfo* info) {
    if (!g_desktop_app_info_has_key(info, G_KEY_FILE_DESKTOP_KEY_NAME))
        return std::nullopt;
    const QString name = QString::fromUtf8(g_app_info_get_name(G_APP_INFO(info))).trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

// A theme icon's first name (the one the entry gave), or an icon file's path.
QString iconNameOf(GAppInfo* info) {
    GIcon* icon = g_app_info_get_icon(info); // owned by the info
    if (icon && G_IS_THEMED_ICON(icon)) {
        const gchar* const* names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        return names && names[0] ? QString::fromUtf8(names[0]) : QString();
    }
    if (icon && G_IS_FILE_ICON(icon)) {
        const std::unique_ptr<char, decltype(&g_free)> path(
            g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon))), &g_free);
        return path ? QFile::decodeName(path.get()) : QString();
    }
    return {};
}

// The "applications" folders in the order they take precedence: the user's data folder, then
// the system's. GLib's view of them, which is the one the desktop's GIO calls share.
QStringList applicationFolders() {
    QStringList folders{QFile::decodeName(g_get_user_data_dir())};
    for (const gchar* const* dir = g_get_system_data_dirs(); dir && *dir; ++dir)
        folders.append(QFile::decodeName(*dir));
    QStringList out;
    for (const QString& folder : folders)
        if (QDir::isAbsolutePath(folder))
            out.append(QDir::cleanPath(folder) + QStringLiteral("/applications"));
    return out;
}

} // namespace

// The folders are walked here rather than through g_app_info_get_all, which opens every entry
// with a blocking read: a FIFO named like an entry would stall it for good. As there, the first
// folder holding an id owns it, and its entry hides the others of that id even when it is hidden
// or broken itself; an id is the path under "applications" with "/" as "-".
QList<InstalledApplication> InstalledApplications::list() {
    QList<InstalledApplication> applications;
    QSet<QString> seen;
    for (const QString& folder : applicationFolders()) {
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files | QDir::System,
                           QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (files.hasNext()) {
            const QString path = files.next();
            QString id = path.mid(folder.size() + 1);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const std::optional<QByteArray> bytes =
                RegularFile::read(path, Workspace::kMaxDesktopEntryBytes);
            const AppInfo info = bytes ? parseEntry(*bytes) : nullptr;
            if (!info || g_desktop_app_info_get_is_hidden(info.get()) ||
                !g_app_info_should_show(G_APP_INFO(info.get())))
                continue;
            if (const std::optional<QString> name = nameOf(info.get()))
                applications.append({id, *name, path, iconNameOf(G_APP_INFO(info.get()))});
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(applications.begin(), applications.end(),
              [&collator](const InstalledApplication& a, const InstalledApplication& b) {
                  const int order = collator.compare(a.name, b.name);
                  return order != 0 ? order < 0 : a.id < b.id;
              });
    return applications;
}

std::optional<QString> InstalledApplications::displayName(const QString& desktopFile) {
    if (desktopFile.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes =
        RegularFile::read(desktopFile, Workspace::kMaxDesktopEntryBytes);
    const AppInfo info = bytes ? parseEntry(*bytes) : nullptr;
    if (!info)
        return std::nullopt;
    return nameOf(info.get());
}
