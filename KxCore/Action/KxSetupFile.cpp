#include "KxSetupFile.h"

#include "HvKey.h"
#include "KxProtocol.h"
#include "KxRecords.h"
#include "KxValues.h"
#include "Workspace/OutputTarget.h"
#include "Workspace/RegularFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace KxSetup {

namespace {

constexpr const char* kButtonKeys[] = {"left", "right", "middle", "side1", "side2"};
constexpr const char* kKinds[] = {"function", "record", "macro", "launch", "device"};
constexpr const char* kRunModes[] = {"once", "repeat", "hold", "toggle"};
constexpr const char* kActions[] = {"press", "release", "insert", "mouse-down", "mouse-up"};
constexpr const char* kMouseButtons[] = {"left", "right", "middle"};
constexpr int kMaxKeyCode = 0xFFFF; // key events carry 16 bits
constexpr int kMaxInfoLength = 200; // texts written for a reader only

template <size_t N>
int indexOf(const char* const (&names)[N], const QString& name) {
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return -1;
}

template <size_t N>
QString oneOf(const char* const (&names)[N]) {
    QStringList list;
    for (const char* name : names)
        list << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    return list.join(QStringLiteral(", "));
}

// The first problem met while reading; every later one is ignored.
struct Problems {
    std::optional<Error> first;
    bool fail(const QString& field, const QString& reason) {
        if (!first)
            first = Error{field, reason};
        return false;
    }
    bool failed() const { return first.has_value(); }
};

// Records the problem and gives the "nothing read" of any field.
std::nullopt_t refuse(Problems& problems, const QString& field, const QString& reason) {
    problems.fail(field, reason);
    return std::nullopt;
}

QString member(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString element(const QString& path, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

// What a field holds instead, for "must be a number, not %1"; null is JSON's word.
QString jsonKind(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        //: What a field of a set-up file holds, in "must be a number, not %1"; true and false
        //: are JSON's words.
        return QCoreApplication::translate("KxSetupFile", "true or false");
    case QJsonValue::Double:
        return QCoreApplication::translate("KxSetupFile", "a number");
    case QJsonValue::String:
        //: What a field of a set-up file holds, in "must be a number, not %1".
        return QCoreApplication::translate("KxSetupFile", "text");
    case QJsonValue::Array:
        return QCoreApplication::translate("KxSetupFile", "a list");
    case QJsonValue::Object:
        return QCoreApplication::translate("KxSetupFile", "an object");
    default:
        return QCoreApplication::translate("KxSetupFile", "nothing");
    }
}

// One JSON object read field by field: each field is taken once, and a field nobody took is an
// error (a misspelt name would otherwise be dropped without a word).
class Fields {
public:
    Fields(const QJsonObject& object, QString path, Problems& problems)
        : object_(object), path_(std::move(path)), problems_(problems) {}

    QString path(const QString& key) const { return member(path_, key); }

    std::optional<QJsonValue> value(const QString& key, bool required) {
        used_.insert(key);
        const auto it = object_.find(key);
        if (it == object_.end() || it->isUndefined()) {
            //: Said of a field of a set-up file, after its name ("settings.lights: is
            //: missing"); so are the other texts that start with a verb.
            if (required)
                problems_.fail(path(key), QCoreApplication::translate("KxSetupFile", "is missing"));
            return std::nullopt;
        }
        return *it;
    }

    std::optional<int> integer(const QString& key, int min, int max, bool required) {
        const auto v = value(key, required);
        if (!v)
            return std::nullopt;
        const auto number = kxArchiveInt(*v);
        if (!number) {
            problems_.fail(
                path(key),
                v->isDouble()
                    ? QCoreApplication::translate("KxSetupFile", "must be a whole number")
                    : QCoreApplication::translate("KxSetupFile", "must be a number, not %1")
                          .arg(jsonKind(*v)));
            return std::nullopt;
        }
        if (*number < min || *number > max) {
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "%1 is not within %2..%3")
                               .arg(*number)
                               .arg(min)
                               .arg(max));
            return std::nullopt;
        }
        return *number;
    }

