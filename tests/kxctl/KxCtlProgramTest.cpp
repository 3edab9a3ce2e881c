// kxctl end to end: the program against kx-virtual-mouse, on a session bus of the test's own,
// every command checked in the emulated mouse's memory (its dump), in the profile files and on
// the bus, its --json output against docs/kxctl-json.md's schema.
#include "HvAction.h"
#include "KxAction.h"
#include "KxCtlTestSupport.h"
#include "KxGlobals.h"
#include "KxMouseLock.h"
#include "KxNames.h"
#include "KxSetupFile.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Preferences/UserPreferences.h"
#include "ProfieController.h"
#include "ProfileValue.h"
#include "VirtualMouseFirmware.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

QString home(const QString& name) {
    return PrivateHome::dir("home") + QLatin1Char('/') + name;
}

QString dataFile(const QString& name) {
    return PrivateHome::dir("data") + QStringLiteral("/com.vlak.KxOption/") + name;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

// The bytes a record writes, as the window's encoder makes them: steps, then mode and count.
QByteArray encoded(const _BTN_INFO& record) {
    uint8_t bytes[82] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(record, bytes, &length);
    QByteArray out(reinterpret_cast<const char*>(bytes), qsizetype(length));
    out.append(char(bytes[80])).append(char(bytes[81]));
    return out;
}

// A record as the mouse holds it, cut to what its encoding covers.
QByteArray held(const QByteArray& record, qsizetype steps) {
    return record.left(steps) + record.mid(80, 2);
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

    // A macro file as the macro editor exports it.
    static QString macroFile(const QString& name, const QList<MacroKeyInfo>& steps) {
        MacroInfo macro;
        macro.setKeyInfoArr(steps);
        const QString path = home(name + QStringLiteral(".mac"));
        EXPECT_TRUE(HvAction::SaveObject(macro.toArchive(), path));
        return path;
    }
    // The library as kxctl left it on disk.
    static std::shared_ptr<MacroInfo> libraryMacro(const QString& name) {
        KxAction::initMenuList();
        return KxAction::getMacroByName(name);
    }
    void expectNothingChanged(const Outcome& run, const QString& dumpBefore, const char* what) {
        EXPECT_EQ(run.exit, 1) << what << ": " << qPrintable(run.err);
        EXPECT_EQ(dump(), dumpBefore) << what;
    }
};

TEST_F(KxCtlProgramTest, SettingsReachTheMouseAndTheDaemonIsToldAsAfterApply) {
    std::vector<std::pair<int, QVariantMap>> told;
    const auto observer = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxSettingChange"), [&told](const Notification& n) {
            told.push_back({n.objectInt(), n.userInfo.value_or(QVariantMap())});
        });

    Outcome run = kxctl({"dpi", "2", "1800"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("DPI stage 2: 1600 DPI → 1800 DPI\n"));
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 800 1800 2400 3200"));
    EXPECT_EQ(kxctl({"stage", "2"}).exit, 0);
    EXPECT_EQ(dumpLine("stage:"), QStringLiteral("stage: 2 (1800 DPI)"));
    EXPECT_EQ(kxctl({"rate", "500"}).exit, 0);
    EXPECT_EQ(dumpLine("rate:"), QStringLiteral("rate: 500 Hz"));
    EXPECT_EQ(kxctl({"light", "logo", "off"}).exit, 0);
    EXPECT_EQ(dumpLine("logo light:"), QStringLiteral("logo light: off"));
    EXPECT_EQ(dumpLine("wheel light:"), QStringLiteral("wheel light: on"));
    EXPECT_EQ(kxctl({"profile", "4"}).exit, 0);
    EXPECT_EQ(dumpLine("active profile:"), QStringLiteral("active profile: 4"));
    // The mouse keeps one set of stages: a profile named says so and changes them for all.
    run = kxctl({"--json", "dpi", "--profile", "3", "1", "900"});
    EXPECT_EQ(run.exit, 0);
    EXPECT_TRUE(run.err.contains(QLatin1String("one set of DPI stages"))) << qPrintable(run.err);
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("write")));
    EXPECT_EQ(run.json().value("changes").toArray().size(), 1);
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 900 1800 2400 3200"));
    // Again: the mouse holds it, nothing is written.
    run = kxctl({"--json", "dpi", "1", "900"});
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.json().value("written"), QJsonValue(false));

    // What the mouse cannot take is refused, and nothing changes.
    const QString before = dump();
    run = kxctl({"rate", "250"});
    expectNothingChanged(run, before, "rate 250");
    EXPECT_TRUE(run.err.contains(QLatin1String("no 250 Hz"))) << qPrintable(run.err);
    expectNothingChanged(kxctl({"dpi", "1", "150"}), before, "dpi 150");
    expectNothingChanged(kxctl({"dpi", "1", "3600"}), before, "dpi 3600");
    expectNothingChanged(kxctl({"stage", "5"}), before, "stage 5");
    expectNothingChanged(kxctl({"profile", "0"}), before, "profile 0");

    // Every profile file holds the block the mouse holds.
    for (int n = 1; n <= 5; ++n) {
        const _Kx_PROFILE profile = profileFile(n);
        EXPECT_EQ(profile.xSensArr[0], 9u) << n;
        EXPECT_EQ(profile.xSensArr[1], 18u) << n;
        EXPECT_EQ(profile.currSelectDPI, 1u) << n;
        EXPECT_EQ(profile.poRate, 1u) << n;
        EXPECT_EQ(profile.islightOnArr[0], 0u) << n;
        EXPECT_EQ(profile.islightOnArr[1], 1u) << n;
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

TEST_F(KxCtlProgramTest, ButtonsAreWrittenAsTheWindowWritesThemAndReadBack) {
    const QString mac =
        macroFile(QStringLiteral("Reload"),
                  {MacroKeyInfo(15, 0, 100), MacroKeyInfo(15, 1, 0), MacroKeyInfo(0x200, 2, 0),
                   MacroKeyInfo(120, 3, 0), MacroKeyInfo(120, 4, 200)});
    ASSERT_EQ(kxctl({"macro", "import", mac}).exit, 0);
    const auto reload = libraryMacro(QStringLiteral("Reload"));
    ASSERT_TRUE(reload);

    Outcome run = kxctl({"button", "side1", "function", "f5"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("profile 1 front side button: Back → F5\n"));
    EXPECT_EQ(held(record(1, 4), 4), QByteArray::fromHex("3e003ec0a000"));

    run = kxctl({"button", "2", "macro", "RELOAD", "--mode", "repeat", "3"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    _BTN_INFO macro{};
    macro.btnType = 2;
    macro.FuncID = macro.FuncTableId = 6;
    macro.MacroID = uint32_t(reload->macroId());
    macro.KeyBit[0] = 1;
    macro.KeyBit[1] = 3;
    const QByteArray macroBytes = encoded(macro);
    EXPECT_EQ(held(record(1, 2), macroBytes.size() - 2), macroBytes);

    run = kxctl({"button", "--profile", "2", "middle", "launch", "/bin/true"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(held(record(2, 3), 2), QByteArray::fromHex("a740a000")); // 160 + 5 + 2
    QSettings preferences(PrivateHome::dir("config") + QStringLiteral("/com.vlak.KxOption.conf"),
                          QSettings::IniFormat);
    EXPECT_EQ(preferences.value(QStringLiteral("ProfileLauncha7")).toString(),
              QStringLiteral("/bin/true"));

    // The built-in default of profile 1's back side button.
    ProfieController library;
    const _BTN_INFO builtIn = library.defaultProfileArrs()[0]->profileData().btnInfo[4];
    EXPECT_EQ(kxctl({"button", "side2", "function", "Disable"}).exit, 0);
    EXPECT_EQ(kxctl({"button", "side2", "default"}).exit, 0);
    const QByteArray builtInBytes = encoded(builtIn);
    EXPECT_EQ(held(record(1, 5), builtInBytes.size() - 2), builtInBytes);

    // What kxctl show reads back, and the files, say the same.
    run = kxctl({"--json", "show", "--all"});
    ASSERT_EQ(run.exit, 0);
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("show")));
    const QJsonArray profiles = run.json().value("profiles").toArray();
    ASSERT_EQ(profiles.size(), 5);
    const QJsonArray first = profiles[0].toObject().value("buttons").toArray();
    EXPECT_EQ(first[3].toObject().value("caption").toString(), QStringLiteral("F5"));
    EXPECT_EQ(first[1].toObject().value("caption").toString(),
              QStringLiteral("macro Reload, repeat 3 times"));
    EXPECT_EQ(first[1].toObject().value("inLibrary"), QJsonValue(true));
    EXPECT_EQ(profiles[1].toObject().value("buttons").toArray()[2].toObject().value("path"),
              QJsonValue(QStringLiteral("/bin/true")));
    const _Kx_PROFILE one = profileFile(1);
    EXPECT_EQ(one.btnInfo[3].KeyBit[0], 0x3Eu);
    EXPECT_EQ(one.btnInfo[1].MacroID, uint32_t(reload->macroId()));
    EXPECT_EQ(one.btnInfo[1].KeyBit[1], 3u);
    EXPECT_STREQ(profileFile(2).btnInfo[2].app_path, "/bin/true");
    // Every write finished: no change is left waiting.
    EXPECT_TRUE(QDir(dataFile(QStringLiteral("Unwritten")))
                    .entryList(QDir::Files | QDir::NoDotAndDotDot)
                    .isEmpty());
    run = kxctl({"show"});
    EXPECT_TRUE(run.out.contains(QLatin1String("  4 side1   F5\n"))) << qPrintable(run.out);

    // Refused, and nothing changes.
    const QString before = dump();
    run = kxctl({"button", "left", "function", "Right Click"});
    expectNothingChanged(run, before, "the last left click");
    EXPECT_TRUE(run.err.contains(QLatin1String("left click"))) << qPrintable(run.err);
    run = kxctl({"button", "side1", "function", "Lft Click"});
    expectNothingChanged(run, before, "unknown function");
    EXPECT_TRUE(run.err.contains(QLatin1String("close: Left Click"))) << qPrintable(run.err);
    run = kxctl({"button", "2", "macro", "Relaod"});
    expectNothingChanged(run, before, "unknown macro");
    EXPECT_TRUE(run.err.contains(QLatin1String("close: Reload"))) << qPrintable(run.err);
    expectNothingChanged(kxctl({"button", "4", "launch", "/no/such/file"}), before, "no file");
    expectNothingChanged(kxctl({"button", "--profile", "6", "4", "default"}), before, "profile 6");
    EXPECT_EQ(kxctl({"button", "9", "default"}).exit, 1) << "out of range, as every value";
    EXPECT_EQ(kxctl({"button", "1", "frobnicate", "x"}).exit, 2);
}

TEST_F(KxCtlProgramTest, ReadingCommandsAndTheirJsonFitTheSchema) {
    Outcome run = kxctl({"list"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.startsWith(QLatin1String("1  emulated  kx-virtual-mouse  ")))
        << qPrintable(run.out);
    run = kxctl({"list", "--json"});
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("list")));
    const QJsonObject mouse = run.json().value("mice").toArray().first().toObject();
    EXPECT_EQ(mouse.value("kind"), QJsonValue(QStringLiteral("emulated")));
    EXPECT_EQ(mouse.value("activeProfile"), QJsonValue(1));
    EXPECT_EQ(mouse.value("selected"), QJsonValue(true));

    run = kxctl({"show"});
    EXPECT_EQ(run.exit, 0);
    EXPECT_TRUE(run.out.startsWith(QLatin1String("Active profile: 1\nDPI stages: *800 1600 2400 "
                                                 "3200 (stage 1 active)\nPolling rate: 1000 "
                                                 "Hz\nLights: logo on, wheel on\n")))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QLatin1String("  1 left    Left Click\n"))) << qPrintable(run.out);
    EXPECT_EQ(kxctl({"show", "--profile", "9"}).exit, 1);
    run = kxctl({"--json", "show", "--profile", "3"});
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("show")));
    EXPECT_EQ(run.json().value("profiles").toArray().first().toObject().value("profile"),
              QJsonValue(3));

    ASSERT_EQ(
        kxctl({"macro", "import",
               macroFile(QStringLiteral("Spray"), {MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)})})
            .exit,
        0);
    EXPECT_TRUE(fitsSchema(kxctl({"--json", "macro", "list"}).json(), QStringLiteral("macroList")));
    EXPECT_TRUE(fitsSchema(kxctl({"--json", "macro", "show", "spray"}).json(),
                           QStringLiteral("macroShow")));
    const QString setup = home(QStringLiteral("mouse.kxsetup"));
    run = kxctl({"--json", "export", setup});
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("export")));
    EXPECT_TRUE(fitsSchema(QJsonDocument::fromJson(fileBytes(setup)).object(),
                           QStringLiteral("setupFile")));
    // To standard output, the file itself.
    run = kxctl({"export", "-"});
    EXPECT_EQ(run.exit, 0);
    EXPECT_TRUE(KxSetup::parse(run.out.toUtf8()).file);

    // Failures are JSON too, with the exit status.
    run = kxctl({"--json", "frobnicate"});
    EXPECT_EQ(run.exit, 2);
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("failure")));
    mouseCommand(QStringLiteral("unplug"));
    run = kxctl({"--json", "show"});
    EXPECT_EQ(run.exit, 3);
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("failure")));
    EXPECT_EQ(kxctl({"dpi", "1", "900"}).exit, 3);
    // None attached is an empty list.
    EXPECT_EQ(kxctl({"list"}).exit, 0);
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
        run = kxctl({"--json", "frobnicate"});
        EXPECT_TRUE(run.out.contains(QLatin1String("\"error\": \"unknown command frobnicate\"")))
            << qPrintable(run.out);
    }
    qunsetenv("LANGUAGE");
    qputenv("LC_MESSAGES", "C.UTF-8");
}

