#include "EventLoopWait.h"

#include "FlashStore.h"
#include "VirtualMouseServer.h"

#include "Usb/UsbNotificationPort.h"
#include "Usb/Virtual/VirtualUsbBackend.h"
#include "Usb/Virtual/VirtualUsbDevice.h"
#include "Usb/Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <future>

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
    bool closed() const { return socket.state() == QLocalSocket::UnconnectedState; }
    // The next frame of a type, waiting for it.
    std::optional<Frame> next(FrameType type) {
        std::optional<Frame> found;
        KxTest::waitFor([&] {
            for (auto it = frames.begin(); it != frames.end(); ++it) {
                if (it->type == type) {
                    found = *it;
                    frames.erase(it);
                    return true;
                }
            }
            return false;
        });
        return found;
    }
    QString command(const QString& line, int* status = nullptr) {
        send(FrameType::Command, line.toUtf8());
        const auto text = next(FrameType::Text);
        if (!text)
            return QStringLiteral("<no reply>");
        if (status)
            *status = *readLe<int32_t>(text->payload, 0);
        return QString::fromUtf8(text->payload.mid(4));
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
    QByteArray report;
    report.append(char(3)).append(char(address & 0xFF)).append(char(address >> 8));
    report.append(char(data.size())).append(data);
    report.resize(16, '\0');
    return report;
}

struct Seen {
    std::vector<UsbDeviceInfo> arrived;
    std::vector<quint64> removed;
};

void onArrived(void* refCon, UsbDeviceIterator* it) {
    while (auto info = it->next())
        static_cast<Seen*>(refCon)->arrived.push_back(*info);
}

void onRemoved(void* refCon, UsbDeviceIterator* it) {
    while (auto info = it->next())
        static_cast<Seen*>(refCon)->removed.push_back(info->serviceId);
}

class VirtualMouseServerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        runtimeDir = dir.filePath("run");
        QDir().mkpath(runtimeDir);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
        qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());
    }
    void TearDown() override { UsbNotificationPort::setBackendFactory({}); }

    std::unique_ptr<VirtualMouseServer> startServer(bool plugged = true) {
        auto server = std::make_unique<VirtualMouseServer>(VirtualMouseServer::Options{
            VirtualUsb::socketPath(), FlashStore::defaultPath(), plugged});
        QObject::connect(server.get(), &VirtualMouseServer::warning,
                         [this](const QString& line) { warnings << line; });
        QString error;
        EXPECT_TRUE(server->start(&error)) << error.toStdString();
        return server;
    }

    std::unique_ptr<UsbNotificationPort> startPort(Seen* seen) {
        UsbNotificationPort::setBackendFactory([] {
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::make_unique<VirtualUsbBackend>());
            return backends;
        });
        int error = 0;
        auto port = UsbNotificationPort::create(&error);
        EXPECT_TRUE(port) << error;
        if (port) {
            onArrived(seen, port->addMatchingNotification(UsbNotificationPort::Kind::FirstMatch,
                                                          onArrived, seen));
            onRemoved(seen, port->addMatchingNotification(UsbNotificationPort::Kind::Terminate,
                                                          onRemoved, seen));
        }
        return port;
    }

    QTemporaryDir dir;
    QString runtimeDir;
    QStringList warnings;
};

int request(UsbDevice& device, uint8_t type, uint8_t requestCode, uint8_t reportId,
            QByteArray* buffer) {
    UsbControlRequest r;
    r.bmRequestType = type;
    r.bRequest = requestCode;
    r.wValue = uint16_t(UsbHid::kReportTypeFeature << 8 | reportId);
    r.wIndex = 1;
    r.wLength = uint16_t(buffer->size());
    r.pData = buffer->data();
    return device.deviceRequest(r);
}

int setReport(UsbDevice& device, QByteArray report) {
    return request(device, UsbHid::kClassInterfaceOut, UsbHid::kSetReport, uint8_t(report[0]),
                   &report);
}

} // namespace

TEST_F(VirtualMouseServerTest, MalformedAndOversizedFramesCloseOnlyThatConnection) {
    auto server = startServer();
    Client subscriber;
    subscriber.send(FrameType::Subscribe, {});
    ASSERT_TRUE(subscriber.next(FrameType::Presence));

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
    int status = -1;
    EXPECT_EQ(subscriber.command("unplug", &status), "unplugged");
    EXPECT_EQ(status, 0);
    const auto presence = subscriber.next(FrameType::Presence);
    ASSERT_TRUE(presence);
    EXPECT_EQ(presence->payload[0], 0);
}