    // Text of at most maxLength characters, without control characters.
    std::optional<QString> text(const QString& key, int maxLength, bool required) {
        const auto v = value(key, required);
        if (!v)
            return std::nullopt;
        if (!v->isString()) {
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "must be text, not %1")
                               .arg(jsonKind(*v)));
            return std::nullopt;
        }
        const QString s = v->toString();
        if (const int length = characterCount(s); length > maxLength) {
            problems_.fail(path(key), QCoreApplication::translate(
                                          "KxSetupFile", "is %1 characters long, at most %2")
                                          .arg(length)
                                          .arg(maxLength));
            return std::nullopt;
        }
        if (hasControlCharacters(s)) {
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "holds control characters"));
            return std::nullopt;
        }
        return s;
    }

    // Text that must be one of the names.
    template <size_t N>
    std::optional<int> choice(const QString& key, const char* const (&names)[N], bool required) {
        const auto s = text(key, 32, required);
        if (!s)
            return std::nullopt;
        const int index = indexOf(names, *s);
        if (index < 0)
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "\"%1\" is not one of %2")
                               .arg(*s, oneOf(names)));
        return index < 0 ? std::nullopt : std::optional<int>(index);
    }

    std::optional<bool> boolean(const QString& key, bool required) {
        const auto v = value(key, required);
        if (!v)
            return std::nullopt;
        if (!v->isBool()) {
            problems_.fail(path(key), QCoreApplication::translate("KxSetupFile",
                                                                  "must be true or false, not %1")
                                          .arg(jsonKind(*v)));
            return std::nullopt;
        }
        return v->toBool();
    }

    std::optional<QJsonArray> array(const QString& key, qsizetype min, qsizetype max,
                                    bool required) {
        const auto v = value(key, required);
        if (!v)
            return std::nullopt;
        if (!v->isArray()) {
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "must be a list, not %1")
                               .arg(jsonKind(*v)));
            return std::nullopt;
        }
        const QJsonArray a = v->toArray();
        if (a.size() < min || a.size() > max) {
            problems_.fail(
                path(key),
                min == max
                    ? QCoreApplication::translate("KxSetupFile", "holds %1 entries, not %2")
                          .arg(a.size())
                          .arg(min)
                    : QCoreApplication::translate("KxSetupFile", "holds %1 entries, %2..%3 allowed")
                          .arg(a.size())
                          .arg(min)
                          .arg(max));
            return std::nullopt;
        }
        return a;
    }

    std::optional<QJsonObject> object(const QString& key, bool required) {
        const auto v = value(key, required);
        if (!v)
            return std::nullopt;
        if (!v->isObject()) {
            problems_.fail(path(key),
                           QCoreApplication::translate("KxSetupFile", "must be an object, not %1")
                               .arg(jsonKind(*v)));
            return std::nullopt;
        }
        return v->toObject();
    }

    // After every field was taken: the first one nobody asked for is an error.
    bool done() {
        if (problems_.failed())
            return false;
        for (auto it = object_.begin(); it != object_.end(); ++it)
            if (!used_.contains(it.key()))
                return problems_.fail(
                    path(it.key()),
                    QCoreApplication::translate("KxSetupFile", "is not a field of a set-up file"));
        return true;
    }

private:
    const QJsonObject& object_;
    QString path_;
    Problems& problems_;
    QSet<QString> used_;
};

// An element of a list that must be an object.
std::optional<QJsonObject> objectAt(const QJsonArray& array, qsizetype i, const QString& path,
                                    Problems& problems) {
    if (!array[i].isObject()) {
        problems.fail(element(path, i),
                      QCoreApplication::translate("KxSetupFile", "must be an object, not %1")
                          .arg(jsonKind(array[i])));
        return std::nullopt;
    }
    return array[i].toObject();
}

std::optional<Settings> readSettings(const QJsonObject& object, const QString& path,
                                     Problems& problems) {
    Fields fields(object, path, problems);
    Settings settings;
    if (const auto stages = fields.array(QStringLiteral("dpiStages"), kStages, kStages, true)) {
        for (qsizetype i = 0; i < kStages; ++i) {
            const QString at = element(fields.path(QStringLiteral("dpiStages")), i);
            const auto dpi = kxArchiveInt(stages->at(i));
            if (!dpi)
                return refuse(
                    problems, at,
                    QCoreApplication::translate("KxSetupFile", "must be a whole number of DPI"));
            if (*dpi < kMinDpi || *dpi > kMaxDpi || *dpi % kDpiStep != 0)
                return refuse(problems, at,
                              QCoreApplication::translate("KxSetupFile",
                                                          "%1 DPI: the mouse takes %2..%3 in steps "
                                                          "of %4")
                                  .arg(*dpi)
                                  .arg(kMinDpi)
                                  .arg(kMaxDpi)
                                  .arg(kDpiStep));
            settings.dpi[size_t(i)] = *dpi;
        }
    }
    if (const auto stage = fields.integer(QStringLiteral("activeStage"), 1, kStages, true))
        settings.activeStage = *stage - 1;
    if (const auto rate = fields.integer(QStringLiteral("pollingRate"), 1, 100000, true)) {
        if (std::find(std::begin(kPollingRatesHz), std::end(kPollingRatesHz), *rate) ==
            std::end(kPollingRatesHz))
            return refuse(problems, fields.path(QStringLiteral("pollingRate")),
                          QCoreApplication::translate(
                              "KxSetupFile", "%1 Hz: the mouse runs at 125, 500 or 1000 Hz")
                              .arg(*rate));
        settings.rateHz = *rate;
    }
    if (const auto lights = fields.object(QStringLiteral("lights"), true)) {
        Fields light(*lights, fields.path(QStringLiteral("lights")), problems);
        settings.logoLight = light.boolean(QStringLiteral("logo"), true).value_or(false);
        settings.wheelLight = light.boolean(QStringLiteral("wheel"), true).value_or(false);
        light.done();
    }
    if (!fields.done())
        return std::nullopt;
    return settings;
}

