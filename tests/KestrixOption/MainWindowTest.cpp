// The configuration window end to end: this process is KxOption (its main view in its window),
// beside kx-virtual-mouse and KestrixDeamon as programs of their own on the test's session bus.
#include "Buttons.h"
#include "FreshStart.h"
#include "HeldRecord.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "LightOptionView.h"
#include "MacroKeyInfo.h"
#include "MacroView.h"
#include "MainWindowUnderTest.h"
#include "MouseWrites.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PerformanceView.h"
#include "PopUps.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "Programs.h"
#include "SingleKeyView.h"
#include "TkeyView.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// A press of the mouse's own button reaches the window through the daemon's turn at the mouse
// and then the window's: seconds when the machine is loaded (the thread sanitizer, many tests at
// once). Only a failing wait waits this long.
constexpr int kMouseFollowsMs = 20000;

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);
constexpr int kTransferMs = 60000;

// "KxSettingChange" codes the window sends the daemon.
constexpr int kReload = 101, kDisplay = 110, kStartAgain = 121;

bool same(const _BTN_INFO& a, const _BTN_INFO& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class MainWindowTest : public testing::Test, protected MainWindowUnderTest {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        freshStart();
        isNeedSave = false;
        // Every test starts from a mouse as it leaves the factory.
        QFile::remove(MouseProgram::flashPath());
        // The window never waits out the mouse's pauses: every one is the queue's worker's.
        KxAction::setPauseHookForTesting([this](unsigned microseconds) {
            if (!KxDeviceQueue::shared().onWorker())
                ++pausesOffTheWorker;
            std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
        });
        settingObserver = DistributedNotificationCenter::defaultCenter().addObserver(
            QStringLiteral("KxSettingChange"), [this](const Notification& n) {
                settingChanges.push_back({n.objectInt(), n.userInfo.value_or(QVariantMap())});
            });
    }
    void TearDown() override {
        delete window.data();
        QDBusConnection::sessionBus().unregisterService(QStringLiteral("com.vlak.KxOption"));
        KxAction::waitForTransfers(kTransferMs);
        KxAction::setPauseHookForTesting({});
        EXPECT_EQ(pausesOffTheWorker.load(), 0) << "pauses made on the window's thread";
        DistributedNotificationCenter::defaultCenter().removeObserver(settingObserver);
    }

    // What the mouse holds once the window's queued writes are done.
    QString mouseDump() {
        EXPECT_TRUE(KxAction::waitForTransfers(kTransferMs));
        QCoreApplication::sendPostedEvents();
        return mouse.dump();
    }
    // The bytes the mouse holds for a button (1-based profile and button).
    QByteArray mouseRecord(int profile, int button) {
        return MouseDump::record(mouseDump(), profile, button);
    }
    HeldRecord heldByMouse(int profile, int button) {
        return HeldRecord(mouseRecord(profile, button));
    }
    // Whether the mouse's button runs the launcher of its own slot (1-based).
    bool launches(int profile, int button) {
        const HeldRecord held = heldByMouse(profile, button);
        return !held.steps.empty() &&
               held.steps[0].code == KxAction::getBtnAppLaunchIndex(profile - 1, button - 1);
    }
    void startDaemon() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kx.debug=true"));
        ASSERT_TRUE(daemon.serve(environment)) << daemon.errors().toStdString();
    }
    // The window as the program makes it; by default the mouse's whole read is waited for.
    void openWindow(bool waitForRead = true) {
        // The daemon tells a running window (the owner of its name) of the mouse's own switches.
        QDBusConnection::sessionBus().registerService(QStringLiteral("com.vlak.KxOption"));
        openMainWindow();
        loadingShownAtStart = showLoadFrm && showLoadFrm->isVisible();
        if (waitForRead) {
            ASSERT_TRUE(idle()) << "the whole read ends";
        }
    }
    // The mouse, the daemon, and the window once it has read the mouse.
    void startAll() {
        ASSERT_TRUE(mouse.serve());
        ASSERT_NO_FATAL_FAILURE(startDaemon());
        openWindow();
    }
    // Whether the window sent this "KxSettingChange" code.
    bool sent(int code) const {
        return std::any_of(settingChanges.begin(), settingChanges.end(),
                           [code](const auto& change) { return change.first == code; });
    }
    // The first value of the last "KxSettingChange" of this code (others may follow it).
    QVariant lastValueSent(int code) const {
        const auto last = std::find_if(settingChanges.rbegin(), settingChanges.rend(),
                                       [code](const auto& change) { return change.first == code; });
        return last == settingChanges.rend() ? QVariant() : last->second.value("value1");
    }

    MouseProgram mouse;
    DaemonProgram daemon;
    bool loadingShownAtStart = false;
    DistributedNotificationCenter::Token settingObserver = 0;
    std::vector<std::pair<int, QVariantMap>> settingChanges;
    std::atomic<int> pausesOffTheWorker{0};
};

