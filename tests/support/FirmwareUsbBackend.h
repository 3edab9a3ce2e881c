#pragma once

#include "FeatureFault.h"
#include "RequestPacing.h"
#include "Usb/UsbBackend.h"
#include "VirtualMouseFirmware.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class FirmwareUsbBackend;

// What a backend and the devices it made share: requests come from worker threads.
struct FirmwareBusState {
    std::mutex mutex;
    FeatureFaultPlan faults;
    std::optional<size_t> shortReply;      // the next read brings this many bytes
    FirmwareUsbBackend* backend = nullptr; // none once the backend is gone
};

// The emulated firmware as a USB device in this process, so the host code runs against the
// mouse's real behaviour without a server. Every request is appended to a shared log, as
// "SET <hex bytes>" or "GET <hex bytes of the answer>" ("SET <hex> (stall)", "GET <hex of the
// caller's buffer> (silent)", ... for a request an armed fault hit), so tests can also see what
// the host sent and in which order, and counted by the firmware's pacing rule. Once unplugged,
// every request fails with ENODEV.
class FirmwareUsbDevice : public UsbDevice {
public:
    FirmwareUsbDevice(std::shared_ptr<VirtualMouseFirmware> firmware,
                      std::shared_ptr<std::vector<std::string>> log,
                      std::shared_ptr<RequestPacing> pacing,
                      std::shared_ptr<FirmwareBusState> state, quint64 serviceId);

    int open() override { return 0; }
    int reset() override { return 0; }
    int reEnumerate() override { return 0; }

    void markGone() { gone_ = true; }

    static std::string hex(const uint8_t* bytes, size_t length);

protected:
    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred) override;
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                         size_t* transferred) override;

private:
    void notePacing(bool isSet, const uint8_t* report, size_t length);
    // The armed fault's kind when it hits this request; logs it and fails the device at once for
    // an unplug.
    std::optional<FeatureFault::Kind> takeFault(bool isSet, const uint8_t* report, size_t length);
    // The result a stall, silence or unplug gives.
    static int faultResult(FeatureFault::Kind kind);

    std::shared_ptr<VirtualMouseFirmware> firmware_;
    std::shared_ptr<std::vector<std::string>> log_;
    std::shared_ptr<RequestPacing> pacing_;
    std::shared_ptr<FirmwareBusState> state_;
    const quint64 serviceId_;
    std::atomic<bool> gone_{false};
};

// One emulated mouse, plugged and unplugged by the test.
class FirmwareUsbBackend : public UsbBackend {
public:
    FirmwareUsbBackend(std::shared_ptr<VirtualMouseFirmware> firmware,
                       std::shared_ptr<std::vector<std::string>> log);
    ~FirmwareUsbBackend() override;

    void plug();
    // The mouse goes: its removal is announced and every request to it fails with ENODEV.
    void unplug();
    const RequestPacing& pacing() const { return *pacing_; }
    // The next feature report read brings only this many bytes, as a USB transfer that ends
    // short does; the rest of the caller's buffer is left as it was.
    void shortenNextRead(size_t bytes);

    // Arms a fault (FeatureFault.h): the fault.at-th feature request from now of those fault.on
    // counts (reads, writes or both; 1 = the next) fails instead of reaching the firmware.
    //   Stall:  EPIPE.
    //   Silent: ETIMEDOUT at once (the real mouse keeps the host waiting first).
    //   Unplug: ENODEV; the mouse is unplugged as unplug() does, its removal announced on this
    //           backend's thread, and every later request to it fails with ENODEV too.
    //   Short:  (reads only) the read brings the report's 4-byte header.
    // A write it hits changes nothing in the firmware. It replaces an armed fault; false, and
    // nothing armed, for a fault that is not valid (FeatureFault::isValid).
    bool armFault(const FeatureFault& fault);
    void clearFault();
    // The armed fault, its `at` counting the requests still to come; none once it hit.
    std::optional<FeatureFault> armedFault() const;

    int start() override;
    const char* name() const override { return "In-process firmware"; }

private:
    // Unplugs the mouse of this service id, if it is still the plugged one.
    void unplugService(quint64 serviceId);
    friend class FirmwareUsbDevice;

    std::shared_ptr<VirtualMouseFirmware> firmware_;
    std::shared_ptr<std::vector<std::string>> log_;
    std::shared_ptr<RequestPacing> pacing_ = std::make_shared<RequestPacing>();
    std::shared_ptr<FirmwareBusState> state_ = std::make_shared<FirmwareBusState>();
    bool started_ = false;
    bool plugged_ = true;
    UsbDeviceInfo current_;
};
