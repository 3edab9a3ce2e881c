#include "DealwithMessage.h"
#include "CapturedLog.h"
#include "EventLoopWait.h"
#include "FirmwareTest.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxMessages.h"
#include "KxMouseLock.h"
#include "KxProtocol.h"
#include "MarkerProgram.h"
#include "NotificationServer.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Preferences/UserPreferences.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "ShowMsgView.h"
#include "Widgets/HvNoTitleWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {
using namespace KxMessages;
using namespace KxProtocol;
using Key = VirtualMouseFirmware::Key;
constexpr const char* kAppId = DealwithMessage::kApplicationId;

// The configuration window's desktop entry must exist before GIO first looks.
class DaemonHome : public PrivateHome {
public:
    void prepare() override {
        const QString window = writeMarkerProgram("KxOption");
        QDir().mkpath(dir("data") + "/applications");
        QFile entry(dir("data") + "/applications/" + kAppId + ".desktop");
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=KxOption\nExec=%1\n")
                        .arg(window)
                        .toUtf8());
    }
};
const auto* const kHome = testing::AddGlobalTestEnvironment(new DaemonHome);

QString window() {
    return PrivateHome::dir("home") + "/KxOption";
}

// A status posted to the window: its type and value1, value2, ...
QVariantMap status(int type, std::initializer_list<int> values) {
    QVariantMap map{{QStringLiteral("type"), type}};
    for (const int value : values)
        map.insert(QStringLiteral("value%1").arg(map.size()), value);
    return map;
}

// The daemon's handler with the emulated mouse in this process, and the statuses it posts.
class DealwithMessageTest : public FirmwareTest {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        FirmwareTest::SetUp();
        observer = DistributedNotificationCenter::defaultCenter().addObserver(
            QLatin1String(kDevStatus),
            [this](const Notification& n) { statuses.push_back(*n.userInfo); });
        handler = std::make_unique<DealwithMessage>();
        testing::internal::CaptureStdout();
        handler->andDevPro(); // the mouse is there: the requester finds it
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(KxTest::waitFor([&] { return !statuses.empty(); }));
        statuses.clear();
        log->clear();
    }
    void TearDown() override {
        handler.reset();
        DistributedNotificationCenter::defaultCenter().removeObserver(observer);
        windowEnds();
        FirmwareTest::TearDown();
    }

    // A report of the mouse's buttons, and the live read it starts done and told here.
    void report(uint8_t kind, uint8_t code = 0, uint8_t id = kReportIdButtons) {
        const uint8_t bytes[kInputReportBytes] = {id, kind, 0, code};
        handler->dealWithMsg(bytes);
        ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
        QCoreApplication::processEvents();
    }
    void press(Key key) {
        ASSERT_TRUE(firmware->press(key).has_value());
        report(uint8_t(key));
    }
    void pretendWindowRuns() {
        ownsAppName = QDBusConnection::sessionBus().registerService(kAppId);
        ASSERT_TRUE(ownsAppName);
    }
    void windowEnds() {
        if (std::exchange(ownsAppName, false))
            QDBusConnection::sessionBus().unregisterService(kAppId);
    }
    // The status notifications posted so far, after the bus had time to bring them back.
    std::vector<QVariantMap> postedStatuses(size_t expected) {
        KxTest::waitFor([&] { return statuses.size() >= expected; }, 2000);
        KxTest::spin(50);
        return statuses;
    }
    ShowMsgView* view() const {
        return handler->showMsgFrm()
                   ? static_cast<ShowMsgView*>(handler->showMsgFrm()->contentView())
                   : nullptr;
    }
    bool shown() const { return handler->showMsgFrm() && handler->showMsgFrm()->isVisible(); }
    QImage picture(const QString& tag) const { return view()->imageArr().value(tag); }
    void settingChange(int code, std::optional<QVariantMap> userInfo = std::nullopt) {
        handler->apReportPro({QLatin1String(kSettingChange), QString::number(code), userInfo});
    }

    const VirtualMouseFirmware::State& mouse = firmware->state();
    std::unique_ptr<DealwithMessage> handler;
    DistributedNotificationCenter::Token observer = 0;
    std::vector<QVariantMap> statuses;
    bool ownsAppName = false;
};