TEST_F(MainWindowTest, StartUpReadsTheMouseBehindTheLoadingWindowAndShowsItsProfile) {
    ASSERT_TRUE(mouse.serve());
    mouse.command("press profile");
    mouse.command("press profile"); // the mouse is on its third profile
    // The catalogue and library as the window will load them, for the records of the test.
    KxAction::getSysPath();
    KxAction::initMenuList();
    KxAction::startListenDev();
    sysProCon = ProfieController::getShareProCon();
    auto macro = KxAction::addMacorByName(QStringLiteral("Reload"));
    macro->keyInfoArr() << MacroKeyInfo(21, 0, 100) << MacroKeyInfo(21, 1, 100);
    ASSERT_TRUE(KxAction::saveMenuList());
    sysProCon->setLaunchPath(QStringLiteral("/usr/bin/gnome-calculator"), 2, 3);
    // The third profile's buttons written as the window would, before the window runs.
    const _BTN_INFO buttons[] = {Buttons::function("Left Click"), Buttons::function("Back"),
                                 Buttons::function("Mute"), Buttons::launch(2, 3),
                                 Buttons::macro(*macro, KxSetup::RunMode::Hold)};
    KxAction::setPauseHookForTesting([](unsigned) {});
    std::copy(std::begin(buttons), std::end(buttons), currSetProfile.btnInfo);
    currSetProfileID = 2;
    KxAction::setBtnInfoToDevice();
    KxAction::setPauseHookForTesting({});
    startDaemon();

    openWindow();
    EXPECT_TRUE(loadingShownAtStart);
    EXPECT_FALSE(showLoadFrm->isVisible());
    EXPECT_EQ(profiles()->selectIndex(), 3);
    EXPECT_TRUE(mouseDump().contains("active profile: 3")) << "the read kept the mouse on it";
    const QStringList expected{"Left Click", "Back", "Mute", "gnome-calculator", "Reload"};
    for (int button = 1; button <= 5; ++button) {
        selectButton(button);
        EXPECT_EQ(caption(), expected[button - 1]) << "button " << button;
    }
    EXPECT_FALSE(named<QLabel>(view, "btnSelTagImageView")->pixmap().isNull());
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(kReload); })) << "the daemon reloads the read";
    EXPECT_FALSE(ended);
}

// The mouse's own profile switch, told by the daemon, never asks; during a transfer the window
// waits, then follows it. (A profile click's question, and the edits the mouse's own switch
// leaves: WindowEditsTest and the window's model test.)
TEST_F(MainWindowTest, TheMousesOwnSwitchAsksNothingAndIsFollowedOnceATransferIsDone) {
    startAll();
    ASSERT_EQ(profiles()->selectIndex(), 1);
    PopUps popUps;
    // Four buttons of 40 steps each take seconds to write and read back.
    setLaunch(2, QStringLiteral("/usr/bin/true"));
    const auto macro = KxAction::addMacorByName(QStringLiteral("Long"));
    ASSERT_TRUE(macro);
    for (int i = 0; i < KxProtocol::kMaxRecordSteps; ++i)
        macro->keyInfoArr() << MacroKeyInfo(21, i % 2, 100);
    for (int b = 1; b < 5; ++b)
        selProfile.btnInfo[b] = Buttons::macro(*macro);
    click(MainView::kApplyTag);
    ASSERT_GT(view->isModalSeron(), 0);
    int switchesHeard = 0;
    int heardWhileTransferring = 0;
    const auto heard = DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxDevStatus"), [&](const Notification& n) {
            if (n.userInfoInt(QStringLiteral("type")) != 1)
                return;
            ++switchesHeard;
            heardWhileTransferring += KxAction::transferRunning();
        });
    mouse.command("press profile");
    // The daemon reads the profile the mouse switched to in its turn at the mouse, which the
    // window's transfer holds: the switch is told once the transfer is done, never during it.
    // It may be heard while the window still finishes the write (saving); the window then
    // follows it only afterwards.
    bool followedWhileWriting = false;
    ASSERT_TRUE(KxTest::waitFor(
        [&] {
            followedWhileWriting |= view->isModalSeron() > 0 && profiles()->selectIndex() != 1;
            return view->isModalSeron() == 0;
        },
        30000));
    EXPECT_EQ(heardWhileTransferring, 0) << "told while the transfer ran";
    EXPECT_FALSE(followedWhileWriting) << "not while the write runs";
    const bool told = KxTest::waitFor([&] { return switchesHeard > 0; });
    DistributedNotificationCenter::defaultCenter().removeObserver(heard);
    ASSERT_TRUE(told) << "the daemon tells of the switch";
    ASSERT_TRUE(idle());
    EXPECT_TRUE(KxTest::waitFor([&] { return profiles()->selectIndex() == 2; }));
    EXPECT_TRUE(mouseDump().contains("active profile: 2"));
    EXPECT_TRUE(popUps.seen.isEmpty()) << "the mouse's own switch asked";
}

