// kxctl end to end: the program against kx-virtual-mouse, on a session bus of the test's own,
// every command checked in the emulated mouse's memory (its dump), in the profile files and on
// the bus, its --json output against docs/kxctl-json.md's schema.
#include "Buttons.h"
#include "HvAction.h"
#include "KxAction.h"
#include "KxCtlTestSupport.h"
#include "KxGlobals.h"
#include "KxMouseLock.h"
#include "KxNames.h"
#include "KxProtocol.h"
#include "KxSetupFile.h"
#include "KxSetupMouse.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Preferences/UserPreferences.h"
#include "ProfieController.h"
#include "ProfileValue.h"
#include "VirtualMouseFirmware.h"

#include <QDBusConnection>
#include <QDir>
#include <QMap>
#include <QSettings>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using KxSetup::RunMode;

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

QByteArray libraryBytes() {
    return fileBytes(dataFile("MenuInfo.xml"));
}

// The bytes a record writes, as the window's encoder makes them: steps, then mode and count.
QByteArray encoded(const _BTN_INFO& record) {
    uint8_t bytes[KxProtocol::kRecordSize] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(record, bytes, &length);
    return QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(length)) +
           QByteArray(reinterpret_cast<const char*>(bytes) + KxProtocol::kModeOffset, 2);
}

// Profile n's file as the library reads it.
_Kx_PROFILE profileFile(int n) {
    const auto value =
        ProfileValue::initWithPath(dataFile(QStringLiteral("Profiles/Default%1.pro").arg(n)));
    return value ? value->profileData() : _Kx_PROFILE{};
}

class KxCtlProgramTest : public testing::Test, protected KxCtlPrograms {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        startFactoryMouse();
        KxAction::getSysPath();
        KxAction::initMenuList();
    }

    // A macro file as the macro editor exports it (a tap of H unless its steps are given).
    static QString macroFile(const QString& name, const QList<MacroKeyInfo>& steps = {}) {
        MacroInfo macro;
        macro.setKeyInfoArr(steps.isEmpty() ? QList{MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)}
                                            : steps);
        const QString path = home(name + QStringLiteral(".mac"));
        EXPECT_TRUE(HvAction::SaveObject(macro.toArchive(), path));
        return path;
    }
    // The macro file taken into the library by kxctl.
    static void importMacro(const QString& name, const QList<MacroKeyInfo>& steps = {}) {
        ok({"macro", "import", macroFile(name, steps)});
    }
    // The library as kxctl left it on disk.
    static std::shared_ptr<MacroInfo> libraryMacro(const QString& name) {
        KxAction::initMenuList();
        return KxAction::getMacroByName(name);
    }
    // kxctl refusing the arguments: the exit status, a part of what it says, nothing on standard
    // output, and the mouse as it was.
    void expectRefused(const QStringList& arguments, int exit, const QString& why) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const QString before = dump();
        const Outcome run = kxctl(arguments, 20000);
        EXPECT_EQ(run.exit, exit);
        EXPECT_TRUE(says(run.err, why));
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
        EXPECT_EQ(dump(), before);
    }
    // Whether the mouse holds an encoding for a button (1-based): its steps, its mode and count.
    testing::AssertionResult holds(int profile, int button, const QByteArray& encoding) {
        const QByteArray record = this->record(profile, button);
        const QByteArray held =
            record.left(encoding.size() - 2) + record.mid(KxProtocol::kModeOffset, 2);
        if (held == encoding)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "holds " << held.toHex(' ').constData() << ", not "
                                           << encoding.toHex(' ').constData();
    }
};

TEST_F(KxCtlProgramTest, SettingsReachTheMouseAndTheDaemonIsToldAsAfterApply) {
    std::vector<std::pair<int, QVariantMap>> told;
    const auto observer = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxSettingChange"), [&told](const Notification& n) {
            told.push_back({n.objectInt(), n.userInfo.value_or(QVariantMap())});
        });

    EXPECT_EQ(ok({"dpi", "2", "1800"}).out, "DPI stage 2: 1600 DPI → 1800 DPI\n");
    // Each command, and the line of the mouse's dump that shows it taken.
    const std::pair<QStringList, const char*> taken[] = {
        {{"dpi", "4", "3500"}, "DPI stages: 800 1800 2400 3500"}, // the most a stage takes
        {{"dpi", "3", "100"}, "DPI stages: 800 1800 100 3500"},   // the least
        {{"stage", "2"}, "stage: 2 (1800 DPI)"},
        {{"rate", "500"}, "rate: 500 Hz"},
        {{"light", "logo", "off"}, "logo light: off"},
        {{"profile", "4"}, "active profile: 4"},
    };
    for (const auto& [command, line] : taken) {
        ok(command);
        EXPECT_TRUE(dumpShows(line));
    }
    EXPECT_TRUE(dumpShows("wheel light: on"));
    // The mouse keeps one set of stages: a profile named says so and changes them for all.
    Outcome run = ok({"--json", "dpi", "--profile", "3", "1", "900"});
    EXPECT_TRUE(says(run.err, "one set of DPI stages"));
    EXPECT_TRUE(fitsSchema(run.json(), "write"));
    EXPECT_EQ(run.json().value("changes").toArray().size(), 1);
    EXPECT_TRUE(dumpShows("DPI stages: 900 1800 100 3500"));
    // Again: the mouse holds it, nothing is written.
    EXPECT_EQ(ok({"--json", "dpi", "1", "900"}).json().value("written"), QJsonValue(false));

    // Every profile file holds the block the mouse holds (100 DPI as 1, not brought up from 0).
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(KxSetup::settingsOf(profileFile(n)),
                  (KxSetup::Settings{{900, 1800, 100, 3500}, 1, 500, false, true}))
            << n;
        EXPECT_EQ(profileFile(n).xSensArr[2], 1u) << n;
    }
    // The daemon reloads after each write and shows what the window would have shown.
    ASSERT_TRUE(KxTest::waitFor([&] {
        const auto shown = [&](int kind) {
            return std::any_of(told.begin(), told.end(), [kind](const auto& t) {
                return t.first == 111 && t.second.value("value1").toInt() == kind;
            });
        };
        return shown(1) && shown(3) && shown(4);
    }));
    EXPECT_GE(std::count_if(told.begin(), told.end(), [](const auto& t) { return t.first == 101; }),
              5);
    DistributedNotificationCenter::defaultCenter().removeObserver(observer);
}

