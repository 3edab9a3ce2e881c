#include "AppRulesView.h"

#include "AppRulesLayout.h"
#include "DialogKeys.h"
#include "HvAction.h"
#include "HvButton.h"
#include "KxAppRulesUpdate.h"
#include "KxControls.h"
#include "KxTextLook.h"
#include "LaunchChooserView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

const QColor kListBackground = QColor::fromRgbF(0.222f, 0.222f, 0.222f);
const QColor kListBorder = QColor::fromRgbF(0, 0, 0.017f);
const QColor kDimText(0x9a, 0x9e, 0xa6);
constexpr int kRowHeight = 28;
constexpr int kIconSide = 20;

AppRulesView::ApplicationChooser& chooserForTesting() {
    static AppRulesView::ApplicationChooser chooser;
    return chooser;
}

QFont listFont() {
    QFont font = QApplication::font();
    font.setPixelSize(12);
    return font;
}

// A rule's row: the application's icon and name (its id, dimmed and marked, when it is not
// installed) and, at the right, its profile.
class RuleRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const QRect row = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(row, HvButton::accentColor());
        else if (option.state & QStyle::State_MouseOver)
            painter->fillRect(row, kListBackground.lighter(130));
        const bool installed = index.data(AppRulesView::kInstalledRole).toBool();
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const QRect iconPlace(row.left() + 6, row.center().y() - kIconSide / 2 + 1, kIconSide,
                              kIconSide);
        icon.paint(painter, iconPlace, Qt::AlignCenter,
                   installed ? QIcon::Normal : QIcon::Disabled);

        painter->setFont(option.font);
        const QFontMetrics metrics(option.font);
        const QString profile = QCoreApplication::translate("AppRulesView", "Profile %1")
                                    .arg(index.data(AppRulesView::kProfileRole).toInt());
        const int profileWidth = metrics.horizontalAdvance(profile);
        const QRect profilePlace(row.right() - 10 - profileWidth, row.top(), profileWidth,
                                 row.height());
        painter->setPen(selected ? QColor(Qt::white) : kDimText);
        painter->drawText(profilePlace, Qt::AlignVCenter | Qt::AlignRight, profile);

        QRect namePlace(iconPlace.right() + 8, row.top(), 0, row.height());
        namePlace.setRight(profilePlace.left() - 12);
        const QString mark =
            installed ? QString() : QCoreApplication::translate("AppRulesView", "not installed");
        const int markWidth = mark.isEmpty() ? 0 : metrics.horizontalAdvance(mark) + 10;
        const QString name = metrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                Qt::ElideRight, namePlace.width() - markWidth);
        painter->setPen(installed || selected ? QColor(Qt::white) : KxTextLook::kTextDim);
        painter->drawText(namePlace, Qt::AlignVCenter | Qt::AlignLeft, name);
        if (!mark.isEmpty()) {
            QFont italic = option.font;
            italic.setItalic(true);
            painter->setFont(italic);
            painter->setPen(selected ? QColor(Qt::white) : kDimText);
            const QRect markPlace(namePlace.left() + metrics.horizontalAdvance(name) + 10,
                                  row.top(), markWidth, row.height());
            painter->drawText(markPlace, Qt::AlignVCenter | Qt::AlignLeft, mark);
        }
        painter->restore();
    }
};

} // namespace

AppRulesView::AppRulesView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), AppRulesLayout::kView.size), parent) {
    setImageByName(QStringLiteral("AppRulesView_Normal.png"));
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }}, {kCancelTag, [this] { cancel(); }}});
    auto* keys = new DialogKeys(
        this, [this] { ok(); }, [this] { cancel(); }, cancelBtn_);
    // Enter on Add and Remove is theirs; the menu of Add is a window of its own, whose Enter
    // and Escape pick and close it.
    keys->setEnterTaker(
        [this](const QObject* control) { return control == addBtn_ || control == removeBtn_; });
    addMenu_->removeEventFilter(keys);
}

void AppRulesView::setApplicationChooserForTesting(ApplicationChooser chooser) {
    chooserForTesting() = std::move(chooser);
}

void AppRulesView::initData() {
    const KxAppRules::Parsed stored = KxAppRules::load();
    if (stored.rules)
        rules_ = *stored.rules;
    else
        brokenReason_ = stored.errorText();
    installed_ = InstalledApplications::list();
}

