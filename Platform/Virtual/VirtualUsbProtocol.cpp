#include "Virtual/VirtualUsbProtocol.h"

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
    return decodeInputReport(payload.constData(), size_t(payload.size()));
}

std::optional<InputReport> decodeInputReport(const char* payload, size_t size) {
    constexpr size_t kReportAt = 9;
    if (size <= kReportAt)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uint8_t*>(payload);
    uint64_t generation = 0;
    for (size_t i = 0; i < 8; ++i)
        generation |= uint64_t(bytes[i]) << (8 * i);
    return InputReport{generation, bytes[8], bytes + kReportAt, size - kReportAt};
}

std::optional<FrameView> peekFrame(const char* data, size_t size, bool* malformed) {
    if (malformed)
        *malformed = false;
    if (size < size_t(kLengthPrefix))
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data);
    const uint32_t length = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                            uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
    // The length and the type are judged as soon as they arrive, so an oversized frame is
    // refused before its body is buffered.
    if (length == 0 || length > kMaxFrameLength ||
        (size > size_t(kLengthPrefix) && !knownType(bytes[kLengthPrefix]))) {
        if (malformed)
            *malformed = true;
        return std::nullopt;
    }
    if (size < kLengthPrefix + size_t(length))
        return std::nullopt;
    return FrameView{static_cast<FrameType>(bytes[kLengthPrefix]), data + kLengthPrefix + 1,
                     size_t(length) - 1, kLengthPrefix + size_t(length)};
}

std::optional<Frame> takeFrame(QByteArray& buffer, bool* malformed) {
    const auto view = peekFrame(buffer.constData(), size_t(buffer.size()), malformed);
    if (!view)
        return std::nullopt;
    Frame frame{view->type, QByteArray(view->payload, qsizetype(view->payloadSize))};
    buffer.remove(0, qsizetype(view->frameSize));
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
