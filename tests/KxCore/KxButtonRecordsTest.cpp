#include "DeviceProtocolTest.h"
#include "HvTreeNode.h"

#include <map>

using testing::ElementsAre;

namespace {

class KxButtonRecordsTest : public DeviceProtocolTest {
protected:
    struct Encoded {
        std::vector<uint8_t> steps;
        uint8_t mode;
        uint8_t count;
    };
    static Encoded encode(const _BTN_INFO& button) {
        uint8_t buffer[82] = {};
        uint32_t length = 0;
        KxAction::getBtnDataInfoBy(button, buffer, &length);
        return {std::vector<uint8_t>(buffer, buffer + length), buffer[80], buffer[81]};
    }
    static _BTN_INFO single(uint32_t id, uint32_t table, std::initializer_list<uint32_t> keys) {
        _BTN_INFO button{};
        button.FuncID = id;
        button.FuncTableId = table;
        button.btnType = table == 15 ? 3 : 1;
        std::copy(keys.begin(), keys.end(), button.KeyBit);
        return button;
    }
};

TEST_F(KxButtonRecordsTest, KeysAndFunctionsEncodeAsSteps) {
    const Encoded keys = encode(single(0x100, 2, {4, 5}));
    EXPECT_THAT(keys.steps, ElementsAre(4, 0x00, 4, 0x80, 5, 0x00, 5, 0xC0));
    EXPECT_EQ(keys.mode, 160);
    EXPECT_TRUE(encode(single(0, 2, {})).steps.empty());
    EXPECT_THAT(encode(single(15, 15, {173})).steps, ElementsAre(173, 0x40));
    EXPECT_THAT(encode(single(255, 255, {0})).steps, ElementsAre(0, 0x40));
    EXPECT_TRUE(encode(single(6, 99, {1})).steps.empty()) << "unknown tables write nothing";
}

TEST_F(KxButtonRecordsTest, MacroStepsCarryReleaseDelayAndLastBits) {
    auto macro = std::make_shared<MacroInfo>();
    macro->setMacroId(KxAction::getNewMacorId());
    macro->keyInfoArr() = {MacroKeyInfo(0, 1, 5000), MacroKeyInfo(0, 0, 7000),
                           MacroKeyInfo(0, 0, 99)};
    macroListArrs.append(macro);
    const Encoded e = encode(macroButton(*macro, 2, 0));
    EXPECT_THAT(e.steps, ElementsAre(4, 0xB2, 4, 0x3F, 4, 0x40));
    EXPECT_EQ(e.mode, 161);

    _BTN_INFO missing = macroButton(*macro, 0, 0);
    missing.MacroID = 999;
    EXPECT_TRUE(encode(missing).steps.empty());
}

TEST_F(KxButtonRecordsTest, AMacroKeepsItsFirstFortySteps) {
    const auto macro = addMacro(45);
    const Encoded e = encode(macroButton(*macro, 0, 0));
    ASSERT_EQ(e.steps.size(), 80u);
    EXPECT_EQ(e.steps[79] & 0x40, 0x40);
    EXPECT_EQ(e.steps[77] & 0x40, 0) << "only the fortieth step is the last";
}

// The keys (and mouse buttons) a record leaves pressed when the mouse plays it to its last step.
std::map<uint8_t, int> leftDown(const QByteArray& record) {
    std::map<uint8_t, int> down;
    for (int step = 0; step < 40; ++step) {
        const uint8_t code = uint8_t(record.at(2 * step));
        const uint8_t flags = uint8_t(record.at(2 * step + 1));
        if (!(flags & 0x80))
            ++down[code];
        else if (down[code] > 0)
            --down[code];
        if (flags & 0x40)
            break;
    }
    std::erase_if(down, [](const auto& key) { return key.second == 0; });
    return down;
}

// The number of steps up to and with the one carrying the last-step bit; 0 when none does.
int stepCount(const QByteArray& record) {
    for (int step = 0; step < 40; ++step)
        if (record.at(2 * step + 1) & 0x40)
            return step + 1;
    return 0;
}

// The warnings logged while it lives.
class Warnings {
public:
    Warnings() {
        lines().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtWarningMsg)
                    lines() << text;
            });
    }
    ~Warnings() { qInstallMessageHandler(previous_); }
    static QStringList& lines() {
        static QStringList seen;
        return seen;
    }

