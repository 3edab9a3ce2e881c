// What the user sets in the main window across profiles, dialogs and writes, against the
// emulated firmware in this process: an edit reaches the mouse only with Apply, OK or a reset;
// a button nobody touched keeps its bytes; a write that fails is told and its edits stay;
// nothing on disk claims what the mouse lacks; an edit the user dropped is gone. (The edits the
// mouse's own switch leaves: the window's model test, at every step.)
#include "HvMessageBox.h"
#include "HvNumberTextField.h"
#include "KxDeviceQueue.h"
#include "KxLanguage.h"
#include "MacroView.h"
#include "Notifications/Notification.h"
#include "PopUps.h"
#include "Preferences/UserPreferences.h"
#include "QtPrinters.h"
#include "ScreenReader.h"
#include "ShownWindows.h"
#include "TabChain.h"
#include "WindowOverFirmware.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <array>
#include <atomic>
#include <cstring>
#include <map>

namespace {

const QString kTrue = QStringLiteral("/usr/bin/true");
const QString kFalse = QStringLiteral("/usr/bin/false");

class WindowEditsTest : public WindowOverFirmwareTest {
protected:
    // The window opened, button 2 of profile 1 given a launcher, then the mouse's own switch to
    // profile 2: the edit waits on profile 1.
    void openWithAnEditLeftOnProfileOne() {
        openWindow();
        setLaunch(2, kTrue);
        pressMouseProfile();
        ASSERT_EQ(profiles()->selectIndex(), 2);
    }
    // Button 3 of profile 1 given a launcher, then the window ended without a question (a kill
    // leaves the same files); the next start has a library of its own.
    void endWithAnEditOfButtonThree() {
        openWindow();
        setLaunch(3, kFalse);
        ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
        ASSERT_TRUE(QFileInfo::exists(
            QDir(sysPath).filePath(QStringLiteral("Unwritten/Default1.buttons"))));
        restart();
    }
    // The in-process mouse, once what the window queued for it is done: the queue's worker
    // writes it, so the test looks at it or presses its buttons only then.
    const VirtualMouseFirmware& mouse() const {
        EXPECT_TRUE(idle());
        return *firmware;
    }
    // The mouse's own profile button, and the daemon's word of it to the window.
    void pressMouseProfile() {
        ASSERT_TRUE(idle());
        firmware->press(VirtualMouseFirmware::Key::Profile);
        const int profile = firmware->state().profile;
        Notification status;
        status.name = QStringLiteral("KxDevStatus");
        status.userInfo =
            QVariantMap{{QStringLiteral("type"), 1}, {QStringLiteral("value"), profile - 1}};
        view->devReportPro(status);
        ASSERT_TRUE(KxTest::waitFor([&] { return profiles()->selectIndex() == profile; }));
    }
    // Requests that wrote into a record (0-based slot and button).
    int writesInto(int slot, int button) const {
        const int start = KxProtocol::recordAddress(slot, button);
        int writes = 0;
        for (const std::string& line : requests()) {
            if (line.rfind("SET 03", 0) != 0)
                continue;
            const int address = std::stoi(line.substr(7, 2), nullptr, 16) |
                                std::stoi(line.substr(10, 2), nullptr, 16) << 8;
            writes += address >= start && address < start + KxProtocol::kRecordSize;
        }
        return writes;
    }
    static _BTN_INFO launcher(int slot, int button, const char* path) {
        _BTN_INFO record = Buttons::launch(slot, button);
        std::strncpy(record.app_path, path, sizeof record.app_path - 1);
        return record;
    }
    // The profile's default buttons, the given ones (by index) in their place.
    std::array<_BTN_INFO, 5> defaultsWith(const std::map<int, _BTN_INFO>& others = {}) const {
        std::array<_BTN_INFO, 5> buttons;
        for (int b = 0; b < 5; ++b)
            buttons[b] = others.contains(b) ? others.at(b) : library->getDefBtnInfoByIndex(b);
        return buttons;
    }
    // Writes the buttons of a slot as an earlier run of the window would have.
    void writeToMouse(int slot, const std::array<_BTN_INFO, 5>& buttons) {
        currSetProfile = {};
        std::copy(buttons.begin(), buttons.end(), currSetProfile.btnInfo);
        currSetProfileID = uint32_t(slot);
        KxAction::setBtnInfoToDevice();
        KxAction::forgetKnownRecords();
    }
};

// Give button 2 a launcher, click profile 3, OK, click profile 1: the launcher is gone, Apply
// is off, and an Apply of another edit leaves button 2 as the mouse holds it.
TEST_F(WindowEditsTest, ADroppedEditIsGoneAndNeverReachesTheMouse) {
    openWindow();
    PopUps popUps;
    const QByteArray button2 = record(0, 1);
    selectButton(2);
    const QString before = caption();
    setLaunch(2, kTrue);
    clickProfile(3);
    EXPECT_EQ(popUps.seen, QStringList{"WarningNeedSave"});
    ASSERT_EQ(profiles()->selectIndex(), 3);
    clickProfile(1);
    EXPECT_EQ(popUps.seen.size(), 1) << "nothing left to ask about";
    EXPECT_EQ(caption(), before);
    EXPECT_FALSE(enabled(MainView::kApplyTag));

    setLaunch(5, kFalse);
    apply();
    EXPECT_EQ(record(0, 1), button2);
    EXPECT_TRUE(launches(0, 4));
    EXPECT_NE(onDisk(0).btnInfo[1].FuncID, KxFuncId::kLaunch);
}

// Edits the mouse's own switch left on another profile are not lost at the end: the close
// question asks about them, and OK writes them with this profile's.
TEST_F(WindowEditsTest, OkWritesTheEditsLeftOnOtherProfilesToo) {
    PopUps popUps;
    openWithAnEditLeftOnProfileOne();
    popUps.answer({PopUps::Answer::Escape});
    click(MainView::kCloseTag);
    EXPECT_EQ(popUps.seen, QStringList{"WarningSaveOnClose"}) << "profile 1 has edits";
    EXPECT_FALSE(ended.has_value());

    setLaunch(4, kFalse);
    click(MainView::kOkTag);
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(launches(1, 3));
    EXPECT_TRUE(launches(0, 1));
    EXPECT_EQ(onDisk(0).btnInfo[1].FuncID, KxFuncId::kLaunch);
    EXPECT_EQ(onDisk(1).btnInfo[3].FuncID, KxFuncId::kLaunch);
}

// Edits left on another profile whose write failed are not stranded there: OK stays offered
// while any profile has edits to write, and a second OK writes them.
TEST_F(WindowEditsTest, EditsOfAnotherProfileWhoseWriteFailedKeepOkOffered) {
    PopUps popUps;
    openWithAnEditLeftOnProfileOne();
    EXPECT_FALSE(enabled(MainView::kApplyTag)) << "Apply writes this profile, which has no edits";
    EXPECT_TRUE(enabled(MainView::kOkTag)) << "OK writes profile 1's";

    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
    click(MainView::kOkTag);
    ASSERT_TRUE(idle());
    EXPECT_FALSE(ended.has_value());
    EXPECT_TRUE(KxTest::waitFor([&] { return popUps.seen.contains("message"); }));
    EXPECT_TRUE(enabled(MainView::kOkTag)) << "still offered";

    click(MainView::kOkTag);
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(launches(0, 1));
}

// The chosen path is stored with the record, on Apply or OK (which writes, saves and ends the
// window); Cancel leaves nothing for the daemon to start. The caption's tooltip says which file
// runs.
TEST_F(WindowEditsTest, ALauncherPathIsStoredOnlyWithItsRecord) {
    const QString key = KxAction::launchPathKey(KxAction::getBtnAppLaunchIndex(0, 3));
    openWindow();
    setLaunch(4, kTrue);
    EXPECT_EQ(captionField()->toolTip(), kTrue);
    EXPECT_FALSE(UserPreferences::open()->contains(key)) << "not before it is written";
    click(MainView::kCancelTag);
    ASSERT_TRUE(ended);
    EXPECT_FALSE(UserPreferences::open()->contains(key)) << "cancelled";
    closeMainWindow();

    openWindow();
    selectButton(4);
    EXPECT_NE(caption(), "true");
    ASSERT_TRUE(view->setLaunchPath(kTrue));
    click(MainView::kOkTag);
    ASSERT_TRUE(waitForEnd());
    EXPECT_FALSE(*ended) << "closed, not started again";
    EXPECT_TRUE(launches(0, 3)) << "written";
    EXPECT_EQ(UserPreferences::open()->value(key).toString(), kTrue);
    EXPECT_EQ(QString::fromUtf8(onDisk(0).btnInfo[3].app_path), kTrue);
}

// Deleting a macro never hands its id to the next one, across restarts too; its buttons say
// it is gone and keep what the mouse runs.
TEST_F(WindowEditsTest, ADeletedMacrosIdIsNeverGivenAgain) {
    const auto doomed = addMacro(6);
    ASSERT_TRUE(KxAction::saveMenuList());
    writeToMouse(0, defaultsWith({{2, Buttons::macro(*doomed)}}));
    openWindow();
    selectButton(3);
    ASSERT_EQ(caption(), doomed->nameStr());
    const int32_t doomedId = doomed->macroId();
    const QByteArray held = record(0, 2);

    // Deleted as the macro editor deletes it (the window loaded its own copy of the library).
    macroListArrs.removeAll(KxAction::getMacroById(doomedId));
    ASSERT_TRUE(KxAction::saveMenuList());
    view->displayBtnInfo();
    EXPECT_EQ(caption(), "Deleted macro");
    EXPECT_GT(KxAction::getNewMacorId(), doomedId);
    KxAction::initMenuList(); // as the next start loads it
    const auto successor = KxAction::addMacorByName(QStringLiteral("Successor"));
    ASSERT_TRUE(successor);
    EXPECT_GT(successor->macroId(), doomedId);
    view->displayBtnInfo();
    EXPECT_EQ(caption(), "Deleted macro") << "the button does not follow the new macro";

    setLaunch(5, kFalse);
    log->clear();
    apply();
    EXPECT_EQ(record(0, 2), held);
    EXPECT_EQ(writesInto(0, 2), 0);
}

// Two macros that differ only in their delays are two macros to the mouse: a button holding the
// second names it, and an Apply of another button sends nothing for it, nor for a record whose
// mode byte the window does not know.
TEST_F(WindowEditsTest, ApplyLeavesTheButtonsNobodyTouchedAsTheMouseHoldsThem) {
    const auto quick = addMacro(4);
    const auto slow = std::make_shared<MacroInfo>(*quick);
    slow->setMacroId(KxAction::getNewMacorId());
    slow->setNameStr(QStringLiteral("Slow"));
    for (MacroKeyInfo& step : slow->keyInfoArr())
        step.setDelay(step.delay() + 300);
    macroListArrs.append(slow);
    ASSERT_TRUE(KxAction::saveMenuList());
    writeToMouse(0, defaultsWith({{2, Buttons::macro(*slow, KxSetup::RunMode::Hold)},
                                  {3, Buttons::macro(*quick)}}));
    const uint8_t unknownMode = 0xA7;
    KxAction::sendWriteReport(KxProtocol::recordAddress(0, 3) + KxProtocol::kModeOffset,
                              &unknownMode, 1);
    const QByteArray before[] = {record(0, 0), record(0, 1), record(0, 2), record(0, 3)};

    openWindow();
    selectButton(3);
    EXPECT_EQ(caption(), "Slow");
    setLaunch(5, kFalse);
    log->clear();
    apply();
    for (int button = 0; button < 4; ++button) {
        EXPECT_EQ(record(0, button), before[button]) << "button " << button + 1;
        EXPECT_EQ(writesInto(0, button), 0) << "button " << button + 1;
    }
    EXPECT_GT(writesInto(0, 4), 0);
}

// The mouse goes away after the first of two changed buttons: the user is told which button did
// not reach it, the edit stays with Apply, and the file holds only what the mouse took.
TEST_F(WindowEditsTest, AWriteCutShortIsToldAndItsEditsStay) {
    openWindow();
    PopUps popUps;
    setLaunch(2, kTrue);
    setLaunch(4, kFalse);
    const QByteArray button4 = record(0, 3);
    // Button 2's record is two reports, read back with two prepared reads; the mouse leaves at
    // the next report.
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Write, 5}));
    apply();
    ASSERT_EQ(popUps.texts.size(), 1);
    // Unplugged, the mouse cannot be asked whether the report that failed took it along.
    EXPECT_TRUE(
        popUps.texts[0].contains("front side button of profile 1 may not have reached the mouse"))
        << qPrintable(popUps.texts[0]);
    EXPECT_FALSE(popUps.texts[0].contains("right button"));
    EXPECT_FALSE(popUps.texts[0].contains("back side button")) << "nothing to write there";
    EXPECT_TRUE(isNeedSave);
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    EXPECT_EQ(caption(), "false") << "the edit is still shown";
    EXPECT_EQ(record(0, 3), button4);
    EXPECT_EQ(onDisk(0).btnInfo[1].FuncID, KxFuncId::kLaunch) << "what the mouse took is saved";
    EXPECT_NE(onDisk(0).btnInfo[3].FuncID, KxFuncId::kLaunch) << "what it did not take is not";

    // Back again, Apply writes the rest.
    plugBack();
    apply();
    EXPECT_TRUE(launches(0, 3));
    EXPECT_FALSE(enabled(MainView::kApplyTag));
    EXPECT_EQ(onDisk(0).btnInfo[3].FuncID, KxFuncId::kLaunch);
}

