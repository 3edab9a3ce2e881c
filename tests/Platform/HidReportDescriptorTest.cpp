// The report ids of a device's input reports, read from its report descriptor: what decides
// which of a device's hidraw nodes a process keeps open.
#include "Hid/HidReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::optional<std::set<uint8_t>> ids(const std::vector<uint8_t>& descriptor) {
    return HidReportDescriptor::inputReportIds(descriptor.data(), descriptor.size());
}

// A mouse's pointer, numbered 1: buttons, padding and X/Y as input.
const std::vector<uint8_t> kPointer = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09,
    0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x16, 0x01,
    0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0};

TEST(HidReportDescriptor, InputReportsAreToldApartFromFeatureAndOutputReports) {
    const std::pair<std::vector<uint8_t>, std::set<uint8_t>> cases[] = {
        {kPointer, {1}},
        // Vendor page: input report 2, feature reports 3 and 4 (feature is main tag 0xB, output 9).
        {{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02, 0x75, 0x08, 0x95,
          0x07, 0x09, 0x02, 0x81, 0x02, 0x85, 0x03, 0x95, 0x0F, 0x09, 0x03, 0xB1,
          0x02, 0x85, 0x04, 0x09, 0x04, 0xB1, 0x02, 0x85, 0x05, 0x91, 0x02, 0xC0},
         {2}},
        // No report id at all: reports carry none (id 0).
        {{0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x08, 0x81, 0x00, 0xC0}, {0}},
        {{}, {}},
        // Report 7 pushed, 9 used inside, popped back to 7 for the next input; a long item
        // between. 0x86: a global report id item of two bytes; the id is its first byte.
        {{0x85, 0x07, 0xA4, 0x85, 0x09, 0x81, 0x02, 0xB4, 0xFE, 0x02,
          0x10, 0xAA, 0xBB, 0x81, 0x02, 0x86, 0x0C, 0x00, 0x81, 0x02},
         {7, 9, 12}},
    };
    for (const auto& [descriptor, expected] : cases)
        EXPECT_EQ(ids(descriptor), expected) << descriptor.size() << " bytes";
}

// Whatever a device hands over parses in bounded time or is refused, never read past its end.
TEST(HidReportDescriptor, ACutOrMalformedDescriptorIsRefused) {
    for (size_t cut = 1; cut < kPointer.size(); ++cut) {
        const std::vector<uint8_t> part(kPointer.begin(), kPointer.begin() + long(cut));
        const auto parsed = ids(part);
        // Cut between items it parses; inside an item it is refused.
        if (parsed) {
            EXPECT_TRUE(parsed->empty() || *parsed == (std::set<uint8_t>{1})) << cut;
        }
    }
    EXPECT_FALSE(ids({0x85})) << "a report id item without its byte";
    EXPECT_FALSE(ids({0x84})) << "a report id item of no data";
    EXPECT_FALSE(ids({0xFE, 0x05, 0x10, 0x01})) << "a long item past the end";
    EXPECT_FALSE(ids({0xB4, 0x81, 0x02})) << "a pop without a push";
    EXPECT_FALSE(ids({0xA4, 0xA4, 0xA4, 0xA4, 0xA4})) << "deeper than the kernel's stack";
    EXPECT_FALSE(ids(std::vector<uint8_t>(4097, 0x00))) << "larger than hidraw hands out";
    EXPECT_TRUE(ids(std::vector<uint8_t>(4096, 0x00))) << "4096 one-byte items";
}

} // namespace
