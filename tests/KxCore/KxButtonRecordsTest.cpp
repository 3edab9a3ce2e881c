#include "CapturedLog.h"
#include "DeviceProtocolTest.h"
#include "KxNames.h"

using testing::ElementsAre;
using Outcome = KxAction::ButtonWriteResult::Outcome;
using enum KxSetup::RunMode;

namespace {

// The step bytes and mode bytes expected here are the mouse's numbers written out on purpose:
// they are the independent check of the encoder, which takes its numbers from KxProtocol.
class KxButtonRecordsTest : public DeviceProtocolTest {
protected:
    struct Encoded {
        std::vector<uint8_t> steps;
        uint8_t mode;
        uint8_t count;
    };
    static Encoded encode(const _BTN_INFO& button) {
        uint8_t buffer[KxProtocol::kRecordSize] = {};
        uint32_t length = 0;
        KxAction::getBtnDataInfoBy(button, buffer, &length);
        return {std::vector<uint8_t>(buffer, buffer + length), buffer[KxProtocol::kModeOffset],
                buffer[KxProtocol::kModeOffset + 1]};
    }
    // A library macro of the given steps.
    std::shared_ptr<MacroInfo> macroOf(QList<MacroKeyInfo> steps) {
        auto macro = addMacro(0);
        macro->keyInfoArr() = std::move(steps);
        return macro;
    }
    // Reads slot 0 into the transfer profile, as a new read does.
    static void readSlotZero() {
        currSetProfileID = 0;
        ASSERT_TRUE(KxAction::readBtnInfoFromDevice());
    }
};

TEST_F(KxButtonRecordsTest, KeysFunctionsAndMacrosEncodeAsSteps) {
    const Encoded keys = encode(Buttons::single(KxFuncTable::kKeys, {4, 5}, 0x100));
    EXPECT_THAT(keys.steps, ElementsAre(4, 0x00, 4, 0x80, 5, 0x00, 5, 0xC0));
    EXPECT_EQ(keys.mode, 160);
    EXPECT_TRUE(encode(Buttons::single(KxFuncTable::kKeys, {})).steps.empty());
    EXPECT_THAT(encode(Buttons::launch(2, 3)).steps, ElementsAre(173, 0x40));
    EXPECT_THAT(encode(Buttons::disabled()).steps, ElementsAre(0, 0x40));
    EXPECT_TRUE(encode(Buttons::single(99, {1}, KxFuncId::kMacro)).steps.empty())
        << "unknown tables write nothing";

    // Release, delay (units of 100 ms, at most 63) and last-step bits.
    const auto macro = macroOf({{0, 1, 5000}, {0, 0, 7000}, {0, 0, 99}});
    const Encoded held = encode(Buttons::macro(*macro, Hold));
    EXPECT_THAT(held.steps, ElementsAre(4, 0xB2, 4, 0x3F, 4, 0x40));
    EXPECT_EQ(held.mode, 161);
    _BTN_INFO missing = Buttons::macro(*macro);
    missing.MacroID = 999;
    EXPECT_TRUE(encode(missing).steps.empty());

    // Counts above what the mouse holds run the most.
    EXPECT_EQ(encode(Buttons::macro(*macro, Repeat, 9999)).count, 255);
    EXPECT_EQ(encode(Buttons::macro(*macro, Repeat, 7)).count, 7);

    // A macro keeps its first forty steps.
    const Encoded cut = encode(Buttons::macro(*addMacro(45)));
    ASSERT_EQ(cut.steps.size(), 80u);
    EXPECT_EQ(cut.steps[79] & 0x40, 0x40);
    EXPECT_EQ(cut.steps[77] & 0x40, 0) << "only the fortieth step is the last";
}

// A macro longer than a button's 40 steps loses whole chords and whole press/release pairs from
// its end, and says so: the mouse never ends a macro with a key held down on the computer.
TEST_F(KxButtonRecordsTest, AMacroThatDoesNotFitNeverLeavesAKeyPressed) {
    const auto copy = KxNames::findInsertFunction(QStringLiteral("Copy")).found;
    ASSERT_TRUE(copy) << "the catalogue has Copy, a chord of two keys";
    const MacroKeyInfo insertCopy(copy->functionID(), 2, 0);
    const uint8_t ctrl = KxAction::GetFWKeyCode(copy->KeyBit1());
    const uint8_t c = KxAction::GetFWKeyCode(copy->KeyBit2());

    // 38 recorded steps and Copy inserted last: 42 steps on the mouse. The chord goes whole.
    auto recorded = addMacro(38);
    recorded->keyInfoArr().append(insertCopy);
    ASSERT_EQ(recorded->getMacroCount(), 42u);
    {
        CapturedLog warnings(CapturedLog::kWarnings);
        writeAndReadBack(Buttons::macro(*recorded), 1, 2);
        EXPECT_EQ(warnings.lines().filter(recorded->nameStr()).size(), 1) << warnings.text();
    }
    EXPECT_EQ(held(1, 2).stepCount(), 38);
    EXPECT_TRUE(held(1, 2).leftDown().empty());

    // Copy first, then 38 recorded steps: the chord is whole and the last pair that fits ends it.
    auto chordFirst = addMacro(38);
    chordFirst->keyInfoArr().prepend(insertCopy);
    writeAndReadBack(Buttons::macro(*chordFirst), 1, 3);
    const HeldRecord first = held(1, 3);
    ASSERT_EQ(first.stepCount(), 40);
    EXPECT_EQ(first.steps[0].code, ctrl);
    EXPECT_EQ(first.steps[1].code, c);
    EXPECT_TRUE(first.leftDown().empty());

    // Shift held around 20 taps of A (42 steps): at the cut both Shift and A are held; their
    // presses go with their releases, and the 19 whole taps stay.
    const int32_t shift = 56, a = 0;
    auto shifted = macroOf({{shift, 0, 0}});
    for (int tap = 0; tap < 20; ++tap)
        shifted->keyInfoArr() << MacroKeyInfo(a, 0, 100) << MacroKeyInfo(a, 1, 100);
    shifted->keyInfoArr().append(MacroKeyInfo(shift, 1, 0));
    writeAndReadBack(Buttons::macro(*shifted, Hold), 2, 0);
    const HeldRecord taps = held(2, 0);
    EXPECT_EQ(taps.stepCount(), 38);
    EXPECT_TRUE(taps.leftDown().empty());
    for (const HeldRecord::Step& step : taps.steps)
        EXPECT_EQ(step.code, KxAction::GetFWKeyCode(a));
    EXPECT_EQ(taps.mode, 161) << "the mode is kept";

    // A macro that fits exactly is written whole and logs nothing.
    auto exact = addMacro(36);
    exact->keyInfoArr().append(insertCopy);
    {
        CapturedLog warnings(CapturedLog::kWarnings);
        writeAndReadBack(Buttons::macro(*exact), 3, 1);
        EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.text();
    }
    const HeldRecord whole = held(3, 1);
    ASSERT_EQ(whole.stepCount(), 40);
    EXPECT_EQ(whole.steps[39].code, ctrl) << "the chord's last release ends it";
    EXPECT_TRUE(whole.leftDown().empty());
}

// Each chunk and the mode are followed by the long pause; a record the mouse is known to hold as
// asked is not sent again.
TEST_F(KxButtonRecordsTest, WritingGoesInTwelveByteChunksThenTheModeWithLongPauses) {
    const auto macro = addMacro(13); // 26 bytes: chunks of 12, 12 and 2
    currSetProfile.btnInfo[1] = Buttons::macro(*macro, Repeat, 3);
    currSetProfileID = 2;
    EXPECT_EQ(KxAction::setBtnInfoToDevice().outcome[1], Outcome::Written);
    // Each write as its first four bytes: report id, address, count.
    const auto header = [](int address, int count) {
        return report("SET", {3, address & 0xFF, address >> 8, count}).substr(0, 15);
    };
    std::vector<std::string> writes, pauses;
    for (const auto& line : *log)
        if (line.rfind("pause", 0) == 0)
            pauses.push_back(line);
        else
            writes.push_back(line.substr(0, 15));
    const int address = KxProtocol::recordAddress(2, 1);
    EXPECT_THAT(writes,
                ElementsAre(header(address, 12), header(address + 12, 12), header(address + 24, 2),
                            header(address + KxProtocol::kModeOffset, 2)));
    EXPECT_EQ(pauses, std::vector<std::string>(4, "pause 150000"));
    EXPECT_EQ(held(2, 1).mode, 160);
    EXPECT_EQ(held(2, 1).count, 3);

    log->clear();
    EXPECT_EQ(KxAction::setBtnInfoToDevice().outcome[1], Outcome::AlreadyHeld);
    EXPECT_TRUE(log->empty()) << "the mouse holds it as asked";
    currSetProfile.btnInfo[1].KeyBit[1] = 4;
    EXPECT_EQ(KxAction::setBtnInfoToDevice().outcome[1], Outcome::Written);
    EXPECT_EQ(held(2, 1).count, 4);
}

TEST_F(KxButtonRecordsTest, ButtonsTheMouseOwnsAreNeitherWrittenNorLost) {
    const QByteArray before = record(0, 0);
    currSetProfile.btnInfo[0] = Buttons::keptByMouse(KxFuncTable::kPageDownWin);
    KxAction::setBtnInfoToDevice();
    EXPECT_TRUE(log->empty()) << "table 241 is skipped, and the other four encode to nothing";
    EXPECT_EQ(record(0, 0), before);
    KxAction::getBtnInfoFromDevice();
    EXPECT_EQ(currSetProfile.btnInfo[0].FuncID, KxFuncId::kLeftClick)
        << "reads back as the mouse holds it";
}

TEST_F(KxButtonRecordsTest, LaunchSlotsAndOneStepKeysReadBackAsWhatTheyAre) {
    const _BTN_INFO launch = writeAndReadBack(Buttons::launch(2, 3), 2, 3);
    EXPECT_EQ(record(2, 3).left(2), QByteArray("\xAD\x40", 2));
    EXPECT_EQ(held(2, 3).mode, 160);
    EXPECT_EQ(launch.FuncTableId, KxFuncTable::kLaunch);
    EXPECT_EQ(launch.btnType, KxButtonType::kLaunch);
    EXPECT_EQ(launch.KeyBit[0], 173u);
    EXPECT_STREQ(launch.app_path, "") << "no path kept for the slot";
    const _BTN_INFO last = writeAndReadBack(Buttons::launch(4, 4), 4, 4);
    EXPECT_EQ(last.btnType, KxButtonType::kLaunch) << "the last launch code";
    EXPECT_EQ(last.KeyBit[0], 184u);

    // The mouse holds the slot's code; the path is the one the daemon starts, from the
    // preferences. One that does not fit the record is not cut into another path.
    sysProCon->setLaunchPath(QStringLiteral("/usr/bin/gnome-calculator"), 2, 3);
    EXPECT_STREQ(writeAndReadBack(Buttons::launch(2, 3), 2, 3).app_path,
                 "/usr/bin/gnome-calculator");
    sysProCon->setLaunchPath(QStringLiteral("/") + QString(300, QLatin1Char('a')), 2, 3);
    EXPECT_STREQ(writeAndReadBack(Buttons::launch(2, 3), 2, 3).app_path, "");

    // A key with the last-step bit is a one-step macro, which joins the library hidden.
    const uint8_t oneKey[] = {4, 0x40};
    KxAction::sendWriteReport(KxProtocol::recordAddress(0, 1), oneKey, 2);
    const qsizetype macros = macroListArrs.size();
    readSlotZero();
    const _BTN_INFO& read = currSetProfile.btnInfo[1];
    EXPECT_EQ(read.FuncTableId, KxFuncTable::kMacro);
    ASSERT_EQ(macroListArrs.size(), macros + 1);
    const auto hidden = KxAction::getMacroById(int32_t(read.MacroID));
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(hidden->isNoDisplay());
    ASSERT_EQ(hidden->keyInfoArr().size(), 1);
    EXPECT_EQ(hidden->keyInfoArr()[0].keyCode(), 0);

    // Read again: the same device macro is found, not added twice.
    KxAction::getBtnInfoFromDevice();
    EXPECT_EQ(macroListArrs.size(), macros + 1);
}

TEST_F(KxButtonRecordsTest, RecordedClicksSurviveAWriteAndARead) {
    const auto macro = macroOf({{120, 3, 0}, {120, 4, 200}, {121, 3, 0}, {121, 4, 0}});
    EXPECT_THAT(encode(Buttons::macro(*macro)).steps,
                ElementsAre(153, 0x00, 153, 0x82, 152, 0x00, 152, 0xC0));
    const _BTN_INFO read = writeAndReadBack(Buttons::macro(*macro), 1, 4);
    EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << "matched: flags 3/4 and codes kept";
}

TEST_F(KxButtonRecordsTest, EveryCatalogueFunctionComesBackFromEverySlot) {
    int checked = 0;
    for (const auto& entry : KxNames::buttonFunctions()) {
        SCOPED_TRACE(qPrintable(entry->titleStr()));
        const _BTN_INFO button = KxNames::functionRecord(*entry);
        const _BTN_INFO read = writeAndReadBack(button, checked % 5, (checked / 5) % 5);
        EXPECT_TRUE(sameFunction(read, button));
        ++checked;
    }
    EXPECT_GT(checked, 60);
    EXPECT_TRUE(std::none_of(macroListArrs.begin(), macroListArrs.end(), [](const auto& m) {
        return m->isNoDisplay();
    })) << "no function may come back as an unknown macro";
}

// A macro of the library comes back as itself from every slot, whatever its length, mode and
// count. Only a record that runs once without a count is a function: the same steps in hold or
// toggle mode, or with a count, are the user's macro and must come back as one, or the next
// Apply would write the plain function over it.
TEST_F(KxButtonRecordsTest, MacrosOfEveryLengthAndModeComeBackAsTheLibrarysOwn) {
    const auto functions = KxNames::buttonFunctions();
    const auto letter = std::find_if(functions.begin(), functions.end(), [](const auto& entry) {
        return entry->functionTableID() == int(KxFuncTable::kKeys) && entry->KeyBit1() < 100 &&
               entry->KeyBit2() == 0;
    });
    ASSERT_NE(letter, functions.end()) << "the catalogue has single keys";
    const int32_t key = KxAction::GetKeyCodeByFW(uint8_t((*letter)->KeyBit1()));
    const auto click = macroOf({{120, 3, 0}, {120, 4, 0}});
    const auto keyTap = macroOf({{key, 0, 0}, {key, 1, 0}});
    const std::shared_ptr<MacroInfo> macros[] = {addMacro(1, 1), addMacro(39, 39), addMacro(40, 40),
                                                 click, keyTap};
    struct Run {
        KxSetup::RunMode mode;
        uint32_t count;
        KxSetup::RunMode readMode;
        uint32_t readCount;
    };
    const Run runs[] = {
        {Once, 0, Once, 0},     {Repeat, 0, Once, 0},       {Repeat, 1, Once, 1},
        {Repeat, 5, Repeat, 5}, {Repeat, 255, Repeat, 255}, {Repeat, 9999, Repeat, 255},
        {Hold, 0, Hold, 0},     {Toggle, 0, Toggle, 0},     {Toggle, 9, Toggle, 9}};
    const qsizetype librarySize = macroListArrs.size();
    int n = 0;
    for (const auto& macro : macros) {
        for (const Run& run : runs) {
            SCOPED_TRACE(testing::Message() << macro->getMacroCount() << " steps, mode "
                                            << int(run.mode) << ", count " << run.count);
            const _BTN_INFO read =
                writeAndReadBack(Buttons::macro(*macro, run.mode, run.count), n % 5, (n / 5) % 5);
            ++n;
            EXPECT_EQ(macroListArrs.size(), librarySize) << "nothing new joins the library";
            if ((macro == click || macro == keyTap) && run.readMode == Once && !run.readCount) {
                EXPECT_EQ(read.FuncTableId, KxFuncTable::kKeys) << "the function itself";
                continue;
            }
            EXPECT_EQ(read.FuncTableId, KxFuncTable::kMacro);
            EXPECT_EQ(read.MacroID, uint32_t(macro->macroId()));
            EXPECT_EQ(read.KeyBit[0], uint32_t(run.readMode));
            EXPECT_EQ(read.KeyBit[1], run.readCount);
        }
    }
    // 41 steps do not fit: the mouse holds the first 40, which is what this macro writes, so
    // the button still names it.
    const auto tooLong = addMacro(41);
    const _BTN_INFO read = writeAndReadBack(Buttons::macro(*tooLong), 4, 4);
    EXPECT_EQ(KxAction::getMacroById(int32_t(read.MacroID)), tooLong);
}

// The library's macro is the one whose record the mouse holds byte for byte: delays (at the
// mouse's 100 ms) and inserted chords count, so of two macros that differ only there neither
// takes the other's button; a record like none of them joins the library hidden, delays kept.
TEST_F(KxButtonRecordsTest, ARecordIsTheLibrarysMacroOnlyWhenItsEveryByteIs) {
    const auto quick = addMacro(6);
    auto slow = std::make_shared<MacroInfo>(*quick);
    slow->setMacroId(KxAction::getNewMacorId());
    for (MacroKeyInfo& step : slow->keyInfoArr())
        step.setDelay(step.delay() + 200);
    macroListArrs.append(slow);
    // 30 ms more is the same to the mouse: 100 ms steps.
    auto alike = std::make_shared<MacroInfo>(*slow);
    alike->setMacroId(KxAction::getNewMacorId());
    for (MacroKeyInfo& step : alike->keyInfoArr())
        step.setDelay(step.delay() + 30);
    macroListArrs.append(alike);
    EXPECT_EQ(writeAndReadBack(Buttons::macro(*slow), 0, 1).MacroID, uint32_t(slow->macroId()));
    EXPECT_EQ(writeAndReadBack(Buttons::macro(*quick), 0, 2).MacroID, uint32_t(quick->macroId()));

    macroListArrs.removeAll(slow);
    macroListArrs.removeAll(alike);
    writeAndReadBack(Buttons::macro(*quick), 0, 3);
    // Only quick is left: a record of slow's delays is none of the library's.
    const uint8_t slower[] = {uint8_t(record(0, 3)[0]), 0x05};
    KxAction::sendWriteReport(KxProtocol::recordAddress(0, 3), slower, 2);
    KxAction::getBtnInfoFromDevice();
    const auto hidden = KxAction::getMacroById(int32_t(currSetProfile.btnInfo[3].MacroID));
    ASSERT_TRUE(hidden);
    EXPECT_NE(hidden, quick);
    EXPECT_TRUE(hidden->isNoDisplay());
    EXPECT_EQ(hidden->keyInfoArr()[0].delay(), 500);
}

// Quick taps (0 ms) press and release each key in turn, the shape of a key sequence; four of
// them need more than the first chunk, and only the bytes the mouse gave may be looked at.
TEST_F(KxButtonRecordsTest, QuickTapsOfThreeAndFourKeysComeBackAsTheirMacro) {
    for (int keys : {3, 4}) {
        const auto macro = macroOf({});
        for (int k = 0; k < keys; ++k) {
            const int32_t code = KxAction::GetKeyCodeByFW(uint8_t(30 + k)); // the digits 1..4
            macro->keyInfoArr() << MacroKeyInfo(code, 0, 0) << MacroKeyInfo(code, 1, 0);
        }
        const _BTN_INFO read = writeAndReadBack(Buttons::macro(*macro), 1, 2);
        EXPECT_EQ(read.FuncTableId, KxFuncTable::kMacro) << keys << " taps";
        EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << keys << " taps";
    }
    // A four-key sequence written as a function: read from two chunks, not past the first.
    const _BTN_INFO sequence =
        writeAndReadBack(Buttons::single(KxFuncTable::kKeys, {30, 31, 32, 33}), 0, 3);
    const auto kept = KxAction::getMacroById(int32_t(sequence.MacroID));
    ASSERT_TRUE(kept) << "no catalogue entry has these four keys: a macro";
    EXPECT_EQ(kept->keyInfoArr().size(), 8);
}

TEST_F(KxButtonRecordsTest, ARecordReadsAsTheSameButtonOnceWrittenBack) {
    // A middle click's key sequence behind a mode byte this program never writes: the reader
    // takes an unknown mode as "once", as the macro reader does, so the record is the function
    // before and after it is written back, not a macro that turns into the function.
    const uint8_t click[] = {0x97, 0x00, 0x97, 0xC0};
    const uint8_t modeAndCount[] = {0x00, 0x00};
    KxAction::sendWriteReport(KxProtocol::recordAddress(0, 2), click, sizeof click);
    KxAction::sendWriteReport(KxProtocol::recordAddress(0, 2) + KxProtocol::kModeOffset,
                              modeAndCount, sizeof modeAndCount);
    readSlotZero();
    const _BTN_INFO read = currSetProfile.btnInfo[2];
    EXPECT_EQ(read.FuncTableId, KxFuncTable::kKeys);
    EXPECT_EQ(read.KeyBit[0], 0x97u);

    KxAction::forgetKnownRecords();
    ASSERT_TRUE(KxAction::setBtnInfoToDevice().complete());
    readSlotZero();
    EXPECT_TRUE(sameFunction(currSetProfile.btnInfo[2], read));
    EXPECT_EQ(currSetProfile.btnInfo[2].MacroID, read.MacroID);
}

// A record read from the mouse joins the library once: every later read finds that macro again,
// and writing it back gives the mouse its bytes. The key table is not one to one (185 has no
// desktop key, 228 reads as the key that is written as 231), and another program may fill the
// forty steps without marking the last, which the mouse reads alike.
TEST_F(KxButtonRecordsTest, AMacroRecordReadIsTheSameMacroAtEveryReadAndWritesBackAsItWas) {
    std::vector<std::vector<uint8_t>> steps = {
        {185, 0x00, 185, 0xC0},
        {228, 0x00, 4, 0x02, 4, 0x80, 228, 0xC0},
        {185, 0x40},
        {},
    };
    for (int i = 0; i < 40; ++i)
        steps[3].insert(steps[3].end(), {uint8_t(i % 2 ? 185 : 4), uint8_t(i % 2 ? 0x81 : 0x01)});
    const auto write = [](uint32_t button, const QByteArray& bytes, int size) {
        for (int at = 0; at < size; at += KxProtocol::kChunkSize)
            KxAction::sendWriteReport(KxProtocol::recordAddress(0, button) + at,
                                      reinterpret_cast<const uint8_t*>(bytes.constData()) + at,
                                      uint32_t(std::min(KxProtocol::kChunkSize, size - at)));
    };
    for (uint32_t index = 0; index < steps.size(); ++index) {
        SCOPED_TRACE(testing::Message() << "record " << index);
        QByteArray bytes(KxProtocol::kRecordSize, 0);
        std::copy(steps[index].begin(), steps[index].end(), bytes.begin());
        bytes[KxProtocol::kModeOffset] = char(KxProtocol::kModeOnce); // run a count of times:
        bytes[KxProtocol::kModeOffset + 1] = 3;                       // three
        write(index, bytes, KxProtocol::kRecordSize);
        ASSERT_EQ(record(0, index), bytes);

        readSlotZero();
        const uint32_t first = currSetProfile.btnInfo[index].MacroID;
        ASSERT_TRUE(KxAction::getMacroById(int32_t(first)));
        const qsizetype librarySize = macroListArrs.size();
        for (int read = 2; read <= 3; ++read) {
            KxAction::forgetKnownRecords();
            readSlotZero();
            EXPECT_EQ(currSetProfile.btnInfo[index].MacroID, first) << "read " << read;
            EXPECT_EQ(macroListArrs.size(), librarySize) << "read " << read;
        }

        // Written back over a cleared record: the same bytes, the forty-step record with its
        // last step marked.
        write(index, QByteArray(KxProtocol::kRecordSize, 0), KxProtocol::kChunkSize);
        KxAction::forgetKnownRecords();
        for (auto& b : currSetProfile.btnInfo)
            if (&b != &currSetProfile.btnInfo[index])
                b = Buttons::keptByMouse();
        ASSERT_TRUE(KxAction::setBtnInfoToDevice().complete());
        QByteArray expected = bytes;
        if (index == 3)
            expected[79] = char(expected[79] | 0x40);
        EXPECT_EQ(record(0, index).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
    }
}

} // namespace
