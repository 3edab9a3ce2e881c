// The programs in a real Wayland session: weston (Debian's, X11 backend on the test's own Xvfb)
// with Qt's Wayland platform. The daemon must never take the keyboard from the window the user
// is in: its display goes to the desktop's notifications (a service of this test's own on the
// session bus). The main window starts, reads the emulated mouse, is drawn, and moves when it is
// dragged by its strip; its loading window and dialogs belong to it.
#include "DesktopSession.h"

#include "EventLoopWait.h"
#include "NotificationServer.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include <csignal>
#include <sys/prctl.h>

extern QString desktopUnavailable;

namespace {
const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);
constexpr QRgb kBackground = 0x204060;
constexpr QSize kMainWindow{860, 560};

const QRegularExpression kKeyboardEnter(QStringLiteral(R"(wl_keyboard@\d+\.enter\()"));
const QRegularExpression kKeyboardLeave(QStringLiteral(R"(wl_keyboard@\d+\.leave\()"));

class WaylandSessionTest : public testing::Test {
protected:
    void SetUp() override {
        if (!desktopUnavailable.isEmpty())
            GTEST_SKIP() << desktopUnavailable.toStdString();
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        QString why;
        ASSERT_TRUE(DesktopSession::startWeston(kBackground, &why)) << why.toStdString();
    }
    void TearDown() override {
        for (auto it = processes.rbegin(); it != processes.rend(); ++it) {
            QProcess& process = **it;
            if (process.state() == QProcess::NotRunning)
                continue;
            process.terminate();
            if (!process.waitForFinished(5000))
                process.kill();
        }
        processes.clear();
        DesktopSession::stopWeston();
    }

    // A program that ends with the test, its standard error (and output) kept in a file.
    QProcess& start(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment, const QString& logName) {
        auto& process = *processes.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(logPath(logName));
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForStarted(5000)) << program.toStdString();
        return process;
    }
    static QString logPath(const QString& name) {
        return PrivateHome::dir("state") + QLatin1Char('/') + name + QStringLiteral(".log");
    }
    static QString readLog(const QString& name) {
        QFile file(logPath(name));
        file.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(file.readAll());
    }

    void startMouse() {
        QProcess& mouse = start(KX_VIRTUAL_MOUSE_PATH, {QStringLiteral("serve")},
                                QProcessEnvironment::systemEnvironment(), "mouse");
        ASSERT_TRUE(KxTest::waitFor([&] { return mouse.canReadLine(); }, 10000));
    }
    QString mouseCommand(const QString& line) {
        QProcess client;
        client.start(KX_VIRTUAL_MOUSE_PATH, line.split(' '));
        EXPECT_TRUE(client.waitForFinished(10000));
        EXPECT_EQ(client.exitCode(), 0) << client.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(client.readAllStandardOutput());
    }
    // The daemon in the Wayland session, its protocol traffic logged (WAYLAND_DEBUG).
    void startDaemon(const QProcessEnvironment& environment) {
        QProcessEnvironment traced = environment;
        traced.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        QProcess& daemon = start(KX_DAEMON_PATH, {}, traced, "daemon");
        QString output;
        ASSERT_TRUE(KxTest::waitFor(
            [&] {
                output += QString::fromLocal8Bit(daemon.readAllStandardOutput());
                return output.contains("Starting run loop.") || daemon.state() != QProcess::Running;
            },
            10000));
        ASSERT_EQ(daemon.state(), QProcess::Running) << readLog("daemon").right(3000).toStdString();
    }

    // The DPI button pressed on the mouse until the service has seen count notifications.
    bool pressDpiUntilNotified(const NotificationServer& server, size_t count) {
        mouseCommand(QStringLiteral("press dpi"));
        return KxTest::waitFor([&] { return server.notified().size() >= count; }, 5000);
    }

    void theDaemonNeverTakesTheKeyboard(const QProcessEnvironment& daemonEnvironment);

    std::vector<std::unique_ptr<QProcess>> processes;
};

void WaylandSessionTest::theDaemonNeverTakesTheKeyboard(const QProcessEnvironment& environment) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    startMouse();
    // The window the user is in: it has the keyboard.
    QProcessEnvironment traced = DesktopSession::waylandEnvironment();
    traced.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    start(QStringLiteral("weston-flower"), {}, traced, "focused");
    ASSERT_TRUE(KxTest::waitFor([] { return readLog("focused").contains(kKeyboardEnter); }, 10000))
        << readLog("focused").right(2000).toStdString();

    startDaemon(environment);
    for (int press = 0; press < 2; ++press)
        pressDpiUntilNotified(server, size_t(press) + 1);
    KxTest::spin(1000);
    EXPECT_FALSE(readLog("daemon").contains(kKeyboardEnter))
        << "the daemon's surface took the keyboard";
    EXPECT_FALSE(readLog("focused").contains(kKeyboardLeave))
        << "the focused window lost the keyboard";
    EXPECT_FALSE(readLog("daemon").contains(QStringLiteral("xdg_toplevel")))
        << "the daemon made a top-level window";
    EXPECT_EQ(server.notified().size(), 2u) << "each press is shown, as a notification";
}

