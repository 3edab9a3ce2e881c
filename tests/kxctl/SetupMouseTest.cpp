// Set-ups between the emulated firmware (in this process, pauses recorded instead of slept), the
// library and the profile files: read, captured, written back into a factory mouse byte for byte,
// and writes that the mouse does not finish or does not hold afterwards.
#include "Buttons.h"
#include "DeviceProtocolTest.h"
#include "KxNames.h"
#include "KxProtocol.h"
#include "KxSetupMouse.h"
#include "KxWriteSession.h"
#include "ProfileValue.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace {

using namespace KxSetup;

class SetupMouseTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        KxAction::refreshMenuList();
    }
    static _BTN_INFO function(const QString& name) {
        EXPECT_TRUE(KxNames::findFunction(name).found) << qPrintable(name);
        return Buttons::function(name);
    }
    // Writes a slot's five records as the window does.
    static void writeSlot(uint32_t slot, const std::array<_BTN_INFO, 5>& buttons) {
        currSetProfile = {};
        std::copy(buttons.begin(), buttons.end(), currSetProfile.btnInfo);
        currSetProfileID = slot;
        ASSERT_TRUE(KxAction::setBtnInfoToDevice().complete());
    }
    // The memory a set-up covers: the stored block and every button record.
    QByteArray setupMemory() const {
        return firmware->memory(KxProtocol::kAddrActiveProfile,
                                KxProtocol::recordAddress(5, 0) - KxProtocol::kAddrActiveProfile);
    }
    MouseState readAll() {
        MouseState state;
        EXPECT_TRUE(readMouse(0x1F, true, true, &state));
        return state;
    }
    QString journal(int slot) const {
        return QDir(sysPath).filePath(QStringLiteral("Unwritten/Default%1.buttons").arg(slot + 1));
    }
};

TEST_F(SetupMouseTest, ASetUpReadAndCapturedWritesTheSameBytesIntoAFactoryMouse) {
    // A macro with a key, a chord and clicks, the same macro on two buttons, and another macro
    // the library does not have (it joins hidden when read, and the file keeps it by content).
    auto reload = addMacro(6);
    reload->keyInfoArr().append(MacroKeyInfo(0x200, 2, 0));
    reload->keyInfoArr().append(MacroKeyInfo(121, 3, 300));
    reload->keyInfoArr().append(MacroKeyInfo(121, 4, 0));
    auto stranger = addMacro(4, 9);
    library->setLaunchPath(QStringLiteral("/usr/bin/true"), 1, 4);
    writeSlot(0, {function("Left Click"), macroButton(*reload, 1, 3), function("Mute"),
                  function("F12"), macroButton(*reload, 3, 0)});
    _BTN_INFO launcher = Buttons::launch(1, 4);
    std::strncpy(launcher.app_path, "/usr/bin/true", sizeof launcher.app_path - 1);
    writeSlot(1, {function("Left Click"), function("Double Click"), macroButton(*reload, 2, 0),
                  function("Disable"), launcher});
    writeSlot(3, {function("Right Click"), function("Left Click"), macroButton(*stranger, 0, 1),
                  function("Forward"), function("Back")});
    // A two-click record the catalogue has no name for, as another program may leave it.
    const uint16_t at = KxProtocol::recordAddress(4, 2);
    const uint8_t clicks[16] = {
        0x03, uint8_t(at), uint8_t(at >> 8), 8, 0x99, 0x00, 0x99, 0x80, 0x98, 0x00, 0x98, 0xc0};
    ASSERT_EQ(firmware->setFeatureReport(1, clicks, sizeof clicks, nullptr), 0);
    currSetProfile = {};
    putSettings({{500, 1100, 2400, 3500}, 2, 125, false, true}, &currSetProfile);
    ASSERT_TRUE(KxAction::writeSettingToDevice());
    KxAction::setProfileToDevice(3, false);
    macroListArrs.removeOne(stranger);
    KxAction::forgetKnownRecords();

    const MouseState mouse = readAll();
    const QByteArray set = setupMemory();
    const File file = capture(mouse, QStringLiteral("test"));
    EXPECT_EQ(file.activeProfile, 3);
    EXPECT_EQ(file.profiles[4][2].kind, Button::Kind::Record);
    EXPECT_EQ(file.profiles[4][2].keys, (QList<uint8_t>{0x99, 0x98}));
    EXPECT_EQ(file.profiles[1][4].path, "/usr/bin/true");
    EXPECT_EQ(file.macros.size(), 2); // the same macro once
    const Parsed parsed = parse(serialize(file));
    ASSERT_TRUE(parsed.file) << qPrintable(parsed.error.text());

    // Another mouse, as it leaves the factory; the library as it was.
    ASSERT_TRUE(firmware->loadFlashImage(VirtualMouseFirmware::factoryImage(), nullptr));
    macroListArrs.removeIf([](const auto& m) { return m->isNoDisplay(); });
    KxAction::forgetKnownRecords();
    const MouseState factory = readAll();
    const Resolved resolved = resolve(*parsed.file, 0x1F, true);
    ASSERT_TRUE(resolved.target) << qPrintable(resolved.error.text());
    // The library's macro is used; the one it lacked joins it.
    ASSERT_EQ(resolved.target->newMacros.size(), 1);
    EXPECT_EQ(resolved.target->buttons[0][1]->MacroID, uint32_t(reload->macroId()));
    const KxWriteSession::Outcome outcome =
        KxWriteSession(*library, *resolved.target, factory).run();
    EXPECT_TRUE(outcome.complete()) << qPrintable(outcome.problems.join(' '));
    EXPECT_EQ(setupMemory().toHex(' '), set.toHex(' '));

    // Taken into the files: the profiles hold what the mouse holds, no edit is left.
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_FALSE(library->hasButtonEdits(slot)) << slot;
        EXPECT_FALSE(QFileInfo::exists(journal(slot))) << slot;
        const auto saved = ProfileValue::initWithPath(
            QDir(library->sysProPath()).filePath(QStringLiteral("Default%1.pro").arg(slot + 1)));
        ASSERT_TRUE(saved);
        EXPECT_EQ(settingsOf(saved->profileData()), file.settings) << slot;
        for (int b = 0; b < 5; ++b)
            EXPECT_TRUE(sameButton(saved->profileData().btnInfo[b],
                                   *resolved.target->buttons[size_t(slot)][size_t(b)]))
                << slot << " " << b;
    }
}