// OK that fails keeps the window open with the edits, never closing as if it had written.
TEST_F(WindowEditsTest, OkThatFailsKeepsTheWindowAndItsEdits) {
    openWindow();
    PopUps popUps;
    setLaunch(5, kTrue);
    // The mouse stalls the first report: nothing was written.
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
    click(MainView::kOkTag);
    ASSERT_TRUE(idle());
    EXPECT_FALSE(ended.has_value());
    EXPECT_EQ(popUps.seen, QStringList{"message"});
    EXPECT_TRUE(enabled(MainView::kApplyTag));
}

// A profile click the mouse did not take: the window goes back to the profile the mouse runs
// (with its buttons, in the library too) and says so, so that Apply never writes a profile the
// mouse is not running; the next click the mouse takes switches as before.
TEST_F(WindowEditsTest, AProfileClickTheMouseDidNotTakeGoesBackToTheProfileItRuns) {
    openWindow();
    PopUps popUps;
    ASSERT_EQ(profiles()->selectIndex(), 1);
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
    clickProfile(3);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(KxTest::waitFor([&] { return profiles()->selectIndex() == 1; }));
    EXPECT_EQ(KxAction::profileLibrary()->currFWProfileIndex(), 0);
    EXPECT_EQ(mouse().state().profile, 1);
    EXPECT_TRUE(KxTest::waitFor([&] { return popUps.seen.contains("message"); }));
    EXPECT_TRUE(popUps.seen.filter("WarningNeedSave").isEmpty()) << "going back asks nothing";

    clickProfile(3);
    ASSERT_TRUE(idle());
    KxTest::spin(100);
    EXPECT_EQ(profiles()->selectIndex(), 3);
    EXPECT_EQ(mouse().state().profile, 3);
}

