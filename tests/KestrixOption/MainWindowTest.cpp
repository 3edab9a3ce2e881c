// The configuration window end to end: this process is KxOption (its main view in its window),
// beside kx-virtual-mouse and KestrixDeamon as programs of their own on the test's session bus.
#include "EventLoopWait.h"
#include "HvMessageBox.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "LightOptionView.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MacroView.h"
#include "MainView.h"
#include "MainWindowUnderTest.h"
#include "MenuInfo.h"
#include "MouseWrites.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PerformanceView.h"
#include "PopDialogView.h"
#include "PopUps.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "ProfileValue.h"
#include "RigthMouseTBView.h"
#include "SingleKeyView.h"
#include "TkeyView.h"
#include "ViewControls.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

std::shared_ptr<MenuInfo> entry(const QString& title) {
    for (const auto& node : singleMenuNode->children()) {
        auto info = std::static_pointer_cast<MenuInfo>(node->nodeData());
        if (info->titleStr() == title)
            return info;
    }
    return nullptr;
}

_BTN_INFO single(const QString& title) {
    const auto info = entry(title);
    EXPECT_TRUE(info) << qPrintable(title);
    _BTN_INFO record{};
    if (!info)
        return record;
    record.btnType = 1;
    record.FuncID = uint32_t(info->functionID());
    record.FuncTableId = uint32_t(info->functionTableID());
    const int32_t bits[] = {info->KeyBit1(), info->KeyBit2(), info->KeyBit3(), info->KeyBit4()};
    std::copy(std::begin(bits), std::end(bits), record.KeyBit);
    return record;
}

class MainWindowTest : public testing::Test, protected MainWindowUnderTest {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        isNeedSave = false;
        // Every test starts from a mouse as it leaves the factory.
        QFile::remove(PrivateHome::dir("state") + "/kx-virtual-mouse/flash.bin");
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
        for (QProcess* process : {&daemon, &mouse}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    void startMouse(bool plugged = true) {
        mouse.start(KX_VIRTUAL_MOUSE_PATH,
                    plugged ? QStringList{"serve"} : QStringList{"serve", "--unplugged"});
        ASSERT_TRUE(mouse.waitForStarted());
        ASSERT_TRUE(KxTest::waitFor([&] { return mouse.canReadLine(); }));
    }
    // What the mouse holds once the window's queued writes are done.
    QString mouseDump() {
        EXPECT_TRUE(KxAction::waitForTransfers(kTransferMs));
        QCoreApplication::sendPostedEvents();
        return mouseCommand(QStringLiteral("dump"));
    }
    QString mouseCommand(const QString& line) {
        QProcess client;
        client.start(KX_VIRTUAL_MOUSE_PATH, line.split(' '));
        EXPECT_TRUE(client.waitForFinished(10000));
        return QString::fromLocal8Bit(client.readAllStandardOutput());
    }
    // The 82 bytes the mouse holds for a button (1-based profile and button).
    QByteArray mouseRecord(int profile, int button) {
        const QRegularExpression line(
            QStringLiteral("profile %1 button %2 @\\d+: ([0-9a-f ]+)").arg(profile).arg(button));
        const auto match = line.match(mouseDump());
        return match.hasMatch() ? QByteArray::fromHex(match.captured(1).toLatin1()) : QByteArray();
    }
    void startDaemon() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kx.debug=true"));
        daemon.setProcessEnvironment(environment);
        daemon.start(KX_DAEMON_PATH, {});
        ASSERT_TRUE(daemon.waitForStarted());
        ASSERT_TRUE(KxTest::waitFor([&] {
            daemonOutput += QString::fromLocal8Bit(daemon.readAllStandardOutput());
            return daemonOutput.contains("Starting run loop.");
        }));
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
    void selectButton(int index) {
        view->selBtnSetp()->items()[size_t(index - 1)]->click();
        ASSERT_EQ(view->selBtnIndex(), index);
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
    // Writes the buttons of a slot as the window would, before the window runs.
    static void writeToMouse(int slot, const _BTN_INFO (&buttons)[5]) {
        KxAction::setPauseHookForTesting([](unsigned) {});
        currSetProfile = {};
        std::copy(std::begin(buttons), std::end(buttons), currSetProfile.btnInfo);
        currSetProfileID = uint32_t(slot);
        KxAction::setBtnInfoToDevice();
        KxAction::setPauseHookForTesting({});
    }
    // The catalogue and library as the window will load them, for records made by the test.
    static void loadCatalogue() {
        KxAction::getSysPath();
        KxAction::initMenuList();
        KxAction::startListenDev();
        sysProCon = ProfieController::getShareProCon();
    }

    QProcess mouse;
    QProcess daemon;
    QString daemonOutput;
    bool loadingShownAtStart = false;
    DistributedNotificationCenter::Token settingObserver = 0;
    std::vector<std::pair<int, QVariantMap>> settingChanges;
    std::atomic<int> pausesOffTheWorker{0};
};

TEST_F(MainWindowTest, StartUpReadsTheMouseBehindTheLoadingWindowAndShowsItsProfile) {
    startMouse();
    mouseCommand("press profile");
    mouseCommand("press profile"); // the mouse is on its third profile
    loadCatalogue();
    auto macro = KxAction::addMacorByName(QStringLiteral("Reload"));
    macro->keyInfoArr() << MacroKeyInfo(21, 0, 100) << MacroKeyInfo(21, 1, 100);
    ASSERT_TRUE(KxAction::saveMenuList());
    sysProCon->setLaunchPath(QStringLiteral("/usr/bin/gnome-calculator"), 2, 3);
    _BTN_INFO launch{};
    launch.btnType = 3;
    launch.FuncID = launch.FuncTableId = 15;
    launch.KeyBit[0] = KxAction::getBtnAppLaunchIndex(2, 3);
    _BTN_INFO held{};
    held.btnType = 2;
    held.FuncID = held.FuncTableId = 6;
    held.MacroID = uint32_t(macro->macroId());
    held.KeyBit[0] = 2;
    writeToMouse(2, {single("Left Click"), single("Back"), single("Mute"), launch, held});
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
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(101); })) << "the daemon reloads what was read";
    EXPECT_FALSE(ended);
}