private:
    QtMessageHandler previous_;
};

// A macro longer than a button's 40 steps loses whole chords and whole press/release pairs from
// its end, and says so: the mouse never ends a macro with a key held down on the computer.
TEST_F(KxButtonRecordsTest, AMacroThatDoesNotFitNeverLeavesAKeyPressed) {
    std::shared_ptr<MenuInfo> copy;
    for (const auto& node : macroInsertMenuNode->children()) {
        auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData());
        if (entry && entry->titleStr() == "Copy")
            copy = entry;
    }
    ASSERT_TRUE(copy) << "the catalogue has Copy, a chord of two keys";
    const uint8_t ctrl = KxAction::GetFWKeyCode(copy->KeyBit1());
    const uint8_t c = KxAction::GetFWKeyCode(copy->KeyBit2());

    // 38 recorded steps and Copy inserted last: 42 steps on the mouse. The chord goes whole.
    auto recorded = addMacro(38);
    recorded->keyInfoArr().append(MacroKeyInfo(copy->functionID(), 2, 0));
    ASSERT_EQ(recorded->getMacroCount(), 42u);
    {
        Warnings warnings;
        writeAndReadBack(macroButton(*recorded, 0, 0), 1, 2);
        const QStringList said = warnings.lines().filter(recorded->nameStr());
        EXPECT_EQ(said.size(), 1) << qPrintable(warnings.lines().join('\n'));
    }
    EXPECT_EQ(stepCount(record(1, 2)), 38);
    EXPECT_TRUE(leftDown(record(1, 2)).empty());

    // Copy first, then 38 recorded steps: the chord is whole and the last pair that fits ends it.
    auto chordFirst = addMacro(38);
    chordFirst->keyInfoArr().prepend(MacroKeyInfo(copy->functionID(), 2, 0));
    writeAndReadBack(macroButton(*chordFirst, 0, 0), 1, 3);
    const QByteArray first = record(1, 3);
    EXPECT_EQ(stepCount(first), 40);
    EXPECT_EQ(uint8_t(first.at(0)), ctrl);
    EXPECT_EQ(uint8_t(first.at(2)), c);
    EXPECT_TRUE(leftDown(first).empty());

    // Shift held around 20 taps of A (42 steps): at the cut both Shift and A are held; their
    // presses go with their releases, and the 19 whole taps stay.
    auto held = std::make_shared<MacroInfo>();
    held->setMacroId(KxAction::getNewMacorId());
    held->setNameStr(QStringLiteral("Held"));
    const int32_t shift = 56, a = 0;
    held->keyInfoArr().append(MacroKeyInfo(shift, 0, 0));
    for (int tap = 0; tap < 20; ++tap)
        held->keyInfoArr() << MacroKeyInfo(a, 0, 100) << MacroKeyInfo(a, 1, 100);
    held->keyInfoArr().append(MacroKeyInfo(shift, 1, 0));
    macroListArrs.append(held);
    writeAndReadBack(macroButton(*held, 2, 0), 2, 0);
    const QByteArray taps = record(2, 0);
    EXPECT_EQ(stepCount(taps), 38);
    EXPECT_TRUE(leftDown(taps).empty());
    for (int step = 0; step < 38; ++step)
        EXPECT_EQ(uint8_t(taps.at(2 * step)), KxAction::GetFWKeyCode(a)) << "step " << step;
    EXPECT_EQ(uint8_t(taps.at(80)), 161) << "the mode is kept";

    // A macro that fits exactly is written whole and logs nothing.
    auto exact = addMacro(36);
    exact->keyInfoArr().append(MacroKeyInfo(copy->functionID(), 2, 0));
    {
        Warnings warnings;
        writeAndReadBack(macroButton(*exact, 0, 0), 3, 1);
        EXPECT_TRUE(warnings.lines().isEmpty()) << qPrintable(warnings.lines().join('\n'));
    }
    const QByteArray whole = record(3, 1);
    EXPECT_EQ(stepCount(whole), 40);
    EXPECT_EQ(uint8_t(whole.at(78)), ctrl) << "the chord's last release ends it";
    EXPECT_TRUE(leftDown(whole).empty());
}

