#include "EmulatedMouse.h"
#include "EventLoopWait.h"
#include "PrivateRuntimeDir.h"

#include "VirtualMouseCommand.h"

#include "Virtual/VirtualUsbDevice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace VirtualUsb;
using KxTest::featureRequest;
using KxTest::kScratch;
using KxTest::readReport;
using KxTest::setReport;
using KxTest::writeReport;
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
    // The reply text of a command, whose status must be the one given.
    QString command(const QString& line, int expected = 0) {
        send(FrameType::Command, line.toUtf8());
        const auto text = next(FrameType::Text);
        EXPECT_EQ(text ? readLe<int32_t>(text->payload, 0) : std::nullopt, expected)
            << line.toStdString();
        return text ? QString::fromUtf8(text->payload.mid(4)) : QStringLiteral("<no reply>");
    }

    QLocalSocket socket;
    QByteArray buffer;
    std::vector<Frame> frames;
};

QByteArray setPayload(quint64 generation, const QByteArray& report) {
    QByteArray payload;
    appendLe<uint64_t>(payload, generation);
    appendLe<uint8_t>(payload, KxProtocol::kControlInterface);
    return payload + report;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class VirtualMouseServerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.apply();
    }
    void TearDown() override {
        server.reset();
        port.reset();
        UsbNotificationPort::setBackendFactory({});
    }

    std::unique_ptr<VirtualMouseServer> startServer() { return KxTest::startServer(&warnings); }

    // A notification port on the virtual bus; arrivals and removals are recorded.
    bool startPort() {
        KxTest::useVirtualBus();
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
    // The port, then the server, and its mouse arrived. The port starts first: with the server in
    // this thread, the backend's wait for the presence of an already running server could not be
    // answered.
    void plugIn() {
        ASSERT_TRUE(startPort());
        server = startServer();
        ASSERT_TRUE(waitForArrivals(1));
    }

    // Requests to the mouse that arrived last, each on a worker thread: their status.
    UsbDevice& device() { return *arrived.back().device; }
    int write(const QByteArray& data) {
        return offThread([&] { return setReport(device(), writeReport(kScratch, data)); });
    }
    // The GET of a read into a buffer of 0xA5; the bytes that came in *done.
    int read(uint32_t* done = nullptr) {
        return offThread([&] {
            QByteArray buffer(KxProtocol::kReportLength, '\xA5');
            buffer[0] = char(KxProtocol::kReportRead);
            return featureRequest(device(), false, buffer, KxProtocol::kControlInterface, done);
        });
    }
    QByteArray held() { return server->firmware().memory(kScratch, 2); }
    // A command line that the server must take; its reply.
    QString command(const QString& line) {
        int status = -1;
        const QString reply = server->runCommand(line, &status);
        EXPECT_EQ(status, 0) << line.toStdString() << ": " << reply.toStdString();
        return reply;
    }

    PrivateRuntimeDir dir;
    QStringList warnings;
    std::unique_ptr<UsbNotificationPort> port;
    std::unique_ptr<VirtualMouseServer> server;
    std::vector<UsbDeviceInfo> arrived;
    std::vector<quint64> removed;
};

TEST_F(VirtualMouseServerTest, MalformedFramesCloseOnlyThatConnectionSubscribersHearReports) {
    server = startServer();
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
    subscriber.command("press profile");
    const auto report = subscriber.next(FrameType::InputReport);
    ASSERT_TRUE(report);
    EXPECT_EQ(*readLe<uint64_t>(report->payload, 0), 1u);
    EXPECT_EQ(report->payload.mid(8),
              char(KxProtocol::kControlInterface) + KxTest::buttonReport(KxProtocol::kKindProfile));

    EXPECT_EQ(subscriber.command("unplug"), "unplugged");
    const auto presence = subscriber.next(FrameType::Presence);
    ASSERT_TRUE(presence);
    EXPECT_EQ(presence->payload[0], 0);
    subscriber.command("press dpi", ENODEV);
    EXPECT_EQ(server->firmware().state().stage, 0);
}

