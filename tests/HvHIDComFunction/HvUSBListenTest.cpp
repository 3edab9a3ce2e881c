#include "HvDaemon/HvUSBListen.h"
#include "Drivers/DriverRegistry.h"
#include "KxProtocol.h"
#include "TestUsbBackend.h"
#include "Usb/UsbNotificationPort.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <array>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {
using namespace KxProtocol;
const QString kDriverClass = QStringLiteral("TestReportHook");

// Records what the listener asked of it, in order.
class RecordingHandler : public HvUSBDealwithObj {
public:
    std::vector<std::string> events;
    std::vector<std::array<uint8_t, 8>> reports;

    void andDevPro() override {
        HvUSBDealwithObj::andDevPro();
        events.push_back("arrived");
    }
    void removeDevPro() override {
        HvUSBDealwithObj::removeDevPro();
        events.push_back("removed");
    }
    void didEndInit() override { events.push_back("init"); }
    void dealWithMsg(const uint8_t* report) override {
        std::array<uint8_t, 8> bytes;
        std::copy(report, report + 8, bytes.begin());
        reports.push_back(bytes);
    }
};

class HvUSBListenTest : public testing::Test {
protected:
    void SetUp() override {
        UsbNotificationPort::setBackendFactory([this] {
            auto backend = std::make_unique<TestUsbBackend>();
            if (mousePresentAtStart)
                mouse = backend->plug(kVendorId, kProductId);
            bus = backend.get();
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::move(backend));
            return backends;
        });
        listen.setSelDealMessage(handler);
        listen.setVendorID(kVendorId);
        listen.setProductID(kProductId);
        listen.setDriverIdentify(kDriverClass);
        listen.setIsPrintMsg(false);
    }
    void TearDown() override {
        UsbNotificationPort::setBackendFactory({});
        for (const auto& instance : instances)
            DriverRegistry::shared().unpublish(instance.get());
    }

    // A report hook instance for a node of a device with these ids, at that USB location.
    std::shared_ptr<DriverService> publishHook(quint16 vendor = kVendorId,
                                               quint16 product = kProductId,
                                               uint32_t location = 0x01200000) {
        auto instance = std::make_shared<DriverService>(kDriverClass);
        instance->setProperty(QStringLiteral("idVendor"), vendor);
        instance->setProperty(QStringLiteral("idProduct"), product);
        instance->setProperty(QStringLiteral("locationID"), location);
        DriverRegistry::shared().publish(instance);
        instances.push_back(instance);
        return instance;
    }

    static void sendReport(DriverService& hook, std::array<uint8_t, 8> bytes) {
        std::array<uint8_t, 128> buffer{};
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
        hook.messageClients(HvUSBListen::kReportMessage, buffer.data(), buffer.size());
    }
    static void sendClosed(DriverService& hook) {
        hook.messageClients(HvUSBListen::kServiceClosedMessage, nullptr, 0);
    }

    // Runs startListen; steps run inside its event loop, then the loop is stopped.
    void listenWhile(const std::function<void()>& steps) {
        QTimer::singleShot(0, [&] {
            steps();
            listen.stopListen();
        });
        EXPECT_TRUE(listen.startListen());
    }

    bool mousePresentAtStart = false;
    quint64 mouse = 0;
    TestUsbBackend* bus = nullptr;
    std::shared_ptr<RecordingHandler> handler = std::make_shared<RecordingHandler>();
    std::vector<std::shared_ptr<DriverService>> instances;
    HvUSBListen listen;
};

using Events = std::vector<std::string>;

TEST_F(HvUSBListenTest, MousePresentAtStartArrivesTwiceAndBothHookInstancesReport) {
    mousePresentAtStart = true;
    auto pointer = publishHook();
    publishHook(0x046D, 0xC077); // another mouse's node is never subscribed
    auto buttons = publishHook();

    listenWhile([&] {
        EXPECT_EQ(handler->events, (Events{"arrived", "arrived", "init"}));
        sendReport(*pointer, {1, 0, 5, 0xFB, 0, 0, 0, 0});
        sendReport(*buttons, {kReportIdButtons, kKindDpi});
        instances[1]->messageClients(HvUSBListen::kReportMessage, nullptr, 0);
        buttons->messageClients(HvUSBListen::kReportMessage, nullptr, 4); // too short to be one
        buttons->messageClients(0xE0000010, nullptr, 0); // a notice that carries no report

        sendClosed(*pointer);
        sendClosed(*buttons); // the second instance of the same device: already handled
        sendReport(*buttons, {kReportIdButtons, kKindProfile});
    });

    ASSERT_EQ(handler->reports.size(), 2u);
    EXPECT_EQ(handler->reports[0][0], 1);
    EXPECT_EQ(handler->reports[1], (std::array<uint8_t, 8>{kReportIdButtons, kKindDpi}));
    EXPECT_EQ(handler->events, (Events{"arrived", "arrived", "init", "removed"}));
    EXPECT_EQ(pointer->clientCount(), 0u) << "removal ends every subscription of the device";
}

