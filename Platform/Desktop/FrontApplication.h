#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The application whose window is in front, as the desktop names it. Every text comes from
// another program and has been bounded and stripped of control characters (WindowText).
struct FrontApplication {
    QString appId;      // Wayland app_id, or X11 _GTK_APPLICATION_ID; may be empty
    QString wmClass;    // X11 WM_CLASS class part ("Gimp"); empty on Wayland
    QString wmInstance; // X11 WM_CLASS instance part ("gimp")
    qint64 pid = 0;     // _NET_WM_PID where known, else 0
    QString title;      // the window's title, for logs only

    // Names a rule may give it, best first: appId, wmClass, wmInstance (non-empty, each once).
    QStringList names() const;
    // Whether nothing names it (no window in front yet).
    bool isEmpty() const { return appId.isEmpty() && wmClass.isEmpty() && wmInstance.isEmpty(); }
    // The same application for the rules: the names and the process, not the title.
    bool sameApplication(const FrontApplication& other) const {
        return appId == other.appId && wmClass == other.wmClass && wmInstance == other.wmInstance &&
               pid == other.pid;
    }
    bool operator==(const FrontApplication&) const = default;
};
