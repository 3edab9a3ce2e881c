#include "Desktop/FrontApplicationSource.h"
#include "Desktop/KWinFrontApplicationSource.h"

#include "DesktopSessions.h"
#include "EventLoopWait.h"
#include "FrontApplicationRecorder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QProcess>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The source on real Wayland compositors: sway (wlroots, with the foreign-toplevel protocol),
// weston (without it), and KDE's way through a stand-in for KWin's scripting interface.
namespace {

using Desktop = FrontApplicationSource::Desktop;

void settle() {
    KxTest::spin(300);
}

TEST(SwayFrontApplication, TellsEachFocusChangeOnce) {
    SwaySession sway;
    if (!sway.start())
        GTEST_SKIP() << sway.why().toStdString();
    ASSERT_TRUE(sway.openClient("org.example.First", "first window")) << sway.why().toStdString();
    ASSERT_TRUE(sway.openClient("org.example.Second")) << sway.why().toStdString();

    const auto source = FrontApplicationSource::forEnvironment(sway.environment("sway"));
    ASSERT_EQ(source->desktop(), Desktop::Wlroots);
    EXPECT_TRUE(source->available());
    EXPECT_EQ(FrontApplicationSource::desktopName(source->desktop()), "wlroots");
    FrontApplicationRecorder heard(*source);
    // sway focuses a new window: the second is in front.
    ASSERT_TRUE(heard.waitForCount(1));
    EXPECT_EQ(heard.told[0].appId, "org.example.Second");
    EXPECT_TRUE(heard.told[0].wmClass.isEmpty());
    EXPECT_EQ(heard.told[0].pid, 0);

    ASSERT_TRUE(sway.focus("org.example.First")) << sway.why().toStdString();
    ASSERT_TRUE(heard.waitForCount(2));
    EXPECT_EQ(heard.told[1], (FrontApplication{"org.example.First", {}, {}, 0, "first window"}));
    ASSERT_TRUE(sway.focus("org.example.Second"));
    ASSERT_TRUE(heard.waitForCount(3));
    // Focused again: not told again.
    ASSERT_TRUE(sway.focus("org.example.Second"));
    settle();
    EXPECT_EQ(heard.names(),
              (std::vector<QStringList>{
                  {"org.example.Second"}, {"org.example.First"}, {"org.example.Second"}}));

    // The window in front closes: sway gives the other the focus, which is told.
    ASSERT_TRUE(sway.closeClient("org.example.Second"));
    ASSERT_TRUE(heard.waitForCount(4));
    EXPECT_EQ(heard.told[3].appId, "org.example.First");

    sway.killCompositor();
    ASSERT_TRUE(KxTest::waitFor([&] { return heard.lost > 0; }, 10000));
    settle();
    EXPECT_EQ(heard.lost, 1);
    EXPECT_EQ(heard.told.size(), 4u);
}

struct WithoutProtocolCase {
    const char* currentDesktop;
    Desktop desktop;
    const char* name;
};

// A Wayland compositor that does not list its windows to clients: not available, and why. The
// session bus here has no KWin, so KDE without it is a Wayland desktop like any other.
TEST(WestonFrontApplication, WithoutTheProtocolItSaysWhichDesktopCannotTell) {
    WestonSession weston;
    if (!weston.start())
        GTEST_SKIP() << weston.why().toStdString();
    const WithoutProtocolCase cases[] = {
        {"", Desktop::Wayland, "wayland"},
        {"weston", Desktop::Wayland, "wayland"},
        {"GNOME", Desktop::GnomeWayland, "gnome-wayland"},
        {"ubuntu:GNOME", Desktop::GnomeWayland, "gnome-wayland"},
        {"KDE", Desktop::Wayland, "wayland"},
    };
    for (const WithoutProtocolCase& c : cases) {
        QProcessEnvironment environment = weston.environment(c.currentDesktop);
        // Its X server does not count: it sees only the X11 programs' windows.
        environment.insert("DISPLAY", ":999");
        const auto source = FrontApplicationSource::forEnvironment(environment);
        EXPECT_FALSE(source->available()) << c.currentDesktop;
        EXPECT_EQ(source->desktop(), c.desktop) << c.currentDesktop;
        EXPECT_EQ(FrontApplicationSource::desktopName(source->desktop()), c.name);
        FrontApplicationRecorder heard(*source);
        settle();
        EXPECT_TRUE(heard.told.empty());
    }
}

// --- KDE Plasma: KWin's scripting interface, served by the test's stand-in ---------------------

QDBusMessage standInCall(const char* method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.kde.KWin", "/StandIn",
                                                       "com.vlak.test.KWinStandIn", method);
    call.setArguments(arguments);
    return call;
}

