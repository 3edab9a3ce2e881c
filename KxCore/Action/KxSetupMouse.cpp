#include "KxSetupMouse.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvMouseAction.h"
#include "KxAppRulesUpdate.h"
#include "KxGlobals.h"
#include "KxNames.h"
#include "KxRecords.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MenuInfo.h"
#include "ProfieController.h"
#include "ProfileValue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace KxSetup {

namespace {

constexpr int32_t kFirstMouseButtonCode = 120; // left, right, middle in recorded steps

QString folded(const QString& name) {
    return name.simplified().toCaseFolded();
}

bool isMacro(const _BTN_INFO& record) {
    return record.FuncID == KxFuncId::kMacro || record.FuncTableId == KxFuncTable::kMacro;
}

bool isLaunch(const _BTN_INFO& record) {
    return record.FuncID == KxFuncId::kLaunch || record.FuncTableId == KxFuncTable::kLaunch;
}

// The bytes a record writes: its steps, then the mode byte and count; empty when it writes
// nothing.
QByteArray encoded(const _BTN_INFO& record) {
    uint8_t bytes[KxProtocol::kRecordSize] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(record, bytes, &length);
    if (length == 0)
        return {};
    QByteArray result(reinterpret_cast<const char*>(bytes), qsizetype(length));
    result.append(char(bytes[KxProtocol::kModeOffset]));
    result.append(char(bytes[KxProtocol::kModeOffset + 1]));
    return result;
}

// A name for a macro of the file: the library's, made fit for a file (no control characters,
// not empty, not too long) and unique in it.
QString uniqueName(QString name, const QSet<QString>& taken) {
    QString kept;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype length =
            name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QString character = name.mid(i, length);
        if (!hasControlCharacters(character))
            kept += character;
        i += length - 1;
    }
    name = kept.simplified();
    if (name.isEmpty())
        name = QStringLiteral("Macro");
    name = firstCharacters(name, kMaxMacroNameLength);
    if (!taken.contains(folded(name)))
        return name;
    for (int n = 2;; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        const QString candidate =
            firstCharacters(name, kMaxMacroNameLength - int(suffix.size())) + suffix;
        if (!taken.contains(folded(candidate)))
            return candidate;
    }
}

bool sameSteps(const MacroInfo& a, const MacroInfo& b) {
    return a.keyInfoArr() == b.keyInfoArr();
}

HvMouseAction* mouseSettings(std::unique_ptr<HvMouseAction>& local) {
    if (selMouseAction)
        return selMouseAction.get();
    local = std::make_unique<HvMouseAction>();
    for (const int type : {HvMouseAction::kPointerSpeed, HvMouseAction::kScrollSpeed,
                           HvMouseAction::kDoubleClickSpeed})
        local->addSettingItem(type);
    local->startSynchronize();
    return local.get();
}

QString settingsText(const Settings& s, int part) {
    switch (part) {
    case 0:
    case 1:
    case 2:
    case 3:
        return QCoreApplication::translate("KxSetupMouse", "%1 DPI").arg(s.dpi[size_t(part)]);
    case 4:
        return QString::number(s.activeStage + 1);
    case 5:
        return QCoreApplication::translate("KxSetupMouse", "%1 Hz").arg(s.rateHz);
    case 6:
        //: A light's state.
        return s.logoLight ? QCoreApplication::translate("KxSetupMouse", "on")
                           : QCoreApplication::translate("KxSetupMouse", "off");
    default:
        return s.wheelLight ? QCoreApplication::translate("KxSetupMouse", "on")
                            : QCoreApplication::translate("KxSetupMouse", "off");
    }
}

// Application rules in a few words: "3 rules, otherwise profile 2, switched off".
QString rulesText(const KxAppRules& rules) {
    QString text = rules.rules.size() == 1
                       ? QCoreApplication::translate("KxSetupMouse", "1 rule")
                       : QCoreApplication::translate("KxSetupMouse", "%n rules", nullptr,
                                                     int(rules.rules.size()));
    if (rules.otherwise)
        text = QCoreApplication::translate("KxSetupMouse", "%1, otherwise profile %2")
                   .arg(text)
                   .arg(*rules.otherwise);
    if (!rules.enabled)
        text = QCoreApplication::translate("KxSetupMouse", "%1, switched off").arg(text);
    return text;
}

QString settingsName(int part) {
    switch (part) {
    case 0:
    case 1:
    case 2:
    case 3:
        return QCoreApplication::translate("KxSetupMouse", "DPI stage %1").arg(part + 1);
    case 4:
        return QCoreApplication::translate("KxSetupMouse", "active DPI stage");
    case 5:
        return QCoreApplication::translate("KxSetupMouse", "polling rate");
    case 6:
        return QCoreApplication::translate("KxSetupMouse", "logo light");
    default:
        return QCoreApplication::translate("KxSetupMouse", "wheel light");
    }
}

} // namespace

// ---- Reading -------------------------------------------------------------------------------

bool readMouse(unsigned slots, bool settings, bool activeProfile, MouseState* state) {
    for (uint32_t slot = 0; slot < uint32_t(kProfiles); ++slot) {
        if (!(slots & (1u << slot)))
            continue;
        const auto buttons = KxAction::readSlotButtons(slot);
        if (!buttons)
            return false;
        state->buttons[slot] = *buttons;
    }
    if (settings) {
        const std::optional<SettingsBlock> block = KxAction::readSettingsBlock();
        if (!block)
            return false;
        state->settings = settingsOf(*block);
    }
    if (activeProfile) {
        const std::optional<int> active = KxAction::readProfileByDevice();
        if (!active || *active < 0 || *active >= kProfiles)
            return false;
        state->activeProfile = *active;
    }
    return true;
}

