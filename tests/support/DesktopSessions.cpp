#include "DesktopSessions.h"

#include "EventLoopWait.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Whether something listens on the Unix socket at the path.
bool acceptsConnections(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

constexpr int kStartMs = 20000;

std::unique_ptr<QProcess> startProcess(const QString& program, const QStringList& arguments,
                                       const QProcessEnvironment& environment, QString* why) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    // Ends with the test's process, whatever ends it.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process->start(program, arguments);
    if (!process->waitForStarted(10000)) {
        *why = QStringLiteral("%1 cannot be started: %2").arg(program, process->errorString());
        return nullptr;
    }
    return process;
}

void stopProcess(std::unique_ptr<QProcess>& process) {
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    process.reset();
}

QString errorsOf(QProcess& process) {
    return QString::fromLocal8Bit(process.readAllStandardError()).right(2000);
}

// The environment of a session's programs: none of the test's own display.
QProcessEnvironment bareEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "SWAYSOCK",
                             "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}

} // namespace

// --- X11Session --------------------------------------------------------------------------------

X11Session::~X11Session() {
    if (connection_)
        xcb_disconnect(connection_);
    stopProcess(windowManager_);
    stopProcess(server_);
}

bool X11Session::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
        why_ = QStringLiteral("Xvfb or openbox is not installed (packages xvfb, openbox)");
        return false;
    }
    // -displayfd 1: the server picks a free display and writes its number once it is ready.
    server_ = startProcess(
        QStringLiteral("Xvfb"),
        QStringLiteral("-displayfd 1 -screen 0 1024x768x24 -nolisten tcp").split(QLatin1Char(' ')),
        bareEnvironment(), &why_);
    if (!server_)
        return false;
    QByteArray number;
    while (!number.contains('\n') && server_->waitForReadyRead(kStartMs))
        number += server_->readAllStandardOutput();
    if (!number.contains('\n')) {
        why_ = QStringLiteral("Xvfb did not start: ") + errorsOf(*server_);
        return false;
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    connection_ = xcb_connect(display_.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        why_ = QStringLiteral("cannot connect to Xvfb at ") + display_;
        return false;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

    home_ = std::make_unique<QTemporaryDir>();
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("HOME"), home_->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       home_->filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_->filePath(QStringLiteral("cache")));
    windowManager_ = startProcess(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")},
                                  environment, &why_);
    if (!windowManager_)
        return false;
    // openbox names itself on the root early in its start, and drops a window's map request
    // that comes before the end of it (no property marks that end): ready once a window of
    // ours, mapped until it is, is managed.
    if (!waitForProperty(root_, "_NET_SUPPORTING_WM_CHECK", kStartMs)) {
        why_ = QStringLiteral("openbox did not start: ") + errorsOf(*windowManager_);
        return false;
    }
    const quint32 probe = openWindow(QStringLiteral("Probe"), QStringLiteral("probe"));
    if (!probe) {
        why_ = QStringLiteral("openbox manages no window: ") + errorsOf(*windowManager_);
        return false;
    }
    destroyWindow(probe);
    return true;
}

quint32 X11Session::atom(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr);
    const quint32 atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

void X11Session::setProperty(quint32 window, quint32 property, quint32 type,
                             const QByteArray& bytes) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                        uint32_t(bytes.size()), bytes.constData());
    xcb_flush(connection_);
}

bool X11Session::waitForProperty(quint32 window, const char* name, int timeoutMs) {
    const quint32 property = atom(name);
    return KxTest::waitFor(
        [&] {
            xcb_get_property_reply_t* reply = xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
                nullptr);
            const bool there = reply && reply->type != XCB_ATOM_NONE;
            std::free(reply);
            return there;
        },
        timeoutMs);
}

quint32 X11Session::openWindow(const QString& wmClass, const QString& wmInstance,
                               const QString& gtkAppId, const QString& title, quint32 pid) {
    const xcb_window_t window = xcb_generate_id(connection_);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, root_, 10, 10, 200, 150, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    if (!wmClass.isEmpty() || !wmInstance.isEmpty())
        setWmClass(window, wmClass, wmInstance);
    const quint32 utf8 = atom("UTF8_STRING");
    if (!gtkAppId.isEmpty())
        setProperty(window, atom("_GTK_APPLICATION_ID"), utf8, gtkAppId.toUtf8());
    if (!title.isEmpty())
        setTitle(window, title);
    if (pid != 0) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_PID"),
                            XCB_ATOM_CARDINAL, 32, 1, &pid);
    }
    // Managed once openbox has given it its ICCCM state; mapped again while it has not, for a
    // window manager still starting.
    const QDeadlineTimer deadline(kStartMs);
    do {
        xcb_map_window(connection_, window);
        xcb_flush(connection_);
        if (waitForProperty(window, "WM_STATE", 500))
            return window;
    } while (!deadline.hasExpired());
    return 0;
}

