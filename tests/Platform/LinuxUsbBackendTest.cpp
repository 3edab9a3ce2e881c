// The host backend against a umockdev testbed: mocked sysfs and uevents, and hidraw and usbfs
// nodes whose ioctls are answered (on umockdev's worker thread) by onIoctl below.
#include "EventLoopWait.h"

#include "Linux/LinuxUsbBackend.h"
#include "Linux/LinuxUsbDevice.h"
#include "Usb/UsbNotificationPort.h"

#include <gtest/gtest.h>
#include <linux/hidraw.h>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <umockdev.h>

#include <map>
#include <mutex>

namespace {

using Bytes = std::vector<uint8_t>;

struct Ioctl {
    std::string node;
    unsigned long request;
    Bytes bytes; // a feature report as passed in; for USBDEVFS_IOCTL {ifno, command number}
};

class LinuxUsbBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        testbed_ = umockdev_testbed_new();
        ASSERT_TRUE(umockdev_in_mock_environment()) << "run under umockdev-wrapper";
        handler_ = umockdev_ioctl_base_new();
        g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(&LinuxUsbBackendTest::onIoctl), this);
        UsbNotificationPort::setBackendFactory([] {
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::make_unique<LinuxUsbBackend>());
            return backends;
        });
    }
    void TearDown() override {
        port_.reset();
        UsbNotificationPort::setBackendFactory({});
        g_clear_object(&handler_);
        g_clear_object(&testbed_);
    }

    void startPort() {
        int error = 0;
        port_ = UsbNotificationPort::create(&error);
        ASSERT_TRUE(port_) << error;
        record<true>(this, port_->addMatchingNotification(UsbNotificationPort::Kind::FirstMatch,
                                                          &record<true>, this));
        port_->addMatchingNotification(UsbNotificationPort::Kind::Terminate, &record<false>, this);
    }
    template <bool Arrived>
    static void record(void* self, UsbDeviceIterator* it) {
        while (auto info = it->next())
            static_cast<LinuxUsbBackendTest*>(self)->events_.push_back({Arrived, *info});
    }
    bool waitForEvents(size_t count) {
        return KxTest::waitFor([&] { return events_.size() >= count; }, 3000);
    }

    // A 04f2:1106 at /sys/devices/<at> with HID interfaces 0 and 1. Interface 1's hidraw node is
    // made first so that node numbers do not follow interface numbers.
    std::string addMouse(const std::string& at, int devnum, bool withProduct = true) {
        const std::string usb = "/devices/" + at, name = at.substr(at.rfind('/') + 1);
        const std::string usbfs = "bus/usb/001/00" + std::to_string(devnum);
        std::string text =
            "P: " + usb + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DEVNAME=/dev/" + usbfs +
            "\nN: " + usbfs + "=00\nA: idVendor=04f2\nA: idProduct=1106\nA: busnum=1\nA: devnum=" +
            std::to_string(devnum) + (withProduct ? "\nA: product=Kx Mouse" : "") + "\n\n";
        std::vector<std::string> made = {"/sys" + usb}, nodes = {"/dev/" + usbfs};
        for (const char* interface : {"1", "0"}) {
            const std::string intf = usb + "/" + name + ":1." + interface;
            const std::string hid = intf + "/hid" + std::to_string(nextHidraw_);
            const std::string hidraw = "hidraw" + std::to_string(nextHidraw_);
            text += "P: " + intf + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n" +
                    "A: bInterfaceNumber=0" + interface + "\n\nP: " + hid +
                    "\nE: SUBSYSTEM=hid\n\nP: " + hid + "/" + hidraw +
                    "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/" + hidraw + "\nN: " + hidraw +
                    "=00\nA: dev=241:" + std::to_string(nextHidraw_++) + "\n\n";
            made.insert(made.end(), {"/sys" + intf, "/sys" + hid, "/sys" + hid + "/" + hidraw});
            nodes.push_back("/dev/" + hidraw);
            hidrawOf_["/sys" + usb + "#" + interface] = nodes.back();
        }
        EXPECT_TRUE(umockdev_testbed_add_from_string(testbed_, text.c_str(), nullptr)) << text;
        for (const auto& node : nodes)
            EXPECT_TRUE(umockdev_testbed_attach_ioctl(testbed_, node.c_str(), handler_, nullptr));
        made_["/sys" + usb] = made;
        return "/sys" + usb;
    }
    // Children first: umockdev leaves their class and bus links behind otherwise.
    void removeFromSysfs(const std::string& syspath) {
        for (auto it = made_[syspath].rbegin(); it != made_[syspath].rend(); ++it)
            umockdev_testbed_remove_device(testbed_, it->c_str());
    }
    void unplug(const std::string& syspath) {
        umockdev_testbed_uevent(testbed_, syspath.c_str(), "remove");
        removeFromSysfs(syspath);
    }

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto* t = static_cast<LinuxUsbBackendTest*>(self);
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        Ioctl call{umockdev_ioctl_client_get_devnode(client), request, {}};
        std::lock_guard lock(t->mutex_);
        long result = 0;
        int error = 0;
        if (_IOC_TYPE(request) == 'H') {
            auto* buffer = umockdev_ioctl_data_resolve(arg, 0, _IOC_SIZE(request), nullptr);
            call.bytes.assign(buffer->data, buffer->data + buffer->data_len);
            if (request == HIDIOCGFEATURE(_IOC_SIZE(request)))
                std::copy_n(t->answer_.begin(), std::min<size_t>(t->answer_.size(), 16),
                            buffer->data);
            result = t->done_ >= 0 ? t->done_ : buffer->data_len;
            error = t->error_;
        } else if (request == USBDEVFS_IOCTL) {
            auto* data = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_ioctl), nullptr);
            const auto* command = reinterpret_cast<const usbdevfs_ioctl*>(data->data);
            call.bytes = {uint8_t(command->ifno), uint8_t(_IOC_NR(command->ioctl_code))};
            if (command->ioctl_code == int(USBDEVFS_DISCONNECT) && command->ifno == 0)
                error = ENODATA; // no driver bound to interface 0
        }
        t->calls_.push_back(call);
        umockdev_ioctl_client_complete(client, error ? -1 : result, error);
        return TRUE;
    }
    std::vector<Ioctl> calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    // What the nodes answer next; umockdev's worker thread reads it.
    void answer(long done, int error, Bytes bytes = {}) {
        std::lock_guard lock(mutex_);
        done_ = done;
        error_ = error;
        answer_ = std::move(bytes);
    }

    static UsbControlRequest feature(bool set, int reportId, int interface, Bytes& buffer) {
        return {set ? UsbHid::kClassInterfaceOut : UsbHid::kClassInterfaceIn,
                set ? UsbHid::kSetReport : UsbHid::kGetReport,
                uint16_t(UsbHid::kReportTypeFeature << 8 | reportId),
                uint16_t(interface),
                uint16_t(buffer.size()),
                buffer.data(),
                0};
    }

    UMockdevTestbed* testbed_ = nullptr;
    UMockdevIoctlBase* handler_ = nullptr;
    int nextHidraw_ = 0;
    std::map<std::string, std::string> hidrawOf_; // "<syspath>#<interface>" -> node
    std::map<std::string, std::vector<std::string>> made_;
    std::unique_ptr<UsbNotificationPort> port_;
    std::vector<std::pair<bool, UsbDeviceInfo>> events_; // arrived?, device

    std::mutex mutex_; // shared with onIoctl
    Bytes answer_;
    long done_ = -1;
    int error_ = 0;
    std::vector<Ioctl> calls_;
};

