#pragma once

#include "Desktop/FrontApplication.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

// Tells which application is in front on this desktop, so that the mouse's profile can follow
// it. One implementation per way a desktop tells it: X11 (_NET_ACTIVE_WINDOW), wlroots
// compositors (the foreign-toplevel protocol), KDE Plasma on Wayland (a KWin script). Where the
// desktop cannot tell, this plain object stands in: not available, and never emits.
//
// Nothing in front (the desktop itself clicked, the last window closed) is not told: front()
// keeps the last application, so that a moment without a window switches no profile.
class FrontApplicationSource : public QObject {
    Q_OBJECT
public:
    enum class Desktop { X11, Wlroots, KWin, GnomeWayland, Wayland, NoDisplay };

    // The source for this session (from DISPLAY, WAYLAND_DISPLAY, XDG_CURRENT_DESKTOP and what
    // the compositor offers); always returns an object: when the desktop cannot tell,
    // available() is false and desktop() says why (GnomeWayland, Wayland = a Wayland compositor
    // without the protocol, NoDisplay). The caller owns it (parent: for its thread and lookup
    // only; destroy it before the parent or leave it to the parent and release the pointer).
    static std::unique_ptr<FrontApplicationSource> forSession(QObject* parent = nullptr);
    // As forSession, from the given environment; KWin is looked for on the session bus.
    static std::unique_ptr<FrontApplicationSource>
    forEnvironment(const QProcessEnvironment& environment, QObject* parent = nullptr);

    ~FrontApplicationSource() override;

    virtual bool available() const;
    Desktop desktop() const { return desktop_; }
    // "x11", "wlroots", "kwin", "gnome-wayland", "wayland", "no-display"
    static QString desktopName(Desktop desktop);
    // The application in front now, as last told (empty before the first).
    const FrontApplication& front() const { return front_; }

Q_SIGNALS:
    // The application in front changed (a new window of another or the same application
    // activated); also emitted when the first answer comes. Not emitted for the same window
    // told twice.
    void frontChanged(const FrontApplication& front);
    // The desktop went away (X server or compositor connection closed): no more changes.
    void lost();

protected:
    FrontApplicationSource(Desktop desktop, QObject* parent);
    // Records and tells the application now in front.
    void tell(const FrontApplication& front);
    // Tells, once, that the desktop went away.
    void tellLost();

private:
    Desktop desktop_;
    FrontApplication front_;
    bool lost_ = false;
};
