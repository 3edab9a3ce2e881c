#pragma once

#include <QList>
#include <QString>

#include <optional>

// An application the desktop offers in its menus, from its desktop entry.
struct InstalledApplication {
    QString id;          // "org.example.Editor.desktop"
    QString name;        // the entry's Name in the user's language
    QString desktopFile; // absolute path of the .desktop file
    QString iconName;    // a theme icon name, or an absolute icon file path; empty when none
};

// The installed applications: the desktop entries of the XDG data folders' "applications"
// folders, read by GIO. The folders are GLib's, fixed at its first look at XDG_DATA_HOME and
// XDG_DATA_DIRS for the life of the process; the entries in them are read afresh on every call.
class InstalledApplications {
public:
    // The applications a user would see in the desktop's menus (not hidden, not NoDisplay, shown
    // in this desktop), each once, sorted by name for the user's locale regardless of case.
    static QList<InstalledApplication> list();
    // The Name, in the user's language, of the desktop entry at this path; none when the path is
    // not a regular readable file holding an entry of an application that can start here.
    static std::optional<QString> displayName(const QString& desktopFile);
};
