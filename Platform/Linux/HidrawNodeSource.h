#pragma once

#include "Hid/HidNodeSource.h"

#include <memory>

// The host's hidraw nodes, from udev: enumerated at start, then followed through a udev monitor
// of subsystem "hidraw". Each node of a matching device is opened read-only and non-blocking;
// the kernel gives every opener its own copy of each input report while its HID driver keeps
// the device working, so reading takes nothing from anyone. Each wakeup drains all the reports
// waiting; a node that streams (a moving mouse) is read in batches (CoalescingReadNotifier).
//
// A node is removed on the udev "remove" event, on end of file or on a read error (ENODEV, EIO
// once the device is unplugged), whichever comes first. A node that may not be read (EACCES)
// gets one warning naming it and the access hint, and is not announced.
class HidrawNodeSource : public HidNodeSource {
    Q_OBJECT
public:
    explicit HidrawNodeSource(QObject* parent = nullptr);
    ~HidrawNodeSource() override;

    int start() override;
    const char* name() const override { return "hidraw"; }

    // What the permission warning tells the user to do, e.g. which udev rule to install.
    void setAccessHint(const QString& hint);

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