std::optional<Desktop> readDesktop(const QJsonObject& object, const QString& path,
                                   Problems& problems) {
    Fields fields(object, path, problems);
    Desktop desktop;
    desktop.pointerSpeed =
        fields.integer(QStringLiteral("pointerSpeed"), kMinSpeed, kMaxSpeed, true).value_or(0);
    desktop.scrollSpeed =
        fields.integer(QStringLiteral("scrollSpeed"), kMinSpeed, kMaxSpeed, true).value_or(0);
    desktop.doubleClickSpeed =
        fields.integer(QStringLiteral("doubleClickSpeed"), kMinSpeed, kMaxSpeed, true).value_or(0);
    if (!fields.done())
        return std::nullopt;
    return desktop;
}

bool isDesktopEntryId(const QString& id) {
    return id.endsWith(QLatin1String(".desktop")) && id.size() > 8 &&
           !id.contains(QLatin1Char('/'));
}

std::optional<Button> readButton(const QJsonObject& object, const QString& path, int* index,
                                 Problems& problems) {
    Fields fields(object, path, problems);
    Button button;
    button.where = path;
    const auto key = fields.choice(QStringLiteral("button"), kButtonKeys, true);
    const auto kind = fields.choice(QStringLiteral("kind"), kKinds, true);
    if (!key || !kind)
        return std::nullopt;
    *index = *key;
    button.kind = Button::Kind(*kind);
    switch (button.kind) {
    case Button::Kind::Function: {
        const auto name = fields.text(QStringLiteral("function"), kMaxFunctionNameLength, true);
        if (name && name->trimmed().isEmpty())
            return refuse(problems, fields.path(QStringLiteral("function")),
                          QCoreApplication::translate("KxSetupFile", "is empty"));
        button.function = name.value_or(QString());
        button.functionId = fields.integer(QStringLiteral("functionId"), 0, 0xFFFF, false);
        break;
    }
    case Button::Kind::Record: {
        button.table = uint32_t(
            fields
                .integer(QStringLiteral("table"), KxFuncTable::kFirmware, KxFuncTable::kKeys, true)
                .value_or(KxFuncTable::kKeys));
        const auto keys =
            fields.array(QStringLiteral("keys"), 1, button.table == KxFuncTable::kFirmware ? 1 : 4,
                         !problems.failed());
        for (qsizetype i = 0; keys && i < keys->size(); ++i) {
            const auto code = kxArchiveInt(keys->at(i));
            if (!code || *code < 1 || *code > 255)
                return refuse(
                    problems, element(fields.path(QStringLiteral("keys")), i),
                    QCoreApplication::translate("KxSetupFile", "must be a code of 1..255"));
            button.keys.append(uint8_t(*code));
        }
        break;
    }
    case Button::Kind::Macro: {
        const auto name = fields.text(QStringLiteral("macro"), kMaxMacroNameLength, true);
        button.macro = name.value_or(QString());
        const auto mode = fields.choice(QStringLiteral("mode"), kRunModes, true);
        button.mode = RunMode(mode.value_or(0));
        button.count =
            uint32_t(fields.integer(QStringLiteral("count"), 0, kMaxCount, false).value_or(0));
        if (button.mode == RunMode::Repeat && button.count == 0 && !problems.failed())
            return refuse(problems, fields.path(QStringLiteral("count")),
                          QCoreApplication::translate("KxSetupFile",
                                                      "a macro that repeats needs a count of 1..%1")
                              .arg(kMaxCount));
        break;
    }
    case Button::Kind::Launch: {
        const auto launchPath = fields.text(QStringLiteral("path"), 4096, false);
        const auto entry = fields.text(QStringLiteral("desktopEntry"), kMaxPathBytes, false);
        if (launchPath && entry)
            return refuse(problems, path,
                          QCoreApplication::translate("KxSetupFile",
                                                      "a launcher has a path or a desktopEntry, "
                                                      "not both"));
        if (launchPath) {
            const QByteArray utf8 = launchPath->toUtf8();
            if (!launchPath->startsWith(QLatin1Char('/')))
                return refuse(
                    problems, fields.path(QStringLiteral("path")),
                    QCoreApplication::translate("KxSetupFile", "must be an absolute path"));
            if (utf8.size() > kMaxPathBytes || utf8.contains('\0'))
                return refuse(problems, fields.path(QStringLiteral("path")),
                              QCoreApplication::translate(
                                  "KxSetupFile", "is %1 bytes long; the mouse's profile keeps "
                                                 "%2 at most")
                                  .arg(utf8.size())
                                  .arg(kMaxPathBytes));
            button.path = *launchPath;
        }
        if (entry) {
            if (!isDesktopEntryId(*entry))
                return refuse(problems, fields.path(QStringLiteral("desktopEntry")),
                              QCoreApplication::translate("KxSetupFile",
                                                          "must be an application's id, such as "
                                                          "\"org.example.App.desktop\""));
            button.desktopEntry = *entry;
        }
        if (const auto code = fields.integer(QStringLiteral("code"), KxProtocol::kFirstLaunchCode,
                                             KxProtocol::kLastLaunchCode, false))
            button.launchCode = uint8_t(*code);
        break;
    }
    case Button::Kind::Device:
        button.table = uint32_t(fields
                                    .integer(QStringLiteral("table"), KxFuncTable::kTKey,
                                             KxFuncTable::kMiddleButtonWin, true)
                                    .value_or(0));
        button.function = fields.text(QStringLiteral("function"), kMaxFunctionNameLength, false)
                              .value_or(QString());
        break;
    }
    if (!fields.done())
        return std::nullopt;
    return button;
}

