// Renders every window of the configuration program offscreen, through the real widgets, into
// PNG files a person can look at:
//
//   kx-screenshots [--suffix @2x] [--lang <language>] <output folder>
//
// One file per view or pop-up and state (MainView_Over.png, WarningReset.png,
// WarningReset_Down.png, ...), the working dialogs (SingleKeyView_Dialog.png, ...), the loading
// window, a message box and a menu list, then
// contact-sheet.png with all of them. Beside each picture (without a suffix) its accessible tree
// as text (MainView_Default.a11y.txt): role, name, value, description, state and actions of each
// node, so that a change of what assistive technology meets shows in review as a picture's does.
// Run with QT_SCALE_FACTOR=2 and --suffix @2x for the high-density pictures. --lang shows the
// windows in a language of the catalogues ("de", "zh-Hans"), or in "pseudo", a made-up one
// whose every translated text is marked and 40 % longer (PseudoLanguage.h). words.txt lists
// every text shown ("shown<TAB>where<TAB>text") and each one that does not fit its place ("cut").
#include "AppRulesView.h"
#include "CreateMacroView.h"
#include "HvButton.h"
#include "HvMenuData.h"
#include "HvMenulist.h"
#include "HvMessageBox.h"
#include "HvNoTitleWindow.h"
#include "HvProgressBar.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxLanguage.h"
#include "KxLayouts.h"
#include "KxNames.h"
#include "KxSetupMouse.h"
#include "KxTextLook.h"
#include "KxWidgetGlobals.h"
#include "LaunchChooserView.h"
#include "LayoutPreview.h"
#include "LightOptionView.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MacroView.h"
#include "MainView.h"
#include "MenuInfo.h"
#include "PerformanceView.h"
#include "PopDialogView.h"
#include "PseudoLanguage.h"
#include "SetupPreviewView.h"
#include "ShowLoadView.h"
#include "SingleKeyView.h"
#include "TkeyRepeatView.h"
#include "TkeyView.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// A window as it looks and as assistive technology meets it.
struct Grabbed {
    QPixmap pixmap;
    QString tree;
};
struct Shot {
    Shot(QString name_, Grabbed grabbed)
        : name(std::move(name_)), pixmap(std::move(grabbed.pixmap)), tree(std::move(grabbed.tree)) {
    }
    QString name;
    QPixmap pixmap;
    QString tree;
};

// One line per shown node, indented by depth: role "name" = value (description) {states}
// [actions].
void writeTree(QAccessibleInterface* node, int depth, QTextStream& out) {
    if (!node || !node->isValid() || node->state().invisible)
        return;
    static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    out << QString(depth * 2, QLatin1Char(' ')) << roles.valueToKey(node->role());
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty())
        out << " \"" << name << '"';
    QString value = node->text(QAccessible::Value);
    if (QAccessibleValueInterface* v = node->valueInterface())
        value = QStringLiteral("%1 in %2..%3")
                    .arg(v->currentValue().toString(), v->minimumValue().toString(),
                         v->maximumValue().toString());
    else if (QAccessibleTextInterface* t = node->textInterface(); t && value.isEmpty())
        value = t->text(0, t->characterCount());
    if (!value.isEmpty())
        out << " = " << value;
    const QString description = node->text(QAccessible::Description);
    if (!description.isEmpty())
        out << " (" << description << ')';
    const QAccessible::State state = node->state();
    QStringList states;
    if (state.checked)
        states << QStringLiteral("checked");
    if (state.disabled)
        states << QStringLiteral("disabled");
    if (state.readOnly)
        states << QStringLiteral("read only");
    if (state.focused)
        states << QStringLiteral("focused");
    if (!states.isEmpty())
        out << " {" << states.join(QStringLiteral(", ")) << '}';
    if (QAccessibleActionInterface* actions = node->actionInterface();
        actions && !actions->actionNames().isEmpty())
        out << " [" << actions->actionNames().join(QStringLiteral(", ")) << ']';
    out << '\n';
    for (int i = 0; i < node->childCount(); ++i)
        writeTree(node->child(i), depth + 1, out);
}

using KxLayout::State;