// The last button doing the left click keeps it, whichever way it would lose it; with two, it
// may. A function confirmed in a dialog reaches the working copy; Cancel leaves it.
TEST_F(MainWindowTest, TheLastLeftClickStaysAndDialogsReachTheWorkingCopy) {
    startAll();
    PopUps popUps;
    selectButton(1);
    const _BTN_INFO leftBefore = selProfile.btnInfo[0];
    for (int tag : {MainView::kSingleTag, MainView::kTkeyTag, MainView::kLaunchProTag}) {
        click(tag);
        EXPECT_FALSE(view->dialogWindow()) << tag;
        EXPECT_EQ(view->isModalSeron(), 0);
    }
    EXPECT_EQ(popUps.seen, QStringList(3, "WarningNeedLeft"));
    EXPECT_TRUE(same(selProfile.btnInfo[0], leftBefore));

    // Button 2 takes the left click in the single-function dialog; Cancel first, then OK.
    selectButton(2);
    const _BTN_INFO rightBefore = selProfile.btnInfo[1];
    for (const bool confirm : {false, true}) {
        click(MainView::kSingleTag);
        ASSERT_TRUE(view->dialogWindow());
        EXPECT_EQ(view->isModalSeron(), 1);
        auto* dialog = qobject_cast<SingleKeyView*>(view->dialogWindow()->contentView());
        ASSERT_TRUE(dialog);
        dialog->selComBtn()->click();
        HvMenulist* list = dialog->comMenuList();
        for (int row = 0; row < list->listWidget()->count(); ++row)
            if (list->listWidget()->item(row)->text() == "Left Click")
                list->listWidget()->setCurrentRow(row);
        QTest::keyClick(list->listWidget(), Qt::Key_Return);
        (confirm ? dialog->okBtn() : dialog->cancelBtn())->click();
        EXPECT_FALSE(view->dialogWindow());
        EXPECT_EQ(view->isModalSeron(), 0);
        if (!confirm) {
            EXPECT_TRUE(same(selProfile.btnInfo[1], rightBefore));
        }
    }
    EXPECT_EQ(selProfile.btnInfo[1].FuncID, KxFuncId::kLeftClick);
    EXPECT_EQ(caption(), "Left Click");
    EXPECT_TRUE(isNeedSave);
    EXPECT_TRUE(enabled(MainView::kApplyTag));

    // With two left clicks button 1 may change; then button 2 is the last one again, and its
    // default (the right click) is refused too.
    setLaunch(1, QStringLiteral("/usr/bin/true"));
    popUps.seen.clear();
    selectButton(2);
    ASSERT_TRUE(enabled(MainView::kDefaultTag));
    click(MainView::kDefaultTag);
    EXPECT_EQ(popUps.seen, QStringList{"WarningNeedLeft"});
    EXPECT_EQ(selProfile.btnInfo[1].FuncID, KxFuncId::kLeftClick);
}

