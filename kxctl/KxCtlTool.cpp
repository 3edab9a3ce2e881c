#include "KxCtlTool.h"

#include "HvAction.h"
#include "HvDeviceRequester/HvDeviceRequester.h"
#include "HvKey.h"
#include "HvLogger.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxNames.h"
#include "KxWriteSession.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MenuInfo.h"
#include "ProfieController.h"
#include "TooltipManager.h"
#include "Workspace/InstalledApplications.h"
#include "Workspace/OutputTarget.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace KxCtl {

namespace {

// What kxctl says on standard error, unbuffered. (Standard output goes through Tool::output,
// which knows when a full disk or a closed pipe stopped it.)
void printError(const QString& text) {
    OutputTarget::writeAll(STDERR_FILENO, text.toLocal8Bit());
}

// Text as a terminal shows it truly: control and formatting characters (ESC, CR, a direction
// override) that came from a file or the mouse are written as escapes, never sent raw.
QString printable(const QString& text) {
    if (!KxSetup::hasControlCharacters(text))
        return text;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += text.mid(i++, 2);
        } else if (KxSetup::hasControlCharacters(QString(c))) {
            out += c.unicode() < 0x100
                       ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                       : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

QStringList printable(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines)
        out << printable(line);
    return out;
}

// Whether a path is where standard output goes (/dev/stdout, or the file it was sent to): what
// was written there is the output, with nothing said after it.
bool isStandardOutput(const QString& path) {
    struct stat named {};
    struct stat out {};
    return ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           ::fstat(STDOUT_FILENO, &out) == 0 && named.st_dev == out.st_dev &&
           named.st_ino == out.st_ino;
}

// Where a device is plugged in: "1-2.3" (bus 1, port 2, then port 3 of a hub), as sysfs names it.
QString locationText(uint32_t location) {
    QString text = QString::number(location >> 24);
    QStringList ports;
    for (int shift = 20; shift >= 0; shift -= 4) {
        const uint32_t port = (location >> shift) & 0xF;
        if (port == 0)
            break;
        ports << QString::number(port);
    }
    return ports.isEmpty() ? text : text + QLatin1Char('-') + ports.join(QLatin1Char('.'));
}

// The attached mice, in the order kxctl list numbers them.
QList<QVariantMap> attachedMice() {
    QList<QVariantMap> mice;
    for (const QVariantMap& entry : sysDeviceReq->deviceArray())
        if (entry.value(QStringLiteral("VID")).toUInt() == KxProtocol::kVendorId &&
            entry.value(QStringLiteral("PID")).toUInt() == KxProtocol::kProductId)
            mice << entry;
    return mice;
}

// Where a mouse is, as kxctl list shows it and --device takes it.
QString locationOf(const QVariantMap& entry) {
    if (HvDeviceRequester::isEmulatedEntry(entry))
        return QStringLiteral("kx-virtual-mouse");
    const auto device = entry.value(QStringLiteral("dev")).value<std::shared_ptr<UsbDevice>>();
    uint32_t location = 0;
    return device && device->getLocationId(&location) == 0 ? locationText(location) : QString();
}

QJsonObject changeToJson(const KxSetup::Change& change) {
    QJsonObject object{{QStringLiteral("to"), change.to}};
    if (!change.what.isEmpty())
        object.insert(QStringLiteral("what"), change.what);
    if (!change.from.isEmpty())
        object.insert(QStringLiteral("from"), change.from);
    return object;
}

QString stepText(const MacroKeyInfo& step) {
    switch (step.keyFlag()) {
    case MacroKeyInfo::kFlagKeyDown:
        return QCoreApplication::translate("KxCtl", "press %1")
            .arg(HvKey::shownName(step.keyCode()));
    case MacroKeyInfo::kFlagKeyUp:
        return QCoreApplication::translate("KxCtl", "release %1")
            .arg(HvKey::shownName(step.keyCode()));
    case MacroKeyInfo::kFlagMenuFunction: {
        const auto entry = KxAction::getMacroMenuByFunid(step.keyCode());
        return QCoreApplication::translate("KxCtl", "insert %1")
            .arg(entry ? KxNames::functionName(*entry)
                       : QCoreApplication::translate("KxCtl", "(unknown command)"));
    }
    case MacroKeyInfo::kFlagMouseDown:
    case MacroKeyInfo::kFlagMouseUp: {
        // Pressed, then released: the left, right and middle button.
        static constexpr const char* kMouseSteps[2][3] = {
            {QT_TRANSLATE_NOOP("KxCtl", "press left button"),
             QT_TRANSLATE_NOOP("KxCtl", "press right button"),
             QT_TRANSLATE_NOOP("KxCtl", "press middle button")},
            {QT_TRANSLATE_NOOP("KxCtl", "release left button"),
             QT_TRANSLATE_NOOP("KxCtl", "release right button"),
             QT_TRANSLATE_NOOP("KxCtl", "release middle button")}};
        const int released = step.keyFlag() == MacroKeyInfo::kFlagMouseDown ? 0 : 1;
        const int button = step.keyCode() - 120;
        if (button < 0 || button > 2)
            return released ? QStringLiteral("release  button") : QStringLiteral("press  button");
        return QCoreApplication::translate("KxCtl", kMouseSteps[released][button]);
    }
    default:
        return QCoreApplication::translate("KxCtl", "unknown step");
    }
}

// A button as --json shows it: as a set-up file holds it, with its caption.
QJsonObject buttonJson(const _BTN_INFO& record, int slot, int button) {
    QJsonObject object = KxSetup::buttonToJson(KxSetup::describe(record, slot, button), button);
    object.insert(QStringLiteral("caption"), KxNames::caption(record));
    if (record.FuncID == KxFuncId::kMacro) {
        const auto macro = KxAction::getMacroById(int32_t(record.MacroID));
        object.insert(QStringLiteral("inLibrary"), macro && !macro->isNoDisplay());
    }
    return object;
}

} // namespace

