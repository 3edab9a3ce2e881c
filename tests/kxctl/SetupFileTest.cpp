// Set-up files on their own and against the shipped catalogue and a library: what is written
// reads back the same, one change is one line, every version's fixture reads, and hostile files
// are refused naming the field, before anything could change.
#include "KxAction.h"
#include "KxCtlCommandLine.h"
#include "KxCtlTestSupport.h"
#include "KxGlobals.h"
#include "KxNames.h"
#include "KxProtocol.h"
#include "KxSetupFile.h"
#include "KxSetupMouse.h"
#include "MacroInfo.h"
#include "ProfieController.h"
#include "TooltipManager.h"

#include <QDir>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

using namespace KxSetup;

// A set-up with a button of every kind and a macro with a step of every kind.
File richFile() {
    File file;
    file.program = QStringLiteral("test");
    file.activeProfile = 2;
    file.settings = {{400, 1200, 2400, kMaxDpi}, 1, 500, true, false};
    file.desktop = Desktop{3, 8, 6};
    for (auto& profile : file.profiles)
        for (int b = 0; b < kButtons; ++b)
            profile[size_t(b)] =
                setupButton(b == 0 ? QStringLiteral("Left Click") : QStringLiteral("F%1").arg(b));
    file.profiles[1][3] = macroButton("Reload «all»", RunMode::Repeat);
    file.profiles[1][3].count = 3;
    for (int p : {1, 2, 3})
        file.profiles[size_t(p)][4] = setupButton({}, Button::Kind::Launch);
    file.profiles[1][4].path = QStringLiteral("/usr/bin/true");
    file.profiles[2][4].desktopEntry = QStringLiteral("org.example.Editor.desktop");
    // Sends profile 3's left button's code: launches what that code launches.
    file.profiles[3][4].launchCode = uint8_t(KxAction::getBtnAppLaunchIndex(2, 0));
    Button& record = file.profiles[3][2] = setupButton({}, Button::Kind::Record);
    record.table = KxFuncTable::kKeys;
    record.keys = {KxProtocol::kCodeLeftClick, KxProtocol::kCodeRightClick};
    file.profiles[4][2] = setupButton("Page UP(Win)", Button::Kind::Device);
    file.profiles[4][2].table = KxFuncTable::kPageUpWin;
    Macro reload;
    reload.name = QStringLiteral("Reload «all»");
    reload.loopTime = 2;
    reload.steps = {{MacroStep::Action::Press, 21, {}, {}, {}, 0, 100, {}},
                    {MacroStep::Action::Release, 21, {}, {}, {}, 0, 0, {}},
                    {MacroStep::Action::Insert, 0, {}, QStringLiteral("Copy"), 512, 0, 0, {}},
                    {MacroStep::Action::MouseDown, 0, {}, {}, {}, 1, kMaxDelayMs, {}},
                    {MacroStep::Action::MouseUp, 0, {}, {}, {}, 1, 0, {}},
                    // A key read from the mouse with no desktop key of its own.
                    {MacroStep::Action::Press, 0, 185, {}, {}, 0, 0, {}},
                    {MacroStep::Action::Release, 0, 185, {}, {}, 0, 0, {}}};
    file.macros = {reload};
    return file;
}

// The rich file, with nothing installed here: its desktop entry is a path.
File richFileHere() {
    File file = richFile();
    file.profiles[2][4].desktopEntry.clear();
    file.profiles[2][4].path = QStringLiteral("/usr/bin/env");
    return file;
}

class SetupFileTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        KxAction::getSysPath();
        TooltipManager::shareTooltipManager();
        KxAction::initMenuList();
        sysProCon = ProfieController::getShareProCon();
    }
    void SetUp() override {
        KxAction::initMenuList();
        KxAction::refreshMenuList();
    }
    static std::shared_ptr<MacroInfo> addLibraryMacro(const QString& name,
                                                      QList<MacroKeyInfo> steps) {
        auto macro = std::make_shared<MacroInfo>();
        macro->setNameStr(name);
        macro->setMacroId(KxAction::getNewMacorId());
        macro->setKeyInfoArr(std::move(steps));
        macroListArrs.append(macro);
        KxAction::refreshMenuList();
        return macro;
    }
    // A file as read from disk, resolved against the catalogue and the library.
    static Resolved resolved(const File& file, unsigned profiles = 0x1F, bool shared = true) {
        const Parsed parsed = parse(serialize(file));
        EXPECT_TRUE(parsed.file) << qPrintable(parsed.error.text());
        return parsed.file ? resolve(*parsed.file, profiles, shared) : Resolved{};
    }
};

