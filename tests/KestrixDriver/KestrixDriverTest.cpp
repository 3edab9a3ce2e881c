// Tests of the report hook. One instance: what its clients receive for reports of every length,
// and what its debug log says. The loader against the emulated mouse: instances appear with the
// mouse, carry its reports to subscribed clients, and close and leave the registry when it goes.
#include "CapturedLog.h"
#include "EmulatedMouse.h"
#include "EventLoopWait.h"
#include "HvLogger.h"
#include "KestrixDriverLoader.h"
#include "PrivateRuntimeDir.h"
#include "Programs.h"

#include "Linux/UniqueFd.h"
#include "Virtual/VirtualHidNodeSource.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Driver = com_vlak_driver_KestrixDriver;
// The numbers the daemon's listener takes.
static_assert(Driver::kReportMessage == 0xFFF1 && Driver::kServiceWasClosed == 0xE0000110);

// A client of hook instances: records what each sends, and from which interface.
struct Client {
    struct Message {
        int interfaceNumber;
        uint32_t type;
        QByteArray argument;
    };
    void subscribe(DriverService& service) {
        subscriptions.push_back(service.addInterestNotification(&Client::record, this));
    }
    static void record(void* self, DriverService* service, uint32_t type, void* argument,
                       size_t size) {
        static_cast<Client*>(self)->messages.push_back(
            {service->property("bInterfaceNumber").toInt(), type,
             QByteArray(static_cast<const char*>(argument), qsizetype(size))});
    }
    size_t count(uint32_t type) const {
        return std::count_if(messages.begin(), messages.end(),
                             [type](const Message& m) { return m.type == type; });
    }

    std::vector<std::unique_ptr<InterestNotification>> subscriptions;
    std::vector<Message> messages;
};

// Debug lines of the programs' logger while it lives, with the debug level as asked.
struct LogCapture : CapturedLog {
    explicit LogCapture(bool debug) { HvLogger::getLogger()->setDebugEnabled(debug); }
    ~LogCapture() { HvLogger::getLogger()->setDebugEnabled(false); }
};

std::shared_ptr<Driver> makeDriver() {
    return std::make_shared<Driver>(KxProtocol::kVendorId, KxProtocol::kProductId,
                                    KxProtocol::kControlInterface, 0x01200000);
}

TEST(KestrixDriverTest, ReportsOfEveryLengthReachClientsAsTheFirstEightBytesOfAZeroedBlock) {
    auto driver = makeDriver();
    Client client;
    client.subscribe(*driver);
    LogCapture log(true);

    QByteArray report(260, '\0');
    for (qsizetype i = 0; i < report.size(); ++i)
        report[i] = char(0xA0 + i);
    const auto* bytes = reinterpret_cast<const uint8_t*>(report.constData());
    const qsizetype lengths[] = {0, 1, 8, 64, 260};
    for (const qsizetype length : lengths)
        EXPECT_EQ(driver->handleReport(bytes, size_t(length)), 0);
    EXPECT_EQ(driver->handleReport(nullptr, 5), 0) << "no bytes: nothing to copy, no crash";

    ASSERT_EQ(client.messages.size(), std::size(lengths) + 1);
    for (size_t m = 0; m < std::size(lengths); ++m) {
        QByteArray expected(Driver::kReportMessageSize, '\0');
        const qsizetype copied = std::min<qsizetype>(lengths[m], 8);
        expected.replace(0, copied, report.left(copied));
        EXPECT_EQ(client.messages[m].type, Driver::kReportMessage);
        EXPECT_EQ(client.messages[m].argument, expected) << "length " << lengths[m];
    }
    EXPECT_EQ(client.messages.back().argument, QByteArray(Driver::kReportMessageSize, '\0'));

    // The logged length is cut to a byte (260 = 0x104); the bytes are not.
    ASSERT_EQ(log.lines().size(), std::size(lengths) + 1);
    EXPECT_TRUE(log.lines()[0].endsWith("Kestrix Mouse Report: 0 0 0 0 0 0 0 0 leng=0"))
        << log.lines()[0].toStdString();
    EXPECT_TRUE(log.lines()[1].endsWith("Kestrix Mouse Report: a0 0 0 0 0 0 0 0 leng=1"));
    EXPECT_TRUE(log.lines()[3].endsWith("Kestrix Mouse Report: a0 a1 a2 a3 a4 a5 a6 a7 leng=40"));
    EXPECT_TRUE(log.lines()[4].endsWith("Kestrix Mouse Report: a0 a1 a2 a3 a4 a5 a6 a7 leng=4"))
        << log.lines()[4].toStdString();
}

