// kxctl's rule commands: the application rules in the preferences, read and changed without the
// mouse or its lock; a change follows the one-writer rule and goes through KxAppRulesUpdate.
#include "KxCtlTool.h"

#include "KxAppRulesUpdate.h"
#include "KxMessages.h"
#include "Workspace/InstalledApplications.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>

namespace KxCtl {

namespace {

// How long the daemon has to say whether this desktop tells the application in front.
constexpr int kDaemonAnswerMs = 1500;
// What of the daemon's answer is shown: a word like "x11" or "gnome-wayland".
constexpr int kMaxDesktopWordLength = 64;

// What an APP typed on the command line names.
struct NamedApp {
    QString app; // as the rule keeps it
    std::optional<InstalledApplication> installed;
    bool byName = false;   // typed as an installed application's name
    QStringList sameNamed; // the ids of the installed applications with that name, when several
};

// An installed application's id (case-insensitive) keeps that id; otherwise the one installed
// application called so; otherwise the name as typed (a window class, or an application to come).
NamedApp nameApp(const QString& typed, const QList<InstalledApplication>& installed) {
    NamedApp named;
    if (const auto entry = KxAppRules::installedApplication(typed, installed)) {
        named.app = KxAppRules::normalApp(entry->id);
        named.installed = entry;
        return named;
    }
    QList<InstalledApplication> called;
    for (const InstalledApplication& entry : installed)
        if (entry.name.compare(typed.trimmed(), Qt::CaseInsensitive) == 0)
            called << entry;
    if (called.size() == 1) {
        named.app = KxAppRules::normalApp(called.first().id);
        named.installed = called.first();
        named.byName = true;
        return named;
    }
    named.app = KxAppRules::normalApp(typed);
    for (const InstalledApplication& entry : std::as_const(called))
        named.sameNamed << KxAppRules::normalApp(entry.id);
    return named;
}

// "GIMP (org.gimp.GIMP)", or "Gimp-2.10 (not installed)".
QString appText(const QString& app, const QList<InstalledApplication>& installed) {
    if (const auto entry = KxAppRules::installedApplication(app, installed))
        //: An application of a rule: its name (%1) and its id (%2).
        return QCoreApplication::translate("KxCtl", "%1 (%2)").arg(entry->name, app);
    //: An application of a rule that no installed application is (%1: its id or window class).
    return QCoreApplication::translate("KxCtl", "%1 (not installed)").arg(app);
}

QString profileText(const std::optional<int>& profile) {
    return profile ? QCoreApplication::translate("KxCtl", "profile %1").arg(*profile)
                   : QCoreApplication::translate("KxCtl", "the profile stays as it is");
}

QJsonObject changeJson(const QString& what, const QString& from, const QString& to) {
    QJsonObject object{{QStringLiteral("what"), what}, {QStringLiteral("to"), to}};
    if (!from.isEmpty())
        object.insert(QStringLiteral("from"), from);
    return object;
}

// What changed from one set of rules to the other: the switch, each rule, the "otherwise".
QJsonArray changesBetween(const KxAppRules& before, const KxAppRules& after) {
    QJsonArray changes;
    if (before.enabled != after.enabled)
        changes.append(changeJson(QCoreApplication::translate("KxCtl", "application rules"),
                                  before.enabled ? QCoreApplication::translate("KxCtl", "on")
                                                 : QCoreApplication::translate("KxCtl", "off"),
                                  after.enabled ? QCoreApplication::translate("KxCtl", "on")
                                                : QCoreApplication::translate("KxCtl", "off")));
    for (const KxAppRule& rule : after.rules) {
        const int was = before.indexOf(rule.app);
        if (was < 0)
            changes.append(
                changeJson(QCoreApplication::translate("KxCtl", "rule for %1").arg(rule.app),
                           QString(), profileText(rule.profile)));
        else if (before.rules[was].profile != rule.profile)
            changes.append(
                changeJson(QCoreApplication::translate("KxCtl", "rule for %1").arg(rule.app),
                           profileText(before.rules[was].profile), profileText(rule.profile)));
    }
    for (const KxAppRule& rule : before.rules)
        if (after.indexOf(rule.app) < 0)
            changes.append(changeJson(
                QCoreApplication::translate("KxCtl", "rule for %1").arg(rule.app),
                profileText(rule.profile), QCoreApplication::translate("KxCtl", "no rule")));
    if (before.otherwise != after.otherwise)
        changes.append(changeJson(QCoreApplication::translate("KxCtl", "every other application"),
                                  profileText(before.otherwise), profileText(after.otherwise)));
    return changes;
}

QString changeLine(const QJsonObject& change) {
    KxSetup::Change line;
    line.what = change.value(QStringLiteral("what")).toString();
    line.from = change.value(QStringLiteral("from")).toString();
    line.to = change.value(QStringLiteral("to")).toString();
    return line.text();
}

// The daemon's word on whether this desktop tells the application in front. A daemon that is
// not running is not started for the question.
struct DaemonAnswer {
    bool bus = false; // a session bus to ask on
    bool running = false;
    bool answered = false;
    bool available = false;
    QString desktop; // "x11", or why not ("gnome-wayland")
};

DaemonAnswer askDaemon() {
    DaemonAnswer answer;
    QDBusConnection bus = QDBusConnection::sessionBus();
    answer.bus = bus.isConnected();
    if (!answer.bus)
        return answer;
    const QDBusReply<bool> registered =
        bus.interface()->isServiceRegistered(QLatin1String(KxMessages::kDaemonService));
    answer.running = registered.isValid() && registered.value();
    if (!answer.running)
        return answer;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(KxMessages::kDaemonService), QLatin1String(KxMessages::kRulesPath),
        QLatin1String(KxMessages::kRulesInterface), QStringLiteral("Availability"));
    call.setAutoStartService(false);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDaemonAnswerMs);
    const QList<QVariant> values = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || values.size() != 2 ||
        values[0].typeId() != QMetaType::Bool || values[1].typeId() != QMetaType::QString)
        return answer;
    answer.answered = true;
    answer.available = values[0].toBool();
    answer.desktop = KxSetup::firstCharacters(values[1].toString(), kMaxDesktopWordLength);
    return answer;
}

} // namespace

