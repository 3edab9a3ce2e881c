// kxctl's application rules end to end: the rule commands against the preferences file (with no
// mouse, beside another program's turn at the mouse, refused while the window runs), what the
// running daemon answers, a hand-broken section, and set-up files carrying rules through export
// and import beside kx-virtual-mouse.
#include "KxAction.h"
#include "KxAppRules.h"
#include "KxCtlTestSupport.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxMouseLock.h"
#include "KxSetupFile.h"
#include "Notifications/DistributedNotificationCenter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QElapsedTimer>

#include <functional>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

QString preferencesPath() {
    return PrivateHome::dir("config") + QStringLiteral("/com.vlak.KxOption.conf");
}

// The rules kxctl left in the preferences; none when they cannot be read.
std::optional<KxAppRules> savedRules() {
    return KxAppRules::load().rules;
}

// An application installed for the user, as a desktop entry.
void install(const QString& id, const QString& name) {
    const QString folder = PrivateHome::dir("data") + QStringLiteral("/applications");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile entry(folder + QLatin1Char('/') + id + QStringLiteral(".desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\n")
                    .arg(name)
                    .toUtf8());
}

// The daemon's rules object as the test has it answer: a reply, or none at all.
class RulesObject : public QDBusVirtualObject {
public:
    std::function<QVariantList()> answer; // empty: the call is never answered

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Availability"))
            return false;
        if (answer)
            connection.send(message.createReply(answer()));
        return true;
    }
};

class KxCtlRulesTest : public testing::Test, protected KxCtlPrograms {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        KxAction::getSysPath();
        QFile::remove(preferencesPath());
        observer_ = DistributedNotificationCenter::defaultCenter().addObserver(
            QString::fromLatin1(KxMessages::kSettingChange),
            [this](const Notification& n) { told_.push_back(n.objectInt()); });
    }
    void TearDown() override {
        DistributedNotificationCenter::defaultCenter().removeObserver(observer_);
    }
    // How often the daemon was told that the rules changed, once what was sent has come.
    int rulesChangedTold() {
        KxTest::spin(200);
        return int(std::count(told_.begin(), told_.end(), KxMessages::kRulesChanged));
    }
    // kxctl refusing: the exit status, a part of what it says, nothing on standard output, and
    // the preferences as they were.
    void expectRefused(const QStringList& arguments, int exit, const QString& why) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const QByteArray before = fileBytes(preferencesPath());
        const Outcome run = kxctl(arguments, 20000);
        EXPECT_EQ(run.exit, exit);
        EXPECT_TRUE(says(run.err, why));
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
        EXPECT_EQ(fileBytes(preferencesPath()), before);
    }

private:
    std::vector<int> told_;
    DistributedNotificationCenter::Token observer_ = 0;
};

