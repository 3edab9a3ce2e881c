// The performance and lighting views in windows of their own over the profile library, driven
// by pointer and keyboard; what they send is checked in the emulated mouse's registers and
// memory, the desktop speeds in a private GSettings.
#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvMessageBox.h"
#include "HvModal.h"
#include "HvMouseAction.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "KxDeviceQueue.h"
#include "KxWidgetGlobals.h"
#include "LightOptionView.h"
#include "MouseWrites.h"
#include "PerformanceView.h"
#include "PrivateHome.h"
#include "ProfileSaves.h"
#include "ProfileValue.h"
#include "QtPrinters.h"
#include "ScreenReader.h"
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
#include <condition_variable>
#include <future>
#include <mutex>

#include <gio/gio.h>

namespace {

// The desktop's mouse schema (the keys used), compiled into a private folder before GSettings
// is first used; the tests' in-memory backend then holds the values.
class DesktopSchema : public testing::Environment {
public:
    void SetUp() override {
        const QString schemas = QDir::temp().filePath(
            QStringLiteral("kx-settings-views-%1/schemas").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(schemas);
        QFile file(schemas + "/kx-test.gschema.xml");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<schemalist>
  <schema id="org.gnome.desktop.peripherals.mouse" path="/org/gnome/desktop/peripherals/mouse/">
    <key name="speed" type="d"><default>0</default><range min="-1" max="1"/></key>
    <key name="double-click" type="i"><default>400</default></key>
  </schema>
</schemalist>)");
        file.close();
        ready = QProcess::execute(QStringLiteral("glib-compile-schemas"), {schemas}) == 0;
        qputenv("GSETTINGS_SCHEMA_DIR", schemas.toLocal8Bit());
        qputenv("GSETTINGS_BACKEND", "memory");
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
    bool closed() const { return !window.isVisible(); }
    HvNoTitleWindow window{QRect(0, 0, 640, 440)};
    View* view = nullptr;
};

class SettingsViewsTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
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
    // The stages' DPI (units of 100, both axes) and the stage the mouse is on.
    void storeStages(const std::array<uint32_t, 4>& dpi, uint32_t stage) {
        store([&](_Kx_PROFILE& p) {
            p.currSelectDPI = stage;
            std::copy(dpi.begin(), dpi.end(), p.xSensArr);
            std::copy(dpi.begin(), dpi.end(), p.ySensArr);
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
    std::vector<std::string> requests() {
        settle();
        return DeviceProtocolTest::requests();
    }
    void clearLog() {
        settle();
        log->clear();
    }
    // The DPI of a stage in the mouse's stored block, units of 100.
    int storedDpi(int stage) { return uint8_t(mouse().memory(uint16_t(8 + stage), 1).at(0)); }
    _Kx_PROFILE stored() const { return library->currProfile()->profileData(); }
    static double desktopPointerSpeed() {
        GSettings* settings = g_settings_new(HvMouseAction::kDesktopSchema);
        const double speed = g_settings_get_double(settings, "speed");
        g_object_unref(settings);
        return speed;
    }
};

using Performance = Opened<PerformanceView>;
using Lighting = Opened<LightOptionView>;

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

TEST_F(SettingsViewsTest, TheDpiShownIsTheStagesLargerAxisAndEveryEditSetsBothAxes) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 1;
        p.xSensArr[1] = 8;
        p.ySensArr[1] = 12;
        p.xSensArr[2] = p.ySensArr[2] = 0;
    });
    Performance opened;
    PerformanceView& v = *opened.view;
    EXPECT_EQ(v.dpiTxt()->text(), "1200");
    EXPECT_EQ(v.dpiPro()->value(), 12);

    pressKey(v.dpiPro(), Qt::Key_Right, 8);
    EXPECT_EQ(selProfile.xSensArr[1], 20u);
    EXPECT_EQ(selProfile.ySensArr[1], 20u);
    EXPECT_EQ(v.dpiTxt()->text(), "2000");

    // Typed, then Tab: truncated to hundreds, both axes.
    v.dpiTxt()->setFocus();
    v.dpiTxt()->selectAll();
    QTest::keyClicks(v.dpiTxt(), "1250");
    QTest::keyClick(v.dpiTxt(), Qt::Key_Tab);
    EXPECT_EQ(selProfile.xSensArr[1], 12u);
    EXPECT_EQ(selProfile.ySensArr[1], 12u);
    EXPECT_EQ(v.dpiTxt()->text(), "1200");

    // A stage of 0 shows as 100 DPI.
    pressKey(v.dpiLevelPro(), Qt::Key_Right);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(v.dpiTxt()->text(), "100");
    EXPECT_EQ(v.dpiPro()->value(), 1);
    // Nothing but the stage went to the mouse: the stages' DPI wait for OK.
    EXPECT_EQ(storedDpi(1), 8);
}

TEST_F(SettingsViewsTest, TheStageGoesToTheMouseAtOnceAndCancelPutsTheStoredOneBack) {
    storeStages({8, 16, 24, 32}, 0);
    Performance opened;
    clearLog();
    pressKey(opened.view->dpiLevelPro(), Qt::Key_Right);
    EXPECT_THAT(requests(), testing::ElementsAre(report("SET", {3, 0x00, 0xFF, 2, 1, 16})));
    EXPECT_EQ(mouse().state().stage, 1);
    EXPECT_EQ(mouse().state().dpi, 16);

    opened.view->cancelBtn()->click();
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(mouse().state().stage, 0) << "Cancel after only the stage slider restores it";
    EXPECT_EQ(mouse().state().dpi, 8);
    EXPECT_EQ(selProfile.currSelectDPI, 0u);
    EXPECT_EQ(stored().currSelectDPI, 0u);
}

// The queue's worker kept busy, as by a long write, until released; gone only once the worker
// has let go of it.
class HeldWorker {
public:
    HeldWorker() {
        std::promise<void> holding;
        auto held = holding.get_future();
        KxDeviceQueue::Request request;
        request.name = QStringLiteral("held by the test");
        request.body = [gate = gate_,
                        holding = std::make_shared<std::promise<void>>(std::move(holding))] {
            holding->set_value();
            std::unique_lock lock(gate->mutex);
            gate->changed.wait(lock, [&] { return gate->released; });
            gate->done = true;
            gate->changed.notify_all();
            return true;
        };
        KxDeviceQueue::shared().post(std::move(request));
        held.wait();
    }
    ~HeldWorker() {
        release();
        std::unique_lock lock(gate_->mutex);
        gate_->changed.wait(lock, [&] { return gate_->done; });
    }
    void release() {
        const std::lock_guard lock(gate_->mutex);
        gate_->released = true;
        gate_->changed.notify_all();
    }

private:
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        bool done = false;
    };
    std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
};

