#include "Usb/Virtual/VirtualUsbBackend.h"

#include "Usb/Virtual/VirtualUsbDevice.h"
#include "Usb/Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalSocket>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcVirtualUsb, "kx.usb.virtual")

struct VirtualUsbBackend::Private {
    VirtualUsbBackend* q = nullptr;
    QString socketPath;
    QString socketDir;
    QFileSystemWatcher watcher;
    std::unique_ptr<QLocalSocket> socket;
    QByteArray received;
    quint64 serviceId = 0; // the arrival announced for the plugged generation, 0 when none
    quint64 generation = 0;
    bool presenceKnown = false; // a Presence frame came on this connection

    void watchSocketFolder();
    void connectIfPresent();
    void dropConnection();
    void onReadyRead();
    void onPresence(const QByteArray& payload);
    void announceRemoval();
};

// Watches the socket's folder, or the nearest existing folder above it until it appears: a
// server that starts later creates its socket there and the change wakes us.
void VirtualUsbBackend::Private::watchSocketFolder() {
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
        qCWarning(lcVirtualUsb, "cannot watch %s; the emulated mouse is found only at start",
                  qPrintable(folder));
}

void VirtualUsbBackend::Private::connectIfPresent() {
    if (socket || !QFileInfo::exists(socketPath))
        return;
    socket = std::make_unique<QLocalSocket>();
    QLocalSocket* s = socket.get();
    QObject::connect(s, &QLocalSocket::connected, q, [this, s] {
        s->write(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Subscribe, {}));
    });
    QObject::connect(s, &QLocalSocket::readyRead, q, [this] { onReadyRead(); });
    // A refused connection (a stale socket file) and a closed one end alike; the next change in
    // the folder brings the next attempt.
    QObject::connect(s, &QLocalSocket::errorOccurred, q, [this] { dropConnection(); });
    QObject::connect(s, &QLocalSocket::disconnected, q, [this] { dropConnection(); });
    s->connectToServer(socketPath);
}

void VirtualUsbBackend::Private::dropConnection() {
    if (!socket)
        return;
    // Called from the socket's own signals: it is deleted once they have returned.
    QLocalSocket* s = socket.release();
    QObject::disconnect(s, nullptr, q, nullptr);
    s->abort();
    s->deleteLater();
    received.clear();
    presenceKnown = false;
    announceRemoval();
}

void VirtualUsbBackend::Private::onReadyRead() {
    received.append(socket->readAll());
    while (socket) {
        bool malformed = false;
        const auto frame = VirtualUsb::takeFrame(received, &malformed);
        if (malformed) {
            qCWarning(lcVirtualUsb, "malformed frame from %s; disconnecting",
                      qPrintable(socketPath));
            dropConnection();
            return;
        }
        if (!frame)
            return;
        // Input reports reach the programs through the host's own report path, not this bus.
        if (frame->type == VirtualUsb::FrameType::Presence)
            onPresence(frame->payload);
    }
}

void VirtualUsbBackend::Private::onPresence(const QByteArray& payload) {
    const auto plugged = VirtualUsb::readLe<uint8_t>(payload, 0);
    const auto generationOfFrame = VirtualUsb::readLe<uint64_t>(payload, 1);
    const auto vendorId = VirtualUsb::readLe<uint16_t>(payload, 9);
    const auto productId = VirtualUsb::readLe<uint16_t>(payload, 11);
    if (!plugged || !generationOfFrame || !vendorId || !productId) {
        qCWarning(lcVirtualUsb, "short presence frame ignored");
        return;
    }
    presenceKnown = true;
    if (*plugged && serviceId != 0 && generation == *generationOfFrame)
        return;
    announceRemoval();
    if (!*plugged)
        return;

    UsbDeviceInfo info;
    info.serviceId = UsbDeviceInfo::allocateServiceId();
    info.vendorId = *vendorId;
    info.productId = *productId;
    const QString name = QString::fromUtf8(payload.mid(13));
    if (!name.isEmpty())
        info.productName = name;
    info.device = std::make_shared<VirtualUsbDevice>(socketPath, *generationOfFrame);
    serviceId = info.serviceId;
    generation = *generationOfFrame;
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
}

VirtualUsbBackend::~VirtualUsbBackend() {
    if (d_->socket)
        QObject::disconnect(d_->socket.get(), nullptr, this, nullptr);
}

int VirtualUsbBackend::start() {
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
    return 0;
}