// Each command as a user types it, what it says, and the rules it leaves; no mouse is attached.
TEST_F(KxCtlRulesTest, RuleCommandsKeepTheRulesWithNoMouseAttached) {
    install(QStringLiteral("org.example.Painter"), QStringLiteral("Kx Painter"));
    install(QStringLiteral("org.example.TwinA"), QStringLiteral("Kx Twin"));
    install(QStringLiteral("org.example.TwinB"), QStringLiteral("Kx Twin"));
    const struct {
        QStringList command;
        const char* out;
        const char* err; // a note on standard error, or nothing said there
    } steps[] = {
        // An installed application's id in any case, with ".desktop": its own id is kept.
        {{"rule", "add", "ORG.EXAMPLE.painter.desktop", "2"},
         "rule for org.example.Painter: profile 2\n",
         ""},
        // Its name: its id is taken, and said.
        {{"rule", "add", "kx painter", "3"},
         "rule for org.example.Painter: profile 2 → profile 3\n",
         "\"kx painter\" is the installed application org.example.Painter"},
        // A name two applications have, and a window class: kept as typed.
        {{"rule", "add", "Kx Twin", "4"},
         "rule for Kx Twin: profile 4\n",
         "several are called so (org.example.TwinA, org.example.TwinB)"},
        {{"rule", "add", "Gimp-2.10", "5"},
         "rule for Gimp-2.10: profile 5\n",
         "no installed application has the id Gimp-2.10"},
        {{"rule", "add", "--otherwise", "1"},
         "every other application: the profile stays as it is → profile 1\n",
         ""},
        {{"rule", "off"}, "application rules: on → off\n", ""},
        {{"rule", "remove", "KX TWIN"}, "rule for Kx Twin: profile 4 → no rule\n", ""},
        {{"rule", "off"}, "Nothing to change: the rules say this already.\n", ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command.join(' ').toStdString());
        const Outcome run = ok(step.command);
        EXPECT_EQ(run.out, step.out);
        if (*step.err)
            EXPECT_TRUE(says(run.err, step.err));
        else
            EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err);
    }
    KxAppRules expected;
    expected.enabled = false;
    expected.otherwise = 1;
    expected.rules = {{QStringLiteral("org.example.Painter"), 3}, {QStringLiteral("Gimp-2.10"), 5}};
    EXPECT_EQ(savedRules(), expected);
    // The daemon was told after each change it has to read, and only then.
    EXPECT_EQ(rulesChangedTold(), 7);

    // A dry run says what would change and writes nothing.
    const QByteArray before = fileBytes(preferencesPath());
    const QJsonObject dry = ok({"--json", "rule", "remove", "--otherwise", "--dry-run"}).json();
    EXPECT_TRUE(fitsSchema(dry, "ruleWrite"));
    EXPECT_EQ(dry.value("dryRun"), QJsonValue(true));
    EXPECT_EQ(dry.value("written"), QJsonValue(false));
    EXPECT_EQ(dry["appRules"]["otherwise"], QJsonValue(QJsonValue::Null));
    EXPECT_EQ(fileBytes(preferencesPath()), before);
    EXPECT_EQ(rulesChangedTold(), 7);

    ok({"rule", "add", "kx painter", "4"});

    // The list: each application by its name or as not installed, the rule for the others, and
    // a daemon that is not running.
    const Outcome listed = ok({"rule", "list"});
    EXPECT_EQ(listed.out, "Application rules: off (the profile follows no application)\n"
                          "  Kx Painter (org.example.Painter)  profile 4\n"
                          "  Gimp-2.10 (not installed)         profile 5\n"
                          "  every other application           profile 1\n"
                          "The daemon is not running: the rules apply once it runs.\n");
    const QJsonObject json = ok({"--json", "rule", "list"}).json();
    EXPECT_TRUE(fitsSchema(json, "ruleList"));
    EXPECT_EQ(json["appRules"]["rules"][1],
              QJsonValue(QJsonObject{{"app", "Gimp-2.10"}, {"profile", 5}, {"installed", false}}));
    EXPECT_EQ(json["daemon"], QJsonValue(QJsonObject{{"running", false}, {"answered", false}}));
}

// What kxctl refuses: hostile words and numbers, a rule too many, a rule that is not there, and
// command lines that cannot be read; the preferences stay as they were.
TEST_F(KxCtlRulesTest, HostileRuleCommandsAreRefusedAndWriteNothing) {
    ok({"rule", "add", "org.example.Kept", "2"});
    const struct {
        QStringList command;
        int exit;
        const char* says;
    } refused[] = {
        {{"rule", "add", "Gimp\x1b[2J", "2"}, 1, "\"Gimp\\x1b[2J\" holds control characters"},
        {{"rule", "add", "a\nb", "2"}, 1, "holds control characters"},
        {{"rule", "add", "Gimp\u202e", "2"}, 1, "holds control characters"},
        {{"rule", "add", QString(KxAppRules::kMaxAppLength + 1, 'x'), "2"},
         1,
         "is longer than 255 characters"},
        {{"rule", "add", " .desktop", "2"}, 1, "names no application"},
        {{"rule", "add", "app", "0"}, 1, "0 is not a profile of the mouse: it has profiles 1 to 5"},
        {{"rule", "add", "app", "6"}, 1, "6 is not a profile of the mouse"},
        {{"rule", "add", "app", "9"}, 1, "9 is not a profile of the mouse"},
        {{"rule", "add", "app", "x"}, 1, "x is not a profile of the mouse"},
        {{"rule", "add", "app", "2.5"}, 1, "2.5 is not a profile of the mouse"},
        {{"rule", "add", "app", "99999999999"}, 1, "99999999999 is not a profile of the mouse"},
        {{"rule", "add", "--otherwise", "-1"}, 1, "-1 is not a profile of the mouse"},
        {{"rule", "remove", "org.example.Absent"}, 1, "org.example.Absent has no rule"},
        {{"rule", "remove", "a\a"}, 1, "holds control characters"},
        {{"rule", "add", "app"}, 2, "rule add takes APP PROFILE, or --otherwise PROFILE"},
    };
    for (const auto& c : refused)
        expectRefused(c.command, c.exit, c.says);

    // As many rules as are kept: one more is refused, a new profile for one of them is not.
    KxAppRules full;
    for (int i = 0; i < KxAppRules::kMaxRules; ++i)
        full.rules.append(KxAppRule{QStringLiteral("org.example.App%1").arg(i), 1});
    ASSERT_TRUE(full.save());
    expectRefused({"rule", "add", "org.example.OneMore", "2"}, 1, "there are 200 rules");
    ok({"rule", "add", "org.example.App7", "2"});
    EXPECT_EQ(savedRules()->rules[7].profile, 2);
}