TEST_F(SetupMouseTest, AWriteTheMouseStopsTakingStaysJournalledAndOffered) {
    Target target;
    for (size_t slot : {0, 1, 2})
        target.buttons[slot][3] = function(QStringLiteral("F%1").arg(slot + 1));
    target.settings = Settings{{900, 1600, 2400, 3200}, 0, 1000, true, true};
    const MouseState before = readAll();
    takeRead(*library, before);
    KxWriteSession session(*library, target, before);
    ASSERT_TRUE(session.prepare());

    // The second slot's first chunk stalls (after the first slot's chunk and trailer, and the
    // two prepared reads that check them): the write stops there.
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 5}));
    session.transfer();
    const WriteResult& result = session.outcome().result;
    EXPECT_FALSE(result.complete());
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(result.slots[0]->holds(3));
    EXPECT_EQ(result.slots[1]->outcome[3], KxAction::ButtonWriteResult::Outcome::Failed);
    EXPECT_EQ(result.slots[2]->outcome[3], KxAction::ButtonWriteResult::Outcome::NotReached);
    EXPECT_EQ(result.settings, std::optional<bool>(false));
    EXPECT_EQ(problems(target, result, before),
              (QStringList{QStringLiteral("The front side button of profile 2 did not reach the "
                                          "mouse."),
                           QStringLiteral("The front side button of profile 3 did not reach the "
                                          "mouse."),
                           QStringLiteral("The settings (DPI stages, polling rate, lights) did "
                                          "not reach the mouse.")}));
    EXPECT_EQ(firmware->memory(KxProtocol::kAddrStageDpi, 1).at(0), 8); // 800 DPI, as it was

    session.finish(KxWriteSession::Save::Wait, nullptr, {});
    EXPECT_TRUE(session.outcome().buttonsKept);
    // What the mouse took is the profile's; the rest waits, journalled, for the window.
    EXPECT_EQ(library->profileArr()[0]->profileData().btnInfo[3].FuncID,
              target.buttons[0][3]->FuncID);
    EXPECT_FALSE(library->hasButtonEdits(0));
    EXPECT_FALSE(QFileInfo::exists(journal(0)));
    for (int slot : {1, 2}) {
        EXPECT_TRUE(sameButton(library->profileArr()[slot]->profileData().btnInfo[3],
                               (*before.buttons[size_t(slot)])[3]))
            << slot;
        ASSERT_TRUE(library->hasButtonEdits(slot)) << slot;
        EXPECT_TRUE(sameButton((*library->buttonEdits(slot))[3], *target.buttons[size_t(slot)][3]));
        EXPECT_TRUE(QFileInfo::exists(journal(slot))) << slot;
    }
    EXPECT_EQ(settingsOf(library->profileArr()[0]->profileData()), *before.settings);
}

