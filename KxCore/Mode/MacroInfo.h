#pragma once

#include "MacroKeyInfo.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// A named macro of the library: its steps, a stored loop count and whether it is shown. Hidden
// macros come from the mouse (a read-back matching no library macro); they can be looked up
// and assigned but are neither listed nor saved.
class MacroInfo {
public:
    MacroInfo() = default;

    int32_t macroId() const { return macroId_; }
    void setMacroId(int32_t macroId) { macroId_ = macroId; }
    // Null when the macro has no name.
    const QString& nameStr() const { return nameStr_; }
    void setNameStr(const QString& nameStr) { nameStr_ = nameStr; }
    int32_t loopTime() const { return loopTime_; }
    void setLoopTime(int32_t loopTime) { loopTime_ = loopTime; }
    // The steps; the macro editor edits them in place.
    const QList<MacroKeyInfo>& keyInfoArr() const { return keyInfoArr_; }
    QList<MacroKeyInfo>& keyInfoArr() { return keyInfoArr_; }
    void setKeyInfoArr(QList<MacroKeyInfo> keyInfoArr) { keyInfoArr_ = std::move(keyInfoArr); }
    bool isNoDisplay() const { return isNoDisplay_; }
    void setIsNoDisplay(bool isNoDisplay) { isNoDisplay_ = isNoDisplay; }

    // Number of device steps the macro needs: one per step, and for an inserted menu function
    // the press and release steps of its chord.
    uint32_t getMacroCount() const;
    // Device steps of one inserted menu function: 2 per key of its macro insert menu entry
    // before the first 255; 0 when the menu has no entry with that id.
    static uint32_t getComMacroCount(const MacroKeyInfo& step);

    // A step's pause as the macro editor holds it: within 0..kMaxDelayMs (the mouse plays up to
    // 6300 ms), down to a multiple of kDelayStepMs (the mouse's resolution).
    static constexpr int kMaxDelayMs = 5000;
    static constexpr int kDelayStepMs = 100;
    static int heldDelay(int ms);
    // Every step's pause brought to heldDelay (an imported macro may hold any); how many changed.
    int bringDelaysWithinSteps();
    // Why a button cannot hold the macro (more device steps than a record holds, a step of a kind
    // or key this program does not know), or none when it can.
    std::optional<QString> unfitReason() const;

    // Keyed archive used for exported macro files: "nameStr", "loopTime", "keyInfoArr" (array
    // of step archives), "isNoDisplay"; the id is not part of it. fromArchive yields a macro
    // with id 0, or none for an archive that is not a macro's (no macro key at all, or a key
    // holding the wrong kind of value).
    QJsonObject toArchive() const;
    static std::shared_ptr<MacroInfo> fromArchive(const QJsonObject& archive);

private:
    int32_t macroId_ = 0;
    QString nameStr_;
    int32_t loopTime_ = 0;
    QList<MacroKeyInfo> keyInfoArr_;
    bool isNoDisplay_ = false;
};
