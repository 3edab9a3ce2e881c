#include "Usb/Virtual/VirtualUsbSubscription.h"

#include "Usb/Virtual/VirtualUsbDevice.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalSocket>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcVirtualSubscription, "kx.usb.virtual")

struct VirtualUsbSubscription::Private {
    VirtualUsbSubscription* q = nullptr;
    QString socketPath;
    QString socketDir;
    QFileSystemWatcher watcher;
    std::unique_ptr<QLocalSocket> socket;
    QByteArray received;
    bool presenceKnown = false; // a Presence frame came on this connection
    Reports reports = Reports::Wanted;

    void watchSocketFolder();
    void connectIfPresent();
    void dropConnection();
    void onReadyRead();
    void handleFrame(const VirtualUsb::Frame& frame);
};

// Watches the socket's folder, or the nearest existing folder above it until it appears: a
// server that starts later creates its socket there and the change wakes us.
void VirtualUsbSubscription::Private::watchSocketFolder() {
    QString folder = socketDir;
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    const QStringList watched = watcher.directories();
    if (watched.size() == 1 && watched.first() == folder)
        return;
    if (!watched.isEmpty())
        watcher.removePaths(watched);
    if (!watcher.addPath(folder))
        qCWarning(lcVirtualSubscription,
                  "cannot watch %s; the emulated mouse is found only at start", qPrintable(folder));
}

void VirtualUsbSubscription::Private::connectIfPresent() {
    if (socket || !QFileInfo::exists(socketPath))
        return;
    socket = std::make_unique<QLocalSocket>();
    QLocalSocket* s = socket.get();
    const char flags =
        reports == Reports::Wanted ? char(VirtualUsb::kSubscribeInputReports) : char(0);
    QObject::connect(s, &QLocalSocket::connected, q, [s, flags] {
        s->write(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Subscribe, QByteArray(1, flags)));
    });
    QObject::connect(s, &QLocalSocket::readyRead, q, [this] { onReadyRead(); });
    // A refused connection (a stale socket file) and a closed one end alike. A wait that timed
    // out (a server slow to answer at start) leaves the connection as it was.
    QObject::connect(s, &QLocalSocket::errorOccurred, q,
                     [this](QLocalSocket::LocalSocketError error) {
                         if (error != QLocalSocket::SocketTimeoutError)
                             dropConnection();
                     });
    QObject::connect(s, &QLocalSocket::disconnected, q, [this] { dropConnection(); });
    s->connectToServer(socketPath);
}

void VirtualUsbSubscription::Private::dropConnection() {
    if (!socket)
        return;
    // Called from the socket's own signals: it is deleted once they have returned.
    QLocalSocket* s = socket.release();
    QObject::disconnect(s, nullptr, q, nullptr);
    s->abort();
    s->deleteLater();
    received.clear();
    presenceKnown = false;
    Q_EMIT q->connectionLost();
}

void VirtualUsbSubscription::Private::onReadyRead() {
    received.append(socket->readAll());
    while (socket) {
        bool malformed = false;
        const auto frame = VirtualUsb::takeFrame(received, &malformed);
        if (malformed) {
            qCWarning(lcVirtualSubscription, "malformed frame from %s; disconnecting",
                      qPrintable(socketPath));
            dropConnection();
            return;
        }
        if (!frame)
            return;
        handleFrame(*frame);
    }
}

void VirtualUsbSubscription::Private::handleFrame(const VirtualUsb::Frame& frame) {
    if (frame.type == VirtualUsb::FrameType::Presence) {
        const auto presence = VirtualUsb::decodePresence(frame.payload);
        if (!presence) {
            qCWarning(lcVirtualSubscription, "short presence frame ignored");
            return;
        }
        presenceKnown = true;
        Q_EMIT q->presenceReceived(*presence);
    } else if (frame.type == VirtualUsb::FrameType::InputReport) {
        if (const auto report = VirtualUsb::decodeInputReport(frame.payload))
            Q_EMIT q->inputReportReceived(*report);
    }
}

VirtualUsbSubscription::VirtualUsbSubscription(Reports reports, QObject* parent)
    : QObject(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
    d_->reports = reports;
}

VirtualUsbSubscription::~VirtualUsbSubscription() {
    if (d_->socket)
        QObject::disconnect(d_->socket.get(), nullptr, this, nullptr);
}

const QString& VirtualUsbSubscription::socketPath() const {
    return d_->socketPath;
}

void VirtualUsbSubscription::start() {
    d_->socketPath = VirtualUsb::socketPath();
    d_->socketDir = QFileInfo(d_->socketPath).absolutePath();
    connect(&d_->watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        d_->watchSocketFolder();
        d_->connectIfPresent();
    });
    d_->watchSocketFolder();
    d_->connectIfPresent();
    // The mouse of a server already running is announced before start() returns.
    if (d_->socket && d_->socket->waitForConnected(VirtualUsbDevice::kReplyTimeoutMs)) {
        d_->socket->flush();
        while (d_->socket && !d_->presenceKnown &&
               d_->socket->waitForReadyRead(VirtualUsbDevice::kReplyTimeoutMs))
            d_->onReadyRead();
    }
}
