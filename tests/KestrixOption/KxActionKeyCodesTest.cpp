#include "KxAction.h"

#include <gtest/gtest.h>

namespace {

TEST(KxActionKeyCodes, ModifiersAndMouseButtonsConvertBeforeTheTable) {
    EXPECT_EQ(KxAction::GetFWKeyCode(62), 231);
    EXPECT_EQ(KxAction::GetKeyCodeByFW(231), 62);
    EXPECT_EQ(KxAction::GetKeyCodeByFW(228), 62) << "right control reaches 62 through the table";
    EXPECT_EQ(KxAction::GetFWKeyCode(55), 227);
    EXPECT_EQ(KxAction::GetKeyCodeByFW(224), 59);
    for (uint32_t code : {153u, 154u, 155u}) {
        EXPECT_EQ(KxAction::GetFWKeyCode(code), code);
        EXPECT_EQ(KxAction::GetKeyCodeByFW(code), code);
    }
}

TEST(KxActionKeyCodes, TableLookupsTakeTheFirstMatch) {
    EXPECT_EQ(KxAction::GetFWKeyCode(0), 4) << "A, not usage 100 which shares key code 0";
    EXPECT_EQ(KxAction::GetKeyCodeByFW(4), 0);
    EXPECT_EQ(KxAction::GetKeyCodeByFW(100), 0);
    EXPECT_EQ(KxAction::GetFWKeyCode(42), 49);
    EXPECT_EQ(KxAction::GetKeyCodeByFW(50), 42);
    EXPECT_EQ(KxAction::GetFWKeyCode(69), 46);
    EXPECT_EQ(KxAction::GetFWKeyCode(57), 57) << "caps lock through the table";
    EXPECT_EQ(KxAction::GetFWKeyCode(54), 0) << "no pair holds key code 54";
    EXPECT_EQ(KxAction::GetKeyCodeByFW(0), 0) << "the terminating pair is not searched";
    EXPECT_EQ(KxAction::GetKeyCodeByFW(102), 0);
}

TEST(KxActionKeyCodes, EveryUsageWithItsOwnKeyCodeRoundTrips) {
    // A mistyped pair shows up as a usage that does not come back.
    int roundTrips = 0;
    for (uint32_t usage = 4; usage <= 101; ++usage) {
        const uint8_t key = KxAction::GetKeyCodeByFW(usage);
        if (usage == 50 || usage == 87 || usage == 100)
            continue; // their key codes belong to an earlier pair
        EXPECT_EQ(KxAction::GetFWKeyCode(key), usage) << "usage " << usage;
        ++roundTrips;
    }
    EXPECT_EQ(roundTrips, 95);
}

TEST(KxActionKeyCodes, ModeBytesAndSlotCodes) {
    EXPECT_EQ(KxAction::getMacroType(0), 160);
    EXPECT_EQ(KxAction::getMacroType(1), 160);
    EXPECT_EQ(KxAction::getMacroType(2), 161);
    EXPECT_EQ(KxAction::getMacroType(3), 162);
    EXPECT_EQ(KxAction::getMacroType(4), 0);
    EXPECT_EQ(KxAction::getMacroType2(162), 3u);
    EXPECT_EQ(KxAction::getMacroType2(161), 2u);
    EXPECT_EQ(KxAction::getMacroType2(160), 0u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(2, 3), 173u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(2, 4), 174u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(0, 0), 160u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(4, 4), 184u);
}

} // namespace
