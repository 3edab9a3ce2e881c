// The emulated mouse's requests and commands: feature reports for the plugged generation,
// resets, command lines, and the frames the server sends (presence, input reports, results).
#include "VirtualMouseServer.h"

#include "VirtualMouseCommand.h"

#include "Virtual/VirtualUsbProtocol.h"

#include <QLocalSocket>

#include <cerrno>

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
} // namespace

VirtualMouseServer::VirtualMouseServer(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    plugged_ = options_.plugged;
    generation_ = plugged_ ? 1 : 0;
    clock_.start();
    flash_ =
        std::make_unique<FlashStore>(options_.flashPath, [this] { return firmware_.flashImage(); });
    firmware_.setFlashChangedHandler([this] { flash_->scheduleSave(); });
    connect(flash_.get(), &FlashStore::saveFailed, this, &VirtualMouseServer::warning);
    connect(&server_, &QLocalServer::newConnection, this, [this] { onNewConnection(); });
    motionTimer_.setTimerType(Qt::PreciseTimer);
    connect(&motionTimer_, &QTimer::timeout, this, [this] { onMotionTick(); });
}

VirtualMouseServer::~VirtualMouseServer() {
    stop();
}

int VirtualMouseServer::subscriberCount() const {
    int count = 0;
    for (const auto& [socket, client] : clients_)
        count += client.subscribed;
    return count;
}

void VirtualMouseServer::plug() {
    if (plugged_)
        return;
    firmware_.powerOn();
    plugged_ = true;
    ++generation_;
    if (attachment_)
        attachment_->attach();
    broadcast(presenceFrame(), std::nullopt);
    Q_EMIT stateLine(QStringLiteral("plugged (generation %1): %2")
                         .arg(generation_)
                         .arg(firmware_.state().describe()));
}

void VirtualMouseServer::unplug() {
    if (!plugged_)
        return;
    stopMotion();
    plugged_ = false;
    if (attachment_)
        attachment_->detach();
    broadcast(presenceFrame(), std::nullopt);
    Q_EMIT stateLine(QStringLiteral("unplugged"));
}

