#include "Hid/HidNodeSource.h"

#include <algorithm>
#include <atomic>

HidNodeSource::~HidNodeSource() = default;

void HidNodeSource::addMatch(quint16 vendorId, quint16 productId) {
    matches_.push_back({vendorId, productId});
}

bool HidNodeSource::matches(quint16 vendorId, quint16 productId) const {
    return matches_.empty() || std::any_of(matches_.begin(), matches_.end(), [&](const Match& m) {
               return m.vendorId == vendorId && m.productId == productId;
           });
}

void HidNodeSource::addWantedReportId(uint8_t reportId) {
    if (std::find(wantedReportIds_.begin(), wantedReportIds_.end(), reportId) ==
        wantedReportIds_.end())
        wantedReportIds_.push_back(reportId);
}

bool HidNodeSource::wantsAnyOf(const std::set<uint8_t>& inputReportIds) const {
    return wantedReportIds_.empty() ||
           std::any_of(wantedReportIds_.begin(), wantedReportIds_.end(),
                       [&](uint8_t id) { return inputReportIds.count(id) != 0; });
}

quint64 HidNodeSource::allocateNodeId() {
    static std::atomic<quint64> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}
