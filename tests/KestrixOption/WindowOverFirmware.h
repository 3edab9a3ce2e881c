#pragma once

#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "FeatureFault.h"
#include "KxWidgetGlobals.h"
#include "MainWindowUnderTest.h"
#include "ProfieController.h"
#include "Usb/UsbNotificationPort.h"

#include <memory>
#include <optional>
#include <utility>

// The main window in this process over the emulated firmware. Opening the window starts
// listening anew, on a bus of its own: a fault meant for the window's first read is armed on that
// bus as it is made, before any request.
class WindowOverFirmwareTest : public DeviceProtocolTest, protected MainWindowUnderTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        isNeedSave = false;
        // The window reads the mouse on a worker: pauses are not slept.
        KxAction::setPauseHookForTesting([](unsigned) {});
        UsbNotificationPort::setBackendFactory([this] {
            auto backend = std::make_unique<FirmwareUsbBackend>(firmware, log);
            bus = backend.get();
            if (faultForNextBus) {
                EXPECT_TRUE(bus->armFault(*std::exchange(faultForNextBus, std::nullopt)));
            }
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::move(backend));
            return backends;
        });
    }
    void TearDown() override {
        closeMainWindow();
        DeviceProtocolTest::TearDown();
    }

    // The window made, with a fault armed for its read if one is given, and the read waited for.
    void openWindow(std::optional<FeatureFault> fault = {}) {
        faultForNextBus = fault;
        openMainWindow();
        ASSERT_FALSE(faultForNextBus) << "the window listens on a bus of its own";
        ASSERT_TRUE(idle()) << "the whole read ends";
    }
    // A new start of the program: a library of its own, nothing of the last run in memory.
    void restart() {
        closeMainWindow();
        isNeedSave = false;
        library = std::make_unique<ProfieController>();
        sysProCon = library.get();
    }
    void plugBack() {
        bus->plug();
        ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
    }
    // What the profile files hold for a slot, read afresh.
    static _Kx_PROFILE onDisk(int slot) {
        return ProfieController().profileArr()[slot]->profileData();
    }
    // Whether the mouse's button runs the launcher of its own slot.
    bool launches(int slot, int button) const {
        const HeldRecord record = held(uint32_t(slot), uint32_t(button));
        return !record.steps.empty() &&
               record.steps[0].code == KxAction::getBtnAppLaunchIndex(slot, button);
    }

    std::optional<FeatureFault> faultForNextBus;
};
