// The host code against the kernel's own USB, HID and udev code: kx-virtual-mouse serves the
// mouse as a USB gadget on dummy_hcd, and usbhid, hidraw and the kernel's uevents carry every
// request and report. Runs as root in the guest that kernel-test.sh boots.
#include "Buttons.h"
#include "EventLoopWait.h"
#include "FlashStore.h"
#include "HvDeviceRequester/HvDeviceRequester.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxProtocol.h"
#include "Linux/UdevPtr.h"
#include "Linux/UniqueFd.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "Programs.h"
#include "VirtualMouseFirmware.h"

#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

using namespace KxProtocol;
using Fw = VirtualMouseFirmware;

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

// Emulation is slow: enumeration and program starts get generous time.
constexpr int kArrivalMs = 20000;
constexpr uint8_t kFill = 0xA5;

// The mouse's hidraw nodes by interface number, as udev's database (sysfs here) shows them.
std::map<int, std::string> mouseNodes() {
    std::map<int, std::string> nodes;
    UdevPtr<udev> context(udev_new());
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw");
    udev_enumerate_scan_devices(enumerate.get());
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevPtr<udev_device> hidraw(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        udev_device* interface = hidraw ? udev_device_get_parent_with_subsystem_devtype(
                                              hidraw.get(), "usb", "usb_interface")
                                        : nullptr;
        udev_device* usb = interface ? udev_device_get_parent(interface) : nullptr;
        const char* vendor = usb ? udev_device_get_sysattr_value(usb, "idVendor") : nullptr;
        const char* product = usb ? udev_device_get_sysattr_value(usb, "idProduct") : nullptr;
        const char* number =
            interface ? udev_device_get_sysattr_value(interface, "bInterfaceNumber") : nullptr;
        const char* node = hidraw ? udev_device_get_devnode(hidraw.get()) : nullptr;
        if (vendor && product && number && node && std::strcmp(vendor, "04f2") == 0 &&
            std::strcmp(product, "1106") == 0)
            nodes[std::stoi(number, nullptr, 16)] = node;
    }
    return nodes;
}

