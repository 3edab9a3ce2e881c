#include "Desktop/X11FrontApplicationSource.h"

#include "DesktopSessions.h"
#include "EventLoopWait.h"
#include "FrontApplicationRecorder.h"

#include <gtest/gtest.h>

// The source against a real X server with a real window manager: openbox keeps
// _NET_ACTIVE_WINDOW as window managers do, the windows are the test's own.
namespace {

class X11FrontApplicationSourceTest : public testing::Test {
protected:
    void SetUp() override {
        if (!session.start())
            GTEST_SKIP() << session.why().toStdString();
    }

    std::unique_ptr<X11FrontApplicationSource> connect() {
        QString why;
        auto source = X11FrontApplicationSource::connect(session.display(), &why);
        EXPECT_TRUE(source) << why.toStdString();
        return source;
    }

    // Nothing more told after a while.
    static void settle() { KxTest::spin(300); }

    X11Session session;
};

TEST_F(X11FrontApplicationSourceTest, TellsEachActivationWithTheWindowsNames) {
    const quint32 gimp = session.openWindow("Gimp", "gimp", {}, "Untitled", 4242);
    const quint32 firefox =
        session.openWindow("firefox-esr", "Navigator", "org.mozilla.firefox", "Start Page");
    ASSERT_TRUE(gimp && firefox);
    ASSERT_TRUE(session.activate(firefox));

    const auto source = connect();
    ASSERT_TRUE(source);
    EXPECT_TRUE(source->available());
    EXPECT_EQ(source->desktop(), FrontApplicationSource::Desktop::X11);
    FrontApplicationRecorder heard(*source);
    // The first answer comes from the event loop, once the caller listens.
    EXPECT_TRUE(source->front().isEmpty());
    ASSERT_TRUE(heard.waitForCount(1));
    EXPECT_EQ(heard.told[0].appId, "org.mozilla.firefox");
    EXPECT_EQ(heard.told[0].wmClass, "firefox-esr");
    EXPECT_EQ(heard.told[0].wmInstance, "Navigator");
    EXPECT_EQ(heard.told[0].title, "Start Page");

    ASSERT_TRUE(session.activate(gimp));
    ASSERT_TRUE(heard.waitForCount(2));
    EXPECT_EQ(heard.told[1], (FrontApplication{{}, "Gimp", "gimp", 4242, "Untitled"}));
    EXPECT_EQ(source->front(), heard.told[1]);

    ASSERT_TRUE(session.activate(firefox));
    ASSERT_TRUE(heard.waitForCount(3));
    settle();
    EXPECT_EQ(heard.names(),
              (std::vector<QStringList>{{"org.mozilla.firefox", "firefox-esr", "Navigator"},
                                        {"Gimp", "gimp"},
                                        {"org.mozilla.firefox", "firefox-esr", "Navigator"}}));
}

TEST_F(X11FrontApplicationSourceTest, TheSameWindowAgainOrItsNewTitleIsNotTold) {
    const quint32 editor = session.openWindow("Gedit", "gedit", {}, "notes.txt");
    ASSERT_TRUE(editor && session.activate(editor));
    const auto source = connect();
    ASSERT_TRUE(source);
    FrontApplicationRecorder heard(*source);
    ASSERT_TRUE(heard.waitForCount(1));

    session.activate(editor);
    session.setTitle(editor, "todo.txt");
    settle();
    EXPECT_EQ(heard.told.size(), 1u);
}

// Toolkits that name their window after mapping it: the new names are told, even while the
// window stays in front.
TEST_F(X11FrontApplicationSourceTest, ANewClassOfTheWindowInFrontIsTold) {
    const quint32 window = session.openWindow({}, {});
    ASSERT_TRUE(window && session.activate(window));
    const auto source = connect();
    ASSERT_TRUE(source);
    FrontApplicationRecorder heard(*source);
    ASSERT_TRUE(heard.waitForCount(1));
    EXPECT_TRUE(heard.told[0].names().isEmpty());

    session.setWmClass(window, "Inkscape", "org.inkscape.Inkscape");
    ASSERT_TRUE(heard.waitForCount(2));
    EXPECT_EQ(heard.told[1].names(), (QStringList{"Inkscape", "org.inkscape.Inkscape"}));

    // A window no longer in front is no longer watched.
    const quint32 other = session.openWindow("XTerm", "xterm");
    ASSERT_TRUE(other && session.activate(other));
    ASSERT_TRUE(heard.waitForCount(3));
    session.setWmClass(window, "Changed", "changed");
    settle();
    EXPECT_EQ(heard.told.size(), 3u);
    EXPECT_EQ(source->front().wmClass, "XTerm");
}

TEST_F(X11FrontApplicationSourceTest, AMalformedClassIsReadWithinItsBound) {
    const quint32 window = session.openWindow({}, {});
    ASSERT_TRUE(window && session.activate(window));
    const auto source = connect();
    ASSERT_TRUE(source);
    FrontApplicationRecorder heard(*source);
    ASSERT_TRUE(heard.waitForCount(1));

    // 5000 bytes, a control character, no NUL anywhere.
    session.setWmClassBytes(window, "evil\x1b[2J" + QByteArray(5000, 'x'));
    ASSERT_TRUE(heard.waitForCount(2));
    EXPECT_TRUE(heard.told[1].wmInstance.startsWith("evil[2Jxxx"));
    EXPECT_LE(heard.told[1].wmInstance.size(), 1024);
    EXPECT_TRUE(heard.told[1].wmClass.isEmpty());
}

TEST_F(X11FrontApplicationSourceTest, AWindowDestroyedInFrontIsNoFault) {
    const quint32 first = session.openWindow("First", "first");
    const quint32 second = session.openWindow("Second", "second");
    ASSERT_TRUE(first && second && session.activate(second));
    const auto source = connect();
    ASSERT_TRUE(source);
    FrontApplicationRecorder heard(*source);
    ASSERT_TRUE(heard.waitForCount(1));
    const size_t before = heard.told.size();

    session.destroyWindow(second);
    settle();
    // Activated and gone before the source reads it: nothing told of it, and no fault.
    const quint32 brief = session.openWindow("Brief", "brief");
    ASSERT_TRUE(brief);
    session.activate(brief, 0);
    session.destroyWindow(brief);
    settle();

    ASSERT_TRUE(session.activate(first));
    ASSERT_TRUE(KxTest::waitFor([&] { return source->front().wmClass == "First"; }, 10000));
    for (size_t i = before; i < heard.told.size(); ++i)
        EXPECT_NE(heard.told[i].wmClass, "Second") << "told after it was gone";
    EXPECT_EQ(heard.lost, 0);
}

TEST_F(X11FrontApplicationSourceTest, TheServerEndingIsToldAsLost) {
    const quint32 window = session.openWindow("XTerm", "xterm");
    ASSERT_TRUE(window && session.activate(window));
    const auto source = connect();
    ASSERT_TRUE(source);
    FrontApplicationRecorder heard(*source);
    ASSERT_TRUE(heard.waitForCount(1));

    session.killServer();
    ASSERT_TRUE(KxTest::waitFor([&] { return heard.lost > 0; }, 10000));
    settle();
    EXPECT_EQ(heard.lost, 1);
    EXPECT_EQ(source->front().wmClass, "XTerm"); // the last told stays
}

} // namespace