// A section a hand edit broke is named with its key, and nothing writes over it: not a rule
// command, not an export (which would leave the rules out unsaid), not an import of rules.
TEST_F(KxCtlRulesTest, ABrokenRulesSectionIsNamedAndNeverWrittenOver) {
    startFactoryMouse();
    const QString withRules = setupWith("rules.kxsetup", [](KxSetup::File& file) {
        file.appRules = KxAppRules{};
        file.appRules->rules = {{QStringLiteral("org.example.Theirs"), 3}};
    });
    const QString withoutRules = setupWith("plain.kxsetup", [](KxSetup::File& file) {
        file.profiles[0][3] = setupButton(QStringLiteral("F7"));
    });
    QFile preferences(preferencesPath());
    ASSERT_TRUE(preferences.open(QIODevice::WriteOnly));
    preferences.write("[ApplicationRules]\nenabled=true\notherwise=0\nrules\\1\\app=org.example.A\n"
                      "rules\\1\\profile=2\nrules\\2\\app=org.example.B\nrules\\2\\profile=9\n"
                      "rules\\size=2\n");
    preferences.close();
    const QString where = "com.vlak.KxOption.conf [ApplicationRules] rules\\2\\profile: is not a "
                          "profile of the mouse (1 to 5)";
    const QString mend = "delete the [ApplicationRules] section of " + preferencesPath();

    for (const QStringList& command :
         {QStringList{"rule", "list"}, QStringList{"rule", "add", "org.example.C", "2"},
          QStringList{"rule", "remove", "org.example.A"}, QStringList{"rule", "on"},
          QStringList{"export", home("broken.kxsetup")}, QStringList{"import", withRules}}) {
        expectRefused(command, 1, where);
        expectRefused(command, 1, mend);
    }
    EXPECT_FALSE(QFileInfo::exists(home("broken.kxsetup")));
    // A set-up without rules does not touch them.
    EXPECT_TRUE(says(ok({"import", withoutRules}).out, "F7"));
    EXPECT_TRUE(fileBytes(preferencesPath()).contains("rules\\2\\profile=9"));
}

// The one-writer rule: refused, or waited for, while the window runs; another program's turn at
// the mouse is not waited for.
TEST_F(KxCtlRulesTest, RuleWritesWaitForTheWindowButNeverForTheMouse) {
    KxMouseLock held;
    QString why;
    ASSERT_TRUE(held.acquire(KxMouseLock::path(), {}, &why)) << qPrintable(why);
    const Outcome run = ok({"rule", "add", "org.example.Held", "2"}, 20000);
    EXPECT_FALSE(run.err.contains("waiting")) << qPrintable(run.err);
    held.release();

    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerService("com.vlak.KxOption"));
    expectRefused({"rule", "add", "org.example.Late", "3"}, 1, "configuration window");
    // Reading and dry runs go on.
    EXPECT_TRUE(says(ok({"rule", "list"}).out, "org.example.Held"));
    ok({"rule", "off", "--dry-run"});

    QProcess* waiting = startKxctl({"--wait", "rule", "add", "org.example.Late", "3"});
    KxTest::spin(1000);
    EXPECT_EQ(waiting->state(), QProcess::Running);
    EXPECT_EQ(savedRules()->indexOf("org.example.Late"), -1);
    ASSERT_TRUE(bus.unregisterService("com.vlak.KxOption"));
    const Outcome waited = finish(waiting, 20000);
    EXPECT_EQ(waited.exit, 0) << qPrintable(waited.err);
    EXPECT_EQ(savedRules()->rules.size(), 2);
}

