// The performance and lighting views in windows of their own over the profile library, driven
// by pointer and keyboard; what they send is checked in the emulated mouse's registers and
// memory, the desktop speeds in a private GSettings.
#include "DesktopMouseSchema.h"
#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "HeldWorker.h"
#include "HvButton.h"
#include "HvMessageBox.h"
#include "HvModal.h"
#include "HvMouseAction.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "KxDeviceQueue.h"
#include "KxProtocol.h"
#include "KxWidgetGlobals.h"
#include "LightOptionView.h"
#include "MouseWrites.h"
#include "PerformanceView.h"
#include "ProfileSaves.h"
#include "QtPrinters.h"
#include "ScreenReader.h"
#include "ShownWindows.h"
#include "ViewControls.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <array>
#include <atomic>
#include <optional>

#include <gio/gio.h>

namespace {

// The desktop's mouse schema in a private folder of the program's, before GSettings is first used.
class DesktopSchema : public testing::Environment {
public:
    void SetUp() override {
        ready = installDesktopMouseSchema(
            QDir::temp().filePath(QStringLiteral("kx-settings-views-%1/schemas")
                                      .arg(QCoreApplication::applicationPid())));
    }
    static inline bool ready = false;
};
const auto* const kSchema = testing::AddGlobalTestEnvironment(new DesktopSchema);

// A view in its own window, as the main window opens it.
template <class View>
struct Opened {
    Opened() {
        view = new View;
        window.setContentView(view);
        window.show();
    }
    View* operator->() const { return view; }
    bool closed() const { return !window.isVisible(); }
    HvNoTitleWindow window{QRect(0, 0, 640, 440)};
    View* view = nullptr;
};
using Performance = Opened<PerformanceView>;
using Lighting = Opened<LightOptionView>;

// What the mouse's stored block holds, in a profile's terms: the stage, the rate, the logo and the
// wheel light (1 for on), then the four stages' DPI.
enum HeldAt { kStage, kRate, kLogo, kWheel, kDpi };
using Held = std::array<uint32_t, kDpi + 4>;
Held heldIn(const _Kx_PROFILE& p) {
    Held held{p.currSelectDPI, p.poRate, p.islightOnArr[0] != 0, p.islightOnArr[1] != 0};
    std::copy_n(p.xSensArr, 4, held.begin() + kDpi);
    return held;
}
// Read through the emulated firmware's own copy of the block's layout.
Held heldBy(const VirtualMouseFirmware& mouse) {
    using F = VirtualMouseFirmware;
    const auto byte = [&](int at) { return uint8_t(mouse.memory(uint16_t(at), 1).at(0)); };
    const uint8_t flags = byte(F::kStoredFlags);
    Held held{uint32_t(flags & KxProtocol::kStageMask), 2u - byte(F::kStoredRate),
              (flags & F::kLogoLightBit) != 0, (flags & F::kWheelLightBit) != 0};
    for (int stage = 0; stage < F::kStages; ++stage)
        held[kDpi + stage] = byte(F::kStoredDpi + stage);
    return held;
}
// Each setting of `claim` is what the mouse held before or what it holds now.
testing::AssertionResult backedByTheMouse(const Held& claim, const Held& before, const Held& now) {
    static const char* const names[] = {"stage", "rate",  "logo",  "wheel",
                                        "DPI 1", "DPI 2", "DPI 3", "DPI 4"};
    for (size_t i = 0; i < claim.size(); ++i)
        if (claim[i] != before[i] && claim[i] != now[i])
            return testing::AssertionFailure()
                   << "claims " << names[i] << " " << claim[i] << "; the mouse held " << before[i]
                   << ", now " << now[i];
    return testing::AssertionSuccess();
}

// Both lights on, as stored.
constexpr std::array<uint32_t, 2> kLightsOn{1, 1};

class SettingsViewsTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        [[maybe_unused]] static const bool installed = (KxWidgets::install(), true);
        ASSERT_EQ(library->profileArr().size(), 5);
        library->setCurrFWProfileIndex(0);
        ASSERT_TRUE(library->currProfile());
        library->setIsOSD(false);
        // The mouse starts as the stored profile says.
        library->refreshSelProfileFromData();
        KxAction::setCurrSettingToDev();
        KxAction::setCurrColorToDev();
        if (!selMouseAction)
            KxAction::initSysPrePro();
        selMouseAction->startSynchronize();
        log->clear();
    }

    // Edits the stored current profile (what the views load) and puts the mouse on it.
    void store(const std::function<void(_Kx_PROFILE&)>& edit) {
        _Kx_PROFILE data = library->currProfile()->profileData();
        edit(data);
        library->currProfile()->setProfileData(data);
        library->refreshSelProfileFromData();
        KxAction::setCurrSettingToDev();
        KxAction::setCurrColorToDev();
        log->clear();
    }
    // The settings a case starts from; what is not given stays as stored. The stages' DPI (units
    // of 100) for both axes, the three desktop speeds alike.
    struct Settings {
        std::optional<uint32_t> stage = {}, rate = {}, speeds = {};
        std::optional<std::array<uint32_t, 2>> lights = {};
        std::optional<std::array<uint32_t, 4>> dpi = {};
    };
    void store(const Settings& s) {
        store([&](_Kx_PROFILE& p) {
            p.currSelectDPI = s.stage.value_or(p.currSelectDPI);
            p.poRate = s.rate.value_or(p.poRate);
            if (s.speeds)
                p.acceler = p.srcSpeed = p.doubleSpeed = *s.speeds;
            if (s.lights)
                std::copy(s.lights->begin(), s.lights->end(), p.islightOnArr);
            if (s.dpi) {
                std::copy(s.dpi->begin(), s.dpi->end(), p.xSensArr);
                std::copy(s.dpi->begin(), s.dpi->end(), p.ySensArr);
            }
        });
    }
    // The views' writes reach the mouse from the queue's worker: they are done, and their
    // outcomes heard on this thread, before the mouse or its log is looked at.
    // An outcome heard may ask for more (a block the mouse did not take is put back and saved).
    static void settle() {
        ASSERT_TRUE(KxAction::waitForTransfers(5000));
        QCoreApplication::sendPostedEvents();
        ASSERT_TRUE(KxAction::waitForTransfers(5000));
    }
    VirtualMouseFirmware& mouse() {
        settle();
        return *firmware;
    }
    // A setting of the mouse's stored block.
    uint32_t storedBlock(HeldAt at) { return heldBy(mouse())[at]; }
    uint32_t storedDpi(int stage) { return heldBy(mouse())[kDpi + stage]; }
    std::vector<std::string> requests() {
        settle();
        return DeviceProtocolTest::requests();
    }
    void clearLog() {
        settle();
        log->clear();
    }
    // The live write of a stage and its DPI, as the log shows it.
    static std::string liveStage(int stage, int dpi) {
        return report("SET", {KxProtocol::kReportWrite, KxProtocol::kRegLiveDpi & 0xFF,
                              KxProtocol::kRegLiveDpi >> 8, 2, stage, dpi});
    }
    // The next `count`th write the mouse refuses.
    void stallWrite(int count = 1) {
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, count}));
    }
    _Kx_PROFILE stored() const { return library->currProfile()->profileData(); }
    static _Kx_PROFILE onDisk() { return ProfieController().profileArr()[0]->profileData(); }
    // Every profile of the library and of the files holds what `holds` asks, once saved.
    testing::AssertionResult everyProfile(const std::function<bool(const _Kx_PROFILE&)>& holds) {
        settle();
        ProfieController disk;
        for (const ProfieController* profiles : {library.get(), &disk})
            for (qsizetype i = 0; i < profiles->profileArr().size(); ++i)
                if (!holds(profiles->profileArr()[i]->profileData()))
                    return testing::AssertionFailure()
                           << (profiles == &disk ? "the file of profile " : "profile ") << i + 1;
        return testing::AssertionSuccess();
    }
    static double desktopPointerSpeed() {
        GSettings* settings = g_settings_new(HvMouseAction::kDesktopSchema);
        const double speed = g_settings_get_double(settings, "speed");
        g_object_unref(settings);
        return speed;
    }
    static int pointerSpeed() {
        return selMouseAction->getValueByType(HvMouseAction::kPointerSpeed);
    }
};