void X11Session::setWmClassBytes(quint32 window, const QByteArray& bytes) {
    setProperty(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, bytes);
}

void X11Session::setWmClass(quint32 window, const QString& wmClass, const QString& wmInstance) {
    setWmClassBytes(window, wmInstance.toUtf8() + '\0' + wmClass.toUtf8() + '\0');
}

void X11Session::setTitle(quint32 window, const QString& title) {
    setProperty(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), title.toUtf8());
}

void X11Session::destroyWindow(quint32 window) {
    xcb_destroy_window(connection_, window);
    xcb_flush(connection_);
}

bool X11Session::activate(quint32 window, int timeoutMs) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2; // source: a pager, which the window manager obeys
    message.data.data32[1] = XCB_CURRENT_TIME;
    message.data.data32[2] = activeWindow();
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
    return KxTest::waitFor([&] { return activeWindow() == window; }, timeoutMs);
}

quint32 X11Session::activeWindow() {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, root_, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    quint32 window = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        window = *static_cast<const quint32*>(xcb_get_property_value(reply));
    std::free(reply);
    return window;
}

void X11Session::killServer() {
    if (server_ && server_->state() != QProcess::NotRunning) {
        server_->kill();
        server_->waitForFinished(5000);
    }
}

// --- WaylandSession ----------------------------------------------------------------------------

WaylandSession::WaylandSession() : runtimeDir_(dir_.filePath(QStringLiteral("run"))) {
    QDir().mkpath(runtimeDir_);
    QFile::setPermissions(runtimeDir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

WaylandSession::~WaylandSession() {
    stopProcess(compositor_);
}

QProcessEnvironment WaylandSession::environment(const QString& currentDesktop) const {
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_);
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay_);
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    if (!currentDesktop.isEmpty())
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), currentDesktop);
    return environment;
}

bool WaylandSession::startCompositor(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& environment) {
    if (!dir_.isValid()) {
        why_ = QStringLiteral("no temporary folder");
        return false;
    }
    compositor_ = startProcess(program, arguments, environment, &why_);
    if (!compositor_)
        return false;
    const QDir runtime(runtimeDir_);
    const bool listening = KxTest::waitFor(
        [&] {
            const QStringList sockets =
                runtime.entryList({QStringLiteral("wayland-*")}, QDir::System)
                    .filter(QRegularExpression(QStringLiteral("^wayland-\\d+$")));
            if (!sockets.isEmpty())
                waylandDisplay_ = runtime.filePath(sockets.first());
            // The socket's file comes before the compositor listens on it.
            return (!sockets.isEmpty() && acceptsConnections(waylandDisplay_)) ||
                   compositor_->state() == QProcess::NotRunning;
        },
        kStartMs);
    if (!listening || waylandDisplay_.isEmpty()) {
        why_ = QStringLiteral("%1 did not start: %2").arg(program, errorsOf(*compositor_));
        return false;
    }
    return true;
}

void WaylandSession::killCompositor() {
    if (compositor_ && compositor_->state() != QProcess::NotRunning) {
        compositor_->kill();
        compositor_->waitForFinished(5000);
    }
}

// --- SwaySession -------------------------------------------------------------------------------

SwaySession::~SwaySession() {
    for (auto& [appId, client] : clients_)
        stopProcess(client);
}

bool SwaySession::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("sway")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("swaymsg")).isEmpty()) {
        why_ = QStringLiteral("sway is not installed (package sway)");
        return false;
    }
    const QString config = dir_.filePath(QStringLiteral("sway.config"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write("xwayland disable\n"
                                                       "output HEADLESS-1 resolution 1024x768\n"
                                                       "focus_on_window_activation focus\n") < 0) {
        why_ = QStringLiteral("cannot write sway's configuration");
        return false;
    }
    file.close();
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_);
    environment.insert(QStringLiteral("HOME"), dir_.path());
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    QString program = QStringLiteral("sway");
    QStringList arguments = {QStringLiteral("--config"), config};
    if (::geteuid() == 0) {
        // sway refuses root ("Unable to drop root"): as user 1000 of a user namespace of its
        // own, which is root outside, so that the test reaches its sockets.
        arguments.prepend(program);
        arguments = QStringList{QStringLiteral("--user"), QStringLiteral("--map-user=1000"),
                                QStringLiteral("--map-group=1000")} +
                    arguments;
        program = QStringLiteral("unshare");
    }
    if (!startCompositor(program, arguments, environment))
        return false;
    const QDir runtime(runtimeDir_);
    KxTest::waitFor(
        [&] {
            const QStringList ipc =
                runtime.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            if (!ipc.isEmpty())
                ipcSocket_ = runtime.filePath(ipc.first());
            return !ipc.isEmpty();
        },
        kStartMs);
    if (ipcSocket_.isEmpty()) {
        why_ = QStringLiteral("sway opened no IPC socket: ") + errorsOf(*compositor_);
        return false;
    }
    return !swaymsg({QStringLiteral("-t"), QStringLiteral("get_version")}).isEmpty();
}