MouseState stateOfLibrary(const ProfieController& library, int activeProfile) {
    MouseState state;
    const auto& profiles = library.profileArr();
    for (int slot = 0; slot < kProfiles && slot < profiles.size(); ++slot) {
        const _Kx_PROFILE data = profiles[slot]->profileData();
        auto& buttons = state.buttons[size_t(slot)].emplace();
        std::copy(std::begin(data.btnInfo), std::end(data.btnInfo), buttons.begin());
        if (slot == activeProfile)
            state.settings = settingsOf(data);
    }
    state.activeProfile = activeProfile;
    return state;
}

void keepProfilesMacros(const ProfieController& library, MouseState& state) {
    const auto& profiles = library.profileArr();
    for (int slot = 0; slot < kProfiles && slot < profiles.size(); ++slot) {
        auto& buttons = state.buttons[size_t(slot)];
        if (!buttons || !profiles[slot])
            continue;
        const _Kx_PROFILE& held = profiles[slot]->profileData();
        for (int b = 0; b < kButtons; ++b)
            (*buttons)[size_t(b)] =
                KxAction::asTheProfileHolds((*buttons)[size_t(b)], held.btnInfo[b]);
    }
}

void takeRead(ProfieController& library, const MouseState& state) {
    const auto& profiles = library.profileArr();
    for (int slot = 0; slot < kProfiles && slot < profiles.size(); ++slot) {
        const auto& buttons = state.buttons[size_t(slot)];
        if (!buttons)
            continue;
        _Kx_PROFILE data = profiles[slot]->profileData();
        std::copy(buttons->begin(), buttons->end(), std::begin(data.btnInfo));
        profiles[slot]->setProfileData(data);
    }
    if (state.settings)
        library.takeSettingsBlock(blockOf(*state.settings), false);
}

int rateHzOf(uint32_t poRate) {
    return poRate < std::size(kPollingRatesHz) ? kPollingRatesHz[poRate] : 1000;
}

std::optional<uint32_t> poRateOf(int rateHz) {
    for (uint32_t i = 0; i < std::size(kPollingRatesHz); ++i)
        if (kPollingRatesHz[i] == rateHz)
            return i;
    return std::nullopt;
}

Settings settingsOf(const SettingsBlock& block) {
    Settings settings;
    for (int stage = 0; stage < kStages; ++stage)
        settings.dpi[size_t(stage)] =
            std::clamp(int(block.dpi[stage]) * kDpiStep, kMinDpi, kMaxDpi);
    settings.activeStage = int(std::min<uint32_t>(block.stage, kStages - 1));
    settings.rateHz = rateHzOf(block.rate);
    settings.logoLight = block.lights[KxAction::kLogoLight] != 0;
    settings.wheelLight = block.lights[KxAction::kWheelLight] != 0;
    return settings;
}

SettingsBlock blockOf(const Settings& settings) {
    SettingsBlock block;
    for (int stage = 0; stage < kStages; ++stage)
        block.dpi[stage] = uint32_t(settings.dpi[size_t(stage)] / kDpiStep);
    block.stage = uint32_t(settings.activeStage);
    block.rate = poRateOf(settings.rateHz).value_or(2);
    block.lights[KxAction::kLogoLight] = settings.logoLight ? 1 : 0;
    block.lights[KxAction::kWheelLight] = settings.wheelLight ? 1 : 0;
    return block;
}

Settings settingsOf(const _Kx_PROFILE& profile) {
    return settingsOf(SettingsBlock::of(profile));
}

void putSettings(const Settings& settings, _Kx_PROFILE* profile) {
    blockOf(settings).putInto(*profile);
}

bool readAppRules(MouseState* state, QString* why) {
    const KxAppRules::Parsed loaded = KxAppRules::load();
    if (!loaded.rules) {
        *why = KxAppRulesUpdate::brokenText(loaded);
        return false;
    }
    state->appRules = loaded.rules;
    return true;
}

Desktop desktopNow() {
    std::unique_ptr<HvMouseAction> local;
    const HvMouseAction* action = mouseSettings(local);
    const auto value = [action](int type) {
        return std::clamp(action->getValueByType(type), kMinSpeed, kMaxSpeed);
    };
    return {value(HvMouseAction::kPointerSpeed), value(HvMouseAction::kScrollSpeed),
            value(HvMouseAction::kDoubleClickSpeed)};
}

bool applyDesktop(const Desktop& desktop) {
    std::unique_ptr<HvMouseAction> local;
    HvMouseAction* action = mouseSettings(local);
    const std::pair<int, int> values[] = {
        {HvMouseAction::kPointerSpeed, desktop.pointerSpeed},
        {HvMouseAction::kScrollSpeed, desktop.scrollSpeed},
        {HvMouseAction::kDoubleClickSpeed, desktop.doubleClickSpeed}};
    bool ok = true;
    for (const auto& [type, value] : values)
        ok = action->setValue(value, type) && action->getValueByType(type) == value && ok;
    // These are the speeds to come back to now, also for a view cancelled later.
    action->applyDefault();
    return ok;
}