// What kxctl refuses: the exit status (1 for what the mouse cannot take, 2 for a command line
// that cannot be read), what it says, nothing on standard output, and the mouse as it was.
TEST_F(KxCtlProgramTest, RefusedCommandLinesSayWhyAndChangeNothing) {
    importMacro("Reload");
    const struct {
        QStringList command;
        int exit;
        const char* says;
    } refused[] = {
        {{"rate", "250"}, 1, "the mouse runs at 125, 500 or 1000 Hz; it has no 250 Hz"},
        {{"dpi", "1", "3600"}, 1, "3600 DPI: a stage takes 100 to 3500 DPI in steps of 100"},
        {{"dpi", "1", "150"}, 1, "150 DPI: a stage takes 100 to 3500 DPI in steps of 100"},
        {{"dpi", "1", "0"}, 1, "0 DPI: a stage takes 100 to 3500 DPI in steps of 100"},
        {{"dpi", "5", "800"}, 1, "the mouse has DPI stages 1 to 4"},
        {{"stage", "0"}, 1, "the mouse has DPI stages 1 to 4"},
        {{"stage", "5"}, 1, "the mouse has DPI stages 1 to 4"},
        {{"profile", "0"}, 1, "the mouse has profiles 1 to 5"},
        {{"profile", "6"}, 1, "the mouse has profiles 1 to 5"},
        {{"profile", "99999999999"}, 1, "the mouse has profiles 1 to 5"},
        {{"show", "--profile", "9"}, 1, "the mouse has profiles 1 to 5"},
        {{"button", "--profile", "6", "4", "default"}, 1, "the mouse has profiles 1 to 5"},
        {{"button", "6", "default"}, 1, "a button is 1 to 5, or left, right, middle, side1"},
        {{"button", "9", "default"}, 1, "a button is 1 to 5, or left, right, middle, side1"},
        {{"button", "left", "function", "Right Click"}, 1, "no button left doing the left click"},
        {{"button", "side1", "function", "Lft Click"}, 1, "close: Left Click"},
        {{"button", "2", "macro", "Relaod"}, 1, "there is no macro \"Relaod\"; close: Reload"},
        {{"button", "4", "launch", "/no/such/file"}, 1, "there is no file /no/such/file"},
        {{"button", "1", "frobnicate", "x"}, 2, "button B takes default, function NAME"},
        {{"frobnicate"}, 2, "kxctl: unknown command frobnicate"},
        {{"help", "nothing"}, 2, "there is no command nothing"},
        // After "--" everything is a word, --json too: no JSON for it.
        {{"list", "--", "--json"}, 2, "list: too many arguments"},
    };
    for (const auto& c : refused)
        expectRefused(c.command, c.exit, c.says);
}

