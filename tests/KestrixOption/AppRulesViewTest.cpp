// The application rules view in its modal run over a private preferences file and private desktop
// entries: what OK and Cancel leave in the file, a save that fails, rules a hand edit broke, the
// keyboard alone, and the background program's answers from a stand-in on the test's own bus.
#include "AppRulesView.h"
#include "AppRulesLayout.h"
#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvTextField.h"
#include "KxMessages.h"
#include "LaunchChooserView.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "PopUps.h"
#include "Preferences/UserPreferences.h"
#include "PrivateHome.h"
#include "ShownWindows.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <optional>

namespace {

using KxTest::spin;
using KxTest::waitFor;

QString appsDir() {
    return PrivateHome::dir("data") + "/applications/";
}

// Two installed applications; GLib reads the folders once, so they are there before any test.
class RulesHome : public PrivateHome {
public:
    void prepare() override {
        QDir().mkpath(dir("system"));
        qputenv("XDG_DATA_DIRS", dir("system").toLocal8Bit());
        QDir().mkpath(appsDir());
        for (const auto& [id, name] : {std::pair{"org.example.Calculator", "Calculator"},
                                       std::pair{"org.example.TextEditor", "Text Editor"}}) {
            QFile entry(appsDir() + id + ".desktop");
            if (entry.open(QIODevice::WriteOnly))
                entry.write(QByteArray("[Desktop Entry]\nType=Application\nName=") + name +
                            "\nExec=true\n");
        }
    }
};
const auto* const kHome = testing::AddGlobalTestEnvironment(new RulesHome);

QByteArray preferencesBytes() {
    QFile file(UserPreferences::filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writePreferences(const QByteArray& text) {
    QFile file(UserPreferences::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

KxAppRules storedRules() {
    const KxAppRules::Parsed parsed = KxAppRules::load();
    EXPECT_TRUE(parsed.rules) << parsed.errorText().toStdString();
    return parsed.rules.value_or(KxAppRules());
}

// The view run fully modal in its own window, as the main window runs it; `inside` acts from
// within the run, and the run's code is returned. A run that does not end fails the test.
int runModally(const std::function<void(AppRulesView&)>& inside) {
    QPointer<HvNoTitleWindow> window =
        new HvNoTitleWindow(QRect(QPoint(0, 0), AppRulesLayout::kView.size));
    auto* view = new AppRulesView;
    window->setContentView(view);
    QTimer::singleShot(0, view, [&inside, view] { inside(*view); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&window] {
        ADD_FAILURE() << "the view is still open";
        HvModal::stopModal(window, -1);
    });
    watchdog.start(10000);
    const int code = HvModal::runModal(window);
    delete window.data();
    return code;
}

std::string spoken(const QListWidget* list, int row) {
    const QListWidgetItem* item = list->item(row);
    return item ? item->data(Qt::AccessibleTextRole).toString().toStdString() : "(no row)";
}

// The background program's rules object as a stand-in on a connection of its own: it answers
// what the test sets, and counts the rules changes it hears.
class StandInDaemon : public QDBusVirtualObject {
public:
    StandInDaemon() : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "daemon")) {
        EXPECT_TRUE(bus_.registerVirtualObject(QLatin1String(KxMessages::kRulesPath), this));
        EXPECT_TRUE(bus_.registerService(QLatin1String(KxMessages::kDaemonService)));
    }
    ~StandInDaemon() override {
        bus_.unregisterService(QLatin1String(KxMessages::kDaemonService));
        bus_.unregisterObject(QLatin1String(KxMessages::kRulesPath));
        QDBusConnection::disconnectFromBus(QStringLiteral("daemon"));
    }
    QVariantList availability{true, QStringLiteral("x11")};
    QVariantList front{QString(), QString()};

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.interface() != QLatin1String(KxMessages::kRulesInterface))
            return false;
        const QVariantList answer =
            message.member() == QLatin1String("Availability") ? availability : front;
        return bus.send(message.createReply(answer));
    }

private:
    QDBusConnection bus_;
};

class AppRulesViewTest : public testing::Test {
protected:
    void SetUp() override {
        QFile::remove(UserPreferences::filePath());
        // Only a test's own stand-in answers; the program is never started.
        ASSERT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QLatin1String(KxMessages::kDaemonService)));
    }
    void TearDown() override { AppRulesView::setApplicationChooserForTesting(nullptr); }
};