// The program ends (or the mouse goes) in the middle of a write: the next start shows the
// unwritten edits with Apply, says so once, and Apply finishes the job.
TEST_F(WindowEditsTest, EditsAWriteDidNotFinishComeBackAtTheNextStart) {
    openWindow();
    setLaunch(2, kTrue);
    setLaunch(3, kFalse);
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Write, 3}));
    {
        PopUps popUps;
        apply();
    }
    // A new start: nothing of this run is left in memory.
    restart();
    plugBack();

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
        for (HvMessageBox* box : shownMessageBoxes()) {
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
    EXPECT_TRUE(described.startsWith("The last changes to profile 1")) << qPrintable(described);
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    selectButton(2);
    EXPECT_EQ(caption(), "true");
    selectButton(3);
    EXPECT_EQ(caption(), "false");
    apply();
    EXPECT_TRUE(launches(0, 2));
    restart();

    popUps.texts.clear();
    popUps.whileShown = nullptr;
    openWindow();
    EXPECT_TRUE(popUps.texts.isEmpty()) << "nothing left to tell";
    EXPECT_FALSE(enabled(MainView::kApplyTag));
}

// Apply keeps the edits on disk before the first report of their write goes out (the journal
// is written on the mouse's queue, ahead of the write), and drops them once the mouse holds them.
TEST_F(WindowEditsTest, TheEditsAreKeptOnDiskBeforeTheirWriteStarts) {
    openWindow();
    setLaunch(2, kTrue);
    const QString journal = QDir(sysPath).filePath(
        QStringLiteral("Unwritten/Default%1.buttons").arg(library->currFWProfileIndex() + 1));
    std::atomic<int> journalAtFirstPause{-1};
    KxAction::setPauseHookForTesting([&](unsigned) {
        int unseen = -1;
        journalAtFirstPause.compare_exchange_strong(unseen, QFileInfo::exists(journal) ? 1 : 0);
    });
    apply();
    KxAction::setPauseHookForTesting([](unsigned) {});
    EXPECT_EQ(journalAtFirstPause.load(), 1);
    EXPECT_FALSE(QFileInfo::exists(journal)) << "the mouse holds the edits";
    EXPECT_TRUE(launches(0, 1));
}

