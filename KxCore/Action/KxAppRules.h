#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct InstalledApplication;

// The user's rules that make the mouse's profile follow the application in front: "when <app>
// is in front, use profile N", "otherwise profile M" (or leave the profile as it is), and one
// switch for all of them. Stored with the preferences (the window and kxctl write them, the
// daemon reads them), carried by set-up files as their "appRules" section.
//
// An application is named as its desktop entry names it ("org.gimp.GIMP", the entry's id
// without ".desktop"), or by its window class where it has no entry ("Gimp-2.10"); names are
// compared regardless of case.
struct KxAppRule {
    QString app;
    int profile = 1; // 1..5, as the user numbers them

    bool operator==(const KxAppRule&) const = default;
};

class KxAppRules {
public:
    static constexpr int kProfiles = 5;
    // More rules than a user makes by hand; a file with more is not a set of rules.
    static constexpr int kMaxRules = 200;
    // A desktop id is a file name (255 bytes at most).
    static constexpr int kMaxAppLength = 255;

    bool enabled = true;
    QList<KxAppRule> rules;
    std::optional<int> otherwise; // 1..5; none: the profile stays as it is

    bool operator==(const KxAppRules&) const = default;

    // What to do when an application comes to the front.
    struct Decision {
        std::optional<int> profile; // 1..5; none: nothing to do
        int rule = -1;              // the rule that applies; -1 for "otherwise" or none
    };
    // names: what the application in front is called, best first (its desktop id, then its
    // window class and instance). Nothing applies while the rules are off.
    Decision decide(const QStringList& names) const;

    // The rule for an application, by name; -1 when it has none.
    int indexOf(const QString& app) const;
    // Adds the rule, or gives the application's rule the new profile. The caller has checked
    // the name (checkApp) and the profile.
    void set(const QString& app, int profile);
    // False when the application had no rule.
    bool remove(const QString& app);

    // An application's name as the rules keep it: trimmed, without ".desktop". Compared
    // regardless of case.
    static QString normalApp(const QString& name);
    static bool sameApp(const QString& a, const QString& b);
    // Why a name cannot be a rule's application (empty, too long, control characters), as a
    // sentence; empty when it can.
    static QString checkApp(const QString& name);

    // The installed application a rule names, among the installed ones; none when it is not
    // installed (the rule stays, and shows as such).
    static std::optional<InstalledApplication>
    installedApplication(const QString& app, const QList<InstalledApplication>& installed);

    // As set-up files and kxctl --json carry them:
    //   {"enabled": true, "otherwise": 3 | null, "rules": [{"app": "org.gimp.GIMP", "profile": 2}]}
    QJsonObject toJson() const;
    // Defined below, where KxAppRules is complete: an optional of it made inside the class would
    // fix its copy and move as those of an incomplete type, deleted.
    struct Parsed;
    // at: the section's name in the file, for the fields the errors name.
    static Parsed fromJson(const QJsonValue& value, const QString& at = QStringLiteral("appRules"));

    // The rules in the preferences file; none there is no rule and the switch on. A section a
    // hand edit broke is refused with the key named, never half read.
    static Parsed load();
    // Written to the preferences file; false with the reason in *why.
    bool save(QString* why = nullptr) const;
};

struct KxAppRules::Parsed {
    std::optional<KxAppRules> rules;
    QString field; // where the first error is ("appRules.rules[2].app"), when none
    QString reason;
    QString errorText() const {
        return field.isEmpty() ? reason : field + QStringLiteral(": ") + reason;
    }
};
