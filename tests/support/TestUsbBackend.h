#pragma once

#include "Usb/UsbBackend.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A USB device whose answers a test decides.
class TestUsbDevice : public UsbDevice {
public:
    using FeatureHandler =
        std::function<int(int interfaceNumber, uint8_t* report, size_t length, size_t* done)>;

    FeatureHandler onSetFeature; // default: accept all bytes
    FeatureHandler onGetFeature; // default: answer zeros
    int openResult = 0;
    int resetResult = 0;
    int reEnumerateResult = 0;
    std::vector<std::string> calls; // "open", "reset", "reEnumerate"

    int open() override;
    int reset() override;
    int reEnumerate() override;
    uint32_t locationId = 0x01200000; // bus 1, port 2
    int getLocationId(uint32_t* location) const override {
        *location = locationId;
        return 0;
    }

protected:
    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred) override;
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                         size_t* transferred) override;
};

// Devices plugged and unplugged by the test. Devices plugged before start() are announced by
// start(), as devices present at boot are.
class TestUsbBackend : public UsbBackend {
public:
    struct Options {
        std::optional<QString> name = QStringLiteral("Test Device");
        std::shared_ptr<UsbDevice> device = std::make_shared<TestUsbDevice>();
        int handleError = 0;
        int interfaceError = 0;
    };

    int startResult = 0;

    quint64 plug(quint16 vendorId, quint16 productId, Options options);
    quint64 plug(quint16 vendorId, quint16 productId) { return plug(vendorId, productId, {}); }
    void unplug(quint64 serviceId);

    int start() override;
    const char* name() const override { return "Test"; }

private:
    bool started_ = false;
    std::vector<UsbDeviceInfo> present_;
};
