#include "KxAction.h"

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

} // namespace

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
    return 160 + 5 * profileIndex + buttonIndex;
}