void AppRulesView::initControls() {
    const KxControls controls(
        AppRulesLayout::kView, this,
        {{"availabilityLbl", [this] { return availabilityLbl_ = new QLabel; }},
         {"ruleList", [this] { return ruleList_ = new QListWidget; }}});
    enabledChk_ = controls.button("enabledChk");
    addBtn_ = controls.button("addBtn");
    removeBtn_ = controls.button("removeBtn");
    ruleProfileSetp_ = controls.group("Profile of the selected application");
    otherwiseSetp_ = controls.group("Otherwise");
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");

    availabilityLbl_->setTextFormat(Qt::PlainText);
    availabilityLbl_->setWordWrap(true);
    availabilityLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    availabilityLbl_->setFont(listFont());
    availabilityLbl_->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(kDimText.name()));

    ruleList_->setFont(listFont());
    ruleList_->setUniformItemSizes(true);
    ruleList_->setSelectionMode(QAbstractItemView::SingleSelection);
    ruleList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ruleList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ruleList_->setMouseTracking(true);
    ruleList_->setItemDelegate(new RuleRowDelegate(ruleList_));
    ruleList_->setStyleSheet(
        QStringLiteral(
            "QListWidget { background: %1; color: white; border: 1px solid %2; outline: 0; }"
            "QScrollBar:vertical { background: %1; width: 10px; margin: 0; }"
            "QScrollBar::handle:vertical { background: %3; border-radius: 3px; margin: 2px;"
            " min-height: 24px; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
            .arg(kListBackground.name(), kListBorder.name(), kListBackground.lighter(190).name()));
    ruleList_->installEventFilter(this);
    connect(ruleList_, &QListWidget::currentRowChanged, this, [this] { showSelectedRule(); });

    // Said in the list while it has no rule.
    emptyLbl_ = new QLabel(ruleList_);
    emptyLbl_->setGeometry(ruleList_->rect().adjusted(16, 12, -16, -12));
    emptyLbl_->setTextFormat(Qt::PlainText); // it may quote the preferences file
    emptyLbl_->setAlignment(Qt::AlignCenter);
    emptyLbl_->setWordWrap(true);
    emptyLbl_->setFont(listFont());
    emptyLbl_->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(kDimText.name()));
    emptyLbl_->setAttribute(Qt::WA_TransparentForMouseEvents);

    addMenu_ = new QMenu(this);
    addMenu_->setObjectName(QStringLiteral("addMenu"));
    addMenu_->setWindowTitle(tr("Add a rule"));
    addMenu_->setStyleSheet(
        QStringLiteral("QMenu { background: #383838; color: white; border: 1px solid #000004; "
                       "padding: 4px 0; }"
                       "QMenu::item { padding: 5px 24px 5px 16px; }"
                       "QMenu::item:selected { background: %1; }")
            .arg(HvButton::accentColor().name()));
    addMenu_->addAction(tr("Installed application…"), this, &AppRulesView::addInstalledApplication);
    addMenu_->addAction(tr("The application in front before this window"), this,
                        &AppRulesView::addFrontApplication);
}

void AppRulesView::refreshData() {
    showControls();
    availabilityLbl_->setText(tr("Asking the background program about this desktop…"));
    availabilityLbl_->setAccessibleDescription(availabilityLbl_->text());
}

void AppRulesView::showControls() {
    filling_ = true;
    enabledChk_->setChecked(rules_.enabled);
    otherwiseSetp_->setSelectIndex(rules_.otherwise ? *rules_.otherwise + 1 : 1);
    filling_ = false;
    fillRules(rules_.rules.isEmpty() ? -1 : 0);
    // Broken rules are not edited: only starting over (offered when shown) or Cancel.
    for (QWidget* control : std::initializer_list<QWidget*>{enabledChk_, addBtn_, okBtn_})
        control->setEnabled(brokenReason_.isEmpty());
    for (HvButton* item : otherwiseSetp_->items())
        item->setEnabled(brokenReason_.isEmpty());
}

void AppRulesView::initNotify() {
    onRunEndedOtherwise([this] { cancel(); });
    AppRulesDaemon::askAvailability(
        this,
        [this](std::optional<AppRulesDaemon::Availability> answer) { showAvailability(answer); });
    if (!brokenReason_.isEmpty())
        QTimer::singleShot(0, this, &AppRulesView::askToStartOver);
}

void AppRulesView::setInstalledApplications(const QList<InstalledApplication>& installed) {
    installed_ = installed;
    fillRules(ruleList_->currentRow());
}