Tool::Tool(Invocation invocation) : invocation_(std::move(invocation)) {}

// ---- Output --------------------------------------------------------------------------------

QJsonObject Tool::head() const {
    return {{QStringLiteral("version"), kJsonVersion},
            {QStringLiteral("command"), invocation_.name}};
}

int Tool::done(QJsonObject json, const QStringList& text) {
    if (invocation_.json) {
        QJsonObject out = head();
        out.insert(QStringLiteral("ok"), true);
        for (auto it = json.constBegin(); it != json.constEnd(); ++it)
            out.insert(it.key(), it.value());
        return output(KxSetup::prettyJson(out));
    }
    if (text.isEmpty())
        return kDone;
    return output((printable(text).join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
}

int Tool::output(const QByteArray& bytes) {
    QString why;
    if (OutputTarget::writeAll(STDOUT_FILENO, bytes, &why))
        return kDone;
    // Said on standard error only: standard output is what failed.
    printError(
        QStringLiteral("kxctl: %1\n")
            .arg(QCoreApplication::translate("KxCtl", "standard output cannot be written: %1")
                     .arg(why)));
    return kRefused;
}

int Tool::fail(int code, const QString& message, const QStringList& details,
               const QJsonObject& json) {
    QString text = QStringLiteral("kxctl: %1\n").arg(printable(message));
    for (const QString& line : details)
        text += QStringLiteral("  %1\n").arg(printable(line));
    printError(text);
    if (invocation_.json) {
        QJsonObject out = head();
        out.insert(QStringLiteral("ok"), false);
        out.insert(QStringLiteral("exitCode"), code);
        out.insert(QStringLiteral("error"), message);
        if (!details.isEmpty())
            out.insert(QStringLiteral("details"), QJsonArray::fromStringList(details));
        for (auto it = json.constBegin(); it != json.constEnd(); ++it)
            out.insert(it.key(), it.value());
        output(KxSetup::prettyJson(out));
    }
    return code;
}

void Tool::note(const QString& line) const {
    printError(QStringLiteral("kxctl: %1\n").arg(printable(line)));
}

// ---- Start-up ------------------------------------------------------------------------------

void Tool::startCore() {
    KxAction::getSysPath();
    // Names are the catalogue's English ones, whatever the desktop's language.
    TooltipManager::shareTooltipManager()->setLanByname(QStringLiteral("English"));
    KxAction::initMenuList();
    KxAction::refreshMenuList();
    sysProCon = ProfieController::getShareProCon();
}

bool Tool::findMouse() {
    KxAction::startListenDev(invocation_.verbose);
    return KxAction::checkListenDev();
}

std::optional<int> Tool::chooseMouse(bool writing) {
    if (!findMouse())
        return fail(kNoMouse, QCoreApplication::translate("KxCtl", "no mouse is attached"));
    const QList<QVariantMap> mice = attachedMice();
    if (invocation_.device) {
        const QString& wanted = *invocation_.device;
        for (qsizetype i = 0; i < mice.size(); ++i) {
            const QVariantMap& mouse = mice[i];
            const QString serial = mouse.value(QStringLiteral("serial")).toString();
            if (wanted != QString::number(i + 1) && wanted != locationOf(mouse) &&
                (serial.isEmpty() || wanted != serial))
                continue;
            if (!sysDeviceReq->selectService(mouse.value(QStringLiteral("service")).toULongLong()))
                return fail(kNoMouse,
                            QCoreApplication::translate("KxCtl", "mouse %1 went away").arg(wanted));
            return std::nullopt;
        }
        return fail(kNoMouse, QCoreApplication::translate(
                                  "KxCtl", "no attached mouse is %1 (kxctl list shows them)")
                                  .arg(wanted));
    }
    if (mice.size() > 1) {
        // A write to the wrong one of two mice is not undone by a second command.
        if (writing)
            return fail(kRefused, QCoreApplication::translate(
                                      "KxCtl", "%1 mice are attached: say which with --device N "
                                               "(kxctl list shows them)")
                                      .arg(mice.size()));
        note(QCoreApplication::translate(
                 "KxCtl", "%1 mice are attached; this is mouse 1 (--device picks another)")
                 .arg(mice.size()));
    }
    return std::nullopt;
}

bool Tool::lock() {
    if (locked_)
        return true;
    QString why;
    locked_ = lock_.acquire(
        KxMouseLock::path(),
        [this] {
            note(QCoreApplication::translate(
                "KxCtl", "waiting for the mouse: another program is using it..."));
        },
        &why);
    if (!locked_)
        fail(kRefused, why);
    return locked_;
}

void Tool::noteWithoutBus() const {
    // Without a session bus (cron, some ssh sessions) an open window cannot be seen: the turn at
    // the mouse still keeps the transfers apart; the user is told what a window would show.
    if (!QDBusConnection::sessionBus().isConnected())
        note(QCoreApplication::translate(
            "KxCtl", "there is no session bus, so an open configuration window cannot be "
                     "seen; if one is open, it shows the older values until it is opened "
                     "again"));
}

std::optional<int> Tool::refuseWhileWindowRuns() {
    if (!windowRuns())
        return std::nullopt;
    if (!invocation_.wait)
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the configuration window (KxOption) is open and owns "
                                           "the mouse's settings: close it first, or run "
                                           "kxctl --wait to wait for it"));
    waitForWindowToClose();
    return std::nullopt;
}

