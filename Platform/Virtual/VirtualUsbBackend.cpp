#include "Virtual/VirtualUsbBackend.h"

#include "Virtual/VirtualUsbDevice.h"
#include "Virtual/VirtualUsbSubscription.h"

struct VirtualUsbBackend::Private {
    VirtualUsbBackend* q = nullptr;
    VirtualUsbSubscription subscription{VirtualUsbSubscription::Reports::NotWanted};
    quint64 serviceId = 0; // the arrival announced for the plugged generation, 0 when none
    quint64 generation = 0;

    void onPresence(const VirtualUsb::Presence& presence);
    void announceRemoval();
};

void VirtualUsbBackend::Private::onPresence(const VirtualUsb::Presence& presence) {
    if (presence.plugged && serviceId != 0 && generation == presence.generation)
        return;
    announceRemoval();
    if (!presence.plugged)
        return;

    UsbDeviceInfo info;
    info.serviceId = UsbDeviceInfo::allocateServiceId();
    info.vendorId = presence.vendorId;
    info.productId = presence.productId;
    if (!presence.name.isEmpty())
        info.productName = presence.name;
    info.device =
        std::make_shared<VirtualUsbDevice>(subscription.socketPath(), presence.generation);
    serviceId = info.serviceId;
    generation = presence.generation;
    Q_EMIT q->deviceArrived(info);
}

void VirtualUsbBackend::Private::announceRemoval() {
    if (serviceId == 0)
        return;
    const quint64 gone = serviceId;
    serviceId = 0;
    Q_EMIT q->deviceRemoved(gone);
}

VirtualUsbBackend::VirtualUsbBackend(QObject* parent)
    : UsbBackend(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
    // Input reports reach the programs through the report hook, not this bus.
    connect(&d_->subscription, &VirtualUsbSubscription::presenceReceived, this,
            [this](const VirtualUsb::Presence& presence) { d_->onPresence(presence); });
    connect(&d_->subscription, &VirtualUsbSubscription::connectionLost, this,
            [this] { d_->announceRemoval(); });
}

VirtualUsbBackend::~VirtualUsbBackend() {
    QObject::disconnect(&d_->subscription, nullptr, this, nullptr);
}

int VirtualUsbBackend::start() {
    d_->subscription.start();
    return 0;
}
