#pragma once

#include "UsbDeviceInfo.h"

#include <deque>
#include <optional>

// Devices waiting to be taken by a notification's callback, oldest first. A callback takes them
// with next() until it yields none; that re-arms the notification.
class UsbDeviceIterator {
public:
    std::optional<UsbDeviceInfo> next();
    void push(UsbDeviceInfo info);
    bool isEmpty() const { return pending_.empty(); }

private:
    std::deque<UsbDeviceInfo> pending_;
};
