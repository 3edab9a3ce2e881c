#include "KxCtlCommandLine.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

namespace KxCtl {

namespace {

struct CommandSpec {
    const char* name; // one or two words
    Command command;
    int minWords;
    int maxWords;
    const char* options; // command options allowed, as "profile all mode profiles dry-run"
};

// Every command that writes takes --dry-run: it reads, prints what would change, and writes
// nothing.
constexpr CommandSpec kCommands[] = {
    {"help", Command::Help, 0, 2, ""},
    {"list", Command::List, 0, 0, ""},
    {"show", Command::Show, 0, 0, "profile all"},
    {"profile", Command::Profile, 1, 1, "dry-run"},
    {"dpi", Command::Dpi, 2, 2, "profile dry-run"},
    {"stage", Command::Stage, 1, 1, "dry-run"},
    {"rate", Command::Rate, 1, 1, "dry-run"},
    {"light", Command::Light, 2, 2, "dry-run"},
    {"button", Command::Button, 2, 3, "profile mode dry-run"},
    {"macro list", Command::MacroList, 0, 0, ""},
    {"macro show", Command::MacroShow, 1, 1, ""},
    {"macro import", Command::MacroImport, 1, 1, "dry-run"},
    {"macro export", Command::MacroExport, 2, 2, ""},
    {"export", Command::Export, 1, 1, ""},
    {"import", Command::Import, 1, 1, "profiles dry-run"},
    {"rule list", Command::RuleList, 0, 0, ""},
    {"rule add", Command::RuleAdd, 1, 2, "otherwise dry-run"},
    {"rule remove", Command::RuleRemove, 0, 1, "otherwise dry-run"},
    {"rule on", Command::RuleOn, 0, 0, "dry-run"},
    {"rule off", Command::RuleOff, 0, 0, "dry-run"},
    {"__complete", Command::Complete, 1, 2, ""},
};

// Each command's own help: what `kxctl help COMMAND` and `kxctl COMMAND --help` print.
struct CommandHelp {
    const char* name;
    const char* text;
};
constexpr CommandHelp kHelp[] = {
    {"help", QT_TRANSLATE_NOOP(
                 "KxCtl", "kxctl help [COMMAND]\n  How to use kxctl, or one of its commands.\n")},
    {"list",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl [--json] list\n  The attached mice, each with its USB location and the profile it "
         "reports\n  as active. None attached is an empty list.\n")},
    {"show",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl [--json] show [--profile N | --all]\n  The settings and the buttons of the "
         "active profile, of profile N (1..5), or\n  of all five, as the mouse holds them.\n")},
    {"profile",
     QT_TRANSLATE_NOOP("KxCtl",
                       "kxctl profile [--dry-run] N\n  Makes profile N (1..5) the active one.\n")},
    {"dpi",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl dpi [--profile N] [--dry-run] STAGE VALUE\n  Sets the DPI of stage STAGE (1..4) "
         "to VALUE (100..3500, in steps of 100).\n  The mouse keeps one set of stages for all "
         "its profiles.\n")},
    {"stage",
     QT_TRANSLATE_NOOP("KxCtl",
                       "kxctl stage [--dry-run] N\n  Makes DPI stage N (1..4) the active one.\n")},
    {"rate", QT_TRANSLATE_NOOP(
                 "KxCtl", "kxctl rate [--dry-run] 125|500|1000\n  Sets the polling rate in Hz.\n")},
    {"light",
     QT_TRANSLATE_NOOP(
         "KxCtl", "kxctl light [--dry-run] logo|wheel on|off\n  Switches the logo's or the wheel's "
                  "light.\n")},
    {"button",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl button [--profile N] [--dry-run] B ACTION\n  Sets what button B does (1..5, "
         "or left, right, middle, side1, side2), in\n  the active profile or profile N. "
         "ACTION is one of:\n    default                the profile's built-in function\n"
         "    function NAME          a function of the catalogue (\"Left Click\", \"F5\")\n"
         "    macro NAME [--mode once|repeat N|hold|toggle]\n"
         "                           a macro of the library\n"
         "    launch PATH|APP-ID     an application: a file, or an installed one's id\n")},
    {"macro",
     QT_TRANSLATE_NOOP(
         "KxCtl", "kxctl macro list|show|import|export ...\n  The macro library: kxctl help macro "
                  "list, and so on.\n")},
    {"macro list",
     QT_TRANSLATE_NOOP("KxCtl", "kxctl [--json] macro list\n  The macros of the library.\n")},
    {"macro show",
     QT_TRANSLATE_NOOP("KxCtl", "kxctl [--json] macro show NAME\n  A macro's steps.\n")},
    {"macro import",
     QT_TRANSLATE_NOOP("KxCtl",
                       "kxctl macro import [--dry-run] FILE.mac\n  Adds a macro file to the "
                       "library, named by the file.\n")},
    {"macro export",
     QT_TRANSLATE_NOOP(
         "KxCtl", "kxctl macro export NAME FILE.mac\n  Saves a macro as a file (- for standard "
                  "output).\n")},
    {"export",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl export FILE\n  The whole set-up as a file: a file is replaced whole; a FIFO, "
         "a terminal or\n  /dev/stdout is written as it is; - is standard output.\n")},
    {"import",
     QT_TRANSLATE_NOOP(
         "KxCtl", "kxctl import [--profiles 1,3] [--dry-run] FILE\n  Writes a set-up file into the "
                  "mouse, all of it or the profiles named\n  (- reads standard input); --dry-run "
                  "prints what would change.\n")},
    {"rule", QT_TRANSLATE_NOOP(
                 "KxCtl", "kxctl rule list|add|remove|on|off ...\n  The application rules: the "
                          "profile follows the application in front.\n  kxctl help rule add, and "
                          "so on.\n")},
    {"rule list",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl [--json] rule list\n  The application rules, whether they are on, and whether "
         "this desktop tells\n  the application in front (asked of the running daemon).\n")},
    {"rule add",
     QT_TRANSLATE_NOOP(
         "KxCtl",
         "kxctl rule add [--dry-run] APP PROFILE\nkxctl rule add [--dry-run] --otherwise "
         "PROFILE\n  Uses profile PROFILE (1..5) while APP is in front, or while no rule's "
         "application\n  is. APP is an installed application's id (org.gimp.GIMP), its name, "
         "or a\n  window class.\n")},
    {"rule remove",
     QT_TRANSLATE_NOOP("KxCtl", "kxctl rule remove [--dry-run] APP\nkxctl rule remove [--dry-run] "
                                "--otherwise\n  Removes APP's rule, or the rule for every other "
                                "application (the profile\n  then stays as it is).\n")},
    {"rule on", QT_TRANSLATE_NOOP("KxCtl", "kxctl rule on|off [--dry-run]\n  Switches all "
                                           "the application rules on or off.\n")},
    {"rule off", QT_TRANSLATE_NOOP("KxCtl", "kxctl rule on|off [--dry-run]\n  Switches all "
                                            "the application rules on or off.\n")},
};

