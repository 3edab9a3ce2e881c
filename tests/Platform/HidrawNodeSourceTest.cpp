// The hidraw report source against a umockdev testbed: mocked sysfs and uevents, and hidraw
// nodes that are pseudo-terminals whose other end (umockdev_testbed_get_dev_fd) plays the
// device. A pseudo-terminal keeps no report boundaries, so reports are written one at a time;
// hanging it up ends the node's reads as an unplugged device's end.
#include "CapturedLog.h"
#include "EventLoopWait.h"

#include "Linux/HidrawNodeSource.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <umockdev.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace {

struct Event {
    char kind; // '+' added, 'r' report, '-' removed
    quint64 nodeId;
    HidNodeInfo info = {};
    QByteArray report = {};
};

class HidrawNodeSourceTest : public testing::Test {
protected:
    void SetUp() override {
        testbed_ = umockdev_testbed_new();
        ASSERT_TRUE(umockdev_in_mock_environment()) << "run under umockdev-wrapper";
        source_.addMatch(0x04F2, 0x1106);
        QObject::connect(&source_, &HidNodeSource::nodeAdded, [this](const HidNodeInfo& info) {
            events_.push_back({'+', info.nodeId, info});
        });
        QObject::connect(&source_, &HidNodeSource::inputReport,
                         [this](quint64 id, const uint8_t* report, size_t length) {
                             const auto* bytes = reinterpret_cast<const char*>(report);
                             events_.push_back({'r', id, {}, QByteArray(bytes, qsizetype(length))});
                         });
        QObject::connect(&source_, &HidNodeSource::nodeRemoved, [this](quint64 id) {
            events_.push_back({'-', id});
        });
    }
    void TearDown() override { g_clear_object(&testbed_); }

    // A USB device at /sys/devices/<at> with one HID interface per number, each with its hidraw
    // node; the interfaces in hidIdOn also name the device in their hid device's HID_ID, the
    // others leave it to the USB device.
    void addDevice(const std::string& at, const char* vendor, const char* product,
                   const std::vector<int>& interfaces, const std::vector<int>& hidIdOn) {
        const std::string usb = "/devices/" + at;
        std::string text = "P: " + usb +
                           "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" + vendor +
                           "\nA: idProduct=" + product + "\n\n";
        for (const int number : interfaces) {
            const std::string n = std::to_string(number), raw = std::to_string(nextNode_++);
            const std::string intf = usb + "/" + at + ":1." + n, hid = intf + "/hid" + raw;
            text += "P: " + intf + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n" +
                    "A: bInterfaceNumber=0" + n + "\n\nP: " + hid + "\nE: SUBSYSTEM=hid\n";
            if (std::count(hidIdOn.begin(), hidIdOn.end(), number))
                text += std::string("E: HID_ID=0003:0000") + vendor + ":0000" + product + "\n";
            text += "\nP: " + hid + "/hidraw" + raw +
                    "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/hidraw" + raw + "\nN: hidraw" + raw +
                    "\nA: dev=241:" + raw + "\n\n";
            nodes_[at + "#" + n] = {"/sys" + hid + "/hidraw" + raw, "/dev/hidraw" + raw};
        }
        ASSERT_TRUE(umockdev_testbed_add_from_string(testbed_, text.c_str(), nullptr)) << text;
    }
    const std::string& devnode(const std::string& key) { return nodes_.at(key).second; }
    void uevent(const std::string& key, const char* action) {
        umockdev_testbed_uevent(testbed_, nodes_.at(key).first.c_str(), action);
    }
    // The device's end of a node.
    int deviceEnd(const std::string& key) {
        return umockdev_testbed_get_dev_fd(testbed_, devnode(key).c_str());
    }

    // What the device sends on a node, as one report.
    void send(const std::string& key, const QByteArray& report) {
        ASSERT_EQ(::write(deviceEnd(key), report.constData(), report.size()), report.size());
    }
    // The device end goes away: the node's reader sees end of file. The descriptor number stays
    // taken (by /dev/null) for the testbed to close later.
    void hangUp(const std::string& key) {
        const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ASSERT_GE(::dup2(null, deviceEnd(key)), 0);
        ::close(null);
    }

    std::vector<Event> of(char kind) const {
        std::vector<Event> found;
        std::copy_if(events_.begin(), events_.end(), std::back_inserter(found),
                     [kind](const Event& e) { return e.kind == kind; });
        return found;
    }
    bool waitFor(char kind, size_t count) {
        return KxTest::waitFor([&] { return of(kind).size() >= count; }, 3000);
    }
    // The bytes of the reports from index first on.
    QByteArray received(size_t first = 0) const {
        QByteArray bytes;
        const auto reports = of('r');
        for (size_t i = first; i < reports.size(); ++i)
            bytes += reports[i].report;
        return bytes;
    }
    quint64 idOf(const std::string& key) const {
        for (const Event& e : events_)
            if (e.kind == '+' && e.info.path.toStdString() == nodes_.at(key).second)
                return e.nodeId;
        return 0;
    }

    UMockdevTestbed* testbed_ = nullptr;
    HidrawNodeSource source_;
    std::vector<Event> events_;
    std::map<std::string, std::pair<std::string, std::string>> nodes_; // syspath, devnode
    int nextNode_ = 0;
};

