#include "UsbDeviceIterator.h"

std::optional<UsbDeviceInfo> UsbDeviceIterator::next() {
    std::optional<UsbDeviceInfo> info;
    if (!pending_.empty()) {
        info.emplace(std::move(pending_.front()));
        pending_.pop_front();
    }
    return info;
}

void UsbDeviceIterator::push(UsbDeviceInfo info) {
    pending_.push_back(std::move(info));
}