TEST_F(KxCtlProgramTest, ButtonsAreWrittenAsTheWindowWritesThemAndReadBack) {
    importMacro("Reload",
                {MacroKeyInfo(15, 0, 100), MacroKeyInfo(15, 1, 0), MacroKeyInfo(0x200, 2, 0),
                 MacroKeyInfo(120, 3, 0), MacroKeyInfo(120, 4, 200)});
    const auto reload = libraryMacro("Reload");
    ASSERT_TRUE(reload);

    EXPECT_EQ(ok({"button", "side1", "function", "f5"}).out,
              "profile 1 front side button: Back → F5\n");
    EXPECT_TRUE(holds(1, 4, QByteArray::fromHex("3e003ec0a000")));
    ok({"button", "2", "macro", "RELOAD", "--mode", "repeat", "3"});
    EXPECT_TRUE(holds(1, 2, encoded(Buttons::macro(*reload, RunMode::Repeat, 3))));
    ok({"button", "--profile", "2", "middle", "launch", "/bin/true"});
    EXPECT_TRUE(holds(2, 3, QByteArray::fromHex("a740a000"))); // 160 + 5 + 2
    QSettings preferences(PrivateHome::dir("config") + QStringLiteral("/com.vlak.KxOption.conf"),
                          QSettings::IniFormat);
    EXPECT_EQ(preferences.value("ProfileLauncha7").toString(), "/bin/true");
    // The built-in default of profile 1's back side button.
    ProfieController library;
    ok({"button", "side2", "function", "Disable"});
    ok({"button", "side2", "default"});
    EXPECT_TRUE(holds(1, 5, encoded(library.defaultProfileArrs()[0]->profileData().btnInfo[4])));

    // What kxctl show reads back, and the files, say the same.
    const QJsonObject shown = ok({"--json", "show", "--all"}).json();
    EXPECT_TRUE(fitsSchema(shown, "show"));
    const QJsonArray profiles = shown.value("profiles").toArray();
    ASSERT_EQ(profiles.size(), 5);
    const QJsonArray first = profiles[0]["buttons"].toArray();
    EXPECT_EQ(first[3]["caption"].toString(), "F5");
    EXPECT_EQ(first[1]["caption"].toString(), "macro Reload, repeat 3 times");
    EXPECT_EQ(first[1]["inLibrary"], QJsonValue(true));
    EXPECT_EQ(profiles[1]["buttons"][2]["path"].toString(), "/bin/true");
    const _Kx_PROFILE one = profileFile(1);
    EXPECT_EQ(one.btnInfo[3].KeyBit[0], 0x3Eu);
    EXPECT_EQ(one.btnInfo[1].MacroID, uint32_t(reload->macroId()));
    EXPECT_EQ(one.btnInfo[1].KeyBit[1], 3u);
    EXPECT_STREQ(profileFile(2).btnInfo[2].app_path, "/bin/true");
    // Every write finished: no change is left waiting.
    EXPECT_TRUE(
        QDir(dataFile("Unwritten")).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(says(kxctl({"show"}).out, "  4 side1   F5\n"));
}

TEST_F(KxCtlProgramTest, ReadingCommandsAndTheirJsonFitTheSchema) {
    Outcome run = ok({"list"});
    EXPECT_TRUE(run.out.startsWith("1  emulated  kx-virtual-mouse  ")) << qPrintable(run.out);
    run = kxctl({"list", "--json"});
    EXPECT_TRUE(fitsSchema(run.json(), "list"));
    const QJsonValue mouse = run.json().value("mice")[0];
    EXPECT_EQ(mouse["kind"].toString(), "emulated");
    EXPECT_EQ(mouse["activeProfile"], QJsonValue(1));
    EXPECT_EQ(mouse["selected"], QJsonValue(true));

    run = ok({"show"});
    EXPECT_TRUE(run.out.startsWith("Active profile: 1\nDPI stages: *800 1600 2400 3200 (stage 1 "
                                   "active)\nPolling rate: 1000 Hz\nLights: logo on, wheel on\n"))
        << qPrintable(run.out);
    EXPECT_TRUE(says(run.out, "  1 left    Left Click\n"));
    run = kxctl({"--json", "show", "--profile", "3"});
    EXPECT_TRUE(fitsSchema(run.json(), "show"));
    EXPECT_EQ(run.json().value("profiles")[0]["profile"], QJsonValue(3));

    importMacro("Spray");
    EXPECT_TRUE(fitsSchema(kxctl({"--json", "macro", "list"}).json(), "macroList"));
    EXPECT_TRUE(fitsSchema(kxctl({"--json", "macro", "show", "spray"}).json(), "macroShow"));
    const QString setup = home("mouse.kxsetup");
    EXPECT_TRUE(fitsSchema(kxctl({"--json", "export", setup}).json(), "export"));
    EXPECT_TRUE(fitsSchema(json(fileBytes(setup)), "setupFile"));

    // Failures are JSON too, with the exit status.
    run = kxctl({"--json", "frobnicate"});
    EXPECT_EQ(run.exit, 2);
    EXPECT_TRUE(fitsSchema(run.json(), "failure"));
    mouseCommand("unplug");
    run = kxctl({"--json", "show"});
    EXPECT_EQ(run.exit, 3);
    EXPECT_TRUE(fitsSchema(run.json(), "failure"));
    EXPECT_EQ(kxctl({"dpi", "1", "900"}).exit, 3);
    // None attached is an empty list.
    ok({"list"});
}

// A person reads kxctl in their language, as on any desktop program (LANGUAGE before LANG); a
// script asking for JSON reads the same words whatever the language.
TEST_F(KxCtlProgramTest, APersonReadsTheirLanguageAndAScriptItsJsonInEnglish) {
    const struct {
        const char* language;
        const char* lang;
        const char* said;
    } cases[] = {
        {"", "de_DE.UTF-8", "kxctl: unbekannter Befehl frobnicate"},
        {"ko:fr", "de_DE.UTF-8", "kxctl: commande inconnue"},
        {"", "C.UTF-8", "kxctl: unknown command frobnicate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        qputenv("LANGUAGE", c.language);
        qputenv("LC_MESSAGES", c.lang);
        Outcome run = kxctl({"frobnicate"});
        EXPECT_EQ(run.exit, 2);
        EXPECT_TRUE(run.err.startsWith(QLatin1String(c.said))) << qPrintable(run.err);
        EXPECT_TRUE(
            says(kxctl({"--json", "frobnicate"}).out, "\"error\": \"unknown command frobnicate\""));
    }
    qunsetenv("LANGUAGE");
    qputenv("LC_MESSAGES", "C.UTF-8");
}

TEST_F(KxCtlProgramTest, NothingIsWrittenWhileTheWindowOwnsItsBusName) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService("com.vlak.KxOption"));
    const QString before = dump();
    expectRefused({"dpi", "1", "900"}, 1, "configuration window");
    expectRefused({"macro", "import", macroFile("Late")}, 1, "configuration window");
    // Reading goes on.
    ok({"show"});

    // --wait waits for the window to close, without asking the mouse meanwhile.
    QProcess* waiting = startKxctl({"--wait", "dpi", "1", "900"});
    ASSERT_TRUE(KxTest::waitFor(
        [&] { return waiting->bytesAvailable() >= 0 && waiting->state() == QProcess::Running; }));
    KxTest::spin(1500);
    EXPECT_EQ(waiting->state(), QProcess::Running);
    EXPECT_EQ(dump(), before);
    ASSERT_TRUE(bus.unregisterService("com.vlak.KxOption"));
    const Outcome run = finish(waiting);
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(says(run.err, "waiting for the configuration window"));
    EXPECT_TRUE(dumpShows("DPI stages: 900 1600 2400 3200"));
}