// Edits are kept on disk as they are made: a window that ends without asking (the mouse
// unplugged, the program killed, the session ended) finds them at the next start and offers
// them.
TEST_F(WindowEditsTest, EditsAreKeptOnDiskAsTheyAreMadeAndOfferedAtTheNextStart) {
    endWithAnEditOfButtonThree();

    PopUps popUps;
    openWindow();
    EXPECT_EQ(popUps.texts.filter("profile 1").size(), 1) << popUps.texts.join('|').toStdString();
    selectButton(3);
    EXPECT_EQ(caption(), "false");
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    apply();
    EXPECT_TRUE(launches(0, 2));
}

// A start whose read the mouse did not answer whole still offers the edits the last run
// journalled, and an edit made then keeps them on disk beside it (the journal was left unread,
// and the next edit of the profile wrote over it).
TEST_F(WindowEditsTest, EditsJournalledBeforeAStartReadThatFailedAreOfferedAndKept) {
    endWithAnEditOfButtonThree();

    PopUps popUps;
    openWindow(FeatureFault{FeatureFault::Kind::Short, FeatureFault::On::Read, 3});
    EXPECT_EQ(popUps.texts.filter("did not answer while it was being read").size(), 1)
        << qPrintable(popUps.texts.join('|'));
    EXPECT_EQ(popUps.texts.filter("The last changes to profile 1").size(), 1)
        << qPrintable(popUps.texts.join('|'));
    selectButton(3);
    EXPECT_EQ(caption(), "false");
    EXPECT_TRUE(enabled(MainView::kApplyTag));

    setLaunch(4, kTrue);
    ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
    ProfieController reread;
    ASSERT_EQ(reread.restoreJournalledEdits(), QList<int>{0});
    EXPECT_EQ((*reread.buttonEdits(0))[2].FuncID, KxFuncId::kLaunch) << "the last run's edit";
    EXPECT_EQ((*reread.buttonEdits(0))[3].FuncID, KxFuncId::kLaunch) << "this run's";
}

