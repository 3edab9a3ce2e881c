#include "DealwithMessage.h"
#include "EventLoopWait.h"
#include "FirmwareUsbBackend.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxMouseLock.h"
#include "MarkerProgram.h"
#include "NotificationServer.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Preferences/UserPreferences.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "ShowMsgView.h"
#include "Usb/UsbNotificationPort.h"
#include "Widgets/HvNoTitleWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {
constexpr const char* kAppId = "com.vlak.KxOption";

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

class DealwithMessageTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        UsbNotificationPort::setBackendFactory([this] {
            auto backend = std::make_unique<FirmwareUsbBackend>(firmware, requestLog);
            bus = backend.get();
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::move(backend));
            return backends;
        });
        KxAction::setPauseHookForTesting([](unsigned) {});
        observer = DistributedNotificationCenter::defaultCenter().addObserver(
            QStringLiteral("KxDevStatus"),
            [this](const Notification& n) { statuses.push_back(*n.userInfo); });
        handler = std::make_unique<DealwithMessage>();
        testing::internal::CaptureStdout();
        handler->andDevPro(); // the mouse is there: the requester finds it
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(KxTest::waitFor([&] { return !statuses.empty(); }));
        statuses.clear();
    }
    void TearDown() override {
        handler.reset();
        DistributedNotificationCenter::defaultCenter().removeObserver(observer);
        KxAction::setPauseHookForTesting({});
        UsbNotificationPort::setBackendFactory({});
        if (ownsAppName)
            QDBusConnection::sessionBus().unregisterService(kAppId);
    }

    // A report of the mouse, and the live read it starts done and told here.
    void report(uint8_t id, uint8_t kind, uint8_t code = 0) {
        const uint8_t bytes[8] = {id, kind, 0, code, 0, 0, 0, 0};
        handler->dealWithMsg(bytes);
        ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
        QCoreApplication::processEvents();
    }
    void press(VirtualMouseFirmware::Key key) {
        ASSERT_TRUE(firmware->press(key).has_value());
        report(2, static_cast<uint8_t>(key));
    }
    void pretendWindowRuns() {
        ownsAppName = QDBusConnection::sessionBus().registerService(kAppId);
        ASSERT_TRUE(ownsAppName);
    }
    // The status notifications posted so far, after the bus had time to bring them back.
    std::vector<QVariantMap> postedStatuses(size_t expected) {
        KxTest::waitFor([&] { return statuses.size() >= expected; }, 2000);
        KxTest::spin(50);
        return statuses;
    }
    ShowMsgView* getShowFrmViewForTest() { return handler->getShowFrmView(); }
    ShowMsgView* view() const {
        return handler->showMsgFrm()
                   ? static_cast<ShowMsgView*>(handler->showMsgFrm()->contentView())
                   : nullptr;
    }
    void settingChange(int code, std::optional<QVariantMap> userInfo = std::nullopt) {
        handler->apReportPro({QStringLiteral("KxSettingChange"), QString::number(code), userInfo});
    }

    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<std::vector<std::string>> requestLog =
        std::make_shared<std::vector<std::string>>();
    FirmwareUsbBackend* bus = nullptr;
    std::unique_ptr<DealwithMessage> handler;
    DistributedNotificationCenter::Token observer = 0;
    std::vector<QVariantMap> statuses;
    bool ownsAppName = false;
};

QVariantMap status(int type, std::initializer_list<std::pair<const char*, int>> values) {
    QVariantMap map{{QStringLiteral("type"), type}};
    for (const auto& [key, value] : values)
        map.insert(QString::fromLatin1(key), value);
    return map;
}

TEST_F(DealwithMessageTest, DpiAndRateButtonsShowAndReportTheMouseState) {
    press(VirtualMouseFirmware::Key::Dpi);
    const auto& state = firmware->state();
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->dpiText(), QString::number(state.dpi * 100));
    EXPECT_TRUE(handler->showMsgFrm()->isVisible());

    press(VirtualMouseFirmware::Key::Rate);
    const int rateIndex = state.rateCode == 0 ? 2 : state.rateCode == 1 ? 1 : 0;
    EXPECT_EQ(view()->showImage(),
              view()->imageArr().value(QStringLiteral("rate%1").arg(rateIndex)));

    // With the display off nothing is shown, but the window is still told.
    handler->setIsOsd(false);
    handler->showMsgFrm()->close();
    press(VirtualMouseFirmware::Key::Dpi);
    EXPECT_FALSE(handler->showMsgFrm()->isVisible());

    const auto posted = postedStatuses(3);
    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[1], status(3, {{"value1", rateIndex}}));
    EXPECT_EQ(posted[2],
              status(2, {{"value1", state.stage}, {"value2", state.dpi}, {"value3", state.dpi}}));
    EXPECT_EQ(posted[0].value("type").toInt(), 2);
}