std::optional<MacroStep> readStep(const QJsonObject& object, const QString& path,
                                  Problems& problems) {
    Fields fields(object, path, problems);
    MacroStep step;
    step.where = path;
    const auto action = fields.choice(QStringLiteral("action"), kActions, true);
    if (!action)
        return std::nullopt;
    step.action = MacroStep::Action(*action);
    switch (step.action) {
    case MacroStep::Action::Press:
    case MacroStep::Action::Release:
        step.key = fields.integer(QStringLiteral("key"), 0, kMaxKeyCode, true).value_or(0);
        fields.text(QStringLiteral("keyName"), 64, false); // for a reader; the code decides
        step.deviceCode = fields.integer(QStringLiteral("deviceCode"), 0, 0xFF, false);
        break;
    case MacroStep::Action::Insert: {
        const auto name = fields.text(QStringLiteral("function"), kMaxFunctionNameLength, true);
        step.function = name.value_or(QString());
        step.functionId = fields.integer(QStringLiteral("functionId"), 0, 0xFFFF, false);
        break;
    }
    case MacroStep::Action::MouseDown:
    case MacroStep::Action::MouseUp:
        step.mouseButton = fields.choice(QStringLiteral("button"), kMouseButtons, true).value_or(0);
        break;
    }
    step.delayMs = fields.integer(QStringLiteral("delayMs"), 0, kMaxDelayMs, false).value_or(0);
    if (!fields.done())
        return std::nullopt;
    return step;
}

std::optional<Macro> readMacro(const QJsonObject& object, const QString& path, Problems& problems) {
    Fields fields(object, path, problems);
    Macro macro;
    macro.where = path;
    const auto name = fields.text(QStringLiteral("name"), kMaxMacroNameLength, true);
    if (name && name->trimmed().isEmpty())
        return refuse(problems, fields.path(QStringLiteral("name")),
                      QCoreApplication::translate("KxSetupFile", "is empty"));
    macro.name = name.value_or(QString());
    macro.loopTime = fields.integer(QStringLiteral("loopTime"), 0, kMaxCount, false).value_or(0);
    const auto steps = fields.array(QStringLiteral("steps"), 1, kMaxSteps, true);
    for (qsizetype i = 0; steps && i < steps->size() && !problems.failed(); ++i) {
        const QString at = element(fields.path(QStringLiteral("steps")), i);
        if (const auto object = objectAt(*steps, i, fields.path(QStringLiteral("steps")), problems))
            if (const auto step = readStep(*object, at, problems))
                macro.steps.append(*step);
    }
    if (!fields.done())
        return std::nullopt;
    return macro;
}

bool readProfiles(const QJsonArray& list, const QString& path, File& file, Problems& problems) {
    std::array<bool, kProfiles> seen{};
    for (qsizetype p = 0; p < list.size(); ++p) {
        const QString at = element(path, p);
        const auto object = objectAt(list, p, path, problems);
        if (!object)
            return false;
        Fields fields(*object, at, problems);
        const auto number = fields.integer(QStringLiteral("profile"), 1, kProfiles, true);
        const auto buttons = fields.array(QStringLiteral("buttons"), kButtons, kButtons, true);
        if (!number || !buttons)
            return false;
        if (seen[size_t(*number - 1)])
            return problems.fail(
                fields.path(QStringLiteral("profile")),
                QCoreApplication::translate("KxSetupFile", "profile %1 appears twice")
                    .arg(*number));
        seen[size_t(*number - 1)] = true;
        std::array<bool, kButtons> seenButton{};
        for (qsizetype b = 0; b < buttons->size(); ++b) {
            const QString buttonPath = element(fields.path(QStringLiteral("buttons")), b);
            const auto buttonObject =
                objectAt(*buttons, b, fields.path(QStringLiteral("buttons")), problems);
            if (!buttonObject)
                return false;
            int index = 0;
            const auto button = readButton(*buttonObject, buttonPath, &index, problems);
            if (!button)
                return false;
            //: %1: the button as the file names it (left, right, middle, side1, side2).
            if (seenButton[size_t(index)])
                return problems.fail(
                    buttonPath + QStringLiteral(".button"),
                    QCoreApplication::translate("KxSetupFile", "the %1 button appears twice")
                        .arg(QLatin1String(kButtonKeys[index])));
            seenButton[size_t(index)] = true;
            file.profiles[size_t(*number - 1)][size_t(index)] = *button;
        }
        if (!fields.done())
            return false;
    }
    return true;
}

