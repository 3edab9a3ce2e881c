// KxOption's start beside the emulated mouse: process start to the first painted frame of the
// main window, against a bare Qt window's started alike (app_first_frame_ratio), and each beyond
// the time it takes to load with its libraries (app_first_frame_beyond_load_ms); start to the end
// of the whole-mouse read over the pauses that read must make; the memory after start-up. Each run
// is a fresh process in a fresh data folder.
// Then the window in this process through a scripted session (AppSession.h): the longest time its
// event loop was blocked, the median of five and the first, cold one. --trace FILE runs one session
// only and writes its Chrome trace.
#include "AppSession.h"
#include "BenchSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "ProfieController.h"
#include "TraceRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The pauses the window's read at its start must make (the profile the mouse runs asked and
// selected again, the whole mouse, the profile asked once more): that read itself, run with a
// pause hook that adds them up instead of sleeping.
double mandatedPausesMs() {
    double total = 0;
    KxAction::setPauseHookForTesting([&total](unsigned microseconds) { total += microseconds; });
    KxAction::getSysPath();
    KxAction::initMenuList();
    sysProCon = ProfieController::getShareProCon();
    KxAction::readAllFWDataAtStart();
    KxAction::setPauseHookForTesting({});
    return total / 1000.0;
}

struct Run {
    double firstFrameMs = 0;
    double readMs = 0;
    double rssMiB = 0;
};

// One start of a program with the window's environment, timed from the process's start to the
// log lines it writes: its first frame, and (for KxOption) the end of its whole-mouse read.
std::optional<Run> startOnce(const QString& program, QLatin1String shownLine, bool readsTheMouse) {
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess app;
    app.setProcessEnvironment(environment);
    QString errors;
    Run run;
    QElapsedTimer clock;
    // Lines are timed as they arrive.
    QObject::connect(&app, &QProcess::readyReadStandardError, [&] {
        errors += QString::fromLocal8Bit(app.readAllStandardError());
        if (run.firstFrameMs == 0 && errors.contains(shownLine))
            run.firstFrameMs = double(clock.nsecsElapsed()) / 1e6;
        if (run.readMs == 0 && errors.contains(QLatin1String("The mouse was read whole")))
            run.readMs = double(clock.nsecsElapsed()) / 1e6;
    });
    clock.start();
    app.start(program, {});
    const bool done = KxTest::waitFor(
        [&] { return run.firstFrameMs > 0 && (!readsTheMouse || run.readMs > 0); }, 60000);
    if (done) {
        KxTest::spin(200);
        run.rssMiB = KxBench::residentMiB(app.processId());
    }
    app.terminate();
    app.waitForFinished(5000);
    if (!done) {
        std::fprintf(stderr, "kx-bench-app: %s did not start:\n%s\n", qPrintable(program),
                     qPrintable(errors));
        return std::nullopt;
    }
    return run;
}

// One start of a program with --version, which answers before it makes its application: process
// start to exit, the cost of loading the program and its libraries.
std::optional<double> startAndExitMs(const QString& program) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("--version")});
    if (!process.waitForFinished(10000) || process.exitCode() != 0) {
        std::fprintf(stderr, "kx-bench-app: %s --version did not answer\n", qPrintable(program));
        return std::nullopt;
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Session {
    double maxStallMs = 0;
    int stallsOver16 = 0;
};

std::optional<Session> runSession(KxBench::TracedApplication& app, const QString& tracePath) {
    TraceRecorder recorder;
    const QString failed = KxBench::runWindowSession(app, recorder);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "kx-bench-app: the session failed: %s\n", qPrintable(failed));
        return std::nullopt;
    }
    for (const QString& stall : recorder.longestStalls(3))
        std::fprintf(stderr, "kx-bench-app: stall %s\n", qPrintable(stall));
    QString error;
    if (!tracePath.isEmpty() && !recorder.write(tracePath, &error)) {
        std::fprintf(stderr, "kx-bench-app: %s: %s\n", qPrintable(tracePath), qPrintable(error));
        return std::nullopt;
    }
    return Session{recorder.maxStallMs(), recorder.stallsOver(16)};
}

} // namespace

