#pragma once

#include "KxLayout.h"

// The chooser of the application a rule names: the launcher's chooser over the installed
// applications alone (a rule names an application by its desktop entry, not by a file).
namespace AppChooserLayout {

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
    {DecorKind::Title, QRect(20, 12, 380, 24), "APPLICATION FOR A RULE"},
    {DecorKind::Caption, QRect(24, 58, 372, 16), "INSTALLED APPLICATIONS"},
};
inline constexpr View kView{"AppChooserView",
                            QSize(420, 440),
                            kControls,
                            kDecorations,
                            false,
                            50,
                            "Chooses the application whose coming to the front switches the "
                            "mouse's profile."};

} // namespace AppChooserLayout
