#pragma once

#include <libudev.h>

#include <memory>

// libudev objects held by std::unique_ptr: UdevPtr<udev>, UdevPtr<udev_device>, ...
template <typename T>
struct UdevUnref;

template <>
struct UdevUnref<udev> {
    void operator()(udev* p) const { udev_unref(p); }
};
template <>
struct UdevUnref<udev_device> {
    void operator()(udev_device* p) const { udev_device_unref(p); }
};
template <>
struct UdevUnref<udev_enumerate> {
    void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
};
template <>
struct UdevUnref<udev_monitor> {
    void operator()(udev_monitor* p) const { udev_monitor_unref(p); }
};

template <typename T>
using UdevPtr = std::unique_ptr<T, UdevUnref<T>>;
