#pragma once

#include "KxLayout.h"

// The macro dialog; its frames are the description's own.
namespace TKeyViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"selMacroBtn", 5250, Kind::ListButton, QRect(30, 83, 147, 23)},
    {"onceChk", 5251, Kind::RadioItem, QRect(28, 152, 69, 24), "Once"},
    {"multTimesChk", 5252, Kind::RadioItem, QRect(28, 182, 127, 23), "Repeat count"},
    // Beside the repeat item: how many times the mouse will run the macro.
    {"countLbl", 0, Kind::Label, QRect(160, 182, 100, 23)},
    {"holdChk", 5253, Kind::RadioItem, QRect(28, 213, 156, 23), "While held"},
    {"untilPreChk", 5254, Kind::RadioItem, QRect(28, 242, 184, 23), "Until pressed again"},
    {"okBtn", 5255, Kind::Button, QRect(45, 280, 92, 26), "OK"},
    {"cancelBtn", 5256, Kind::Button, QRect(148, 279, 92, 26), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 242, 24), "MACRO FUNCTION"},
    {DecorKind::Caption, QRect(30, 63, 200, 16), "MACRO"},
    {DecorKind::Caption, QRect(28, 130, 200, 16), "RUN THE MACRO"},
};
inline constexpr View kView{"TKeyView", QSize(281, 324), kControls, kDecorations, true, 40};

} // namespace TKeyViewLayout