bool allows(const CommandSpec& spec, const char* option) {
    return QString::fromLatin1(spec.options)
        .split(QLatin1Char(' '))
        .contains(QLatin1String(option));
}

} // namespace

std::optional<int> wholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value;
    // A number too large for any range: the largest, so that the command refuses it as out of
    // range rather than as not a number.
    return text.startsWith(QLatin1Char('-')) ? std::numeric_limits<int>::min()
                                             : std::numeric_limits<int>::max();
}

QString usage() {
    //: kxctl's help. Commands, options and the words in capitals (N, NAME, FILE) are typed as
    //: they are; keep them, and keep the columns lined up.
    return QCoreApplication::translate(
        "KxCtl",
        "Usage: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...\n"
        "The Kestrix mouse from a terminal: the same profiles, buttons, macros and settings\n"
        "as the configuration window, written through the same paced operations and read back.\n"
        "\n"
        "Commands:\n"
        "  list                           the attached mice\n"
        "  show [--profile N | --all]     settings and buttons as the mouse holds them\n"
        "  profile N                      make profile N (1..5) the active one\n"
        "  dpi [--profile N] STAGE VALUE  set the DPI of stage 1..4 (100..3500, steps of 100)\n"
        "  stage N                        make DPI stage N (1..4) the active one\n"
        "  rate 125|500|1000              set the polling rate in Hz\n"
        "  light logo|wheel on|off        switch a light\n"
        "  button [--profile N] B ACTION  set what button B (1..5, left, right, middle, side1,\n"
        "                                 side2) does; ACTION is one of\n"
        "      default                    the profile's built-in function for it\n"
        "      function NAME              a function of the catalogue (\"Left Click\", \"F5\")\n"
        "      macro NAME [--mode once|repeat N|hold|toggle]\n"
        "                                 a macro of the library, run once (default), N times,\n"
        "                                 while held, or until pressed again\n"
        "      launch PATH|APP-ID         an application: a file, or an installed\n"
        "                                 application's id (org.example.App.desktop)\n"
        "  macro list                     the macro library\n"
        "  macro show NAME                a macro's steps\n"
        "  macro import FILE.mac          add a macro file to the library, named by the file\n"
        "  macro export NAME FILE.mac     save a macro as a file\n"
        "  export FILE                    the whole set-up as a file (- for standard output)\n"
        "  import FILE [--profiles 1,3] [--dry-run]\n"
        "                                 write a set-up file into the mouse (- for standard\n"
        "                                 input); --dry-run prints what would change\n"
        "  rule list                      the application rules (no mouse needed)\n"
        "  rule add APP PROFILE           use PROFILE (1..5) while APP is in front\n"
        "  rule add --otherwise PROFILE   use PROFILE while no rule's application is\n"
        "  rule remove APP | --otherwise  remove a rule\n"
        "  rule on|off                    switch all the application rules\n"
        "\n"
        "Options:\n"
        "  --json       output as JSON (see the kxctl(1) manual)\n"
        "  --wait       wait for the configuration window to close instead of refusing\n"
        "  --dry-run    with a command that writes: print what would change, write nothing\n"
        "  --device M   the mouse to use when more than one is attached: its number, location\n"
        "               or serial number, as kxctl list shows them\n"
        "  --verbose    the programs' log lines on standard error\n"
        "  --help, -h   this help; after a command, that command's (also: kxctl help COMMAND)\n"
        "  --version, -V\n"
        "\n"
        "Names are matched whole and regardless of case. Exit status: 0 done, 1 refused or\n"
        "failed (with a message), 2 bad usage, 3 no mouse.\n");
}