TEST_F(KxCtlProgramTest, NothingIsWrittenWhileTheWindowOwnsItsBusName) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService(QStringLiteral("com.vlak.KxOption")));
    const QString before = dump();
    Outcome run = kxctl({"dpi", "1", "900"});
    expectNothingChanged(run, before, "while the window runs");
    EXPECT_TRUE(run.err.contains(QLatin1String("configuration window"))) << qPrintable(run.err);
    expectNothingChanged(
        kxctl({"macro", "import", macroFile(QStringLiteral("Late"), {MacroKeyInfo(4, 0, 0)})}),
        before, "a macro while the window runs");
    // Reading goes on.
    EXPECT_EQ(kxctl({"show"}).exit, 0);

    // --wait waits for the window to close, without asking the mouse meanwhile.
    QProcess* waiting = startKxctl({"--wait", "dpi", "1", "900"});
    ASSERT_TRUE(KxTest::waitFor(
        [&] { return waiting->bytesAvailable() >= 0 && waiting->state() == QProcess::Running; }));
    KxTest::spin(1500);
    EXPECT_EQ(waiting->state(), QProcess::Running);
    EXPECT_EQ(dump(), before);
    ASSERT_TRUE(bus.unregisterService(QStringLiteral("com.vlak.KxOption")));
    run = finish(waiting);
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QLatin1String("waiting for the configuration window")));
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 900 1600 2400 3200"));
}