// ---- Describing ----------------------------------------------------------------------------

Button describe(const _BTN_INFO& record, int slot, int button) {
    Button d;
    if (isMacro(record)) {
        d.kind = Button::Kind::Macro;
        if (const auto macro = KxAction::getMacroById(int32_t(record.MacroID)))
            d.macro = macro->nameStr();
        d.mode = record.KeyBit[0] <= 3 ? RunMode(record.KeyBit[0]) : RunMode::Once;
        d.count = std::min<uint32_t>(record.KeyBit[1], kMaxCount);
        return d;
    }
    if (isLaunch(record)) {
        d.kind = Button::Kind::Launch;
        // Another button's code: the button launches what that code launches, written as the
        // code alone.
        if (record.KeyBit[0] != KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(button))) {
            d.launchCode = uint8_t(record.KeyBit[0]);
            return d;
        }
        const QString path = KxNames::launchPath(record);
        const QString id = QFileInfo(path).fileName();
        // An installed application goes by its id, so that it starts wherever it is installed.
        if (path.endsWith(QLatin1String(".desktop")) &&
            HvAction::getAppPathByid(id).value_or(QString()) == path)
            d.desktopEntry = id;
        else
            d.path = path;
        return d;
    }
    if (const auto name = KxNames::deviceFunctionName(record.FuncTableId)) {
        d.kind = Button::Kind::Device;
        d.table = record.FuncTableId;
        d.function = *name;
        return d;
    }
    if (const auto entry = KxNames::functionOf(record)) {
        d.kind = Button::Kind::Function;
        d.function = KxNames::functionName(*entry);
        d.functionId = entry->functionID();
        return d;
    }
    if (record.FuncTableId == KxFuncTable::kFirmware || record.FuncTableId == KxFuncTable::kKeys) {
        d.kind = Button::Kind::Record;
        d.table = record.FuncTableId;
        for (int i = 0; i < (d.table == KxFuncTable::kFirmware ? 1 : 4); ++i) {
            const uint8_t code = uint8_t(record.KeyBit[i]);
            if (code == 0)
                break;
            d.keys.append(code);
        }
        if (!d.keys.isEmpty())
            return d;
    }
    // A disabled button, also where the catalogue lacks the entry.
    d.kind = Button::Kind::Function;
    d.function = QStringLiteral("Disable");
    return d;
}

Macro describe(const MacroInfo& macro, const QString& name) {
    Macro d;
    d.name = name;
    d.loopTime = std::clamp(macro.loopTime(), 0, kMaxCount);
    for (const MacroKeyInfo& key : macro.keyInfoArr()) {
        MacroStep step;
        step.delayMs = std::clamp(key.delay(), 0, kMaxDelayMs);
        switch (key.keyFlag()) {
        case MacroKeyInfo::kFlagMenuFunction: {
            // A command the catalogue no longer has never reached the mouse.
            const auto entry = KxAction::getMacroMenuByFunid(key.keyCode());
            if (!entry)
                continue;
            step.action = MacroStep::Action::Insert;
            step.function = KxNames::functionName(*entry);
            step.functionId = entry->functionID();
            break;
        }
        case MacroKeyInfo::kFlagMouseDown:
        case MacroKeyInfo::kFlagMouseUp:
            if (key.keyCode() < kFirstMouseButtonCode || key.keyCode() > kFirstMouseButtonCode + 2)
                continue;
            step.action = key.keyFlag() == MacroKeyInfo::kFlagMouseDown
                              ? MacroStep::Action::MouseDown
                              : MacroStep::Action::MouseUp;
            step.mouseButton = key.keyCode() - kFirstMouseButtonCode;
            break;
        default:
            step.action = key.keyFlag() == MacroKeyInfo::kFlagKeyUp ? MacroStep::Action::Release
                                                                    : MacroStep::Action::Press;
            step.key = key.keyCode();
            if (key.deviceCode())
                step.deviceCode = *key.deviceCode();
            break;
        }
        d.steps.append(step);
    }
    return d;
}

File capture(const MouseState& state, const QString& program) {
    File file;
    file.program = program;
    file.exported = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    file.activeProfile = state.activeProfile.value_or(0);
    file.settings = state.settings.value_or(Settings{{800, 1600, 2400, 3200}, 0, 1000, true, true});
    file.desktop = state.desktop;
    if (state.appRules && *state.appRules != KxAppRules{})
        file.appRules = state.appRules;
    QHash<int32_t, QString> names; // macro id → its name in the file
    QSet<QString> taken;
    for (int p = 0; p < kProfiles; ++p) {
        if (!state.buttons[size_t(p)])
            continue;
        for (int b = 0; b < kButtons; ++b) {
            const _BTN_INFO& record = (*state.buttons[size_t(p)])[size_t(b)];
            Button button = describe(record, p, b);
            if (button.kind == Button::Kind::Macro) {
                const int32_t id = int32_t(record.MacroID);
                const auto macro = KxAction::getMacroById(id);
                if (!names.contains(id) && macro) {
                    const QString name = uniqueName(macro->nameStr(), taken);
                    taken.insert(folded(name));
                    names.insert(id, name);
                    file.macros.append(describe(*macro, name));
                }
                // A macro deleted from the library: the mouse still runs it, and a set-up read
                // from the mouse always knows it; one from the files cannot say what it is.
                if (!macro)
                    button = describe(_BTN_INFO{}, p, b);
                else
                    button.macro = names.value(id);
            }
            file.profiles[size_t(p)][size_t(b)] = button;
        }
    }
    return file;
}