int Tool::ruleList() {
    const KxAppRules::Parsed loaded = KxAppRules::load();
    if (!loaded.rules)
        return fail(kRefused, KxAppRulesUpdate::brokenText(loaded));
    const KxAppRules& rules = *loaded.rules;
    const QList<InstalledApplication> installed = InstalledApplications::list();

    QJsonArray list;
    QStringList names;
    for (const KxAppRule& rule : rules.rules) {
        QJsonObject object{{QStringLiteral("app"), rule.app},
                           {QStringLiteral("profile"), rule.profile}};
        const auto entry = KxAppRules::installedApplication(rule.app, installed);
        object.insert(QStringLiteral("installed"), entry.has_value());
        if (entry)
            object.insert(QStringLiteral("name"), entry->name);
        list.append(object);
        names << appText(rule.app, installed);
    }
    names << QCoreApplication::translate("KxCtl", "every other application");
    qsizetype width = 0;
    for (const QString& name : std::as_const(names))
        width = std::max(width, qsizetype(KxSetup::characterCount(name)));

    QStringList lines{
        rules.enabled
            ? QCoreApplication::translate("KxCtl", "Application rules: on")
            : QCoreApplication::translate(
                  "KxCtl", "Application rules: off (the profile follows no application)")};
    if (rules.rules.isEmpty())
        lines << QCoreApplication::translate("KxCtl",
                                             "  no rules (kxctl rule add APP PROFILE makes one)");
    const auto row = [&](const QString& name, const std::optional<int>& profile) {
        const QString pad(width - KxSetup::characterCount(name), QLatin1Char(' '));
        return QStringLiteral("  %1%2  %3").arg(name, pad, profileText(profile));
    };
    for (qsizetype i = 0; i < rules.rules.size(); ++i)
        lines << row(names[i], rules.rules[i].profile);
    lines << row(names.last(), rules.otherwise);

    const DaemonAnswer daemon = askDaemon();
    QJsonObject daemonJson{{QStringLiteral("running"), daemon.running},
                           {QStringLiteral("answered"), daemon.answered}};
    if (!daemon.bus) {
        lines << QCoreApplication::translate(
            "KxCtl", "There is no session bus: whether the daemon runs cannot be seen.");
    } else if (!daemon.running) {
        lines << QCoreApplication::translate(
            "KxCtl", "The daemon is not running: the rules apply once it runs.");
    } else if (!daemon.answered) {
        lines << QCoreApplication::translate(
            "KxCtl", "The daemon did not answer whether this desktop tells which application is "
                     "in front.");
    } else {
        daemonJson.insert(QStringLiteral("available"), daemon.available);
        daemonJson.insert(QStringLiteral("desktop"), daemon.desktop);
        lines << (daemon.available
                      //: %1: how the daemon learns it ("x11", "wlroots", "kwin").
                      ? QCoreApplication::translate(
                            "KxCtl", "This desktop tells which application is in front (%1).")
                      //: %1: why not ("gnome-wayland", "no-display").
                      : QCoreApplication::translate(
                            "KxCtl",
                            "This desktop does not tell which application is in front (%1): "
                            "the rules do nothing here."))
                     .arg(daemon.desktop);
    }
    QJsonObject rulesJson = rules.toJson();
    rulesJson.insert(QStringLiteral("rules"), list);
    return done({{QStringLiteral("appRules"), rulesJson}, {QStringLiteral("daemon"), daemonJson}},
                lines);
}