TEST_F(MainWindowTest, CaptionsForEveryKindOfRecordAndTheDefaultButton) {
    startAll();
    auto macro = KxAction::addMacorByName(QStringLiteral("Combo"));
    // An installed application is named as the desktop's menus name it.
    const QString applications = PrivateHome::dir("data") + "/applications";
    QDir().mkpath(applications);
    QFile entryFile(applications + "/org.example.Editor.desktop");
    ASSERT_TRUE(entryFile.open(QIODevice::WriteOnly));
    entryFile.write("[Desktop Entry]\nType=Application\nName=Text Editor\nExec=true\n");
    entryFile.close();
    const QByteArray editor = entryFile.fileName().toUtf8();
    struct Case {
        uint32_t funcId, table;
        const char* path;
        const char* caption;
    };
    const Case cases[] = {
        {KxFuncId::kMacro, KxFuncTable::kMacro, "", "Combo"},
        {KxFuncId::kMacro, KxFuncTable::kDisabled, "", "Combo"},
        {KxFuncId::kLaunch, KxFuncTable::kLaunch, "", "Launch Key"},
        {KxFuncId::kLaunch, KxFuncTable::kLaunch, "/opt/tools/My Tool.AppImage", "My Tool"},
        {KxFuncId::kLaunch, KxFuncTable::kLaunch, "/usr/bin/gnome-calculator", "gnome-calculator"},
        {KxFuncId::kLaunch, KxFuncTable::kLaunch, editor.constData(), "Text Editor"},
        {KxFuncId::kLaunch, KxFuncTable::kLaunch, "/gone/away.desktop", "away"},
        {KxFuncId::kTKey, KxFuncTable::kDisabled, "", "T Key"},
        {KxFuncId::kPageUpWin, KxFuncTable::kKeys, "", "Page UP(Win)"},
        {KxFuncId::kPageDownWin, KxFuncTable::kKeys, "", "Page Down(Win)"},
        {KxFuncId::kMiddleButtonWin, KxFuncTable::kKeys, "", "Middle Button(Win)"},
        {KxFuncId::kLeftClick, KxFuncTable::kDisabled, "", "Disable"},
        {5, KxFuncTable::kFirmware, "", "Back"}, // the catalogue's Back
    };
    selectButton(3);
    for (const Case& c : cases) {
        _BTN_INFO record{};
        record.FuncID = c.funcId;
        record.FuncTableId = c.table;
        record.MacroID = uint32_t(macro->macroId());
        std::strncpy(record.app_path, c.path, sizeof record.app_path - 1);
        selProfile.btnInfo[2] = record;
        view->displayBtnInfo();
        EXPECT_EQ(caption(), c.caption) << c.funcId << " " << c.path;
    }

    // Each mouse button says its function as its description ("Wheel button, radio button:
    // Back"); the caption is read-only text that Tab reaches.
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(view->selBtnSetp()->items()[i])
                      ->text(QAccessible::Description),
                  MainView::getBtnCaption(selProfile.btnInfo[i]))
            << i;
    const QAccessibleInterface* field = QAccessible::queryAccessibleInterface(captionField());
    EXPECT_TRUE(field->state().readOnly && !field->state().editable);
    EXPECT_TRUE(captionField()->focusPolicy() & Qt::TabFocus);

    // The default button compares the function and its key bits only.
    selProfile.btnInfo[2] = sysProCon->getDefBtnInfoByIndex(2);
    std::strcpy(selProfile.btnInfo[2].app_path, "/usr/bin/other");
    selProfile.btnInfo[2].btnType = KxButtonType::kLaunch;
    view->displayBtnInfo();
    EXPECT_FALSE(enabled(MainView::kDefaultTag));
    selProfile.btnInfo[2].KeyBit[3] ^= 1;
    view->displayBtnInfo();
    EXPECT_TRUE(enabled(MainView::kDefaultTag));

    // The pointer over another button shows it; leaving shows nothing until the next display.
    HvButton* left = view->selBtnSetp()->items()[0];
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(left, &enter);
    EXPECT_EQ(caption(), MainView::getBtnCaption(selProfile.btnInfo[0]));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(left, &leave);
    EXPECT_EQ(caption(), "");
    EXPECT_TRUE(named<QLabel>(view, "btnSelTagImageView")->pixmap().isNull());
}