TEST_F(SetupFileTest, WhatIsWrittenReadsBackTheSame) {
    const File file = richFile();
    const Parsed parsed = parse(serialize(file));
    ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());
    EXPECT_EQ(*parsed.file, file);
    // Written again, byte for byte: nothing is lost or reordered on the way.
    EXPECT_EQ(serialize(*parsed.file), serialize(file));
}

TEST_F(SetupFileTest, ChangingOneButtonOrStepChangesOneLine) {
    File file = richFile();
    const QList<QByteArray> before = serialize(file).split('\n');
    file.profiles[3][1].function = QStringLiteral("Back");
    file.macros[0].steps[1].delayMs = 200;
    const QList<QByteArray> after = serialize(file).split('\n');
    ASSERT_EQ(before.size(), after.size());
    QList<QByteArray> changed;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changed << after[i].trimmed();
    ASSERT_EQ(changed.size(), 2);
    EXPECT_TRUE(changed[0].contains("\"function\": \"Back\"")) << changed[0].constData();
    EXPECT_TRUE(changed[1].contains("\"delayMs\": 200")) << changed[1].constData();
    // Format and version lead, so that a reader sees first what the file is.
    EXPECT_TRUE(serialize(file).startsWith("{\n    \"format\": \"com.vlak.KxOption.setup\",\n    "
                                           "\"version\": 1,"));
}

// A fixture per version of the file: each reads in this program, and the current version has
// one (a new version without its fixture fails here).
TEST_F(SetupFileTest, EveryVersionsFixtureReads) {
    const QDir fixtures(QStringLiteral(KX_FIXTURES_DIR));
    const QStringList names = fixtures.entryList({QStringLiteral("setup-v*.kxsetup")});
    EXPECT_TRUE(names.contains(QStringLiteral("setup-v%1.kxsetup").arg(kVersion)));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Parsed parsed = readFile(fixtures.filePath(name));
        ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());
        // Files from before the rules leave the user's as they are.
        EXPECT_FALSE(parsed.file->appRules);
        const Resolved resolved = resolve(*parsed.file, 0x1F, true);
        ASSERT_TRUE(resolved.target) << qPrintable(resolved.error.text());
        // Version 1: a macro, a launcher and functions, as exported by kxctl 0.1.0.
        if (name == QLatin1String("setup-v1.kxsetup")) {
            EXPECT_EQ(parsed.file->activeProfile, 1);
            EXPECT_EQ(parsed.file->settings.dpi[1], 1800);
            const _BTN_INFO& macro = *resolved.target->buttons[0][3];
            EXPECT_EQ(macro.FuncID, KxFuncId::kMacro);
            EXPECT_EQ(macro.KeyBit[0], uint32_t(RunMode::Repeat));
            EXPECT_EQ(macro.KeyBit[1], 3u);
            EXPECT_EQ(KxNames::caption(*resolved.target->buttons[1][4]), "launch /usr/bin/true");
        }
    }
}

