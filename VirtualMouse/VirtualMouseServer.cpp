#include "VirtualMouseServer.h"

#include "Linux/UniqueFd.h"

#include "FlashStore.h"
#include "VirtualMouseCommand.h"

#include "Virtual/VirtualUsbProtocol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <unordered_map>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using VirtualUsb::appendLe;
using VirtualUsb::FrameType;
using VirtualUsb::readLe;

namespace {
const char kProductName[] = "Kestrix Gaming Mouse";

// Fixed parts of the request payloads: generation, interface (and for GET length, report id).
constexpr qsizetype kSetHeader = 8 + 1;
constexpr qsizetype kGetPayload = 8 + 1 + 2 + 1;
constexpr qsizetype kResetPayload = 8;

QByteArray resultFrame(int32_t status, uint32_t transferred, const QByteArray& data = {}) {
    QByteArray payload;
    appendLe<int32_t>(payload, status);
    appendLe<uint32_t>(payload, transferred);
    payload.append(data);
    return VirtualUsb::encodeFrame(FrameType::Result, payload);
}

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

struct VirtualMouseServer::Private {
    struct Client {
        QByteArray received;
        bool subscribed = false;
        bool wantsInputReports = false;
    };

    VirtualMouseServer* q = nullptr;
    Options options;
    VirtualMouseFirmware firmware;
    std::unique_ptr<FlashStore> flash;
    QLocalServer server;
    bool listening = false;
    // Sockets are children of the server; these are the live ones.
    std::unordered_map<QLocalSocket*, Client> clients;
    bool plugged = false;
    quint64 generation = 0;
    RequestPacing pacing;
    QElapsedTimer clock;

    // Motion stream: reports due are derived from the elapsed time, so the rate holds even when
    // a timer tick comes late.
    QTimer motionTimer;
    QElapsedTimer motionClock;
    int motionHz = 0;
    qint64 motionSent = 0;
    qint64 motionTotal = 0;

    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);
    void closeClient(QLocalSocket* socket, const QString& reason);
    bool handleFrame(QLocalSocket* socket, Client& client, const VirtualUsb::Frame& frame);
    QByteArray handleSetFeature(const QByteArray& payload);
    QByteArray handleGetFeature(const QByteArray& payload);
    bool current(quint64 generationOfRequest) const {
        return plugged && generationOfRequest == generation;
    }
    void noteRequest(bool isSet, const uint8_t* report, size_t length);
    QByteArray presenceFrame() const;
    void broadcast(const QByteArray& frame, bool isInputReport);
    void sendInputReport(const VirtualMouseFirmware::InputReport& report);
    void startMotion(int hz, int seconds);
    void stopMotion();
    void onMotionTick();
    QString dump() const;
    QString status() const;
};

VirtualMouseServer::VirtualMouseServer(Options options, QObject* parent)
    : QObject(parent), d_(std::make_unique<Private>()) {
    d_->q = this;
    d_->options = std::move(options);
    d_->plugged = d_->options.plugged;
    d_->generation = d_->plugged ? 1 : 0;
    d_->clock.start();
    d_->flash = std::make_unique<FlashStore>(d_->options.flashPath,
                                             [this] { return d_->firmware.flashImage(); });
    d_->firmware.setFlashChangedHandler([this] { d_->flash->scheduleSave(); });
    connect(d_->flash.get(), &FlashStore::saveFailed, this, &VirtualMouseServer::warning);
    connect(&d_->server, &QLocalServer::newConnection, this, [this] { d_->onNewConnection(); });
    d_->motionTimer.setTimerType(Qt::PreciseTimer);
    connect(&d_->motionTimer, &QTimer::timeout, this, [this] { d_->onMotionTick(); });
}

VirtualMouseServer::~VirtualMouseServer() {
    stop();
}

