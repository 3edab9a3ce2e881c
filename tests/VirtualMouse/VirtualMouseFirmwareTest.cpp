// The emulated firmware byte by byte. Its addresses, report ids and codes stay literal numbers
// here: they are the independent reading of the mouse that the host's protocol header is checked
// against, so they must not be taken from it.
#include "VirtualMouseFirmware.h"
#include "RequestPacing.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {
using Fw = VirtualMouseFirmware;

const Fw::State kFactory{1, 0, 8, 0, true, true, false};

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

int set(Fw& fw, const QByteArray& report, size_t* done = nullptr) {
    size_t ignored = 0;
    return fw.setFeatureReport(1, reinterpret_cast<const uint8_t*>(report.constData()),
                               report.size(), done ? done : &ignored);
}

int write(Fw& fw, uint16_t address, const QByteArray& data, int count = -1) {
    QByteArray report =
        bytes({3, address & 0xFF, address >> 8, count < 0 ? int(data.size()) : count}) + data;
    report.resize(16, '\0');
    return set(fw, report);
}

// Prepare read, then fetch; the whole 16-byte response.
QByteArray readResponse(Fw& fw, uint16_t address, int count) {
    EXPECT_EQ(set(fw, bytes({4, address & 0xFF, address >> 8, count})), 0);
    QByteArray response = bytes({4}) + QByteArray(15, '\0');
    size_t done = 0;
    EXPECT_EQ(fw.getFeatureReport(1, reinterpret_cast<uint8_t*>(response.data()), 16, &done), 0);
    EXPECT_EQ(done, 16u);
    return response;
}

QByteArray read(Fw& fw, uint16_t address, int count) {
    return readResponse(fw, address, count).mid(4, count);
}

Fw::InputReport event(int kind, int code = 0) {
    return {1, bytes({2, kind, 0, code, 0, 0, 0, 0})};
}

Fw::InputReport pointer(int buttons) {
    return {0, bytes({1, buttons, 0, 0, 0, 0, 0, 0})};
}
} // namespace

TEST(VirtualMouseFirmware, FactoryStateOfEveryRecordAndTheSettingsBlock) {
    Fw fw;
    const QByteArray steps[5] = {bytes({153, 0, 153, 0xC0}), bytes({152, 0, 152, 0xC0}),
                                 bytes({151, 0, 151, 0xC0}), bytes({192, 0x40}),
                                 bytes({193, 0x40})};
    for (int p = 0; p < 5; ++p) {
        for (int b = 0; b < 5; ++b) {
            QByteArray expected = steps[b];
            expected.resize(80, '\0');
            expected += bytes({160, 0});
            EXPECT_EQ(fw.memory(16 + 410 * p + 82 * b, 82), expected)
                << "profile " << p << " button " << b;
        }
    }
    EXPECT_EQ(fw.memory(5, 7), bytes({0x20, 0, 0x30, 8, 16, 24, 32}));
    EXPECT_EQ(fw.state(), kFactory);
    // Nothing but the records and the block is set.
    EXPECT_EQ(fw.memory(0, 5), QByteArray(5, '\0'));
    EXPECT_EQ(fw.memory(12, 4), QByteArray(4, '\0'));
    EXPECT_EQ(fw.memory(Fw::kRecordAreaEnd, 64), QByteArray(64, '\0'));
}

