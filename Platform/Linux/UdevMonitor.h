#pragma once

#include "Linux/UdevPtr.h"

#include <functional>

// A udev monitor of one subsystem (and devtype, when given), already receiving. Its events come
// from the "udev" source where a udev daemon runs (after rules have run, so nodes carry their
// permissions) and from the "kernel" source where none runs (containers, CI). Null with *error
// set (an errno value) when it cannot be made.
UdevPtr<udev_monitor> openUdevMonitor(udev* context, const char* subsystem, const char* devtype,
                                      int* error);

// Takes every event queued on a non-blocking monitor and hands each with an action and a
// syspath to onEvent. Returns false when events were lost (the receive queue overflowed), so
// the caller rescans.
bool drainUdevMonitor(udev_monitor* monitor,
                      const std::function<void(const char* action, udev_device* device)>& onEvent);
