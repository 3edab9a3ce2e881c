#pragma once

#include "Usb/UsbDevice.h"

#include <QString>

// The emulated mouse as one plugged-in generation. Every request is a synchronous round trip to
// kx-virtual-mouse over a blocking connection of the calling thread, so requests may come from
// any thread. Once the server has unplugged this generation (or is gone) every request fails
// with ENODEV; an unanswered request fails after kReplyTimeoutMs with ETIMEDOUT.
class VirtualUsbDevice : public UsbDevice {
public:
    static constexpr int kReplyTimeoutMs = 2000;

    VirtualUsbDevice(QString socketPath, quint64 generation);
    ~VirtualUsbDevice() override;

    quint64 generation() const { return generation_; }

    int open() override;
    int reset() override; // the server power-cycles the mouse: unplug, then plug anew
    int reEnumerate() override;
    // The emulated mouse sits on port 1 of a bus numbered 0xFE, above any real bus number.
    int getLocationId(uint32_t* locationId) const override;

protected:
    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred) override;
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                         size_t* transferred) override;

private:
    // Sends one request frame and waits for its Result; fills status and the rest of the reply.
    int roundTrip(const QByteArray& frame, QByteArray* replyData, uint32_t* transferred);

    const QByteArray socketPath_;
    const quint64 generation_;
};
