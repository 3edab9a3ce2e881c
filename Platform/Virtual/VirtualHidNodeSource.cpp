#include "Virtual/VirtualHidNodeSource.h"

#include "Virtual/VirtualUsbProtocol.h"
#include "Virtual/VirtualUsbSubscription.h"

#include <map>
#include <utility>

struct VirtualHidNodeSource::Private {
    VirtualHidNodeSource* q = nullptr;
    VirtualUsbSubscription subscription{VirtualUsbSubscription::Reports::Wanted};
    quint64 generation = 0;         // the plugged generation whose nodes exist, 0 when none
    std::map<int, quint64> nodeIds; // by interface number

    void onPresence(const VirtualUsb::Presence& presence);
    void onInputReport(const VirtualUsb::InputReport& report);
    void removeNodes();
};

void VirtualHidNodeSource::Private::onPresence(const VirtualUsb::Presence& presence) {
    if (presence.plugged && generation != 0 && presence.generation == generation)
        return;
    removeNodes();
    if (!presence.plugged || !q->matches(presence.vendorId, presence.productId))
        return;
    generation = presence.generation;
    for (const uint8_t number : presence.interfaces) {
        if (nodeIds.count(number) != 0)
            continue;
        HidNodeInfo info;
        info.nodeId = HidNodeSource::allocateNodeId();
        info.vendorId = presence.vendorId;
        info.productId = presence.productId;
        info.interfaceNumber = number;
        info.locationId = VirtualUsb::kLocationId;
        info.path = QStringLiteral("%1 (generation %2, interface %3)")
                        .arg(subscription.socketPath())
                        .arg(presence.generation)
                        .arg(number);
        nodeIds.emplace(number, info.nodeId);
        Q_EMIT q->nodeAdded(info);
    }
}

void VirtualHidNodeSource::Private::onInputReport(const VirtualUsb::InputReport& report) {
    if (generation == 0 || report.generation != generation)
        return;
    const auto it = nodeIds.find(report.interfaceNumber);
    if (it != nodeIds.end())
        Q_EMIT q->inputReport(it->second, report.report, report.length);
}

void VirtualHidNodeSource::Private::removeNodes() {
    generation = 0;
    const std::map<int, quint64> gone = std::exchange(nodeIds, {});
    for (const auto& [number, nodeId] : gone)
        Q_EMIT q->nodeRemoved(nodeId);
}

VirtualHidNodeSource::VirtualHidNodeSource(QObject* parent)
    : HidNodeSource(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
    connect(&d_->subscription, &VirtualUsbSubscription::presenceReceived, this,
            [this](const VirtualUsb::Presence& presence) { d_->onPresence(presence); });
    connect(&d_->subscription, &VirtualUsbSubscription::inputReportReceived, this,
            [this](const VirtualUsb::InputReport& report) { d_->onInputReport(report); });
    connect(&d_->subscription, &VirtualUsbSubscription::connectionLost, this,
            [this] { d_->removeNodes(); });
}

VirtualHidNodeSource::~VirtualHidNodeSource() {
    QObject::disconnect(&d_->subscription, nullptr, this, nullptr);
}

int VirtualHidNodeSource::start() {
    // The server sends only the wanted reports: the others never wake this process.
    d_->subscription.setWantedReportIds(wantedReportIds());
    d_->subscription.start();
    return 0;
}