// rule list asks the running daemon whether this desktop tells the application in front: its
// answer is said, and a daemon that does not answer (or answers nonsense) is said, not an error.
TEST_F(KxCtlRulesTest, RuleListSaysWhatTheRunningDaemonAnswers) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    RulesObject rules;
    ASSERT_TRUE(bus.registerVirtualObject(QLatin1String(KxMessages::kRulesPath), &rules));
    ASSERT_TRUE(bus.registerService(QLatin1String(KxMessages::kDaemonService)));
    const struct {
        std::function<QVariantList()> answer;
        const char* says;
        QJsonObject daemon;
    } cases[] = {
        {[] {
             return QVariantList{true, QStringLiteral("x11")};
         },
         "This desktop tells which application is in front (x11).",
         {{"running", true}, {"answered", true}, {"available", true}, {"desktop", "x11"}}},
        {[] {
             return QVariantList{false, QStringLiteral("gnome-wayland")};
         },
         "This desktop does not tell which application is in front (gnome-wayland): the rules "
         "do nothing here.",
         {{"running", true},
          {"answered", true},
          {"available", false},
          {"desktop", "gnome-wayland"}}},
        {[] {
             return QVariantList{QStringLiteral("yes"), 5};
         },
         "The daemon did not answer whether",
         {{"running", true}, {"answered", false}}},
        {{}, "The daemon did not answer whether", {{"running", true}, {"answered", false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        rules.answer = c.answer;
        for (const bool json : {false, true}) {
            QElapsedTimer timer;
            timer.start();
            QProcess* process = startKxctl(json ? QStringList{"--json", "rule", "list"}
                                                : QStringList{"rule", "list"});
            // The test answers on its event loop meanwhile.
            ASSERT_TRUE(KxTest::waitFor(
                [process] { return process->state() == QProcess::NotRunning; }, 20000));
            EXPECT_LT(timer.elapsed(), 10000) << "a silent daemon is given a short time";
            const Outcome run = finish(process);
            EXPECT_EQ(run.exit, 0) << qPrintable(run.err);
            if (json) {
                EXPECT_TRUE(fitsSchema(run.json(), "ruleList"));
                EXPECT_EQ(run.json().value("daemon"), c.daemon);
            } else {
                EXPECT_TRUE(says(run.out, c.says));
            }
        }
    }
    bus.unregisterService(QLatin1String(KxMessages::kDaemonService));
    bus.unregisterObject(QLatin1String(KxMessages::kRulesPath));
}

// A set-up's rules: exported with it, taken by a whole import once the mouse took the rest,
// never by a write the mouse did not take whole, nor by a dry run or an import of some profiles;
// a file without rules leaves the user's as they are.
TEST_F(KxCtlRulesTest, AnImportTakesAFilesRulesOnlyOnceTheMouseTookTheRest) {
    startFactoryMouse();
    ok({"rule", "add", "org.example.Mine", "2"});
    const KxAppRules mine = *savedRules();
    const QString exported = home("mine.kxsetup");
    ok({"export", exported});
    EXPECT_EQ(KxSetup::readFile(exported).file->appRules, mine);

    KxAppRules theirs;
    theirs.otherwise = 1;
    theirs.rules = {{QStringLiteral("org.example.Theirs"), 4}, {QStringLiteral("Gimp-2.10"), 5}};
    const QString setup = setupWith("theirs.kxsetup", [&](KxSetup::File& file) {
        file.appRules = theirs;
        file.profiles[0][3] = setupButton(QStringLiteral("F7"));
    });
    const QString preview = "application rules: 2 rules, otherwise profile 1, replacing yours "
                            "(1 rule)";
    EXPECT_TRUE(says(ok({"import", "--dry-run", setup}).out, preview));
    ok({"import", "--profiles", "2", setup});
    EXPECT_EQ(savedRules(), mine);

    // The mouse goes away at each of the import's writes in turn: whatever it took, the rules
    // stay the user's unless it took all of it.
    const int told = rulesChangedTold();
    bool leftWhileWriting = false;
    for (int at = 40; at <= 64 && !leftWhileWriting; at += 4) {
        SCOPED_TRACE("unplugged at write " + std::to_string(at));
        ok({"import", exported});
        mouseCommand(QStringLiteral("fault --at %1 --on write unplug").arg(at));
        const Outcome run = kxctl({"import", setup});
        mouseCommand("fault off");
        mouseCommand("plug");
        if (run.exit == 0)
            break;
        EXPECT_EQ(savedRules(), mine) << qPrintable(run.err);
        leftWhileWriting = run.err.contains("application rules were not taken");
    }
    EXPECT_TRUE(leftWhileWriting) << "no unplug fell within the write";
    EXPECT_EQ(rulesChangedTold(), told);

    const Outcome run = ok({"--json", "import", setup});
    EXPECT_TRUE(fitsSchema(run.json(), "write"));
    EXPECT_TRUE(run.json().value("changes").toArray().contains(
        QJsonObject{{"what", "application rules"},
                    {"to", "2 rules, otherwise profile 1, replacing yours (1 rule)"}}));
    EXPECT_EQ(savedRules(), theirs);
    EXPECT_EQ(rulesChangedTold(), told + 1);

    // Without a section, and from before the rules: the user's stay.
    const QString plain = setupWith("plain.kxsetup", [](KxSetup::File& file) {
        file.appRules.reset();
        file.profiles[0][3] = setupButton(QStringLiteral("F8"));
    });
    EXPECT_TRUE(says(ok({"import", plain}).out, "F8"));
    ok({"import", QStringLiteral(KX_FIXTURES_DIR) + "/setup-v1.kxsetup"});
    EXPECT_EQ(savedRules(), theirs);
}

} // namespace