// Version 1, the first: what every later version is read into.
std::optional<File> readVersion1(const QJsonObject& top, Problems& problems) {
    Fields fields(top, QString(), problems);
    File file;
    file.version = 1;
    fields.value(QStringLiteral("format"), true);
    fields.value(QStringLiteral("version"), true);
    file.program =
        fields.text(QStringLiteral("program"), kMaxInfoLength, false).value_or(QString());
    file.exported =
        fields.text(QStringLiteral("exported"), kMaxInfoLength, false).value_or(QString());
    file.activeProfile =
        fields.integer(QStringLiteral("activeProfile"), 1, kProfiles, true).value_or(1) - 1;
    if (const auto settings = fields.object(QStringLiteral("settings"), true))
        if (const auto read =
                readSettings(*settings, fields.path(QStringLiteral("settings")), problems))
            file.settings = *read;
    if (const auto desktop = fields.object(QStringLiteral("desktop"), false))
        file.desktop = readDesktop(*desktop, fields.path(QStringLiteral("desktop")), problems);
    if (const auto profiles = fields.array(QStringLiteral("profiles"), kProfiles, kProfiles, true))
        readProfiles(*profiles, fields.path(QStringLiteral("profiles")), file, problems);
    if (const auto macros = fields.array(QStringLiteral("macros"), 0, kMaxMacros, true)) {
        QSet<QString> names;
        for (qsizetype i = 0; i < macros->size() && !problems.failed(); ++i) {
            const QString at = element(fields.path(QStringLiteral("macros")), i);
            const auto object =
                objectAt(*macros, i, fields.path(QStringLiteral("macros")), problems);
            if (!object)
                break;
            const auto macro = readMacro(*object, at, problems);
            if (!macro)
                break;
            const QString folded = macro->name.simplified().toCaseFolded();
            if (names.contains(folded)) {
                problems.fail(at + QStringLiteral(".name"),
                              QCoreApplication::translate(
                                  "KxSetupFile", "another macro of this file is called \"%1\"")
                                  .arg(macro->name));
                break;
            }
            names.insert(folded);
            file.macros.append(*macro);
        }
    }
    if (const auto rules = fields.value(QStringLiteral("appRules"), false)) {
        const KxAppRules::Parsed parsed =
            KxAppRules::fromJson(*rules, fields.path(QStringLiteral("appRules")));
        if (parsed.rules)
            file.appRules = parsed.rules;
        else
            problems.fail(parsed.field, parsed.reason);
    }
    if (!fields.done())
        return std::nullopt;
    // Every macro a button runs is in the file.
    for (int p = 0; p < kProfiles; ++p)
        for (int b = 0; b < kButtons; ++b) {
            const Button& button = file.profiles[size_t(p)][size_t(b)];
            if (button.kind != Button::Kind::Macro)
                continue;
            const QString folded = button.macro.simplified().toCaseFolded();
            if (std::none_of(file.macros.begin(), file.macros.end(), [&](const Macro& m) {
                    return m.name.simplified().toCaseFolded() == folded;
                })) {
                problems.fail(
                    QStringLiteral("profiles[%1].buttons[%2].macro").arg(p).arg(b),
                    QCoreApplication::translate("KxSetupFile", "the file has no macro \"%1\"")
                        .arg(button.macro));
                return std::nullopt;
            }
        }
    return file;
}

// ---- Writing -------------------------------------------------------------------------------

// Keys in the order a reader expects; others follow in alphabetical order.
constexpr const char* kKeyOrder[] = {
    // A file's or an output's head, then its body.
    "format", "version", "command", "ok", "exitCode", "error", "details", "program", "exported",
    "activeProfile", "locked", "settings", "desktop", "profiles", "macros", "appRules", "mice",
    "changes", "written", "dryRun", "file",
    // A profile, a step, a button, a mouse, a change.
    "app", "profile", "active", "action", "button", "index", "kind", "name", "location", "selected",
    "what", "from", "to",
    // What a button does.
    "function", "functionId", "table", "keys", "macro", "mode", "count", "path", "desktopEntry",
    "code", "caption", "inLibrary", "buttons",
    // A macro and its steps.
    "loopTime", "key", "keyName", "deviceCode", "delayMs", "steps", "deviceSteps", "delaysChanged",
    // The settings and the desktop.
    "dpiStages", "activeStage", "pollingRate", "lights", "logo", "wheel", "pointerSpeed",
    "scrollSpeed", "doubleClickSpeed",
    // The application rules.
    "enabled", "otherwise", "rules", "installed", "daemon", "running", "answered", "available"};

int keyRank(const QString& key) {
    const int index = indexOf(kKeyOrder, key);
    return index < 0 ? int(std::size(kKeyOrder)) : index;
}

QStringList orderedKeys(const QJsonObject& object) {
    QStringList keys = object.keys();
    std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
        const int ra = keyRank(a), rb = keyRank(b);
        return ra != rb ? ra < rb : a < b;
    });
    return keys;
}

