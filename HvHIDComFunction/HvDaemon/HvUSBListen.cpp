#include "HvDaemon/HvUSBListen.h"

#include "Drivers/DriverRegistry.h"
#include "HvPrint.h"
#include "Process/UnixSignalWatcher.h"
#include "Usb/UsbNotificationPort.h"

#include <QEventLoop>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

// Per-report lines are debug lines, off unless QT_LOGGING_RULES enables "kx.listen.debug".
Q_LOGGING_CATEGORY(lcListen, "kx.listen", QtInfoMsg)

namespace {
constexpr size_t kReportBytes = 8;
constexpr uint32_t kIoReturnNotFound = 0xE00002F0; // no driver instance to subscribe to

} // namespace

HvUSBListen* HvUSBListen::shareUsbListen() {
    static HvUSBListen* const listener = new HvUSBListen;
    return listener;
}

HvUSBListen::HvUSBListen() = default;
HvUSBListen::~HvUSBListen() = default;

bool HvUSBListen::startListen() {
    const int32_t vendor = vendorID_;
    const int32_t product = productID_;
    isFirstDevOn_ = false;

    signalWatcher_ =
        std::make_unique<UnixSignalWatcher>(std::initializer_list<int>{SIGINT, SIGTERM, SIGHUP});
    if (!signalWatcher_->isValid())
        hvPrint(isPrintMsg_, "Could not establish new signal handler");
    QObject::connect(signalWatcher_.get(), &UnixSignalWatcher::received,
                     [this](int signalNumber) { SignalHandler(signalNumber); });

    int error = 0;
    std::unique_ptr<UsbNotificationPort> port = UsbNotificationPort::create(&error);
    if (!port) {
        hvPrint(isPrintMsg_, "ERR: Couldn't create a master IOKit Port(%08x)\n",
                static_cast<unsigned>(error));
        signalWatcher_.reset();
        return false;
    }
    // The ids must name a USB device, and the hook's instances a class.
    if (vendor <= 0 || vendor > 0xFFFF || product < 0 || product > 0xFFFF ||
        driverIdentify_.isEmpty()) {
        hvPrint(isPrintMsg_, "Can't create a USB matching dictionary\n");
        signalWatcher_.reset();
        return false;
    }

    gNotifyPort_ = std::move(port);
    QEventLoop runLoop;
    gRunLoop_ = &runLoop;
    gAddedIter_ = gNotifyPort_->addMatchingNotification(UsbNotificationPort::Kind::FirstMatch,
                                                        DeviceAdded, this);
    // The hook's instances appear after the USB device (the HID driver binds later), and a
    // device whose hook never came up must still be seen leaving.
    gNotifyPort_->addMatchingNotification(UsbNotificationPort::Kind::Terminate, DeviceTerminated,
                                          this);
    publishToken_ = DriverRegistry::shared().addPublishNotification(
        driverIdentify_,
        [this](const std::shared_ptr<DriverService>& service) { driverPublished(service); });

    DeviceAdded(this, gAddedIter_);
    hvPrint(isPrintMsg_, "Starting run loop.\n");
    if (isFirstDevOn_ && selDealMessage_)
        selDealMessage_->andDevPro();
    if (selDealMessage_)
        selDealMessage_->didEndInit();

    if (isPrintMsg_)
        qCInfo(lcListen, "循环开始");
    runLoop.exec();
    gRunLoop_ = nullptr;
    if (isPrintMsg_)
        qCInfo(lcListen, "循环结束");
    endListening();
    selDealMessage_.reset();
    return true;
}

void HvUSBListen::stopListen() {
    if (gRunLoop_)
        gRunLoop_->exit(0);
}

void HvUSBListen::endListening() {
    DriverRegistry::shared().removePublishNotification(publishToken_);
    publishToken_ = 0;
    records_.clear();
    gAddedIter_ = nullptr;
    gNotifyPort_.reset();
    signalWatcher_.reset();
}

void HvUSBListen::SignalHandler(int signalNumber) {
    // Runs on the event loop (the signal handler itself only wrote to a pipe). A hang-up asks
    // for a reload, as daemons take it; the others end the loop normally, so the program can
    // close its windows and bus connection on the way out.
    if (signalNumber == SIGHUP) {
        if (selDealMessage_)
            selDealMessage_->reloadRequested();
        return;
    }
    gAddedIter_ = nullptr;
    gNotifyPort_.reset();
    stopListen();
}

bool HvUSBListen::matchesDevice(const DriverService& service) const {
    const QVariant vendor = service.property(QStringLiteral("idVendor"));
    const QVariant product = service.property(QStringLiteral("idProduct"));
    if (!vendor.isValid() || !product.isValid())
        return false;
    return vendor.toLongLong() == vendorID_ && product.toLongLong() == productID_;
}

bool HvUSBListen::belongsTo(const DriverService& service, uint32_t locationID) {
    // Two mice of these ids (the real one and the emulated one) each have their own instances;
    // the USB location tells them apart.
    const QVariant location = service.property(QStringLiteral("locationID"));
    return location.isValid() && location.toLongLong() == locationID;
}

std::vector<std::shared_ptr<DriverService>> HvUSBListen::FindDevices() const {
    std::vector<std::shared_ptr<DriverService>> services =
        DriverRegistry::shared().matching(driverIdentify_);
    if (services.empty())
        hvPrint(true, "No matching HID class devices found.\n");
    return services;
}

std::shared_ptr<DriverService> HvUSBListen::FindMyDriver(const DriverService* skip, FindMode mode,
                                                         uint32_t locationID) const {
    std::shared_ptr<DriverService> found;
    for (const auto& service : FindDevices()) {
        if (service.get() == skip || !matchesDevice(*service) || !belongsTo(*service, locationID))
            continue;
        found = service;
        if (mode == FindMode::First)
            break;
    }
    return found;
}

