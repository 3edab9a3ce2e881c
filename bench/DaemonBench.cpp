// KestrixDeamon against kx-virtual-mouse: how fast a press of the mouse's DPI button reaches the
// window, what the daemon costs while idle and while the mouse moves, and its memory.
#include "BenchSupport.h"
#include "Notifications/DistributedNotificationCenter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {
// The live read of the new stage and its DPI: a prepare report and a read report, each followed
// by the 30 ms pause the mouse needs. Subtracted from the latency.
constexpr double kMandatedReadMs = 60.0;
constexpr int kPresses = 15;
constexpr int kIdleSeconds = 10;
constexpr int kMotionHz = 1000;
constexpr int kMotionSeconds = 10;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    KxBench::EmulatedMouseProcess mouse;
    if (!mouse.isRunning())
        return 1;

    std::vector<QVariantMap> statuses;
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> statusTimesNs;
    DistributedNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("KxDevStatus"), [&](const Notification& n) {
            statusTimesNs.push_back(clock.nsecsElapsed());
            statuses.push_back(n.userInfo.value_or(QVariantMap()));
        });

    QProcess daemon;
    daemon.setProgram(QStringLiteral(KX_DAEMON_PATH));
    daemon.setStandardOutputFile(QProcess::nullDevice());
    daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon.start();
    if (!daemon.waitForStarted() || !KxTest::waitFor([&] { return statuses.size() >= 2; }, 10000)) {
        std::fprintf(stderr, "kx-bench-daemon: the daemon did not announce the mouse\n");
        return 1;
    }
    const qint64 pid = daemon.processId();
    KxTest::waitFor([] { return false; }, 1000); // settle
    KxBench::report("daemon_rss_after_start_mib", KxBench::residentMiB(pid), "MiB");

    // Press to "KxDevStatus" type 2, minus the live read the protocol mandates.
    std::vector<double> latencies;
    for (int i = 0; i < kPresses; ++i) {
        const size_t before = statuses.size();
        const qint64 pressedNs = clock.nsecsElapsed();
        if (!KxBench::mouseCommand(QStringLiteral("press dpi")) ||
            !KxTest::waitFor([&] { return statuses.size() > before; }, 5000))
            return 1;
        latencies.push_back((statusTimesNs[before] - pressedNs) / 1e6 - kMandatedReadMs);
        KxTest::waitFor([] { return false; }, 100);
    }
    KxBench::report("daemon_dpi_press_to_status_minus_read_ms", KxBench::median(latencies), "ms");
    KxBench::report("daemon_rss_after_displays_mib", KxBench::residentMiB(pid), "MiB");

    // Idle: once the display has closed (its ticks are work), nothing happens for kIdleSeconds;
    // this process sleeps too, so the bus stays quiet.
    KxTest::waitFor([] { return false; }, 3500);
    const long long idleBefore = KxBench::contextSwitches(pid);
    QThread::sleep(kIdleSeconds);
    KxBench::report("daemon_idle_wakeups_10s", double(KxBench::contextSwitches(pid) - idleBefore));

    // Ordinary use: the mouse moves at 1000 reports per second.
    const double cpuBefore = KxBench::cpuSeconds(pid);
    const long long switchesBefore = KxBench::contextSwitches(pid);
    if (!KxBench::mouseCommand(
            QStringLiteral("stream-motion %1 %2").arg(kMotionHz).arg(kMotionSeconds)))
        return 1;
    QThread::sleep(kMotionSeconds);
    KxBench::report("daemon_cpu_percent_at_1000hz_motion",
                    100.0 * (KxBench::cpuSeconds(pid) - cpuBefore) / kMotionSeconds, "%");
    KxBench::report("daemon_wakeups_per_s_at_1000hz_motion",
                    double(KxBench::contextSwitches(pid) - switchesBefore) / kMotionSeconds);

    daemon.terminate();
    daemon.waitForFinished(5000);
    return 0;
}
