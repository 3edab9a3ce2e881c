#pragma once

#include "KxLayout.h"

// The chooser of the application a button starts: a filter field over the installed
// applications, and a way to any other file.
namespace LaunchChooserLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "filterTxt",
     .kind = Kind::TextField,
     .frame = QRect(24, 78, 372, 26),
     .spoken = "Filter the applications"},
    {.name = "appList",
     .kind = Kind::Table,
     .frame = QRect(24, 112, 372, 264),
     .spoken = "Applications"},
    {.name = "otherBtn",
     .tag = 5300,
     .kind = Kind::Button,
     .frame = QRect(24, 394, 124, 26),
     .label = "OTHER FILE…",
     .spoken = "Other file"},
    {.name = "okBtn",
     .tag = 5301,
     .kind = Kind::Button,
     .frame = QRect(200, 394, 92, 26),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 5302,
     .kind = Kind::Button,
     .frame = QRect(304, 394, 92, 26),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 380, 24), "APPLICATION LAUNCHER"},
    {DecorKind::Caption, QRect(24, 58, 372, 16), "INSTALLED APPLICATIONS"},
};
inline constexpr QSize kSize{420, 440};
inline constexpr View kView{"LaunchChooserView",
                            kSize,
                            kControls,
                            kDecorations,
                            false,
                            50,
                            "Chooses the application or program the selected mouse button starts."};

} // namespace LaunchChooserLayout
