#pragma once

#include "KxRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class MacroInfo;
class MenuInfo;

// Names of what a button can be given, as a person or a script writes them, and what a button
// record is called. Catalogue functions go by their English names whatever language the window
// shows (the tooltip table's first language, else the catalogue's own title), so that a script or
// a set-up file means the same on every desktop. Names are matched whole and regardless of case.
namespace KxNames {

inline constexpr int kButtons = 5;

// "left", "right", "middle", "side1", "side2".
QString buttonKey(int index);
// How the window calls a button: "left button", ..., "back side button".
QString buttonTitle(int index);
// Names as a sentence lists them: "a", "a and b", "a, b and c".
QString listed(const QStringList& names);
// 0..4 for "1".."5" or a button key (any case; "wheel" is the middle button); none otherwise.
std::optional<int> buttonIndex(const QString& text);

// The name a catalogue entry goes by.
QString functionName(const MenuInfo& entry);
// The functions a button can be given (the single-function menu without its headings), and
// those a macro step can insert, in menu order; empty while the catalogue is not loaded.
QList<std::shared_ptr<MenuInfo>> buttonFunctions();
QList<std::shared_ptr<MenuInfo>> insertFunctions();
// The shown macros of the library, in library order.
QList<std::shared_ptr<MacroInfo>> libraryMacros();

// A name looked up: the one thing it names, or why not (unknown or ambiguous), with the names
// close to it.
template <typename T>
struct Match {
    std::shared_ptr<T> found;
    bool ambiguous = false; // more than one has this name
    QStringList close;      // the ambiguous ones, or names close to an unknown one
};
Match<MenuInfo> findFunction(const QString& name);
// The record a catalogue function is written as (KxButtonType::kSingle, its ids and key codes).
_BTN_INFO functionRecord(const MenuInfo& entry);
Match<MenuInfo> findInsertFunction(const QString& name);
Match<MacroInfo> findMacro(const QString& name);
// What a name was looked up as.
enum class Named { Function, Macro, Command };
// Why a match found nothing, for a message: "there is no function \"x\"; close: A, B".
QString whyNot(Named what, const QString& name, bool ambiguous, const QStringList& close);
template <typename T>
QString whyNot(const Match<T>& match, Named what, const QString& name) {
    return whyNot(what, name, match.ambiguous, match.close);
}

// Names of the candidates close to a name: the same but for case and spaces, starting with it,
// holding it, or within two edits of it; at most `limit`, closest first.
QStringList closeNames(const QString& name, const QStringList& candidates, int limit = 6);

// The catalogue entry of a function record (tables 1, 2 and 255), or none.
std::shared_ptr<MenuInfo> functionOf(const _BTN_INFO& record);
// Names of the functions the mouse keeps by itself (tables 239..242), none for other tables.
std::optional<QString> deviceFunctionName(uint32_t table);
// A macro record's run: "once", "repeat 3 times", "while held", "until pressed again".
QString runText(const _BTN_INFO& record);
// What a button does, in a line: "Left Click", "macro Reload, repeat 3 times",
// "launch Calculator (/usr/share/applications/org.gnome.Calculator.desktop)", "Disable".
QString caption(const _BTN_INFO& record);
// A launcher record's path; empty when it has none.
QString launchPath(const _BTN_INFO& record);

} // namespace KxNames