QByteArray quoted(const QString& text) {
    // QJsonDocument escapes as JSON needs; the array's brackets are cut off.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

bool isPlain(const QJsonValue& value) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        return std::all_of(object.begin(), object.end(),
                           [](const QJsonValue& v) { return !v.isObject() && !v.isArray(); });
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::all_of(array.begin(), array.end(),
                           [](const QJsonValue& v) { return !v.isObject() && !v.isArray(); });
    }
    return true;
}

void writeValue(QByteArray& out, const QJsonValue& value, int depth) {
    const QByteArray indent(4 * (depth + 1), ' ');
    const QByteArray closing(4 * depth, ' ');
    switch (value.type()) {
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        return;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (number == std::floor(number) && std::abs(number) < 1e15)
            out += QByteArray::number(qint64(number));
        else
            out += QByteArray::number(number, 'g', 17);
        return;
    }
    case QJsonValue::String:
        out += quoted(value.toString());
        return;
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        if (array.isEmpty()) {
            out += "[]";
            return;
        }
        const bool oneLine = isPlain(value);
        out += oneLine ? "[" : "[\n";
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!oneLine)
                out += indent;
            // Objects of plain values, each on a line of its own.
            if (!oneLine && isPlain(array[i]) && array[i].isObject()) {
                const QJsonObject object = array[i].toObject();
                out += "{";
                const QStringList keys = orderedKeys(object);
                for (qsizetype k = 0; k < keys.size(); ++k) {
                    out += quoted(keys[k]) + ": ";
                    writeValue(out, object.value(keys[k]), depth + 1);
                    if (k + 1 < keys.size())
                        out += ", ";
                }
                out += "}";
            } else {
                writeValue(out, array[i], depth + 1);
            }
            if (i + 1 < array.size())
                out += oneLine ? ", " : ",\n";
        }
        out += oneLine ? QByteArray("]") : "\n" + closing + "]";
        return;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        if (object.isEmpty()) {
            out += "{}";
            return;
        }
        out += "{\n";
        const QStringList keys = orderedKeys(object);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            out += indent + quoted(keys[k]) + ": ";
            writeValue(out, object.value(keys[k]), depth + 1);
            out += k + 1 < keys.size() ? ",\n" : "\n";
        }
        out += closing + "}";
        return;
    }
    default:
        out += "null";
        return;
    }
}

} // namespace

bool Button::operator==(const Button& o) const {
    return kind == o.kind && function == o.function && functionId == o.functionId &&
           table == o.table && keys == o.keys && macro == o.macro && mode == o.mode &&
           count == o.count && path == o.path && desktopEntry == o.desktopEntry &&
           launchCode == o.launchCode;
}

bool MacroStep::operator==(const MacroStep& o) const {
    return action == o.action && key == o.key && deviceCode == o.deviceCode &&
           function == o.function && functionId == o.functionId && mouseButton == o.mouseButton &&
           delayMs == o.delayMs;
}

bool Macro::operator==(const Macro& o) const {
    return name == o.name && loopTime == o.loopTime && steps == o.steps;
}

QString runModeName(RunMode mode) {
    const int index = int(mode);
    return index >= 0 && index < 4 ? QLatin1String(kRunModes[index]) : QStringLiteral("once");
}

std::optional<RunMode> runModeFromName(const QString& name) {
    const int index = indexOf(kRunModes, name);
    return index < 0 ? std::nullopt : std::optional<RunMode>(RunMode(index));
}

QString mouseButtonName(int32_t button) {
    return button >= 0 && button < 3 ? QLatin1String(kMouseButtons[button]) : QString();
}

QByteArray prettyJson(const QJsonObject& object) {
    QByteArray out;
    writeValue(out, object, 0);
    out += '\n';
    return out;
}

QJsonObject buttonToJson(const Button& button, int index) {
    QJsonObject object;
    object.insert(QStringLiteral("button"), QLatin1String(kButtonKeys[index]));
    object.insert(QStringLiteral("kind"), QLatin1String(kKinds[int(button.kind)]));
    switch (button.kind) {
    case Button::Kind::Function:
        object.insert(QStringLiteral("function"), button.function);
        if (button.functionId)
            object.insert(QStringLiteral("functionId"), *button.functionId);
        break;
    case Button::Kind::Record: {
        object.insert(QStringLiteral("table"), int(button.table));
        QJsonArray keys;
        for (const uint8_t key : button.keys)
            keys.append(int(key));
        object.insert(QStringLiteral("keys"), keys);
        break;
    }
    case Button::Kind::Macro:
        object.insert(QStringLiteral("macro"), button.macro);
        object.insert(QStringLiteral("mode"), runModeName(button.mode));
        object.insert(QStringLiteral("count"), int(button.count));
        break;
    case Button::Kind::Launch:
        if (!button.desktopEntry.isEmpty())
            object.insert(QStringLiteral("desktopEntry"), button.desktopEntry);
        else if (!button.path.isEmpty())
            object.insert(QStringLiteral("path"), button.path);
        if (button.launchCode)
            object.insert(QStringLiteral("code"), int(*button.launchCode));
        break;
    case Button::Kind::Device:
        object.insert(QStringLiteral("table"), int(button.table));
        if (!button.function.isEmpty())
            object.insert(QStringLiteral("function"), button.function);
        break;
    }
    return object;
}

