// KestrixDeamon against kx-virtual-mouse: how fast a press of the mouse's DPI button reaches the
// window, what the daemon costs while idle and while the mouse moves, and its memory.
#include "BenchSupport.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
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

// Sends one command line to the emulated mouse, as its command-line client does.
bool mouseCommand(const QString& line) {
    QLocalSocket socket;
    socket.connectToServer(VirtualUsb::socketPath());
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Command, line.toUtf8()));
    socket.flush();
    QByteArray received;
    while (socket.waitForReadyRead(5000)) {
        received += socket.readAll();
        bool malformed = false;
        if (const auto frame = VirtualUsb::takeFrame(received, &malformed))
            return frame->type == VirtualUsb::FrameType::Text &&
                   VirtualUsb::readLe<int32_t>(frame->payload, 0).value_or(-1) == 0;
        if (malformed)
            return false;
    }
    return false;
}

// Voluntary and involuntary context switches of every thread of the process.
long long contextSwitches(qint64 pid) {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return total;
}

double residentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// CPU time of every thread of the process, in seconds (the scheduler's own nanosecond count:
// the tick-based user and system times are too coarse for a fraction of a percent).
double cpuSeconds(qint64 pid) {
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').first().toDouble() / 1e9;
    }
    return total;
}
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
    KxBench::report("daemon_rss_after_start_mib", residentMiB(pid), "MiB");

    // Press to "KxDevStatus" type 2, minus the live read the protocol mandates.
    std::vector<double> latencies;
    for (int i = 0; i < kPresses; ++i) {
        const size_t before = statuses.size();
        const qint64 pressedNs = clock.nsecsElapsed();
        if (!mouseCommand(QStringLiteral("press dpi")) ||
            !KxTest::waitFor([&] { return statuses.size() > before; }, 5000))
            return 1;
        latencies.push_back((statusTimesNs[before] - pressedNs) / 1e6 - kMandatedReadMs);
        KxTest::waitFor([] { return false; }, 100);
    }
    KxBench::report("daemon_dpi_press_to_status_minus_read_ms", KxBench::median(latencies), "ms");
    KxBench::report("daemon_rss_after_displays_mib", residentMiB(pid), "MiB");

    // Idle: once the display has closed (its ticks are work), nothing happens for kIdleSeconds;
    // this process sleeps too, so the bus stays quiet.
    KxTest::waitFor([] { return false; }, 3500);
    const long long idleBefore = contextSwitches(pid);
    QThread::sleep(kIdleSeconds);
    KxBench::report("daemon_idle_wakeups_10s", double(contextSwitches(pid) - idleBefore));

    // Ordinary use: the mouse moves at 1000 reports per second.
    const double cpuBefore = cpuSeconds(pid);
    const long long switchesBefore = contextSwitches(pid);
    if (!mouseCommand(QStringLiteral("stream-motion %1 %2").arg(kMotionHz).arg(kMotionSeconds)))
        return 1;
    QThread::sleep(kMotionSeconds);
    KxBench::report("daemon_cpu_percent_at_1000hz_motion",
                    100.0 * (cpuSeconds(pid) - cpuBefore) / kMotionSeconds, "%");
    KxBench::report("daemon_wakeups_per_s_at_1000hz_motion",
                    double(contextSwitches(pid) - switchesBefore) / kMotionSeconds);

    daemon.terminate();
    daemon.waitForFinished(5000);
    return 0;
}
