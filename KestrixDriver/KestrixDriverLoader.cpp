#include "KestrixDriverLoader.h"

#include "KxProtocol.h"

#include "HvLogger.h"
#include "Linux/HidrawNodeSource.h"
#include "Virtual/VirtualHidNodeSource.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<std::unique_ptr<HidNodeSource>> machineSources() {
    auto hidraw = std::make_unique<HidrawNodeSource>();
    hidraw->setAccessHint(
        QStringLiteral("install %1 into the udev rules folder (lib/udev/rules.d), then replug the "
                       "mouse")
            .arg(QLatin1String(KestrixDriverLoader::kUdevRuleName)));
    std::vector<std::unique_ptr<HidNodeSource>> sources;
    sources.push_back(std::move(hidraw));
    sources.push_back(std::make_unique<VirtualHidNodeSource>());
    return sources;
}
} // namespace

KestrixDriverLoader::KestrixDriverLoader(DriverRegistry& registry, QObject* parent)
    : KestrixDriverLoader(machineSources(), registry, parent) {}

KestrixDriverLoader::KestrixDriverLoader(std::vector<std::unique_ptr<HidNodeSource>> sources,
                                         DriverRegistry& registry, QObject* parent)
    : QObject(parent), registry_(registry), sources_(std::move(sources)) {
    for (const auto& source : sources_) {
        source->addMatch(KxProtocol::kVendorId, KxProtocol::kProductId);
        // The daemon handles the mouse's button reports only, never its pointer's motion.
        source->addWantedReportId(KxProtocol::kReportIdButtons);
        connect(source.get(), &HidNodeSource::nodeAdded, this, &KestrixDriverLoader::onNodeAdded);
        connect(source.get(), &HidNodeSource::nodeRemoved, this,
                &KestrixDriverLoader::onNodeRemoved);
        // The per-report path: one hash lookup, then the instance's stack buffer.
        connect(
            source.get(), &HidNodeSource::inputReport, this,
            [this](quint64 nodeId, const uint8_t* report, size_t length) {
                if (const auto it = byNode_.find(nodeId); it != byNode_.end())
                    it->second->handleReport(report, length);
            },
            Qt::DirectConnection);
    }
}

KestrixDriverLoader::~KestrixDriverLoader() {
    for (const auto& source : sources_)
        disconnect(source.get(), nullptr, this, nullptr);
    const auto remaining = instances();
    byNode_.clear();
    nodeOrder_.clear();
    for (const auto& instance : remaining)
        retire(instance);
}

int KestrixDriverLoader::start() {
    int firstError = 0;
    bool anyStarted = false;
    for (const auto& source : sources_) {
        const int result = source->start();
        if (result == 0) {
            anyStarted = true;
            continue;
        }
        HV_WARNING(QStringLiteral("%1 nodes are not watched: %2")
                       .arg(QLatin1String(source->name()), QLatin1String(strerror(result))));
        if (firstError == 0)
            firstError = result;
    }
    return anyStarted || sources_.empty() ? 0 : firstError;
}

std::vector<std::shared_ptr<com_vlak_driver_KestrixDriver>> KestrixDriverLoader::instances() const {
    std::vector<std::shared_ptr<com_vlak_driver_KestrixDriver>> list;
    list.reserve(nodeOrder_.size());
    for (const quint64 nodeId : nodeOrder_)
        list.push_back(byNode_.at(nodeId));
    return list;
}

void KestrixDriverLoader::onNodeAdded(const HidNodeInfo& node) {
    if (byNode_.count(node.nodeId) != 0)
        return;
    auto instance = std::make_shared<com_vlak_driver_KestrixDriver>(
        node.vendorId, node.productId, node.interfaceNumber, node.locationId);
    byNode_.emplace(node.nodeId, instance);
    nodeOrder_.push_back(node.nodeId);
    HV_DEBUG(QStringLiteral("report hook on %1 (interface %2)")
                 .arg(node.path)
                 .arg(node.interfaceNumber));
    registry_.publish(instance);
}

void KestrixDriverLoader::onNodeRemoved(quint64 nodeId) {
    const auto it = byNode_.find(nodeId);
    if (it == byNode_.end())
        return;
    const auto instance = it->second;
    byNode_.erase(it);
    std::erase(nodeOrder_, nodeId);
    retire(instance);
}

void KestrixDriverLoader::retire(const std::shared_ptr<com_vlak_driver_KestrixDriver>& instance) {
    instance->serviceWasClosed();
    registry_.unpublish(instance.get());
}