TEST_F(MainWindowTest, ProfileSwitchesAskOnlyTheUserAndWaitForTransfers) {
    startMouse();
    startDaemon();
    openWindow();
    ASSERT_EQ(profiles()->selectIndex(), 1);
    PopUps popUps;
    popUps.answer({false, true});

    // An edit: the default of button 2 given to button 2 of another function first.
    selectButton(2);
    selProfile.btnInfo[1].MacroID = 77; // as a macro's record would leave them
    selProfile.btnInfo[1].KeyBit[3] = 9;
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    ASSERT_TRUE(isNeedSave);
    EXPECT_EQ(selProfile.btnInfo[1].MacroID, 0u) << "nothing of the assignment replaced stays";
    EXPECT_EQ(selProfile.btnInfo[1].KeyBit[3], 0u);
    view->control(MainView::kProfile1Tag + 2)->click();
    EXPECT_EQ(popUps.seen, QStringList{"WarningNeedSave"});
    EXPECT_EQ(profiles()->selectIndex(), 1) << "Cancel keeps the profile";
    EXPECT_TRUE(isNeedSave);
    EXPECT_EQ(caption(), "true");
    view->control(MainView::kProfile1Tag + 2)->click();
    EXPECT_EQ(profiles()->selectIndex(), 3) << "OK switches";
    EXPECT_FALSE(isNeedSave);
    EXPECT_TRUE(mouseDump().contains("active profile: 3"));

    // The mouse's own switch never asks, even with edits, and never writes them: they wait on
    // their profile, with Apply, for the user to come back.
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    const QStringList asked = popUps.seen;
    const QByteArray button2 = mouseRecord(3, 2);
    mouseCommand("press profile");
    ASSERT_TRUE(KxTest::waitFor([&] { return profiles()->selectIndex() == 4; }, kMouseFollowsMs));
    EXPECT_EQ(popUps.seen, asked);
    EXPECT_FALSE(view->control(MainView::kApplyTag)->isEnabled());
    view->control(MainView::kProfile1Tag + 2)->click();
    EXPECT_EQ(popUps.seen, asked) << "profile 4 had nothing to drop";
    EXPECT_EQ(caption(), "true");
    EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());
    EXPECT_EQ(mouseRecord(3, 2), button2);

    // During a transfer the window waits, then follows the mouse: four buttons of 40 steps each
    // take seconds to write and read back.
    const auto macro = KxAction::addMacorByName(QStringLiteral("Long"));
    ASSERT_TRUE(macro);
    for (int i = 0; i < 40; ++i)
        macro->keyInfoArr() << MacroKeyInfo(21, i % 2, 100);
    for (int b = 1; b < 5; ++b) {
        selProfile.btnInfo[b] = {};
        selProfile.btnInfo[b].btnType = 2;
        selProfile.btnInfo[b].FuncID = selProfile.btnInfo[b].FuncTableId = 6;
        selProfile.btnInfo[b].MacroID = uint32_t(macro->macroId());
    }
    view->control(MainView::kApplyTag)->click();
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
    mouseCommand("press profile");
    // The daemon reads the profile the mouse switched to in its turn at the mouse, which the
    // window's transfer holds: the switch is told once the transfer is done, never during it.
    // It may be heard while the window still finishes the write (saving); the window then
    // follows it only afterwards.
    bool followedWhileWriting = false;
    ASSERT_TRUE(KxTest::waitFor(
        [&] {
            followedWhileWriting |= view->isModalSeron() > 0 && profiles()->selectIndex() != 3;
            return view->isModalSeron() == 0;
        },
        30000));
    EXPECT_EQ(heardWhileTransferring, 0) << "told while the transfer ran";
    EXPECT_FALSE(followedWhileWriting) << "not while the write runs";
    const bool told = KxTest::waitFor([&] { return switchesHeard > 0; });
    DistributedNotificationCenter::defaultCenter().removeObserver(heard);
    ASSERT_TRUE(told) << "the daemon tells of the switch";
    ASSERT_TRUE(idle());
    EXPECT_TRUE(KxTest::waitFor([&] { return profiles()->selectIndex() == 4; }));
}