// ---- Resolving -----------------------------------------------------------------------------

unsigned Target::slots() const {
    unsigned bits = 0;
    for (int p = 0; p < kProfiles; ++p)
        for (const auto& button : buttons[size_t(p)])
            if (button)
                bits |= 1u << p;
    return bits;
}

namespace {

struct Resolver {
    const File& file;
    Error error;
    bool failed = false;
    QHash<QString, std::shared_ptr<MacroInfo>> macros; // by folded file name
    QList<std::shared_ptr<MacroInfo>> newMacros;
    QStringList notes;
    QStringList changes; // those of the notes that change the library
    QSet<QString> taken; // folded names of the library's macros and the new ones

    bool fail(const QString& field, const QString& reason) {
        if (!failed)
            error = {field, reason};
        failed = true;
        return false;
    }

    std::shared_ptr<MacroInfo> library(const Macro& macro) {
        auto candidate = std::make_shared<MacroInfo>();
        candidate->setNameStr(macro.name);
        candidate->setLoopTime(macro.loopTime);
        for (qsizetype i = 0; i < macro.steps.size(); ++i) {
            const MacroStep& step = macro.steps[i];
            switch (step.action) {
            case MacroStep::Action::Press:
            case MacroStep::Action::Release: {
                MacroKeyInfo key(step.key,
                                 step.action == MacroStep::Action::Press
                                     ? MacroKeyInfo::kFlagKeyDown
                                     : MacroKeyInfo::kFlagKeyUp,
                                 step.delayMs);
                if (step.deviceCode)
                    key.setDeviceCode(uint8_t(*step.deviceCode));
                candidate->keyInfoArr().append(key);
                break;
            }
            case MacroStep::Action::Insert: {
                const auto match = KxNames::findInsertFunction(step.function);
                if (!match.found) {
                    fail(step.where + QStringLiteral(".function"),
                         KxNames::whyNot(match, KxNames::Named::Command, step.function));
                    return nullptr;
                }
                candidate->keyInfoArr().append(MacroKeyInfo(
                    match.found->functionID(), MacroKeyInfo::kFlagMenuFunction, step.delayMs));
                break;
            }
            case MacroStep::Action::MouseDown:
            case MacroStep::Action::MouseUp:
                candidate->keyInfoArr().append(MacroKeyInfo(
                    kFirstMouseButtonCode + step.mouseButton,
                    step.action == MacroStep::Action::MouseDown ? MacroKeyInfo::kFlagMouseDown
                                                                : MacroKeyInfo::kFlagMouseUp,
                    step.delayMs));
                break;
            }
        }
        // A step holds its delay in units the mouse has, as the macro editor brings it there.
        const int changed = candidate->bringDelaysWithinSteps();
        const uint32_t deviceSteps = candidate->getMacroCount();
        if (deviceSteps > uint32_t(KxProtocol::kMaxRecordSteps)) {
            fail(macro.where + QStringLiteral(".steps"),
                 QCoreApplication::translate(
                     "KxSetupMouse", "the macro takes %1 steps on the mouse; a button holds %2")
                     .arg(deviceSteps)
                     .arg(KxProtocol::kMaxRecordSteps));
            return nullptr;
        }
        if (changed > 0) {
            const QString note =
                (changed == 1
                     ? QCoreApplication::translate("KxSetupMouse",
                                                   "macro %1: 1 delay was changed to what a step "
                                                   "holds: at most %2 ms, in steps of %3 ms")
                     : QCoreApplication::translate("KxSetupMouse",
                                                   "macro %1: %n delays were changed to what a "
                                                   "step holds: at most %2 ms, in steps of %3 ms",
                                                   nullptr, changed))
                    .arg(macro.name, QString::number(MacroInfo::kMaxDelayMs),
                         QString::number(MacroInfo::kDelayStepMs));
            notes << note;
            changes << note;
        }
        // The same steps in the library: that macro, whatever it is called.
        for (const auto& existing : KxNames::libraryMacros())
            if (sameSteps(*existing, *candidate)) {
                notes << (folded(existing->nameStr()) == folded(macro.name)
                              ? QCoreApplication::translate(
                                    "KxSetupMouse", "macro %1: the library's, used as it is")
                                    .arg(existing->nameStr())
                              : QCoreApplication::translate(
                                    "KxSetupMouse", "macro %1: the same as the library's %2, which "
                                                    "is used")
                                    .arg(macro.name, existing->nameStr()));
                return existing;
            }
        const QString name = uniqueName(macro.name, taken);
        taken.insert(folded(name));
        const QString note =
            name == macro.name
                ? QCoreApplication::translate("KxSetupMouse", "macro %1: added to the library")
                      .arg(name)
                : QCoreApplication::translate("KxSetupMouse",
                                              "macro %1: added to the library as %2 (the "
                                              "library's %1 has other steps)")
                      .arg(macro.name, name);
        notes << note;
        changes << note;
        candidate->setNameStr(name);
        newMacros.append(candidate);
        return candidate;
    }