// A macro changed in the editor while the window shows profile 1 runs on profile 2 too: profile
// 2 has an edit to write, Close asks about it, and its OK writes the new steps there (they never
// reached the mouse, and the next start read the old steps as a new macro).
TEST_F(WindowEditsTest, AMacroChangedInTheEditorIsWrittenToEveryProfileThatRunsIt) {
    const auto macro = addMacro(2, 4);
    ASSERT_TRUE(KxAction::saveMenuList());
    writeToMouse(1, defaultsWith({{3, Buttons::macro(*macro)}}));
    openWindow();
    ASSERT_EQ(profiles()->selectIndex(), 1);
    EXPECT_FALSE(enabled(MainView::kOkTag));

    selectButton(3);
    click(MainView::kMacroTag);
    auto* editor = qobject_cast<MacroView*>(view->dialogWindow()->contentView());
    ASSERT_TRUE(editor);
    editor->selectMacro(KxAction::getMacroById(macro->macroId()).get());
    editor->selectRow(0);
    named<HvNumberTextField>(editor, "adjustDelayTxt")->setText(QStringLiteral("700"));
    QTest::mouseClick(editor->control(MacroView::kInsertDelayTag), Qt::LeftButton);
    QTest::mouseClick(editor->control(MacroView::kOkTag), Qt::LeftButton);
    ASSERT_TRUE(KxTest::waitFor([&] { return !view->dialogWindow(); }));
    // The steps the changed macro writes.
    uint8_t bytes[KxProtocol::kRecordSize] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(macroButton(*KxAction::getMacroById(macro->macroId()), 0, 0), bytes,
                               &length);
    const QByteArray changed(reinterpret_cast<const char*>(bytes), qsizetype(length));
    ASSERT_NE(record(1, 3).left(changed.size()), changed);

    EXPECT_FALSE(enabled(MainView::kApplyTag)) << "profile 1 runs no macro";
    EXPECT_TRUE(enabled(MainView::kOkTag));
    EXPECT_TRUE(library->hasButtonEdits(1));
    PopUps popUps;
    popUps.answer({true}); // "Write the changes before closing?"
    click(MainView::kCloseTag);
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(popUps.seen, QStringList{"WarningSaveOnClose"});
    EXPECT_EQ(record(1, 3).left(changed.size()), changed);
}

