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

// Recorded keys: the window system's scan code is the evdev code + 8 (X11 and Wayland).
TEST(KxActionKeyCodes, ScanCodesBecomeTheKeyCodesTheRecordsHold) {
    const auto scan = [](uint32_t evdev) { return KxAction::getKeyCodeByScanCode(evdev + 8); };
    EXPECT_EQ(scan(30), 0) << "A: key code 0, a real key";
    EXPECT_EQ(scan(48), 11) << "B";
    EXPECT_EQ(scan(2), 18) << "1";
    EXPECT_EQ(scan(28), 36) << "Enter";
    EXPECT_EQ(scan(57), 49) << "Space";
    EXPECT_EQ(scan(59), 122) << "F1";
    EXPECT_EQ(scan(60), 120) << "F2: the code a left click has in click steps";
    EXPECT_EQ(scan(109), 121) << "Page Down";
    EXPECT_EQ(scan(103), 126) << "Up";
    EXPECT_EQ(scan(96), 76) << "keypad Enter";
    EXPECT_EQ(scan(99), 105) << "Print Screen";
    // Modifiers by their own codes, the two sides apart.
    const std::pair<uint32_t, int32_t> modifiers[] = {{125, 55}, {126, 54}, {42, 56},
                                                      {54, 60},  {58, 57},  {56, 58},
                                                      {100, 61}, {29, 59},  {97, 62}};
    for (const auto& [evdev, code] : modifiers) {
        EXPECT_EQ(scan(evdev), code) << "evdev " << evdev;
        EXPECT_TRUE(KxAction::isModifierKeyCode(code));
    }
    EXPECT_FALSE(KxAction::isModifierKeyCode(0));
    EXPECT_FALSE(KxAction::isModifierKeyCode(120));
    // Keys the records cannot hold give nothing, never the A that key code 0 would play.
    EXPECT_EQ(scan(86), std::nullopt) << "the key left of Z: its usage's pair says 0";
    EXPECT_EQ(scan(183), std::nullopt) << "F13: no pair";
    EXPECT_EQ(scan(113), std::nullopt) << "Mute: no keyboard usage";
    EXPECT_EQ(KxAction::getKeyCodeByScanCode(0), std::nullopt) << "no scan code (synthetic)";
    EXPECT_EQ(KxAction::getKeyCodeByScanCode(7), std::nullopt);
}

// Every key a scan code gives goes to the mouse as the key it is, and comes back.
TEST(KxActionKeyCodes, EveryRecordedKeyReachesTheMouseAsItself) {
    int keys = 0;
    for (uint32_t evdev = 1; evdev < 256; ++evdev) {
        const auto code = KxAction::getKeyCodeByEvdev(evdev);
        if (!code)
            continue;
        ++keys;
        const uint8_t usage = KxAction::GetFWKeyCode(uint32_t(*code));
        if (*code == 54) {
            EXPECT_EQ(usage, 0) << "right Super: no pair on the mouse";
            continue;
        }
        EXPECT_NE(usage, 0) << "evdev " << evdev;
        EXPECT_EQ(KxAction::GetKeyCodeByFW(usage), *code) << "evdev " << evdev;
    }
    EXPECT_GE(keys, 100);
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
