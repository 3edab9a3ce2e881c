#pragma once

#include "PrivateHome.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

// A program in the private home that adds a line to a marker file each time it is started: the
// application bound to a button, or the configuration window's stand-in.
inline QString writeMarkerProgram(const QString& name) {
    const QString path = PrivateHome::dir("home") + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\necho started >> '%1.started'\n").arg(path).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

inline bool started(const QString& program) {
    return QFileInfo::exists(program + ".started");
}

inline int startCount(const QString& program) {
    QFile marker(program + ".started");
    return marker.open(QIODevice::ReadOnly) ? int(marker.readAll().count('\n')) : 0;
}
