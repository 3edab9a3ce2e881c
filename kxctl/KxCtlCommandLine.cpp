#include "KxCtlCommandLine.h"

namespace KxCtl {

namespace {

struct CommandSpec {
    const char* name; // one or two words
    Command command;
    int minWords;
    int maxWords;
    const char* options; // command options allowed, as "profile all mode profiles dry-run"
};

constexpr CommandSpec kCommands[] = {
    {"help", Command::Help, 0, 0, ""},
    {"list", Command::List, 0, 0, ""},
    {"show", Command::Show, 0, 0, "profile all"},
    {"profile", Command::Profile, 1, 1, ""},
    {"dpi", Command::Dpi, 2, 2, "profile"},
    {"stage", Command::Stage, 1, 1, ""},
    {"rate", Command::Rate, 1, 1, ""},
    {"light", Command::Light, 2, 2, ""},
    {"button", Command::Button, 2, 3, "profile mode"},
    {"macro list", Command::MacroList, 0, 0, ""},
    {"macro show", Command::MacroShow, 1, 1, ""},
    {"macro import", Command::MacroImport, 1, 1, ""},
    {"macro export", Command::MacroExport, 2, 2, ""},
    {"export", Command::Export, 1, 1, ""},
    {"import", Command::Import, 1, 1, "profiles dry-run"},
    {"__complete", Command::Complete, 1, 2, ""},
};

bool allows(const CommandSpec& spec, const char* option) {
    return QString::fromLatin1(spec.options)
        .split(QLatin1Char(' '))
        .contains(QLatin1String(option));
}

} // namespace

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString usage() {
    return QStringLiteral(
        "Usage: kxctl [--json] [--wait] [--verbose] COMMAND ...\n"
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
        "\n"
        "Options:\n"
        "  --json       output as JSON (see the kxctl(1) manual)\n"
        "  --wait       wait for the configuration window to close instead of refusing\n"
        "  --verbose    the programs' log lines on standard error\n"
        "  --help, --version\n"
        "\n"
        "Names are matched whole and regardless of case. Exit status: 0 done, 1 refused or\n"
        "failed (with a message), 2 bad usage, 3 no mouse.\n");
}

Parsed parse(const QStringList& arguments) {
    Parsed result;
    Invocation invocation;
    QStringList words;
    bool endOfOptions = false;
    QStringList optionsSeen;
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
                invocation.command = Command::Help;
                result.invocation = invocation;
                return result;
            }
            words << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            endOfOptions = true;
        } else if (argument == QLatin1String("--help")) {
            invocation.command = Command::Help;
            result.invocation = invocation;
            return result;
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
        } else if (argument == QLatin1String("--all")) {
            invocation.all = true;
            optionsSeen << QStringLiteral("all");
        } else if (argument == QLatin1String("--dry-run")) {
            invocation.dryRun = true;
            optionsSeen << QStringLiteral("dry-run");
        } else if (argument == QLatin1String("--profile")) {
            const auto value = next();
            if (!value || !wholeNumber(*value)) {
                result.error = QStringLiteral("--profile takes a profile number, 1 to 5");
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
                result.error = QStringLiteral("--profiles takes profile numbers, as in 1,3");
                return result;
            }
            invocation.profiles = numbers;
            optionsSeen << QStringLiteral("profiles");
        } else if (argument == QLatin1String("--mode")) {
            const auto value = next();
            const auto mode = value ? KxSetup::runModeFromName(*value) : std::nullopt;
            if (!mode) {
                result.error = QStringLiteral("--mode takes once, repeat N, hold or toggle");
                return result;
            }
            invocation.mode = mode;
            if (*mode == KxSetup::RunMode::Repeat) {
                const auto count = next();
                if (!count || !wholeNumber(*count)) {
                    result.error = QStringLiteral("--mode repeat takes a count, as in "
                                                  "--mode repeat 3");
                    return result;
                }
                invocation.count = wholeNumber(*count);
            }
            optionsSeen << QStringLiteral("mode");
        } else {
            result.error = QStringLiteral("unknown option %1").arg(argument);
            return result;
        }
    }
    if (words.isEmpty()) {
        result.error = QStringLiteral("no command given");
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
        result.error = words.first() == QLatin1String("macro")
                           ? QStringLiteral("macro takes list, show, import or export")
                           : QStringLiteral("unknown command %1").arg(words.first());
        return result;
    }
    invocation.command = spec->command;
    invocation.name = QString::fromLatin1(spec->name);
    invocation.words = words.mid(invocation.name.count(QLatin1Char(' ')) + 1);
    for (const QString& option : std::as_const(optionsSeen)) {
        if (!allows(*spec, option.toLatin1().constData())) {
            result.error = QStringLiteral("%1 does not take --%2").arg(invocation.name, option);
            return result;
        }
    }
    if (invocation.words.size() < spec->minWords || invocation.words.size() > spec->maxWords) {
        result.error = invocation.words.size() < spec->minWords
                           ? QStringLiteral("%1: too few arguments").arg(invocation.name)
                           : QStringLiteral("%1: too many arguments").arg(invocation.name);
        return result;
    }
    if (invocation.all && invocation.profile) {
        result.error = QStringLiteral("show takes --profile N or --all, not both");
        return result;
    }
    if (invocation.mode &&
        (invocation.words.size() < 2 || invocation.words[1].toLower() != QLatin1String("macro"))) {
        result.error = QStringLiteral("--mode goes with button B macro NAME");
        return result;
    }
    result.invocation = invocation;
    return result;
}

} // namespace KxCtl