std::optional<int> Tool::becomeWriter() {
    noteWithoutBus();
    for (;;) {
        if (const auto refused = refuseWhileWindowRuns())
            return refused;
        if (!lock())
            return kRefused;
        // The window may have opened while this waited for the lock.
        if (!windowRuns())
            return std::nullopt;
        lock_.release();
        locked_ = false;
    }
}

// ---- Commands ------------------------------------------------------------------------------

int Tool::run() {
    switch (invocation_.command) {
    case Command::Help:
        return output(commandHelp(invocation_.words).value_or(usage()).toLocal8Bit());
    case Command::Version:
        return output(QStringLiteral("kxctl %1\n").arg(QStringLiteral(KX_VERSION)).toLocal8Bit());
    case Command::RuleList:
        return ruleList();
    case Command::RuleAdd:
    case Command::RuleRemove:
    case Command::RuleOn:
    case Command::RuleOff:
        return ruleChange();
    default:
        break;
    }
    startCore();
    switch (invocation_.command) {
    case Command::List:
        return list();
    case Command::Show:
        return show();
    case Command::Profile:
        return profile();
    case Command::Dpi:
        return dpi();
    case Command::Stage:
        return stage();
    case Command::Rate:
        return rate();
    case Command::Light:
        return light();
    case Command::Button:
        return button();
    case Command::MacroList:
        return macroList();
    case Command::MacroShow:
        return macroShow();
    case Command::MacroImport:
        return macroImport();
    case Command::MacroExport:
        return macroExport();
    case Command::Export:
        return exportSetup();
    case Command::Import:
        return importSetup();
    case Command::Complete:
        return complete();
    default:
        return kUsage;
    }
}

int Tool::list() {
    if (!lock())
        return kRefused;
    QJsonArray mice;
    QStringList lines;
    // None attached is an empty list, not a failure: a script asks whether there is one.
    if (!findMouse()) {
        if (!invocation_.json)
            note(QCoreApplication::translate("KxCtl", "no mouse is attached"));
        return done({{QStringLiteral("mice"), mice}}, lines);
    }
    const QVariantMap selected = sysDeviceReq->currDevDic();
    int index = 0;
    for (const QVariantMap& entry : attachedMice()) {
        ++index;
        const quint64 service = entry.value(QStringLiteral("service")).toULongLong();
        const bool emulated = HvDeviceRequester::isEmulatedEntry(entry);
        // The mouse's own word on its profile: ask each in turn.
        std::optional<int> active;
        if (sysDeviceReq->selectService(service))
            active = KxAction::readProfileByDevice();
        const bool inUse = service == selected.value(QStringLiteral("service")).toULongLong();
        const QString location = locationOf(entry);
        QJsonObject mouse{
            {QStringLiteral("index"), index},
            {QStringLiteral("kind"), emulated ? QStringLiteral("emulated") : QStringLiteral("usb")},
            {QStringLiteral("name"), entry.value(QStringLiteral("name")).toString()},
            {QStringLiteral("location"), location},
            {QStringLiteral("selected"), inUse}};
        const QString serial = entry.value(QStringLiteral("serial")).toString();
        if (!serial.isEmpty())
            mouse.insert(QStringLiteral("serial"), serial);
        if (active && *active >= 0 && *active < KxSetup::kProfiles)
            mouse.insert(QStringLiteral("activeProfile"), *active + 1);
        else
            mouse.insert(QStringLiteral("activeProfile"), QJsonValue::Null);
        mice.append(mouse);
        //: How a mouse is attached, in kxctl list's column beside "usb".
        const QString emulatedWord = QCoreApplication::translate("KxCtl", "emulated");
        //: kxctl list, one line per mouse: its number, how it is attached ("usb" or "emulated"),
        //: its USB location, its name, the profile it reports, then its serial number when it
        //: has one, and whether kxctl uses it. Keep the columns.
        const char* row =
            serial.isEmpty()
                ? (inUse ? QT_TRANSLATE_NOOP("KxCtl", "%1  %2  %3  %4  active profile %5  (used "
                                                      "by kxctl and the window)")
                         : QT_TRANSLATE_NOOP("KxCtl", "%1  %2  %3  %4  active profile %5"))
                : (inUse ? QT_TRANSLATE_NOOP("KxCtl", "%1  %2  %3  %4  active profile %5  serial "
                                                      "%6  (used by kxctl and the window)")
                         : QT_TRANSLATE_NOOP("KxCtl",
                                             "%1  %2  %3  %4  active profile %5  serial %6"));
        const QString number = QString::number(index);
        const QString kind =
            emulated ? emulatedWord : QStringLiteral("usb").leftJustified(emulatedWord.size());
        const QString name = mouse.value(QStringLiteral("name")).toString();
        const QString profile = active ? QString::number(*active + 1) : QStringLiteral("?");
        const QString shown = QCoreApplication::translate("KxCtl", row);
        lines << (serial.isEmpty() ? shown.arg(number, kind, location, name, profile)
                                   : shown.arg(number, kind, location, name, profile, serial));
    }
    sysDeviceReq->setSelectedDev();
    return done({{QStringLiteral("mice"), mice}}, lines);
}

