#pragma once

#include "Buttons.h"
#include "FirmwareTest.h"
#include "HeldRecord.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MenuInfo.h"
#include "ProfieController.h"

#include <QTemporaryDir>

#include <memory>

// The device protocol against the emulated firmware with the real catalogue, macro library and
// profile library, in a private home folder.
class DeviceProtocolTest : public FirmwareTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A shown macro of the library, with delays that survive the mouse's 100 ms steps.
    std::shared_ptr<MacroInfo> addMacro(int steps, int firstKeyCode = 0);
    // The bytes the mouse holds for a button, found by the emulated firmware's own layout: the
    // host's addresses (KxProtocol) are checked against it, never against themselves.
    QByteArray record(uint32_t slot, uint32_t button) const;
    HeldRecord held(uint32_t slot, uint32_t button) const {
        return HeldRecord(record(slot, button));
    }
    // Writes one button of a slot as the window does, and reads the slot back.
    _BTN_INFO writeAndReadBack(const _BTN_INFO& button, uint32_t slot, uint32_t index);
    // A macro button by the run mode's number (KxSetup::RunMode), out-of-range ones included.
    static _BTN_INFO macroButton(const MacroInfo& macro, uint32_t mode, uint32_t count);

    QTemporaryDir home;
    std::unique_ptr<ProfieController> library;
};