// The last button doing the left click keeps it, whichever way it would lose it; with two, it
// may. A function confirmed in a dialog reaches the working copy; Cancel leaves it.
TEST_F(MainWindowTest, TheLastLeftClickStaysAndDialogsReachTheWorkingCopy) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    selectButton(1);
    const _BTN_INFO leftBefore = selProfile.btnInfo[0];
    for (int tag : {MainView::kSingleTag, MainView::kTkeyTag, MainView::kLaunchProTag}) {
        view->control(tag)->click();
        EXPECT_FALSE(view->dialogWindow()) << tag;
        EXPECT_EQ(view->isModalSeron(), 0);
    }
    EXPECT_EQ(popUps.seen, QStringList(3, "WarningNeedLeft"));
    EXPECT_EQ(std::memcmp(&selProfile.btnInfo[0], &leftBefore, sizeof leftBefore), 0);

    // Button 2 takes the left click in the single-function dialog; Cancel first, then OK.
    selectButton(2);
    const _BTN_INFO rightBefore = selProfile.btnInfo[1];
    for (const bool confirm : {false, true}) {
        view->control(MainView::kSingleTag)->click();
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
            EXPECT_EQ(std::memcmp(&selProfile.btnInfo[1], &rightBefore, sizeof rightBefore), 0);
        }
    }
    EXPECT_EQ(selProfile.btnInfo[1].FuncID, 1u);
    EXPECT_EQ(caption(), "Left Click");
    EXPECT_TRUE(isNeedSave);
    EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());

    // With two left clicks button 1 may change; then button 2 is the last one again, and its
    // default (the right click) is refused too.
    selectButton(1);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    popUps.seen.clear();
    selectButton(2);
    ASSERT_TRUE(view->control(MainView::kDefaultTag)->isEnabled());
    view->control(MainView::kDefaultTag)->click();
    EXPECT_EQ(popUps.seen, QStringList{"WarningNeedLeft"});
    EXPECT_EQ(selProfile.btnInfo[1].FuncID, 1u);
}

