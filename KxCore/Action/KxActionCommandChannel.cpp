#include "KxAction.h"

#include "HvDeviceRequester/HvDeviceRequester.h"
#include "KxGlobals.h"
#include "SteadyClock.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

using namespace KxProtocol;

namespace {

KxAction::PauseHook& pauseHook() {
    static KxAction::PauseHook hook;
    return hook;
}

std::atomic<bool> pauseObserved{false};
std::mutex pauseObserverMutex;
KxAction::PauseObserver& pauseObserver() {
    static KxAction::PauseObserver observer;
    return observer;
}

// Bytes 0..3 of every command report: report id, address lo, address hi, count.
void putHeader(uint8_t* report, uint8_t reportId, uint16_t address, uint8_t count) {
    report[0] = reportId;
    report[1] = address & 0xFF;
    report[2] = address >> 8;
    report[3] = count;
}

int sendHidRequest(uint8_t requestType, uint8_t request, uint8_t reportId, uint8_t* buffer,
                   uint16_t length) {
    IOUSBDevRequest req;
    req.bmRequestType = requestType;
    req.bRequest = request;
    req.wValue = static_cast<uint16_t>(UsbHid::kReportTypeFeature << 8 | reportId);
    req.wIndex = kControlInterface;
    req.wLength = length;
    req.pData = buffer;
    req.wLenDone = 0;
    // A transfer that ends early is no error to the bus, but the bytes it did not bring are
    // whatever the buffer held before: a request is done only when its whole report went across.
    return sysDeviceReq && sysDeviceReq->sendDeviceRequest(&req) && req.wLenDone == length ? 1 : 0;
}
} // namespace

void KxAction::startListenDev(bool printMessages) {
    sysDeviceReq = HvDeviceRequester::shareDeviceReq();
    sysDeviceReq->setIsPrintMsg(printMessages);
    sysDeviceReq->listenDevWithVid(kVendorId, kProductId);
}

bool KxAction::checkListenDev() {
    return sysDeviceReq && sysDeviceReq->isDevOn();
}

int KxAction::GetCommand(uint8_t* buffer, uint16_t length) {
    return sendHidRequest(UsbHid::kClassInterfaceIn, UsbHid::kGetReport, kReportRead, buffer,
                          length);
}

int KxAction::SetCommand(uint8_t* buffer, uint16_t length) {
    return sendHidRequest(UsbHid::kClassInterfaceOut, UsbHid::kSetReport, kReportRead, buffer,
                          length);
}

int KxAction::GetCommand2(uint8_t* buffer, uint16_t length) {
    return sendHidRequest(UsbHid::kClassInterfaceIn, UsbHid::kGetReport, kReportWrite, buffer,
                          length);
}

int KxAction::SetCommand2(uint8_t* buffer, uint16_t length) {
    return sendHidRequest(UsbHid::kClassInterfaceOut, UsbHid::kSetReport, kReportWrite, buffer,
                          length);
}

int KxAction::sendWriteReport(uint16_t address, const uint8_t* data, uint8_t count) {
    if (count > kMaxBytesPerReport)
        count = static_cast<uint8_t>(kMaxBytesPerReport);
    uint8_t report[kReportLength] = {};
    putHeader(report, kReportWrite, address, count);
    if (count > 0)
        std::memcpy(report + kReportHeaderLength, data, count);
    return SetCommand2(report, kReportLength);
}

int KxAction::sendPrepareReport(uint16_t address, uint8_t count) {
    uint8_t report[kReportLength] = {};
    putHeader(report, kReportRead, address, count);
    return SetCommand(report, kReportLength);
}

void KxAction::setAdrrData(uint8_t data, uint16_t address) {
    sendWriteReport(address, &data, 1);
    pause(kReportPauseUs);
}

void KxAction::setDeviceReadyToRead(uint16_t address, uint8_t count) {
    sendPrepareReport(address, count);
    pause(kReportPauseUs);
}

void KxAction::getDeviceData(uint16_t address, uint8_t count, uint8_t* buffer) {
    readDeviceData(address, count, buffer);
}

bool KxAction::readDeviceData(uint16_t address, uint8_t count, uint8_t* buffer) {
    const bool prepared = sendPrepareReport(address, count) == 1;
    pause(kReportPauseUs);
    putHeader(buffer, kReportRead, address, count);
    const bool fetched = GetCommand(buffer, kReportLength) == 1;
    pause(kReportPauseUs);
    return prepared && fetched;
}

void KxAction::refreshDeviceData() {
    setAdrrData(1, kRegCommit);
}

uint16_t KxAction::getOffsetAdrBy(uint32_t baseAddress, uint32_t profileIndex) {
    return profileAddress(baseAddress, profileIndex);
}

void KxAction::setProfileToDevice(uint32_t profileIndex, bool /*isTemp*/) {
    writeActiveProfile(profileIndex);
}

int KxAction::getProfileByDevice() {
    uint8_t buffer[kReportLength] = {};
    getDeviceData(kRegLiveProfile, 2, buffer);
    return static_cast<int>(buffer[kReportHeaderLength]) - 1;
}

std::optional<int> KxAction::readProfileByDevice() {
    uint8_t buffer[kReportLength] = {};
    if (!readDeviceData(kRegLiveProfile, 2, buffer))
        return std::nullopt;
    return static_cast<int>(buffer[kReportHeaderLength]) - 1;
}

void KxAction::pause(unsigned microseconds) {
    if (const auto& hook = pauseHook()) {
        hook(microseconds);
        return;
    }
    if (!pauseObserved.load(std::memory_order_relaxed)) {
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
        return;
    }
    const int64_t startNs = steadyNs();
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
    const int64_t endNs = steadyNs();
    std::lock_guard lock(pauseObserverMutex);
    if (const auto& observer = pauseObserver())
        observer(startNs, endNs);
}

void KxAction::setPauseObserver(PauseObserver observer) {
    std::lock_guard lock(pauseObserverMutex);
    pauseObserved.store(static_cast<bool>(observer), std::memory_order_relaxed);
    pauseObserver() = std::move(observer);
}

void KxAction::setPauseHookForTesting(PauseHook hook) {
    pauseHook() = std::move(hook);
}
