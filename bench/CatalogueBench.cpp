// Catalogue load and save with a full macro library: 100 macros of 40 steps beside the shipped
// menus, in a data folder of its own.
#include "BenchSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "TooltipManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kMacros = 100;
constexpr int kSteps = 40;
constexpr int kRuns = 31;

double millisecondsFor(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench: no temporary folder\n");
        return 1;
    }
    sysPath = folder.path();
    TooltipManager tooltips;
    sysTooltip = &tooltips;

    KxAction::initMenuList(); // places the shipped catalogue
    for (int m = 0; m < kMacros; ++m) {
        auto macro = std::make_shared<MacroInfo>();
        macro->setMacroId(m + 1);
        macro->setNameStr(QStringLiteral("Macro %1").arg(m + 1));
        for (int s = 0; s < kSteps; ++s)
            macro->keyInfoArr().append(MacroKeyInfo(s % 50, s % 2, 10 * s));
        macroListArrs.append(macro);
    }
    if (!KxAction::saveMenuList()) {
        std::fprintf(stderr, "bench: the catalogue could not be saved\n");
        return 1;
    }

    std::vector<double> load, save;
    for (int r = 0; r < kRuns; ++r) {
        load.push_back(millisecondsFor(KxAction::initMenuList));
        if (macroListArrs.size() != kMacros) {
            std::fprintf(stderr, "bench: %lld macros loaded\n",
                         static_cast<long long>(macroListArrs.size()));
            return 1;
        }
        save.push_back(millisecondsFor([] { KxAction::saveMenuList(); }));
    }
    KxBench::report("catalogue_load_100x40_ms", KxBench::median(load));
    KxBench::report("catalogue_save_100x40_ms", KxBench::median(save));
    sysTooltip = nullptr;
    return 0;
}