// Every file the reader refuses, with the field its message names (none for the file as a whole)
// and a part of the reason.
TEST_F(SetupFileTest, HostileFilesAreRefusedNamingTheField) {
    const QByteArray good = serialize(richFile());
    const QJsonObject rich = json(good);
    const auto edited = [&rich](const QString& path, const QJsonValue& value) {
        return QJsonDocument(with(rich, path, value)).toJson();
    };
    QJsonArray tooManySteps;
    for (int i = 0; i < kMaxSteps + 1; ++i)
        tooManySteps.append(QJsonObject{{"action", i % 2 ? "release" : "press"}, {"key", 4}});
    const QJsonObject reload = rich["macros"][0].toObject();
    const struct {
        QByteArray bytes;
        const char* field;
        const char* reason;
    } hostile[] = {
        {"this is not a set-up", "", "not a set-up"},
        {"", "", "set-up"},
        {"[1, 2, 3]", "", "holds no object"},
        {good.left(good.size() / 2), "", "ends early"},
        {good.left(good.indexOf("Reload") + 3), "", "ends early"}, // cut in a string
        {good + QByteArray(kMaxFileBytes, ' '), "", "at most"},
        {QByteArray(300000, '['), "", "not a set-up"}, // deeply nested
        {QByteArray(good).replace("\"kind\": \"function\",",
                                  "\"kind\": \"macro\", \"kind\": \"function\","),
         "profiles[0].buttons[0].kind", "is given twice"},
        {edited("format", "com.example.other"), "format", "not a set-up"},
        {edited("format", QJsonValue::Undefined), "format", "missing"},
        {edited("version", kVersion + 1), "version", "newer program"},
        {edited("version", "1"), "version", "whole number"},
        {edited("profiles/0/buttons/1/fucntion", "F5"), "profiles[0].buttons[1].fucntion",
         "not a field"},
        {edited("settings/pollingRate", "1000"), "settings.pollingRate", "must be a number"},
        {edited("settings/pollingRate", 250), "settings.pollingRate", "125, 500 or 1000"},
        {edited("settings/dpiStages/1", 150), "settings.dpiStages[1]", "steps of 100"},
        {edited("settings/dpiStages/3", kMaxDpi + kDpiStep), "settings.dpiStages[3]", "100..5700"},
        {edited("settings/activeStage", 1.5), "settings.activeStage", "whole number"},
        {edited("settings/lights/logo", QJsonArray{QJsonArray{QJsonArray{QJsonObject{}}}}),
         "settings.lights.logo", "true or false"},
        {edited("profiles/4", QJsonValue::Undefined), "profiles", "holds 4 entries, not 5"},
        {edited("profiles/0/profile", 0), "profiles[0].profile", "0 is not within 1..5"},
        {edited("profiles/4/profile", 6), "profiles[4].profile", "6 is not within 1..5"},
        {edited("profiles/3/profile", 2), "profiles[3].profile", "appears twice"},
        {edited("profiles/0/buttons/4/button", "left"), "profiles[0].buttons[4].button",
         "appears twice"},
        {edited("profiles/0/buttons/0/kind", "keys"), "profiles[0].buttons[0].kind", "not one of"},
        {edited("profiles/1/buttons/3/macro", "Other"), "profiles[1].buttons[3].macro",
         "no macro \"Other\""},
        {edited("profiles/1/buttons/3/count", 0), "profiles[1].buttons[3].count", "needs a count"},
        {edited("profiles/1/buttons/3/count", kMaxCount + 1), "profiles[1].buttons[3].count",
         "0..9999"},
        {edited("profiles/1/buttons/4/path", "bin/true"), "profiles[1].buttons[4].path",
         "absolute"},
        {edited("profiles/1/buttons/4/path", "/" + QString(kMaxPathBytes + 45, 'x')),
         "profiles[1].buttons[4].path", "255"},
        {edited("profiles/1/buttons/4/desktopEntry", "a.desktop"), "profiles[1].buttons[4]",
         "not both"},
        {edited("profiles/2/buttons/4/desktopEntry", "../../etc/x.desktop"),
         "profiles[2].buttons[4].desktopEntry", "application's id"},
        {edited("macros/0/name", QString(500000, 'n')), "macros[0].name", "500000 characters"},
        {edited("profiles/0/buttons/1/function", QString(kMaxFunctionNameLength + 1, 'x')),
         "profiles[0].buttons[1].function", "129 characters long, at most 128"},
        {edited("macros/0/name", "a\u0007b"), "macros[0].name", "control characters"},
        {edited("macros/0/steps", tooManySteps), "macros[0].steps", "41 entries"},
        {edited("macros/0/steps", QJsonArray{}), "macros[0].steps", "0 entries"},
        {edited("macros/0/steps/0/delayMs", 7000), "macros[0].steps[0].delayMs", "0..6300"},
        {edited("macros/0/steps/5/deviceCode", 256), "macros[0].steps[5].deviceCode", "0..255"},
        {edited("macros/0/steps/0/key", 70000), "macros[0].steps[0].key", "0..65535"},
        {edited("macros", QJsonArray{reload, with(reload, "name", "RELOAD «ALL»")}),
         "macros[1].name", "another macro"},
    };
    for (const auto& c : hostile) {
        SCOPED_TRACE(std::string(c.field) + ": " + c.reason);
        const Parsed parsed = parse(c.bytes);
        EXPECT_FALSE(parsed.file);
        EXPECT_EQ(parsed.error.field, c.field) << qPrintable(parsed.error.text());
        EXPECT_TRUE(says(parsed.error.reason, c.reason));
    }
}

// Rules as a user makes them: an id, a window class, a name beyond the Latin letters.
KxAppRules someRules() {
    KxAppRules rules;
    rules.enabled = false;
    rules.otherwise = 4;
    rules.rules = {{QStringLiteral("org.gimp.GIMP"), 2},
                   {QStringLiteral("Gimp-2.10"), 3},
                   {QStringLiteral("com.例え.エディタ"), 5}};
    return rules;
}

