#pragma once

#include "KxLayout.h"

// The new-macro name dialog.
namespace CreateMacroLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"nameTxt", 0, Kind::TextField, QRect(24, 66, 252, 26)},
    {"okBtn", 5300, Kind::Button, QRect(50, 110, 92, 26), "OK"},
    {"cancelBtn", 5301, Kind::Button, QRect(158, 110, 92, 26), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 260, 24), "NEW MACRO"},
    {DecorKind::Caption, QRect(24, 46, 200, 16), "NAME"},
};
inline constexpr View kView{"CreateMacro", QSize(300, 152), kControls, kDecorations, false, 50};

} // namespace CreateMacroLayout
