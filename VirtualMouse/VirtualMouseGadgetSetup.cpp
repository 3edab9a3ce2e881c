#include "VirtualMouseGadgetSetup.h"

#include "VirtualMouseDescriptors.h"

#include <endian.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr uint8_t kHidGetReport = 0x01;
constexpr uint8_t kHidGetIdle = 0x02;
constexpr uint8_t kHidGetProtocol = 0x03;
constexpr uint8_t kHidSetReport = 0x09;
constexpr uint8_t kHidSetIdle = 0x0A;
constexpr uint8_t kHidSetProtocol = 0x0B;
constexpr uint8_t kReportTypeFeature = 3;
constexpr uint8_t kDescriptorHid = 0x21;
constexpr uint8_t kDescriptorReport = 0x22;
constexpr uint8_t kClassInterfaceIn = USB_DIR_IN | USB_TYPE_CLASS | USB_RECIP_INTERFACE;
constexpr uint8_t kClassInterfaceOut = USB_DIR_OUT | USB_TYPE_CLASS | USB_RECIP_INTERFACE;
constexpr uint8_t kStandardInterfaceIn = USB_DIR_IN | USB_TYPE_STANDARD | USB_RECIP_INTERFACE;
} // namespace

void VirtualMouseGadgetSetup::handle(const usb_ctrlrequest& setup) {
    const uint8_t type = setup.bRequestType;
    const uint16_t value = le16toh(setup.wValue);
    const int interfaceNumber = le16toh(setup.wIndex) & 0xFF;
    const uint16_t length = le16toh(setup.wLength);
    const uint8_t reportType = value >> 8;
    const uint8_t reportId = value & 0xFF;
    const bool in = type & USB_DIR_IN;
    const bool feature = reportType == kReportTypeFeature && length > 0;

    if (type == kStandardInterfaceIn && setup.bRequest == USB_REQ_GET_DESCRIPTOR) {
        const QByteArray descriptor =
            reportType == kDescriptorReport
                ? VirtualMouseDescriptors::reportDescriptor(interfaceNumber)
            : reportType == kDescriptorHid ? VirtualMouseDescriptors::hidDescriptor(interfaceNumber)
                                           : QByteArray();
        if (descriptor.isEmpty())
            ep0_.stall(in);
        else
            ep0_.reply(descriptor.left(length));
        return;
    }
    if (type == kClassInterfaceOut) {
        if (setup.bRequest == kHidSetIdle || setup.bRequest == kHidSetProtocol)
            ep0_.acknowledge();
        else if (setup.bRequest == kHidSetReport && feature)
            setFeature(interfaceNumber, reportId, length);
        else
            ep0_.stall(in);
        return;
    }
    if (type == kClassInterfaceIn) {
        if (setup.bRequest == kHidGetReport && feature)
            getFeature(interfaceNumber, reportId, length);
        else if (setup.bRequest == kHidGetIdle)
            ep0_.reply(QByteArray(1, '\0').left(length));
        else if (setup.bRequest == kHidGetProtocol)
            ep0_.reply(QByteArray(1, '\1').left(length)); // report protocol
        else
            ep0_.stall(in);
        return;
    }
    ep0_.stall(in);
}

bool VirtualMouseGadgetSetup::answerWithFault(VirtualMouseServer::Fault fault, bool inDirection) {
    using Fault = VirtualMouseServer::Fault;
    switch (fault) {
    case Fault::Stall:
        ep0_.stall(inDirection);
        return true;
    case Fault::Silent:
        ep0_.holdUnanswered(inDirection);
        return true;
    case Fault::Unplug:
        server_.unplug(); // the request is still waiting for its answer
        return true;
    case Fault::Short:
        break;
    }
    return false;
}

void VirtualMouseGadgetSetup::getFeature(int interfaceNumber, uint8_t reportId, uint16_t length) {
    QByteArray report(qMin<int>(length, VirtualMouseFirmware::kReportLength), '\0');
    report[0] = char(reportId);
    auto* bytes = reinterpret_cast<uint8_t*>(report.data());
    server_.noteRequest(false, bytes, size_t(report.size()));
    const auto fault = server_.takeFault(false);
    if (fault && answerWithFault(*fault, true))
        return;
    size_t transferred = 0;
    if (!VirtualMouseFirmware::takesFeatureReport(interfaceNumber, reportId, false) ||
        server_.firmware().getFeatureReport(interfaceNumber, bytes, size_t(report.size()),
                                            &transferred) != 0) {
        ep0_.stall(true);
        return;
    }
    if (fault == VirtualMouseServer::Fault::Short)
        transferred = qMin<size_t>(transferred, VirtualMouseServer::kShortReplyLength);
    ep0_.reply(report.left(qsizetype(transferred)));
}

void VirtualMouseGadgetSetup::setFeature(int interfaceNumber, uint8_t reportId, uint16_t length) {
    // A SET is judged by its setup stage alone (interface and report id): once its data is
    // taken the request is complete and can no longer be stalled. So is its fault, which leaves
    // the data untaken and nothing applied.
    if (const auto fault = server_.takeFault(true); fault && answerWithFault(*fault, false)) {
        server_.noteRequest(true, &reportId, 1);
        return;
    }
    if (!VirtualMouseFirmware::takesFeatureReport(interfaceNumber, reportId, true)) {
        ep0_.stall(false);
        return;
    }
    const std::optional<QByteArray> report = ep0_.receive(length);
    if (!report)
        return;
    size_t transferred = 0;
    if (const int r = server_.hostSetFeature(interfaceNumber,
                                             reinterpret_cast<const uint8_t*>(report->constData()),
                                             size_t(report->size()), &transferred);
        r != 0)
        Q_EMIT server_.warning(QStringLiteral("the firmware refused a feature report: %1")
                                   .arg(QString::fromLocal8Bit(std::strerror(r))));
}