// The message boxes up, by their text, once a failure told has had the time to show.
QStringList messagesShown() {
    QTest::qWait(MouseWrites::kRemovalAnnouncedMs + 100);
    QStringList shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<HvMessageBox*>(top); box && box->isVisible())
            shown << box->message();
    return shown;
}

void closeMessages() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<HvMessageBox*>(top))
            top->close();
}

// The window's thread never waits for the mouse: while the worker is busy the slider shows each
// stage at once and nothing reaches the mouse; a drag over every stage then sends the last.
TEST_F(SettingsViewsTest, ASliderDragLeavesTheWindowAtOnceAndSendsOnlyTheStageItSettledOn) {
    storeStages({8, 16, 24, 32}, 0);
    Performance opened;
    clearLog();
    HeldWorker worker;
    for (int stage = 1; stage <= 3; ++stage) {
        pressKey(opened.view->dpiLevelPro(), Qt::Key_Right);
        EXPECT_EQ(opened.view->dpiLevelPro()->value(), stage);
        EXPECT_EQ(opened.view->dpiTxt()->text(), QString::number(selProfile.xSensArr[stage] * 100));
    }
    EXPECT_EQ(firmware->state().stage, 0) << "no write ran on the window's thread";
    EXPECT_TRUE(log->empty());
    worker.release();
    EXPECT_THAT(requests(), testing::ElementsAre(report("SET", {3, 0x00, 0xFF, 2, 3, 32})));
    EXPECT_EQ(mouse().state().stage, 3);

    // A settled stage is written, each one: the next step finds no write waiting.
    pressKey(opened.view->dpiLevelPro(), Qt::Key_Left);
    settle();
    pressKey(opened.view->dpiLevelPro(), Qt::Key_Left);
    EXPECT_EQ(requests().size(), 3u);
    EXPECT_EQ(mouse().state().stage, 1);
    EXPECT_TRUE(messagesShown().isEmpty());
}

// A live write the mouse does not take puts its control back to what the mouse holds and says
// so, once; a write that fails after its view is gone is still told, with nothing to put back.
TEST_F(SettingsViewsTest, AControlTheMouseDidNotTakeGoesBackAndSaysSo) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 1;
        p.poRate = 2;
        p.islightOnArr[0] = p.islightOnArr[1] = 1;
    });
    {
        Performance opened;
        clearLog();
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
        {
            HeldWorker worker;
            pressKey(opened.view->dpiLevelPro(), Qt::Key_Right);
            EXPECT_EQ(opened.view->dpiLevelPro()->value(), 2) << "shown while the write waits";
        }
        settle();
        EXPECT_EQ(opened.view->dpiLevelPro()->value(), 1);
        EXPECT_EQ(selProfile.currSelectDPI, 1u);
        EXPECT_EQ(mouse().state().stage, 1);
        EXPECT_EQ(messagesShown(),
                  QStringList{"The mouse did not take the DPI stage. Is it still plugged in?"});

        // The next step is written as if nothing had happened.
        pressKey(opened.view->dpiLevelPro(), Qt::Key_Right);
        settle();
        EXPECT_EQ(opened.view->dpiLevelPro()->value(), 2);
        EXPECT_EQ(mouse().state().stage, 2);

        closeMessages();
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
        opened.view->rateSetp()->items()[0]->click(); // 125 Hz
        settle();
        EXPECT_EQ(opened.view->rateSetp()->selectIndex(), 3) << "back to 1000 Hz";
        EXPECT_EQ(selProfile.poRate, 2u);
        EXPECT_EQ(mouse().state().rateHz(), 1000);
        EXPECT_EQ(messagesShown(),
                  QStringList{"The mouse did not take the polling rate. Is it still plugged in?"});
        closeMessages();

        // The view goes before its write fails.
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
        HeldWorker worker;
        opened.view->rateSetp()->items()[1]->click();
    }
    settle();
    EXPECT_EQ(messagesShown(),
              QStringList{"The mouse did not take the polling rate. Is it still plugged in?"});
    EXPECT_EQ(mouse().state().rateHz(), 1000);
    closeMessages();

    Lighting lighting;
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
    lighting.view->lightOnOffSetp()->items()[1]->click(); // both off
    settle();
    EXPECT_TRUE(lighting.view->logoLightBtn()->isChecked()) << "the logo light's write failed";
    EXPECT_FALSE(lighting.view->midLightBtn()->isChecked());
    EXPECT_TRUE(mouse().state().logoLight);
    EXPECT_FALSE(mouse().state().wheelLight);
    EXPECT_EQ(messagesShown(),
              QStringList{"The mouse did not take the logo light. Is it still plugged in?"});
    closeMessages();
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 1}));
    lighting.view->applyBtn()->click();
    settle();
    EXPECT_EQ(messagesShown(),
              QStringList{"The mouse did not take the lighting. Is it still plugged in?"});
    closeMessages();
    EXPECT_FALSE(lighting.view->midLightBtn()->isChecked()) << "the view keeps the wheel off";
    EXPECT_EQ(stored().islightOnArr[1], 1u) << "the library claims what the mouse stores";
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().islightOnArr[1], 1u);
    lighting.view->okBtn()->click();
    EXPECT_EQ(mouse().memory(7, 1).at(0) & 0x10, 0) << "the wheel stored off";
    EXPECT_EQ(stored().islightOnArr[1], 0u);
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().islightOnArr[1], 0u);

    // A block Apply the mouse did not take: the library and the files keep the block the mouse
    // stores, the open view what the user set, which its OK then writes.
    Performance opened;
    opened.view->rateSetp()->items()[0]->click(); // 125 Hz, taken live
    settle();
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 3}));
    opened.view->applyBtn()->click();
    settle();
    EXPECT_EQ(messagesShown(), QStringList{"The mouse did not take the performance settings. Is "
                                           "it still plugged in?"});
    closeMessages();
    EXPECT_EQ(opened.view->rateSetp()->selectIndex(), 1) << "the view keeps 125 Hz";
    EXPECT_EQ(stored().poRate, 2u) << "the library claims what the mouse stores";
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().poRate, 2u) << "so do the files";
    opened.view->okBtn()->click();
    EXPECT_EQ(mouse().memory(VirtualMouseFirmware::kStoredRate, 1).at(0), 2) << "125 Hz stored";
    EXPECT_EQ(stored().poRate, 0u);
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().poRate, 0u);
}