// The path is kept whole in the record or not at all; it reaches the daemon with the record.
TEST_F(MainWindowTest, ALauncherPathTheRecordCannotHoldIsRefused) {
    startAll();
    PopUps popUps;
    selectButton(4);
    selProfile.btnInfo[3].MacroID = 77; // as a macro's record would leave them
    selProfile.btnInfo[3].KeyBit[3] = 9;
    const _BTN_INFO before = selProfile.btnInfo[3];
    const int longest = int(sizeof before.app_path) - 1; // the record ends the path with a 0
    EXPECT_FALSE(view->setLaunchPath(QStringLiteral("/") + QString(longest, QLatin1Char('a'))));
    EXPECT_EQ(popUps.seen, QStringList{"message"});
    EXPECT_TRUE(same(selProfile.btnInfo[3], before));
    EXPECT_FALSE(isNeedSave);
    const QString fits = QStringLiteral("/") + QString(longest - 1, QChar(u'b'));
    EXPECT_TRUE(view->setLaunchPath(fits));
    EXPECT_EQ(QString::fromUtf8(selProfile.btnInfo[3].app_path), fits);
    EXPECT_EQ(selProfile.btnInfo[3].KeyBit[0], KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(selProfile.btnInfo[3].MacroID, 0u) << "nothing of the assignment replaced stays";
    EXPECT_EQ(selProfile.btnInfo[3].KeyBit[3], 0u);
    EXPECT_EQ(sysProCon->getLaunchPath(0, 3), std::nullopt) << "not before Apply";
    apply();
    EXPECT_EQ(sysProCon->getLaunchPath(0, 3), fits) << "for the daemon to start";
}

// (OK, which writes, saves and ends the window: WindowEditsTest.)
TEST_F(MainWindowTest, ApplyWritesTheButtonsAndResetWritesTheDefaults) {
    startAll();
    setLaunch(4, QStringLiteral("/usr/bin/gnome-calculator"));
    settingChanges.clear();
    click(MainView::kApplyTag);
    EXPECT_GT(view->isModalSeron(), 0);
    ASSERT_TRUE(idle());
    EXPECT_FALSE(isNeedSave);
    EXPECT_FALSE(enabled(MainView::kApplyTag));
    // The launch slot's code, once, as the last step; run once.
    const HeldRecord launch = heldByMouse(1, 4);
    ASSERT_EQ(launch.stepCount(), 1);
    EXPECT_EQ(launch.steps[0].code, KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(launch.steps[0].flags, KxProtocol::kStepLast);
    EXPECT_EQ(launch.mode, KxProtocol::kModeOnce);
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(kReload); }));

    // Reset: the profile's defaults, written.
    PopUps popUps;
    click(MainView::kReDefTag);
    EXPECT_EQ(popUps.seen, QStringList{"WarningReset"});
    ASSERT_TRUE(idle());
    EXPECT_FALSE(launches(1, 4));
    EXPECT_EQ(selProfile.btnInfo[3].FuncID, sysProCon->getDefBtnInfoByIndex(3).FuncID);
}

TEST_F(MainWindowTest, CloseAsksAboutUnsavedChangesWithItsOwnQuestion) {
    startAll();
    PopUps popUps;
    click(MainView::kCloseTag);
    EXPECT_TRUE(popUps.seen.isEmpty()) << "nothing to ask";
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);

    // With an edit: Cancel closes without writing it.
    closeMainWindow();
    openWindow();
    const QByteArray before = mouseRecord(1, 4);
    setLaunch(4, QStringLiteral("/usr/bin/true"));
    popUps.answer({false});
    click(MainView::kCloseTag);
    EXPECT_EQ(popUps.seen, QStringList{"WarningSaveOnClose"});
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);
    EXPECT_EQ(mouseRecord(1, 4), before);
}

// The mouse unplugged with the window open: the window says so and closes; plugged back while
// that is said, the window is started again instead.
class MainWindowUnplugTest : public MainWindowTest, public testing::WithParamInterface<bool> {};

TEST_P(MainWindowUnplugTest, TheWindowSaysSoAndClosesOrStartsAgainOncePluggedBack) {
    const bool pluggedBack = GetParam();
    startAll();
    PopUps popUps;
    if (pluggedBack)
        popUps.whileShown = [&](const QString&) {
            mouse.command("plug");
            KxTest::waitFor([&] { return view->isDevOnTag(); });
        };
    mouse.command("unplug");
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(popUps.seen, QStringList{"WarningNoDevice"});
    EXPECT_EQ(*ended, pluggedBack);
}

INSTANTIATE_TEST_SUITE_P(Unplugged, MainWindowUnplugTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "PluggedBack" : "Away"; });

// Unplugged while a dialog or the macro editor runs over the window: the window is started
// again by the daemon, without asking.
class MainWindowUnplugUnderADialogTest : public MainWindowTest,
                                         public testing::WithParamInterface<int> {};

TEST_P(MainWindowUnplugUnderADialogTest, TheWindowIsStartedAgainWithoutAsking) {
    startAll();
    PopUps popUps;
    selectButton(3);
    click(GetParam());
    ASSERT_TRUE(view->dialogWindow());
    settingChanges.clear();
    mouse.command("unplug");
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(*ended);
    EXPECT_TRUE(popUps.seen.isEmpty());
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(kStartAgain); }))
        << "the daemon is asked to start the window again";
    delete view->dialogWindow();
}

INSTANTIATE_TEST_SUITE_P(Unplugged, MainWindowUnplugUnderADialogTest,
                         testing::Values(MainView::kTkeyTag, MainView::kMacroTag),
                         [](const auto& info) {
                             return info.param == MainView::kTkeyTag ? "MacroDialog"
                                                                     : "MacroEditor";
                         });