TEST_F(KxCtlProgramTest, TwoWritersTakeTurns) {
    QProcess* first = startKxctl({"dpi", "1", "1000"});
    QProcess* second = startKxctl({"button", "side1", "function", "F6"});
    const Outcome a = finish(first);
    const Outcome b = finish(second);
    EXPECT_EQ(a.exit, 0) << qPrintable(a.err);
    EXPECT_EQ(b.exit, 0) << qPrintable(b.err);
    EXPECT_TRUE(a.err.contains(QLatin1String("waiting for the mouse")) ||
                b.err.contains(QLatin1String("waiting for the mouse")));
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 1000 1600 2400 3200"));
    EXPECT_EQ(held(record(1, 4), 4), QByteArray::fromHex("3f003fc0a000"));
    // Their requests never met: each kept the mouse's pacing.
    EXPECT_TRUE(mouseCommand(QStringLiteral("status"))
                    .contains(QLatin1String("requests closer than the pacing: 0\n")));
}

TEST_F(KxCtlProgramTest, ImportShowsWhatChangesTakesChosenProfilesAndMergesMacros) {
    // The library's Fire differs from the file's.
    ASSERT_EQ(
        kxctl({"macro", "import",
               macroFile(QStringLiteral("Fire"), {MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)})})
            .exit,
        0);
    const QString setup = home(QStringLiteral("friend.kxsetup"));
    ASSERT_EQ(kxctl({"export", setup}).exit, 0);
    KxSetup::Parsed parsed = KxSetup::readFile(setup);
    ASSERT_TRUE(parsed.file);
    KxSetup::File file = *parsed.file;
    file.settings.dpi[0] = 1200;
    file.profiles[1][3].kind = KxSetup::Button::Kind::Function;
    file.profiles[1][3].function = QStringLiteral("F7");
    file.profiles[1][1].kind = KxSetup::Button::Kind::Macro;
    file.profiles[1][1].macro = QStringLiteral("Fire");
    file.profiles[1][1].mode = KxSetup::RunMode::Toggle;
    KxSetup::Macro fire;
    fire.name = QStringLiteral("Fire");
    fire.steps = {{KxSetup::MacroStep::Action::Press, 5, {}, {}, {}, 0, 300, {}},
                  {KxSetup::MacroStep::Action::Release, 5, {}, {}, {}, 0, 0, {}}};
    file.macros = {fire};
    ASSERT_TRUE(KxSetup::writeFile(file, setup));

    const QString before = dump();
    const QByteArray library = fileBytes(dataFile(QStringLiteral("MenuInfo.xml")));
    Outcome run = kxctl({"import", setup, "--dry-run"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("Would change:\n"
                                      "profile 2 right button: Right Click → macro Fire (2), until "
                                      "pressed again\n"
                                      "profile 2 front side button: Back → F7\n"
                                      "DPI stage 1: 800 DPI → 1200 DPI\n"
                                      "macro Fire: added to the library as Fire (2) (the "
                                      "library's Fire has other steps)\n"));
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(fileBytes(dataFile(QStringLiteral("MenuInfo.xml"))), library);

    // Profile 2's buttons only: the settings stay.
    run = kxctl({"--json", "import", setup, "--profiles", "2"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("write")));
    EXPECT_EQ(run.json().value("changes").toArray().size(), 3);
    EXPECT_EQ(held(record(2, 4), 4), QByteArray::fromHex("400040c0a000")); // F7
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 800 1600 2400 3200"));
    const auto added = libraryMacro(QStringLiteral("Fire (2)"));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->keyInfoArr().size(), 2);
    EXPECT_EQ(profileFile(2).btnInfo[1].MacroID, uint32_t(added->macroId()));
    EXPECT_EQ(profileFile(2).btnInfo[1].KeyBit[0], 3u);

    // The rest; the same macro is the library's now.
    run = kxctl({"import", setup});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("DPI stage 1: 800 DPI → 1200 DPI\n"));
    EXPECT_EQ(dumpLine("DPI stages:"), QStringLiteral("DPI stages: 1200 1600 2400 3200"));
    EXPECT_FALSE(libraryMacro(QStringLiteral("Fire (3)")));
    run = kxctl({"import", setup});
    EXPECT_EQ(run.out, QStringLiteral("Nothing to change: the mouse holds this already.\n"));
}

