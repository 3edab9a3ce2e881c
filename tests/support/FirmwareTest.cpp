#include "FirmwareTest.h"

void FirmwareTest::SetUp() {
    UsbNotificationPort::setBackendFactory([this] {
        auto backend = std::make_unique<FirmwareUsbBackend>(firmware, log);
        bus = backend.get();
        std::vector<std::unique_ptr<UsbBackend>> backends;
        backends.push_back(std::move(backend));
        return backends;
    });
    KxAction::setPauseHookForTesting(
        [this](unsigned us) { log->push_back("pause " + std::to_string(us)); });
    testing::internal::CaptureStdout(); // the channel turns the requester's messages on
    KxAction::startListenDev();
    startOutput = testing::internal::GetCapturedStdout();
    log->clear();
}

void FirmwareTest::TearDown() {
    // A write still queued (a view's Cancel as it closes, say) belongs to this test's mouse.
    EXPECT_TRUE(KxAction::waitForTransfers(10000)) << "the queue to the mouse did not empty";
    KxAction::setPauseHookForTesting({});
    UsbNotificationPort::setBackendFactory({});
}

std::vector<std::string> FirmwareTest::requests() const {
    std::vector<std::string> out;
    for (const auto& line : *log)
        if (line.rfind("pause", 0) != 0)
            out.push_back(line);
    return out;
}

std::string FirmwareTest::report(const std::string& prefix, std::initializer_list<int> bytes) {
    std::vector<uint8_t> data(16, 0);
    size_t i = 0;
    for (int b : bytes)
        data[i++] = static_cast<uint8_t>(b);
    return prefix + " " + FirmwareUsbDevice::hex(data.data(), data.size());
}
