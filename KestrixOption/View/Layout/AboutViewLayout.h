#pragma once

#include "KxLayout.h"

// The About window: the program, its licence, the mouse in use and where its files are.
namespace AboutViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"appIcon", 0, Kind::Picture, QRect(36, 104, 72, 72)},
    {"infoTxt", 0, Kind::Label, QRect(128, 96, 292, 176)},
    {"okBtn", 5400, Kind::Button, QRect(174, 296, 92, 26), "OK"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 16, 392, 30), "KESTRIX MOUSE"},
    {DecorKind::Text, QRect(24, 52, 392, 18), "Configuration of the Kestrix gaming mouse"},
    {DecorKind::Panel, QRect(20, 84, 400, 196)},
};
inline constexpr View kView{"AboutView", QSize(440, 340), kControls, kDecorations, false, 50};

} // namespace AboutViewLayout
