#pragma once

#include "KxLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <string_view>

// The picture pop-ups: each picture has the look and leaves its buttons' places to the buttons
// drawn at these origins (top-left corners, from the dialog's top-left corner); the pop-up draws
// its title, its message and its buttons' words over it in the user's language.
namespace PopupLayout {

inline constexpr QSize kSize{380, 190};
inline constexpr QSize kButtonSize{92, 26};
inline constexpr QPoint kOkOrigin{90, 144}; // beside Cancel
inline constexpr QPoint kCancelOrigin{198, 144};
inline constexpr QPoint kOkAloneOrigin{144, 144}; // a pop-up with OK only
inline constexpr int kDragHeight = 50;
// The translation context of the pop-ups' words.
inline constexpr const char* kContext = "Popup";
// Where a pop-up draws its title and message.
inline constexpr QRect kTitleFrame{72, 24, kSize.width() - 92, 38};
inline constexpr QRect kMessageFrame{72, 64, kSize.width() - 96, 72};
// A pop-up's pictures: no disabled one (its Normal serves) and no held one.
inline constexpr KxLayout::State kStates[] = {KxLayout::State::Normal, KxLayout::State::Over,
                                              KxLayout::State::Down};

// A pop-up is told to assistive technology by its title and message;
// its buttons are named by their text, and described by what they do in it.
struct Popup {
    std::string_view name; // "<name>_Normal.png", "_Over", "_Down"
    std::string_view title;
    std::string_view message;
    bool withCancel;
    std::string_view okDoes;
    std::string_view cancelDoes = {};

    constexpr QPoint okOrigin() const { return withCancel ? kOkOrigin : kOkAloneOrigin; }
    // (0, 0): no Cancel button.
    constexpr QPoint cancelOrigin() const { return withCancel ? kCancelOrigin : QPoint(0, 0); }
};

inline constexpr Popup kPopups[] = {
    {"WarningNeedSave", "Unsaved changes",
     "This profile has changes that are not written to the mouse yet. OK switches to the other "
     "profile and drops them; Cancel stays on this profile with them.",
     true, "Switch and drop the changes", "Stay on this profile"},
    // Closing with changes: the same question as above would promise the opposite of what
    // happens, so it has its own.
    {"WarningSaveOnClose", "Close with unsaved changes?",
     "There are changes that are not written to the mouse yet. OK writes them to the mouse "
     "and closes; Cancel closes without them; Escape goes back to them.",
     true, "Write and close", "Close without writing"},
    {"WarningNoDevice", "Mouse not connected",
     "The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the "
     "mouse in, then open Kestrix Mouse again.",
     false, "Close the window"},
    {"WarningNeedLeft", "One button must stay the left click",
     "This is the only button that does the left click, so it cannot be given another "
     "function. OK goes back and leaves it as it is.",
     false, "Keep the left click"},
    {"WarningReset", "Reset this profile?",
     "Every button and setting of this profile goes back to its default and is written to the "
     "mouse. OK resets it; Cancel leaves it as it is.",
     true, "Reset the profile", "Keep the profile"},
};

constexpr const Popup* find(std::string_view name) {
    for (const Popup& popup : kPopups)
        if (popup.name == name)
            return &popup;
    return nullptr;
}

} // namespace PopupLayout
