// The profile library's disk work: reloading the five profile files and saving the whole set
// (written and synced beside the folder, then swapped in), in a temporary data folder.
#include "BenchSupport.h"
#include "KxGlobals.h"
#include "ProfieController.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kRuns = 30;
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "bench: no temporary folder\n");
        return 1;
    }
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, home.filePath(QLatin1String(name)).toUtf8());
    sysPath = home.filePath(QStringLiteral("data"));
    QDir().mkpath(sysPath);

    ProfieController library;
    library.saveToSys(); // five files on disk from the first run on
    std::vector<double> total, refresh, save;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        library.refreshProfile();
        const double loaded = timer.nsecsElapsed() / 1e6;
        library.saveToSys();
        const double all = timer.nsecsElapsed() / 1e6;
        refresh.push_back(loaded);
        save.push_back(all - loaded);
        total.push_back(all);
    }
    if (library.getProfileCount() != 5) {
        std::fprintf(stderr, "bench: expected five profiles, found %lld\n",
                     static_cast<long long>(library.getProfileCount()));
        return 1;
    }
    KxBench::report("profiles_refresh_save_ms", KxBench::median(total));
    KxBench::report("profiles_refresh_ms", KxBench::median(refresh));
    KxBench::report("profiles_save_ms", KxBench::median(save));
    return 0;
}