TEST_F(VirtualMouseServerTest, ARequestIsAppliedOnlyOnceItsWholeFrameArrived) {
    server = startServer();
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
    server = startServer();
    const QByteArray prepare = readReport(kScratch, 2);
    const auto set = [](Client& client, const QByteArray& report) {
        client.send(FrameType::SetFeature, setPayload(1, report));
        return client.next(FrameType::Result).has_value();
    };
    const auto get = [](Client& client) {
        QByteArray payload;
        appendLe<uint64_t>(payload, 1);
        appendLe<uint8_t>(payload, KxProtocol::kControlInterface);
        appendLe<uint16_t>(payload, KxProtocol::kReportLength);
        appendLe<uint8_t>(payload, KxProtocol::kReportRead);
        client.send(FrameType::GetFeature, payload);
        return client.next(FrameType::Result).has_value();
    };
    Client window, daemon;
    // In turn: each read whole, a write of the same connection inside its own read; a prepare
    // the window never fetches (the mouse left ready to say its profile), then the daemon's read.
    ASSERT_TRUE(set(window, prepare) && set(window, writeReport(kScratch, "\x01")) && get(window));
    ASSERT_TRUE(set(daemon, prepare) && get(daemon) && set(window, writeReport(kScratch, "\x02")));
    ASSERT_TRUE(set(window, prepare) && set(daemon, prepare) && get(daemon));
    EXPECT_EQ(server->readTurns().broken(), 0u);

    // Out of turn: another's prepare, write or whole read inside a read that is then answered.
    ASSERT_TRUE(set(window, prepare) && set(daemon, prepare) && get(window));
    EXPECT_EQ(server->readTurns().broken(), 1u) << "the window took the daemon's answer";
    ASSERT_TRUE(set(window, prepare) && set(daemon, writeReport(kScratch, "\x03")) && get(window));
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
    const uint16_t record = KxProtocol::recordAddress(0, 0);
    server = startServer();
    server->firmware().press(Fw::Key::Dpi);
    Client client;
    client.send(FrameType::SetFeature, setPayload(1, writeReport(record, "\xA5\x40")));
    ASSERT_TRUE(client.next(FrameType::Result));
    server->firmware().press(Fw::Key::Lock);
    server->stop();
    EXPECT_FALSE(QFile::exists(VirtualUsb::socketPath()));

    server.reset();
    server = startServer();
    EXPECT_EQ(server->firmware().state(), (Fw::State{1, 1, 16})) << "stage 2, unlocked";
    EXPECT_EQ(server->firmware().memory(record, 2), QByteArray("\xA5\x40"));
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

    server = startServer();
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

    server = startServer();
    ASSERT_TRUE(waitForArrivals(1));
    const UsbDeviceInfo first = arrived[0];
    EXPECT_EQ(first.vendorId, KxProtocol::kVendorId);
    EXPECT_EQ(first.productId, KxProtocol::kProductId);
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
    server = startServer();
    EXPECT_TRUE(waitForArrivals(1));
}

TEST_F(VirtualMouseServerTest, DeviceRequestsRoundTripAndResetMakesANewGeneration) {
    ASSERT_NO_FATAL_FAILURE(plugIn());
    UsbDevice& mouse = device();
    const auto [writeStatus, prepareStatus, readStatus, response] = offThread([&] {
        QByteArray answer = readReport(kScratch, 2);
        const int w = setReport(mouse, writeReport(kScratch, "\xC3\x3C"));
        const int p = setReport(mouse, answer);
        const int r = featureRequest(mouse, false, answer);
        return std::tuple{w, p, r, answer};
    });
    EXPECT_EQ(writeStatus, 0);
    EXPECT_EQ(prepareStatus, 0);
    EXPECT_EQ(readStatus, 0);
    EXPECT_EQ(response.left(6), readReport(kScratch, 2).left(4) + "\xC3\x3C");
    // Three requests with no pause between them: two came too soon.
    EXPECT_EQ(server->pacing().requests(), 3u);
    EXPECT_EQ(server->pacing().tooClose(), 2u);
    // A stall from the firmware travels back as it is.
    EXPECT_EQ(offThread([&] { return setReport(mouse, writeReport(kScratch, "\x01"), 0); }), EPIPE);

    server->firmware().press(Fw::Key::Dpi);
    ASSERT_EQ(server->firmware().state().stage, 1);
    const QByteArray live = writeReport(KxProtocol::kRegLiveDpi, "\x03\x05");
    server->firmware().setFeatureReport(KxProtocol::kControlInterface,
                                        reinterpret_cast<const uint8_t*>(live.constData()),
                                        size_t(live.size()), nullptr);
    EXPECT_EQ(offThread([&] { return mouse.reset(); }), 0);
    ASSERT_TRUE(waitForArrivals(2));
    EXPECT_EQ(removed.size(), 1u);
    EXPECT_EQ(server->firmware().state(), (Fw::State{1, 1, 16})) << "the stored block again";
    EXPECT_EQ(offThread([&] { return mouse.reset(); }), ENODEV);
}

TEST_F(VirtualMouseServerTest, AnArmedFaultAnswersTheNextReadOnceShortStalledOrByUnplugging) {
    ASSERT_NO_FATAL_FAILURE(plugIn());
    // A read response: the status and how many bytes came.
    const auto fetch = [&] {
        uint32_t done = 0;
        return std::pair{read(&done), done};
    };
    command("fault short");
    EXPECT_EQ(fetch(), std::pair(0, 4u));
    EXPECT_EQ(fetch(), std::pair(0, 16u)) << "once";
    command("fault stall");
    EXPECT_EQ(fetch(), std::pair(EPIPE, 0u));
    command("fault unplug");
    EXPECT_EQ(fetch(), std::pair(ENODEV, 0u));
    EXPECT_FALSE(server->isPlugged());
    int status = -1;
    server->runCommand(QStringLiteral("fault sideways"), &status);
    EXPECT_EQ(status, EINVAL);
}