TEST_F(KxButtonRecordsTest, CountsAboveWhatTheMouseHoldsRunTheMost) {
    const auto macro = addMacro(3);
    EXPECT_EQ(encode(macroButton(*macro, 1, 9999)).count, 255);
    EXPECT_EQ(encode(macroButton(*macro, 1, 7)).count, 7);
}

TEST_F(KxButtonRecordsTest, WritingGoesInTwelveByteChunksThenTheModeWithLongPauses) {
    const auto macro = addMacro(13); // 26 bytes: chunks of 12, 12 and 2
    currSetProfile = {};
    currSetProfile.btnInfo[1] = macroButton(*macro, 1, 3);
    currSetProfileID = 2;
    KxAction::setBtnInfoToDevice();
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
    const int address = 16 + 410 * 2 + 82;
    EXPECT_THAT(writes, ElementsAre(header(address, 12), header(address + 12, 12),
                                    header(address + 24, 2), header(address + 80, 2)));
    EXPECT_EQ(pauses, std::vector<std::string>(4, "pause 150000"));
    EXPECT_EQ(record(2, 1).at(80), char(160));
    EXPECT_EQ(record(2, 1).at(81), 3);
}

TEST_F(KxButtonRecordsTest, ButtonsTheMouseOwnsAreNeitherWrittenNorLost) {
    const QByteArray before = record(0, 0);
    currSetProfile = {};
    currSetProfile.btnInfo[0] = single(241, 241, {156});
    currSetProfileID = 0;
    KxAction::setBtnInfoToDevice();
    EXPECT_TRUE(log->empty()) << "table 241 is skipped, and the other four encode to nothing";
    EXPECT_EQ(record(0, 0), before);
    KxAction::getBtnInfoFromDevice();
    EXPECT_EQ(currSetProfile.btnInfo[0].FuncID, 1u) << "reads back as the mouse holds it";
}

TEST_F(KxButtonRecordsTest, LaunchSlotsAndOneStepKeysReadBackAsWhatTheyAre) {
    const _BTN_INFO launch = writeAndReadBack(single(15, 15, {173}), 2, 3);
    EXPECT_THAT(record(2, 3).left(2).toStdString(), testing::StrEq("\xAD\x40"));
    EXPECT_EQ(record(2, 3).at(80), char(160));
    EXPECT_EQ(launch.FuncTableId, 15u);
    EXPECT_EQ(launch.btnType, 3u);
    EXPECT_EQ(launch.KeyBit[0], 173u);
    EXPECT_STREQ(launch.app_path, "") << "no path kept for the slot";

    // The mouse holds the slot's code; the path is the one the daemon starts, from the
    // preferences. One that does not fit the record is not cut into another path.
    sysProCon->setLaunchPath(QStringLiteral("/usr/bin/gnome-calculator"), 2, 3);
    EXPECT_STREQ(writeAndReadBack(single(15, 15, {173}), 2, 3).app_path,
                 "/usr/bin/gnome-calculator");
    sysProCon->setLaunchPath(QStringLiteral("/") + QString(300, QLatin1Char('a')), 2, 3);
    EXPECT_STREQ(writeAndReadBack(single(15, 15, {173}), 2, 3).app_path, "");

    // A key with the last-step bit is a one-step macro, which joins the library hidden.
    const uint8_t oneKey[] = {4, 0x40};
    KxAction::sendWriteReport(16 + 82, oneKey, 2);
    const qsizetype macros = macroListArrs.size();
    currSetProfileID = 0;
    KxAction::getBtnInfoFromDevice();
    const _BTN_INFO& read = currSetProfile.btnInfo[1];
    EXPECT_EQ(read.FuncTableId, 6u);
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
    auto macro = std::make_shared<MacroInfo>();
    macro->setMacroId(KxAction::getNewMacorId());
    macro->keyInfoArr() = {MacroKeyInfo(120, 3, 0), MacroKeyInfo(120, 4, 200),
                           MacroKeyInfo(121, 3, 0), MacroKeyInfo(121, 4, 0)};
    macroListArrs.append(macro);
    EXPECT_THAT(encode(macroButton(*macro, 0, 0)).steps,
                ElementsAre(153, 0x00, 153, 0x82, 152, 0x00, 152, 0xC0));
    const _BTN_INFO read = writeAndReadBack(macroButton(*macro, 0, 0), 1, 4);
    EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << "matched: flags 3/4 and codes kept";
}

