// The main view's controls and the windows they open.
#include "MainView.h"

#include "AppMenu.h"
#include "AppRulesView.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxSetupMouse.h"
#include "KxWidgetGlobals.h"
#include "LaunchChooserView.h"
#include "LightOptionView.h"
#include "MacroView.h"
#include "PerformanceView.h"
#include "ProfieController.h"
#include "ProfileValue.h"
#include "SettingsBlock.h"
#include "SingleKeyView.h"
#include "TkeyView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstring>

#ifndef KX_HOMEPAGE_URL
#define KX_HOMEPAGE_URL ""
#endif

void MainView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button || !state_.idle())
        return;
    switch (button->tag()) {
    case kReDefTag:
        resetProfile();
        break;
    case kHomeTag:
        connectOrvaneSite();
        break;
    case kHelpTag:
        openHelpPro();
        break;
    case kCloseTag:
        closeAsked();
        break;
    case kMacroTag:
        showMacroView();
        break;
    case kTkeyTag:
        showTKeyView();
        break;
    case kSingleTag:
        showSingKeyView();
        break;
    case kDefaultTag:
        if (checkOnlyLeftPro()) {
            resetBtnDefault();
            state_.setNeedsSaving(true);
        }
        break;
    case kLaunchProTag:
        showLaunchPro();
        break;
    case kLightOptionTag:
        showLightOptionView();
        break;
    case kSettingTag:
        showSettingView();
        break;
    case kAppRulesTag:
        showAppRulesView();
        break;
    case kApplyTag:
        apply();
        break;
    case kOkTag:
        okAndQuit();
        break;
    case kCancelTag:
        quitDroppingEdits();
        break;
    case kMenuTag: {
        const HvButton* menu = control(kMenuTag);
        appMenu_->popup(menu->mapToGlobal(QPoint(0, menu->height())));
        // Opened on its first item, as a menu button's menu: the keys start there, and a screen
        // reader says the menu and the item.
        appMenu_->setActiveAction(appMenu_->actions().value(0));
        break;
    }
    default:
        break;
    }
}

// The profile's defaults, buttons and settings block, written as the working copy; the block
// the mouse holds once reaches every profile as the mouse took it.
void MainView::resetProfile() {
    if (!popUp("WarningReset"))
        return;
    ProfieController* library = KxAction::profileLibrary();
    const int slot = library->currFWProfileIndex();
    const ProfileValue* defaults = library->defaultProfile();
    if (!defaults)
        return;
    library->dropButtonEdits(slot);
    const _Kx_PROFILE preset = defaults->profileData();
    std::copy(std::begin(preset.btnInfo), std::end(preset.btnInfo), std::begin(selProfile.btnInfo));
    SettingsBlock::of(preset).putInto(selProfile);
    KxSetup::Target target = buttonsTarget(slot);
    target.settings = KxSetup::settingsOf(preset);
    // Written even where the library says the mouse holds it: a reset puts back what the mouse
    // may have been given by anything else.
    startWrite(Write::Reset, std::move(target));
}

void MainView::closeAsked() {
    if (!hasUnwrittenEdits()) {
        terminate(false);
        return;
    }
    // Its own question: OK writes and closes, Cancel closes without; dismissed, the window stays
    // with its edits.
    switch (popUpAnswer("WarningSaveOnClose")) {
    case 1:
        okAndQuit();
        break;
    case 0:
        quitDroppingEdits();
        break;
    default:
        break;
    }
}

void MainView::quitDroppingEdits() {
    KxAction::profileLibrary()->dropAllButtonEdits();
    state_.setNeedsSaving(false);
    terminate(false);
}

void MainView::apply() {
    startWrite(Write::Apply, buttonsTarget(KxAction::profileLibrary()->currFWProfileIndex()));
}

// Every profile's edits are written, this one's first (those the mouse's own switch left on
// others too); the window closes once the mouse holds them all, and stays, with the edits, when
// it does not.
void MainView::okAndQuit() {
    ProfieController* library = KxAction::profileLibrary();
    KxSetup::Target target;
    for (int slot = 0; slot < 5; ++slot) {
        const auto edits = library->buttonEdits(slot);
        const bool current = slot == library->currFWProfileIndex();
        if (current && state_.needsSaving()) {
            target.buttons[size_t(slot)] = buttonsTarget(slot).buttons[size_t(slot)];
        } else if (edits && !current) {
            for (int b = 0; b < 5; ++b)
                target.buttons[size_t(slot)][size_t(b)] = (*edits)[size_t(b)];
        }
    }
    if (target.slots() == 0) {
        terminate(false);
        return;
    }
    startWrite(Write::Ok, std::move(target));
}