TEST(VirtualMouseFirmware, WritesAndReadsRoundTripWithinTheReportAndTheAddressSpace) {
    Fw fw;
    const QByteArray data = bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_EQ(write(fw, 0x1234, data), 0);
    EXPECT_EQ(fw.memory(0x1234, 12), data);
    EXPECT_EQ(readResponse(fw, 0x1234, 12), bytes({4, 0x34, 0x12, 12}) + data);
    // A one-byte read returns that byte and zeros after it.
    EXPECT_EQ(readResponse(fw, 0x1235, 1), bytes({4, 0x35, 0x12, 1, 2}) + QByteArray(11, '\0'));

    // Writes at the top of the address space do not wrap.
    ASSERT_EQ(write(fw, 0xFFFE, bytes({1, 2, 3, 4})), 0);
    EXPECT_EQ(fw.memory(0xFFFE, 2), bytes({1, 2}));
    EXPECT_EQ(fw.memory(0, 2), bytes({0, 0}));
    EXPECT_EQ(read(fw, 0xFFFE, 4), bytes({1, 2, 0, 0}));

    // Short SETs are zero-extended (the second data byte here), short GETs truncated.
    ASSERT_EQ(write(fw, 0x3001, bytes({0xFF})), 0);
    size_t done = 0;
    ASSERT_EQ(set(fw, bytes({3, 0x00, 0x30, 2, 0xAB}), &done), 0);
    EXPECT_EQ(done, 5u);
    EXPECT_EQ(fw.memory(0x3000, 2), bytes({0xAB, 0}));
    ASSERT_EQ(set(fw, bytes({4, 0x00, 0x30, 2}), &done), 0);
    uint8_t response[6] = {4};
    ASSERT_EQ(fw.getFeatureReport(1, response, sizeof response, &done), 0);
    EXPECT_EQ(done, 6u);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(response), 6), bytes({4, 0, 0x30, 2, 0xAB, 0}));
    uint8_t large[64] = {4};
    ASSERT_EQ(fw.getFeatureReport(1, large, sizeof large, &done), 0);
    EXPECT_EQ(done, 16u);
}

TEST(VirtualMouseFirmware, CountsOfZeroAndAboveTwelveAreIgnored) {
    Fw fw;
    // Nothing prepared yet: the response carries no data, and no stale buffer bytes.
    QByteArray unprepared(16, char(0x55));
    unprepared[0] = 4;
    ASSERT_EQ(fw.getFeatureReport(1, reinterpret_cast<uint8_t*>(unprepared.data()), 16, nullptr),
              0);
    EXPECT_EQ(unprepared, bytes({4}) + QByteArray(15, '\0'));

    const QByteArray before = fw.flashImage();
    EXPECT_EQ(write(fw, 0x2000, bytes({0xAA, 0xBB}), 0), 0);
    EXPECT_EQ(write(fw, 0x2000, QByteArray(12, char(0xCC)), 13), 0);
    EXPECT_EQ(fw.flashImage(), before);

    ASSERT_EQ(write(fw, 0x2000, bytes({0x11}), 1), 0);
    EXPECT_EQ(read(fw, 0x2000, 1), bytes({0x11}));
    // An ignored prepare cancels the previous one: the response then carries no data.
    for (int count : {0, 13}) {
        EXPECT_EQ(readResponse(fw, 0x2000, count), bytes({4, 0, 0, 0}) + QByteArray(12, '\0'))
            << "count " << count;
    }
}

TEST(VirtualMouseFirmware, StallsOnOtherInterfacesAndReportIds) {
    Fw fw;
    uint8_t report[16] = {3, 0, 0x20, 1, 7};
    size_t done = 99;
    EXPECT_EQ(fw.setFeatureReport(0, report, 16, &done), EPIPE);
    EXPECT_EQ(fw.setFeatureReport(2, report, 16, &done), EPIPE);
    report[0] = 5;
    EXPECT_EQ(fw.setFeatureReport(1, report, 16, &done), EPIPE);
    report[0] = 3; // write bytes cannot be read back as a report
    EXPECT_EQ(fw.getFeatureReport(1, report, 16, &done), EPIPE);
    report[0] = 4;
    EXPECT_EQ(fw.getFeatureReport(0, report, 16, &done), EPIPE);
    EXPECT_EQ(fw.memory(0x2000, 1), bytes({0}));
}

TEST(VirtualMouseFirmware, StoredWritesWaitForCommitWhichTakesWhatTheLiveStateCan) {
    Fw fw;
    // profile 4, 125 Hz, stage 3 with the logo light only, new stage DPI values
    ASSERT_EQ(write(fw, 5, bytes({4 * 32, 2, 0x22, 5, 6, 7, 35})), 0);
    EXPECT_EQ(fw.state(), kFactory);
    EXPECT_EQ(read(fw, 0xFF02, 2), bytes({1, 0}));
    ASSERT_EQ(write(fw, 0xFF06, bytes({2})), 0); // only a 1 commits
    EXPECT_EQ(fw.state(), kFactory);

    ASSERT_EQ(write(fw, 0xFF06, bytes({1})), 0);
    const Fw::State committed{4, 2, 7, 2, false, true, false};
    EXPECT_EQ(fw.state(), committed);
    EXPECT_EQ(read(fw, 0xFF02, 2), bytes({4, 0}));
    EXPECT_EQ(read(fw, 0xFF00, 2), bytes({2, 7}));
    EXPECT_EQ(read(fw, 0xFF01, 1), bytes({2}));

    // Profile 0, rate 7 and stage 15 are kept out; the lights are taken.
    ASSERT_EQ(write(fw, 5, bytes({0, 7, 0x3F})), 0);
    ASSERT_EQ(write(fw, 0xFF06, bytes({1})), 0);
    EXPECT_EQ(fw.state(), (Fw::State{4, 2, 7, 2, true, true, false}));
}