TEST_F(KxCtlProgramTest, TwoWritersTakeTurns) {
    QProcess* first = startKxctl({"dpi", "1", "1000"});
    QProcess* second = startKxctl({"button", "side1", "function", "F6"});
    const Outcome a = finish(first);
    const Outcome b = finish(second);
    EXPECT_EQ(a.exit, 0) << qPrintable(a.err);
    EXPECT_EQ(b.exit, 0) << qPrintable(b.err);
    EXPECT_TRUE(a.err.contains("waiting for the mouse") || b.err.contains("waiting for the mouse"));
    EXPECT_TRUE(dumpShows("DPI stages: 1000 1600 2400 3200"));
    EXPECT_TRUE(holds(1, 4, QByteArray::fromHex("3f003fc0a000")));
    // Their requests never met: each kept the mouse's pacing.
    EXPECT_EQ(status("requests closer than the pacing"), 0);
}

TEST_F(KxCtlProgramTest, ImportShowsWhatChangesTakesChosenProfilesAndMergesMacros) {
    importMacro("Fire"); // the library's Fire differs from the file's
    const QString setup = setupWith("friend.kxsetup", [](KxSetup::File& file) {
        file.settings.dpi[0] = 1200;
        file.profiles[1][3] = setupButton("F7");
        file.profiles[1][1] = macroButton("Fire", RunMode::Toggle);
        file.macros = {tapMacro("Fire", 5, 300)};
    });

    const QString before = dump();
    const QByteArray library = libraryBytes();
    Outcome run = ok({"import", setup, "--dry-run"});
    EXPECT_EQ(run.out, "Would change:\n"
                       "profile 2 right button: Right Click → macro Fire (2), until pressed again\n"
                       "profile 2 front side button: Back → F7\n"
                       "DPI stage 1: 800 DPI → 1200 DPI\n"
                       "macro Fire: added to the library as Fire (2) (the library's Fire has "
                       "other steps)\n");
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(libraryBytes(), library);

    // Profile 2's buttons only: the settings stay.
    run = ok({"--json", "import", setup, "--profiles", "2"});
    EXPECT_TRUE(fitsSchema(run.json(), "write"));
    EXPECT_EQ(run.json().value("changes").toArray().size(), 3);
    EXPECT_TRUE(holds(2, 4, QByteArray::fromHex("400040c0a000"))); // F7
    EXPECT_TRUE(dumpShows("DPI stages: 800 1600 2400 3200"));
    const auto added = libraryMacro("Fire (2)");
    ASSERT_TRUE(added);
    EXPECT_EQ(added->keyInfoArr().size(), 2);
    EXPECT_EQ(profileFile(2).btnInfo[1].MacroID, uint32_t(added->macroId()));
    EXPECT_EQ(profileFile(2).btnInfo[1].KeyBit[0], uint32_t(RunMode::Toggle));

    // The rest; the same macro is the library's now.
    run = ok({"import", setup});
    EXPECT_EQ(run.out, "DPI stage 1: 800 DPI → 1200 DPI\n");
    EXPECT_TRUE(dumpShows("DPI stages: 1200 1600 2400 3200"));
    EXPECT_FALSE(libraryMacro("Fire (3)"));
    EXPECT_EQ(kxctl({"import", setup}).out, "Nothing to change: the mouse holds this already.\n");
}

// The mouse goes away at each write of a settings change and of an import in turn: what kxctl
// then says is what the mouse and the files hold once it is back. It never says "did not reach"
// of what the mouse holds, never claims in the files what it does not hold, and says the changes
// are kept only when the journal keeps them.
TEST_F(KxCtlProgramTest, AfterTheMouseWentAwayMidWriteTheReportIsWhatTheMouseAndTheFilesHold) {
    ok({"dpi", "2", "1700"}); // the files are made
    const auto unpluggedAt = [&](int at, const QStringList& command) {
        mouseCommand(QStringLiteral("fault --at %1 --on write unplug").arg(at));
        const Outcome run = kxctl(command);
        mouseCommand("fault off");
        mouseCommand("plug");
        return run;
    };
    for (const int at : {8, 10, 11, 12, 14}) {
        SCOPED_TRACE("dpi, unplugged at write " + std::to_string(at));
        ok({"dpi", "2", "1600"});
        const Outcome run = unpluggedAt(at, {"dpi", "2", "2000"});
        const bool holds = bool(dumpShows("DPI stages: 800 2000 2400 3200"));
        const bool filed = profileFile(1).xSensArr[1] == 20;
        EXPECT_FALSE(run.err.contains("kept as changes")) << qPrintable(run.err);
        if (run.exit == 0) {
            EXPECT_TRUE(holds && filed);
        }
        if (run.err.contains("did not reach")) {
            EXPECT_FALSE(holds) << qPrintable(run.err);
        }
        if (holds && run.exit != 0) {
            EXPECT_TRUE(says(run.err, "may not have reached"));
        }
        EXPECT_TRUE(holds || !filed) << "the files claim what the mouse does not hold";
    }

    // An import of four buttons.
    const auto function = [](int b) { return QStringLiteral("F%1").arg(b + 4); };
    const QString setup = setupWith("four.kxsetup", [&](KxSetup::File& file) {
        for (int b = 1; b < 5; ++b)
            file.profiles[0][b] = setupButton(function(b));
    });
    const QString original = home("original.kxsetup");
    ok({"export", original});
    // kxctl reads what it writes over first; the buttons' writes and reads back follow.
    for (const int at : {46, 52, 58, 64, 70, 76}) {
        SCOPED_TRACE("import, unplugged at write " + std::to_string(at));
        ok({"import", original});
        const QString before = dump();
        const Outcome run = unpluggedAt(at, {"--json", "import", setup});
        if (run.err.contains("nothing was written")) {
            EXPECT_EQ(dump(), before);
            continue;
        }
        // For a script, each change with what became of it.
        QMap<QString, QString> status;
        if (run.exit != 0) {
            EXPECT_TRUE(fitsSchema(run.json(), "failure"));
            for (const QJsonValue& change : run.json().value("changes").toArray())
                status.insert(change["what"].toString(), change["status"].toString());
            EXPECT_FALSE(status.isEmpty()) << qPrintable(run.out);
        }
        const QStringList sentences = run.err.split('\n').filter(QStringLiteral("of profile 1 "));
        for (int b = 1; b < 5; ++b) {
            const QString title = KxNames::buttonTitle(b);
            const _BTN_INFO wanted = Buttons::function(function(b));
            const bool took = bool(holds(1, b + 1, encoded(wanted)));
            const bool toldNotReached =
                std::any_of(sentences.begin(), sentences.end(), [&](const QString& sentence) {
                    return sentence.contains(title) && sentence.contains("did not reach");
                });
            EXPECT_TRUE(took || run.err.contains(title))
                << qPrintable(title) << " not named: " << qPrintable(run.err);
            EXPECT_FALSE(took && toldNotReached)
                << qPrintable(title) << ": " << qPrintable(run.err);
            EXPECT_TRUE(took || profileFile(1).btnInfo[b].FuncID != wanted.FuncID)
                << qPrintable(title) << " claimed by the files";
            const QString said = status.value("profile 1 " + title);
            EXPECT_TRUE(said != "written" || took) << qPrintable(title);
            EXPECT_TRUE(said != "notWritten" || !took) << qPrintable(title);
        }
        EXPECT_TRUE(!run.err.contains("kept as changes") ||
                    QFileInfo::exists(dataFile("Unwritten/Default1.buttons")));
    }
}

