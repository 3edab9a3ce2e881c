#include "FirmwareUsbBackend.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

FirmwareUsbDevice::FirmwareUsbDevice(std::shared_ptr<VirtualMouseFirmware> firmware,
                                     std::shared_ptr<std::vector<std::string>> log,
                                     std::shared_ptr<RequestPacing> pacing,
                                     std::shared_ptr<std::optional<size_t>> shortReply)
    : firmware_(std::move(firmware)), log_(std::move(log)), pacing_(std::move(pacing)),
      shortReply_(std::move(shortReply)) {}

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
    const std::optional<size_t> shortened = std::exchange(*shortReply_, std::nullopt);
    std::vector<uint8_t> answer(report, report + length);
    const int result =
        firmware_->getFeatureReport(interfaceNumber, answer.data(), length, transferred);
    const size_t kept = result == 0 && shortened ? std::min(*shortened, *transferred) : length;
    std::copy_n(answer.begin(), kept, report);
    if (result == 0 && shortened)
        *transferred = kept;
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
    current_.device = std::make_shared<FirmwareUsbDevice>(firmware_, log_, pacing_, shortReply_);
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