TEST(VirtualMouseFirmware, LiveRegistersSwitchAtOnceAndLeaveTheStoredBlock) {
    Fw fw;
    const QByteArray stored = fw.memory(5, 7);
    ASSERT_EQ(write(fw, 0xFF00, bytes({3, 20})), 0);
    EXPECT_EQ(fw.state(), (Fw::State{1, 3, 20}));
    EXPECT_EQ(read(fw, 0xFF00, 2), bytes({3, 20}));
    ASSERT_EQ(write(fw, 0xFF00, bytes({1})), 0); // stage only: its stored DPI
    EXPECT_EQ(read(fw, 0xFF00, 2), bytes({1, 16}));
    ASSERT_EQ(write(fw, 0xFF00, bytes({4, 9})), 0); // no fifth stage
    EXPECT_EQ(read(fw, 0xFF00, 2), bytes({1, 16}));

    ASSERT_EQ(write(fw, 0xFF01, bytes({1})), 0);
    ASSERT_EQ(write(fw, 0xFF03, bytes({0})), 0);
    ASSERT_EQ(write(fw, 0xFF04, bytes({0})), 0);
    const Fw::State live{1, 1, 16, 1, false, false, false};
    EXPECT_EQ(fw.state(), live);
    EXPECT_EQ(read(fw, 0xFF03, 1), bytes({0}));
    // Profile and lock are read only.
    ASSERT_EQ(write(fw, 0xFF02, bytes({3})), 0);
    ASSERT_EQ(write(fw, 0xFF05, bytes({1})), 0);
    EXPECT_EQ(fw.state(), live);

    EXPECT_EQ(fw.memory(5, 7), stored);
    EXPECT_EQ(fw.memory(0xFF00, 7), QByteArray(7, '\0'));
    // A commit brings the stored block back.
    ASSERT_EQ(write(fw, 0xFF06, bytes({1})), 0);
    EXPECT_EQ(fw.state(), kFactory);
}

TEST(VirtualMouseFirmware, OwnButtonsChangeLiveAndStoredStateAndReport) {
    Fw fw;
    for (int expectedStage : {1, 2, 3, 0}) {
        EXPECT_EQ(fw.press(Fw::Key::Dpi), event(1));
        EXPECT_EQ(fw.state().stage, expectedStage);
        EXPECT_EQ(fw.state().dpi, 8 * (expectedStage + 1));
        EXPECT_EQ(uint8_t(fw.memory(7, 1)[0]), 0x30 | expectedStage); // lights kept
    }
    for (int expectedRate : {1, 2, 0}) {
        EXPECT_EQ(fw.press(Fw::Key::Rate), event(2));
        EXPECT_EQ(fw.state().rateCode, expectedRate);
        EXPECT_EQ(fw.memory(6, 1), bytes({expectedRate}));
    }
    for (int expectedProfile : {2, 3, 4, 5, 1}) {
        EXPECT_EQ(fw.press(Fw::Key::Profile), event(4));
        EXPECT_EQ(fw.state().profile, expectedProfile);
        EXPECT_EQ(fw.memory(5, 1), bytes({expectedProfile * 32}));
        EXPECT_EQ(read(fw, 0xFF02, 1), bytes({expectedProfile}));
    }
}

