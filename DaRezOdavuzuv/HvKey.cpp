#include "HvKey.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>

namespace {

// The key codes are positions on the keyboard, independent of its layout; the names are those
// of a US layout. The names that are words are translated where a person reads them.
struct KeyName {
    int code;
    const char* name;
};

constexpr auto kKeyNames = std::to_array<KeyName>({
    {0, "A"},
    {1, "S"},
    {2, "D"},
    {3, "F"},
    {4, "H"},
    {5, "G"},
    {6, "Z"},
    {7, "X"},
    {8, "C"},
    {9, "V"},
    {10, "§"},
    {11, "B"},
    {12, "Q"},
    {13, "W"},
    {14, "E"},
    {15, "R"},
    {16, "Y"},
    {17, "T"},
    {18, "1"},
    {19, "2"},
    {20, "3"},
    {21, "4"},
    {22, "6"},
    {23, "5"},
    {24, "="},
    {25, "9"},
    {26, "7"},
    {27, "-"},
    {28, "8"},
    {29, "0"},
    {30, "]"},
    {31, "O"},
    {32, "U"},
    {33, "["},
    {34, "I"},
    {35, "P"},
    {36, QT_TRANSLATE_NOOP("HvKey", "Enter")},
    {37, "L"},
    {38, "J"},
    {39, "'"},
    {40, "K"},
    {41, ";"},
    {42, "\\"},
    {43, ","},
    {44, "/"},
    {45, "N"},
    {46, "M"},
    {47, "."},
    {48, QT_TRANSLATE_NOOP("HvKey", "Tab")},
    {49, QT_TRANSLATE_NOOP("HvKey", "Space")},
    {50, "`"},
    {51, QT_TRANSLATE_NOOP("HvKey", "Backspace")},
    {53, QT_TRANSLATE_NOOP("HvKey", "Esc")},
    {54, QT_TRANSLATE_NOOP("HvKey", "Right Super")},
    {55, QT_TRANSLATE_NOOP("HvKey", "Super")},
    {56, QT_TRANSLATE_NOOP("HvKey", "Shift")},
    {57, QT_TRANSLATE_NOOP("HvKey", "Caps Lock")},
    {58, QT_TRANSLATE_NOOP("HvKey", "Alt")},
    {59, QT_TRANSLATE_NOOP("HvKey", "Ctrl")},
    {60, QT_TRANSLATE_NOOP("HvKey", "Right Shift")},
    {61, QT_TRANSLATE_NOOP("HvKey", "Right Alt")},
    {62, QT_TRANSLATE_NOOP("HvKey", "Right Ctrl")},
    {64, "F17"},
    {65, "Num ."},
    {67, "Num *"},
    {69, "Num +"},
    {71, QT_TRANSLATE_NOOP("HvKey", "Num Lock")},
    {72, QT_TRANSLATE_NOOP("HvKey", "Volume Up")},
    {73, QT_TRANSLATE_NOOP("HvKey", "Volume Down")},
    {74, QT_TRANSLATE_NOOP("HvKey", "Mute")},
    {75, "Num /"},
    {76, QT_TRANSLATE_NOOP("HvKey", "Num Enter")},
    {78, "Num -"},
    {79, "F18"},
    {80, "F19"},
    {81, "Num ="},
    {82, "Num 0"},
    {83, "Num 1"},
    {84, "Num 2"},
    {85, "Num 3"},
    {86, "Num 4"},
    {87, "Num 5"},
    {88, "Num 6"},
    {89, "Num 7"},
    {90, "F20"},
    {91, "Num 8"},
    {92, "Num 9"},
    {96, "F5"},
    {97, "F6"},
    {98, "F7"},
    {99, "F3"},
    {100, "F8"},
    {101, "F9"},
    {103, "F11"},
    {105, QT_TRANSLATE_NOOP("HvKey", "Print Screen")},
    {106, "F16"},
    {107, QT_TRANSLATE_NOOP("HvKey", "Scroll Lock")},
    {109, "F10"},
    {110, QT_TRANSLATE_NOOP("HvKey", "Menu")},
    {111, "F12"},
    {113, QT_TRANSLATE_NOOP("HvKey", "Pause")},
    {114, QT_TRANSLATE_NOOP("HvKey", "Insert")},
    {115, QT_TRANSLATE_NOOP("HvKey", "Home")},
    {116, QT_TRANSLATE_NOOP("HvKey", "Page Up")},
    {117, QT_TRANSLATE_NOOP("HvKey", "Delete")},
    {118, "F4"},
    {119, QT_TRANSLATE_NOOP("HvKey", "End")},
    {120, "F2"},
    {121, QT_TRANSLATE_NOOP("HvKey", "Page Down")},
    {122, "F1"},
    {123, QT_TRANSLATE_NOOP("HvKey", "Left Arrow")},
    {124, QT_TRANSLATE_NOOP("HvKey", "Right Arrow")},
    {125, QT_TRANSLATE_NOOP("HvKey", "Down Arrow")},
    {126, QT_TRANSLATE_NOOP("HvKey", "Up Arrow")},
});

QString hexCode(int code) {
    return QStringLiteral("0x") +
           QString::number(static_cast<uint32_t>(code), 16).toUpper().rightJustified(2, u'0');
}

} // namespace

QString HvKey::getStrByKeycode(int code) {
    for (const KeyName& key : kKeyNames) {
        if (key.code == code)
            return QString::fromUtf8(key.name);
    }
    return QStringLiteral("Key ") + hexCode(code);
}

QString HvKey::shownName(int code) {
    for (const KeyName& key : kKeyNames) {
        if (key.code == code)
            return QCoreApplication::translate("HvKey", key.name);
    }
    //: A key without a name: its code, as "0x7F".
    return QCoreApplication::translate("HvKey", "Key %1").arg(hexCode(code));
}