// The mouse goes away at each write of a settings change and of an import in turn: what kxctl
// then says is what the mouse and the files hold once it is back. It never says "did not reach"
// of what the mouse holds, never claims in the files what it does not hold, and says the changes
// are kept only when the journal keeps them.
TEST_F(KxCtlProgramTest, AfterTheMouseWentAwayMidWriteTheReportIsWhatTheMouseAndTheFilesHold) {
    ASSERT_EQ(kxctl({"dpi", "2", "1700"}).exit, 0); // the files are made
    const auto unpluggedAt = [&](int at, const QStringList& command) {
        mouseCommand(QStringLiteral("fault --at %1 --on write unplug").arg(at));
        const Outcome run = kxctl(command);
        mouseCommand(QStringLiteral("fault off"));
        mouseCommand(QStringLiteral("plug"));
        return run;
    };
    for (const int at : {8, 10, 11, 12, 14}) {
        SCOPED_TRACE("dpi, unplugged at write " + std::to_string(at));
        ASSERT_EQ(kxctl({"dpi", "2", "1600"}).exit, 0);
        const Outcome run = unpluggedAt(at, {"dpi", "2", "2000"});
        const bool holds =
            dumpLine("DPI stages:") == QStringLiteral("DPI stages: 800 2000 2400 3200");
        const bool filed = profileFile(1).xSensArr[1] == 20;
        EXPECT_FALSE(run.err.contains(QLatin1String("kept as changes"))) << qPrintable(run.err);
        if (run.exit == 0) {
            EXPECT_TRUE(holds && filed);
        }
        if (run.err.contains(QLatin1String("did not reach"))) {
            EXPECT_FALSE(holds) << qPrintable(run.err);
        }
        if (holds && run.exit != 0) {
            EXPECT_TRUE(run.err.contains(QLatin1String("may not have reached")))
                << qPrintable(run.err);
        }
        EXPECT_TRUE(holds || !filed) << "the files claim what the mouse does not hold";
    }

    // An import of four buttons.
    const QString setup = home(QStringLiteral("four.kxsetup"));
    ASSERT_EQ(kxctl({"export", setup}).exit, 0);
    KxSetup::Parsed parsed = KxSetup::readFile(setup);
    ASSERT_TRUE(parsed.file);
    KxSetup::File file = *parsed.file;
    const char* functions[] = {"F5", "F6", "F7", "F8"};
    for (int b = 1; b < 5; ++b) {
        file.profiles[0][b].kind = KxSetup::Button::Kind::Function;
        file.profiles[0][b].function = QLatin1String(functions[b - 1]);
    }
    ASSERT_TRUE(KxSetup::writeFile(file, setup));
    const QString original = home(QStringLiteral("original.kxsetup"));
    ASSERT_EQ(kxctl({"export", original}).exit, 0);
    // kxctl reads what it writes over first; the buttons' writes and reads back follow.
    for (const int at : {46, 52, 58, 64, 70, 76}) {
        SCOPED_TRACE("import, unplugged at write " + std::to_string(at));
        ASSERT_EQ(kxctl({"import", original}).exit, 0);
        const QString before = dump();
        const Outcome run = unpluggedAt(at, {"--json", "import", setup});
        if (run.err.contains(QLatin1String("nothing was written"))) {
            EXPECT_EQ(dump(), before);
            continue;
        }
        // For a script, each change with what became of it.
        QMap<QString, QString> status;
        if (run.exit != 0) {
            EXPECT_TRUE(fitsSchema(run.json(), QStringLiteral("failure")));
            for (const QJsonValue& change : run.json().value(QStringLiteral("changes")).toArray())
                status.insert(change[QStringLiteral("what")].toString(),
                              change[QStringLiteral("status")].toString());
            EXPECT_FALSE(status.isEmpty()) << qPrintable(run.out);
        }
        const QStringList sentences =
            run.err.split(QLatin1Char('\n')).filter(QStringLiteral("of profile 1 "));
        for (int b = 1; b < 5; ++b) {
            const QString title = KxNames::buttonTitle(b);
            const _BTN_INFO function = KxNames::functionRecord(
                *KxNames::findFunction(QLatin1String(functions[b - 1])).found);
            const QByteArray wanted = encoded(function);
            const bool holds = held(record(1, b + 1), wanted.size() - 2) == wanted;
            bool toldNotReached = false;
            for (const QString& sentence : sentences)
                toldNotReached =
                    toldNotReached ||
                    (sentence.contains(title) && sentence.contains(QLatin1String("did not reach")));
            EXPECT_TRUE(holds || run.err.contains(title))
                << qPrintable(title) << " not named: " << qPrintable(run.err);
            EXPECT_FALSE(holds && toldNotReached)
                << qPrintable(title) << ": " << qPrintable(run.err);
            EXPECT_TRUE(holds || profileFile(1).btnInfo[b].FuncID != function.FuncID)
                << qPrintable(title) << " claimed by the files";
            const QString said = status.value(QStringLiteral("profile 1 ") + title);
            EXPECT_TRUE(said != QLatin1String("written") || holds) << qPrintable(title);
            EXPECT_TRUE(said != QLatin1String("notWritten") || !holds) << qPrintable(title);
        }
        EXPECT_TRUE(!run.err.contains(QLatin1String("kept as changes")) ||
                    QFileInfo::exists(dataFile(QStringLiteral("Unwritten/Default1.buttons"))));
    }
}

// With the journal impossible to keep, nothing is written: not to the mouse, and not the file's
// macros into the library either.
TEST_F(KxCtlProgramTest, AWriteThatCannotBeJournalledChangesNothingAtAll) {
    ASSERT_EQ(kxctl({"dpi", "2", "1700"}).exit, 0); // the files are made
    const QString setup = home(QStringLiteral("macro.kxsetup"));
    ASSERT_EQ(kxctl({"export", setup}).exit, 0);
    KxSetup::Parsed parsed = KxSetup::readFile(setup);
    ASSERT_TRUE(parsed.file);
    KxSetup::File file = *parsed.file;
    KxSetup::Macro burst;
    burst.name = QStringLiteral("Burst");
    burst.steps = {{KxSetup::MacroStep::Action::Press, 5, {}, {}, {}, 0, 100, {}},
                   {KxSetup::MacroStep::Action::Release, 5, {}, {}, {}, 0, 0, {}}};
    file.macros = {burst};
    file.profiles[0][3].kind = KxSetup::Button::Kind::Macro;
    file.profiles[0][3].macro = burst.name;
    ASSERT_TRUE(KxSetup::writeFile(file, setup));
    // The journal's folder cannot be made: a file has its name.
    QDir(dataFile(QStringLiteral("Unwritten"))).removeRecursively();
    QFile blocker(dataFile(QStringLiteral("Unwritten")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const QString before = dump();
    const Outcome run = kxctl({"import", setup});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("nothing was written"))) << qPrintable(run.err);
    EXPECT_EQ(dump(), before);
    EXPECT_FALSE(libraryMacro(burst.name)) << "the file's macro left the library again";
    QFile::remove(dataFile(QStringLiteral("Unwritten")));
}

