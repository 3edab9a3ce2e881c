#pragma once

#include "Linux/UniqueFd.h"
#include "Usb/UsbDevice.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

struct udev_device;

// One USB device of the host. Feature reports go to the hidraw node of the addressed interface;
// open, reset and re-enumeration go through the device's usbfs node. The hidraw nodes are found
// on first use, since the HID driver creates them after the USB device itself has arrived, and
// each stays open for later requests: an open hidraw descriptor keeps answering ENODEV once its
// device is unplugged, so it can never reach a device re-plugged under the same node name. A
// node replaced while its device stays (re-enumeration binds the HID driver again, and the new
// node may even get the old one's name) is found afresh.
class LinuxUsbDevice : public UsbDevice {
public:
    // A handle on a udev device of devtype usb_device; null with *error set when the device
    // names no usbfs node.
    static std::shared_ptr<LinuxUsbDevice> create(udev_device* device, int* error);

    // devnum is the bus address the kernel gave this arrival; a device at the same syspath with
    // another address is a later plug. Empty when unknown.
    LinuxUsbDevice(std::string syspath, std::string usbfsNode, std::string devnum);
    ~LinuxUsbDevice() override;

    const std::string& syspath() const { return syspath_; }
    const std::string& usbfsNode() const { return usbfsNode_; }

    // The bus saw the device go: every later request fails with ENODEV.
    void markGone() { gone_ = true; }
    bool isGone() const { return gone_; }

    int open() override;
    int reset() override;
    int reEnumerate() override;
    int getLocationId(uint32_t* locationId) const override;

    // The location of a device by its sysfs name ("1-2.3"); EINVAL for a name of another shape
    // or a path deeper than six ports.
    static int locationFromSysname(const std::string& sysname, uint32_t* locationId);

protected:
    int setFeatureReport(int interfaceNumber, const uint8_t* report, size_t length,
                         size_t* transferred) override;
    int getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                         size_t* transferred) override;

private:
    using SharedFd = std::shared_ptr<const UniqueFd>;

    int featureIoctl(int interfaceNumber, unsigned long request, uint8_t* report,
                     size_t* transferred);
    SharedFd hidrawFd(int interfaceNumber, int* error);
    int findHidrawNode(int interfaceNumber, std::string* node, unsigned long long* devnum,
                       std::string* syspath) const;
    // Drops the node's descriptor unless another request did; the node's syspath, or empty.
    std::string forgetHidraw(int interfaceNumber, const SharedFd& fd);
    // Whether the device is still here and the interface has a hidraw node other than oldSyspath.
    bool nodeReplaced(int interfaceNumber, const std::string& oldSyspath) const;
    bool stillPresent() const;
    int goneOr(int error);
    int openUsbfs(UniqueFd* fd);
    int withUsbfs(const std::function<int(int fd)>& action);

    const std::string syspath_;
    const std::string usbfsNode_;
    const std::string devnum_;
    std::atomic<bool> gone_{false};

    std::mutex mutex_;                         // guards the three members below
    std::map<int, SharedFd> hidraw_;           // by interface number
    std::map<int, std::string> hidrawSyspath_; // the node each descriptor was opened on
    SharedFd usbfs_;                           // from open() on, holding the exclusive lock
};