bool VirtualMouseServer::handleFrame(QLocalSocket* socket, Client& client,
                                     const VirtualUsb::Frame& frame) {
    const QByteArray& payload = frame.payload;
    switch (frame.type) {
    case FrameType::Subscribe:
        client.subscribed = true;
        client.wantsInputReports =
            payload.isEmpty() || (payload[0] & VirtualUsb::kSubscribeInputReports);
        client.wantedReportIds = payload.mid(1);
        socket->write(presenceFrame());
        return true;
    case FrameType::SetFeature:
        if (payload.size() < kSetHeader)
            break;
        readTurns_.noteSet(quintptr(socket),
                           payload.size() > kSetHeader &&
                               uint8_t(payload[kSetHeader]) == VirtualMouseFirmware::kReadReportId);
        socket->write(handleSetFeature(payload));
        return true;
    case FrameType::GetFeature:
        if (payload.size() != kGetPayload)
            break;
        if (readTurns_.noteGet(quintptr(socket)))
            Q_EMIT warning(QStringLiteral("a read was answered after another connection's request "
                                          "came between its prepare and its answer"));
        socket->write(handleGetFeature(payload));
        return true;
    case FrameType::Reset:
        if (payload.size() != kResetPayload)
            break;
        readTurns_.noteSet(quintptr(socket), false);
        if (!current(*readLe<uint64_t>(payload, 0))) {
            socket->write(resultFrame(ENODEV, 0));
            return true;
        }
        socket->write(resultFrame(0, 0));
        Q_EMIT stateLine(QStringLiteral("host reset"));
        unplug();
        plug();
        return true;
    case FrameType::Command: {
        int status = 0;
        const QString text = runCommand(QString::fromUtf8(payload), &status);
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

void VirtualMouseServer::noteRequest(bool isSet, const uint8_t* report, size_t length) {
    pacing_.note(clock_.nsecsElapsed(), RequestPacing::pauseAfter(isSet, report, length));
}

std::optional<VirtualMouseServer::Fault> VirtualMouseServer::takeFault(bool isSet) {
    const auto fault = faults_.take(isSet);
    if (fault) {
        const char* request = isSet ? "write" : "read";
        QString what;
        switch (*fault) {
        case Fault::Short:
            what = QStringLiteral("a %1 answered with its header only").arg(request);
            break;
        case Fault::Stall:
            what = QStringLiteral("a %1 stalled").arg(request);
            break;
        case Fault::Silent:
            what = QStringLiteral("a %1 left unanswered").arg(request);
            break;
        case Fault::Unplug:
            what = QStringLiteral("unplugging instead of answering a %1").arg(request);
            break;
        }
        Q_EMIT stateLine(QStringLiteral("fault: ") + what);
    }
    return fault;
}

QByteArray VirtualMouseServer::faultReply(Fault fault) {
    switch (fault) {
    case Fault::Stall:
        return resultFrame(EPIPE, 0);
    case Fault::Silent:
        return {}; // the client's own timeout ends its wait
    case Fault::Unplug:
        unplug();
        return resultFrame(ENODEV, 0);
    case Fault::Short:
        break;
    }
    return resultFrame(EPROTO, 0); // not reached: a short answer is the read's own business
}

QByteArray VirtualMouseServer::handleSetFeature(const QByteArray& payload) {
    if (!current(*readLe<uint64_t>(payload, 0)))
        return resultFrame(ENODEV, 0);
    const int interfaceNumber = *readLe<uint8_t>(payload, 8);
    const QByteArray report = payload.mid(kSetHeader);
    if (report.isEmpty())
        return resultFrame(EINVAL, 0);
    const auto* bytes = reinterpret_cast<const uint8_t*>(report.constData());
    if (const auto fault = takeFault(true); fault && *fault != Fault::Short) {
        noteRequest(true, bytes, size_t(report.size()));
        return faultReply(*fault); // nothing of the report reaches the firmware
    }
    size_t transferred = 0;
    const int status = hostSetFeature(interfaceNumber, bytes, size_t(report.size()), &transferred);
    return resultFrame(status, uint32_t(transferred));
}

int VirtualMouseServer::hostSetFeature(int interfaceNumber, const uint8_t* bytes, size_t length,
                                       size_t* transferred) {
    noteRequest(true, bytes, length);
    const VirtualMouseFirmware::State before = firmware_.state();
    const int status = firmware_.setFeatureReport(interfaceNumber, bytes, length, transferred);
    // Register writes are worth a line; memory writes are not, so request streams stay cheap.
    if (status == 0 && length >= 4 && bytes[0] == VirtualMouseFirmware::kWriteReportId &&
        bytes[3] >= 1 && bytes[3] <= VirtualMouseFirmware::kMaxTransfer) {
        const uint16_t address = bytes[1] | bytes[2] << 8;
        if (address >= VirtualMouseFirmware::kRegStage &&
            address <= VirtualMouseFirmware::kRegCommit) {
            const QString what =
                address == VirtualMouseFirmware::kRegCommit
                    ? QStringLiteral("host commit")
                    : QStringLiteral("host wrote register 0x%1").arg(address, 0, 16);
            Q_EMIT stateLine(
                QStringLiteral("%1: %2%3")
                    .arg(what, firmware_.state().describe(),
                         before == firmware_.state() ? QStringLiteral(" (unchanged)") : QString()));
        }
    }
    return status;
}

QByteArray VirtualMouseServer::handleGetFeature(const QByteArray& payload) {
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
    const auto fault = takeFault(false);
    if (fault && *fault != Fault::Short)
        return faultReply(*fault);
    size_t transferred = 0;
    const int status =
        firmware_.getFeatureReport(interfaceNumber, bytes, report.size(), &transferred);
    if (status != 0)
        return resultFrame(status, 0);
    if (fault == Fault::Short)
        transferred = qMin<size_t>(transferred, kShortReplyLength);
    return resultFrame(0, uint32_t(transferred), report.left(qsizetype(transferred)));
}

QByteArray VirtualMouseServer::presenceFrame() const {
    const VirtualUsb::Presence presence{plugged_ && attachment_ == nullptr,
                                        generation_,
                                        kVendorId,
                                        kProductId,
                                        {uint8_t(VirtualMouseFirmware::kPointerInterface),
                                         uint8_t(VirtualMouseFirmware::kControlInterface)},
                                        QString::fromLatin1(kProductName)};
    return VirtualUsb::encodeFrame(FrameType::Presence, VirtualUsb::encodePresence(presence));
}

void VirtualMouseServer::broadcast(const QByteArray& frame, std::optional<uint8_t> inputReportId) {
    const bool isInputReport = inputReportId.has_value();
    for (auto& [socket, client] : clients_) {
        if (!client.subscribed || (isInputReport && !client.wantsInputReports))
            continue;
        if (isInputReport && !client.wantedReportIds.isEmpty() &&
            !client.wantedReportIds.contains(char(*inputReportId)))
            continue;
        if (isInputReport && socket->bytesToWrite() > kMaxQueuedBytes)
            continue;
        socket->write(frame);
    }
}

void VirtualMouseServer::sendInputReport(const VirtualMouseFirmware::InputReport& report) {
    if (attachment_) {
        attachment_->sendInputReport(report);
        return;
    }
    broadcast(VirtualUsb::encodeFrame(FrameType::InputReport,
                                      VirtualUsb::encodeInputReport(generation_,
                                                                    uint8_t(report.interfaceNumber),
                                                                    report.bytes)),
              report.bytes.isEmpty() ? uint8_t(0) : uint8_t(report.bytes[0]));
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
    if (needsMouse && !plugged_) {
        *status = ENODEV;
        return QStringLiteral("the mouse is unplugged");
    }
    switch (command->kind) {
    case Kind::Plug:
        if (plugged_)
            return QStringLiteral("already plugged (generation %1)").arg(generation_);
        plug();
        return QStringLiteral("plugged (generation %1)").arg(generation_);
    case Kind::Unplug:
        if (!plugged_)
            return QStringLiteral("already unplugged");
        unplug();
        return QStringLiteral("unplugged");
    case Kind::Press: {
        const auto report = firmware_.press(command->key);
        const QString name = VirtualMouseFirmware::keyName(command->key);
        if (!report) {
            const QString text = QStringLiteral("press %1: locked, nothing changed").arg(name);
            Q_EMIT stateLine(text);
            return text;
        }
        sendInputReport(*report);
        const QString text = QStringLiteral("press %1: %2; report %3")
                                 .arg(name, firmware_.state().describe(),
                                      QString::fromLatin1(report->bytes.toHex(' ')));
        Q_EMIT stateLine(text);
        return text;
    }
    case Kind::PressButton: {
        const auto result = firmware_.pressButton(command->button);
        QStringList reports;
        for (const auto& report : result.reports) {
            sendInputReport(report);
            reports << QStringLiteral("interface %1: %2")
                           .arg(report.interfaceNumber)
                           .arg(QString::fromLatin1(report.bytes.toHex(' ')));
        }
        QString text = QStringLiteral("press button %1 of profile %2: %3")
                           .arg(command->button)
                           .arg(firmware_.state().profile)
                           .arg(result.description);
        if (!reports.isEmpty())
            text += QStringLiteral("; reports ") + reports.join(QStringLiteral(", "));
        Q_EMIT stateLine(text);
        return text;
    }
    case Kind::Fault: {
        const QString replaced = faults_.armed()
                                     ? QStringLiteral(" (in place of %1)").arg(faults_.describe())
                                     : QString();
        QString text;
        if (!command->fault) {
            text = faults_.armed() ? QStringLiteral("fault off") + replaced
                                   : QStringLiteral("fault off (none was armed)");
            faults_.clear();
        } else {
            faults_.arm(*command->fault); // the parser let only valid ones through
            text = QStringLiteral("fault armed: %1%2").arg(faults_.describe(), replaced);
        }
        Q_EMIT stateLine(text);
        return text;
    }
    case Kind::Dump:
        return dumpText();
    case Kind::Status:
        return statusText();
    case Kind::StreamMotion:
        startMotion(command->hz, command->seconds);
        return QStringLiteral("streaming motion at %1 Hz for %2 s to %3 subscribers")
            .arg(command->hz)
            .arg(command->seconds)
            .arg(subscriberCount());
    }
    return {};
}