// The texts the windows show, and those that do not fit their places: "shown" and "cut" lines.
class Words {
public:
    void shown(const QString& where, const QString& text) { add("shown", where, text); }
    void cut(const QString& where, const QString& text) { add("cut", where, text); }
    QByteArray report() const { return lines_.join(QLatin1Char('\n')).toUtf8() + '\n'; }

private:
    void add(const char* kind, const QString& where, const QString& text) {
        if (text.trimmed().isEmpty())
            return;
        QString flat = text;
        flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString line = QStringLiteral("%1\t%2\t%3").arg(QLatin1String(kind), where, flat);
        if (!seen_.contains(line)) {
            seen_.insert(line);
            lines_ << line;
        }
    }
    QStringList lines_;
    QSet<QString> seen_;
};
Words words;

// The words of a window's widgets that the code sets (labels, titles, fields) and whether each
// fits; the layouts' drawn words are checked by checkLayouts.
void collectWords(const QString& shot, QWidget* window) {
    words.shown(shot + QStringLiteral(" window title"), window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString where = shot + QLatin1Char('/') + widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            words.shown(where, label->text());
            if (!label->wordWrap() &&
                QFontMetricsF(label->font()).horizontalAdvance(label->text()) >
                    label->contentsRect().width() + 0.5)
                words.cut(where, label->text());
        } else if (auto* button = qobject_cast<HvButton*>(widget)) {
            words.shown(where, button->text());
            if (button->elidedTitle() != button->text())
                words.cut(where, button->text());
        } else if (auto* field = qobject_cast<HvTextField*>(widget)) {
            words.shown(where, field->text());
            words.shown(where + QStringLiteral(" placeholder"), field->placeholderText());
            if (!field->isEditable() &&
                QFontMetricsF(field->font()).horizontalAdvance(field->text()) >
                    field->contentsRect().width())
                words.cut(where, field->text());
        }
    }
}

// Every drawn word of the layouts in the installed language, and whether it fits its place.
void checkLayouts() {
    for (const KxLayout::View* layout : KxLayout::kViews) {
        const char* context = layout->name.data();
        const QString view = KxLayout::text(layout->name);
        for (const KxLayout::Control& c : layout->controls) {
            const QString label = KxLayout::shown(context, c.label);
            const QString where = view + QLatin1Char('/') + KxLayout::text(c.name);
            words.shown(where, label);
            if (!label.isEmpty() &&
                !KxTextLook::placeControlLabel(c, QRectF(c.frame), label).fitted.whole)
                words.cut(where, label);
        }
        for (const KxLayout::Decoration& d : layout->decorations) {
            const QString text = KxLayout::shown(context, d.text);
            const QString where = view + QStringLiteral("/decoration");
            words.shown(where, text);
            if (!text.isEmpty() && !KxTextLook::placeDecoration(d, text).fitted.whole)
                words.cut(where, text);
        }
    }
    for (const PopupLayout::Popup& popup : PopupLayout::kPopups) {
        const QString where = KxLayout::text(popup.name);
        const QString title = KxLayout::shown(PopupLayout::kContext, popup.title);
        const QString message = KxLayout::shown(PopupLayout::kContext, popup.message);
        words.shown(where + QStringLiteral("/title"), title);
        words.shown(where + QStringLiteral("/message"), message);
        if (!KxTextLook::placePopupTitle(QRectF(PopupLayout::kTitleFrame), title).fitted.whole)
            words.cut(where + QStringLiteral("/title"), title);
        if (!KxTextLook::placePopupMessage(QRectF(PopupLayout::kMessageFrame), message)
                 .fitted.whole)
            words.cut(where + QStringLiteral("/message"), message);
    }
}

// Puts every control of a view into a state, the way a pointer or the program would.
void apply(QWidget* view, State state) {
    const auto buttons = view->findChildren<HvButton*>();
    switch (state) {
    case State::Normal:
        break;
    case State::Over:
        for (HvButton* button : buttons) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(button, &enter);
        }
        for (HvProgressBar* bar : view->findChildren<HvProgressBar*>()) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(bar, &enter);
        }
        break;
    case State::Down:
        for (HvButton* button : buttons)
            button->setDown(true);
        break;
    case State::Disable:
        view->setEnabled(false);
        break;
    case State::Active:
        for (HvButton* button : buttons)
            if (button->isCheckable())
                button->setChecked(true);
        break;
    }
}