// The mouse goes away in the middle of an Apply: the write ends at once and the window is started
// again; the file holds only what the mouse took. (What the next start offers: WindowEditsTest.)
TEST_F(MainWindowTest, UnpluggedDuringApplyTheWriteEndsAndTheWindowStartsAgain) {
    startAll();
    setLaunch(2, QStringLiteral("/usr/bin/true"));
    setLaunch(4, QStringLiteral("/usr/bin/false"));
    // Button 2's record is two reports; the mouse goes at the third.
    mouse.command("fault --on write --at 3 unplug");
    settingChanges.clear();
    QElapsedTimer clock;
    clock.start();
    {
        // The write's end and the daemon's word of the unplug race: the window is started again
        // at once when the word comes first; otherwise it tells what was not written, then
        // that the mouse is gone, and closes.
        PopUps popUps;
        click(MainView::kApplyTag);
        ASSERT_TRUE(waitForEnd(kTransferMs));
        EXPECT_LT(clock.elapsed(), 5000) << "the write ends when the mouse goes";
        if (*ended) {
            EXPECT_TRUE(KxTest::waitFor([&] { return sent(kStartAgain); }));
        } else {
            EXPECT_EQ(popUps.texts.filter("front side button of profile 1 did not reach").size(), 1)
                << qPrintable(popUps.texts.join('|'));
            EXPECT_TRUE(popUps.seen.contains("WarningNoDevice"));
        }
    }
    EXPECT_NE(ProfieController().profileArr()[0]->profileData().btnInfo[3].FuncID,
              KxFuncId::kLaunch)
        << "the file does not claim what the mouse lacks";
}

// What a person does under Xvfb: opens the editor from the main window, records, binds the macro
// to a button to run while held, applies, and finds it there when the window starts again.
TEST_F(MainWindowTest, AMacroRecordedInTheEditorAndBoundInHoldModeIsThereAfterARestart) {
    startAll();
    HvButton* macroButton = view->control(MainView::kMacroTag);
    ASSERT_TRUE(macroButton->isEnabled());
    EXPECT_EQ(macroButton->toolTip(), "Open the macro editor");
    macroButton->click();
    ASSERT_TRUE(view->dialogWindow());
    auto* editor = qobject_cast<MacroView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(editor);
    EXPECT_GT(view->isModalSeron(), 0) << "the main window waits for the editor";
    ASSERT_TRUE(editor->addMacorByName(QStringLiteral("Strafe")));
    editor->control(MacroView::kRecordTag)->click();
    ASSERT_TRUE(editor->isRecord());
    for (const uint32_t evdev : {17u, 30u, 31u, 32u}) { // W A S D
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, evdev + 8, 0, 0);
            QApplication::sendEvent(named(editor, "keytbView"), &event);
        }
    }
    editor->control(MacroView::kStopTag)->click();
    const auto recorded = editor->currMacroInfo();
    ASSERT_EQ(recorded->keyInfoArr().size(), 8);
    editor->control(MacroView::kOkTag)->click();
    EXPECT_FALSE(view->dialogWindow());
    EXPECT_EQ(view->isModalSeron(), 0);

    selectButton(3);
    click(MainView::kTkeyTag);
    ASSERT_TRUE(view->dialogWindow());
    auto* dialog = qobject_cast<TkeyView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(dialog);
    dialog->setSelMacro(recorded);
    dialog->macroTypeSetp()->items()[TkeyView::kWhileHeld]->click();
    dialog->okBtn()->click();
    EXPECT_EQ(caption(), "Strafe");
    apply();
    const HeldRecord held = heldByMouse(1, 3);
    ASSERT_EQ(held.stepCount(), 8);
    EXPECT_EQ(held.steps[0].code, KxAction::GetFWKeyCode(13)) << "W";
    EXPECT_EQ(held.mode, KxProtocol::kModeWhileHeld);

    // The bound macro edited: Apply is offered, and writes it.
    click(MainView::kMacroTag);
    editor = qobject_cast<MacroView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(editor);
    editor->selectMacro(recorded.get());
    editor->selectRow(7);
    editor->control(MacroView::kDelKeyTag)->click();
    editor->control(MacroView::kOkTag)->click();
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    apply();
    EXPECT_EQ(heldByMouse(1, 3).stepCount(), 7);

    delete window.data();
    openWindow();
    selectButton(3);
    EXPECT_EQ(caption(), "Strafe");
    const auto back = KxAction::getMacroById(int32_t(selProfile.btnInfo[2].MacroID));
    ASSERT_TRUE(back);
    EXPECT_TRUE(KxAction::CheckTwoMacro(*back, *recorded));
    EXPECT_EQ(selProfile.btnInfo[2].KeyBit[0], uint32_t(TkeyView::kWhileHeld));
}

