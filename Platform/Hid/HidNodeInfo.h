#pragma once

#include <QString>

// One HID node as a report source announces it: a device node of one HID interface whose input
// reports it passes on.
struct HidNodeInfo {
    quint64 nodeId = 0; // unique per node in this process; reports and removal name it again
    quint16 vendorId = 0;
    quint16 productId = 0;
    int interfaceNumber = -1; // the USB interface, -1 when the node is not on one
    // Location of the USB device the node is on, as UsbDevice::getLocationId gives it: two
    // devices of the same ids are told apart by it. 0 when unknown.
    quint32 locationId = 0;
    QString path; // where the node is: a device node, or the emulated device's
};
