#pragma once

#include "KxLayout.h"

// The single-function dialog; its frames are the description's own.
namespace SingleKeyViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "selComBtn",
     .tag = 5200,
     .kind = Kind::ListButton,
     .frame = QRect(29, 82, 146, 22),
     .spoken = "Function"},
    {.name = "okBtn",
     .tag = 5201,
     .kind = Kind::Button,
     .frame = QRect(44, 136, 92, 26),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 5202,
     .kind = Kind::Button,
     .frame = QRect(147, 136, 92, 26),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 242, 24), "SINGLE KEY FUNCTION"},
    {DecorKind::Caption, QRect(29, 62, 200, 16), "FUNCTION"},
};
inline constexpr View kView{
    "SingleKeyView",
    QSize(282, 181),
    kControls,
    kDecorations,
    false,
    40,
    "Gives the selected mouse button one function: a click, a key, a media or a system function."};

} // namespace SingleKeyViewLayout