TEST_F(LinuxUsbBackendTest, AnnouncesPresentDevicesThenFollowsUeventsInOrder) {
    const std::string first = addMouse("1-1", 3);
    addMouse("1-2", 4, false);
    startPort();
    ASSERT_EQ(events_.size(), 2u);
    const UsbDeviceInfo& mouse = events_[0].second;
    EXPECT_EQ(mouse.vendorId, 0x04F2);
    EXPECT_EQ(mouse.productId, 0x1106);
    EXPECT_EQ(mouse.productName, QString("Kx Mouse"));
    EXPECT_TRUE(mouse.device && mouse.handleError == 0 && mouse.interfaceError == 0);
    EXPECT_EQ(events_[1].second.productName, std::nullopt) << "no product string";
    EXPECT_TRUE(events_[1].second.device);

    // Adding to the testbed sends "add" for the device and each child; the event socket holds
    // only a few datagrams, so the events are read before more are sent.
    const std::string third = addMouse("1-3", 5);
    ASSERT_TRUE(waitForEvents(3));
    umockdev_testbed_uevent(testbed_, third.c_str(), "add");    // duplicate: ignored
    umockdev_testbed_uevent(testbed_, third.c_str(), "change"); // ignored
    KxTest::spin(100);
    unplug(third);
    ASSERT_TRUE(waitForEvents(4));
    unplug(first);
    ASSERT_TRUE(waitForEvents(5));
    // Plugged again at the same place: a new arrival with a new service number.
    addMouse("1-1", 6);
    ASSERT_TRUE(waitForEvents(6));
    KxTest::spin(50);
    ASSERT_EQ(events_.size(), 6u);
    const std::vector<bool> arrived = {true, true, true, false, false, true};
    for (size_t i = 0; i < arrived.size(); ++i)
        EXPECT_EQ(events_[i].first, arrived[i]) << i;
    EXPECT_EQ(events_[3].second.serviceId, events_[2].second.serviceId);
    EXPECT_EQ(events_[4].second.serviceId, events_[0].second.serviceId);
    EXPECT_NE(events_[5].second.serviceId, events_[0].second.serviceId);
    EXPECT_NE(events_[1].second.serviceId, events_[0].second.serviceId);
}

