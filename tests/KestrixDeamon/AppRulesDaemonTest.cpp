// The mouse's profile follows the application in front: the daemon and kx-virtual-mouse as
// programs of their own, a real desktop of the test's own (Xvfb with openbox, sway headless,
// KWin virtual, weston headless) whose focus the test moves as a user does, this process standing
// in for the configuration window where one is needed. What counts is what the mouse did: its
// active profile and how often a host switched it.
#include "Desktop/KWinFrontApplicationSource.h"
#include "DesktopSessions.h"
#include "EventLoopWait.h"
#include "KxAction.h"
#include "KxAppRules.h"
#include "KxMessages.h"
#include "PrivateHome.h"
#include "Programs.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {
using namespace KxMessages;
const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

int activeProfile() {
    return MouseDump::activeProfile(MouseProgram::dump());
}

int hostSwitches() {
    return MouseDump::count(MouseProgram::command(QStringLiteral("status")),
                            QStringLiteral("profile switches by the host"));
}

KxAppRules rules(std::optional<int> otherwise = {}) {
    KxAppRules result;
    result.rules = {{QStringLiteral("Alpha"), 2}, {QStringLiteral("org.example.Beta"), 4}};
    result.otherwise = otherwise;
    return result;
}

// A Wayland client's app_id for each of the sequence's applications (a second window of an
// application is named after it: "beta-2").
QString appId(const QString& app) {
    const QString base = app.section(QLatin1Char('-'), 0, 0);
    return base == QLatin1String("beta") ? QStringLiteral("org.example.Beta")
                                         : base.left(1).toUpper() + base.mid(1);
}

// The daemon's environment in a Wayland session of that display and desktop.
QProcessEnvironment waylandEnvironment(const QString& display, const QString& currentDesktop) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), display);
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), currentDesktop);
    return environment;
}

// A desktop whose focus the test moves: opens an application's window (which comes to the
// front) and brings one to the front.
struct Desktop {
    std::function<bool(const QString& app)> open;
    std::function<bool(const QString& app)> focus;
    QProcessEnvironment environment; // the daemon's
    std::function<QString()> why;    // why the last open or focus failed
};

class AppRulesDaemonTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
    }

    // Wayland's client library takes its locks where ThreadSanitizer cannot follow them and
    // reports its own unlocks as faults; the X11 case checks the daemon's threads there.
    static bool threadSanitizerBuild() {
#ifdef __SANITIZE_THREAD__
        return true;
#else
        return false;
#endif
    }

    void startMouseAndDaemon(const QProcessEnvironment& environment) {
        ASSERT_TRUE(mouse.serve());
        ASSERT_TRUE(daemon.serve(environment)) << daemon.errors().toStdString();
    }

    // The profile the mouse settles on within the time.
    static bool profileBecomes(int profile, int ms = 5000) {
        return KxTest::waitFor([profile] { return activeProfile() == profile; }, ms);
    }

    // Nothing changes for a while: the profile stays and no host switched it.
    static void staysFor(int profile, int switches, int ms = 1200) {
        KxTest::spin(ms);
        EXPECT_EQ(activeProfile(), profile);
        EXPECT_EQ(hostSwitches(), switches);
    }

    // Which desktop tells, as the daemon answers the window and kxctl.
    static std::pair<bool, QString> availability() {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QLatin1String(kDaemonService), QLatin1String(kRulesPath),
            QLatin1String(kRulesInterface), QStringLiteral("Availability"));
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
            return {false, QStringLiteral("no answer: ") + reply.errorMessage()};
        return {reply.arguments()[0].toBool(), reply.arguments()[1].toString()};
    }

    // The last application in front: its id and the name a person reads.
    static std::pair<QString, QString> frontApplication() {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QLatin1String(kDaemonService), QLatin1String(kRulesPath),
            QLatin1String(kRulesInterface), QStringLiteral("FrontApplication"));
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
        return {reply.arguments().value(0).toString(), reply.arguments().value(1).toString()};
    }

    // The sequence a user makes, the same on every desktop that tells.
    void followsTheApplicationInFront(const Desktop& desktop) {
        ASSERT_TRUE(rules().save());
        const QString entries = PrivateHome::dir("data") + QStringLiteral("/applications");
        ASSERT_TRUE(QDir().mkpath(entries));
        QFile entry(entries + QStringLiteral("/Alpha.desktop"));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Alpha Editor\nExec=true\n");
        entry.close();
        ASSERT_TRUE(desktop.open(QStringLiteral("alpha"))) << desktop.why().toStdString();
        // In front when the daemon starts.
        ASSERT_TRUE(desktop.open(QStringLiteral("beta"))) << desktop.why().toStdString();
        ASSERT_NO_FATAL_FAILURE(startMouseAndDaemon(desktop.environment));
        ASSERT_EQ(activeProfile(), 1) << "the mouse starts as it leaves the factory";

        // What is in front at the start counts.
        ASSERT_TRUE(profileBecomes(4));
        EXPECT_EQ(hostSwitches(), 1);
        ASSERT_TRUE(desktop.focus(QStringLiteral("alpha")));
        ASSERT_TRUE(profileBecomes(2));
        EXPECT_EQ(hostSwitches(), 2);

        // Alt+Tab through the windows back to where it was: nothing written; through them to
        // the other: written once.
        for (const char* app : {"beta", "alpha", "beta", "alpha"})
            ASSERT_TRUE(desktop.focus(QLatin1String(app)));
        staysFor(2, 2);
        for (const char* app : {"beta", "alpha", "beta"})
            ASSERT_TRUE(desktop.focus(QLatin1String(app)));
        ASSERT_TRUE(profileBecomes(4));
        staysFor(4, 3);

        // A switch on the mouse's own button stands while the application stays in front, also
        // across its other windows.
        MouseProgram::command(QStringLiteral("press profile"));
        ASSERT_EQ(activeProfile(), 5);
        ASSERT_TRUE(desktop.open(QStringLiteral("beta-2")));
        staysFor(5, 3);
        // The configuration window coming and going is no other application either.
        ASSERT_TRUE(desktop.open(QStringLiteral("kxoption")));
        ASSERT_TRUE(desktop.focus(QStringLiteral("beta")));
        staysFor(5, 3);
        ASSERT_TRUE(desktop.focus(QStringLiteral("alpha")));
        ASSERT_TRUE(profileBecomes(2));
        EXPECT_EQ(hostSwitches(), 4);
        // Alpha is installed here: its entry's name is what a person reads.
        EXPECT_EQ(frontApplication(),
                  std::make_pair(QStringLiteral("Alpha"), QStringLiteral("Alpha Editor")));

        // The window open: the rules pause.
        QDBusConnection bus = QDBusConnection::sessionBus();
        ASSERT_TRUE(bus.registerService(QStringLiteral("com.vlak.KxOption")));
        ASSERT_TRUE(desktop.focus(QStringLiteral("beta")));
        staysFor(2, 4);
        ASSERT_TRUE(bus.unregisterService(QStringLiteral("com.vlak.KxOption")));

        // Rules changed and the daemon told: "otherwise" for an application without a rule;
        // then all of them off.
        ASSERT_TRUE(rules(3).save());
        KxAction::sendMessageToDaemon(kRulesChanged);
        ASSERT_TRUE(desktop.open(QStringLiteral("gamma")));
        ASSERT_TRUE(profileBecomes(3));
        EXPECT_EQ(hostSwitches(), 5);
        KxAppRules off = rules(3);
        off.enabled = false;
        ASSERT_TRUE(off.save());
        KxAction::sendMessageToDaemon(kRulesChanged);
        KxTest::spin(300);
        ASSERT_TRUE(desktop.focus(QStringLiteral("alpha")));
        staysFor(3, 5);
        EXPECT_EQ(daemon.process.state(), QProcess::Running);
        // The switches saved nothing: the profile files are another program's to write, and
        // a save from the daemon's copy could undo theirs.
        EXPECT_TRUE(QDir(PrivateHome::dir("data") + QStringLiteral("/com.vlak.KxOption/Profiles"))
                        .entryList(QDir::Files)
                        .isEmpty());
    }

    MouseProgram mouse;
    DaemonProgram daemon;
};

TEST_F(AppRulesDaemonTest, X11FollowsTheActiveWindowsClass) {
    X11Session x11;
    if (!x11.start())
        GTEST_SKIP() << x11.why().toStdString();
    std::map<QString, quint32> windows;
    Desktop desktop;
    // alpha by its class; beta by its toolkit's application id, its class saying otherwise.
    desktop.open = [&](const QString& app) {
        const QString base = app.section(QLatin1Char('-'), 0, 0);
        const quint32 window =
            base == QLatin1String("beta")
                ? x11.openWindow(QStringLiteral("Betaview"), QStringLiteral("betaview"),
                                 QStringLiteral("org.example.Beta"), app)
                : x11.openWindow(base.left(1).toUpper() + base.mid(1), base, {}, app);
        windows[app] = window;
        return window != 0 && x11.activate(window);
    };
    desktop.focus = [&](const QString& app) { return x11.activate(windows.at(app)); };
    desktop.why = [&] { return x11.why(); };
    desktop.environment = QProcessEnvironment::systemEnvironment();
    desktop.environment.insert(QStringLiteral("DISPLAY"), x11.display());
    desktop.environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    ASSERT_NO_FATAL_FAILURE(followsTheApplicationInFront(desktop));
    EXPECT_EQ(availability(), std::make_pair(true, QStringLiteral("x11")));
}

