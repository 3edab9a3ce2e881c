#include "Linux/HidrawNodeSource.h"

#include "Hid/CoalescingReadNotifier.h"
#include "Hid/HidReportDescriptor.h"
#include "Linux/ErrnoOr.h"
#include "Linux/LinuxUsbDevice.h"
#include "Linux/SysfsHex.h"
#include "Linux/UdevMonitor.h"
#include "Linux/UniqueFd.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

Q_LOGGING_CATEGORY(lcHidraw, "kx.hid.hidraw")

namespace {

// The largest report hidraw hands out in one read (the kernel's HID_MAX_BUFFER_SIZE).
constexpr size_t kMaxReportSize = 16384;

struct Identity {
    quint16 vendorId = 0;
    quint16 productId = 0;
};

// HID_ID of the parent hid device: "bus:vendor:product" in hex, e.g. "0003:000004F2:00001106".
bool identityFromHidId(const char* hidId, Identity* identity) {
    if (hidId == nullptr)
        return false;
    const std::string text(hidId);
    const size_t first = text.find(':');
    const size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos)
        return false;
    const auto vendor = parseSysfsHex(text.substr(first + 1, second - first - 1).c_str(), 0xFFFF);
    const auto product = parseSysfsHex(text.substr(second + 1).c_str(), 0xFFFF);
    if (!vendor || !product)
        return false;
    *identity = {quint16(*vendor), quint16(*product)};
    return true;
}

// Vendor and product of the device a hidraw node belongs to: from its hid device, else from the
// USB device above it.
bool identify(udev_device* hidraw, Identity* identity) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    if (hid && identityFromHidId(udev_device_get_property_value(hid, "HID_ID"), identity))
        return true;
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_device");
    if (usb == nullptr)
        return false;
    const auto vendor = parseSysfsHex(udev_device_get_sysattr_value(usb, "idVendor"), 0xFFFF);
    const auto product = parseSysfsHex(udev_device_get_sysattr_value(usb, "idProduct"), 0xFFFF);
    if (!vendor || !product)
        return false;
    *identity = {quint16(*vendor), quint16(*product)};
    return true;
}

// Location of the USB device above the node, as the device list gives it; 0 when unknown.
quint32 locationOf(udev_device* hidraw) {
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_device");
    const char* sysname = usb ? udev_device_get_sysname(usb) : nullptr;
    uint32_t location = 0;
    if (sysname == nullptr || LinuxUsbDevice::locationFromSysname(sysname, &location) != 0)
        return 0;
    return location;
}

// The report ids of the node's input reports, from its report descriptor; none when the node
// cannot say (an ioctl refused, a descriptor that does not parse).
std::optional<std::set<uint8_t>> inputReportIdsOf(int fd) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE)
        return std::nullopt;
    hidraw_report_descriptor descriptor{};
    descriptor.size = uint32_t(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) < 0)
        return std::nullopt;
    return HidReportDescriptor::inputReportIds(descriptor.value, descriptor.size);
}

int interfaceNumberOf(udev_device* hidraw) {
    udev_device* interface =
        udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_interface");
    if (interface == nullptr)
        return -1;
    const auto number =
        parseSysfsHex(udev_device_get_sysattr_value(interface, "bInterfaceNumber"), 0xFF);
    return number ? int(*number) : -1;
}

} // namespace

struct HidrawNodeSource::Private {
    struct Node {
        std::string syspath;
        HidNodeInfo info;
        UniqueFd fd;
        std::unique_ptr<CoalescingReadNotifier> reader; // after fd: goes first
        std::vector<uint8_t> buffer;
        bool gone = false;
    };

    HidrawNodeSource* q = nullptr;
    QString accessHint = QStringLiteral(
        "a udev rule must give the user access to them (TAG+=\"uaccess\" on their hidraw nodes)");
    UdevPtr<udev> context;
    UdevPtr<udev_monitor> monitor;
    std::unique_ptr<QSocketNotifier> monitorNotifier;
    std::unordered_map<std::string, std::shared_ptr<Node>> nodes; // by syspath
    std::unordered_set<std::string> refused; // warned about once, until they go

    int enumerate(std::unordered_set<std::string>* seen);
    void readMonitor();
    void arrived(udev_device* device);
    size_t readNode(Node& node);
    void retire(std::string syspath);
};

int HidrawNodeSource::Private::enumerate(std::unordered_set<std::string>* seen) {
    errno = 0;
    UdevPtr<udev_enumerate> scan(udev_enumerate_new(context.get()));
    if (!scan)
        return errnoOr(ENOMEM);
    udev_enumerate_add_match_subsystem(scan.get(), "hidraw");
    if (const int r = udev_enumerate_scan_devices(scan.get()); r < 0)
        return -r;
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get())) {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device)
            continue; // gone since the scan
        if (seen)
            seen->insert(udev_device_get_syspath(device.get()));
        arrived(device.get());
    }
    return 0;
}

void HidrawNodeSource::Private::readMonitor() {
    const bool complete =
        drainUdevMonitor(monitor.get(), [this](const char* action, udev_device* device) {
            if (std::strcmp(action, "add") == 0) {
                arrived(device);
            } else if (std::strcmp(action, "remove") == 0) {
                refused.erase(udev_device_get_syspath(device));
                retire(udev_device_get_syspath(device));
            }
        });
    if (complete)
        return;
    // Lost events: the list may be wrong both ways.
    qCWarning(lcHidraw, "udev events were lost (receive queue overflowed); rescanning");
    std::unordered_set<std::string> present;
    if (enumerate(&present) != 0)
        return;
    std::vector<std::string> gone;
    for (const auto& [syspath, node] : nodes)
        if (present.count(syspath) == 0)
            gone.push_back(syspath);
    for (const auto& syspath : gone)
        retire(syspath);
}

