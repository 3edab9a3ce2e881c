#pragma once
// The emulated mouse as the tests of it and of its clients drive it: the host's feature and input
// reports in the protocol's words, its server on the test's private runtime folder, and the
// virtual bus that finds it.
#include "FlashStore.h"
#include "KxProtocol.h"
#include "VirtualMouseServer.h"

#include "Usb/UsbControlRequest.h"
#include "Usb/UsbDevice.h"
#include "Usb/UsbNotificationPort.h"
#include "Virtual/VirtualUsbBackend.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace KxTest {

// An address the tests write to and read back: inside the records, no register.
inline constexpr uint16_t kScratch = 0x0100;

// A feature report of the command channel: the report id, the address, the count, the data.
inline QByteArray featureReport(uint8_t reportId, uint16_t address, const QByteArray& data,
                                int count) {
    QByteArray report = QByteArray(1, char(reportId)) + char(address & 0xFF) + char(address >> 8) +
                        char(count) + data;
    report.resize(KxProtocol::kReportLength, '\0');
    return report;
}
inline QByteArray writeReport(uint16_t address, const QByteArray& data) {
    return featureReport(KxProtocol::kReportWrite, address, data, int(data.size()));
}
// The SET that prepares a read; its GET brings the data from byte 4 on.
inline QByteArray readReport(uint16_t address, int count) {
    return featureReport(KxProtocol::kReportRead, address, {}, count);
}
// An input report of the mouse's own buttons.
inline QByteArray buttonReport(uint8_t kind, uint8_t code = 0) {
    QByteArray report(KxProtocol::kInputReportBytes, '\0');
    report[0] = char(KxProtocol::kReportIdButtons);
    report[1] = char(kind);
    report[3] = char(code);
    return report;
}

// A feature report's SET, or its GET into the report, on a device; the bytes that came in *done.
inline int featureRequest(UsbDevice& device, bool set, QByteArray& report,
                          uint16_t interface = KxProtocol::kControlInterface,
                          uint32_t* done = nullptr) {
    UsbControlRequest r{set ? UsbHid::kClassInterfaceOut : UsbHid::kClassInterfaceIn,
                        set ? UsbHid::kSetReport : UsbHid::kGetReport,
                        uint16_t(UsbHid::kReportTypeFeature << 8 | uint8_t(report[0])),
                        interface,
                        uint16_t(report.size()),
                        report.data()};
    const int status = device.deviceRequest(r);
    if (done)
        *done = r.wLenDone;
    return status;
}
inline int setReport(UsbDevice& device, QByteArray report,
                     uint16_t interface = KxProtocol::kControlInterface) {
    return featureRequest(device, true, report, interface);
}

// A server on the private runtime folder, started and plugged; its warnings into *warnings.
inline std::unique_ptr<VirtualMouseServer> startServer(QStringList* warnings = nullptr) {
    auto server = std::make_unique<VirtualMouseServer>(
        VirtualMouseServer::Options{VirtualUsb::socketPath(), FlashStore::defaultPath(), true});
    if (warnings)
        QObject::connect(server.get(), &VirtualMouseServer::warning,
                         [warnings](const QString& line) { *warnings << line; });
    QString error;
    EXPECT_TRUE(server->start(&error)) << error.toStdString();
    return server;
}

// Notification ports made from now on watch the virtual bus alone.
inline void useVirtualBus() {
    UsbNotificationPort::setBackendFactory([] {
        std::vector<std::unique_ptr<UsbBackend>> backends;
        backends.push_back(std::make_unique<VirtualUsbBackend>());
        return backends;
    });
}

} // namespace KxTest