TEST_F(MainWindowTest, CaptionsForEveryKindOfRecordAndTheDefaultButton) {
    startMouse();
    startDaemon();
    openWindow();
    auto macro = KxAction::addMacorByName(QStringLiteral("Combo"));
    // An installed application is named as the desktop's menus name it.
    const QString applications = PrivateHome::dir("data") + "/applications";
    QDir().mkpath(applications);
    QFile entryFile(applications + "/org.example.Editor.desktop");
    ASSERT_TRUE(entryFile.open(QIODevice::WriteOnly));
    entryFile.write("[Desktop Entry]\nType=Application\nName=Text Editor\nExec=true\n");
    entryFile.close();

    const QByteArray editor = (applications + "/org.example.Editor.desktop").toUtf8();
    struct Case {
        uint32_t funcId, table;
        const char* path;
        QString caption;
    };
    const Case cases[] = {
        {6, 6, "", QStringLiteral("Combo")},
        {6, 255, "", QStringLiteral("Combo")},
        {15, 15, "", QStringLiteral("Launch Key")},
        {15, 15, "/opt/tools/My Tool.AppImage", QStringLiteral("My Tool")},
        {15, 15, "/usr/bin/gnome-calculator", QStringLiteral("gnome-calculator")},
        {15, 15, editor.constData(), QStringLiteral("Text Editor")},
        {15, 15, "/gone/away.desktop", QStringLiteral("away")},
        {239, 255, "", QStringLiteral("T Key")},
        {240, 2, "", QStringLiteral("Page UP(Win)")},
        {241, 2, "", QStringLiteral("Page Down(Win)")},
        {242, 2, "", QStringLiteral("Middle Button(Win)")},
        {1, 255, "", QStringLiteral("Disable")},
        {5, 1, "", QStringLiteral("Back")},
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
    _BTN_INFO preset = sysProCon->getDefBtnInfoByIndex(2);
    selProfile.btnInfo[2] = preset;
    std::strcpy(selProfile.btnInfo[2].app_path, "/usr/bin/other");
    selProfile.btnInfo[2].btnType = 3;
    view->displayBtnInfo();
    EXPECT_FALSE(view->control(MainView::kDefaultTag)->isEnabled());
    selProfile.btnInfo[2].KeyBit[3] ^= 1;
    view->displayBtnInfo();
    EXPECT_TRUE(view->control(MainView::kDefaultTag)->isEnabled());

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
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    selectButton(4);
    const _BTN_INFO before = selProfile.btnInfo[3];
    EXPECT_FALSE(view->setLaunchPath(QStringLiteral("/") + QString(255, QLatin1Char('a'))));
    EXPECT_EQ(popUps.seen, QStringList{"message"});
    EXPECT_EQ(std::memcmp(&selProfile.btnInfo[3], &before, sizeof before), 0);
    EXPECT_FALSE(isNeedSave);
    const QString longest = QStringLiteral("/") + QString(254, QChar(u'b'));
    EXPECT_TRUE(view->setLaunchPath(longest));
    EXPECT_EQ(QString::fromUtf8(selProfile.btnInfo[3].app_path), longest);
    EXPECT_EQ(selProfile.btnInfo[3].KeyBit[0], KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(sysProCon->getLaunchPath(0, 3), std::nullopt) << "not before Apply";
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(sysProCon->getLaunchPath(0, 3), longest) << "for the daemon to start";
}

TEST_F(MainWindowTest, ApplyWritesTheButtonsOkWritesSavesAndQuitsResetWritesTheDefaults) {
    startMouse();
    startDaemon();
    openWindow();
    selectButton(4);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/gnome-calculator")));
    settingChanges.clear();
    view->control(MainView::kApplyTag)->click();
    EXPECT_GT(view->isModalSeron(), 0);
    ASSERT_TRUE(idle());
    EXPECT_FALSE(isNeedSave);
    EXPECT_FALSE(view->control(MainView::kApplyTag)->isEnabled());
    // The launch slot's code, once, with the last-step bit; run once.
    const QByteArray launch = mouseRecord(1, 4);
    ASSERT_EQ(launch.size(), 82);
    EXPECT_EQ(uint8_t(launch[0]), KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(uint8_t(launch[1]), 0x40);
    EXPECT_EQ(uint8_t(launch[80]), 160);
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(101); }));

    // Reset: the profile's defaults, written.
    PopUps popUps;
    view->control(MainView::kReDefTag)->click();
    EXPECT_EQ(popUps.seen, QStringList{"WarningReset"});
    ASSERT_TRUE(idle());
    EXPECT_NE(uint8_t(mouseRecord(1, 4)[0]), KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(selProfile.btnInfo[3].FuncID, sysProCon->getDefBtnInfoByIndex(3).FuncID);

    // OK: written, saved, then the window ends.
    selectButton(5);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/xterm")));
    view->control(MainView::kOkTag)->click();
    ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }, kTransferMs));
    EXPECT_FALSE(*ended) << "closed, not relaunched";
    EXPECT_EQ(uint8_t(mouseRecord(1, 5)[0]), KxAction::getBtnAppLaunchIndex(0, 4));
    ProfieController reread;
    reread.setCurrFWProfileIndex(0);
    EXPECT_EQ(reread.currProfile()->profileData().btnInfo[4].FuncID, 15u) << "saved";
}

