#pragma once

#include "Drivers/DriverService.h"

#include <QVariantMap>

#include <cstddef>
#include <cstdint>

// The report hook of one HID node of the mouse: hands a copy of every input report to the
// clients that registered interest in it. It is published in the driver registry under its
// class name with the integer properties "idVendor" and "idProduct" (and "bInterfaceNumber"),
// by which the daemon's listener finds it. The kernel's own HID driver keeps the mouse working;
// this only listens.
class com_vlak_driver_KestrixDriver : public DriverService {
public:
    static constexpr const char* kClassName = "com_vlak_driver_KestrixDriver";
    // Message with the report: a 128-byte buffer whose first 8 bytes are the report's first
    // 8 bytes (zeros past a shorter report) and whose other bytes are zero.
    static constexpr uint32_t kReportMessage = 0xFFF1;
    static constexpr size_t kReportMessageSize = 128;
    static constexpr size_t kReportBytes = 8;
    // Message without argument: the instance was closed, its device is gone.
    static constexpr uint32_t kServiceWasClosed = 0xE0000110;

    // Properties "idVendor", "idProduct", "bInterfaceNumber" and "locationID" (of the USB
    // device the node is on, which tells two mice of the same ids apart).
    com_vlak_driver_KestrixDriver(quint16 vendorId, quint16 productId, int interfaceNumber,
                                  quint32 locationId);
    ~com_vlak_driver_KestrixDriver() override;

    // One input report of the node (report id in byte 0): sent to every client as
    // kReportMessage. Always 0.
    int handleReport(const uint8_t* report, size_t length);

    // Takes no properties from outside: logs the call and changes nothing. Always 0.
    int setProperties(const QVariantMap& properties);

    // Tells the clients that the instance was closed (kServiceWasClosed); the loader then
    // unpublishes it.
    void serviceWasClosed();
};
