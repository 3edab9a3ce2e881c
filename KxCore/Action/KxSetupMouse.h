#pragma once

#include "KxAction.h"
#include "KxSetupFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class MacroInfo;
class ProfieController;

// A set-up between the file, the mouse, the catalogue, the macro library and the profile files,
// for kxctl and the window alike: what the mouse holds (read through KxAction's paced reads),
// the file made from it, a file resolved into the records to write, the plan of what changes,
// and the write itself with Apply's guarantees: the buttons being written are journalled as
// their slot's edits first, every record sent is read back and compared, and only what the mouse
// took becomes the profiles' (ProfieControllerEdits.cpp).
namespace KxSetup {

// What the mouse holds, as far as it was read, the desktop's speeds and the user's application
// rules.
struct MouseState {
    std::array<std::optional<std::array<_BTN_INFO, kButtons>>, kProfiles> buttons;
    std::optional<Settings> settings;
    std::optional<int> activeProfile; // 0..4
    std::optional<int> lock;          // 1 locked
    std::optional<Desktop> desktop;
    std::optional<KxAppRules> appRules;
};

// Reads the buttons of the slots in `slots` (bit s for slot s), then the settings block and the
// active profile when asked. False at the first read the mouse does not answer, what was read
// before it kept. Macros the library does not know join it hidden, as on any read.
bool readMouse(unsigned slots, bool settings, bool activeProfile, MouseState* state);
// The state the window's library holds (what the mouse holds): its five profiles, their shared
// settings, and the active profile given.
MouseState stateOfLibrary(const ProfieController& library, int activeProfile);
// The buttons read, as the library's profiles see them (KxAction::asTheProfileHolds); on the
// library's thread.
void keepProfilesMacros(const ProfieController& library, MouseState& state);
// What was read becomes the library's: the profiles of the slots read hold those buttons, every
// profile the settings read. Not saved.
void takeRead(ProfieController& library, const MouseState& state);

// The settings block as a file holds it and back. Values the file cannot hold (a stage index
// above 3, a DPI of 0) are brought within it.
Settings settingsOf(const SettingsBlock& block);
SettingsBlock blockOf(const Settings& settings);
// The same for a profile record.
Settings settingsOf(const _Kx_PROFILE& profile);
void putSettings(const Settings& settings, _Kx_PROFILE* profile);
int rateHzOf(uint32_t poRate);
std::optional<uint32_t> poRateOf(int rateHz);

// The user's application rules into the state, from the preferences. False, with a sentence
// naming the key and how to mend it, when a hand edit broke them: they are neither exported
// without a word nor replaced unseen.
bool readAppRules(MouseState* state, QString* why);

// The desktop's speeds now, and setting them (kept as the speeds to come back to); false when the
// desktop did not take a value.
Desktop desktopNow();
bool applyDesktop(const Desktop& desktop);

// A button record as the file describes it, and a macro of the library by content.
Button describe(const _BTN_INFO& record, int slot, int button);
Macro describe(const MacroInfo& macro, const QString& name);
// The state (all five slots, the settings and the active profile) as a file; the macros the
// buttons run go in by content, each once, under names unique in the file. The application rules
// go in when the user has made any (rules, an "otherwise", or the switch off): a file without
// them leaves an importer's rules as they are and reads in programs older than the rules.
File capture(const MouseState& state, const QString& program);

// What a file asks of the mouse, the library and the desktop. Buttons not set are left as they
// are.
struct Target {
    std::array<std::array<std::optional<_BTN_INFO>, kButtons>, kProfiles> buttons;
    std::optional<Settings> settings;
    std::optional<int> activeProfile;
    std::optional<Desktop> desktop;
    // Replaces the user's rules once the mouse took the rest whole (KxWriteSession.h).
    std::optional<KxAppRules> appRules;
    // Macros the library gains, with ids already given, and what became of each macro of the
    // file ("Fire: imported as Fire (2), the library's Fire differs").
    QList<std::shared_ptr<MacroInfo>> newMacros;
    QStringList macroNotes;
    // Those of the notes that change the library: a macro added, delays brought to what a step
    // holds.
    QStringList macroChanges;

