#pragma once

#include "KxLayout.h"

// The repeat-count dialog; its frames are the description's own.
namespace TKeyRepeatViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "countTxt",
     .kind = Kind::NumberField,
     .frame = QRect(201, 16, 45, 23),
     .spoken = "Times to run the macro",
     .minimum = 1,
     .maximum = 9999},
    // Under the field: shown while the count is more than the mouse can hold.
    {.name = "limitTxt",
     .kind = Kind::Label,
     .frame = QRect(22, 40, 250, 13),
     .spoken = "Limit of the mouse"},
    {.name = "okBtn",
     .tag = 5270,
     .kind = Kind::Button,
     .frame = QRect(44, 54, 92, 24),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 5271,
     .kind = Kind::Button,
     .frame = QRect(147, 54, 92, 24),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Text, QRect(22, 19, 176, 18), "Times to run the macro:"},
};
inline constexpr View kView{"TKeyRepeatView",
                            QSize(281, 96),
                            kControls,
                            kDecorations,
                            false,
                            50,
                            "Sets how many times the macro runs for each press of the button."};

} // namespace TKeyRepeatViewLayout
