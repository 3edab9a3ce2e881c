// The main view's "Export set-up…" and "Import set-up…": the whole mouse read into a file, and a
// file's changes shown, then written by the write session every write takes, both behind the
// loading window.
#include "MainView.h"

#include "DocumentsFolder.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxSetupMouse.h"
#include "KxWidgetGlobals.h"
#include "KxWriteSession.h"
#include "ProfieController.h"
#include "SetupPreviewView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFilter = QCoreApplication::translate("MainView", "Kestrix set-ups (*.%1)")
                            .arg(QLatin1String(KxSetup::kExtension));

} // namespace

void MainView::exportSetupAsked() {
    if (!state_.idle())
        return;
    QFileDialog panel(window(), QCoreApplication::translate("MainView", "Export the set-up"),
                      documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setNameFilter(kFilter);
    panel.setDefaultSuffix(QLatin1String(KxSetup::kExtension));
    panel.selectFile(QCoreApplication::translate("MainView", "Kestrix set-up.%1")
                         .arg(QLatin1String(KxSetup::kExtension)));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    exportSetupTo(panel.selectedFiles().first());
}

bool MainView::exportSetupTo(const QString& path) {
    if (!state_.idle())
        return false;
    // Read from the mouse, as it holds them: a macro deleted from the library still runs there.
    struct Read {
        KxSetup::MouseState state;
        bool whole = false;
    };
    auto read = std::make_shared<Read>();
    // The user's rules go with the set-up: rules a hand edit broke stop it before the mouse is
    // read.
    if (QString why; !KxSetup::readAppRules(&read->state, &why)) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MainView", "The set-up was not exported: %1.").arg(why));
        return false;
    }
    state_.begin(WindowEditState::Activity::Exporting);
    KxAction::startTransfer(
        QCoreApplication::translate("MainView", "Set-up export"),
        [read] { read->whole = KxSetup::readMouse(0x1F, true, true, &read->state); }, this,
        [this, read, path] {
            state_.end();
            KxAction::hideLoadViewPro();
            if (!read->whole) {
                HvAction::showInfoMessage(QCoreApplication::translate(
                    "MainView", "The mouse did not answer: the set-up was not exported."));
            } else {
                read->state.desktop = KxSetup::desktopNow();
                const KxSetup::File file = KxSetup::capture(
                    read->state,
                    QStringLiteral("KxOption %1").arg(QCoreApplication::applicationVersion()));
                QString why;
                if (!KxSetup::writeFile(file, path, &why))
                    HvAction::showInfoMessage(
                        QCoreApplication::translate("MainView",
                                                    "The set-up could not be saved as %1: %2")
                            .arg(path, why));
            }
            displayBtnInfo();
            takePendingMouseChanges();
        });
    return true;
}

void MainView::importSetupAsked() {
    if (!state_.idle())
        return;
    QFileDialog panel(window(), QCoreApplication::translate("MainView", "Import a set-up"),
                      documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setNameFilter(kFilter);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    importSetupFrom(panel.selectedFiles().first());
}

bool MainView::importSetupFrom(const QString& path) {
    if (!state_.idle())
        return false;
    const QString file = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& why) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MainView", "%1 cannot be imported: %2").arg(file, why));
        return false;
    };
    const KxSetup::Parsed parsed = KxSetup::readFile(path);
    if (!parsed.file)
        return refuse(parsed.error.text());
    KxSetup::Resolved resolved = KxSetup::resolve(*parsed.file, 0x1F, true);
    if (!resolved.target)
        return refuse(resolved.error.text());

    // The library holds what the mouse holds.
    ProfieController* library = KxAction::profileLibrary();
    KxSetup::MouseState current = KxSetup::stateOfLibrary(*library, library->currFWProfileIndex());
    if (resolved.target->desktop)
        current.desktop = KxSetup::desktopNow();
    if (QString why; resolved.target->appRules && !KxSetup::readAppRules(&current, &why))
        return refuse(why);
    if (const QList<int> lost = KxSetup::profilesLosingLeftClick(*resolved.target, current);
        !lost.isEmpty())
        return refuse(QCoreApplication::translate(
                          "MainView", "profile %1 would have no button doing the left click.")
                          .arg(lost.first() + 1));
    // The session holds the file's macros in the library from here, so that the plan names them.
    auto session =
        std::make_shared<KxWriteSession>(*library, std::move(*resolved.target), std::move(current));
    QStringList changes;
    for (const KxSetup::Change& change : session->plan())
        changes << change.text();
    if (changes.isEmpty()) {
        HvAction::showInfoMessage(
            QCoreApplication::translate("MainView", "The mouse holds the set-up of %1 already.")
                .arg(file));
        return false;
    }
    const QString note = hasUnwrittenEdits()
                             ? QCoreApplication::translate(
                                   "MainView", "Changes not yet written to the mouse are dropped.")
                             : QString();
    if (!SetupPreviewView::confirm(
            QCoreApplication::translate("MainView", "Importing %1 changes the mouse:").arg(file),
            changes, note))
        return false;
    // The set-up replaces every profile: edits not yet written go, as the preview said.
    library->dropAllButtonEdits();
    state_.setNeedsSaving(false);
    startWrite(Write::Import, session);
    return true;
}