// A file with rules reads back with them, one without has none (and no section at all), and
// only a whole import takes them.
TEST_F(SetupFileTest, ApplicationRulesGoWithTheFileWhenItHasThem) {
    File file = richFileHere();
    file.appRules = someRules();
    const QByteArray bytes = serialize(file);
    const Parsed parsed = parse(bytes);
    ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());
    EXPECT_EQ(parsed.file->appRules, someRules());
    EXPECT_EQ(*parsed.file, file);
    // One rule a line, its application first.
    EXPECT_TRUE(says(QString::fromUtf8(bytes), "{\"app\": \"Gimp-2.10\", \"profile\": 3},\n"));

    file.appRules.reset();
    EXPECT_FALSE(serialize(file).contains("appRules"));
    EXPECT_FALSE(parse(serialize(file)).file->appRules);
    // No rules and the switch on is nothing to carry; an "otherwise" alone is.
    file.appRules = KxAppRules{};
    EXPECT_EQ(parse(serialize(file)).file->appRules, KxAppRules{});

    file.appRules = someRules();
    EXPECT_EQ(resolved(file).target->appRules, someRules());
    EXPECT_FALSE(resolved(file, 0x1, false).target->appRules) << "--profiles leaves the rules";
}

TEST_F(SetupFileTest, AnExportCarriesTheRulesTheUserMade) {
    MouseState state;
    state.activeProfile = 0;
    state.appRules = KxAppRules{};
    EXPECT_FALSE(capture(state, "test").appRules);
    KxAppRules otherwiseOnly;
    otherwiseOnly.otherwise = 1;
    KxAppRules switchedOff;
    switchedOff.enabled = false;
    for (const KxAppRules& made : {someRules(), otherwiseOnly, switchedOff}) {
        state.appRules = made;
        EXPECT_EQ(capture(state, "test").appRules, made);
    }
}

// Rules a file brings are read as strictly as the rest, the first fault named by its field.
TEST_F(SetupFileTest, HostileApplicationRulesAreRefusedNamingTheField) {
    File file = richFileHere();
    file.appRules = someRules();
    file.appRules->rules.append(KxAppRule{QStringLiteral("org.example.Fourth"), 1});
    const QJsonObject good = json(serialize(file));
    QJsonArray tooMany;
    for (int i = 0; i <= KxAppRules::kMaxRules; ++i)
        tooMany.append(QJsonObject{{"app", QStringLiteral("app%1").arg(i)}, {"profile", 1}});
    const struct {
        QString path;
        QJsonValue value;
        const char* field;
        const char* reason;
    } hostile[] = {
        {"appRules/rules/3/profile", 0, "appRules.rules[3].profile", "not a profile"},
        {"appRules/rules/3/profile", 9, "appRules.rules[3].profile", "not a profile"},
        {"appRules/rules/0/profile", "2", "appRules.rules[0].profile", "not a profile"},
        {"appRules/rules/1/app", QString(KxAppRules::kMaxAppLength + 1, 'x'),
         "appRules.rules[1].app", "longer than 255"},
        {"appRules/rules/1/app", "Gimp\n2.10", "appRules.rules[1].app", "control characters"},
        {"appRules/rules/1/app", "Gimp\u202e01.2", "appRules.rules[1].app", "control characters"},
        {"appRules/rules/1/app", " .desktop", "appRules.rules[1].app", "names no application"},
        {"appRules/rules/1/app", 42, "appRules.rules[1].app", "is not a name"},
        // The same application twice, whatever its case and ".desktop".
        {"appRules/rules/2/app", "ORG.gimp.gimp.desktop", "appRules.rules[2].app",
         "\"ORG.gimp.gimp\" has a rule already"},
        {"appRules/rules/1/mode", "once", "appRules.rules[1].mode", "not a field of a rule"},
        {"appRules/rules/1", "Gimp-2.10", "appRules.rules[1]", "not an object"},
        {"appRules/rules", tooMany, "appRules.rules", "holds 201 rules; at most 200"},
        {"appRules/rules", QJsonObject{}, "appRules.rules", "not a list"},
        {"appRules/otherwise", 0, "appRules.otherwise", "not a profile"},
        {"appRules/otherwise", "3", "appRules.otherwise", "not a profile"},
        {"appRules/enabled", "yes", "appRules.enabled", "true or false"},
        {"appRules/switch", true, "appRules.switch", "not a field of the rules"},
        {"appRules", QJsonArray{}, "appRules", "not an object"},
    };
    for (const auto& c : hostile) {
        SCOPED_TRACE(c.path.toStdString() + ": " + c.reason);
        const Parsed parsed = parse(QJsonDocument(with(good, c.path, c.value)).toJson());
        EXPECT_FALSE(parsed.file);
        EXPECT_EQ(parsed.error.field, c.field) << qPrintable(parsed.error.text());
        EXPECT_TRUE(says(parsed.error.reason, c.reason));
    }
}

