#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "HvMouseAction.h"
#include "Notifications/NotificationCenter.h"
#include "ProfileValue.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

class KxDeviceSyncTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        token = NotificationCenter::defaultCenter().addObserver(
            QStringLiteral("Notify_HideLoad_Event"), [this](const Notification& n) {
                std::lock_guard lock(hideMutex);
                hideCodes.push_back(n.object.toInt());
                hideThread = std::this_thread::get_id();
            });
    }
    void TearDown() override {
        NotificationCenter::defaultCenter().removeObserver(token);
        KxAction::setLoadViewHandler({});
        DeviceProtocolTest::TearDown();
    }

    // Gives each slot's fifth button the launch of its own slot, and the mouse a settings block.
    void prepareMouse() {
        for (uint32_t slot = 0; slot < 5; ++slot)
            writeOneStep(slot, 4, uint8_t(KxAction::getBtnAppLaunchIndex(slot, 4)));
        const uint8_t block[] = {1, 0x22, 4, 12, 20, 35}; // 500 Hz, stage 2, logo only
        KxAction::sendWriteReport(KxProtocol::kAddrRate, block, 6);
        log->clear();
    }
    static void writeOneStep(uint32_t slot, uint32_t button, uint8_t code) {
        const uint8_t step[] = {code, KxProtocol::kStepLast};
        KxAction::sendWriteReport(KxProtocol::recordAddress(slot, button), step, 2);
    }
    QByteArray profileFiles() const {
        QByteArray all;
        const QDir dir(library->sysProPath());
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            all += name.toUtf8() + (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        }
        return all;
    }

    bool hidden() {
        std::lock_guard lock(hideMutex);
        return !hideCodes.empty();
    }

    NotificationCenter::Token token = 0;
    std::mutex hideMutex; // the workers post from their own threads
    std::vector<int> hideCodes;
    std::thread::id hideThread;
};

TEST_F(KxDeviceSyncTest, AFullReadGivesEveryProfileTheMouseSettingsAndItsOwnButtons) {
    prepareMouse();
    EXPECT_TRUE(KxAction::getAllFWData());
    ASSERT_EQ(library->profileArr().size(), 5);
    for (uint32_t slot = 0; slot < 5; ++slot) {
        const _Kx_PROFILE p = library->profileArr()[slot]->profileData();
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        EXPECT_EQ(p.btnInfo[4].btnType, KxButtonType::kLaunch);
        EXPECT_EQ(p.btnInfo[4].KeyBit[0], 160 + 5 * slot + 4) << "up to 184, the last";
        EXPECT_EQ(p.btnInfo[0].FuncID, KxFuncId::kLeftClick) << "from the factory records";
        EXPECT_EQ(p.currSelectDPI, 2u);
        EXPECT_EQ(p.islightOnArr[0], 1u);
        EXPECT_EQ(p.islightOnArr[1], 0u);
        EXPECT_EQ(p.xSensArr[3], 35u);
        EXPECT_EQ(p.poRate, 1u);
    }
    // Stored: a fresh library sees the same.
    ProfieController fresh;
    EXPECT_EQ(fresh.profileArr()[3]->profileData().btnInfo[4].KeyBit[0], 179u);
    EXPECT_EQ(hideCodes, std::vector<int>{1});
}

TEST_F(KxDeviceSyncTest, AMouseUnpluggedHalfwayLeavesTheProfilesAsTheyWere) {
    prepareMouse();
    ASSERT_TRUE(KxAction::getAllFWData());
    const QByteArray saved = profileFiles();
    const _Kx_PROFILE inMemory = library->profileArr()[2]->profileData();
    const qsizetype macros = macroListArrs.size();

    for (int after : {1, 2, 9, 30, 55}) {
        // The mouse changes (slot 0 now holds a macro the library does not know), then goes
        // away after `after` pauses of the next read.
        writeOneStep(2, 0, KxProtocol::kCodeDisabled);
        const uint8_t unknownMacro[] = {uint8_t(4 + after), 0x01, 5, 0x41};
        KxAction::sendWriteReport(KxProtocol::recordAddress(0, 2), unknownMacro, 4);
        int pauses = 0;
        KxAction::setPauseHookForTesting([&](unsigned) {
            if (++pauses == after)
                bus->unplug();
        });
        hideCodes.clear();
        EXPECT_FALSE(KxAction::getAllFWData()) << "unplugged after " << after;
        EXPECT_EQ(hideCodes, std::vector<int>{KxAction::kHideAfterFailedRead})
            << "the loading view still closes, told the read failed";
        EXPECT_EQ(profileFiles(), saved) << "unplugged after " << after;
        const _Kx_PROFILE now = library->profileArr()[2]->profileData();
        EXPECT_EQ(std::memcmp(&inMemory, &now, sizeof now), 0);
        EXPECT_EQ(macroListArrs.size(), macros) << "no half-read macro joins the library";
        // The first request that does not go across ends the read: no pause after it but its
        // own, so a window waiting for the read is not kept waiting.
        EXPECT_LE(pauses, after + 2) << "the read stops when the mouse goes";
        bus->plug();
        writeOneStep(2, 0, uint8_t(KxAction::getBtnAppLaunchIndex(2, 4)));
    }
}