TEST_F(AppRulesViewTest, OkWritesTheEditsThatLoadGivesBackAndCancelWritesNothing) {
    KxAppRules before;
    before.rules = {{QStringLiteral("org.example.TextEditor"), 4}};
    ASSERT_TRUE(before.save());
    const QByteArray untouched = preferencesBytes();
    int rulesChanged = 0; // as the background program hears them
    const auto token = DistributedNotificationCenter::defaultCenter().addObserver(
        QLatin1String(KxMessages::kSettingChange), [&rulesChanged](const Notification& n) {
            rulesChanged += n.objectInt() == KxMessages::kRulesChanged;
        });

    // The same edits, ended by each button: the switch off, a second rule at profile 3, the
    // first one's profile by its tab, and "otherwise" profile 5.
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        const int code = runModally([ok](AppRulesView& view) {
            view.enabledChk()->click();
            view.addRule(QStringLiteral("org.example.Calculator.desktop"));
            view.ruleProfileSetp()->items()[2]->click();
            view.ruleList()->setCurrentRow(0);
            view.ruleProfileSetp()->items()[1]->click();
            view.otherwiseSetp()->items()[5]->click();
            (ok ? view.okBtn() : view.cancelBtn())->click();
        });
        EXPECT_EQ(code, ok ? 1 : 0);
        if (!ok) {
            EXPECT_EQ(preferencesBytes(), untouched);
            spin(200);
            EXPECT_EQ(rulesChanged, 0);
            continue;
        }
        EXPECT_TRUE(waitFor([&] { return rulesChanged == 1; }));
        KxAppRules expected;
        expected.enabled = false;
        expected.rules = {{QStringLiteral("org.example.TextEditor"), 2},
                          {QStringLiteral("org.example.Calculator"), 3}};
        expected.otherwise = 5;
        EXPECT_EQ(storedRules(), expected);
    }
    DistributedNotificationCenter::defaultCenter().removeObserver(token);
}

TEST_F(AppRulesViewTest, ASaveThatFailsKeepsTheViewOpenWithItsEditsAndSaysSo) {
    PopUps popUps;
    int code = -2;
    bool openAfterFailure = false;
    code = runModally([&](AppRulesView& view) {
        view.addRule(QStringLiteral("org.example.Calculator"));
        // A full disk: no byte of the new file can be written (and the signal is not fatal).
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{0, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        view.okBtn()->click(); // the message is answered from inside its own run
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        openAfterFailure = view.window()->isVisible();
        EXPECT_EQ(view.rules().rules.size(), 1);
        view.okBtn()->click(); // room again: saved
    });
    EXPECT_TRUE(openAfterFailure);
    ASSERT_EQ(popUps.texts.size(), 1);
    EXPECT_TRUE(popUps.texts[0].contains(QLatin1String("not saved")) &&
                popUps.texts[0].contains(UserPreferences::filePath()))
        << popUps.texts[0].toStdString();
    EXPECT_EQ(code, 1);
    EXPECT_EQ(storedRules().rules.size(), 1);
}

TEST_F(AppRulesViewTest, RowsNameInstalledApplicationsAndMarkAnIdNoneHas) {
    KxAppRules stored;
    stored.rules = {{QStringLiteral("org.example.Calculator"), 2},
                    {QStringLiteral("org.example.Gone"), 3}};
    ASSERT_TRUE(stored.save());
    runModally([](AppRulesView& view) {
        const QListWidget* list = view.ruleList();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Calculator"));
        EXPECT_EQ(spoken(list, 0), "Calculator, profile 2");
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("org.example.Gone"));
        EXPECT_EQ(spoken(list, 1), "org.example.Gone, not installed, profile 3");
        view.cancelBtn()->click();
    });
}

