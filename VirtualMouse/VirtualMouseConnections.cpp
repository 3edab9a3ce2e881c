// The emulated mouse's socket and its connections: listening without a moment in which the path
// names a socket that does not answer, reading frames, and closing a connection that sends a
// malformed frame or does not read its replies.
#include "VirtualMouseServer.h"

#include "Linux/UniqueFd.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using VirtualUsb::readLe;

namespace {
struct UnixAddress {
    sockaddr_un address{};
    bool valid = false;
    explicit UnixAddress(const QString& path) {
        const QByteArray encoded = QFile::encodeName(path);
        address.sun_family = AF_UNIX;
        valid = size_t(encoded.size()) < sizeof(address.sun_path);
        if (valid)
            std::memcpy(address.sun_path, encoded.constData(), encoded.size());
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// Whether a server answers on path. A refused connection means a stale socket file.
bool serverAnswers(const QString& path) {
    const UnixAddress address(path);
    const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.isValid() || !address.valid)
        return false;
    return ::connect(fd.get(), address.get(), sizeof address.address) == 0 || errno == EAGAIN ||
           errno == EINPROGRESS;
}

// A listening socket bound under a temporary name and renamed into place, so that the path
// never names a socket that is not yet listening (clients connect as soon as it appears).
UniqueFd listenAt(const QString& path, QString* error) {
    const QString temporary = path + QStringLiteral(".%1.new").arg(::getpid());
    const UnixAddress address(temporary);
    if (!address.valid) {
        *error = QStringLiteral("socket path too long: %1").arg(path);
        return {};
    }
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const QByteArray tempName = QFile::encodeName(temporary);
    ::unlink(tempName.constData());
    const mode_t oldMask = ::umask(0077);
    const bool bound = fd.isValid() && ::bind(fd.get(), address.get(), sizeof address.address) == 0;
    ::umask(oldMask);
    if (!bound || ::chmod(tempName.constData(), 0600) != 0 || ::listen(fd.get(), 64) != 0 ||
        ::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(path, strerror(errno));
        ::unlink(tempName.constData());
        return {};
    }
    return fd;
}
} // namespace

bool VirtualMouseServer::start(QString* error) {
    QString note;
    if (const auto image = flash_->load(VirtualMouseFirmware::kMemorySize, &note)) {
        firmware_.loadFlashImage(*image, nullptr);
    } else if (!note.isEmpty()) {
        Q_EMIT warning(note);
        flash_->scheduleSave(); // the factory image takes the bad file's place
    }

    const QString& path = options_.socketPath;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    if (serverAnswers(path)) {
        *error = QStringLiteral("kx-virtual-mouse is already running on %1").arg(path);
        return false;
    }
    UniqueFd fd = listenAt(path, error);
    if (!fd.isValid())
        return false;
    if (!server_.listen(fd.get())) {
        *error = QStringLiteral("cannot serve on %1: %2").arg(path, server_.errorString());
        return false;
    }
    fd.release(); // the server owns it now
    listening_ = true;
    if (plugged_ && attachment_)
        attachment_->attach();
    Q_EMIT stateLine(QStringLiteral("serving on %1: %2, %3")
                         .arg(path,
                              plugged_ ? QStringLiteral("plugged (generation %1)").arg(generation_)
                                       : QStringLiteral("unplugged"),
                              firmware_.state().describe()));
    return true;
}

void VirtualMouseServer::stop() {
    stopMotion();
    QString error;
    if (!flash_->flush(&error))
        Q_EMIT warning(error);
    for (auto& [socket, client] : clients_) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
        socket->deleteLater();
    }
    clients_.clear();
    if (listening_) {
        // The socket file goes first, so that a client never finds a path without a server.
        QFile::remove(options_.socketPath);
        server_.close();
        listening_ = false;
    }
}

void VirtualMouseServer::onNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        clients_.emplace(socket, Client{});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            // Whatever part of a frame arrived is dropped unapplied.
            readTurns_.forget(quintptr(socket));
            clients_.erase(socket);
            QObject::disconnect(socket, nullptr, this, nullptr);
            socket->deleteLater();
        });
    }
}

void VirtualMouseServer::closeClient(QLocalSocket* socket, const QString& reason) {
    Q_EMIT warning(QStringLiteral("closing a connection: %1").arg(reason));
    readTurns_.forget(quintptr(socket));
    clients_.erase(socket);
    QObject::disconnect(socket, nullptr, this, nullptr);
    socket->abort();
    socket->deleteLater();
}

void VirtualMouseServer::onReadyRead(QLocalSocket* socket) {
    auto it = clients_.find(socket);
    if (it == clients_.end())
        return;
    Client& client = it->second;
    client.received.append(socket->readAll());
    for (;;) {
        bool malformed = false;
        const auto frame = VirtualUsb::takeFrame(client.received, &malformed);
        if (malformed) {
            const auto length = readLe<uint32_t>(client.received, 0).value_or(0);
            closeClient(socket,
                        length > VirtualUsb::kMaxFrameLength
                            ? QStringLiteral("frame of %1 bytes is too long").arg(length)
                            : QStringLiteral("malformed frame (length %1, type 0x%2)")
                                  .arg(length)
                                  .arg(uint8_t(client.received.size() > 4 ? client.received[4] : 0),
                                       2, 16, QChar('0')));
            return;
        }
        if (!frame)
            return;
        if (!handleFrame(socket, client, *frame))
            return;
        // A client that sends requests and never reads the replies would make the server keep
        // them all.
        if (socket->bytesToWrite() > kMaxClientBacklog) {
            closeClient(socket, QStringLiteral("the client does not read its replies (%1 bytes "
                                               "waiting)")
                                    .arg(socket->bytesToWrite()));
            return;
        }
    }
}

// Returns false when the connection was closed.