Grabbed grab(QWidget* widget) {
    widget->show();
    QApplication::processEvents();
    collectWords(widget->objectName().isEmpty()
                     ? QString::fromLatin1(widget->metaObject()->className())
                     : widget->objectName(),
                 widget);
    Grabbed grabbed{widget->grab(), {}};
    QTextStream out(&grabbed.tree);
    writeTree(QAccessible::queryAccessibleInterface(widget), 0, out);
    return grabbed;
}

void shootViews(std::vector<Shot>& shots) {
    for (const KxLayout::View* layout : KxLayout::kViews) {
        for (const State state : KxLayout::statesOf(*layout)) {
            HvNoTitleWindow window(QRect(QPoint(0, 0), layout->size));
            auto* preview = new LayoutPreview(*layout);
            window.setContentView(preview);
            window.show();
            apply(preview, state);
            shots.push_back(
                {KxLayout::pictureName(KxLayout::text(layout->name), state), grab(&window)});
        }
    }
}

void shootPopups(std::vector<Shot>& shots) {
    for (const auto& popup : PopupLayout::kPopups) {
        for (const State state : PopupLayout::kStates) {
            HvNoTitleWindow window(QRect(QPoint(0, 0), PopupLayout::kSize));
            // Told as KxAction::runPopView tells it.
            window.setWindowTitle(KxLayout::shown(PopupLayout::kContext, popup.title));
            window.setAccessibleDescription(KxLayout::shown(PopupLayout::kContext, popup.message));
            window.setAccessibleRole(QAccessible::AlertMessage);
            auto* view = new PopDialogView(QRect(QPoint(0, 0), PopupLayout::kSize),
                                           KxLayout::text(popup.name), popup.withCancel);
            window.setContentView(view);
            view->addButtons(popup.okOrigin(), popup.cancelOrigin());
            window.show();
            apply(view, state);
            const QString name = KxLayout::text(popup.name);
            shots.push_back({state == State::Normal ? name : KxLayout::pictureName(name, state),
                             grab(&window)});
        }
    }
}

// The function dialogs as a person meets them, over a small menu and macro library of their own
// (the user's files are not read).
void shootDialogs(std::vector<Shot>& shots) {
    singleMenuNode = HvTreeNode::makeRoot();
    for (const char* title : {"Left Click", "Right Click", "Back"}) {
        auto entry = std::make_shared<MenuInfo>();
        entry->setTitleStr(QLatin1String(title));
        HvTreeNode::initWithData(entry, *singleMenuNode);
    }
    auto macro = std::make_shared<MacroInfo>();
    macro->setMacroId(1);
    macro->setNameStr(QStringLiteral("Quick reload"));
    macroListArrs = {macro};
    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), SingleKeyViewLayout::kView.size));
        auto* view = new SingleKeyView;
        window.setContentView(view);
        view->onMenulistSelected(view->comMenuList(), singleMenuNode->children()[2].get());
        shots.push_back({QStringLiteral("SingleKeyView_Dialog"), grab(&window)});
    }
    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), TKeyViewLayout::kView.size));
        auto* view = new TkeyView;
        window.setContentView(view);
        _BTN_INFO assigned{};
        assigned.FuncID = KxFuncId::kMacro;
        assigned.MacroID = 1;
        assigned.KeyBit[0] = TkeyView::kRepeatCount;
        assigned.KeyBit[1] = 12;
        view->setTmpBtnInfo(assigned);
        shots.push_back({QStringLiteral("TKeyView_Dialog"), grab(&window)});
    }
    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), TKeyRepeatViewLayout::kView.size));
        auto* view = new TkeyRepeatView;
        window.setContentView(view);
        view->setRepeatCount(1000); // above what the mouse holds: the note shows
        view->makeTxtFirstRes();
        shots.push_back({QStringLiteral("TKeyRepeatView_Dialog"), grab(&window)});
    }
    macroListArrs.clear();
    singleMenuNode.reset();
}

