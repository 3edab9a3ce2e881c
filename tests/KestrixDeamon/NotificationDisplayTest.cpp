// The on-screen display as desktop notifications (Wayland): what each Notify carries, one
// notification replaced however fast the changes come, and a desktop without a service.
#include "NotificationDisplay.h"

#include "CapturedLog.h"
#include "EventLoopWait.h"
#include "NotificationServer.h"
#include "ShowMsgView.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace {

class NotificationDisplayTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
    }

    bool waitForCalls(const NotificationServer& server, size_t count) {
        return KxTest::waitFor([&] { return server.notified().size() >= count; });
    }

    NotificationDisplay display{QDBusConnection::sessionBus(), 3000};
    const CapturedLog warnings{CapturedLog::kWarnings, "kx"}; // once the display is made
};

// Each change is its words, in the summary and the body, with the program's icon: no picture
// that a service would shrink past reading, and a few hundred bytes on the bus.
TEST_F(NotificationDisplayTest, EachChangeCarriesItsWordsIconAndHints) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    display.show(QStringLiteral("1600 DPI"), QStringLiteral("Stage 2 of 4"));
    ASSERT_TRUE(waitForCalls(server, 1));
    const NotificationServer::Call& call = server.notified()[0];
    EXPECT_EQ(call.appName, QStringLiteral("Kestrix mouse"));
    EXPECT_EQ(call.replacesId, 0u);
    EXPECT_EQ(call.appIcon, QStringLiteral("com.vlak.KxOption"));
    EXPECT_EQ(call.summary, QStringLiteral("1600 DPI"));
    EXPECT_EQ(call.body, QStringLiteral("Stage 2 of 4"));
    EXPECT_TRUE(call.actions.isEmpty());
    EXPECT_EQ(call.expireTimeout, 3000);
    ASSERT_EQ(call.hints.value("urgency").metaType(), QMetaType::fromType<uchar>());
    EXPECT_EQ(call.hints.value("urgency").value<uchar>(), 0) << "low";
    EXPECT_EQ(call.hints.value("transient"), QVariant(true));
    EXPECT_FALSE(call.hints.contains("image-data"));
    KxTest::waitFor([&] { return display.currentId() != 0; });
    EXPECT_EQ(display.currentId(), 1u);

    // The next change replaces it; clear withdraws it.
    display.show(QStringLiteral("500 Hz"), {});
    ASSERT_TRUE(waitForCalls(server, 2));
    EXPECT_EQ(server.notified()[1].replacesId, 1u);
    KxTest::spin(50);
    display.clear();
    EXPECT_TRUE(KxTest::waitFor([&] { return !server.closed().empty(); }));
    EXPECT_EQ(server.closed(), std::vector<uint>{1});
    display.show(QStringLiteral("Locked"), {});
    ASSERT_TRUE(waitForCalls(server, 3));
    EXPECT_EQ(server.notified()[2].replacesId, 0u) << "the withdrawn one is not replaced";
    EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.text();
}

// On Wayland the profile an application chose is one line: "Profile 2 · GIMP".
TEST_F(NotificationDisplayTest, AProfileChosenForAnApplicationIsOneSummary) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    ShowMsgView view(ShowMsgView::viewFrame());
    view.setNotificationDisplay(&display);
    view.showProfileFor(1, QStringLiteral("GIMP"));
    ASSERT_TRUE(waitForCalls(server, 1));
    EXPECT_EQ(server.notified()[0].summary, QStringLiteral("Profile 2 · GIMP"));
    EXPECT_EQ(server.notified()[0].body, QString());
}

// Presses faster than the service answers: each later change waits for the answer naming the id
// to replace, and only the newest is sent, so the desktop never holds two.
TEST_F(NotificationDisplayTest, ABurstReplacesOneNotificationAndEndsOnTheNewest) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    server.setHoldAnswers(true);
    display.show(QStringLiteral("Profile 1"), {});
    ASSERT_TRUE(waitForCalls(server, 1));
    for (int profile = 2; profile <= 5; ++profile)
        display.show(QStringLiteral("Profile %1").arg(profile), {});
    KxTest::spin(100);
    EXPECT_EQ(server.notified().size(), 1u) << "nothing is sent before the id is known";
    server.setHoldAnswers(false);
    server.answerHeld();
    ASSERT_TRUE(waitForCalls(server, 2));
    KxTest::spin(100);
    ASSERT_EQ(server.notified().size(), 2u);
    EXPECT_EQ(server.notified()[1].replacesId, 1u);
    EXPECT_EQ(server.notified()[1].summary, QStringLiteral("Profile 5"));
}

// No service: one line in the log, nothing shown, nothing queued; a service that comes later
// gets the next change as a new notification.
TEST_F(NotificationDisplayTest, WithoutAServiceTheLogSaysSoOnceAndNothingIsShown) {
    for (int i = 0; i < 3; ++i)
        display.show(QStringLiteral("Unlocked"), {});
    ASSERT_TRUE(KxTest::waitFor([&] { return display.serviceMissing(); }, 10000));
    KxTest::spin(200);
    ASSERT_EQ(warnings.lines().size(), 1) << warnings.text();
    EXPECT_TRUE(warnings.lines()[0].contains("No notification service answers"))
        << warnings.lines()[0].toStdString();
    EXPECT_EQ(display.currentId(), 0u);

    NotificationServer server;
    ASSERT_TRUE(server.start());
    display.show(QStringLiteral("Locked"), {});
    ASSERT_TRUE(waitForCalls(server, 1));
    EXPECT_EQ(server.notified()[0].replacesId, 0u);
    EXPECT_EQ(server.notified()[0].summary, QStringLiteral("Locked"));
    EXPECT_TRUE(KxTest::waitFor([&] { return !display.serviceMissing(); }));
    EXPECT_EQ(warnings.lines().size(), 1);
}

} // namespace