QString AppRulesView::availabilityText(const std::optional<AppRulesDaemon::Availability>& answer) {
    if (!answer)
        return tr("The background program is not running, so the rules do not act now. They are "
                  "kept for when it runs.");
    if (answer->available)
        return tr("This desktop tells which application is in front: the rules act once they are "
                  "saved.");
    if (answer->desktop == QLatin1String("gnome-wayland"))
        return tr("Application rules are not available on this desktop: GNOME on Wayland does "
                  "not tell other programs which window is in front.");
    if (answer->desktop == QLatin1String("wayland"))
        return tr("Application rules are not available on this desktop: its Wayland compositor "
                  "does not tell other programs which window is in front.");
    if (answer->desktop == QLatin1String("no-display"))
        return tr("Application rules are not available: the background program has no display "
                  "to watch.");
    return tr("Application rules are not available on this desktop (%1).").arg(answer->desktop);
}

void AppRulesView::showAvailability(const std::optional<AppRulesDaemon::Availability>& answer) {
    availabilityLbl_->setText(availabilityText(answer));
    // Its name says what it is about; the sentence is what a screen reader reads after it.
    availabilityLbl_->setAccessibleDescription(availabilityLbl_->text());
}

void AppRulesView::fillRules(int selectRow) {
    filling_ = true;
    ruleList_->clear();
    const QIcon generic = LaunchChooserView::applicationIcon(QString());
    for (const KxAppRule& rule : std::as_const(rules_.rules)) {
        const auto installed = KxAppRules::installedApplication(rule.app, installed_);
        auto* item = new QListWidgetItem(ruleList_);
        item->setText(installed ? installed->name : rule.app);
        item->setIcon(installed ? LaunchChooserView::applicationIcon(installed->iconName)
                                : generic);
        item->setData(kAppRole, rule.app);
        item->setData(kInstalledRole, bool(installed));
        item->setToolTip(rule.app);
        describeRow(ruleList_->count() - 1);
    }
    if (!brokenReason_.isEmpty())
        emptyLbl_->setText(
            tr("The rules in the preferences could not be read:\n%1").arg(brokenReason_));
    else
        emptyLbl_->setText(tr("No rules yet: “Add…” makes one."));
    emptyLbl_->setVisible(rules_.rules.isEmpty());
    filling_ = false;
    if (selectRow >= ruleList_->count())
        selectRow = ruleList_->count() - 1;
    ruleList_->setCurrentRow(selectRow);
    if (selectRow >= 0)
        ruleList_->scrollToItem(ruleList_->item(selectRow));
    showSelectedRule();
}

void AppRulesView::describeRow(int row) {
    QListWidgetItem* item = ruleList_->item(row);
    if (!item || row >= rules_.rules.size())
        return;
    const int profile = rules_.rules[row].profile;
    item->setData(kProfileRole, profile);
    const bool installed = item->data(kInstalledRole).toBool();
    item->setData(Qt::AccessibleTextRole,
                  (installed ? tr("%1, profile %2") : tr("%1, not installed, profile %2"))
                      .arg(item->text())
                      .arg(profile));
}

void AppRulesView::showSelectedRule() {
    if (filling_)
        return;
    const int row = ruleList_->currentRow();
    const bool chosen = row >= 0 && row < rules_.rules.size();
    filling_ = true;
    for (HvButton* item : ruleProfileSetp_->items()) {
        item->setEnabled(chosen);
        item->setChecked(false);
    }
    if (chosen)
        ruleProfileSetp_->setSelectIndex(rules_.rules[row].profile);
    filling_ = false;
    removeBtn_->setEnabled(chosen);
}

void AppRulesView::setSelectedProfile(int profile) {
    const int row = ruleList_->currentRow();
    if (row < 0 || row >= rules_.rules.size() || profile < 1 || profile > KxAppRules::kProfiles)
        return;
    rules_.rules[row].profile = profile;
    describeRow(row);
    ruleList_->viewport()->update();
    showSelectedRule();
}

void AppRulesView::removeSelected() {
    const int row = ruleList_->currentRow();
    if (row < 0 || row >= rules_.rules.size())
        return;
    rules_.rules.removeAt(row);
    fillRules(row);
    ruleList_->setFocus(Qt::OtherFocusReason);
}

void AppRulesView::addRule(const QString& app) {
    if (!brokenReason_.isEmpty() || !KxAppRules::checkApp(app).isEmpty())
        return;
    if (rules_.indexOf(app) < 0) {
        if (rules_.rules.size() >= KxAppRules::kMaxRules) {
            HvAction::showInfoMessage(
                tr("There are %1 rules already, as many as are kept.").arg(KxAppRules::kMaxRules));
            return;
        }
        rules_.set(app, 1);
    }
    fillRules(rules_.indexOf(app));
    ruleList_->setFocus(Qt::OtherFocusReason);
}