KxSetup::Target MainView::buttonsTarget(int slot) const {
    KxSetup::Target target;
    for (int b = 0; b < 5; ++b)
        target.buttons[size_t(slot)][size_t(b)] = selProfile.btnInfo[b];
    return target;
}

void MainView::journalAheadOfWrite(int slot) {
    // Queued to the mouse's worker: the file's sync is not made on this thread, and a write
    // queued later never starts before the edits are kept.
    KxDeviceQueue::Request request;
    request.name = QStringLiteral("Keep the edits of profile %1").arg(slot + 1);
    request.body = KxAction::profileLibrary()->buttonEditsJournalJob(slot);
    request.neverRefused = true;
    KxDeviceQueue::shared().post(std::move(request));
}

void MainView::resetBtnDefault() {
    if (selBtnIndex_ < 1 || selBtnIndex_ > 5)
        return;
    selectedRecord() = KxAction::profileLibrary()->getDefBtnInfoByIndex(selBtnIndex_ - 1);
    displayBtnInfo();
}

HvNoTitleWindow* MainView::makeViewWindow(RirImageView* view, int dragHeight) {
    auto* window = new HvNoTitleWindow(QRect(this->window()->pos(), view->size()));
    window->setIsCanDrag(true);
    window->setDragHeight(dragHeight);
    // The view's name is its window's title, in the user's language.
    window->setWindowTitle(
        QCoreApplication::translate("MainView", view->objectName().toUtf8().constData()));
    window->setAccessibleRole(QAccessible::Dialog);
    window->setContentView(view);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->setGeometry(frame);
    }
    return window;
}

void MainView::openDialog(RirImageView* dialog, int dragHeight) {
    HvNoTitleWindow* window = makeViewWindow(dialog, dragHeight);
    connect(window, &HvNoTitleWindow::windowWillClose, this, &MainView::windowWillClose);
    state_.begin(WindowEditState::Activity::Dialog);
    dialogWindow_ = window;
    modalSession_ = true;
    HvModal::beginModalSession(window);
}

void MainView::showSettingView() {
    KxAction::profileLibrary()->saveSelProfileToData();
    auto* view = new PerformanceView;
    view->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Performance")));
    runSubView(view);
}

void MainView::showLightOptionView() {
    KxAction::profileLibrary()->saveSelProfileToData();
    auto* view = new LightOptionView;
    view->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Lighting")));
    runSubView(view);
}

void MainView::showAppRulesView() {
    auto* view = new AppRulesView;
    view->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Application rules")));
    runSubView(view);
}

// A modal activity like a transfer: the window neither acts nor switches profiles meanwhile, and
// an unplug relaunches at once.
void MainView::runSubView(RirImageView* view) {
    QPointer<HvNoTitleWindow> window = makeViewWindow(view);
    state_.begin(WindowEditState::Activity::Dialog);
    subViewWindow_ = window;
    const QPointer<MainView> alive(this);
    HvModal::runModal(window);
    delete window.data();
    if (!alive || terminating_)
        return;
    refreshOsdMenu();
    endModalActivity();
    this->window()->raise();
    this->window()->activateWindow();
}

void MainView::showSingKeyView() {
    if (selBtnIndex_ < 1 || selBtnIndex_ > 5 || !checkOnlyLeftPro())
        return;
    KxAction::profileLibrary()->saveSelProfileToData();
    auto* dialog = new SingleKeyView;
    dialog->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Single Key Function")));
    dialog->setTmpBtnInfo(selectedRecord());
    openDialog(dialog);
}

void MainView::showTKeyView() {
    if (selBtnIndex_ < 1 || selBtnIndex_ > 5 || !checkOnlyLeftPro())
        return;
    auto* dialog = new TkeyView;
    dialog->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Macro Function")));
    dialog->setTmpBtnInfo(selectedRecord());
    openDialog(dialog);
}

void MainView::showMacroView() {
    auto* editor = new MacroView;
    editor->setObjectName(QStringLiteral(QT_TRANSLATE_NOOP("MainView", "Macro editor")));
    openDialog(editor, MacroView::kDragHeight);
}