TEST(KestrixDriverTest, SetPropertiesChangesNothingAndDebugLinesCostNothingWhenOff) {
    auto driver = makeDriver();
    const QVariantMap before = driver->properties();
    EXPECT_EQ(before.value("locationID").toLongLong(), 0x01200000) << "tells two mice apart";
    {
        LogCapture log(true);
        EXPECT_EQ(driver->setProperties({{"idVendor", 1}, {"idProduct", "x"}, {"other", 2}}), 0);
        EXPECT_EQ(driver->properties(), before);
        ASSERT_EQ(log.lines().size(), 1);
        EXPECT_TRUE(log.lines()[0].endsWith("Kestrix properties  "))
            << log.lines()[0].toStdString();
    }
    LogCapture log(false); // and no client: nothing breaks
    const uint8_t report[8] = {2, 1};
    EXPECT_EQ(driver->handleReport(report, sizeof report), 0);
    EXPECT_EQ(driver->setProperties({}), 0);
    EXPECT_TRUE(log.lines().isEmpty()) << log.text();
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
    EXPECT_EQ(staying.messages[2].type, Driver::kServiceWasClosed);
    EXPECT_TRUE(staying.messages[2].argument.isEmpty());
    EXPECT_EQ(driver->clientCount(), 1u);
}

// A callback that drops a later client and adds a new one: the message goes on to the clients
// registered when it was sent and still registered, in their order; the newcomer hears the
// next.
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

// A client as the daemon's listener is one: finds the instances by class name and ids, and
// subscribes to each.
struct Listener : Client {
    explicit Listener(DriverRegistry& registry) : registry(registry) {
        token = registry.addPublishNotification(
            Driver::kClassName, [this](const std::shared_ptr<DriverService>& s) { attach(s); });
        for (const auto& service : registry.matching(Driver::kClassName))
            attach(service);
    }
    ~Listener() { registry.removePublishNotification(token); }

    void attach(const std::shared_ptr<DriverService>& service) {
        if (service->property("idVendor").toInt() == KxProtocol::kVendorId &&
            service->property("idProduct").toInt() == KxProtocol::kProductId)
            subscribe(*service);
    }

    DriverRegistry& registry;
    DriverRegistry::Token token;
};

class KestrixDriverLoaderTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.apply();
    }

    std::unique_ptr<KestrixDriverLoader> makeLoader() {
        std::vector<std::unique_ptr<HidNodeSource>> sources;
        sources.push_back(std::make_unique<VirtualHidNodeSource>());
        return std::make_unique<KestrixDriverLoader>(std::move(sources), registry);
    }
    size_t published() const { return registry.matching(Driver::kClassName).size(); }
    bool waitForPublished(size_t count) {
        return KxTest::waitFor([&] { return published() == count; });
    }

    PrivateRuntimeDir dir;
    DriverRegistry registry;
};

TEST_F(KestrixDriverLoaderTest, InstancesFollowTheEmulatedMouseAndCarryItsReports) {
    auto loader = makeLoader();
    ASSERT_EQ(loader->start(), 0); // no server yet
    Listener listener(registry);
    auto server = KxTest::startServer();
    ASSERT_TRUE(waitForPublished(2));
    std::vector<int> interfaces;
    for (const auto& instance : loader->instances()) {
        EXPECT_EQ(instance->property("idVendor"), QVariant(KxProtocol::kVendorId));
        EXPECT_EQ(instance->property("idProduct"), QVariant(KxProtocol::kProductId));
        interfaces.push_back(instance->property("bInterfaceNumber").toInt());
    }
    EXPECT_EQ(interfaces, (std::vector<int>{0, 1}));
    ASSERT_EQ(listener.subscriptions.size(), 2u);

    int status = -1;
    server->runCommand("press dpi", &status);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(Driver::kReportMessage) == 1; }));
    const auto& report = listener.messages.back();
    EXPECT_EQ(report.interfaceNumber, 1);
    EXPECT_EQ(report.argument, KxTest::buttonReport(KxProtocol::kKindDpi) +
                                   QByteArray(Driver::kReportMessageSize - 8, '\0'));

    // Unplugged: every instance is closed and unpublished; plugged again: new ones.
    server->unplug();
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(Driver::kServiceWasClosed), 2u);
    EXPECT_TRUE(loader->instances().empty());
    server->plug();
    ASSERT_TRUE(waitForPublished(2));
    ASSERT_EQ(listener.subscriptions.size(), 4u);

    // The server goes away: the same.
    server.reset();
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(Driver::kServiceWasClosed), 4u);
    EXPECT_EQ(listener.count(Driver::kReportMessage), 1u);
}

