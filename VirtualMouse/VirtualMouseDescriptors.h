#pragma once

#include <QByteArray>

// The emulated mouse as a USB device describes itself: two HID interfaces, each with an interrupt
// IN endpoint. Interface 0 is the pointer (input report 1: buttons, X, Y, wheel, pan); interface
// 1 carries the mouse's own events (input report 2) and its command channel (feature reports 3
// and 4). Every report is numbered, so hidraw shows the id in byte 0.
namespace VirtualMouseDescriptors {

inline constexpr int kPointerReportLength = 8; // with its id
inline constexpr int kEventReportLength = 8;
inline constexpr int kFeatureReportLength = 16;
inline constexpr int kEndpointPacketSize = 16;
inline constexpr int kPollIntervalMs = 1; // full speed frames; high speed uses 2^(4-1) microframes

// The HID report descriptor of an interface; empty for an interface the mouse does not have.
QByteArray reportDescriptor(int interfaceNumber);

// The HID class descriptor of an interface (9 bytes), naming its report descriptor's length.
QByteArray hidDescriptor(int interfaceNumber);

// What a FunctionFS function writes to its ep0 before it can be bound: the descriptors for full
// and high speed (format 2), then the (empty) string table.
QByteArray functionFsDescriptors();
QByteArray functionFsStrings();

} // namespace VirtualMouseDescriptors