TEST_F(DealwithMessageTest, DpiAndRateButtonsShowAndReportTheMouseState) {
    press(Key::Dpi);
    ASSERT_TRUE(shown());
    EXPECT_EQ(view()->dpiText(), QString::number(mouse.dpi * 100));
    const QVariantMap firstDpi = status(kStatusDpi, {mouse.stage, mouse.dpi, mouse.dpi});
    press(Key::Rate);
    const int rateIndex = kRates - 1 - mouse.rateCode;
    EXPECT_EQ(view()->showImage(), picture(QStringLiteral("rate%1").arg(rateIndex)));

    // With the display off nothing is shown, but the window is still told.
    handler->setIsOsd(false);
    handler->showMsgFrm()->close();
    press(Key::Dpi);
    EXPECT_FALSE(shown());
    EXPECT_EQ(postedStatuses(3),
              (std::vector{firstDpi, status(kStatusRate, {rateIndex}),
                           status(kStatusDpi, {mouse.stage, mouse.dpi, mouse.dpi})}));
}

TEST_F(DealwithMessageTest, ProfileButtonGoesToTheRunningWindowOrToTheDisplay) {
    // The window is closed: the display shows the profile the mouse reports, each of P1..P5.
    for (int press = 0; press < kProfiles; ++press) {
        this->press(Key::Profile);
        ASSERT_TRUE(shown());
        EXPECT_EQ(view()->showImage(), picture(QStringLiteral("P%1").arg(mouse.profile)));
    }
    handler->showMsgFrm()->close();
    pretendWindowRuns();
    press(Key::Profile);
    EXPECT_FALSE(shown()) << "the window follows and asks itself";
    EXPECT_EQ(postedStatuses(1),
              (std::vector{QVariantMap{{"type", kStatusProfile}, {"value", mouse.profile - 1}}}))
        << "nothing is posted while the window is closed";
}

TEST_F(DealwithMessageTest, LockShowsLockOrUnlock) {
    press(Key::Lock);
    ASSERT_TRUE(shown());
    EXPECT_EQ(view()->showImage(), picture("lock"));
    press(Key::Lock);
    EXPECT_EQ(view()->showImage(), picture("unlock"));
}

// Launch codes start the program bound to their slot only, the first and the last slot included;
// other reports do nothing.
TEST_F(DealwithMessageTest, LaunchReportsStartTheProgramBoundToTheirSlotOnly) {
    const QString first = writeMarkerProgram("first-slot-app");
    const QString middle = writeMarkerProgram("middle-slot-app");
    const QString last = writeMarkerProgram("last-slot-app");
    const uint8_t profile3 = kFirstLaunchCode + 2 * kButtons, middleCode = profile3 + 3;
    {
        auto settings = UserPreferences::open();
        settings->setValue(KxAction::launchPathKey(kFirstLaunchCode), first);
        settings->setValue(KxAction::launchPathKey(middleCode), middle); // profile 3, button 4
        settings->setValue(KxAction::launchPathKey(kLastLaunchCode), last);
        settings->setValue(KxAction::launchPathKey(profile3), PrivateHome::dir("home") + "/gone");
        settings->setValue(KxAction::launchPathKey(profile3 + 1), QString());
    }
    // A pointer report, an unlisted kind, a launch report without a slot code or outside the
    // slots, a path that no longer exists, an empty path: nothing is read, shown, told or started.
    report(kKindDpi, 0, 1);
    report(3);
    for (const int code :
         {0, kFirstLaunchCode - 1, kLastLaunchCode + 1, profile3 + 0, profile3 + 1})
        report(kKindLaunch, uint8_t(code));
    KxTest::spin(200);
    EXPECT_TRUE(log->empty()) << "nothing is read from the mouse";
    EXPECT_FALSE(shown());
    EXPECT_TRUE(postedStatuses(0).empty());
    EXPECT_FALSE(started(first) || started(middle) || started(last));

    report(kKindLaunch, kFirstLaunchCode);
    report(kKindLaunch, kLastLaunchCode);
    EXPECT_TRUE(KxTest::waitFor([&] { return started(first) && started(last); }));
    EXPECT_FALSE(started(middle)) << "only the code's own slot";
    report(kKindLaunch, middleCode);
    EXPECT_TRUE(KxTest::waitFor([&] { return started(middle); }));
}