TEST(VirtualMouseFirmware, LockedMouseIgnoresItsButtonsButTheLock) {
    Fw fw;
    EXPECT_EQ(fw.press(Fw::Key::Lock), event(8));
    EXPECT_EQ(read(fw, 0xFF05, 1), bytes({1}));
    const QByteArray image = fw.flashImage();
    const Fw::State state = fw.state();
    for (Fw::Key key : {Fw::Key::Dpi, Fw::Key::Rate, Fw::Key::Profile})
        EXPECT_EQ(fw.press(key), std::nullopt);
    EXPECT_EQ(fw.state(), state);
    EXPECT_EQ(fw.flashImage(), image);
    EXPECT_EQ(fw.press(Fw::Key::Lock), event(8));
    EXPECT_EQ(read(fw, 0xFF05, 1), bytes({0}));
    EXPECT_EQ(fw.press(Fw::Key::Dpi), event(1));
    // The lock is a switch, not flash: power-on opens it.
    fw.press(Fw::Key::Lock);
    fw.powerOn();
    EXPECT_FALSE(fw.state().locked);
}

TEST(VirtualMouseFirmware, ProgrammableButtonsOfTheActiveProfile) {
    Fw fw;
    for (int button = 1; button <= 5; ++button) {
        EXPECT_EQ(fw.pressButton(button).reports,
                  (std::vector{pointer(1 << (button - 1)), pointer(0)}))
            << "button " << button;
    }
    EXPECT_TRUE(fw.pressButton(0).reports.empty());
    EXPECT_TRUE(fw.pressButton(6).reports.empty());

    // Launch slot of profile 3, button 5, with the last-step bit.
    ASSERT_EQ(write(fw, Fw::recordAddress(2, 4), bytes({174, 0x40})), 0);
    EXPECT_TRUE(fw.pressButton(5).reports.size() == 2); // profile 1 still active
    fw.press(Fw::Key::Profile);
    fw.press(Fw::Key::Profile);
    EXPECT_EQ(fw.pressButton(5).reports, (std::vector{event(0, 174)}));
    // Without the last-step bit the code is not a launch slot; keyboard steps send nothing.
    ASSERT_EQ(write(fw, Fw::recordAddress(2, 0), bytes({174, 0x00, 174, 0xC0})), 0);
    EXPECT_TRUE(fw.pressButton(1).reports.empty());
    ASSERT_EQ(write(fw, Fw::recordAddress(2, 1), bytes({0, 0x40})), 0);
    EXPECT_TRUE(fw.pressButton(2).reports.empty());

    // The last slot (profile 5, button 5) reports; the code past it is no slot.
    fw.press(Fw::Key::Profile);
    fw.press(Fw::Key::Profile);
    ASSERT_EQ(write(fw, Fw::recordAddress(4, 4), bytes({184, 0x40})), 0);
    EXPECT_EQ(fw.pressButton(5).reports, (std::vector{event(0, 184)}));
    ASSERT_EQ(write(fw, Fw::recordAddress(4, 4), bytes({185, 0x40})), 0);
    EXPECT_TRUE(fw.pressButton(5).reports.empty());
}

TEST(RequestPacing, CountsGapsShorterThanThePauseWithOneMillisecondOfGrace) {
    constexpr qint64 ms = 1000000;
    const uint8_t record[] = {3, 16, 0, 12};
    const uint8_t trailer[] = {3, 0x10, 0x08, 2}; // mode and repeat of the last button: 2064
    const uint8_t settings[] = {3, 5, 0, 1};
    const uint8_t afterRecords[] = {3, 0x12, 0x08, 1}; // 2066, just past the records
    EXPECT_EQ(RequestPacing::pauseAfter(true, record, 4), 150);
    EXPECT_EQ(RequestPacing::pauseAfter(true, settings, 4), 30);
    EXPECT_EQ(RequestPacing::pauseAfter(true, afterRecords, 4), 30);
    EXPECT_EQ(RequestPacing::pauseAfter(false, record, 4), 30);
    EXPECT_EQ(RequestPacing::pauseAfter(true, trailer, 4), 150);

    RequestPacing pacing;
    pacing.note(0, 30);
    pacing.note(29 * ms, 30);  // within the grace
    pacing.note(57 * ms, 150); // 28 ms: too close
    pacing.note(206 * ms, 30); // 149 ms
    pacing.note(300 * ms, 30);
    EXPECT_EQ(pacing.requests(), 5u);
    EXPECT_EQ(pacing.tooClose(), 1u);
    pacing.note(328 * ms, 30);
    EXPECT_EQ(pacing.tooClose(), 2u);
}
