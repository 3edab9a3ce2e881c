// The application chooser over private desktop entries: filtering, the keyboard, the pointer and
// the other-file answer, through the modal run a button's launch setting uses.
#include "HvButton.h"
#include "HvMessageBox.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvTextField.h"
#include "LaunchChooserView.h"
#include "PopUps.h"
#include "PrivateHome.h"
#include "ShownWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

// Paths in the failures' messages as text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString appsDir() {
    return PrivateHome::dir("data") + "/applications/";
}

QString entryPath(const char* name) {
    return appsDir() + "org.example." + name + ".desktop";
}

void writeEntry(const QString& path, const QByteArray& name, const QByteArray& more = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true\n" + more);
}

// GLib reads the data folders once: the entries are there before the first test, and the
// system folder is a private empty one.
class ChooserHome : public PrivateHome {
public:
    void prepare() override {
        QDir().mkpath(dir("system"));
        qputenv("XDG_DATA_DIRS", dir("system").toLocal8Bit());
        const char* const entries[][3] = {
            {"Calculator", "Calculator", "Icon=accessories-calculator\n"},
            {"Calendar", "Calendar", "Icon=/no/such/icon.png\n"},
            {"Terminal", "Terminal", ""},
            {"TextEditor", "Text Editor", "Icon=accessories-text-editor\n"},
            {"Secret", "Secret", "NoDisplay=true\n"},
        };
        for (const auto& [file, name, more] : entries)
            writeEntry(entryPath(file), name, more);
    }
};

const auto* const home = testing::AddGlobalTestEnvironment(new ChooserHome);

// The rows the filter leaves, in order.
std::string shownRows(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        if (!list->item(row)->isHidden())
            names << list->item(row)->text();
    return names.join(", ").toStdString();
}

std::string currentRow(const QListWidget* list) {
    return list->currentItem() ? list->currentItem()->text().toStdString() : "(none)";
}

// Answers the chooser from inside its modal run. A run the answer did not end is ended after a
// while, as a failure, so that a fault cannot hang the test.
class ChooserAnswer {
public:
    explicit ChooserAnswer(std::function<void(LaunchChooserView&)> answer)
        : answer_(std::move(answer)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(5000);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the chooser is still open";
            HvModal::stopModal(window_, 0);
        });
    }
    bool answered() const { return answered_; }

private:
    void look() {
        HvNoTitleWindow* window = nullptr;
        auto* view = shownView<LaunchChooserView>(&window);
        if (!view)
            return;
        answered_ = true;
        timer_.stop();
        window_ = window;
        watchdog_.start();
        answer_(*view);
    }
    std::function<void(LaunchChooserView&)> answer_;
    QTimer timer_;
    QTimer watchdog_;
    QPointer<QWidget> window_;
    bool answered_ = false;
};

std::optional<QString> chooseWith(std::function<void(LaunchChooserView&)> answer) {
    ChooserAnswer chooser(std::move(answer));
    const std::optional<QString> chosen = LaunchChooserView::choose();
    EXPECT_TRUE(chooser.answered()) << "the chooser was shown";
    return chosen;
}

// "Other file…" answered with these paths in turn; how many were asked for.
std::shared_ptr<int> otherFiles(const QStringList& answers) {
    auto asked = std::make_shared<int>(0);
    LaunchChooserView::setFileDialogForTesting([=] { return answers.at((*asked)++); });
    return asked;
}

class LaunchChooserTest : public testing::Test {
protected:
    void TearDown() override { LaunchChooserView::setFileDialogForTesting(nullptr); }
};