QString SwaySession::swaymsg(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("SWAYSOCK"), ipcSocket_);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("swaymsg"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        why_ = QStringLiteral("swaymsg %1 failed: %2%3")
                   .arg(arguments.join(QLatin1Char(' ')),
                        QString::fromLocal8Bit(process.readAllStandardOutput()),
                        QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool SwaySession::lists(const QString& appId) {
    const QString tree = swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")});
    return tree.contains(QStringLiteral("\"app_id\": \"%1\"").arg(appId));
}

bool SwaySession::openClient(const QString& appId, const QString& title) {
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    auto client = startProcess(QStringLiteral(KX_TEST_WAYLAND_WINDOW_PATH),
                               {appId, title.isEmpty() ? appId : title}, environment, &why_);
    if (!client)
        return false;
    QProcess* process = client.get();
    clients_.emplace_back(appId, std::move(client));
    if (!KxTest::waitFor([&] { return lists(appId) || process->state() == QProcess::NotRunning; },
                         kStartMs) ||
        process->state() == QProcess::NotRunning) {
        why_ = QStringLiteral("the window %1 did not appear: %2").arg(appId, errorsOf(*process));
        return false;
    }
    return true;
}

bool SwaySession::closeClient(const QString& appId) {
    for (auto& [id, client] : clients_) {
        if (id == appId)
            stopProcess(client);
    }
    return KxTest::waitFor([&] { return !lists(appId); }, kStartMs);
}

bool SwaySession::focus(const QString& appId) {
    return !swaymsg({QStringLiteral("[app_id=\"%1\"] focus").arg(appId)}).isEmpty();
}

// --- KWinSession --------------------------------------------------------------------------------

namespace {

constexpr const char* kKWinService = "org.kde.KWin";
constexpr const char* kRepliesPath = "/KxTestKWin";
constexpr const char* kRepliesInterface = "com.vlak.KxTest.KWin";

QDBusMessage kwinScriptingCall(const char* method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kKWinService), QStringLiteral("/Scripting"),
        QStringLiteral("org.kde.kwin.Scripting"), QLatin1String(method));
    call.setArguments(arguments);
    return call;
}

QDBusMessage callKWin(const QDBusMessage& call) {
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
}

} // namespace

// The focus scripts' calls back: which script ran, and whether it found its window.
class KWinSession::Replies : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Focused") || message.arguments().size() != 2)
            return false;
        ran = message.arguments()[0].toString().toInt();
        found = message.arguments()[1].toString() == QLatin1String("yes");
        connection.send(message.createReply());
        return true;
    }

    int ran = 0;
    bool found = false;
};

KWinSession::KWinSession() : replies_(std::make_unique<Replies>()) {}

KWinSession::~KWinSession() {
    for (auto& client : clients_)
        stopProcess(client);
    QDBusConnection::sessionBus().unregisterObject(QLatin1String(kRepliesPath));
}

