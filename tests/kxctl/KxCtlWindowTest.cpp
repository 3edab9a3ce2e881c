// Set-ups between the window and kxctl: a mouse set up through the window and exported by its
// "Export set-up…", the emulated mouse reset to the factory, imported by kxctl and by the
// window's "Import set-up…": the mouse's memory is the same byte for byte. This process is the
// window, beside kx-virtual-mouse and kxctl, on a session bus of its own.
#include "AppMenu.h"
#include "Buttons.h"
#include "KxAction.h"
#include "KxAppRules.h"
#include "KxCtlTestSupport.h"
#include "KxGlobals.h"
#include "KxNames.h"
#include "KxSetupFile.h"
#include "KxWidgetGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MainWindowUnderTest.h"
#include "MenuInfo.h"
#include "PopUps.h"
#include "Preferences/UserPreferences.h"
#include "ProfieController.h"
#include "ProfileValue.h"
#include "SetupPreviewView.h"

#include <QDBusConnection>
#include <QFile>
#include <QListWidget>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);
constexpr int kTransferMs = 60000;

class KxCtlWindowTest : public testing::Test,
                        protected MainWindowUnderTest,
                        protected KxCtlPrograms {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        isNeedSave = false;
        startFactoryMouse();
    }
    void TearDown() override { closeWindow(); }

    void openWindow() {
        // As the program: it owns its bus name while it runs.
        QDBusConnection::sessionBus().registerService("com.vlak.KxOption");
        ASSERT_TRUE(KxTest::waitFor([] { return !sysDeviceReq || KxAction::checkListenDev(); }));
        openMainWindow();
        ASSERT_TRUE(idle()) << "the whole read ends";
    }
    // While the pop-ups are answered, what the import's preview lists goes into previewed.
    static void readPreviewInto(PopUps& popUps, QStringList& previewed) {
        popUps.whileShown = [&previewed](const QString&) {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* preview = qobject_cast<SetupPreviewView*>(top))
                    for (int i = 0; i < preview->changeList()->count(); ++i)
                        previewed << preview->changeList()->item(i)->text();
        };
    }
    void closeWindow() {
        if (window)
            closeMainWindow();
        QDBusConnection::sessionBus().unregisterService("com.vlak.KxOption");
        KxAction::waitForTransfers(kTransferMs);
    }
    // A factory-fresh mouse, found again by this process's requester.
    void factoryReset() {
        startFactoryMouse();
        if (sysDeviceReq) {
            ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
        }
    }
    void selectButton(int index) { view->selBtnSetp()->items()[size_t(index - 1)]->click(); }
    // The buttons edited in selProfile, as a dialog leaves them, written by Apply.
    void apply() {
        isNeedSave = true;
        view->refreshApplyBtn();
        view->control(MainView::kApplyTag)->click();
        ASSERT_TRUE(idle());
        ASSERT_FALSE(isNeedSave) << "the mouse took the edits";
    }
};

