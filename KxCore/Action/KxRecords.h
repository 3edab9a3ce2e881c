#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The fixed-size records of one button, one profile and one stored profile. They are copied
// byte for byte: into device memory through the protocol encoders and, for _Kx_CONFIG, into
// profile files. Layouts are little-endian with natural alignment; every padding byte is an
// explicit member so that a zero-initialised record ({}) is zero throughout and a record written
// and read back is byte-identical.

// What one programmable button does.
struct _BTN_INFO {
    uint32_t FuncID;      // function id of the assignment (KxFuncId)
    uint32_t FuncTableId; // function table (KxFuncTable)
    uint32_t btnType;     // kind of assignment (KxButtonType)
    uint32_t KeyBit[4];   // parameters; meaning depends on FuncTableId
    char app_path[256];   // NUL-terminated UTF-8 path of the application to launch
    uint32_t singlekey_code;
    uint32_t MacroID; // macro library id for KxFuncTable::kMacro
};

// The same function: table, id and key codes, whatever the kind of assignment (a button's
// default and the catalogue's entry for it differ in their kind only).
inline bool sameFunction(const _BTN_INFO& a, const _BTN_INFO& b) {
    return a.FuncTableId == b.FuncTableId && a.FuncID == b.FuncID && a.KeyBit[0] == b.KeyBit[0] &&
           a.KeyBit[1] == b.KeyBit[1] && a.KeyBit[2] == b.KeyBit[2] && a.KeyBit[3] == b.KeyBit[3];
}

// The numbers a button record holds. The fields stay plain integers: they are what the profile
// files and the mouse hold.

// _BTN_INFO::btnType: the kind of assignment (the window's type picture is indexed by it).
namespace KxButtonType {
inline constexpr uint32_t kSingle = 1; // one function or key chord of the catalogue
inline constexpr uint32_t kMacro = 2;  // a macro of the library
inline constexpr uint32_t kLaunch = 3; // an application launch
} // namespace KxButtonType

// _BTN_INFO::FuncTableId: the function table, which decides how the button is written to the mouse.
namespace KxFuncTable {
inline constexpr uint32_t kFirmware = 1;          // KeyBit[0]: one firmware function code
inline constexpr uint32_t kKeys = 2;              // KeyBit[0..3]: key codes pressed in turn
inline constexpr uint32_t kMacro = 6;             // MacroID's steps; KeyBit[0..1]: run mode, count
inline constexpr uint32_t kLaunch = 15;           // KeyBit[0]: the launch slot code
inline constexpr uint32_t kTKey = 239;            // kept by the mouse, never written to it
inline constexpr uint32_t kPageUpWin = 240;       // kept by the mouse
inline constexpr uint32_t kPageDownWin = 241;     // kept by the mouse
inline constexpr uint32_t kMiddleButtonWin = 242; // kept by the mouse
inline constexpr uint32_t kDisabled = 255;        // KeyBit[0] = 0: the button does nothing

// Tables 239..242: functions the mouse keeps by itself; a write leaves such a button as it is.
constexpr bool isKeptByMouse(uint32_t table) {
    return table >= kTKey && table <= kMiddleButtonWin;
}
} // namespace KxFuncTable

// _BTN_INFO::FuncID values with a fixed meaning; a catalogue function has the catalogue's id.
// The program's own kinds carry their table's number.
namespace KxFuncId {
inline constexpr uint32_t kLeftClick = 1; // the catalogue's left click, which one button must keep
inline constexpr uint32_t kMacro = KxFuncTable::kMacro;                     // a macro
inline constexpr uint32_t kLaunch = KxFuncTable::kLaunch;                   // an application launch
inline constexpr uint32_t kTKey = KxFuncTable::kTKey;                       // "T Key"
inline constexpr uint32_t kPageUpWin = KxFuncTable::kPageUpWin;             // "Page UP(Win)"
inline constexpr uint32_t kPageDownWin = KxFuncTable::kPageDownWin;         // "Page Down(Win)"
inline constexpr uint32_t kMiddleButtonWin = KxFuncTable::kMiddleButtonWin; // "Middle Button(Win)"
inline constexpr uint32_t kDisabled = KxFuncTable::kDisabled;               // the button disabled
} // namespace KxFuncId

