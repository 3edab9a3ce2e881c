// Set-up files on their own and against the shipped catalogue and a library: what is written
// reads back the same, one change is one line, every version's fixture reads, and hostile files
// are refused naming the field, before anything could change.
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxCtlCommandLine.h"
#include "KxGlobals.h"
#include "KxNames.h"
#include "KxSetupFile.h"
#include "KxSetupMouse.h"
#include "MacroInfo.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "TooltipManager.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

using namespace KxSetup;

// A set-up with a button of every kind and a macro with a step of every kind.
File richFile() {
    File file;
    file.program = QStringLiteral("test");
    file.activeProfile = 2;
    file.settings = {{400, 1200, 2400, 5700}, 1, 500, true, false};
    file.desktop = Desktop{3, 8, 6};
    for (int p = 0; p < kProfiles; ++p)
        for (int b = 0; b < kButtons; ++b) {
            Button& button = file.profiles[size_t(p)][size_t(b)];
            button.kind = Button::Kind::Function;
            button.function = b == 0 ? QStringLiteral("Left Click") : QStringLiteral("F%1").arg(b);
        }
    Button& macro = file.profiles[1][3];
    macro = Button{};
    macro.kind = Button::Kind::Macro;
    macro.macro = QStringLiteral("Reload «all»");
    macro.mode = RunMode::Repeat;
    macro.count = 3;
    Button& launch = file.profiles[1][4];
    launch = Button{};
    launch.kind = Button::Kind::Launch;
    launch.path = QStringLiteral("/usr/bin/true");
    Button& entry = file.profiles[2][4];
    entry = Button{};
    entry.kind = Button::Kind::Launch;
    entry.desktopEntry = QStringLiteral("org.example.Editor.desktop");
    // Sends profile 3's left button's code: launches what that code launches.
    Button& borrowed = file.profiles[3][4];
    borrowed = Button{};
    borrowed.kind = Button::Kind::Launch;
    borrowed.launchCode = 170;
    Button& record = file.profiles[3][2];
    record = Button{};
    record.kind = Button::Kind::Record;
    record.table = 2;
    record.keys = {153, 152};
    Button& device = file.profiles[4][2];
    device = Button{};
    device.kind = Button::Kind::Device;
    device.table = 240;
    device.function = QStringLiteral("Page UP(Win)");
    Macro reload;
    reload.name = QStringLiteral("Reload «all»");
    reload.loopTime = 2;
    reload.steps = {{MacroStep::Action::Press, 21, {}, {}, {}, 0, 100, {}},
                    {MacroStep::Action::Release, 21, {}, {}, {}, 0, 0, {}},
                    {MacroStep::Action::Insert, 0, {}, QStringLiteral("Copy"), 512, 0, 0, {}},
                    {MacroStep::Action::MouseDown, 0, {}, {}, {}, 1, 6300, {}},
                    {MacroStep::Action::MouseUp, 0, {}, {}, {}, 1, 0, {}},
                    // A key read from the mouse with no desktop key of its own.
                    {MacroStep::Action::Press, 0, 185, {}, {}, 0, 0, {}},
                    {MacroStep::Action::Release, 0, 185, {}, {}, 0, 0, {}}};
    file.macros = {reload};
    return file;
}

QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray bytes(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

// The rich file's JSON changed by `edit`.
QByteArray edited(const std::function<void(QJsonObject&)>& edit) {
    QJsonObject top = json(serialize(richFile()));
    edit(top);
    return bytes(top);
}

// Replaces the value at a path of object keys and array indexes ("profiles/0/buttons/1/kind").
void put(QJsonObject& top, const QString& path, const QJsonValue& value) {
    const QStringList parts = path.split(QLatin1Char('/'));
    std::function<QJsonValue(const QJsonValue&, int)> set = [&](const QJsonValue& at,
                                                                int i) -> QJsonValue {
        if (i == parts.size())
            return value;
        bool isIndex = false;
        const int index = parts[i].toInt(&isIndex);
        if (isIndex) {
            QJsonArray array = at.toArray();
            array[index] = set(array[index], i + 1);
            return array;
        }
        QJsonObject object = at.toObject();
        if (i + 1 == parts.size() && value.isUndefined())
            object.remove(parts[i]);
        else
            object[parts[i]] = set(object[parts[i]], i + 1);
        return object;
    };
    top = set(top, 0).toObject();
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
        const Parsed parsed = readFile(fixtures.filePath(name));
        ASSERT_TRUE(parsed.file) << qPrintable(name) << ": " << qPrintable(parsed.error.text());
        const Resolved resolved = resolve(*parsed.file, 0x1F, true);
        ASSERT_TRUE(resolved.target)
            << qPrintable(name) << ": " << qPrintable(resolved.error.text());
        // Version 1: a macro, a launcher and functions, as exported by kxctl 0.1.0.
        if (name == QLatin1String("setup-v1.kxsetup")) {
            EXPECT_EQ(parsed.file->activeProfile, 1);
            EXPECT_EQ(parsed.file->settings.dpi[1], 1800);
            const _BTN_INFO& macro = *resolved.target->buttons[0][3];
            EXPECT_EQ(macro.FuncID, 6u);
            EXPECT_EQ(macro.KeyBit[0], 1u); // repeat
            EXPECT_EQ(macro.KeyBit[1], 3u);
            EXPECT_EQ(KxNames::caption(*resolved.target->buttons[1][4]),
                      QStringLiteral("launch /usr/bin/true"));
        }
    }
}

