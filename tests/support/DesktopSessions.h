#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

struct xcb_connection_t;

// Real desktops for the tests, each private to the test and ended with it (its destructor stops
// every process it started; they also end if the test's process dies): an X server with a
// window manager, and three Wayland compositors, headless. Each start() says whether it came up;
// why() says why not (a missing package, a compositor that refuses to run).

// Xvfb with openbox, which keeps the root's _NET_ACTIVE_WINDOW; windows made by the test
// through a connection of the session's own.
class X11Session {
public:
    X11Session() = default;
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;
    ~X11Session();

    bool start();
    const QString& why() const { return why_; }
    // ":N", as DISPLAY names it.
    const QString& display() const { return display_; }

    // A small window with the WM_CLASS parts (none when both are empty) and, when given,
    // _GTK_APPLICATION_ID, title and _NET_WM_PID, mapped and managed by openbox (which activates
    // it, as it does new windows); its id, or 0.
    quint32 openWindow(const QString& wmClass, const QString& wmInstance,
                       const QString& gtkAppId = {}, const QString& title = {}, quint32 pid = 0);
    // Raw WM_CLASS bytes, as a careless or hostile program may set them.
    void setWmClassBytes(quint32 window, const QByteArray& bytes);
    void setWmClass(quint32 window, const QString& wmClass, const QString& wmInstance);
    void setTitle(quint32 window, const QString& title);
    void destroyWindow(quint32 window);
    // Asks the window manager to activate the window as a pager does (a _NET_ACTIVE_WINDOW
    // client message to the root); true once the root says it is active.
    bool activate(quint32 window, int timeoutMs = 5000);
    quint32 activeWindow();
    // The X server ends at once, as a crash ends it.
    void killServer();

private:
    quint32 atom(const char* name);
    void setProperty(quint32 window, quint32 property, quint32 type, const QByteArray& bytes);
    bool waitForProperty(quint32 window, const char* name, int timeoutMs);

    QString why_;
    QString display_;
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> windowManager_;
    xcb_connection_t* connection_ = nullptr;
    quint32 root_ = 0;
};

// A Wayland compositor of the test's own, in a private runtime folder.
class WaylandSession {
public:
    WaylandSession();
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;
    virtual ~WaylandSession();

    const QString& why() const { return why_; }
    // WAYLAND_DISPLAY for a client: the socket's absolute path.
    const QString& waylandDisplay() const { return waylandDisplay_; }
    const QString& runtimeDir() const { return runtimeDir_; }
    // The environment of a client of this compositor alone (no DISPLAY, nothing of the test's
    // own session) with the given XDG_CURRENT_DESKTOP.
    QProcessEnvironment environment(const QString& currentDesktop = {}) const;
    // The compositor ends at once, as a crash ends it.
    void killCompositor();

protected:
    // Starts the compositor and waits for its socket; false with why() set.
    bool startCompositor(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment);

    QString why_;
    QTemporaryDir dir_;
    QString runtimeDir_;
    QString waylandDisplay_;
    std::unique_ptr<QProcess> compositor_;
};

// sway, headless (wlroots' headless backend and pixman renderer, no input devices, no
// Xwayland). Run as root it is started in a user namespace of its own as an ordinary user,
// since sway refuses to run as root.
class SwaySession : public WaylandSession {
public:
    ~SwaySession() override;

    bool start();
    // A Qt window (Qt's Wayland platform) whose app_id is appId; true once sway lists it.
    bool openClient(const QString& appId, const QString& title = {});
    // Ends the client of that app_id; true once sway no longer lists it.
    bool closeClient(const QString& appId);
    // swaymsg '[app_id="<appId>"] focus'.
    bool focus(const QString& appId);
    // swaymsg with the arguments: its output, or empty with why() set when it fails.
    QString swaymsg(const QStringList& arguments);

private:
    bool lists(const QString& appId);

    QString ipcSocket_;
    std::vector<std::pair<QString, std::unique_ptr<QProcess>>> clients_;
};

// KWin, KDE Plasma's compositor: its virtual backend with QPainter compositing, no Xwayland, on
// the test's session bus (each case has a bus of its own). Its focus is moved by KWin scripts,
// the way Plasma's own window switcher moves it.
class KWinSession : public WaylandSession {
public:
    KWinSession();
    ~KWinSession() override;

    bool start();
    // A Qt window whose app_id is appId, with the title; true once KWin lists it.
    bool openClient(const QString& appId, const QString& title);
    // Activates the window of that app_id and title; true once KWin has.
    bool focus(const QString& appId, const QString& title);
    // Whether KWin holds a script of that name.
    bool scriptLoaded(const QString& pluginName);

private:
    class Replies;
    // Runs a script that activates the window, if it is listed; true once it ran, *found set.
    bool runFocusScript(const QString& appId, const QString& title, bool* found);

    std::unique_ptr<Replies> replies_;
    std::vector<std::unique_ptr<QProcess>> clients_;
    int scripts_ = 0;
};

// weston, headless: a Wayland compositor without the wlroots protocols.
class WestonSession : public WaylandSession {
public:
    bool start();
};
