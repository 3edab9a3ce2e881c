#pragma once

#include "FirmwareUsbBackend.h"
#include "KxAction.h"
#include "Usb/UsbNotificationPort.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// The host code against the emulated firmware in this process: the shared requester listens to
// one emulated mouse, and pauses are recorded in the request log instead of slept.
class FirmwareTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A 16-byte report as the log shows it: the given leading bytes, zero-filled.
    static std::string report(const std::string& prefix, std::initializer_list<int> bytes = {});
    // The requests of the log, without the pauses between them.
    std::vector<std::string> requests() const;

    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    FirmwareUsbBackend* bus = nullptr;
    std::string startOutput; // what the requester printed while finding the mouse
};