// The macro editor as a person meets it: with no macro yet, while recording, and with a macro
// as full as the mouse holds; then the name dialog with a name typed. Over a library and
// command menu of its own.
void shootMacroEditor(std::vector<Shot>& shots) {
    macroInsertMenuNode = HvTreeNode::makeRoot();
    const std::tuple<const char*, int, int, int> commands[] = {{"Copy (Ctrl+C)", 301, 59, 8},
                                                               {"Paste (Ctrl+V)", 302, 59, 9}};
    for (const auto& [title, id, first, second] : commands) {
        auto entry = std::make_shared<MenuInfo>();
        entry->setTitleStr(QLatin1String(title));
        entry->setFunctionID(id);
        entry->setKeyBit1(first);
        entry->setKeyBit2(second);
        entry->setKeyBit3(255);
        entry->setKeyBit4(255);
        HvTreeNode::initWithData(entry, *macroInsertMenuNode);
    }
    macroListArrs.clear();
    const auto editorShot = [&](const QString& name, const std::function<void(MacroView&)>& set) {
        HvNoTitleWindow window(QRect(QPoint(0, 0), MacroViewLayout::kView.size));
        auto* view = new MacroView;
        window.setContentView(view);
        window.show();
        set(*view);
        shots.push_back({name, grab(&window)});
        view->cancel();
    };
    editorShot(QStringLiteral("MacroView_Empty"), [](MacroView&) {});

    const auto reload = std::make_shared<MacroInfo>();
    reload->setMacroId(1);
    reload->setNameStr(QStringLiteral("Quick reload"));
    reload->keyInfoArr() << MacroKeyInfo(15, 0, 100) << MacroKeyInfo(15, 1, 300)
                         << MacroKeyInfo(120, 3, 0) << MacroKeyInfo(120, 4, 0);
    macroListArrs = {reload};
    editorShot(QStringLiteral("MacroView_Recording"), [&](MacroView& view) {
        view.selectMacro(reload.get());
        view.control(MacroView::kRecordTag)->click();
        for (const auto& [code, flag] :
             std::initializer_list<std::pair<int, int>>{{56, 0}, {13, 0}, {13, 1}})
            view.AddNewKey(code, flag);
    });

    auto full = std::make_shared<MacroInfo>();
    full->setMacroId(2);
    full->setNameStr(QStringLiteral("Build order: barracks, supply, scout"));
    const std::tuple<int, int, int> pattern[] = {
        {59, 0, 0},     {8, 0, 100},   {8, 1, 0},     {59, 1, 200}, {120, 3, 0},
        {120, 4, 1500}, {301, 2, 0},   {49, 0, 0},    {49, 1, 0},   {121, 3, 0},
        {121, 4, 300},  {302, 2, 100}, {18, 0, 0},    {18, 1, 100}, {56, 0, 0},
        {122, 3, 0},    {122, 4, 0},   {56, 1, 2500}, {36, 0, 0},   {36, 1, 0}};
    for (int round = 0; round < 2; ++round)
        for (const auto& [code, flag, delay] : pattern)
            full->keyInfoArr() << MacroKeyInfo(code, flag, delay);
    macroListArrs = {reload, full};
    editorShot(QStringLiteral("MacroView_Full"), [&](MacroView& view) {
        view.selectMacro(full.get());
        view.selectRow(6);
        view.onMenulistSelected(view.macroComList(), macroInsertMenuNode->children().front().get());
        view.control(MacroView::kInsertDefLayChkTag)->click();
    });

    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), CreateMacroLayout::kView.size));
        auto* view = new CreateMacroView;
        window.setContentView(view);
        window.show();
        view->makeTxtFirstRes();
        view->nameTxt()->setText(QStringLiteral("Rocket jump"));
        shots.push_back({QStringLiteral("CreateMacro_Dialog"), grab(&window)});
    }
    macroListArrs.clear();
    KxAction::refreshMenuList();
    macroInsertMenuNode.reset();
}