void HidrawNodeSource::Private::arrived(udev_device* device) {
    const char* syspath = udev_device_get_syspath(device);
    const char* devnode = udev_device_get_devnode(device);
    if (syspath == nullptr || devnode == nullptr || nodes.count(syspath) != 0)
        return;
    Identity identity;
    if (!identify(device, &identity) || !q->matches(identity.vendorId, identity.productId))
        return;

    UniqueFd fd(::open(devnode, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isValid()) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            if (refused.insert(syspath).second)
                qCWarning(lcHidraw, "cannot read the reports of %s (USB %04x:%04x): %s; %s",
                          devnode, identity.vendorId, identity.productId, strerror(error),
                          qPrintable(accessHint));
        } else if (error != ENOENT && error != ENODEV && error != ENXIO) {
            // (the three above: the node went away again before it could be opened)
            qCWarning(lcHidraw, "cannot open %s: %s", devnode, strerror(error));
        }
        return;
    }
    refused.erase(syspath);
    // A node none of whose input reports is wanted is not kept open: its reports (a pointer's
    // motion, a thousand a second) would wake the process for nothing. One that cannot say is
    // kept, so that no wanted report is missed.
    if (!q->wantedReportIds().empty()) {
        const std::optional<std::set<uint8_t>> ids = inputReportIdsOf(fd.get());
        if (ids && !q->wantsAnyOf(*ids)) {
            qCDebug(lcHidraw, "%s: none of its input reports is wanted; not opened", devnode);
            return;
        }
        if (!ids)
            qCDebug(lcHidraw, "%s: its report descriptor cannot be read; kept open", devnode);
    }

    auto node = std::make_shared<Node>();
    node->syspath = syspath;
    node->info.nodeId = HidNodeSource::allocateNodeId();
    node->info.vendorId = identity.vendorId;
    node->info.productId = identity.productId;
    node->info.interfaceNumber = interfaceNumberOf(device);
    node->info.locationId = locationOf(device);
    node->info.path = QString::fromLocal8Bit(devnode);
    node->buffer.resize(kMaxReportSize);
    node->reader = std::make_unique<CoalescingReadNotifier>(
        fd.get(), [this, weak = std::weak_ptr<Node>(node)]() -> size_t {
            const auto alive = weak.lock();
            return alive ? readNode(*alive) : 0;
        });
    node->fd = std::move(fd);
    nodes.emplace(syspath, node);
    Q_EMIT q->nodeAdded(node->info);
}

// Returns the number of reports read: hidraw hands out one per read.
size_t HidrawNodeSource::Private::readNode(Node& node) {
    size_t reports = 0;
    for (;;) {
        const ssize_t n = ::read(node.fd.get(), node.buffer.data(), node.buffer.size());
        if (n > 0) {
            ++reports;
            Q_EMIT q->inputReport(node.info.nodeId, node.buffer.data(), size_t(n));
            if (node.gone)
                return reports;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return reports;
        // End of file, or ENODEV / EIO: the device is gone. Anything else would wake the
        // notifier for ever, so the node is dropped all the same.
        if (n < 0 && errno != ENODEV && errno != EIO)
            qCWarning(lcHidraw, "reading %s failed: %s; no more reports from it",
                      qPrintable(node.info.path), strerror(errno));
        retire(node.syspath);
        return reports;
    }
}

void HidrawNodeSource::Private::retire(std::string syspath) {
    const auto it = nodes.find(syspath);
    if (it == nodes.end())
        return;
    const std::shared_ptr<Node> node = it->second;
    nodes.erase(it);
    node->gone = true;
    // This may run inside the reader's own drain: it goes once that has returned.
    node->reader->stop();
    node->reader->setParent(q);
    node->reader.release()->deleteLater();
    node->fd.reset();
    Q_EMIT q->nodeRemoved(node->info.nodeId);
}

HidrawNodeSource::HidrawNodeSource(QObject* parent)
    : HidNodeSource(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
}

HidrawNodeSource::~HidrawNodeSource() = default;

void HidrawNodeSource::setAccessHint(const QString& hint) {
    d_->accessHint = hint;
}

int HidrawNodeSource::start() {
    if (d_->context)
        return EALREADY;
    errno = 0;
    UdevPtr<udev> context(udev_new());
    if (!context)
        return errnoOr(ENOMEM);
    // Listening starts before the scan, so no node falls between the two; one seen twice is
    // dropped by its syspath.
    int error = 0;
    UdevPtr<udev_monitor> monitor = openUdevMonitor(context.get(), "hidraw", nullptr, &error);
    if (!monitor)
        return error;
    d_->context = std::move(context);
    d_->monitor = std::move(monitor);
    if (const int r = d_->enumerate(nullptr); r != 0) {
        d_->nodes.clear();
        d_->monitor.reset();
        d_->context.reset();
        return r;
    }
    d_->monitorNotifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(d_->monitor.get()),
                                                            QSocketNotifier::Read);
    connect(d_->monitorNotifier.get(), &QSocketNotifier::activated, this,
            [this] { d_->readMonitor(); });
    return 0;
}