bool HvUSBListen::subscribe(ListenDeviceData* record,
                            const std::shared_ptr<DriverService>& service) {
    if (!service)
        return false;
    for (const auto& notification : record->notifications) {
        if (notification->service() == service)
            return true;
    }
    record->notifications.push_back(service->addInterestNotification(DeviceNotification, record));
    return true;
}

void HvUSBListen::DeviceAdded(void* refCon, UsbDeviceIterator* iterator) {
    auto* self = static_cast<HvUSBListen*>(refCon);
    while (const std::optional<UsbDeviceInfo> info = iterator->next()) {
        if (info->vendorId != self->vendorID_ || info->productId != self->productID_)
            continue;
        hvPrint(true, "Device 0x%08x added.\n", static_cast<unsigned>(info->serviceId));

        auto record = std::make_unique<ListenDeviceData>();
        record->listener = self;
        record->serviceId = info->serviceId;
        record->deviceName = QString::fromLatin1(info->productName.value_or(QString()).toLatin1());
        hvPrint(true, "deviceName: %s\n", record->deviceName.toLatin1().constData());

        if (!info->device) {
            hvPrint(true, "unable to create a plugin (%08x)\n",
                    static_cast<unsigned>(info->handleError));
            continue;
        }
        if (info->interfaceError != 0) {
            hvPrint(true, "couldn't create a device interface (%08x)\n",
                    static_cast<unsigned>(info->interfaceError));
            continue;
        }
        record->deviceInterface = info->device;
        uint32_t location = 0;
        if (const int result = record->deviceInterface->getLocationId(&location); result != 0) {
            hvPrint(true, "GetLocationID returned %08x\n", static_cast<unsigned>(result));
            continue;
        }
        hvPrint(true, "Location ID: 0x%lx\n\n", static_cast<unsigned long>(location));
        record->locationID = location;

        ListenDeviceData* kept = record.get();
        self->records_.push_back(std::move(record));
        const std::shared_ptr<DriverService> first =
            self->FindMyDriver(nullptr, FindMode::First, kept->locationID);
        self->subscribe(kept, first);
        const std::shared_ptr<DriverService> last =
            self->FindMyDriver(nullptr, FindMode::Last, kept->locationID);
        bool registered = first != nullptr;
        if (last && last != first)
            registered = self->subscribe(kept, last);

        if (self->selDealMessage_)
            self->selDealMessage_->andDevPro();
        self->isFirstDevOn_ = true;
        if (!registered)
            hvPrint(true, "IOServiceAddInterestNotification returned 0x%08x\n", kIoReturnNotFound);
    }
}

void HvUSBListen::driverPublished(const std::shared_ptr<DriverService>& service) {
    // An instance coming up after its device's arrival (the HID driver binds later) joins the
    // device it belongs to.
    if (!matchesDevice(*service))
        return;
    for (const auto& record : records_)
        if (belongsTo(*service, record->locationID)) {
            subscribe(record.get(), service);
            return;
        }
}

void HvUSBListen::DeviceTerminated(void* refCon, UsbDeviceIterator* iterator) {
    auto* self = static_cast<HvUSBListen*>(refCon);
    while (const std::optional<UsbDeviceInfo> info = iterator->next()) {
        const auto it =
            std::find_if(self->records_.begin(), self->records_.end(),
                         [&](const auto& r) { return r->serviceId == info->serviceId; });
        if (it == self->records_.end())
            continue;
        // Its hook instances (if any came up) did not report the removal first.
        hvPrint(true, "Device 0x%08x removed.\n", static_cast<unsigned>(info->serviceId));
        if (self->selDealMessage_ && self->selDealMessage_->isOnDev())
            self->deviceRemoved(it->get());
        else
            self->records_.erase(it);
    }
}

void HvUSBListen::deviceRemoved(ListenDeviceData* record) {
    selDealMessage_->removeDevPro();
    hvPrint(true, "deviceName: %s\n", record->deviceName.toLatin1().constData());
    hvPrint(true, "It was at location: 0x%lx\n", static_cast<unsigned long>(record->locationID));
    // Ends both subscriptions of the record: no later message can reach it.
    std::erase_if(records_, [record](const auto& r) { return r.get() == record; });
}

void HvUSBListen::DeviceNotification(void* refCon, DriverService* /*service*/, uint32_t messageType,
                                     void* argument, size_t argumentSize) {
    auto* record = static_cast<ListenDeviceData*>(refCon);
    HvUSBListen* self = record->listener;
    HvUSBDealwithObj* handler = self->selDealMessage_.get();

    if (messageType == kReportMessage) {
        // One report per motion of the mouse: nothing is printed at the default level.
        if (!handler || !handler->isOnDev() || !argument || argumentSize < kReportBytes)
            return;
        const auto* report = static_cast<const uint8_t*>(argument);
        handler->dealWithMsg(report);
        if (lcListen().isDebugEnabled())
            qCDebug(lcListen, "%s Daemon: %x %x %x %x %x %x %x %x", qPrintable(self->printName_),
                    report[0], report[1], report[2], report[3], report[4], report[5], report[6],
                    report[7]);
        return;
    }

    hvPrint(true, "Device MessageType 0x%08x\n", static_cast<unsigned>(messageType));
    if (messageType != kServiceClosedMessage)
        return;
    hvPrint(true, "Device 0x%08x removed.\n", static_cast<unsigned>(record->serviceId));
    if (handler && handler->isOnDev())
        self->deviceRemoved(record);
    else
        std::erase_if(self->records_, [record](const auto& r) { return r.get() == record; });
}
