#include "DeviceProtocolTest.h"
#include "FreshStart.h"

#include <QDir>

void DeviceProtocolTest::SetUp() {
    freshStart();
    ASSERT_TRUE(home.isValid());
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        qputenv(name, home.filePath(QLatin1String(name)).toUtf8());
    // The desktop's mouse settings in this process's memory, never the user's (GSettings reads
    // this at its first use).
    qputenv("GSETTINGS_BACKEND", "memory");
    // The data folder where the programs find it, so that a window made by the test shares it.
    KxAction::getSysPath();
    KxAction::initMenuList();
    ASSERT_TRUE(singleMenuNode) << "the shipped catalogue loads";
    library = std::make_unique<ProfieController>();
    sysProCon = library.get();
    FirmwareTest::SetUp();
}

void DeviceProtocolTest::TearDown() {
    FirmwareTest::TearDown();
    freshStart();
}

std::shared_ptr<MacroInfo> DeviceProtocolTest::addMacro(int steps, int firstKeyCode) {
    // Key codes the mouse can hold and give back unchanged.
    static const std::vector<int> keys = [] {
        std::vector<int> out;
        for (int code = 0; code < 128; ++code)
            if (KxAction::GetFWKeyCode(code) != 0 &&
                KxAction::GetKeyCodeByFW(KxAction::GetFWKeyCode(code)) == code)
                out.push_back(code);
        return out;
    }();
    auto macro = std::make_shared<MacroInfo>();
    macro->setMacroId(KxAction::getNewMacorId());
    macro->setNameStr(KxAction::getNewMacorName());
    for (int i = 0; i < steps; ++i)
        macro->keyInfoArr().append(
            MacroKeyInfo(keys[(firstKeyCode + i / 2) % keys.size()], i % 2, 100 * (i % 64)));
    macroListArrs.append(macro);
    return macro;
}

QByteArray DeviceProtocolTest::record(uint32_t slot, uint32_t button) const {
    return firmware->record(int(slot), int(button));
}

_BTN_INFO DeviceProtocolTest::writeAndReadBack(const _BTN_INFO& button, uint32_t slot,
                                               uint32_t index) {
    currSetProfile = {};
    for (auto& b : currSetProfile.btnInfo)
        b = Buttons::keptByMouse();
    currSetProfile.btnInfo[index] = button;
    currSetProfileID = slot;
    KxAction::setBtnInfoToDevice();
    currSetProfile = {};
    KxAction::getBtnInfoFromDevice();
    return currSetProfile.btnInfo[index];
}

_BTN_INFO DeviceProtocolTest::macroButton(const MacroInfo& macro, uint32_t mode, uint32_t count) {
    return Buttons::macro(macro, KxSetup::RunMode(mode), count);
}