void MainView::windowWillClose(HvNoTitleWindow* window) {
    if (!modalSession_ || window != dialogWindow_)
        return;
    HvModal::endModalSession(window);
    modalSession_ = false;
    // Cancel leaves the dialog's copy as it was handed in.
    if (auto* single = qobject_cast<SingleKeyView*>(window->contentView()))
        selectedRecord() = single->tmpBtnInfo();
    else if (auto* macro = qobject_cast<TkeyView*>(window->contentView()))
        selectedRecord() = macro->tmpBtnInfo();
    else if (auto* editor = qobject_cast<MacroView*>(window->contentView());
             editor && editor->hasSavedChanges())
        takeChangedMacros(editor->changedMacroIds());
    // After the macro editor, a caption may name a macro deleted or put back.
    displayBtnInfo();
    refreshApplyBtn();
    window->deleteLater();
    dialogWindow_ = nullptr;
    endModalActivity();
    this->window()->raise();
    this->window()->activateWindow();
}

void MainView::takeChangedMacros(const QSet<int32_t>& ids) {
    const auto runsOne = [&ids](const _BTN_INFO* buttons) {
        return std::any_of(buttons, buttons + 5, [&ids](const _BTN_INFO& b) {
            return b.FuncID == KxFuncId::kMacro && ids.contains(int32_t(b.MacroID));
        });
    };
    ProfieController* library = KxAction::profileLibrary();
    const int current = library->currFWProfileIndex();
    for (int slot = 0; slot < 5 && slot < library->profileArr().size(); ++slot) {
        if (slot == current) {
            if (runsOne(selProfile.btnInfo))
                state_.setNeedsSaving(true);
            continue;
        }
        _BTN_INFO buttons[5];
        if (const auto edits = library->buttonEdits(slot))
            std::copy(edits->begin(), edits->end(), buttons);
        else
            std::copy_n(library->profileArr()[slot]->profileData().btnInfo, 5, buttons);
        if (!runsOne(buttons))
            continue;
        library->keepButtonEdits(slot, buttons);
        journalAheadOfWrite(slot);
    }
}

void MainView::showLaunchPro() {
    if (selBtnIndex_ < 1 || selBtnIndex_ > 5 || !checkOnlyLeftPro())
        return;
    state_.begin(WindowEditState::Activity::Dialog);
    const std::optional<QString> chosen = LaunchChooserView::choose(this);
    endModalActivity();
    if (chosen)
        setLaunchPath(*chosen);
}

bool MainView::setLaunchPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    // A cut path would start something else, or nothing: refused whole.
    if (utf8.isEmpty() || utf8.size() > kMaxAppPathBytes || utf8.contains('\0')) {
        HvAction::showInfoMessage(
            QCoreApplication::translate(
                "MainView", "This path is too long to be kept in the mouse's profile (%1 bytes "
                            "at most):\n%2")
                .arg(kMaxAppPathBytes)
                .arg(path));
        return false;
    }
    const int profile = KxAction::profileLibrary()->currFWProfileIndex();
    const int button = selBtnIndex_ - 1;
    _BTN_INFO& record = selectedRecord();
    record = _BTN_INFO{}; // nothing of the assignment it replaces stays
    record.btnType = KxButtonType::kLaunch;
    record.FuncID = KxFuncId::kLaunch;
    record.FuncTableId = KxFuncTable::kLaunch;
    record.KeyBit[0] = KxAction::getBtnAppLaunchIndex(uint32_t(profile), uint32_t(button));
    std::memcpy(record.app_path, utf8.constData(), size_t(utf8.size()));
    displayBtnInfo();
    state_.setNeedsSaving(true);
    // The path reaches the preferences, where the daemon finds it, with the record: on Apply or OK.
    return true;
}

void MainView::openHelpPro() {
    if (lochelpPath_.isEmpty() || !HvAction::openFile(lochelpPath_))
        HvAction::showInfoMessage(
            QCoreApplication::translate("MainView", "The help page could not be opened."));
}

void MainView::connectOrvaneSite() {
    const QString homepage = QStringLiteral(KX_HOMEPAGE_URL);
    if (homepage.isEmpty()) {
        openHelpPro();
        return;
    }
    if (!HvAction::openPage(homepage))
        HvAction::showInfoMessage(
            QCoreApplication::translate("MainView", "%1 could not be opened.").arg(homepage));
}