// The program ended after the journal and one of two records: the next start shows the other,
// and only that one, as not yet written.
TEST_F(WindowEditsTest, AWriteTheProgramDidNotLiveToFinishIsOfferedAgain) {
    const auto defaults = defaultsWith();
    writeToMouse(0, defaults);
    _BTN_INFO edits[5];
    std::copy(defaults.begin(), defaults.end(), edits);
    edits[1] = launcher(0, 1, "/usr/bin/true");
    edits[2] = launcher(0, 2, "/usr/bin/false");
    library->keepButtonEdits(0, edits);
    ASSERT_TRUE(library->journalButtonEdits(0));
    writeToMouse(0, defaultsWith({{1, edits[1]}})); // the mouse took the first of the two
    restart();

    PopUps popUps;
    openWindow();
    EXPECT_EQ(popUps.texts.filter("The last changes to profile 1 did not reach the mouse").size(),
              1);
    selectButton(3);
    EXPECT_EQ(caption(), "false");
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    EXPECT_NE(onDisk(0).btnInfo[2].FuncID, KxFuncId::kLaunch)
        << "the file holds what the mouse holds";
    log->clear();
    apply();
    EXPECT_EQ(writesInto(0, 1), 0) << "the record the mouse took is not sent again";
    EXPECT_TRUE(launches(0, 2));
}

// A reset writes the profile's defaults; the settings block the mouse holds once reaches every
// profile, so another profile's settings view cannot write the old values back.
TEST_F(WindowEditsTest, AResetGivesEveryProfileTheSettingsTheMouseNowHolds) {
    openWindow();
    PopUps popUps;
    for (const auto& profile : library->profileArr()) {
        _Kx_PROFILE data = profile->profileData();
        data.xSensArr[1] = data.ySensArr[1] = 33;
        data.poRate = 1;
        profile->setProfileData(data);
    }
    library->refreshSelProfileFromData();
    click(MainView::kReDefTag);
    ASSERT_TRUE(idle());
    const _Kx_PROFILE defaults = library->defaultProfile()->profileData();
    ASSERT_NE(defaults.xSensArr[1], 33u);
    for (int slot = 0; slot < 5; ++slot) {
        const _Kx_PROFILE data = library->profileArr()[slot]->profileData();
        EXPECT_EQ(data.xSensArr[1], defaults.xSensArr[1]) << "profile " << slot + 1;
        EXPECT_EQ(data.poRate, defaults.poRate) << "profile " << slot + 1;
    }
    EXPECT_EQ(uint8_t(mouse().memory(KxProtocol::kAddrStageDpi + 1, 1)[0]), defaults.xSensArr[1]);
}