// The application rules over the sample applications: rules enough to scroll, one for an
// application not installed, on a desktop that tells the application in front; then none, on
// GNOME on Wayland; then none, with no background program.
void shootAppRules(std::vector<Shot>& shots, const QList<InstalledApplication>& installed) {
    HvNoTitleWindow window(QRect(QPoint(0, 0), AppRulesLayout::kView.size));
    auto* view = new AppRulesView;
    window.setContentView(view);
    view->setInstalledApplications(installed);
    view->showAvailability(AppRulesDaemon::Availability{true, QStringLiteral("x11")});
    const std::pair<const char*, int> rules[] = {
        {"org.example.WebBrowser", 1},
        {"org.example.Terminal", 2},
        {"org.example.TextEditor", 2},
        {"org.example.Games", 4},
        {"com.example.SpaceShooter", 5},
        {"org.example.ImageViewer", 3},
        {"org.example.Spreadsheetoftheofficesuite,withanamemuchtoolongforitsrow", 3},
        {"org.example.Calculator", 1},
        {"org.example.Files", 1},
    };
    for (const auto& [app, profile] : rules) {
        view->addRule(QLatin1String(app));
        view->ruleProfileSetp()->setSelectIndex(profile);
    }
    view->otherwiseSetp()->setSelectIndex(2);
    view->ruleList()->setCurrentRow(4);
    shots.push_back({QStringLiteral("AppRulesView_Dialog"), grab(&window)});
    while (view->ruleList()->count() > 0)
        view->removeBtn()->click();
    view->showAvailability(AppRulesDaemon::Availability{false, QStringLiteral("gnome-wayland")});
    shots.push_back({QStringLiteral("AppRulesView_GnomeWayland"), grab(&window)});
    view->showAvailability(std::nullopt);
    shots.push_back({QStringLiteral("AppRulesView_NotRunning"), grab(&window)});
}

// Applications of the screenshots' own (not the machine's), as the desktop lists them.
QList<InstalledApplication> sampleApplications() {
    const std::pair<const char*, const char*> applications[] = {
        {"Calculator", "accessories-calculator"},
        {"Calendar", "x-office-calendar"},
        {"Character Map", "accessories-character-map"},
        {"Dictionary", "accessories-dictionary"},
        {"Document Viewer", "x-office-document"},
        {"Files", "system-file-manager"},
        {"Games", "applications-games"},
        {"Image Viewer", "image-x-generic"},
        {"Screenshot", "applets-screenshooter"},
        {"Spreadsheet of the office suite, with a name much too long for its row",
         "x-office-spreadsheet"},
        {"Terminal", "utilities-terminal"},
        {"Text Editor", "accessories-text-editor"},
        {"Web Browser", "web-browser"},
    };
    QList<InstalledApplication> list;
    for (const auto& [name, icon] : applications) {
        const QString id = QStringLiteral("org.example.%1.desktop")
                               .arg(QString::fromLatin1(name).remove(QLatin1Char(' ')));
        list.append({id, QLatin1String(name), QStringLiteral("/usr/share/applications/") + id,
                     QLatin1String(icon)});
    }
    return list;
}