TEST_F(AppRulesViewTest, RulesAHandEditBrokeAreShownAndReplacedOnlyWhenTheUserStartsOver) {
    const QByteArray broken = "[ApplicationRules]\nrules\\1\\app=org.example.Calculator\n"
                              "rules\\1\\profile=9\nrules\\size=1\n";
    writePreferences(broken);
    const QString why = KxAppRules::load().errorText();
    ASSERT_FALSE(why.isEmpty());

    for (const bool startOver : {false, true}) {
        SCOPED_TRACE(startOver ? "start over" : "keep them");
        PopUps popUps;
        popUps.answer({startOver});
        const int code = runModally([&](AppRulesView& view) {
            if (!startOver)
                return; // the question's Cancel ends the run
            // The question runs a loop of its own: the view is looked at once it has ended.
            auto* answered = new QTimer(&view);
            QObject::connect(answered, &QTimer::timeout, &view, [answered, &view] {
                if (!view.brokenReason().isEmpty())
                    return;
                answered->stop();
                EXPECT_EQ(view.ruleList()->count(), 0);
                EXPECT_TRUE(view.okBtn()->isEnabled());
                view.okBtn()->click();
            });
            answered->start(10);
        });
        ASSERT_EQ(popUps.texts.size(), 1);
        EXPECT_TRUE(popUps.texts[0].contains(why)) << popUps.texts[0].toStdString();
        EXPECT_EQ(code, startOver ? 1 : 0);
        if (!startOver) {
            EXPECT_EQ(preferencesBytes(), broken);
        }
    }
    EXPECT_EQ(storedRules(), KxAppRules());
}

