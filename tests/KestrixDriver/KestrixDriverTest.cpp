// One report hook instance: what its clients receive for reports of every length, and what its
// debug log says.
#include "HvLogger.h"
#include "com_vlak_driver_KestrixDriver.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Driver = com_vlak_driver_KestrixDriver;

struct Message {
    uint32_t type;
    std::vector<uint8_t> argument;
};

struct Client {
    std::vector<Message> messages;
    std::unique_ptr<InterestNotification> subscription;

    void subscribe(DriverService& service) {
        subscription = service.addInterestNotification(&Client::record, this);
    }
    static void record(void* self, DriverService*, uint32_t type, void* argument, size_t size) {
        const auto* bytes = static_cast<const uint8_t*>(argument);
        static_cast<Client*>(self)->messages.push_back(
            {type, bytes ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>{}});
    }
};

// Debug lines of the programs' logger while it lives, with the debug level as asked.
class LogCapture {
public:
    explicit LogCapture(bool debug) {
        HvLogger::getLogger()->setDebugEnabled(debug);
        lines_ = &lines;
        previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                              const QString& text) { lines_->append(text); });
    }
    ~LogCapture() {
        qInstallMessageHandler(previous_);
        HvLogger::getLogger()->setDebugEnabled(false);
        lines_ = nullptr;
    }
    QStringList lines;

private:
    static inline QStringList* lines_ = nullptr;
    QtMessageHandler previous_;
};

std::shared_ptr<Driver> makeDriver() {
    return std::make_shared<Driver>(0x04F2, 0x1106, 1, 0x01200000);
}

TEST(KestrixDriverTest, ReportsOfEveryLengthReachClientsAsTheFirstEightBytesOfAZeroedBlock) {
    auto driver = makeDriver();
    Client client;
    client.subscribe(*driver);
    LogCapture log(true);

    std::vector<uint8_t> report(260);
    for (size_t i = 0; i < report.size(); ++i)
        report[i] = uint8_t(0xA0 + i);
    const size_t lengths[] = {0, 1, 8, 64, 260};
    for (const size_t length : lengths)
        EXPECT_EQ(driver->handleReport(report.data(), length), 0);
    EXPECT_EQ(driver->handleReport(nullptr, 5), 0) << "no bytes: nothing to copy, no crash";

    ASSERT_EQ(client.messages.size(), std::size(lengths) + 1);
    for (size_t m = 0; m < std::size(lengths); ++m) {
        const Message& message = client.messages[m];
        EXPECT_EQ(message.type, 0xFFF1u);
        ASSERT_EQ(message.argument.size(), 128u);
        for (size_t i = 0; i < 128; ++i) {
            const uint8_t expected = i < std::min<size_t>(lengths[m], 8) ? report[i] : 0;
            EXPECT_EQ(message.argument[i], expected) << "length " << lengths[m] << " byte " << i;
        }
    }
    EXPECT_EQ(client.messages.back().argument, std::vector<uint8_t>(128, 0));

    // The logged length is cut to a byte (260 = 0x104); the bytes are not.
    ASSERT_EQ(log.lines.size(), std::size(lengths) + 1);
    EXPECT_TRUE(log.lines[0].endsWith("Kestrix Mouse Report: 0 0 0 0 0 0 0 0 leng=0"))
        << log.lines[0].toStdString();
    EXPECT_TRUE(log.lines[1].endsWith("Kestrix Mouse Report: a0 0 0 0 0 0 0 0 leng=1"));
    EXPECT_TRUE(log.lines[3].endsWith("Kestrix Mouse Report: a0 a1 a2 a3 a4 a5 a6 a7 leng=40"));
    EXPECT_TRUE(log.lines[4].endsWith("Kestrix Mouse Report: a0 a1 a2 a3 a4 a5 a6 a7 leng=4"))
        << log.lines[4].toStdString();
}

TEST(KestrixDriverTest, SetPropertiesChangesNothingAndDebugLinesCostNothingWhenOff) {
    auto driver = makeDriver();
    const QVariantMap before = driver->properties();
    EXPECT_EQ(before.value("idVendor"), QVariant(0x04F2));
    EXPECT_EQ(before.value("idProduct"), QVariant(0x1106));
    EXPECT_EQ(before.value("locationID").toLongLong(), 0x01200000) << "tells two mice apart";
    {
        LogCapture log(true);
        EXPECT_EQ(driver->setProperties({{"idVendor", 1}, {"idProduct", "x"}, {"other", 2}}), 0);
        EXPECT_EQ(driver->properties(), before);
        ASSERT_EQ(log.lines.size(), 1);
        EXPECT_TRUE(log.lines[0].endsWith("Kestrix properties  ")) << log.lines[0].toStdString();
    }
    LogCapture log(false); // and no client: nothing breaks
    const uint8_t report[8] = {2, 1};
    EXPECT_EQ(driver->handleReport(report, sizeof report), 0);
    EXPECT_EQ(driver->setProperties({}), 0);
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join('\n').toStdString();
}

TEST(KestrixDriverTest, AClientMayUnsubscribeInsideItsCallbackAndTheOthersStillHear) {
    auto driver = makeDriver();
    struct Leaving {
        std::unique_ptr<InterestNotification> subscription;
        int calls = 0;
    } leaving;
    leaving.subscription = driver->addInterestNotification(
        [](void* self, DriverService*, uint32_t, void*, size_t) {
            auto* me = static_cast<Leaving*>(self);
            ++me->calls;
            me->subscription.reset();
        },
        &leaving);
    Client staying;
    staying.subscribe(*driver);

    const uint8_t report[8] = {2, 4};
    driver->handleReport(report, sizeof report);
    driver->handleReport(report, sizeof report);
    driver->serviceWasClosed();
    EXPECT_EQ(leaving.calls, 1);
    ASSERT_EQ(staying.messages.size(), 3u);
    EXPECT_EQ(staying.messages[1].argument[1], 4);
    EXPECT_EQ(staying.messages[2].type, 0xE0000110u);
    EXPECT_TRUE(staying.messages[2].argument.empty());
    EXPECT_EQ(driver->clientCount(), 1u);
}

// A callback that drops a later client and adds a new one: the message goes on to the clients
// registered when it was sent and still registered, in their order; the newcomer hears the next.
TEST(KestrixDriverTest, AMessageReachesItsClientsInOrderWhileACallbackChangesTheList) {
    auto service = std::make_shared<DriverService>(QStringLiteral("test"));
    struct Peer {
        char name;
        std::string* heard;
        std::function<void()> action;
        std::unique_ptr<InterestNotification> subscription;
    };
    std::string heard;
    std::vector<std::unique_ptr<Peer>> peers;
    const auto add = [&](char name) {
        peers.push_back(std::make_unique<Peer>(Peer{name, &heard, {}, {}}));
        Peer* peer = peers.back().get();
        peer->subscription = service->addInterestNotification(
            [](void* self, DriverService*, uint32_t, void*, size_t) {
                auto* p = static_cast<Peer*>(self);
                *p->heard += p->name;
                if (const auto action = std::exchange(p->action, {}))
                    action();
            },
            peer);
        return peer;
    };
    Peer* a = add('a');
    add('b');
    Peer* c = add('c');
    add('d');
    a->action = [&] {
        c->subscription.reset();
        add('e');
    };
    EXPECT_EQ(service->messageClients(1, nullptr, 0), 3);
    EXPECT_EQ(service->messageClients(2, nullptr, 0), 4);
    EXPECT_EQ(heard, "abdabde"); // c left during the first, e came for the second
}

} // namespace
