#include "LaunchChooserView.h"

#include "AppChooserLayout.h"
#include "DialogKeys.h"
#include "HvAction.h"
#include "HvButton.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvTextField.h"
#include "KxAction.h"
#include "KxControls.h"
#include "LaunchChooserLayout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

const QColor kListBackground = QColor::fromRgbF(0.222f, 0.222f, 0.222f);
const QColor kListBorder = QColor::fromRgbF(0, 0, 0.017f);
const QColor kDimText(0x9a, 0x9e, 0xa6);

LaunchChooserView::FileDialog& fileDialogForTesting() {
    static LaunchChooserView::FileDialog dialog;
    return dialog;
}

// A plain window in grey, for entries without an icon the theme knows.
QIcon genericIcon() {
    QIcon icon;
    for (const int scale : {1, 2}) {
        const int side = LaunchChooserView::kIconSize * scale;
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setPen(QPen(kDimText, 1.5));
        painter.setBrush(QColor(0x2a, 0x2c, 0x31));
        painter.drawRoundedRect(QRectF(3.75, 4.75, 16.5, 14.5), 2.5, 2.5);
        painter.fillRect(QRectF(4.5, 5.5, 15, 3), kDimText);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Draws a row's icon as it is: the style would tint the selected row's with the application's
// highlight colour, which is not this list's.
class UntintedIconDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        const QIcon icon = row.icon;
        row.icon = QIcon(); // drawn without it; its place stays
        const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
        const QRect place =
            style->subElementRect(QStyle::SE_ItemViewItemDecoration, &row, row.widget);
        icon.paint(painter, place, row.decorationAlignment, QIcon::Normal);
    }
};

QIcon iconOf(const QString& name, const QIcon& generic) {
    if (name.isEmpty())
        return generic;
    if (QDir::isAbsolutePath(name))
        return QFileInfo(name).isFile() ? QIcon(name) : generic;
    return QIcon::fromTheme(name,
                            QIcon::fromTheme(QStringLiteral("application-x-executable"), generic));
}

// Whether the file lies in one of the folders the desktop's installed entries come from (the
// "applications" folders of XDG_DATA_HOME and XDG_DATA_DIRS), links resolved on both sides.
bool inApplicationFolders(const QFileInfo& file) {
    const QString real = file.canonicalFilePath();
    if (real.isEmpty())
        return false;
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    return std::any_of(folders.begin(), folders.end(), [&real](const QString& folder) {
        const QString root = QFileInfo(folder).canonicalFilePath();
        return !root.isEmpty() && real.startsWith(root + QLatin1Char('/'));
    });
}

// A desktop entry names itself, so one from elsewhere (a download, say) can take a familiar
// application's name: the user is asked, with where it lies, before it is taken.
bool acceptEntryFromElsewhere(const QFileInfo& file) {
    const std::optional<QString> name = InstalledApplications::displayName(file.absoluteFilePath());
    QString where = file.absoluteFilePath();
    if (const QString real = file.canonicalFilePath(); real != where)
        where += QCoreApplication::translate("LaunchChooserView", " (a link to %1)").arg(real);
    const QString question =
        name ? QStringLiteral("\u201c%1\u201d is a desktop entry from outside the applications "
                              "folders:\n%2\nAny entry can take an application's name. Start "
                              "what it names with this button?")
                   .arg(*name, where)
             : QCoreApplication::translate(
                   "LaunchChooserView",
                   "This desktop entry is outside the applications folders and names no "
                   "application this desktop can start:\n%1\nTake it for this button "
                   "anyway?")
                   .arg(where);
    return HvAction::ChooseInfoMessage(question);
}

} // namespace

namespace {

const KxLayout::View& layoutFor(LaunchChooserView::Purpose purpose) {
    return purpose == LaunchChooserView::Purpose::Launch ? LaunchChooserLayout::kView
                                                         : AppChooserLayout::kView;
}

} // namespace

