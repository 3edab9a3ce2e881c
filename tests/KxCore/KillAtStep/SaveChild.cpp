// A program that saves once and ends: the profile library with every profile marked, and the
// macro library with one macro named after the mark, and a journal of button edits carrying the
// mark. Run by the interrupted-save tests under
// the step counter. Usage: kx-save-child DATA_FOLDER MARK. Exit 0 when both were saved.
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "ProfieController.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kx-save-child DATA_FOLDER MARK\n");
        return 2;
    }
    sysPath = QString::fromLocal8Bit(argv[1]);
    const uint32_t mark = uint32_t(std::strtoul(argv[2], nullptr, 10));

    ProfieController library;
    for (const auto& profile : library.profileArr()) {
        _Kx_PROFILE data = profile->profileData();
        data.acceler = mark;
        data.btnInfo[1].KeyBit[0] = mark + uint32_t(profile->profileId());
        profile->setProfileData(data);
    }
    const bool profiles = library.saveToSys();

    KxAction::initMenuList();
    macroListArrs.clear();
    auto macro = std::make_shared<MacroInfo>();
    macro->setMacroId(KxAction::getNewMacorId());
    macro->setNameStr(QStringLiteral("Mark %1").arg(mark));
    macro->keyInfoArr().append(MacroKeyInfo(4, 0, 100));
    macro->keyInfoArr().append(MacroKeyInfo(4, 1, 100));
    macroListArrs.append(macro);
    const bool macros = KxAction::saveMenuList();

    // Button edits of profile 1 not yet written to a mouse, journalled.
    _BTN_INFO buttons[5] = {};
    for (int b = 0; b < 5; ++b)
        buttons[b] = library.profileArr()[0]->profileData().btnInfo[b];
    buttons[2].KeyBit[0] = mark;
    library.keepButtonEdits(0, buttons);
    const bool journal = library.journalButtonEdits(0);
    return profiles && macros && journal ? 0 : 3;
}
