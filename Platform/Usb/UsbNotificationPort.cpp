#include "UsbNotificationPort.h"

#include "Linux/LinuxUsbBackend.h"
#include "Virtual/VirtualUsbBackend.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

Q_LOGGING_CATEGORY(lcUsbPort, "kx.usb")

namespace {
UsbNotificationPort::BackendFactory& backendFactory() {
    static UsbNotificationPort::BackendFactory factory;
    return factory;
}

std::vector<std::unique_ptr<UsbBackend>> defaultBackends() {
    std::vector<std::unique_ptr<UsbBackend>> backends;
    backends.push_back(std::make_unique<LinuxUsbBackend>());
    backends.push_back(std::make_unique<VirtualUsbBackend>());
    return backends;
}
} // namespace

std::unique_ptr<UsbNotificationPort> UsbNotificationPort::create(int* error) {
    auto& factory = backendFactory();
    auto port = std::make_unique<UsbNotificationPort>(factory ? factory() : defaultBackends());
    const int result = port->start();
    if (result != 0) {
        if (error)
            *error = result;
        return nullptr;
    }
    return port;
}

void UsbNotificationPort::setBackendFactory(BackendFactory factory) {
    backendFactory() = std::move(factory);
}

UsbNotificationPort::UsbNotificationPort(std::vector<std::unique_ptr<UsbBackend>> backends)
    : backends_(std::move(backends)) {
    for (auto& backend : backends_) {
        connect(backend.get(), &UsbBackend::deviceArrived, this, &UsbNotificationPort::onArrived);
        connect(backend.get(), &UsbBackend::deviceRemoved, this, &UsbNotificationPort::onRemoved);
    }
}

UsbNotificationPort::~UsbNotificationPort() = default;

int UsbNotificationPort::start() {
    int firstError = 0;
    bool anyStarted = false;
    for (auto& backend : backends_) {
        const int result = backend->start();
        if (result == 0) {
            anyStarted = true;
        } else {
            qCWarning(lcUsbPort, "%s devices are not available: %s", backend->name(),
                      strerror(result));
            if (firstError == 0)
                firstError = result;
        }
    }
    return anyStarted || backends_.empty() ? 0 : firstError;
}

UsbDeviceIterator* UsbNotificationPort::addMatchingNotification(Kind kind, Callback callback,
                                                                void* refCon) {
    auto iterator = std::make_unique<UsbDeviceIterator>();
    if (kind == Kind::FirstMatch) {
        for (const auto& info : present_)
            iterator->push(info);
    }
    registrations_.push_back({kind, callback, refCon, std::move(iterator)});
    return registrations_.back().iterator.get();
}

void UsbNotificationPort::onArrived(const UsbDeviceInfo& info) {
    present_.push_back(info);
    deliver(Kind::FirstMatch, info);
}

void UsbNotificationPort::onRemoved(quint64 serviceId) {
    const auto it = std::find_if(present_.begin(), present_.end(),
                                 [serviceId](const auto& d) { return d.serviceId == serviceId; });
    if (it == present_.end())
        return;
    const UsbDeviceInfo gone = *it;
    present_.erase(it);
    deliver(Kind::Terminate, gone);
}

void UsbNotificationPort::deliver(Kind kind, const UsbDeviceInfo& info) {
    for (auto& registration : registrations_) {
        if (registration.kind != kind)
            continue;
        registration.iterator->push(info);
        if (registration.callback)
            registration.callback(registration.refCon, registration.iterator.get());
    }
}