// A lights block queued behind a performance block the mouse refused writes only the lights (and
// the stage the mouse holds): it claims no more than that, and once both are settled the library
// and the files hold the rate the mouse still stores, not the refused one.
TEST_F(SettingsViewsTest, ALightsWriteBehindARefusedBlockClaimsOnlyTheLights) {
    store([](_Kx_PROFILE& p) {
        p.poRate = 2; // 1000 Hz
        p.islightOnArr[0] = p.islightOnArr[1] = 1;
    });
    {
        HeldWorker worker;
        {
            Performance opened;
            opened.view->rateSetp()->items()[0]->click(); // 125 Hz, live: write 1
            opened.view->okBtn()->click();                // the block: from write 2
        }
        {
            Lighting lighting;
            lighting.view->lightOnOffSetp()->items()[1]->click(); // both off
            lighting.view->okBtn()->click();
        }
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 2}));
    }
    settle();
    EXPECT_EQ(messagesShown(), QStringList{"The mouse did not take the performance settings. Is "
                                           "it still plugged in?"});
    closeMessages();
    EXPECT_EQ(mouse().memory(VirtualMouseFirmware::kStoredRate, 1).at(0), 0) << "1000 Hz stored";
    EXPECT_FALSE(mouse().state().logoLight);
    EXPECT_EQ(stored().poRate, 2u) << "the library claims what the mouse stores";
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().poRate, 2u) << "so do the files";
    EXPECT_EQ(stored().islightOnArr[0], 0u) << "the lights it took";
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().islightOnArr[0], 0u);
}

// The window's last block write is still on its way when the program ends: its outcome runs
// before the program leaves, so a block the mouse did not take does not stay claimed in the
// files.
TEST_F(SettingsViewsTest, AtTheEndARefusedLastWriteIsPutBackInTheFiles) {
    store([](_Kx_PROFILE& p) { p.poRate = 2; }); // 1000 Hz
    {
        HeldWorker worker;
        {
            Performance opened;
            opened.view->rateSetp()->items()[0]->click(); // 125 Hz, live: write 1
            opened.view->okBtn()->click();                // the block: from write 2
        }
        ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Stall, FeatureFault::On::Write, 2}));
    }
    // What the program does once its event loop has ended; no event loop runs here.
    ASSERT_TRUE(KxAction::waitForTransfers(10000));
    ASSERT_EQ(ProfieController().profileArr()[0]->profileData().poRate, 0u) << "claimed at OK";
    ASSERT_TRUE(KxAction::finishTransfersAtExit(10000));
    EXPECT_EQ(ProfieController().profileArr()[0]->profileData().poRate, 2u)
        << "the files hold what the mouse stores";
    EXPECT_EQ(mouse().memory(VirtualMouseFirmware::kStoredRate, 1).at(0), 0) << "1000 Hz stored";
}

// A mouse pulled out fails its writes as well; the window starts again for it, unasked.
TEST_F(SettingsViewsTest, AWriteLostToAnUnplugIsNotToldAsAFault) {
    Performance opened;
    ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Write, 1}));
    pressKey(opened.view->dpiLevelPro(), Qt::Key_Right);
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
        Performance opened;
        opened.view->rateSetp()->items()[0]->click();
        opened.view->applyBtn()->click();
        opened.view->okBtn()->click();
    }
    {
        Lighting opened;
        opened.view->logoLightBtn()->click();
        opened.view->okBtn()->click();
    }
    settle();
    EXPECT_GT(syncs.load(), 0);
    EXPECT_EQ(syncsOnTheWindowsThread.load(), 0);
    ProfieController reloaded;
    EXPECT_EQ(reloaded.profileArr()[0]->profileData().poRate, 0u) << "saved to disk";

    library->setSaveHookForTesting([](ProfieController::SaveStep step) {
        return step == ProfieController::SaveStep::StagingCreated
                   ? ProfieController::SaveHookReply::Stop
                   : ProfieController::SaveHookReply::Continue;
    });
    {
        Lighting opened;
        opened.view->logoLightBtn()->click();
        opened.view->okBtn()->click();
    }
    settle();
    EXPECT_EQ(
        messagesShown(),
        QStringList(
            QStringLiteral("The profiles could not be saved in %1.").arg(library->sysProPath())));
    closeMessages();
    library->setSaveHookForTesting({});
    library->setFolderSyncHookForTesting({});
}