bool VirtualMouseServer::start(QString* error) {
    QString note;
    if (const auto image = d_->flash->load(VirtualMouseFirmware::kMemorySize, &note)) {
        d_->firmware.loadFlashImage(*image, nullptr);
    } else if (!note.isEmpty()) {
        Q_EMIT warning(note);
        d_->flash->scheduleSave(); // the factory image takes the bad file's place
    }

    const QString& path = d_->options.socketPath;
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
    if (!d_->server.listen(fd.get())) {
        *error = QStringLiteral("cannot serve on %1: %2").arg(path, d_->server.errorString());
        return false;
    }
    fd.release(); // the server owns it now
    d_->listening = true;
    Q_EMIT stateLine(QStringLiteral("serving on %1: %2, %3")
                         .arg(path,
                              d_->plugged
                                  ? QStringLiteral("plugged (generation %1)").arg(d_->generation)
                                  : QStringLiteral("unplugged"),
                              d_->firmware.state().describe()));
    return true;
}

void VirtualMouseServer::stop() {
    d_->stopMotion();
    QString error;
    if (!d_->flash->flush(&error))
        Q_EMIT warning(error);
    for (auto& [socket, client] : d_->clients) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
        socket->deleteLater();
    }
    d_->clients.clear();
    if (d_->listening) {
        // The socket file goes first, so that a client never finds a path without a server.
        QFile::remove(d_->options.socketPath);
        d_->server.close();
        d_->listening = false;
    }
}

VirtualMouseFirmware& VirtualMouseServer::firmware() {
    return d_->firmware;
}

bool VirtualMouseServer::isPlugged() const {
    return d_->plugged;
}

quint64 VirtualMouseServer::generation() const {
    return d_->generation;
}

int VirtualMouseServer::subscriberCount() const {
    int count = 0;
    for (const auto& [socket, client] : d_->clients)
        count += client.subscribed;
    return count;
}

const RequestPacing& VirtualMouseServer::pacing() const {
    return d_->pacing;
}

void VirtualMouseServer::plug() {
    if (d_->plugged)
        return;
    d_->firmware.powerOn();
    d_->plugged = true;
    ++d_->generation;
    d_->broadcast(d_->presenceFrame(), false);
    Q_EMIT stateLine(QStringLiteral("plugged (generation %1): %2")
                         .arg(d_->generation)
                         .arg(d_->firmware.state().describe()));
}

void VirtualMouseServer::unplug() {
    if (!d_->plugged)
        return;
    d_->stopMotion();
    d_->plugged = false;
    d_->broadcast(d_->presenceFrame(), false);
    Q_EMIT stateLine(QStringLiteral("unplugged"));
}

void VirtualMouseServer::Private::onNewConnection() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        clients.emplace(socket, Client{});
        connect(socket, &QLocalSocket::readyRead, q, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, q, [this, socket] {
            // Whatever part of a frame arrived is dropped unapplied.
            clients.erase(socket);
            QObject::disconnect(socket, nullptr, q, nullptr);
            socket->deleteLater();
        });
    }
}

void VirtualMouseServer::Private::closeClient(QLocalSocket* socket, const QString& reason) {
    Q_EMIT q->warning(QStringLiteral("closing a connection: %1").arg(reason));
    clients.erase(socket);
    QObject::disconnect(socket, nullptr, q, nullptr);
    socket->abort();
    socket->deleteLater();
}