// A Reset whose settings stop half-way (the lights went across, the DPI did not): the window,
// the library and the files hold what the mouse then holds, read back from it, not what it held
// before nor the defaults.
TEST_F(WindowEditsTest, AResetCutShortInItsSettingsTakesWhatTheMouseThenHolds) {
    openWindow();
    PopUps popUps;
    click(MainView::kReDefTag); // the buttons are the defaults: the next Reset writes settings
    ASSERT_TRUE(idle());
    const _Kx_PROFILE defaults = library->defaultProfile()->profileData();
    // The mouse and the library away from the defaults: the lights the other way, stage 2 at 33.
    _Kx_PROFILE moved = defaults;
    const uint32_t lit = defaults.islightOnArr[0] ? 0 : 1;
    moved.islightOnArr[0] = moved.islightOnArr[1] = lit;
    moved.xSensArr[1] = moved.ySensArr[1] = 33;
    ASSERT_TRUE(KxAction::writeSettingsOf(moved));
    for (const auto& profile : library->profileArr()) {
        _Kx_PROFILE data = profile->profileData();
        std::copy(std::begin(moved.islightOnArr), std::end(moved.islightOnArr), data.islightOnArr);
        data.xSensArr[1] = data.ySensArr[1] = 33;
        profile->setProfileData(data);
    }
    library->refreshSelProfileFromData();

    // The block's byte (the stage and the lights) goes across; its first DPI stalls.
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 2}));
    click(MainView::kReDefTag);
    ASSERT_TRUE(idle());
    const uint8_t settings = uint8_t(mouse().memory(KxProtocol::kAddrSettings, 1)[0]);
    const uint32_t logo = (settings & KxProtocol::kLogoLightBit) ? 1 : 0;
    ASSERT_EQ(logo, defaults.islightOnArr[0]) << "the lights went across";
    ASSERT_EQ(uint8_t(mouse().memory(KxProtocol::kAddrStageDpi + 1, 1)[0]), 33) << "the DPI not";
    EXPECT_EQ(selProfile.islightOnArr[0], logo) << "the window";
    EXPECT_EQ(selProfile.xSensArr[1], 33u);
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(library->profileArr()[slot]->profileData().islightOnArr[0], logo) << slot;
        EXPECT_EQ(onDisk(slot).islightOnArr[0], logo) << "the files, " << slot;
        EXPECT_EQ(onDisk(slot).xSensArr[1], 33u) << slot;
    }
}

