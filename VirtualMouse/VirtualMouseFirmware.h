#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The mouse's firmware: a 64 KiB address space (button records of five profiles and the stored
// settings block, kept in flash), the live registers at 0xFF00..0xFF06, the write-bytes and
// prepare-read/read-response feature reports on interface 1, and the input reports its own
// buttons cause. Nothing here knows sockets or files; a feature request is applied whole.
class VirtualMouseFirmware {
public:
    // The firmware's own copy of the protocol's facts, kept apart from the host's KxProtocol.h on
    // purpose: tests of the host against this firmware then check the host's encoding.
    static constexpr int kMemorySize = 0x10000;
    static constexpr size_t kReportLength = 16;
    static constexpr int kControlInterface = 1;
    static constexpr int kPointerInterface = 0;
    static constexpr uint8_t kWriteReportId = 3;
    static constexpr uint8_t kReadReportId = 4;
    static constexpr int kMaxTransfer = 12;

    static constexpr int kProfiles = 5;
    static constexpr int kButtons = 5;
    static constexpr int kStages = 4;
    static constexpr int kRecordSize = 82;
    static constexpr int kStepAreaSize = 80;
    static constexpr int kProfileSize = kButtons * kRecordSize;
    static constexpr int kRecordBase = 16;
    static constexpr int kRecordAreaEnd = kRecordBase + kProfiles * kProfileSize;

    // Stored settings block.
    static constexpr uint16_t kStoredProfile = 5; // profile number in bits 5..7
    static constexpr uint16_t kStoredRate = 6;
    static constexpr uint16_t kStoredFlags = 7; // stage in bits 0..3, wheel 0x10, logo 0x20
    static constexpr uint16_t kStoredDpi = 8;   // four stages, units of 100 DPI
    static constexpr uint8_t kWheelLightBit = 0x10;
    static constexpr uint8_t kLogoLightBit = 0x20;

    // Live registers. A request whose start address is one of these is a register access; the
    // bytes of flash behind them are never used.
    static constexpr uint16_t kRegStage = 0xFF00; // stage index, its DPI
    static constexpr uint16_t kRegRate = 0xFF01;
    static constexpr uint16_t kRegProfile = 0xFF02; // read only
    static constexpr uint16_t kRegWheelLight = 0xFF03;
    static constexpr uint16_t kRegLogoLight = 0xFF04;
    static constexpr uint16_t kRegLock = 0xFF05; // read only: the lock is a switch on the mouse
    static constexpr uint16_t kRegCommit = 0xFF06;

    // Input report id 2 on the control interface: byte 1 says what changed.
    static constexpr uint8_t kEventReportId = 2;
    static constexpr uint8_t kPointerReportId = 1;
    enum class Key : uint8_t { Dpi = 1, Rate = 2, Profile = 4, Lock = 8 };
    static const char* keyName(Key key);

    struct State {
        int profile = 1;  // 1..5
        int stage = 0;    // 0..3
        int dpi = 8;      // units of 100 DPI
        int rateCode = 0; // 0 = 1000 Hz, 1 = 500 Hz, 2 = 125 Hz
        bool wheelLight = true;
        bool logoLight = true;
        bool locked = false;

        int rateHz() const;
        QString describe() const;
        bool operator==(const State&) const = default;
    };

    struct InputReport {
        int interfaceNumber = 0;
        QByteArray bytes; // report id in byte 0
        bool operator==(const InputReport&) const = default;
    };

    // What a programmable button did when pressed.
    struct ButtonResult {
        std::vector<InputReport> reports;
        QString description;
    };

    VirtualMouseFirmware(); // factory state, powered on

    static QByteArray factoryImage();

    // Flash: the whole address space. loadFlashImage refuses an image of the wrong size and keeps
    // the current memory; on success the mouse powers on from it.
    QByteArray flashImage() const { return memory_; }
    bool loadFlashImage(const QByteArray& image, QString* error);

    // Power-on: the live state is the committed stored block, the lock open, no read prepared.
    void powerOn();

    // The requests of UsbDevice: report[0] is the report id; 0 or an errno value. Anything but
    // feature reports 3 (SET) and 4 (SET and GET) on interface 1 stalls with EPIPE. A SET shorter
    // than 16 bytes is zero-extended, bytes past 16 are accepted and ignored; a GET fills
    // min(length, 16) bytes.
    // Whether a feature request of this kind is taken at all, judged before its data arrives
    // (as a USB device decides whether to stall a control request at its setup stage).
    static bool takesFeatureReport(int interfaceNumber, uint8_t reportId, bool isSet);

    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred);
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length, size_t* transferred);

    // Flash bytes, for inspection; registers are read through state().
    QByteArray memory(uint16_t address, int count) const;
    static uint16_t recordAddress(int profileIndex, int buttonIndex);
    QByteArray record(int profileIndex, int buttonIndex) const;
    const State& state() const { return state_; }
    // How often a host's commit moved the mouse to another profile (since power-on).
    int hostProfileSwitches() const { return hostProfileSwitches_; }

    // The mouse's own buttons. DPI, rate and profile change the live state and the stored block
    // and report on interface 1; while locked they do nothing and send nothing. Lock toggles.
    std::optional<InputReport> press(Key key);

    // Programmable button 1..5 of the active profile: a launch slot record reports its code on
    // interface 1; left, right, middle, back and forward steps become pointer button reports on
    // interface 0; other steps (keyboard keys, device functions) send nothing.
    ButtonResult pressButton(int button);

    // Called after every change to flash, so that its owner can schedule a save.
    void setFlashChangedHandler(std::function<void()> handler) {
        flashChanged_ = std::move(handler);
    }

private:
    void writeBytes(uint16_t address, const uint8_t* data, int count);
    void writeRegister(uint16_t address, const uint8_t* data, int count);
    uint8_t readByte(uint16_t address, int offset) const;
    void storeByte(uint16_t address, uint8_t value);
    void commit();
    int storedDpi(int stage) const;

    QByteArray memory_;
    State state_;
    // The prepared read; a count outside 1..12 clears it and a GET then returns no data.
    uint16_t readAddress_ = 0;
    int readCount_ = 0;
    int hostProfileSwitches_ = 0;
    std::function<void()> flashChanged_;
};