TEST_F(KxButtonRecordsTest, EveryCatalogueFunctionComesBackFromEverySlot) {
    int checked = 0;
    for (const auto& node : singleMenuNode->children()) {
        const auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData());
        if (!entry || entry->type() == MenuInfo::kTypeHeading)
            continue;
        const _BTN_INFO button = single(entry->functionID(), entry->functionTableID(),
                                        {uint32_t(entry->KeyBit1()), uint32_t(entry->KeyBit2()),
                                         uint32_t(entry->KeyBit3()), uint32_t(entry->KeyBit4())});
        const uint32_t slot = checked % 5, index = (checked / 5) % 5;
        const _BTN_INFO read = writeAndReadBack(button, slot, index);
        EXPECT_EQ(read.FuncID, button.FuncID) << qPrintable(entry->titleStr());
        EXPECT_EQ(read.FuncTableId, button.FuncTableId) << qPrintable(entry->titleStr());
        EXPECT_EQ(std::vector<uint32_t>(read.KeyBit, read.KeyBit + 4),
                  std::vector<uint32_t>(button.KeyBit, button.KeyBit + 4))
            << qPrintable(entry->titleStr());
        ++checked;
    }
    EXPECT_GT(checked, 60);
    EXPECT_TRUE(std::none_of(macroListArrs.begin(), macroListArrs.end(), [](const auto& m) {
        return m->isNoDisplay();
    })) << "no function may come back as an unknown macro";
}