QJsonObject settingsToJson(const Settings& settings) {
    QJsonArray dpi;
    for (const int stage : settings.dpi)
        dpi.append(stage);
    QJsonObject lights{{QStringLiteral("logo"), settings.logoLight},
                       {QStringLiteral("wheel"), settings.wheelLight}};
    return {{QStringLiteral("dpiStages"), dpi},
            {QStringLiteral("activeStage"), settings.activeStage + 1},
            {QStringLiteral("pollingRate"), settings.rateHz},
            {QStringLiteral("lights"), lights}};
}

QJsonObject macroToJson(const Macro& macro) {
    QJsonArray steps;
    for (const MacroStep& step : macro.steps) {
        QJsonObject object{{QStringLiteral("action"), QLatin1String(kActions[int(step.action)])}};
        switch (step.action) {
        case MacroStep::Action::Press:
        case MacroStep::Action::Release:
            object.insert(QStringLiteral("key"), step.key);
            // For a reader; the code decides.
            object.insert(QStringLiteral("keyName"), HvKey::getStrByKeycode(step.key));
            if (step.deviceCode)
                object.insert(QStringLiteral("deviceCode"), *step.deviceCode);
            break;
        case MacroStep::Action::Insert:
            object.insert(QStringLiteral("function"), step.function);
            if (step.functionId)
                object.insert(QStringLiteral("functionId"), *step.functionId);
            break;
        case MacroStep::Action::MouseDown:
        case MacroStep::Action::MouseUp:
            object.insert(QStringLiteral("button"), mouseButtonName(step.mouseButton));
            break;
        }
        object.insert(QStringLiteral("delayMs"), step.delayMs);
        steps.append(object);
    }
    QJsonObject object{{QStringLiteral("name"), macro.name}, {QStringLiteral("steps"), steps}};
    if (macro.loopTime != 0)
        object.insert(QStringLiteral("loopTime"), macro.loopTime);
    return object;
}

namespace {

// The first key an object of the document gives twice, as a field path; none when every key is
// given once. QJsonDocument keeps the last of repeated keys silently; a set-up with two values
// for one field is ambiguous. The bytes are a document QJsonDocument read without error.
std::optional<QString> repeatedField(const QByteArray& bytes) {
    struct Level {
        bool object = false;
        QString path;
        QSet<QString> keys;
        int index = 0;      // the next element, in an array
        QString pendingKey; // the key whose value comes next, in an object
        bool expectKey = true;
    };
    QList<Level> levels;
    const auto childPath = [&levels]() {
        const Level& parent = levels.last();
        if (parent.object)
            return parent.path.isEmpty() ? parent.pendingKey
                                         : parent.path + QLatin1Char('.') + parent.pendingKey;
        return QStringLiteral("%1[%2]").arg(parent.path).arg(parent.index);
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < bytes.size() && bytes[i] != '"'; ++i)
                if (bytes[i] == '\\')
                    ++i;
            if (levels.isEmpty() || !levels.last().object || !levels.last().expectKey)
                continue;
            const QByteArray raw = bytes.mid(start, i - start + 1);
            const QString key =
                raw.contains('\\')
                    ? QJsonDocument::fromJson("[" + raw + "]").array().first().toString()
                    : QString::fromUtf8(raw.mid(1, raw.size() - 2));
            Level& level = levels.last();
            if (level.keys.contains(key))
                return level.path.isEmpty() ? key : level.path + QLatin1Char('.') + key;
            level.keys.insert(key);
            level.pendingKey = key;
            level.expectKey = false;
        } else if (c == '{' || c == '[') {
            Level child;
            child.object = c == '{';
            if (!levels.isEmpty())
                child.path = childPath();
            levels.append(child);
        } else if (c == '}' || c == ']') {
            levels.removeLast();
        } else if (c == ',' && !levels.isEmpty()) {
            Level& level = levels.last();
            if (level.object)
                level.expectKey = true;
            else
                ++level.index;
        }
    }
    return std::nullopt;
}

} // namespace

int characterCount(const QString& text) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (graphemes.toNextBoundary() > 0)
        ++count;
    return count;
}

QString firstCharacters(const QString& text, int count) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (int n = 0; n < count; ++n)
        if (graphemes.toNextBoundary() < 0)
            return text;
    return text.left(graphemes.position());
}

bool hasControlCharacters(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // a pair is one character outside the first plane (an emoji, a rare ideograph)
            continue;
        }
        // The joiners hold emoji sequences together; other formatting characters (direction
        // overrides among them) can make text shown on a terminal read as other text.
        const bool joiner = c.unicode() == 0x200C || c.unicode() == 0x200D;
        if (c.category() == QChar::Other_Control || c.isSurrogate() ||
            (c.category() == QChar::Other_Format && !joiner))
            return true;
    }
    return false;
}

