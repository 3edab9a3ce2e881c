#pragma once

#include "KxLayout.h"

// The main window: the mouse, its profiles and buttons, what the selected button does.
namespace MainViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    // The application menu (About, the display switch, Help, Quit), in the drag strip.
    {"menuBtn", 126, Kind::IconButton, QRect(626, 22, 34, 30), {}, "menu"},
    {"reDefBtn", 100, Kind::IconButton, QRect(668, 22, 34, 30), {}, "reset"},
    {"homeBtn", 101, Kind::IconButton, QRect(710, 22, 34, 30), {}, "home"},
    {"helpBtn", 102, Kind::IconButton, QRect(752, 22, 34, 30), {}, "help"},
    {"closeBtn", 103, Kind::IconButton, QRect(802, 22, 34, 30), {}, "close"},
    {"profile1Btn", 104, Kind::Tab, QRect(132, 86, 78, 32), "1"},
    {"profile2Btn", 105, Kind::Tab, QRect(218, 86, 78, 32), "2"},
    {"profile3Btn", 106, Kind::Tab, QRect(304, 86, 78, 32), "3"},
    {"profile4Btn", 107, Kind::Tab, QRect(390, 86, 78, 32), "4"},
    {"profile5Btn", 108, Kind::Tab, QRect(476, 86, 78, 32), "5"},
    {"lightOptionBtn", 111, Kind::Button, QRect(560, 392, 126, 46), "LIGHTING", "light"},
    {"macroBtn", 112, Kind::Button, QRect(696, 392, 126, 46), "MACRO EDITOR", "macro"},
    {"settingBtn", 113, Kind::Button, QRect(424, 392, 126, 46), "PERFORMANCE", "gauge"},
    {"tkeyBtn", 114, Kind::Button, QRect(628, 272, 92, 72), "MACRO", "macro"},
    {"singleBtn", 115, Kind::Button, QRect(526, 272, 92, 72), "SINGLE KEY", "key"},
    {"defaultBtn", 116, Kind::Button, QRect(424, 272, 92, 72), "DEFAULT", "mouse"},
    {"launchProBtn", 117, Kind::Button, QRect(730, 272, 92, 72), "LAUNCH", "launch"},
    {"applyBtn", 118, Kind::Button, QRect(526, 492, 92, 30), "APPLY"},
    {"okBtn", 119, Kind::Button, QRect(628, 492, 92, 30), "OK"},
    {"cancelBtn", 120, Kind::Button, QRect(730, 492, 92, 30), "CANCEL"},
    {"leftClickBtn",
     121,
     Kind::MouseButton,
     QRect(86, 150, 120, 168),
     {},
     {},
     "LeftButton",
     Shape::LeftButton},
    {"rightBtn",
     123,
     Kind::MouseButton,
     QRect(214, 150, 120, 168),
     {},
     {},
     "RightButton",
     Shape::RightButton},
    {"middleClickBtn",
     122,
     Kind::MouseButton,
     QRect(198, 197, 24, 61),
     {},
     {},
     "MidButton",
     Shape::Wheel},
    {"left1Btn",
     124,
     Kind::MouseButton,
     QRect(90, 330, 22, 48),
     {},
     {},
     "Left1Btn",
     Shape::SideFront},
    {"left2Btn",
     125,
     Kind::MouseButton,
     QRect(90, 386, 22, 48),
     {},
     {},
     "Left2Btn",
     Shape::SideBack},
    {"btnSelTagImageView", 0, Kind::Picture, QRect(424, 182, 48, 48)},
    {"btnSelTagCaptionTxt", 0, Kind::Label, QRect(486, 190, 336, 32)},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(28, 20, 300, 34), "KESTRIX"},
    {DecorKind::Text, QRect(30, 54, 320, 18), "Gaming mouse configuration"},
    {DecorKind::Caption, QRect(30, 93, 96, 18), "PROFILE"},
    {DecorKind::Panel, QRect(24, 136, 368, 402)},
    {DecorKind::Mouse, QRect(84, 150, 252, 376)},
    {DecorKind::Panel, QRect(404, 136, 432, 402)},
    {DecorKind::Caption, QRect(424, 154, 300, 18), "SELECTED BUTTON"},
    {DecorKind::Caption, QRect(424, 248, 300, 18), "ASSIGN A FUNCTION"},
    {DecorKind::Caption, QRect(424, 368, 300, 18), "MOUSE SETTINGS"},
};
inline constexpr View kView{"MainView", QSize(860, 560), kControls, kDecorations, true, 130};

} // namespace MainViewLayout
