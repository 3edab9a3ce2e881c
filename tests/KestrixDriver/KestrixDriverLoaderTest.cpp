// The loader against the emulated mouse: instances appear with the mouse, carry its reports to
// subscribed clients, and close and leave the registry when it goes.
#include "EventLoopWait.h"
#include "PrivateRuntimeDir.h"

#include "FlashStore.h"
#include "KestrixDriverLoader.h"
#include "VirtualMouseServer.h"

#include "Linux/UniqueFd.h"
#include "Virtual/VirtualHidNodeSource.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>

namespace {

using Driver = com_vlak_driver_KestrixDriver;

// A client as the daemon's listener is one: finds the instances by class name and ids,
// subscribes to each, and records what they send.
struct Listener {
    struct Message {
        int interfaceNumber;
        uint32_t type;
        QByteArray argument;
    };

    explicit Listener(DriverRegistry& registry) : registry(registry) {
        token = registry.addPublishNotification(
            Driver::kClassName, [this](const std::shared_ptr<DriverService>& s) { attach(s); });
        for (const auto& service : registry.matching(Driver::kClassName))
            attach(service);
    }
    ~Listener() { registry.removePublishNotification(token); }

    void attach(const std::shared_ptr<DriverService>& service) {
        if (service->property("idVendor").toInt() == 0x04F2 &&
            service->property("idProduct").toInt() == 0x1106)
            subscriptions.push_back(service->addInterestNotification(&Listener::record, this));
    }
    static void record(void* self, DriverService* service, uint32_t type, void* argument,
                       size_t size) {
        static_cast<Listener*>(self)->messages.push_back(
            {service->property("bInterfaceNumber").toInt(), type,
             QByteArray(static_cast<const char*>(argument), qsizetype(size))});
    }
    size_t count(uint32_t type) const {
        return std::count_if(messages.begin(), messages.end(),
                             [type](const Message& m) { return m.type == type; });
    }

    DriverRegistry& registry;
    DriverRegistry::Token token;
    std::vector<std::unique_ptr<InterestNotification>> subscriptions;
    std::vector<Message> messages;
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
    std::unique_ptr<VirtualMouseServer> startServer() {
        auto server = std::make_unique<VirtualMouseServer>(
            VirtualMouseServer::Options{VirtualUsb::socketPath(), FlashStore::defaultPath(), true});
        QString error;
        EXPECT_TRUE(server->start(&error)) << error.toStdString();
        return server;
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
    auto server = startServer();
    ASSERT_TRUE(waitForPublished(2));
    std::vector<int> interfaces;
    for (const auto& instance : loader->instances()) {
        EXPECT_EQ(instance->property("idVendor"), QVariant(0x04F2));
        EXPECT_EQ(instance->property("idProduct"), QVariant(0x1106));
        interfaces.push_back(instance->property("bInterfaceNumber").toInt());
    }
    EXPECT_EQ(interfaces, (std::vector<int>{0, 1}));
    ASSERT_EQ(listener.subscriptions.size(), 2u);

    int status = -1;
    server->runCommand("press dpi", &status);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(0xFFF1) == 1; }));
    const auto& report = listener.messages.back();
    EXPECT_EQ(report.interfaceNumber, 1);
    EXPECT_EQ(report.argument, QByteArray::fromHex("0201000000000000") + QByteArray(120, '\0'));

    // Unplugged: every instance is closed and unpublished; plugged again: new ones.
    server->unplug();
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(0xE0000110), 2u);
    EXPECT_TRUE(loader->instances().empty());
    server->plug();
    ASSERT_TRUE(waitForPublished(2));
    ASSERT_EQ(listener.subscriptions.size(), 4u);

    // The server goes away: the same.
    server.reset();
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(0xE0000110), 4u);
    EXPECT_EQ(listener.count(0xFFF1), 1u);
}

TEST_F(KestrixDriverLoaderTest, AMousePluggedBeforeStartIsPublishedWhenStartReturns) {
    QProcess program;
    program.setProgram(QStringLiteral(KX_VIRTUAL_MOUSE_PATH));
    program.setArguments({QStringLiteral("serve")});
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start();
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(KxTest::waitFor([] { return QFileInfo::exists(VirtualUsb::socketPath()); }));

    {
        auto loader = makeLoader();
        ASSERT_EQ(loader->start(), 0);
        EXPECT_EQ(published(), 2u);
        EXPECT_EQ(loader->instances().size(), 2u);
        Listener listener(registry);
        loader.reset(); // its instances are closed and leave with it
        EXPECT_EQ(published(), 0u);
        EXPECT_EQ(listener.count(0xE0000110), 2u);
    }
    program.terminate();
    EXPECT_TRUE(program.waitForFinished());
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
    QByteArray overrun = encodePresence({true, 5, 0x04F2, 0x1106, {0, 1}, {}});
    overrun[13] = char(200); // claims 200 interfaces, carries 2
    send(FrameType::Presence, overrun);
    send(FrameType::Presence, encodePresence({true, 6, 0x04F2, 0x1106, {1}, "mouse"}));
    ASSERT_TRUE(waitForPublished(1));
    send(FrameType::InputReport, encodeInputReport(6, 1, {})); // no report bytes
    send(FrameType::InputReport, encodeInputReport(5, 1, "\x02\x05"));
    send(FrameType::InputReport, encodeInputReport(6, 0, "\x02\x06")); // no such interface
    send(FrameType::InputReport, encodeInputReport(6, 1, "\x02\x07"));
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(0xFFF1) == 1; }));
    KxTest::spin(50);
    EXPECT_EQ(listener.count(0xFFF1), 1u);
    EXPECT_EQ(listener.messages.back().argument.left(2), QByteArray("\x02\x07"));

    client->abort(); // the server dies without a word
    ASSERT_TRUE(waitForPublished(0));
    EXPECT_EQ(listener.count(0xE0000110), 1u);
}

// The mouse moves, a report a millisecond, while its DPI button is pressed again and again:
// every press arrives, in order, and no motion report reaches the hook (it asks for the button
// reports only). Then its server goes away in the middle of a stream.
TEST_F(KestrixDriverLoaderTest,
       AMovingMouseLosesNoButtonReportAndItsServerGoingMidStreamIsSeenOnce) {
    auto loader = makeLoader();
    ASSERT_EQ(loader->start(), 0);
    Listener listener(registry);
    auto server = startServer();
    ASSERT_TRUE(waitForPublished(2));

    int status = -1;
    server->runCommand("stream-motion 1000 1", &status);
    ASSERT_EQ(status, 0);
    for (int press = 0; press < 5; ++press) {
        KxTest::spin(100);
        server->runCommand("press dpi", &status);
    }
    ASSERT_TRUE(KxTest::waitFor([&] { return listener.count(0xFFF1) == 5; }, 3000));
    KxTest::spin(900); // the rest of the stream
    ASSERT_EQ(listener.count(0xFFF1), 5u);
    for (const auto& message : listener.messages) {
        if (message.type != 0xFFF1)
            continue;
        EXPECT_EQ(message.interfaceNumber, 1);
        EXPECT_EQ(message.argument.left(2), QByteArray("\x02\x01"));
    }

    server->runCommand("stream-motion 1000 1", &status);
    KxTest::spin(100);
    server.reset();
    ASSERT_TRUE(waitForPublished(0));
    KxTest::spin(50);
    EXPECT_EQ(listener.count(0xE0000110), 2u);
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
