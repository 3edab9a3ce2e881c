#pragma once

#include <cstdint>
#include <functional>

// The shared operations of the configuration window and the daemon, as class operations over
// the process-wide state of KxGlobals.h.
//
// Command channel: the mouse is driven through HID feature reports on its interface 1. Report 3
// writes up to 12 bytes at a 16-bit address; report 4 prepares a read (SET) and returns it
// (GET). The mouse acknowledges nothing, so every report is followed by a fixed pause.
class KxAction {
public:
    static constexpr uint32_t kVendorId = 0x04F2;  // 1266
    static constexpr uint32_t kProductId = 0x1106; // 4358
    static constexpr uint16_t kReportLength = 16;
    static constexpr unsigned kReportPauseUs = 30000;       // after each report
    static constexpr unsigned kButtonChunkPauseUs = 150000; // after each button-record chunk

    // Device addresses.
    static constexpr uint16_t kAddrActiveProfile = 5;
    static constexpr uint16_t kAddrLiveProfile = 0xFF02;
    static constexpr uint16_t kAddrCommit = 0xFF06;

    static void startListenDev();
    static bool checkListenDev();

    // One HID class control request each on interface 1; 1 when it was transferred, else 0.
    static int GetCommand(uint8_t* buffer, uint16_t length);  // GET_REPORT feature 4
    static int SetCommand(uint8_t* buffer, uint16_t length);  // SET_REPORT feature 4
    static int GetCommand2(uint8_t* buffer, uint16_t length); // GET_REPORT feature 3
    static int SetCommand2(uint8_t* buffer, uint16_t length); // SET_REPORT feature 3

    static void setAdrrData(uint8_t data, uint16_t address);
    static void setDeviceReadyToRead(uint16_t address, uint8_t count);
    // buffer holds at least 16 bytes; the data is at buffer[4] onward.
    static void getDeviceData(uint16_t address, uint8_t count, uint8_t* buffer);
    static void refreshDeviceData();
    static uint16_t getOffsetAdrBy(uint32_t baseAddress, uint32_t profileIndex);
    static void setProfileToDevice(uint32_t profileIndex, bool isTemp);
    static int getProfileByDevice();

    // A write-bytes report of up to 12 bytes at address, without the pause that follows it.
    static int sendWriteReport(uint16_t address, const uint8_t* data, uint8_t count);
    // Sleeps the calling thread between reports.
    static void pause(unsigned microseconds);

    // Test hook: when set, pauses call it with their length instead of sleeping. The programs
    // never set it.
    using PauseHook = std::function<void(unsigned microseconds)>;
    static void setPauseHookForTesting(PauseHook hook);
};
