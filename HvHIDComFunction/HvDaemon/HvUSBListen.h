#pragma once

#include "HvDaemon/HvUSBDealwithObj.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class DriverService;
class InterestNotification;
class QEventLoop;
class UnixSignalWatcher;
class UsbDevice;
class UsbDeviceIterator;
class UsbNotificationPort;

// Watches for one USB device (vendor and product id) and hands its input reports to an event
// handler. The reports come from the instances of a report hook (a driver published in the
// DriverRegistry under driverIdentify, with the properties "idVendor" and "idProduct"): each
// instance sends message kReportMessage with the report in the first 8 bytes of its argument,
// and kServiceClosedMessage when its node is gone. startListen also runs the calling thread's
// event loop for the life of the process.
class HvUSBListen {
public:
    static constexpr uint32_t kReportMessage = 0xFFF1;
    static constexpr uint32_t kServiceClosedMessage = 0xE0000110;

    // The process's listener, made on first use and never destroyed.
    static HvUSBListen* shareUsbListen();

    // Sets up the notifications, handles a device already present, runs the event loop until it
    // is stopped and returns true. False at once when the bus cannot be watched or the ids
    // cannot name a USB device. Call once, on the thread that is to receive all events.
    bool startListen();
    // Ends the event loop startListen runs, as SIGINT and SIGTERM do.
    void stopListen();

    // driverIdentify as UTF-8, for matching the hook's instances.
    QByteArray getDriverIdentifyStr() const { return driverIdentify_.toUtf8(); }

    // Platform callbacks; refCon is the listener for the bus and the device record for an
    // instance's messages.
    static void DeviceAdded(void* refCon, UsbDeviceIterator* iterator);
    static void DeviceTerminated(void* refCon, UsbDeviceIterator* iterator);
    static void DeviceNotification(void* refCon, DriverService* service, uint32_t messageType,
                                   void* argument, size_t argumentSize);
    enum class FindMode { First, Last };
    // The first or last hook instance of the device at that USB location.
    std::shared_ptr<DriverService> FindMyDriver(const DriverService* skip, FindMode mode,
                                                uint32_t locationID) const;
    std::vector<std::shared_ptr<DriverService>> FindDevices() const;
    void SignalHandler(int signalNumber);

    std::shared_ptr<HvUSBDealwithObj> selDealMessage() const { return selDealMessage_; }
    void setSelDealMessage(std::shared_ptr<HvUSBDealwithObj> value) {
        selDealMessage_ = std::move(value);
    }
    bool isListen() const { return isListen_; }
    void setIsListen(bool value) { isListen_ = value; }
    bool isPrintMsg() const { return isPrintMsg_; }
    void setIsPrintMsg(bool value) { isPrintMsg_ = value; }
    int32_t vendorID() const { return vendorID_; }
    void setVendorID(int32_t value) { vendorID_ = value; }
    int32_t productID() const { return productID_; }
    void setProductID(int32_t value) { productID_ = value; }
    int32_t devNumber() const { return devNumber_; }
    void setDevNumber(int32_t value) { devNumber_ = value; }
    QString driverIdentify() const { return driverIdentify_; }
    void setDriverIdentify(const QString& value) { driverIdentify_ = value; }
    QString printName() const { return printName_; }
    void setPrintName(const QString& value) { printName_ = value; }

    HvUSBListen();
    ~HvUSBListen();
    HvUSBListen(const HvUSBListen&) = delete;
    HvUSBListen& operator=(const HvUSBListen&) = delete;

private:
    // One arrived device, from its arrival until its removal is handled.
    struct ListenDeviceData {
        HvUSBListen* listener = nullptr;
        quint64 serviceId = 0;
        std::vector<std::unique_ptr<InterestNotification>> notifications;
        std::shared_ptr<UsbDevice> deviceInterface;
        QString deviceName;
        uint32_t locationID = 0;
    };

    bool matchesDevice(const DriverService& service) const;
    // Whether an instance is on the device at that location ("locationID" property).
    static bool belongsTo(const DriverService& service, uint32_t locationID);
    bool subscribe(ListenDeviceData* record, const std::shared_ptr<DriverService>& service);
    void driverPublished(const std::shared_ptr<DriverService>& service);
    void deviceRemoved(ListenDeviceData* record);
    void endListening();

    std::shared_ptr<HvUSBDealwithObj> selDealMessage_;
    bool isListen_ = false;
    bool isPrintMsg_ = true;
    int32_t vendorID_ = 0;
    int32_t productID_ = 0;
    int32_t devNumber_ = 0;
    QString driverIdentify_;
    QString printName_ = QStringLiteral("HvDaemon");

    // Process-wide listening state.
    std::unique_ptr<UsbNotificationPort> gNotifyPort_;
    QEventLoop* gRunLoop_ = nullptr;
    UsbDeviceIterator* gAddedIter_ = nullptr;
    bool isFirstDevOn_ = false;
    std::unique_ptr<UnixSignalWatcher> signalWatcher_;
    uint64_t publishToken_ = 0;
    std::vector<std::unique_ptr<ListenDeviceData>> records_;
};