int Tool::show() {
    if (invocation_.profile && (*invocation_.profile < 1 || *invocation_.profile > 5))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has profiles 1 to 5"));
    if (!lock())
        return kRefused;
    if (const auto failed = chooseMouse(false))
        return *failed;
    KxSetup::MouseState state;
    if (!KxSetup::readMouse(0, true, true, &state))
        return fail(kRefused, QCoreApplication::translate("KxCtl", "the mouse did not answer"));
    const int active = *state.activeProfile;
    const unsigned slots = invocation_.all       ? 0x1Fu
                           : invocation_.profile ? 1u << (*invocation_.profile - 1)
                                                 : 1u << active;
    state.lock = KxAction::readFWLockState();
    if (!KxSetup::readMouse(slots, false, false, &state))
        return fail(kRefused, QCoreApplication::translate("KxCtl", "the mouse did not answer"));
    KxSetup::keepProfilesMacros(*sysProCon, state);

    const KxSetup::Settings& settings = *state.settings;
    QStringList lines;
    QStringList stages;
    for (int s = 0; s < KxSetup::kStages; ++s)
        stages << QStringLiteral("%1%2")
                      .arg(s == settings.activeStage ? "*" : "")
                      .arg(settings.dpi[size_t(s)]);
    lines << QCoreApplication::translate("KxCtl", "Active profile: %1").arg(active + 1)
          << QCoreApplication::translate("KxCtl", "DPI stages: %1 (stage %2 active)")
                 .arg(stages.join(QLatin1Char(' ')))
                 .arg(settings.activeStage + 1)
          << QCoreApplication::translate("KxCtl", "Polling rate: %1 Hz").arg(settings.rateHz)
          << (settings.logoLight
                  ? (settings.wheelLight
                         ? QCoreApplication::translate("KxCtl", "Lights: logo on, wheel on")
                         : QCoreApplication::translate("KxCtl", "Lights: logo on, wheel off"))
                  : (settings.wheelLight
                         ? QCoreApplication::translate("KxCtl", "Lights: logo off, wheel on")
                         : QCoreApplication::translate("KxCtl", "Lights: logo off, wheel off")));
    if (state.lock)
        lines << (*state.lock == 1 ? QCoreApplication::translate("KxCtl", "Lock switch: locked")
                                   : QCoreApplication::translate("KxCtl", "Lock switch: unlocked"));
    QJsonArray profiles;
    for (int p = 0; p < KxSetup::kProfiles; ++p) {
        if (!state.buttons[size_t(p)])
            continue;
        lines << QString()
              << (p == active ? QCoreApplication::translate("KxCtl", "Profile %1 (active)")
                              : QCoreApplication::translate("KxCtl", "Profile %1"))
                     .arg(p + 1);
        QJsonArray buttons;
        for (int b = 0; b < KxSetup::kButtons; ++b) {
            const _BTN_INFO& record = (*state.buttons[size_t(p)])[size_t(b)];
            lines << QStringLiteral("  %1 %2 %3")
                         .arg(b + 1)
                         .arg(KxNames::buttonKey(b), -7)
                         .arg(KxNames::caption(record));
            buttons.append(buttonJson(record, p, b));
        }
        profiles.append(QJsonObject{{QStringLiteral("profile"), p + 1},
                                    {QStringLiteral("active"), p == active},
                                    {QStringLiteral("buttons"), buttons}});
    }
    QJsonObject json{{QStringLiteral("activeProfile"), active + 1},
                     {QStringLiteral("settings"), KxSetup::settingsToJson(settings)},
                     {QStringLiteral("profiles"), profiles}};
    if (state.lock)
        json.insert(QStringLiteral("locked"), *state.lock == 1);
    return done(json, lines);
}

int Tool::profile() {
    const auto n = wholeNumber(invocation_.words[0]);
    if (!n)
        return fail(kUsage,
                    QCoreApplication::translate("KxCtl", "profile takes a profile number, 1 to 5"));
    if (*n < 1 || *n > KxSetup::kProfiles)
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has profiles 1 to 5"));
    return write({}, [n](const KxSetup::MouseState&, QString*) {
        KxSetup::Target target;
        target.activeProfile = *n - 1;
        return std::optional<KxSetup::Target>(target);
    });
}

int Tool::writeSettings(const std::function<void(KxSetup::Settings&)>& change) {
    return write({}, [&change](const KxSetup::MouseState& state, QString*) {
        KxSetup::Target target;
        target.settings = *state.settings;
        change(*target.settings);
        return std::optional<KxSetup::Target>(target);
    });
}

int Tool::dpi() {
    const auto stage = wholeNumber(invocation_.words[0]);
    const auto value = wholeNumber(invocation_.words[1]);
    if (!stage || !value)
        return fail(kUsage, QCoreApplication::translate(
                                "KxCtl", "dpi takes a stage (1 to 4) and a DPI value"));
    if (invocation_.profile && (*invocation_.profile < 1 || *invocation_.profile > 5))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has profiles 1 to 5"));
    if (*stage < 1 || *stage > KxSetup::kStages)
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has DPI stages 1 to 4"));
    if (*value < kMinDpi || *value > kMaxDpi || *value % KxSetup::kDpiStep != 0)
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "%1 DPI: a stage takes %2 to %3 DPI in steps of %4")
                                  .arg(*value)
                                  .arg(kMinDpi)
                                  .arg(kMaxDpi)
                                  .arg(KxSetup::kDpiStep));
    if (invocation_.profile)
        note(QCoreApplication::translate(
                 "KxCtl", "the mouse keeps one set of DPI stages for all its profiles; profile "
                          "%1 has it too")
                 .arg(*invocation_.profile));
    return writeSettings([&](KxSetup::Settings& s) { s.dpi[size_t(*stage - 1)] = *value; });
}

int Tool::stage() {
    const auto stage = wholeNumber(invocation_.words[0]);
    if (!stage)
        return fail(kUsage,
                    QCoreApplication::translate("KxCtl", "stage takes a stage number, 1 to 4"));
    if (*stage < 1 || *stage > KxSetup::kStages)
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has DPI stages 1 to 4"));
    return writeSettings([&](KxSetup::Settings& s) { s.activeStage = *stage - 1; });
}