TEST_F(DealwithMessageTest, ProfileButtonGoesToTheRunningWindowOrToTheDisplay) {
    press(VirtualMouseFirmware::Key::Profile);
    const int profileIndex = firmware->state().profile - 1;
    ASSERT_NE(view(), nullptr) << "the window is closed: the display shows the profile";
    EXPECT_EQ(view()->showImage(),
              view()->imageArr().value(QStringLiteral("P%1").arg(profileIndex + 1)));

    handler->showMsgFrm()->close();
    pretendWindowRuns();
    press(VirtualMouseFirmware::Key::Profile);
    EXPECT_FALSE(handler->showMsgFrm()->isVisible()) << "the window follows and asks itself";
    const auto posted = postedStatuses(1);
    ASSERT_EQ(posted.size(), 1u) << "nothing is posted while the window is closed";
    EXPECT_EQ(posted[0], status(1, {{"value", firmware->state().profile - 1}}));
}

TEST_F(DealwithMessageTest, LockShowsLockOrUnlockAndOtherReportsDoNothing) {
    press(VirtualMouseFirmware::Key::Lock);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->showImage(), view()->imageArr().value("lock"));
    press(VirtualMouseFirmware::Key::Lock);
    EXPECT_EQ(view()->showImage(), view()->imageArr().value("unlock"));

    handler->showMsgFrm()->close();
    requestLog->clear();
    report(1, 1);    // a pointer report
    report(2, 3);    // an unlisted kind
    report(2, 0, 0); // a launch report without a slot code
    EXPECT_TRUE(requestLog->empty()) << "nothing is read from the mouse";
    EXPECT_FALSE(handler->showMsgFrm()->isVisible());
    EXPECT_TRUE(postedStatuses(0).empty());
}

TEST_F(DealwithMessageTest, LaunchReportsStartTheProgramBoundToTheirSlotOnly) {
    const QString first = writeMarkerProgram("first-slot-app");
    const QString middle = writeMarkerProgram("middle-slot-app");
    const QString last = writeMarkerProgram("last-slot-app");
    {
        auto settings = UserPreferences::open();
        settings->setValue(KxAction::launchPathKey(160), first);
        settings->setValue(KxAction::launchPathKey(173), middle); // profile 3, button 4
        settings->setValue(KxAction::launchPathKey(184), last);
        settings->setValue(KxAction::launchPathKey(170), PrivateHome::dir("home") + "/gone");
        settings->setValue(KxAction::launchPathKey(171), QString());
    }
    for (const uint8_t code : {159, 185, 170, 171})
        report(2, 0, code); // outside the slots, a path that no longer exists, an empty path
    KxTest::spin(200);
    EXPECT_FALSE(started(first) || started(middle) || started(last));

    report(2, 0, 160);
    report(2, 0, 184);
    EXPECT_TRUE(KxTest::waitFor([&] { return started(first) && started(last); }));
    EXPECT_FALSE(started(middle)) << "only the code's own slot";
    report(2, 0, 173);
    EXPECT_TRUE(KxTest::waitFor([&] { return started(middle); }));
}

TEST_F(DealwithMessageTest, DisplayMessagesFromTheWindow) {
    // Kind 3 with different X and Y shows X.
    settingChange(111, QVariantMap{{"value1", 3}, {"value2", 1}, {"value3", 57}, {"value4", 32}});
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->dpiText(), QStringLiteral("5700"));

    settingChange(111, QVariantMap{{"value1", 2}, {"value2", 0}});
    EXPECT_TRUE(view()->showImage().isNull()) << "mode pictures do not exist: shown empty";

    // Switched off: no window shows; switched on again: it does.
    handler->showMsgFrm()->close();
    settingChange(110, QVariantMap{{"value1", false}});
    settingChange(111, QVariantMap{{"value1", 1}, {"value2", 2}});
    EXPECT_FALSE(handler->showMsgFrm()->isVisible());
    settingChange(110, QVariantMap{{"value1", true}});
    settingChange(111, QVariantMap{{"value1", 1}, {"value2", 2}});
    EXPECT_EQ(view()->showImage(), view()->imageArr().value("P3"));
}