TEST_F(MainWindowTest, WithoutAMouseAtStartTheWindowSaysSoAndCloses) {
    ASSERT_TRUE(mouse.serve(false));
    startDaemon();
    PopUps popUps;
    openWindow(false);
    EXPECT_EQ(popUps.seen, QStringList{"WarningNoDevice"});
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);
}

TEST_F(MainWindowTest, TheDisplayItemSwitchesTheDaemonsDisplay) {
    startAll();
    // The menu opens named, on its first item, so that a screen reader says it opened; the
    // window's pane, which a click can focus, is named.
    click(MainView::kMenuTag);
    auto* menu = view->findChild<QMenu*>();
    ASSERT_TRUE(menu && KxTest::waitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name),
              "Application menu");
    EXPECT_EQ(menu->activeAction(), menu->actions().value(0));
    menu->hide();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
              "Kestrix Mouse");

    // The item says what it will do, tells the daemon, and the daemon's display follows it at
    // the mouse's own DPI button.
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown again" : "hidden");
        view->refreshOsdMenu();
        EXPECT_EQ(view->osdMenuTitle(),
                  shown ? "Show the on-screen display" : "Hide the on-screen display");
        settingChanges.clear();
        view->osdClick(view->osdMenuTag());
        ASSERT_TRUE(KxTest::waitFor([&] { return sent(kDisplay); }));
        EXPECT_EQ(lastValueSent(kDisplay), shown);
        const char* said = shown ? "The on-screen display shows" : "The on-screen display is off";
        daemon.forget();
        mouse.command("press dpi");
        EXPECT_TRUE(daemon.says(QLatin1String(said), kMouseFollowsMs)) << said;
        EXPECT_FALSE(daemon.errors().contains(shown ? "display is off" : "display shows"));
    }
}

// The performance and lighting views run modally over the window: a test acts in them from
// inside their run.
template <class View>
View* openedSubView(MainView* view) {
    HvNoTitleWindow* window = view->subViewWindow();
    return window ? qobject_cast<View*>(window->contentView()) : nullptr;
}

// The lighting view opened, Off picked with no light chosen (both go off) and OK; what the
// mouse then holds.
QString lightsOffByOk(MainView* view, const std::function<QString()>& mouseDump) {
    QTimer::singleShot(0, [view] {
        auto* lights = openedSubView<LightOptionView>(view);
        ASSERT_TRUE(lights);
        lights->lightOnOffSetp()->items()[1]->click();
        lights->okBtn()->click();
    });
    view->control(MainView::kLightOptionTag)->click();
    return mouseDump();
}

TEST_F(MainWindowTest, PerformanceFollowsTheMouseAndOkWritesStageThreeAndTheRate) {
    startAll();
    ASSERT_TRUE(mouseDump().contains("stage: 1 (800 DPI)"));
    bool followed = false;
    QString shownAfterPress;
    QTimer::singleShot(0, [&] {
        auto* perf = openedSubView<PerformanceView>(view);
        ASSERT_TRUE(perf);
        EXPECT_EQ(view->isModalSeron(), 1);
        // The mouse's own DPI button while the view is open: the view follows it.
        mouse.command("press dpi");
        followed =
            KxTest::waitFor([&] { return perf->dpiLevelPro()->value() == 1; }, kMouseFollowsMs);
        shownAfterPress = perf->dpiTxt()->text();
        pressKey(perf->dpiLevelPro(), Qt::Key_Right); // the third stage
        perf->dpiTxt()->setFocus();
        perf->dpiTxt()->selectAll();
        QTest::keyClicks(perf->dpiTxt(), "2000");
        pressKey(perf->dpiTxt(), Qt::Key_Tab);
        perf->rateSetp()->items()[1]->click(); // 500 Hz
        settingChanges.clear();
        perf->oneScreenBtn()->click(); // the display off
        perf->okBtn()->click();
    });
    click(MainView::kSettingTag);
    EXPECT_TRUE(followed);
    EXPECT_EQ(shownAfterPress, "1600");
    EXPECT_FALSE(view->subViewWindow());
    EXPECT_EQ(view->isModalSeron(), 0);
    const QString dump = mouseDump();
    for (const char* line :
         {"stage: 3 (2000 DPI)", "DPI stages: 800 1600 2000 3200", "rate: 500 Hz"})
        EXPECT_TRUE(dump.contains(QLatin1String(line))) << line << "\n" << qPrintable(dump);
    ASSERT_TRUE(KxTest::waitFor([&] { return sent(kDisplay); })) << "the daemon is told";
    EXPECT_EQ(lastValueSent(kDisplay), false);
    view->refreshOsdMenu();
    EXPECT_EQ(view->osdMenuTitle(), "Show the on-screen display");

    // The lights: Off with no light picked switches both; OK keeps it.
    const QString lit = lightsOffByOk(view, [this] { return mouseDump(); });
    EXPECT_TRUE(lit.contains("logo light: off")) << qPrintable(lit);
    EXPECT_TRUE(lit.contains("wheel light: off")) << qPrintable(lit);
    EXPECT_EQ(sysProCon->currProfile()->profileData().islightOnArr[0], 0u);
}