// What the mouse's stored block holds, in a profile's terms.
struct Held {
    uint32_t stage = 0;
    bool logo = false;
    bool wheel = false;
    std::array<uint32_t, 4> dpi{};
    uint32_t rate = 0;
};
Held heldIn(const _Kx_PROFILE& p) {
    Held held{p.currSelectDPI, p.islightOnArr[0] != 0, p.islightOnArr[1] != 0, {}, p.poRate};
    std::copy(std::begin(p.xSensArr), std::end(p.xSensArr), held.dpi.begin());
    return held;
}
Held heldBy(const VirtualMouseFirmware& mouse) {
    const auto byte = [&](uint16_t address) { return uint8_t(mouse.memory(address, 1).at(0)); };
    const uint8_t flags = byte(VirtualMouseFirmware::kStoredFlags);
    Held held{flags & 0x0Fu,
              (flags & 0x20) != 0,
              (flags & 0x10) != 0,
              {},
              2u - byte(VirtualMouseFirmware::kStoredRate)};
    for (uint16_t stage = 0; stage < 4; ++stage)
        held.dpi[stage] = byte(uint16_t(VirtualMouseFirmware::kStoredDpi + stage));
    return held;
}
// Each setting of `claim` is what the mouse held before or what it holds now.
testing::AssertionResult backedByTheMouse(const Held& claim, const Held& before, const Held& now) {
    const auto either = [](auto c, auto b, auto n) { return c == b || c == n; };
    bool ok =
        either(claim.stage, before.stage, now.stage) && either(claim.logo, before.logo, now.logo) &&
        either(claim.wheel, before.wheel, now.wheel) && either(claim.rate, before.rate, now.rate);
    for (size_t stage = 0; stage < 4; ++stage)
        ok = ok && either(claim.dpi[stage], before.dpi[stage], now.dpi[stage]);
    if (ok)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "claims stage " << claim.stage << " rate " << claim.rate << " lights " << claim.logo
           << claim.wheel << " stage 4 DPI " << claim.dpi[3] << "; the mouse held stage "
           << before.stage << " rate " << before.rate << " lights " << before.logo << before.wheel
           << " stage 4 DPI " << before.dpi[3] << ", now stage " << now.stage << " rate "
           << now.rate << " lights " << now.logo << now.wheel << " stage 4 DPI " << now.dpi[3];
}

// The mouse goes away at each request of the block that the performance view's OK or the
// lighting view's OK writes. Of every setting, the library and the files then claim what the
// mouse held before or what it holds now, never an edit it did not take; with the mouse back, a
// read puts what it holds everywhere.
TEST_F(SettingsViewsTest, AnUnplugAtEveryRequestOfAnOkLeavesNoClaimTheMouseDoesNotBackUp) {
    // Both views' edits, live writes included, made before the fault is armed; then their OK.
    const auto performance = [](const std::function<void()>& beforeOk) {
        Performance opened;
        PerformanceView& v = *opened.view;
        pressKey(v.dpiLevelPro(), Qt::Key_End); // stage 4
        pressKey(v.dpiPro(), Qt::Key_End);      // 3500 DPI
        v.rateSetp()->items()[1]->click();      // 500 Hz
        beforeOk();
        v.okBtn()->click();
    };
    const auto lighting = [](const std::function<void()>& beforeOk) {
        Lighting opened;
        LightOptionView& v = *opened.view;
        v.logoLightTagBtn()->click();
        v.lightOnOffSetp()->items()[1]->click();
        beforeOk();
        v.okBtn()->click();
    };
    for (const auto& [name, ok] : {std::pair{"performance", std::function(performance)},
                                   std::pair{"lighting", std::function(lighting)}}) {
        const auto reset = [this] {
            settle();
            bus->clearFault();
            if (!KxAction::checkListenDev())
                bus->plug();
            ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
            store([](_Kx_PROFILE& p) {
                p.currSelectDPI = 0;
                p.poRate = 0;
                p.islightOnArr[0] = p.islightOnArr[1] = 1;
                std::fill(std::begin(p.xSensArr), std::end(p.xSensArr), 16u);
                std::fill(std::begin(p.ySensArr), std::end(p.ySensArr), 16u);
            });
            library->applySettingToAll();
            ASSERT_TRUE(library->saveToSys());
        };
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
            for (const auto& profile : library->profileArr())
                EXPECT_TRUE(backedByTheMouse(heldIn(profile->profileData()), before, now))
                    << "in the library";
            EXPECT_TRUE(backedByTheMouse(heldIn(selProfile), before, now)) << "in the edits";
            {
                ProfieController disk;
                for (const auto& profile : disk.profileArr())
                    EXPECT_TRUE(backedByTheMouse(heldIn(profile->profileData()), before, now))
                        << "on disk";
            }
            EXPECT_TRUE(messagesShown().isEmpty()) << "an unplug is no fault of the write";

            bus->plug();
            ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
            ASSERT_TRUE(KxAction::readAllFWData());
            settle();
            for (const auto& profile : library->profileArr())
                EXPECT_TRUE(backedByTheMouse(heldIn(profile->profileData()), now, now));
            ProfieController disk;
            for (const auto& profile : disk.profileArr())
                EXPECT_TRUE(backedByTheMouse(heldIn(profile->profileData()), now, now))
                    << "on disk after the read";
        }
        ASSERT_TRUE(backedByTheMouse(heldIn(library->currProfile()->profileData()), wanted, wanted))
            << "the last run's OK, unfaulted, reached the mouse and the library";
    }
}

