#include "HvDeviceRequester/HvDeviceRequester.h"
#include "KxProtocol.h"
#include "TestUsbBackend.h"
#include "Usb/UsbNotificationPort.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <future>
#include <thread>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {
using namespace KxProtocol;

class HvDeviceRequesterTest : public testing::Test {
protected:
    void SetUp() override {
        UsbNotificationPort::setBackendFactory([this] {
            auto backend = std::make_unique<TestUsbBackend>();
            backend->startResult = startResult;
            for (auto [vid, pid] : presentAtStart)
                backend->plug(vid, pid);
            bus = backend.get();
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::move(backend));
            return backends;
        });
    }
    void TearDown() override { UsbNotificationPort::setBackendFactory({}); }

    quint64 selectedService() const {
        return requester.currDevDic().value(QStringLiteral("service")).toULongLong();
    }

    static IOUSBDevRequest featureWrite(uint8_t* report) {
        return {UsbHid::kClassInterfaceOut,
                UsbHid::kSetReport,
                uint16_t(UsbHid::kReportTypeFeature << 8 | kReportWrite),
                kControlInterface,
                kReportLength,
                report};
    }

    std::vector<std::pair<quint16, quint16>> presentAtStart;
    int startResult = 0;
    TestUsbBackend* bus = nullptr;
    HvDeviceRequester requester;
};

TEST_F(HvDeviceRequesterTest, SelectsTheFirstArrivedMouseAndFallsBackToTheNextOnRemoval) {
    // Devices of the mouse's maker, or with its product number from another maker, are not it.
    presentAtStart = {{kVendorId, 0x0001}, {0x1234, kProductId}, {kVendorId, kProductId}};
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    ASSERT_TRUE(requester.isDevOn());
    EXPECT_TRUE(requester.isListenSelected());
    EXPECT_EQ(requester.deviceArray().size(), 3);
    const quint64 first = selectedService();
    EXPECT_EQ(requester.currDevDic().value(QStringLiteral("VID")).toUInt(), kVendorId);
    EXPECT_EQ(requester.currDevDic().value(QStringLiteral("PID")).toUInt(), kProductId);

    const quint64 second = bus->plug(kVendorId, kProductId);
    EXPECT_EQ(selectedService(), first) << "a later mouse must not take over";

    const quint64 keyboard = bus->plug(0x046D, 0xC31C);
    bus->unplug(keyboard);
    EXPECT_EQ(selectedService(), first) << "other devices leave the selection alone";

    bus->unplug(first);
    EXPECT_EQ(selectedService(), second);
    bus->unplug(second);
    EXPECT_FALSE(requester.isDevOn());
    EXPECT_TRUE(requester.currDevDic().isEmpty());

    bus->plug(kVendorId, kProductId);
    EXPECT_TRUE(requester.isDevOn()) << "plugging in again selects the new entry";
}

TEST_F(HvDeviceRequesterTest, EntriesCarryIdsNameHandleAndService) {
    presentAtStart = {{kVendorId, kProductId}};
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    const QVariantMap entry = requester.currDevDic();
    EXPECT_EQ(entry.value(QStringLiteral("name")).toString(), QStringLiteral("Test Device"));
    EXPECT_TRUE(entry.value(QStringLiteral("dev")).isValid());
    EXPECT_GT(entry.value(QStringLiteral("service")).toULongLong(), 0u);
}

// A handle that cannot tell its location, yet leaves the emulated mouse's in the answer.
class UnlocatedDevice : public TestUsbDevice {
public:
    int getLocationId(uint32_t* location) const override {
        *location = VirtualUsb::kLocationId;
        return EOPNOTSUPP;
    }
};

TEST_F(HvDeviceRequesterTest, TellsTheEmulatedMouseByItsLocation) {
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "before listening nothing is selected";
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "no mouse";

    const quint64 usb = bus->plug(kVendorId, kProductId);
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "a mouse on a USB port";

    auto virtualMouse = std::make_shared<TestUsbDevice>();
    virtualMouse->locationId = VirtualUsb::kLocationId;
    const quint64 emulated = bus->plug(kVendorId, kProductId, {.device = virtualMouse});
    const quint64 unlocated =
        bus->plug(kVendorId, kProductId, {.device = std::make_shared<UnlocatedDevice>()});
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "the first mouse stays selected";
    for (const QVariantMap& entry : requester.deviceArray()) {
        const quint64 service = entry.value(QStringLiteral("service")).toULongLong();
        EXPECT_EQ(HvDeviceRequester::isEmulatedEntry(entry), service == emulated) << service;
    }
    EXPECT_FALSE(HvDeviceRequester::isEmulatedEntry({})) << "an entry without a handle";

    ASSERT_TRUE(requester.selectService(emulated));
    EXPECT_TRUE(requester.isSelectedDeviceEmulated());
    ASSERT_TRUE(requester.selectService(unlocated));
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "a location it could not read";

    bus->unplug(usb);
    bus->unplug(emulated);
    bus->unplug(unlocated);
    EXPECT_FALSE(requester.isDevOn());
    EXPECT_FALSE(requester.isSelectedDeviceEmulated()) << "unplugged";
}

