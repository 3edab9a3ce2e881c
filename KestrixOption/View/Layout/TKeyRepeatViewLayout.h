#pragma once

#include "KxLayout.h"

// The repeat-count dialog; its frames are the description's own.
namespace TKeyRepeatViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"countTxt", 0, Kind::NumberField, QRect(201, 16, 45, 23)},
    {"okBtn", 5270, Kind::Button, QRect(44, 54, 92, 24), "OK"},
    {"cancelBtn", 5271, Kind::Button, QRect(147, 54, 92, 24), "CANCEL"},
    // Under the field: shown while the count is more than the mouse can hold.
    {"limitTxt", 0, Kind::Label, QRect(22, 40, 250, 13)},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Text, QRect(22, 19, 176, 18), "Times to run the macro:"},
};
inline constexpr View kView{"TKeyRepeatView", QSize(281, 96), kControls, kDecorations, false, 50};

} // namespace TKeyRepeatViewLayout