int Tool::rate() {
    const auto hz = wholeNumber(invocation_.words[0].toLower().remove(QLatin1String("hz")));
    if (!hz)
        return fail(kUsage,
                    QCoreApplication::translate("KxCtl", "rate takes 125, 500 or 1000 (Hz)"));
    if (!KxSetup::poRateOf(*hz))
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the mouse runs at 125, 500 or 1000 Hz; it has no "
                                           "%1 Hz")
                                  .arg(*hz));
    return writeSettings([&](KxSetup::Settings& s) { s.rateHz = *hz; });
}

int Tool::light() {
    const QString which = invocation_.words[0].toLower();
    const QString state = invocation_.words[1].toLower();
    if ((which != QLatin1String("logo") && which != QLatin1String("wheel")) ||
        (state != QLatin1String("on") && state != QLatin1String("off")))
        return fail(kUsage, QCoreApplication::translate(
                                "KxCtl", "light takes logo or wheel, then on or off"));
    const bool on = state == QLatin1String("on");
    return writeSettings([&](KxSetup::Settings& s) {
        (which == QLatin1String("logo") ? s.logoLight : s.wheelLight) = on;
    });
}

int Tool::button() {
    const QStringList& words = invocation_.words;
    const std::optional<int> index = KxNames::buttonIndex(words[0]);
    if (!index)
        // A value out of range is refused, as every command refuses one (exit status 1).
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "a button is 1 to 5, or left, right, middle, side1 "
                                           "or side2"));
    const QString action = words[1].toLower();
    const bool takesName = action == QLatin1String("function") ||
                           action == QLatin1String("macro") || action == QLatin1String("launch");
    if (!(action == QLatin1String("default") && words.size() == 2) &&
        !(takesName && words.size() == 3))
        return fail(kUsage, QCoreApplication::translate(
                                "KxCtl", "button B takes default, function NAME, macro NAME or "
                                         "launch PATH"));
    if (invocation_.profile && (*invocation_.profile < 1 || *invocation_.profile > 5))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the mouse has profiles 1 to 5"));
    const int b = *index;

    // What the button gets, apart from the launcher's slot code (which needs the profile).
    _BTN_INFO record{};
    if (action == QLatin1String("function")) {
        const auto match = KxNames::findFunction(words[2]);
        if (!match.found)
            return fail(kRefused, KxNames::whyNot(match, KxNames::Named::Function, words[2]));
        record = KxNames::functionRecord(*match.found);
    } else if (action == QLatin1String("macro")) {
        const auto match = KxNames::findMacro(words[2]);
        if (!match.found)
            return fail(kRefused, KxNames::whyNot(match, KxNames::Named::Macro, words[2]));
        const KxSetup::RunMode mode = invocation_.mode.value_or(KxSetup::RunMode::Once);
        const int count = invocation_.count.value_or(0);
        if (mode == KxSetup::RunMode::Repeat && (count < 1 || count > KxSetup::kMaxCount))
            return fail(kRefused, QCoreApplication::translate("KxCtl", "a repeat count is 1 to %1")
                                      .arg(KxSetup::kMaxCount));
        if (count > 255)
            note(QCoreApplication::translate("KxCtl",
                                             "the mouse repeats a macro at most 255 times"));
        record.btnType = KxButtonType::kMacro;
        record.FuncID = record.FuncTableId = KxFuncTable::kMacro;
        record.MacroID = uint32_t(match.found->macroId());
        record.KeyBit[0] = uint32_t(mode);
        record.KeyBit[1] = uint32_t(count);
    } else if (action == QLatin1String("launch")) {
        QString path = words[2];
        // An installed application's id, or a file.
        if (!path.contains(QLatin1Char('/')) && !QFileInfo(path).isFile()) {
            const auto installed = HvAction::getAppPathByid(path);
            if (!installed)
                return fail(kRefused, QCoreApplication::translate(
                                          "KxCtl", "there is no file %1 and no application of "
                                                   "that id is installed")
                                          .arg(path));
            path = *installed;
        } else {
            const QFileInfo file(path);
            if (!file.isFile())
                return fail(kRefused,
                            QCoreApplication::translate("KxCtl", "there is no file %1").arg(path));
            path = file.absoluteFilePath();
        }
        const QByteArray utf8 = path.toUtf8();
        if (utf8.size() > KxSetup::kMaxPathBytes)
            return fail(kRefused,
                        QCoreApplication::translate(
                            "KxCtl", "the path is %1 bytes long; the mouse's profile keeps %2 at "
                                     "most: %3")
                            .arg(utf8.size())
                            .arg(KxSetup::kMaxPathBytes)
                            .arg(path));
        record.btnType = KxButtonType::kLaunch;
        record.FuncID = record.FuncTableId = KxFuncTable::kLaunch;
        std::memcpy(record.app_path, utf8.constData(), size_t(utf8.size()));
    }

    Need need;
    if (invocation_.profile)
        need.slots = 1u << (*invocation_.profile - 1);
    else
        need.activeSlot = true;
    const std::optional<int> chosen =
        invocation_.profile ? std::optional<int>(*invocation_.profile - 1) : std::nullopt;
    return write(need, [=](const KxSetup::MouseState& state, QString* refusal) {
        const int slot = chosen.value_or(*state.activeProfile);
        _BTN_INFO wanted = record;
        if (action == QLatin1String("default")) {
            const auto& defaults = sysProCon->defaultProfileArrs();
            if (slot >= defaults.size() || !defaults[slot]) {
                *refusal =
                    QCoreApplication::translate("KxCtl", "profile %1 has no built-in default")
                        .arg(slot + 1);
                return std::optional<KxSetup::Target>();
            }
            wanted = defaults[slot]->profileData().btnInfo[b];
        } else if (action == QLatin1String("launch")) {
            wanted.KeyBit[0] = KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(b));
        }
        KxSetup::Target target;
        target.buttons[size_t(slot)][size_t(b)] = wanted;
        return std::optional<KxSetup::Target>(target);
    });
}