TEST_F(LinuxUsbBackendTest, FeatureReportsGoToTheInterfacesHidrawNodeOthersFailWithAReason) {
    const std::string mouse = addMouse("1-1", 3);
    addMouse("1-1/1-1.1", 4); // behind the mouse, as behind a hub: its nodes lie under it too
    startPort();
    ASSERT_EQ(events_.size(), 2u);
    UsbDevice& device = *events_[0].second.device;

    Bytes write = {0x03, 0x10, 0x00, 0x03, 0xAA, 0xBB, 0xCC, 0, 0, 0, 0, 0, 0, 0, 0, 0x5A};
    answer(15, 0); // what the node says it took, not what was asked
    auto set = feature(true, 3, 1, write);
    ASSERT_EQ(device.deviceRequest(set), 0);
    EXPECT_EQ(set.wLenDone, 15u);

    const Bytes answered = {0x04, 0x10, 0x00, 0x03, 0x11, 0x22, 0x33, 0, 0, 0, 0, 0, 0, 0, 0, 0x77};
    answer(-1, 0, answered);
    Bytes read(16, 0xEE);
    auto get = feature(false, 4, 1, read);
    ASSERT_EQ(device.deviceRequest(get), 0);
    EXPECT_EQ(get.wLenDone, 16u);
    EXPECT_EQ(read, answered);

    const auto seen = calls();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].node, hidrawOf_[mouse + "#1"]);
    EXPECT_EQ(seen[0].request, HIDIOCSFEATURE(16));
    EXPECT_EQ(seen[0].bytes, write);
    EXPECT_EQ(seen[1].node, hidrawOf_[mouse + "#1"]);
    EXPECT_EQ(seen[1].request, HIDIOCGFEATURE(16));
    EXPECT_EQ(seen[1].bytes[0], 0x04) << "the report id leads the buffer";

    // Refused before reaching a node.
    Bytes huge(0x4000);
    auto noInterface = feature(false, 4, 2, read);
    EXPECT_EQ(device.deviceRequest(noInterface), ENOENT);
    UsbControlRequest descriptor{0x80, 0x06, 0x0100, 0, 18, read.data(), 0};
    EXPECT_EQ(device.deviceRequest(descriptor), EOPNOTSUPP);
    auto tooLong = feature(false, 4, 1, huge);
    EXPECT_EQ(device.deviceRequest(tooLong), EINVAL);
    EXPECT_EQ(calls().size(), 2u);

    // A stall on one request leaves the device usable.
    answer(-1, EPIPE);
    EXPECT_EQ(device.deviceRequest(get), EPIPE);
    answer(-1, 0);
    EXPECT_EQ(device.deviceRequest(get), 0);
}