struct Hostile {
    const char* name;
    QByteArray bytes;
    const char* field;  // the field the message names; empty for the file as a whole
    const char* reason; // a part of the reason
};

TEST_F(SetupFileTest, HostileFilesAreRefusedNamingTheField) {
    const QByteArray good = serialize(richFile());
    QByteArray deep(200000, '[');
    QByteArray padded = good;
    padded.append(QByteArray(kMaxFileBytes, ' '));
    const QList<Hostile> cases = {
        {"not json", "this is not a set-up", "", "not a set-up"},
        {"empty", "", "", "set-up"},
        {"a list", "[1, 2, 3]", "", "holds no object"},
        {"cut short", good.left(good.size() / 2), "", "ends early"},
        {"cut in a string", good.left(good.indexOf("Reload") + 3), "", "ends early"},
        {"too large", padded, "", "at most"},
        {"deeply nested", deep, "", "not a set-up"},
        {"other format", edited([](QJsonObject& o) { o["format"] = "com.example.other"; }),
         "format", "not a set-up"},
        {"no format", edited([](QJsonObject& o) { o.remove("format"); }), "format", "missing"},
        {"future version", edited([](QJsonObject& o) { o["version"] = 2; }), "version",
         "newer program"},
        {"version as text", edited([](QJsonObject& o) { o["version"] = "1"; }), "version",
         "whole number"},
        {"unknown field",
         edited([](QJsonObject& o) { put(o, "profiles/0/buttons/1/fucntion", "F5"); }),
         "profiles[0].buttons[1].fucntion", "not a field"},
        {"wrong type", edited([](QJsonObject& o) { put(o, "settings/pollingRate", "1000"); }),
         "settings.pollingRate", "must be a number"},
        {"rate the mouse lacks",
         edited([](QJsonObject& o) { put(o, "settings/pollingRate", 250); }),
         "settings.pollingRate", "125, 500 or 1000"},
        {"dpi between steps", edited([](QJsonObject& o) { put(o, "settings/dpiStages/1", 150); }),
         "settings.dpiStages[1]", "steps of 100"},
        {"dpi too high", edited([](QJsonObject& o) { put(o, "settings/dpiStages/3", 6000); }),
         "settings.dpiStages[3]", "100..5700"},
        {"stage as fraction", edited([](QJsonObject& o) { put(o, "settings/activeStage", 1.5); }),
         "settings.activeStage", "whole number"},
        {"nested where a flag goes", edited([](QJsonObject& o) {
             put(o, "settings/lights/logo", QJsonArray{QJsonArray{QJsonArray{QJsonObject{}}}});
         }),
         "settings.lights.logo", "true or false"},
        {"four profiles", edited([](QJsonObject& o) {
             QJsonArray p = o["profiles"].toArray();
             p.removeLast();
             o["profiles"] = p;
         }),
         "profiles", "holds 4 entries, not 5"},
        {"a profile twice", edited([](QJsonObject& o) { put(o, "profiles/3/profile", 2); }),
         "profiles[3].profile", "appears twice"},
        {"a button twice",
         edited([](QJsonObject& o) { put(o, "profiles/0/buttons/4/button", "left"); }),
         "profiles[0].buttons[4].button", "appears twice"},
        {"unknown kind",
         edited([](QJsonObject& o) { put(o, "profiles/0/buttons/0/kind", "keys"); }),
         "profiles[0].buttons[0].kind", "not one of"},
        {"macro not in the file",
         edited([](QJsonObject& o) { put(o, "profiles/1/buttons/3/macro", "Other"); }),
         "profiles[1].buttons[3].macro", "no macro \"Other\""},
        {"repeat without a count",
         edited([](QJsonObject& o) { put(o, "profiles/1/buttons/3/count", 0); }),
         "profiles[1].buttons[3].count", "needs a count"},
        {"count beyond the dialog's",
         edited([](QJsonObject& o) { put(o, "profiles/1/buttons/3/count", 10000); }),
         "profiles[1].buttons[3].count", "0..9999"},
        {"relative launch path",
         edited([](QJsonObject& o) { put(o, "profiles/1/buttons/4/path", "bin/true"); }),
         "profiles[1].buttons[4].path", "absolute"},
        {"launch path too long", edited([](QJsonObject& o) {
             put(o, "profiles/1/buttons/4/path", "/" + QString(300, QLatin1Char('x')));
         }),
         "profiles[1].buttons[4].path", "255"},
        {"launch with both",
         edited([](QJsonObject& o) { put(o, "profiles/1/buttons/4/desktopEntry", "a.desktop"); }),
         "profiles[1].buttons[4]", "not both"},
        {"desktop entry with a path", edited([](QJsonObject& o) {
             put(o, "profiles/2/buttons/4/desktopEntry", "../../etc/x.desktop");
         }),
         "profiles[2].buttons[4].desktopEntry", "application's id"},
        {"huge name",
         edited([](QJsonObject& o) { put(o, "macros/0/name", QString(500000, QLatin1Char('n'))); }),
         "macros[0].name", "500000 characters"},
        {"control characters in a name",
         edited([](QJsonObject& o) { put(o, "macros/0/name", QStringLiteral("a\u0007b")); }),
         "macros[0].name", "control characters"},
        {"steps beyond a button", edited([](QJsonObject& o) {
             QJsonArray steps;
             for (int i = 0; i < 41; ++i)
                 steps.append(QJsonObject{{"action", i % 2 ? "release" : "press"}, {"key", 4}});
             put(o, "macros/0/steps", steps);
         }),
         "macros[0].steps", "41 entries"},
        {"no steps", edited([](QJsonObject& o) { put(o, "macros/0/steps", QJsonArray{}); }),
         "macros[0].steps", "0 entries"},
        {"delay beyond a step",
         edited([](QJsonObject& o) { put(o, "macros/0/steps/0/delayMs", 7000); }),
         "macros[0].steps[0].delayMs", "0..6300"},
        {"a device code beyond a byte",
         edited([](QJsonObject& o) { put(o, "macros/0/steps/5/deviceCode", 256); }),
         "macros[0].steps[5].deviceCode", "0..255"},
        {"key beyond 16 bits",
         edited([](QJsonObject& o) { put(o, "macros/0/steps/0/key", 70000); }),
         "macros[0].steps[0].key", "0..65535"},
        {"two macros of one name", edited([](QJsonObject& o) {
             QJsonArray macros = o["macros"].toArray();
             QJsonObject copy = macros[0].toObject();
             copy["name"] = QStringLiteral("RELOAD «ALL»");
             macros.append(copy);
             o["macros"] = macros;
         }),
         "macros[1].name", "another macro"},
    };
    for (const Hostile& hostile : cases) {
        const Parsed parsed = parse(hostile.bytes);
        EXPECT_FALSE(parsed.file) << hostile.name;
        EXPECT_EQ(parsed.error.field, QLatin1String(hostile.field))
            << hostile.name << ": " << qPrintable(parsed.error.text());
        EXPECT_TRUE(parsed.error.reason.contains(QLatin1String(hostile.reason)))
            << hostile.name << ": " << qPrintable(parsed.error.text());
    }
}