// The application chooser over the sample applications, as it opens and with a filter typed.
void shootLaunchChooser(std::vector<Shot>& shots) {
    const QList<InstalledApplication> list = sampleApplications();
    // Their icons from a theme of the machine's, where the platform offers none.
    const QString theme = QIcon::themeName();
    const QStringList themePaths = QIcon::themeSearchPaths();
    if (QIcon::fromTheme(QStringLiteral("accessories-calculator")).isNull()) {
        QIcon::setThemeSearchPaths(themePaths +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    HvNoTitleWindow window(QRect(QPoint(0, 0), LaunchChooserLayout::kView.size));
    auto* view = new LaunchChooserView;
    window.setContentView(view);
    view->setApplications(list);
    shots.push_back({QStringLiteral("LaunchChooserView_Dialog"), grab(&window)});
    view->filterTxt()->setText(QStringLiteral("view"));
    shots.push_back({QStringLiteral("LaunchChooserView_Filtered"), grab(&window)});
    view->filterTxt()->setText(QStringLiteral("xyz"));
    shots.push_back({QStringLiteral("LaunchChooserView_NoMatch"), grab(&window)});
    {
        HvNoTitleWindow ruleWindow(QRect(QPoint(0, 0), AppChooserLayout::kView.size));
        auto* ruleChooser = new LaunchChooserView(LaunchChooserView::Purpose::RuleApplication);
        ruleWindow.setContentView(ruleChooser);
        ruleChooser->setApplications(list);
        shots.push_back({QStringLiteral("AppChooserView_Dialog"), grab(&ruleWindow)});
    }
    shootAppRules(shots, list);
    QIcon::setThemeName(theme);
    QIcon::setThemeSearchPaths(themePaths);
}

void shootOthers(std::vector<Shot>& shots) {
    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), ShowLoadView::kSize));
        auto* view = new ShowLoadView;
        window.setContentView(view);
        view->setAnt(true);
        shots.push_back({QStringLiteral("Loading"), grab(&window)});
    }
    {
        // The window's own words, in the language shown.
        HvMessageBox box(
            QCoreApplication::translate("MacroView", "Are you sure you want to Clear Commands?"),
            true);
        shots.push_back({QStringLiteral("MessageBox"), grab(&box)});
        // The longest the window says: a write the mouse did not take, in the words the core
        // and the window use.
        const auto core = [](const char* text) {
            return QCoreApplication::translate("KxSetupMouse", text);
        };
        HvMessageBox failed(
            core("The %1 of profile %2 did not reach the mouse.")
                    .arg(KxNames::listed({KxNames::buttonTitle(1), KxNames::buttonTitle(3),
                                          KxNames::buttonTitle(4)}))
                    .arg(3) +
                QLatin1Char(' ') +
                QCoreApplication::translate("MainView",
                                            "The changes not written are kept: Apply tries again."),
            false);
        shots.push_back({QStringLiteral("MessageBox_WriteFailed"), grab(&failed)});
        // "Import set-up…": what the file changes, before anything is.
        const auto button = [&core](int profile, int index, const QString& from,
                                    const QString& to) {
            return KxSetup::Change{
                core("profile %1 %2").arg(profile).arg(KxNames::buttonTitle(index)), from, to}
                .text();
        };
        const auto names = [](const char* text) {
            return QCoreApplication::translate("KxNames", text);
        };
        const auto change = [](const QString& what, const QString& from, const QString& to) {
            return KxSetup::Change{what, from, to}.text();
        };
        SetupPreviewView preview(
            QCoreApplication::translate("MainView", "Importing %1 changes the mouse:")
                .arg(QStringLiteral("mine.kxsetup")),
            {button(1, 3, QStringLiteral("Back"), QStringLiteral("F5")),
             button(
                 1, 1, QStringLiteral("Right Click"),
                 names("macro %1, %2")
                     .arg(QStringLiteral("Reload"),
                          QCoreApplication::translate("KxNames", "repeat %n times", nullptr, 3))),
             button(1, 4, QStringLiteral("Forward"),
                    names("launch %1").arg(QStringLiteral("/usr/bin/true"))),
             button(3, 2, QStringLiteral("Middle Click"), QStringLiteral("Mute")),
             change(core("DPI stage %1").arg(2), core("%1 DPI").arg(1600),
                    core("%1 DPI").arg(2100)),
             change(core("active DPI stage"), QStringLiteral("1"), QStringLiteral("2")),
             change(core("polling rate"), core("%1 Hz").arg(1000), core("%1 Hz").arg(500)),
             change(core("logo light"), core("on"), core("off")),
             change(core("active profile"), QStringLiteral("1"), QStringLiteral("3")),
             core("macro %1: added to the library").arg(QStringLiteral("Reload"))},
            QCoreApplication::translate("MainView",
                                        "Changes not yet written to the mouse are dropped."));
        shots.push_back({QStringLiteral("SetupPreview"), grab(&preview)});
    }
    {
        auto root = HvTreeNode::makeRoot();
        const char* titles[] = {
            "Mouse", "Left click", "Right click", "Middle click", "Double click", "Keys", "A",
            "B",     "C"};
        for (const char* title : titles) {
            auto data = std::make_shared<HvMenuData>();
            data->setTitleStr(QLatin1String(title));
            data->setType(QByteArray(title) == "Mouse" || QByteArray(title) == "Keys" ? 2 : 0);
            HvTreeNode::initWithData(data, *root);
        }
        HvMenulist list(root.get());
        list.setMenuWidth(146);
        list.showAt(QPoint(0, 0));
        list.listWidget()->setCurrentRow(2);
        shots.push_back({QStringLiteral("MenuList"), grab(&list)});
    }
}

