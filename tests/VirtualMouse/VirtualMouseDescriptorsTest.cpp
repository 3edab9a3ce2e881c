#include "VirtualMouseDescriptors.h"
#include "VirtualMouseFirmware.h"

#include <gtest/gtest.h>

#include <linux/usb/functionfs.h>

#include <map>
#include <tuple>

using Fw = VirtualMouseFirmware;

namespace {

// Bytes per report as the kernel's HID parser counts them, id byte included, by (main item
// kind, report id). Only short items; the descriptors use nothing else.
std::map<std::pair<int, int>, int> reportLengths(const QByteArray& descriptor) {
    std::map<std::pair<int, int>, int> bits;
    int size = 0, count = 0, id = 0;
    for (qsizetype i = 0; i < descriptor.size();) {
        const uint8_t prefix = uint8_t(descriptor[i]);
        const int dataSize = (prefix & 3) == 3 ? 4 : prefix & 3;
        uint32_t value = 0;
        for (int b = 0; b < dataSize; ++b)
            value |= uint32_t(uint8_t(descriptor[i + 1 + b])) << (8 * b);
        switch (prefix & 0xFC) {
        case 0x74:
            size = int(value);
            break; // report size
        case 0x94:
            count = int(value);
            break; // report count
        case 0x84:
            id = int(value);
            break; // report id
        case 0x80: // input
        case 0xB0: // feature
            bits[{prefix & 0xFC, id}] += size * count;
            break;
        default:
            break;
        }
        i += 1 + dataSize;
    }
    std::map<std::pair<int, int>, int> bytes;
    for (const auto& [key, n] : bits)
        bytes[key] = 1 + n / 8;
    return bytes;
}

TEST(VirtualMouseDescriptorsTest, ReportsHaveTheLengthsTheFirmwareAndTheHostUse) {
    using Key = std::pair<int, int>;
    EXPECT_EQ(reportLengths(VirtualMouseDescriptors::reportDescriptor(Fw::kPointerInterface)),
              (std::map<Key, int>{{{0x80, Fw::kPointerReportId}, 8}}));
    EXPECT_EQ(reportLengths(VirtualMouseDescriptors::reportDescriptor(Fw::kControlInterface)),
              (std::map<Key, int>{{{0x80, Fw::kEventReportId}, 8},
                                  {{0xB0, Fw::kWriteReportId}, int(Fw::kReportLength)},
                                  {{0xB0, Fw::kReadReportId}, int(Fw::kReportLength)}}));
    EXPECT_TRUE(VirtualMouseDescriptors::reportDescriptor(2).isEmpty());
    // The class descriptor names the report descriptor's length.
    const QByteArray hid = VirtualMouseDescriptors::hidDescriptor(Fw::kControlInterface);
    ASSERT_EQ(hid.size(), 9);
    EXPECT_EQ(uint8_t(hid[7]) | uint8_t(hid[8]) << 8,
              VirtualMouseDescriptors::reportDescriptor(Fw::kControlInterface).size());
}

TEST(VirtualMouseDescriptorsTest, FunctionFsBlockCountsWhatItHolds) {
    // FunctionFS refuses a block whose length or descriptor counts disagree with its contents.
    const QByteArray block = VirtualMouseDescriptors::functionFsDescriptors();
    auto le32 = [&](int at) {
        uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= uint32_t(uint8_t(block[at + b])) << (8 * b);
        return v;
    };
    ASSERT_GE(block.size(), 20);
    EXPECT_EQ(le32(0), uint32_t(FUNCTIONFS_DESCRIPTORS_MAGIC_V2));
    EXPECT_EQ(le32(4), uint32_t(block.size()));
    EXPECT_EQ(le32(8), uint32_t(FUNCTIONFS_HAS_FS_DESC | FUNCTIONFS_HAS_HS_DESC));
    int descriptors = 0;
    int endpoints = 0;
    for (qsizetype i = 20; i < block.size(); i += uint8_t(block[i])) {
        ASSERT_GT(uint8_t(block[i]), 0);
        ++descriptors;
        endpoints += block[i + 1] == 5;
    }
    EXPECT_EQ(uint32_t(descriptors), le32(12) + le32(16));
    EXPECT_EQ(endpoints, 4) << "one interrupt IN endpoint per interface and speed";
}

} // namespace
