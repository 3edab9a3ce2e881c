#pragma once

#include "Desktop/FrontApplication.h"
#include "KxAppRules.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class ProfieController;

// Makes the mouse's profile follow the application in front, by the user's rules. A change of
// the application in front acts once the focus has settled (kSettleMs after the last change, so
// that Alt+Tab through windows writes nothing): the mouse's active profile is read in a turn at
// the mouse, and when the rule wants another one, it is written by the one write every program
// makes, in its own turn. Only a change of application acts: another window of the same one, or
// the configuration window coming and going, leaves the profile as the user last set it (a
// manual switch stands until another application comes to the front). While the configuration
// window runs, the rules pause.
class AppProfileSwitcher : public QObject {
public:
    static constexpr int kSettleMs = 300;

    struct Hooks {
        // Whether the configuration window runs: the rules pause meanwhile.
        std::function<bool()> windowRuns;
        // The mouse took the profile (0..4) for the application of that name.
        std::function<void(int profile, const QString& application)> switched;
    };
    AppProfileSwitcher(ProfieController* library, Hooks hooks, QObject* parent = nullptr);

    // Reads the rules from the preferences again; a section a hand edit broke acts as no rule
    // (logged, with the key).
    void reloadRules();
    const KxAppRules& rules() const { return rules_; }

    // The desktop's word on the application in front.
    void frontChanged(const FrontApplication& front);
    // The mouse arrived: it takes the profile of the application in front, as when that
    // application came to the front (a mouse plugged in while a game runs gets the game's).
    void mouseArrived();

    // The last application in front other than this program's own windows: the id a rule
    // would name and the name to show; empty before the first.
    QString lastApplication() const { return lastOther_.id; }
    QString lastApplicationName() const { return shownName(lastOther_.id); }

    // The applications whose windows never count as a change: the configuration window and the
    // daemon's own display.
    static bool isOwnWindow(const FrontApplication& front);

private:
    struct Application {
        QStringList names; // as FrontApplication::names()
        QString id;        // the best name: what a rule would be made for
        bool operator==(const Application& other) const;
    };
    static Application applicationOf(const FrontApplication& front);
    // An application as a person reads it: its installed entry's name, else as named.
    static QString shownName(const QString& app);
    void settled();
    // The rules' profile for the settled application, if any, read and written.
    void apply();
    // Reads the mouse's profile in its turn; writes profile (0..4) when it differs.
    void switchTo(int profile, const QString& shownName);

    ProfieController* library_;
    Hooks hooks_;
    KxAppRules rules_;
    QTimer settle_;
    Application pending_;   // in front, not yet settled
    Application settled_;   // the last one that settled (and acted, or had nothing to do)
    Application lastOther_; // the last one in front
    QObject transfers_;     // receives the turns' outcomes; gone with the switcher
};