// A session whose programs choose Wayland themselves, and one that names it (QT_QPA_PLATFORM).
TEST_F(WaylandSessionTest, ADpiPressLeavesTheKeyboardWithTheFocusedWindow) {
    theDaemonNeverTakesTheKeyboard(DesktopSession::waylandEnvironment());
}

TEST_F(WaylandSessionTest, ADpiPressLeavesTheKeyboardWhereTheSessionNamesQtsPlatform) {
    QProcessEnvironment environment = DesktopSession::waylandEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    theDaemonNeverTakesTheKeyboard(environment);
}

// What the desktop receives, field by field, and a burst of presses that replaces one
// notification instead of stacking several.
TEST_F(WaylandSessionTest, TheDaemonNotifiesAndReplacesOnABurst) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    startMouse();
    startDaemon(DesktopSession::waylandEnvironment());
    ASSERT_TRUE(pressDpiUntilNotified(server, 1));
    const QString state = mouseCommand(QStringLiteral("dump"));
    const NotificationServer::Call first = server.notified()[0];
    std::cout << "Notify(app_name=\"" << first.appName.toStdString()
              << "\", replaces_id=" << first.replacesId << ", app_icon=\""
              << first.appIcon.toStdString() << "\", summary=\"" << first.summary.toStdString()
              << "\", body=\"" << first.body.toStdString() << "\", actions=[], hints={urgency: "
              << int(first.hints.value("urgency").value<uchar>())
              << ", transient: " << first.hints.value("transient").toBool()
              << "}, expire_timeout=" << first.expireTimeout << ")\n";
    EXPECT_EQ(first.appName, QStringLiteral("Kestrix mouse"));
    EXPECT_EQ(first.replacesId, 0u);
    // The words in the summary and body, short enough not to wrap; no picture that a service
    // would shrink past reading, only the program's icon.
    const QRegularExpression dpiText(QStringLiteral(R"(^(\d+) DPI\nStage (\d) of 4$)"));
    const auto match = dpiText.match(first.summary + '\n' + first.body);
    ASSERT_TRUE(match.hasMatch()) << first.summary.toStdString();
    EXPECT_TRUE(state.contains(
        QStringLiteral("stage: %1 (%2 DPI)").arg(match.captured(2), match.captured(1))))
        << state.toStdString() << " / " << first.summary.toStdString();
    EXPECT_EQ(first.hints.value("urgency").value<uchar>(), 0);
    EXPECT_EQ(first.hints.value("transient"), QVariant(true));
    EXPECT_EQ(first.expireTimeout, 3000);
    EXPECT_FALSE(first.hints.contains("image-data"));
    EXPECT_EQ(first.appIcon, QStringLiteral("com.vlak.KxOption"));

    // Four presses at once: every later notification replaces the first; the last one shows
    // where the mouse ended.
    KxTest::spin(300);
    server.setHoldAnswers(true);
    for (int press = 0; press < 4; ++press)
        mouseCommand(QStringLiteral("press dpi"));
    KxTest::spin(500);
    server.setHoldAnswers(false);
    server.answerHeld();
    KxTest::spin(1000);
    const QString end = mouseCommand(QStringLiteral("dump"));
    const std::vector<NotificationServer::Call>& calls = server.notified();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_LE(calls.size(), 5u);
    for (size_t i = 1; i < calls.size(); ++i)
        EXPECT_EQ(calls[i].replacesId, 1u) << "notification " << i << " stacks";
    const auto last = dpiText.match(calls.back().summary + '\n' + calls.back().body);
    ASSERT_TRUE(last.hasMatch());
    EXPECT_TRUE(
        end.contains(QStringLiteral("stage: %1 (%2 DPI)").arg(last.captured(2), last.captured(1))))
        << end.toStdString() << " / " << calls.back().summary.toStdString();
}

// The last lines of a client's Wayland traffic about the pointer and its pop-ups.
std::string pointerTraffic(const QString& log) {
    const QStringList lines =
        log.split(QLatin1Char('\n'))
            .filter(QRegularExpression(QStringLiteral("wl_pointer|popup|move")));
    return lines.mid(std::max<qsizetype>(0, lines.size() - 40))
        .join(QLatin1Char('\n'))
        .toStdString();
}

