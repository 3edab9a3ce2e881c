#pragma once

#include "Desktop/FrontApplicationSource.h"

#include <QSocketNotifier>

#include <memory>
#include <optional>

struct xcb_connection_t;

// The application in front on an X server, as the window manager names it in the root's
// _NET_ACTIVE_WINDOW (EWMH; every current window manager keeps it). A connection of its own:
// the root's property changes say when the active window changes, and the active window's own
// say when it names itself anew (toolkits that set WM_CLASS or _GTK_APPLICATION_ID after
// mapping). Events are read when the connection's socket is readable, nothing in between.
class X11FrontApplicationSource : public FrontApplicationSource {
    Q_OBJECT
public:
    // Connected to the display (as DISPLAY names it), or null with the reason in *why. The first
    // answer is told from the event loop, once the caller has connected to the signals.
    static std::unique_ptr<X11FrontApplicationSource> connect(const QString& display, QString* why,
                                                              QObject* parent = nullptr);
    ~X11FrontApplicationSource() override;

    bool available() const override { return true; }

private:
    struct Atoms {
        quint32 activeWindow = 0;
        quint32 gtkApplicationId = 0;
        quint32 wmPid = 0;
        quint32 wmName = 0;
        quint32 utf8String = 0;
    };

    X11FrontApplicationSource(xcb_connection_t* connection, quint32 root, const Atoms& atoms,
                              QObject* parent);
    void readEvents();
    // One event of xcb's: its response type, and the event itself.
    void handle(quint8 type, const void* event);
    void readActiveWindow();
    // Property changes and destruction of the window, or of no window.
    void watch(quint32 window);
    // What the window says of itself; none when it is gone.
    std::optional<FrontApplication> readWindow(quint32 window);
    void tellWindow(quint32 window, const FrontApplication& application);

    xcb_connection_t* connection_;
    quint32 root_;
    Atoms atoms_;
    quint32 watched_ = 0; // the active window, whose changes are selected
    quint32 told_ = 0;    // the window last told
    std::unique_ptr<QSocketNotifier> notifier_;
};