void VirtualMouseServer::Private::onReadyRead(QLocalSocket* socket) {
    auto it = clients.find(socket);
    if (it == clients.end())
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
bool VirtualMouseServer::Private::handleFrame(QLocalSocket* socket, Client& client,
                                              const VirtualUsb::Frame& frame) {
    const QByteArray& payload = frame.payload;
    switch (frame.type) {
    case FrameType::Subscribe:
        client.subscribed = true;
        client.wantsInputReports =
            payload.isEmpty() || (payload[0] & VirtualUsb::kSubscribeInputReports);
        socket->write(presenceFrame());
        return true;
    case FrameType::SetFeature:
        if (payload.size() < kSetHeader)
            break;
        socket->write(handleSetFeature(payload));
        return true;
    case FrameType::GetFeature:
        if (payload.size() != kGetPayload)
            break;
        socket->write(handleGetFeature(payload));
        return true;
    case FrameType::Reset:
        if (payload.size() != kResetPayload)
            break;
        if (!current(*readLe<uint64_t>(payload, 0))) {
            socket->write(resultFrame(ENODEV, 0));
            return true;
        }
        socket->write(resultFrame(0, 0));
        Q_EMIT q->stateLine(QStringLiteral("host reset"));
        q->unplug();
        q->plug();
        return true;
    case FrameType::Command: {
        int status = 0;
        const QString text = q->runCommand(QString::fromUtf8(payload), &status);
        QByteArray reply;
        appendLe<int32_t>(reply, status);
        reply.append(text.toUtf8());
        socket->write(VirtualUsb::encodeFrame(FrameType::Text, reply));
        return true;
    }
    default:
        break;
    }
    closeClient(socket, QStringLiteral("malformed frame of type 0x%1 with %2 payload bytes")
                            .arg(uint8_t(frame.type), 2, 16, QChar('0'))
                            .arg(payload.size()));
    return false;
}

void VirtualMouseServer::Private::noteRequest(bool isSet, const uint8_t* report, size_t length) {
    pacing.note(clock.nsecsElapsed(), RequestPacing::pauseAfter(isSet, report, length));
}

QByteArray VirtualMouseServer::Private::handleSetFeature(const QByteArray& payload) {
    if (!current(*readLe<uint64_t>(payload, 0)))
        return resultFrame(ENODEV, 0);
    const int interfaceNumber = *readLe<uint8_t>(payload, 8);
    const QByteArray report = payload.mid(kSetHeader);
    if (report.isEmpty())
        return resultFrame(EINVAL, 0);
    const auto* bytes = reinterpret_cast<const uint8_t*>(report.constData());
    noteRequest(true, bytes, report.size());

    const VirtualMouseFirmware::State before = firmware.state();
    size_t transferred = 0;
    const int status =
        firmware.setFeatureReport(interfaceNumber, bytes, report.size(), &transferred);
    // Register writes are worth a line; memory writes are not, so request streams stay cheap.
    if (status == 0 && report.size() >= 4 && bytes[0] == VirtualMouseFirmware::kWriteReportId &&
        bytes[3] >= 1 && bytes[3] <= VirtualMouseFirmware::kMaxTransfer) {
        const uint16_t address = bytes[1] | bytes[2] << 8;
        if (address >= VirtualMouseFirmware::kRegStage &&
            address <= VirtualMouseFirmware::kRegCommit) {
            const QString what =
                address == VirtualMouseFirmware::kRegCommit
                    ? QStringLiteral("host commit")
                    : QStringLiteral("host wrote register 0x%1").arg(address, 0, 16);
            Q_EMIT q->stateLine(
                QStringLiteral("%1: %2%3")
                    .arg(what, firmware.state().describe(),
                         before == firmware.state() ? QStringLiteral(" (unchanged)") : QString()));
        }
    }
    return resultFrame(status, uint32_t(transferred));
}

QByteArray VirtualMouseServer::Private::handleGetFeature(const QByteArray& payload) {
    if (!current(*readLe<uint64_t>(payload, 0)))
        return resultFrame(ENODEV, 0);
    const int interfaceNumber = *readLe<uint8_t>(payload, 8);
    const uint16_t length = *readLe<uint16_t>(payload, 9);
    if (length == 0)
        return resultFrame(EINVAL, 0);
    // The mouse answers with at most one report; a larger buffer only gets that much.
    QByteArray report(qMin<int>(length, VirtualMouseFirmware::kReportLength), '\0');
    report[0] = payload[11];
    auto* bytes = reinterpret_cast<uint8_t*>(report.data());
    noteRequest(false, bytes, report.size());
    size_t transferred = 0;
    const int status =
        firmware.getFeatureReport(interfaceNumber, bytes, report.size(), &transferred);
    if (status != 0)
        return resultFrame(status, 0);
    return resultFrame(0, uint32_t(transferred), report.left(qsizetype(transferred)));
}

QByteArray VirtualMouseServer::Private::presenceFrame() const {
    const VirtualUsb::Presence presence{plugged,
                                        generation,
                                        kVendorId,
                                        kProductId,
                                        {uint8_t(VirtualMouseFirmware::kPointerInterface),
                                         uint8_t(VirtualMouseFirmware::kControlInterface)},
                                        QString::fromLatin1(kProductName)};
    return VirtualUsb::encodeFrame(FrameType::Presence, VirtualUsb::encodePresence(presence));
}

void VirtualMouseServer::Private::broadcast(const QByteArray& frame, bool isInputReport) {
    for (auto& [socket, client] : clients) {
        if (!client.subscribed || (isInputReport && !client.wantsInputReports))
            continue;
        if (isInputReport && socket->bytesToWrite() > kMaxQueuedBytes)
            continue;
        socket->write(frame);
    }
}

void VirtualMouseServer::Private::sendInputReport(const VirtualMouseFirmware::InputReport& report) {
    broadcast(VirtualUsb::encodeFrame(FrameType::InputReport,
                                      VirtualUsb::encodeInputReport(generation,
                                                                    uint8_t(report.interfaceNumber),
                                                                    report.bytes)),
              true);
}

void VirtualMouseServer::Private::startMotion(int hz, int seconds) {
    motionHz = hz;
    motionSent = 0;
    motionTotal = qint64(hz) * seconds;
    motionClock.start();
    motionTimer.start(qMax(1, 1000 / hz));
}

void VirtualMouseServer::Private::stopMotion() {
    motionTimer.stop();
    motionTotal = 0;
}

void VirtualMouseServer::Private::onMotionTick() {
    const qint64 due = qMin(motionTotal, motionClock.nsecsElapsed() * motionHz / 1000000000);
    for (; motionSent < due; ++motionSent) {
        // A small square, one side per quarter second, so the pointer ends where it started.
        const int side = int(motionSent * 4 / motionHz) % 4;
        const int16_t dx = side == 0 ? 1 : side == 2 ? -1 : 0;
        const int16_t dy = side == 1 ? 1 : side == 3 ? -1 : 0;
        QByteArray bytes(8, '\0');
        bytes[0] = char(VirtualMouseFirmware::kPointerReportId);
        bytes[2] = char(dx & 0xFF);
        bytes[3] = char((dx >> 8) & 0xFF);
        bytes[4] = char(dy & 0xFF);
        bytes[5] = char((dy >> 8) & 0xFF);
        sendInputReport({VirtualMouseFirmware::kPointerInterface, bytes});
    }
    if (motionSent >= motionTotal) {
        stopMotion();
        Q_EMIT q->stateLine(QStringLiteral("motion stream ended: %1 reports").arg(motionSent));
    }
}

QString VirtualMouseServer::Private::dump() const {
    using Fw = VirtualMouseFirmware;
    const Fw::State& state = firmware.state();
    QString text = QStringLiteral("%1\nactive profile: %2\nstage: %3 (%4 DPI)\nDPI stages:")
                       .arg(plugged ? QStringLiteral("plugged") : QStringLiteral("unplugged"))
                       .arg(state.profile)
                       .arg(state.stage + 1)
                       .arg(state.dpi * 100);
    const QByteArray stored = firmware.memory(Fw::kStoredDpi, Fw::kStages);
    for (char dpi : stored)
        text += QStringLiteral(" %1").arg(uint8_t(dpi) * 100);
    text += QStringLiteral("\nrate: %1 Hz\nlogo light: %2\nwheel light: %3\nlock: %4\n")
                .arg(state.rateHz())
                .arg(state.logoLight ? "on" : "off", state.wheelLight ? "on" : "off",
                     state.locked ? "locked" : "unlocked");
    text += QStringLiteral("stored block (5..11): %1\n")
                .arg(QString::fromLatin1(firmware.memory(Fw::kStoredProfile, 7).toHex(' ')));
    for (int p = 0; p < Fw::kProfiles; ++p) {
        for (int b = 0; b < Fw::kButtons; ++b) {
            text += QStringLiteral("profile %1 button %2 @%3: %4\n")
                        .arg(p + 1)
                        .arg(b + 1)
                        .arg(Fw::recordAddress(p, b))
                        .arg(QString::fromLatin1(firmware.record(p, b).toHex(' ')));
        }
    }
    return text;
}

QString VirtualMouseServer::Private::status() const {
    int subscribers = 0;
    for (const auto& [socket, client] : clients)
        subscribers += client.subscribed;
    QString text = QStringLiteral("plugged: %1\ngeneration: %2\nsubscribers: %3\nrequests: %4\n"
                                  "requests closer than the pacing: %5\n")
                       .arg(plugged ? "yes" : "no")
                       .arg(generation)
                       .arg(subscribers)
                       .arg(pacing.requests())
                       .arg(pacing.tooClose());
    text += motionTimer.isActive() ? QStringLiteral("motion stream: %1 Hz, %2 of %3 reports sent\n")
                                         .arg(motionHz)
                                         .arg(motionSent)
                                         .arg(motionTotal)
                                   : QStringLiteral("motion stream: off\n");
    return text;
}

QString VirtualMouseServer::runCommand(const QString& line, int* status) {
    using Kind = VirtualMouseCommand::Kind;
    *status = 0;
    QString error;
    const auto command = VirtualMouseCommand::parse(
        line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts), &error);
    if (!command) {
        *status = EINVAL;
        return error;
    }
    const bool needsMouse = command->kind == Kind::Press || command->kind == Kind::PressButton ||
                            command->kind == Kind::StreamMotion;
    if (needsMouse && !d_->plugged) {
        *status = ENODEV;
        return QStringLiteral("the mouse is unplugged");
    }
    switch (command->kind) {
    case Kind::Plug:
        if (d_->plugged)
            return QStringLiteral("already plugged (generation %1)").arg(d_->generation);
        plug();
        return QStringLiteral("plugged (generation %1)").arg(d_->generation);
    case Kind::Unplug:
        if (!d_->plugged)
            return QStringLiteral("already unplugged");
        unplug();
        return QStringLiteral("unplugged");
    case Kind::Press: {
        const auto report = d_->firmware.press(command->key);
        const QString name = VirtualMouseFirmware::keyName(command->key);
        if (!report) {
            const QString text = QStringLiteral("press %1: locked, nothing changed").arg(name);
            Q_EMIT stateLine(text);
            return text;
        }
        d_->sendInputReport(*report);
        const QString text = QStringLiteral("press %1: %2; report %3")
                                 .arg(name, d_->firmware.state().describe(),
                                      QString::fromLatin1(report->bytes.toHex(' ')));
        Q_EMIT stateLine(text);
        return text;
    }
    case Kind::PressButton: {
        const auto result = d_->firmware.pressButton(command->button);
        QStringList reports;
        for (const auto& report : result.reports) {
            d_->sendInputReport(report);
            reports << QStringLiteral("interface %1: %2")
                           .arg(report.interfaceNumber)
                           .arg(QString::fromLatin1(report.bytes.toHex(' ')));
        }
        QString text = QStringLiteral("press button %1 of profile %2: %3")
                           .arg(command->button)
                           .arg(d_->firmware.state().profile)
                           .arg(result.description);
        if (!reports.isEmpty())
            text += QStringLiteral("; reports ") + reports.join(QStringLiteral(", "));
        Q_EMIT stateLine(text);
        return text;
    }
    case Kind::Dump:
        return d_->dump();
    case Kind::Status:
        return d_->status();
    case Kind::StreamMotion:
        d_->startMotion(command->hz, command->seconds);
        return QStringLiteral("streaming motion at %1 Hz for %2 s to %3 subscribers")
            .arg(command->hz)
            .arg(command->seconds)
            .arg(subscriberCount());
    }
    return {};
}
