#pragma once

#include "RequestPacing.h"
#include "VirtualMouseFirmware.h"

#include <QObject>
#include <QString>

#include <memory>

// Serves the emulated mouse on a Unix socket (see VirtualUsbProtocol.h): subscribers hear of
// plugging and input reports, any connection may send feature requests for the plugged
// generation, reset it, or run a command line (plug, press, dump, ...). A request is applied only
// once its whole frame has arrived; a malformed frame closes that connection alone.
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

    explicit VirtualMouseServer(Options options, QObject* parent = nullptr);
    ~VirtualMouseServer() override;

    // Loads the flash and listens. Fails when another server answers on the socket; a stale
    // socket file is replaced. The socket is accessible to its owner only.
    bool start(QString* error);
    // Saves the flash, closes every connection and removes the socket file.
    void stop();

    VirtualMouseFirmware& firmware();
    bool isPlugged() const;
    quint64 generation() const;
    int subscriberCount() const;
    const RequestPacing& pacing() const;

    void plug();
    void unplug();

    // Runs one command line as a Command frame would; *status is 0 or an errno value.
    QString runCommand(const QString& line, int* status);

Q_SIGNALS:
    // One line per change of what the mouse shows: plugging, presses, commits, register writes.
    void stateLine(const QString& line);
    // Problems worth a line: a bad flash file, a save that failed, a connection closed for a
    // malformed frame.
    void warning(const QString& line);

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