int main(int argc, char** argv) {
    // The reads and sessions in this process keep their profiles in a folder of their own, never
    // in the user's.
    QTemporaryDir data;
    if (!data.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    KxBench::TracedApplication app(argc, argv);
    QString tracePath;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--trace")) {
        tracePath = arguments[1];
    } else if (!arguments.isEmpty()) {
        std::fprintf(stderr, "Usage: kx-bench-app [--trace FILE]\n");
        return 2;
    }
    KxBench::EmulatedMouseProcess mouse;
    if (!mouse.isRunning())
        return 1;
    double pausesMs = 0;
    {
        KxBench::QuietStdout quiet;
        if (!KxBench::listenToTheEmulatedMouse())
            return 1;
        if (tracePath.isEmpty())
            pausesMs = mandatedPausesMs();
    }
    KxWidgets::install();
    if (!tracePath.isEmpty()) {
        std::optional<Session> session;
        {
            KxBench::QuietStdout quiet;
            session = runSession(app, tracePath);
        }
        if (!session)
            return 1;
        KxBench::report("app_max_stall_ms", session->maxStallMs);
        return 0;
    }

    // KxOption's starts alternate with a bare Qt window's, so that both meet the machine alike.
    std::vector<double> frames, bareFrames, ratios, memory, loads, bareLoads;
    for (int i = 0; i < 5; ++i) {
        const std::optional<double> load = startAndExitMs(QStringLiteral(KX_OPTION_PATH));
        const std::optional<double> bareLoad = startAndExitMs(QStringLiteral(KX_BARE_WINDOW_PATH));
        if (!load || !bareLoad)
            return 1;
        loads.push_back(*load);
        bareLoads.push_back(*bareLoad);
        const std::optional<Run> run = startOnce(QStringLiteral(KX_OPTION_PATH),
                                                 QLatin1String("The main window is shown"), true);
        const std::optional<Run> bare = startOnce(QStringLiteral(KX_BARE_WINDOW_PATH),
                                                  QLatin1String("The bare window is shown"), false);
        if (!run || !bare)
            return 1;
        frames.push_back(run->firstFrameMs);
        bareFrames.push_back(bare->firstFrameMs);
        ratios.push_back(run->readMs / pausesMs);
        memory.push_back(run->rssMiB);
    }
    std::vector<double> stalls, over16;
    for (int i = 0; i < 5; ++i) {
        std::optional<Session> session;
        {
            KxBench::QuietStdout quiet;
            session = runSession(app, {});
        }
        if (!session)
            return 1;
        stalls.push_back(session->maxStallMs);
        over16.push_back(session->stallsOver16);
    }
    KxBench::report("app_first_frame_ms", KxBench::median(frames));
    KxBench::report("app_bare_window_first_frame_ms", KxBench::median(bareFrames));
    KxBench::report("app_first_frame_ratio", KxBench::median(frames) / KxBench::median(bareFrames));
    // What each program does between loading its libraries and its first frame: the bare window
    // makes its application and paints; KxOption also reads its files, starts the device
    // listener and the whole-mouse read, and makes its controls.
    const double load = KxBench::median(loads);
    const double bareLoad = KxBench::median(bareLoads);
    KxBench::report("app_libraries_load_ms", load);
    KxBench::report("app_bare_window_libraries_load_ms", bareLoad);
    // Not as a ratio: the bare window's few milliseconds beyond its load would make one noise.
    KxBench::report("app_first_frame_beyond_load_ms", KxBench::median(frames) - load);
    KxBench::report("app_bare_window_first_frame_beyond_load_ms",
                    KxBench::median(bareFrames) - bareLoad);
    KxBench::report("app_startup_read_pauses_ms", pausesMs);
    KxBench::report("app_startup_read_ratio", KxBench::median(ratios));
    KxBench::report("app_rss_mib", KxBench::median(memory));
    KxBench::report("app_max_stall_ms", KxBench::median(stalls));
    // The first session opens each view cold (its pictures decoded, its controls made), as a
    // user's first session after a start does; the later ones find them decoded.
    KxBench::report("app_max_stall_first_session_ms", stalls.front());
    KxBench::report("app_session_stalls_over_16ms", KxBench::median(over16));
    return 0;
}
