#include "HvDeviceRequester.h"

#include "HvPrint.h"
#include "Usb/UsbNotificationPort.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QMetaType>

#include <cstdio>
#include <utility>

Q_DECLARE_METATYPE(std::shared_ptr<UsbDevice>)

namespace {
const QString kVID = QStringLiteral("VID");
const QString kPID = QStringLiteral("PID");
const QString kName = QStringLiteral("name");
const QString kDev = QStringLiteral("dev");
const QString kService = QStringLiteral("service");

std::shared_ptr<UsbDevice> deviceOf(const QVariantMap& entry) {
    return entry.value(kDev).value<std::shared_ptr<UsbDevice>>();
}

bool isEmulated(const std::shared_ptr<UsbDevice>& device) {
    uint32_t location = 0;
    return device && device->getLocationId(&location) == 0 && location == VirtualUsb::kLocationId;
}
} // namespace

HvDeviceRequester* HvDeviceRequester::shareDeviceReq() {
    // Lives for the rest of the process, like the notifications it owns.
    static HvDeviceRequester* shared = new HvDeviceRequester();
    return shared;
}

HvDeviceRequester::HvDeviceRequester() = default;
HvDeviceRequester::~HvDeviceRequester() = default;

bool HvDeviceRequester::listenDevWithVid(uint32_t vendorId, uint32_t productId) {
    vendorID_ = vendorId;
    productID_ = productId;
    isSingleMode_ = true;
    const bool listening = listenForDevices();
    if (listening)
        setSelectedDev();
    return listening;
}

bool HvDeviceRequester::listenForDevices() {
    isFillData_ = true;
    deviceArray_.emplace();

    // A second call starts afresh: the old port and its notifications go.
    newDeviceAddedIter_ = nullptr;
    newDeviceRemovedIter_ = nullptr;
    notifyPort_.reset();

    int error = 0;
    notifyPort_ = UsbNotificationPort::create(&error);
    if (!notifyPort_) {
        hvPrint(isPrintMsg_, "%s(): IOMasterPort() returned %08x\n", __func__,
                static_cast<unsigned>(error));
        isFillData_ = false;
        return false;
    }

    newDeviceAddedIter_ = notifyPort_->addMatchingNotification(
        UsbNotificationPort::Kind::FirstMatch, staticDeviceAdded, this);
    deviceAdded(newDeviceAddedIter_);
    newDeviceRemovedIter_ = notifyPort_->addMatchingNotification(
        UsbNotificationPort::Kind::Terminate, staticDeviceRemoved, this);
    deviceRemoved(newDeviceRemovedIter_);

    isFillData_ = false;
    return true;
}

void HvDeviceRequester::deviceAdded(UsbDeviceIterator* iterator) {
    while (auto info = iterator->next()) {
        hvPrint(isPrintMsg_, "%s(): device added %d.\n", __func__,
                static_cast<int>(info->serviceId));
        if (!info->device) {
            hvPrint(isPrintMsg_, "%s(): Unable to create a plug-in (%08x)\n", __func__,
                    static_cast<unsigned>(info->handleError));
            continue;
        }
        if (info->interfaceError != 0) {
            hvPrint(isPrintMsg_, "%s(): Couldn\u2019t create a device interface (%08x)\n", __func__,
                    static_cast<unsigned>(info->interfaceError));
            continue;
        }
        if (!info->productName)
            continue;
        hvPrint(isPrintMsg_, " *dev = %p\n", static_cast<void*>(info->device.get()));

        QVariantMap entry;
        entry.insert(kVID, static_cast<int>(info->vendorId));
        entry.insert(kPID, static_cast<int>(info->productId));
        entry.insert(kName, *info->productName);
        entry.insert(kDev, QVariant::fromValue(info->device));
        entry.insert(kService, static_cast<qulonglong>(info->serviceId));
        if (info->serialNumber)
            entry.insert(QStringLiteral("serial"), *info->serialNumber);
        if (!deviceArray_)
            deviceArray_.emplace();
        deviceArray_->append(entry);
        if (!isFillData_)
            setSelectedDev();
    }
}

