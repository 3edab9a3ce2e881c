#pragma once

#include "RequestPacing.h"
#include "Usb/UsbBackend.h"
#include "VirtualMouseFirmware.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The emulated firmware as a USB device in this process, so the host code runs against the
// mouse's real behaviour without a server. Every request is appended to a shared log, as
// "SET <hex bytes>" or "GET <hex bytes of the answer>", so tests can also see what the host
// sent and in which order, and counted by the firmware's pacing rule.
class FirmwareUsbDevice : public UsbDevice {
public:
    FirmwareUsbDevice(std::shared_ptr<VirtualMouseFirmware> firmware,
                      std::shared_ptr<std::vector<std::string>> log,
                      std::shared_ptr<RequestPacing> pacing,
                      std::shared_ptr<std::optional<size_t>> shortReply);

    int open() override { return 0; }
    int reset() override { return 0; }
    int reEnumerate() override { return 0; }

    static std::string hex(const uint8_t* bytes, size_t length);

protected:
    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred) override;
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                         size_t* transferred) override;

private:
    void notePacing(bool isSet, const uint8_t* report, size_t length);

    std::shared_ptr<VirtualMouseFirmware> firmware_;
    std::shared_ptr<std::vector<std::string>> log_;
    std::shared_ptr<RequestPacing> pacing_;
    std::shared_ptr<std::optional<size_t>> shortReply_;
};

// One emulated mouse, plugged and unplugged by the test.
class FirmwareUsbBackend : public UsbBackend {
public:
    FirmwareUsbBackend(std::shared_ptr<VirtualMouseFirmware> firmware,
                       std::shared_ptr<std::vector<std::string>> log);

    void plug();
    void unplug();
    const RequestPacing& pacing() const { return *pacing_; }
    // The next feature report read brings only this many bytes, as a USB transfer that ends
    // short does; the rest of the caller's buffer is left as it was.
    void shortenNextRead(size_t bytes) { *shortReply_ = bytes; }
    int start() override;
    const char* name() const override { return "In-process firmware"; }

private:
    std::shared_ptr<VirtualMouseFirmware> firmware_;
    std::shared_ptr<std::vector<std::string>> log_;
    std::shared_ptr<RequestPacing> pacing_ = std::make_shared<RequestPacing>();
    std::shared_ptr<std::optional<size_t>> shortReply_ = std::make_shared<std::optional<size_t>>();
    bool started_ = false;
    bool plugged_ = true;
    UsbDeviceInfo current_;
};
