#include "VirtualMouseDescriptors.h"

#include <linux/usb/ch9.h>
#include <linux/usb/functionfs.h>

#include <cstdint>
#include <initializer_list>

namespace VirtualMouseDescriptors {
namespace {

constexpr uint8_t kHidClassDescriptor = 0x21;
constexpr uint8_t kHidReportDescriptor = 0x22;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(char(uint8_t(v)));
    return out;
}

void appendLe16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendLe32(QByteArray& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// Interface, HID and endpoint descriptors of one interface. The endpoint's number is the
// FunctionFS file it is served by (ep1, ep2).
QByteArray interfaceDescriptors(int interfaceNumber, bool highSpeed) {
    const bool pointer = interfaceNumber == 0;
    QByteArray out = bytes({USB_DT_INTERFACE_SIZE, USB_DT_INTERFACE, interfaceNumber, 0, 1,
                            USB_CLASS_HID, pointer ? 1 : 0, pointer ? 2 : 0, 0});
    out += hidDescriptor(interfaceNumber);
    out += bytes({USB_DT_ENDPOINT_SIZE, USB_DT_ENDPOINT, USB_DIR_IN | (interfaceNumber + 1),
                  USB_ENDPOINT_XFER_INT});
    appendLe16(out, kEndpointPacketSize);
    // High speed counts 2^(bInterval-1) microframes of 125 us: 4 is 1 ms.
    out.append(char(highSpeed ? 4 : kPollIntervalMs));
    return out;
}

} // namespace

QByteArray reportDescriptor(int interfaceNumber) {
    if (interfaceNumber == 0) {
        return bytes({
            0x05, 0x01,       // usage page: generic desktop
            0x09, 0x02,       // usage: mouse
            0xA1, 0x01,       // collection: application
            0x85, 0x01,       //   report id 1
            0x09, 0x01,       //   usage: pointer
            0xA1, 0x00,       //   collection: physical
            0x05, 0x09,       //     usage page: buttons
            0x19, 0x01,       //     usage minimum 1
            0x29, 0x05,       //     usage maximum 5
            0x15, 0x00,       //     logical minimum 0
            0x25, 0x01,       //     logical maximum 1
            0x95, 0x05,       //     report count 5
            0x75, 0x01,       //     report size 1
            0x81, 0x02,       //     input: data, variable, absolute
            0x95, 0x01,       //     report count 1
            0x75, 0x03,       //     report size 3
            0x81, 0x01,       //     input: constant (padding)
            0x05, 0x01,       //     usage page: generic desktop
            0x09, 0x30,       //     usage: X
            0x09, 0x31,       //     usage: Y
            0x16, 0x01, 0x80, //     logical minimum -32767
            0x26, 0xFF, 0x7F, //     logical maximum 32767
            0x75, 0x10,       //     report size 16
            0x95, 0x02,       //     report count 2
            0x81, 0x06,       //     input: data, variable, relative
            0x09, 0x38,       //     usage: wheel
            0x15, 0x81,       //     logical minimum -127
            0x25, 0x7F,       //     logical maximum 127
            0x75, 0x08,       //     report size 8
            0x95, 0x01,       //     report count 1
            0x81, 0x06,       //     input: data, variable, relative
            0x05, 0x0C,       //     usage page: consumer
            0x0A, 0x38, 0x02, //     usage: horizontal pan
            0x95, 0x01,       //     report count 1
            0x81, 0x06,       //     input: data, variable, relative
            0xC0,             //   end collection
            0xC0,             // end collection
        });
    }
    if (interfaceNumber == 1) {
        // clang-format off
        return bytes({
            0x06, 0x00, 0xFF, // usage page: vendor 0xFF00
            0x09, 0x01,       // usage 1
            0xA1, 0x01,       // collection: application
            0x15, 0x00,       //   logical minimum 0
            0x26, 0xFF, 0x00, //   logical maximum 255
            0x75, 0x08,       //   report size 8
            0x85, 0x02,       //   report id 2: the mouse's own buttons
            0x95, kEventReportLength - 1,
            0x09, 0x02,       //   usage 2
            0x81, 0x02,       //   input: data, variable, absolute
            0x85, 0x03,       //   report id 3: write bytes
            0x95, kFeatureReportLength - 1,
            0x09, 0x03,       //   usage 3
            0xB1, 0x02,       //   feature: data, variable, absolute
            0x85, 0x04,       //   report id 4: prepare read, read response
            0x95, kFeatureReportLength - 1,
            0x09, 0x04,       //   usage 4
            0xB1, 0x02,       //   feature: data, variable, absolute
            0xC0,             // end collection
        });
        // clang-format on
    }
    return {};
}

QByteArray hidDescriptor(int interfaceNumber) {
    QByteArray out = bytes({9, kHidClassDescriptor, 0x11, 0x01, 0, 1, kHidReportDescriptor});
    appendLe16(out, int(reportDescriptor(interfaceNumber).size()));
    return out;
}

QByteArray functionFsDescriptors() {
    QByteArray fullSpeed = interfaceDescriptors(0, false) + interfaceDescriptors(1, false);
    QByteArray highSpeed = interfaceDescriptors(0, true) + interfaceDescriptors(1, true);
    constexpr uint32_t kPerInterface = 3; // interface, HID, endpoint
    QByteArray out;
    appendLe32(out, FUNCTIONFS_DESCRIPTORS_MAGIC_V2);
    appendLe32(out, 0); // length, filled in below
    appendLe32(out, FUNCTIONFS_HAS_FS_DESC | FUNCTIONFS_HAS_HS_DESC);
    appendLe32(out, 2 * kPerInterface);
    appendLe32(out, 2 * kPerInterface);
    out += fullSpeed;
    out += highSpeed;
    const uint32_t length = uint32_t(out.size());
    for (int i = 0; i < 4; ++i)
        out[4 + i] = char((length >> (8 * i)) & 0xFF);
    return out;
}

QByteArray functionFsStrings() {
    QByteArray out;
    appendLe32(out, FUNCTIONFS_STRINGS_MAGIC);
    appendLe32(out, 16); // the header alone: no strings, no languages
    appendLe32(out, 0);
    appendLe32(out, 0);
    return out;
}

} // namespace VirtualMouseDescriptors
