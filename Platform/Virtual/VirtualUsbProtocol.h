#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

// Wire format between an emulated USB device server (kx-virtual-mouse) and its clients over a
// Unix stream socket.
//
// Every frame is a 4-byte little-endian length N (1 <= N <= kMaxFrameLength) followed by N
// bytes: one type byte, then the payload. Integers are little-endian. A peer that receives a
// frame with a bad length or an unknown type closes the connection.
//
// Client to server                         Server's reply
//   Subscribe      [u8 flags,              Presence now and on every change; InputReport
//                  u8 report id...]        unless flags lacks kSubscribeInputReports, and
//                                          with report ids only the reports of those ids
//   SetFeature     u64 generation,         Result: i32 status (0 or errno), u32 transferred
//                  u8 interface, data...
//   GetFeature     u64 generation,         Result: i32 status, u32 transferred, data...
//                  u8 interface, u16 length,
//                  u8 report id
//   Reset          u64 generation          Result: i32 status, u32 0
//   Command        UTF-8 command line      Text: i32 status (0 = done), UTF-8 text
//
// Server to client, unasked (subscribers only)
//   Presence       u8 plugged, u64 generation, u16 vendor id, u16 product id,
//                  u8 count, count x u8 HID interface number, UTF-8 name
//   InputReport    u64 generation, u8 interface, report bytes (report id in byte 0)
//
// The generation changes on every plug; a request naming another generation than the plugged
// device's fails with ENODEV, as a request to an unplugged USB device does.
namespace VirtualUsb {

// Where the emulated mouse says it is plugged in (UsbDevice::getLocationId), far from real
// buses.
inline constexpr uint32_t kLocationId = 0xFE100000;
inline constexpr uint32_t kMaxFrameLength = 16384; // a dump of every button record fits
inline constexpr int kLengthPrefix = 4;
// Subscribe flags. Without a flags byte a subscriber gets input reports too; a client that only
// follows plugging leaves the bit out and is not woken by every motion of the mouse.
inline constexpr uint8_t kSubscribeInputReports = 0x01;

enum class FrameType : uint8_t {
    Subscribe = 0x01,
    SetFeature = 0x02,
    GetFeature = 0x03,
    Reset = 0x04,
    Command = 0x05,
    Presence = 0x81,
    Result = 0x82,
    InputReport = 0x83,
    Text = 0x84,
};

struct Frame {
    FrameType type;
    QByteArray payload;
};

// What a Presence frame says. The HID interfaces are those whose input reports the device sends.
struct Presence {
    bool plugged = false;
    quint64 generation = 0;
    quint16 vendorId = 0;
    quint16 productId = 0;
    std::vector<uint8_t> interfaces;
    QString name;
};

// One InputReport frame; report points into the payload it was read from.
struct InputReport {
    quint64 generation = 0;
    int interfaceNumber = 0;
    const uint8_t* report = nullptr;
    size_t length = 0;
};

// One complete frame in place: payload points into the bytes it was found in.
struct FrameView {
    FrameType type;
    const char* payload;
    size_t payloadSize;
    size_t frameSize; // length prefix included
};

// The whole frame, length prefix included.
QByteArray encodeFrame(FrameType type, const QByteArray& payload);

// Payloads of the server's unasked frames and their readers; a reader gives nullopt for a
// payload too short for its fields (or, for an input report, without report bytes).
QByteArray encodePresence(const Presence& presence);
std::optional<Presence> decodePresence(const QByteArray& payload);
QByteArray encodeInputReport(quint64 generation, uint8_t interfaceNumber, const QByteArray& report);
std::optional<InputReport> decodeInputReport(const QByteArray& payload);
std::optional<InputReport> decodeInputReport(const char* payload, size_t size);

// Takes one complete frame off the front of buffer. Returns nullopt while the frame is still
// incomplete; sets *malformed (and returns nullopt) for a bad length or unknown type.
std::optional<Frame> takeFrame(QByteArray& buffer, bool* malformed);
// The same without copying or consuming: the frame at the front of data[0, size).
std::optional<FrameView> peekFrame(const char* data, size_t size, bool* malformed);

// The server's socket: $XDG_RUNTIME_DIR/kx-virtual-mouse.sock, or a per-user path under the
// temporary folder when XDG_RUNTIME_DIR is unset.
QString socketPath();

// Appends an integer in little-endian byte order.
template <typename T>
void appendLe(QByteArray& out, T value) {
    static_assert(std::is_integral_v<T>);
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t i = 0; i < sizeof(T); ++i)
        out.append(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// Reads a little-endian integer at offset; nullopt when the bytes are not all there.
template <typename T>
std::optional<T> readLe(const QByteArray& in, qsizetype offset) {
    static_assert(std::is_integral_v<T>);
    if (offset < 0 || offset + qsizetype(sizeof(T)) > in.size())
        return std::nullopt;
    std::make_unsigned_t<T> bits = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        bits |= std::make_unsigned_t<T>(static_cast<uint8_t>(in[offset + i])) << (8 * i);
    return static_cast<T>(bits);
}

} // namespace VirtualUsb
