#pragma once

#include "UsbBackend.h"
#include "UsbDeviceIterator.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Arrival and removal notifications for every USB device the backends see, delivered on the
// event loop of the thread that created the port. Each backend's devices appear in arrival
// order; a device's removal is announced once, with the service number of its arrival.
class UsbNotificationPort : public QObject {
    Q_OBJECT
public:
    enum class Kind { FirstMatch, Terminate };
    using Callback = void (*)(void* refCon, UsbDeviceIterator* iterator);
    using BackendFactory = std::function<std::vector<std::unique_ptr<UsbBackend>>()>;

    // A port over the host's USB devices (udev and hidraw) and the emulated mouse. Returns null
    // and sets *error only when no backend could start.
    static std::unique_ptr<UsbNotificationPort> create(int* error);

    // Replaces the backends create() uses, for tests that bring their own devices; an empty
    // factory restores the real ones.
    static void setBackendFactory(BackendFactory factory);

    explicit UsbNotificationPort(std::vector<std::unique_ptr<UsbBackend>> backends);
    ~UsbNotificationPort() override;

    // Starts every backend; returns 0 when at least one started, else the first error.
    int start();

    // Registers a callback. The returned iterator (owned by the port) already holds the devices
    // present now for FirstMatch; the caller drains it once to arm the notification, as it does
    // from the callback later.
    UsbDeviceIterator* addMatchingNotification(Kind kind, Callback callback, void* refCon);

private:
    struct Registration {
        Kind kind;
        Callback callback;
        void* refCon;
        std::unique_ptr<UsbDeviceIterator> iterator;
    };

    void onArrived(const UsbDeviceInfo& info);
    void onRemoved(quint64 serviceId);
    void deliver(Kind kind, const UsbDeviceInfo& info);

    std::vector<std::unique_ptr<UsbBackend>> backends_;
    std::vector<UsbDeviceInfo> present_; // in arrival order
    std::vector<Registration> registrations_;
};
