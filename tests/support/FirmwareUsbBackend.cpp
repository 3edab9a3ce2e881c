#include "FirmwareUsbBackend.h"

#include <chrono>
#include <cstdio>

FirmwareUsbDevice::FirmwareUsbDevice(std::shared_ptr<VirtualMouseFirmware> firmware,
                                     std::shared_ptr<std::vector<std::string>> log,
                                     std::shared_ptr<RequestPacing> pacing)
    : firmware_(std::move(firmware)), log_(std::move(log)), pacing_(std::move(pacing)) {}

void FirmwareUsbDevice::notePacing(bool isSet, const uint8_t* report, size_t length) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    pacing_->note(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count(),
                  RequestPacing::pauseAfter(isSet, report, length));
}

std::string FirmwareUsbDevice::hex(const uint8_t* bytes, size_t length) {
    std::string out;
    char cell[4];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(cell, sizeof cell, i ? " %02x" : "%02x", bytes[i]);
        out += cell;
    }
    return out;
}

int FirmwareUsbDevice::setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                        size_t* transferred) {
    log_->push_back("SET " + hex(report, length));
    notePacing(true, report, length);
    return firmware_->setFeatureReport(interfaceNumber, report, length, transferred);
}

int FirmwareUsbDevice::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                        size_t* transferred) {
    notePacing(false, report, length);
    const int result = firmware_->getFeatureReport(interfaceNumber, report, length, transferred);
    log_->push_back("GET " + hex(report, length));
    return result;
}

FirmwareUsbBackend::FirmwareUsbBackend(std::shared_ptr<VirtualMouseFirmware> firmware,
                                       std::shared_ptr<std::vector<std::string>> log)
    : firmware_(std::move(firmware)), log_(std::move(log)) {}

void FirmwareUsbBackend::plug() {
    plugged_ = true;
    current_ = UsbDeviceInfo{};
    current_.serviceId = UsbDeviceInfo::allocateServiceId();
    current_.vendorId = 0x04F2;
    current_.productId = 0x1106;
    current_.productName = QStringLiteral("Emulated mouse");
    current_.device = std::make_shared<FirmwareUsbDevice>(firmware_, log_, pacing_);
    if (started_)
        Q_EMIT deviceArrived(current_);
}

void FirmwareUsbBackend::unplug() {
    plugged_ = false;
    if (started_)
        Q_EMIT deviceRemoved(current_.serviceId);
}

int FirmwareUsbBackend::start() {
    started_ = true;
    if (plugged_)
        plug();
    return 0;
}