LaunchChooserView::LaunchChooserView(Purpose purpose, QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), layoutFor(purpose).size), parent),
      layout_(layoutFor(purpose)) {
    setImageByName(KxLayout::text(layout_.name) + QStringLiteral("_Normal.png"));
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }}, {kCancelTag, [this] { end(0); }}});
    new DialogKeys(
        this, [this] { ok(); }, [this] { end(0); }, cancelBtn_);
}

// In its window, typing goes to the filter.
void LaunchChooserView::initNotify() {
    filterTxt_->setFocus(Qt::OtherFocusReason);
}

void LaunchChooserView::setFileDialogForTesting(FileDialog dialog) {
    fileDialogForTesting() = std::move(dialog);
}

void LaunchChooserView::initControls() {
    const KxControls controls(layout_, this,
                              {{"appList", [this] { return appList_ = new QListWidget; }}});
    filterTxt_ = controls.get<HvTextField>("filterTxt");
    filterTxt_->setBordered(false); // the picture has the field's edge
    filterTxt_->setPlaceholderText(
        QCoreApplication::translate("LaunchChooserView", "Type to filter"));
    QPalette palette = filterTxt_->palette();
    palette.setColor(QPalette::PlaceholderText, kDimText);
    filterTxt_->setPalette(palette);
    filterTxt_->installEventFilter(this);
    connect(filterTxt_, &HvTextField::textChanged, this, &LaunchChooserView::applyFilter);

    appList_->setIconSize(QSize(kIconSize, kIconSize));
    appList_->setUniformItemSizes(true);
    appList_->setSelectionMode(QAbstractItemView::SingleSelection);
    appList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    appList_->setTextElideMode(Qt::ElideRight);
    appList_->setItemDelegate(new UntintedIconDelegate(appList_));
    QFont listFont = QApplication::font();
    listFont.setPixelSize(12);
    appList_->setFont(listFont);
    appList_->setStyleSheet(
        QStringLiteral(
            "QListWidget { background: %1; color: white; border: 1px solid %2; outline: 0; }"
            "QListWidget::item { padding: 3px 4px; border: none; }"
            "QListWidget::item:hover { background: %3; }"
            "QListWidget::item:selected { background: %4; color: white; }"
            "QScrollBar:vertical { background: %1; width: 10px; margin: 0; }"
            "QScrollBar::handle:vertical { background: %5; border-radius: 3px; margin: 2px;"
            " min-height: 24px; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
            .arg(kListBackground.name(), kListBorder.name(), kListBackground.lighter(130).name(),
                 HvButton::accentColor().name(), kListBackground.lighter(190).name()));
    connect(appList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        appList_->setCurrentItem(item);
        ok();
    });

    // Said in the list while it shows no row.
    emptyLbl_ = new QLabel(appList_);
    emptyLbl_->setGeometry(appList_->rect().adjusted(12, 12, -12, -12));
    emptyLbl_->setTextFormat(Qt::PlainText); // it repeats what was typed
    emptyLbl_->setAlignment(Qt::AlignCenter);
    emptyLbl_->setWordWrap(true);
    emptyLbl_->setFont(listFont);
    emptyLbl_->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(kDimText.name()));
    emptyLbl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptyLbl_->hide();

    otherBtn_ = controls.button("otherBtn");
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void LaunchChooserView::refreshData() {
    setApplications(InstalledApplications::list());
}

QIcon LaunchChooserView::applicationIcon(const QString& iconName) {
    return iconOf(iconName, genericIcon());
}

void LaunchChooserView::setApplications(const QList<InstalledApplication>& applications) {
    const QIcon generic = genericIcon();
    appList_->clear();
    for (const InstalledApplication& application : applications) {
        auto* item =
            new QListWidgetItem(iconOf(application.iconName, generic), application.name, appList_);
        item->setData(kPathRole, application.desktopFile);
        item->setToolTip(application.desktopFile);
    }
    applyFilter();
}

