#pragma once

#include "Hid/HidNodeInfo.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

// A source of HID nodes and of their input reports: the host's hidraw nodes or the emulated
// mouse's interfaces. A source lives on the thread that created it and announces on that
// thread's event loop; it never polls. Every node it announced is removed exactly once, when
// it goes away or when the source is destroyed (then without a signal).
class HidNodeSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~HidNodeSource() override;

    // Starts watching. Nodes already present are announced before this returns. Returns 0 or an
    // errno value; a source that failed to start announces nothing.
    virtual int start() = 0;
    virtual const char* name() const = 0;

    // Only nodes of the devices added here are announced (and opened); with none, all of them.
    // Set before start().
    void addMatch(quint16 vendorId, quint16 productId);
    bool matches(quint16 vendorId, quint16 productId) const;
    // Only input reports of the ids added here are wanted: a node whose device declares none of
    // them is not opened (so its reports, a pointer's motion say, never wake the process), and
    // a source that can choose is sent only these. With none, every report. Set before start().
    void addWantedReportId(uint8_t reportId);
    const std::vector<uint8_t>& wantedReportIds() const { return wantedReportIds_; }
    // Whether a node whose input reports carry these ids is wanted.
    bool wantsAnyOf(const std::set<uint8_t>& inputReportIds) const;

    // A fresh node number, never handed out twice in this process.
    static quint64 allocateNodeId();

Q_SIGNALS:
    void nodeAdded(const HidNodeInfo& node);
    // One input report of a node, report id (when the device numbers its reports) in byte 0.
    // The bytes are valid only during the call, so connect directly.
    void inputReport(quint64 nodeId, const uint8_t* report, size_t length);
    void nodeRemoved(quint64 nodeId);

private:
    struct Match {
        quint16 vendorId;
        quint16 productId;
    };
    std::vector<Match> matches_;
    std::vector<uint8_t> wantedReportIds_;
};