std::optional<QString> commandHelp(const QStringList& words) {
    if (words.isEmpty())
        return usage();
    const QString name = words.join(QLatin1Char(' '));
    for (const CommandHelp& help : kHelp)
        if (name == QLatin1String(help.name))
            return QCoreApplication::translate("KxCtl", help.text);
    return std::nullopt;
}

Parsed parse(const QStringList& arguments) {
    Parsed result;
    Invocation invocation;
    QStringList words;
    bool endOfOptions = false;
    QStringList optionsSeen;
    bool helpAsked = false; // --help after a command asks for that command's
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto next = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (endOfOptions || !argument.startsWith(QLatin1String("--")) ||
            argument == QLatin1String("-")) {
            if (argument == QLatin1String("-h") && !endOfOptions) {
                helpAsked = true;
                continue;
            }
            if (argument == QLatin1String("-V") && !endOfOptions) {
                invocation.command = Command::Version;
                result.invocation = invocation;
                return result;
            }
            words << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            endOfOptions = true;
        } else if (argument == QLatin1String("--help")) {
            helpAsked = true;
        } else if (argument == QLatin1String("--version")) {
            invocation.command = Command::Version;
            result.invocation = invocation;
            return result;
        } else if (argument == QLatin1String("--json")) {
            invocation.json = true;
        } else if (argument == QLatin1String("--wait")) {
            invocation.wait = true;
        } else if (argument == QLatin1String("--verbose")) {
            invocation.verbose = true;
        } else if (argument == QLatin1String("--device")) {
            const auto value = next();
            if (!value || value->isEmpty()) {
                result.error = QCoreApplication::translate(
                    "KxCtl", "--device takes a mouse: its number, location or "
                             "serial number as kxctl list shows them");
                return result;
            }
            invocation.device = *value;
        } else if (argument == QLatin1String("--all")) {
            invocation.all = true;
            optionsSeen << QStringLiteral("all");
        } else if (argument == QLatin1String("--otherwise")) {
            invocation.otherwise = true;
            optionsSeen << QStringLiteral("otherwise");
        } else if (argument == QLatin1String("--dry-run")) {
            invocation.dryRun = true;
            optionsSeen << QStringLiteral("dry-run");
        } else if (argument == QLatin1String("--profile")) {
            const auto value = next();
            if (!value || !wholeNumber(*value)) {
                result.error = QCoreApplication::translate(
                    "KxCtl", "--profile takes a profile number, 1 to 5");
                return result;
            }
            invocation.profile = wholeNumber(*value);
            optionsSeen << QStringLiteral("profile");
        } else if (argument == QLatin1String("--profiles")) {
            const auto value = next();
            QList<int> numbers;
            for (const QString& part :
                 value.value_or(QString()).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const auto n = wholeNumber(part.trimmed());
                if (!n) {
                    numbers.clear();
                    break;
                }
                numbers << *n;
            }
            if (numbers.isEmpty()) {
                result.error = QCoreApplication::translate(
                    "KxCtl", "--profiles takes profile numbers, as in 1,3");
                return result;
            }
            invocation.profiles = numbers;
            optionsSeen << QStringLiteral("profiles");
        } else if (argument == QLatin1String("--mode")) {
            const auto value = next();
            const auto mode = value ? KxSetup::runModeFromName(*value) : std::nullopt;
            if (!mode) {
                result.error = QCoreApplication::translate(
                    "KxCtl", "--mode takes once, repeat N, hold or toggle");
                return result;
            }
            invocation.mode = mode;
            if (*mode == KxSetup::RunMode::Repeat) {
                const auto count = next();
                if (!count || !wholeNumber(*count)) {
                    result.error =
                        QCoreApplication::translate("KxCtl", "--mode repeat takes a count, as in "
                                                             "--mode repeat 3");
                    return result;
                }
                invocation.count = wholeNumber(*count);
            }
            optionsSeen << QStringLiteral("mode");
        } else {
            result.error = QCoreApplication::translate("KxCtl", "unknown option %1").arg(argument);
            return result;
        }
    }
    if (helpAsked || (!words.isEmpty() && words.first() == QLatin1String("help"))) {
        invocation.command = Command::Help;
        invocation.name = QStringLiteral("help");
        invocation.words = helpAsked ? words : words.mid(1);
        // "button 2 --help" asks for button's help.
        while (!invocation.words.isEmpty() && !commandHelp(invocation.words) &&
               invocation.words.size() > 1)
            invocation.words.removeLast();
        if (!commandHelp(invocation.words)) {
            result.error = QCoreApplication::translate("KxCtl", "there is no command %1")
                               .arg(invocation.words.join(' '));
            return result;
        }
        result.invocation = invocation;
        return result;
    }
    if (words.isEmpty()) {
        result.error = QCoreApplication::translate("KxCtl", "no command given");
        return result;
    }
    const CommandSpec* spec = nullptr;
    for (const CommandSpec& candidate : kCommands) {
        const QStringList name = QString::fromLatin1(candidate.name).split(QLatin1Char(' '));
        if (words.size() >= name.size() && words.mid(0, name.size()) == name) {
            spec = &candidate;
            break;
        }
    }
    if (!spec) {
        result.error =
            words.first() == QLatin1String("macro")
                ? QCoreApplication::translate("KxCtl", "macro takes list, show, import or export")
            : words.first() == QLatin1String("rule")
                ? QCoreApplication::translate("KxCtl", "rule takes list, add, remove, on or off")
                : QCoreApplication::translate("KxCtl", "unknown command %1").arg(words.first());
        return result;
    }
    invocation.command = spec->command;
    invocation.name = QString::fromLatin1(spec->name);
    invocation.words = words.mid(invocation.name.count(QLatin1Char(' ')) + 1);
    for (const QString& option : std::as_const(optionsSeen)) {
        if (!allows(*spec, option.toLatin1().constData())) {
            result.error = QCoreApplication::translate("KxCtl", "%1 does not take --%2")
                               .arg(invocation.name, option);
            return result;
        }
    }
    if (invocation.words.size() < spec->minWords || invocation.words.size() > spec->maxWords) {
        result.error =
            invocation.words.size() < spec->minWords
                ? QCoreApplication::translate("KxCtl", "%1: too few arguments").arg(invocation.name)
                : QCoreApplication::translate("KxCtl", "%1: too many arguments")
                      .arg(invocation.name);
        return result;
    }
    // rule add APP PROFILE | --otherwise PROFILE; rule remove APP | --otherwise.
    if (spec->command == Command::RuleAdd &&
        invocation.words.size() != (invocation.otherwise ? 1 : 2)) {
        result.error = QCoreApplication::translate(
            "KxCtl", "rule add takes APP PROFILE, or --otherwise PROFILE");
        return result;
    }
    if (spec->command == Command::RuleRemove &&
        invocation.words.size() != (invocation.otherwise ? 0 : 1)) {
        result.error =
            QCoreApplication::translate("KxCtl", "rule remove takes APP, or --otherwise");
        return result;
    }
    if (invocation.all && invocation.profile) {
        result.error =
            QCoreApplication::translate("KxCtl", "show takes --profile N or --all, not both");
        return result;
    }
    if (invocation.mode &&
        (invocation.words.size() < 2 || invocation.words[1].toLower() != QLatin1String("macro"))) {
        result.error = QCoreApplication::translate("KxCtl", "--mode goes with button B macro NAME");
        return result;
    }
    result.invocation = invocation;
    return result;
}

} // namespace KxCtl
