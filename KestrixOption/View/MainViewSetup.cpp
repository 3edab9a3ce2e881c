// The main view's "Export set-up…" and "Import set-up…": the whole mouse read into a file, and a
// file's changes shown, then written as Apply writes (journalled first, read back, only what the
// mouse took saved), both behind the loading window.
#include "MainView.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxSetupMouse.h"
#include "KxWidgetGlobals.h"
#include "ProfieController.h"
#include "SetupPreviewView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

struct MainView::SetupJob {
    enum class Kind { Export, Import };
    Kind kind = Kind::Export;
    QString path;
    // Export: what the worker read.
    KxSetup::MouseState state;
    bool readWhole = false;
    // Import: the target, what the library held before, the macros it names, and the outcome.
    KxSetup::Target target;
    KxSetup::MouseState current;
    std::unique_ptr<KxSetup::NewMacros> macros;
    KxSetup::WriteResult result;
};

namespace {

const QString kFilter =
    QStringLiteral("Kestrix set-ups (*.%1)").arg(QLatin1String(KxSetup::kExtension));

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    return folder;
}

} // namespace

void MainView::exportSetupAsked() {
    if (isModalSeron_ != 0)
        return;
    QFileDialog panel(window(), QStringLiteral("Export the set-up"), documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setNameFilter(kFilter);
    panel.setDefaultSuffix(QLatin1String(KxSetup::kExtension));
    panel.selectFile(QStringLiteral("Kestrix set-up.%1").arg(QLatin1String(KxSetup::kExtension)));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    exportSetupTo(panel.selectedFiles().first());
}

bool MainView::exportSetupTo(const QString& path) {
    if (isModalSeron_ != 0 || setupJob_)
        return false;
    // Read from the mouse, as it holds them: a macro deleted from the library still runs there.
    auto job = std::make_shared<SetupJob>();
    job->kind = SetupJob::Kind::Export;
    job->path = path;
    setupJob_ = job;
    ++isModalSeron_;
    KxAction::startTransferPro([job] {
        job->readWhole = KxSetup::readMouse(0x1F, true, true, &job->state);
        KxAction::sendHideLoadView(0);
    });
    return true;
}

void MainView::importSetupAsked() {
    if (isModalSeron_ != 0)
        return;
    QFileDialog panel(window(), QStringLiteral("Import a set-up"), documentsFolder());
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setNameFilter(kFilter);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    importSetupFrom(panel.selectedFiles().first());
}

bool MainView::importSetupFrom(const QString& path) {
    if (isModalSeron_ != 0 || setupJob_)
        return false;
    const QString file = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& why) {
        HvAction::showInfoMessage(QStringLiteral("%1 cannot be imported: %2").arg(file, why));
        return false;
    };
    const KxSetup::Parsed parsed = KxSetup::readFile(path);
    if (!parsed.file)
        return refuse(parsed.error.text());
    const KxSetup::Resolved resolved = KxSetup::resolve(*parsed.file, 0x1F, true);
    if (!resolved.target)
        return refuse(resolved.error.text());

    auto job = std::make_shared<SetupJob>();
    job->kind = SetupJob::Kind::Import;
    job->path = path;
    job->target = *resolved.target;
    // The library holds what the mouse holds.
    ProfieController* library = KxAction::profileLibrary();
    job->current = KxSetup::stateOfLibrary(*library, library->currFWProfileIndex());
    if (job->target.desktop)
        job->current.desktop = KxSetup::desktopNow();
    if (const QList<int> lost = KxSetup::profilesLosingLeftClick(job->target, job->current);
        !lost.isEmpty())
        return refuse(QStringLiteral("profile %1 would have no button doing the left click.")
                          .arg(lost.first() + 1));
    job->macros = std::make_unique<KxSetup::NewMacros>(job->target);
    QStringList changes;
    for (const KxSetup::Change& change : KxSetup::plan(job->target, job->current))
        changes << change.text();
    if (changes.isEmpty()) {
        HvAction::showInfoMessage(
            QStringLiteral("The mouse holds the set-up of %1 already.").arg(file));
        return false;
    }
    const QString note = hasUnwrittenEdits()
                             ? QStringLiteral("Changes not yet written to the mouse are dropped.")
                             : QString();
    if (!SetupPreviewView::confirm(QStringLiteral("Importing %1 changes the mouse:").arg(file),
                                   changes, note))
        return false;
    if (!job->macros->keep())
        return refuse(QStringLiteral("the macro library could not be saved."));
    // The set-up replaces every profile: edits not yet written go, as the preview said.
    library->dropAllButtonEdits();
    isNeedSave = false;
    if (!KxSetup::journalEdits(*library, job->target))
        HV_WARNING(QStringLiteral("The set-up's buttons could not be journalled before writing"));
    setupJob_ = job;
    ++isModalSeron_;
    KxAction::startTransferPro([job] {
        job->result = KxSetup::writeToMouse(job->target, job->current);
        KxAction::sendHideLoadView(0);
    });
    return true;
}

void MainView::finishSetupJob() {
    const std::shared_ptr<SetupJob> job = std::exchange(setupJob_, nullptr);
    if (job->kind == SetupJob::Kind::Export) {
        if (!job->readWhole) {
            HvAction::showInfoMessage(
                QStringLiteral("The mouse did not answer: the set-up was not exported."));
        } else {
            job->state.desktop = KxSetup::desktopNow();
            QString why;
            const KxSetup::File file = KxSetup::capture(
                job->state,
                QStringLiteral("KxOption %1").arg(QCoreApplication::applicationVersion()));
            if (!KxSetup::writeFile(file, job->path, &why))
                HvAction::showInfoMessage(
                    QStringLiteral("The set-up could not be saved as %1: %2").arg(job->path, why));
        }
        displayBtnInfo();
        takePendingMouseChanges();
        return;
    }

    ProfieController* library = KxAction::profileLibrary();
    KxSetup::takeWritten(*library, job->target, job->result);
    QStringList problems = KxSetup::problems(job->target, job->result);
    if (job->target.desktop && job->current.desktop != job->target.desktop) {
        if (KxSetup::applyDesktop(*job->target.desktop))
            KxSetup::takeDesktop(*library, *job->target.desktop);
        else
            problems << QStringLiteral("The desktop did not take the pointer, scroll and "
                                       "double-click speeds.");
    }
    saveThenTellDaemon(problems.isEmpty() ? QStringLiteral("set-up") : QString());
    library->refreshSelProfileFromData();
    // Follows the mouse to the set-up's profile, as to a switch made on the mouse.
    if (job->result.activeProfile.value_or(false))
        changeProfilePro(*job->target.activeProfile);
    isNeedSave = library->hasButtonEdits(library->currFWProfileIndex());
    refreshApplyBtn();
    displayBtnInfo();
    tellWriteOutcome(problems, true, QStringLiteral("set-up"));
    takePendingMouseChanges();
}
