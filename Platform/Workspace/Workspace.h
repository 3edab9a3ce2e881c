#pragma once

#include <QByteArray>
#include <QString>

// The desktop's view of applications: which run, and how a file or application is opened.
// Nothing here goes through a shell.
class Workspace {
public:
    // Desktop entries are a few kilobytes, the largest (every translation of their keywords) well
    // under this; a bigger file is not one, and is not read whole to find out.
    static constexpr qint64 kMaxDesktopEntryBytes = 1 << 20;

    // Whether a running program owns this application id as a well-known name on the session
    // bus, as single-instance programs of the desktop do. False without a bus.
    static bool isApplicationRunning(const QString& applicationId);

    // Whether the application at this path runs: for a desktop entry, the program owning the
    // entry's id on the bus; for an executable file, a process of this user running that file.
    static bool isApplicationRunningAtPath(const QString& path);

    // Opens a path as the desktop does: a desktop entry starts its application (GIO), an
    // executable file is started detached, anything else (a document, a folder) opens with its
    // default handler. False when nothing could be started; the reason is logged.
    static bool openFile(const QString& path);

    // Opens an address (file:, https:, ...) with the desktop's default handler for it.
    static bool openUri(const QByteArray& uri);
};
