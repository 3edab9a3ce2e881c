#pragma once

#include "KxLayout.h"

// The chooser of the application a button starts: a filter field over the installed
// applications, and a way to any other file.
namespace LaunchChooserLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"filterTxt", 0, Kind::TextField, QRect(24, 78, 372, 26)},
    {"appList", 0, Kind::Table, QRect(24, 112, 372, 264)},
    {"otherBtn", 5300, Kind::Button, QRect(24, 394, 124, 26), "OTHER FILE…"},
    {"okBtn", 5301, Kind::Button, QRect(200, 394, 92, 26), "OK"},
    {"cancelBtn", 5302, Kind::Button, QRect(304, 394, 92, 26), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 380, 24), "APPLICATION LAUNCHER"},
    {DecorKind::Caption, QRect(24, 58, 372, 16), "INSTALLED APPLICATIONS"},
};
inline constexpr QSize kSize{420, 440};
inline constexpr View kView{"LaunchChooserView", kSize, kControls, kDecorations, false, 50};

} // namespace LaunchChooserLayout