// Drops (and later gives back) this thread's right to open files regardless of their mode.
class WithoutFileOverride {
public:
    WithoutFileOverride() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutFileOverride() { syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
};

TEST_F(HidrawNodeSourceTest, AnnouncesTheMatchingNodesAndPassesTheirReports) {
    addDevice("1-1", "04f2", "1106", {1, 0}, {1}); // interface 0 is named by its USB device
    addDevice("1-2", "046d", "c31c", {0}, {0});
    ASSERT_EQ(source_.start(), 0);
    auto added = of('+');
    ASSERT_EQ(added.size(), 2u);
    std::sort(added.begin(), added.end(), [](const Event& a, const Event& b) {
        return a.info.interfaceNumber < b.info.interfaceNumber;
    });
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(added[i].info.interfaceNumber, i);
        EXPECT_EQ(added[i].info.vendorId, 0x04F2);
        EXPECT_EQ(added[i].info.productId, 0x1106);
        EXPECT_EQ(added[i].info.path.toStdString(), devnode("1-1#" + std::to_string(i)));
    }
    EXPECT_NE(added[0].nodeId, added[1].nodeId);

    const QByteArray dpi = QByteArray::fromHex("0201000000000000");
    const QByteArray motion = QByteArray::fromHex("0100ff0001000000");
    send("1-1#1", dpi);
    ASSERT_TRUE(waitFor('r', 1));
    send("1-1#0", motion);
    ASSERT_TRUE(waitFor('r', 2));
    send("1-2#0", dpi); // not a matching device: never opened
    KxTest::spin(100);
    const auto reports = of('r');
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].nodeId, idOf("1-1#1"));
    EXPECT_EQ(reports[0].report, dpi);
    EXPECT_EQ(reports[1].nodeId, idOf("1-1#0"));
    EXPECT_EQ(reports[1].report, motion);

    // Plugged later: its nodes come from the monitor.
    addDevice("1-3", "04f2", "1106", {1}, {1});
    ASSERT_TRUE(waitFor('+', 3));
    send("1-3#1", dpi);
    ASSERT_TRUE(waitFor('r', 3));
    EXPECT_EQ(of('r').back().nodeId, idOf("1-3#1"));
}

TEST_F(HidrawNodeSourceTest, ANodeThatVanishesIsRemovedExactlyOnce) {
    addDevice("1-1", "04f2", "1106", {0, 1}, {0, 1});
    ASSERT_EQ(source_.start(), 0);
    ASSERT_EQ(of('+').size(), 2u);

    // Interface 1 ends under its reader first, then udev says so too.
    send("1-1#1", QByteArray::fromHex("0204000000000000"));
    ASSERT_TRUE(waitFor('r', 1));
    hangUp("1-1#1");
    ASSERT_TRUE(waitFor('-', 1));
    EXPECT_EQ(of('-')[0].nodeId, idOf("1-1#1"));
    // Interface 0 the other way round: udev first, then its end.
    uevent("1-1#0", "remove");
    uevent("1-1#1", "remove");
    ASSERT_TRUE(waitFor('-', 2));
    hangUp("1-1#0");
    KxTest::spin(200);

    const auto removed = of('-');
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[1].nodeId, idOf("1-1#0"));
    EXPECT_EQ(of('r').size(), 1u);
}

TEST_F(HidrawNodeSourceTest, ANodeThatMayNotBeReadIsNamedInOneWarningAndNotAnnounced) {
    addDevice("1-1", "04f2", "1106", {1}, {1});
    ASSERT_EQ(::chmod(devnode("1-1#1").c_str(), 0), 0);
    source_.setAccessHint("install the rule");
    const CapturedLog log(CapturedLog::kWarnings);
    {
        WithoutFileOverride unprivileged;
        ASSERT_EQ(source_.start(), 0);
        uevent("1-1#1", "add"); // seen again
        KxTest::spin(200);
    }
    const QStringList warnings = log.lines();
    EXPECT_TRUE(events_.empty());
    ASSERT_EQ(warnings.size(), 1) << log.text();
    EXPECT_TRUE(warnings[0].contains(QString::fromStdString(devnode("1-1#1"))));
    EXPECT_TRUE(warnings[0].contains("04f2:1106"));
    EXPECT_TRUE(warnings[0].contains("install the rule"));
}

// A node that streams is read in batches; the pseudo-terminal joins the reports of a batch into
// one read, so what is compared is the bytes, in order.
TEST_F(HidrawNodeSourceTest, AStreamingNodeLosesNothingAndGoesOnceWhenUnpluggedMidStream) {
    addDevice("1-1", "04f2", "1106", {0}, {0});
    ASSERT_EQ(source_.start(), 0);
    // 1000 reports a second, as a moving mouse sends them.
    const auto stream = [device = deviceEnd("1-1#0")](int count, QByteArray* sent) {
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(next += std::chrono::milliseconds(1));
            const char report[8] = {1, 0, char(i), char(i >> 8), 0, 0, 0, 0};
            if (::write(device, report, sizeof report) != sizeof report)
                return;
            sent->append(report, sizeof report);
        }
    };
    QByteArray sent;
    std::thread first(stream, 300, &sent);
    const bool all = KxTest::waitFor([&] { return received().size() >= 300 * 8; }, 3000);
    first.join();
    ASSERT_TRUE(all);
    EXPECT_EQ(received(), sent);

    // Unplugged while it streams (and so most likely while its reading pauses).
    const size_t before = of('r').size();
    QByteArray more;
    std::thread second(stream, 1000, &more);
    KxTest::spin(100);
    uevent("1-1#0", "remove");
    hangUp("1-1#0");
    second.join();
    KxTest::spin(100);
    ASSERT_EQ(of('-').size(), 1u);
    EXPECT_EQ(of('-')[0].nodeId, idOf("1-1#0"));
    const QByteArray late = received(before);
    EXPECT_TRUE(more.startsWith(late)) << late.size() << " of " << more.size();
}

} // namespace