// A view run fully modal in its own window, as the main window runs it; `inside` acts from within
// the run. The window is gone afterwards.
template <class View>
void runModally(const std::function<void(View&, HvNoTitleWindow&)>& inside) {
    QPointer<HvNoTitleWindow> window = new HvNoTitleWindow(QRect(0, 0, 640, 440));
    auto* view = new View;
    window->setContentView(view);
    QTimer::singleShot(0, [&] { inside(*view, *window); });
    HvModal::runModal(window);
    delete window.data();
}

// What a screen reader does to a slider.
void setByScreenReader(HvProgressBar* slider, int value) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(slider);
    ASSERT_TRUE(spoken && spoken->valueInterface());
    spoken->valueInterface()->setCurrentValue(value);
    QCoreApplication::processEvents();
}

void typeDpi(PerformanceView* view, const char* typed, Qt::Key then) {
    view->dpiTxt()->setFocus();
    view->dpiTxt()->selectAll();
    QTest::keyClicks(view->dpiTxt(), typed);
    QTest::keyClick(view->dpiTxt(), then);
}

TEST_F(SettingsViewsTest, TheDpiShownIsTheStagesLargerAxisAndEveryEditSetsBothAxes) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 1;
        p.xSensArr[1] = 8;
        p.ySensArr[1] = 12;
        p.xSensArr[2] = p.ySensArr[2] = 0;
    });
    Performance v;
    EXPECT_EQ(v->dpiTxt()->text(), "1200");
    EXPECT_EQ(v->dpiPro()->value(), 12);

    pressKey(v->dpiPro(), Qt::Key_Right, 8);
    EXPECT_EQ(selProfile.xSensArr[1], 20u);
    EXPECT_EQ(selProfile.ySensArr[1], 20u);
    EXPECT_EQ(v->dpiTxt()->text(), "2000");

    // Typed, then Tab: truncated to hundreds, both axes; the view takes 100..3500 DPI only.
    const std::pair<const char*, uint32_t> typedDpi[] = {{"1250", 12}, {"3600", 35}, {"50", 1}};
    for (const auto& [typed, taken] : typedDpi) {
        SCOPED_TRACE(typed);
        typeDpi(v.view, typed, Qt::Key_Tab);
        EXPECT_EQ(selProfile.xSensArr[1], taken);
        EXPECT_EQ(selProfile.ySensArr[1], taken);
        EXPECT_EQ(v->dpiTxt()->text(), QString::number(taken * 100));
    }

    // A stage of 0 shows as 100 DPI.
    pressKey(v->dpiLevelPro(), Qt::Key_Right);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(v->dpiTxt()->text(), "100");
    EXPECT_EQ(v->dpiPro()->value(), 1);
    // Nothing but the stage went to the mouse: the stages' DPI wait for OK.
    EXPECT_EQ(storedDpi(1), 8u);
}

TEST_F(SettingsViewsTest, TheStageGoesToTheMouseAtOnceAndCancelPutsTheStoredOneBack) {
    store({.stage = 0, .dpi = {{8, 16, 24, 32}}});
    Performance v;
    clearLog();
    pressKey(v->dpiLevelPro(), Qt::Key_Right);
    EXPECT_THAT(requests(), testing::ElementsAre(liveStage(1, 16)));
    EXPECT_EQ(mouse().state().stage, 1);
    EXPECT_EQ(mouse().state().dpi, 16);

    v->cancelBtn()->click();
    EXPECT_TRUE(v.closed());
    EXPECT_EQ(mouse().state().stage, 0) << "Cancel after only the stage slider restores it";
    EXPECT_EQ(mouse().state().dpi, 8);
    EXPECT_EQ(selProfile.currSelectDPI, 0u);
    EXPECT_EQ(stored().currSelectDPI, 0u);
}

