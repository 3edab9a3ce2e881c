// A ".mac" file the user imports into the macro editor: a keyed archive of one macro. What loads
// is archived and loaded again to the same macro, and encodes into a button record that the
// record's reader finds again.
#include "FuzzSupport.h"
#include "HvAction.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxProtocol.h"
#include "MacroInfo.h"

#include <QJsonDocument>

#include <cstring>

namespace {

bool sameMacro(const MacroInfo& a, const MacroInfo& b) {
    return a.nameStr() == b.nameStr() && a.loopTime() == b.loopTime() &&
           a.isNoDisplay() == b.isNoDisplay() && a.keyInfoArr() == b.keyInfoArr();
}

QString describe(const MacroInfo& macro) {
    return QString::fromUtf8(QJsonDocument(macro.toArchive()).toJson(QJsonDocument::Compact));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    KxAction::getSysPath();
    KxAction::initMenuList(); // the built-in catalogue: chords of inserted functions
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = KxFuzz::folder(QStringLiteral("macros"));
    static const QString in = folder + QStringLiteral("/in.mac");
    static const QString out = folder + QStringLiteral("/out.mac");
    KxFuzz::writeFile(in, data, size);

    QString why;
    const std::optional<QJsonObject> archive = HvAction::CopyObject(in, &why);
    if (!archive) {
        KX_FUZZ_CHECK(!why.isEmpty());
        return 0;
    }
    const std::shared_ptr<MacroInfo> macro = MacroInfo::fromArchive(*archive);
    if (!macro)
        return 0;
    KX_FUZZ_CHECK(macro->macroId() == 0);

    // Archived to a file and read again: the same macro.
    KX_FUZZ_CHECK(HvAction::SaveObject(macro->toArchive(), out));
    const std::optional<QJsonObject> savedArchive = HvAction::CopyObject(out);
    KX_FUZZ_CHECK(savedArchive);
    const std::shared_ptr<MacroInfo> again = MacroInfo::fromArchive(*savedArchive);
    KX_FUZZ_CHECK(again);
    KX_FUZZ_CHECK_MSG(sameMacro(*macro, *again),
                      QStringLiteral("%1\n%2").arg(describe(*macro), describe(*again)));

    // On a button: a record within its 80 step bytes, found again by its steps.
    macro->getMacroCount();
    const int32_t mark = macroIdHighWater;
    macro->setMacroId(KxAction::getNewMacorId());
    macroListArrs.append(macro);
    _BTN_INFO button{};
    button.FuncID = 6;
    button.FuncTableId = 6;
    button.btnType = 2;
    button.MacroID = uint32_t(macro->macroId());
    uint8_t record[KxProtocol::kRecordSize] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(button, record, &length);
    KX_FUZZ_CHECK(length % 2 == 0 && length <= uint32_t(2 * KxProtocol::kMaxRecordSteps));
    if (length > 0)
        KX_FUZZ_CHECK(KxAction::getMacroByRecordSteps(record, int(length)));
    macroListArrs.removeLast();
    macroIdHighWater = mark;
    return 0;
}
