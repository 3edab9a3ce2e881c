#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A runtime folder and a state folder of the test's own, where the emulated mouse keeps its socket
// and its flash: tests that start servers never meet another test's.
class PrivateRuntimeDir {
public:
    PrivateRuntimeDir();

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString runtime() const { return dir_.filePath(QStringLiteral("run")); }
    QString state() const { return dir_.filePath(QStringLiteral("state")); }

    // Points XDG_RUNTIME_DIR and XDG_STATE_HOME of this process here.
    void apply() const;
    // The system environment with XDG_RUNTIME_DIR, XDG_STATE_HOME and HOME here, for a program
    // the test starts.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir dir_;
};
