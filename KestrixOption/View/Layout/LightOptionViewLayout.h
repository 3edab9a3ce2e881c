#pragma once

#include "KxLayout.h"

// The lighting view: the two lights of the mouse, each on or off.
namespace LightOptionViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"midLightTagBtn", 0, Kind::Selector, QRect(98, 88, 40, 54), {}, {}, "Light_Scroll"},
    {"logoLightTagBtn", 0, Kind::Selector, QRect(83, 188, 70, 50), {}, {}, "Light_Logo"},
    {"logoLightBtn", 150, Kind::CheckBox, QRect(236, 96, 190, 26), "Logo light"},
    {"midLightBtn", 152, Kind::CheckBox, QRect(236, 130, 190, 26), "Wheel light"},
    {"lightOnBtn", 162, Kind::Tab, QRect(236, 204, 90, 28), "ON"},
    {"lightOffBtn", 163, Kind::Tab, QRect(336, 204, 90, 28), "OFF"},
    {"applyBtn", 166, Kind::Button, QRect(146, 290, 92, 30), "APPLY"},
    {"okBtn", 164, Kind::Button, QRect(246, 290, 92, 30), "OK"},
    {"cancelBtn", 165, Kind::Button, QRect(346, 290, 92, 30), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 18, 300, 30), "LIGHTING"},
    {DecorKind::Panel, QRect(20, 64, 196, 214)},
    {DecorKind::MouseMini, QRect(50, 74, 136, 198)},
    {DecorKind::Caption, QRect(236, 74, 190, 16), "LIGHTS"},
    {DecorKind::Caption, QRect(236, 180, 190, 16), "PICKED LIGHT (OR BOTH)"},
};
inline constexpr View kView{"LightOptionView", QSize(460, 340), kControls, kDecorations, true, 60};

} // namespace LightOptionViewLayout
