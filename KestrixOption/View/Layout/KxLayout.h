#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QString>

#include <cstddef>
#include <span>
#include <string_view>

// The layout of a picture-drawn view: its size and, for every control, its frame, kind, drawn
// label, what assistive technology is told of it and its place in the Tab order, plus the view's
// fixed texts and panels. One layout per view is read both by the
// artwork program (kx-draw-views draws each control at its frame, in each state) and by the view
// (its controls are placed at the same frames and cut from those pictures), so a picture and its
// hit area cannot drift apart. Frames are in points, top-left origin.
namespace KxLayout {

enum class Kind {
    Button,      // a push button with a label and/or an icon
    IconButton,  // a small square button with an icon only
    CheckBox,    // a box and its label; checked in the selected state
    RadioItem,   // an item of a radio group, a dot and its label; set in the selected state
    Tab,         // an item of a radio group drawn as a segment; lit in the selected state
    ListButton,  // a button that opens a menu list; the title is drawn by the view
    Slider,      // a track; the knob is a picture of its own
    FillSlider,  // a track whose hover picture is the filled bar (bar style 2)
    NumberField, // a sunken field; the number is drawn by the view
    TextField,   // the same for text
    Label,       // a place for text the view draws (no picture)
    MouseButton, // a mouse button with pictures of its own (shaped, see Shape)
    Selector,    // a place whose selected picture is a picture of its own
    Table,       // a list the view fills (the macro steps)
    Picture,     // a place for a picture the view shows
};

// Which drawn mouse button a MouseButton is.
enum class Shape { None, LeftButton, RightButton, Wheel, SideFront, SideBack };

// What assistive technology is told a control is, and so how it is worked. Most kinds say it
// themselves (roleOf); a row states it where its kind does not.
enum class Role {
    ByKind,
    Button,      // pressed
    CheckBox,    // toggled
    Radio,       // one of the exclusive choices of its group: pressed, never toggled
    Slider,      // a value in a range, moved by steps
    NumberField, // a whole number in a range, typed
    TextField,   // text, typed
    Chooser,     // opens a list; its value is the entry chosen
    List,        // rows to pick from
    Label,       // text the view shows
    Indicator,   // a check box that shows a state the view sets; not worked
    Picture,     // a picture the view shows
};

// A control of a view. The order of a view's controls is its Tab order: row by row as the eye
// reads the window, a panel's rows before the next panel's. Labels, pictures and indicators take
// no focus and are left out of it.
struct Control {
    std::string_view name; // the view's member ("okBtn"); pictures of their own use `picture`
    int tag = 0;           // the control's tag, 0 when it has none
    Kind kind = Kind::Button;
    QRect frame;
    std::string_view label = {};   // drawn into the artwork
    std::string_view icon = {};    // glyph drawn into the artwork ("close", "help", ...)
    std::string_view picture = {}; // own pictures' base name (mouse buttons, selectors)
    Shape shape = Shape::None;
    Role role = Role::ByKind;
    // Radio items: the name of their group; the rows of one group, in layout order, are its
    // items 1, 2, ... (HvSetpPanelObj's indexes).
    std::string_view group = {};
    // What assistive technology says: the name (else the tooltip's text), and after it the
    // description (else the tooltip's text).
    std::string_view spoken = {};
    std::string_view description = {};
    std::string_view tooltip = {}; // key of the tooltip table ("Tooltip.xml"); none when empty
    // Sliders and number fields: the range; a slider's Page Up / Page Down step.
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    std::string_view knob = {}; // a slider's knob picture ("Slider1.png"); none: a filling bar
};

// The role a control's kind gives it, when its row states none.
constexpr Role roleOf(const Control& control) {
    if (control.role != Role::ByKind)
        return control.role;
    switch (control.kind) {
    case Kind::Button:
    case Kind::IconButton:
        return Role::Button;
    case Kind::CheckBox:
        return Role::CheckBox;
    case Kind::RadioItem:
    case Kind::Tab:
    case Kind::MouseButton:
    case Kind::Selector:
        return Role::Radio;
    case Kind::ListButton:
        return Role::Chooser;
    case Kind::Slider:
    case Kind::FillSlider:
        return Role::Slider;
    case Kind::NumberField:
        return Role::NumberField;
    case Kind::TextField:
        return Role::TextField;
    case Kind::Label:
        return Role::Label;
    case Kind::Table:
        return Role::List;
    case Kind::Picture:
        return Role::Picture;
    }
    return Role::Button;
}
// Whether the control takes the keyboard focus, and so has a place in the Tab order.
constexpr bool takesFocus(const Control& control) {
    const Role role = roleOf(control);
    return role != Role::Label && role != Role::Indicator && role != Role::Picture;
}

enum class DecorKind {
    Title,   // the view's title, large
    Caption, // a small caption over a group of controls
    Text,    // a line of body text
    Panel,   // a sunken panel behind controls
    Mouse,   // the drawing of the mouse seen from above, filling the frame
    MouseMini,
};

struct Decoration {
    DecorKind kind = DecorKind::Text;
    QRect frame;
    std::string_view text = {};
};

// The knob pictures of the sliders, drawn at these sizes ("Slider1.png" for the DPI stage,
// "Slider2.png" for the speeds); a slider's track runs from half a knob in at each end.
inline constexpr QSize kSlider1Size{14, 24};
inline constexpr QSize kSlider2Size{12, 22};
constexpr QSize knobSize(std::string_view knob) {
    return knob == "Slider1.png" ? kSlider1Size : kSlider2Size;
}
// The marker on the selected mouse button and the pictures of the function types.
inline constexpr QSize kSelectedSize{20, 20};
inline constexpr QSize kFunctionTypeSize{48, 48};
// The icons of the macro steps.
inline constexpr QSize kStepIconSize{16, 16};

struct View {
    std::string_view name; // picture base: "<name>_Normal.png", "_Over", "_Down", ...
    QSize size;
    std::span<const Control> controls;
    std::span<const Decoration> decorations;
    bool hasActive = false; // held states: a "<name>_Active.png" picture
    int dragHeight = 60;    // the strip at the top that moves the window
    // What the view sets, in a sentence: its window's description to assistive technology.
    std::string_view description = {};
};

// The control of that name; a view's layout always has the controls its code asks for, so a
// missing one is a programming error caught by the tests.
constexpr const Control* find(const View& view, std::string_view name) {
    for (const Control& control : view.controls)
        if (control.name == name)
            return &control;
    return nullptr;
}
constexpr QRect frame(const View& view, std::string_view name) {
    const Control* control = find(view, name);
    return control ? control->frame : QRect();
}
// A layout's text (a label, a name) as a QString.
inline QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
// A layout's words as the user reads them: translated in a context (the layout's name). Layout
// texts are literals, so each view's data ends in a zero.
inline QString shown(const char* context, std::string_view words) {
    if (words.empty())
        return {};
    return QCoreApplication::translate(context, words.data());
}

// The states the pictures show the controls in, one picture each: at rest, under the pointer,
// pressed, disabled, and held (a box checked, a radio item set, a tab lit), which only views
// with held states have.
enum class State { Normal, Over, Down, Disable, Active };
constexpr std::string_view stateName(State state) {
    constexpr std::string_view names[] = {"Normal", "Over", "Down", "Disable", "Active"};
    return names[size_t(state)];
}
// A picture's name in a state: "<base>_<state>" ("MainView_Over").
inline QString pictureName(const QString& base, State state) {
    return base + QLatin1Char('_') + text(stateName(state));
}
inline constexpr State kHeldStates[] = {State::Normal, State::Over, State::Down, State::Disable,
                                        State::Active};
// The states of every view and of the mouse buttons' pictures of their own.
inline constexpr std::span<const State> kStates{kHeldStates, 4};
// The states a view is drawn in.
constexpr std::span<const State> statesOf(const View& view) {
    return view.hasActive ? std::span<const State>(kHeldStates) : kStates;
}

} // namespace KxLayout