QImage contactSheet(const std::vector<Shot>& shots) {
    constexpr int kCell = 300, kLabel = 22, kColumns = 5, kGap = 14;
    const int rows = int((shots.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * (kCell + kGap) + kGap, rows * (kCell + kLabel + kGap) + kGap,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x30, 0x32, 0x36));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (size_t i = 0; i < shots.size(); ++i) {
        const int x = kGap + int(i % kColumns) * (kCell + kGap);
        const int y = kGap + int(i / kColumns) * (kCell + kLabel + kGap);
        const QSize size = shots[i].pixmap.deviceIndependentSize().toSize().scaled(
            kCell, kCell, Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(QPoint(x + (kCell - size.width()) / 2, y), size), shots[i].pixmap);
        painter.setPen(Qt::white);
        painter.drawText(QRect(x, y + kCell + 2, kCell, kLabel), Qt::AlignCenter, shots[i].name);
    }
    return sheet;
}

} // namespace

// Waits on the event loop, at most timeoutMs, for a condition.
bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// The performance, lighting and application rules views as the main window runs them
// (modally: each is shot and cancelled from inside its run).
void shootSubViews(MainView* view, std::vector<Shot>& shots) {
    QTimer::singleShot(0, [&] {
        HvNoTitleWindow* sub = view->subViewWindow();
        auto* perf = sub ? qobject_cast<PerformanceView*>(sub->contentView()) : nullptr;
        if (!perf)
            return;
        selProfile.currSelectDPI = 2;
        perf->fillSettingData();
        shots.push_back({QStringLiteral("PerformanceView_Dialog"), grab(sub)});
        perf->rateSetp()->items()[1]->setFocus(Qt::TabFocusReason);
        shots.push_back({QStringLiteral("PerformanceView_Focus"), grab(sub)});
        perf->cancelBtn()->click();
    });
    view->control(MainView::kSettingTag)->click();
    QTimer::singleShot(0, [&] {
        HvNoTitleWindow* sub = view->subViewWindow();
        auto* lights = sub ? qobject_cast<LightOptionView*>(sub->contentView()) : nullptr;
        if (!lights)
            return;
        shots.push_back({QStringLiteral("LightOptionView_Dialog"), grab(sub)});
        lights->midLightTagBtn()->click();
        shots.push_back({QStringLiteral("LightOptionView_Wheel"), grab(sub)});
        lights->cancelBtn()->click();
    });
    view->control(MainView::kLightOptionTag)->click();
    QTimer::singleShot(0, [&] {
        HvNoTitleWindow* sub = view->subViewWindow();
        auto* rules = sub ? qobject_cast<AppRulesView*>(sub->contentView()) : nullptr;
        if (!rules)
            return;
        shots.push_back({QStringLiteral("AppRulesView_FromMainView"), grab(sub)});
        rules->cancelBtn()->click();
    });
    view->control(MainView::kAppRulesTag)->click();
}