TEST_F(SettingsViewsTest, OkWritesTheStagesDpiAndTheRateAndKeepsThemInEveryProfile) {
    Performance opened;
    PerformanceView& v = *opened.view;
    pressKey(v.dpiLevelPro(), Qt::Key_End); // stage 4
    pressKey(v.dpiPro(), Qt::Key_End);      // 3500 DPI
    v.rateSetp()->items()[1]->click();      // 500 Hz
    EXPECT_EQ(mouse().state().rateHz(), 500) << "the rate goes to the mouse at once";
    EXPECT_NE(storedDpi(3), 35);

    // Enter with a DPI typed and not yet taken: the typed value is kept, then OK.
    v.dpiTxt()->setFocus();
    v.dpiTxt()->selectAll();
    QTest::keyClicks(v.dpiTxt(), "3000");
    QTest::keyClick(v.dpiTxt(), Qt::Key_Return);
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(storedDpi(3), 30);
    EXPECT_EQ(mouse().state().stage, 3);
    EXPECT_EQ(mouse().state().rateCode, 1);
    for (const auto& profile : library->profileArr()) {
        EXPECT_EQ(profile->profileData().xSensArr[3], 30u);
        EXPECT_EQ(profile->profileData().poRate, 1u);
    }
    ProfieController reloaded;
    reloaded.setCurrFWProfileIndex(0);
    ASSERT_TRUE(reloaded.currProfile());
    EXPECT_EQ(reloaded.currProfile()->profileData().xSensArr[3], 30u) << "saved to disk";
}

TEST_F(SettingsViewsTest, ResetRestoresStagesRateAndSpeedsAtOnceButNotTheDisplaySwitch) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 3;
        std::fill(std::begin(p.xSensArr), std::end(p.xSensArr), 33u);
        std::fill(std::begin(p.ySensArr), std::end(p.ySensArr), 33u);
        p.poRate = 0;
        p.acceler = p.srcSpeed = p.doubleSpeed = 2;
    });
    library->setIsOSD(true);
    const _Kx_PROFILE defaults = library->defaultProfile()->profileData();
    Performance opened;
    EXPECT_TRUE(opened.view->oneScreenBtn()->isChecked());
    opened.view->reDefBtn()->click();
    EXPECT_FALSE(opened.closed());
    for (int stage = 0; stage < 4; ++stage) {
        EXPECT_EQ(selProfile.xSensArr[stage], defaults.xSensArr[stage]);
        EXPECT_EQ(storedDpi(stage), int(defaults.xSensArr[stage]));
    }
    EXPECT_EQ(mouse().state().stage, int(defaults.currSelectDPI));
    EXPECT_EQ(mouse().state().rateCode, 2 - int(defaults.poRate));
    EXPECT_EQ(selProfile.acceler, defaults.acceler);
    EXPECT_EQ(opened.view->mouseSpeedPro()->value(), int(defaults.acceler));
    EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), int(defaults.acceler));
    EXPECT_TRUE(library->isOSD());
    EXPECT_TRUE(opened.view->oneScreenBtn()->isChecked());

    // Cancel after Reset: the mouse and the desktop go back to what is stored.
    opened.view->cancelBtn()->click();
    EXPECT_EQ(storedDpi(0), 33);
    EXPECT_EQ(mouse().state().rateCode, 2);
}

TEST_F(SettingsViewsTest, TheViewFollowsTheMouseButtonsAndIgnoresARateItDoesNotHave) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 0;
        p.poRate = 2;
    });
    Performance opened;
    PerformanceView& v = *opened.view;
    clearLog();
    v.dpiChangePro({{"value1", 2}, {"value2", 20}, {"value3", 20}});
    EXPECT_EQ(v.dpiLevelPro()->value(), 2);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(selProfile.xSensArr[2], 20u);
    EXPECT_EQ(v.dpiTxt()->text(), "2000");
    EXPECT_TRUE(requests().empty()) << "the mouse already runs on it";
    v.dpiChangePro({{"value1", 9}, {"value2", 200}, {"value3", 12}});
    EXPECT_EQ(selProfile.currSelectDPI, 3u) << "a stage is limited to 0..3";
    EXPECT_EQ(selProfile.ySensArr[3], 12u);
    EXPECT_NE(selProfile.xSensArr[3], 200u) << "a DPI the mouse cannot have is not taken";

    v.rateChangePro(0);
    EXPECT_EQ(v.rateSetp()->selectIndex(), 1);
    EXPECT_EQ(selProfile.poRate, 0u);
    clearLog();
    v.rateChangePro(3);
    v.rateChangePro(-1);
    EXPECT_EQ(v.rateSetp()->selectIndex(), 1);
    EXPECT_TRUE(requests().empty());
}

// The polling rates and the light switches are groups of exclusive choices: radio buttons to a
// screen reader, whose press is a click, so that one stays chosen and the mouse follows it.
TEST_F(SettingsViewsTest, RatesAndLightSwitchesPressedByAScreenReaderAreExclusiveAndReachTheMouse) {
    const auto press = pressAsScreenReader;
    const auto checked = checkedItems;
    store([](_Kx_PROFILE& p) { p.poRate = 2; });
    {
        Performance opened;
        PerformanceView& v = *opened.view;
        press(v.rateSetp()->items()[1]); // 500 Hz
        EXPECT_EQ(checked(v.rateSetp()), std::vector<int>{2});
        EXPECT_EQ(mouse().state().rateHz(), 500);
        press(v.rateSetp()->items()[0]);
        EXPECT_EQ(checked(v.rateSetp()), std::vector<int>{1});
        EXPECT_EQ(mouse().state().rateHz(), 125);
        v.cancelBtn()->click();
    }
    store([](_Kx_PROFILE& p) { p.islightOnArr[0] = p.islightOnArr[1] = 1; });
    Lighting opened;
    LightOptionView& v = *opened.view;
    press(v.midLightTagBtn());             // the wheel light
    press(v.lightOnOffSetp()->items()[1]); // off
    EXPECT_EQ(v.currSelectedBtn(), 2);
    EXPECT_EQ(checked(v.lightOnOffSetp()), std::vector<int>{2});
    EXPECT_EQ(selProfile.islightOnArr[1], 0u);
    EXPECT_EQ(selProfile.islightOnArr[0], 1u);
    EXPECT_FALSE(v.midLightBtn()->isChecked()) << "the wheel's box shows it off";
    v.cancelBtn()->click();
}

