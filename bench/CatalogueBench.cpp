// Catalogue load and save with a full macro library: 100 macros of 40 steps beside the shipped
// menus, in a data folder of its own; loading hostile XML files of 2 MB.
#include "BenchSupport.h"
#include "HvAction.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "TooltipManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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

    // Hostile 2 MB files: every check is linear in the size, so each is refused in a few ms.
    const auto hostileLoadMs = [&](const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("hostile.xml"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return -1.0;
        file.close();
        // Each load is refused with a log line; the figures are the point here.
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        std::vector<double> runs;
        for (int r = 0; r < 5; ++r)
            runs.push_back(millisecondsFor([&] { HvAction::loadXmlFromPath(path); }));
        qInstallMessageHandler(previous);
        return KxBench::median(runs);
    };
    constexpr qsizetype kHostileBytes = 2 * 1024 * 1024;
    QByteArray attributes = "<A";
    for (int i = 0; attributes.size() < kHostileBytes; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"1\"";
    const QByteArray nesting = QByteArray("<a>").repeated(kHostileBytes / 7) + "x" +
                               QByteArray("</a>").repeated(kHostileBytes / 7);
    KxBench::report("xml_load_hostile_2mb_attributes_ms",
                    hostileLoadMs(attributes + " a0=\"2\"/>"));
    KxBench::report("xml_load_hostile_2mb_nesting_ms", hostileLoadMs(nesting));
    sysTooltip = nullptr;
    return 0;
}