TEST_F(SetupMouseTest, ARecordThatDoesNotReadBackIsNotTaken) {
    Target target;
    target.buttons[0][4] = function("F4");
    const MouseState before = readAll();
    takeRead(*library, before);
    KxWriteSession session(*library, target, before);
    ASSERT_TRUE(session.prepare());
    // The write goes across; the read that checks it does not come back whole: the mouse may
    // hold it or not, and says so.
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Short, FeatureFault::On::Read, 1}));
    session.transfer();
    const WriteResult& result = session.outcome().result;
    EXPECT_EQ(result.slots[0]->outcome[4], KxAction::ButtonWriteResult::Outcome::Unconfirmed);
    EXPECT_FALSE(result.complete());
    session.finish(KxWriteSession::Save::Wait, nullptr, {});
    EXPECT_EQ(session.outcome().problems,
              QStringList{QStringLiteral("The back side button of profile 1 may not have reached "
                                         "the mouse: it stopped answering before they could be "
                                         "read back.")});
    EXPECT_TRUE(
        sameButton(library->profileArr()[0]->profileData().btnInfo[4], (*before.buttons[0])[4]));
    EXPECT_TRUE(library->hasButtonEdits(0));
    EXPECT_TRUE(QFileInfo::exists(journal(0)));
    // Its bytes are no longer taken as known: the next write sends them again.
    log->clear();
    currSetProfile = {};
    for (int b = 0; b < 5; ++b)
        currSetProfile.btnInfo[b] = b == 4 ? *target.buttons[0][4] : (*before.buttons[0])[b];
    currSetProfileID = 0;
    EXPECT_EQ(KxAction::setBtnInfoToDevice().outcome[4],
              KxAction::ButtonWriteResult::Outcome::Written);
}

TEST_F(SetupMouseTest, EditsAnEarlierWriteLeftStayBesideANewOne) {
    const MouseState before = readAll();
    takeRead(*library, before);
    // A window's write of the side buttons that never finished.
    _BTN_INFO pending[5];
    std::copy(before.buttons[0]->begin(), before.buttons[0]->end(), pending);
    pending[3] = function("F9");
    pending[4] = function("F10");
    library->keepButtonEdits(0, pending);
    ASSERT_TRUE(library->journalButtonEdits(0));
    // Another program: only the journal knows them.
    ProfieController again;
    takeRead(again, before);
    ASSERT_EQ(again.restoreJournalledEdits(), QList<int>{0});

    Target target;
    target.buttons[0][2] = function("Mute");
    KxWriteSession session(again, target, before);
    const KxWriteSession::Outcome outcome = session.run();
    ASSERT_TRUE(outcome.result.complete());
    // Only the asked-for button went to the mouse.
    EXPECT_EQ(outcome.result.slots[0]->outcome[3],
              KxAction::ButtonWriteResult::Outcome::AlreadyHeld);
    ASSERT_TRUE(again.hasButtonEdits(0));
    const auto edits = *again.buttonEdits(0);
    EXPECT_TRUE(sameButton(edits[2], *target.buttons[0][2]));
    EXPECT_TRUE(sameButton(edits[3], pending[3]));
    EXPECT_TRUE(sameButton(edits[4], pending[4]));
    EXPECT_TRUE(QFileInfo::exists(journal(0)));
}

TEST_F(SetupMouseTest, ThePlanNamesWhatChangesAndLeavesOutWhatTheMouseHolds) {
    const MouseState before = readAll();
    Target target;
    target.buttons[0][0] = (*before.buttons[0])[0]; // held already
    target.buttons[0][3] = function("F5");
    target.buttons[2][2] = Buttons::keptByMouse(KxFuncTable::kPageUpWin);
    target.settings = *before.settings;
    target.settings->rateHz = 500;
    target.activeProfile = 2;
    QStringList lines;
    for (const Change& change : plan(target, before))
        lines << change.text();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("profile 1 front side button: Back → F5"),
                                  QStringLiteral("profile 3 wheel button: Middle Click → Page "
                                                 "UP(Win) (the mouse keeps what it holds for "
                                                 "this button)"),
                                  QStringLiteral("polling rate: 1000 Hz → 500 Hz"),
                                  QStringLiteral("active profile: 1 → 3")}));

    // The last left click of a profile stays.
    Target noLeft;
    noLeft.buttons[1][0] = function("Back");
    EXPECT_EQ(profilesLosingLeftClick(noLeft, before), QList<int>{1});
    noLeft.buttons[1][1] = function("Left Click");
    EXPECT_TRUE(profilesLosingLeftClick(noLeft, before).isEmpty());
}

} // namespace