int Tool::write(const Need& need, const Build& build) {
    if (invocation_.dryRun) {
        // A dry run writes nothing: it may run beside the window.
        if (!lock())
            return kRefused;
    } else if (const auto refused = becomeWriter()) {
        return *refused;
    }
    // In the turn: the macro library and the profiles as the last program at the mouse left
    // them, which may have written while this waited. What is written is decided from these.
    KxAction::initMenuList();
    KxAction::refreshMenuList();
    sysProCon->refreshProfile();
    if (const auto failed = chooseMouse(!invocation_.dryRun))
        return *failed;

    // What the mouse holds, first its active profile; on a first use (no profile files yet)
    // all of it, so that the files hold what the mouse holds.
    KxSetup::MouseState state;
    if (!KxSetup::readMouse(0, false, true, &state))
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the mouse did not answer; nothing was written"));
    const bool firstUse =
        !QFileInfo::exists(QDir(sysProCon->sysProPath()).filePath(QStringLiteral("Default1.pro")));
    const unsigned slots =
        firstUse ? 0x1Fu : need.slots | (need.activeSlot ? 1u << *state.activeProfile : 0u);
    if (!KxSetup::readMouse(slots, true, false, &state))
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the mouse did not answer; nothing was written"));
    if (need.desktop)
        state.desktop = KxSetup::desktopNow();
    ProfieController& library = *sysProCon;
    KxSetup::keepProfilesMacros(library, state);
    KxSetup::takeRead(library, state);
    // Changes an earlier write did not finish stay changes, besides this one's.
    library.restoreJournalledEdits();

    QString refusal;
    const std::optional<KxSetup::Target> target = build(state, &refusal);
    if (!target)
        return fail(kRefused, refusal);
    if (target->appRules && !KxSetup::readAppRules(&state, &refusal))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "%1; nothing was written").arg(refusal));
    if (const QList<int> lost = KxSetup::profilesLosingLeftClick(*target, state); !lost.isEmpty())
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "profile %1 would have no button left doing the left "
                                           "click; give it to another button first")
                                  .arg(lost.first() + 1));
    KxWriteSession session(library, *target, state);
    const QList<KxSetup::Change> changes = session.plan();
    QJsonArray changeList;
    QStringList lines;
    for (const KxSetup::Change& change : changes) {
        changeList.append(changeToJson(change));
        lines << change.text();
    }
    if (changes.isEmpty())
        return done({{QStringLiteral("changes"), changeList}, {QStringLiteral("written"), false}},
                    {QCoreApplication::translate(
                        "KxCtl", "Nothing to change: the mouse holds this already.")});
    if (invocation_.dryRun) {
        lines.prepend(QCoreApplication::translate("KxCtl", "Would change:"));
        return done({{QStringLiteral("changes"), changeList},
                     {QStringLiteral("written"), false},
                     {QStringLiteral("dryRun"), true}},
                    lines);
    }

    const KxWriteSession::Outcome outcome = session.run();
    flushBus();
    if (outcome.refused)
        return fail(kRefused, outcome.why);
    if (!outcome.complete()) {
        QStringList problems = outcome.problems;
        if (!outcome.result.complete() && outcome.buttonsKept)
            problems << QCoreApplication::translate(
                "KxCtl", "The buttons not written are kept as changes not yet "
                         "written; the window offers them when it opens.");
        if (outcome.result.settings.has_value() && !*outcome.result.settings)
            problems << QCoreApplication::translate(
                "KxCtl", "Give the command again to write the settings.");
        if (outcome.result.activeProfile.has_value() && !*outcome.result.activeProfile)
            problems << QCoreApplication::translate(
                "KxCtl", "Give the command again to switch the profile.");
        // For a script: each change with what became of it.
        QJsonArray told;
        for (const KxSetup::Change& change : changes) {
            QJsonObject object = changeToJson(change);
            object.insert(QStringLiteral("status"),
                          KxSetup::statusOf(change, outcome.result, outcome.desktopApplied));
            told.append(object);
        }
        return fail(kRefused, QCoreApplication::translate("KxCtl", "not everything was written"),
                    problems,
                    {{QStringLiteral("changes"), told}, {QStringLiteral("saved"), outcome.saved}});
    }
    return done({{QStringLiteral("changes"), changeList}, {QStringLiteral("written"), true}},
                lines);
}

void Tool::flushBus() {
    // Signals go out when the program ends only if they left first: one call to the bus after
    // them returns once the bus has them.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.interface()->serviceOwner(QStringLiteral("org.freedesktop.DBus"));
}

// ---- Macros --------------------------------------------------------------------------------

int Tool::macroList() {
    QJsonArray macros;
    QStringList lines;
    for (const auto& macro : KxNames::libraryMacros()) {
        macros.append(QJsonObject{{QStringLiteral("name"), macro->nameStr()},
                                  {QStringLiteral("steps"), int(macro->keyInfoArr().size())},
                                  {QStringLiteral("deviceSteps"), int(macro->getMacroCount())}});
        lines << QCoreApplication::translate("KxCtl", "%1  (%2 steps, %3 on the mouse)")
                     .arg(macro->nameStr())
                     .arg(macro->keyInfoArr().size())
                     .arg(macro->getMacroCount());
    }
    if (lines.isEmpty())
        lines << QCoreApplication::translate("KxCtl", "The library holds no macros.");
    return done({{QStringLiteral("macros"), macros}}, lines);
}