TEST_F(SetupFileTest, AFileAtAPathIsReadOnlyAsARegularBoundedFile) {
    const QString fifo = PrivateHome::dir("home") + QStringLiteral("/fifo.kxsetup");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const Parsed parsed = readFile(fifo); // never waits for a writer
    EXPECT_FALSE(parsed.file);
    EXPECT_TRUE(parsed.error.text().contains(QLatin1String("regular file")))
        << qPrintable(parsed.error.text());
    EXPECT_FALSE(readFile(PrivateHome::dir("home") + QStringLiteral("/none.kxsetup")).file);
}

// Names the catalogue or this machine does not have are refused when a file is resolved, naming
// the field, with the close names; the library's mark of ids stays.
TEST_F(SetupFileTest, NamesThisMachineLacksAreRefusedNamingTheField) {
    const int32_t mark = macroIdHighWater;
    struct Case {
        const char* name;
        std::function<void(File&)> edit;
        const char* field;
        const char* reason;
    };
    const QList<Case> cases = {
        {"unknown function",
         [](File& f) { f.profiles[0][1].function = QStringLiteral("Lft Click"); },
         "profiles[0].buttons[1].function", "close: Left Click"},
        {"unknown command", [](File& f) { f.macros[0].steps[2].function = QStringLiteral("Cpy"); },
         "macros[0].steps[2].function", "no command \"Cpy\"; close: Copy"},
        {"application not installed",
         [](File& f) {
             f.profiles[2][4].desktopEntry = QStringLiteral("org.example.Gone.desktop");
         },
         "profiles[2].buttons[4].desktopEntry", "not installed"},
        {"chords beyond a button",
         [](File& f) {
             // "Redo" is three keys: six steps on the mouse each.
             f.macros[0].steps.clear();
             for (int i = 0; i < 7; ++i)
                 f.macros[0].steps.append(
                     {MacroStep::Action::Insert, 0, {}, QStringLiteral("redo"), {}, 0, 0, {}});
         },
         "macros[0].steps", "42 steps on the mouse"},
    };
    for (const Case& c : cases) {
        File file = richFile();
        file.profiles[2][4].desktopEntry.clear(); // nothing is installed here
        file.profiles[2][4].path = QStringLiteral("/usr/bin/env");
        c.edit(file);
        // Positions as a file read from disk has them.
        const Parsed parsed = parse(serialize(file));
        ASSERT_TRUE(parsed.file) << c.name << ": " << qPrintable(parsed.error.text());
        const Resolved resolved = resolve(*parsed.file, 0x1F, true);
        EXPECT_FALSE(resolved.target) << c.name;
        EXPECT_EQ(resolved.error.field, QLatin1String(c.field)) << c.name;
        EXPECT_TRUE(resolved.error.reason.contains(QLatin1String(c.reason)))
            << c.name << ": " << qPrintable(resolved.error.reason);
    }
    EXPECT_EQ(macroIdHighWater, mark);
}

