// Command channel against kx-virtual-mouse over its socket: how close the paced transfers come
// to the pauses the mouse needs, and how fast the channel itself is without them.
#include "BenchSupport.h"
#include "KxAction.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int kPacedOps = 20;
constexpr int kRawOps = 2000;
constexpr int kRepeats = 5;

double secondsFor(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

void writes(int n) {
    for (int i = 0; i < n; ++i)
        KxAction::setAdrrData(static_cast<uint8_t>(i), static_cast<uint16_t>(0x2000 + i % 64));
}

void reads(int n) {
    uint8_t buffer[16];
    for (int i = 0; i < n; ++i) {
        std::fill(std::begin(buffer), std::end(buffer), 0);
        KxAction::getDeviceData(static_cast<uint16_t>(8 + i % 4), 1, buffer);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    KxBench::EmulatedMouseProcess server;
    if (!server.isRunning())
        return 1;
    if (!KxBench::listenToTheEmulatedMouse())
        return 1;

    const double pause = KxProtocol::kReportPauseUs / 1e6;
    std::vector<double> writeRatio, readRatio, rawWrite, rawRead;
    for (int r = 0; r < kRepeats; ++r) {
        writeRatio.push_back(secondsFor([] { writes(kPacedOps); }) / (kPacedOps * pause));
        readRatio.push_back(secondsFor([] { reads(kPacedOps); }) / (2 * kPacedOps * pause));
    }
    KxAction::setPauseHookForTesting([](unsigned) {});
    for (int r = 0; r < kRepeats; ++r) {
        rawWrite.push_back(kRawOps / secondsFor([] { writes(kRawOps); }));
        rawRead.push_back(2 * kRawOps / secondsFor([] { reads(kRawOps); }));
    }
    KxAction::setPauseHookForTesting({});

    KxBench::report("channel_paced_write_ratio", KxBench::median(writeRatio));
    KxBench::report("channel_paced_read_ratio", KxBench::median(readRatio));
    KxBench::report("channel_raw_write_requests_per_s", KxBench::median(rawWrite));
    KxBench::report("channel_raw_read_requests_per_s", KxBench::median(rawRead));
    return 0;
}
