#pragma once

#include <QJsonObject>

#include <cstdint>
#include <optional>

// One step of a macro: a key (desktop key code), a mouse button or an inserted menu function,
// with what happens to it and the pause that follows.
class MacroKeyInfo {
public:
    // Kinds of step held in keyFlag.
    static constexpr int32_t kFlagKeyDown = 0;
    static constexpr int32_t kFlagKeyUp = 1;
    static constexpr int32_t kFlagMenuFunction = 2; // keyCode is a macro insert menu functionID
    static constexpr int32_t kFlagMouseDown = 3;
    static constexpr int32_t kFlagMouseUp = 4;

    MacroKeyInfo() = default;
    MacroKeyInfo(int32_t keyCode, int32_t keyFlag, int32_t delay)
        : keyCode_(keyCode), keyFlag_(keyFlag), delay_(delay) {}

    int32_t keyCode() const { return keyCode_; }
    // A new key is the desktop's: the mouse's code read with the old one goes.
    void setKeyCode(int32_t keyCode) {
        keyCode_ = keyCode;
        deviceCode_.reset();
    }
    // The mouse's own code of a key step read from the mouse whose code the desktop key does not
    // give back (a code with no desktop key, or one the key table writes as another code), so
    // that the step is written back as it was read and the record is matched at the next read.
    // None for steps made on the desktop.
    std::optional<uint8_t> deviceCode() const { return deviceCode_; }
    void setDeviceCode(std::optional<uint8_t> code) { deviceCode_ = code; }
    int32_t keyFlag() const { return keyFlag_; }
    void setKeyFlag(int32_t keyFlag) { keyFlag_ = keyFlag; }
    // Milliseconds after the step.
    int32_t delay() const { return delay_; }
    void setDelay(int32_t delay) { delay_ = delay; }

    // Keyed archive: "keyCode", "keyFlag", "delay", and "deviceCode" when there is one.
    // fromArchive yields none when a key holds something other than a number (a device code
    // outside 0..255), or when none of the first three keys is there.
    QJsonObject toArchive() const;
    static std::optional<MacroKeyInfo> fromArchive(const QJsonObject& archive);

    bool operator==(const MacroKeyInfo&) const = default;

private:
    int32_t keyCode_ = 0;
    int32_t keyFlag_ = 0;
    int32_t delay_ = 0;
    std::optional<uint8_t> deviceCode_;
};