// The close question, however the window is closed: Ctrl+Q from anywhere in the window, or the
// desktop's Close (Alt+F4, a task bar's) as the window's own Close. Escape in it goes back to the
// edits; Cancel ends the window without them. F1 opens the help.
TEST_F(WindowEditsTest, TheCloseQuestionByItsKeysAndFromTheDesktopAndTheHelpKey) {
    openWindow();
    PopUps popUps;
    const QByteArray button2 = record(0, 1);
    setLaunch(2, kTrue);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    popUps.answer({PopUps::Answer::Escape});
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_TRUE(KxTest::waitFor([&] { return !popUps.seen.isEmpty(); }));
    EXPECT_EQ(popUps.seen, QStringList{"WarningSaveOnClose"});
    EXPECT_FALSE(ended.has_value());
    EXPECT_TRUE(enabled(MainView::kApplyTag));
    EXPECT_EQ(caption(), "true");

    QAction* help = nullptr;
    for (QAction* action : view->actions())
        if (action->shortcut() == QKeySequence(Qt::Key_F1))
            help = action;
    ASSERT_TRUE(help);
    // Only the signal is watched: the help page is not opened in a browser here.
    QObject::disconnect(help, &QAction::triggered, nullptr, nullptr);
    QSignalSpy opened(help, &QAction::triggered);
    window->activateWindow(); // back from the pop-up, as the desktop does
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(opened.count(), 1);

    popUps.answer({PopUps::Answer::Escape});
    window->close();
    ASSERT_TRUE(KxTest::waitFor([&] { return popUps.seen.size() == 2; }));
    EXPECT_EQ(popUps.seen.last(), "WarningSaveOnClose");
    KxTest::spin(50);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(ended.has_value());
    EXPECT_TRUE(enabled(MainView::kApplyTag)) << "the edits stay";

    popUps.answer({PopUps::Answer::Cancel}); // close without writing
    window->close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_FALSE(*ended);
    EXPECT_FALSE(library->hasButtonEdits(0)) << "dropped, as the question said";
    EXPECT_EQ(record(0, 1), button2);
}

// The help page a user opens is the one in the window's language, beside the stylesheet the
// pages share; the window's words are that language's too.
TEST_F(WindowEditsTest, TheHelpPageAndTheWordsAreInTheWindowsLanguage) {
    ASSERT_TRUE(KxLanguage::install(QStringLiteral("zh-Hans")));
    openWindow();
    const QDir help(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                    QStringLiteral("/com.vlak.KxOption/Help"));
    QFile page(help.filePath(QStringLiteral("Information_zh_CN.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains(R"(<html lang="zh-CN">)"));
    EXPECT_TRUE(help.exists(QStringLiteral("Information.css")));
    EXPECT_FALSE(help.exists(QStringLiteral("Information_en.html")));
    EXPECT_EQ(view->control(MainView::kProfile1Tag)->accessibleName(), "配置文件 1");
}

// The profiles and the mouse buttons are groups of exclusive choices: radio buttons to a screen
// reader, whose press is the click, so that the window asks, switches and writes as for the
// pointer, and one profile stays checked.
TEST_F(WindowEditsTest, ProfilesAndButtonsPressedByAScreenReaderActAsClicks) {
    openWindow();
    PopUps popUps;
    const auto press = pressAsScreenReader;
    const auto checked = checkedItems;
    press(view->control(MainView::kProfile1Tag + 2));
    EXPECT_EQ(checked(profiles()), std::vector<int>{3});
    EXPECT_EQ(mouse().state().profile, 3);
    press(view->selBtnSetp()->items()[1]);
    EXPECT_EQ(view->selBtnIndex(), 2);
    EXPECT_EQ(checked(view->selBtnSetp()), std::vector<int>{2});

    ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
    popUps.answer({false});
    press(view->control(MainView::kProfile1Tag));
    EXPECT_EQ(popUps.seen, QStringList{"WarningNeedSave"});
    EXPECT_EQ(checked(profiles()), std::vector<int>{3}) << "Cancel stays on it";
    EXPECT_EQ(mouse().state().profile, 3);
    popUps.answer({true});
    press(view->control(MainView::kProfile1Tag));
    EXPECT_EQ(checked(profiles()), std::vector<int>{1});
    EXPECT_EQ(mouse().state().profile, 1);
}

// Tab goes through the main window as its layout states: the title bar, the profiles, the
// mouse, then the assignments, the settings and the window's buttons, each row left to right.
TEST_F(WindowEditsTest, TheMainWindowsTabOrderIsTheOneItsLayoutStates) {
    openWindow();
    const auto stated = TabChain::stated(view, MainViewLayout::kView);
    // Every control of the window, each radio group once (its checked item), and the caption.
    EXPECT_EQ(stated.size(), 19u);
    const auto built = TabChain::built(view, MainViewLayout::kView);
    EXPECT_EQ(QStringList(built.begin(), built.end()).join(" → ").toStdString(),
              QStringList(stated.begin(), stated.end()).join(" → ").toStdString());
}

} // namespace
