// The macro editor's macros: choosing, creating, deleting, importing and exporting them, and
// OK / Apply / Cancel over the library.
#include "MacroView.h"

#include "CreateMacroLayout.h"
#include "CreateMacroView.h"
#include "DocumentsFolder.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxWidgetGlobals.h"
#include "MacroCapacityMeter.h"
#include "MacroStepModel.h"
#include "MenuInfo.h"
#include "ProfieController.h"
#include "ProfileSaves.h"
#include "RigthMouseTBView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace {

const QString kMacroExtension = QStringLiteral("mac");

int shownMacroCount() {
    return macroNode ? int(macroNode->numberOfChildren()) : 0;
}

// Why a macro from a file cannot be held, or none when it can.
std::optional<QString> unfitFor(const MacroInfo& macro) {
    return macro.unfitReason();
}

} // namespace

// ---- Choosing ----------------------------------------------------------------------------------

void MacroView::setSelMacroByNode(HvTreeNode* node) {
    selMacroNode_ = node;
    setSelMacro(node ? std::dynamic_pointer_cast<MenuInfo>(node->nodeData()) : nullptr);
}

void MacroView::setSelMacro(std::shared_ptr<MenuInfo> entry) {
    currMacroData_ = std::move(entry);
    currMacroInfo_ = currMacroData_ ? currMacroData_->macroInfo() : nullptr;
    if (!currMacroInfo_)
        selMacroNode_ = nullptr;
    keyArrs_ = currMacroInfo_ ? &currMacroInfo_->keyInfoArr() : nullptr;
    stepModel_->setSteps(keyArrs_);
    if (currMacroInfo_)
        control(kMacroNameTag)->setText(currMacroInfo_->nameStr());
    else
        showNoMacroTitle();
    refreshMeter();
    setConEnableWithMacro();
}

void MacroView::showNoMacroTitle() {
    control(kMacroNameTag)
        ->setText(shownMacroCount() == 0
                      ? QCoreApplication::translate("MacroView", "No macros yet")
                      : QCoreApplication::translate("MacroView", "Choose a macro"));
}

HvTreeNode* MacroView::getNodeByData(const MacroInfo& macro) {
    if (!macroNode)
        return nullptr;
    for (const auto& child : macroNode->children()) {
        const auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        if (entry && entry->macroInfo().get() == &macro)
            return child.get();
    }
    return nullptr;
}

void MacroView::selectMacro(const MacroInfo* macro) {
    setSelMacroByNode(macro ? getNodeByData(*macro) : nullptr);
}

// ---- Creating and deleting ---------------------------------------------------------------------

bool MacroView::checkMacroName(const QString& name) {
    return CreateMacroView::checkMacroName(name);
}

void MacroView::showCreatProfileView() {
    HvNoTitleWindow window(QRect(QPoint(0, 0), CreateMacroLayout::kView.size));
    window.setIsCanDrag(true);
    window.setDragHeight(kNameDialogDragHeight);
    window.setWindowTitle(QCoreApplication::translate("MacroView", "New macro"));
    window.setAccessibleRole(QAccessible::Dialog);
    auto* dialog = new CreateMacroView;
    window.setContentView(dialog);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.setGeometry(frame);
    }
    dialog->makeTxtFirstRes();
    const bool accepted = HvModal::runModal(&window) != 0;
    const QString name = dialog->nameStr();
    QWidget* own = this->window();
    own->raise();
    own->activateWindow();
    if (accepted)
        addMacorByName(name);
}

bool MacroView::addMacorByName(const QString& name) {
    if (shownMacroCount() >= KxAction::kMaxMacroCount) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "Maximum number of macros reached"));
        return false;
    }
    auto macro = std::make_shared<MacroInfo>();
    macro->setNameStr(name);
    macro->setMacroId(KxAction::getNewMacorId());
    addMacroPro(std::move(macro));
    return true;
}

void MacroView::addMacroPro(std::shared_ptr<MacroInfo> macro) {
    const MacroInfo* added = macro.get();
    macroListArrs.append(std::move(macro));
    KxAction::refreshMenuList();
    selectMacro(added);
    markChanged();
}

void MacroView::delMacro() {
    if (!currMacroInfo_)
        return;
    if (!HvAction::ChooseInfoMessage(QCoreApplication::translate(
            "MacroView", "Are you sure you want to delete this macro?")))
        return;
    // The macro after it is shown next; the tree is rebuilt, so it is found again by its object.
    const MacroInfo* next = nullptr;
    const auto& children = macroNode->children();
    for (size_t i = 0; i + 1 < children.size(); ++i) {
        if (children[i].get() == selMacroNode_) {
            const auto entry = std::dynamic_pointer_cast<MenuInfo>(children[i + 1]->nodeData());
            next = entry ? entry->macroInfo().get() : nullptr;
            break;
        }
    }
    macroListArrs.removeAll(currMacroInfo_);
    KxAction::refreshMenuList();
    selectMacro(next);
    markChanged();
}

// ---- Files -------------------------------------------------------------------------------------

