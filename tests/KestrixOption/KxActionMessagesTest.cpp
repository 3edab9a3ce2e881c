#include "EventLoopWait.h"
#include "KxAction.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Notifications/NotificationCenter.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

class KxActionMessagesTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        token = DistributedNotificationCenter::defaultCenter().addObserver(
            QStringLiteral("KxSettingChange"),
            [this](const Notification& n) { received.push_back(n); });
    }
    void TearDown() override {
        DistributedNotificationCenter::defaultCenter().removeObserver(token);
    }

    QList<int> values(const Notification& n) const {
        QList<int> out;
        for (int i = 1; n.userInfo && n.userInfo->contains(QStringLiteral("value%1").arg(i)); ++i)
            out << n.userInfo->value(QStringLiteral("value%1").arg(i)).toInt();
        return out;
    }

    DistributedNotificationCenter::Token token = 0;
    std::vector<Notification> received;
};

TEST_F(KxActionMessagesTest, CodesAndIndexedValuesReachTheDaemon) {
    // From the event loop, as the window sends them.
    QTimer::singleShot(0, [] {
        KxAction::sendMessageToDaemon(101);
        KxAction::sendMessageToDaemon(110, {false});
        KxAction::sendDPiChangeToDaemon(2, 17, 9);
        KxAction::sendProfileChangeToDaemon(4);
        KxAction::sendRateChangeToDaemon(1);
        KxAction::sendModeChangeToDaemon(0);
        KxAction::sendRelaunchDaemon();
        KxAction::sendMessageToDaemon(111, {});
    });
    ASSERT_TRUE(KxTest::waitFor([&] { return received.size() == 8; }));

    EXPECT_EQ(received[0].object.toString(), QStringLiteral("101"));
    EXPECT_FALSE(received[0].userInfo);
    EXPECT_EQ(received[1].userInfo->value(QStringLiteral("value1")).typeId(), QMetaType::Bool);
    EXPECT_EQ(values(received[2]), QList<int>({3, 2, 17, 9}));
    EXPECT_EQ(values(received[3]), QList<int>({1, 4}));
    EXPECT_EQ(values(received[4]), QList<int>({4, 1}));
    EXPECT_EQ(values(received[5]), QList<int>({2, 0}));
    EXPECT_EQ(received[6].object.toString(), QStringLiteral("121"));
    ASSERT_TRUE(received[7].userInfo) << "an empty list gives an empty dictionary, not none";
    EXPECT_TRUE(received[7].userInfo->isEmpty());
}

} // namespace