// Answers the launcher's chooser by keys when it shows, from inside its run: typed into its
// filter, then Enter.
class ChooserByKeys {
public:
    explicit ChooserByKeys(const char* typed) {
        QObject::connect(&timer_, &QTimer::timeout, [this, typed] {
            auto* chooser = shownView<LaunchChooserView>();
            if (!chooser)
                return;
            timer_.stop();
            // A rule names an installed application: no other file is offered.
            EXPECT_EQ(chooser->otherBtn(), nullptr);
            QTest::keyClicks(chooser->filterTxt(), typed);
            QTest::keyClick(chooser->filterTxt(), Qt::Key_Return);
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

// Tab to "Add…", Space, Enter on "Installed application…", typed into the chooser's filter and
// Enter; then the list's keys: a profile, a second rule, Delete, and Enter for OK.
TEST_F(AppRulesViewTest, TheKeyboardAloneAddsRulesSetsTheirProfileAndRemovesThem) {
    runModally([](AppRulesView& view) {
        view.window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.window()));
        view.enabledChk()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view.enabledChk(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), view.addBtn());

        const auto addByKeys = [&view](const char* typed) {
            const ChooserByKeys chooser(typed);
            QTest::keyClick(view.addBtn(), Qt::Key_Space);
            ASSERT_TRUE(waitFor([&view] { return view.addMenu()->isVisible(); }));
            QTest::keyClick(view.addMenu(), Qt::Key_Return); // the chooser runs in here
            ASSERT_TRUE(waitFor([&view] { return view.window()->isActiveWindow(); }));
        };
        addByKeys("calc");
        ASSERT_EQ(view.rules().rules.size(), 1);
        EXPECT_EQ(view.rules().rules[0].app, QStringLiteral("org.example.Calculator"));
        EXPECT_EQ(QApplication::focusWidget(), view.ruleList());
        QTest::keyClick(view.ruleList(), Qt::Key_3);
        EXPECT_EQ(view.rules().rules[0].profile, 3);
        EXPECT_EQ(view.ruleProfileSetp()->selectIndex(), 3);
        EXPECT_EQ(spoken(view.ruleList(), 0), "Calculator, profile 3");

        // Back to "Add…" by Shift+Tab from the list.
        QTest::keyClick(view.ruleList(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), view.addBtn());
        addByKeys("text");
        ASSERT_EQ(view.rules().rules.size(), 2);
        EXPECT_EQ(view.ruleList()->currentRow(), 1);
        QTest::keyClick(view.ruleList(), Qt::Key_Up);
        QTest::keyClick(view.ruleList(), Qt::Key_Delete);
        ASSERT_EQ(view.rules().rules.size(), 1);
        EXPECT_EQ(view.rules().rules[0].app, QStringLiteral("org.example.TextEditor"));
        EXPECT_EQ(QApplication::focusWidget(), view.ruleList());
        QTest::keyClick(view.ruleList(), Qt::Key_Return); // Enter is OK
    });
    const KxAppRules stored = storedRules();
    ASSERT_EQ(stored.rules.size(), 1);
    EXPECT_EQ(stored.rules[0], (KxAppRule{QStringLiteral("org.example.TextEditor"), 1}));
}

TEST_F(AppRulesViewTest, TheAvailabilityLineSaysWhatTheBackgroundProgramAnswers) {
    struct Case {
        std::optional<QVariantList> answer; // none: no program on the bus
        const char* says;
    };
    const Case cases[] = {
        {QVariantList{true, QStringLiteral("x11")}, "the rules act once they are saved"},
        {QVariantList{false, QStringLiteral("gnome-wayland")},
         "not available on this desktop: GNOME on Wayland does not tell"},
        {QVariantList{false, QStringLiteral("wayland")},
         "not available on this desktop: its Wayland compositor does not tell"},
        {QVariantList{QStringLiteral("nonsense")}, "not running"},
        {std::nullopt, "not running, so the rules do not act now"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        std::optional<StandInDaemon> daemon;
        if (c.answer) {
            daemon.emplace();
            daemon->availability = *c.answer;
        }
        runModally([&c](AppRulesView& view) {
            const QLabel* line = view.availabilityLbl();
            EXPECT_TRUE(waitFor([&] { return line->text().contains(QLatin1String(c.says)); }))
                << line->text().toStdString();
            // A screen reader reads the sentence after the line's name.
            EXPECT_EQ(QAccessible::queryAccessibleInterface(view.availabilityLbl())
                          ->text(QAccessible::Description),
                      line->text());
            view.cancelBtn()->click();
        });
    }
}

TEST_F(AppRulesViewTest, TheApplicationInFrontIsAddedAsTheBackgroundProgramNamesIt) {
    struct Case {
        std::optional<QVariantList> answer;
        const char* added;   // the rule's application; none when nothing is added
        const char* message; // what the user is told instead
    };
    const Case cases[] = {
        {QVariantList{QStringLiteral("org.example.TextEditor"), QStringLiteral("Text Editor")},
         "org.example.TextEditor", nullptr},
        {QVariantList{QString(), QString()}, nullptr, "does not know yet"},
        {QVariantList{QStringLiteral("bad\nname"), QString()}, nullptr, "cannot be a rule's"},
        {std::nullopt, nullptr, "is not running"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.added ? c.added : c.message);
        std::optional<StandInDaemon> daemon;
        if (c.answer) {
            daemon.emplace();
            daemon->front = *c.answer;
        }
        PopUps popUps;
        runModally([&](AppRulesView& view) {
            view.addMenu()->actions().at(1)->trigger();
            EXPECT_TRUE(waitFor([&] { return view.addBtn()->isEnabled(); }));
            EXPECT_TRUE(
                waitFor([&] { return !view.rules().rules.isEmpty() || !popUps.texts.isEmpty(); }));
            if (c.added) {
                ASSERT_EQ(view.rules().rules.size(), 1);
                EXPECT_EQ(view.rules().rules[0].app, QLatin1String(c.added));
                EXPECT_EQ(spoken(view.ruleList(), 0), "Text Editor, profile 1");
            } else {
                EXPECT_TRUE(view.rules().rules.isEmpty());
            }
            view.cancelBtn()->click();
        });
        if (c.message) {
            ASSERT_EQ(popUps.texts.size(), 1);
            EXPECT_TRUE(popUps.texts[0].contains(QLatin1String(c.message)))
                << popUps.texts[0].toStdString();
        } else {
            EXPECT_TRUE(popUps.texts.isEmpty());
        }
    }
}

} // namespace