// Two imports at once, each bringing a macro of its own: both wait for the turn at the mouse
// (held here until both wait), and each resolves names and hands out ids in its turn, so the
// library keeps both macros with ids of their own and each button runs its own (both used to
// take id 1 from the library as it was before either, and the second save dropped the first's).
TEST_F(KxCtlProgramTest, TwoImportsAtOnceKeepBothMacrosWithIdsOfTheirOwn) {
    const QString exported = home(QStringLiteral("base.kxsetup"));
    ASSERT_EQ(kxctl({"export", exported}).exit, 0);
    const auto withMacro = [&](const QString& name, int profile, uint8_t key) {
        KxSetup::Parsed parsed = KxSetup::readFile(exported);
        EXPECT_TRUE(parsed.file);
        KxSetup::File file = *parsed.file;
        KxSetup::Button& button = file.profiles[size_t(profile - 1)][3];
        button.kind = KxSetup::Button::Kind::Macro;
        button.macro = name;
        button.mode = KxSetup::RunMode::Once;
        KxSetup::Macro macro;
        macro.name = name;
        macro.steps = {{KxSetup::MacroStep::Action::Press, key, {}, {}, {}, 0, 50, {}},
                       {KxSetup::MacroStep::Action::Release, key, {}, {}, {}, 0, 0, {}}};
        file.macros = {macro};
        const QString path = home(name + QStringLiteral(".kxsetup"));
        EXPECT_TRUE(KxSetup::writeFile(file, path));
        return path;
    };
    const QString alpha = withMacro(QStringLiteral("Alpha"), 1, 4);
    const QString beta = withMacro(QStringLiteral("Beta"), 2, 5);

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
            return firstErr.contains(QLatin1String("waiting for the mouse")) &&
                   secondErr.contains(QLatin1String("waiting for the mouse"));
        },
        20000));
    otherProgram.release();
    const Outcome a = finish(first);
    const Outcome b = finish(second);
    EXPECT_EQ(a.exit, 0) << qPrintable(a.err);
    EXPECT_EQ(b.exit, 0) << qPrintable(b.err);

    const auto alphaMacro = libraryMacro(QStringLiteral("Alpha"));
    const auto betaMacro = libraryMacro(QStringLiteral("Beta"));
    ASSERT_TRUE(alphaMacro) << "the library lost the first import's macro";
    ASSERT_TRUE(betaMacro) << "the library lost the second import's macro";
    EXPECT_NE(alphaMacro->macroId(), betaMacro->macroId());
    EXPECT_EQ(profileFile(1).btnInfo[3].MacroID, uint32_t(alphaMacro->macroId()));
    EXPECT_EQ(profileFile(2).btnInfo[3].MacroID, uint32_t(betaMacro->macroId()));
}