TEST_F(HvDeviceRequesterTest, DevicesWithoutNameOrHandleNeverEnterTheList) {
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    requester.setIsPrintMsg(true);
    CaptureStdout();
    bus->plug(kVendorId, kProductId, {.name = std::nullopt});
    const quint64 broken = bus->plug(kVendorId, kProductId, {.handleError = EACCES});
    const quint64 mute = bus->plug(kVendorId, kProductId, {.interfaceError = EIO});
    const std::string out = GetCapturedStdout();

    EXPECT_TRUE(requester.deviceArray().isEmpty());
    EXPECT_FALSE(requester.isDevOn());
    EXPECT_NE(out.find("deviceAdded(): device added " + std::to_string(broken) + ".\n"),
              std::string::npos);
    EXPECT_NE(out.find("deviceAdded(): Unable to create a plug-in (0000000d)\n"),
              std::string::npos);
    EXPECT_NE(out.find("deviceAdded(): Couldn\u2019t create a device interface (00000005)\n"),
              std::string::npos);
    EXPECT_NE(out.find("device added " + std::to_string(mute)), std::string::npos);
    EXPECT_EQ(out.find(" *dev = "), std::string::npos) << "no entry, no handle line";
}

TEST_F(HvDeviceRequesterTest, PrintsNothingUnlessAsked) {
    presentAtStart = {{kVendorId, kProductId}};
    CaptureStdout();
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    bus->unplug(selectedService());
    uint8_t report[kReportLength] = {kReportWrite};
    auto request = featureWrite(report);
    EXPECT_FALSE(requester.sendDeviceRequest(&request));
    EXPECT_FALSE(requester.resetCurrDevice());
    EXPECT_EQ(GetCapturedStdout(), "");
}

TEST_F(HvDeviceRequesterTest, RequestsReachTheSelectedDeviceAndReportFailures) {
    auto device = std::make_shared<TestUsbDevice>();
    std::vector<uint8_t> seen;
    int answer = 0;
    device->onSetFeature = [&](int iface, uint8_t* report, size_t length, size_t* done) {
        EXPECT_EQ(iface, kControlInterface);
        seen.assign(report, report + length);
        *done = length;
        return answer;
    };
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    bus->plug(kVendorId, kProductId, {.device = device});
    requester.setIsPrintMsg(true);

    uint8_t report[kReportLength] = {kReportWrite, kAddrActiveProfile, 0, 1, 5 << 5};
    auto request = featureWrite(report);
    CaptureStdout();
    EXPECT_TRUE(requester.sendDeviceRequest(&request));
    EXPECT_EQ(request.wLenDone, kReportLength);
    EXPECT_EQ(seen, std::vector<uint8_t>(std::begin(report), std::end(report)));

    answer = EIO;
    EXPECT_FALSE(requester.sendDeviceRequest(&request));
    EXPECT_EQ(GetCapturedStdout(), "Request failed,OS reported error code 00000005");
}

TEST_F(HvDeviceRequesterTest, ResetStopsAtTheFirstFailingStep) {
    auto device = std::make_shared<TestUsbDevice>();
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    bus->plug(kVendorId, kProductId, {.device = device});
    requester.setIsPrintMsg(true);

    EXPECT_TRUE(requester.resetCurrDevice());
    EXPECT_EQ(device->calls, (std::vector<std::string>{"open", "reset", "reEnumerate"}));

    device->calls.clear();
    device->resetResult = EPERM;
    CaptureStdout();
    EXPECT_FALSE(requester.resetCurrDevice());
    EXPECT_EQ(GetCapturedStdout(), "Device reset failed,OS reported error code 00000001");
    EXPECT_EQ(device->calls, (std::vector<std::string>{"open", "reset"}));

    device->openResult = EBUSY;
    CaptureStdout();
    EXPECT_FALSE(requester.resetCurrDevice());
    EXPECT_EQ(GetCapturedStdout(), "Exclusive Device open failed,OS reported error code 00000010");

    device->openResult = 0;
    device->resetResult = 0;
    device->reEnumerateResult = ENODEV;
    CaptureStdout();
    EXPECT_FALSE(requester.resetCurrDevice());
    EXPECT_EQ(GetCapturedStdout(), "USBDeviceReEnumerate failed,OS reported error code 00000013");
}

TEST_F(HvDeviceRequesterTest, ARequestInFlightSurvivesTheDeviceGoingAway) {
    auto device = std::make_shared<TestUsbDevice>();
    std::promise<void> entered;
    std::promise<void> release;
    device->onSetFeature = [&](int, uint8_t*, size_t, size_t*) {
        entered.set_value();
        release.get_future().wait();
        return ENODEV;
    };
    ASSERT_TRUE(requester.listenDevWithVid(kVendorId, kProductId));
    const quint64 service = bus->plug(kVendorId, kProductId, {.device = device});
    std::weak_ptr<TestUsbDevice> watch = device;
    device.reset();

    uint8_t report[kReportLength] = {kReportWrite};
    auto request = featureWrite(report);
    std::future<bool> result =
        std::async(std::launch::async, [&] { return requester.sendDeviceRequest(&request); });
    entered.get_future().wait();
    bus->unplug(service); // the list changes while the worker is inside the request
    EXPECT_FALSE(requester.isDevOn());
    EXPECT_FALSE(watch.expired()) << "the worker's request keeps its device alive";
    release.set_value();
    EXPECT_FALSE(result.get());
    EXPECT_TRUE(watch.expired());
}

TEST_F(HvDeviceRequesterTest, FailingToListenIsReportedWithTheCode) {
    startResult = ENOSYS;
    requester.setIsPrintMsg(true);
    CaptureStdout();
    EXPECT_FALSE(requester.listenDevWithVid(kVendorId, kProductId));
    EXPECT_EQ(GetCapturedStdout(), "listenForDevices(): IOMasterPort() returned 00000026\n");
    EXPECT_FALSE(requester.isDevOn());
}

} // namespace