bool KWinSession::start() {
    const QString installed = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
    if (installed.isEmpty()) {
        why_ = QStringLiteral("KWin is not installed (package kwin-wayland)");
        return false;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerVirtualObject(QLatin1String(kRepliesPath), replies_.get())) {
        why_ = QStringLiteral("no session bus for KWin");
        return false;
    }
    if (bus.interface()->isServiceRegistered(QLatin1String(kKWinService))) {
        why_ = QStringLiteral("a KWin is already on the session bus");
        return false;
    }
    // A copy: the installed program carries a file capability (CAP_SYS_RESOURCE) that a
    // container's bounding set refuses at exec; a copy runs without it.
    const QString program = dir_.filePath(QStringLiteral("kwin_wayland"));
    if (!QFile::copy(installed, program) ||
        !QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner)) {
        why_ = QStringLiteral("cannot copy %1").arg(installed);
        return false;
    }
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_);
    environment.insert(QStringLiteral("HOME"), dir_.path());
    // Its configuration and caches apart from the test's private home.
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        environment.insert(QLatin1String(name), dir_.filePath(QLatin1String(name)));
    environment.insert(QStringLiteral("KWIN_COMPOSE"), QStringLiteral("Q"));
    if (!startCompositor(program,
                         {QStringLiteral("--virtual"), QStringLiteral("--no-lockscreen"),
                          QStringLiteral("--no-global-shortcuts"), QStringLiteral("--socket"),
                          QStringLiteral("wayland-1"), QStringLiteral("--width"),
                          QStringLiteral("1024"), QStringLiteral("--height"),
                          QStringLiteral("768")},
                         environment))
        return false;
    // Its scripting interface answers once KWin has set up its workspace.
    if (!KxTest::waitFor(
            [&] {
                return callKWin(kwinScriptingCall("isScriptLoaded", {QStringLiteral("none")}))
                               .type() == QDBusMessage::ReplyMessage ||
                       compositor_->state() == QProcess::NotRunning;
            },
            kStartMs) ||
        compositor_->state() == QProcess::NotRunning) {
        why_ = QStringLiteral("KWin's scripting did not answer: ") + errorsOf(*compositor_);
        return false;
    }
    return true;
}

bool KWinSession::runFocusScript(const QString& appId, const QString& title, bool* found) {
    const int token = ++scripts_;
    const QString name = QStringLiteral("kx-test-focus-%1").arg(token);
    // Plasma 5 names them clients, Plasma 6 windows.
    const QString text = QStringLiteral(R"JS(var found = "no";
var windows = workspace.windowList !== undefined ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < windows.length; ++i) {
    var w = windows[i];
    if (String(w.desktopFileName) === "%1" && String(w.caption) === "%2") {
        if (workspace.activeWindow !== undefined)
            workspace.activeWindow = w;
        else
            workspace.activeClient = w;
        found = "yes";
        break;
    }
}
callDBus("%3", "%4", "%5", "Focused", "%6", found);
)JS")
                             .arg(appId, title, QDBusConnection::sessionBus().baseService(),
                                  QLatin1String(kRepliesPath), QLatin1String(kRepliesInterface),
                                  QString::number(token));
    const QString path = dir_.filePath(name + QStringLiteral(".js"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        why_ = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    file.close();
    const QDBusMessage loaded = callKWin(kwinScriptingCall("loadScript", {path, name}));
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().value(0).toInt() < 0) {
        why_ = QStringLiteral("KWin did not load %1: %2").arg(name, loaded.errorMessage());
        return false;
    }
    callKWin(kwinScriptingCall("start"));
    const bool ran = KxTest::waitFor([&] { return replies_->ran == token; }, 10000);
    callKWin(kwinScriptingCall("unloadScript", {name}));
    if (!ran) {
        why_ = QStringLiteral("KWin did not run %1: %2").arg(name, errorsOf(*compositor_));
        return false;
    }
    *found = replies_->found;
    return true;
}

bool KWinSession::openClient(const QString& appId, const QString& title) {
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    auto client = startProcess(QStringLiteral(KX_TEST_WAYLAND_WINDOW_PATH), {appId, title},
                               environment, &why_);
    if (!client)
        return false;
    QProcess* process = client.get();
    clients_.push_back(std::move(client));
    bool listed = false;
    KxTest::waitFor(
        [&] {
            bool found = false;
            listed = runFocusScript(appId, title, &found) && found;
            return listed || process->state() == QProcess::NotRunning;
        },
        kStartMs);
    if (!listed)
        why_ = QStringLiteral("the window %1 did not appear: %2").arg(appId, errorsOf(*process));
    return listed;
}

bool KWinSession::focus(const QString& appId, const QString& title) {
    bool found = false;
    if (!runFocusScript(appId, title, &found))
        return false;
    if (!found)
        why_ = QStringLiteral("KWin lists no window %1 \"%2\"").arg(appId, title);
    return found;
}

bool KWinSession::scriptLoaded(const QString& pluginName) {
    const QDBusMessage reply = callKWin(kwinScriptingCall("isScriptLoaded", {pluginName}));
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

// --- WestonSession -----------------------------------------------------------------------------

bool WestonSession::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()) {
        why_ = QStringLiteral("weston is not installed (package weston)");
        return false;
    }
    QProcessEnvironment environment = bareEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_);
    environment.insert(QStringLiteral("HOME"), dir_.path());
    return startCompositor(QStringLiteral("weston"),
                           {QStringLiteral("--backend=headless-backend.so"),
                            QStringLiteral("--socket=wayland-1"), QStringLiteral("--idle-time=0"),
                            QStringLiteral("--no-config")},
                           environment);
}
