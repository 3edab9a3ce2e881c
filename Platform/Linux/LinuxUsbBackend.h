#pragma once

#include "Usb/UsbBackend.h"

#include <memory>

// The host's USB devices, from udev: enumerated at start, then followed through a udev monitor
// whose socket a QSocketNotifier watches. Events come from the "udev" source where a udev daemon
// runs (after rules and permissions are applied) and from the "kernel" source where none runs.
// Devices are USB devices proper (devtype usb_device); their handles reach the HID interfaces
// through the device's hidraw nodes.
class LinuxUsbBackend : public UsbBackend {
    Q_OBJECT
public:
    explicit LinuxUsbBackend(QObject* parent = nullptr);
    ~LinuxUsbBackend() override;

    int start() override;
    const char* name() const override { return "Host USB"; }

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