QStringList loadedScripts() {
    return QDBusReply<QStringList>(QDBusConnection::sessionBus().call(standInCall("LoadedScripts")))
        .value();
}

void activate(const QStringList& window) {
    QDBusConnection::sessionBus().call(standInCall(
        "Activate", {window[0], window[1], window[2], window[3], window[4], window[5]}));
}

class KWinFrontApplicationTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        if (!weston.start())
            GTEST_SKIP() << weston.why().toStdString();
        kwin.start(KX_TEST_KWIN_SCRIPTING_PATH, QStringList{});
        ASSERT_TRUE(kwin.waitForReadyRead(10000) && kwin.readAllStandardOutput().contains("ready"))
            << kwin.readAllStandardError().toStdString();
    }
    void TearDown() override {
        kwin.kill();
        kwin.waitForFinished();
    }

    WestonSession weston;
    QProcess kwin;
};

TEST_F(KWinFrontApplicationTest, TellsWhatTheScriptSendsAndUnloadsItWhenGone) {
    // A script of ours left loaded by a run that crashed: replaced, not doubled.
    QTemporaryFile leftover;
    ASSERT_TRUE(leftover.open());
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting",
                                       "loadScript")
        << leftover.fileName() << QString(KWinFrontApplicationSource::kPluginName));
    ASSERT_EQ(loadedScripts(), QStringList{KWinFrontApplicationSource::kPluginName});
    activate({"kate", "kate", "org.kde.kate", "notes.txt — Kate", "4321", "{a-1}"});

    auto source = FrontApplicationSource::forEnvironment(weston.environment("KDE"));
    ASSERT_EQ(source->desktop(), Desktop::KWin);
    EXPECT_TRUE(source->available());
    EXPECT_EQ(FrontApplicationSource::desktopName(source->desktop()), "kwin");
    FrontApplicationRecorder heard(*source);
    // The script tells the window active when it starts.
    ASSERT_TRUE(heard.waitForCount(1));
    EXPECT_EQ(heard.told[0],
              (FrontApplication{"org.kde.kate", "kate", "kate", 4321, "notes.txt — Kate"}));

    activate({"firefox", "Navigator", "firefox", "Start\x1b[2J", "not a number", "{b-2}"});
    ASSERT_TRUE(heard.waitForCount(2));
    EXPECT_EQ(heard.told[1], (FrontApplication{"firefox", "firefox", "Navigator", 0, "Start[2J"}));
    // The same window again, with a new title: not told again.
    activate({"firefox", "Navigator", "firefox", "Other page", "not a number", "{b-2}"});
    // Another window of the same application is.
    activate({"firefox", "Navigator", "firefox", "Second window", "", "{b-3}"});
    ASSERT_TRUE(heard.waitForCount(3));
    settle();
    EXPECT_EQ(heard.told.size(), 3u);
    EXPECT_EQ(heard.told[2].title, "Second window");

    source.reset();
    EXPECT_TRUE(KxTest::waitFor([] { return loadedScripts().isEmpty(); }));
}

TEST_F(KWinFrontApplicationTest, OnlyKWinIsHeard) {
    const auto source = FrontApplicationSource::forEnvironment(weston.environment("KDE"));
    ASSERT_EQ(source->desktop(), Desktop::KWin);
    FrontApplicationRecorder heard(*source);

    // Another program on the bus (a connection of its own) calls the method the script calls.
    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "not-kwin");
    ASSERT_TRUE(other.isConnected());
    QDBusPendingCall call = other.asyncCall(
        QDBusMessage::createMethodCall(QDBusConnection::sessionBus().baseService(),
                                       KWinFrontApplicationSource::kObjectPath,
                                       KWinFrontApplicationSource::kInterface, "Activated")
        << QString("evil") << QString("evil") << QString("evil") << QString("evil") << QString("1")
        << QString("{x}"));
    ASSERT_TRUE(KxTest::waitFor([&] { return call.isFinished(); }));
    EXPECT_TRUE(call.isError());
    EXPECT_EQ(call.error().type(), QDBusError::AccessDenied);
    settle();
    EXPECT_TRUE(heard.told.empty());
}

TEST_F(KWinFrontApplicationTest, KWinLeavingTheBusIsToldAsLost) {
    const auto source = FrontApplicationSource::forEnvironment(weston.environment("KDE"));
    ASSERT_EQ(source->desktop(), Desktop::KWin);
    FrontApplicationRecorder heard(*source);
    kwin.kill();
    ASSERT_TRUE(KxTest::waitFor([&] { return heard.lost > 0; }, 10000));
    settle();
    EXPECT_EQ(heard.lost, 1);
}

} // namespace