int Tool::macroShow() {
    const auto match = KxNames::findMacro(invocation_.words[0]);
    if (!match.found)
        return fail(kRefused, KxNames::whyNot(match, KxNames::Named::Macro, invocation_.words[0]));
    const MacroInfo& macro = *match.found;
    QStringList lines{
        QCoreApplication::translate("KxCtl", "%1: %2 steps, %3 on the mouse (a button holds %4)")
            .arg(macro.nameStr())
            .arg(macro.keyInfoArr().size())
            .arg(macro.getMacroCount())
            .arg(KxProtocol::kMaxRecordSteps)};
    int n = 0;
    for (const MacroKeyInfo& step : macro.keyInfoArr())
        //: kxctl macro show, one line per step: its number, what it does ("press A"), and the
        //: delay after it.
        lines << QCoreApplication::translate("KxCtl", "  %1  %2, then %3 ms")
                     .arg(++n, 2)
                     .arg(stepText(step))
                     .arg(step.delay());
    return done(
        {{QStringLiteral("macro"), KxSetup::macroToJson(KxSetup::describe(macro, macro.nameStr()))},
         {QStringLiteral("deviceSteps"), int(macro.getMacroCount())}},
        lines);
}

int Tool::macroImport() {
    const QString path = invocation_.words[0];
    const QString file = QFileInfo(path).fileName();
    QString why;
    const std::optional<QJsonObject> archive = HvAction::CopyObject(path, &why);
    if (!archive)
        //: %1: a macro file; %2: why it cannot be read ("is not a regular file").
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "%1 cannot be loaded: the file %2")
                        .arg(file, why));
    std::shared_ptr<MacroInfo> macro = MacroInfo::fromArchive(*archive);
    if (!macro)
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "%1 cannot be loaded: it is not a macro")
                        .arg(file));
    if (const auto unfit = macro->unfitReason())
        return fail(
            kRefused,
            QCoreApplication::translate("KxCtl", "%1 cannot be loaded: %2").arg(file, *unfit));
    // Named by its file, as the macro editor names an imported macro.
    const QString name = QFileInfo(path).completeBaseName().trimmed();
    if (name.isEmpty() || KxSetup::characterCount(name) > KxSetup::kMaxMacroNameLength ||
        KxSetup::hasControlCharacters(name))
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "%1 cannot be loaded: a macro is named by its file, "
                                           "in 1 to %2 characters without control "
                                           "characters")
                                  .arg(file)
                                  .arg(KxSetup::kMaxMacroNameLength));
    if (invocation_.dryRun) {
        if (!lock())
            return kRefused;
    } else if (const auto refused = becomeWriter()) {
        return *refused;
    }
    // The library may have changed while this waited.
    KxAction::initMenuList();
    KxAction::refreshMenuList();
    const auto existing = KxNames::findMacro(name);
    if (existing.found || existing.ambiguous)
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the library has a macro called %1 already")
                                  .arg(name));
    if (KxNames::libraryMacros().size() >= KxAction::kMaxMacroCount)
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the library holds %1 macros, the most it keeps")
                                  .arg(KxAction::kMaxMacroCount));
    const int changed = macro->bringDelaysWithinSteps();
    if (invocation_.dryRun)
        return done({{QStringLiteral("macro"), name},
                     {QStringLiteral("delaysChanged"), changed},
                     {QStringLiteral("written"), false},
                     {QStringLiteral("dryRun"), true}},
                    {QCoreApplication::translate("KxCtl", "Would add %1 to the library (%2 steps).")
                         .arg(name)
                         .arg(macro->keyInfoArr().size())});
    macro->setNameStr(name);
    macro->setIsNoDisplay(false);
    macro->setMacroId(KxAction::getNewMacorId());
    macroListArrs.append(macro);
    KxAction::refreshMenuList();
    if (!KxAction::saveMenuList())
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the macro library could not be saved in %1")
                                  .arg(sysPath));
    QStringList lines{QCoreApplication::translate("KxCtl", "Added %1 to the library (%2 steps).")
                          .arg(name)
                          .arg(macro->keyInfoArr().size())};
    if (changed > 0)
        lines << QCoreApplication::translate(
                     "KxCtl", "%1 delays were changed to what a step holds: at most %2 ms, in "
                              "steps of %3 ms.")
                     .arg(changed)
                     .arg(MacroInfo::kMaxDelayMs)
                     .arg(MacroInfo::kDelayStepMs);
    return done({{QStringLiteral("macro"), name}, {QStringLiteral("delaysChanged"), changed}},
                lines);
}

int Tool::macroExport() {
    const auto match = KxNames::findMacro(invocation_.words[0]);
    if (!match.found)
        return fail(kRefused, KxNames::whyNot(match, KxNames::Named::Macro, invocation_.words[0]));
    QString path = invocation_.words[1];
    if (path == QLatin1String("-"))
        return output(HvAction::archiveBytes(match.found->toArchive()));
    // A file is named as the macro editor names one; a FIFO, a terminal or a descriptor
    // (/dev/stdout) is written as named.
    const QFileInfo target(path);
    const bool stream = (target.exists() && !target.isFile()) ||
                        path.startsWith(QLatin1String("/dev/")) ||
                        path.startsWith(QLatin1String("/proc/"));
    if (!stream && target.suffix() != QLatin1String("mac"))
        path += QStringLiteral(".mac");
    QString why;
    if (!HvAction::SaveObject(match.found->toArchive(), path, &why))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "the macro could not be saved as %1: %2")
                        .arg(path, why));
    if (isStandardOutput(path))
        return kDone;
    return done({{QStringLiteral("macro"), match.found->nameStr()}, {QStringLiteral("file"), path}},
                {QCoreApplication::translate("KxCtl", "Saved %1 as %2.")
                     .arg(match.found->nameStr(), path)});
}