TEST_F(KxButtonRecordsTest, MacrosOfEveryLengthAndModeComeBackAsTheLibrarysOwn) {
    struct Mode {
        uint32_t mode, count, readMode, readCount;
    };
    const Mode modes[] = {{0, 0, 0, 0},      {1, 0, 0, 0}, {1, 1, 0, 1}, {1, 255, 1, 255},
                          {1, 9999, 1, 255}, {2, 0, 2, 0}, {3, 0, 3, 0}};
    int n = 0;
    for (int steps : {1, 39, 40}) {
        const auto macro = addMacro(steps, steps);
        const qsizetype librarySize = macroListArrs.size();
        for (const Mode& m : modes) {
            const uint32_t slot = n % 5, index = (n / 5) % 5;
            const _BTN_INFO read =
                writeAndReadBack(macroButton(*macro, m.mode, m.count), slot, index);
            EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << steps << " steps";
            EXPECT_EQ(read.KeyBit[0], m.readMode) << steps << " steps, mode " << m.mode;
            EXPECT_EQ(read.KeyBit[1], m.readCount) << "count " << m.count;
            EXPECT_EQ(macroListArrs.size(), librarySize) << "nothing new joins the library";
            ++n;
        }
    }
    // 41 steps do not fit: the mouse holds the first 40, which is what this macro writes, so
    // the button still names it.
    const auto tooLong = addMacro(41);
    const _BTN_INFO read = writeAndReadBack(macroButton(*tooLong, 0, 0), 4, 4);
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
    EXPECT_EQ(writeAndReadBack(macroButton(*slow, 0, 0), 0, 1).MacroID, uint32_t(slow->macroId()));
    EXPECT_EQ(writeAndReadBack(macroButton(*quick, 0, 0), 0, 2).MacroID,
              uint32_t(quick->macroId()));

    macroListArrs.removeAll(slow);
    macroListArrs.removeAll(alike);
    writeAndReadBack(macroButton(*quick, 0, 0), 0, 3);
    // Only quick is left: a record of slow's delays is none of the library's.
    const uint8_t slower[] = {uint8_t(record(0, 3)[0]), 0x05};
    KxAction::sendWriteReport(uint16_t(16 + 82 * 3), slower, 2);
    currSetProfile = {};
    currSetProfileID = 0;
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
        auto macro = std::make_shared<MacroInfo>();
        macro->setMacroId(KxAction::getNewMacorId());
        for (int k = 0; k < keys; ++k) {
            const int32_t code = KxAction::GetKeyCodeByFW(uint8_t(30 + k)); // the digits 1..4
            macro->keyInfoArr() << MacroKeyInfo(code, 0, 0) << MacroKeyInfo(code, 1, 0);
        }
        macroListArrs.append(macro);
        const _BTN_INFO read = writeAndReadBack(macroButton(*macro, 0, 0), 1, 2);
        EXPECT_EQ(read.FuncTableId, 6u) << keys << " taps";
        EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << keys << " taps";
    }
    // A four-key sequence written as a function: read from two chunks, not past the first.
    const _BTN_INFO sequence = writeAndReadBack(single(0, 2, {30, 31, 32, 33}), 0, 3);
    const auto kept = KxAction::getMacroById(int32_t(sequence.MacroID));
    ASSERT_TRUE(kept) << "no catalogue entry has these four keys: a macro";
    EXPECT_EQ(kept->keyInfoArr().size(), 8);
}

// Only a record that runs once without a count is a function; the same steps in hold or toggle
// mode, or with a count, are the user's macro and must come back as one, or the next Apply
// would write the plain function over it.
TEST_F(KxButtonRecordsTest, AMacroShapedLikeAFunctionKeepsItsModeAndCount) {
    std::shared_ptr<MenuInfo> letter;
    for (const auto& node : singleMenuNode->children()) {
        const auto entry = std::dynamic_pointer_cast<MenuInfo>(node->nodeData());
        if (entry && entry->functionTableID() == 2 && entry->KeyBit1() < 100 &&
            entry->KeyBit2() == 0) {
            letter = entry;
            break;
        }
    }
    ASSERT_TRUE(letter) << "the catalogue has single keys";
    const int32_t key = KxAction::GetKeyCodeByFW(uint8_t(letter->KeyBit1()));
    auto click = std::make_shared<MacroInfo>();
    click->setMacroId(KxAction::getNewMacorId());
    click->keyInfoArr() = {MacroKeyInfo(120, 3, 0), MacroKeyInfo(120, 4, 0)};
    auto keyTap = std::make_shared<MacroInfo>();
    keyTap->setMacroId(click->macroId() + 1);
    keyTap->keyInfoArr() = {MacroKeyInfo(key, 0, 0), MacroKeyInfo(key, 1, 0)};
    macroListArrs << click << keyTap;

    struct Case {
        uint32_t mode, count, readMode, readCount;
    };
    int n = 0;
    for (const auto& macro : {click, keyTap}) {
        for (const Case c : {Case{2, 0, 2, 0}, Case{3, 0, 3, 0}, Case{1, 5, 1, 5}, Case{1, 1, 0, 1},
                             Case{3, 9, 3, 9}}) {
            const _BTN_INFO read =
                writeAndReadBack(macroButton(*macro, c.mode, c.count), n % 5, (n / 5) % 5);
            ++n;
            EXPECT_EQ(read.FuncTableId, 6u) << "mode " << c.mode << ", count " << c.count;
            EXPECT_EQ(read.MacroID, uint32_t(macro->macroId()));
            EXPECT_EQ(read.KeyBit[0], c.readMode);
            EXPECT_EQ(read.KeyBit[1], c.readCount);
        }
        // Run once without a count, the steps are the function itself.
        const _BTN_INFO once = writeAndReadBack(macroButton(*macro, 0, 0), 4, 4);
        EXPECT_EQ(once.FuncTableId, 2u);
    }
}