    std::optional<_BTN_INFO> record(const Button& button, int slot, int index) {
        _BTN_INFO r{};
        switch (button.kind) {
        case Button::Kind::Function: {
            const auto match = KxNames::findFunction(button.function);
            if (!match.found) {
                fail(button.where + QStringLiteral(".function"),
                     KxNames::whyNot(match, KxNames::Named::Function, button.function));
                return std::nullopt;
            }
            return KxNames::functionRecord(*match.found);
        }
        case Button::Kind::Record:
            r.btnType = KxButtonType::kSingle;
            r.FuncID = r.FuncTableId = button.table;
            for (qsizetype i = 0; i < button.keys.size() && i < 4; ++i)
                r.KeyBit[i] = button.keys[i];
            if (const auto entry = KxAction::getSingleByBtnInfo(r))
                r.FuncID = uint32_t(entry->functionID());
            return r;
        case Button::Kind::Macro: {
            const auto macro = macros.value(folded(button.macro));
            if (!macro) {
                fail(button.where + QStringLiteral(".macro"),
                     QCoreApplication::translate("KxSetupMouse", "the file has no macro \"%1\"")
                         .arg(button.macro));
                return std::nullopt;
            }
            r.btnType = KxButtonType::kMacro;
            r.FuncID = r.FuncTableId = KxFuncTable::kMacro;
            r.MacroID = uint32_t(macro->macroId());
            r.KeyBit[0] = uint32_t(button.mode);
            r.KeyBit[1] = button.count;
            return r;
        }
        case Button::Kind::Launch: {
            // The daemon starts the path filed under the code the record sends.
            const auto own =
                uint8_t(KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(index)));
            const uint8_t code = button.launchCode.value_or(own);
            const bool named = !button.path.isEmpty() || !button.desktopEntry.isEmpty();
            if (code != own && named) {
                const int other = code - KxProtocol::kFirstLaunchCode;
                fail(button.where + QStringLiteral(".code"),
                     QCoreApplication::translate(
                         "KxSetupMouse",
                         "%1 is the launch code of profile %2's %3; a launcher with a "
                         "path of its own launches with code %4")
                         .arg(code)
                         .arg(other / kButtons + 1)
                         .arg(KxNames::buttonTitle(other % kButtons))
                         .arg(own));
                return std::nullopt;
            }
            // Without one, the button launches what its code launches now.
            QString path =
                named ? button.path : KxAction::daemonGetLaunchPath(code).value_or(QString());
            if (!button.desktopEntry.isEmpty()) {
                const auto installed = HvAction::getAppPathByid(button.desktopEntry);
                if (!installed) {
                    fail(button.where + QStringLiteral(".desktopEntry"),
                         QCoreApplication::translate("KxSetupMouse",
                                                     "the application %1 is not installed here")
                             .arg(button.desktopEntry));
                    return std::nullopt;
                }
                path = *installed;
            }
            const QByteArray utf8 = path.toUtf8();
            if (utf8.size() > kMaxPathBytes) {
                fail(button.where,
                     QCoreApplication::translate("KxSetupMouse",
                                                 "the application's path is longer than %1 bytes")
                         .arg(kMaxPathBytes));
                return std::nullopt;
            }
            r.btnType = KxButtonType::kLaunch;
            r.FuncID = r.FuncTableId = KxFuncTable::kLaunch;
            r.KeyBit[0] = code;
            std::memcpy(r.app_path, utf8.constData(), size_t(utf8.size()));
            return r;
        }
        case Button::Kind::Device: {
            // The mouse keeps these itself; a write leaves them as they are.
            r.btnType = KxButtonType::kSingle;
            r.FuncID = r.FuncTableId = button.table;
            return r;
        }
        }
        return std::nullopt;
    }
};

} // namespace

Resolved resolve(const File& file, unsigned profiles, bool shared) {
    Resolver resolver{file, {}, false, {}, {}, {}, {}, {}};
    for (const auto& macro : std::as_const(macroListArrs))
        if (macro)
            resolver.taken.insert(folded(macro->nameStr()));

    // The macros the chosen profiles run, in the file's order.
    QSet<QString> used;
    for (int p = 0; p < kProfiles; ++p)
        if (profiles & (1u << p))
            for (const Button& button : file.profiles[size_t(p)])
                if (button.kind == Button::Kind::Macro)
                    used.insert(folded(button.macro));
    int shown = int(KxNames::libraryMacros().size());
    for (const Macro& macro : file.macros) {
        if (!used.contains(folded(macro.name)))
            continue;
        const auto taken = resolver.library(macro);
        if (!taken)
            return {std::nullopt, resolver.error};
        resolver.macros.insert(folded(macro.name), taken);
    }
    shown += int(resolver.newMacros.size());
    if (shown > KxAction::kMaxMacroCount)
        return {std::nullopt,
                {QStringLiteral("macros"),
                 QCoreApplication::translate(
                     "KxSetupMouse", "the library would hold %1 macros, more than the %2 it keeps")
                     .arg(shown)
                     .arg(KxAction::kMaxMacroCount)}};

    Target target;
    for (int p = 0; p < kProfiles; ++p) {
        if (!(profiles & (1u << p)))
            continue;
        for (int b = 0; b < kButtons; ++b) {
            const auto record = resolver.record(file.profiles[size_t(p)][size_t(b)], p, b);
            if (!record)
                return {std::nullopt, resolver.error};
            target.buttons[size_t(p)][size_t(b)] = *record;
        }
    }
    if (shared) {
        target.settings = file.settings;
        target.activeProfile = file.activeProfile;
        target.desktop = file.desktop;
        target.appRules = file.appRules;
    }
    // Ids last, so that a refused file leaves the library's mark of ids where it was; the
    // records of new macros take theirs now.
    for (const auto& macro : std::as_const(resolver.newMacros))
        macro->setMacroId(KxAction::getNewMacorId());
    for (int p = 0; p < kProfiles; ++p) {
        if (!(profiles & (1u << p)))
            continue;
        for (int b = 0; b < kButtons; ++b) {
            const Button& button = file.profiles[size_t(p)][size_t(b)];
            auto& record = target.buttons[size_t(p)][size_t(b)];
            if (record && button.kind == Button::Kind::Macro)
                record->MacroID = uint32_t(resolver.macros.value(folded(button.macro))->macroId());
        }
    }
    target.newMacros = resolver.newMacros;
    target.macroNotes = resolver.notes;
    target.macroChanges = resolver.changes;
    return {target, {}};
}

