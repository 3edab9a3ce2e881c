// The in-process emulated mouse's faults, which the host code's tests arm to meet its error
// paths: what each request gets, what reaches the firmware, and the unplug announced where the
// bus announces removals, also when the request came from a worker thread.
#include "FirmwareUsbBackend.h"
#include "EmulatedMouse.h"
#include "EventLoopWait.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <future>

using KxTest::kScratch;
using Kind = FeatureFault::Kind;
using On = FeatureFault::On;

namespace {

class FirmwareUsbBackendTest : public testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&bus, &UsbBackend::deviceArrived,
                         [this](const UsbDeviceInfo& info) { arrived.push_back(info); });
        QObject::connect(&bus, &UsbBackend::deviceRemoved,
                         [this](quint64 id) { removed.push_back(id); });
        ASSERT_EQ(bus.start(), 0);
        ASSERT_EQ(arrived.size(), 1u);
    }

    // A write of two bytes at kScratch, and the GET of a read into *buffer (a fresh one without):
    // the status; the bytes that came in *done.
    int write(const char* data) {
        return KxTest::setReport(*arrived.back().device,
                                 KxTest::writeReport(kScratch, QByteArray(data, 2)));
    }
    int read(uint32_t* done = nullptr, QByteArray* buffer = nullptr, UsbDevice* device = nullptr) {
        QByteArray own = KxTest::readReport(0, 0);
        return KxTest::featureRequest(device ? *device : *arrived.back().device, false,
                                      buffer ? *buffer : own, KxProtocol::kControlInterface, done);
    }
    QByteArray held() const { return firmware->memory(kScratch, 2); }

    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    FirmwareUsbBackend bus{firmware, log};
    std::vector<UsbDeviceInfo> arrived;
    std::vector<quint64> removed;
};

TEST_F(FirmwareUsbBackendTest, StallAndSilenceFailOneRequestAndReachNothing) {
    ASSERT_EQ(write("\x01\x02"), 0);
    ASSERT_TRUE(bus.armFault({Kind::Stall, On::Write}));
    EXPECT_EQ(read(), 0) << "a write fault lets reads pass";
    EXPECT_EQ(write("\x11\x12"), EPIPE);
    EXPECT_EQ(held(), QByteArray("\x01\x02"));
    EXPECT_EQ(
        log->back(),
        ("SET " + KxTest::writeReport(kScratch, "\x11\x12").toHex(' ') + " (stall)").toStdString());
    EXPECT_EQ(write("\x21\x22"), 0) << "once";
    EXPECT_EQ(held(), QByteArray("\x21\x22"));

    ASSERT_TRUE(bus.armFault({Kind::Silent, On::Read}));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(read(), ETIMEDOUT);
    EXPECT_LT(clock.elapsed(), 500) << "without the wait a real mouse makes";
    EXPECT_EQ(read(), 0);
    EXPECT_TRUE(removed.empty());
}

TEST_F(FirmwareUsbBackendTest, AnUnplugAtTheNthRequestEndsTheDeviceForGood) {
    ASSERT_TRUE(bus.armFault({Kind::Unplug, On::Any, 3}));
    EXPECT_EQ(write("\x01\x02"), 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(bus.armedFault(), (FeatureFault{Kind::Unplug, On::Any, 1}));
    EXPECT_EQ(write("\x03\x04"), ENODEV) << "the third request";
    EXPECT_EQ(held(), QByteArray("\x01\x02"));
    EXPECT_EQ(bus.armedFault(), std::nullopt);
    EXPECT_EQ(read(), ENODEV) << "gone for every later request";
    const size_t logged = log->size();
    EXPECT_EQ(write("\x05\x06"), ENODEV);
    EXPECT_EQ(log->size(), logged) << "nothing reaches the mouse";
    ASSERT_TRUE(KxTest::waitFor([&] { return removed.size() == 1; }));
    EXPECT_EQ(removed[0], arrived[0].serviceId);

    // Plugged again, the new device works; the old handle stays dead.
    bus.plug();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_EQ(write("\x07\x08"), 0);
    EXPECT_EQ(read(nullptr, nullptr, arrived[0].device.get()), ENODEV);
}

// Transfers run on worker threads: the removal is still announced on the bus's own thread,
// after the request has failed.
TEST_F(FirmwareUsbBackendTest, AnUnplugHitOnAWorkerIsAnnouncedOnTheBusThread) {
    ASSERT_TRUE(bus.armFault({Kind::Unplug, On::Write}));
    const QThread* busThread = QThread::currentThread();
    const QThread* announcedOn = nullptr;
    QObject::connect(&bus, &UsbBackend::deviceRemoved,
                     [&](quint64) { announcedOn = QThread::currentThread(); });
    auto worker = std::async(std::launch::async, [&] { return write("\x01\x02"); });
    EXPECT_EQ(worker.get(), ENODEV);
    EXPECT_TRUE(removed.empty()) << "not from the worker";
    ASSERT_TRUE(KxTest::waitFor([&] { return removed.size() == 1; }));
    EXPECT_EQ(announcedOn, busThread);
}

TEST_F(FirmwareUsbBackendTest, ShortReadsAndFaultsThatCannotBeArmed) {
    QByteArray buffer(KxProtocol::kReportLength, '\xA5');
    buffer[0] = char(KxProtocol::kReportRead);
    uint32_t done = 0;
    ASSERT_TRUE(bus.armFault({Kind::Short, On::Read}));
    EXPECT_EQ(read(&done, &buffer), 0);
    EXPECT_EQ(done, 4u);
    EXPECT_EQ(buffer[4], '\xA5') << "the rest of the buffer is left as it was";
    bus.shortenNextRead(6);
    EXPECT_EQ(read(&done), 0);
    EXPECT_EQ(done, 6u);
    EXPECT_EQ(read(&done), 0);
    EXPECT_EQ(done, 16u);

    EXPECT_FALSE(bus.armFault({Kind::Short, On::Write}));
    EXPECT_FALSE(bus.armFault({Kind::Short, On::Any}));
    EXPECT_FALSE(bus.armFault({Kind::Stall, On::Read, 0}));
    EXPECT_EQ(bus.armedFault(), std::nullopt);
    ASSERT_TRUE(bus.armFault({Kind::Stall, On::Read}));
    bus.clearFault();
    EXPECT_EQ(read(), 0);
}

// The manual unplug ends the old device too: a worker still holding it gets ENODEV.
TEST_F(FirmwareUsbBackendTest, UnpluggedTheOldHandleFails) {
    const QByteArray before = held();
    bus.unplug();
    EXPECT_EQ(removed.size(), 1u);
    EXPECT_EQ(write("\x01\x02"), ENODEV);
    EXPECT_EQ(read(), ENODEV);
    EXPECT_EQ(held(), before);
}

} // namespace