TEST_F(LaunchChooserTest, ListsTheMenusApplicationsWithIconsAndNarrowsThemByTyping) {
    HvNoTitleWindow window(QRect(QPoint(0, 0), QSize(420, 440)));
    auto* view = new LaunchChooserView;
    window.setContentView(view);
    window.show();
    QListWidget* list = view->appList();
    EXPECT_EQ(shownRows(list), "Calculator, Calendar, Terminal, Text Editor")
        << "not the NoDisplay entry";
    EXPECT_EQ(currentRow(list), "Calculator");
    EXPECT_EQ(list->item(0)->data(LaunchChooserView::kPathRole), entryPath("Calculator"));
    for (int row = 0; row < list->count(); ++row)
        EXPECT_FALSE(list->item(row)->icon().isNull()) << "rows keep their text aligned";

    QTest::keyClicks(view->filterTxt(), "CAL");
    EXPECT_EQ(shownRows(list), "Calculator, Calendar");
    QTest::keyClicks(view->filterTxt(), "e");
    EXPECT_EQ(shownRows(list), "Calendar");
    EXPECT_EQ(currentRow(list), "Calendar") << "the first row left is current";
    QTest::keyClicks(view->filterTxt(), "ndarx");
    EXPECT_EQ(shownRows(list), "");
    EXPECT_EQ(currentRow(list), "(none)");
    EXPECT_FALSE(view->okBtn()->isEnabled());
    EXPECT_TRUE(view->findChild<QLabel*>()->isVisible()) << "the empty list says why";

    view->filterTxt()->setText(" t ");
    EXPECT_EQ(shownRows(list), "Calculator, Terminal, Text Editor");
    view->filterTxt()->setText("edit");
    EXPECT_EQ(shownRows(list), "Text Editor");
    EXPECT_TRUE(view->okBtn()->isEnabled());
    EXPECT_FALSE(view->findChild<QLabel*>()->isVisible());

    view->setApplications({});
    EXPECT_EQ(currentRow(list), "(none)");
    EXPECT_FALSE(view->okBtn()->isEnabled());
    EXPECT_TRUE(view->findChild<QLabel*>()->isVisible());
}

TEST_F(LaunchChooserTest, TypeDownAndEnterChooseWithTheKeyboardAlone) {
    const std::optional<QString> chosen = chooseWith([](LaunchChooserView& view) {
        EXPECT_EQ(view.window()->focusWidget(), view.filterTxt())
            << "typing goes to the filter at once";
        QTest::keyClicks(view.filterTxt(), "t");
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(view.filterTxt(), key);
        EXPECT_EQ(currentRow(view.appList()), "Text Editor") << "stops at the last row";
        QTest::keyClick(view.filterTxt(), Qt::Key_Up);
        EXPECT_EQ(currentRow(view.appList()), "Terminal");
        EXPECT_EQ(view.filterTxt()->text(), "t") << "the arrows leave the text alone";
        QTest::keyClick(view.filterTxt(), Qt::Key_Return);
    });
    EXPECT_EQ(chosen, entryPath("Terminal"));
}

TEST_F(LaunchChooserTest, EscapeCancelAndClosingGiveNone) {
    const std::function<void(LaunchChooserView&)> ways[] = {
        [](LaunchChooserView& view) { QTest::keyClick(view.filterTxt(), Qt::Key_Escape); },
        [](LaunchChooserView& view) { QTest::keyClick(view.appList(), Qt::Key_Escape); },
        [](LaunchChooserView& view) { QTest::mouseClick(view.cancelBtn(), Qt::LeftButton); },
        [](LaunchChooserView& view) {
            view.cancelBtn()->setFocus();
            QTest::keyClick(view.cancelBtn(), Qt::Key_Return);
        },
        [](LaunchChooserView& view) { view.window()->close(); },
    };
    for (size_t way = 0; way < std::size(ways); ++way)
        EXPECT_EQ(chooseWith(ways[way]), std::nullopt) << "way " << way;
}