TEST_F(MainWindowTest, CloseAsksAboutUnsavedChangesWithItsOwnQuestion) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    view->control(MainView::kCloseTag)->click();
    EXPECT_TRUE(popUps.seen.isEmpty()) << "nothing to ask";
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);

    // With an edit: Cancel closes without writing it.
    delete window.data();
    ended.reset();
    openWindow();
    const QByteArray before = mouseRecord(1, 4);
    selectButton(4);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    popUps.answer({false});
    view->control(MainView::kCloseTag)->click();
    EXPECT_EQ(popUps.seen, QStringList{"WarningSaveOnClose"});
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);
    EXPECT_EQ(mouseRecord(1, 4), before);
}

TEST_F(MainWindowTest, UnpluggedTheWindowSaysSoAndCloses) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    mouseCommand("unplug");
    ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }));
    EXPECT_EQ(popUps.seen, QStringList{"WarningNoDevice"});
    EXPECT_FALSE(*ended);
}

TEST_F(MainWindowTest, UnpluggedDuringADialogTheWindowIsStartedAgainWithoutAsking) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    selectButton(3);
    view->control(MainView::kTkeyTag)->click();
    ASSERT_TRUE(view->dialogWindow());
    settingChanges.clear();
    mouseCommand("unplug");
    ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }));
    EXPECT_TRUE(*ended);
    EXPECT_TRUE(popUps.seen.isEmpty());
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(121); }))
        << "the daemon is asked to start the window again";
}

// The mouse goes away in the middle of an Apply: the write ends at once and the window is started
// again; the file holds only what the mouse took; once the mouse is back, the next start shows
// the rest as not yet written, says so, and Apply finishes it.
TEST_F(MainWindowTest, UnpluggedDuringApplyTheNextStartOffersWhatWasNotWritten) {
    startMouse();
    startDaemon();
    openWindow();
    selectButton(2);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    selectButton(4);
    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/false")));
    // Button 2's record is two reports; the mouse goes at the third.
    mouseCommand("fault --on write --at 3 unplug");
    settingChanges.clear();
    QElapsedTimer clock;
    clock.start();
    {
        // The write's end and the daemon's word of the unplug race: the window is started again
        // at once when the word comes first; otherwise it tells what was not written, then
        // that the mouse is gone, and closes.
        PopUps popUps;
        view->control(MainView::kApplyTag)->click();
        ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }, kTransferMs));
        EXPECT_LT(clock.elapsed(), 5000) << "the write ends when the mouse goes";
        if (*ended) {
            EXPECT_TRUE(KxTest::waitFor([&] { return sent(121); }));
        } else {
            EXPECT_EQ(popUps.texts.filter("front side button of profile 1 did not reach").size(), 1)
                << qPrintable(popUps.texts.join('|'));
            EXPECT_TRUE(popUps.seen.contains("WarningNoDevice"));
        }
    }
    {
        ProfieController disk;
        EXPECT_NE(disk.profileArr()[0]->profileData().btnInfo[3].FuncID, 15u)
            << "the file does not claim what the mouse lacks";
    }

    // A new start once the mouse is back.
    delete window.data();
    ended.reset();
    KxAction::waitForTransfers(kTransferMs);
    QDBusConnection::sessionBus().unregisterService(QStringLiteral("com.vlak.KxOption"));
    mouseCommand("plug");
    ProfieController library;
    sysProCon = &library;
    PopUps popUps;
    // While the message shows: the loading window is gone, the window shows what the selected
    // button does, and the message is titled and described to assistive technology.
    bool loadingUp = true;
    QString captionMeanwhile, named, described;
    QAccessible::Role role = QAccessible::NoRole;
    popUps.whileShown = [&](const QString& name) {
        if (name != "message")
            return;
        loadingUp = showLoadFrm && showLoadFrm->isVisible();
        captionMeanwhile = caption();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<HvMessageBox*>(top); box && box->isVisible()) {
                const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(box);
                named = told->text(QAccessible::Name);
                described = told->text(QAccessible::Description);
                role = told->role();
            }
    };
    openWindow();
    EXPECT_EQ(popUps.texts.filter("The last changes to profile 1 did not reach the mouse").size(),
              1)
        << qPrintable(popUps.texts.join('|'));
    EXPECT_FALSE(loadingUp);
    EXPECT_FALSE(captionMeanwhile.isEmpty());
    EXPECT_EQ(named, "Changes not written");
    EXPECT_TRUE(described.startsWith("The last changes to profile 1")) << described.toStdString();
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());
    selectButton(4);
    EXPECT_EQ(caption(), "false");
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(uint8_t(mouseRecord(1, 4)[0]), KxAction::getBtnAppLaunchIndex(0, 3));
    EXPECT_EQ(uint8_t(mouseRecord(1, 2)[0]), KxAction::getBtnAppLaunchIndex(0, 1));
    delete window.data();
    sysProCon = nullptr;
}