int Tool::ruleChange() {
    const Command command = invocation_.command;
    // Everything typed is checked before anything is read or written.
    std::optional<int> profile;
    if (command == Command::RuleAdd) {
        const QString typed = invocation_.words.last();
        profile = wholeNumber(typed);
        if (!profile || *profile < 1 || *profile > KxAppRules::kProfiles)
            return fail(kRefused,
                        QCoreApplication::translate(
                            "KxCtl", "%1 is not a profile of the mouse: it has profiles 1 to 5")
                            .arg(typed));
    }
    QString typedApp;
    if (!invocation_.otherwise && !invocation_.words.isEmpty() &&
        (command == Command::RuleAdd || command == Command::RuleRemove)) {
        typedApp = invocation_.words.first();
        if (const QString why = KxAppRules::checkApp(typedApp); !why.isEmpty())
            //: %1: the application as typed; %2: why it cannot be ("holds control
            //: characters").
            return fail(kRefused, QCoreApplication::translate("KxCtl", "the application \"%1\" %2")
                                      .arg(typedApp, why));
    }
    NamedApp named;
    const QList<InstalledApplication> installed =
        typedApp.isEmpty() ? QList<InstalledApplication>{} : InstalledApplications::list();
    if (!typedApp.isEmpty())
        named = nameApp(typedApp, installed);

    if (!invocation_.dryRun) {
        noteWithoutBus();
        if (const auto refused = refuseWhileWindowRuns())
            return *refused;
    }
    const KxAppRulesUpdate::Outcome outcome = KxAppRulesUpdate::apply(
        [&](KxAppRules& rules, QString* refusal) {
            switch (command) {
            case Command::RuleAdd:
                if (invocation_.otherwise) {
                    rules.otherwise = profile;
                } else {
                    if (rules.indexOf(named.app) < 0 &&
                        rules.rules.size() >= KxAppRules::kMaxRules) {
                        *refusal =
                            QCoreApplication::translate(
                                "KxCtl", "there are %1 rules, the most kept: remove one first")
                                .arg(KxAppRules::kMaxRules);
                        return false;
                    }
                    rules.set(named.app, *profile);
                }
                return true;
            case Command::RuleRemove:
                if (invocation_.otherwise) {
                    rules.otherwise.reset();
                } else if (!rules.remove(typedApp) && !(named.byName && rules.remove(named.app))) {
                    *refusal = QCoreApplication::translate(
                                   "KxCtl", "%1 has no rule (kxctl rule list shows them)")
                                   .arg(KxAppRules::normalApp(typedApp));
                    return false;
                }
                return true;
            case Command::RuleOn:
            case Command::RuleOff:
                rules.enabled = command == Command::RuleOn;
                return true;
            default:
                return false;
            }
        },
        invocation_.dryRun);
    flushBus();
    if (!outcome.ok)
        return fail(kRefused, outcome.why);

    if (command == Command::RuleAdd && !invocation_.otherwise) {
        if (named.byName)
            //: %1: the application's name as typed; %2: its id.
            note(
                QCoreApplication::translate(
                    "KxCtl", "\"%1\" is the installed application %2: the rule names it by that id")
                    .arg(typedApp.trimmed(), named.app));
        else if (!named.installed)
            note((named.sameNamed.isEmpty()
                      ? QCoreApplication::translate(
                            "KxCtl",
                            "no installed application has the id %1: the rule is kept for when "
                            "one has, and applies meanwhile to windows of that class")
                      //: %2: the ids of the applications with the name typed, as a list.
                      : QCoreApplication::translate(
                            "KxCtl",
                            "no installed application has the id %1, and several are called so "
                            "(%2): name one by its id; the rule is kept as typed"))
                     .arg(named.app, named.sameNamed.join(QStringLiteral(", "))));
    }
    const QJsonArray changes = changesBetween(outcome.before, outcome.after);
    QJsonObject json{{QStringLiteral("appRules"), outcome.after.toJson()},
                     {QStringLiteral("changes"), changes},
                     {QStringLiteral("written"), outcome.saved}};
    if (command == Command::RuleAdd && !invocation_.otherwise) {
        QJsonObject rule{{QStringLiteral("app"), named.app},
                         {QStringLiteral("profile"), *profile},
                         {QStringLiteral("installed"), named.installed.has_value()}};
        if (named.installed)
            rule.insert(QStringLiteral("name"), named.installed->name);
        json.insert(QStringLiteral("rule"), rule);
    }
    if (changes.isEmpty())
        return done(json, {QCoreApplication::translate(
                              "KxCtl", "Nothing to change: the rules say this already.")});
    QStringList lines;
    for (const QJsonValue& change : changes)
        lines << changeLine(change.toObject());
    if (invocation_.dryRun) {
        json.insert(QStringLiteral("dryRun"), true);
        lines.prepend(QCoreApplication::translate("KxCtl", "Would change:"));
    }
    return done(json, lines);
}

} // namespace KxCtl