TEST_F(KxCtlProgramTest, HostileSetupFilesAreRefusedAndChangeNothing) {
    ASSERT_EQ(
        kxctl({"macro", "import",
               macroFile(QStringLiteral("Keep"), {MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)})})
            .exit,
        0);
    const QString good = home(QStringLiteral("good.kxsetup"));
    ASSERT_EQ(kxctl({"export", good}).exit, 0);
    const QByteArray goodBytes = fileBytes(good);

    const auto write = [](const QString& name, const QByteArray& bytes) {
        QFile file(home(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return home(name);
    };
    QByteArray unknown = goodBytes;
    unknown.replace("\"Right Click\"", "\"Rihgt Click\"");
    QByteArray future = goodBytes;
    future.replace("\"version\": 1", "\"version\": 7");
    QByteArray huge = goodBytes;
    huge.insert(huge.indexOf("Right Click"), QByteArray(900000, 'x'));
    QByteArray chords = goodBytes;
    QByteArray steps = "[";
    for (int i = 0; i < 7; ++i)
        steps += QByteArray(i ? "," : "") + "{\"action\": \"insert\", \"function\": \"Redo\"}";
    steps += "]";
    chords.replace("\"macros\": []",
                   "\"macros\": [{\"name\": \"Long\", \"steps\": " + steps + "}]");
    chords.replace("\"kind\": \"function\", \"function\": \"Right Click\", \"functionId\": 2",
                   "\"kind\": \"macro\", \"macro\": \"Long\", \"mode\": \"once\"");
    const QString fifo = home(QStringLiteral("fifo.kxsetup"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const struct {
        QString path;
        const char* says;
    } hostile[] = {
        {write(QStringLiteral("text.kxsetup"), "hello"), "not a set-up"},
        {write(QStringLiteral("cut.kxsetup"), goodBytes.left(goodBytes.size() * 2 / 3)),
         "ends early"},
        {write(QStringLiteral("future.kxsetup"), future), "version: version 7"},
        {write(QStringLiteral("unknown.kxsetup"), unknown),
         "profiles[0].buttons[1].function: there is no function \"Rihgt Click\"; close: Right "
         "Click"},
        {write(QStringLiteral("huge.kxsetup"), huge), "characters long"},
        {write(QStringLiteral("large.kxsetup"), goodBytes + QByteArray(1 << 20, ' ')),
         "larger than 1 MiB"},
        {write(QStringLiteral("deep.kxsetup"), QByteArray(300000, '[')), "not a set-up"},
        {write(QStringLiteral("chords.kxsetup"), chords),
         "macros[0].steps: the macro takes 42 steps on the mouse"},
        {write(QStringLiteral("twice.kxsetup"),
               QByteArray(goodBytes).replace("\"kind\": \"function\",",
                                             "\"kind\": \"macro\", \"kind\": \"function\",")),
         "profiles[0].buttons[0].kind: is given twice"},
        {fifo, "not a regular file"},
        {home(QStringLiteral("missing.kxsetup")), "missing.kxsetup"},
    };
    const QString before = dump();
    const QString requestsBefore = mouseCommand(QStringLiteral("status")).section('\n', 3, 3);
    const QByteArray library = fileBytes(dataFile(QStringLiteral("MenuInfo.xml")));
    const QByteArray profile = fileBytes(dataFile(QStringLiteral("Profiles/Default1.pro")));
    for (const auto& file : hostile) {
        const Outcome run = kxctl({"import", file.path}, 20000);
        EXPECT_EQ(run.exit, 1) << qPrintable(file.path);
        EXPECT_TRUE(run.err.contains(QLatin1String(file.says)))
            << qPrintable(file.path) << ": " << qPrintable(run.err.left(400));
    }
    // Refused before the mouse was asked anything: nothing read, nothing written.
    EXPECT_EQ(mouseCommand(QStringLiteral("status")).section('\n', 3, 3), requestsBefore);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(fileBytes(dataFile(QStringLiteral("MenuInfo.xml"))), library);
    EXPECT_EQ(fileBytes(dataFile(QStringLiteral("Profiles/Default1.pro"))), profile);
    EXPECT_FALSE(QFileInfo::exists(dataFile(QStringLiteral("Unwritten/Default1.buttons"))));
}

TEST_F(KxCtlProgramTest, MacroCommands) {
    const QString mac =
        macroFile(QStringLiteral("Burst"),
                  {MacroKeyInfo(4, 0, 150), MacroKeyInfo(4, 1, 9000), MacroKeyInfo(0x200, 2, 0)});
    Outcome run = kxctl({"macro", "import", mac});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QLatin1String("2 delays were changed"))) << qPrintable(run.out);
    const auto burst = libraryMacro(QStringLiteral("Burst"));
    ASSERT_TRUE(burst);
    EXPECT_EQ(burst->keyInfoArr()[0].delay(), 100);
    EXPECT_EQ(burst->keyInfoArr()[1].delay(), 5000);

    run = kxctl({"macro", "list"});
    EXPECT_EQ(run.out, QStringLiteral("Burst  (3 steps, 6 on the mouse)\n"));
    run = kxctl({"macro", "show", "burst"});
    EXPECT_EQ(run.out, QStringLiteral("Burst: 3 steps, 6 on the mouse (a button holds 40)\n"
                                      "   1  press H, then 100 ms\n"
                                      "   2  release H, then 5000 ms\n"
                                      "   3  insert Copy, then 0 ms\n"));
    const QString out = home(QStringLiteral("out"));
    run = kxctl({"macro", "export", "BURST", out});
    EXPECT_EQ(run.exit, 0);
    const auto archive = HvAction::CopyObject(out + QStringLiteral(".mac"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(MacroInfo::fromArchive(*archive)->keyInfoArr(), burst->keyInfoArr());

    // Refused: a name the library has (in any case), a macro a button cannot hold, a name
    // nobody has.
    const QByteArray library = fileBytes(dataFile(QStringLiteral("MenuInfo.xml")));
    QFile::copy(mac, home(QStringLiteral("BURST.mac")));
    EXPECT_EQ(kxctl({"macro", "import", home(QStringLiteral("BURST.mac"))}).exit, 1);
    QList<MacroKeyInfo> many;
    for (int i = 0; i < 41; ++i)
        many << MacroKeyInfo(4, i % 2, 0);
    run = kxctl({"macro", "import", macroFile(QStringLiteral("Long"), many)});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("41 steps"))) << qPrintable(run.err);
    run = kxctl({"macro", "show", "Brust"});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("close: Burst"))) << qPrintable(run.err);
    EXPECT_EQ(fileBytes(dataFile(QStringLiteral("MenuInfo.xml"))), library);
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
    image[at + 80] = char(KxAction::getMacroType(1));
    image[at + 81] = 2;
    QDir().mkpath(QFileInfo(flashPath()).path());
    QFile flash(flashPath());
    ASSERT_TRUE(flash.open(QIODevice::WriteOnly) && flash.write(image) == image.size());
    flash.close();
    startMouse();
    const QByteArray record = this->record(1, 3);
    ASSERT_EQ(record.left(8), QByteArray(reinterpret_cast<const char*>(steps), sizeof steps));

    const QString first = home(QStringLiteral("first.kxsetup"));
    const QString again = home(QStringLiteral("again.kxsetup"));
    ASSERT_EQ(kxctl({"export", first}).exit, 0);
    ASSERT_EQ(kxctl({"dpi", "1", "800"}).exit, 0);
    ASSERT_EQ(kxctl({"export", again}).exit, 0);
    const QJsonArray macros = json(fileBytes(again)).value(QStringLiteral("macros")).toArray();
    EXPECT_EQ(macros.size(), 1);
    EXPECT_EQ(json(fileBytes(first)).value(QStringLiteral("macros")), QJsonValue(macros));

    startFactoryMouse();
    const Outcome run = kxctl({"import", first});
    ASSERT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(this->record(1, 3), record);
}

