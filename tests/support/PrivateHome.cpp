#include "PrivateHome.h"

#include <QDir>

namespace {
QString rootPath;
}

QString PrivateHome::dir(const char* name) {
    return rootPath + QLatin1Char('/') + name;
}

void PrivateHome::SetUp() {
    ASSERT_TRUE(root_.isValid());
    rootPath = root_.path();
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_STATE_HOME", "state"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto& [variable, name] : folders) {
        ASSERT_TRUE(QDir().mkpath(dir(name)));
        qputenv(variable, dir(name).toLocal8Bit());
    }
    QFile::setPermissions(dir("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("GSETTINGS_BACKEND", "memory");
    prepare();
}