// A value set by assistive technology (or any code) is the user's: the view takes it as from a
// drag, writes the stage to the mouse once, and OK keeps it.
TEST_F(SettingsViewsTest, SlidersSetByAScreenReaderAreTakenAsTheUsersAndWrittenOnce) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 1;
        const uint32_t dpi[4] = {8, 16, 24, 32};
        std::copy(std::begin(dpi), std::end(dpi), p.xSensArr);
        std::copy(std::begin(dpi), std::end(dpi), p.ySensArr);
        p.acceler = p.srcSpeed = p.doubleSpeed = 5;
    });
    Performance opened;
    PerformanceView& v = *opened.view;
    clearLog();
    // In the user's units: DPI, and stages from 1.
    setByScreenReader(v.dpiPro(), 2000);
    EXPECT_EQ(v.dpiTxt()->text(), "2000");
    EXPECT_EQ(selProfile.xSensArr[1], 20u);
    EXPECT_EQ(selProfile.ySensArr[1], 20u);
    EXPECT_TRUE(requests().empty()) << "a stage's DPI waits for OK";

    setByScreenReader(v.dpiLevelPro(), 3);
    EXPECT_EQ(selProfile.currSelectDPI, 2u);
    EXPECT_EQ(v.dpiTxt()->text(), "2400") << "the stage's own DPI is shown";
    EXPECT_THAT(requests(), testing::ElementsAre(report("SET", {3, 0x00, 0xFF, 2, 2, 24})))
        << "the stage goes to the mouse once";
    setByScreenReader(v.dpiLevelPro(), 2);
    EXPECT_EQ(v.dpiTxt()->text(), "2000");

    setByScreenReader(v.mouseSpeedPro(), 9);
    setByScreenReader(v.scrSpeedPro(), 3);
    setByScreenReader(v.doubleSpeedPro(), 7);
    EXPECT_EQ(selProfile.acceler, 9u);
    EXPECT_EQ(selProfile.srcSpeed, 3u);
    EXPECT_EQ(selProfile.doubleSpeed, 7u);
    EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), 9)
        << "the desktop's speed changes at once";

    // The mouse's own DPI button moves the sliders too, and that writes nothing back.
    clearLog();
    v.dpiChangePro({{"value1", 3}, {"value2", 30}, {"value3", 30}});
    EXPECT_EQ(v.dpiLevelPro()->value(), 3);
    EXPECT_EQ(v.dpiPro()->value(), 30);
    EXPECT_TRUE(requests().empty());
    v.dpiChangePro({{"value1", 1}, {"value2", 20}, {"value3", 20}});

    v.okBtn()->click();
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(storedDpi(1), 20);
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
    ASSERT_EQ(storedDpi(1), 16);
    ASSERT_TRUE(KxAction::getAllFWData());
    for (const auto& profile : library->profileArr())
        for (int stage = 0; stage < 4; ++stage)
            EXPECT_EQ(profile->profileData().ySensArr[stage],
                      profile->profileData().xSensArr[stage]);
    Performance opened;
    EXPECT_EQ(opened.view->dpiTxt()->text(), "1600");
    EXPECT_EQ(opened.view->dpiPro()->value(), 16);
}

// Apply keeps what OK keeps: the settings in every profile and on disk, so that a later Cancel
// or another profile cannot bring the old values back.
TEST_F(SettingsViewsTest, ApplyKeepsTheSettingsInEveryProfileAndOnDiskAsOkDoes) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 2;
        p.poRate = 2;
        p.acceler = 5;
    });
    Performance opened;
    PerformanceView& v = *opened.view;
    pressKey(v.dpiPro(), Qt::Key_End); // 3500 DPI
    pressKey(v.mouseSpeedPro(), Qt::Key_Home);
    v.rateSetp()->items()[0]->click(); // 125 Hz
    v.applyBtn()->click();
    EXPECT_FALSE(opened.closed());
    EXPECT_EQ(storedDpi(2), 35);
    for (const auto& profile : library->profileArr()) {
        EXPECT_EQ(profile->profileData().xSensArr[2], 35u);
        EXPECT_EQ(profile->profileData().poRate, 0u);
        EXPECT_EQ(profile->profileData().acceler, 1u);
    }
    {
        ProfieController reloaded;
        for (const auto& profile : reloaded.profileArr()) {
            EXPECT_EQ(profile->profileData().xSensArr[2], 35u) << "saved to disk";
            EXPECT_EQ(profile->profileData().acceler, 1u) << "saved to disk";
        }
    }

    // Cancel after Apply keeps what was applied, on the mouse and on the desktop.
    v.cancelBtn()->click();
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(storedDpi(2), 35);
    EXPECT_EQ(selProfile.xSensArr[2], 35u);
    EXPECT_EQ(mouse().state().rateCode, 2);
    EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), 1);
}