// Rows whose name holds the typed text, in any case; the first of them is current.
void LaunchChooserView::applyFilter() {
    const QString typed = filterTxt_->text().trimmed();
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < appList_->count(); ++row) {
        QListWidgetItem* item = appList_->item(row);
        const bool shown = item->text().contains(typed, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
    }
    if (first) {
        appList_->setCurrentItem(first);
        appList_->scrollToItem(first);
    } else {
        appList_->setCurrentItem(nullptr);
        appList_->clearSelection();
    }
    okBtn_->setEnabled(first != nullptr);
    if (appList_->count() == 0)
        emptyLbl_->setText(QCoreApplication::translate(
            "LaunchChooserView",
            "No installed applications were found: \u201cOther file\u2026\u201d "
            "takes any program."));
    else
        emptyLbl_->setText(QCoreApplication::translate("LaunchChooserView",
                                                       "No application matches \u201c%1\u201d.")
                               .arg(typed));
    emptyLbl_->setVisible(!first);
}

// Up and Down (and their pages) in the filter move the list's current row.
bool LaunchChooserView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filterTxt_ || event->type() != QEvent::KeyPress)
        return RirImageView::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QApplication::sendEvent(appList_, event);
        return true;
    default:
        return false;
    }
}

void LaunchChooserView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    switch (button->tag()) {
    case kOtherTag:
        chooseOtherFile();
        break;
    default:
        RirImageView::buttonAction(sender);
        break;
    }
}

void LaunchChooserView::ok() {
    // Enter on the focused "Other file…" means that button.
    if (otherBtn_ && window()->focusWidget() == otherBtn_) {
        chooseOtherFile();
        return;
    }
    const QListWidgetItem* item = appList_->currentItem();
    if (!item || item->isHidden()) {
        filterTxt_->setFocus(Qt::OtherFocusReason);
        return;
    }
    chosenPath_ = item->data(kPathRole).toString();
    end(1);
}

void LaunchChooserView::chooseOtherFile() {
    const QString path = fileDialogForTesting()
                             ? fileDialogForTesting()()
                             : QFileDialog::getOpenFileName(
                                   this,
                                   QCoreApplication::translate(
                                       "LaunchChooserView", "Choose the program or file to start"),
                                   QDir::homePath());
    // Nothing chosen, or it went away meanwhile: the choice goes on.
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return;
    if (file.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0 &&
        !inApplicationFolders(file) && !acceptEntryFromElsewhere(file))
        return;
    chosenPath_ = file.absoluteFilePath();
    end(1);
}

void LaunchChooserView::end(int code) {
    if (code == 0)
        chosenPath_.clear();
    HvModal::stopModal(window(), code);
}

std::optional<QString> LaunchChooserView::choose(QWidget* over, Purpose purpose) {
    const QPointer<QWidget> owner = over ? over->window() : nullptr;
    const KxLayout::View& layout = layoutFor(purpose);
    HvNoTitleWindow window(QRect(QPoint(0, 0), layout.size));
    window.setIsCanDrag(true);
    window.setDragHeight(layout.dragHeight);
    window.setWindowTitle(
        purpose == Purpose::Launch
            ? QCoreApplication::translate("LaunchChooserView", "Application launcher")
            : QCoreApplication::translate("LaunchChooserView", "Application for a rule"));
    window.setAccessibleRole(QAccessible::Dialog);
    auto* view = new LaunchChooserView(purpose);
    window.setContentView(view);
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.setGeometry(frame);
    }
    const QPointer<LaunchChooserView> alive(view);
    const int code = HvModal::runModal(&window);
    std::optional<QString> chosen;
    if (code == 1 && alive && !alive->chosenPath().isEmpty())
        chosen = alive->chosenPath();
    // The run is over; the opener's window takes the keyboard again.
    if (owner) {
        owner->raise();
        owner->activateWindow();
    }
    return chosen;
}
