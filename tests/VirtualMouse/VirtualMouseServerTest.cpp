#include "EventLoopWait.h"
#include "PrivateRuntimeDir.h"

#include "FlashStore.h"
#include "VirtualMouseCommand.h"
#include "VirtualMouseServer.h"

#include "Usb/UsbNotificationPort.h"
#include "Virtual/VirtualUsbBackend.h"
#include "Virtual/VirtualUsbDevice.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace VirtualUsb;
using Fw = VirtualMouseFirmware;

namespace {

// Runs a blocking request on a worker thread while this thread's event loop serves it.
template <typename F>
auto offThread(F work) {
    auto future = std::async(std::launch::async, work);
    EXPECT_TRUE(KxTest::waitFor(
        [&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    return future.get();
}

class Client {
public:
    Client() {
        socket.connectToServer(VirtualUsb::socketPath());
        EXPECT_TRUE(socket.waitForConnected(1000));
        QObject::connect(&socket, &QLocalSocket::readyRead, [this] {
            buffer.append(socket.readAll());
            bool malformed = false;
            while (auto frame = takeFrame(buffer, &malformed))
                frames.push_back(*frame);
        });
    }
    void send(const QByteArray& bytes) {
        socket.write(bytes);
        socket.flush();
    }
    void send(FrameType type, const QByteArray& payload) { send(encodeFrame(type, payload)); }
    bool subscribe() {
        send(FrameType::Subscribe, {});
        return next(FrameType::Presence).has_value();
    }
    bool closed() const { return socket.state() == QLocalSocket::UnconnectedState; }
    // The next frame of a type, waiting for it.
    std::optional<Frame> next(FrameType type) {
        std::optional<Frame> found;
        KxTest::waitFor([&] {
            const auto it = std::find_if(frames.begin(), frames.end(),
                                         [&](const Frame& f) { return f.type == type; });
            if (it == frames.end())
                return false;
            found = *it;
            frames.erase(it);
            return true;
        });
        return found;
    }
    // The reply text of a command; its status in *status.
    QString command(const QString& line, int* status = nullptr) {
        send(FrameType::Command, line.toUtf8());
        const auto text = next(FrameType::Text);
        if (text && status)
            *status = *readLe<int32_t>(text->payload, 0);
        return text ? QString::fromUtf8(text->payload.mid(4)) : QStringLiteral("<no reply>");
    }

    QLocalSocket socket;
    QByteArray buffer;
    std::vector<Frame> frames;
};

QByteArray setPayload(quint64 generation, const QByteArray& report) {
    QByteArray payload;
    appendLe<uint64_t>(payload, generation);
    appendLe<uint8_t>(payload, 1);
    return payload + report;
}

QByteArray writeReport(uint16_t address, const QByteArray& data) {
    QByteArray report =
        QByteArray(1, 3) + char(address & 0xFF) + char(address >> 8) + char(data.size()) + data;
    report.resize(16, '\0');
    return report;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

int request(UsbDevice& device, uint8_t type, uint8_t code, uint8_t reportId, QByteArray* buffer,
            uint16_t interface = 1) {
    UsbControlRequest r{type, code, uint16_t(UsbHid::kReportTypeFeature << 8 | reportId),
                        interface};
    r.wLength = uint16_t(buffer->size());
    r.pData = buffer->data();
    return device.deviceRequest(r);
}

int setReport(UsbDevice& device, QByteArray report, uint16_t interface = 1) {
    return request(device, UsbHid::kClassInterfaceOut, UsbHid::kSetReport, uint8_t(report[0]),
                   &report, interface);
}

class VirtualMouseServerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.apply();
    }
    void TearDown() override {
        port.reset();
        UsbNotificationPort::setBackendFactory({});
    }

    std::unique_ptr<VirtualMouseServer> startServer() {
        auto server = std::make_unique<VirtualMouseServer>(
            VirtualMouseServer::Options{VirtualUsb::socketPath(), FlashStore::defaultPath(), true});
        QObject::connect(server.get(), &VirtualMouseServer::warning,
                         [this](const QString& line) { warnings << line; });
        QString error;
        EXPECT_TRUE(server->start(&error)) << error.toStdString();
        return server;
    }

    // A notification port on the virtual bus; arrivals and removals are recorded.
    bool startPort() {
        UsbNotificationPort::setBackendFactory([] {
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::make_unique<VirtualUsbBackend>());
            return backends;
        });
        int error = 0;
        port = UsbNotificationPort::create(&error);
        EXPECT_TRUE(port) << error;
        if (!port)
            return false;
        record<true>(this, port->addMatchingNotification(UsbNotificationPort::Kind::FirstMatch,
                                                         &record<true>, this));
        record<false>(this, port->addMatchingNotification(UsbNotificationPort::Kind::Terminate,
                                                          &record<false>, this));
        return true;
    }
    template <bool Arrived>
    static void record(void* self, UsbDeviceIterator* it) {
        auto* t = static_cast<VirtualMouseServerTest*>(self);
        while (auto info = it->next())
            Arrived ? t->arrived.push_back(*info) : t->removed.push_back(info->serviceId);
    }
    bool waitForArrivals(size_t count) {
        return KxTest::waitFor([&] { return arrived.size() == count; });
    }

    PrivateRuntimeDir dir;
    QStringList warnings;
    std::unique_ptr<UsbNotificationPort> port;
    std::vector<UsbDeviceInfo> arrived;
    std::vector<quint64> removed;
};

TEST_F(VirtualMouseServerTest, MalformedFramesCloseOnlyThatConnectionSubscribersHearReports) {
    auto server = startServer();
    Client subscriber;
    ASSERT_TRUE(subscriber.subscribe());

    QByteArray oversized;
    appendLe<uint32_t>(oversized, kMaxFrameLength + 1);
    QByteArray empty;
    appendLe<uint32_t>(empty, 0);
    const QByteArray badFrames[] = {
        oversized,                                             // refused before its body
        empty,                                                 // no type byte
        encodeFrame(FrameType(0x7F), "x"),                     // unknown type
        encodeFrame(FrameType::SetFeature, "short"),           // no room for generation
        encodeFrame(FrameType::GetFeature, QByteArray(13, 0)), // wrong size
        encodeFrame(FrameType::Presence, {}),                  // the server's own frame
    };
    for (const QByteArray& frame : badFrames) {
        Client bad;
        bad.send(frame);
        EXPECT_TRUE(KxTest::waitFor([&] { return bad.closed(); })) << frame.toHex().constData();
    }
    EXPECT_EQ(warnings.size(), std::size(badFrames));
    EXPECT_FALSE(subscriber.closed());

    // The subscriber is still served: input reports of the current generation, then presence.
    int status = -1;
    const QString text = subscriber.command("press profile", &status);
    EXPECT_EQ(status, 0) << text.toStdString();
    const auto report = subscriber.next(FrameType::InputReport);
    ASSERT_TRUE(report);
    EXPECT_EQ(*readLe<uint64_t>(report->payload, 0), 1u);
    EXPECT_EQ(report->payload.mid(8), QByteArray::fromHex("01"
                                                          "0204000000000000"));

    status = -1;
    EXPECT_EQ(subscriber.command("unplug", &status), "unplugged");
    EXPECT_EQ(status, 0);
    const auto presence = subscriber.next(FrameType::Presence);
    ASSERT_TRUE(presence);
    EXPECT_EQ(presence->payload[0], 0);
    subscriber.command("press dpi", &status);
    EXPECT_EQ(status, ENODEV);
    EXPECT_EQ(server->firmware().state().stage, 0);
}

TEST_F(VirtualMouseServerTest, ARequestIsAppliedOnlyOnceItsWholeFrameArrived) {
    auto server = startServer();
    const QByteArray frame =
        encodeFrame(FrameType::SetFeature, setPayload(1, writeReport(0x2000, "\x11\x22")));
    {
        Client vanishing;
        vanishing.send(frame.left(frame.size() - 3));
        KxTest::spin(20);
        vanishing.socket.abort();
    }
    KxTest::spin(20);
    EXPECT_EQ(server->firmware().memory(0x2000, 2), QByteArray(2, '\0'));
    EXPECT_EQ(server->pacing().requests(), 0u);

    Client slow;
    slow.send(frame.left(5));
    KxTest::spin(20);
    slow.send(frame.mid(5));
    const auto result = slow.next(FrameType::Result);
    ASSERT_TRUE(result);
    EXPECT_EQ(*readLe<int32_t>(result->payload, 0), 0);
    EXPECT_EQ(server->firmware().memory(0x2000, 2), QByteArray("\x11\x22"));
}

// A read is its prepare and the GET of its answer from one connection. Another connection's
// request between the two changes or takes that answer, and the read is counted when answered;
// one connection's own requests, a read finished before another begins, a prepare never fetched
// and a read left by a connection that closed are not.
TEST_F(VirtualMouseServerTest, ReadsAnotherConnectionBrokeIntoAreCounted) {
    auto server = startServer();
    const QByteArray prepare = QByteArray::fromHex("04000102") + QByteArray(12, '\0');
    const auto set = [](Client& client, const QByteArray& report) {
        client.send(FrameType::SetFeature, setPayload(1, report));
        return client.next(FrameType::Result).has_value();
    };
    const auto get = [](Client& client) {
        QByteArray payload;
        appendLe<uint64_t>(payload, 1);
        appendLe<uint8_t>(payload, 1);
        appendLe<uint16_t>(payload, 16);
        appendLe<uint8_t>(payload, 4);
        client.send(FrameType::GetFeature, payload);
        return client.next(FrameType::Result).has_value();
    };
    Client window, daemon;
    // In turn: each read whole, a write of the same connection inside its own read; a prepare
    // the window never fetches (the mouse left ready to say its profile), then the daemon's read.
    ASSERT_TRUE(set(window, prepare) && set(window, writeReport(0x0100, "\x01")) && get(window));
    ASSERT_TRUE(set(daemon, prepare) && get(daemon) && set(window, writeReport(0x0100, "\x02")));
    ASSERT_TRUE(set(window, prepare) && set(daemon, prepare) && get(daemon));
    EXPECT_EQ(server->readTurns().broken(), 0u);

    // Out of turn: another's prepare, write or whole read inside a read that is then answered.
    ASSERT_TRUE(set(window, prepare) && set(daemon, prepare) && get(window));
    EXPECT_EQ(server->readTurns().broken(), 1u) << "the window took the daemon's answer";
    ASSERT_TRUE(set(window, prepare) && set(daemon, writeReport(0x0100, "\x03")) && get(window));
    EXPECT_EQ(server->readTurns().broken(), 2u);
    ASSERT_TRUE(set(window, prepare) && set(daemon, prepare) && get(daemon) && get(window));
    EXPECT_EQ(server->readTurns().broken(), 3u) << "the daemon's read fits inside the window's";
    EXPECT_TRUE(window.command("status").contains("reads another connection broke into: 3"));

    // A connection that prepared a read and closed left nobody's read to break.
    {
        Client gone;
        ASSERT_TRUE(set(gone, prepare));
        gone.socket.disconnectFromServer();
        ASSERT_TRUE(KxTest::waitFor([&] { return gone.closed(); }));
        KxTest::spin(50);
    }
    ASSERT_TRUE(set(daemon, prepare) && get(daemon));
    EXPECT_EQ(server->readTurns().broken(), 3u);
}

TEST_F(VirtualMouseServerTest, FlashSurvivesARestartButTheLockDoesNot) {
    {
        auto server = startServer();
        server->firmware().press(Fw::Key::Dpi);
        Client client;
        client.send(FrameType::SetFeature, setPayload(1, writeReport(16, "\xA5\x40")));
        ASSERT_TRUE(client.next(FrameType::Result));
        server->firmware().press(Fw::Key::Lock);
        server->stop();
        EXPECT_FALSE(QFile::exists(VirtualUsb::socketPath()));
    }
    auto server = startServer();
    EXPECT_EQ(server->firmware().state().stage, 1);
    EXPECT_EQ(server->firmware().state().dpi, 16);
    EXPECT_FALSE(server->firmware().state().locked);
    EXPECT_EQ(server->firmware().memory(16, 2), QByteArray("\xA5\x40"));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(VirtualMouseServerTest, ABadFlashFileIsKeptAsideAndReplacedByFactoryState) {
    const QString path = FlashStore::defaultPath();
    const QDir folder = QFileInfo(path).absoluteDir();
    folder.mkpath(".");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a flash image");
    file.close();

    auto server = startServer();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(path));
    EXPECT_EQ(server->firmware().flashImage(), Fw::factoryImage());
    server->stop();

    const QStringList aside = folder.entryList({"flash.bin.bad-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contents(folder.filePath(aside.first())), "not a flash image");
    EXPECT_EQ(contents(path), Fw::factoryImage());
}

TEST_F(VirtualMouseServerTest, BackendFollowsPlugUnplugAndServerRestarts) {
    ASSERT_TRUE(startPort()); // no server yet: the backend idles on the folder watch
    EXPECT_TRUE(arrived.empty());

    auto server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    const UsbDeviceInfo first = arrived[0];
    EXPECT_EQ(first.vendorId, 0x04F2);
    EXPECT_EQ(first.productId, 0x1106);
    EXPECT_TRUE(first.productName.has_value());
    ASSERT_TRUE(first.device);

    server->unplug();
    ASSERT_TRUE(KxTest::waitFor([&] { return removed.size() == 1; }));
    EXPECT_EQ(removed[0], first.serviceId);
    const QByteArray report = writeReport(0x2000, "\x01");
    EXPECT_EQ(offThread([&] { return setReport(*first.device, report); }), ENODEV);

    server->plug();
    ASSERT_TRUE(waitForArrivals(2));
    EXPECT_NE(arrived[1].serviceId, first.serviceId);
    EXPECT_EQ(offThread([&] { return setReport(*first.device, report); }), ENODEV);
    EXPECT_EQ(offThread([&] { return setReport(*arrived[1].device, report); }), 0);

    server.reset(); // gone: removal, and requests fail
    ASSERT_TRUE(KxTest::waitFor([&] { return removed.size() == 2; }));
    EXPECT_EQ(offThread([&] { return setReport(*arrived[1].device, report); }), ENODEV);

    server = startServer();
    ASSERT_TRUE(waitForArrivals(3));
    EXPECT_EQ(offThread([&] { return setReport(*arrived[2].device, report); }), 0);
}

TEST_F(VirtualMouseServerTest, BackendWaitsForAMissingRuntimeFolder) {
    const QString nested = dir.filePath("later/run");
    qputenv("XDG_RUNTIME_DIR", nested.toLocal8Bit());
    ASSERT_TRUE(startPort());
    EXPECT_FALSE(QFileInfo::exists(nested)); // the backend creates nothing

    QDir().mkpath(nested);
    auto server = startServer();
    EXPECT_TRUE(waitForArrivals(1));
}

TEST_F(VirtualMouseServerTest, DeviceRequestsRoundTripAndResetMakesANewGeneration) {
    // The port starts first: with the server in this thread, the backend's wait for the presence
    // of an already running server could not be answered.
    ASSERT_TRUE(startPort());
    auto server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    UsbDevice& device = *arrived[0].device;

    const auto [writeStatus, prepareStatus, readStatus, response] = offThread([&] {
        QByteArray read(16, '\0');
        const int w = setReport(device, writeReport(0x0100, "\xC3\x3C"));
        const int p = setReport(device, QByteArray::fromHex("04000102") + QByteArray(12, '\0'));
        const int r = request(device, UsbHid::kClassInterfaceIn, UsbHid::kGetReport, 4, &read);
        return std::tuple{w, p, r, read};
    });
    EXPECT_EQ(writeStatus, 0);
    EXPECT_EQ(prepareStatus, 0);
    EXPECT_EQ(readStatus, 0);
    EXPECT_EQ(response.left(6), QByteArray::fromHex("04000102c33c"));
    // Three requests with no pause between them: two came too soon.
    EXPECT_EQ(server->pacing().requests(), 3u);
    EXPECT_EQ(server->pacing().tooClose(), 2u);
    // A stall from the firmware travels back as it is.
    EXPECT_EQ(offThread([&] { return setReport(device, writeReport(0x0100, "\x01"), 0); }), EPIPE);

    server->firmware().press(Fw::Key::Dpi);
    ASSERT_EQ(server->firmware().state().stage, 1);
    server->firmware().setFeatureReport(
        1, reinterpret_cast<const uint8_t*>("\x03\x00\xFF\x02\x03\x05"), 6, nullptr);
    EXPECT_EQ(offThread([&] { return device.reset(); }), 0);
    ASSERT_TRUE(waitForArrivals(2));
    EXPECT_EQ(removed.size(), 1u);
    EXPECT_EQ(server->firmware().state().stage, 1); // re-committed from the stored block
    EXPECT_EQ(server->firmware().state().dpi, 16);
    EXPECT_EQ(offThread([&] { return device.reset(); }), ENODEV);
}

TEST_F(VirtualMouseServerTest, AnArmedFaultAnswersTheNextReadOnceShortStalledOrByUnplugging) {
    ASSERT_TRUE(startPort());
    auto server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    UsbDevice& device = *arrived[0].device;
    // A read response: the status and how many bytes came.
    auto read = [&] {
        return offThread([&] {
            QByteArray buffer(16, '\xA5');
            UsbControlRequest r{UsbHid::kClassInterfaceIn, UsbHid::kGetReport,
                                uint16_t(UsbHid::kReportTypeFeature << 8 | 4), 1};
            r.wLength = 16;
            r.pData = buffer.data();
            const int status = device.deviceRequest(r);
            return std::pair{status, r.wLenDone};
        });
    };
    int status = -1;
    server->runCommand(QStringLiteral("fault short"), &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read(), std::pair(0, 4u));
    EXPECT_EQ(read(), std::pair(0, 16u)) << "once";
    server->runCommand(QStringLiteral("fault stall"), &status);
    EXPECT_EQ(read(), std::pair(EPIPE, 0u));
    server->runCommand(QStringLiteral("fault unplug"), &status);
    EXPECT_EQ(read(), std::pair(ENODEV, 0u));
    EXPECT_FALSE(server->isPlugged());
    server->runCommand(QStringLiteral("fault sideways"), &status);
    EXPECT_EQ(status, EINVAL);
}

// What a host's write meets when a write fault is armed: a stall, no answer (the client's own
// timeout), or the mouse unplugged; in each case the mouse keeps what it held. Reads pass by a
// write fault untouched.
TEST_F(VirtualMouseServerTest, AWriteFaultStallsGoesUnansweredOrUnplugsAndAppliesNothing) {
    ASSERT_TRUE(startPort());
    auto server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    UsbDevice& device = *arrived[0].device;
    auto write = [&](const QByteArray& data) {
        return offThread([&] { return setReport(device, writeReport(0x0100, data)); });
    };
    auto read = [&] {
        return offThread([&] {
            QByteArray buffer(16, '\0');
            return request(device, UsbHid::kClassInterfaceIn, UsbHid::kGetReport, 4, &buffer);
        });
    };
    auto held = [&] { return server->firmware().memory(0x0100, 2); };
    ASSERT_EQ(write("\x01\x02"), 0);

    int status = -1;
    server->runCommand(QStringLiteral("fault --on write stall"), &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(read(), 0) << "a write fault lets reads pass";
    EXPECT_EQ(write("\x11\x12"), EPIPE);
    EXPECT_EQ(held(), QByteArray("\x01\x02"));
    EXPECT_EQ(write("\x21\x22"), 0) << "once";
    EXPECT_EQ(held(), QByteArray("\x21\x22"));

    server->runCommand(QStringLiteral("fault --on write silent"), &status);
    ASSERT_EQ(status, 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(write("\x31\x32"), ETIMEDOUT);
    EXPECT_GE(clock.elapsed(), VirtualUsbDevice::kReplyTimeoutMs - 100);
    EXPECT_EQ(held(), QByteArray("\x21\x22"));
    EXPECT_EQ(write("\x41\x42"), 0);
    EXPECT_EQ(held(), QByteArray("\x41\x42"));

    server->runCommand(QStringLiteral("fault --on write unplug"), &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(write("\x51\x52"), ENODEV);
    EXPECT_FALSE(server->isPlugged());
    EXPECT_EQ(held(), QByteArray("\x41\x42"));
    EXPECT_TRUE(KxTest::waitFor([&] { return removed.size() == 1; }));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

// A fault armed at the Nth request counts only the requests it is armed on; status shows what is
// armed and how many requests are still to come; arming again replaces it, off disarms it.
TEST_F(VirtualMouseServerTest, AFaultAtTheNthRequestCountsOnlyTheRequestsItIsArmedOn) {
    ASSERT_TRUE(startPort());
    auto server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    auto write = [&](const QByteArray& data) {
        return offThread(
            [&] { return setReport(*arrived.back().device, writeReport(0x0100, data)); });
    };
    auto read = [&] {
        return offThread([&] {
            QByteArray buffer(16, '\0');
            return request(*arrived.back().device, UsbHid::kClassInterfaceIn, UsbHid::kGetReport, 4,
                           &buffer);
        });
    };
    auto armed = [&] {
        int status = -1;
        const QString text = server->runCommand(QStringLiteral("status"), &status);
        const qsizetype at = text.indexOf(QStringLiteral("fault armed: "));
        return at < 0 ? QStringLiteral("<missing>") : text.mid(at + 13).section('\n', 0, 0);
    };
    EXPECT_EQ(armed(), "none");

    int status = -1;
    const QString reply =
        server->runCommand(QStringLiteral("fault --at 3 --on any unplug"), &status);
    ASSERT_EQ(status, 0) << reply.toStdString();
    EXPECT_EQ(reply, "fault armed: unplug at the 3rd feature request (read or write) from now");
    EXPECT_EQ(write("\x01"), 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(armed(), "unplug at the next feature request (read or write)");
    EXPECT_EQ(write("\x02"), ENODEV) << "the third, a write";
    EXPECT_EQ(server->firmware().memory(0x0100, 1), QByteArray("\x01"));
    EXPECT_EQ(armed(), "none");

    server->plug();
    ASSERT_TRUE(waitForArrivals(2));
    server->runCommand(QStringLiteral("fault --at 2 stall"), &status); // reads by default
    ASSERT_EQ(status, 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(write("\x03"), 0);
    EXPECT_EQ(write("\x04"), 0);
    EXPECT_EQ(armed(), "stall at the next read");
    EXPECT_EQ(read(), EPIPE);

    server->runCommand(QStringLiteral("fault --on write stall"), &status);
    EXPECT_EQ(server->runCommand(QStringLiteral("fault --at 12 silent"), &status),
              "fault armed: silent at the 12th read from now (in place of stall at the next "
              "write)");
    EXPECT_EQ(write("\x05"), 0) << "the write fault was replaced";
    EXPECT_EQ(server->runCommand(QStringLiteral("fault off"), &status),
              "fault off (in place of silent at the 12th read from now)");
    EXPECT_EQ(armed(), "none");
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(server->runCommand(QStringLiteral("fault off"), &status),
              "fault off (none was armed)");
}

// One parser serves the program's arguments and the server's command frames: every wrong fault
// command line is refused with what is wrong, nothing is armed.
TEST(VirtualMouseCommandTest, FaultCommandLines) {
    using Kind = FeatureFault::Kind;
    using On = FeatureFault::On;
    auto parse = [](const char* line) {
        return VirtualMouseCommand::parse(QString::fromLatin1(line).split(' '), nullptr);
    };
    const std::pair<const char*, FeatureFault> good[] = {
        {"fault short", {Kind::Short, On::Read, 1}},
        {"fault stall", {Kind::Stall, On::Read, 1}},
        {"fault --on write silent", {Kind::Silent, On::Write, 1}},
        {"fault --at 7 --on any unplug", {Kind::Unplug, On::Any, 7}},
        {"fault unplug --on write --at 2", {Kind::Unplug, On::Write, 2}},
        {"fault --at 3 short", {Kind::Short, On::Read, 3}},
        {"fault --at 1000000 stall", {Kind::Stall, On::Read, 1000000}},
    };
    for (const auto& [line, fault] : good) {
        const auto command = parse(line);
        ASSERT_TRUE(command) << line;
        EXPECT_EQ(command->kind, VirtualMouseCommand::Kind::Fault) << line;
        EXPECT_EQ(command->fault, fault) << line;
    }
    const auto off = parse("fault off");
    ASSERT_TRUE(off);
    EXPECT_EQ(off->fault, std::nullopt);

    const std::pair<const char*, const char*> bad[] = {
        {"fault", "needs one of"},
        {"fault --on write short", "reads only"},
        {"fault --on any short", "reads only"},
        {"fault --at 0 stall", "--at takes"},
        {"fault --at 1000001 stall", "--at takes"},
        {"fault --at -2 stall", "--at takes"},
        {"fault --at two stall", "--at takes"},
        {"fault stall --at", "--at takes"},
        {"fault --at 2 --at 3 stall", "--at takes"},
        {"fault --on sideways stall", "--on takes"},
        {"fault --on read --on write stall", "--on takes"},
        {"fault stall silent", "one of"},
        {"fault --at 2", "needs one of"},
        {"fault off --at 2", "or off"},
        {"fault sideways", "or off"},
    };
    for (const auto& [line, reason] : bad) {
        QString error;
        EXPECT_FALSE(VirtualMouseCommand::parse(QString::fromLatin1(line).split(' '), &error))
            << line;
        EXPECT_TRUE(error.contains(QLatin1String(reason))) << line << ": " << error.toStdString();
    }
}

TEST_F(VirtualMouseServerTest, MotionStreamSendsEveryReportAtItsRateAndStopsOnUnplug) {
    auto server = startServer();
    Client subscriber;
    ASSERT_TRUE(subscriber.subscribe());
    int status = -1;
    subscriber.command("stream-motion 1000 1", &status);
    ASSERT_EQ(status, 0);
    auto isReport = [](const Frame& f) { return f.type == FrameType::InputReport; };
    auto reports = [&] {
        return std::count_if(subscriber.frames.begin(), subscriber.frames.end(), isReport);
    };
    KxTest::spin(300);
    EXPECT_GT(reports(), 0);
    EXPECT_LT(reports(), 1000); // paced, not sent at once
    ASSERT_TRUE(KxTest::waitFor([&] { return reports() == 1000; }, 2000));
    const auto first = std::find_if(subscriber.frames.begin(), subscriber.frames.end(), isReport);
    EXPECT_EQ(first->payload.mid(8), QByteArray::fromHex("00"
                                                         "0100010000000000")); // interface 0

    subscriber.frames.clear();
    subscriber.command("stream-motion 1000 1");
    KxTest::spin(50);
    server->unplug();
    ASSERT_TRUE(subscriber.next(FrameType::Presence)); // reports sent before it are in
    const auto sent = reports();
    KxTest::spin(100);
    EXPECT_EQ(reports(), sent);
    EXPECT_LT(sent, 1000);
}

// A subscriber that names the report ids it wants gets only those: the pointer's motion never
// reaches a client that follows the mouse's own buttons, while one that names none gets all.
TEST_F(VirtualMouseServerTest, ASubscriberGetsOnlyTheReportIdsItAskedFor) {
    auto server = startServer();
    Client buttons;
    buttons.send(FrameType::Subscribe, QByteArray::fromHex("0102"));
    ASSERT_TRUE(buttons.next(FrameType::Presence));
    Client everything;
    ASSERT_TRUE(everything.subscribe());
    int status = -1;
    everything.command("stream-motion 1000 1", &status);
    ASSERT_EQ(status, 0);
    everything.command("press dpi", &status);
    ASSERT_EQ(status, 0);
    auto reportIds = [](const Client& client) {
        QByteArray ids;
        for (const Frame& f : client.frames)
            if (f.type == FrameType::InputReport)
                ids.append(f.payload.at(9)); // after the generation and the interface
        return ids;
    };
    ASSERT_TRUE(
        KxTest::waitFor([&] { return reportIds(everything).count(char(1)) == 1000; }, 3000));
    ASSERT_TRUE(KxTest::waitFor([&] { return reportIds(buttons).contains(char(2)); }));
    EXPECT_EQ(reportIds(buttons), QByteArray(1, char(2))) << "the DPI press, and nothing else";
    EXPECT_TRUE(reportIds(everything).contains(char(2)));
}

// A client that asks and never reads its replies must not make the server keep them all (it
// grew to gigabytes): past a bound its connection is closed, with one line, and others go on.
TEST_F(VirtualMouseServerTest, AClientThatDoesNotReadIsDisconnected) {
    auto server = startServer();
    Client reader;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(VirtualUsb::socketPath());
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const QByteArray dump = encodeFrame(FrameType::Command, "dump");
    bool closed = false;
    for (int sent = 0; sent < 100000 && !closed;) {
        const ssize_t n = ::send(fd, dump.constData(), size_t(dump.size()), MSG_NOSIGNAL);
        if (n == dump.size()) {
            ++sent;
        } else if (n < 0 && errno == EAGAIN) {
            KxTest::spin(5); // the server reads and answers
        } else {
            closed = true; // EPIPE or ECONNRESET: the server let go of it
        }
        if (sent % 100 == 0)
            KxTest::spin(1);
        closed = closed || !warnings.filter("does not read").isEmpty();
    }
    ::close(fd);
    EXPECT_TRUE(closed);
    EXPECT_EQ(warnings.filter("does not read").size(), 1) << warnings.join('\n').toStdString();
    int status = -1;
    reader.command("status", &status);
    EXPECT_EQ(status, 0) << "the others are still served";
}

} // namespace
