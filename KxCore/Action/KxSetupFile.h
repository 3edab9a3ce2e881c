#pragma once

#include "KxAppRules.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// A whole set-up of the mouse as one file (".kxsetup"), to back up, keep with one's dotfiles or
// give to someone: the five profiles' buttons as the mouse holds them, the macros those buttons
// run (by content), the settings block the mouse keeps for all profiles, the active profile, and
// the desktop's speeds, and the user's application rules. JSON, versioned, written one button or
// macro step per line so that a diff reads well. docs/kxctl-json.md describes it field by field.
//
// This is the file's own model: it knows nothing of the catalogue or the library. Reading checks
// everything that can be checked without them (shape, kinds, ranges, sizes) and names the first
// field that is wrong; KxSetupMouse.h resolves names against the catalogue and the library.
namespace KxSetup {

inline constexpr const char* kFormat = "com.vlak.KxOption.setup";
inline constexpr int kVersion = 1;
inline constexpr const char* kExtension = "kxsetup";
// Five profiles of five buttons with a full macro each take about 200 KiB; anything larger is
// not a set-up.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;
inline constexpr int kProfiles = 5;
inline constexpr int kButtons = 5;
inline constexpr int kStages = 4;
// One macro per button at most.
inline constexpr int kMaxMacros = kProfiles * kButtons;
// As the macro editor names macros.
inline constexpr int kMaxMacroNameLength = 64;
inline constexpr int kMaxFunctionNameLength = 128;
// A step is held by the mouse as one to eight steps of its own; a button holds 40.
inline constexpr int kMaxSteps = 40;
// What a step's delay can be on the mouse: 63 units of 100 ms.
inline constexpr int kMaxDelayMs = 6300;
// As the macro dialog's repeat count (the mouse itself repeats at most 255 times).
inline constexpr int kMaxCount = 9999;
inline constexpr int kMinDpi = 100;
inline constexpr int kMaxDpi = 5700;
inline constexpr int kDpiStep = 100;
inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 10;
// app_path of a record: 255 bytes and its NUL.
inline constexpr int kMaxPathBytes = 255;

// How a macro runs: the record's KeyBit[0].
enum class RunMode { Once = 0, Repeat = 1, Hold = 2, Toggle = 3 };

struct Button {
    enum class Kind {
        Function, // a function of the catalogue, by name
        Record,   // a record the catalogue has no name for: its table (1 or 2) and codes
        Macro,    // a macro of this file, by name, with its run
        Launch,   // an application: a path or a desktop entry's id
        Device,   // a function the mouse keeps by itself (tables 239..242)
    };
    Kind kind = Kind::Function;
    QString function;                  // Function (Device: its name, for a reader)
    std::optional<int32_t> functionId; // Function: the catalogue's id when written, for a reader
    uint32_t table = 0;                // Record: 1 (one firmware code) or 2 (keys); Device
    QList<uint8_t> keys;               // Record: the codes, 1 for table 1, 1..4 for table 2
    QString macro;                     // Macro
    RunMode mode = RunMode::Once;      // Macro
    uint32_t count = 0;                // Macro: repeat count
    QString path;                      // Launch: an absolute path, or
    QString desktopEntry;              // Launch: "org.example.App.desktop"; neither: none set
    std::optional<uint8_t> launchCode; // Launch: a slot code other than the button's own
    QString where;                     // the field it was read from, for messages; not compared

    bool operator==(const Button& other) const;
};

struct MacroStep {
    enum class Action { Press, Release, Insert, MouseDown, MouseUp };
    Action action = Action::Press;
    int32_t key = 0;                   // Press, Release: desktop key code
    std::optional<int32_t> deviceCode; // Press, Release: the mouse's own code, where read so
    QString function;                  // Insert: a function of the insert menu, by name
    std::optional<int32_t> functionId; // Insert: its id when written, for a reader
    int32_t mouseButton = 0;           // MouseDown, MouseUp: 0 left, 1 right, 2 middle
    int32_t delayMs = 0;
    QString where; // not compared

    bool operator==(const MacroStep& other) const;
};

struct Macro {
    QString name;
    int32_t loopTime = 0;
    QList<MacroStep> steps;
    QString where; // not compared

    bool operator==(const Macro& other) const;
};

// The block the mouse keeps once for all profiles.
struct Settings {
    std::array<int, kStages> dpi{}; // DPI, in steps of 100
    int activeStage = 0;            // 0..3
    int rateHz = 1000;              // 125, 500 or 1000
    bool logoLight = false;
    bool wheelLight = false;

    bool operator==(const Settings&) const = default;
};

// The desktop's pointer, scroll and double-click speeds, 1..10.
struct Desktop {
    int pointerSpeed = 5;
    int scrollSpeed = 5;
    int doubleClickSpeed = 7;

    bool operator==(const Desktop&) const = default;
};

struct File {
    int version = kVersion;
    QString program;       // what wrote it, for a reader
    QString exported;      // when, ISO 8601, for a reader
    int activeProfile = 0; // 0..4
    Settings settings;
    std::optional<Desktop> desktop;
    std::array<std::array<Button, kButtons>, kProfiles> profiles{};
    QList<Macro> macros;
    // The application rules, replacing the user's on import; none leaves the user's as they are.
    // Optional within version 1: a file without them reads as before, and a program older than
    // them refuses a file holding them, naming the field, rather than dropping them unseen.
    std::optional<KxAppRules> appRules;

    bool operator==(const File&) const = default;
};

// Why a file was refused: the field (as a path: "profiles[2].buttons[0].macro"; empty for the
// file as a whole) and the reason.
struct Error {
    QString field;
    QString reason;
    QString text() const {
        return field.isEmpty() ? reason : field + QStringLiteral(": ") + reason;
    }
};

struct Parsed {
    std::optional<File> file;
    Error error; // when there is no file
};

// Characters as a user counts them (an emoji with its modifiers is one), and the first count of
// them.
int characterCount(const QString& text);
QString firstCharacters(const QString& text, int count);
// Whether text holds what a name or path cannot: a control character, half of a surrogate pair,
// or a formatting character other than the joiners of emoji sequences.
bool hasControlCharacters(const QString& text);

// A file's bytes as a set-up, or the first field that is wrong. Files of every version up to
// kVersion are read (and brought to the current model); a later version is refused.
Parsed parse(const QByteArray& bytes);
// The file at a path: a regular file of at most kMaxFileBytes, read without blocking.
Parsed readFile(const QString& path);
// The file's bytes, current version.
QByteArray serialize(const File& file);
// Written atomically; false with the reason in *why.
bool writeFile(const File& file, const QString& path, QString* why = nullptr);

// The pieces as the file writes them (also kxctl's --json output).
QJsonObject buttonToJson(const Button& button, int index);
QJsonObject settingsToJson(const Settings& settings);
QJsonObject macroToJson(const Macro& macro);
QString runModeName(RunMode mode);
std::optional<RunMode> runModeFromName(const QString& name);
QString mouseButtonName(int32_t button); // "left", "right", "middle"

// JSON with one key per line, objects and arrays of plain values on one line, keys in the order
// a reader expects (format and version first); indented by four spaces.
QByteArray prettyJson(const QJsonObject& object);

} // namespace KxSetup
