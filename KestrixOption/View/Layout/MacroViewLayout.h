#pragma once

#include "KxLayout.h"

// The macro editor.
namespace MacroViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"macroNameBtn", 5109, Kind::ListButton, QRect(24, 88, 200, 24)},
    {"newMacroBtn", 5105, Kind::Button, QRect(24, 122, 96, 28), "NEW"},
    {"delMacroBtn", 5108, Kind::Button, QRect(128, 122, 96, 28), "DELETE"},
    {"loadMacroBtn", 5106, Kind::Button, QRect(24, 156, 96, 28), "IMPORT"},
    {"saveMacroBtn", 5107, Kind::Button, QRect(128, 156, 96, 28), "EXPORT"},
    {"recordBtn", 5100, Kind::Button, QRect(24, 218, 96, 32), "RECORD", "record"},
    {"stopBtn", 5101, Kind::Button, QRect(128, 218, 96, 32), "STOP", "stop"},
    {"lgnoreDelayChk", 5115, Kind::CheckBox, QRect(24, 290, 200, 22), "Without delays"},
    {"insertDefLayChk", 5116, Kind::CheckBox, QRect(24, 316, 200, 22), "Default delay"},
    {"defDelayTxt", 0, Kind::NumberField, QRect(120, 344, 60, 24)},
    {"insertDefDelayBtn", 5111, Kind::Button, QRect(24, 378, 200, 28), "USE FOR RECORDING"},
    {"keytbView", 0, Kind::Table, QRect(248, 88, 300, 334)},
    {"capacityMeter", 0, Kind::Label, QRect(248, 428, 300, 22)},
    {"keyUpBtn", 5103, Kind::Button, QRect(566, 88, 130, 28), "MOVE UP", "up"},
    {"keyDownBtn", 5104, Kind::Button, QRect(566, 122, 130, 28), "MOVE DOWN", "down"},
    {"delKeyBtn", 5102, Kind::Button, QRect(566, 156, 130, 28), "DELETE STEP"},
    {"adjustDelayDownBtn", 5114, Kind::IconButton, QRect(566, 220, 28, 26), {}, "minus"},
    {"adjustDelayTxt", 0, Kind::NumberField, QRect(600, 220, 58, 26)},
    {"adjustDelayUpBtn", 5113, Kind::IconButton, QRect(664, 220, 28, 26), {}, "plus"},
    {"insertDelayBtn", 5110, Kind::Button, QRect(566, 252, 130, 28), "SET DELAY"},
    {"comSelBtn", 5117, Kind::ListButton, QRect(566, 314, 130, 24)},
    {"insertComBtn", 5112, Kind::Button, QRect(566, 344, 130, 28), "INSERT"},
    {"applyBtn", 5120, Kind::Button, QRect(410, 470, 92, 30), "APPLY"},
    {"okBtn", 5118, Kind::Button, QRect(510, 470, 92, 30), "OK"},
    {"cancelBtn", 5119, Kind::Button, QRect(610, 470, 92, 30), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 18, 400, 30), "MACRO EDITOR"},
    {DecorKind::Caption, QRect(24, 68, 200, 16), "MACRO"},
    {DecorKind::Caption, QRect(24, 198, 200, 16), "RECORDING"},
    {DecorKind::Caption, QRect(24, 268, 200, 16), "DELAYS WHILE RECORDING"},
    {DecorKind::Text, QRect(24, 347, 90, 18), "Default (ms)"},
    {DecorKind::Caption, QRect(248, 68, 300, 16), "STEPS"},
    {DecorKind::Caption, QRect(566, 68, 130, 16), "STEP"},
    {DecorKind::Caption, QRect(566, 200, 130, 16), "DELAY (MS)"},
    {DecorKind::Caption, QRect(566, 294, 130, 16), "COMMAND"},
};
inline constexpr View kView{"MacroView", QSize(720, 520), kControls, kDecorations, true, 60};

} // namespace MacroViewLayout
