// An input report of the mouse through the report hook to the daemon, which reads the mouse's
// new state (the input's first bytes are the stored settings block the mouse powers on from) and
// shows it.
#include "DaemonBench.h"
#include "com_vlak_driver_KestrixDriver.h"

#include <vector>

namespace {

using Driver = com_vlak_driver_KestrixDriver;

std::shared_ptr<Driver> hook;
std::unique_ptr<InterestNotification> subscription;
size_t messages = 0;

// The daemon's listener: the hook's message goes to the handler.
void deliver(void*, DriverService*, uint32_t type, void* argument, size_t size) {
    if (type != Driver::kReportMessage)
        return;
    KX_FUZZ_CHECK(argument && size == Driver::kReportMessageSize);
    ++messages;
    DaemonBench::get().handler->dealWithMsg(static_cast<const uint8_t*>(argument));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    DaemonBench::get().start(argc, argv);
    hook = std::make_shared<Driver>(0x04F2, 0x1106, 1, 0x01200000);
    subscription = hook->addInterestNotification(&deliver, nullptr);
    return 0;
}

// Input: a byte saying how many bytes of the settings block follow (at most 16), those bytes,
// then the report as the node gives it (any length).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const size_t settings = std::min<size_t>(data[0] & 0x0F, size - 1);
    DaemonBench& bench = DaemonBench::get();
    bench.powerOn(data + 1, settings);
    const uint8_t* report = data + 1 + settings;
    const size_t length = size - 1 - settings;
    // A copy the hook may read only as far as its length.
    const std::vector<uint8_t> exact(report, report + length);
    const size_t before = messages;
    KX_FUZZ_CHECK(hook->handleReport(exact.data(), exact.size()) == 0);
    KX_FUZZ_CHECK(messages == before + 1);
    DaemonBench::settle();
    return 0;
}