// The rule names the application by its desktop id; an entry gone from the installed ones
// meanwhile by its file's name.
void AppRulesView::addInstalledApplication() {
    const std::optional<QString> chosen =
        chooserForTesting()
            ? chooserForTesting()()
            : LaunchChooserView::choose(this, LaunchChooserView::Purpose::RuleApplication);
    if (!chosen)
        return;
    QString app;
    const QString real = QFileInfo(*chosen).canonicalFilePath();
    installed_ = InstalledApplications::list();
    for (const InstalledApplication& entry : std::as_const(installed_))
        if (entry.desktopFile == *chosen ||
            (!real.isEmpty() && QFileInfo(entry.desktopFile).canonicalFilePath() == real)) {
            app = entry.id;
            break;
        }
    if (app.isEmpty())
        app = QFileInfo(*chosen).fileName();
    if (const QString why = KxAppRules::checkApp(app); !why.isEmpty()) {
        HvAction::showInfoMessage(tr("“%1” cannot be a rule's application: it %2.").arg(app, why));
        return;
    }
    addRule(app);
}

void AppRulesView::addFrontApplication() {
    if (askingFront_)
        return;
    askingFront_ = true;
    addBtn_->setEnabled(false);
    AppRulesDaemon::askFrontApplication(
        this, [this](std::optional<AppRulesDaemon::FrontApplication> answer) {
            askingFront_ = false;
            addBtn_->setEnabled(brokenReason_.isEmpty());
            if (!answer) {
                HvAction::showInfoMessage(tr("The background program is not running, so it "
                                             "cannot tell which application was in front."));
                return;
            }
            if (answer->app.trimmed().isEmpty()) {
                HvAction::showInfoMessage(
                    tr("The background program does not know yet which application was in "
                       "front. Bring that application to the front, then come back and add it."));
                return;
            }
            // The name comes from another program: checked like one typed into a file.
            if (const QString why = KxAppRules::checkApp(answer->app); !why.isEmpty()) {
                HvAction::showInfoMessage(
                    tr("The background program named an application that cannot be a rule's: "
                       "its name %1.")
                        .arg(why));
                return;
            }
            addRule(answer->app);
        });
}

void AppRulesView::askToStartOver() {
    if (brokenReason_.isEmpty())
        return;
    if (HvAction::ChooseInfoMessage(
            tr("The application rules in the preferences could not be read:\n%1\nStart over with "
               "no rules? The broken ones are replaced only when you press OK.")
                .arg(brokenReason_)))
        startOver();
    else
        cancel();
}

void AppRulesView::startOver() {
    brokenReason_.clear();
    rules_ = KxAppRules();
    showControls();
}

void AppRulesView::onSelectIndex(int index, int /*oldIndex*/, HvSetpPanelObj* sender) {
    if (filling_)
        return;
    if (sender == ruleProfileSetp_)
        setSelectedProfile(index);
    else if (sender == otherwiseSetp_)
        rules_.otherwise = index > 1 ? std::optional<int>(index - 1) : std::nullopt;
}

void AppRulesView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    switch (button->tag()) {
    case kEnabledTag:
        rules_.enabled = enabledChk_->isChecked();
        break;
    case kAddTag:
        addMenu_->popup(addBtn_->mapToGlobal(QPoint(0, addBtn_->height())));
        // Opened on its first item, as a menu button's menu: the keys start there.
        addMenu_->setActiveAction(addMenu_->actions().value(0));
        break;
    case kRemoveTag:
        removeSelected();
        break;
    default:
        RirImageView::buttonAction(sender);
        break;
    }
}

// In the list, 1 to 5 set the selected rule's profile and Delete (or Backspace) removes it.
bool AppRulesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ruleList_ || event->type() != QEvent::KeyPress)
        return RirImageView::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key->key() >= Qt::Key_1 && key->key() <= Qt::Key_5) {
        setSelectedProfile(key->key() - Qt::Key_0);
        return true;
    }
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
        removeSelected();
        return true;
    }
    return false;
}

void AppRulesView::ok() {
    if (!brokenReason_.isEmpty())
        return;
    const KxAppRulesUpdate::Outcome saved = KxAppRulesUpdate::replace(rules_);
    if (!saved.ok) {
        HvAction::showInfoMessage(
            tr("The rules were not saved: %1. They stay here as you set them; OK tries again.")
                .arg(saved.why));
        return;
    }
    endWindowRun(1);
}

void AppRulesView::cancel() {
    endWindowRun(0);
}
