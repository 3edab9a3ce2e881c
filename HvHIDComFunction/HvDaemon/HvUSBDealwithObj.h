#pragma once

#include <QString>
#include <QVariantList>

#include <cstdint>
#include <optional>

// Base of the presence listener's event handler. The listener calls, on its thread: andDevPro on
// each arrival of the device, removeDevPro on its removal, dealWithMsg for each input report and
// didEndInit once after the initial scan. The base turns arrival and removal into the device
// status notification (when notifyDevStatusStr names one) and can start a companion application
// on arrival; subclasses override what they need.
class HvUSBDealwithObj {
public:
    HvUSBDealwithObj();
    virtual ~HvUSBDealwithObj();
    HvUSBDealwithObj(const HvUSBDealwithObj&) = delete;
    HvUSBDealwithObj& operator=(const HvUSBDealwithObj&) = delete;

    // Whether to start the companion application when the device arrives. Base: false.
    virtual bool openDeviceWhenAdd();
    // Name of the session-wide device status notification. Base: none (nothing is posted).
    virtual std::optional<QString> notifyDevStatusStr();
    // Path of the companion application. Base: none.
    virtual std::optional<QString> deviceOptionPath();
    // One input report; at least 8 bytes are readable. Base: nothing.
    virtual void dealWithMsg(const uint8_t* report);
    // Posts {"type": type, "value": value}.
    virtual void sendDevStatus(int type, int value);
    // Posts {"type": type, "value1": values[0], "value2": values[1], ...}.
    virtual void sendDevStatus(int type, const QVariantList& values);
    // Starts the companion application when wanted, known and not running; true when it was
    // asked to start (also when its path does not exist).
    virtual bool openDeviceOption();
    virtual void removeDevPro();
    virtual void andDevPro();
    virtual void didEndInit();
    // The process was asked to reload its configuration (SIGHUP). Base: nothing.
    virtual void reloadRequested();

    bool isOnDev() const { return isOnDev_; }
    void setIsOnDev(bool value) { isOnDev_ = value; }

private:
    void postDevStatus(const QVariantMap& userInfo);

    bool isOnDev_ = false;
};