TEST_F(MainWindowTest, UnpluggedWhileTheMacroEditorIsOpenTheWindowIsStartedAgainWithoutAsking) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    view->control(MainView::kMacroTag)->click();
    ASSERT_TRUE(view->dialogWindow());
    ASSERT_TRUE(qobject_cast<MacroView*>(view->dialogWindow()->contentView()));
    settingChanges.clear();
    mouseCommand("unplug");
    ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }));
    EXPECT_TRUE(*ended);
    EXPECT_TRUE(popUps.seen.isEmpty());
    EXPECT_TRUE(KxTest::waitFor([&] { return sent(121); }));
    delete view->dialogWindow();
}

// What a person does under Xvfb: opens the editor from the main window, records, binds the macro
// to a button to run while held, applies, and finds it there when the window starts again.
TEST_F(MainWindowTest, AMacroRecordedInTheEditorAndBoundInHoldModeIsThereAfterARestart) {
    startMouse();
    startDaemon();
    openWindow();
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
    const auto key = [&](uint32_t evdev, bool press) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown,
                        Qt::NoModifier, evdev + 8, 0, 0);
        QApplication::sendEvent(named(editor, "keytbView"), &event);
    };
    for (const uint32_t evdev : {17u, 30u, 31u, 32u}) { // W A S D
        key(evdev, true);
        key(evdev, false);
    }
    editor->control(MacroView::kStopTag)->click();
    const auto recorded = editor->currMacroInfo();
    ASSERT_EQ(recorded->keyInfoArr().size(), 8);
    editor->control(MacroView::kOkTag)->click();
    EXPECT_FALSE(view->dialogWindow());
    EXPECT_EQ(view->isModalSeron(), 0);

    selectButton(3);
    view->control(MainView::kTkeyTag)->click();
    ASSERT_TRUE(view->dialogWindow());
    auto* dialog = qobject_cast<TkeyView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(dialog);
    dialog->setSelMacro(recorded);
    dialog->macroTypeSetp()->items()[TkeyView::kWhileHeld]->click();
    dialog->okBtn()->click();
    EXPECT_EQ(caption(), "Strafe");
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    const QByteArray held = mouseRecord(1, 3);
    ASSERT_EQ(held.size(), 82);
    EXPECT_EQ(uint8_t(held[0]), KxAction::GetFWKeyCode(13)) << "W";
    EXPECT_EQ(uint8_t(held[15]) & 0x40, 0x40) << "the eighth step is the last";
    EXPECT_EQ(uint8_t(held[80]), 161) << "repeat while held";

    // The bound macro edited: Apply is offered, and writes it.
    view->control(MainView::kMacroTag)->click();
    editor = qobject_cast<MacroView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(editor);
    editor->selectMacro(recorded.get());
    editor->selectRow(7);
    editor->control(MacroView::kDelKeyTag)->click();
    editor->control(MacroView::kOkTag)->click();
    EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(uint8_t(mouseRecord(1, 3)[13]) & 0x40, 0x40) << "seven steps now";

    delete window.data();
    openWindow();
    selectButton(3);
    EXPECT_EQ(caption(), "Strafe");
    const auto back = KxAction::getMacroById(int32_t(selProfile.btnInfo[2].MacroID));
    ASSERT_TRUE(back);
    EXPECT_TRUE(KxAction::CheckTwoMacro(*back, *recorded));
    EXPECT_EQ(selProfile.btnInfo[2].KeyBit[0], uint32_t(TkeyView::kWhileHeld));
}

TEST_F(MainWindowTest, PluggedBackWhileTheWindowSaysItWasUnpluggedItIsStartedAgain) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    popUps.whileShown = [&](const QString&) {
        mouseCommand("plug");
        KxTest::waitFor([&] { return view->isDevOnTag(); });
    };
    mouseCommand("unplug");
    ASSERT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }));
    EXPECT_EQ(popUps.seen, QStringList{"WarningNoDevice"});
    EXPECT_TRUE(*ended);
}

TEST_F(MainWindowTest, WithoutAMouseAtStartTheWindowSaysSoAndCloses) {
    startMouse(false);
    startDaemon();
    PopUps popUps;
    openWindow(false);
    EXPECT_EQ(popUps.seen, QStringList{"WarningNoDevice"});
    ASSERT_TRUE(ended);
    EXPECT_FALSE(*ended);
}