// What the window asks the display to show is drawn within what the mouse can have: stages
// 1..4, 100..5700 DPI, profiles 1..5, whatever the values say; no value overflows.
TEST_F(DealwithMessageTest, DisplayMessagesFromTheWindowAreDrawnWithinWhatTheMouseCanHave) {
    struct Case {
        std::vector<int> values; // value1, value2, ...
        QString picture;         // the table's, or the DPI stage's with dpi drawn on it
        QString dpi = {};
    };
    const Case cases[] = {
        {{kShowDpi, 1, 57, 32}, "dpi1", "5700"}, // X and Y differ: X is shown
        {{kShowDpi, INT_MAX, INT_MAX}, "dpi3", "5700"},
        {{kShowDpi, INT_MIN, -9}, "dpi0", "100"},
        {{kShowMode, 0}, {}}, // mode pictures do not exist: shown empty
        {{kShowProfile, 2}, "P3"},
        {{kShowProfile, INT_MAX}, "P5"},
        {{kShowProfile, INT_MIN}, "P1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture.toStdString());
        QVariantMap values;
        for (const int value : c.values)
            values.insert(QStringLiteral("value%1").arg(values.size() + 1), value);
        settingChange(kShowChange, values);
        ASSERT_TRUE(shown());
        const auto attributes = ShowMsgView::getStrAtt(Qt::white, ShowMsgView::kDpiFontSize);
        EXPECT_EQ(view()->showImage(),
                  c.dpi.isEmpty()
                      ? picture(c.picture)
                      : ShowMsgView::composeDpiImage(picture(c.picture), attributes, c.dpi));
        EXPECT_EQ(view()->showImage().isNull(), c.picture.isEmpty());
        if (!c.dpi.isEmpty()) {
            EXPECT_EQ(view()->dpiText(), c.dpi);
        }
    }

    // Switched off: no window shows; switched on again: it does.
    handler->showMsgFrm()->close();
    settingChange(kDisplaySwitch, QVariantMap{{"value1", false}});
    settingChange(kShowChange, QVariantMap{{"value1", kShowProfile}, {"value2", 3}});
    EXPECT_FALSE(shown());
    settingChange(kDisplaySwitch, QVariantMap{{"value1", true}});
    settingChange(kShowChange, QVariantMap{{"value1", kShowProfile}, {"value2", 3}});
    EXPECT_TRUE(shown());
    EXPECT_EQ(view()->showImage(), picture("P4"));
}

// Where windows cannot be kept from the keyboard (Wayland), every change the display shows goes
// to the desktop's notifications with the same words, and no window is made.
TEST_F(DealwithMessageTest, OnWaylandTheDisplayIsANotificationAndNoWindow) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    handler->setDisplaysAsNotifications(true);
    const auto& notified = server.notified();
    const auto notifiedCount = [&](size_t count) {
        return KxTest::waitFor([&] { return notified.size() >= count; });
    };
    press(Key::Dpi);
    ASSERT_TRUE(notifiedCount(1));
    EXPECT_EQ(notified[0].summary, QStringLiteral("%1 DPI").arg(mouse.dpi * 100));
    EXPECT_EQ(notified[0].body, QStringLiteral("Stage %1 of 4").arg(mouse.stage + 1));
    EXPECT_FALSE(notified[0].hints.contains("image-data")) << "the words, not a picture";
    EXPECT_EQ(notified[0].expireTimeout, ShowMsgView::kDisplayTicks * ShowMsgView::kTickIntervalMs);

    press(Key::Lock);
    ASSERT_TRUE(notifiedCount(2));
    EXPECT_EQ(notified[1].summary, mouse.locked ? "Locked" : "Unlocked");
    settingChange(kShowChange, QVariantMap{{"value1", kShowRate}, {"value2", 1}});
    ASSERT_TRUE(notifiedCount(3));
    EXPECT_EQ(notified[2].summary, "500 Hz");
    settingChange(kShowChange, QVariantMap{{"value1", kShowProfile}, {"value2", 1}});
    ASSERT_TRUE(notifiedCount(4));
    EXPECT_EQ(notified[3].summary, "Profile 2");
    EXPECT_EQ(notified[3].replacesId, notified[2].replacesId);
    EXPECT_NE(notified[3].replacesId, 0u);
    // A display without picture withdraws the notification.
    settingChange(kShowChange, QVariantMap{{"value1", kShowMode}, {"value2", 0}});
    EXPECT_TRUE(KxTest::waitFor([&] { return !server.closed().empty(); }));

    EXPECT_EQ(handler->showMsgFrm(), nullptr);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(
        std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }));
    const auto posted = postedStatuses(1);
    ASSERT_FALSE(posted.empty()) << "the window is still told";
    EXPECT_EQ(posted[0].value("type").toInt(), kStatusDpi);
}

TEST_F(DealwithMessageTest, DisplayOffFromTheStartMakesNoWindow) {
    UserPreferences::open()->setValue(QStringLiteral("OSDTag"), false);
    handler = std::make_unique<DealwithMessage>();
    settingChange(kShowChange, QVariantMap{{"value1", kShowRate}, {"value2", 1}});
    press(Key::Dpi);
    EXPECT_EQ(handler->showMsgFrm(), nullptr);
    UserPreferences::open()->remove(QStringLiteral("OSDTag"));
}