// A feature report read straight through hidraw: what the kernel itself returns.
struct RawRead {
    int result;
    int error;
    uint8_t bytes[kReportLength];
};
RawRead rawRead(const std::string& node, uint16_t address, uint8_t count) {
    RawRead read{};
    const UniqueFd fd(::open(node.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.isValid())
        return {-1, errno, {}};
    uint8_t prepare[kReportLength] = {kReportRead, uint8_t(address & 0xFF), uint8_t(address >> 8),
                                      count};
    if (::ioctl(fd.get(), HIDIOCSFEATURE(kReportLength), prepare) != int(kReportLength))
        return {-1, errno, {}};
    std::memset(read.bytes, kFill, sizeof read.bytes);
    read.bytes[0] = kReportRead;
    read.result = ::ioctl(fd.get(), HIDIOCGFEATURE(kReportLength), read.bytes);
    read.error = read.result < 0 ? errno : 0;
    return read;
}

// A one-byte feature report write straight through hidraw: 0 or the error the kernel gives.
int rawWrite(const std::string& node, uint16_t address, uint8_t value) {
    const UniqueFd fd(::open(node.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.isValid())
        return errno;
    uint8_t report[kReportLength] = {kReportWrite, uint8_t(address & 0xFF), uint8_t(address >> 8),
                                     1, value};
    return ::ioctl(fd.get(), HIDIOCSFEATURE(kReportLength), report) == int(kReportLength) ? 0
                                                                                          : errno;
}

class KernelTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static bool started = false;
        if (started)
            return;
        started = true;
        sysPath = PrivateHome::dir("data") + QStringLiteral("/com.vlak.KxOption");
        QDir().mkpath(sysPath);
        KxAction::initMenuList();
        library = new ProfieController;
        sysProCon = library;
        // The gadget answers at once; the pauses the real mouse needs are not waited here.
        KxAction::setPauseHookForTesting([](unsigned) {});
        // As KxAction::startListenDev, without the requester's messages.
        sysDeviceReq = HvDeviceRequester::shareDeviceReq();
        sysDeviceReq->listenDevWithVid(kVendorId, kProductId);
    }

    void SetUp() override { startGadget(); }
    void TearDown() override {
        stopGadget();
        daemon.stop(10000);
    }

    // Starts kx-virtual-mouse gadget and waits until the kernel has enumerated the mouse and the
    // requester has selected it.
    void startGadget() {
        gadget.process.setProcessChannelMode(QProcess::MergedChannels);
        ASSERT_TRUE(gadget.start({QStringLiteral("gadget")}));
        ASSERT_TRUE(waitForMouse(true)) << gadget.output().toStdString();
    }
    // Ends the gadget (it saves the flash first) and waits until the mouse has gone.
    void stopGadget() {
        if (gadget.process.state() == QProcess::NotRunning)
            return;
        EXPECT_EQ(gadget.stop(20000).exit, 0) << gadget.output().toStdString();
        EXPECT_TRUE(waitForMouse(false));
    }
    bool waitForMouse(bool present) {
        return KxTest::waitFor(
            [&] {
                return sysDeviceReq->isDevOn() == present &&
                       mouseNodes().size() == (present ? 2u : 0u);
            },
            kArrivalMs);
    }
    // The flash image the gadget saved, read after it ended.
    static QByteArray savedFlash() {
        QFile file(FlashStore::defaultPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes a flash image for the next gadget to start from.
    static void writeFlash(const QByteArray& image) {
        QDir().mkpath(QFileInfo(FlashStore::defaultPath()).absolutePath());
        QFile file(FlashStore::defaultPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(image), image.size());
    }

    // Starts the daemon, off screen, beside the gadget.
    void startDaemon() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        daemon.process.setProcessChannelMode(QProcess::MergedChannels);
        ASSERT_TRUE(daemon.start({}, environment));
    }

    static inline ProfieController* library = nullptr;
    Program gadget{QStringLiteral(KX_VIRTUAL_MOUSE_PATH)};
    DaemonProgram daemon;
};

// --- Finding the mouse -----------------------------------------------------------------------

TEST_F(KernelTest, TheRequesterFindsTheEnumeratedMouseThroughUdev) {
    const QVariantMap selected = sysDeviceReq->currDevDic();
    EXPECT_EQ(selected.value(QStringLiteral("VID")).toUInt(), kVendorId);
    EXPECT_EQ(selected.value(QStringLiteral("PID")).toUInt(), kProductId);
    int mice = 0;
    for (const QVariantMap& entry : sysDeviceReq->deviceArray())
        mice += entry.value(QStringLiteral("VID")).toUInt() == kVendorId &&
                entry.value(QStringLiteral("PID")).toUInt() == kProductId;
    EXPECT_EQ(mice, 1) << "the kernel's mouse only: the gadget's socket shows none";
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

TEST_F(KernelTest, UnplugAndPlugAreSeenByTheRequesterAndAnOpenNodeHearsTheUnplug) {
    const std::string node = mouseNodes().at(kControlInterface);
    const UniqueFd open(::open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(open.isValid());
    MouseProgram::command(QStringLiteral("unplug"));
    ASSERT_TRUE(waitForMouse(false));

    pollfd state{open.get(), POLLIN, 0};
    ASSERT_EQ(::poll(&state, 1, 1000), 1);
    EXPECT_TRUE(state.revents & POLLHUP) << state.revents;
    uint8_t buffer[kReportLength] = {kReportRead};
    EXPECT_EQ(::read(open.get(), buffer, sizeof buffer), -1);
    EXPECT_EQ(errno, EIO);
    EXPECT_EQ(::ioctl(open.get(), HIDIOCGFEATURE(kReportLength), buffer), -1);
    EXPECT_EQ(errno, ENODEV);
    EXPECT_FALSE(KxAction::readProfileByDevice());

    MouseProgram::command(QStringLiteral("plug"));
    ASSERT_TRUE(waitForMouse(true));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

TEST_F(KernelTest, AResetThroughUsbfsAndReEnumerationLeaveTheMouseAnswering) {
    // Port reset keeps usbhid bound; re-enumeration detaches and attaches it, so the hidraw
    // nodes the requests used are gone and new ones take their place on the same device.
    ASSERT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
    ASSERT_TRUE(sysDeviceReq->resetCurrDevice());
    ASSERT_TRUE(waitForMouse(true));
    EXPECT_TRUE(sysDeviceReq->isDevOn());
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

TEST_F(KernelTest, ASecondGadgetIsRefusedAndLeavesTheFirstAlone) {
    const Program::Ran second = Program::run(KX_VIRTUAL_MOUSE_PATH, {QStringLiteral("gadget")});
    EXPECT_EQ(second.exit, 1);
    EXPECT_TRUE(second.err.contains("exists already"));
    EXPECT_EQ(mouseNodes().size(), 2u);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

// --- Requests through usbhid and hidraw ------------------------------------------------------

TEST_F(KernelTest, AWholeReadGivesTheFirmwaresMemory) {
    // A mouse whose slots differ: slot s holds launch code 160 + 5s + 4 on its fifth button,
    // and a settings block of its own.
    stopGadget();
    Fw firmware;
    for (int slot = 0; slot < 5; ++slot) {
        const uint16_t address = Fw::recordAddress(slot, 4);
        const uint8_t launch[kReportLength] = {Fw::kWriteReportId,          uint8_t(address & 0xFF),
                                               uint8_t(address >> 8),       2,
                                               uint8_t(160 + 5 * slot + 4), 0x40};
        ASSERT_EQ(firmware.setFeatureReport(Fw::kControlInterface, launch, sizeof launch, nullptr),
                  0);
    }
    const uint8_t block[kReportLength] = {Fw::kWriteReportId, 6, 0, 6, 1, 0x22, 4, 12, 20, 35};
    ASSERT_EQ(firmware.setFeatureReport(Fw::kControlInterface, block, sizeof block, nullptr), 0);
    const QByteArray image = firmware.flashImage();
    writeFlash(image);
    startGadget();

    // Byte for byte, through the command channel's reads.
    for (int address = kAddrActiveProfile; address < Fw::kRecordAreaEnd;
         address += kMaxBytesPerReport) {
        const int count = std::min<int>(kMaxBytesPerReport, Fw::kRecordAreaEnd - address);
        uint8_t buffer[kReportLength] = {};
        ASSERT_TRUE(KxAction::readDeviceData(uint16_t(address), uint8_t(count), buffer))
            << "at " << address;
        ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(buffer) + kReportHeaderLength, count),
                  image.mid(address, count))
            << "at " << address;
    }
    // As the window reads it.
    ASSERT_TRUE(KxAction::getAllFWData());
    for (uint32_t slot = 0; slot < 5; ++slot) {
        const _Kx_PROFILE p = library->profileArr()[slot]->profileData();
        EXPECT_EQ(p.btnInfo[4].KeyBit[0], 160 + 5 * slot + 4) << "slot " << slot;
        EXPECT_EQ(p.currSelectDPI, 2u);
        EXPECT_EQ(p.xSensArr[3], 35u);
        EXPECT_EQ(p.poRate, 1u);
    }
}

TEST_F(KernelTest, AProfileWriteLandsInTheFirmwaresMemory) {
    library->setCurrFWProfileIndex(3);
    selProfile = library->profileArr()[3]->profileData();
    selProfile.btnInfo[2] = Buttons::launch(3, 2); // code 177
    selProfile.xSensArr[0] = 33;
    selProfile.currSelectDPI = 0;
    KxAction::applyFWData();
    EXPECT_EQ(KxAction::readSettingFromDev_Rate(), std::optional<int>(selProfile.poRate));
    stopGadget(); // saves the flash

    const QByteArray flash = savedFlash();
    ASSERT_EQ(flash.size(), Fw::kMemorySize);
    for (uint32_t button = 0; button < 5; ++button) {
        uint8_t encoded[Fw::kRecordSize] = {};
        uint32_t length = 0;
        KxAction::getBtnDataInfoBy(selProfile.btnInfo[button], encoded, &length);
        ASSERT_LE(length, uint32_t(Fw::kRecordSize));
        EXPECT_EQ(flash.mid(Fw::recordAddress(3, int(button)), int(length)),
                  QByteArray(reinterpret_cast<const char*>(encoded), int(length)))
            << "button " << button;
    }
    EXPECT_EQ(flash.mid(Fw::recordAddress(3, 2), 2), QByteArray("\xB1\x40", 2));
    EXPECT_EQ(flash.at(Fw::kStoredDpi), 33);
}

// --- Input reports, the report hook and the daemon -------------------------------------------

TEST_F(KernelTest, TheMousesButtonsArriveOnItsNodesWithTheirReportIds) {
    const auto nodes = mouseNodes();
    const UniqueFd events(::open(nodes.at(kControlInterface).c_str(), O_RDONLY | O_CLOEXEC));
    const UniqueFd pointer(::open(nodes.at(0).c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_TRUE(events.isValid() && pointer.isValid());
    auto next = [](int fd, int timeoutMs = 10000) {
        pollfd state{fd, POLLIN, 0};
        uint8_t report[64];
        if (::poll(&state, 1, timeoutMs) != 1)
            return QByteArray();
        const ssize_t n = ::read(fd, report, sizeof report);
        return n > 0 ? QByteArray(reinterpret_cast<const char*>(report), int(n)) : QByteArray();
    };
    MouseProgram::command(QStringLiteral("press dpi"));
    EXPECT_EQ(next(events.get()), QByteArray("\x02\x01\0\0\0\0\0\0", 8));
    MouseProgram::command(QStringLiteral("press button 1")); // a left click: press, then release
    EXPECT_EQ(next(pointer.get()).left(2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(next(pointer.get()).left(2), QByteArray("\x01\x00", 2));

    // A motion stream: pointer reports of 8 bytes, one unit of motion each. Under emulation a
    // late timer sends a burst, of which the gadget keeps the newest 32 as a busy endpoint would.
    MouseProgram::command(QStringLiteral("stream-motion 200 1"));
    int reports = 0;
    while (reports < 200) {
        const QByteArray report = next(pointer.get(), 2000);
        if (report.isEmpty())
            break;
        ASSERT_EQ(report.size(), 8);
        ASSERT_EQ(report[0], '\x01');
        const int dx = int16_t(uint8_t(report[2]) | uint8_t(report[3]) << 8);
        const int dy = int16_t(uint8_t(report[4]) | uint8_t(report[5]) << 8);
        ASSERT_EQ(std::abs(dx) + std::abs(dy), 1) << reports;
        ++reports;
    }
    EXPECT_GE(reports, 100);
    EXPECT_TRUE(MouseProgram::command(QStringLiteral("dump")).contains(QStringLiteral("DPI")));
}

TEST_F(KernelTest, ADpiPressReachesTheBusThroughTheReportHookAndTheDaemon) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "runs under dbus-run-session";
    DevStatuses statuses;
    ASSERT_NO_FATAL_FAILURE(startDaemon());
    ASSERT_TRUE(statuses.waitForType(101, kArrivalMs))
        << "the daemon announces the mouse: " << daemon.output().toStdString();

    const QString state = MouseProgram::command(QStringLiteral("press dpi"));
    ASSERT_TRUE(statuses.waitForType(2, kArrivalMs)) << daemon.output().toStdString();
    for (const QVariantMap& dpi : statuses.heard) {
        if (dpi.value(QStringLiteral("type")).toInt() != 2)
            continue;
        EXPECT_TRUE(state.contains(QStringLiteral("stage %1 (%2 DPI)")
                                       .arg(dpi.value(QStringLiteral("value1")).toInt() + 1)
                                       .arg(dpi.value(QStringLiteral("value2")).toInt() * 100)))
            << state.toStdString();
    }
}

// Voluntary and involuntary context switches of every thread of a process.
long long contextSwitches(qint64 pid) {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

// The daemon keeps only the mouse's button node open (its report descriptor declares input
// report 2); the pointer's node is never opened, so a motion stream wakes it no more than
// idleness does.
TEST_F(KernelTest, TheDaemonNeverOpensThePointerSoMotionDoesNotWakeIt) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "runs under dbus-run-session";
    {
        DevStatuses statuses;
        ASSERT_NO_FATAL_FAILURE(startDaemon());
        ASSERT_TRUE(statuses.waitForType(101, kArrivalMs)) << daemon.output().toStdString();
    }

    const auto nodes = mouseNodes();
    QStringList open;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(daemon.process.processId()));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        open << fd.symLinkTarget();
    EXPECT_TRUE(open.contains(QString::fromStdString(nodes.at(kControlInterface))))
        << open.join(' ').toStdString();
    EXPECT_FALSE(open.contains(QString::fromStdString(nodes.at(0))))
        << open.join(' ').toStdString();

    const long long before = contextSwitches(daemon.process.processId());
    KxTest::spin(1000);
    const long long idle = contextSwitches(daemon.process.processId()) - before;
    MouseProgram::command(QStringLiteral("stream-motion 500 1"));
    const long long streamStart = contextSwitches(daemon.process.processId());
    KxTest::spin(1000);
    const long long moving = contextSwitches(daemon.process.processId()) - streamStart;
    EXPECT_LE(moving, idle + 5) << "idle " << idle << ", during motion " << moving;
}

// --- What only a kernel produces -------------------------------------------------------------

TEST_F(KernelTest, AShortReplyIsAFailedReadNeverData) {
    // The kernel returns the bytes that came and leaves the rest of the buffer as it was.
    const std::string node = mouseNodes().at(kControlInterface);
    MouseProgram::command(QStringLiteral("fault short"));
    const RawRead raw = rawRead(node, kRegLiveProfile, 2);
    ASSERT_EQ(raw.result, 4);
    EXPECT_EQ(raw.bytes[0], kReportRead);
    EXPECT_EQ(raw.bytes[4], kFill) << "not the mouse's byte: what the buffer held";

    MouseProgram::command(QStringLiteral("fault short"));
    uint8_t buffer[kReportLength];
    std::memset(buffer, kFill, sizeof buffer);
    EXPECT_FALSE(KxAction::readDeviceData(kRegLiveProfile, 2, buffer));
    MouseProgram::command(QStringLiteral("fault short"));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0)) << "the next read works";
}

TEST_F(KernelTest, AStallFailsTheRequestAndTheNextOneWorks) {
    const std::string node = mouseNodes().at(kControlInterface);
    MouseProgram::command(QStringLiteral("fault stall"));
    const RawRead raw = rawRead(node, kRegLiveProfile, 2);
    EXPECT_EQ(raw.result, -1);
    EXPECT_EQ(raw.error, EPIPE);

    MouseProgram::command(QStringLiteral("fault stall"));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
    EXPECT_TRUE(sysDeviceReq->isDevOn());
}

TEST_F(KernelTest, ASilentMouseEndsTheTransferAfterTheKernelsTimeout) {
    const std::string node = mouseNodes().at(kControlInterface);
    MouseProgram::command(QStringLiteral("fault silent"));
    QElapsedTimer clock;
    clock.start();
    const RawRead raw = rawRead(node, kRegLiveProfile, 2);
    EXPECT_EQ(raw.result, -1);
    EXPECT_EQ(raw.error, ETIMEDOUT);
    EXPECT_GE(clock.elapsed(), 4500);
    EXPECT_LT(clock.elapsed(), 15000);

    MouseProgram::command(QStringLiteral("fault silent"));
    clock.restart();
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    EXPECT_GE(clock.elapsed(), 4500);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0)) << "the next read works";
    EXPECT_TRUE(sysDeviceReq->isDevOn());
}

TEST_F(KernelTest, AnUnplugDuringATransferFailsItAndTheMouseIsGone) {
    MouseProgram::command(QStringLiteral("fault unplug"));
    const RawRead raw = rawRead(mouseNodes().at(kControlInterface), kRegLiveProfile, 2);
    // dummy_hcd ends the control transfer of a device that goes with EPROTO.
    EXPECT_EQ(raw.result, -1);
    EXPECT_EQ(raw.error, EPROTO) << std::strerror(raw.error);
    ASSERT_TRUE(waitForMouse(false));
    MouseProgram::command(QStringLiteral("plug"));
    ASSERT_TRUE(waitForMouse(true));

    MouseProgram::command(QStringLiteral("fault unplug"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_TRUE(waitForMouse(false));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);

    MouseProgram::command(QStringLiteral("plug"));
    ASSERT_TRUE(waitForMouse(true));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

// A write the gadget stalls in its setup stage, or leaves unanswered without taking its data,
// changes nothing; after the kernel's timeout the gadget lets the unanswered one go and answers
// the next request.
TEST_F(KernelTest, AFaultedWriteFailsAndLeavesTheMouseAsItWas) {
    const std::string node = mouseNodes().at(kControlInterface);
    constexpr uint16_t kAddress = 0x0100; // a byte of a button record
    const RawRead before = rawRead(node, kAddress, 1);
    ASSERT_EQ(before.result, int(kReportLength));
    const uint8_t held = before.bytes[4];

    MouseProgram::command(QStringLiteral("fault --on write stall"));
    EXPECT_EQ(rawWrite(node, kAddress, uint8_t(~held)), EPIPE);
    EXPECT_EQ(rawRead(node, kAddress, 1).bytes[4], held) << "nothing applied";

    MouseProgram::command(QStringLiteral("fault --on write silent"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(rawWrite(node, kAddress, uint8_t(~held)), ETIMEDOUT);
    EXPECT_GE(clock.elapsed(), 4500);
    const RawRead after = rawRead(node, kAddress, 1);
    EXPECT_EQ(after.result, int(kReportLength)) << std::strerror(after.error);
    EXPECT_EQ(after.bytes[4], held) << "nothing applied";
    EXPECT_EQ(rawWrite(node, kAddress, uint8_t(~held)), 0);
    EXPECT_EQ(rawRead(node, kAddress, 1).bytes[4], uint8_t(~held));
    EXPECT_FALSE(gadget.output().contains(QStringLiteral("kx-virtual-mouse: ")))
        << "no warnings: " << gadget.output().toStdString();
}

// The unplug of a transfer at its Nth request: a read of the profile is a prepare and a fetch,
// so the second read ends at its prepare.
TEST_F(KernelTest, AnUnplugAtTheNthRequestEndsTheTransferThere) {
    MouseProgram::command(QStringLiteral("fault --at 3 --on any unplug"));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    ASSERT_TRUE(waitForMouse(false));
    MouseProgram::command(QStringLiteral("plug"));
    ASSERT_TRUE(waitForMouse(true));
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0));
}

} // namespace
