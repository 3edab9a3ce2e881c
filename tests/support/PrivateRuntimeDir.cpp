#include "PrivateRuntimeDir.h"

#include <QDir>

PrivateRuntimeDir::PrivateRuntimeDir() {
    if (dir_.isValid())
        QDir().mkpath(runtime());
}

void PrivateRuntimeDir::apply() const {
    qputenv("XDG_RUNTIME_DIR", runtime().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state().toLocal8Bit());
}

QProcessEnvironment PrivateRuntimeDir::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
    env.insert(QStringLiteral("XDG_STATE_HOME"), state());
    env.insert(QStringLiteral("HOME"), path());
    return env;
}
