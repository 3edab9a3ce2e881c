#pragma once

#include "KxSetupFile.h"

#include <QString>
#include <QStringList>

#include <optional>

// kxctl's command line: a command, its words, and the options (anywhere before "--").
namespace KxCtl {

enum class Command {
    Help,
    Version,
    List,
    Show,
    Profile,
    Dpi,
    Stage,
    Rate,
    Light,
    Button,
    MacroList,
    MacroShow,
    MacroImport,
    MacroExport,
    Export,
    Import,
    RuleList,
    RuleAdd,    // APP PROFILE, or --otherwise PROFILE
    RuleRemove, // APP, or --otherwise
    RuleOn,
    RuleOff,
    Complete, // "__complete WHAT": names for the shell's completion
};

struct Invocation {
    Command command = Command::Help;
    QString name;      // the command as typed ("macro show"), for messages and --json
    QStringList words; // what follows the command
    bool json = false;
    bool wait = false;
    bool verbose = false;
    bool all = false;
    bool dryRun = false;
    bool otherwise = false; // rule add|remove --otherwise: the rule for every other application
    // Numbers as typed; the commands check their ranges.
    std::optional<int> profile;           // --profile N
    std::optional<KxSetup::RunMode> mode; // --mode once|repeat N|hold|toggle
    std::optional<int> count;             // --mode repeat N
    std::optional<QList<int>> profiles;   // --profiles 1,3
    std::optional<QString> device;        // --device N|LOCATION|SERIAL: which mouse
};

struct Parsed {
    std::optional<Invocation> invocation;
    QString error; // a usage error
};

// The arguments after the program's name.
Parsed parse(const QStringList& arguments);
QString usage();
// The help of the command the words name ("macro import"), the whole usage for none; none for
// a command that does not exist.
std::optional<QString> commandHelp(const QStringList& words);

// A whole number as typed (a sign, then digits), or none.
std::optional<int> wholeNumber(const QString& text);

} // namespace KxCtl
