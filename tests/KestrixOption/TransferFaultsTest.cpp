// The mouse goes away at every request of a transfer, one run per request: afterwards nothing on
// disk claims what the mouse does not hold, the window says what happened, and a new start with
// the mouse back shows the truth (and offers what a write did not finish).
#include "DeviceProtocolTest.h"
#include "FeatureFault.h"
#include "HvTextField.h"
#include "KxNames.h"
#include "KxWidgetGlobals.h"
#include "MainWindowUnderTest.h"
#include "PopUps.h"
#include "ProfileValue.h"
#include "Usb/UsbNotificationPort.h"

#include <QDir>

#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace {

using Buttons = std::array<_BTN_INFO, 5>;

class TransferFaultsTest : public DeviceProtocolTest, protected MainWindowUnderTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        KxAction::setPauseHookForTesting([](unsigned) {});
        // Opening the window starts listening anew, on a new bus: a fault meant for the
        // window's first read is armed on that bus as it is made, before any request.
        UsbNotificationPort::setBackendFactory([this] {
            auto backend = std::make_unique<FirmwareUsbBackend>(firmware, log);
            bus = backend.get();
            if (faultForNextBus) {
                EXPECT_TRUE(bus->armFault(*std::exchange(faultForNextBus, std::nullopt)));
            }
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::move(backend));
            return backends;
        });
    }
    void TearDown() override {
        closeMainWindow();
        DeviceProtocolTest::TearDown();
    }

    // Everything this test leaves behind goes: the mouse back to its factory state, the files.
    void freshStart() {
        closeMainWindow();
        bus->clearFault();
        bus->plug();
        ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
        ASSERT_TRUE(firmware->loadFlashImage(VirtualMouseFirmware::factoryImage(), nullptr));
        QDir(sysPath).removeRecursively();
        KxAction::getSysPath();
        KxAction::initMenuList();
        newProgram();
    }
    // A start of the program: a library of its own, nothing of the last run in memory.
    void newProgram() {
        closeMainWindow();
        isNeedSave = false;
        library = std::make_unique<ProfieController>();
        sysProCon = library.get();
    }
    void start(std::optional<FeatureFault> fault = {}) {
        faultForNextBus = fault;
        openMainWindow();
        ASSERT_FALSE(faultForNextBus) << "the window listens on a bus of its own";
        ASSERT_TRUE(idle());
    }
    std::optional<FeatureFault> faultForNextBus;
    int requestCount() const { return int(requests().size()); }
    Buttons onDisk() const {
        ProfieController disk;
        const _Kx_PROFILE data = disk.profileArr()[0]->profileData();
        Buttons out;
        std::copy(std::begin(data.btnInfo), std::end(data.btnInfo), out.begin());
        return out;
    }
    // What a whole read of the mouse's first profile gives.
    Buttons readFromMouse() {
        currSetProfile = {};
        currSetProfileID = 0;
        EXPECT_TRUE(KxAction::readBtnInfoFromDevice());
        Buttons out;
        std::copy(std::begin(currSetProfile.btnInfo), std::end(currSetProfile.btnInfo),
                  out.begin());
        return out;
    }
    static bool same(const _BTN_INFO& a, const _BTN_INFO& b) {
        return a.FuncID == b.FuncID && a.FuncTableId == b.FuncTableId &&
               std::equal(std::begin(a.KeyBit), std::end(a.KeyBit), std::begin(b.KeyBit)) &&
               (a.FuncID != 6 || a.MacroID == b.MacroID);
    }
    // The same but for the macro's id: a macro the library did not know joins it hidden, under
    // an id of the program that read it.
    static bool alike(const _BTN_INFO& a, const _BTN_INFO& b) {
        _BTN_INFO c = b;
        c.MacroID = a.MacroID;
        return same(a, c);
    }
    // Three buttons changed: two launchers (a record of one report each) and a long macro (seven).
    void edit() {
        view->selBtnSetp()->items()[1]->click();
        ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/true")));
        view->selBtnSetp()->items()[3]->click();
        ASSERT_TRUE(view->setLaunchPath(QStringLiteral("/usr/bin/false")));
        const auto macro = addMacro(40);
        ASSERT_TRUE(KxAction::saveMenuList());
        selProfile.btnInfo[4] = macroButton(*macro, 0, 0);
    }
};

