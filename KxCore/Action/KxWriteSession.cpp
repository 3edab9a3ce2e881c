#include "KxWriteSession.h"

#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "ProfieController.h"
#include "ProfileSaver.h"
#include "ProfileValue.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

KxWriteSession::KxWriteSession(ProfieController& library, KxSetup::Target target,
                               KxSetup::MouseState current)
    : library_(library), target_(std::move(target)), current_(std::move(current)),
      macros_(std::make_unique<KxSetup::NewMacros>(target_)) {}

KxWriteSession::~KxWriteSession() = default;

bool KxWriteSession::prepare() {
    if (!macros_->keep()) {
        outcome_.refused = true;
        outcome_.why =
            QCoreApplication::translate("KxWriteSession",
                                        "The macro library could not be saved in %1; nothing was "
                                        "written.")
                .arg(sysPath);
        return false;
    }
    // The buttons being written are their slots' edits until the mouse holds them, over any
    // edits there; the journal jobs carry them as they are now.
    const unsigned slots = target_.slots();
    for (int slot = 0; slot < KxSetup::kProfiles && slot < library_.profileArr().size(); ++slot) {
        if (!(slots & (1u << slot)))
            continue;
        _BTN_INFO edits[KxSetup::kButtons];
        if (const auto kept = library_.buttonEdits(slot)) {
            std::copy(kept->begin(), kept->end(), edits);
        } else {
            const _Kx_PROFILE data = library_.profileArr()[slot]->profileData();
            std::copy(std::begin(data.btnInfo), std::end(data.btnInfo), edits);
        }
        for (int b = 0; b < KxSetup::kButtons; ++b)
            if (const auto& wanted = target_.buttons[size_t(slot)][size_t(b)])
                edits[b] = *wanted;
        library_.keepButtonEdits(slot, edits);
        journalJobs_.push_back(library_.buttonEditsJournalJob(slot));
    }
    return true;
}

void KxWriteSession::transfer() {
    journalled_ = true;
    for (const auto& job : journalJobs_)
        journalled_ = job() && journalled_;
    if (!journalled_) {
        HV_WARNING(QStringLiteral("The edits could not be journalled; nothing is written"));
        return;
    }
    outcome_.result = KxSetup::writeToMouse(target_, current_);
}

void KxWriteSession::finish(Save save, QObject* receiver, Done done) {
    if (!journalled_) {
        // Nothing was sent: the macros kept for the write leave the library again.
        macros_->giveBack();
        outcome_.refused = true;
        outcome_.why = QCoreApplication::translate(
                           "KxWriteSession", "The changes could not be kept in %1 before writing; "
                                             "nothing was written.")
                           .arg(sysPath);
        if (done)
            done(outcome_);
        return;
    }
    KxSetup::takeWritten(library_, target_, outcome_.result);
    outcome_.problems = KxSetup::problems(target_, outcome_.result, current_);
    outcome_.buttonsKept = false;
    for (int slot = 0; slot < KxSetup::kProfiles; ++slot)
        outcome_.buttonsKept = outcome_.buttonsKept || library_.hasButtonEdits(slot);
    if (target_.desktop && current_.desktop != target_.desktop) {
        outcome_.desktopApplied = KxSetup::applyDesktop(*target_.desktop);
        if (outcome_.desktopApplied)
            KxSetup::takeDesktop(library_, *target_.desktop);
        else
            outcome_.problems << QCoreApplication::translate(
                "KxWriteSession", "The desktop did not take the pointer, scroll and "
                                  "double-click speeds.");
    }
    const auto saved = [this, save, receiver = QPointer<QObject>(receiver),
                        done = std::move(done)](bool isSaved) {
        outcome_.saved = isSaved;
        if (!isSaved)
            outcome_.problems << QCoreApplication::translate(
                                     "KxWriteSession", "The profiles could not be saved in %1.")
                                     .arg(library_.sysProPath());
        // The daemon reloads the profiles from disk: it is told once they are there.
        tellDaemon();
        if (done && (receiver || save == Save::Wait))
            done(outcome_);
    };
    if (save == Save::None) {
        if (done && receiver)
            done(outcome_);
        return;
    }
    if (save == Save::Wait) {
        saved(library_.saveToSys());
        return;
    }
    // The application hears the save, so that the daemon is told also when the receiver is gone.
    ProfileSaver::shared().save(library_, QCoreApplication::instance(), saved);
}

void KxWriteSession::tellDaemon() const {
    using namespace KxMessages;
    if (outcome_.saved)
        KxAction::sendMessageToDaemon(kSettingsSaved);
    const KxSetup::WriteResult& result = outcome_.result;
    if (result.activeProfile.value_or(false))
        KxAction::sendProfileChangeToDaemon(*target_.activeProfile);
    // The display shows a stage or rate the write changed, as after a press on the mouse.
    if (result.settings.value_or(false) && current_.settings) {
        const KxSetup::Settings& now = *target_.settings;
        const KxSetup::Settings& before = *current_.settings;
        const int stage = now.activeStage;
        if (stage != before.activeStage || now.dpi[size_t(stage)] != before.dpi[size_t(stage)])
            KxAction::sendDPiChangeToDaemon(stage, now.dpi[size_t(stage)] / KxSetup::kDpiStep,
                                            now.dpi[size_t(stage)] / KxSetup::kDpiStep);
        if (now.rateHz != before.rateHz)
            KxAction::sendRateChangeToDaemon(int(KxSetup::poRateOf(now.rateHz).value_or(2)));
    }
}

KxWriteSession::Outcome KxWriteSession::run() {
    if (!prepare())
        return outcome_;
    transfer();
    Outcome outcome;
    finish(Save::Wait, nullptr, [&outcome](const Outcome& finished) { outcome = finished; });
    return outcome;
}

bool KxWriteSession::post(const std::shared_ptr<KxWriteSession>& session, Save save,
                          QObject* receiver, Done done) {
    if (!session->prepare())
        return false;
    KxAction::startTransfer(
        QStringLiteral("Write"), [session] { session->transfer(); }, receiver,
        [session, save, receiver, done = std::move(done)]() mutable {
            // The save's outcome keeps the session alive until it is told.
            session->finish(save, receiver, [session, done](const Outcome& outcome) {
                if (done)
                    done(outcome);
            });
        });
    return true;
}
