#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>

// What a HID report descriptor says of its input reports.
namespace HidReportDescriptor {

// The report ids that input reports of this descriptor carry; {0} for a device that numbers no
// reports. None for a descriptor that is cut short, nests its global state more deeply than
// the kernel allows, or is larger than hidraw can hand out (4096 bytes).
std::optional<std::set<uint8_t>> inputReportIds(const uint8_t* descriptor, size_t length);

} // namespace HidReportDescriptor