// Where a script points kxctl's output: a file is replaced whole, a FIFO, /dev/stdout and a
// process substitution are written in place, a device that is no stream is left alone, and a
// standard output that cannot take what is written is a failure, not a success.
TEST_F(KxCtlProgramTest, OutputGoesWhereItIsPointedAndAFailedWriteIsAFailure) {
    ASSERT_EQ(
        kxctl({"macro", "import",
               macroFile(QStringLiteral("Tap"), {MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)})})
            .exit,
        0);
    const Outcome reference = kxctl({"export", "-"});
    ASSERT_EQ(reference.exit, 0);
    const QJsonObject setup = json(reference.out.toUtf8());
    ASSERT_FALSE(setup.isEmpty());
    // Two exports differ only in their time stamp.
    const auto sameSetup = [&setup](const QByteArray& bytes) {
        QJsonObject got = json(bytes);
        got.remove(QStringLiteral("exported"));
        QJsonObject want = setup;
        want.remove(QStringLiteral("exported"));
        return !got.isEmpty() && got == want;
    };

    Outcome run = kxctl({"export", "/dev/stdout"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(sameSetup(run.out.toUtf8())) << qPrintable(run.out.left(200));
    const QString substituted = home(QStringLiteral("substituted.kxsetup"));
    QProcess shell;
    shell.start(QStringLiteral("bash"),
                {QStringLiteral("-c"), QStringLiteral("'%1' export >(cat > '%2'); wait")
                                           .arg(QStringLiteral(KX_CTL_PATH), substituted)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().constData();
    EXPECT_TRUE(KxTest::waitFor([&] { return sameSetup(fileBytes(substituted)); }));

    const QString fifo = home(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    run = kxctl({"export", fifo}, 20000);
    EXPECT_EQ(run.exit, 1) << "nobody reads it";
    EXPECT_TRUE(run.err.contains(QLatin1String("no program reads"))) << qPrintable(run.err);
    for (const QStringList& command :
         {QStringList{"export", fifo}, QStringList{"macro", "export", "Tap", fifo}}) {
        // The test reads the FIFO; what kxctl writes (a few KiB) waits in the pipe's buffer.
        const int reader = ::open(fifo.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        run = kxctl(command, 20000);
        EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
        QByteArray read(1 << 16, '\0');
        const ssize_t got = ::read(reader, read.data(), size_t(read.size()));
        ::close(reader);
        read.truncate(std::max<ssize_t>(got, 0));
        EXPECT_TRUE(command[0] == QLatin1String("macro") ? json(read).contains("object")
                                                         : sameSetup(read))
            << qPrintable(command.join(' '));
        struct stat status {};
        ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the FIFO stays a FIFO";
    }
    run = kxctl({"macro", "export", "Tap", "/dev/stdout"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(json(run.out.toUtf8()).contains("object"));

    // A zero device takes writes and is no stream for a file; a full one refuses them. The
    // test's own nodes of /dev/zero's and /dev/full's numbers, never the system's: a program
    // that replaces them takes only these (making one needs root; without it, this is skipped).
    const struct {
        const char* name;
        unsigned minor;
    } devices[] = {{"zero", 5}, {"full", 7}};
    for (const auto& node : devices) {
        const QString device = home(QLatin1String(node.name));
        if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, node.minor)) !=
            0) {
            std::cerr << "devices left out: no device node can be made here\n";
            break;
        }
        for (const QStringList& command :
             {QStringList{"export", device}, QStringList{"macro", "export", "Tap", device}}) {
            run = kxctl(command);
            EXPECT_EQ(run.exit, 1) << qPrintable(command.join(' '));
            EXPECT_FALSE(run.out.contains(QLatin1String("Exported")));
            struct stat status {};
            ASSERT_EQ(::stat(device.toLocal8Bit().constData(), &status), 0);
            EXPECT_TRUE(S_ISCHR(status.st_mode)) << qPrintable(device) << " is still a device";
        }
    }

    const auto toFull = [](const QStringList& arguments) {
        auto* process = new QProcess;
        process->setStandardOutputFile(QStringLiteral("/dev/full"));
        process->start(QStringLiteral(KX_CTL_PATH), arguments);
        return finish(process);
    };
    for (const QStringList& command :
         {QStringList{"export", "-"}, QStringList{"show"}, QStringList{"--json", "list"},
          QStringList{"macro", "list"}, QStringList{"--help"}}) {
        run = toFull(command);
        EXPECT_EQ(run.exit, 1) << qPrintable(command.join(' '));
        EXPECT_TRUE(run.err.contains(QLatin1String("standard output cannot be written")))
            << qPrintable(command.join(' ')) << ": " << qPrintable(run.err);
    }
}

// A set-up piped in is read to its end, however the pipe hands it over.
TEST_F(KxCtlProgramTest, ASetupOnStandardInputIsReadToItsEnd) {
    QByteArray setup = kxctl({"export", "-"}).out.toUtf8();
    ASSERT_FALSE(setup.isEmpty());
    setup.insert(setup.indexOf('{') + 1, QByteArray(200000, ' '));
    // A pipe whose writer pauses: the first read brings only what was there.
    const QString file = home(QStringLiteral("piped.kxsetup"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(setup);
    }
    auto* process = new QProcess;
    process->start(QStringLiteral("bash"),
                   {QStringLiteral("-c"),
                    QStringLiteral("{ head -c 70000 '%1'; sleep 1; tail -c +70001 '%1'; } | '%2' "
                                   "import --dry-run -")
                        .arg(file, QStringLiteral(KX_CTL_PATH))});
    const Outcome run = finish(process);
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QLatin1String("Nothing to change"))) << qPrintable(run.out);
}

// What an import reports is what the buttons do: a launcher names its own code or none, a tap
// kept as a macro stays the user's macro, delays come within what a step holds, names are the
// names a user typed (emoji too), and text from a file or the mouse never reaches the terminal
// raw.
TEST_F(KxCtlProgramTest, AnImportSaysWhatTheButtonsWillDo) {
    const auto exported = [this] { return json(kxctl({"export", "-"}).out.toUtf8()); };
    const auto setupFile = [](const QString& name, const QJsonObject& setup) {
        QFile file(home(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(setup).toJson());
        return home(name);
    };
    // Profile 1's button b (0-based) in a set-up, changed by change(button).
    const auto withButton = [](QJsonObject setup, int b,
                               const std::function<void(QJsonObject&)>& change) {
        QJsonArray profiles = setup.value(QStringLiteral("profiles")).toArray();
        QJsonObject first = profiles[0].toObject();
        QJsonArray buttons = first.value(QStringLiteral("buttons")).toArray();
        QJsonObject button = buttons[b].toObject();
        change(button);
        buttons[b] = button;
        first.insert(QStringLiteral("buttons"), buttons);
        profiles[0] = first;
        setup.insert(QStringLiteral("profiles"), profiles);
        return setup;
    };

    // A launcher without a path keeps what its code launches: nothing to change, every time.
    ASSERT_EQ(kxctl({"button", "2", "launch", "/usr/bin/true"}).exit, 0);
    const QJsonObject withLauncher = exported();
    const QString noPath = setupFile(QStringLiteral("nopath.kxsetup"),
                                     withButton(withLauncher, 1, [](QJsonObject& button) {
                                         button.remove(QStringLiteral("path"));
                                     }));
    for (int i = 0; i < 2; ++i) {
        const Outcome run = kxctl({"import", noPath});
        EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
        EXPECT_TRUE(run.out.contains(QLatin1String("Nothing to change"))) << qPrintable(run.out);
    }
    // Another button's code with a path of its own is refused, naming the field.
    const int ownCode = int(KxAction::getBtnAppLaunchIndex(0, 1));
    const QString otherCode = setupFile(QStringLiteral("othercode.kxsetup"),
                                        withButton(withLauncher, 1, [&](QJsonObject& button) {
                                            button.insert(QStringLiteral("code"), ownCode + 1);
                                        }));
    Outcome run = kxctl({"import", otherCode});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("profiles[0].buttons[1].code")))
        << qPrintable(run.err);

    // A macro on profile 1's wheel button, in a file.
    const auto withMacro = [&](const QString& name, const QJsonArray& steps) {
        QJsonObject setup = withButton(exported(), 2, [&name](QJsonObject& button) {
            button = {{QStringLiteral("button"), button.value(QStringLiteral("button"))},
                      {QStringLiteral("kind"), QStringLiteral("macro")},
                      {QStringLiteral("macro"), name},
                      {QStringLiteral("mode"), QStringLiteral("once")}};
        });
        setup.insert(QStringLiteral("macros"),
                     QJsonArray{QJsonObject{{QStringLiteral("name"), name}, {"steps", steps}}});
        return setup;
    };
    // Delays as the mouse runs them, with a note.
    run = kxctl(
        {"import",
         setupFile(
             QStringLiteral("slow.kxsetup"),
             withMacro(QStringLiteral("Slow"),
                       {QJsonObject{{"action", "press"}, {"key", 4}, {"delayMs", 150}},
                        QJsonObject{{"action", "release"}, {"key", 4}, {"delayMs", 6300}}}))});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QLatin1String("2 delays were changed"))) << qPrintable(run.out);
    if (const auto slow = libraryMacro(QStringLiteral("Slow"))) {
        EXPECT_EQ(slow->keyInfoArr()[0].delay(), 100);
        EXPECT_EQ(slow->keyInfoArr()[1].delay(), 5000);
    } else {
        ADD_FAILURE() << "Slow is not in the library";
    }
    // An emoji name survives import, export and import.
    QString fire;
    for (int i = 0; i < 40; ++i)
        fire += QStringLiteral("🔥");
    run = kxctl(
        {"import", setupFile(QStringLiteral("emoji.kxsetup"),
                             withMacro(fire, {QJsonObject{{"action", "press"}, {"key", 5}},
                                              QJsonObject{{"action", "release"}, {"key", 5}}}))});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(libraryMacro(fire));
    const QJsonObject again = exported();
    const QJsonArray held = again.value(QStringLiteral("macros")).toArray();
    EXPECT_TRUE(std::any_of(held.begin(), held.end(), [&fire](const QJsonValue& macro) {
        return macro.toObject().value(QStringLiteral("name")) == fire;
    })) << "exported";
    run = kxctl({"import", setupFile(QStringLiteral("again.kxsetup"), again)});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QLatin1String("Nothing to change"))) << qPrintable(run.out);

    // A one-tap macro is the user's macro after every read, though the mouse's bytes are the
    // key's.
    ASSERT_EQ(
        kxctl({"macro", "import",
               macroFile(QStringLiteral("Tap"), {MacroKeyInfo(11, 0, 0), MacroKeyInfo(11, 1, 0)})})
            .exit,
        0);
    run = kxctl({"button", "4", "macro", "Tap"});
    ASSERT_EQ(run.exit, 0) << qPrintable(run.err);
    run = kxctl({"show"});
    EXPECT_TRUE(run.out.contains(QRegularExpression(QStringLiteral("4 side1 +.*Tap"))))
        << qPrintable(run.out);
    const QJsonArray macros = exported().value(QStringLiteral("macros")).toArray();
    EXPECT_TRUE(std::any_of(macros.begin(), macros.end(), [](const QJsonValue& macro) {
        return macro.toObject().value(QStringLiteral("name")) == QLatin1String("Tap");
    }));

    // Control characters: refused in a file's path, escaped when the mouse's launcher path
    // holds them (the preferences are the user's; a path there may be anything).
    const QString hostilePath = QStringLiteral("/usr/bin/\x1b[2K\rtrue\x07");
    run = kxctl({"import", setupFile(QStringLiteral("hostile.kxsetup"),
                                     withButton(withLauncher, 1, [&](QJsonObject& button) {
                                         button.insert(QStringLiteral("path"), hostilePath);
                                     }))});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("buttons[1].path: holds control characters")))
        << qPrintable(run.err);
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
    EXPECT_TRUE(run.out.contains(QLatin1String("\\x1b[2K\\x0dtrue\\x07"))) << qPrintable(run.out);
}