TEST_F(TransferFaultsTest, AnUnplugAtEveryRequestOfAWholeReadLeavesTheFilesAsTheyWere) {
    // The mouse as another computer left it: three buttons unlike the files of a first start.
    freshStart();
    start();
    edit();
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    const QByteArray changed = firmware->flashImage();
    const Buttons held = readFromMouse();

    freshStart();
    start();
    ASSERT_TRUE(firmware->loadFlashImage(changed, nullptr));
    newProgram();
    log->clear();
    start();
    const int total = requestCount();
    ASSERT_GT(total, 50);
    ASSERT_TRUE(std::equal(held.begin(), held.end(), onDisk().begin(), alike));

    for (int at = 1; at <= total; ++at) {
        SCOPED_TRACE("unplugged at request " + std::to_string(at) + " of " + std::to_string(total));
        freshStart();
        start(); // the files of a first start
        const Buttons saved = onDisk();
        ASSERT_FALSE(std::equal(held.begin(), held.end(), saved.begin(), alike));
        const qsizetype macros = macroListArrs.size();
        ASSERT_TRUE(firmware->loadFlashImage(changed, nullptr));
        newProgram();
        auto popUps = std::make_unique<PopUps>();
        start(FeatureFault{FeatureFault::Kind::Unplug, FeatureFault::On::Any, at});
        const Buttons after = onDisk();
        const QStringList told = std::exchange(popUps, nullptr)->texts;
        if (told.filter("did not answer while it was being read").size() == 1) {
            // Cut short: nothing of the read is kept.
            for (int b = 0; b < 5; ++b)
                EXPECT_TRUE(same(after[size_t(b)], saved[size_t(b)])) << "button " << b + 1;
            EXPECT_EQ(macroListArrs.size(), macros) << "no half-read macro joins the library";
        } else {
            // Only the last requests, which ask for the profile the mouse is on, come after the
            // read was stored whole; the removal is then the daemon's to tell.
            EXPECT_GE(at, total - 1) << qPrintable(told.join('|'));
            EXPECT_TRUE(std::equal(held.begin(), held.end(), after.begin(), alike));
        }

        // Back: a new start reads it whole, and says nothing.
        newProgram();
        bus->plug();
        ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
        PopUps quiet;
        start();
        EXPECT_TRUE(quiet.texts.isEmpty()) << qPrintable(quiet.texts.join('|'));
        EXPECT_TRUE(std::equal(held.begin(), held.end(), onDisk().begin(), alike));
    }
}

TEST_F(TransferFaultsTest, AnUnplugAtEveryRequestOfAnApplyIsToldAndTheNextStartOffersTheRest) {
    freshStart();
    start();
    edit();
    log->clear();
    view->control(MainView::kApplyTag)->click();
    ASSERT_TRUE(idle());
    const int total = requestCount();
    ASSERT_GE(total, 12);
    const Buttons wanted = readFromMouse();

    for (int at = 1; at <= total; ++at) {
        SCOPED_TRACE("unplugged at request " + std::to_string(at) + " of " + std::to_string(total));
        freshStart();
        start();
        const Buttons before = readFromMouse();
        edit();
        QString outcome;
        {
            PopUps popUps; // answers only while it lives
            ASSERT_TRUE(bus->armFault({FeatureFault::Kind::Unplug, FeatureFault::On::Any, at}));
            view->control(MainView::kApplyTag)->click();
            ASSERT_TRUE(idle());
            ASSERT_EQ(popUps.texts.size(), 1) << qPrintable(popUps.texts.join('|'));
            outcome = popUps.texts.first();
            EXPECT_TRUE(outcome.contains("did not reach the mouse") ||
                        outcome.contains("may not have reached the mouse"))
                << qPrintable(outcome);
            EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());
        }

        // The file claims, for every button, what the mouse held before or the new record: a
        // record cut between its reports (the mouse keeps what arrived) stays the old one on
        // disk, and so may one the mouse took whole just before it went, unconfirmed; their
        // edits wait in the journal. The next read puts the truth on disk.
        bus->plug();
        ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
        const Buttons held = readFromMouse();
        const Buttons saved = onDisk();
        // What was told is true: a changed button it does not name is on the mouse, one it says
        // did not reach the mouse is not.
        const QStringList sentences = outcome.split(QStringLiteral(". "));
        for (int b = 0; b < 5; ++b) {
            if (same(wanted[size_t(b)], before[size_t(b)]))
                continue;
            const QString title = KxNames::buttonTitle(b);
            if (!outcome.contains(title)) {
                EXPECT_TRUE(same(held[size_t(b)], wanted[size_t(b)]))
                    << "button " << b + 1 << " not named: " << qPrintable(outcome);
            }
            for (const QString& sentence : sentences) {
                if (sentence.contains(title) && sentence.contains("did not reach")) {
                    EXPECT_FALSE(same(held[size_t(b)], wanted[size_t(b)]))
                        << "button " << b + 1 << " told as not reached: " << qPrintable(outcome);
                }
            }
        }
        for (int b = 0; b < 5; ++b) {
            const bool whole = same(held[size_t(b)], wanted[size_t(b)]) ||
                               same(held[size_t(b)], before[size_t(b)]);
            if (whole)
                EXPECT_TRUE(same(saved[size_t(b)], before[size_t(b)]) ||
                            same(saved[size_t(b)], held[size_t(b)]))
                    << "button " << b + 1;
            else
                EXPECT_TRUE(same(saved[size_t(b)], before[size_t(b)])) << "button " << b + 1;
        }

        // A new start shows the mouse as it is and offers the changes it lacks.
        newProgram();
        PopUps told;
        start();
        EXPECT_TRUE(std::equal(held.begin(), held.end(), onDisk().begin(), same))
            << "the files hold what the mouse holds";
        const bool allTaken = std::equal(held.begin(), held.end(), wanted.begin(), same);
        if (!allTaken) {
            EXPECT_EQ(told.texts.filter("did not reach the mouse").size(), 1)
                << qPrintable(told.texts.join('|'));
            EXPECT_TRUE(view->control(MainView::kApplyTag)->isEnabled());
            view->control(MainView::kApplyTag)->click();
            ASSERT_TRUE(idle());
        }
        const Buttons now = readFromMouse();
        for (int b = 0; b < 5; ++b)
            EXPECT_TRUE(same(now[size_t(b)], wanted[size_t(b)])) << "button " << b + 1;
    }
}

} // namespace
