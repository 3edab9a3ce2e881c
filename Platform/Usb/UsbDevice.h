#pragma once

#include "UsbControlRequest.h"

#include <cstddef>
#include <cstdint>

// A handle on one attached USB device, as a backend of the bus provides it. Handles are shared
// (std::shared_ptr) so that a request running on a worker thread keeps its device object alive
// while the device list changes on the listening thread; once the device is gone, every request
// fails with ENODEV. All results are 0 on success or an errno value.
class UsbDevice {
public:
    virtual ~UsbDevice();

    // Carries out a control request. HID class feature requests (SET_REPORT / GET_REPORT with
    // report type Feature) are sent to the HID interface numbered wIndex; the buffer holds the
    // report with its id in byte 0, as the report id in wValue says. Everything else is refused
    // with EOPNOTSUPP.
    int deviceRequest(UsbControlRequest& request);

    virtual int open() = 0;        // exclusive open
    virtual int reset() = 0;       // port reset
    virtual int reEnumerate() = 0; // drivers detach and attach again

    // Where the device is plugged in: the bus number in the top byte, then one nibble per port
    // on the way from the root hub (bus 1, port 2, then port 3 of a hub: 0x01230000).
    // EOPNOTSUPP when the handle cannot tell.
    virtual int getLocationId(uint32_t* locationId) const;

protected:
    virtual int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                 size_t* transferred) = 0;
    virtual int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                 size_t* transferred) = 0;
};