// The message boxes up, by their text, once a failure told has had the time to show.
QStringList messagesShown() {
    QTest::qWait(MouseWrites::kRemovalAnnouncedMs + 100);
    QStringList shown;
    for (HvMessageBox* box : shownMessageBoxes())
        shown << box->message();
    return shown;
}

// The one message shown, which is then closed.
void expectTold(const QString& message) {
    EXPECT_EQ(messagesShown(), QStringList{message});
    for (HvMessageBox* box : shownMessageBoxes())
        box->close();
}
void expectNotTaken(const char* what) {
    expectTold(QStringLiteral("The mouse did not take %1. Is it still plugged in?").arg(what));
}

// The window's thread never waits for the mouse: while the worker is busy the slider shows each
// stage at once and nothing reaches the mouse; a drag over every stage then sends the last.
TEST_F(SettingsViewsTest, ASliderDragLeavesTheWindowAtOnceAndSendsOnlyTheStageItSettledOn) {
    store({.stage = 0, .dpi = {{8, 16, 24, 32}}});
    Performance v;
    clearLog();
    HeldWorker worker;
    for (int stage = 1; stage <= 3; ++stage) {
        pressKey(v->dpiLevelPro(), Qt::Key_Right);
        EXPECT_EQ(v->dpiLevelPro()->value(), stage);
        EXPECT_EQ(v->dpiTxt()->text(), QString::number(selProfile.xSensArr[stage] * 100));
    }
    EXPECT_EQ(firmware->state().stage, 0) << "no write ran on the window's thread";
    EXPECT_TRUE(log->empty());
    worker.release();
    EXPECT_THAT(requests(), testing::ElementsAre(liveStage(3, 32)));
    EXPECT_EQ(mouse().state().stage, 3);

    // A settled stage is written, each one: the next step finds no write waiting.
    pressKey(v->dpiLevelPro(), Qt::Key_Left);
    settle();
    pressKey(v->dpiLevelPro(), Qt::Key_Left);
    EXPECT_EQ(requests().size(), 3u);
    EXPECT_EQ(mouse().state().stage, 1);
    EXPECT_TRUE(messagesShown().isEmpty());
}

// A live write the mouse does not take puts its control back to what the mouse holds and says
// so, once; a write that fails after its view is gone is still told, with nothing to put back.
TEST_F(SettingsViewsTest, AControlTheMouseDidNotTakeGoesBackAndSaysSo) {
    store({.stage = 1, .rate = 2, .lights = kLightsOn});
    {
        Performance v;
        clearLog();
        stallWrite();
        {
            HeldWorker worker;
            pressKey(v->dpiLevelPro(), Qt::Key_Right);
            EXPECT_EQ(v->dpiLevelPro()->value(), 2) << "shown while the write waits";
        }
        settle();
        EXPECT_EQ(v->dpiLevelPro()->value(), 1);
        EXPECT_EQ(selProfile.currSelectDPI, 1u);
        EXPECT_EQ(mouse().state().stage, 1);
        expectNotTaken("the DPI stage");

        // The next step is written as if nothing had happened.
        pressKey(v->dpiLevelPro(), Qt::Key_Right);
        settle();
        EXPECT_EQ(v->dpiLevelPro()->value(), 2);
        EXPECT_EQ(mouse().state().stage, 2);

        stallWrite();
        v->rateSetp()->items()[0]->click(); // 125 Hz
        settle();
        EXPECT_EQ(v->rateSetp()->selectIndex(), 3) << "back to 1000 Hz";
        EXPECT_EQ(selProfile.poRate, 2u);
        EXPECT_EQ(mouse().state().rateHz(), 1000);
        expectNotTaken("the polling rate");

        // The view goes before its write fails.
        stallWrite();
        HeldWorker worker;
        v->rateSetp()->items()[1]->click();
    }
    settle();
    expectNotTaken("the polling rate");
    EXPECT_EQ(mouse().state().rateHz(), 1000);

    Lighting lighting;
    stallWrite();
    lighting->lightOnOffSetp()->items()[1]->click(); // both off
    settle();
    EXPECT_TRUE(lighting->logoLightBtn()->isChecked()) << "the logo light's write failed";
    EXPECT_FALSE(lighting->midLightBtn()->isChecked());
    EXPECT_TRUE(mouse().state().logoLight);
    EXPECT_FALSE(mouse().state().wheelLight);
    expectNotTaken("the logo light");
    stallWrite();
    lighting->applyBtn()->click();
    settle();
    expectNotTaken("the lighting");
    EXPECT_FALSE(lighting->midLightBtn()->isChecked()) << "the view keeps the wheel off";
    EXPECT_EQ(stored().islightOnArr[1], 1u) << "the library claims what the mouse stores";
    EXPECT_EQ(onDisk().islightOnArr[1], 1u);
    lighting->okBtn()->click();
    EXPECT_EQ(storedBlock(kWheel), 0u) << "the wheel stored off";
    EXPECT_EQ(stored().islightOnArr[1], 0u);
    EXPECT_EQ(onDisk().islightOnArr[1], 0u);

    // A block Apply the mouse did not take: the library and the files keep the block the mouse
    // stores, the open view what the user set, which its OK then writes.
    Performance v;
    v->rateSetp()->items()[0]->click(); // 125 Hz, taken live
    settle();
    stallWrite(3);
    v->applyBtn()->click();
    settle();
    expectNotTaken("the performance settings");
    EXPECT_EQ(v->rateSetp()->selectIndex(), 1) << "the view keeps 125 Hz";
    EXPECT_EQ(stored().poRate, 2u) << "the library claims what the mouse stores";
    EXPECT_EQ(onDisk().poRate, 2u) << "so do the files";
    v->okBtn()->click();
    EXPECT_EQ(storedBlock(kRate), 0u) << "125 Hz stored";
    EXPECT_EQ(stored().poRate, 0u);
    EXPECT_EQ(onDisk().poRate, 0u);
}

