#pragma once

#include "KxLayout.h"

// The lighting view: the two lights of the mouse, each on or off.
namespace LightOptionViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    // The light that On and Off switch: one on the drawing of the mouse (the one picked shows
    // lit), or both.
    {.name = "midLightTagBtn",
     .kind = Kind::Selector,
     .frame = QRect(98, 88, 40, 54),
     .picture = "Light_Scroll",
     .group = "Light to switch",
     .spoken = "Wheel light"},
    {.name = "logoLightTagBtn",
     .kind = Kind::Selector,
     .frame = QRect(83, 188, 70, 50),
     .picture = "Light_Logo",
     .group = "Light to switch",
     .spoken = "Logo light"},
    {.name = "bothLightTagBtn",
     .kind = Kind::Tab,
     .frame = QRect(236, 188, 190, 26),
     .label = "BOTH LIGHTS",
     .group = "Light to switch",
     .spoken = "Both lights"},
    // Each light's state: a box that switches that light.
    {.name = "logoLightBtn",
     .tag = 150,
     .kind = Kind::CheckBox,
     .frame = QRect(236, 96, 190, 26),
     .label = "Logo light",
     .spoken = "Logo light"},
    {.name = "midLightBtn",
     .tag = 152,
     .kind = Kind::CheckBox,
     .frame = QRect(236, 130, 190, 26),
     .label = "Wheel light",
     .spoken = "Wheel light"},
    {.name = "lightOnBtn",
     .tag = 162,
     .kind = Kind::Tab,
     .frame = QRect(236, 228, 90, 28),
     .label = "ON",
     .group = "Picked light",
     .spoken = "On"},
    {.name = "lightOffBtn",
     .tag = 163,
     .kind = Kind::Tab,
     .frame = QRect(336, 228, 90, 28),
     .label = "OFF",
     .group = "Picked light",
     .spoken = "Off"},
    {.name = "applyBtn",
     .tag = 166,
     .kind = Kind::Button,
     .frame = QRect(146, 290, 92, 30),
     .label = "APPLY",
     .spoken = "Apply"},
    {.name = "okBtn",
     .tag = 164,
     .kind = Kind::Button,
     .frame = QRect(246, 290, 92, 30),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 165,
     .kind = Kind::Button,
     .frame = QRect(346, 290, 92, 30),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 18, 300, 30), "LIGHTING"},
    {DecorKind::Panel, QRect(20, 64, 196, 214)},
    {DecorKind::MouseMini, QRect(50, 74, 136, 198)},
    {DecorKind::Caption, QRect(236, 74, 190, 16), "LIGHTS"},
    {DecorKind::Caption, QRect(236, 166, 190, 16), "PICKED LIGHT"},
};
inline constexpr View kView{"LightOptionView",
                            QSize(460, 340),
                            kControls,
                            kDecorations,
                            true,
                            60,
                            "Switches the mouse's logo and wheel lights on or off."};

} // namespace LightOptionViewLayout
