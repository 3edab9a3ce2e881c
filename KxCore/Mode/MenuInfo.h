#pragma once

#include "HvMenuData.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class MacroInfo;

// One entry of a function menu: a single function a button can be given, a function a macro
// step can insert, or (in the displayed macro list) a macro of the library.
//
// Menu-list types (HvMenuData::type) used by the catalogue and the macro list:
//   0 plain entry, 1 macro of the library, 2 group heading (not selectable).
class MenuInfo : public HvMenuData {
public:
    static constexpr int kTypeEntry = 0;
    static constexpr int kTypeMacro = 1;
    static constexpr int kTypeHeading = 2;

    // All numbers 0, saveTag true, a new empty macro.
    MenuInfo();
    // An entry standing for a library macro: its name as title, type 1, saveTag false.
    static std::shared_ptr<MenuInfo> initWithMacroData(std::shared_ptr<MacroInfo> macro);

    int32_t functionID() const { return functionID_; }
    void setFunctionID(int32_t functionID) { functionID_ = functionID; }
    int32_t functionTableID() const { return functionTableID_; }
    void setFunctionTableID(int32_t functionTableID) { functionTableID_ = functionTableID; }
    int32_t KeyBit1() const { return keyBit_[0]; }
    void setKeyBit1(int32_t value) { keyBit_[0] = value; }
    int32_t KeyBit2() const { return keyBit_[1]; }
    void setKeyBit2(int32_t value) { keyBit_[1] = value; }
    int32_t KeyBit3() const { return keyBit_[2]; }
    void setKeyBit3(int32_t value) { keyBit_[2] = value; }
    int32_t KeyBit4() const { return keyBit_[3]; }
    void setKeyBit4(int32_t value) { keyBit_[3] = value; }
    bool needSepretor() const { return needSepretor_; }
    void setNeedSepretor(bool needSepretor) { needSepretor_ = needSepretor; }
    // Key into the tooltip table; none when the entry has no tooltip.
    const std::optional<QString>& toolTipTag() const { return toolTipTag_; }
    void setToolTipTag(const std::optional<QString>& toolTipTag) { toolTipTag_ = toolTipTag; }
    int32_t typeTag() const { return typeTag_; }
    void setTypeTag(int32_t typeTag) { typeTag_ = typeTag; }
    bool saveTag() const { return saveTag_; }
    void setSaveTag(bool saveTag) { saveTag_ = saveTag; }
    // The macro a macro-list entry stands for, shared with the library.
    const std::shared_ptr<MacroInfo>& macroInfo() const { return macroInfo_; }
    void setMacroInfo(std::shared_ptr<MacroInfo> macroInfo) { macroInfo_ = std::move(macroInfo); }

    // Keyed archive: "functionID", "functionTableID", "typeTag", "KeyBit1" to "KeyBit4",
    // "needSepretor", "saveTag" and the macro as the object "macroInfo". The title, type and
    // tooltip key are not part of it. fromArchive yields none for an archive that is not an
    // entry's.
    QJsonObject toArchive() const;
    static std::shared_ptr<MenuInfo> fromArchive(const QJsonObject& archive);

private:
    int32_t functionID_ = 0;
    int32_t functionTableID_ = 0;
    int32_t keyBit_[4] = {};
    bool needSepretor_ = false;
    std::optional<QString> toolTipTag_;
    int32_t typeTag_ = 0;
    bool saveTag_ = true;
    std::shared_ptr<MacroInfo> macroInfo_;
};