// A lights block queued behind a performance block the mouse refused writes only the lights (and
// the stage the mouse holds): it claims no more than that, and once both are settled the library
// and the files hold the rate the mouse still stores, not the refused one.
TEST_F(SettingsViewsTest, ALightsWriteBehindARefusedBlockClaimsOnlyTheLights) {
    store({.rate = 2, .lights = kLightsOn}); // 1000 Hz
    {
        HeldWorker worker;
        {
            Performance v;
            v->rateSetp()->items()[0]->click(); // 125 Hz, live: write 1
            v->okBtn()->click();                // the block: from write 2
        }
        {
            Lighting v;
            v->lightOnOffSetp()->items()[1]->click(); // both off
            v->okBtn()->click();
        }
        stallWrite(2);
    }
    settle();
    expectNotTaken("the performance settings");
    EXPECT_EQ(storedBlock(kRate), 2u) << "1000 Hz stored";
    EXPECT_FALSE(mouse().state().logoLight);
    EXPECT_EQ(stored().poRate, 2u) << "the library claims what the mouse stores";
    EXPECT_EQ(onDisk().poRate, 2u) << "so do the files";
    EXPECT_EQ(stored().islightOnArr[0], 0u) << "the lights it took";
    EXPECT_EQ(onDisk().islightOnArr[0], 0u);
}

// The window's last block write is still on its way when the program ends: its outcome runs
// before the program leaves, so a block the mouse did not take does not stay claimed in the
// files.
TEST_F(SettingsViewsTest, AtTheEndARefusedLastWriteIsPutBackInTheFiles) {
    store({.rate = 2}); // 1000 Hz
    {
        HeldWorker worker;
        {
            Performance v;
            v->rateSetp()->items()[0]->click(); // 125 Hz, live: write 1
            v->okBtn()->click();                // the block: from write 2
        }
        stallWrite(2);
    }
    // What the program does once its event loop has ended; no event loop runs here.
    ASSERT_TRUE(KxAction::waitForTransfers(10000));
    ASSERT_EQ(onDisk().poRate, 0u) << "claimed at OK";
    ASSERT_TRUE(KxAction::finishTransfersAtExit(10000));
    EXPECT_EQ(onDisk().poRate, 2u) << "the files hold what the mouse stores";
    EXPECT_EQ(storedBlock(kRate), 2u) << "1000 Hz stored";
}

// A mouse pulled out fails its writes as well; the window starts again for it, unasked.
TEST_F(SettingsViewsTest, AWriteLostToAnUnplugIsNotToldAsAFault) {
    Performance v;
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Write, 1}));
    pressKey(v->dpiLevelPro(), Qt::Key_Right);
    settle();
    EXPECT_TRUE(messagesShown().isEmpty());
    EXPECT_FALSE(KxAction::checkListenDev());
}

// The files are synced on the saver's thread, never on the window's: OK and Apply of both views
// return before their save is done. A save that fails is told, also after its view has closed.
TEST_F(SettingsViewsTest, OkAndApplySaveOffTheWindowsThreadAndAFailedSaveIsTold) {
    std::atomic<int> syncs{0}, syncsOnTheWindowsThread{0};
    library->setFolderSyncHookForTesting([&](const QString&, int fd) {
        ++syncs;
        syncsOnTheWindowsThread += QThread::currentThread() == qApp->thread();
        return ::fsync(fd);
    });
    {
        Performance v;
        v->rateSetp()->items()[0]->click();
        v->applyBtn()->click();
        v->okBtn()->click();
    }
    const auto lightingOk = [] {
        Lighting v;
        v->logoLightBtn()->click();
        v->okBtn()->click();
    };
    lightingOk();
    settle();
    EXPECT_GT(syncs.load(), 0);
    EXPECT_EQ(syncsOnTheWindowsThread.load(), 0);
    EXPECT_EQ(onDisk().poRate, 0u) << "saved to disk";

    library->setSaveHookForTesting([](ProfieController::SaveStep step) {
        return step == ProfieController::SaveStep::StagingCreated
                   ? ProfieController::SaveHookReply::Stop
                   : ProfieController::SaveHookReply::Continue;
    });
    lightingOk();
    settle();
    expectTold(QStringLiteral("The profiles could not be saved in %1.").arg(library->sysProPath()));
    library->setSaveHookForTesting({});
    library->setFolderSyncHookForTesting({});
}