TEST_F(HvUSBListenTest, HotPlugSubscribesHookInstancesThatComeUpAfterTheDevice) {
    listenWhile([&] {
        EXPECT_EQ(handler->events, (Events{"init"})) << "nothing before the mouse arrives";
        mouse = bus->plug(kVendorId, kProductId);
        bus->plug(0x046D, 0xC31C); // a keyboard: not ours
        EXPECT_EQ(handler->events, (Events{"init", "arrived"}));

        auto late = publishHook(); // the HID driver binds after the USB device appeared
        sendReport(*late, {kReportIdButtons, kKindRate});
        sendClosed(*late);
        EXPECT_EQ(handler->events.back(), "removed");

        // Plugged again: a new arrival, a new instance, reports flow again.
        mouse = bus->plug(kVendorId, kProductId);
        auto again = publishHook();
        sendReport(*again, {kReportIdButtons, kKindLock});
    });
    ASSERT_EQ(handler->reports.size(), 2u);
    EXPECT_EQ(handler->reports[1][1], kKindLock);
    EXPECT_EQ(handler->events, (Events{"init", "arrived", "removed", "arrived"}));
}

// The real mouse and the emulated one side by side: each record takes only the hook instances
// of its own device, so one leaving never ends the other's reports.
TEST_F(HvUSBListenTest, InstancesJoinOnlyTheDeviceTheyBelongTo) {
    constexpr uint32_t kOtherLocation = 0xFE100000;
    listenWhile([&] {
        auto otherDevice = std::make_shared<TestUsbDevice>();
        otherDevice->locationId = kOtherLocation;
        bus->plug(kVendorId, kProductId);
        const quint64 other = bus->plug(kVendorId, kProductId, {.device = otherDevice});
        // Both hooks come up after both devices, the first device's first.
        auto own = publishHook(kVendorId, kProductId, 0x01200000);
        auto others = publishHook(kVendorId, kProductId, kOtherLocation);
        EXPECT_EQ(own->clientCount(), 1u);
        EXPECT_EQ(others->clientCount(), 1u);
        sendReport(*own, {kReportIdButtons, kKindDpi});

        sendClosed(*others);
        bus->unplug(other);
        EXPECT_EQ(others->clientCount(), 0u);
        EXPECT_EQ(own->clientCount(), 1u) << "the first mouse's subscription stays";
        // A hook of a device that is not there joins nothing.
        EXPECT_EQ(publishHook(kVendorId, kProductId, 0x03100000)->clientCount(), 0u);
    });
    ASSERT_EQ(handler->reports.size(), 1u);
}

TEST_F(HvUSBListenTest, DeviceLeavingWithoutAHookInstanceIsStillSeenLeaving) {
    mousePresentAtStart = true;
    CaptureStdout();
    listenWhile([&] { bus->unplug(mouse); });
    const std::string out = GetCapturedStdout();
    EXPECT_EQ(handler->events, (Events{"arrived", "arrived", "init", "removed"}));
    EXPECT_NE(out.find("No matching HID class devices found."), std::string::npos);
    EXPECT_NE(out.find("IOServiceAddInterestNotification returned 0xe00002f0"), std::string::npos);
    EXPECT_NE(out.find("Location ID: 0x1200000"), std::string::npos);
}

TEST_F(HvUSBListenTest, RefusesIdsThatCannotNameADeviceAndSkipsDevicesWithoutHandle) {
    listen.setIsPrintMsg(true);
    listen.setVendorID(0x10000);
    CaptureStdout();
    EXPECT_FALSE(listen.startListen());
    EXPECT_NE(GetCapturedStdout().find("Can't create a USB matching dictionary\n"),
              std::string::npos);

    listen.setVendorID(kVendorId);
    CaptureStdout();
    listenWhile([&] { bus->plug(kVendorId, kProductId, {.handleError = EACCES}); });
    EXPECT_NE(GetCapturedStdout().find("unable to create a plugin (0000000d)"), std::string::npos);
    EXPECT_EQ(handler->events, (Events{"init"}));
}

TEST_F(HvUSBListenTest, TerminationSignalEndsListeningNormally) {
    mousePresentAtStart = true;
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    EXPECT_TRUE(listen.startListen()) << "the loop ends and startListen returns";
    EXPECT_EQ(listen.selDealMessage(), nullptr) << "the handler is released";
}
} // namespace
