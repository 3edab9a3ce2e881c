#pragma once

#include "FirmwareTest.h"
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
    // The 82 bytes the mouse holds for a button.
    QByteArray record(uint32_t slot, uint32_t button) const;
    // Writes one button of a slot as the window does, and reads the slot back.
    _BTN_INFO writeAndReadBack(const _BTN_INFO& button, uint32_t slot, uint32_t index);
    static _BTN_INFO macroButton(const MacroInfo& macro, uint32_t mode, uint32_t count);

    QTemporaryDir home;
    std::unique_ptr<ProfieController> library;
};
