#include "Linux/LinuxUsbDevice.h"

#include "Linux/ErrnoOr.h"
#include "Linux/SysfsHex.h"
#include "Linux/UdevPtr.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <linux/usbdevice_fs.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

int retryIoctl(int fd, unsigned long request, void* argument) {
    int result;
    do {
        result = ::ioctl(fd, request, argument);
    } while (result < 0 && errno == EINTR);
    return result;
}

// The interface a udev device of devtype usb_interface stands for, when it belongs to the USB
// device at usbSyspath (and not to a device behind it, should that device be a hub).
std::optional<unsigned> interfaceNumberOf(udev_device* interface, const std::string& usbSyspath) {
    udev_device* owner = udev_device_get_parent(interface);
    const char* ownerPath = owner ? udev_device_get_syspath(owner) : nullptr;
    if (ownerPath == nullptr || usbSyspath != ownerPath)
        return std::nullopt;
    return parseSysfsHex(udev_device_get_sysattr_value(interface, "bInterfaceNumber"), 0xFF);
}

// Calls visit for each descendant of the USB device at syspath in the subsystem (and devtype,
// when given), until visit returns true. libudev contexts are not thread safe and requests come
// from any thread, so each scan has a context of its own. 0, or why the scan could not be made.
int forEachChild(const std::string& syspath, const char* subsystem, const char* devtype,
                 const std::function<bool(udev_device*)>& visit) {
    errno = 0;
    UdevPtr<udev> context(udev_new());
    if (!context)
        return errnoOr(ENOMEM);
    UdevPtr<udev_device> usb(udev_device_new_from_syspath(context.get(), syspath.c_str()));
    if (!usb)
        return ENODEV;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate)
        return errnoOr(ENOMEM);
    udev_enumerate_add_match_parent(enumerate.get(), usb.get());
    udev_enumerate_add_match_subsystem(enumerate.get(), subsystem);
    if (devtype)
        udev_enumerate_add_match_property(enumerate.get(), "DEVTYPE", devtype);
    if (const int r = udev_enumerate_scan_devices(enumerate.get()); r < 0)
        return -r;
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevPtr<udev_device> child(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (child && visit(child.get()))
            break;
    }
    return 0;
}

// The interface numbers of the USB device at syspath, in its active configuration.
int interfaceNumbers(const std::string& syspath, std::vector<unsigned>* numbers) {
    return forEachChild(syspath, "usb", "usb_interface", [&](udev_device* interface) {
        if (const auto number = interfaceNumberOf(interface, syspath))
            numbers->push_back(*number);
        return false;
    });
}

} // namespace

std::shared_ptr<LinuxUsbDevice> LinuxUsbDevice::create(udev_device* device, int* error) {
    const char* syspath = udev_device_get_syspath(device);
    const char* busnum = udev_device_get_sysattr_value(device, "busnum");
    const char* devnum = udev_device_get_sysattr_value(device, "devnum");
    std::string node;
    if (const char* devnode = udev_device_get_devnode(device)) {
        node = devnode;
    } else if (busnum && devnum) {
        // No DEVNAME in the event: usbfs names its nodes after bus and address.
        char path[64];
        std::snprintf(path, sizeof path, "/dev/bus/usb/%03d/%03d", std::atoi(busnum),
                      std::atoi(devnum));
        node = path;
    }
    if (syspath == nullptr || node.empty()) {
        *error = ENODEV;
        return nullptr;
    }
    return std::make_shared<LinuxUsbDevice>(syspath, node, devnum ? devnum : "");
}

LinuxUsbDevice::LinuxUsbDevice(std::string syspath, std::string usbfsNode, std::string devnum)
    : syspath_(std::move(syspath)), usbfsNode_(std::move(usbfsNode)), devnum_(std::move(devnum)) {}

LinuxUsbDevice::~LinuxUsbDevice() = default;

int LinuxUsbDevice::setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                     size_t* transferred) {
    if (length > _IOC_SIZEMASK)
        return EINVAL;
    // HIDIOCSFEATURE only reads the buffer.
    return featureIoctl(interfaceNumber, HIDIOCSFEATURE(length), const_cast<uint8_t*>(report),
                        transferred);
}

int LinuxUsbDevice::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                     size_t* transferred) {
    if (length > _IOC_SIZEMASK)
        return EINVAL;
    return featureIoctl(interfaceNumber, HIDIOCGFEATURE(length), report, transferred);
}

