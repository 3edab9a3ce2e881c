#include "FirmwareTest.h"
#include "HvDeviceRequester/HvDeviceRequester.h"
#include "KxGlobals.h"

#include <cstring>

using testing::ElementsAre;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

using KxActionCommandChannelTest = FirmwareTest;

TEST_F(KxActionCommandChannelTest, ListensForTheMouseAndSaysSo) {
    EXPECT_EQ(sysDeviceReq, HvDeviceRequester::shareDeviceReq());
    EXPECT_TRUE(sysDeviceReq->isPrintMsg());
    EXPECT_EQ(sysDeviceReq->vendorID(), 1266u);
    EXPECT_EQ(sysDeviceReq->productID(), 4358u);
    EXPECT_TRUE(KxAction::checkListenDev());
    EXPECT_NE(startOutput.find("device added"), std::string::npos);
    bus->unplug();
    EXPECT_FALSE(KxAction::checkListenDev());
}

TEST_F(KxActionCommandChannelTest, EveryReportIsFollowedByOnePause) {
    KxAction::setAdrrData(0x7B, 0x0123);
    KxAction::setDeviceReadyToRead(0x0A10, 12);
    KxAction::refreshDeviceData();
    EXPECT_THAT(*log, ElementsAre(report("SET", {0x03, 0x23, 0x01, 1, 0x7B}), "pause 30000",
                                  report("SET", {0x04, 0x10, 0x0A, 12}), "pause 30000",
                                  report("SET", {0x03, 0x06, 0xFF, 1, 1}), "pause 30000"));
}

TEST_F(KxActionCommandChannelTest, ReadingFetchesTheAnswerIntoTheCallersBuffer) {
    uint8_t buffer[16] = {};
    KxAction::getDeviceData(8, 4, buffer);
    EXPECT_THAT(*log, ElementsAre(report("SET", {0x04, 8, 0, 4}), "pause 30000",
                                  report("GET", {0x04, 8, 0, 4, 8, 16, 24, 32}), "pause 30000"));
    EXPECT_THAT(std::vector<uint8_t>(buffer, buffer + 8), ElementsAre(4, 8, 0, 4, 8, 16, 24, 32));
}

// Records are found through their slot's address (KxButtonRecordsTest checks them against the
// firmware's layout); the arithmetic stays within 16 bits.
TEST_F(KxActionCommandChannelTest, ProfileAddressesAre410BytesApartIn16Bits) {
    EXPECT_EQ(KxAction::getOffsetAdrBy(16, 4), 1656);
    EXPECT_EQ(KxAction::getOffsetAdrBy(0xFFFF, 1), 409);
}

TEST_F(KxActionCommandChannelTest, SwitchingProfileWritesCommitsAndLeavesAReadPrepared) {
    KxAction::setProfileToDevice(4, false);
    EXPECT_THAT(*log, ElementsAre(report("SET", {0x03, 0x05, 0x00, 1, 160}), "pause 30000",
                                  report("SET", {0x03, 0x06, 0xFF, 1, 1}), "pause 30000",
                                  report("SET", {0x04, 0x02, 0xFF, 2})));
    EXPECT_EQ(KxAction::getProfileByDevice(), 4) << "the mouse now runs on-board profile 5";
    KxAction::setProfileToDevice(0, true);
    EXPECT_EQ(KxAction::getProfileByDevice(), 0);
}

TEST_F(KxActionCommandChannelTest, WithoutTheMouseReadsYieldMinusOneSilentlyAndStillPause) {
    bus->unplug();
    log->clear();
    CaptureStdout();
    EXPECT_EQ(KxAction::getProfileByDevice(), -1);
    uint8_t buffer[4] = {};
    EXPECT_EQ(KxAction::SetCommand2(buffer, 4), 0);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_THAT(*log, ElementsAre("pause 30000", "pause 30000"));
}

// Requests say whether they were transferred.
TEST_F(KxActionCommandChannelTest, AReadAnsweredShortFailsAndLeavesNoStaleBytesAsData) {
    uint8_t request[16] = {0x04, 0x02, 0xFF, 2};
    EXPECT_EQ(KxAction::SetCommand(request, 16), 1);
    EXPECT_EQ(KxAction::GetCommand(request, 16), 1);
    EXPECT_EQ(request[4], 1) << "profile 1 is active from the factory";
    // A transfer that ends early is not an error to the bus; the bytes it did not bring are
    // whatever the buffer held before, never the mouse's.
    uint8_t buffer[16];
    std::memset(buffer, 0xA5, sizeof buffer);
    bus->shortenNextRead(4);
    EXPECT_FALSE(KxAction::readDeviceData(0xFF02, 2, buffer));
    bus->shortenNextRead(4);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::nullopt);
    bus->shortenNextRead(4);
    uint8_t raw[16] = {0x04, 0x02, 0xFF, 2};
    EXPECT_EQ(KxAction::GetCommand(raw, 16), 0);
    EXPECT_EQ(KxAction::readProfileByDevice(), std::optional<int>(0)) << "the next read works";
}

} // namespace