    // Bit s for every slot with a button to set.
    unsigned slots() const;
};

struct Resolved {
    std::optional<Target> target;
    Error error;
};
// The file's profiles in `profiles` (bit p for profile p) as records, and with `shared` its
// settings block, active profile, desktop speeds and application rules. Names are looked up in the
// catalogue and the library; a macro the library holds with the same steps is used, one of the same
// name but other steps is taken under a new name. Refused, naming the field, for a name the
// catalogue does not have, a macro the mouse cannot hold, an application not installed here, or a
// library that would pass its 100 macros. Nothing is changed but the library's mark of macro ids.
Resolved resolve(const File& file, unsigned profiles, bool shared);

// One change the target makes: "profile 2 side1 button", "Left Click", "macro Fire, once".
struct Change {
    // What the change is of, so that a write's result can tell whether it happened.
    enum class Part : uint8_t { Button, Settings, ActiveProfile, Desktop, Library, AppRules };

    QString what;
    QString from;
    QString to;
    Part part = Part::Library;
    int profile = -1; // 0..4, for a button
    int button = -1;  // 0..4, for a button
    QString text() const;
};
// The profiles (0..4) in which the target takes the last Left Click away: the window keeps one
// on every profile that has one, and so does everything else.
QList<int> profilesLosingLeftClick(const Target& target, const MouseState& current);
// What writing the target would change, against the state; the macros' notes last.
QList<Change> plan(const Target& target, const MouseState& current);
// Whether two records mean the same to the mouse and to the files.
bool sameButton(const _BTN_INFO& a, const _BTN_INFO& b);

// While alive, the target's new macros are in the library (so that records naming them encode
// and read as theirs); they leave it again unless kept.
class NewMacros {
public:
    explicit NewMacros(const Target& target);
    ~NewMacros();
    NewMacros(const NewMacros&) = delete;
    NewMacros& operator=(const NewMacros&) = delete;
    // The macros stay and the library is saved; false (they leave again) when it was not.
    bool keep();
    // Kept macros leave the library again, and it is saved without them (a write that then sent
    // nothing); false when that save failed.
    bool giveBack();

private:
    QList<std::shared_ptr<MacroInfo>> added_;
    bool kept_ = false;
};

// What a write did.
struct WriteResult {
    std::array<std::optional<KxAction::ButtonWriteResult>, kProfiles> slots;
    std::optional<bool> settings;      // the block was written and read back equal
    std::optional<bool> activeProfile; // the switch was made and read back
    // A block that did not read back as written: what the mouse holds, read back (part of the
    // write may have gone across), or none when the mouse did not answer.
    std::optional<SettingsBlock> settingsHeld;
    // Part of the block or the switch went across before the mouse stopped answering: it may
    // hold it or not.
    bool settingsUnconfirmed = false;
    bool activeProfileUnconfirmed = false;
    bool stopped = false; // the mouse stopped answering
    // The target's application rules were saved in the preferences (none: not asked).
    std::optional<bool> appRules;
    bool complete() const;
    bool changedMouse() const;
};
// Writes what differs from the state (buttons slot by slot, then the settings block, then the
// active profile), reading back every record sent. A record that reads back otherwise counts as
// failed, one that could not be read back as unconfirmed. Stops at the first report the mouse
// does not take. Uses currSetProfile; runs on any one thread at a time, like every transfer.
WriteResult writeToMouse(const Target& target, const MouseState& current);
// After a write: the buttons the mouse holds as given become their profiles' (a launcher's path
// with them), the edits of the rest stay journalled; a settings block the mouse took, or the one
// it holds after taking part of it, goes into every profile. Not saved.
void takeWritten(ProfieController& library, const Target& target, const WriteResult& result);
// The desktop's speeds into every profile.
void takeDesktop(ProfieController& library, const Desktop& desktop);
// What did not reach the mouse, or may not have, one sentence each, leaving out buttons the
// current state held as asked already; empty when everything did.
QStringList problems(const Target& target, const WriteResult& result, const MouseState& current);
// Whether a planned change reached the mouse (or, for the desktop and the library, was made):
// "written", "notWritten", or "unconfirmed" (sent, but the mouse stopped answering before it
// could be read back).
QString statusOf(const Change& change, const WriteResult& result, bool desktopApplied);

} // namespace KxSetup
