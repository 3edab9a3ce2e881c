#include "Linux/UdevMonitor.h"

#include "Linux/ErrnoOr.h"

#include <unistd.h>

#include <cerrno>

UdevPtr<udev_monitor> openUdevMonitor(udev* context, const char* subsystem, const char* devtype,
                                      int* error) {
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    errno = 0;
    UdevPtr<udev_monitor> monitor(udev_monitor_new_from_netlink(context, source));
    if (!monitor) {
        *error = errnoOr(EPROTONOSUPPORT);
        return nullptr;
    }
    int r = udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), subsystem, devtype);
    if (r >= 0)
        r = udev_monitor_enable_receiving(monitor.get());
    if (r >= 0)
        r = udev_monitor_get_fd(monitor.get());
    if (r < 0) {
        *error = -r;
        return nullptr;
    }
    return monitor;
}

bool drainUdevMonitor(udev_monitor* monitor,
                      const std::function<void(const char* action, udev_device* device)>& onEvent) {
    // A null device means an empty queue or a message the filter dropped; the caller's notifier
    // is level-triggered, so whatever is still queued wakes it again.
    for (;;) {
        errno = 0;
        UdevPtr<udev_device> device(udev_monitor_receive_device(monitor));
        if (!device)
            return errno != ENOBUFS;
        const char* action = udev_device_get_action(device.get());
        if (action != nullptr && udev_device_get_syspath(device.get()) != nullptr)
            onEvent(action, device.get());
    }
}