TEST_F(KestrixDriverLoaderTest, AMousePluggedBeforeStartIsPublishedWhenStartReturns) {
    MouseProgram program;
    ASSERT_TRUE(program.serve());
    ASSERT_TRUE(KxTest::waitFor([] { return QFileInfo::exists(VirtualUsb::socketPath()); }));

    {
        auto loader = makeLoader();
        ASSERT_EQ(loader->start(), 0);
        EXPECT_EQ(published(), 2u);
        EXPECT_EQ(loader->instances().size(), 2u);
        Listener listener(registry);
        loader.reset(); // its instances are closed and leave with it
        EXPECT_EQ(published(), 0u);
        EXPECT_EQ(listener.count(Driver::kServiceWasClosed), 2u);
    }
    EXPECT_EQ(program.stop().exit, 0);
}

// A server that does not answer while start() waits for it (it runs on this thread) and then
// says odd things: frames too short for what they claim, and reports of a plug that is over.
TEST_F(KestrixDriverLoaderTest, ASlowServerIsStillHeardButShortFramesAndStaleReportsAreNot) {
    using namespace VirtualUsb;
    QLocalServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    auto loader = makeLoader();
    Listener listener(registry);
    ASSERT_EQ(loader->start(), 0);
    ASSERT_TRUE(KxTest::waitFor([&] { return server.hasPendingConnections(); }));
    QLocalSocket* client = server.nextPendingConnection();
    ASSERT_TRUE(KxTest::waitFor([&] { return client->bytesAvailable() > 0; })); // Subscribe

    const auto send = [&](FrameType type, const QByteArray& payload) {
        client->write(encodeFrame(type, payload));
        client->flush();
    };
    const uint16_t vendor = KxProtocol::kVendorId, product = KxProtocol::kProductId;
    QByteArray overrun = encodePresence({true, 5, vendor, product, {0, 1}, {}});
    overrun[13] = char(200); // claims 200 interfaces, carries 2
    send(FrameType::Presence, overrun);
    send(FrameType::Presence, encodePresence({true, 6, vendor, product, {1}, "mouse"}));
    ASSERT_TRUE(waitForPublished(1));
    send(FrameType::InputReport, encodeInputReport(6, 1, {})); // no report bytes
    send(FrameType::InputReport, encodeInputReport(5, 1, "\x02\x05"));
    send(FrameType::InputReport, encodeInputReport(6, 0, "\x02\x06")); // no such interface
    send(FrameType::InputReport, encodeInputReport(6, 1, "\x02\x07"));
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(Driver::kReportMessage) == 1; }));
    KxTest::spin(50);
    EXPECT_EQ(listener.count(Driver::kReportMessage), 1u);
    EXPECT_EQ(listener.messages.back().argument.left(2), QByteArray("\x02\x07"));

    client->abort(); // the server dies without a word
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(Driver::kServiceWasClosed), 1u);
}

// The mouse moves, a report a millisecond, while its DPI button is pressed again and again:
// every press arrives, in order, and no motion report reaches the hook (it asks for the button
// reports only). Then its server goes away in the middle of a stream.
TEST_F(KestrixDriverLoaderTest,
       AMovingMouseLosesNoButtonReportAndItsServerGoingMidStreamIsSeenOnce) {
    auto loader = makeLoader();
    ASSERT_EQ(loader->start(), 0);
    Listener listener(registry);
    auto server = KxTest::startServer();
    ASSERT_TRUE(waitForPublished(2));

    int status = -1;
    server->runCommand("stream-motion 1000 1", &status);
    ASSERT_EQ(status, 0);
    for (int press = 0; press < 5; ++press) {
        KxTest::spin(100);
        server->runCommand("press dpi", &status);
    }
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(Driver::kReportMessage) == 5; }, 3000));
    KxTest::spin(900); // the rest of the stream
    ASSERT_EQ(listener.count(Driver::kReportMessage), 5u);
    for (const auto& message : listener.messages) {
        if (message.type != Driver::kReportMessage)
            continue;
        EXPECT_EQ(message.interfaceNumber, 1);
        EXPECT_EQ(message.argument.left(8), KxTest::buttonReport(KxProtocol::kKindDpi));
    }

    server->runCommand("stream-motion 1000 1", &status);
    KxTest::spin(100);
    server.reset();
    ASSERT_TRUE(waitForPublished(0));
    KxTest::spin(50);
    EXPECT_EQ(listener.count(Driver::kServiceWasClosed), 2u);
}

// Between a server creating its socket file and listening on it, connecting is refused.
TEST_F(KestrixDriverLoaderTest, AServerThatListensJustAfterItsSocketAppearsIsStillFound) {
    UniqueFd server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = VirtualUsb::socketPath().toLocal8Bit();
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(server.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    auto loader = makeLoader();
    ASSERT_EQ(loader->start(), 0); // refused
    ASSERT_EQ(::listen(server.get(), 4), 0);
    EXPECT_TRUE(KxTest::waitFor([&] {
        pollfd pending{server.get(), POLLIN, 0};
        return ::poll(&pending, 1, 0) == 1;
    }));
}

} // namespace
