#pragma once

#include "KxLayout.h"

// The About window: the program, its licence, the mouse in use and where its files are.
namespace AboutViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "appIcon",
     .kind = Kind::Picture,
     .frame = QRect(36, 104, 72, 72),
     .spoken = "Kestrix Mouse"},
    {.name = "infoTxt",
     .kind = Kind::Label,
     .frame = QRect(128, 96, 292, 176),
     .spoken = "About the program"},
    {.name = "okBtn",
     .tag = 5400,
     .kind = Kind::Button,
     .frame = QRect(174, 296, 92, 26),
     .label = "OK",
     .spoken = "OK"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 16, 392, 30), "KESTRIX MOUSE"},
    {DecorKind::Text, QRect(24, 52, 392, 18), "Configuration of the Kestrix gaming mouse"},
    {DecorKind::Panel, QRect(20, 84, 400, 196)},
};
inline constexpr View kView{"AboutView",
                            QSize(440, 340),
                            kControls,
                            kDecorations,
                            false,
                            50,
                            "The program's version and where it comes from."};

} // namespace AboutViewLayout