// What a host's write meets when a write fault is armed: a stall, no answer (the client's own
// timeout), or the mouse unplugged; in each case the mouse keeps what it held. Reads pass by a
// write fault untouched.
TEST_F(VirtualMouseServerTest, AWriteFaultStallsGoesUnansweredOrUnplugsAndAppliesNothing) {
    ASSERT_NO_FATAL_FAILURE(plugIn());
    ASSERT_EQ(write("\x01\x02"), 0);

    command("fault --on write stall");
    EXPECT_EQ(read(), 0) << "a write fault lets reads pass";
    EXPECT_EQ(write("\x11\x12"), EPIPE);
    EXPECT_EQ(held(), QByteArray("\x01\x02"));
    EXPECT_EQ(write("\x21\x22"), 0) << "once";
    EXPECT_EQ(held(), QByteArray("\x21\x22"));

    command("fault --on write silent");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(write("\x31\x32"), ETIMEDOUT);
    EXPECT_GE(clock.elapsed(), VirtualUsbDevice::kReplyTimeoutMs - 100);
    EXPECT_EQ(held(), QByteArray("\x21\x22"));
    EXPECT_EQ(write("\x41\x42"), 0);
    EXPECT_EQ(held(), QByteArray("\x41\x42"));

    command("fault --on write unplug");
    EXPECT_EQ(write("\x51\x52"), ENODEV);
    EXPECT_FALSE(server->isPlugged());
    EXPECT_EQ(held(), QByteArray("\x41\x42"));
    EXPECT_TRUE(KxTest::waitFor([&] { return removed.size() == 1; }));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

// A fault armed at the Nth request counts only the requests it is armed on; status shows what is
// armed and how many requests are still to come; arming again replaces it, off disarms it.
TEST_F(VirtualMouseServerTest, AFaultAtTheNthRequestCountsOnlyTheRequestsItIsArmedOn) {
    ASSERT_NO_FATAL_FAILURE(plugIn());
    auto armed = [&] {
        const QString text = command("status");
        const qsizetype at = text.indexOf(QStringLiteral("fault armed: "));
        return at < 0 ? QStringLiteral("<missing>") : text.mid(at + 13).section('\n', 0, 0);
    };
    EXPECT_EQ(armed(), "none");

    EXPECT_EQ(command("fault --at 3 --on any unplug"),
              "fault armed: unplug at the 3rd feature request (read or write) from now");
    EXPECT_EQ(write("\x01"), 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(armed(), "unplug at the next feature request (read or write)");
    EXPECT_EQ(write("\x02"), ENODEV) << "the third, a write";
    EXPECT_EQ(server->firmware().memory(kScratch, 1), QByteArray("\x01"));
    EXPECT_EQ(armed(), "none");

    server->plug();
    ASSERT_TRUE(waitForArrivals(2));
    command("fault --at 2 stall"); // reads by default
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(write("\x03"), 0);
    EXPECT_EQ(write("\x04"), 0);
    EXPECT_EQ(armed(), "stall at the next read");
    EXPECT_EQ(read(), EPIPE);

    command("fault --on write stall");
    EXPECT_EQ(command("fault --at 12 silent"),
              "fault armed: silent at the 12th read from now (in place of stall at the next "
              "write)");
    EXPECT_EQ(write("\x05"), 0) << "the write fault was replaced";
    EXPECT_EQ(command("fault off"), "fault off (in place of silent at the 12th read from now)");
    EXPECT_EQ(armed(), "none");
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(command("fault off"), "fault off (none was armed)");
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
    server = startServer();
    Client subscriber;
    ASSERT_TRUE(subscriber.subscribe());
    subscriber.command("stream-motion 1000 1");
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
    server = startServer();
    const char buttonsId = char(KxProtocol::kReportIdButtons);
    Client buttons;
    buttons.send(FrameType::Subscribe, QByteArray(1, char(kSubscribeInputReports)) + buttonsId);
    ASSERT_TRUE(buttons.next(FrameType::Presence));
    Client everything;
    ASSERT_TRUE(everything.subscribe());
    everything.command("stream-motion 1000 1");
    everything.command("press dpi");
    auto reportIds = [](const Client& client) {
        QByteArray ids;
        for (const Frame& f : client.frames)
            if (f.type == FrameType::InputReport)
                ids.append(f.payload.at(9)); // after the generation and the interface
        return ids;
    };
    ASSERT_TRUE(
        KxTest::waitFor([&] { return reportIds(everything).count(char(1)) == 1000; }, 3000));
    ASSERT_TRUE(KxTest::waitFor([&] { return reportIds(buttons).contains(buttonsId); }));
    EXPECT_EQ(reportIds(buttons), QByteArray(1, buttonsId)) << "the DPI press, and nothing else";
    EXPECT_TRUE(reportIds(everything).contains(buttonsId));
}

// A client that asks and never reads its replies must not make the server keep them all (it
// grew to gigabytes): past a bound its connection is closed, with one line, and others go on.
TEST_F(VirtualMouseServerTest, AClientThatDoesNotReadIsDisconnected) {
    server = startServer();
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
    reader.command("status"); // the others are still served
}

} // namespace
