#include "Virtual/VirtualUsbDevice.h"

#include "Linux/UniqueFd.h"

#include "Virtual/VirtualUsbProtocol.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_map>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// One blocking connection to the server per thread and socket path, kept between requests. The
// threads that make requests have no event loop of their own, so plain blocking sockets with a
// receive timeout are used rather than QLocalSocket.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    void close() { fd_.reset(); }

    // A kept connection is usable when nothing is waiting on it: end of stream means the server
    // went away, stray bytes are a late reply to a request that timed out.
    bool idleAndAlive() const {
        if (!fd_.isValid())
            return false;
        char byte;
        const ssize_t n = ::recv(fd_.get(), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }

    int connectTo(const QByteArray& path) {
        close();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(path.size()) >= sizeof(address.sun_path))
            return ENAMETOOLONG;
        std::memcpy(address.sun_path, path.constData(), path.size());
        fd_.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (!fd_.isValid())
            return errno;
        timeval timeout{VirtualUsbDevice::kReplyTimeoutMs / 1000,
                        (VirtualUsbDevice::kReplyTimeoutMs % 1000) * 1000};
        ::setsockopt(fd_.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        ::setsockopt(fd_.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
        if (::connect(fd_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            close();
            return ENODEV; // no server: no device
        }
        return 0;
    }

    int sendAll(const QByteArray& data) {
        qsizetype sent = 0;
        while (sent < data.size()) {
            const ssize_t n =
                ::send(fd_.get(), data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? ETIMEDOUT : ENODEV;
            sent += n;
        }
        return 0;
    }

    int receiveExactly(char* out, size_t count) {
        size_t got = 0;
        while (got < count) {
            const ssize_t n = ::recv(fd_.get(), out + got, count - got, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK ? ETIMEDOUT : ENODEV;
            if (n == 0)
                return ENODEV; // the server closed the connection
            got += n;
        }
        return 0;
    }

private:
    UniqueFd fd_;
};

Connection& connectionFor(const QByteArray& path) {
    thread_local std::unordered_map<std::string, Connection> connections;
    return connections[path.toStdString()];
}

} // namespace

VirtualUsbDevice::VirtualUsbDevice(QString socketPath, quint64 generation)
    : socketPath_(socketPath.toLocal8Bit()), generation_(generation) {}

VirtualUsbDevice::~VirtualUsbDevice() = default;

int VirtualUsbDevice::open() {
    return 0;
}

int VirtualUsbDevice::reEnumerate() {
    return 0;
}

int VirtualUsbDevice::getLocationId(uint32_t* locationId) const {
    *locationId = VirtualUsb::kLocationId;
    return 0;
}

int VirtualUsbDevice::reset() {
    QByteArray payload;
    VirtualUsb::appendLe<uint64_t>(payload, generation_);
    return roundTrip(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Reset, payload), nullptr,
                     nullptr);
}

int VirtualUsbDevice::setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                       size_t* transferred) {
    // Generation, interface and the report must fit in one frame.
    if (length > VirtualUsb::kMaxFrameLength - 16 || interfaceNumber < 0 || interfaceNumber > 255)
        return EINVAL;
    QByteArray payload;
    VirtualUsb::appendLe<uint64_t>(payload, generation_);
    VirtualUsb::appendLe<uint8_t>(payload, static_cast<uint8_t>(interfaceNumber));
    payload.append(reinterpret_cast<const char*>(report), qsizetype(length));
    uint32_t done = 0;
    const int result = roundTrip(
        VirtualUsb::encodeFrame(VirtualUsb::FrameType::SetFeature, payload), nullptr, &done);
    if (result == 0 && transferred)
        *transferred = done;
    return result;
}

int VirtualUsbDevice::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                       size_t* transferred) {
    if (length > 0xFFFF || interfaceNumber < 0 || interfaceNumber > 255)
        return EINVAL;
    QByteArray payload;
    VirtualUsb::appendLe<uint64_t>(payload, generation_);
    VirtualUsb::appendLe<uint8_t>(payload, static_cast<uint8_t>(interfaceNumber));
    VirtualUsb::appendLe<uint16_t>(payload, static_cast<uint16_t>(length));
    VirtualUsb::appendLe<uint8_t>(payload, report[0]);
    QByteArray data;
    uint32_t done = 0;
    const int result = roundTrip(
        VirtualUsb::encodeFrame(VirtualUsb::FrameType::GetFeature, payload), &data, &done);
    if (result != 0)
        return result;
    if (done > length || done > size_t(data.size()))
        return EPROTO;
    std::memcpy(report, data.constData(), done);
    if (transferred)
        *transferred = done;
    return 0;
}

int VirtualUsbDevice::roundTrip(const QByteArray& frame, QByteArray* replyData,
                                uint32_t* transferred) {
    Connection& connection = connectionFor(socketPath_);
    if (!connection.idleAndAlive()) {
        if (const int error = connection.connectTo(socketPath_))
            return error;
    }
    int error = connection.sendAll(frame);
    char prefix[VirtualUsb::kLengthPrefix];
    if (error == 0)
        error = connection.receiveExactly(prefix, sizeof prefix);
    QByteArray body;
    if (error == 0) {
        const uint32_t length =
            *VirtualUsb::readLe<uint32_t>(QByteArray::fromRawData(prefix, 4), 0);
        if (length < 1 + 8 || length > VirtualUsb::kMaxFrameLength) {
            error = EPROTO;
        } else {
            body.resize(length);
            error = connection.receiveExactly(body.data(), length);
        }
    }
    if (error == 0 && static_cast<uint8_t>(body[0]) != uint8_t(VirtualUsb::FrameType::Result))
        error = EPROTO;
    if (error != 0) {
        // Whatever arrives later on this connection would be out of step: start afresh.
        connection.close();
        return error;
    }
    const int32_t status = *VirtualUsb::readLe<int32_t>(body, 1);
    if (transferred)
        *transferred = *VirtualUsb::readLe<uint32_t>(body, 5);
    if (replyData)
        *replyData = body.mid(9);
    return status;
}