TEST_F(SetupFileTest, MacrosMergeByContent) {
    // The library's Fire has other steps than the file's; the file's Spray has Fire's steps.
    const auto fire =
        addLibraryMacro(QStringLiteral("Fire"), {MacroKeyInfo(4, 0, 100), MacroKeyInfo(4, 1, 0)});
    File file = richFile();
    file.macros[0].name = QStringLiteral("fire");
    file.profiles[1][3].macro = QStringLiteral("FIRE");
    Macro spray;
    spray.name = QStringLiteral("Spray");
    spray.steps = {{MacroStep::Action::Press, 4, {}, {}, {}, 0, 100, {}},
                   {MacroStep::Action::Release, 4, {}, {}, {}, 0, 0, {}}};
    file.macros.append(spray);
    file.profiles[0][4].kind = Button::Kind::Macro;
    file.profiles[0][4].macro = QStringLiteral("Spray");
    file.profiles[0][4].mode = RunMode::Hold;
    file.profiles[2][4].desktopEntry.clear(); // nothing is installed here
    file.profiles[2][4].path = QStringLiteral("/usr/bin/env");

    const Parsed parsed = parse(serialize(file));
    ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());
    const Resolved resolved = resolve(*parsed.file, 0x1F, true);
    ASSERT_TRUE(resolved.target) << qPrintable(resolved.error.text());
    const Target& target = *resolved.target;
    // Spray is the library's Fire; the file's fire is new, under a name no macro has.
    EXPECT_EQ(target.buttons[0][4]->MacroID, uint32_t(fire->macroId()));
    EXPECT_EQ(target.buttons[0][4]->KeyBit[0], 2u);
    ASSERT_EQ(target.newMacros.size(), 1);
    EXPECT_EQ(target.newMacros[0]->nameStr(), QStringLiteral("fire (2)"));
    EXPECT_EQ(target.buttons[1][3]->MacroID, uint32_t(target.newMacros[0]->macroId()));
    EXPECT_GT(target.newMacros[0]->macroId(), fire->macroId());
    // Two merges, and the 6300 ms step brought to the 5000 a step holds.
    EXPECT_EQ(target.macroNotes.size(), 3);
    EXPECT_TRUE(target.macroNotes.join('\n').contains(QLatin1String("1 delay was changed")))
        << qPrintable(target.macroNotes.join('\n'));
    // The library is as it was until the new macros are kept.
    EXPECT_FALSE(KxAction::getMacroByName(QStringLiteral("fire (2)")));
    {
        NewMacros added(target);
        EXPECT_TRUE(KxAction::getMacroByName(QStringLiteral("fire (2)")));
    }
    EXPECT_FALSE(KxAction::getMacroByName(QStringLiteral("fire (2)")));

    // Only the profiles asked for: Spray's profile alone adds nothing.
    const Resolved one = resolve(*parsed.file, 1u << 0, false);
    ASSERT_TRUE(one.target);
    EXPECT_TRUE(one.target->newMacros.isEmpty());
    EXPECT_FALSE(one.target->settings);
    EXPECT_EQ(one.target->slots(), 1u);
}