TEST_F(VirtualMouseServerTest, ARequestIsAppliedOnlyOnceItsWholeFrameArrived) {
    auto server = startServer();
    const QByteArray frame =
        encodeFrame(FrameType::SetFeature, setPayload(1, writeReport(0x2000, "\x11\x22")));
    {
        Client vanishing;
        vanishing.send(frame.left(frame.size() - 3));
        KxTest::spin(20);
        EXPECT_EQ(server->firmware().memory(0x2000, 2), QByteArray(2, '\0'));
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

TEST_F(VirtualMouseServerTest, SubscribersHearInputReportsOfTheCurrentGeneration) {
    auto server = startServer();
    Client subscriber;
    subscriber.send(FrameType::Subscribe, {});
    ASSERT_TRUE(subscriber.next(FrameType::Presence));
    int status = -1;
    const QString text = subscriber.command("press profile", &status);
    EXPECT_EQ(status, 0) << text.toStdString();
    const auto report = subscriber.next(FrameType::InputReport);
    ASSERT_TRUE(report);
    EXPECT_EQ(*readLe<uint64_t>(report->payload, 0), 1u);
    EXPECT_EQ(report->payload.mid(8), QByteArray::fromHex("01"
                                                          "0204000000000000"));

    subscriber.command("unplug");
    subscriber.command("press dpi", &status);
    EXPECT_EQ(status, ENODEV);
    EXPECT_EQ(server->firmware().state().stage, 0);
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
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a flash image");
    file.close();

    auto server = startServer();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(path));
    EXPECT_EQ(server->firmware().flashImage(), Fw::factoryImage());
    server->stop();

    const QStringList aside =
        QDir(QFileInfo(path).absolutePath()).entryList({"flash.bin.bad-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(path).absoluteDir().filePath(aside.first()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "not a flash image");
    QFile replaced(path);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), Fw::factoryImage());
}

TEST_F(VirtualMouseServerTest, BackendFollowsPlugUnplugAndServerRestarts) {
    Seen seen;
    auto port = startPort(&seen); // no server yet: the backend idles on the folder watch
    ASSERT_TRUE(port);
    EXPECT_TRUE(seen.arrived.empty());

    auto server = startServer();
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 1; }));
    const UsbDeviceInfo first = seen.arrived[0];
    EXPECT_EQ(first.vendorId, 0x04F2);
    EXPECT_EQ(first.productId, 0x1106);
    EXPECT_TRUE(first.productName.has_value());
    ASSERT_TRUE(first.device);

    server->unplug();
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.removed.size() == 1; }));
    EXPECT_EQ(seen.removed[0], first.serviceId);
    QByteArray report = writeReport(0x2000, "\x01");
    EXPECT_EQ(offThread([&] { return setReport(*first.device, report); }), ENODEV);

    server->plug();
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 2; }));
    EXPECT_NE(seen.arrived[1].serviceId, first.serviceId);
    EXPECT_EQ(offThread([&] { return setReport(*first.device, report); }), ENODEV);
    EXPECT_EQ(offThread([&] { return setReport(*seen.arrived[1].device, report); }), 0);

    server.reset(); // gone: removal, and requests fail
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.removed.size() == 2; }));
    EXPECT_EQ(offThread([&] { return setReport(*seen.arrived[1].device, report); }), ENODEV);

    server = startServer();
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 3; }));
    EXPECT_EQ(offThread([&] { return setReport(*seen.arrived[2].device, report); }), 0);
}

TEST_F(VirtualMouseServerTest, BackendWaitsForAMissingRuntimeFolder) {
    const QString nested = dir.filePath("later/run");
    qputenv("XDG_RUNTIME_DIR", nested.toLocal8Bit());
    Seen seen;
    auto port = startPort(&seen);
    ASSERT_TRUE(port);
    EXPECT_FALSE(QFileInfo::exists(nested)); // the backend creates nothing

    QDir().mkpath(nested);
    auto server = startServer();
    EXPECT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 1; }));
}

TEST_F(VirtualMouseServerTest, DeviceRequestsRoundTripAndResetMakesANewGeneration) {
    // The port starts first: with the server in this thread, the backend's wait for the presence
    // of an already running server could not be answered.
    Seen seen;
    auto port = startPort(&seen);
    auto server = startServer();
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 1; }));
    UsbDevice& device = *seen.arrived[0].device;

    const auto [writeStatus, prepareStatus, readStatus, response] = offThread([&] {
        QByteArray prepare = QByteArray::fromHex("04000102") + QByteArray(12, '\0');
        QByteArray read(16, '\0');
        const int w = setReport(device, writeReport(0x0100, "\xC3\x3C"));
        const int p = setReport(device, prepare);
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
    QByteArray wrongInterface = writeReport(0x0100, "\x01");
    EXPECT_EQ(offThread([&] {
                  UsbControlRequest r{UsbHid::kClassInterfaceOut, UsbHid::kSetReport, 0x0303, 0, 16,
                                      wrongInterface.data()};
                  return device.deviceRequest(r);
              }),
              EPIPE);

    server->firmware().press(Fw::Key::Dpi);
    ASSERT_EQ(server->firmware().state().stage, 1);
    server->firmware().setFeatureReport(
        1, reinterpret_cast<const uint8_t*>("\x03\x00\xFF\x02\x03\x05"), 6, nullptr);
    EXPECT_EQ(offThread([&] { return device.reset(); }), 0);
    ASSERT_TRUE(KxTest::waitFor([&] { return seen.arrived.size() == 2; }));
    EXPECT_EQ(seen.removed.size(), 1u);
    EXPECT_EQ(server->firmware().state().stage, 1); // re-committed from the stored block
    EXPECT_EQ(server->firmware().state().dpi, 16);
    EXPECT_EQ(offThread([&] { return device.reset(); }), ENODEV);
}

TEST_F(VirtualMouseServerTest, MotionStreamSendsEveryReportAtItsRateAndStopsOnUnplug) {
    auto server = startServer();
    Client subscriber;
    subscriber.send(FrameType::Subscribe, {});
    ASSERT_TRUE(subscriber.next(FrameType::Presence));
    int status = -1;
    subscriber.command("stream-motion 1000 1", &status);
    ASSERT_EQ(status, 0);
    auto reports = [&] {
        return std::count_if(subscriber.frames.begin(), subscriber.frames.end(),
                             [](const Frame& f) { return f.type == FrameType::InputReport; });
    };
    KxTest::spin(300);
    EXPECT_GT(reports(), 0);
    EXPECT_LT(reports(), 1000); // paced, not sent at once
    ASSERT_TRUE(KxTest::waitFor([&] { return reports() == 1000; }, 2000));
    const auto first =
        std::find_if(subscriber.frames.begin(), subscriber.frames.end(),
                     [](const Frame& f) { return f.type == FrameType::InputReport; });
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
