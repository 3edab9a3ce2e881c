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
    void setKeyCode(int32_t keyCode) { keyCode_ = keyCode; }
    int32_t keyFlag() const { return keyFlag_; }
    void setKeyFlag(int32_t keyFlag) { keyFlag_ = keyFlag; }
    // Milliseconds after the step.
    int32_t delay() const { return delay_; }
    void setDelay(int32_t delay) { delay_ = delay; }

    // Keyed archive: "keyCode", "keyFlag", "delay". fromArchive yields none when a key holds
    // something other than a number, or when none of the keys is there.
    QJsonObject toArchive() const;
    static std::optional<MacroKeyInfo> fromArchive(const QJsonObject& archive);

    bool operator==(const MacroKeyInfo&) const = default;

private:
    int32_t keyCode_ = 0;
    int32_t keyFlag_ = 0;
    int32_t delay_ = 0;
};