// With the journal impossible to keep, nothing is written: not to the mouse, and not the file's
// macros into the library either.
TEST_F(KxCtlProgramTest, AWriteThatCannotBeJournalledChangesNothingAtAll) {
    ok({"dpi", "2", "1700"}); // the files are made
    const QString setup = setupWith("macro.kxsetup", [](KxSetup::File& file) {
        file.macros = {tapMacro("Burst", 5, 100)};
        file.profiles[0][3] = macroButton("Burst");
    });
    // The journal's folder cannot be made: a file has its name.
    QDir(dataFile("Unwritten")).removeRecursively();
    ASSERT_TRUE(QFile(dataFile("Unwritten")).open(QIODevice::WriteOnly));

    expectRefused({"import", setup}, 1, "nothing was written");
    EXPECT_FALSE(libraryMacro("Burst")) << "the file's macro left the library again";
    QFile::remove(dataFile("Unwritten"));
}

// Two imports at once, each bringing a macro of its own: both wait for the turn at the mouse
// (held here until both wait), and each resolves names and hands out ids in its turn, so the
// library keeps both macros with ids of their own and each button runs its own (both used to
// take id 1 from the library as it was before either, and the second save dropped the first's).
TEST_F(KxCtlProgramTest, TwoImportsAtOnceKeepBothMacrosWithIdsOfTheirOwn) {
    const auto withMacro = [&](const QString& name, int profile, int32_t key) {
        return setupWith(name + ".kxsetup", [&](KxSetup::File& file) {
            file.profiles[size_t(profile - 1)][3] = macroButton(name);
            file.macros = {tapMacro(name, key, 50)};
        });
    };
    const QString alpha = withMacro("Alpha", 1, 4);
    const QString beta = withMacro("Beta", 2, 5);

    KxMouseLock otherProgram;
    QString why;
    ASSERT_TRUE(otherProgram.acquire(KxMouseLock::path(), {}, &why)) << qPrintable(why);
    // Each the profile of its own: a whole file would also put back the other's profile.
    QProcess* first = startKxctl({"import", alpha, "--profiles", "1"});
    QProcess* second = startKxctl({"import", beta, "--profiles", "2"});
    QString firstErr, secondErr;
    ASSERT_TRUE(KxTest::waitFor(
        [&] {
            firstErr += QString::fromUtf8(first->readAllStandardError());
            secondErr += QString::fromUtf8(second->readAllStandardError());
            return firstErr.contains("waiting for the mouse") &&
                   secondErr.contains("waiting for the mouse");
        },
        20000));
    otherProgram.release();
    const Outcome a = finish(first);
    const Outcome b = finish(second);
    EXPECT_EQ(a.exit, 0) << qPrintable(a.err);
    EXPECT_EQ(b.exit, 0) << qPrintable(b.err);

    const auto alphaMacro = libraryMacro("Alpha");
    const auto betaMacro = libraryMacro("Beta");
    ASSERT_TRUE(alphaMacro) << "the library lost the first import's macro";
    ASSERT_TRUE(betaMacro) << "the library lost the second import's macro";
    EXPECT_NE(alphaMacro->macroId(), betaMacro->macroId());
    EXPECT_EQ(profileFile(1).btnInfo[3].MacroID, uint32_t(alphaMacro->macroId()));
    EXPECT_EQ(profileFile(2).btnInfo[3].MacroID, uint32_t(betaMacro->macroId()));
}