// One complete profile: five buttons, lights, DPI stages, desktop speeds, polling rate.
struct _Kx_PROFILE {
    _BTN_INFO btnInfo[5];     // left, right, middle, side 1, side 2
    uint32_t islightOnArr[2]; // [0] logo light, [1] wheel light
    uint32_t xSensArr[4];     // horizontal DPI of stages 1..4, units of 100 DPI
    uint32_t ySensArr[4];     // vertical DPI of stages 1..4
    uint32_t currSelectDPI;   // active stage 0..3
    uint32_t acceler;         // desktop pointer speed (HvMouseAction::kPointerSpeed)
    uint32_t doubleSpeed;     // desktop double-click speed (HvMouseAction::kDoubleClickSpeed)
    uint32_t srcSpeed;        // desktop scroll speed (HvMouseAction::kScrollSpeed)
    uint32_t poRate;          // 0 = 125 Hz, 1 = 500 Hz, 2 = 1000 Hz
    uint32_t enableSrcDes;    // on-screen display switch
    uint32_t liftHeight;
};

// The polling rates poRate selects, by its value.
inline constexpr int kPollingRatesHz[] = {125, 500, 1000};

// A named, identified profile as stored in a profile file.
struct _Kx_CONFIG {
    uint32_t setProfileId[5];
    uint8_t reserved20[4];
    uint64_t profileId;
    uint64_t currProfileId;
    char isDefault;
    char profileName[256]; // NUL-terminated UTF-8
    uint8_t reserved297[3];
    _Kx_PROFILE profile;
    uint8_t reserved1828[4];
    uint64_t fwProfileID[5]; // id of the profile assigned to each on-board slot
};

static_assert(std::is_standard_layout_v<_BTN_INFO> && std::is_trivially_copyable_v<_BTN_INFO>);
static_assert(std::is_standard_layout_v<_Kx_PROFILE> && std::is_trivially_copyable_v<_Kx_PROFILE>);
static_assert(std::is_standard_layout_v<_Kx_CONFIG> && std::is_trivially_copyable_v<_Kx_CONFIG>);

static_assert(sizeof(_BTN_INFO) == 292);
static_assert(offsetof(_BTN_INFO, FuncID) == 0);
static_assert(offsetof(_BTN_INFO, FuncTableId) == 4);
static_assert(offsetof(_BTN_INFO, btnType) == 8);
static_assert(offsetof(_BTN_INFO, KeyBit) == 12);
static_assert(offsetof(_BTN_INFO, app_path) == 28);
static_assert(offsetof(_BTN_INFO, singlekey_code) == 284);
static_assert(offsetof(_BTN_INFO, MacroID) == 288);

static_assert(sizeof(_Kx_PROFILE) == 1528);
static_assert(offsetof(_Kx_PROFILE, btnInfo) == 0);
static_assert(offsetof(_Kx_PROFILE, islightOnArr) == 1460);
static_assert(offsetof(_Kx_PROFILE, xSensArr) == 1468);
static_assert(offsetof(_Kx_PROFILE, ySensArr) == 1484);
static_assert(offsetof(_Kx_PROFILE, currSelectDPI) == 1500);
static_assert(offsetof(_Kx_PROFILE, acceler) == 1504);
static_assert(offsetof(_Kx_PROFILE, doubleSpeed) == 1508);
static_assert(offsetof(_Kx_PROFILE, srcSpeed) == 1512);
static_assert(offsetof(_Kx_PROFILE, poRate) == 1516);
static_assert(offsetof(_Kx_PROFILE, enableSrcDes) == 1520);
static_assert(offsetof(_Kx_PROFILE, liftHeight) == 1524);

static_assert(sizeof(_Kx_CONFIG) == 1872);
static_assert(offsetof(_Kx_CONFIG, setProfileId) == 0);
static_assert(offsetof(_Kx_CONFIG, reserved20) == 20);
static_assert(offsetof(_Kx_CONFIG, profileId) == 24);
static_assert(offsetof(_Kx_CONFIG, currProfileId) == 32);
static_assert(offsetof(_Kx_CONFIG, isDefault) == 40);
static_assert(offsetof(_Kx_CONFIG, profileName) == 41);
static_assert(offsetof(_Kx_CONFIG, reserved297) == 297);
static_assert(offsetof(_Kx_CONFIG, profile) == 300);
static_assert(offsetof(_Kx_CONFIG, reserved1828) == 1828);
static_assert(offsetof(_Kx_CONFIG, fwProfileID) == 1832);

// No hidden padding anywhere: every byte of a record belongs to a named member.
static_assert(std::has_unique_object_representations_v<_BTN_INFO>);
static_assert(std::has_unique_object_representations_v<_Kx_PROFILE>);
static_assert(std::has_unique_object_representations_v<_Kx_CONFIG>);