TEST_F(SetupFileTest, AFullLibraryTakesNoNewMacro) {
    for (int i = macroListArrs.size(); i < KxAction::kMaxMacroCount; ++i)
        addLibraryMacro(QStringLiteral("M%1").arg(i), {MacroKeyInfo(i % 50, 0, 0)});
    const Parsed parsed = parse(serialize(richFile()));
    ASSERT_TRUE(parsed.file);
    const Resolved resolved = resolve(*parsed.file, 0x1F, true);
    EXPECT_FALSE(resolved.target);
    EXPECT_EQ(resolved.error.field, QStringLiteral("macros"));
    EXPECT_TRUE(resolved.error.reason.contains(QLatin1String("101 macros")));
}

TEST_F(SetupFileTest, NamesMatchWholeAndRegardlessOfCase) {
    EXPECT_EQ(
        KxNames::functionName(*KxNames::findFunction(QStringLiteral("  left   CLICK ")).found),
        QStringLiteral("Left Click"));
    const auto partial = KxNames::findFunction(QStringLiteral("click"));
    EXPECT_FALSE(partial.found);
    EXPECT_FALSE(partial.ambiguous);
    EXPECT_TRUE(partial.close.contains(QStringLiteral("Left Click")));
    EXPECT_TRUE(partial.close.contains(QStringLiteral("Double Click")));
    // Headings of the menu are no functions.
    EXPECT_FALSE(KxNames::findFunction(QStringLiteral("Letter Keys")).found);
    addLibraryMacro(QStringLiteral("Fire"), {MacroKeyInfo(4, 0, 0)});
    addLibraryMacro(QStringLiteral("FIRE"), {MacroKeyInfo(5, 0, 0)});
    const auto twice = KxNames::findMacro(QStringLiteral("fire"));
    EXPECT_FALSE(twice.found);
    EXPECT_TRUE(twice.ambiguous);
    EXPECT_EQ(twice.close, (QStringList{QStringLiteral("Fire"), QStringLiteral("FIRE")}));
    EXPECT_EQ(KxNames::closeNames(QStringLiteral("Voluem Up"),
                                  {QStringLiteral("Volume Up"), QStringLiteral("Mute")}),
              QStringList{QStringLiteral("Volume Up")});
}

TEST_F(SetupFileTest, CommandLinesThatCannotBeReadAreUsageErrors) {
    using KxCtl::parse;
    const auto ok = [](const QStringList& args) { return parse(args).invocation.has_value(); };
    EXPECT_TRUE(
        ok({"button", "--profile", "2", "side1", "macro", "Fire", "--mode", "repeat", "3"}));
    EXPECT_TRUE(ok({"--json", "show", "--all"}));
    EXPECT_TRUE(ok({"import", "x.kxsetup", "--profiles", "1,3", "--dry-run"}));
    EXPECT_FALSE(ok({}));
    EXPECT_FALSE(ok({"frobnicate"}));
    EXPECT_FALSE(ok({"dpi", "2"}));
    EXPECT_FALSE(ok({"show", "--profile", "2", "--all"}));
    EXPECT_FALSE(ok({"show", "--dry-run"}));
    EXPECT_FALSE(ok({"button", "1", "function", "F5", "--mode", "hold"}));
    EXPECT_FALSE(ok({"button", "1", "macro", "Fire", "--mode", "repeat"}));
    EXPECT_FALSE(ok({"import", "x", "--profiles", "one"}));
    EXPECT_FALSE(ok({"macro", "rename", "a", "b"}));
    const auto parsed = parse({"button", "left", "function", "--", "--odd name"});
    ASSERT_TRUE(parsed.invocation);
    EXPECT_EQ(parsed.invocation->words.last(), QStringLiteral("--odd name"));
}

} // namespace