// The main window ends a view's run from outside when the mouse goes away (HvModal::stopModal);
// that, hiding, closing or destroying the view's window drop the edits as Cancel does: the
// desktop's speeds, the stage and the lights go back to what is stored. Minimising ends nothing.
TEST_F(SettingsViewsTest, EveryEndOfAViewsRunButOkRunsItsCancel) {
    store([](_Kx_PROFILE& p) {
        p.currSelectDPI = 0;
        p.acceler = 5;
        p.islightOnArr[0] = p.islightOnArr[1] = 1;
    });
    const int speed = selMouseAction->getValueByType(HvMouseAction::kPointerSpeed);
    const std::pair<const char*, std::function<void(HvNoTitleWindow&)>> ends[] = {
        {"stopped from outside", [](HvNoTitleWindow& w) { HvModal::stopModal(&w, 0); }},
        {"hidden", [](HvNoTitleWindow& w) { w.hide(); }},
        {"closed", [](HvNoTitleWindow& w) { w.close(); }},
        {"destroyed", [](HvNoTitleWindow& w) { delete &w; }},
    };
    for (const auto& [how, end] : ends) {
        runModally<PerformanceView>([&, end = end](PerformanceView& v, HvNoTitleWindow& w) {
            pressKey(v.mouseSpeedPro(), Qt::Key_End);
            pressKey(v.dpiLevelPro(), Qt::Key_End);
            EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), 10);
            EXPECT_EQ(mouse().state().stage, 3);
            end(w);
        });
        EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), speed) << how;
        EXPECT_EQ(mouse().state().stage, 0) << how;
        EXPECT_EQ(selProfile.acceler, 5u) << how;
        EXPECT_EQ(selProfile.currSelectDPI, 0u) << how;

        runModally<LightOptionView>([&, end = end](LightOptionView& v, HvNoTitleWindow& w) {
            v.lightOnOffSetp()->items()[1]->click();
            EXPECT_FALSE(mouse().state().wheelLight);
            end(w);
        });
        EXPECT_TRUE(mouse().state().wheelLight) << how;
        EXPECT_EQ(selProfile.islightOnArr[1], 1u) << how;
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
    EXPECT_EQ(selMouseAction->getValueByType(HvMouseAction::kPointerSpeed), 10);
    EXPECT_EQ(stored().acceler, 10u);
}

TEST_F(SettingsViewsTest, DesktopSpeedsChangeAtOnceCancelRestoresThemOkKeepsThem) {
    if (!DesktopSchema::ready)
        GTEST_SKIP() << "glib-compile-schemas did not run";
    const double before = desktopPointerSpeed();
    {
        Performance opened;
        opened.view->mouseSpeedPro()->setFocus();
        pressKey(opened.view->mouseSpeedPro(), Qt::Key_End);
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), 1.0);
        pressKey(opened.view->mouseSpeedPro(), Qt::Key_Escape); // Escape is Cancel
        EXPECT_TRUE(opened.closed());
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), before);
    }
    {
        Performance opened;
        pressKey(opened.view->mouseSpeedPro(), Qt::Key_End);
        pressKey(opened.view->mouseSpeedPro(), Qt::Key_Home);
        opened.view->okBtn()->click();
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), -0.8);
        EXPECT_EQ(stored().acceler, 1u);
    }
    {
        // A window closed otherwise than by OK or Cancel drops its edits as Cancel does.
        Performance opened;
        pressKey(opened.view->mouseSpeedPro(), Qt::Key_End);
        pressKey(opened.view->dpiLevelPro(), Qt::Key_End);
        opened.window.close();
        EXPECT_DOUBLE_EQ(desktopPointerSpeed(), -0.8);
        EXPECT_EQ(mouse().state().stage, int(stored().currSelectDPI));
    }
}

// The display switch takes effect at the click, as the view's other controls do; Cancel (and
// any end but OK) puts it back as it was, Apply and OK keep it.
TEST_F(SettingsViewsTest, TheDisplaySwitchTakesEffectAtOnceCancelPutsItBackOkAndApplyKeepIt) {
    library->setIsOSD(true);
    {
        Performance opened;
        opened.view->oneScreenBtn()->click();
        EXPECT_FALSE(library->isOSD()) << "stored at the click";
        opened.view->cancelBtn()->click();
        EXPECT_TRUE(library->isOSD());
    }
    {
        Performance opened;
        EXPECT_TRUE(opened.view->oneScreenBtn()->isChecked());
        opened.view->oneScreenBtn()->click();
        opened.window.close();
        EXPECT_TRUE(library->isOSD()) << "closed otherwise: as Cancel";
    }
    {
        Performance opened;
        opened.view->oneScreenBtn()->click();
        opened.view->applyBtn()->click();
        opened.view->oneScreenBtn()->click();
        opened.view->cancelBtn()->click();
        EXPECT_FALSE(library->isOSD()) << "Cancel goes back to what Apply kept";
    }
    {
        Performance opened;
        EXPECT_FALSE(opened.view->oneScreenBtn()->isChecked());
        opened.view->oneScreenBtn()->click();
        opened.view->okBtn()->click();
        EXPECT_TRUE(library->isOSD());
    }
}

TEST_F(SettingsViewsTest, LightingOpensOnWhenEitherLightIsOnWithOnlyTheLitOneChecked) {
    store([](_Kx_PROFILE& p) {
        p.islightOnArr[0] = 1;
        p.islightOnArr[1] = 0;
    });
    Lighting opened;
    LightOptionView& v = *opened.view;
    EXPECT_EQ(v.currSelectedBtn(), 0);
    EXPECT_EQ(v.lightOnOffSetp()->selectIndex(), 1);
    EXPECT_TRUE(v.logoLightBtn()->isChecked());
    EXPECT_FALSE(v.midLightBtn()->isChecked());
    EXPECT_TRUE(requests().empty());

    // Picking the wheel while it is off shows "off" and writes nothing.
    v.midLightTagBtn()->click();
    EXPECT_EQ(v.currSelectedBtn(), 2);
    EXPECT_EQ(v.lightOnOffSetp()->selectIndex(), 2);
    EXPECT_TRUE(requests().empty());
    EXPECT_FALSE(v.hasSaved());

    // Switching it on sends only the wheel, at once.
    v.lightOnOffSetp()->items()[0]->click();
    EXPECT_TRUE(mouse().state().wheelLight);
    EXPECT_TRUE(v.midLightBtn()->isChecked());
    EXPECT_EQ(requests().size(), 1u);
}

