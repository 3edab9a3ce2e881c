#pragma once

#include "Usb/UsbControlRequest.h"
#include "Usb/UsbDevice.h"
#include "Usb/UsbDeviceIterator.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

class UsbNotificationPort;

// A control request as the requester sends it: bmRequestType, bRequest, wValue, wIndex,
// wLength, pData and the done-length wLenDone.
using IOUSBDevRequest = UsbControlRequest;

// Keeps a live list of the machine's USB devices, selects the first one with the wanted vendor
// and product id, and sends control requests to it. Device entries are maps with the keys "VID",
// "PID", "name", "dev" (the device handle, a std::shared_ptr<UsbDevice>), "service" and, when the
// device has one, "serial".
//
// The list changes on the event loop of the thread that started listening; requests may come
// from any thread. A request takes its own reference to the selected device, so a device
// removed meanwhile stays valid until the request returns (and then fails).
class HvDeviceRequester {
public:
    static HvDeviceRequester* shareDeviceReq();

    HvDeviceRequester();
    ~HvDeviceRequester();
    HvDeviceRequester(const HvDeviceRequester&) = delete;
    HvDeviceRequester& operator=(const HvDeviceRequester&) = delete;

    bool listenDevWithVid(uint32_t vendorId, uint32_t productId);
    bool listenForDevices();
    void deviceAdded(UsbDeviceIterator* iterator);
    void deviceRemoved(UsbDeviceIterator* iterator);
    void setSelectedDev();
    // Directs requests at the listed device of this service number (one with the wanted ids)
    // instead of the first; the selection rule picks again at the next arrival or removal, or at
    // setSelectedDev. False, and the selection as it was, when no such device is listed.
    bool selectService(quint64 serviceId);
    bool isDevOn() const;
    // Whether the selected mouse is the emulated one (kx-virtual-mouse, known by its USB
    // location); false when none is selected.
    bool isSelectedDeviceEmulated() const;
    // Whether an entry of deviceArray() is the emulated mouse.
    static bool isEmulatedEntry(const QVariantMap& entry);
    bool sendDeviceRequest(IOUSBDevRequest* request);
    bool resetCurrDevice();

    QList<QVariantMap> deviceArray() const { return deviceArray_.value_or(QList<QVariantMap>()); }
    QVariantMap currDevDic() const { return currDevDic_; }

    uint32_t vendorID() const { return vendorID_; }
    void setVendorID(uint32_t value) { vendorID_ = value; }
    uint32_t productID() const { return productID_; }
    void setProductID(uint32_t value) { productID_ = value; }
    bool isSingleMode() const { return isSingleMode_; }
    void setIsSingleMode(bool value) { isSingleMode_ = value; }
    bool isListenSelected() const { return isListenSelected_; }
    void setIsListenSelected(bool value) { isListenSelected_ = value; }
    bool isPrintMsg() const { return isPrintMsg_; }
    void setIsPrintMsg(bool value) { isPrintMsg_ = value; }
    QString printName() const { return printName_; }
    void setPrintName(const QString& value) { printName_ = value; }

private:
    std::optional<QList<QVariantMap>> deviceArray_;
    std::unique_ptr<UsbNotificationPort> notifyPort_;
    UsbDeviceIterator* newDeviceAddedIter_ = nullptr;
    UsbDeviceIterator* newDeviceRemovedIter_ = nullptr;
    uint32_t vendorID_ = 0;
    uint32_t productID_ = 0;
    bool isSingleMode_ = false;
    QVariantMap currDevDic_;
    std::shared_ptr<UsbDevice> selectedDevice() const;
    void selectDevice(std::shared_ptr<UsbDevice> device);

    // The selected entry's device, for requests from any thread. A mutex rather than
    // std::atomic<std::shared_ptr>: libstdc++ 12 ends a load with a relaxed unlock, so a later
    // store is not ordered after it.
    mutable std::mutex selectedMutex_;
    std::shared_ptr<UsbDevice> selectedDevice_;
    bool isFillData_ = false;
    bool isListenSelected_ = false;
    std::atomic<bool> isPrintMsg_ = false;
    QString printName_;
};

// Plain notification callbacks; refCon is the requester.
void staticDeviceAdded(void* refCon, UsbDeviceIterator* iterator);
void staticDeviceRemoved(void* refCon, UsbDeviceIterator* iterator);
