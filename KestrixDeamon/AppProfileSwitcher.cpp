#include "AppProfileSwitcher.h"

#include "HvLogger.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "KxWriteSession.h"
#include "WorkerValue.h"
#include "Workspace/InstalledApplications.h"

#include <memory>

namespace {

const QString kWindowId = QStringLiteral("com.vlak.KxOption");
// The programs' window classes on X11 (Qt's: the program's name).
const QString kWindowClass = QStringLiteral("KxOption");
const QString kDaemonClass = QStringLiteral("KestrixDeamon");

} // namespace

AppProfileSwitcher::AppProfileSwitcher(ProfieController* library, Hooks hooks, QObject* parent)
    : QObject(parent), library_(library), hooks_(std::move(hooks)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { settled(); });
    reloadRules();
}

bool AppProfileSwitcher::Application::operator==(const Application& other) const {
    if (names.size() != other.names.size())
        return false;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(other.names[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

void AppProfileSwitcher::reloadRules() {
    const KxAppRules::Parsed parsed = KxAppRules::load();
    if (!parsed.rules) {
        HV_WARNING(QStringLiteral("The application rules are not read, none acts: %1")
                       .arg(parsed.errorText()));
        rules_ = KxAppRules{};
        rules_.enabled = false;
        return;
    }
    rules_ = *parsed.rules;
    HV_DEBUG(QStringLiteral("Application rules: %1 (%2)")
                 .arg(rules_.rules.size())
                 .arg(rules_.enabled ? QStringLiteral("on") : QStringLiteral("off")));
}

bool AppProfileSwitcher::isOwnWindow(const FrontApplication& front) {
    for (const QString& name : front.names())
        if (KxAppRules::sameApp(name, kWindowId) ||
            name.compare(kWindowClass, Qt::CaseInsensitive) == 0 ||
            name.compare(kDaemonClass, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

AppProfileSwitcher::Application AppProfileSwitcher::applicationOf(const FrontApplication& front) {
    Application application;
    application.names = front.names();
    application.id = application.names.value(0);
    return application;
}

QString AppProfileSwitcher::shownName(const QString& app) {
    if (app.isEmpty())
        return app;
    const auto installed = KxAppRules::installedApplication(app, InstalledApplications::list());
    return installed && !installed->name.isEmpty() ? installed->name : app;
}

void AppProfileSwitcher::frontChanged(const FrontApplication& front) {
    // The configuration window and the display are not an application the user turned to: the
    // profile set in the window stands when the user goes back.
    if (isOwnWindow(front) || front.names().isEmpty()) {
        settle_.stop();
        pending_ = settled_;
        return;
    }
    pending_ = applicationOf(front);
    lastOther_ = pending_;
    // Each change restarts the wait: only where the focus comes to rest counts.
    settle_.start();
}

void AppProfileSwitcher::settled() {
    if (pending_ == settled_)
        return; // the same application: a manual switch stands
    settled_ = pending_;
    apply();
}

void AppProfileSwitcher::mouseArrived() {
    if (!settled_.names.isEmpty()) // an application has settled
        apply();
}

void AppProfileSwitcher::apply() {
    if (!rules_.enabled || (rules_.rules.isEmpty() && !rules_.otherwise))
        return;
    if (hooks_.windowRuns && hooks_.windowRuns()) {
        HV_DEBUG(QStringLiteral("%1 is in front; the rules pause while the window runs")
                     .arg(settled_.id));
        return;
    }
    const KxAppRules::Decision decision = rules_.decide(settled_.names);
    if (!decision.profile) {
        HV_DEBUG(QStringLiteral("%1 is in front; no rule applies").arg(settled_.id));
        return;
    }
    const QString shown =
        shownName(decision.rule >= 0 ? rules_.rules[decision.rule].app : settled_.id);
    HV_DEBUG(QStringLiteral("%1 is in front: profile %2").arg(settled_.id).arg(*decision.profile));
    switchTo(*decision.profile - 1, shown);
}

void AppProfileSwitcher::switchTo(int profile, const QString& shownName) {
    auto active = std::make_shared<WorkerValue<std::optional<int>>>();
    KxDeviceQueue::Request read;
    read.name = QStringLiteral("rule's profile read");
    // A newer settled application replaces a read still waiting.
    read.coalesceKey = read.name;
    read.body = [active] {
        active->set(KxAction::readProfileByDevice());
        return active->get().has_value();
    };
    read.receiver = &transfers_;
    read.done = [this, active, profile, shownName](KxDeviceQueue::Outcome outcome) {
        const std::optional<int> now = active->get();
        if (outcome != KxDeviceQueue::Outcome::Reached || !now) {
            if (outcome != KxDeviceQueue::Outcome::Superseded)
                HV_DEBUG(QStringLiteral("The mouse did not answer; profile %1 for %2 is not set")
                             .arg(profile + 1)
                             .arg(shownName));
            return;
        }
        if (*now == profile)
            return;
        KxSetup::Target target;
        target.activeProfile = profile;
        KxSetup::MouseState current;
        current.activeProfile = *now;
        auto session = std::make_shared<KxWriteSession>(*library_, target, current);
        const bool posted = KxWriteSession::post(
            session, KxWriteSession::Save::None, &transfers_,
            [this, profile, shownName](const KxWriteSession::Outcome& written) {
                if (!written.result.activeProfile.value_or(false)) {
                    HV_WARNING(QStringLiteral("Profile %1 for %2 did not reach the mouse: %3")
                                   .arg(profile + 1)
                                   .arg(shownName, written.problems.join(QLatin1Char(' '))));
                    return;
                }
                HV_DEBUG(QStringLiteral("Profile %1 for %2").arg(profile + 1).arg(shownName));
                if (hooks_.switched)
                    hooks_.switched(profile, shownName);
            });
        if (!posted)
            HV_WARNING(QStringLiteral("Profile %1 for %2 is not written: %3")
                           .arg(profile + 1)
                           .arg(shownName, session->outcome().why));
    };
    KxDeviceQueue::shared().post(std::move(read));
}
