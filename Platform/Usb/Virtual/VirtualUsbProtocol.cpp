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
