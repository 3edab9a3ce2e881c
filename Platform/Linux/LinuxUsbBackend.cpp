#include "Linux/LinuxUsbBackend.h"

#include "Linux/ErrnoOr.h"
#include "Linux/LinuxUsbDevice.h"
#include "Linux/SysfsHex.h"
#include "Linux/UdevMonitor.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>

Q_LOGGING_CATEGORY(lcLinuxUsb, "kx.usb.linux")

namespace {

// Reads idVendor / idProduct; 0 or the errno-style reason they could not be read.
int readIdentity(udev_device* device, UsbDeviceInfo* info) {
    errno = 0;
    const char* vendor = udev_device_get_sysattr_value(device, "idVendor");
    if (vendor == nullptr)
        return errnoOr(ENOENT);
    errno = 0;
    const char* product = udev_device_get_sysattr_value(device, "idProduct");
    if (product == nullptr)
        return errnoOr(ENOENT);
    const auto vendorId = parseSysfsHex(vendor, 0xFFFF);
    const auto productId = parseSysfsHex(product, 0xFFFF);
    if (!vendorId || !productId)
        return EINVAL;
    info->vendorId = static_cast<quint16>(*vendorId);
    info->productId = static_cast<quint16>(*productId);
    return 0;
}

} // namespace

struct LinuxUsbBackend::Private {
    struct Known {
        quint64 serviceId;
        std::weak_ptr<LinuxUsbDevice> device;
    };

    LinuxUsbBackend* q;
    UdevPtr<udev> context;
    UdevPtr<udev_monitor> monitor;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unordered_map<std::string, Known> known; // by syspath

    int enumerate(std::unordered_set<std::string>* seen = nullptr);
    void resync();
    void readMonitor();
    void arrived(udev_device* device);
    void removed(const char* syspath);
};

int LinuxUsbBackend::Private::enumerate(std::unordered_set<std::string>* seen) {
    errno = 0;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate)
        return errnoOr(ENOMEM);
    udev_enumerate_add_match_subsystem(enumerate.get(), "usb");
    udev_enumerate_add_match_property(enumerate.get(), "DEVTYPE", "usb_device");
    if (const int r = udev_enumerate_scan_devices(enumerate.get()); r < 0)
        return -r;
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        // The device may have gone since the scan; then there is nothing to announce.
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device)
            continue;
        if (seen)
            seen->insert(udev_device_get_syspath(device.get()));
        arrived(device.get());
    }
    return 0;
}

// After lost events the list may be wrong both ways: scan again, announce what came and what
// went meanwhile.
void LinuxUsbBackend::Private::resync() {
    std::unordered_set<std::string> present;
    if (enumerate(&present) != 0)
        return;
    std::vector<std::string> gone;
    for (const auto& [syspath, entry] : known)
        if (present.count(syspath) == 0)
            gone.push_back(syspath);
    for (const auto& syspath : gone)
        removed(syspath.c_str());
}

void LinuxUsbBackend::Private::readMonitor() {
    const bool complete =
        drainUdevMonitor(monitor.get(), [this](const char* action, udev_device* device) {
            if (std::strcmp(action, "add") == 0)
                arrived(device);
            else if (std::strcmp(action, "remove") == 0)
                removed(udev_device_get_syspath(device));
        });
    if (!complete) {
        qCWarning(lcLinuxUsb, "udev events were lost (receive queue overflowed); rescanning");
        resync();
    }
}

void LinuxUsbBackend::Private::arrived(udev_device* device) {
    const char* syspath = udev_device_get_syspath(device);
    if (syspath == nullptr || known.count(syspath) != 0)
        return;

    UsbDeviceInfo info;
    info.serviceId = UsbDeviceInfo::allocateServiceId();
    info.interfaceError = readIdentity(device, &info);
    if (const char* product = udev_device_get_sysattr_value(device, "product"))
        info.productName = QString::fromUtf8(product);
    if (const char* serial = udev_device_get_sysattr_value(device, "serial"))
        info.serialNumber = QString::fromUtf8(serial);
    int handleError = 0;
    auto handle = LinuxUsbDevice::create(device, &handleError);
    info.handleError = handle ? 0 : handleError;
    info.device = handle;

    known.emplace(syspath, Known{info.serviceId, handle});
    Q_EMIT q->deviceArrived(info);
}

void LinuxUsbBackend::Private::removed(const char* syspath) {
    const auto it = known.find(syspath);
    if (it == known.end())
        return;
    const quint64 serviceId = it->second.serviceId;
    // Requests still running on other threads fail fast from now on.
    if (const auto device = it->second.device.lock())
        device->markGone();
    known.erase(it);
    Q_EMIT q->deviceRemoved(serviceId);
}

LinuxUsbBackend::LinuxUsbBackend(QObject* parent)
    : UsbBackend(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
}

LinuxUsbBackend::~LinuxUsbBackend() = default;

int LinuxUsbBackend::start() {
    if (d_->context)
        return EALREADY;

    errno = 0;
    UdevPtr<udev> context(udev_new());
    if (!context)
        return errnoOr(ENOMEM);

    // Listen before enumerating so that no arrival falls between the two; the devices seen twice
    // are dropped by syspath.
    int error = 0;
    UdevPtr<udev_monitor> monitor = openUdevMonitor(context.get(), "usb", "usb_device", &error);
    if (!monitor)
        return error;
    const int fd = udev_monitor_get_fd(monitor.get());

    d_->context = std::move(context);
    d_->monitor = std::move(monitor);
    if (const int r = d_->enumerate(); r != 0) {
        d_->known.clear();
        d_->monitor.reset();
        d_->context.reset();
        return r;
    }
    d_->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(d_->notifier.get(), &QSocketNotifier::activated, this, [this] { d_->readMonitor(); });
    return 0;
}