void MacroView::extentMacro() {
    if (!currMacroInfo_)
        return;
    QFileDialog panel(this, QCoreApplication::translate("MacroView", "Save the macro to a file"),
                      documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setNameFilter(QCoreApplication::translate("MacroView", "Macro files (*.mac)"));
    panel.setDefaultSuffix(kMacroExtension);
    panel.selectFile(currMacroInfo_->nameStr() + QLatin1Char('.') + kMacroExtension);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    exportMacroTo(panel.selectedFiles().first());
}

bool MacroView::exportMacroTo(QString path) {
    if (!currMacroInfo_)
        return false;
    if (QFileInfo(path).suffix() != kMacroExtension)
        path += QLatin1Char('.') + kMacroExtension;
    if (!HvAction::SaveObject(currMacroInfo_->toArchive(), path)) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "The macro could not be saved as %1.")
                .arg(path));
        return false;
    }
    return true;
}

void MacroView::importMacro() {
    QFileDialog panel(this, QCoreApplication::translate("MacroView", "Load a macro from a file"),
                      documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setNameFilter(QCoreApplication::translate("MacroView", "Macro files (*.mac)"));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    importMacroFrom(panel.selectedFiles().first());
}

bool MacroView::importMacroFrom(const QString& path) {
    const QString file = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& why) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "%1 cannot be loaded: %2.").arg(file, why));
        return false;
    };
    QString why;
    const std::optional<QJsonObject> archive = HvAction::CopyObject(path, &why);
    if (!archive)
        return refuse(QCoreApplication::translate("MacroView", "the file %1").arg(why));
    std::shared_ptr<MacroInfo> macro = MacroInfo::fromArchive(*archive);
    if (!macro)
        return refuse(QCoreApplication::translate("MacroView", "it is not a macro"));
    if (const auto unfit = unfitFor(*macro))
        return refuse(*unfit);
    // Named by the file; a file name of spaces only would make a name nobody can read.
    const QString name = QFileInfo(path).completeBaseName().trimmed();
    if (name.isEmpty())
        return refuse(QCoreApplication::translate(
            "MacroView", "a macro is named by its file, and this file has no name"));
    if (!checkMacroName(name)) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "A macro of this name already exists."));
        return false;
    }
    if (shownMacroCount() >= KxAction::kMaxMacroCount) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "Maximum number of macros reached"));
        return false;
    }
    // A pause longer than a step holds (or finer than the mouse plays) is brought within it, as
    // the step table does with a typed one, and the user is told.
    const int changed = macro->bringDelaysWithinSteps();
    macro->setNameStr(name);
    macro->setIsNoDisplay(false);
    // An id of its own: the archive has none, and a button bound to one macro must not play
    // another that shares its id.
    macro->setMacroId(KxAction::getNewMacorId());
    addMacroPro(std::move(macro));
    if (changed > 0) {
        HvAction::showInfoMessage(
            (changed == 1 ? QCoreApplication::translate(
                                "MacroView", "%1 was loaded with 1 delay changed to what a step "
                                             "holds: at most %2 ms, in steps of %3 ms.")
                          : QCoreApplication::translate(
                                "MacroView",
                                "%1 was loaded with %n delays changed to what a step holds: at "
                                "most %2 ms, in steps of %3 ms.",
                                nullptr, changed))
                .arg(file)
                .arg(MacroStepModel::kMaxDelay)
                .arg(MacroStepModel::kDelayStep));
    }
    return true;
}

// ---- OK, Apply, Cancel -------------------------------------------------------------------------

void MacroView::takeSnapshot() {
    snapshot_.clear();
    for (const auto& macro : std::as_const(macroListArrs))
        if (macro)
            snapshot_.emplace_back(macro, *macro);
}

void MacroView::restoreSnapshot() {
    // The same objects, as they were: buttons, lists and dialogs that hold them stay valid.
    macroListArrs.clear();
    for (auto& [macro, saved] : snapshot_) {
        *macro = saved;
        macroListArrs.append(macro);
    }
    KxAction::refreshMenuList();
    changed_ = false;
}

bool MacroView::apply() {
    if (isRecord_)
        setRecState(false);
    if (!KxAction::saveMenuList()) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MacroView", "The macros could not be saved."));
        return false;
    }
    for (const auto& macro : std::as_const(macroListArrs)) {
        const auto before =
            std::find_if(snapshot_.begin(), snapshot_.end(),
                         [&macro](const auto& kept) { return kept.first == macro; });
        if (macro &&
            (before == snapshot_.end() || before->second.keyInfoArr() != macro->keyInfoArr()))
            changedMacroIds_.insert(macro->macroId());
    }
    takeSnapshot();
    savedChanges_ = savedChanges_ || changed_;
    changed_ = false;
    control(kApplyTag)->setEnabled(false);
    return true;
}

void MacroView::ok() {
    if (!apply())
        return; // the editor stays open with the edits
    endTag_ = 1;
    ended_ = true;
    ProfieController* library = KxAction::profileLibrary();
    library->saveSelProfileToData();
    ProfileSaves::save();
    window()->close();
}

void MacroView::cancel() {
    if (isRecord_)
        setRecState(false);
    endTag_ = 0;
    ended_ = true;
    if (changed_)
        restoreSnapshot();
    window()->close();
}

void MacroView::windowClosing() {
    if (isRecord_)
        setRecState(false);
    if (!ended_ && changed_)
        restoreSnapshot();
    ended_ = true;
}
