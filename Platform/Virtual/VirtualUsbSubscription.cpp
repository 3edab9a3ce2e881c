#include "Virtual/VirtualUsbSubscription.h"

#include "Hid/CoalescingReadNotifier.h"
#include "Linux/UniqueFd.h"
#include "Virtual/VirtualUsbDevice.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLoggingCategory>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

Q_LOGGING_CATEGORY(lcVirtualSubscription, "kx.usb.virtual")

namespace {
// A server refuses connections between creating its socket file (which wakes the folder watch)
// and listening on it, and while its backlog is full: such a refusal is retried a few times.
constexpr int kConnectRetries = 3;
constexpr int kConnectRetryMs = 100;
// Room for two frames of the largest size: every read has space for at least one whole frame.
constexpr size_t kReceiveBufferSize = 2 * (VirtualUsb::kLengthPrefix + VirtualUsb::kMaxFrameLength);
} // namespace

struct VirtualUsbSubscription::Private {
    VirtualUsbSubscription* q = nullptr;
    Reports reports = Reports::Wanted;
    std::vector<uint8_t> wantedReportIds;
    QString socketPath;
    QString socketDir;
    QFileSystemWatcher watcher;
    QTimer retryTimer;
    int retriesLeft = 0;

    UniqueFd fd;
    std::unique_ptr<CoalescingReadNotifier> reader; // after fd: goes first
    quint64 connection = 0;     // counts connections, so a drain notices its own being dropped
    bool presenceKnown = false; // a Presence frame came on this connection
    // Bytes read but not yet taken as frames, at the front; allocated once.
    std::vector<char> received;
    size_t filled = 0;

    void watchSocketFolder();
    void connectIfPresent();
    int connectNow();
    void waitForPresence();
    void dropConnection();
    size_t drain();
    bool takeFrames(quint64 current, size_t* frames);
    void handleFrame(const VirtualUsb::FrameView& frame);
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
    if (fd.isValid() || !QFileInfo::exists(socketPath))
        return;
    const int error = connectNow();
    if (error == 0) {
        retryTimer.stop();
        return;
    }
    if ((error == ECONNREFUSED || error == EAGAIN) && retriesLeft > 0) {
        --retriesLeft;
        retryTimer.start();
    } else if (error != ECONNREFUSED && error != EAGAIN && error != ENOENT) {
        qCWarning(lcVirtualSubscription, "cannot connect to %s: %s", qPrintable(socketPath),
                  strerror(error));
    }
}

// Connects and subscribes. A Unix socket connects at once or not at all, so this never waits.
int VirtualUsbSubscription::Private::connectNow() {
    const QByteArray path = socketPath.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return ENAMETOOLONG;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.isValid())
        return errno;
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return errno;
    // A few bytes into an empty socket buffer: sent whole or the connection is broken.
    const char flags =
        reports == Reports::Wanted ? char(VirtualUsb::kSubscribeInputReports) : char(0);
    QByteArray payload(1, flags);
    if (reports == Reports::Wanted)
        for (const uint8_t id : wantedReportIds)
            payload.append(char(id));
    const QByteArray subscribe = VirtualUsb::encodeFrame(VirtualUsb::FrameType::Subscribe, payload);
    const ssize_t sent =
        ::send(socket.get(), subscribe.constData(), size_t(subscribe.size()), MSG_NOSIGNAL);
    if (sent != subscribe.size())
        return sent < 0 ? errno : EPIPE;

    fd = std::move(socket);
    ++connection;
    presenceKnown = false;
    filled = 0;
    if (received.empty())
        received.resize(kReceiveBufferSize);
    reader = std::make_unique<CoalescingReadNotifier>(fd.get(), [this] { return drain(); });
    return 0;
}