// ---- Planning ------------------------------------------------------------------------------

QString Change::text() const {
    if (what.isEmpty())
        return to;
    if (from.isEmpty())
        //: A change: what changes (%1) and what it becomes (%2).
        return QCoreApplication::translate("KxSetupMouse", "%1: %2").arg(what, to);
    //: A change: what changes (%1), what it was (%2) and what it becomes (%3).
    return QCoreApplication::translate("KxSetupMouse", "%1: %2 → %3").arg(what, from, to);
}

bool sameButton(const _BTN_INFO& a, const _BTN_INFO& b) {
    const QByteArray ea = encoded(a), eb = encoded(b);
    if (ea != eb)
        return false;
    if (isLaunch(a) || isLaunch(b))
        return KxNames::launchPath(a) == KxNames::launchPath(b);
    if (ea.isEmpty())
        // Neither writes anything: the same only when they name the same.
        return a.FuncID == b.FuncID && a.FuncTableId == b.FuncTableId &&
               a.KeyBit[0] == b.KeyBit[0] && a.MacroID == b.MacroID;
    return true;
}

QString statusOf(const Change& change, const WriteResult& result, bool desktopApplied) {
    const QString written = QStringLiteral("written");
    const QString notWritten = QStringLiteral("notWritten");
    const QString unconfirmed = QStringLiteral("unconfirmed");
    const auto ofFlag = [&](const std::optional<bool>& done, bool maybe) {
        return done.value_or(false) ? written : maybe ? unconfirmed : notWritten;
    };
    switch (change.part) {
    case Change::Part::Button: {
        if (change.profile < 0 || change.profile >= kProfiles || change.button < 0 ||
            change.button >= kButtons)
            return notWritten;
        const auto& slot = result.slots[size_t(change.profile)];
        if (!slot)
            return notWritten;
        using Outcome = KxAction::ButtonWriteResult::Outcome;
        switch (slot->outcome[change.button]) {
        case Outcome::Written:
        case Outcome::AlreadyHeld:
        case Outcome::LeftAsIs:
            return written;
        case Outcome::Unconfirmed:
            return unconfirmed;
        case Outcome::Failed:
        case Outcome::NotReached:
            return notWritten;
        }
        return notWritten;
    }
    case Change::Part::Settings:
        return ofFlag(result.settings, result.settingsUnconfirmed);
    case Change::Part::ActiveProfile:
        return ofFlag(result.activeProfile, result.activeProfileUnconfirmed);
    case Change::Part::Desktop:
        return desktopApplied ? written : notWritten;
    case Change::Part::Library:
        return written; // the macros were kept before anything was sent
    case Change::Part::AppRules:
        return result.appRules.value_or(false) ? written : notWritten;
    }
    return notWritten;
}

QList<int> profilesLosingLeftClick(const Target& target, const MouseState& current) {
    QList<int> lost;
    for (int p = 0; p < kProfiles; ++p) {
        const auto& held = current.buttons[size_t(p)];
        if (!held || !(target.slots() & (1u << p)))
            continue;
        int before = 0, after = 0;
        for (int b = 0; b < kButtons; ++b) {
            const _BTN_INFO& now = (*held)[size_t(b)];
            const auto& wanted = target.buttons[size_t(p)][size_t(b)];
            before += now.FuncID == KxFuncId::kLeftClick;
            after += (wanted ? *wanted : now).FuncID == KxFuncId::kLeftClick;
        }
        if (before > 0 && after == 0)
            lost.append(p);
    }
    return lost;
}