void HvDeviceRequester::deviceRemoved(UsbDeviceIterator* iterator) {
    while (auto info = iterator->next()) {
        hvPrint(isPrintMsg_, "%s(): device removed %d.\n", __func__,
                static_cast<int>(info->serviceId));
        if (!deviceArray_)
            continue;
        for (qsizetype i = 0; i < deviceArray_->size(); ++i) {
            if (deviceArray_->at(i).value(kService).toULongLong() == info->serviceId) {
                deviceArray_->removeAt(i);
                if (!isFillData_)
                    setSelectedDev();
                break;
            }
        }
    }
}

void HvDeviceRequester::setSelectedDev() {
    if (!deviceArray_)
        return;
    currDevDic_.clear();
    std::shared_ptr<UsbDevice> selected;
    for (const QVariantMap& entry : std::as_const(*deviceArray_)) {
        if (entry.value(kVID).toUInt() == vendorID_ && entry.value(kPID).toUInt() == productID_) {
            currDevDic_ = entry;
            selected = deviceOf(entry);
            isListenSelected_ = true;
            break;
        }
    }
    selectDevice(std::move(selected));
}

bool HvDeviceRequester::selectService(quint64 serviceId) {
    if (!deviceArray_)
        return false;
    for (const QVariantMap& entry : std::as_const(*deviceArray_)) {
        if (entry.value(kService).toULongLong() == serviceId &&
            entry.value(kVID).toUInt() == vendorID_ && entry.value(kPID).toUInt() == productID_) {
            currDevDic_ = entry;
            selectDevice(deviceOf(entry));
            return true;
        }
    }
    return false;
}

std::shared_ptr<UsbDevice> HvDeviceRequester::selectedDevice() const {
    const std::lock_guard lock(selectedMutex_);
    return selectedDevice_;
}

void HvDeviceRequester::selectDevice(std::shared_ptr<UsbDevice> device) {
    std::shared_ptr<UsbDevice> previous;
    {
        const std::lock_guard lock(selectedMutex_);
        previous = std::exchange(selectedDevice_, std::move(device));
    }
    // The old device, if this was its last reference, closes outside the lock.
}

bool HvDeviceRequester::isDevOn() const {
    return selectedDevice() != nullptr;
}

bool HvDeviceRequester::isSelectedDeviceEmulated() const {
    return isEmulated(selectedDevice());
}

bool HvDeviceRequester::isEmulatedEntry(const QVariantMap& entry) {
    return isEmulated(deviceOf(entry));
}

bool HvDeviceRequester::sendDeviceRequest(IOUSBDevRequest* request) {
    const std::shared_ptr<UsbDevice> device = selectedDevice();
    if (!device || !request)
        return false;
    const int result = device->deviceRequest(*request);
    if (result == 0)
        return true;
    hvPrint(isPrintMsg_, "Request failed,OS reported error code %08x",
            static_cast<unsigned>(result));
    return false;
}

bool HvDeviceRequester::resetCurrDevice() {
    const std::shared_ptr<UsbDevice> device = selectedDevice();
    if (!device)
        return false;
    if (const int result = device->open(); result != 0) {
        hvPrint(isPrintMsg_, "Exclusive Device open failed,OS reported error code %08x",
                static_cast<unsigned>(result));
        return false;
    }
    if (const int result = device->reset(); result != 0) {
        hvPrint(isPrintMsg_, "Device reset failed,OS reported error code %08x",
                static_cast<unsigned>(result));
        return false;
    }
    if (const int result = device->reEnumerate(); result != 0) {
        hvPrint(isPrintMsg_, "USBDeviceReEnumerate failed,OS reported error code %08x",
                static_cast<unsigned>(result));
        return false;
    }
    return true;
}

void staticDeviceAdded(void* refCon, UsbDeviceIterator* iterator) {
    if (refCon)
        static_cast<HvDeviceRequester*>(refCon)->deviceAdded(iterator);
}

void staticDeviceRemoved(void* refCon, UsbDeviceIterator* iterator) {
    if (refCon)
        static_cast<HvDeviceRequester*>(refCon)->deviceRemoved(iterator);
}