// Reads what the server sends until its first presence has come, it hangs up, or
// kReplyTimeoutMs pass; a server slow to answer keeps its connection and is heard later.
void VirtualUsbSubscription::Private::waitForPresence() {
    const QDeadlineTimer deadline(VirtualUsbDevice::kReplyTimeoutMs);
    const quint64 current = connection;
    while (fd.isValid() && connection == current && !presenceKnown) {
        pollfd waiting{fd.get(), POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return;
        drain();
    }
}

void VirtualUsbSubscription::Private::dropConnection() {
    if (!fd.isValid())
        return;
    // This may run inside the reader's own drain: it goes once that has returned, or with q.
    reader->stop();
    reader->setParent(q);
    reader.release()->deleteLater();
    fd.reset();
    filled = 0;
    presenceKnown = false;
    Q_EMIT q->connectionLost();
}

// Reads until the socket has nothing more, handing on every whole frame. Returns the number of
// frames taken.
size_t VirtualUsbSubscription::Private::drain() {
    const quint64 current = connection;
    size_t frames = 0;
    while (fd.isValid() && connection == current) {
        const size_t room = received.size() - filled;
        const ssize_t n = ::read(fd.get(), received.data() + filled, room);
        if (n > 0) {
            filled += size_t(n);
            if (!takeFrames(current, &frames))
                break;
            // A stream socket fills the read as far as it has bytes: a short read took them all,
            // and what comes later wakes the reader again.
            if (size_t(n) < room)
                break;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (n < 0)
            qCWarning(lcVirtualSubscription, "reading from %s failed: %s", qPrintable(socketPath),
                      strerror(errno));
        dropConnection(); // the server went away
        break;
    }
    return frames;
}

// Hands on the whole frames at the front of the buffer and keeps the incomplete rest. False when
// the connection was dropped meanwhile.
bool VirtualUsbSubscription::Private::takeFrames(quint64 current, size_t* frames) {
    size_t offset = 0;
    for (;;) {
        bool malformed = false;
        const auto frame =
            VirtualUsb::peekFrame(received.data() + offset, filled - offset, &malformed);
        if (malformed) {
            qCWarning(lcVirtualSubscription, "malformed frame from %s; disconnecting",
                      qPrintable(socketPath));
            dropConnection();
            return false;
        }
        if (!frame)
            break;
        ++*frames;
        handleFrame(*frame);
        if (!fd.isValid() || connection != current)
            return false;
        offset += frame->frameSize;
    }
    if (offset > 0) {
        std::memmove(received.data(), received.data() + offset, filled - offset);
        filled -= offset;
    }
    return true;
}

void VirtualUsbSubscription::Private::handleFrame(const VirtualUsb::FrameView& frame) {
    if (frame.type == VirtualUsb::FrameType::Presence) {
        const auto presence = VirtualUsb::decodePresence(
            QByteArray::fromRawData(frame.payload, qsizetype(frame.payloadSize)));
        if (!presence) {
            qCWarning(lcVirtualSubscription, "short presence frame ignored");
            return;
        }
        presenceKnown = true;
        Q_EMIT q->presenceReceived(*presence);
    } else if (frame.type == VirtualUsb::FrameType::InputReport) {
        if (const auto report = VirtualUsb::decodeInputReport(frame.payload, frame.payloadSize))
            Q_EMIT q->inputReportReceived(*report);
    }
}

VirtualUsbSubscription::VirtualUsbSubscription(Reports reports, QObject* parent)
    : QObject(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
    d_->reports = reports;
    d_->retryTimer.setSingleShot(true);
    d_->retryTimer.setInterval(kConnectRetryMs);
    connect(&d_->retryTimer, &QTimer::timeout, this, [this] { d_->connectIfPresent(); });
}

VirtualUsbSubscription::~VirtualUsbSubscription() = default;

const QString& VirtualUsbSubscription::socketPath() const {
    return d_->socketPath;
}

void VirtualUsbSubscription::setWantedReportIds(const std::vector<uint8_t>& reportIds) {
    d_->wantedReportIds = reportIds;
}

void VirtualUsbSubscription::start() {
    d_->socketPath = VirtualUsb::socketPath();
    d_->socketDir = QFileInfo(d_->socketPath).absolutePath();
    connect(&d_->watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        d_->watchSocketFolder();
        d_->retriesLeft = kConnectRetries;
        d_->connectIfPresent();
    });
    d_->watchSocketFolder();
    d_->retriesLeft = kConnectRetries;
    d_->connectIfPresent();
    // The mouse of a server already running is announced before start() returns.
    if (d_->fd.isValid())
        d_->waitForPresence();
}