// The mouse's own DPI and rate buttons with the window open: the stage and rate it moved to
// become every profile's and the working copy's (and the files': the window's model test); the
// performance view opens on them;
// the lights' OK, whose byte also carries the stage, leaves the mouse on its stage (these used
// to stay at stage 1 and 1000 Hz, and the lights' OK put the mouse back on stage 1).
TEST_F(MainWindowTest, TheMousesOwnStageAndRateAreKeptByTheLibraryAndByLaterWrites) {
    startAll();
    ASSERT_TRUE(mouseDump().contains("stage: 1 (800 DPI)"));
    mouse.command("press dpi");
    mouse.command("press rate");
    const QString pressed = mouseDump();
    ASSERT_TRUE(pressed.contains("stage: 2 (1600 DPI)")) << qPrintable(pressed);
    const int hz = MouseDump::rateHz(pressed);
    const auto follows = [hz](const _Kx_PROFILE& profile) {
        return profile.currSelectDPI == 1 && profile.poRate < 3 &&
               kPollingRatesHz[profile.poRate] == hz;
    };
    EXPECT_TRUE(KxTest::waitFor(
        [&] {
            const auto& all = sysProCon->profileArr();
            return follows(selProfile) && std::all_of(all.begin(), all.end(), [&](const auto& p) {
                       return follows(p->profileData());
                   });
        },
        kMouseFollowsMs))
        << "the library follows the mouse";

    int shownStage = -1;
    int shownRate = -1;
    QTimer::singleShot(0, [&] {
        auto* perf = openedSubView<PerformanceView>(view);
        ASSERT_TRUE(perf);
        shownStage = perf->dpiLevelPro()->value();
        shownRate = perf->rateSetp()->selectIndex() - 1;
        perf->cancelBtn()->click();
    });
    click(MainView::kSettingTag);
    EXPECT_EQ(shownStage, 1);
    EXPECT_EQ(shownRate >= 0 && shownRate < 3 ? kPollingRatesHz[shownRate] : 0, hz);

    const QString lit = lightsOffByOk(view, [this] { return mouseDump(); });
    EXPECT_TRUE(lit.contains("logo light: off")) << qPrintable(lit);
    EXPECT_TRUE(lit.contains("stage: 2 (1600 DPI)")) << "the lights' OK kept the stage\n"
                                                     << qPrintable(lit);
    EXPECT_TRUE(lit.contains(QStringLiteral("rate: %1 Hz").arg(hz))) << qPrintable(lit);
}

TEST_F(MainWindowTest, UnpluggedWhileAViewRunsTheWindowIsStartedAgainWithoutAsking) {
    startAll();
    PopUps popUps;
    QTimer::singleShot(0, [&] {
        auto* lighting = openedSubView<LightOptionView>(view);
        ASSERT_TRUE(lighting);
        // The mouse goes with the light's write: the write fails, and that is not told.
        mouse.command("fault --on write --at 1 unplug");
        lighting->lightOnOffSetp()->items()[1]->click();
        EXPECT_TRUE(waitForEnd());
    });
    click(MainView::kLightOptionTag);
    ASSERT_TRUE(ended.has_value()) << "the view's run ends with the window";
    EXPECT_TRUE(*ended);
    QTest::qWait(MouseWrites::kRemovalAnnouncedMs + 100);
    EXPECT_TRUE(popUps.seen.isEmpty());
}

// The program itself: one window per user; a second start raises it and ends.
TEST_F(MainWindowTest, ASecondStartRaisesTheFirstAndEnds) {
    ASSERT_TRUE(mouse.serve());
    startDaemon();
    Program first(QStringLiteral(KX_OPTION_PATH));
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(first.says("Curr SelBtn Setp 1", kTransferMs));
    EXPECT_EQ(Program::run(KX_OPTION_PATH, {}, 10000).exit, 0);
    EXPECT_TRUE(first.says("Raised by a second start", kTransferMs));
}

} // namespace
