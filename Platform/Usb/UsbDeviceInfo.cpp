#include "UsbDeviceInfo.h"

#include <atomic>

quint64 UsbDeviceInfo::allocateServiceId() {
    static std::atomic<quint64> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}