TEST_F(LinuxUsbBackendTest, DeviceThatIsGoneFailsFastWithEnodev) {
    addMouse("1-1", 3);
    const std::string second = addMouse("1-2", 4);
    const std::string third = addMouse("1-3", 5);
    startPort();
    ASSERT_EQ(events_.size(), 3u);
    Bytes buffer(16);
    auto get = feature(false, 4, 1, buffer);

    // EIO from the node: the device went away under the request.
    answer(-1, EIO);
    EXPECT_EQ(events_[0].second.device->deviceRequest(get), ENODEV);
    answer(-1, 0);
    EXPECT_EQ(events_[0].second.device->deviceRequest(get), ENODEV);
    EXPECT_EQ(calls().size(), 1u);

    // Unplugged after its node was opened: the removal marks the handle.
    ASSERT_EQ(events_[1].second.device->deviceRequest(get), 0);
    unplug(second);
    ASSERT_TRUE(waitForEvents(4));
    EXPECT_EQ(events_[1].second.device->deviceRequest(get), ENODEV);

    // Re-plugged at the same place before any request and before its events are read: the old
    // handle must not reach the new plug's nodes.
    removeFromSysfs(third);
    addMouse("1-3", 9);
    EXPECT_EQ(events_[2].second.device->deviceRequest(get), ENODEV);
    EXPECT_EQ(calls().size(), 2u);
    KxTest::spin(100);

    // Gone before its arrival is read: announced without identity, and without a crash.
    removeFromSysfs(addMouse("1-4", 10));
    ASSERT_TRUE(waitForEvents(5));
    EXPECT_NE(events_[4].second.interfaceError, 0);
    if (events_[4].second.device) {
        EXPECT_EQ(events_[4].second.device->deviceRequest(get), ENODEV);
    }
}

TEST_F(LinuxUsbBackendTest, UsbfsOpenIsExclusiveAndDrivesResetAndReEnumeration) {
    const std::string mouse = addMouse("1-1", 3);
    startPort();
    UsbDevice& device = *events_[0].second.device;
    ASSERT_EQ(device.open(), 0);
    LinuxUsbDevice other(mouse, "/dev/bus/usb/001/003", "3");
    EXPECT_EQ(other.open(), EBUSY);
    EXPECT_EQ(other.reset(), EBUSY);

    EXPECT_EQ(device.reset(), 0);
    EXPECT_EQ(device.reEnumerate(), 0);
    const auto seen = calls();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].request, USBDEVFS_RESET);
    for (const auto& call : seen)
        EXPECT_EQ(call.node, "/dev/bus/usb/001/003");
    // Interface 0 has no driver to detach; it is connected all the same.
    const uint8_t disconnect = _IOC_NR(USBDEVFS_DISCONNECT), connect = _IOC_NR(USBDEVFS_CONNECT);
    const std::vector<Bytes> expected = {
        {0, disconnect}, {0, connect}, {1, disconnect}, {1, connect}};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(seen[i + 1].bytes, expected[i]) << i;
}

} // namespace
