#include "UsbDevice.h"

#include <cerrno>

UsbDevice::~UsbDevice() = default;

int UsbDevice::getLocationId(uint32_t* /*locationId*/) const {
    return EOPNOTSUPP;
}

int UsbDevice::deviceRequest(UsbControlRequest& request) {
    request.wLenDone = 0;
    const uint8_t reportType = request.wValue >> 8;
    const uint8_t reportId = request.wValue & 0xFF;
    if (reportType != UsbHid::kReportTypeFeature)
        return EOPNOTSUPP;
    if (request.wLength == 0 || request.pData == nullptr)
        return EINVAL;

    auto* report = static_cast<uint8_t*>(request.pData);
    size_t transferred = 0;
    int result = EOPNOTSUPP;
    if (request.bmRequestType == UsbHid::kClassInterfaceOut &&
        request.bRequest == UsbHid::kSetReport) {
        // Numbered reports travel with their id in byte 0; a buffer that says otherwise would
        // reach the device as a different report.
        if (reportId != 0 && report[0] != reportId)
            return EINVAL;
        result = setFeatureReport(request.wIndex, report, request.wLength, &transferred);
    } else if (request.bmRequestType == UsbHid::kClassInterfaceIn &&
               request.bRequest == UsbHid::kGetReport) {
        report[0] = reportId;
        result = getFeatureReport(request.wIndex, report, request.wLength, &transferred);
    }
    if (result == 0)
        request.wLenDone = static_cast<uint32_t>(transferred);
    return result;
}