// Files kxctl must not take, each with a part of what it says: refused before the mouse is
// asked anything, and nothing read, written or added to the library. (What the reader refuses
// field by field is SetupFileTest's.)
TEST_F(KxCtlProgramTest, HostileSetupFilesAreRefusedAndChangeNothing) {
    importMacro("Keep");
    const QByteArray good = kxctl({"export", "-"}).out.toUtf8();
    const auto replaced = [&good](const char* from, const char* to) {
        return QByteArray(good).replace(from, to);
    };
    const QString fifo = home("fifo.kxsetup");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const std::pair<QString, const char*> hostile[] = {
        {homeFile("text.kxsetup", "hello"), "not a set-up"},
        {homeFile("future.kxsetup", replaced("\"version\": 1", "\"version\": 7")),
         "version: version 7"},
        {homeFile("unknown.kxsetup", replaced("\"Right Click\"", "\"Rihgt Click\"")),
         "profiles[0].buttons[1].function: there is no function \"Rihgt Click\"; close: Right "
         "Click"},
        {homeFile("large.kxsetup", good + QByteArray(1 << 20, ' ')), "larger than 1 MiB"},
        {fifo, "not a regular file"},
        {home("missing.kxsetup"), "missing.kxsetup"},
    };
    const int requestsBefore = status("requests");
    const QByteArray library = libraryBytes();
    const QByteArray profile = fileBytes(dataFile("Profiles/Default1.pro"));
    for (const auto& [path, why] : hostile)
        expectRefused({"import", path}, 1, why);
    EXPECT_EQ(status("requests"), requestsBefore);
    EXPECT_EQ(libraryBytes(), library);
    EXPECT_EQ(fileBytes(dataFile("Profiles/Default1.pro")), profile);
    EXPECT_FALSE(QFileInfo::exists(dataFile("Unwritten/Default1.buttons")));
}

