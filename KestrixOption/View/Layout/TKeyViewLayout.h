#pragma once

#include "KxLayout.h"

// The macro dialog; its frames are the description's own.
namespace TKeyViewLayout {

using namespace KxLayout;

inline constexpr Control kControls[] = {
    {.name = "selMacroBtn",
     .tag = 5250,
     .kind = Kind::ListButton,
     .frame = QRect(30, 83, 147, 23),
     .spoken = "Macro"},
    // The run modes, items 1 to 4 of their group (the record's mode plus one).
    {.name = "onceChk",
     .tag = 5251,
     .kind = Kind::RadioItem,
     .frame = QRect(28, 152, 69, 24),
     .label = "Once",
     .group = "Run the macro",
     .spoken = "Once"},
    {.name = "multTimesChk",
     .tag = 5252,
     .kind = Kind::RadioItem,
     .frame = QRect(28, 182, 127, 23),
     .label = "Repeat count",
     .group = "Run the macro",
     .spoken = "Repeat count"},
    // Beside the repeat item: how many times the mouse will run the macro.
    {.name = "countLbl",
     .kind = Kind::Label,
     .frame = QRect(160, 182, 100, 23),
     .spoken = "Times the macro runs"},
    {.name = "holdChk",
     .tag = 5253,
     .kind = Kind::RadioItem,
     .frame = QRect(28, 213, 156, 23),
     .label = "While held",
     .group = "Run the macro",
     .spoken = "While held"},
    {.name = "untilPreChk",
     .tag = 5254,
     .kind = Kind::RadioItem,
     .frame = QRect(28, 242, 184, 23),
     .label = "Until pressed again",
     .group = "Run the macro",
     .spoken = "Until pressed again"},
    {.name = "okBtn",
     .tag = 5255,
     .kind = Kind::Button,
     .frame = QRect(45, 280, 92, 26),
     .label = "OK",
     .spoken = "OK"},
    {.name = "cancelBtn",
     .tag = 5256,
     .kind = Kind::Button,
     .frame = QRect(148, 279, 92, 26),
     .label = "CANCEL",
     .spoken = "Cancel"},
};
inline constexpr Decoration kDecorations[] = {
    {DecorKind::Title, QRect(20, 12, 242, 24), "MACRO FUNCTION"},
    {DecorKind::Caption, QRect(30, 63, 200, 16), "MACRO"},
    {DecorKind::Caption, QRect(28, 130, 200, 16), "RUN THE MACRO"},
};
inline constexpr View kView{"TKeyView",
                            QSize(281, 324),
                            kControls,
                            kDecorations,
                            true,
                            40,
                            "Gives the selected mouse button a macro and the way it runs."};

} // namespace TKeyViewLayout
