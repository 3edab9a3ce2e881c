#include "KxAction.h"

#include <gtest/gtest.h>

namespace {

// The desktop key code of each keyboard usage from 4 (A) to 101 (Application), written out so
// that a wrong pair of the table fails here.
constexpr int kKeyOfUsage[] = {
    0,   11,  8,   2,   14,  3,   5,   4,   34,  38,  40,  37,  46,  45,  31,  35,  // 4..19
    12,  15,  1,   17,  32,  9,   13,  7,   16,  6,   18,  19,  20,  21,  23,  22,  // 20..35
    26,  28,  25,  29,  36,  53,  51,  48,  49,  27,  69,  33,  30,  42,  42,  41,  // 36..51
    39,  50,  43,  47,  44,  57,  122, 120, 99,  118, 96,  97,  98,  100, 101, 109, // 52..67
    103, 111, 105, 107, 113, 114, 115, 116, 117, 119, 121, 124, 123, 125, 126, 71,  // 68..83
    75,  67,  78,  69,  76,  83,  84,  85,  86,  87,  88,  89,  91,  92,  82,  65,  // 84..99
    0,   110,                                                                       // 100..101
};

// A usage reads as its key code; a key code is written as the first usage that has it, which is
// the usage itself but for 50, 87 and 100 (their key codes belong to an earlier pair).
TEST(KxActionKeyCodes, EveryUsageReadsAsItsKeyCodeAndIsWrittenBackUnlessItsCodeIsShared) {
    for (uint32_t usage = 4; usage <= 101; ++usage) {
        SCOPED_TRACE(testing::Message() << "usage " << usage);
        const int key = kKeyOfUsage[usage - 4];
        EXPECT_EQ(KxAction::GetKeyCodeByFW(usage), key);
        const bool shared = usage == 50 || usage == 87 || usage == 100;
        EXPECT_EQ(KxAction::GetFWKeyCode(uint32_t(key)) == usage, !shared);
    }
}

// Modifiers and mouse buttons convert before the table; what no pair holds gives 0.
TEST(KxActionKeyCodes, ModifiersMouseButtonsAndCodesNoPairHolds) {
    // Key code to usage (no pair holds 54), and usage to key code (228, right control, through
    // the table; the terminating pair is not searched).
    const std::pair<uint32_t, int> written[] = {{62, 231},  {55, 227},  {153, 153},
                                                {154, 154}, {155, 155}, {54, 0}};
    for (const auto& [key, usage] : written)
        EXPECT_EQ(KxAction::GetFWKeyCode(key), usage) << "key code " << key;
    const std::pair<uint32_t, int> read[] = {{231, 62},  {228, 62},  {224, 59}, {153, 153},
                                             {154, 154}, {155, 155}, {102, 0},  {0, 0}};
    for (const auto& [usage, key] : read)
        EXPECT_EQ(KxAction::GetKeyCodeByFW(usage), key) << "usage " << usage;
}

// Recorded keys: the window system's scan code is the evdev code + 8 (X11 and Wayland).
TEST(KxActionKeyCodes, ScanCodesBecomeTheKeyCodesTheRecordsHold) {
    const auto scan = [](uint32_t evdev) { return KxAction::getKeyCodeByScanCode(evdev + 8); };
    // A (key code 0, a real key), B, 1, Enter, Space, F1, F2 (the code a left click has in click
    // steps), Page Down, Up, keypad Enter, Print Screen.
    const std::pair<uint32_t, int32_t> keys[] = {{30, 0},    {48, 11},  {2, 18},   {28, 36},
                                                 {57, 49},   {59, 122}, {60, 120}, {109, 121},
                                                 {103, 126}, {96, 76},  {99, 105}};
    for (const auto& [evdev, code] : keys)
        EXPECT_EQ(scan(evdev), code) << "evdev " << evdev;
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
    const int modeBytes[] = {160, 160, 161, 162, 0}; // once, repeat, hold, toggle, none
    for (uint32_t mode = 0; mode < 5; ++mode)
        EXPECT_EQ(KxAction::getMacroType(mode), modeBytes[mode]) << "run mode " << mode;
    EXPECT_EQ(KxAction::getMacroType2(162), 3u);
    EXPECT_EQ(KxAction::getMacroType2(161), 2u);
    EXPECT_EQ(KxAction::getMacroType2(160), 0u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(0, 0), 160u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(2, 3), 173u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(2, 4), 174u);
    EXPECT_EQ(KxAction::getBtnAppLaunchIndex(4, 4), 184u);
}

} // namespace