TEST_F(KxCtlWindowTest, ASetUpComesBackByteForByteAfterAFactoryReset) {
    // The macro library as the macro editor left it.
    KxAction::getSysPath();
    KxAction::initMenuList();
    sysProCon = ProfieController::getShareProCon();
    auto reload = KxAction::addMacorByName(QStringLiteral("Reload"));
    reload->keyInfoArr() << MacroKeyInfo(15, 0, 100) << MacroKeyInfo(15, 1, 0)
                         << MacroKeyInfo(0x200, 2, 0) << MacroKeyInfo(121, 3, 300)
                         << MacroKeyInfo(121, 4, 0);
    ASSERT_TRUE(KxAction::saveMenuList());

    const QByteArray factoryMiddle = record(3, 3);
    // Set up through the window: buttons of two profiles with Apply, a launcher, the settings as
    // the performance view's OK stores them, and the mouse left on profile 3.
    openWindow();
    selProfile.btnInfo[3] = Buttons::function("F5");
    selProfile.btnInfo[1] = Buttons::macro(*reload, KxSetup::RunMode::Repeat, 3);
    selectButton(5);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    apply();
    profiles()->items()[2]->click();
    ASSERT_EQ(sysProCon->currFWProfileIndex(), 2);
    selProfile.btnInfo[2] = Buttons::function("Mute");
    selProfile.btnInfo[4] = Buttons::macro(*reload, KxSetup::RunMode::Toggle);
    apply();
    selProfile.xSensArr[1] = selProfile.ySensArr[1] = 21;
    selProfile.currSelectDPI = 1;
    selProfile.poRate = 1;
    selProfile.islightOnArr[0] = 0;
    KxAction::setCurrSettingToDev();
    sysProCon->saveSelProfileToData();
    sysProCon->applySettingToAll();
    ASSERT_TRUE(sysProCon->saveToSys());

    // The application menu's items, and the export behind the loading window.
    EXPECT_EQ(named<AppMenu>(view, "AppMenu")->exportSetupAction()->text(), "Export set-up…");
    EXPECT_EQ(named<AppMenu>(view, "AppMenu")->importSetupAction()->text(), "Import set-up…");
    const QString path = home("mine.kxsetup");
    ASSERT_TRUE(view->exportSetupTo(path));
    EXPECT_EQ(view->isModalSeron(), 1);
    ASSERT_TRUE(idle());
    const QString before = dump();
    ASSERT_TRUE(before.contains("active profile: 3\nstage: 2 (2100 DPI)")) << qPrintable(before);
    ASSERT_NE(record(3, 3), factoryMiddle) << "profile 3's Apply reached the mouse";
    closeWindow();

    // A factory mouse, set up by kxctl from the file.
    factoryReset();
    ASSERT_NE(dump(), before);
    ok({"import", path});
    EXPECT_EQ(dump(), before);

    // And by the window's import, which shows what changes first.
    factoryReset();
    openWindow();
    {
        PopUps popUps;
        QStringList previewed;
        readPreviewInto(popUps, previewed);
        ASSERT_TRUE(view->importSetupFrom(path));
        ASSERT_TRUE(idle());
        EXPECT_EQ(popUps.texts, QStringList{QStringLiteral("Importing mine.kxsetup changes the "
                                                           "mouse:")});
        EXPECT_TRUE(previewed.contains("profile 1 front side button: Back → F5"))
            << qPrintable(previewed.join('\n'));
        EXPECT_TRUE(previewed.contains("active profile: 1 → 3"));
    }
    EXPECT_EQ(dump(), before);
    // The window follows: profile 3 shown, nothing left to apply.
    EXPECT_EQ(profiles()->selectIndex(), 3);
    EXPECT_EQ(sysProCon->currFWProfileIndex(), 2);
    EXPECT_FALSE(isNeedSave);
    EXPECT_EQ(KxNames::caption(selProfile.btnInfo[2]), "Mute");
}

// The window's export carries the user's rules; its import says what becomes of them and takes
// them with a write that has nothing else to write.
TEST_F(KxCtlWindowTest, TheWindowsSetUpsCarryTheApplicationRules) {
    KxAppRules mine;
    mine.rules = {{QStringLiteral("org.example.Mine"), 2}};
    ASSERT_TRUE(mine.save());
    openWindow();
    const QString exported = home("rules.kxsetup");
    ASSERT_TRUE(view->exportSetupTo(exported));
    ASSERT_TRUE(idle());
    KxSetup::Parsed parsed = KxSetup::readFile(exported);
    ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());
    EXPECT_EQ(parsed.file->appRules, mine);

    KxAppRules theirs;
    theirs.otherwise = 5;
    theirs.rules = {{QStringLiteral("org.example.A"), 1},
                    {QStringLiteral("org.example.B"), 3},
                    {QStringLiteral("Gimp-2.10"), 4}};
    parsed.file->appRules = theirs;
    ASSERT_TRUE(KxSetup::writeFile(*parsed.file, exported));
    const QString before = dump();
    {
        PopUps popUps;
        QStringList previewed;
        readPreviewInto(popUps, previewed);
        ASSERT_TRUE(view->importSetupFrom(exported));
        ASSERT_TRUE(idle());
        EXPECT_EQ(previewed, QStringList{"application rules: 3 rules, otherwise profile 5, "
                                         "replacing yours (1 rule)"});
        EXPECT_EQ(popUps.texts.size(), 1) << qPrintable(popUps.texts.join('\n'));
    }
    EXPECT_EQ(KxAppRules::load().rules, theirs);
    EXPECT_EQ(dump(), before);

    // Rules a hand edit broke are not left out of an export unsaid: it does not start.
    UserPreferences::open()->setValue("ApplicationRules/rules/1/profile", "nine");
    {
        PopUps popUps;
        EXPECT_FALSE(view->exportSetupTo(home("broken.kxsetup")));
        EXPECT_TRUE(says(popUps.texts.value(0), "[ApplicationRules] rules\\1\\profile"));
    }
    EXPECT_EQ(view->isModalSeron(), 0);
    EXPECT_FALSE(QFileInfo::exists(home("broken.kxsetup")));
}