int LinuxUsbDevice::featureIoctl(int interfaceNumber, unsigned long request, uint8_t* report,
                                 size_t* transferred) {
    // A node that hangs up went with its device, or alone: re-enumeration (a HID driver bound
    // again) gives the same device new hidraw nodes. Then the request, which never left, gets one
    // more try on the node that took the old one's place.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (gone_)
            return ENODEV;
        int error = 0;
        const SharedFd fd = hidrawFd(interfaceNumber, &error);
        if (!fd)
            return error;

        // hidraw signals a hang-up on the descriptors of a node that has gone.
        pollfd state{fd->get(), 0, 0};
        const bool hungUp = ::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLNVAL));
        const int result = hungUp ? -1 : retryIoctl(fd->get(), request, report);
        if (result >= 0) {
            *transferred = static_cast<size_t>(result);
            return 0;
        }
        const int ioctlError = hungUp ? ENODEV : errno;
        if (ioctlError != ENODEV && ioctlError != EIO)
            return ioctlError;
        const std::string oldNode = forgetHidraw(interfaceNumber, fd);
        if (attempt == 0 && nodeReplaced(interfaceNumber, oldNode))
            continue;
        gone_ = true;
        return ENODEV;
    }
    return ENODEV;
}

bool LinuxUsbDevice::nodeReplaced(int interfaceNumber, const std::string& oldSyspath) const {
    if (oldSyspath.empty() || !stillPresent())
        return false;
    std::string node, syspath;
    unsigned long long devnum = 0;
    return findHidrawNode(interfaceNumber, &node, &devnum, &syspath) == 0 && syspath != oldSyspath;
}

