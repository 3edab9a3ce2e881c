#include "FlashStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString FlashStore::defaultPath() {
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(stateHome).filePath(QStringLiteral("kx-virtual-mouse/flash.bin"));
}

FlashStore::FlashStore(QString path, std::function<QByteArray()> image, QObject* parent)
    : QObject(parent), path_(std::move(path)), image_(std::move(image)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kSaveDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        QString error;
        if (!save(&error))
            Q_EMIT saveFailed(error);
    });
}

FlashStore::~FlashStore() {
    flush();
}

std::optional<QByteArray> FlashStore::load(qsizetype expectedSize, QString* note) {
    QFile file(path_);
    if (!file.exists())
        return std::nullopt;
    QString problem;
    QByteArray data;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else {
        data = file.readAll();
        if (file.error() != QFileDevice::NoError)
            problem = file.errorString();
        else if (data.size() != expectedSize)
            problem = QStringLiteral("%1 bytes instead of %2").arg(data.size()).arg(expectedSize);
        file.close();
    }
    if (problem.isEmpty())
        return data;

    const QString aside =
        path_ + QStringLiteral(".bad-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    const bool moved = QFile::rename(path_, aside);
    if (note)
        *note = QStringLiteral("flash file %1 is unusable (%2); %3, starting from factory state")
                    .arg(path_, problem,
                         moved ? QStringLiteral("kept as %1").arg(aside)
                               : QStringLiteral("could not move it aside"));
    return std::nullopt;
}

void FlashStore::scheduleSave() {
    if (!timer_.isActive())
        timer_.start();
}

bool FlashStore::flush(QString* error) {
    if (!timer_.isActive())
        return true;
    return save(error);
}

bool FlashStore::save(QString* error) {
    timer_.stop();
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of %1").arg(path_);
        return false;
    }
    QSaveFile file(path_);
    const QByteArray image = image_();
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.flush() ||
        !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot save flash to %1: %2").arg(path_, file.errorString());
        return false;
    }
    return true;
}