// Where windows cannot be kept from the keyboard (Wayland), every change the display shows goes
// to the desktop's notifications with the same words, and no window is made.
TEST_F(DealwithMessageTest, OnWaylandTheDisplayIsANotificationAndNoWindow) {
    NotificationServer server;
    ASSERT_TRUE(server.start());
    handler->setDisplaysAsNotifications(true);
    auto notified = [&](size_t count) {
        return KxTest::waitFor([&] { return server.notified().size() >= count; });
    };
    press(VirtualMouseFirmware::Key::Dpi);
    ASSERT_TRUE(notified(1));
    const auto& state = firmware->state();
    EXPECT_EQ(server.notified()[0].summary, QStringLiteral("%1 DPI").arg(state.dpi * 100));
    EXPECT_EQ(server.notified()[0].body, QStringLiteral("Stage %1 of 4").arg(state.stage + 1));
    EXPECT_FALSE(server.notified()[0].hints.contains("image-data")) << "the words, not a picture";

    press(VirtualMouseFirmware::Key::Lock);
    ASSERT_TRUE(notified(2));
    EXPECT_EQ(server.notified()[1].summary, firmware->state().locked ? "Locked" : "Unlocked");
    settingChange(111, QVariantMap{{"value1", 4}, {"value2", 1}});
    ASSERT_TRUE(notified(3));
    EXPECT_EQ(server.notified()[2].summary, "500 Hz");
    settingChange(111, QVariantMap{{"value1", 1}, {"value2", 1}});
    ASSERT_TRUE(notified(4));
    EXPECT_EQ(server.notified()[3].summary, "Profile 2");
    EXPECT_EQ(server.notified()[3].replacesId, server.notified()[2].replacesId);
    EXPECT_NE(server.notified()[3].replacesId, 0u);
    // A display without picture withdraws the notification.
    settingChange(111, QVariantMap{{"value1", 2}, {"value2", 0}});
    EXPECT_TRUE(KxTest::waitFor([&] { return !server.closed().empty(); }));

    EXPECT_EQ(handler->showMsgFrm(), nullptr);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(
        std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }));
    const auto posted = postedStatuses(1);
    ASSERT_FALSE(posted.empty()) << "the window is still told";
    EXPECT_EQ(posted[0].value("type").toInt(), 2);
}

TEST_F(DealwithMessageTest, DisplayOffFromTheStartMakesNoWindow) {
    UserPreferences::open()->setValue(QStringLiteral("OSDTag"), false);
    handler = std::make_unique<DealwithMessage>();
    settingChange(111, QVariantMap{{"value1", 4}, {"value2", 1}});
    press(VirtualMouseFirmware::Key::Dpi);
    EXPECT_EQ(handler->showMsgFrm(), nullptr);
    UserPreferences::open()->remove(QStringLiteral("OSDTag"));
}

TEST_F(DealwithMessageTest, MalformedMessagesReadAsZeroAndNeverCrash) {
    const QVariant junk[] = {QVariant(), QStringLiteral("abc"), QVariantList{1, 2}, QVariant(3.7),
                             QVariantMap{{"x", 1}}};
    for (const QVariant& object : junk) {
        handler->apReportPro({QStringLiteral("KxSettingChange"), object, std::nullopt});
        for (const QVariant& value : junk)
            handler->apReportPro({QStringLiteral("KxSettingChange"), QStringLiteral("111"),
                                  QVariantMap{{"value1", value}, {"value2", value}}});
    }
    handler->apReportPro({QStringLiteral("KxSettingChange"), QStringLiteral("111"), std::nullopt});
    ASSERT_NE(view(), nullptr) << "111 with unreadable values is kind 0: an empty display";
    EXPECT_TRUE(view()->showImage().isNull());

    // A signal of the wrong shape on the bus reaches the handler as no object and no values.
    QDBusMessage bad = QDBusMessage::createSignal(DistributedNotificationCenter::kPath,
                                                  DistributedNotificationCenter::kInterface,
                                                  QStringLiteral("KxSettingChange"));
    bad << 121 << QStringLiteral("value1");
    EXPECT_TRUE(QDBusConnection::sessionBus().send(bad));
    KxTest::spin(100);
}