LinuxUsbDevice::SharedFd LinuxUsbDevice::hidrawFd(int interfaceNumber, int* error) {
    {
        std::lock_guard lock(mutex_);
        if (const auto it = hidraw_.find(interfaceNumber); it != hidraw_.end())
            return it->second;
    }

    std::string node, syspath;
    unsigned long long devnum = 0;
    if (const int r = findHidrawNode(interfaceNumber, &node, &devnum, &syspath); r != 0) {
        *error = goneOr(r);
        return nullptr;
    }
    UniqueFd fd(::open(node.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.isValid()) {
        const int openError = errno;
        *error = (openError == ENOENT || openError == ENODEV || openError == ENXIO)
                     ? goneOr(openError)
                     : openError;
        return nullptr;
    }
    // The node name could have passed to another device between the lookup and the open.
    struct stat st;
    if (devnum != 0 && ::fstat(fd.get(), &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev != devnum) {
        *error = goneOr(ENOENT);
        return nullptr;
    }
    // The syspath alone does not tell plugs apart: a device re-plugged into the same port gets
    // the same one, and the lookup above would have found its nodes.
    if (!stillPresent()) {
        gone_ = true;
        *error = ENODEV;
        return nullptr;
    }

    auto shared = std::make_shared<const UniqueFd>(std::move(fd));
    std::lock_guard lock(mutex_);
    // A request on another thread may have opened the node meanwhile; keep one descriptor.
    const auto [it, inserted] = hidraw_.emplace(interfaceNumber, std::move(shared));
    if (inserted)
        hidrawSyspath_[interfaceNumber] = syspath;
    return it->second;
}

int LinuxUsbDevice::findHidrawNode(int interfaceNumber, std::string* node,
                                   unsigned long long* devnum, std::string* syspath) const {
    bool found = false;
    const int scanned = forEachChild(syspath_, "hidraw", nullptr, [&](udev_device* hidraw) {
        udev_device* interface =
            udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_interface");
        const char* devnode = udev_device_get_devnode(hidraw);
        if (interface == nullptr || devnode == nullptr)
            return false;
        const auto number = interfaceNumberOf(interface, syspath_);
        if (!number || *number != static_cast<unsigned>(interfaceNumber))
            return false;
        *node = devnode;
        *devnum = udev_device_get_devnum(hidraw);
        *syspath = udev_device_get_syspath(hidraw);
        found = true;
        return true;
    });
    if (scanned != 0)
        return scanned;
    return found ? 0 : ENOENT;
}

std::string LinuxUsbDevice::forgetHidraw(int interfaceNumber, const SharedFd& fd) {
    std::lock_guard lock(mutex_);
    const auto it = hidraw_.find(interfaceNumber);
    if (it == hidraw_.end() || it->second != fd)
        return {}; // another request forgot it first
    hidraw_.erase(it);
    return std::exchange(hidrawSyspath_[interfaceNumber], {});
}

bool LinuxUsbDevice::stillPresent() const {
    if (devnum_.empty())
        return ::access(syspath_.c_str(), F_OK) == 0;
    // Same syspath and same bus address: the same plug. A re-plugged device gets a new address.
    const std::string path = syspath_ + "/devnum";
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isValid())
        return errno != ENOENT && errno != ENODEV;
    char text[16] = {};
    const ssize_t n = ::read(fd.get(), text, sizeof text - 1);
    if (n < 0)
        return errno != ENODEV;
    std::string value(text, static_cast<size_t>(n));
    while (!value.empty() && (value.back() == '\n' || value.back() == ' '))
        value.pop_back();
    return value == devnum_;
}

int LinuxUsbDevice::goneOr(int error) {
    if (gone_ || !stillPresent()) {
        gone_ = true;
        return ENODEV;
    }
    return error;
}

int LinuxUsbDevice::open() {
    if (gone_)
        return ENODEV;
    std::lock_guard lock(mutex_);
    if (usbfs_)
        return 0;
    UniqueFd fd;
    if (const int r = openUsbfs(&fd); r != 0)
        return r;
    usbfs_ = std::make_shared<const UniqueFd>(std::move(fd));
    return 0;
}

int LinuxUsbDevice::openUsbfs(UniqueFd* fd) {
    fd->reset(::open(usbfsNode_.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd->isValid()) {
        const int openError = errno;
        return (openError == ENOENT || openError == ENODEV) ? goneOr(openError) : openError;
    }
    // Exclusive among the programs that take this lock: whoever holds it drives the device.
    if (::flock(fd->get(), LOCK_EX | LOCK_NB) != 0) {
        const int lockError = errno;
        fd->reset();
        return lockError == EWOULDBLOCK ? EBUSY : lockError;
    }
    return 0;
}

int LinuxUsbDevice::withUsbfs(const std::function<int(int fd)>& action) {
    if (gone_)
        return ENODEV;
    SharedFd held;
    {
        std::lock_guard lock(mutex_);
        held = usbfs_;
    }
    UniqueFd temporary;
    if (!held) {
        if (const int r = openUsbfs(&temporary); r != 0)
            return r;
    }
    const int result = action(held ? held->get() : temporary.get());
    if (result == ENODEV)
        gone_ = true;
    return result;
}

int LinuxUsbDevice::reset() {
    return withUsbfs(
        [](int fd) { return retryIoctl(fd, USBDEVFS_RESET, nullptr) < 0 ? errno : 0; });
}

int LinuxUsbDevice::reEnumerate() {
    std::vector<unsigned> interfaces;
    if (const int r = interfaceNumbers(syspath_, &interfaces); r != 0)
        return goneOr(r);
    return withUsbfs([&interfaces](int fd) {
        for (const unsigned number : interfaces) {
            usbdevfs_ioctl command{static_cast<int>(number), USBDEVFS_DISCONNECT, nullptr};
            // ENODATA: no driver was bound, nothing to detach.
            if (retryIoctl(fd, USBDEVFS_IOCTL, &command) < 0 && errno != ENODATA)
                return errno;
            command.ioctl_code = USBDEVFS_CONNECT;
            if (retryIoctl(fd, USBDEVFS_IOCTL, &command) < 0)
                return errno;
        }
        return 0;
    });
}

int LinuxUsbDevice::locationFromSysname(const std::string& sysname, uint32_t* locationId) {
    // "<bus>-<port>[.<port>...]": the bus in the top byte, then a nibble per port.
    const size_t dash = sysname.find('-');
    if (dash == std::string::npos || dash == 0)
        return EINVAL;
    char* end = nullptr;
    const unsigned long bus = std::strtoul(sysname.c_str(), &end, 10);
    if (end != sysname.c_str() + dash || bus == 0 || bus > 0xFF)
        return EINVAL;
    uint32_t location = static_cast<uint32_t>(bus) << 24;
    int shift = 20;
    size_t at = dash + 1;
    while (true) {
        const unsigned long port = std::strtoul(sysname.c_str() + at, &end, 10);
        if (end == sysname.c_str() + at || port == 0 || port > 0xF || shift < 0)
            return EINVAL;
        location |= static_cast<uint32_t>(port) << shift;
        shift -= 4;
        if (*end == '\0')
            break;
        if (*end != '.')
            return EINVAL;
        at = static_cast<size_t>(end - sysname.c_str()) + 1;
    }
    *locationId = location;
    return 0;
}

int LinuxUsbDevice::getLocationId(uint32_t* locationId) const {
    const size_t slash = syspath_.rfind('/');
    return locationFromSysname(slash == std::string::npos ? syspath_ : syspath_.substr(slash + 1),
                               locationId);
}
