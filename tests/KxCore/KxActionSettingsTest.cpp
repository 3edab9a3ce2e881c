#include "FirmwareTest.h"
#include "FreshStart.h"
#include "KxGlobals.h"

using testing::ElementsAre;

namespace {

// The settings block and live registers against the emulated firmware, from a fresh start.
class KxActionSettingsTest : public FirmwareTest {
protected:
    void SetUp() override {
        freshStart();
        FirmwareTest::SetUp();
    }
};

TEST_F(KxActionSettingsTest, TheStoredBlockIsWrittenInOrderAndCommitted) {
    currSetProfile.currSelectDPI = 2;
    currSetProfile.islightOnArr[0] = 1; // logo
    currSetProfile.islightOnArr[1] = 0; // wheel
    const uint32_t dpi[4] = {4, 12, 20, 35};
    std::copy(std::begin(dpi), std::end(dpi), currSetProfile.xSensArr);
    currSetProfile.poRate = 0; // 125 Hz
    KxAction::setSettingToDev();

    EXPECT_THAT(requests(),
                ElementsAre(report("SET", {3, 7, 0, 1, 0x22}), report("SET", {3, 8, 0, 1, 4}),
                            report("SET", {3, 9, 0, 1, 12}), report("SET", {3, 10, 0, 1, 20}),
                            report("SET", {3, 11, 0, 1, 35}), report("SET", {3, 6, 0, 1, 2}),
                            report("SET", {3, 0x06, 0xFF, 1, 1})));
    EXPECT_EQ(std::count(log->begin(), log->end(), "pause 30000"), 7);
    // The mouse runs on the committed block.
    EXPECT_EQ(firmware->state().stage, 2);
    EXPECT_EQ(firmware->state().dpi, 20);
    EXPECT_EQ(firmware->state().rateCode, 2);
    EXPECT_TRUE(firmware->state().logoLight);
    EXPECT_FALSE(firmware->state().wheelLight);
}

TEST_F(KxActionSettingsTest, VerticalDpiNeverReachesTheMouse) {
    KxAction::setSettingToDev();
    const auto before = *log;
    log->clear();
    currSetProfile.ySensArr[1] = 33;
    KxAction::setSettingToDev();
    EXPECT_EQ(*log, before);
}

// The lights share their byte with the stage: the stage written back is the one the mouse holds
// (its own DPI button moved it to stage 3), read first, not the profile's.
TEST_F(KxActionSettingsTest, LightsAloneWriteTheSettingsByteWithTheMousesStageAndCommit) {
    firmware->press(VirtualMouseFirmware::Key::Dpi);
    firmware->press(VirtualMouseFirmware::Key::Dpi);
    log->clear();
    currSetProfile.currSelectDPI = 1;
    currSetProfile.islightOnArr[1] = 1;
    KxAction::setColorToDevice();
    EXPECT_THAT(requests(),
                ElementsAre(report("SET", {4, 7, 0, 1}), report("GET", {4, 7, 0, 1, 0x32}),
                            report("SET", {3, 7, 0, 1, 0x12}),
                            report("SET", {3, 0x06, 0xFF, 1, 1})));
    EXPECT_EQ(firmware->state().stage, 2);
    EXPECT_TRUE(firmware->state().wheelLight);
}

TEST_F(KxActionSettingsTest, LiveRegistersSwitchAtOnceAndReadBack) {
    KxAction::setSettingToDev_Dpi(3, 35);
    KxAction::setSettingToDev_Rate(0);
    selProfile.islightOnArr[0] = 1;
    KxAction::setWhellColorToDevice();
    KxAction::setLogoColorToDevice();
    EXPECT_THAT(requests(), ElementsAre(report("SET", {3, 0x00, 0xFF, 2, 3, 35}),
                                        report("SET", {3, 0x01, 0xFF, 1, 2}),
                                        report("SET", {3, 0x03, 0xFF, 1, 0}),
                                        report("SET", {3, 0x04, 0xFF, 1, 1})));
    EXPECT_FALSE(firmware->state().wheelLight);

    int stage = -1, value = -1;
    KxAction::getSettingFromDev_Dpi(&stage, &value);
    EXPECT_EQ(stage, 3);
    EXPECT_EQ(value, 35);
    EXPECT_EQ(KxAction::getSettingFromDev_Rate(), 0) << "rate code 2 is 125 Hz, poRate 0";
    EXPECT_EQ(firmware->memory(6, 1).at(0), 0) << "live writes leave the stored block alone";
    EXPECT_EQ(KxAction::getFWLockState(), 0);
    firmware->press(VirtualMouseFirmware::Key::Lock);
    EXPECT_EQ(KxAction::getFWLockState(), 1) << "the lock follows the switch";
}

// The mouse holds one DPI per stage: a read gives it to both axes, so that nothing older can
// pass for the mouse's value.
TEST_F(KxActionSettingsTest, ReadingTheBlockFillsTheTransferProfileWithOneDpiPerStage) {
    const uint8_t settings[] = {0, 0x3B, 7, 9, 11, 13};
    KxAction::sendWriteReport(KxProtocol::kAddrRate, settings, 6);
    currSetProfile.ySensArr[0] = 77;
    KxAction::getSettingFromDevice();
    EXPECT_EQ(currSetProfile.currSelectDPI, 11u) << "the low four bits, unclamped";
    EXPECT_EQ(currSetProfile.islightOnArr[0], 1u);
    EXPECT_EQ(currSetProfile.islightOnArr[1], 1u);
    EXPECT_EQ(currSetProfile.xSensArr[3], 13u);
    EXPECT_EQ(currSetProfile.poRate, 2u) << "rate code 0 is 1000 Hz";
    EXPECT_EQ(currSetProfile.ySensArr[0], 7u) << "the vertical DPI is the stage's one value";
    EXPECT_EQ(currSetProfile.ySensArr[3], 13u);
}

TEST_F(KxActionSettingsTest, AnAbsentMouseReadsAsZeros) {
    bus->unplug();
    currSetProfile.islightOnArr[0] = 1;
    currSetProfile.xSensArr[0] = 8;
    KxAction::getSettingFromDevice();
    EXPECT_EQ(currSetProfile.islightOnArr[0], 0u);
    EXPECT_EQ(currSetProfile.xSensArr[0], 0u);
    EXPECT_EQ(currSetProfile.poRate, 2u);
    EXPECT_EQ(KxAction::getSettingFromDev_Rate(), 2);
    EXPECT_EQ(KxAction::getFWLockState(), 0);
}

} // namespace