TEST_F(KxDeviceSyncTest, ApplyingWritesTheEditedProfileIntoTheActiveSlot) {
    library->setCurrFWProfileIndex(3);
    selProfile = library->profileArr()[3]->profileData();
    selProfile.btnInfo[2] = Buttons::launch(3, 2);
    selProfile.xSensArr[0] = 33;
    selProfile.currSelectDPI = 0;
    KxAction::applyFWData();
    EXPECT_EQ(record(3, 2).left(2), QByteArray("\xB1\x40", 2));
    EXPECT_EQ(firmware->memory(KxProtocol::kAddrStageDpi, 1).at(0), 33);
    EXPECT_EQ(firmware->state().dpi, 33) << "the block was committed";
    EXPECT_EQ(hideCodes, std::vector<int>{0});
}

TEST_F(KxDeviceSyncTest, WorkersRunDetachedAndAlwaysEndWithTheHideNotification) {
    std::atomic<int> shown = 0;
    KxAction::setLoadViewHandler([&] { ++shown; });
    KxAction::getAllFWDataPro();
    EXPECT_EQ(shown, 1);
    ASSERT_TRUE(KxTest::waitFor([&] { return hidden(); }, 20000));
    EXPECT_EQ(hideCodes, std::vector<int>{1});
    EXPECT_NE(hideThread, std::this_thread::get_id()) << "posted on the worker";

    hideCodes.clear();
    KxAction::setCurrBtnInfoToDevicePro();
    ASSERT_TRUE(KxTest::waitFor([&] { return hidden(); }, 20000));
    EXPECT_EQ(hideCodes, std::vector<int>{0});
}

TEST_F(KxDeviceSyncTest, TheFirstStartCopiesTheDesktopSpeedsOnce) {
    {
        // The desktop as the user set it, none of the three at its default.
        HvMouseAction desktop;
        for (int type : {1, 2, 3})
            desktop.addSettingItem(type);
        ASSERT_TRUE(desktop.setValue(3, HvMouseAction::kPointerSpeed));
        ASSERT_TRUE(desktop.setValue(8, HvMouseAction::kScrollSpeed));
        ASSERT_TRUE(desktop.setValue(2, HvMouseAction::kDoubleClickSpeed));
    }
    library->setCurrFWProfileIndex(0);
    KxAction::initSysPrePro();
    for (const auto& profile : library->profileArr()) {
        EXPECT_EQ(profile->profileData().acceler, 3u);
        EXPECT_EQ(profile->profileData().srcSpeed, 8u);
        EXPECT_EQ(profile->profileData().doubleSpeed, 2u);
    }
    // The user changes a profile's speeds; a second start leaves them alone.
    _Kx_PROFILE edited = library->profileArr()[1]->profileData();
    edited.acceler = 9;
    library->profileArr()[1]->setProfileData(edited);
    library->saveToSys();
    KxAction::initSysPrePro();
    ProfieController fresh;
    EXPECT_EQ(fresh.profileArr()[1]->profileData().acceler, 9u);
}

TEST_F(KxDeviceSyncTest, AWholeReadAtTheRealPacingTakesTheRequestsItNeeds) {
    KxAction::setPauseHookForTesting({});
    ASSERT_TRUE(KxAction::getAllFWData());
    // Factory state: 25 one-chunk records, the mode and count of the 15 clicks (which a macro
    // could also hold) and one read of the settings block (rate, settings byte and the stages'
    // DPI side by side), two requests each.
    const auto requests = std::count_if(log->begin(), log->end(), [](const std::string& l) {
        return l.rfind("SET", 0) == 0 || l.rfind("GET", 0) == 0;
    });
    EXPECT_EQ(requests, 2 * (25 + 15 + 1));
    EXPECT_EQ(bus->pacing().tooClose(), 0u) << "no request came sooner than the mouse allows";
}

} // namespace
