// "Tooltip.xml" in the data folder. A file that cannot serve is left as it is and the built-in
// table serves; a file that serves gives a text for each of its current language's keys.
#include "FuzzSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "TooltipManager.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    KxAction::getSysPath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QDir(sysPath).filePath(QStringLiteral("Tooltip.xml"));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    KxFuzz::writeFile(path, input);

    const TooltipManager manager;
    KX_FUZZ_CHECK(KxFuzz::readFile(path) == input);
    // The built-in table at least.
    KX_FUZZ_CHECK(!manager.infoList().isEmpty());
    KX_FUZZ_CHECK(manager.currLan() && manager.engLan());
    for (const TooltipData& tooltip : manager.currLan()->tooltips) {
        const auto text = manager.getTooltip(tooltip.name);
        KX_FUZZ_CHECK_MSG(text, tooltip.name);
    }
    manager.getTooltip(QStringLiteral("MainView_1"));
    return 0;
}