// The mouse goes away at each request of the block that the performance view's OK or the
// lighting view's OK writes. Of every setting, the library and the files then claim what the
// mouse held before or what it holds now, never an edit it did not take; with the mouse back, a
// read puts what it holds everywhere.
TEST_F(SettingsViewsTest, AnUnplugAtEveryRequestOfAnOkLeavesNoClaimTheMouseDoesNotBackUp) {
    // Both views' edits, live writes included, made before the fault is armed; then their OK.
    using Ok = std::function<void(const std::function<void()>&)>;
    const std::pair<const char*, Ok> oks[] = {
        {"performance",
         [](const auto& beforeOk) {
             Performance v;
             pressKey(v->dpiLevelPro(), Qt::Key_End); // stage 4
             pressKey(v->dpiPro(), Qt::Key_End);      // 3500 DPI
             v->rateSetp()->items()[1]->click();      // 500 Hz
             beforeOk();
             v->okBtn()->click();
         }},
        {"lighting",
         [](const auto& beforeOk) {
             Lighting v;
             v->logoLightTagBtn()->click();
             v->lightOnOffSetp()->items()[1]->click();
             beforeOk();
             v->okBtn()->click();
         }},
    };
    const auto reset = [this] {
        settle();
        bus->clearFault();
        if (!KxAction::checkListenDev())
            bus->plug();
        ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
        store({.stage = 0, .rate = 0, .lights = kLightsOn, .dpi = {{16, 16, 16, 16}}});
        library->applySettingToAll();
        ASSERT_TRUE(library->saveToSys());
    };
    // Every profile of the library and of the files claims what the mouse held or holds.
    const auto claimsBacked = [this](const Held& before, const Held& now) {
        ProfieController disk;
        for (const ProfieController* profiles : {library.get(), &disk})
            for (const auto& profile : profiles->profileArr())
                EXPECT_TRUE(backedByTheMouse(heldIn(profile->profileData()), before, now))
                    << (profiles == &disk ? "on disk" : "in the library");
    };
    for (const auto& [name, ok] : oks) {
        reset();
        ok([&] { clearLog(); });
        const int total = int(requests().size());
        const Held wanted = heldBy(mouse());
        ASSERT_GE(total, 2) << name;

        for (int at = 1; at <= total; ++at) {
            SCOPED_TRACE(std::string(name) + " OK, unplugged at request " + std::to_string(at) +
                         " of " + std::to_string(total));
            reset();
            const Held before = heldBy(mouse());
            ok([&] {
                settle();
                ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Any, at}));
            });
            settle();
            ASSERT_FALSE(bus->armedFault()) << "the fault hit";
            ASSERT_TRUE(KxTest::waitFor([] { return !KxAction::checkListenDev(); }));
            const Held now = heldBy(*firmware);
            claimsBacked(before, now);
            EXPECT_TRUE(backedByTheMouse(heldIn(selProfile), before, now)) << "in the edits";
            EXPECT_TRUE(messagesShown().isEmpty()) << "an unplug is no fault of the write";

            bus->plug();
            ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
            ASSERT_TRUE(KxAction::readAllFWData());
            settle();
            claimsBacked(now, now);
        }
        ASSERT_TRUE(backedByTheMouse(heldIn(stored()), wanted, wanted))
            << "the last run's OK, unfaulted, reached the mouse and the library";
    }
}

TEST_F(SettingsViewsTest, OkWritesTheStagesDpiAndTheRateAndKeepsThemInEveryProfile) {
    Performance v;
    pressKey(v->dpiLevelPro(), Qt::Key_End); // stage 4
    pressKey(v->dpiPro(), Qt::Key_End);      // 3500 DPI
    v->rateSetp()->items()[1]->click();      // 500 Hz
    EXPECT_EQ(mouse().state().rateHz(), 500) << "the rate goes to the mouse at once";
    EXPECT_NE(storedDpi(3), 35u);

    // Enter with a DPI typed and not yet taken: the typed value is kept, then OK.
    typeDpi(v.view, "3000", Qt::Key_Return);
    EXPECT_TRUE(v.closed());
    EXPECT_EQ(storedDpi(3), 30u);
    EXPECT_EQ(mouse().state().stage, 3);
    EXPECT_EQ(mouse().state().rateCode, 1);
    EXPECT_TRUE(everyProfile([](const _Kx_PROFILE& p) {
        return p.xSensArr[3] == 30 && p.poRate == 1 && p.currSelectDPI == 3;
    }));
}

TEST_F(SettingsViewsTest, ResetRestoresStagesRateAndSpeedsAtOnceButNotTheDisplaySwitch) {
    store({.stage = 3, .rate = 0, .speeds = 2, .dpi = {{33, 33, 33, 33}}});
    library->setIsOSD(true);
    const _Kx_PROFILE defaults = library->defaultProfile()->profileData();
    Performance v;
    EXPECT_TRUE(v->oneScreenBtn()->isChecked());
    v->reDefBtn()->click();
    EXPECT_FALSE(v.closed());
    for (int stage = 0; stage < 4; ++stage) {
        EXPECT_EQ(selProfile.xSensArr[stage], defaults.xSensArr[stage]);
        EXPECT_EQ(storedDpi(stage), defaults.xSensArr[stage]);
    }
    EXPECT_EQ(mouse().state().stage, int(defaults.currSelectDPI));
    EXPECT_EQ(mouse().state().rateCode, 2 - int(defaults.poRate));
    EXPECT_EQ(selProfile.acceler, defaults.acceler);
    EXPECT_EQ(v->mouseSpeedPro()->value(), int(defaults.acceler));
    EXPECT_EQ(pointerSpeed(), int(defaults.acceler));
    EXPECT_TRUE(library->isOSD());
    EXPECT_TRUE(v->oneScreenBtn()->isChecked());

    // Cancel after Reset: the mouse and the desktop go back to what is stored.
    v->cancelBtn()->click();
    EXPECT_EQ(storedDpi(0), 33u);
    EXPECT_EQ(mouse().state().rateCode, 2);
}

TEST_F(SettingsViewsTest, TheViewFollowsTheMouseButtonsAndIgnoresARateItDoesNotHave) {
    store({.stage = 0, .rate = 2});
    Performance v;
    clearLog();
    v->dpiChangePro({{"value1", 2}, {"value2", 20}, {"value3", 20}});
    EXPECT_EQ(v->dpiLevelPro()->value(), 2);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(selProfile.xSensArr[2], 20u);
    EXPECT_EQ(v->dpiTxt()->text(), "2000");
    EXPECT_TRUE(requests().empty()) << "the mouse already runs on it";
    v->dpiChangePro({{"value1", 9}, {"value2", 200}, {"value3", 12}});
    EXPECT_EQ(selProfile.currSelectDPI, 3u) << "a stage is limited to 0..3";
    EXPECT_EQ(selProfile.ySensArr[3], 12u);
    EXPECT_NE(selProfile.xSensArr[3], 200u) << "a DPI the mouse cannot have is not taken";

    v->rateChangePro(0);
    EXPECT_EQ(v->rateSetp()->selectIndex(), 1);
    EXPECT_EQ(selProfile.poRate, 0u);
    clearLog();
    v->rateChangePro(3);
    v->rateChangePro(-1);
    EXPECT_EQ(v->rateSetp()->selectIndex(), 1);
    EXPECT_TRUE(requests().empty());
}

