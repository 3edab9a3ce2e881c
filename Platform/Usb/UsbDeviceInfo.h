#pragma once

#include "UsbDevice.h"

#include <QString>

#include <memory>
#include <optional>

// What the bus tells of one USB device when it arrives or goes away.
struct UsbDeviceInfo {
    quint64 serviceId = 0; // unique per arrival in this process; removal names it again
    quint16 vendorId = 0;
    quint16 productId = 0;
    std::optional<QString> productName;  // the device's product string, when it has one
    std::optional<QString> serialNumber; // its serial number string, when it has one
    std::shared_ptr<UsbDevice> device;   // null when no handle could be made
    int handleError = 0;                 // errno-style reason when no handle could be made
    int interfaceError = 0; // the handle exists but the device's identity could not be read

    // A fresh service number, never handed out twice in this process.
    static quint64 allocateServiceId();
};
