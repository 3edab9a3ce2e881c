#include "KxAction.h"
#include "KxProtocol.h"

#include <linux/input-event-codes.h>

#include <array>
#include <utility>

namespace {

// HID keyboard usage id → desktop key code, in table order; lookups take the first match.
// Some pairs share a key code (49 and 50 → 42, 46 and 87 → 69, 100 → 0 like 4).
constexpr std::array<std::pair<uint32_t, uint32_t>, 106> UsageID_MacVk{{
    {4, 0},    {5, 11},    {6, 8},    {7, 2},    {8, 14},   {9, 3},    {10, 5},   {11, 4},
    {12, 34},  {13, 38},   {14, 40},  {15, 37},  {16, 46},  {17, 45},  {18, 31},  {19, 35},
    {20, 12},  {21, 15},   {22, 1},   {23, 17},  {24, 32},  {25, 9},   {26, 13},  {27, 7},
    {28, 16},  {29, 6},    {30, 18},  {31, 19},  {32, 20},  {33, 21},  {34, 23},  {35, 22},
    {36, 26},  {37, 28},   {38, 25},  {39, 29},  {40, 36},  {41, 53},  {42, 51},  {43, 48},
    {44, 49},  {45, 27},   {46, 69},  {47, 33},  {48, 30},  {49, 42},  {50, 42},  {51, 41},
    {52, 39},  {53, 50},   {54, 43},  {55, 47},  {56, 44},  {57, 57},  {58, 122}, {59, 120},
    {60, 99},  {61, 118},  {62, 96},  {63, 97},  {64, 98},  {65, 100}, {66, 101}, {67, 109},
    {68, 103}, {69, 111},  {70, 105}, {71, 107}, {72, 113}, {73, 114}, {74, 115}, {75, 116},
    {76, 117}, {77, 119},  {78, 121}, {79, 124}, {80, 123}, {81, 125}, {82, 126}, {83, 71},
    {84, 75},  {85, 67},   {86, 78},  {87, 69},  {88, 76},  {89, 83},  {90, 84},  {91, 85},
    {92, 86},  {93, 87},   {94, 88},  {95, 89},  {96, 91},  {97, 92},  {98, 82},  {99, 65},
    {100, 0},  {101, 110}, {224, 59}, {225, 56}, {226, 58}, {227, 55}, {228, 62}, {229, 60},
    {230, 61}, {0, 0},
}};
// The terminating pair is not searched.
constexpr size_t kSearched = UsageID_MacVk.size() - 1;

// Mouse buttons in key steps keep their codes both ways.
bool isMouseButtonCode(uint32_t code) {
    return code == 153 || code == 154 || code == 155;
}

// Linux input event codes of the keys a keyboard sends → HID keyboard usage ids: the inverse of
// the kernel's usage → code table for the usages a keyboard has.
constexpr std::pair<uint16_t, uint8_t> kEvdevUsage[] = {
    {KEY_A, 4},           {KEY_B, 5},          {KEY_C, 6},           {KEY_D, 7},
    {KEY_E, 8},           {KEY_F, 9},          {KEY_G, 10},          {KEY_H, 11},
    {KEY_I, 12},          {KEY_J, 13},         {KEY_K, 14},          {KEY_L, 15},
    {KEY_M, 16},          {KEY_N, 17},         {KEY_O, 18},          {KEY_P, 19},
    {KEY_Q, 20},          {KEY_R, 21},         {KEY_S, 22},          {KEY_T, 23},
    {KEY_U, 24},          {KEY_V, 25},         {KEY_W, 26},          {KEY_X, 27},
    {KEY_Y, 28},          {KEY_Z, 29},         {KEY_1, 30},          {KEY_2, 31},
    {KEY_3, 32},          {KEY_4, 33},         {KEY_5, 34},          {KEY_6, 35},
    {KEY_7, 36},          {KEY_8, 37},         {KEY_9, 38},          {KEY_0, 39},
    {KEY_ENTER, 40},      {KEY_ESC, 41},       {KEY_BACKSPACE, 42},  {KEY_TAB, 43},
    {KEY_SPACE, 44},      {KEY_MINUS, 45},     {KEY_EQUAL, 46},      {KEY_LEFTBRACE, 47},
    {KEY_RIGHTBRACE, 48}, {KEY_BACKSLASH, 49}, {KEY_SEMICOLON, 51},  {KEY_APOSTROPHE, 52},
    {KEY_GRAVE, 53},      {KEY_COMMA, 54},     {KEY_DOT, 55},        {KEY_SLASH, 56},
    {KEY_CAPSLOCK, 57},   {KEY_F1, 58},        {KEY_F2, 59},         {KEY_F3, 60},
    {KEY_F4, 61},         {KEY_F5, 62},        {KEY_F6, 63},         {KEY_F7, 64},
    {KEY_F8, 65},         {KEY_F9, 66},        {KEY_F10, 67},        {KEY_F11, 68},
    {KEY_F12, 69},        {KEY_SYSRQ, 70},     {KEY_SCROLLLOCK, 71}, {KEY_PAUSE, 72},
    {KEY_INSERT, 73},     {KEY_HOME, 74},      {KEY_PAGEUP, 75},     {KEY_DELETE, 76},
    {KEY_END, 77},        {KEY_PAGEDOWN, 78},  {KEY_RIGHT, 79},      {KEY_LEFT, 80},
    {KEY_DOWN, 81},       {KEY_UP, 82},        {KEY_NUMLOCK, 83},    {KEY_KPSLASH, 84},
    {KEY_KPASTERISK, 85}, {KEY_KPMINUS, 86},   {KEY_KPPLUS, 87},     {KEY_KPENTER, 88},
    {KEY_KP1, 89},        {KEY_KP2, 90},       {KEY_KP3, 91},        {KEY_KP4, 92},
    {KEY_KP5, 93},        {KEY_KP6, 94},       {KEY_KP7, 95},        {KEY_KP8, 96},
    {KEY_KP9, 97},        {KEY_KP0, 98},       {KEY_KPDOT, 99},      {KEY_102ND, 100},
    {KEY_COMPOSE, 101},   {KEY_POWER, 102},    {KEY_KPEQUAL, 103},   {KEY_F13, 104},
    {KEY_F14, 105},       {KEY_F15, 106},      {KEY_F16, 107},       {KEY_F17, 108},
    {KEY_F18, 109},       {KEY_F19, 110},      {KEY_F20, 111},       {KEY_F21, 112},
    {KEY_F22, 113},       {KEY_F23, 114},      {KEY_F24, 115},
};

// The modifier keys have codes of their own in the records, the two sides apart.
constexpr std::pair<uint16_t, int32_t> kEvdevModifier[] = {
    {KEY_LEFTMETA, 55},  {KEY_RIGHTMETA, 54}, {KEY_LEFTSHIFT, 56}, {KEY_RIGHTSHIFT, 60},
    {KEY_CAPSLOCK, 57},  {KEY_LEFTALT, 58},   {KEY_RIGHTALT, 61},  {KEY_LEFTCTRL, 59},
    {KEY_RIGHTCTRL, 62}, {KEY_FN, 63},
};

constexpr uint32_t kScanCodeOffset = 8; // X11 and Wayland keycodes are evdev codes + 8
constexpr uint32_t kUsageA = 4;         // the only usage whose key code is 0

} // namespace

