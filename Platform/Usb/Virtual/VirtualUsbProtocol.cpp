#include "Usb/Virtual/VirtualUsbProtocol.h"

#include <QDir>

#include <unistd.h>

namespace VirtualUsb {

namespace {
bool knownType(uint8_t type) {
    switch (static_cast<FrameType>(type)) {
    case FrameType::Subscribe:
    case FrameType::SetFeature:
    case FrameType::GetFeature:
    case FrameType::Reset:
    case FrameType::Command:
    case FrameType::Presence:
    case FrameType::Result:
    case FrameType::InputReport:
    case FrameType::Text:
        return true;
    }
    return false;
}
} // namespace

QByteArray encodeFrame(FrameType type, const QByteArray& payload) {
    QByteArray frame;
    frame.reserve(kLengthPrefix + 1 + payload.size());
    appendLe<uint32_t>(frame, static_cast<uint32_t>(payload.size() + 1));
    frame.append(static_cast<char>(type));
    frame.append(payload);
    return frame;
}

QByteArray encodePresence(const Presence& presence) {
    QByteArray payload;
    appendLe<uint8_t>(payload, presence.plugged ? 1 : 0);
    appendLe<uint64_t>(payload, presence.generation);
    appendLe<uint16_t>(payload, presence.vendorId);
    appendLe<uint16_t>(payload, presence.productId);
    appendLe<uint8_t>(payload, static_cast<uint8_t>(presence.interfaces.size()));
    for (const uint8_t number : presence.interfaces)
        appendLe<uint8_t>(payload, number);
    payload.append(presence.name.toUtf8());
    return payload;
}

std::optional<Presence> decodePresence(const QByteArray& payload) {
    const auto plugged = readLe<uint8_t>(payload, 0);
    const auto generation = readLe<uint64_t>(payload, 1);
    const auto vendorId = readLe<uint16_t>(payload, 9);
    const auto productId = readLe<uint16_t>(payload, 11);
    const auto count = readLe<uint8_t>(payload, 13);
    constexpr qsizetype kInterfacesAt = 14;
    if (!plugged || !generation || !vendorId || !productId || !count ||
        payload.size() < kInterfacesAt + *count)
        return std::nullopt;
    Presence presence{*plugged != 0, *generation, *vendorId, *productId, {}, {}};
    for (qsizetype i = 0; i < *count; ++i)
        presence.interfaces.push_back(static_cast<uint8_t>(payload[kInterfacesAt + i]));
    presence.name = QString::fromUtf8(payload.mid(kInterfacesAt + *count));
    return presence;
}

QByteArray encodeInputReport(quint64 generation, uint8_t interfaceNumber,
                             const QByteArray& report) {
    QByteArray payload;
    payload.reserve(9 + report.size());
    appendLe<uint64_t>(payload, generation);
    appendLe<uint8_t>(payload, interfaceNumber);
    payload.append(report);
    return payload;
}

std::optional<InputReport> decodeInputReport(const QByteArray& payload) {
    constexpr qsizetype kReportAt = 9;
    if (payload.size() <= kReportAt)
        return std::nullopt;
    return InputReport{*readLe<uint64_t>(payload, 0), static_cast<uint8_t>(payload[8]),
                       reinterpret_cast<const uint8_t*>(payload.constData()) + kReportAt,
                       static_cast<size_t>(payload.size() - kReportAt)};
}

std::optional<Frame> takeFrame(QByteArray& buffer, bool* malformed) {
    if (malformed)
        *malformed = false;
    const auto length = readLe<uint32_t>(buffer, 0);
    if (!length)
        return std::nullopt;
    // The length and the type are judged as soon as they arrive, so an oversized frame is
    // refused before its body is buffered.
    if (*length == 0 || *length > kMaxFrameLength ||
        (buffer.size() > kLengthPrefix &&
         !knownType(static_cast<uint8_t>(buffer[kLengthPrefix])))) {
        if (malformed)
            *malformed = true;
        return std::nullopt;
    }
    if (buffer.size() < kLengthPrefix + qsizetype(*length))
        return std::nullopt;
    Frame frame{static_cast<FrameType>(static_cast<uint8_t>(buffer[kLengthPrefix])),
                buffer.mid(kLengthPrefix + 1, *length - 1)};
    buffer.remove(0, kLengthPrefix + *length);
    return frame;
}

QString socketPath() {
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        return QDir(runtimeDir).filePath(QStringLiteral("kx-virtual-mouse.sock"));
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("kx-virtual-mouse-%1/kx-virtual-mouse.sock").arg(getuid()));
}

} // namespace VirtualUsb