TEST_F(MainWindowTest, TheDisplayItemSwitchesTheDaemonsDisplay) {
    startMouse();
    startDaemon();
    openWindow();
    // The menu opens named, on its first item, so that a screen reader says it opened; the
    // window's pane, which a click can focus, is named.
    view->control(MainView::kMenuTag)->click();
    auto* menu = view->findChild<QMenu*>();
    ASSERT_TRUE(menu && KxTest::waitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name),
              "Application menu");
    EXPECT_EQ(menu->activeAction(), menu->actions().value(0));
    menu->hide();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
              "Kestrix Mouse");
    view->refreshOsdMenu();
    EXPECT_EQ(view->osdMenuTitle(), "Hide the on-screen display");
    settingChanges.clear();
    view->osdClick(view->osdMenuTag());
    ASSERT_TRUE(KxTest::waitFor([&] { return sent(110); }));
    EXPECT_EQ(lastValueSent(110), false);
    view->refreshOsdMenu();
    EXPECT_EQ(view->osdMenuTitle(), "Show the on-screen display");

    // What the daemon does with the mouse's own DPI button from now on.
    const auto pressDpiAndWaitFor = [&](const char* line) {
        daemon.readAllStandardError();
        mouseCommand("press dpi");
        QString errors;
        EXPECT_TRUE(KxTest::waitFor(
            [&] {
                errors += QString::fromLocal8Bit(daemon.readAllStandardError());
                return errors.contains(QLatin1String(line));
            },
            kMouseFollowsMs))
            << line;
        return errors;
    };
    EXPECT_FALSE(pressDpiAndWaitFor("The on-screen display is off").contains("display shows"));
    settingChanges.clear();
    view->osdClick(view->osdMenuTag());
    ASSERT_TRUE(KxTest::waitFor([&] { return sent(110); }));
    EXPECT_EQ(lastValueSent(110), true);
    EXPECT_FALSE(pressDpiAndWaitFor("The on-screen display shows").contains("display is off"));
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
    startMouse();
    startDaemon();
    openWindow();
    ASSERT_TRUE(mouseDump().contains("stage: 1 (800 DPI)"));
    bool followed = false;
    QString shownAfterPress;
    QTimer::singleShot(0, [&] {
        auto* perf = openedSubView<PerformanceView>(view);
        ASSERT_TRUE(perf);
        EXPECT_EQ(view->isModalSeron(), 1);
        // The mouse's own DPI button while the view is open: the view follows it.
        mouseCommand("press dpi");
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
    view->control(MainView::kSettingTag)->click();
    EXPECT_TRUE(followed);
    EXPECT_EQ(shownAfterPress, "1600");
    EXPECT_FALSE(view->subViewWindow());
    EXPECT_EQ(view->isModalSeron(), 0);
    const QString dump = mouseDump();
    EXPECT_TRUE(dump.contains("stage: 3 (2000 DPI)")) << qPrintable(dump);
    EXPECT_TRUE(dump.contains("DPI stages: 800 1600 2000 3200")) << qPrintable(dump);
    EXPECT_TRUE(dump.contains("rate: 500 Hz")) << qPrintable(dump);
    ASSERT_TRUE(KxTest::waitFor([&] { return sent(110); })) << "the daemon is told of the display";
    EXPECT_EQ(lastValueSent(110), false);
    view->refreshOsdMenu();
    EXPECT_EQ(view->osdMenuTitle(), "Show the on-screen display");

    // The lights: Off with no light picked switches both; OK keeps it.
    const QString lit = lightsOffByOk(view, [this] { return mouseDump(); });
    EXPECT_TRUE(lit.contains("logo light: off")) << qPrintable(lit);
    EXPECT_TRUE(lit.contains("wheel light: off")) << qPrintable(lit);
    EXPECT_EQ(sysProCon->currProfile()->profileData().islightOnArr[0], 0u);
}

// The mouse's own DPI and rate buttons with the window open: the stage and rate it moved to
// become every profile's, the working copy's and the files'; the performance view opens on them;
// the lights' OK, whose byte also carries the stage, leaves the mouse on its stage (these used
// to stay at stage 1 and 1000 Hz, and the lights' OK put the mouse back on stage 1).
TEST_F(MainWindowTest, TheMousesOwnStageAndRateAreKeptByTheLibraryAndByLaterWrites) {
    startMouse();
    startDaemon();
    openWindow();
    ASSERT_TRUE(mouseDump().contains("stage: 1 (800 DPI)"));
    mouseCommand("press dpi");
    mouseCommand("press rate");
    const QString pressed = mouseDump();
    ASSERT_TRUE(pressed.contains("stage: 2 (1600 DPI)")) << qPrintable(pressed);
    const QRegularExpression rateLine(QStringLiteral("rate: (\\d+) Hz"));
    const int hz = rateLine.match(pressed).captured(1).toInt();
    const auto rateOf = [](const _Kx_PROFILE& profile) {
        return profile.poRate < 3 ? kPollingRatesHz[profile.poRate] : 0;
    };
    const auto everyProfileFollows = [&] {
        for (const auto& profile : sysProCon->profileArr()) {
            const _Kx_PROFILE data = profile->profileData();
            if (data.currSelectDPI != 1 || rateOf(data) != hz)
                return false;
        }
        return selProfile.currSelectDPI == 1 && rateOf(selProfile) == hz;
    };
    EXPECT_TRUE(KxTest::waitFor(everyProfileFollows, kMouseFollowsMs))
        << "the library follows the mouse";
    EXPECT_TRUE(KxTest::waitFor(
        [&] {
            for (int n = 1; n <= 5; ++n) {
                const auto file = ProfileValue::initWithPath(
                    QDir(sysProCon->sysProPath()).filePath(QStringLiteral("Default%1.pro").arg(n)));
                if (!file || file->profileData().currSelectDPI != 1 ||
                    rateOf(file->profileData()) != hz)
                    return false;
            }
            return true;
        },
        kMouseFollowsMs))
        << "the files follow the mouse";

    int shownStage = -1;
    int shownRate = -1;
    QTimer::singleShot(0, [&] {
        auto* perf = openedSubView<PerformanceView>(view);
        ASSERT_TRUE(perf);
        shownStage = perf->dpiLevelPro()->value();
        shownRate = perf->rateSetp()->selectIndex() - 1;
        perf->cancelBtn()->click();
    });
    view->control(MainView::kSettingTag)->click();
    EXPECT_EQ(shownStage, 1);
    EXPECT_EQ(shownRate >= 0 && shownRate < 3 ? kPollingRatesHz[shownRate] : 0, hz);

    const QString lit = lightsOffByOk(view, [this] { return mouseDump(); });
    EXPECT_TRUE(lit.contains("logo light: off")) << qPrintable(lit);
    EXPECT_TRUE(lit.contains("stage: 2 (1600 DPI)")) << "the lights' OK kept the stage\n"
                                                     << qPrintable(lit);
    EXPECT_TRUE(lit.contains(QStringLiteral("rate: %1 Hz").arg(hz))) << qPrintable(lit);
}

TEST_F(MainWindowTest, UnpluggedWhileAViewRunsTheWindowIsStartedAgainWithoutAsking) {
    startMouse();
    startDaemon();
    openWindow();
    PopUps popUps;
    QTimer::singleShot(0, [&] {
        auto* lighting = openedSubView<LightOptionView>(view);
        ASSERT_TRUE(lighting);
        // The mouse goes with the light's write: the write fails, and that is not told.
        mouseCommand("fault --on write --at 1 unplug");
        lighting->lightOnOffSetp()->items()[1]->click();
        EXPECT_TRUE(KxTest::waitFor([&] { return ended.has_value(); }));
    });
    view->control(MainView::kLightOptionTag)->click();
    ASSERT_TRUE(ended.has_value()) << "the view's run ends with the window";
    EXPECT_TRUE(*ended);
    QTest::qWait(MouseWrites::kRemovalAnnouncedMs + 100);
    EXPECT_TRUE(popUps.seen.isEmpty());
}

// The program itself: one window per user; a second start raises it and ends.
TEST_F(MainWindowTest, ASecondStartRaisesTheFirstAndEnds) {
    startMouse();
    startDaemon();
    QProcess first;
    first.setProcessChannelMode(QProcess::SeparateChannels);
    first.start(KX_OPTION_PATH, {});
    ASSERT_TRUE(first.waitForStarted());
    QString firstErrors;
    ASSERT_TRUE(KxTest::waitFor(
        [&] {
            firstErrors += QString::fromLocal8Bit(first.readAllStandardError());
            return firstErrors.contains("Curr SelBtn Setp 1");
        },
        kTransferMs));
    QProcess second;
    second.start(KX_OPTION_PATH, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(KxTest::waitFor([&] {
        firstErrors += QString::fromLocal8Bit(first.readAllStandardError());
        return firstErrors.contains("Raised by a second start");
    }));
    first.terminate();
    first.waitForFinished(5000);
}

} // namespace