// The polling rates and the light switches are groups of exclusive choices: radio buttons to a
// screen reader, whose press is a click, so that one stays chosen and the mouse follows it.
TEST_F(SettingsViewsTest, RatesAndLightSwitchesPressedByAScreenReaderAreExclusiveAndReachTheMouse) {
    store({.rate = 2});
    {
        Performance v;
        pressAsScreenReader(v->rateSetp()->items()[1]); // 500 Hz
        EXPECT_EQ(checkedItems(v->rateSetp()), std::vector<int>{2});
        EXPECT_EQ(mouse().state().rateHz(), 500);
        pressAsScreenReader(v->rateSetp()->items()[0]);
        EXPECT_EQ(checkedItems(v->rateSetp()), std::vector<int>{1});
        EXPECT_EQ(mouse().state().rateHz(), 125);
        v->cancelBtn()->click();
    }
    store({.lights = kLightsOn});
    Lighting v;
    pressAsScreenReader(v->midLightTagBtn());             // the wheel light
    pressAsScreenReader(v->lightOnOffSetp()->items()[1]); // off
    EXPECT_EQ(v->currSelectedBtn(), 2);
    EXPECT_EQ(checkedItems(v->lightOnOffSetp()), std::vector<int>{2});
    EXPECT_EQ(selProfile.islightOnArr[1], 0u);
    EXPECT_EQ(selProfile.islightOnArr[0], 1u);
    EXPECT_FALSE(v->midLightBtn()->isChecked()) << "the wheel's box shows it off";
    v->cancelBtn()->click();
}

// A value set by assistive technology (or any code) is the user's: the view takes it as from a
// drag, writes the stage to the mouse once, and OK keeps it.
TEST_F(SettingsViewsTest, SlidersSetByAScreenReaderAreTakenAsTheUsersAndWrittenOnce) {
    store({.stage = 1, .speeds = 5, .dpi = {{8, 16, 24, 32}}});
    Performance v;
    clearLog();
    // In the user's units: DPI, and stages from 1.
    setByScreenReader(v->dpiPro(), 2000);
    EXPECT_EQ(v->dpiTxt()->text(), "2000");
    EXPECT_EQ(selProfile.xSensArr[1], 20u);
    EXPECT_EQ(selProfile.ySensArr[1], 20u);
    EXPECT_TRUE(requests().empty()) << "a stage's DPI waits for OK";

    setByScreenReader(v->dpiLevelPro(), 3);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(v->dpiTxt()->text(), "2400") << "the stage's own DPI is shown";
    EXPECT_THAT(requests(), testing::ElementsAre(liveStage(2, 24)))
        << "the stage goes to the mouse once";
    setByScreenReader(v->dpiLevelPro(), 2);
    EXPECT_EQ(v->dpiTxt()->text(), "2000");

    setByScreenReader(v->mouseSpeedPro(), 9);
    setByScreenReader(v->scrSpeedPro(), 3);
    setByScreenReader(v->doubleSpeedPro(), 7);
    EXPECT_EQ(selProfile.acceler, 9u);
    EXPECT_EQ(selProfile.srcSpeed, 3u);
    EXPECT_EQ(selProfile.doubleSpeed, 7u);
    EXPECT_EQ(pointerSpeed(), 9) << "the desktop's speed changes at once";

    v->okBtn()->click();
    EXPECT_TRUE(v.closed());
    EXPECT_EQ(storedDpi(1), 20u);
    EXPECT_EQ(stored().xSensArr[1], 20u);
    EXPECT_EQ(stored().acceler, 9u);
    EXPECT_EQ(stored().srcSpeed, 3u);
    EXPECT_EQ(stored().doubleSpeed, 7u);
}

// The mouse holds one DPI per stage: after a read of the whole mouse the vertical value is the
// horizontal one, so the view cannot show a stale larger value the mouse does not have.
TEST_F(SettingsViewsTest, AfterAReadTheViewShowsTheDpiTheMouseHolds) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 1;
        const uint32_t dpi[4] = {8, 16, 24, 32};
        std::copy(std::begin(dpi), std::end(dpi), p.xSensArr);
        std::fill(std::begin(p.ySensArr), std::end(p.ySensArr), 30u);
    });
    ASSERT_EQ(storedDpi(1), 16u);
    ASSERT_TRUE(KxAction::getAllFWData());
    for (const auto& profile : library->profileArr())
        for (int stage = 0; stage < 4; ++stage)
            EXPECT_EQ(profile->profileData().ySensArr[stage],
                      profile->profileData().xSensArr[stage]);
    Performance v;
    EXPECT_EQ(v->dpiTxt()->text(), "1600");
    EXPECT_EQ(v->dpiPro()->value(), 16);
}

