#pragma once

#include "KxAppRules.h"

#include <QString>

#include <functional>

// A change to the user's application rules, made alike by every program that makes one (kxctl's
// rule commands, a set-up's import, the window's rules view): under the rules' own lock
// ("AppRules.lock" in the data folder), so that two writers at once never lose each other's change,
// the rules are read, changed and saved, and the daemon is told to read them again. The mouse and
// its lock play no part: rules are changed with no mouse attached.
class KxAppRulesUpdate {
public:
    // Changes the rules in place; false, with a sentence in *refusal, to change nothing.
    using Change = std::function<bool(KxAppRules& rules, QString* refusal)>;
    struct Outcome {
        bool ok = false;
        QString why; // when not ok: a sentence
        KxAppRules before;
        KxAppRules after;
        bool saved = false; // they differed and were written, and the daemon was told
    };
    // Rules a hand edit broke are refused, never written over. dryRun: nothing is saved.
    static Outcome apply(const Change& change, bool dryRun = false);
    // The window's OK: the rules replaced whole by the ones the user edited, also over rules a
    // hand edit broke (the user chose to start over without them).
    static Outcome replace(const KxAppRules& rules);
    // Why the preferences' rules are not taken: the key, its fault, and how to mend it.
    static QString brokenText(const KxAppRules::Parsed& parsed);
    static QString lockPath();

private:
    static Outcome update(const Change& change, bool dryRun, bool overBroken);
};