TEST_F(KxCtlProgramTest, MacroCommands) {
    const QString mac = macroFile(
        "Burst", {MacroKeyInfo(4, 0, 150), MacroKeyInfo(4, 1, 9000), MacroKeyInfo(0x200, 2, 0)});
    Outcome run = ok({"macro", "import", mac});
    EXPECT_TRUE(says(run.out, "2 delays were changed"));
    const auto burst = libraryMacro("Burst");
    ASSERT_TRUE(burst);
    EXPECT_EQ(burst->keyInfoArr()[0].delay(), 100);
    EXPECT_EQ(burst->keyInfoArr()[1].delay(), 5000);

    EXPECT_EQ(kxctl({"macro", "list"}).out, "Burst  (3 steps, 6 on the mouse)\n");
    EXPECT_EQ(kxctl({"macro", "show", "burst"}).out,
              "Burst: 3 steps, 6 on the mouse (a button holds 40)\n"
              "   1  press H, then 100 ms\n"
              "   2  release H, then 5000 ms\n"
              "   3  insert Copy, then 0 ms\n");
    const QString out = home("out");
    ok({"macro", "export", "BURST", out});
    const auto archive = HvAction::CopyObject(out + QStringLiteral(".mac"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(MacroInfo::fromArchive(*archive)->keyInfoArr(), burst->keyInfoArr());

    // Refused: a name the library has (in any case), a macro a button cannot hold, a name
    // nobody has.
    const QByteArray library = libraryBytes();
    QFile::copy(mac, home("BURST.mac"));
    expectRefused({"macro", "import", home("BURST.mac")}, 1, "the library has a macro called");
    QList<MacroKeyInfo> many;
    for (int i = 0; i < 41; ++i)
        many << MacroKeyInfo(4, i % 2, 0);
    expectRefused({"macro", "import", macroFile("Long", many)}, 1, "41 steps");
    expectRefused({"macro", "show", "Brust"}, 1, "close: Burst");
    EXPECT_EQ(libraryBytes(), library);
}

// A macro another program put on the mouse with a key the desktop has no key for (185) and a
// key the key table writes back as another code (228): every read finds it the same (an export,
// a write that reads before and after, an export again), and a set-up exported and imported
// onto a fresh mouse puts the same bytes back.
TEST_F(KxCtlProgramTest, AMacroTheMouseHoldsIsReadTheSameAndRestoredByteForByte) {
    stopMouse();
    QByteArray image = VirtualMouseFirmware::factoryImage();
    const uint8_t steps[] = {185, 0x00, 228, 0x00, 228, 0x80, 185, 0xC0};
    const int at = VirtualMouseFirmware::recordAddress(0, 2);
    std::memcpy(image.data() + at, steps, sizeof steps);
    image[at + KxProtocol::kModeOffset] = char(KxAction::getMacroType(1));
    image[at + KxProtocol::kModeOffset + 1] = 2;
    QDir().mkpath(QFileInfo(flashPath()).path());
    QFile flash(flashPath());
    ASSERT_TRUE(flash.open(QIODevice::WriteOnly) && flash.write(image) == image.size());
    flash.close();
    startMouse();
    const QByteArray record = this->record(1, 3);
    ASSERT_EQ(record.left(8), QByteArray(reinterpret_cast<const char*>(steps), sizeof steps));

    const QString first = home("first.kxsetup");
    const QString again = home("again.kxsetup");
    ok({"export", first});
    ok({"dpi", "1", "800"});
    ok({"export", again});
    const QJsonArray macros = json(fileBytes(again)).value("macros").toArray();
    EXPECT_EQ(macros.size(), 1);
    EXPECT_EQ(json(fileBytes(first)).value("macros"), QJsonValue(macros));

    startFactoryMouse();
    ok({"import", first});
    EXPECT_EQ(this->record(1, 3), record);
}

// Where a script points kxctl's output: a file is replaced whole, a FIFO, /dev/stdout and a
// process substitution are written in place, a device that is no stream is left alone, and a
// standard output that cannot take what is written is a failure, not a success.
TEST_F(KxCtlProgramTest, OutputGoesWhereItIsPointedAndAFailedWriteIsAFailure) {
    importMacro("Tap");
    const Outcome reference = kxctl({"export", "-"});
    ASSERT_EQ(reference.exit, 0);
    QJsonObject setup = json(reference.out.toUtf8());
    ASSERT_FALSE(setup.isEmpty());
    setup.remove("exported");
    // Two exports differ only in their time stamp.
    const auto sameSetup = [&setup](const QByteArray& bytes) {
        QJsonObject got = json(bytes);
        got.remove("exported");
        return got == setup;
    };

    Outcome run = ok({"export", "/dev/stdout"});
    EXPECT_TRUE(sameSetup(run.out.toUtf8())) << qPrintable(run.out.left(200));
    const QString substituted = home("substituted.kxsetup");
    run = shell(QStringLiteral("kxctl export >(cat > '%1'); wait").arg(substituted));
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(KxTest::waitFor([&] { return sameSetup(fileBytes(substituted)); }));

    const QString fifo = home("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    run = kxctl({"export", fifo}, 20000);
    EXPECT_EQ(run.exit, 1) << "nobody reads it";
    EXPECT_TRUE(says(run.err, "no program reads"));
    for (const QStringList& command :
         {QStringList{"export", fifo}, QStringList{"macro", "export", "Tap", fifo}}) {
        // The test reads the FIFO; what kxctl writes (a few KiB) waits in the pipe's buffer.
        const int reader = ::open(fifo.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        run = ok(command, 20000);
        QByteArray read(1 << 16, '\0');
        const ssize_t got = ::read(reader, read.data(), size_t(read.size()));
        ::close(reader);
        read.truncate(std::max<ssize_t>(got, 0));
        EXPECT_TRUE(command[0] == "macro" ? json(read).contains("object") : sameSetup(read))
            << qPrintable(command.join(' '));
        struct stat status {};
        ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the FIFO stays a FIFO";
    }
    run = ok({"macro", "export", "Tap", "/dev/stdout"});
    EXPECT_TRUE(json(run.out.toUtf8()).contains("object"));

    // A zero device takes writes and is no stream for a file; a full one refuses them. The
    // test's own nodes of /dev/zero's and /dev/full's numbers, never the system's: a program
    // that replaces them takes only these (making one needs root; without it, this is skipped).
    for (const auto& [name, minor] : {std::pair{"zero", 5u}, std::pair{"full", 7u}}) {
        const QString device = home(QLatin1String(name));
        if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, minor)) != 0) {
            std::cerr << "devices left out: no device node can be made here\n";
            break;
        }
        for (const QStringList& command :
             {QStringList{"export", device}, QStringList{"macro", "export", "Tap", device}}) {
            run = kxctl(command);
            EXPECT_EQ(run.exit, 1) << qPrintable(command.join(' '));
            EXPECT_FALSE(run.out.contains("Exported"));
            struct stat status {};
            ASSERT_EQ(::stat(device.toLocal8Bit().constData(), &status), 0);
            EXPECT_TRUE(S_ISCHR(status.st_mode)) << qPrintable(device) << " is still a device";
        }
    }

    for (const QStringList& command :
         {QStringList{"export", "-"}, QStringList{"show"}, QStringList{"--json", "list"},
          QStringList{"macro", "list"}, QStringList{"--help"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        run = finish(startKxctl(command, [](QProcess& process) {
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        }));
        EXPECT_EQ(run.exit, 1);
        EXPECT_TRUE(says(run.err, "standard output cannot be written"));
    }
}

// A set-up piped in is read to its end, however the pipe hands it over.
TEST_F(KxCtlProgramTest, ASetupOnStandardInputIsReadToItsEnd) {
    QByteArray setup = kxctl({"export", "-"}).out.toUtf8();
    ASSERT_FALSE(setup.isEmpty());
    setup.insert(setup.indexOf('{') + 1, QByteArray(200000, ' '));
    // A pipe whose writer pauses: the first read brings only what was there.
    const Outcome run =
        shell(QStringLiteral("{ head -c 70000 '%1'; sleep 1; tail -c +70001 '%1'; } | kxctl import "
                             "--dry-run -")
                  .arg(homeFile("piped.kxsetup", setup)));
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(says(run.out, "Nothing to change"));
}

// What an import reports is what the buttons do: a launcher names its own code or none, a tap
// kept as a macro stays the user's macro, delays come within what a step holds, names are the
// names a user typed (emoji too), and text from a file or the mouse never reaches the terminal
// raw.
TEST_F(KxCtlProgramTest, AnImportSaysWhatTheButtonsWillDo) {
    const auto exported = [] { return json(kxctl({"export", "-"}).out.toUtf8()); };
    const auto nothingToChange = [](const QString& setup) {
        const Outcome run = ok({"import", setup});
        EXPECT_TRUE(says(run.out, "Nothing to change"));
    };
    // A launcher without a path keeps what its code launches: nothing to change, every time.
    ok({"button", "2", "launch", "/usr/bin/true"});
    const QJsonObject withLauncher = exported();
    const QString noPath = homeFile(
        "nopath.kxsetup", with(withLauncher, "profiles/0/buttons/1/path", QJsonValue::Undefined));
    nothingToChange(noPath);
    nothingToChange(noPath);
    // Another button's code with a path of its own is refused, naming the field.
    const int ownCode = int(KxAction::getBtnAppLaunchIndex(0, 1));
    expectRefused(
        {"import", homeFile("othercode.kxsetup",
                            with(withLauncher, "profiles/0/buttons/1/code", ownCode + 1))},
        1, "profiles[0].buttons[1].code");

    // A macro on profile 1's wheel button, in a file.
    const auto withMacro = [&](const QString& name, const QJsonArray& steps) {
        const QJsonObject button{
            {"button", "middle"}, {"kind", "macro"}, {"macro", name}, {"mode", "once"}};
        return homeFile(name + ".kxsetup",
                        with(with(exported(), "profiles/0/buttons/2", button), "macros",
                             QJsonArray{QJsonObject{{"name", name}, {"steps", steps}}}));
    };
    // Delays as the mouse runs them, with a note.
    Outcome run = ok(
        {"import",
         withMacro("Slow", {QJsonObject{{"action", "press"}, {"key", 4}, {"delayMs", 150}},
                            QJsonObject{{"action", "release"}, {"key", 4}, {"delayMs", 6300}}})});
    EXPECT_TRUE(says(run.out, "2 delays were changed"));
    const auto slow = libraryMacro("Slow");
    ASSERT_TRUE(slow) << "Slow is not in the library";
    EXPECT_EQ(slow->keyInfoArr()[0].delay(), 100);
    EXPECT_EQ(slow->keyInfoArr()[1].delay(), 5000);
    // An emoji name survives import, export and import.
    const QString fire = QStringLiteral("🔥").repeated(40);
    run = ok({"import", withMacro(fire, {QJsonObject{{"action", "press"}, {"key", 5}},
                                         QJsonObject{{"action", "release"}, {"key", 5}}})});
    EXPECT_TRUE(libraryMacro(fire));
    const QJsonObject again = exported();
    const QJsonArray held = again.value("macros").toArray();
    EXPECT_TRUE(std::any_of(held.begin(), held.end(), [&fire](const QJsonValue& macro) {
        return macro["name"] == fire;
    })) << "exported";
    nothingToChange(homeFile("again.kxsetup", again));

    // A one-tap macro is the user's macro after every read, though the mouse's bytes are the
    // key's.
    importMacro("Tap", {MacroKeyInfo(11, 0, 0), MacroKeyInfo(11, 1, 0)});
    ok({"button", "4", "macro", "Tap"});
    run = kxctl({"show"});
    EXPECT_TRUE(run.out.contains(QRegularExpression("4 side1 +.*Tap"))) << qPrintable(run.out);
    const QJsonArray macros = exported().value("macros").toArray();
    EXPECT_TRUE(std::any_of(macros.begin(), macros.end(),
                            [](const QJsonValue& macro) { return macro["name"] == "Tap"; }));

    // Control characters: refused in a file's path, escaped when the mouse's launcher path
    // holds them (the preferences are the user's; a path there may be anything).
    const QString hostilePath = QStringLiteral("/usr/bin/\x1b[2K\rtrue\x07");
    expectRefused(
        {"import",
         homeFile("hostile.kxsetup", with(withLauncher, "profiles/0/buttons/1/path", hostilePath))},
        1, "buttons[1].path: holds control characters");
    {
        const auto preferences = UserPreferences::open();
        ASSERT_TRUE(preferences->contains(KxAction::launchPathKey(uint32_t(ownCode))))
            << qPrintable(preferences->fileName());
        preferences->setValue(KxAction::launchPathKey(uint32_t(ownCode)), hostilePath);
        preferences->sync();
    }
    run = kxctl({"show"});
    EXPECT_FALSE(run.out.contains(QChar(0x1b)) || run.out.contains(QChar('\r')) ||
                 run.out.contains(QChar(7)));
    EXPECT_TRUE(says(run.out, "\\x1b[2K\\x0dtrue\\x07"));
}

// As the command lines of other device tools behave: help per command, -V, an empty list when no
// mouse is attached, --dry-run on every write, and no log lines on standard error unless asked.
// (The exit statuses of refused command lines are RefusedCommandLinesSayWhyAndChangeNothing's.)
TEST_F(KxCtlProgramTest, TheCommandLineBehavesAsScriptsExpect) {
    Outcome run = ok({"-V"});
    EXPECT_TRUE(run.out.startsWith("kxctl ")) << qPrintable(run.out);
    const Outcome help = kxctl({"help", "button"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(help.out.startsWith("kxctl button")) << qPrintable(help.out);
    EXPECT_EQ(kxctl({"button", "2", "--help"}).out, help.out);

    // A dry run reads, says what would change, and writes nothing.
    const QString before = dump();
    for (const QStringList& dry :
         {QStringList{"--dry-run", "profile", "3"}, QStringList{"--dry-run", "rate", "500"},
          QStringList{"--dry-run", "stage", "3"}, QStringList{"--dry-run", "light", "logo", "off"},
          QStringList{"--dry-run", "button", "2", "function", "F5"},
          QStringList{"--dry-run", "dpi", "1", "900"}}) {
        SCOPED_TRACE(dry.join(' ').toStdString());
        run = ok(dry);
        EXPECT_TRUE(run.out.startsWith("Would change:")) << qPrintable(run.out);
        EXPECT_TRUE(run.err.isEmpty()) << "no log lines: " << qPrintable(run.err);
    }
    EXPECT_EQ(dump(), before);
    const QByteArray library = libraryBytes();
    ok({"macro", "import", "--dry-run", macroFile("Dry")});
    EXPECT_EQ(libraryBytes(), library);

    // Without a session bus an open window cannot be seen: the write goes ahead and says so.
    run = finish(startKxctl({"rate", "500"}, [](QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        process.setProcessEnvironment(environment);
    }));
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(says(run.err, "no session bus"));
    EXPECT_FALSE(run.err.contains("messages between the window"))
        << "the core's log stays in the log file: " << qPrintable(run.err);

    stopMouse();
    EXPECT_EQ(ok({"--json", "list"}).json().value("mice"), QJsonValue(QJsonArray()));
    EXPECT_EQ(kxctl({"show"}).exit, 3);
}

} // namespace
