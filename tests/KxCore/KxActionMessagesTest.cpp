#include "EventLoopWait.h"
#include "HvDaemon/HvUSBDealwithObj.h"
#include "KxAction.h"
#include "KxMessages.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Notifications/NotificationCenter.h"

#include <QDBusMessage>
#include <QTimer>

#include <pugixml.hpp>

#include <functional>
#include <map>

#include <gtest/gtest.h>

namespace {

// Hands the raw signals of the bus to a function.
class BusSpy : public QObject {
    Q_OBJECT
public:
    explicit BusSpy(std::function<void(const QDBusMessage&)> take) : take_(std::move(take)) {}
public Q_SLOTS:
    void take(const QDBusMessage& message) { take_(message); }

private:
    std::function<void(const QDBusMessage&)> take_;
};

// The daemon's handler as far as its status sender goes.
struct DaemonSide : HvUSBDealwithObj {
    std::optional<QString> notifyDevStatusStr() override {
        return QLatin1String(KxMessages::kDevStatus);
    }
};

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

// The published description of the bus interface is what the window and the daemon send: every
// signal they emit names a member it lists, on its path and interface, with its signature.
TEST_F(KxActionMessagesTest, TheSignalsAreThoseThePublishedInterfaceDescribes) {
    pugi::xml_document description;
    ASSERT_TRUE(description.load_file(KX_NOTIFICATION_INTERFACE));
    const pugi::xml_node node = description.child("node");
    const pugi::xml_node interface = node.find_child_by_attribute(
        "interface", "name", DistributedNotificationCenter::kInterface);
    ASSERT_TRUE(interface);
    EXPECT_STREQ(node.attribute("name").value(), DistributedNotificationCenter::kPath);
    std::map<QString, QString> signatures;
    for (const pugi::xml_node signal : interface.children("signal")) {
        QString signature;
        for (const pugi::xml_node arg : signal.children("arg"))
            signature += QString::fromUtf8(arg.attribute("type").value());
        signatures[QString::fromUtf8(signal.attribute("name").value())] = signature;
    }
    ASSERT_EQ(signatures.size(), 2u);

    std::vector<QDBusMessage> seen;
    BusSpy spy([&](const QDBusMessage& message) { seen.push_back(message); });
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const auto& [member, signature] : signatures)
        ASSERT_TRUE(bus.connect(QString(), DistributedNotificationCenter::kPath,
                                DistributedNotificationCenter::kInterface, member, &spy,
                                SLOT(take(QDBusMessage))));
    QTimer::singleShot(0, [] {
        KxAction::sendMessageToDaemon(101);             // no values
        KxAction::sendDPiChangeToDaemon(1, 16, 16);     // values
        DaemonSide().sendDevStatus(2, QVariantList{1}); // the daemon's sender
    });
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.size() >= 3; }));
    for (const QDBusMessage& message : seen) {
        ASSERT_TRUE(signatures.count(message.member())) << qPrintable(message.member());
        EXPECT_EQ(message.signature(), signatures[message.member()])
            << qPrintable(message.member());
    }
}

} // namespace

#include "KxActionMessagesTest.moc"