// As the command lines of other device tools behave: help per command, -V, an empty list when no
// mouse is attached, one exit status for a value out of range, --dry-run on every write, and no
// log lines on standard error unless asked.
TEST_F(KxCtlProgramTest, TheCommandLineBehavesAsScriptsExpect) {
    Outcome run = kxctl({"-V"});
    EXPECT_EQ(run.exit, 0);
    EXPECT_TRUE(run.out.startsWith(QLatin1String("kxctl "))) << qPrintable(run.out);
    const Outcome help = kxctl({"help", "button"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(help.out.startsWith(QLatin1String("kxctl button"))) << qPrintable(help.out);
    EXPECT_EQ(kxctl({"button", "2", "--help"}).out, help.out);
    EXPECT_EQ(kxctl({"help", "nothing"}).exit, 2);
    // After "--" everything is a word, --json too.
    run = kxctl({"list", "--", "--json"});
    EXPECT_EQ(run.exit, 2);
    EXPECT_TRUE(run.out.isEmpty()) << "no JSON for a word: " << qPrintable(run.out);

    for (const QStringList& outOfRange :
         {QStringList{"button", "6", "default"}, QStringList{"profile", "99999999999"},
          QStringList{"stage", "0"}, QStringList{"dpi", "5", "800"}}) {
        run = kxctl(outOfRange);
        EXPECT_EQ(run.exit, 1) << qPrintable(outOfRange.join(' ')) << ": " << qPrintable(run.err);
    }

    const QString before = dump();
    for (const QStringList& dry :
         {QStringList{"--dry-run", "profile", "3"}, QStringList{"--dry-run", "rate", "500"},
          QStringList{"--dry-run", "stage", "3"}, QStringList{"--dry-run", "light", "logo", "off"},
          QStringList{"--dry-run", "button", "2", "function", "F5"},
          QStringList{"--dry-run", "dpi", "1", "900"}}) {
        run = kxctl(dry);
        EXPECT_EQ(run.exit, 0) << qPrintable(dry.join(' ')) << ": " << qPrintable(run.err);
        EXPECT_TRUE(run.out.startsWith(QLatin1String("Would change:"))) << qPrintable(run.out);
        EXPECT_TRUE(run.err.isEmpty()) << "no log lines: " << qPrintable(run.err);
    }
    EXPECT_EQ(dump(), before);
    const QByteArray library = fileBytes(dataFile(QStringLiteral("MenuInfo.xml")));
    run = kxctl({"macro", "import", "--dry-run",
                 macroFile(QStringLiteral("Dry"), {MacroKeyInfo(4, 0, 0), MacroKeyInfo(4, 1, 0)})});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(fileBytes(dataFile(QStringLiteral("MenuInfo.xml"))), library);

    // Without a session bus an open window cannot be seen: the write goes ahead and says so.
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(KX_CTL_PATH), {QStringLiteral("rate"), QStringLiteral("500")});
    run = finish(process);
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QLatin1String("no session bus"))) << qPrintable(run.err);
    EXPECT_FALSE(run.err.contains(QLatin1String("messages between the window")))
        << "the core's log stays in the log file: " << qPrintable(run.err);

    stopMouse();
    run = kxctl({"--json", "list"});
    EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
    EXPECT_EQ(run.json().value(QStringLiteral("mice")), QJsonValue(QJsonArray()));
    EXPECT_EQ(kxctl({"show"}).exit, 3);
}

} // namespace