// Names the catalogue or this machine does not have are refused when a file is resolved, naming
// the field, with the close names; the library's mark of ids stays.
TEST_F(SetupFileTest, NamesThisMachineLacksAreRefusedNamingTheField) {
    const int32_t mark = macroIdHighWater;
    const struct {
        std::function<void(File&)> edit;
        const char* field;
        const char* reason;
    } cases[] = {
        {[](File& f) { f.profiles[0][1].function = QStringLiteral("Lft Click"); },
         "profiles[0].buttons[1].function", "close: Left Click"},
        {[](File& f) { f.macros[0].steps[2].function = QStringLiteral("Cpy"); },
         "macros[0].steps[2].function", "no command \"Cpy\"; close: Copy"},
        {[](File& f) { f.profiles[2][4] = richFile().profiles[2][4]; },
         "profiles[2].buttons[4].desktopEntry", "not installed"},
        // "Redo" is three keys: six steps on the mouse each.
        {[](File& f) {
             f.macros[0].steps.fill({MacroStep::Action::Insert, 0, {}, "redo", {}, 0, 0, {}}, 7);
         },
         "macros[0].steps", "42 steps on the mouse"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        File file = richFileHere();
        c.edit(file);
        const Resolved refused = resolved(file);
        EXPECT_FALSE(refused.target);
        EXPECT_EQ(refused.error.field, c.field);
        EXPECT_TRUE(says(refused.error.reason, c.reason));
    }
    EXPECT_EQ(macroIdHighWater, mark);
}

TEST_F(SetupFileTest, MacrosMergeByContent) {
    // The library's Fire has other steps than the file's; the file's Spray has Fire's steps.
    const auto fire = addLibraryMacro("Fire", {MacroKeyInfo(4, 0, 100), MacroKeyInfo(4, 1, 0)});
    File file = richFileHere();
    file.macros[0].name = QStringLiteral("fire");
    file.profiles[1][3].macro = QStringLiteral("FIRE");
    file.macros.append(tapMacro("Spray", 4, 100));
    file.profiles[0][4] = macroButton("Spray", RunMode::Hold);

    const Resolved resolved = this->resolved(file);
    ASSERT_TRUE(resolved.target) << qPrintable(resolved.error.text());
    const Target& target = *resolved.target;
    // Spray is the library's Fire; the file's fire is new, under a name no macro has.
    EXPECT_EQ(target.buttons[0][4]->MacroID, uint32_t(fire->macroId()));
    EXPECT_EQ(target.buttons[0][4]->KeyBit[0], uint32_t(RunMode::Hold));
    ASSERT_EQ(target.newMacros.size(), 1);
    EXPECT_EQ(target.newMacros[0]->nameStr(), "fire (2)");
    EXPECT_EQ(target.buttons[1][3]->MacroID, uint32_t(target.newMacros[0]->macroId()));
    EXPECT_GT(target.newMacros[0]->macroId(), fire->macroId());
    // Two merges, and the 6300 ms step brought to the 5000 a step holds.
    EXPECT_EQ(target.macroNotes.size(), 3);
    EXPECT_TRUE(says(target.macroNotes.join('\n'), "1 delay was changed"));
    // The library is as it was until the new macros are kept.
    EXPECT_FALSE(KxAction::getMacroByName("fire (2)"));
    {
        NewMacros added(target);
        EXPECT_TRUE(KxAction::getMacroByName("fire (2)"));
    }
    EXPECT_FALSE(KxAction::getMacroByName("fire (2)"));

    // Only the profiles asked for: Spray's profile alone adds nothing.
    const Resolved one = this->resolved(file, 1u << 0, false);
    ASSERT_TRUE(one.target);
    EXPECT_TRUE(one.target->newMacros.isEmpty());
    EXPECT_FALSE(one.target->settings);
    EXPECT_EQ(one.target->slots(), 1u);
}

TEST_F(SetupFileTest, AFullLibraryTakesNoNewMacro) {
    for (int i = macroListArrs.size(); i < KxAction::kMaxMacroCount; ++i)
        addLibraryMacro(QStringLiteral("M%1").arg(i), {MacroKeyInfo(i % 50, 0, 0)});
    const Resolved refused = resolved(richFile());
    EXPECT_FALSE(refused.target);
    EXPECT_EQ(refused.error.field, "macros");
    EXPECT_TRUE(says(refused.error.reason, "101 macros"));
}

TEST_F(SetupFileTest, NamesMatchWholeAndRegardlessOfCase) {
    EXPECT_EQ(KxNames::functionName(*KxNames::findFunction("  left   CLICK ").found), "Left Click");
    const auto partial = KxNames::findFunction("click");
    EXPECT_FALSE(partial.found);
    EXPECT_FALSE(partial.ambiguous);
    EXPECT_TRUE(partial.close.contains("Left Click"));
    EXPECT_TRUE(partial.close.contains("Double Click"));
    // Headings of the menu are no functions.
    EXPECT_FALSE(KxNames::findFunction("Letter Keys").found);
    addLibraryMacro("Fire", {MacroKeyInfo(4, 0, 0)});
    addLibraryMacro("FIRE", {MacroKeyInfo(5, 0, 0)});
    const auto twice = KxNames::findMacro("fire");
    EXPECT_FALSE(twice.found);
    EXPECT_TRUE(twice.ambiguous);
    EXPECT_EQ(twice.close, (QStringList{"Fire", "FIRE"}));
    EXPECT_EQ(KxNames::closeNames("Voluem Up", {"Volume Up", "Mute"}), QStringList{"Volume Up"});
}

// Command lines that cannot be read, each with a part of its usage error; and ones that can.
TEST_F(SetupFileTest, CommandLinesThatCannotBeReadAreUsageErrors) {
    for (const QStringList& readable :
         {QStringList{"button", "--profile", "2", "side1", "macro", "Fire", "--mode", "repeat",
                      "3"},
          QStringList{"--json", "show", "--all"},
          QStringList{"import", "x.kxsetup", "--profiles", "1,3", "--dry-run"},
          QStringList{"rule", "add", "--otherwise", "3", "--dry-run"},
          QStringList{"rule", "remove", "--otherwise"},
          QStringList{"rule", "add", "--", "-x", "2"}})
        EXPECT_TRUE(KxCtl::parse(readable).invocation) << qPrintable(readable.join(' '));
    const std::pair<QStringList, const char*> unreadable[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"dpi", "2"}, "dpi: too few arguments"},
        {{"show", "--profile", "2", "--all"}, "--profile N or --all, not both"},
        {{"show", "--dry-run"}, "show does not take --dry-run"},
        {{"button", "1", "function", "F5", "--mode", "hold"}, "--mode goes with button B macro"},
        {{"button", "1", "macro", "Fire", "--mode", "repeat"}, "--mode repeat takes a count"},
        {{"import", "x", "--profiles", "one"}, "--profiles takes profile numbers"},
        {{"macro", "rename", "a", "b"}, "macro takes list, show, import or export"},
        {{"rule"}, "rule takes list, add, remove, on or off"},
        {{"rule", "add", "org.gimp.GIMP"}, "rule add takes APP PROFILE, or --otherwise PROFILE"},
        {{"rule", "add", "--otherwise", "org.gimp.GIMP", "2"}, "rule add takes APP PROFILE"},
        {{"rule", "add", "--otherwise"}, "rule add: too few arguments"},
        {{"rule", "remove"}, "rule remove takes APP, or --otherwise"},
        {{"rule", "remove", "--otherwise", "org.gimp.GIMP"}, "rule remove takes APP, or"},
        {{"rule", "on", "--otherwise"}, "rule on does not take --otherwise"},
        {{"rule", "list", "--dry-run"}, "rule list does not take --dry-run"},
        {{"import", "x", "--otherwise"}, "import does not take --otherwise"},
    };
    for (const auto& [arguments, error] : unreadable) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const KxCtl::Parsed parsed = KxCtl::parse(arguments);
        EXPECT_FALSE(parsed.invocation);
        EXPECT_TRUE(says(parsed.error, error));
    }
    const auto parsed = KxCtl::parse({"button", "left", "function", "--", "--odd name"});
    ASSERT_TRUE(parsed.invocation);
    EXPECT_EQ(parsed.invocation->words.last(), "--odd name");
}

} // namespace
