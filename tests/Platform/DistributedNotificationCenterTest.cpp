#include "Notifications/DistributedNotificationCenter.h"
#include "CapturedLog.h"
#include "EventLoopWait.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// Test processes share one session bus and run side by side: each observes a name of its own.
QString note() {
    return QStringLiteral("KxTestNote%1").arg(QCoreApplication::applicationPid());
}

class DistributedNotificationCenterTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        token =
            center().addObserver(note(), [this](const Notification& n) { received.push_back(n); });
        ASSERT_NE(token, 0u);
    }
    void TearDown() override {
        if (token)
            center().removeObserver(token);
    }
    static DistributedNotificationCenter& center() {
        return DistributedNotificationCenter::defaultCenter();
    }
    // Posts from the event loop, as the programs do.
    static void fromLoop(std::function<void()> work) { QTimer::singleShot(0, std::move(work)); }
    bool waitForCount(size_t count) {
        return KxTest::waitFor([&] { return received.size() >= count; }, 5000);
    }

    DistributedNotificationCenter::Token token = 0;
    std::vector<Notification> received;
};

TEST_F(DistributedNotificationCenterTest, NameObjectAndTypedValuesArriveInPostingOrder) {
    fromLoop([] {
        center().post({note(), 111,
                       QVariantMap{{QStringLiteral("value1"), qlonglong(3)},
                                   {QStringLiteral("value2"), true}}});
        center().post({note(), {}, std::nullopt});
        center().post({note(), QStringLiteral("x"), QVariantMap{}});
        for (int i = 0; i < 30; ++i)
            center().post({note(), i, std::nullopt});
        center().post({QStringLiteral("OtherNote"), 1, std::nullopt});
    });
    ASSERT_TRUE(waitForCount(33));
    KxTest::spin(50);
    ASSERT_EQ(received.size(), 33u) << "only the observed name";

    EXPECT_EQ(received[0].object.toString(), QStringLiteral("111"));
    ASSERT_TRUE(received[0].userInfo);
    EXPECT_EQ(received[0].userInfo->value(QStringLiteral("value1")).typeId(), QMetaType::Int);
    EXPECT_EQ(received[0].userInfo->value(QStringLiteral("value1")).toInt(), 3);
    EXPECT_EQ(received[0].userInfo->value(QStringLiteral("value2")).typeId(), QMetaType::Bool);
    EXPECT_FALSE(received[1].object.isValid()) << "no object";
    EXPECT_FALSE(received[1].userInfo) << "no dictionary";
    ASSERT_TRUE(received[2].userInfo) << "an empty dictionary is a dictionary";
    EXPECT_TRUE(received[2].userInfo->isEmpty());
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(received[3 + i].object.toString().toInt(), i);
}

// A signal is handed to each of its observers in turn; one removed meanwhile (here by the
// observer before it, which also frees what the removed one uses) must not be called: its owner
// may be gone the moment removeObserver returns.
TEST_F(DistributedNotificationCenterTest, NothingReachesAnObserverOnceItIsRemoved) {
    auto calls = std::make_unique<int>(0);
    DistributedNotificationCenter::Token second = 0;
    const auto first = center().addObserver(note(), [&](const Notification&) {
        center().removeObserver(second);
        calls.reset(); // the second observer's owner is gone
    });
    second = center().addObserver(note(), [count = calls.get()](const Notification&) { ++*count; });
    fromLoop([] { center().post({note(), 1, std::nullopt}); });
    ASSERT_TRUE(waitForCount(1));
    KxTest::spin(100);
    EXPECT_FALSE(calls) << "the first observer ran";
    center().removeObserver(first);
}

TEST_F(DistributedNotificationCenterTest, ForeignSignalsOfAnyShapeReadAsNothing) {
    auto raw = [](const QList<QVariant>& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QString::fromLatin1(DistributedNotificationCenter::kPath),
            QString::fromLatin1(DistributedNotificationCenter::kInterface), note());
        signal.setArguments(arguments);
        QDBusConnection::sessionBus().send(signal);
    };
    fromLoop([raw] {
        raw({});
        raw({5});
        raw({QStringLiteral("7"), QStringLiteral("not a map"), true});
        raw({QStringLiteral("8"), QVariantMap{{QStringLiteral("value1"), 1}},
             QStringLiteral("yes")});
    });
    ASSERT_TRUE(waitForCount(4));
    EXPECT_FALSE(received[0].object.isValid());
    EXPECT_FALSE(received[1].object.isValid()) << "an object that is not a string";
    EXPECT_EQ(received[2].object.toString(), QStringLiteral("7"));
    EXPECT_FALSE(received[2].userInfo);
    EXPECT_FALSE(received[3].userInfo) << "hasUserInfo must be a boolean";
}

TEST(DistributedNotificationCenterWithoutBus, SaysSoOnceAndCarriesOn) {
    const CapturedLog log;
    DistributedNotificationCenter center(QDBusConnection(QStringLiteral("kx-no-bus")));
    EXPECT_FALSE(center.post({note(), 1, std::nullopt}));
    EXPECT_EQ(center.addObserver(note(), [](const Notification&) {}), 0u);
    EXPECT_FALSE(center.post({note(), 2, std::nullopt}));
    EXPECT_EQ(log.lines().size(), 1) << log.text();
}

} // namespace
