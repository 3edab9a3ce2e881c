#pragma once

#include "KxAction.h"
#include "KxNames.h"
#include "KxRecords.h"
#include "KxSetupFile.h"
#include "MacroInfo.h"

#include <QString>

#include <algorithm>
#include <initializer_list>

// Button assignments in the core's words, for setting a case up: a test says "the catalogue's
// Copy", "a macro while held", "the launch of profile 2's fourth button", not a record's numbers.
namespace Buttons {

// A function of the loaded catalogue by its name, as the window assigns it.
inline _BTN_INFO function(const QString& name) {
    const auto match = KxNames::findFunction(name);
    return match.found ? KxNames::functionRecord(*match.found) : _BTN_INFO{};
}

// A single assignment of a table: key codes pressed in turn (KxFuncTable::kKeys) or one firmware
// code (KxFuncTable::kFirmware), with the catalogue id it is known by.
inline _BTN_INFO single(uint32_t table, std::initializer_list<uint32_t> codes,
                        uint32_t funcId = 0) {
    _BTN_INFO button{};
    button.FuncID = funcId;
    button.FuncTableId = table;
    button.btnType = table == KxFuncTable::kLaunch ? KxButtonType::kLaunch : KxButtonType::kSingle;
    std::copy_n(codes.begin(), std::min<size_t>(codes.size(), 4), button.KeyBit);
    return button;
}

// A macro of the library run as the mode says; count is the repeat count of RunMode::Repeat.
inline _BTN_INFO macro(const MacroInfo& macro, KxSetup::RunMode mode = KxSetup::RunMode::Once,
                       uint32_t count = 0) {
    _BTN_INFO button{};
    button.FuncID = KxFuncId::kMacro;
    button.FuncTableId = KxFuncTable::kMacro;
    button.btnType = KxButtonType::kMacro;
    button.KeyBit[0] = uint32_t(mode);
    button.KeyBit[1] = count;
    button.MacroID = uint32_t(macro.macroId());
    return button;
}

// The launch slot of a profile's button, reported to the daemon when pressed.
inline _BTN_INFO launch(uint32_t slot, uint32_t index) {
    return single(KxFuncTable::kLaunch, {KxAction::getBtnAppLaunchIndex(slot, index)},
                  KxFuncId::kLaunch);
}

// A button that does nothing.
inline _BTN_INFO disabled() {
    return single(KxFuncTable::kDisabled, {0}, KxFuncId::kDisabled);
}

// A function the mouse keeps as it holds it and the program never writes ("Page UP(Win)", …).
inline _BTN_INFO keptByMouse(uint32_t table = KxFuncTable::kPageUpWin) {
    return single(table, {}, table);
}

} // namespace Buttons
