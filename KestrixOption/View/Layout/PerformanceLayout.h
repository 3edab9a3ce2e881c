#pragma once

#include "KxLayout.h"

// The performance view: DPI stages, polling rate, desktop speeds, the on-screen display.
namespace PerformanceLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {"dpiLevelPro", 5051, Kind::Slider, QRect(40, 104, 300, 26)},
    {"dpiPro", 5064, Kind::FillSlider, QRect(40, 190, 270, 14)},
    {"dpiTxt", 0, Kind::NumberField, QRect(320, 183, 64, 28)},
    {"rate125Btn", 5055, Kind::Tab, QRect(40, 256, 92, 28), "125 Hz"},
    {"rate500Btn", 5057, Kind::Tab, QRect(142, 256, 92, 28), "500 Hz"},
    {"rate1000Btn", 5058, Kind::Tab, QRect(244, 256, 96, 28), "1000 Hz"},
    {"doubleSpeedPro", 5052, Kind::Slider, QRect(452, 104, 160, 26)},
    {"mouseSpeedPro", 5053, Kind::Slider, QRect(452, 180, 160, 26)},
    {"scrSpeedPro", 5054, Kind::Slider, QRect(452, 256, 160, 26)},
    {"oneScreenBtn", 5059, Kind::CheckBox, QRect(40, 314, 300, 24), "Show changes on screen"},
    {"reDefBtn", 5063, Kind::Button, QRect(24, 384, 110, 30), "RESET"},
    {"applyBtn", 5062, Kind::Button, QRect(318, 384, 92, 30), "APPLY"},
    {"okBtn", 5060, Kind::Button, QRect(418, 384, 92, 30), "OK"},
    {"cancelBtn", 5061, Kind::Button, QRect(518, 384, 92, 30), "CANCEL"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(24, 18, 400, 30), "PERFORMANCE"},
    {DecorKind::Panel, QRect(20, 64, 416, 296)},
    {DecorKind::Panel, QRect(444, 64, 176, 296)},
    {DecorKind::Caption, QRect(40, 84, 300, 16), "DPI STAGE"},
    {DecorKind::Text, QRect(37, 132, 20, 14), "1"},
    {DecorKind::Text, QRect(132, 132, 20, 14), "2"},
    {DecorKind::Text, QRect(228, 132, 20, 14), "3"},
    {DecorKind::Text, QRect(323, 132, 20, 14), "4"},
    {DecorKind::Caption, QRect(40, 164, 200, 16), "DPI OF THIS STAGE"},
    {DecorKind::Text, QRect(388, 188, 40, 18), "DPI"},
    {DecorKind::Caption, QRect(40, 232, 300, 16), "POLLING RATE"},
    {DecorKind::Caption, QRect(452, 84, 160, 16), "DOUBLE-CLICK SPEED"},
    {DecorKind::Text, QRect(452, 132, 40, 14), "Slow"},
    {DecorKind::Text, QRect(572, 132, 40, 14), "Fast"},
    {DecorKind::Caption, QRect(452, 160, 160, 16), "POINTER SPEED"},
    {DecorKind::Text, QRect(452, 208, 40, 14), "Slow"},
    {DecorKind::Text, QRect(572, 208, 40, 14), "Fast"},
    {DecorKind::Caption, QRect(452, 236, 160, 16), "SCROLL SPEED"},
    {DecorKind::Text, QRect(452, 284, 40, 14), "Slow"},
    {DecorKind::Text, QRect(572, 284, 40, 14), "Fast"},
};
inline constexpr View kView{"Performance", QSize(640, 436), kControls, kDecorations, true, 60};

} // namespace PerformanceLayout