TEST_F(LaunchChooserTest, OkWithoutARowDoesNothingUntilOneIsThere) {
    const std::optional<QString> chosen = chooseWith([](LaunchChooserView& view) {
        QTest::keyClicks(view.filterTxt(), "zzz");
        QTest::keyClick(view.filterTxt(), Qt::Key_Return);
        QTest::mouseClick(view.okBtn(), Qt::LeftButton);
        EXPECT_TRUE(HvModal::isRunning(view.window()));
        EXPECT_TRUE(view.chosenPath().isEmpty());
        view.filterTxt()->clear();
        QTest::mouseClick(view.okBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(chosen, entryPath("Calculator"));
}

TEST_F(LaunchChooserTest, DoubleClickOnARowChoosesIt) {
    const std::optional<QString> chosen = chooseWith([](LaunchChooserView& view) {
        QListWidget* list = view.appList();
        const QRect row = list->visualItemRect(list->item(1));
        // A widget sees the second press of a double-click as the double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    });
    EXPECT_EQ(chosen, entryPath("Calendar"));
}

TEST_F(LaunchChooserTest, OtherFileTakesAnExistingFileAndNothingElse) {
    const QString tool = PrivateHome::dir("home") + "/bin/../tool.sh";
    QDir().mkpath(PrivateHome::dir("home") + "/bin");
    QFile file(tool);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const auto asked =
        otherFiles({"", PrivateHome::dir("home") + "/missing", PrivateHome::dir("home"), tool});
    const std::optional<QString> chosen = chooseWith([&](LaunchChooserView& view) {
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(view.otherBtn(), Qt::LeftButton);
            EXPECT_TRUE(HvModal::isRunning(view.window())) << "no file: the choice goes on, " << i;
        }
        view.otherBtn()->setFocus();
        QTest::keyClick(view.otherBtn(), Qt::Key_Return); // Enter on the button is the button
    });
    EXPECT_EQ(*asked, 4);
    EXPECT_EQ(chosen, QFileInfo(tool).absoluteFilePath());
    EXPECT_FALSE(chosen->contains("..")) << "stored clean";
}

// A desktop entry names itself: one from outside the applications folders can pose as a familiar
// application. "Other file…" asks, saying its path, before it takes one; an entry inside the
// folders (also reached through a symbolic link) is taken at once.
TEST_F(LaunchChooserTest, OtherFileAsksBeforeTakingAnEntryFromOutsideTheApplicationsFolders) {
    const QString data = PrivateHome::dir("data");
    // Beside the folder, with a name that begins like it, and reached through "..".
    const QString outside = data + "/applications-extra/org.example.Calculator.desktop";
    writeEntry(outside, "Calculator");
    const QString dotted =
        data + "/applications/../applications-extra/" + QFileInfo(outside).fileName();
    // Inside, reached through a link to the folder.
    const QString link = PrivateHome::dir("home") + "/apps-link";
    QFile::remove(link);
    ASSERT_TRUE(QFile::link(appsDir(), link));
    const QString throughLink = link + "/" + QFileInfo(entryPath("Terminal")).fileName();
    // A link in the folder to an entry outside it: where it really lies counts.
    const QString linkedIn = appsDir() + "org.example.Linked.desktop";
    QFile::remove(linkedIn);
    ASSERT_TRUE(QFile::link(outside, linkedIn));

    otherFiles({dotted, outside});
    {
        PopUps boxes;
        boxes.answer({false, true});
        const std::optional<QString> chosen = chooseWith([&](LaunchChooserView& view) {
            QTest::mouseClick(view.otherBtn(), Qt::LeftButton);
            EXPECT_TRUE(HvModal::isRunning(view.window())) << "refused: the choice goes on";
            EXPECT_TRUE(view.chosenPath().isEmpty());
            QTest::mouseClick(view.otherBtn(), Qt::LeftButton);
        });
        EXPECT_EQ(chosen, outside);
        ASSERT_EQ(boxes.texts.size(), 2);
        EXPECT_TRUE(boxes.texts[0].contains(outside)) << qPrintable(boxes.texts[0]);
        EXPECT_TRUE(boxes.texts[0].contains("Calculator")) << "the name it gives itself";
    }

    const QStringList inside{throughLink, entryPath("Calendar")};
    otherFiles(inside);
    for (const QString& path : inside) {
        PopUps boxes;
        const std::optional<QString> chosen =
            chooseWith([&](LaunchChooserView& view) { view.otherBtn()->click(); });
        EXPECT_EQ(chosen, QFileInfo(path).absoluteFilePath());
        EXPECT_TRUE(boxes.texts.isEmpty()) << qPrintable(boxes.texts.join('\n'));
    }

    otherFiles({linkedIn});
    PopUps boxes;
    boxes.answer({false});
    const std::optional<QString> chosen = chooseWith([&](LaunchChooserView& view) {
        view.otherBtn()->click();
        view.cancelBtn()->click();
    });
    EXPECT_EQ(chosen, std::nullopt);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(outside)) << qPrintable(boxes.texts[0]);
    QFile::remove(linkedIn); // the other tests list the folder
}

} // namespace
