#pragma once

#include "UsbDeviceInfo.h"

#include <QObject>

// One source of USB devices for the bus: the host's own devices or the emulated mouse. A backend
// lives on the thread that created it and announces arrivals and removals on that thread's event
// loop; it never polls.
class UsbBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~UsbBackend() override;

    // Starts watching. Devices already present are announced through deviceArrived before this
    // returns. Returns 0 or an errno value; a backend that failed to start announces nothing.
    virtual int start() = 0;
    virtual const char* name() const = 0;

Q_SIGNALS:
    void deviceArrived(const UsbDeviceInfo& info);
    void deviceRemoved(quint64 serviceId);
};
