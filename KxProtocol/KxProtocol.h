#pragma once

#include <cstdint>

// The mouse's protocol as the host speaks it: its ids, the feature reports of the command
// channel, the memory map, the pauses the firmware needs, the button records' encoding and the
// input reports its own buttons send. Every host file takes these facts from here (the udev rule
// too, at configure time); the emulated firmware keeps its own copy, so that its tests check the
// host's encoding against an independent reading of the same facts.
namespace KxProtocol {

// USB identity.
inline constexpr uint16_t kVendorId = 0x04F2;  // 1266
inline constexpr uint16_t kProductId = 0x1106; // 4358

// Command channel: HID feature reports on interface 1, each 16 bytes: report id, address (low
// byte first), count, then up to 12 data bytes. Report 3 writes; report 4 prepares a read (SET)
// and returns it (GET) with the data from byte 4 on.
inline constexpr uint16_t kControlInterface = 1;
inline constexpr uint8_t kReportWrite = 0x03;
inline constexpr uint8_t kReportRead = 0x04;
inline constexpr uint16_t kReportLength = 16;
inline constexpr int kReportHeaderLength = 4;
inline constexpr int kMaxBytesPerReport = 12;

// The mouse acknowledges nothing: every report is followed by a fixed pause.
inline constexpr unsigned kReportPauseUs = 30000;       // after each report
inline constexpr unsigned kButtonChunkPauseUs = 150000; // after each button-record chunk

// Stored settings block, one for all profiles; written values take effect at the commit.
inline constexpr uint16_t kAddrActiveProfile = 5; // (profile + 1) << 5
inline constexpr uint16_t kAddrRate = 6;          // 2 - poRate: 0 = 1000 Hz, 2 = 125 Hz
inline constexpr uint16_t kAddrSettings = 7;      // stage in bits 0..3, lights below
inline constexpr uint16_t kAddrStageDpi = 8;      // four stages, units of 100 DPI
inline constexpr uint8_t kStageMask = 0x0F;
inline constexpr uint8_t kWheelLightBit = 0x10;
inline constexpr uint8_t kLogoLightBit = 0x20;

// Live registers: reads give the state now, writes change it at once.
inline constexpr uint16_t kRegLiveDpi = 0xFF00; // stage, DPI
inline constexpr uint16_t kRegLiveRate = 0xFF01;
inline constexpr uint16_t kRegLiveProfile = 0xFF02; // profile number 1..5
inline constexpr uint16_t kRegWheelLight = 0xFF03;
inline constexpr uint16_t kRegLogoLight = 0xFF04;
inline constexpr uint16_t kRegLock = 0xFF05; // 1 = locked
inline constexpr uint16_t kRegCommit = 0xFF06;

// What the mouse can have.
inline constexpr int kProfiles = 5;
inline constexpr int kButtons = 5;
inline constexpr int kStages = 4;
inline constexpr int kRates = 3;
inline constexpr int kMinDpiValue = 1;  // units of 100 DPI
inline constexpr int kMaxDpiValue = 57; // 5700 DPI

// Button records: one per profile slot and button, at kRecordBase + kProfileStride × slot +
// kRecordSize × button; up to 40 two-byte steps, then the mode byte and the repeat count.
inline constexpr uint16_t kRecordBase = 16;
inline constexpr int kProfileStride = 410;
inline constexpr int kRecordSize = 82;
inline constexpr int kMaxRecordSteps = 40;
inline constexpr int kModeOffset = 80;     // mode byte; the repeat count follows it
inline constexpr int kChunkSize = 12;      // records are written and read in chunks of this
inline constexpr int kChunksPerRecord = 7; // the step area, then the mode byte and count

// A step: a code, then flags.
inline constexpr uint8_t kStepRelease = 0x80;
inline constexpr uint8_t kStepLast = 0x40;
inline constexpr uint8_t kStepDelayMask = 0x3F; // the delay after the step
inline constexpr int kStepDelayUnitMs = 100;

// Mode bytes.
inline constexpr uint8_t kModeOnce = 160; // once, or the repeat count
inline constexpr uint8_t kModeWhileHeld = 161;
inline constexpr uint8_t kModeToggle = 162; // until pressed again

// Codes of one-step records the firmware runs itself (by the function table the catalogue files
// them under), and the mouse buttons in steps.
inline constexpr uint8_t kCodeDisabled = 0;
inline constexpr uint8_t kCodeBack = 192;
inline constexpr uint8_t kCodeForward = 193;
inline constexpr uint8_t kCodeTable240 = 157;
inline constexpr uint8_t kCodeTable241 = 156;
inline constexpr uint8_t kCodeTable242 = 194;
inline constexpr uint8_t kCodeLeftClick = 153;
inline constexpr uint8_t kCodeRightClick = 152;
inline constexpr uint8_t kCodeMiddleClick = 151;

// Launch slots: a one-step record of code 160 + 5 × profile + button makes the mouse send it in
// an input report instead of running anything.
inline constexpr uint8_t kFirstLaunchCode = 160;
inline constexpr uint8_t kLastLaunchCode = 184;

// Input reports of the mouse's own buttons: id 2, the kind in byte 1, a launch code in byte 3.
inline constexpr uint8_t kReportIdButtons = 2;
inline constexpr uint8_t kKindLaunch = 0;
inline constexpr uint8_t kKindDpi = 1;
inline constexpr uint8_t kKindRate = 2;
inline constexpr uint8_t kKindProfile = 4;
inline constexpr uint8_t kKindLock = 8;
inline constexpr int kInputReportBytes = 8;

// Address of a profile slot's record area, or of another per-profile base.
constexpr uint16_t profileAddress(uint32_t base, uint32_t slot) {
    return static_cast<uint16_t>(base + kProfileStride * slot);
}
// Address of a button's record in a profile slot.
constexpr uint16_t recordAddress(uint32_t slot, uint32_t button) {
    return static_cast<uint16_t>(profileAddress(kRecordBase, slot) + kRecordSize * button);
}

} // namespace KxProtocol