Parsed parse(const QByteArray& bytes) {
    Parsed result;
    if (bytes.size() > kMaxFileBytes) {
        result.error = {
            QString(), QCoreApplication::translate("KxSetupFile",
                                                   "the file is %1 bytes long; a set-up is at most "
                                                   "%2")
                           .arg(bytes.size())
                           .arg(kMaxFileBytes)};
        return result;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const bool ended = error.offset >= bytes.trimmed().size() ||
                           error.error == QJsonParseError::UnterminatedObject ||
                           error.error == QJsonParseError::UnterminatedArray ||
                           error.error == QJsonParseError::UnterminatedString;
        result.error = {QString(),
                        ended ? QCoreApplication::translate("KxSetupFile",
                                                            "the file ends early (at byte %1): it "
                                                            "is cut short or is not a set-up")
                                    .arg(error.offset)
                              : QCoreApplication::translate("KxSetupFile",
                                                            "the file is not a set-up: at byte %1, "
                                                            "%2")
                                    .arg(error.offset)
                                    .arg(error.errorString())};
        return result;
    }
    if (!document.isObject()) {
        result.error = {
            QString(), QCoreApplication::translate("KxSetupFile",
                                                   "the file is not a set-up: it holds no object")};
        return result;
    }
    if (const auto repeated = repeatedField(bytes)) {
        result.error = {*repeated, QCoreApplication::translate(
                                       "KxSetupFile", "is given twice; a field is given once")};
        return result;
    }
    const QJsonObject top = document.object();
    const QJsonValue format = top.value(QStringLiteral("format"));
    if (!format.isString() || format.toString() != QLatin1String(kFormat)) {
        result.error = {
            QStringLiteral("format"),
            format.isUndefined()
                ? QCoreApplication::translate("KxSetupFile", "is missing: the file is not a set-up")
                : QCoreApplication::translate("KxSetupFile",
                                              "is not \"%1\": the file is not a set-up")
                      .arg(QLatin1String(kFormat))};
        return result;
    }
    const auto version = kxArchiveInt(top.value(QStringLiteral("version")));
    if (!version || *version < 1) {
        result.error = {
            QStringLiteral("version"),
            QCoreApplication::translate("KxSetupFile", "must be a whole number from 1")};
        return result;
    }
    if (*version > kVersion) {
        result.error = {
            QStringLiteral("version"),
            QCoreApplication::translate("KxSetupFile",
                                        "version %1 was written by a newer program; this one reads "
                                        "versions up to %2")
                .arg(*version)
                .arg(kVersion)};
        return result;
    }
    Problems problems;
    // One reader per version, each bringing its file to the current model.
    result.file = readVersion1(top, problems);
    if (problems.failed()) {
        result.file.reset();
        result.error = *problems.first;
    }
    return result;
}

Parsed readFile(const QString& path) {
    QString why;
    const std::optional<QByteArray> bytes = RegularFile::read(path, kMaxFileBytes, &why);
    if (!bytes) {
        Parsed result;
        //: A file (%1) and why it cannot be read (%2: "is not a regular file", "cannot be
        //: opened (…)").
        result.error = {QString(),
                        QCoreApplication::translate("KxSetupFile", "%1 %2").arg(path, why)};
        return result;
    }
    return parse(*bytes);
}

QByteArray serialize(const File& file) {
    QJsonObject top;
    top.insert(QStringLiteral("format"), QLatin1String(kFormat));
    top.insert(QStringLiteral("version"), kVersion);
    if (!file.program.isEmpty())
        top.insert(QStringLiteral("program"), file.program);
    if (!file.exported.isEmpty())
        top.insert(QStringLiteral("exported"), file.exported);
    top.insert(QStringLiteral("activeProfile"), file.activeProfile + 1);
    top.insert(QStringLiteral("settings"), settingsToJson(file.settings));
    if (file.desktop)
        top.insert(
            QStringLiteral("desktop"),
            QJsonObject{{QStringLiteral("pointerSpeed"), file.desktop->pointerSpeed},
                        {QStringLiteral("scrollSpeed"), file.desktop->scrollSpeed},
                        {QStringLiteral("doubleClickSpeed"), file.desktop->doubleClickSpeed}});
    QJsonArray profiles;
    for (int p = 0; p < kProfiles; ++p) {
        QJsonArray buttons;
        for (int b = 0; b < kButtons; ++b)
            buttons.append(buttonToJson(file.profiles[size_t(p)][size_t(b)], b));
        profiles.append(
            QJsonObject{{QStringLiteral("profile"), p + 1}, {QStringLiteral("buttons"), buttons}});
    }
    top.insert(QStringLiteral("profiles"), profiles);
    QJsonArray macros;
    for (const Macro& macro : file.macros)
        macros.append(macroToJson(macro));
    top.insert(QStringLiteral("macros"), macros);
    if (file.appRules)
        top.insert(QStringLiteral("appRules"), file.appRules->toJson());
    return prettyJson(top);
}

bool writeFile(const File& file, const QString& path, QString* why) {
    return OutputTarget::write(path, serialize(file), why);
}

} // namespace KxSetup