// ---- Set-ups -------------------------------------------------------------------------------

int Tool::exportSetup() {
    const QString path = invocation_.words[0];
    // The user's rules go with the set-up: rules a hand edit broke stop it before the mouse is
    // read.
    KxSetup::MouseState state;
    if (QString why; !KxSetup::readAppRules(&state, &why))
        return fail(kRefused,
                    QCoreApplication::translate("KxCtl", "%1; nothing was exported").arg(why));
    if (!lock())
        return kRefused;
    if (const auto failed = chooseMouse(false))
        return *failed;
    if (!KxSetup::readMouse(0x1F, true, true, &state))
        return fail(kRefused, QCoreApplication::translate(
                                  "KxCtl", "the mouse did not answer; nothing was exported"));
    KxSetup::keepProfilesMacros(*sysProCon, state);
    state.desktop = KxSetup::desktopNow();
    const KxSetup::File file =
        KxSetup::capture(state, QStringLiteral("kxctl %1").arg(QStringLiteral(KX_VERSION)));
    if (path == QLatin1String("-"))
        return output(KxSetup::serialize(file));
    QString why;
    if (!KxSetup::writeFile(file, path, &why))
        //: %1: a file; %2: why ("is a folder", or the system's word).
        return fail(
            kRefused,
            QCoreApplication::translate("KxCtl", "%1 could not be written: %2").arg(path, why));
    if (isStandardOutput(path))
        return kDone;
    return done(
        {{QStringLiteral("file"), path}, {QStringLiteral("macros"), int(file.macros.size())}},
        {(file.macros.size() == 1
              ? QCoreApplication::translate("KxCtl",
                                            "Exported the set-up (five profiles, 1 macro) to %1.")
              : QCoreApplication::translate("KxCtl",
                                            "Exported the set-up (five profiles, %n macros) to %1.",
                                            nullptr, int(file.macros.size())))
             .arg(path)});
}

int Tool::importSetup() {
    const QString path = invocation_.words[0];
    unsigned profiles = 0x1F;
    if (invocation_.profiles) {
        profiles = 0;
        for (const int p : *invocation_.profiles) {
            if (p < 1 || p > KxSetup::kProfiles)
                return fail(kRefused,
                            QCoreApplication::translate("KxCtl", "the mouse has profiles 1 to 5"));
            profiles |= 1u << (p - 1);
        }
    }
    KxSetup::Parsed parsed;
    if (path == QLatin1String("-")) {
        // A pipe gives what it holds in pieces: read to its end, up to the bound.
        QString why;
        const auto bytes = OutputTarget::readAll(STDIN_FILENO, KxSetup::kMaxFileBytes, &why);
        if (!bytes)
            //: %1: why it cannot be read ("cannot be read (…)", "is larger than 1 MiB").
            return fail(
                kRefused,
                QCoreApplication::translate("KxCtl", "the set-up on standard input %1").arg(why));
        parsed = KxSetup::parse(*bytes);
    } else {
        parsed = KxSetup::readFile(path);
    }
    if (!parsed.file)
        return fail(kRefused,
                    path == QLatin1String("-")
                        ? QCoreApplication::translate("KxCtl", "the set-up is refused: %1")
                              .arg(parsed.error.text())
                        : QCoreApplication::translate("KxCtl", "%1 is refused: %2")
                              .arg(path, parsed.error.text()));
    // Names are resolved before anything is read or written: a file that names what this
    // machine does not have changes nothing.
    const bool shared = !invocation_.profiles;
    const KxSetup::Resolved resolved = KxSetup::resolve(*parsed.file, profiles, shared);
    if (!resolved.target)
        return fail(kRefused, QCoreApplication::translate("KxCtl", "%1 is refused: %2")
                                  .arg(path, resolved.error.text()));
    Need need;
    need.slots = profiles;
    need.desktop = shared && parsed.file->desktop.has_value();
    // Again in the turn, where the library is the one the write adds to: the macros' names and
    // ids are handed out there.
    return write(need, [&](const KxSetup::MouseState&, QString* refusal) {
        const KxSetup::Resolved inTurn = KxSetup::resolve(*parsed.file, profiles, shared);
        if (!inTurn.target)
            *refusal = QCoreApplication::translate("KxCtl", "%1 is refused: %2")
                           .arg(path, inTurn.error.text());
        return inTurn.target;
    });
}

int Tool::complete() {
    const QString what = invocation_.words[0];
    QStringList names;
    if (what == QLatin1String("functions")) {
        for (const auto& entry : KxNames::buttonFunctions())
            names << KxNames::functionName(*entry);
    } else if (what == QLatin1String("macros")) {
        for (const auto& macro : KxNames::libraryMacros())
            names << macro->nameStr();
    } else if (what == QLatin1String("buttons")) {
        for (int b = 0; b < KxSetup::kButtons; ++b)
            names << KxNames::buttonKey(b);
    } else if (what == QLatin1String("apps")) {
        // One a line: an id a newline would split is left out.
        for (const InstalledApplication& entry : InstalledApplications::list())
            if (!KxSetup::hasControlCharacters(entry.id))
                names << KxAppRules::normalApp(entry.id);
    } else if (what == QLatin1String("rules")) {
        // Rules a hand edit broke offer nothing; the command itself says why.
        for (const KxAppRule& rule : KxAppRules::load().rules.value_or(KxAppRules{}).rules)
            names << rule.app;
    } else {
        return fail(kUsage,
                    QStringLiteral("__complete takes functions, macros, buttons, apps or rules"));
    }
    names.removeDuplicates();
    if (!names.isEmpty())
        return output((names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    return kDone;
}

} // namespace KxCtl