// Apply keeps what OK keeps: the settings in every profile and on disk, so that a later Cancel
// or another profile cannot bring the old values back.
TEST_F(SettingsViewsTest, ApplyKeepsTheSettingsInEveryProfileAndOnDiskAsOkDoes) {
    store({.stage = 2, .rate = 2, .speeds = 5});
    Performance v;
    pressKey(v->dpiPro(), Qt::Key_End); // 3500 DPI
    pressKey(v->mouseSpeedPro(), Qt::Key_Home);
    v->rateSetp()->items()[0]->click(); // 125 Hz
    v->applyBtn()->click();
    EXPECT_FALSE(v.closed());
    EXPECT_EQ(storedDpi(2), 35u);
    EXPECT_TRUE(everyProfile([](const _Kx_PROFILE& p) {
        return p.xSensArr[2] == 35 && p.poRate == 0 && p.acceler == 1;
    }));

    // Cancel after Apply keeps what was applied, on the mouse and on the desktop.
    v->cancelBtn()->click();
    EXPECT_TRUE(v.closed());
    EXPECT_EQ(storedDpi(2), 35u);
    EXPECT_EQ(selProfile.xSensArr[2], 35u);
    EXPECT_EQ(mouse().state().rateCode, 2);
    EXPECT_EQ(pointerSpeed(), 1);
}

// Cancel, Escape and every other end of a view's run but OK drop the edits: the desktop's speeds,
// the stage and the lights go back to what is stored. The main window ends a run from outside
// when the mouse goes away (HvModal::stopModal); hiding, closing or destroying the view's window
// end it too. Minimising ends nothing.
TEST_F(SettingsViewsTest, EveryEndOfAViewsRunButOkRunsItsCancel) {
    store({.stage = 0, .speeds = 5, .lights = kLightsOn});
    const int speed = pointerSpeed();
    const std::pair<const char*, std::function<void(HvNoTitleWindow&)>> ends[] = {
        {"Cancel",
         [](HvNoTitleWindow& w) { named<HvButton>(w.contentView(), "cancelBtn")->click(); }},
        {"Escape", [](HvNoTitleWindow& w) { QTest::keyClick(w.contentView(), Qt::Key_Escape); }},
        {"stopped from outside", [](HvNoTitleWindow& w) { HvModal::stopModal(&w, 0); }},
        {"hidden", [](HvNoTitleWindow& w) { w.hide(); }},
        {"closed", [](HvNoTitleWindow& w) { w.close(); }},
        {"destroyed", [](HvNoTitleWindow& w) { delete &w; }},
    };
    for (const auto& [how, end] : ends) {
        SCOPED_TRACE(how);
        runModally<PerformanceView>([&, end = end](PerformanceView& v, HvNoTitleWindow& w) {
            pressKey(v.mouseSpeedPro(), Qt::Key_End);
            pressKey(v.dpiLevelPro(), Qt::Key_End);
            EXPECT_EQ(pointerSpeed(), 10);
            EXPECT_EQ(mouse().state().stage, 3);
            end(w);
        });
        EXPECT_EQ(pointerSpeed(), speed);
        EXPECT_EQ(mouse().state().stage, 0);
        EXPECT_EQ(selProfile.acceler, 5u);
        EXPECT_EQ(selProfile.currSelectDPI, 0u);

        runModally<LightOptionView>([&, end = end](LightOptionView& v, HvNoTitleWindow& w) {
            v.lightOnOffSetp()->items()[1]->click();
            EXPECT_FALSE(mouse().state().logoLight || mouse().state().wheelLight);
            end(w);
        });
        EXPECT_TRUE(mouse().state().logoLight && mouse().state().wheelLight);
        EXPECT_TRUE(selProfile.islightOnArr[0] && selProfile.islightOnArr[1]);
    }

    // Minimised, the view still runs (looked at once the run's loop has had its turns); its OK
    // then keeps the edits.
    bool stillRunning = false;
    runModally<PerformanceView>([&](PerformanceView& v, HvNoTitleWindow& w) {
        pressKey(v.mouseSpeedPro(), Qt::Key_End);
        w.showMinimized();
        QTimer::singleShot(20, &w, [&] {
            stillRunning = HvModal::isRunning(&w);
            w.showNormal();
            v.okBtn()->click();
        });
    });
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(pointerSpeed(), 10);
    EXPECT_EQ(stored().acceler, 10u);
}

TEST_F(SettingsViewsTest, DesktopSpeedsChangeAtOnceCancelRestoresThemOkKeepsThem) {
    if (!DesktopSchema::ready)
        GTEST_SKIP() << "glib-compile-schemas did not run";
    const double before = desktopPointerSpeed();
    {
        Performance v;
        v->mouseSpeedPro()->setFocus();
        pressKey(v->mouseSpeedPro(), Qt::Key_End);
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), 1.0);
        pressKey(v->mouseSpeedPro(), Qt::Key_Escape); // Escape is Cancel
        EXPECT_TRUE(v.closed());
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), before);
    }
    Performance v;
    pressKey(v->mouseSpeedPro(), Qt::Key_End);
    pressKey(v->mouseSpeedPro(), Qt::Key_Home);
    v->okBtn()->click();
    EXPECT_DOUBLE_EQ(desktopPointerSpeed(), -0.8);
    EXPECT_EQ(stored().acceler, 1u);
}

// The display switch takes effect at the click, as the view's other controls do; Cancel (and
// any end but OK) puts it back as it was, Apply and OK keep it.
TEST_F(SettingsViewsTest, TheDisplaySwitchTakesEffectAtOnceCancelPutsItBackOkAndApplyKeepIt) {
    library->setIsOSD(true);
    {
        Performance v;
        v->oneScreenBtn()->click();
        EXPECT_FALSE(library->isOSD()) << "stored at the click";
        v->cancelBtn()->click();
        EXPECT_TRUE(library->isOSD());
    }
    {
        Performance v;
        EXPECT_TRUE(v->oneScreenBtn()->isChecked());
        v->oneScreenBtn()->click();
        v.window.close();
        EXPECT_TRUE(library->isOSD()) << "closed otherwise: as Cancel";
    }
    {
        Performance v;
        v->oneScreenBtn()->click();
        v->applyBtn()->click();
        v->oneScreenBtn()->click();
        v->cancelBtn()->click();
        EXPECT_FALSE(library->isOSD()) << "Cancel goes back to what Apply kept";
    }
    Performance v;
    EXPECT_FALSE(v->oneScreenBtn()->isChecked());
    v->oneScreenBtn()->click();
    v->okBtn()->click();
    EXPECT_TRUE(library->isOSD());
}

