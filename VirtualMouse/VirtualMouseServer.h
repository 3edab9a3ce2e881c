#pragma once

#include "FeatureFault.h"
#include "FlashStore.h"
#include "ReadTurns.h"
#include "RequestPacing.h"
#include "VirtualMouseFirmware.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>

class QLocalSocket;
namespace VirtualUsb {
struct Frame;
}

// Serves the emulated mouse on a Unix socket (see Virtual/VirtualUsbProtocol.h): subscribers hear
// of plugging and input reports, any connection may send feature requests for the plugged
// generation, reset it, or run a command line (plug, press, dump, ...). A request is applied only
// once its whole frame has arrived; a malformed frame closes that connection alone.
//
// The server's jobs are in files of their own: requests and commands (VirtualMouseServer.cpp),
// the socket and its connections (VirtualMouseConnections.cpp), the motion stream
// (VirtualMouseMotion.cpp), the dump and status texts (VirtualMouseTexts.cpp).
class VirtualMouseServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kVendorId = 0x04F2;
    static constexpr quint16 kProductId = 0x1106;
    // Input reports waiting for a subscriber that does not read are dropped beyond this, as a
    // full interrupt endpoint queue would.
    static constexpr qint64 kMaxQueuedBytes = 1 << 20;
    // Replies waiting for a client that does not read them: past this its connection is closed.
    static constexpr qint64 kMaxClientBacklog = 4 << 20;

    struct Options {
        QString socketPath;
        QString flashPath;
        bool plugged = true;
    };

    // Another way for the mouse to reach the host, such as a USB gadget. With one set, plugging
    // attaches it and input reports go to it; the socket then carries commands only and shows
    // its subscribers no mouse.
    class Attachment {
    public:
        virtual ~Attachment() = default;
        virtual void attach() = 0;
        virtual void detach() = 0;
        virtual void sendInputReport(const VirtualMouseFirmware::InputReport& report) = 0;
    };

    // Faults for tests of the host's error paths (FeatureFault.h). Whoever answers a host's
    // feature request, the socket or a gadget, first counts it against the armed fault.
    using Fault = FeatureFault::Kind;
    static constexpr qsizetype kShortReplyLength = 4;

    explicit VirtualMouseServer(Options options, QObject* parent = nullptr);
    ~VirtualMouseServer() override;

    // Loads the flash and listens. Fails when another server answers on the socket; a stale
    // socket file is replaced. The socket is accessible to its owner only.
    bool start(QString* error);
    // Before start; the attachment outlives the server's use of it (until stop).
    void setAttachment(Attachment* attachment) { attachment_ = attachment; }
    // Saves the flash, closes every connection and removes the socket file.
    void stop();

    VirtualMouseFirmware& firmware() { return firmware_; }
    bool isPlugged() const { return plugged_; }
    quint64 generation() const { return generation_; }
    int subscriberCount() const;
    const RequestPacing& pacing() const { return pacing_; }
    // Reads of one connection that another's requests broke into (the socket's connections).
    const ReadTurns& readTurns() const { return readTurns_; }

    void plug();
    void unplug();

    // Arms a fault in place of any armed one; false for one that is not valid.
    bool armFault(const FeatureFault& fault) { return faults_.arm(fault); }
    void clearFault() { faults_.clear(); }
    const FeatureFaultPlan& faults() const { return faults_; }
    // Counts a host feature request (SET or GET) against the armed fault: the fault's kind when
    // it hits this request, which is then answered that way and not by the firmware.
    std::optional<Fault> takeFault(bool isSet);
    // Counts a host feature request against the pacing rule (the socket and a gadget both do).
    void noteRequest(bool isSet, const uint8_t* report, size_t length);
    // A host's SET_REPORT of a feature report, from whichever transport: counted, applied to the
    // firmware, a register it changes told as a state line. 0 or an errno value.
    int hostSetFeature(int interfaceNumber, const uint8_t* report, size_t length,
                       size_t* transferred);

    // Runs one command line as a Command frame would; *status is 0 or an errno value.
    QString runCommand(const QString& line, int* status);

Q_SIGNALS:
    // One line per change of what the mouse shows: plugging, presses, commits, register writes.
    void stateLine(const QString& line);
    // Problems worth a line: a bad flash file, a save that failed, a connection closed for a
    // malformed frame or for not reading its replies.
    void warning(const QString& line);

private:
    struct Client {
        QByteArray received;
        bool subscribed = false;
        bool wantsInputReports = false;
        QByteArray wantedReportIds; // empty: every report
    };

    // Connections.
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);
    void closeClient(QLocalSocket* socket, const QString& reason);
    // Requests; false when the frame closed the connection.
    bool handleFrame(QLocalSocket* socket, Client& client, const VirtualUsb::Frame& frame);
    QByteArray handleSetFeature(const QByteArray& payload);
    QByteArray handleGetFeature(const QByteArray& payload);
    // The socket's answer to a request that a stall, silence or unplug fault hit.
    QByteArray faultReply(Fault fault);
    bool current(quint64 generationOfRequest) const {
        return plugged_ && attachment_ == nullptr && generationOfRequest == generation_;
    }
    QByteArray presenceFrame() const;
    // To every subscriber; an input report (its id given) only to those that want it.
    void broadcast(const QByteArray& frame, std::optional<uint8_t> inputReportId);
    void sendInputReport(const VirtualMouseFirmware::InputReport& report);
    // Motion stream.
    void startMotion(int hz, int seconds);
    void stopMotion();
    void onMotionTick();
    // Texts.
    QString dumpText() const;
    QString statusText() const;

    Options options_;
    VirtualMouseFirmware firmware_;
    std::unique_ptr<FlashStore> flash_;
    QLocalServer server_;
    bool listening_ = false;
    // Sockets are children of the server; these are the live ones.
    std::unordered_map<QLocalSocket*, Client> clients_;
    bool plugged_ = false;
    quint64 generation_ = 0;
    Attachment* attachment_ = nullptr;
    FeatureFaultPlan faults_;
    RequestPacing pacing_;
    ReadTurns readTurns_;
    QElapsedTimer clock_;

    // Motion stream: reports due are derived from the elapsed time, so the rate holds even when
    // a timer tick comes late.
    QTimer motionTimer_;
    QElapsedTimer motionClock_;
    int motionHz_ = 0;
    qint64 motionSent_ = 0;
    qint64 motionTotal_ = 0;
};
