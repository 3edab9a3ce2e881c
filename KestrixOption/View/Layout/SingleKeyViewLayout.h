#pragma once

#include "KxLayout.h"

// The single-function dialog; its frames are the description's own.
namespace SingleKeyViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"selComBtn", 5200, Kind::ListButton, QRect(29, 82, 146, 22)},
    {"okBtn", 5201, Kind::Button, QRect(44, 136, 92, 26), "OK"},
    {"cancelBtn", 5202, Kind::Button, QRect(147, 136, 92, 26), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 242, 24), "SINGLE KEY FUNCTION"},
    {DecorKind::Caption, QRect(29, 62, 200, 16), "FUNCTION"},
};
inline constexpr View kView{"SingleKeyView", QSize(282, 181), kControls, kDecorations, false, 40};

} // namespace SingleKeyViewLayout
