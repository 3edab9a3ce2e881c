#pragma once

#include "Virtual/VirtualUsbProtocol.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

// One subscriber connection to kx-virtual-mouse: connects when the server's socket exists,
// subscribes, and passes on what the server says unasked. While no server runs, the socket's
// folder (or the nearest existing folder above it) is watched through inotify, so a server
// starting later is found at once. A closed or misbehaving connection is dropped and reported as
// lost; a refused one is tried again a few times. Then the next change in the folder brings the
// next attempt. The connection is a plain non-blocking Unix socket read in batches while the
// mouse streams (CoalescingReadNotifier), into one buffer kept for the subscription's life.
class VirtualUsbSubscription : public QObject {
    Q_OBJECT
public:
    enum class Reports { Wanted, NotWanted };
    // With Reports::NotWanted the server sends presence only (no frame per input report).
    explicit VirtualUsbSubscription(Reports reports, QObject* parent = nullptr);
    ~VirtualUsbSubscription() override;

    // With Reports::Wanted, only input reports of these ids are sent (none given: all of them).
    // Set before start().
    void setWantedReportIds(const std::vector<uint8_t>& reportIds);

    // Starts watching. When a server already runs, its first presence is delivered before this
    // returns (waiting at most VirtualUsbDevice::kReplyTimeoutMs for it).
    void start();

    const QString& socketPath() const;

Q_SIGNALS:
    void presenceReceived(const VirtualUsb::Presence& presence);
    // The report bytes are valid only during the call.
    void inputReportReceived(const VirtualUsb::InputReport& report);
    // The server went away or broke the protocol; whatever it had plugged is gone.
    void connectionLost();

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