TEST_F(AppRulesDaemonTest, SwayFollowsTheActivatedToplevelsAppId) {
    if (threadSanitizerBuild())
        GTEST_SKIP() << "a Wayland client under ThreadSanitizer (see threadSanitizerBuild)";
    SwaySession sway;
    if (!sway.start())
        GTEST_SKIP() << sway.why().toStdString();
    Desktop desktop;
    desktop.open = [&](const QString& app) {
        // A second window of beta is another client of the same app_id.
        return sway.openClient(appId(app), app) && sway.focus(appId(app));
    };
    desktop.focus = [&](const QString& app) { return sway.focus(appId(app)); };
    desktop.why = [&] { return sway.why(); };
    desktop.environment = waylandEnvironment(sway.waylandDisplay(), QStringLiteral("sway"));
    ASSERT_NO_FATAL_FAILURE(followsTheApplicationInFront(desktop));
    EXPECT_EQ(availability(), std::make_pair(true, QStringLiteral("wlroots")));
}

// KDE Plasma: KWin tells the daemon's script each activation, by the window's desktop file name
// (its app_id); the script goes when the daemon does.
TEST_F(AppRulesDaemonTest, KWinFollowsTheActivatedWindowsDesktopFileName) {
    if (threadSanitizerBuild())
        GTEST_SKIP() << "a Wayland client under ThreadSanitizer (see threadSanitizerBuild)";
    KWinSession kwin;
    if (!kwin.start())
        GTEST_SKIP() << kwin.why().toStdString();
    Desktop desktop;
    // Each window by its app_id and its title, the app's name: a second window of beta is
    // another client of the same app_id.
    desktop.open = [&](const QString& app) {
        return kwin.openClient(appId(app), app) && kwin.focus(appId(app), app);
    };
    desktop.focus = [&](const QString& app) { return kwin.focus(appId(app), app); };
    desktop.why = [&] { return kwin.why(); };
    desktop.environment = waylandEnvironment(kwin.waylandDisplay(), QStringLiteral("KDE"));
    ASSERT_NO_FATAL_FAILURE(followsTheApplicationInFront(desktop));
    EXPECT_EQ(availability(), std::make_pair(true, QStringLiteral("kwin")));

    const QString script = QLatin1String(KWinFrontApplicationSource::kPluginName);
    EXPECT_TRUE(kwin.scriptLoaded(script));
    EXPECT_EQ(daemon.stop().exit, 0);
    EXPECT_TRUE(KxTest::waitFor([&] { return !kwin.scriptLoaded(script); }))
        << "the daemon's script outlived it";
}

// Compositors that do not tell: the daemon runs and says so; nothing is switched.
TEST_F(AppRulesDaemonTest, WestonAndGnomeOnWaylandAreToldAsNotAvailable) {
    if (threadSanitizerBuild())
        GTEST_SKIP() << "a Wayland client under ThreadSanitizer (see threadSanitizerBuild)";
    WestonSession weston;
    if (!weston.start())
        GTEST_SKIP() << weston.why().toStdString();
    ASSERT_TRUE(rules(3).save());
    for (const char* currentDesktop : {"weston", "GNOME"}) {
        SCOPED_TRACE(currentDesktop);
        const QProcessEnvironment environment =
            waylandEnvironment(weston.waylandDisplay(), QLatin1String(currentDesktop));
        if (!mouse.process.processId()) {
            ASSERT_TRUE(mouse.serve());
        }
        DaemonProgram daemon;
        ASSERT_TRUE(daemon.serve(environment)) << daemon.errors().toStdString();
        EXPECT_EQ(availability(),
                  std::make_pair(false, QLatin1String(currentDesktop) == QLatin1String("GNOME")
                                            ? QStringLiteral("gnome-wayland")
                                            : QStringLiteral("wayland")));
        EXPECT_EQ(frontApplication(), std::make_pair(QString(), QString()));
        staysFor(1, 0, 500);
        EXPECT_EQ(daemon.stop().exit, 0);
    }
}

} // namespace
