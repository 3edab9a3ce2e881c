#include "KxAppRulesUpdate.h"

#include "KxAction.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxMouseLock.h"
#include "Preferences/UserPreferences.h"

#include <QCoreApplication>
#include <QDir>

QString KxAppRulesUpdate::lockPath() {
    if (sysPath.isEmpty())
        KxAction::getSysPath();
    return QDir(sysPath).filePath(QStringLiteral("AppRules.lock"));
}

QString KxAppRulesUpdate::brokenText(const KxAppRules::Parsed& parsed) {
    //: %1: where and what is wrong ("com.vlak.KxOption.conf [ApplicationRules] rules\2\profile:
    //: is not a profile of the mouse (1 to 5)"); %2: the preferences file.
    return QCoreApplication::translate(
               "KxAppRulesUpdate",
               "the application rules in the preferences cannot be read: %1. Correct it, or "
               "delete the [ApplicationRules] section of %2 to start again without rules")
        .arg(parsed.errorText(), UserPreferences::filePath());
}

KxAppRulesUpdate::Outcome KxAppRulesUpdate::apply(const Change& change, bool dryRun) {
    return update(change, dryRun, false);
}

KxAppRulesUpdate::Outcome KxAppRulesUpdate::replace(const KxAppRules& rules) {
    return update(
        [&rules](KxAppRules& stored, QString*) {
            stored = rules;
            return true;
        },
        false, true);
}

KxAppRulesUpdate::Outcome KxAppRulesUpdate::update(const Change& change, bool dryRun,
                                                   bool overBroken) {
    Outcome outcome;
    // A dry run reads what a writer left whole: QSettings replaces the file atomically.
    KxMouseLock lock;
    if (!dryRun && !lock.acquire(lockPath(), {}, &outcome.why))
        return outcome;
    const KxAppRules::Parsed loaded = KxAppRules::load();
    if (!loaded.rules && !overBroken) {
        outcome.why = brokenText(loaded);
        return outcome;
    }
    outcome.before = outcome.after = loaded.rules.value_or(KxAppRules());
    if (!change(outcome.after, &outcome.why))
        return outcome;
    outcome.ok = true;
    // Broken rules are written over even by rules equal to none.
    if (dryRun || (loaded.rules && outcome.after == outcome.before))
        return outcome;
    if (!outcome.after.save(&outcome.why)) {
        outcome.ok = false;
        return outcome;
    }
    outcome.saved = true;
    KxAction::sendMessageToDaemon(KxMessages::kRulesChanged);
    return outcome;
}
