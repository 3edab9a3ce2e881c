#pragma once

#include "AppRulesDaemon.h"
#include "HvSetpPanelObj.h"
#include "KxAppRules.h"
#include "RirImageView.h"
#include "Workspace/InstalledApplications.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class HvButton;
class QLabel;
class QListWidget;
class QMenu;

// The application rules: the switch that makes the mouse's profile follow the application in
// front, one row per rule (the application's name, or its id marked "not installed" when no
// installed application has it, and its profile), and the profile for any other application
// (or none: it stays as it is). "Add…" takes an installed application from the launcher's
// chooser, or the application that was in front before this window, as the background program
// tells it; a line says whether this desktop lets the rules act at all.
//
// The rules are read from the preferences when the view is made and edited in a copy. OK writes
// them by the one change path of the rules (KxAppRulesUpdate: under their lock, atomically, the
// background program told), ending the run with 1; when the write
// fails the user is told why and the view stays open. Cancel (Escape, the window closed) ends
// the run with 0 and writes nothing. Rules a hand edit broke are not read as none: the view says
// what is wrong and offers to start over with no rules, which replace them only with OK.
//
// In the list, keys 1 to 5 set the selected rule's profile and Delete removes it.
class AppRulesView : public RirImageView, public HvSetpPanelDelegate {
    Q_OBJECT
public:
    static constexpr int kEnabledTag = 5400;
    static constexpr int kAddTag = 5401;
    static constexpr int kRemoveTag = 5402;
    static constexpr int kOkTag = 5403;
    static constexpr int kCancelTag = 5404;
    // A row's rule, in its item.
    static constexpr int kAppRole = Qt::UserRole;
    static constexpr int kProfileRole = Qt::UserRole + 1;
    static constexpr int kInstalledRole = Qt::UserRole + 2;

    explicit AppRulesView(QWidget* parent = nullptr);

    // Answers "Add… → Installed application" in place of the chooser: the desktop file it
    // returns, none for cancelled. An empty function brings the chooser back.
    using ApplicationChooser = std::function<std::optional<QString>()>;
    static void setApplicationChooserForTesting(ApplicationChooser chooser);

    // The rules as edited; what OK writes.
    const KxAppRules& rules() const { return rules_; }
    // Why the stored rules could not be read; empty when they could (or after starting over).
    const QString& brokenReason() const { return brokenReason_; }
    // Replaces the installed applications the rows are named by (read when made).
    void setInstalledApplications(const QList<InstalledApplication>& installed);

    // The rule for an application: added with profile 1, or its existing row; selected.
    void addRule(const QString& app);
    // Drops the stored rules a hand edit broke; nothing is written until OK.
    void startOver();
    // The sentence of the availability line for a desktop's answer, none for no answer.
    static QString availabilityText(const std::optional<AppRulesDaemon::Availability>& answer);
    // The availability line as the background program's answer says (called with its answer).
    void showAvailability(const std::optional<AppRulesDaemon::Availability>& answer);

    HvButton* enabledChk() const { return enabledChk_; }
    QLabel* availabilityLbl() const { return availabilityLbl_; }
    HvButton* addBtn() const { return addBtn_; }
    QMenu* addMenu() const { return addMenu_; }
    QListWidget* ruleList() const { return ruleList_; }
    HvSetpPanelObj* ruleProfileSetp() const { return ruleProfileSetp_; }
    HvButton* removeBtn() const { return removeBtn_; }
    HvSetpPanelObj* otherwiseSetp() const { return otherwiseSetp_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }

    void initData() override;
    void initControls() override;
    void refreshData() override;
    void initNotify() override;
    void buttonAction(QObject* sender) override;
    void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The switch, the rules and "otherwise" as the edited rules hold them.
    void showControls();
    void fillRules(int selectRow);
    void showSelectedRule();
    void setSelectedProfile(int profile);
    void removeSelected();
    void addInstalledApplication();
    void addFrontApplication();
    void askToStartOver();
    void ok();
    void cancel();
    // The rule's row as shown and spoken.
    void describeRow(int row);

    KxAppRules rules_;
    QString brokenReason_;
    QList<InstalledApplication> installed_;
    bool filling_ = false;
    bool askingFront_ = false;

    HvButton* enabledChk_ = nullptr;
    QLabel* availabilityLbl_ = nullptr;
    HvButton* addBtn_ = nullptr;
    QMenu* addMenu_ = nullptr;
    QListWidget* ruleList_ = nullptr;
    QLabel* emptyLbl_ = nullptr;
    HvSetpPanelObj* ruleProfileSetp_ = nullptr;
    HvButton* removeBtn_ = nullptr;
    HvSetpPanelObj* otherwiseSetp_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
};