TEST_F(DealwithMessageTest, MalformedMessagesReadAsZeroAndNeverCrash) {
    const QVariant junk[] = {QVariant(), QStringLiteral("abc"), QVariantList{1, 2}, QVariant(3.7),
                             QVariantMap{{"x", 1}}};
    for (const QVariant& object : junk) {
        handler->apReportPro({QLatin1String(kSettingChange), object, std::nullopt});
        for (const QVariant& value : junk)
            settingChange(kShowChange, QVariantMap{{"value1", value}, {"value2", value}});
    }
    settingChange(kShowChange);
    ASSERT_NE(view(), nullptr) << "111 with unreadable values is kind 0: an empty display";
    EXPECT_TRUE(view()->showImage().isNull());

    // A signal of the wrong shape on the bus reaches the handler as no object and no values.
    QDBusMessage bad = QDBusMessage::createSignal(DistributedNotificationCenter::kPath,
                                                  DistributedNotificationCenter::kInterface,
                                                  QLatin1String(kSettingChange));
    bad << kRelaunch << QStringLiteral("value1");
    EXPECT_TRUE(QDBusConnection::sessionBus().send(bad));
    KxTest::spin(100);
}

TEST_F(DealwithMessageTest, SavedSettingsReloadTheProfilesEvenWithoutMouse) {
    ProfieController* library = ProfieController::getShareProCon();
    auto acceleration = [](const ProfieController& profiles) {
        return profiles.profileArr()[2]->profileData().acceler;
    };
    // The window changes a profile and saves the set; the daemon only hears that it saved.
    const uint32_t changed = acceleration(*library) + 7;
    {
        ProfieController window;
        _Kx_PROFILE data = window.profileArr()[2]->profileData();
        data.acceler = changed;
        window.profileArr()[2]->setProfileData(data);
        window.saveToSys();
    }
    handler->removeDevPro();
    settingChange(kSettingsSaved);
    EXPECT_TRUE(KxTest::waitFor([&] { return acceleration(*library) == changed; }));
}

// The window that asks for its relaunch still owns its name while it ends (it waits up to 10 s for
// a transfer still running): the new one is started as soon as the name is gone, not skipped.
TEST_F(DealwithMessageTest, ARelaunchWaitsForTheOldWindowToEndThenStartsOneWindow) {
    const int before = startCount(window());
    pretendWindowRuns();
    for (int i = 0; i < 5; ++i)
        settingChange(kRelaunch);
    KxTest::spin(1500);
    EXPECT_EQ(startCount(window()), before) << "not while the old window runs";

    windowEnds();
    EXPECT_TRUE(KxTest::waitFor([&] { return startCount(window()) == before + 1; }, 2000));
    KxTest::spin(800);
    EXPECT_EQ(startCount(window()), before + 1) << "one window for the burst";
}

// The wait is bounded: a window that does not end is not waited for for ever, and that is
// logged; a later request is served again.
TEST_F(DealwithMessageTest, ARelaunchGivesUpOnAWindowThatDoesNotEnd) {
    const CapturedLog warnings(CapturedLog::kWarnings);
    const int before = startCount(window());
    handler->setOldWindowWaitMs(400);
    pretendWindowRuns();
    settingChange(kRelaunch);
    const bool gaveUp = KxTest::waitFor(
        [&] { return !warnings.filter(QStringLiteral("still runs after 0.4 s")).isEmpty(); }, 3000);
    ASSERT_TRUE(gaveUp) << warnings.text();

    windowEnds();
    KxTest::spin(400);
    EXPECT_EQ(startCount(window()), before) << "given up";
    settingChange(kRelaunch);
    EXPECT_TRUE(KxTest::waitFor([&] { return startCount(window()) == before + 1; }));
}

// A read that did not reach the mouse, or a value the mouse cannot have, is no news: nothing is
// shown, nothing posted (a failed read used to show "0" and stage 1, or 1000 Hz).
TEST_F(DealwithMessageTest, FailedOrImpossibleLiveReadsShowAndPostNothing) {
    bus->unplug(); // the cable is pulled between the button's report and the read
    for (const uint8_t kind : {kKindDpi, kKindRate, kKindProfile, kKindLock})
        report(kind);
    EXPECT_FALSE(shown());

    bus->plug();
    ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
    // The next stage's stored DPI is 0: the mouse would run it at a value it cannot have.
    const uint8_t zero = 0;
    KxAction::sendWriteReport(uint16_t(kAddrStageDpi + (mouse.stage + 1) % kStages), &zero, 1);
    press(Key::Dpi);
    ASSERT_EQ(mouse.dpi, 0);
    EXPECT_FALSE(shown());
    EXPECT_TRUE(postedStatuses(0).empty());
}