TEST_F(DealwithMessageTest, SavedSettingsReloadTheProfilesEvenWithoutMouse) {
    ProfieController* library = ProfieController::getShareProCon();
    auto acceleration = [](const ProfieController& profiles) {
        return profiles.profileArr()[2]->profileData().acceler;
    };
    // The window changes a profile and saves the set; the daemon only hears "101".
    const uint32_t changed = acceleration(*library) + 7;
    {
        ProfieController window;
        _Kx_PROFILE data = window.profileArr()[2]->profileData();
        data.acceler = changed;
        window.profileArr()[2]->setProfileData(data);
        window.saveToSys();
    }
    handler->removeDevPro();
    settingChange(101);
    EXPECT_TRUE(KxTest::waitFor([&] { return acceleration(*library) == changed; }));
}

TEST_F(DealwithMessageTest, RelaunchStartsTheWindowHalfASecondLater) {
    const QString window = PrivateHome::dir("home") + "/KxOption";
    settingChange(121);
    KxTest::spin(300);
    EXPECT_FALSE(started(window)) << "not before the delay";
    EXPECT_TRUE(KxTest::waitFor([&] { return started(window); }));
}

// The window that asks for its relaunch still owns its name while it ends (it waits up to 10 s for
// a transfer still running): the new one is started as soon as the name is gone, not skipped.
TEST_F(DealwithMessageTest, ARelaunchWaitsForTheOldWindowToEndThenStartsOneWindow) {
    const QString window = PrivateHome::dir("home") + "/KxOption";
    const int before = startCount(window);
    pretendWindowRuns();
    for (int i = 0; i < 5; ++i)
        settingChange(121);
    KxTest::spin(1500);
    EXPECT_EQ(startCount(window), before) << "not while the old window runs";

    QDBusConnection::sessionBus().unregisterService(kAppId);
    ownsAppName = false;
    EXPECT_TRUE(KxTest::waitFor([&] { return startCount(window) == before + 1; }, 2000));
    KxTest::spin(800);
    EXPECT_EQ(startCount(window), before + 1) << "one window for the burst";
}

// The wait is bounded: a window that does not end is not waited for for ever, and that is
// logged; a later request is served again.
TEST_F(DealwithMessageTest, ARelaunchGivesUpOnAWindowThatDoesNotEnd) {
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                warnings << text;
        });
    const QString window = PrivateHome::dir("home") + "/KxOption";
    const int before = startCount(window);
    handler->setOldWindowWaitMs(400);
    pretendWindowRuns();
    settingChange(121);
    const bool gaveUp = KxTest::waitFor(
        [] { return !warnings.filter(QStringLiteral("still runs after 0.4 s")).isEmpty(); }, 3000);
    qInstallMessageHandler(previous);
    ASSERT_TRUE(gaveUp) << warnings.join('\n').toStdString();

    QDBusConnection::sessionBus().unregisterService(kAppId);
    ownsAppName = false;
    KxTest::spin(400);
    EXPECT_EQ(startCount(window), before) << "given up";
    settingChange(121);
    EXPECT_TRUE(KxTest::waitFor([&] { return startCount(window) == before + 1; }));
}

bool shown(const DealwithMessage& handler) {
    return handler.showMsgFrm() && handler.showMsgFrm()->isVisible();
}

// A read that did not reach the mouse, or a value the mouse cannot have, is no news: nothing is
// shown, nothing posted (a failed read used to show "0" and stage 1, or 1000 Hz).
TEST_F(DealwithMessageTest, FailedOrImpossibleLiveReadsShowAndPostNothing) {
    bus->unplug(); // the cable is pulled between the button's report and the read
    for (const uint8_t kind : {1, 2, 4, 8})
        report(2, kind);
    EXPECT_FALSE(shown(*handler));

    bus->plug();
    ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
    // The next stage's stored DPI is 0: the mouse would run it at a value it cannot have.
    const int next = (firmware->state().stage + 1) % 4;
    const uint8_t zero = 0;
    KxAction::sendWriteReport(uint16_t(8 + next), &zero, 1);
    press(VirtualMouseFirmware::Key::Dpi);
    ASSERT_EQ(firmware->state().dpi, 0);
    EXPECT_FALSE(shown(*handler));
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
    const uint8_t dpiReport[8] = {2, 1, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(firmware->press(VirtualMouseFirmware::Key::Dpi).has_value());
        handler->dealWithMsg(dpiReport);
    }
    KxTest::spin(200);
    EXPECT_FALSE(shown(*handler)) << "nothing read out of turn";
    EXPECT_TRUE(statuses.empty());
    otherProgram.release();
    ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
    const auto& state = firmware->state();
    const QVariantMap ended =
        status(2, {{"value1", state.stage}, {"value2", state.dpi}, {"value3", state.dpi}});
    const auto posted = postedStatuses(1);
    ASSERT_FALSE(posted.empty());
    EXPECT_LE(posted.size(), 2u) << "the waiting reads of the burst became one";
    for (const QVariantMap& each : posted)
        EXPECT_EQ(each, ended);
    ASSERT_TRUE(shown(*handler));
    EXPECT_EQ(view()->dpiText(), QString::number(state.dpi * 100));

    handler->showMsgFrm()->hide();
    statuses.clear();
    ASSERT_TRUE(otherProgram.acquire(KxMouseLock::path(), {}, &why));
    ASSERT_TRUE(firmware->press(VirtualMouseFirmware::Key::Rate).has_value());
    const uint8_t rateReport[8] = {2, 2, 0, 0, 0, 0, 0, 0};
    handler->dealWithMsg(rateReport);
    KxTest::spin(DealwithMessage::kLiveReadShowMs + 200);
    otherProgram.release();
    ASSERT_TRUE(KxDeviceQueue::shared().waitUntilIdle(5000));
    ASSERT_EQ(postedStatuses(1).size(), 1u);
    EXPECT_EQ(statuses[0].value("type").toInt(), 3);
    EXPECT_FALSE(shown(*handler)) << "too late to show";
}

