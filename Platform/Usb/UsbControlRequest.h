#pragma once

#include <cstdint>

// One control request on a device's default pipe. The caller owns the data buffer; the bus
// fills wLenDone with the number of bytes actually transferred.
struct UsbControlRequest {
    uint8_t bmRequestType = 0;
    uint8_t bRequest = 0;
    uint16_t wValue = 0;
    uint16_t wIndex = 0;
    uint16_t wLength = 0;
    void* pData = nullptr;
    uint32_t wLenDone = 0;
};

// The HID class requests the bus carries out (USB HID 1.11, 7.2).
namespace UsbHid {
inline constexpr uint8_t kClassInterfaceOut = 0x21; // host to device, class, interface
inline constexpr uint8_t kClassInterfaceIn = 0xA1;  // device to host, class, interface
inline constexpr uint8_t kGetReport = 0x01;
inline constexpr uint8_t kSetReport = 0x09;
inline constexpr uint8_t kReportTypeFeature = 0x03; // high byte of wValue
} // namespace UsbHid