// The main window as it runs, beside an emulated mouse of its own: a button of each kind of
// function selected, and the pointer over another button.
void shootMainWindow(std::vector<Shot>& shots) {
    QProcess mouse;
    mouse.start(QStringLiteral(KX_VIRTUAL_MOUSE_PATH), {QStringLiteral("serve")});
    if (!mouse.waitForStarted() || !waitFor([&] { return mouse.canReadLine(); }, 10000)) {
        std::fprintf(stderr, "kx-screenshots: the emulated mouse did not start\n");
        return;
    }
    {
        HvNoTitleWindow window(QRect(QPoint(0, 0), MainViewLayout::kView.size));
        auto* view = new MainView;
        window.setContentView(view);
        window.show();
        if (waitFor([&] { return view->isModalSeron() == 0 && !showLoadFrm->isVisible(); },
                    60000)) {
            auto macro = KxAction::addMacorByName(QStringLiteral("Quick reload"));
            macro->keyInfoArr() << MacroKeyInfo(21, 0, 100) << MacroKeyInfo(21, 1, 100);
            _BTN_INFO& single = selProfile.btnInfo[1];
            single = _BTN_INFO{};
            single.btnType = KxButtonType::kSingle;
            single.FuncID = 5;
            single.FuncTableId = KxFuncTable::kFirmware;
            single.KeyBit[0] = 0xC0;
            _BTN_INFO& held = selProfile.btnInfo[2];
            held = _BTN_INFO{};
            held.btnType = KxButtonType::kMacro;
            held.FuncID = held.FuncTableId = KxFuncTable::kMacro;
            held.MacroID = uint32_t(macro->macroId());
            _BTN_INFO& launch = selProfile.btnInfo[3];
            launch = _BTN_INFO{};
            launch.btnType = KxButtonType::kLaunch;
            launch.FuncID = launch.FuncTableId = KxFuncTable::kLaunch;
            std::strcpy(launch.app_path, "/usr/bin/gnome-calculator");
            const char* names[] = {"MainView_Default", "MainView_SingleKey", "MainView_Macro",
                                   "MainView_Launch"};
            for (int button = 1; button <= 4; ++button) {
                view->selBtnSetp()->setSelectIndex(button);
                shots.push_back({QLatin1String(names[button - 1]), grab(&window)});
            }
            view->selBtnSetp()->setSelectIndex(1);
            HvButton* side = view->selBtnSetp()->items()[3];
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(side, &enter);
            shots.push_back({QStringLiteral("MainView_Hover"), grab(&window)});
            QEvent left(QEvent::Leave);
            QApplication::sendEvent(side, &left);
            shootSubViews(view, shots);
        } else {
            std::fprintf(stderr, "kx-screenshots: the main window did not read the mouse\n");
        }
    }
    mouse.terminate();
    mouse.waitForFinished(5000);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (no raise, no keyboard grab) say nothing about the windows.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString suffix;
    QString language;
    while (args.size() >= 2 && args[0].startsWith(QLatin1String("--"))) {
        if (args[0] == QLatin1String("--suffix"))
            suffix = args[1];
        else if (args[0] == QLatin1String("--lang"))
            language = args[1];
        else
            break;
        args = args.mid(2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: kx-screenshots [--suffix @2x] [--lang <language>] <output folder>\n");
        return 2;
    }
    if (language == QLatin1String("pseudo")) {
        QCoreApplication::installTranslator(new PseudoLanguage);
    } else if (!language.isEmpty() && !KxLanguage::install(language)) {
        std::fprintf(stderr, "kx-screenshots: there are no texts in \"%s\"; languages: en %s\n",
                     qPrintable(language),
                     qPrintable(KxLanguage::translated().join(QLatin1Char(' '))));
        return 2;
    }
    const QDir out(args[0]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "kx-screenshots: %s cannot be made\n", qPrintable(out.path()));
        return 1;
    }
    KxWidgets::install();
    std::vector<Shot> shots;
    shootViews(shots);
    shootPopups(shots);
    shootDialogs(shots);
    shootMacroEditor(shots);
    shootLaunchChooser(shots);
    shootMainWindow(shots);
    shootOthers(shots);
    checkLayouts();
    for (const Shot& shot : shots) {
        const QString path = out.filePath(shot.name + suffix + QStringLiteral(".png"));
        if (!shot.pixmap.save(path, "PNG")) {
            std::fprintf(stderr, "kx-screenshots: %s could not be written\n", qPrintable(path));
            return 1;
        }
        if (!suffix.isEmpty()) // the tree is the same at every density
            continue;
        QFile tree(out.filePath(shot.name + QStringLiteral(".a11y.txt")));
        if (!tree.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            tree.write(shot.tree.toUtf8()) != shot.tree.toUtf8().size()) {
            std::fprintf(stderr, "kx-screenshots: %s could not be written\n",
                         qPrintable(tree.fileName()));
            return 1;
        }
    }
    if (suffix.isEmpty()) {
        QFile list(out.filePath(QStringLiteral("words.txt")));
        const QByteArray report = words.report();
        if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            list.write(report) != report.size()) {
            std::fprintf(stderr, "kx-screenshots: %s could not be written\n",
                         qPrintable(list.fileName()));
            return 1;
        }
    }
    const QString sheet =
        out.filePath(QStringLiteral("contact-sheet") + suffix + QStringLiteral(".png"));
    if (!contactSheet(shots).save(sheet, "PNG")) {
        std::fprintf(stderr, "kx-screenshots: %s could not be written\n", qPrintable(sheet));
        return 1;
    }
    std::printf("%zu screenshots and the contact sheet in %s\n", shots.size(),
                qPrintable(out.path()));
    return 0;
}
