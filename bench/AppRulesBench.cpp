// The profile following the application in front, on X11 (Xvfb with openbox): how long a focus
// change takes to reach the mouse beyond the settling wait, how many writes a burst of focus
// changes makes, what the daemon costs while no focus changes, and its memory over many
// switches.
#include "BenchSupport.h"
#include "DesktopSessions.h"
#include "KxAppRules.h"
#include "Programs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kSettleMs = 300; // the daemon's wait for the focus to come to rest
constexpr int kBursts = 5;
constexpr int kIdleSeconds = 10;

int activeProfile() {
    return MouseDump::activeProfile(MouseProgram::dump());
}

int hostSwitches() {
    return MouseDump::count(MouseProgram::command(QStringLiteral("status")),
                            QStringLiteral("profile switches by the host"));
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // kx-bench-app-rules [SWITCHES]: more switches make it a soak of the daemon's memory.
    const int switches = argc > 1 ? std::max(2, QString::fromLocal8Bit(argv[1]).toInt()) : 40;
    X11Session x11;
    if (!x11.start()) {
        std::fprintf(stderr, "kx-bench-app-rules: no X session: %s\n", qPrintable(x11.why()));
        return 1;
    }
    KxBench::EmulatedMouseProcess mouse;
    if (!mouse.isRunning())
        return 1;
    KxAppRules rules;
    rules.rules = {{QStringLiteral("Alpha"), 2}, {QStringLiteral("Beta"), 4}};
    if (!rules.save())
        return 1;
    const quint32 alpha = x11.openWindow(QStringLiteral("Alpha"), QStringLiteral("alpha"));
    const quint32 beta = x11.openWindow(QStringLiteral("Beta"), QStringLiteral("beta"));

    QProcess daemon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), x11.display());
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    daemon.setProcessEnvironment(environment);
    daemon.setProgram(QStringLiteral(KX_DAEMON_PATH));
    daemon.setStandardOutputFile(QProcess::nullDevice());
    daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon.start();
    if (!daemon.waitForStarted() || !KxTest::waitFor([] { return activeProfile() == 4; }, 10000)) {
        std::fprintf(stderr, "kx-bench-app-rules: the daemon did not follow the window in front\n");
        return 1;
    }
    const qint64 pid = daemon.processId();

    // Focus to the mouse's new profile, beyond the settling wait: the read of the mouse's profile
    // and the write with its read-back, each paced by the mouse.
    std::vector<double> latencies;
    const int switchesBefore = hostSwitches();
    KxTest::waitFor([] { return false; }, 500);
    const double rssBefore = KxBench::residentMiB(pid);
    double rssHalfway = rssBefore;
    for (int i = 0; i < switches; ++i) {
        if (i == switches / 2)
            rssHalfway = KxBench::residentMiB(pid);
        const bool toAlpha = i % 2 == 0;
        QElapsedTimer clock;
        clock.start();
        if (!x11.activate(toAlpha ? alpha : beta) ||
            !KxTest::waitFor([&] { return activeProfile() == (toAlpha ? 2 : 4); }, 5000))
            return 1;
        latencies.push_back(double(clock.nsecsElapsed()) / 1e6 - kSettleMs);
    }
    KxBench::report("app_rules_focus_to_profile_beyond_settle_ms", KxBench::median(latencies),
                    "ms");
    KxBench::report("app_rules_writes_per_switch",
                    double(hostSwitches() - switchesBefore) / switches);
    // Flat once the first displays and transfers have loaded what they load once.
    KxBench::report("app_rules_rss_growth_second_half_of_switches_kib",
                    (KxBench::residentMiB(pid) - rssHalfway) * 1024, "KiB");

    // Alt+Tab: nine focus changes within the settling wait, ending on the other application.
    const int burstBefore = hostSwitches();
    bool onAlpha = switches % 2 == 1; // where the switches above ended
    for (int burst = 0; burst < kBursts; ++burst) {
        for (int i = 0; i < 9; ++i)
            x11.activate((i % 2 == 0) != onAlpha ? alpha : beta);
        onAlpha = !onAlpha;
        KxTest::waitFor([] { return false; }, 1500);
    }
    KxBench::report("app_rules_writes_per_burst_of_9_focus_changes",
                    double(hostSwitches() - burstBefore) / kBursts);
    KxTest::waitFor([] { return false; }, 3500); // the display closes
    KxBench::report("app_rules_rss_growth_over_switches_kib",
                    (KxBench::residentMiB(pid) - rssBefore) * 1024, "KiB");

    // No focus change, rules active, the X connection open: no wake-up but the kernel's own.
    const long long idleBefore = KxBench::contextSwitches(pid);
    QThread::sleep(kIdleSeconds);
    KxBench::report("app_rules_idle_wakeups_10s",
                    double(KxBench::contextSwitches(pid) - idleBefore));

    daemon.terminate();
    daemon.waitForFinished(5000);
    return 0;
}