TEST_F(KxCtlWindowTest, TheWindowRefusesAFileItCannotTakeAndChangesNothing) {
    openWindow();
    const QString path =
        homeFile("bad.kxsetup", R"({"format": "com.vlak.KxOption.setup", "version": 9})");
    const QString before = dump();
    {
        PopUps popUps;
        EXPECT_FALSE(view->importSetupFrom(path));
        EXPECT_EQ(popUps.texts.value(0),
                  "bad.kxsetup cannot be imported: version: version 9 was written "
                  "by a newer program; this one reads versions up to 1");
    }
    EXPECT_EQ(view->isModalSeron(), 0);
    EXPECT_EQ(dump(), before);

    // Cancelled at its preview, a good file changes nothing either.
    const QString good = setupWith(
        "good.kxsetup", [](KxSetup::File& file) { file.profiles[0][3] = setupButton("F8"); });
    {
        PopUps popUps;
        popUps.answer({false});
        EXPECT_FALSE(view->importSetupFrom(good));
        EXPECT_EQ(popUps.texts.size(), 1);
    }
    EXPECT_EQ(view->isModalSeron(), 0);
    EXPECT_EQ(dump(), before);
}

TEST_F(KxCtlWindowTest, AReadingKxctlAndTheWindowsTransfersTakeTurnsAtTheMouse) {
    // The mouse answers a read to whoever asked last: a kxctl reading beside the window's whole
    // read would take the window's answers, and the window kxctl's.
    openWindow();
    const QString alone = home("alone.kxsetup");
    ASSERT_TRUE(view->exportSetupTo(alone));
    ASSERT_TRUE(idle());
    const Outcome shownAlone = ok({"--json", "show", "--all"});
    const int before = status("requests closer than the pacing");
    const int requestsBefore = status("requests");

    // The window starts once kxctl's first request reached the mouse.
    QProcess* reading = startKxctl({"--json", "show", "--all"});
    ASSERT_TRUE(reading->waitForStarted());
    ASSERT_TRUE(KxTest::waitFor([&] { return status("requests") > requestsBefore; }));
    const QString beside = home("beside.kxsetup");
    ASSERT_TRUE(view->exportSetupTo(beside));
    ASSERT_TRUE(idle());
    const Outcome shown = finish(reading);
    ASSERT_EQ(shown.exit, 0) << qPrintable(shown.err);

    EXPECT_EQ(status("requests closer than the pacing"), before) << "the two met at the mouse";
    const auto text = [](const QJsonValue& value) {
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson());
    };
    EXPECT_EQ(text(shown.json().value(QStringLiteral("profiles"))),
              text(shownAlone.json().value(QStringLiteral("profiles"))));
    // The same set-up, but for when it was exported.
    const auto setup = [](const QString& path) {
        KxSetup::Parsed parsed = KxSetup::readFile(path);
        EXPECT_TRUE(parsed.file) << qPrintable(parsed.error.text());
        if (!parsed.file)
            return QString();
        parsed.file->exported = {};
        return QString::fromUtf8(KxSetup::serialize(*parsed.file));
    };
    EXPECT_EQ(setup(beside), setup(alone));
}

// A window started while kxctl imports a macro: it loaded the library before the import saved
// it, and its whole read waits for the import's turn. The read takes the library as the import
// left it, so the window knows the macro by its name and id (it used to make up a "NewMacro" for
// the record, and its next save dropped the import's name).
TEST_F(KxCtlWindowTest, AWindowStartedDuringAnImportKnowsTheMacrosItBrought) {
    const QString path = setupWith("alpha.kxsetup", [](KxSetup::File& file) {
        file.profiles[0][3] = macroButton("Alpha");
        // H held while I is tapped: more than one key, no single function's record.
        KxSetup::Macro alpha = tapMacro("Alpha", 4, 50);
        alpha.steps.insert(1, 2, tapMacro({}, 5, 50).steps[0]);
        alpha.steps[2].action = KxSetup::MacroStep::Action::Release;
        file.macros = {alpha};
    });

    const int before = status("requests");
    QProcess* importing = startKxctl({"import", path, "--profiles", "1"});
    ASSERT_TRUE(importing->waitForStarted());
    ASSERT_TRUE(KxTest::waitFor([&] { return status("requests") > before; }))
        << "the import is at it";
    openWindow();
    const Outcome imported = finish(importing);
    ASSERT_EQ(imported.exit, 0) << qPrintable(imported.err);

    const auto known = KxAction::getMacroByName("Alpha");
    ASSERT_TRUE(known) << "the window does not know the imported macro";
    ProfileValue* first = sysProCon->getProfileByFWProId(0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->profileData().btnInfo[3].MacroID, uint32_t(known->macroId()));
    EXPECT_EQ(first->profileData().btnInfo[3].btnType, KxButtonType::kMacro);
    for (const auto& macro : macroListArrs)
        EXPECT_FALSE(macro && macro->nameStr().startsWith("NewMacro"))
            << qPrintable(macro->nameStr());
}

} // namespace
