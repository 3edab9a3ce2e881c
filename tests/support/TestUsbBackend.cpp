#include "TestUsbBackend.h"

#include <algorithm>
#include <cstring>

int TestUsbDevice::open() {
    calls.push_back("open");
    return openResult;
}

int TestUsbDevice::reset() {
    calls.push_back("reset");
    return resetResult;
}

int TestUsbDevice::reEnumerate() {
    calls.push_back("reEnumerate");
    return reEnumerateResult;
}

int TestUsbDevice::setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                                    size_t* transferred) {
    if (onSetFeature)
        return onSetFeature(interfaceNumber, const_cast<uint8_t*>(report), length, transferred);
    *transferred = length;
    return 0;
}

int TestUsbDevice::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                    size_t* transferred) {
    if (onGetFeature)
        return onGetFeature(interfaceNumber, report, length, transferred);
    std::memset(report + 1, 0, length - 1);
    *transferred = length;
    return 0;
}

quint64 TestUsbBackend::plug(quint16 vendorId, quint16 productId, Options options) {
    UsbDeviceInfo info;
    info.serviceId = UsbDeviceInfo::allocateServiceId();
    info.vendorId = vendorId;
    info.productId = productId;
    info.productName = options.name;
    info.handleError = options.handleError;
    info.interfaceError = options.interfaceError;
    if (options.handleError == 0)
        info.device = std::move(options.device);
    present_.push_back(info);
    if (started_)
        Q_EMIT deviceArrived(info);
    return info.serviceId;
}

void TestUsbBackend::unplug(quint64 serviceId) {
    std::erase_if(present_, [serviceId](const auto& d) { return d.serviceId == serviceId; });
    if (started_)
        Q_EMIT deviceRemoved(serviceId);
}

int TestUsbBackend::start() {
    if (startResult != 0)
        return startResult;
    started_ = true;
    for (const auto& info : present_)
        Q_EMIT deviceArrived(info);
    return 0;
}