TEST_F(SettingsViewsTest, LightingOpensOnWhenEitherLightIsOnWithOnlyTheLitOneChecked) {
    store({.lights = {{1, 0}}});
    Lighting v;
    EXPECT_EQ(v->currSelectedBtn(), 0);
    EXPECT_EQ(v->lightOnOffSetp()->selectIndex(), 1);
    EXPECT_TRUE(v->logoLightBtn()->isChecked());
    EXPECT_FALSE(v->midLightBtn()->isChecked());
    EXPECT_TRUE(requests().empty());

    // Picking the wheel while it is off shows "off" and writes nothing.
    v->midLightTagBtn()->click();
    EXPECT_EQ(v->currSelectedBtn(), 2);
    EXPECT_EQ(v->lightOnOffSetp()->selectIndex(), 2);
    EXPECT_TRUE(requests().empty());
    EXPECT_FALSE(v->hasSaved());

    // Switching it on sends only the wheel, at once.
    v->lightOnOffSetp()->items()[0]->click();
    EXPECT_TRUE(mouse().state().wheelLight);
    EXPECT_TRUE(v->midLightBtn()->isChecked());
    EXPECT_EQ(requests().size(), 1u);
}

// The view opens with a light choice checked, "both lights", as a radio group always has one: Off
// and On then switch both, on the mouse and in the boxes; each light's box switches that light,
// at once, as On and Off do. Nothing is stored before OK, which stores the lights for every
// profile.
TEST_F(SettingsViewsTest, LightingOpensOnBothLightsWhichOffSwitchesAndEachBoxSwitchesItsLight) {
    store({.lights = kLightsOn});
    Lighting v;
    ASSERT_EQ(v->lightBtnSetp()->items().size(), 3u);
    EXPECT_EQ(v->lightBtnSetp()->selectIndex(), 3) << "both lights";
    EXPECT_EQ(v->currSelectedBtn(), 0);
    EXPECT_TRUE(requests().empty());

    v->lightOnOffSetp()->items()[1]->click();
    EXPECT_EQ(selProfile.islightOnArr[0], 0u);
    EXPECT_EQ(selProfile.islightOnArr[1], 0u);
    EXPECT_FALSE(mouse().state().logoLight);
    EXPECT_FALSE(mouse().state().wheelLight);
    EXPECT_FALSE(v->logoLightBtn()->isChecked());
    EXPECT_FALSE(v->midLightBtn()->isChecked());
    EXPECT_TRUE(storedBlock(kLogo) && storedBlock(kWheel)) << "not stored before OK";
    v->lightOnOffSetp()->items()[0]->click();
    EXPECT_TRUE(mouse().state().logoLight && mouse().state().wheelLight);

    QTest::mouseClick(v->logoLightBtn(), Qt::LeftButton);
    EXPECT_FALSE(v->logoLightBtn()->isChecked());
    EXPECT_FALSE(mouse().state().logoLight) << "written at once";
    EXPECT_TRUE(mouse().state().wheelLight);
    EXPECT_EQ(v->lightOnOffSetp()->selectIndex(), 1) << "one of both is still on";
    v->logoLightTagBtn()->click();
    EXPECT_EQ(v->lightOnOffSetp()->selectIndex(), 2) << "the logo light is off";
    QTest::keyClick(v->midLightBtn(), Qt::Key_Space);
    EXPECT_FALSE(mouse().state().wheelLight);
    v->lightBtnSetp()->items()[2]->click();
    EXPECT_EQ(v->currSelectedBtn(), 0);
    EXPECT_EQ(v->lightOnOffSetp()->selectIndex(), 2) << "both off";
    EXPECT_TRUE(storedBlock(kLogo) && storedBlock(kWheel)) << "not stored before OK";
    v->okBtn()->click();
    EXPECT_TRUE(v.closed());
    EXPECT_FALSE(storedBlock(kLogo) || storedBlock(kWheel)) << "OK writes both lights";
    EXPECT_TRUE(everyProfile(
        [](const _Kx_PROFILE& p) { return p.islightOnArr[0] == 0 && p.islightOnArr[1] == 0; }));
}

TEST_F(SettingsViewsTest,
       CancelRestoresTheStoredLightsOnlyAfterASwitchApplySavesAndTwiceWritesOnce) {
    store({.lights = kLightsOn});
    // Stored on disk too, so that what Apply saves shows in the files.
    library->applySettingToAll();
    ProfileSaves::save();
    settle();
    {
        Lighting v;
        v->cancelBtn()->click();
        EXPECT_TRUE(v.closed());
        EXPECT_TRUE(requests().empty()) << "Cancel without a switch writes nothing";
    }
    Lighting v;
    v->midLightTagBtn()->click();
    v->lightOnOffSetp()->items()[1]->click();
    clearLog();
    v->applyBtn()->click();
    const size_t afterFirst = requests().size();
    EXPECT_GT(afterFirst, 0u);
    EXPECT_EQ(storedBlock(kWheel), 0u) << "Apply stores the wheel off";
    v->applyBtn()->click();
    EXPECT_EQ(requests().size(), afterFirst) << "a second Apply writes nothing";
    EXPECT_TRUE(everyProfile([](const _Kx_PROFILE& p) { return p.islightOnArr[1] == 0; }))
        << "Apply saves as OK does";

    // Cancel after Apply keeps what was applied.
    v->cancelBtn()->click();
    EXPECT_TRUE(v.closed());
    EXPECT_EQ(selProfile.islightOnArr[1], 0u);
    EXPECT_EQ(storedBlock(kWheel), 0u);
}

} // namespace