// While another program holds the turn at the mouse, the daemon's loop runs on and its reads
// wait: a burst of presses is shown and told as where the mouse ended, never a stage it had left
// (each press used to read at once, out of turn). A read that waited past the display's bound is
// told to the window but not shown late.
TEST_F(DealwithMessageTest, PressesDuringAnotherProgramsTurnAreToldAsWhereTheMouseEnded) {
    KxMouseLock otherProgram;
    QString why;
    ASSERT_FALSE(KxMouseLock::path().isEmpty());
    ASSERT_TRUE(otherProgram.acquire(KxMouseLock::path(), {}, &why)) << why.toStdString();
    const uint8_t dpiReport[kInputReportBytes] = {kReportIdButtons, kKindDpi};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(firmware->press(Key::Dpi).has_value());
        handler->dealWithMsg(dpiReport);
    }
    KxTest::spin(200);
    EXPECT_FALSE(shown()) << "nothing read out of turn";
    EXPECT_TRUE(statuses.empty());
    otherProgram.release();
    ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
    const auto posted = postedStatuses(1);
    ASSERT_FALSE(posted.empty());
    EXPECT_LE(posted.size(), 2u) << "the waiting reads of the burst became one";
    for (const QVariantMap& each : posted)
        EXPECT_EQ(each, status(kStatusDpi, {mouse.stage, mouse.dpi, mouse.dpi}));
    ASSERT_TRUE(shown());
    EXPECT_EQ(view()->dpiText(), QString::number(mouse.dpi * 100));

    handler->showMsgFrm()->hide();
    statuses.clear();
    ASSERT_TRUE(otherProgram.acquire(KxMouseLock::path(), {}, &why));
    ASSERT_TRUE(firmware->press(Key::Rate).has_value());
    const uint8_t rateReport[kInputReportBytes] = {kReportIdButtons, kKindRate};
    handler->dealWithMsg(rateReport);
    KxTest::spin(DealwithMessage::kLiveReadShowMs + 200);
    otherProgram.release();
    ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
    ASSERT_EQ(postedStatuses(1).size(), 1u);
    EXPECT_EQ(statuses[0].value("type").toInt(), kStatusRate);
    EXPECT_FALSE(shown()) << "too late to show";
}

// A burst of messages neither holds the event loop (each reload used to sleep 100 ms on it) nor
// multiplies: reloads coalesce into one, and one window is started, half a second after it was
// asked, however often it is asked.
TEST_F(DealwithMessageTest, BurstsOfReloadsAndRelaunchesCoalesce) {
    HvLogger::getLogger()->setDebugEnabled(true);
    const CapturedLog log;
    const auto reloads = [&] { return log.filter(QStringLiteral("更新Setting")).size(); };
    for (int i = 0; i < 100; ++i)
        settingChange(kSettingsSaved);
    EXPECT_EQ(reloads(), 0) << "handled later, on the event loop";
    EXPECT_TRUE(KxTest::waitFor([&] { return reloads() > 0; }));
    KxTest::spin(300);
    HvLogger::getLogger()->setDebugEnabled(false);
    EXPECT_EQ(reloads(), 1);

    for (int i = 0; i < 10; ++i)
        settingChange(kRelaunch);
    KxTest::spin(300);
    EXPECT_FALSE(started(window())) << "not before the delay";
    ASSERT_TRUE(KxTest::waitFor([&] { return started(window()); }));
    KxTest::spin(800);
    EXPECT_EQ(startCount(window()), 1);
    // The window was started but has not claimed its name yet: it is still starting.
    settingChange(kRelaunch);
    KxTest::spin(800);
    EXPECT_EQ(startCount(window()), 1);
}

// The handler's bus observer goes with it: a message arriving afterwards reaches nothing.
TEST_F(DealwithMessageTest, AGoneHandlerHearsNoMoreMessages) {
    handler.reset();
    DistributedNotificationCenter::defaultCenter().post(
        {QLatin1String(kSettingChange), QString::number(kShowChange),
         QVariantMap{{"value1", kShowProfile}, {"value2", 2}}});
    KxTest::spin(200);
}
} // namespace