TEST_F(KxButtonRecordsTest, ARecordReadsAsTheSameButtonOnceWrittenBack) {
    // A middle click's key sequence behind a mode byte this program never writes: the reader
    // takes an unknown mode as "once", as the macro reader does, so the record is the function
    // before and after it is written back, not a macro that turns into the function.
    const uint8_t click[] = {0x97, 0x00, 0x97, 0xC0};
    const uint8_t modeAndCount[] = {0x00, 0x00};
    KxAction::sendWriteReport(16 + 2 * 82, click, sizeof click);
    KxAction::sendWriteReport(16 + 2 * 82 + 80, modeAndCount, sizeof modeAndCount);
    currSetProfileID = 0;
    ASSERT_TRUE(KxAction::readBtnInfoFromDevice());
    const _BTN_INFO read = currSetProfile.btnInfo[2];
    EXPECT_EQ(read.FuncTableId, 2u);
    EXPECT_EQ(read.KeyBit[0], 0x97u);

    KxAction::forgetKnownRecords();
    const KxAction::ButtonWriteResult written = KxAction::setBtnInfoToDevice();
    ASSERT_TRUE(written.complete());
    ASSERT_TRUE(KxAction::readBtnInfoFromDevice());
    EXPECT_EQ(currSetProfile.btnInfo[2].FuncTableId, read.FuncTableId);
    EXPECT_EQ(currSetProfile.btnInfo[2].KeyBit[0], read.KeyBit[0]);
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
    for (size_t index = 0; index < steps.size(); ++index) {
        SCOPED_TRACE(testing::Message() << "record " << index);
        QByteArray bytes(82, 0);
        std::copy(steps[index].begin(), steps[index].end(), bytes.begin());
        bytes[80] = char(KxAction::getMacroType(1)); // run a count of times:
        bytes[81] = 3;                               // three
        for (int at = 0; at < 82; at += 12)
            KxAction::sendWriteReport(uint16_t(16 + 82 * index + at),
                                      reinterpret_cast<const uint8_t*>(bytes.constData()) + at,
                                      uint32_t(std::min(12, 82 - at)));
        ASSERT_EQ(record(0, uint32_t(index)), bytes);

        currSetProfileID = 0;
        ASSERT_TRUE(KxAction::readBtnInfoFromDevice());
        const uint32_t first = currSetProfile.btnInfo[index].MacroID;
        ASSERT_TRUE(KxAction::getMacroById(int32_t(first)));
        const qsizetype librarySize = macroListArrs.size();
        for (int read = 2; read <= 3; ++read) {
            KxAction::forgetKnownRecords();
            ASSERT_TRUE(KxAction::readBtnInfoFromDevice());
            EXPECT_EQ(currSetProfile.btnInfo[index].MacroID, first) << "read " << read;
            EXPECT_EQ(macroListArrs.size(), librarySize) << "read " << read;
        }

        // Written back over a cleared record: the same bytes, the forty-step record with its
        // last step marked.
        const QByteArray cleared(82, 0);
        KxAction::sendWriteReport(uint16_t(16 + 82 * index),
                                  reinterpret_cast<const uint8_t*>(cleared.constData()), 12);
        KxAction::forgetKnownRecords();
        for (auto& b : currSetProfile.btnInfo)
            if (&b != &currSetProfile.btnInfo[index])
                b.FuncTableId = 240; // left as the mouse holds them
        ASSERT_TRUE(KxAction::setBtnInfoToDevice().complete());
        QByteArray expected = bytes;
        if (index == 3)
            expected[79] = char(expected[79] | 0x40);
        EXPECT_EQ(record(0, uint32_t(index)).toHex(' ').toStdString(),
                  expected.toHex(' ').toStdString());
    }
}

} // namespace