QList<Change> plan(const Target& target, const MouseState& current) {
    QList<Change> changes;
    for (int p = 0; p < kProfiles; ++p)
        for (int b = 0; b < kButtons; ++b) {
            const auto& wanted = target.buttons[size_t(p)][size_t(b)];
            if (!wanted)
                continue;
            const auto& held = current.buttons[size_t(p)];
            if (held && sameButton((*held)[size_t(b)], *wanted))
                continue;
            QString to = KxNames::caption(*wanted);
            if (KxNames::deviceFunctionName(wanted->FuncTableId))
                //: What a button is given (%1: a function the mouse keeps by itself).
                to = QCoreApplication::translate(
                         "KxSetupMouse", "%1 (the mouse keeps what it holds for this button)")
                         .arg(to);
            //: A button of a profile: the profile's number (%1) and the button ("wheel button").
            changes.append({QCoreApplication::translate("KxSetupMouse", "profile %1 %2")
                                .arg(p + 1)
                                .arg(KxNames::buttonTitle(b)),
                            held ? KxNames::caption((*held)[size_t(b)]) : QStringLiteral("?"), to,
                            Change::Part::Button, p, b});
        }
    if (target.settings) {
        for (int part = 0; part < 8; ++part) {
            const QString to = settingsText(*target.settings, part);
            const QString from =
                current.settings ? settingsText(*current.settings, part) : QStringLiteral("?");
            if (from != to)
                changes.append({settingsName(part), from, to, Change::Part::Settings});
        }
    }
    if (target.activeProfile && current.activeProfile != target.activeProfile)
        changes.append({QCoreApplication::translate("KxSetupMouse", "active profile"),
                        current.activeProfile ? QString::number(*current.activeProfile + 1)
                                              : QStringLiteral("?"),
                        QString::number(*target.activeProfile + 1), Change::Part::ActiveProfile});
    if (target.desktop) {
        const std::pair<const char*, std::pair<int, int>> speeds[] = {
            {QT_TRANSLATE_NOOP("KxSetupMouse", "desktop pointer speed"),
             {current.desktop ? current.desktop->pointerSpeed : 0, target.desktop->pointerSpeed}},
            {QT_TRANSLATE_NOOP("KxSetupMouse", "desktop scroll speed"),
             {current.desktop ? current.desktop->scrollSpeed : 0, target.desktop->scrollSpeed}},
            {QT_TRANSLATE_NOOP("KxSetupMouse", "desktop double-click speed"),
             {current.desktop ? current.desktop->doubleClickSpeed : 0,
              target.desktop->doubleClickSpeed}}};
        for (const auto& [name, values] : speeds)
            if (values.first != values.second)
                changes.append({QCoreApplication::translate("KxSetupMouse", name),
                                values.first ? QString::number(values.first) : QStringLiteral("?"),
                                QString::number(values.second), Change::Part::Desktop});
    }
    if (target.appRules && current.appRules != target.appRules) {
        const QString to = rulesText(*target.appRules);
        changes.append(
            {QCoreApplication::translate("KxSetupMouse", "application rules"), QString(),
             current.appRules && *current.appRules != KxAppRules{}
                 //: The application rules a set-up brings (%1: "3 rules, otherwise
                 //: profile 2"), and the user's that they replace (%2).
                 ? QCoreApplication::translate("KxSetupMouse", "%1, replacing yours (%2)")
                       .arg(to, rulesText(*current.appRules))
                 : to,
             Change::Part::AppRules});
    }
    // Only macros that join the library change it, and delays brought to what a step holds.
    for (const QString& note : target.macroChanges)
        changes.append({QString(), QString(), note});
    return changes;
}

// ---- Writing -------------------------------------------------------------------------------

NewMacros::NewMacros(const Target& target) {
    for (const auto& macro : target.newMacros)
        if (!macroListArrs.contains(macro)) {
            macroListArrs.append(macro);
            added_.append(macro);
        }
}

NewMacros::~NewMacros() {
    if (kept_)
        return;
    for (const auto& macro : std::as_const(added_))
        macroListArrs.removeOne(macro);
}

bool NewMacros::keep() {
    if (added_.isEmpty()) {
        kept_ = true;
        return true;
    }
    KxAction::refreshMenuList();
    kept_ = KxAction::saveMenuList();
    return kept_;
}

bool NewMacros::giveBack() {
    if (!kept_ || added_.isEmpty())
        return true;
    kept_ = false;
    for (const auto& macro : std::as_const(added_))
        macroListArrs.removeOne(macro);
    added_.clear();
    KxAction::refreshMenuList();
    return KxAction::saveMenuList();
}

bool WriteResult::complete() const {
    for (const auto& slot : slots)
        if (slot && !slot->complete())
            return false;
    return settings.value_or(true) && activeProfile.value_or(true) && !stopped;
}

bool WriteResult::changedMouse() const {
    for (const auto& slot : slots)
        if (slot)
            for (const auto outcome : slot->outcome)
                if (outcome == KxAction::ButtonWriteResult::Outcome::Written)
                    return true;
    return settings.value_or(false) || activeProfile.value_or(false);
}