// The view opens with a light choice checked, "both lights", as a radio group always has one;
// each light's box switches that light, at once, as On and Off do.
TEST_F(SettingsViewsTest, LightingOpensOnBothLightsAndEachBoxSwitchesItsLight) {
    store([](_Kx_PROFILE& p) { p.islightOnArr[0] = p.islightOnArr[1] = 1; });
    Lighting opened;
    LightOptionView& v = *opened.view;
    ASSERT_EQ(v.lightBtnSetp()->items().size(), 3u);
    EXPECT_EQ(v.lightBtnSetp()->selectIndex(), 3) << "both lights";
    EXPECT_EQ(v.currSelectedBtn(), 0);
    EXPECT_TRUE(requests().empty());

    QTest::mouseClick(v.logoLightBtn(), Qt::LeftButton);
    EXPECT_FALSE(v.logoLightBtn()->isChecked());
    EXPECT_FALSE(mouse().state().logoLight) << "written at once";
    EXPECT_TRUE(mouse().state().wheelLight);
    EXPECT_EQ(v.lightOnOffSetp()->selectIndex(), 1) << "one of both is still on";
    v.logoLightTagBtn()->click();
    EXPECT_EQ(v.lightOnOffSetp()->selectIndex(), 2) << "the logo light is off";
    QTest::keyClick(v.midLightBtn(), Qt::Key_Space);
    EXPECT_FALSE(mouse().state().wheelLight);
    v.lightBtnSetp()->items()[2]->click();
    EXPECT_EQ(v.currSelectedBtn(), 0);
    EXPECT_EQ(v.lightOnOffSetp()->selectIndex(), 2) << "both off";
    v.okBtn()->click();
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(stored().islightOnArr[0], 0u);
    EXPECT_EQ(stored().islightOnArr[1], 0u);
}

TEST_F(SettingsViewsTest, WithNoLightPickedOffSwitchesBothOnTheMouseAndInTheBoxes) {
    store([](_Kx_PROFILE& p) { p.islightOnArr[0] = p.islightOnArr[1] = 1; });
    Lighting opened;
    LightOptionView& v = *opened.view;
    v.lightOnOffSetp()->items()[1]->click();
    EXPECT_EQ(selProfile.islightOnArr[0], 0u);
    EXPECT_EQ(selProfile.islightOnArr[1], 0u);
    EXPECT_FALSE(mouse().state().logoLight);
    EXPECT_FALSE(mouse().state().wheelLight);
    EXPECT_FALSE(v.logoLightBtn()->isChecked());
    EXPECT_FALSE(v.midLightBtn()->isChecked());
    EXPECT_EQ(mouse().memory(7, 1).at(0) & 0x30, 0x30) << "not stored before OK";

    v.okBtn()->click();
    EXPECT_TRUE(opened.closed());
    EXPECT_EQ(mouse().memory(7, 1).at(0) & 0x30, 0) << "OK writes both lights";
    EXPECT_EQ(stored().islightOnArr[0], 0u);
    for (const auto& profile : library->profileArr())
        EXPECT_EQ(profile->profileData().islightOnArr[1], 0u);
}

TEST_F(SettingsViewsTest,
       CancelRestoresTheStoredLightsOnlyAfterASwitchApplySavesAndTwiceWritesOnce) {
    store([](_Kx_PROFILE& p) { p.islightOnArr[0] = p.islightOnArr[1] = 1; });
    // Stored on disk too, so that what Apply saves shows in the files.
    library->applySettingToAll();
    ProfileSaves::save();
    settle();
    {
        Lighting opened;
        opened.view->cancelBtn()->click();
        EXPECT_TRUE(opened.closed());
        EXPECT_TRUE(requests().empty()) << "Cancel without a switch writes nothing";
    }
    {
        Lighting opened;
        LightOptionView& v = *opened.view;
        v.logoLightTagBtn()->click();
        v.lightOnOffSetp()->items()[1]->click();
        EXPECT_FALSE(mouse().state().logoLight);
        QTest::keyClick(&v, Qt::Key_Escape);
        EXPECT_TRUE(opened.closed());
        EXPECT_TRUE(mouse().state().logoLight) << "Cancel restores the mouse";
        EXPECT_EQ(selProfile.islightOnArr[0], 1u);
    }
    {
        Lighting opened;
        LightOptionView& v = *opened.view;
        v.midLightTagBtn()->click();
        v.lightOnOffSetp()->items()[1]->click();
        clearLog();
        v.applyBtn()->click();
        const size_t afterFirst = requests().size();
        EXPECT_GT(afterFirst, 0u);
        EXPECT_EQ(mouse().memory(7, 1).at(0) & 0x10, 0) << "Apply stores the wheel off";
        v.applyBtn()->click();
        EXPECT_EQ(requests().size(), afterFirst) << "a second Apply writes nothing";
        settle();
        ProfieController reloaded;
        for (const auto& profile : reloaded.profileArr())
            EXPECT_EQ(profile->profileData().islightOnArr[1], 0u) << "Apply saves as OK does";

        // Cancel after Apply keeps what was applied.
        v.cancelBtn()->click();
        EXPECT_TRUE(opened.closed());
        EXPECT_EQ(selProfile.islightOnArr[1], 0u);
        EXPECT_EQ(mouse().memory(7, 1).at(0) & 0x10, 0);
    }
}

} // namespace
