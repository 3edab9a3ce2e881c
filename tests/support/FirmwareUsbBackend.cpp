#include "FirmwareUsbBackend.h"

#include "SteadyClock.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

FirmwareUsbDevice::FirmwareUsbDevice(std::shared_ptr<VirtualMouseFirmware> firmware,
                                     std::shared_ptr<std::vector<std::string>> log,
                                     std::shared_ptr<RequestPacing> pacing,
                                     std::shared_ptr<FirmwareBusState> state, quint64 serviceId)
    : firmware_(std::move(firmware)), log_(std::move(log)), pacing_(std::move(pacing)),
      state_(std::move(state)), serviceId_(serviceId) {}

void FirmwareUsbDevice::notePacing(bool isSet, const uint8_t* report, size_t length) {
    pacing_->note(steadyNs(), RequestPacing::pauseAfter(isSet, report, length));
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

std::optional<FeatureFault::Kind> FirmwareUsbDevice::takeFault(bool isSet, const uint8_t* report,
                                                               size_t length) {
    std::lock_guard lock(state_->mutex);
    const auto fault = state_->faults.take(isSet);
    if (!fault || *fault == FeatureFault::Kind::Short)
        return fault;
    log_->push_back(std::string(isSet ? "SET " : "GET ") + hex(report, length) + " (" +
                    FeatureFault::kindName(*fault) + ")");
    if (*fault == FeatureFault::Kind::Unplug) {
        // Gone at once for every thread; the removal is announced where the bus announces it.
        gone_ = true;
        if (FirmwareUsbBackend* backend = state_->backend)
            QMetaObject::invokeMethod(
                backend, [backend, id = serviceId_] { backend->unplugService(id); },
                Qt::QueuedConnection);
    }
    return fault;
}

int FirmwareUsbDevice::faultResult(FeatureFault::Kind kind) {
    switch (kind) {
    case FeatureFault::Kind::Stall:
        return EPIPE;
    case FeatureFault::Kind::Silent:
        return ETIMEDOUT;
    case FeatureFault::Kind::Unplug:
        return ENODEV;
    case FeatureFault::Kind::Short:
        break;
    }
    return 0;
}

int FirmwareUsbDevice::setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                        size_t* transferred) {
    if (gone_)
        return ENODEV;
    notePacing(true, report, length);
    if (const auto fault = takeFault(true, report, length))
        return faultResult(*fault);
    log_->push_back("SET " + hex(report, length));
    return firmware_->setFeatureReport(interfaceNumber, report, length, transferred);
}

int FirmwareUsbDevice::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                        size_t* transferred) {
    if (gone_)
        return ENODEV;
    notePacing(false, report, length);
    const auto fault = takeFault(false, report, length);
    if (fault && *fault != FeatureFault::Kind::Short)
        return faultResult(*fault);
    std::optional<size_t> shortened;
    {
        std::lock_guard lock(state_->mutex);
        shortened = std::exchange(state_->shortReply, std::nullopt);
    }
    if (fault)
        shortened = std::min<size_t>(shortened.value_or(length), 4);
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
    : firmware_(std::move(firmware)), log_(std::move(log)) {
    state_->backend = this;
}

FirmwareUsbBackend::~FirmwareUsbBackend() {
    std::lock_guard lock(state_->mutex);
    state_->backend = nullptr;
}

void FirmwareUsbBackend::plug() {
    plugged_ = true;
    current_ = UsbDeviceInfo{};
    current_.serviceId = UsbDeviceInfo::allocateServiceId();
    current_.vendorId = 0x04F2;
    current_.productId = 0x1106;
    current_.productName = QStringLiteral("Emulated mouse");
    current_.device =
        std::make_shared<FirmwareUsbDevice>(firmware_, log_, pacing_, state_, current_.serviceId);
    if (started_)
        Q_EMIT deviceArrived(current_);
}

void FirmwareUsbBackend::unplug() {
    plugged_ = false;
    if (auto* device = static_cast<FirmwareUsbDevice*>(current_.device.get()))
        device->markGone();
    if (started_)
        Q_EMIT deviceRemoved(current_.serviceId);
}

void FirmwareUsbBackend::unplugService(quint64 serviceId) {
    if (plugged_ && current_.serviceId == serviceId)
        unplug();
}

void FirmwareUsbBackend::shortenNextRead(size_t bytes) {
    std::lock_guard lock(state_->mutex);
    state_->shortReply = bytes;
}

bool FirmwareUsbBackend::armFault(const FeatureFault& fault) {
    std::lock_guard lock(state_->mutex);
    return state_->faults.arm(fault);
}

void FirmwareUsbBackend::clearFault() {
    std::lock_guard lock(state_->mutex);
    state_->faults.clear();
}

std::optional<FeatureFault> FirmwareUsbBackend::armedFault() const {
    std::lock_guard lock(state_->mutex);
    return state_->faults.armed();
}

int FirmwareUsbBackend::start() {
    started_ = true;
    if (plugged_)
        plug();
    return 0;
}
