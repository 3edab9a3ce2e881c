#pragma once

#include <QObject>
#include <QString>

// One configuration window per user. The running window owns the name com.vlak.KxOption on the
// session bus (the daemon watches it) and serves Activate at /com/vlak/KxOption/Application; a
// second start finds the name taken, asks the owner to raise its window and ends.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vlak.KxOption.Application")
public:
    static constexpr const char* kBusName = "com.vlak.KxOption";
    static constexpr const char* kObjectPath = "/com/vlak/KxOption/Application";
    static constexpr const char* kInterface = "com.vlak.KxOption.Application";

    enum class Claim {
        Owner,     // this process is the window
        OtherRuns, // another process is; it was asked to raise its window
        NoBus,     // no session bus: the window runs alone, unseen by the daemon
    };

    explicit SingleInstance(QObject* parent = nullptr);
    // Serves Activate, then claims the name (in that order, so a second start that lost the race
    // can always reach the owner).
    Claim claim();

public Q_SLOTS:
    // Raises the window (the signal below).
    void Activate();

Q_SIGNALS:
    void activated();
};