WriteResult writeToMouse(const Target& target, const MouseState& current) {
    WriteResult result;
    for (uint32_t slot = 0; slot < uint32_t(kProfiles); ++slot) {
        if (!(target.slots() & (1u << slot)))
            continue;
        KxAction::SlotButtons buttons;
        for (int b = 0; b < kButtons; ++b) {
            const auto& wanted = target.buttons[slot][size_t(b)];
            const auto& held = current.buttons[slot];
            // What the mouse holds is known, so a button not asked for, or asked for as it
            // holds it, sends nothing.
            buttons[size_t(b)] = wanted ? *wanted : held ? (*held)[size_t(b)] : _BTN_INFO{};
            if (held)
                KxAction::knowRecord(slot, uint32_t(b), (*held)[size_t(b)]);
        }
        if (result.stopped) {
            KxAction::ButtonWriteResult skipped;
            skipped.slot = slot;
            std::copy(buttons.begin(), buttons.end(), std::begin(skipped.buttons));
            result.slots[slot] = skipped; // every outcome NotReached
            continue;
        }
        const KxAction::ButtonWriteResult written = KxAction::writeSlotButtons(slot, buttons, true);
        result.stopped = result.stopped || !written.complete();
        result.slots[slot] = written;
    }
    if (target.settings && (!current.settings || *current.settings != *target.settings)) {
        if (result.stopped) {
            result.settings = false;
        } else {
            _Kx_PROFILE profile = {};
            putSettings(*target.settings, &profile);
            bool anySent = false;
            KxAction::writeSettingsOf(profile, &anySent);
            // Read back whether or not the write went across whole: part of it may have.
            const std::optional<SettingsBlock> held = KxAction::readSettingsBlock();
            const std::optional<Settings> holds =
                held ? std::optional<Settings>(settingsOf(*held)) : std::nullopt;
            result.settings = holds == target.settings;
            // Held otherwise than before: the mouse took part of it.
            if (holds && !*result.settings && holds != current.settings)
                result.settingsHeld = held;
            result.settingsUnconfirmed = !held && anySent;
            result.stopped = !held;
        }
    }
    if (target.activeProfile && current.activeProfile != target.activeProfile) {
        if (result.stopped) {
            result.activeProfile = false;
        } else {
            const bool sent = KxAction::writeActiveProfile(uint32_t(*target.activeProfile));
            const std::optional<int> active = KxAction::readProfileByDevice();
            result.activeProfile = active == target.activeProfile;
            result.activeProfileUnconfirmed = !active && sent;
            result.stopped = !active;
        }
    }
    return result;
}

void takeWritten(ProfieController& library, const Target& target, const WriteResult& result) {
    using Outcome = KxAction::ButtonWriteResult::Outcome;
    for (int slot = 0; slot < kProfiles; ++slot) {
        const auto& written = result.slots[size_t(slot)];
        if (!written)
            continue;
        unsigned held = 0, leftAsIs = 0;
        for (int b = 0; b < kButtons; ++b) {
            if (written->holds(b))
                held |= 1u << b;
            else if (written->outcome[b] == Outcome::LeftAsIs)
                leftAsIs |= 1u << b;
        }
        library.takeWrittenButtons(slot, written->buttons, held, leftAsIs);
    }
    if (target.settings && result.settings.value_or(false))
        library.takeSettingsBlock(blockOf(*target.settings));
    else if (result.settingsHeld)
        library.takeSettingsBlock(*result.settingsHeld);
}

void takeDesktop(ProfieController& library, const Desktop& desktop) {
    const auto put = [&desktop](_Kx_PROFILE& data) {
        data.acceler = uint32_t(desktop.pointerSpeed);
        data.srcSpeed = uint32_t(desktop.scrollSpeed);
        data.doubleSpeed = uint32_t(desktop.doubleClickSpeed);
    };
    for (const auto& profile : library.profileArr()) {
        _Kx_PROFILE data = profile->profileData();
        put(data);
        profile->setProfileData(data);
    }
    if (library.currProfile())
        put(selProfile);
}

QStringList problems(const Target& target, const WriteResult& result, const MouseState& current) {
    using Outcome = KxAction::ButtonWriteResult::Outcome;
    QStringList lines;
    for (int slot = 0; slot < kProfiles; ++slot) {
        const auto& written = result.slots[size_t(slot)];
        if (!written)
            continue;
        QStringList missed, unconfirmed;
        for (int b = 0; b < kButtons; ++b) {
            const auto& wanted = target.buttons[size_t(slot)][size_t(b)];
            const auto& held = current.buttons[size_t(slot)];
            // A button the mouse held as asked before the write is no news.
            if (!wanted || written->reached(b) || (held && sameButton(*wanted, (*held)[size_t(b)])))
                continue;
            (written->outcome[b] == Outcome::Unconfirmed ? unconfirmed : missed)
                << KxNames::buttonTitle(b);
        }
        if (!missed.isEmpty())
            lines << QCoreApplication::translate("KxSetupMouse",
                                                 "The %1 of profile %2 did not reach the mouse.")
                         .arg(KxNames::listed(missed))
                         .arg(slot + 1);
        if (!unconfirmed.isEmpty())
            lines << QCoreApplication::translate(
                         "KxSetupMouse", "The %1 of profile %2 may not have reached the mouse: it "
                                         "stopped answering before they could be read back.")
                         .arg(KxNames::listed(unconfirmed))
                         .arg(slot + 1);
    }
    if (result.settings && !*result.settings) {
        if (result.settingsUnconfirmed)
            lines << QCoreApplication::translate(
                "KxSetupMouse", "The settings (DPI stages, polling rate, lights) may not have "
                                "reached the mouse: it stopped answering before they could "
                                "be read back.");
        else if (result.settingsHeld)
            lines << QCoreApplication::translate(
                "KxSetupMouse", "The mouse took only part of the settings (DPI stages, "
                                "polling rate, lights): they are shown as it holds them.");
        else
            lines << QCoreApplication::translate(
                "KxSetupMouse", "The settings (DPI stages, polling rate, lights) did not "
                                "reach the mouse.");
    }
    if (result.activeProfile && !*result.activeProfile)
        lines << (result.activeProfileUnconfirmed
                      ? QCoreApplication::translate(
                            "KxSetupMouse",
                            "The mouse may not have switched to profile %1: it stopped "
                            "answering before it could say.")
                      : QCoreApplication::translate("KxSetupMouse",
                                                    "The mouse did not switch to profile %1."))
                     .arg(target.activeProfile.value_or(0) + 1);
    return lines;
}

} // namespace KxSetup
