#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

// The user's documents folder, where the window's file panels open; made when it is missing.
inline QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    return folder;
}
