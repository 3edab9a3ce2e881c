#pragma once

#include <QString>

// Names of the desktop key codes that macros and key functions hold, as a Linux user reads them.
class HvKey {
public:
    // "A", "F5", "Left Arrow", "Enter", "Ctrl", ...; "Key 0x7F" for a code without a name.
    static QString getStrByKeycode(int code);
    // The same as a person reads it, in their language where the name is a word ("Space",
    // "Left Arrow"); getStrByKeycode's English name is the one files keep.
    static QString shownName(int code);
};
