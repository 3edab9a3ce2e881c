#include "HvKey.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every desktop key code the device key table converts.
constexpr int kTableKeyCodes[] = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   11,  12,  13,  14,  15,  16,  17,
    18,  19,  20,  21,  22,  23,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,
    36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  53,
    55,  56,  57,  58,  59,  60,  61,  62,  65,  67,  69,  71,  75,  76,  78,  82,  83,
    84,  85,  86,  87,  88,  89,  91,  92,  96,  97,  98,  99,  100, 101, 103, 105, 107,
    109, 110, 111, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126,
};

TEST(HvKey, EveryTableKeyHasItsOwnName) {
    QSet<QString> names;
    for (const int code : kTableKeyCodes) {
        names.insert(HvKey::getStrByKeycode(code));
        EXPECT_FALSE(HvKey::getStrByKeycode(code).startsWith("Key 0x")) << code;
    }
    EXPECT_EQ(names.size(), int(std::size(kTableKeyCodes))) << "two key codes share a name";
    // Positions that are easy to confuse.
    EXPECT_EQ(HvKey::getStrByKeycode(0), "A");
    EXPECT_EQ(HvKey::getStrByKeycode(29), "0");
    EXPECT_EQ(HvKey::getStrByKeycode(96), "F5");
    EXPECT_EQ(HvKey::getStrByKeycode(36), "Enter");
    EXPECT_EQ(HvKey::getStrByKeycode(117), "Delete");
    EXPECT_EQ(HvKey::getStrByKeycode(59), "Ctrl");
    EXPECT_EQ(HvKey::getStrByKeycode(123), "Left Arrow");
}

} // namespace
