#pragma once

#include "RirImageView.h"
#include "Workspace/InstalledApplications.h"

#include <QIcon>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class HvButton;
class HvTextField;
class QLabel;
class QListWidget;
class QListWidgetItem;

// Chooses what a mouse button starts: one of the installed applications (its desktop entry),
// narrowed by what is typed into the filter, or any other file. The first row left by the filter
// is the current one; Up and Down in the filter move it. OK (Enter, or a double-click on a row)
// takes the current row and ends the run with 1, doing nothing while there is none; "Other
// file…" asks for an existing file and, when one is chosen, takes it and ends with 1 (a desktop
// entry from outside the applications folders, which could pose as any application, only when
// the user says yes to a question that shows where it lies); Cancel (Escape) ends with 0.
class LaunchChooserView : public RirImageView {
    Q_OBJECT
public:
    static constexpr int kOtherTag = 5300;
    static constexpr int kOkTag = 5301;
    static constexpr int kCancelTag = 5302;
    static constexpr int kIconSize = 24;
    // The row's desktop file, in its item.
    static constexpr int kPathRole = Qt::UserRole;

    // What the choice is for: a mouse button's launcher (the installed applications and any
    // other file), or an application rule (the installed applications alone).
    enum class Purpose { Launch, RuleApplication };

    explicit LaunchChooserView(Purpose purpose = Purpose::Launch, QWidget* parent = nullptr);

    // Runs the chooser modally in a borderless window centred on the screen, above over's window
    // when given; the chosen desktop file or file, none when cancelled.
    static std::optional<QString> choose(QWidget* over = nullptr,
                                         Purpose purpose = Purpose::Launch);

    // Answers "Other file…" in place of the file dialog: the path it returns, empty for none.
    // An empty function brings the dialog back.
    using FileDialog = std::function<QString()>;
    static void setFileDialogForTesting(FileDialog dialog);

    // An application's icon by its entry's icon name (a theme name or a file); a plain window
    // where the theme has none.
    static QIcon applicationIcon(const QString& iconName);

    // Replaces the rows (the installed applications when made), keeping what is typed.
    void setApplications(const QList<InstalledApplication>& applications);

    // What OK or "Other file…" took; empty before that and after Cancel.
    const QString& chosenPath() const { return chosenPath_; }

    QListWidget* appList() const { return appList_; }
    HvTextField* filterTxt() const { return filterTxt_; }
    // None for a rule's application.
    HvButton* otherBtn() const { return otherBtn_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }

    void initControls() override;
    void refreshData() override;
    void initNotify() override;
    void buttonAction(QObject* sender) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter();
    void ok();
    void chooseOtherFile();
    void end(int code);

    const KxLayout::View& layout_;
    HvTextField* filterTxt_ = nullptr;
    QListWidget* appList_ = nullptr;
    QLabel* emptyLbl_ = nullptr;
    HvButton* otherBtn_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    QString chosenPath_;
};