// What the window sends is drawn within what the mouse can have: stages 1..4, 100..5700 DPI,
// profiles 1..5; no value overflows.
TEST_F(DealwithMessageTest, DisplayValuesFromTheBusAreBounded) {
    const auto stagePicture = [&](int stage, const QString& text) {
        return ShowMsgView::composeDpiImage(
            view()->imageArr().value(QStringLiteral("dpi%1").arg(stage)),
            ShowMsgView::getStrAtt(Qt::white, ShowMsgView::kDpiFontSize), text);
    };
    settingChange(111, QVariantMap{{"value1", 3}, {"value2", INT_MAX}, {"value3", INT_MAX}});
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->dpiText(), "5700");
    EXPECT_EQ(view()->showImage(), stagePicture(3, "5700"));
    settingChange(111, QVariantMap{{"value1", 3}, {"value2", INT_MIN}, {"value3", -9}});
    EXPECT_EQ(view()->dpiText(), "100");
    EXPECT_EQ(view()->showImage(), stagePicture(0, "100"));
    settingChange(111, QVariantMap{{"value1", 1}, {"value2", INT_MAX}});
    EXPECT_EQ(view()->showImage(), view()->imageArr().value("P5"));
    settingChange(111, QVariantMap{{"value1", 1}, {"value2", INT_MIN}});
    EXPECT_EQ(view()->showImage(), view()->imageArr().value("P1"));
}

// A burst of messages neither holds the event loop (each reload used to sleep 100 ms on it) nor
// multiplies: reloads coalesce into one, and one window is started however often it is asked.
TEST_F(DealwithMessageTest, BurstsOfReloadsAndRelaunchesCoalesce) {
    static int reloads = 0;
    reloads = 0;
    HvLogger::getLogger()->setDebugEnabled(true);
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            reloads += text.contains(QStringLiteral("更新Setting"));
        });
    for (int i = 0; i < 100; ++i)
        settingChange(101);
    EXPECT_EQ(reloads, 0) << "handled later, on the event loop";
    EXPECT_TRUE(KxTest::waitFor([] { return reloads > 0; }));
    KxTest::spin(300);
    qInstallMessageHandler(previous);
    HvLogger::getLogger()->setDebugEnabled(false);
    EXPECT_EQ(reloads, 1);

    const QString window = PrivateHome::dir("home") + "/KxOption";
    for (int i = 0; i < 10; ++i)
        settingChange(121);
    ASSERT_TRUE(KxTest::waitFor([&] { return started(window); }));
    KxTest::spin(800);
    EXPECT_EQ(startCount(window), 1);
    // The window was started but has not claimed its name yet: it is still starting.
    settingChange(121);
    KxTest::spin(800);
    EXPECT_EQ(startCount(window), 1);
}

// The handler's bus observer goes with it: a message arriving afterwards reaches nothing.
TEST_F(DealwithMessageTest, AGoneHandlerHearsNoMoreMessages) {
    handler.reset();
    DistributedNotificationCenter::defaultCenter().post(
        {QStringLiteral("KxSettingChange"), QStringLiteral("111"),
         QVariantMap{{"value1", 1}, {"value2", 2}}});
    KxTest::spin(200);
}
} // namespace
