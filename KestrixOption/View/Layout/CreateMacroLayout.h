#pragma once

#include "KxLayout.h"

// The new-macro name dialog.
namespace CreateMacroLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "nameTxt",
     .kind = Kind::TextField,
     .frame = QRect(24, 66, 252, 26),
     .spoken = "Name of the new macro"},
    {.name = "okBtn",
     .tag = 5300,
     .kind = Kind::Button,
     .frame = QRect(50, 110, 92, 26),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 5301,
     .kind = Kind::Button,
     .frame = QRect(158, 110, 92, 26),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 260, 24), "NEW MACRO"},
    {DecorKind::Caption, QRect(24, 46, 200, 16), "NAME"},
};
inline constexpr View kView{"CreateMacro",
                            QSize(300, 152),
                            kControls,
                            kDecorations,
                            false,
                            50,
                            "Names a new macro for the macro editor."};

} // namespace CreateMacroLayout