// The main window in the session: it reads the mouse behind its loading window (shown over it,
// a pop-up of the window), is drawn, moves when dragged by its strip, and its dialogs name it
// as their parent. The screenshot is kept in the build folder.
TEST_F(WaylandSessionTest, TheMainWindowIsDrawnAndMovesByItsStrip) {
    startMouse();
    startDaemon(DesktopSession::waylandEnvironment());
    bool read = false;
    const auto token = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxSettingChange"), [&](const Notification& n) {
            read |= n.objectInt() == 101; // sent once the whole mouse was read
        });
    QProcessEnvironment environment = DesktopSession::waylandEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    QProcess& window = start(KX_OPTION_PATH, {}, environment, "window");
    const bool wasRead =
        KxTest::waitFor([&] { return read || window.state() != QProcess::Running; }, 30000);
    DistributedNotificationCenter::defaultCenter().removeObserver(token);
    ASSERT_TRUE(wasRead && read) << readLog("window").right(3000).toStdString();

    // Drawn: a frame of the window's size on the background, with its pictures in it.
    QImage screen;
    QRect bounds;
    EXPECT_TRUE(KxTest::waitFor(
        [&] {
            screen = DesktopSession::grabScreen();
            bounds = DesktopSession::boundsOtherThan(
                screen.copy(QRect(QPoint(0, 0), DesktopSession::outputSize())), kBackground);
            return bounds.size() == kMainWindow;
        },
        10000))
        << "drawn at " << bounds.x() << "," << bounds.y() << " " << bounds.width() << "x"
        << bounds.height();
    QDir().mkpath(KX_SCREENSHOT_DIR);
    const QString shot = QStringLiteral(KX_SCREENSHOT_DIR "/MainView_weston.png");
    EXPECT_TRUE(screen.copy(QRect(QPoint(0, 0), DesktopSession::outputSize())).save(shot));
    std::cout << "screenshot: " << shot.toStdString() << "\n";
    QSet<QRgb> colours;
    for (int y = bounds.top(); y <= bounds.bottom(); y += 3)
        for (int x = bounds.left(); x <= bounds.right(); x += 3)
            colours.insert(screen.pixel(x, y));
    EXPECT_GT(colours.size(), 200) << "a frame without the window's pictures";

    // The loading window was a pop-up of the main window's surface, placed over it.
    const QString traffic = readLog("window");
    EXPECT_TRUE(traffic.contains(QRegularExpression(R"(xdg_surface@\d+\.get_popup\()")))
        << "the loading window is not tied to the main window";

    // Dragged by its strip, the compositor moves it.
    const QPoint grip = bounds.topLeft() + QPoint(kMainWindow.width() / 2, 20);
    // Towards the far corners of the output, so that it stays whole on it.
    const QSize room = DesktopSession::outputSize() - kMainWindow;
    const QPoint to(bounds.x() > room.width() / 2 ? 20 : room.width() - 20,
                    bounds.y() > room.height() / 2 ? 20 : room.height() - 20);
    const QPoint by = to - bounds.topLeft();
    // The compositor moves the window only while the button that asked is down: the pointer
    // moves on once the window has asked (xdg_toplevel.move), however slowly it answers.
    const auto askedToMove = [&] {
        return KxTest::waitFor(
            [&] {
                return readLog("window").contains(
                    QRegularExpression(QStringLiteral(R"(xdg_toplevel@\d+\.move\()")));
            },
            10000);
    };
    // Xvfb's injected input reaches weston's own X11 window first; on a loaded machine a press
    // now and then never reaches the client (no wl_pointer event at all), so a drag the window
    // never saw is tried again.
    bool dragged = false;
    for (int attempt = 0; attempt < 3 && !dragged; ++attempt)
        dragged = DesktopSession::drag(grip, grip + by, askedToMove);
    const std::string pointerLog = pointerTraffic(readLog("window"));
    // No pointer event at all reached the client: the session's input failed, which says
    // nothing of the window; said as skipped, never as passed.
    if (!dragged &&
        !QString::fromStdString(pointerLog)
             .contains(QRegularExpression(QStringLiteral(R"(^\[\s*[0-9.]+\]\s+wl_pointer@\d+\.)"),
                                          QRegularExpression::MultilineOption)))
        GTEST_SKIP() << "weston passed no pointer event to the window:\n" << pointerLog;
    ASSERT_TRUE(dragged) << "the window did not ask to be moved:\n" << pointerLog;
    QRect moved;
    EXPECT_TRUE(KxTest::waitFor(
        [&] {
            moved =
                DesktopSession::boundsOtherThan(DesktopSession::grabScreen().copy(QRect(
                                                    QPoint(0, 0), DesktopSession::outputSize())),
                                                kBackground);
            return moved.topLeft() == bounds.topLeft() + by;
        },
        5000))
        << "moved to " << moved.x() << "," << moved.y() << " from " << bounds.x() << ","
        << bounds.y();
    EXPECT_EQ(moved.size(), kMainWindow);

    // A dialog names the main window as its parent (the compositor opens it beside it): the
    // performance view, opened with its button (View/Layout/MainViewLayout.h: 424,392 126x46).
    const QRegularExpression mainToplevel(
        QStringLiteral(R"(xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\))"));
    const QString mainId = mainToplevel.match(readLog("window")).captured(1);
    ASSERT_FALSE(mainId.isEmpty());
    ASSERT_TRUE(DesktopSession::click(moved.topLeft() + QPoint(424 + 63, 392 + 23)));
    EXPECT_TRUE(KxTest::waitFor(
        [&] {
            return readLog("window").contains(QRegularExpression(
                QStringLiteral(R"(xdg_toplevel@\d+\.set_parent\(xdg_toplevel@%1\))").arg(mainId)));
        },
        5000))
        << "the performance view is not tied to the main window";
}

} // namespace
