// Whole-device read and one-profile write against kx-virtual-mouse over its socket at the real
// pacing: wall time over the pauses the protocol mandates, and the requests sent against the
// fewest the protocol needs for the same content. Once for a factory-state mouse, once for a
// mouse whose 25 buttons all hold 40-step macros.
#include "BenchSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "ProfieController.h"
#include "ProfileValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <thread>

namespace {

struct Transfer {
    double seconds = 0;
    double mandatedSeconds = 0;
    int requests = 0;
};

// Runs work with the real pauses, counting them; every request here is followed by one.
Transfer measure(void (*work)()) {
    Transfer t;
    KxAction::setPauseHookForTesting([&t](unsigned us) {
        t.mandatedSeconds += us / 1e6;
        ++t.requests;
        std::this_thread::sleep_for(std::chrono::microseconds(us));
    });
    QElapsedTimer timer;
    timer.start();
    work();
    t.seconds = timer.nsecsElapsed() / 1e9;
    KxAction::setPauseHookForTesting({});
    return t;
}

void report(const char* state, const char* transfer, const Transfer& t, int fewest) {
    const QByteArray prefix = QByteArray("device_") + transfer + "_" + state;
    KxBench::report((prefix + "_time_ratio").constData(), t.seconds / t.mandatedSeconds);
    KxBench::report((prefix + "_requests").constData(), t.requests);
    KxBench::report((prefix + "_requests_fewest").constData(), fewest);
}

void readAll() {
    KxAction::getAllFWData();
}

// Gives every button of every profile a 40-step macro and writes all five slots, quickly.
void fillWithMacros() {
    ProfieController* library = KxAction::profileLibrary();
    KxAction::setPauseHookForTesting([](unsigned) {});
    for (int slot = 0; slot < 5; ++slot) {
        library->setCurrFWProfileIndex(slot);
        for (int button = 0; button < 5; ++button) {
            auto macro = std::make_shared<MacroInfo>();
            macro->setMacroId(KxAction::getNewMacorId());
            macro->setNameStr(KxAction::getNewMacorName());
            for (int step = 0; step < 40; ++step)
                macro->keyInfoArr().append(MacroKeyInfo(step / 2 + slot, step % 2, 100));
            macroListArrs.append(macro);
            _BTN_INFO& info = selProfile.btnInfo[button];
            info = {};
            info.FuncID = info.FuncTableId = KxFuncTable::kMacro;
            info.btnType = KxButtonType::kMacro;
            info.MacroID = uint32_t(macro->macroId());
        }
        KxAction::setCurrBtnInfoToDevice();
    }
    KxAction::setPauseHookForTesting({});
    library->setCurrFWProfileIndex(0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    KxBench::EmulatedMouseProcess server;
    if (!server.isRunning())
        return 1;
    KxAction::getSysPath();
    KxAction::initMenuList();
    sysProCon = ProfieController::getShareProCon();
    if (!KxBench::listenToTheEmulatedMouse())
        return 1;
    sysProCon->setCurrFWProfileIndex(0);

    // Fewest requests: one read (two requests) per 12 bytes a record needs, the settings 6..11
    // in one read; one write per record chunk with the trailer in the last one where it is
    // adjacent, the settings in one write and the commit.
    report("factory", "read", measure(readAll), 2 * 25 + 2);
    report("factory", "write", measure(KxAction::applyFWData), 5 * 2 + 2);
    fillWithMacros();
    report("macros40", "read", measure(readAll), 2 * 25 * 7 + 2);
    sysProCon->setCurrFWProfileIndex(0);
    report("macros40", "write", measure(KxAction::applyFWData), 5 * 7 + 2);
    return 0;
}