std::optional<int32_t> KxAction::getKeyCodeByEvdev(uint32_t evdevCode) {
    for (const auto& [code, keyCode] : kEvdevModifier)
        if (code == evdevCode)
            return keyCode;
    for (const auto& [code, usage] : kEvdevUsage) {
        if (code != evdevCode)
            continue;
        const uint8_t keyCode = GetKeyCodeByFW(usage);
        // 0 is A's code, and what the table gives for a usage it does not hold.
        if (keyCode == 0 && usage != kUsageA)
            return std::nullopt;
        return keyCode;
    }
    return std::nullopt;
}

std::optional<int32_t> KxAction::getKeyCodeByScanCode(uint32_t nativeScanCode) {
    if (nativeScanCode < kScanCodeOffset)
        return std::nullopt;
    return getKeyCodeByEvdev(nativeScanCode - kScanCodeOffset);
}

bool KxAction::isModifierKeyCode(int32_t keyCode) {
    return keyCode >= 54 && keyCode <= 63;
}

uint8_t KxAction::GetFWKeyCode(uint32_t keyCode) {
    switch (keyCode) {
    case 55:
        return 227; // left command / Super
    case 56:
        return 225; // left shift
    case 58:
        return 226; // left option / Alt
    case 59:
        return 224; // left control
    case 60:
        return 229; // right shift
    case 61:
        return 230; // right option
    case 62:
        return 231; // right control
    default:
        break;
    }
    if (isMouseButtonCode(keyCode))
        return static_cast<uint8_t>(keyCode);
    for (size_t i = 0; i < kSearched; ++i)
        if (UsageID_MacVk[i].second == keyCode)
            return static_cast<uint8_t>(UsageID_MacVk[i].first);
    return 0;
}

uint8_t KxAction::GetKeyCodeByFW(uint32_t usageId) {
    switch (usageId) {
    case 224:
        return 59;
    case 225:
        return 56;
    case 226:
        return 58;
    case 227:
        return 55;
    case 229:
        return 60;
    case 230:
        return 61;
    case 231:
        return 62;
    default:
        break;
    }
    if (isMouseButtonCode(usageId))
        return static_cast<uint8_t>(usageId);
    for (size_t i = 0; i < kSearched; ++i)
        if (UsageID_MacVk[i].first == usageId)
            return static_cast<uint8_t>(UsageID_MacVk[i].second);
    return 0;
}

uint8_t KxAction::getMacroType(uint32_t runMode) {
    switch (runMode) {
    case 0:
    case 1:
        return 160; // once, or the repeat count
    case 2:
        return 161; // while held
    case 3:
        return 162; // until pressed again
    default:
        return 0;
    }
}

uint32_t KxAction::getMacroType2(uint8_t modeByte) {
    switch (modeByte) {
    case 162:
        return 3;
    case 161:
        return 2;
    default:
        return 0;
    }
}

uint32_t KxAction::getBtnIndexBy(uint32_t buttonIndex) {
    return buttonIndex; // records and device slots share one order
}

uint32_t KxAction::getBtnAppLaunchIndex(uint32_t profileIndex, uint32_t buttonIndex) {
    return KxProtocol::kFirstLaunchCode + 5 * profileIndex + buttonIndex;
}
