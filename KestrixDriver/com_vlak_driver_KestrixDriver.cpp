#include "com_vlak_driver_KestrixDriver.h"

#include "HvLogger.h"

#include <algorithm>
#include <cstring>

com_vlak_driver_KestrixDriver::com_vlak_driver_KestrixDriver(quint16 vendorId, quint16 productId,
                                                             int interfaceNumber,
                                                             quint32 locationId)
    : DriverService(QString::fromLatin1(kClassName)) {
    setProperty(QStringLiteral("idVendor"), int(vendorId));
    setProperty(QStringLiteral("idProduct"), int(productId));
    setProperty(QStringLiteral("bInterfaceNumber"), interfaceNumber);
    setProperty(QStringLiteral("locationID"), qlonglong(locationId));
}

com_vlak_driver_KestrixDriver::~com_vlak_driver_KestrixDriver() = default;

int com_vlak_driver_KestrixDriver::handleReport(const uint8_t* report, size_t length) {
    // The buffer is on the stack and zero-filled, so a short report carries nothing but its own
    // bytes; nothing is allocated per report.
    uint8_t buffer[kReportMessageSize] = {};
    if (report != nullptr)
        std::memcpy(buffer, report, std::min(length, kReportBytes));
    // Only the logged length is cut to a byte: a long report still gives its first 8 bytes.
    const auto loggedLength = static_cast<uint8_t>(length);
    if (HvLogger::getLogger()->isDebugEnabled())
        HV_DEBUG(QString::asprintf("Kestrix Mouse Report: %x %x %x %x %x %x %x %x leng=%x",
                                   buffer[0], buffer[1], buffer[2], buffer[3], buffer[4], buffer[5],
                                   buffer[6], buffer[7], loggedLength));
    messageClients(kReportMessage, buffer, sizeof buffer);
    return 0;
}

int com_vlak_driver_KestrixDriver::setProperties(const QVariantMap& /*properties*/) {
    HV_DEBUG(QStringLiteral("Kestrix properties  "));
    return 0;
}

void com_vlak_driver_KestrixDriver::serviceWasClosed() {
    messageClients(kServiceWasClosed, nullptr, 0);
}
