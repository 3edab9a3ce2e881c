// HvAction: folders, resource copies and keyed archives.
#include "HvAction.h"

#include "HvLogger.h"
#include "Workspace/OutputTarget.h"
#include "Workspace/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

namespace {

const QString kArchiveFormat = QStringLiteral("com.vlak.KxOption.archive");
constexpr int kArchiveVersion = 1;
// Archives hold one macro or similar; anything larger is not one of ours.
constexpr qint64 kMaxArchiveBytes = 16 * 1024 * 1024;

} // namespace

void HvAction::creatDirectoryPro(const QString& path) {
    if (path.isEmpty()) {
        HV_WARNING(QStringLiteral("cannot create a folder without a name"));
        return;
    }
    if (!QDir().mkpath(path))
        HV_WARNING(QStringLiteral("cannot create the folder %1").arg(path));
}

bool HvAction::checkAddCopyFileFromResourceWithPath(const QString& folder,
                                                    const QString& fileName) {
    if (folder.isEmpty() || fileName.isEmpty() || fileName.contains(QLatin1Char('/'))) {
        HV_WARNING(QStringLiteral("bad resource copy request: folder \"%1\", file \"%2\"")
                       .arg(folder, fileName));
        return false;
    }
    const QString target = QDir(folder).filePath(fileName);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        if (targetInfo.isFile())
            return true;
        HV_WARNING(QStringLiteral("%1 is in the way of the file %2").arg(target, fileName));
        return false;
    }

    QFile resource(QStringLiteral(":/") + fileName);
    if (!resource.open(QIODevice::ReadOnly)) {
        HV_WARNING(QStringLiteral("no resource %1 to copy into %2").arg(fileName, folder));
        return false;
    }
    const QByteArray content = resource.readAll();
    if (!QDir().mkpath(folder)) {
        HV_WARNING(QStringLiteral("cannot create the folder %1").arg(folder));
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.flush() ||
        !out.commit()) {
        HV_WARNING(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
        return false;
    }
    // Resource files are read-only; the copy is the user's to change.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                      QFileDevice::WriteOwner);
    HV_DEBUG(QStringLiteral("copied the resource %1 into %2").arg(fileName, folder));
    return true;
}

QByteArray HvAction::archiveBytes(const QJsonObject& object) {
    QJsonObject top;
    top.insert(QStringLiteral("format"), kArchiveFormat);
    top.insert(QStringLiteral("version"), kArchiveVersion);
    top.insert(QStringLiteral("object"), object);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

bool HvAction::SaveObject(const QJsonObject& object, const QString& path, QString* why) {
    QString reason;
    if (!OutputTarget::write(path, archiveBytes(object), &reason)) {
        HV_WARNING(QStringLiteral("cannot save the archive %1: %2").arg(path, reason));
        if (why)
            *why = reason;
        return false;
    }
    return true;
}

std::optional<QJsonObject> HvAction::CopyObject(const QString& path, QString* why) {
    const auto refuse = [&](const QString& reason) -> std::optional<QJsonObject> {
        HV_WARNING(QStringLiteral("%1: %2").arg(path, reason));
        if (why)
            *why = reason;
        return std::nullopt;
    };
    // A FIFO or a device at the path cannot stall the caller, nor a huge file fill memory.
    QString reason;
    const std::optional<QByteArray> bytes = RegularFile::read(path, kMaxArchiveBytes, &reason);
    if (!bytes)
        return refuse(reason);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    //: Why a file cannot be loaded, said after "the file" ("Fire.mac cannot be loaded: the
    //: file is not an archive of this program").
    if (error.error != QJsonParseError::NoError)
        return refuse(QCoreApplication::translate("HvAction", "is damaged at offset %1: %2")
                          .arg(error.offset)
                          .arg(error.errorString()));
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != kArchiveFormat)
        return refuse(QCoreApplication::translate("HvAction", "is not an archive of this program"));
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != kArchiveVersion)
        return refuse(QCoreApplication::translate(
            "HvAction", "has an archive version this program does not read"));
    const QJsonValue object = top.value(QStringLiteral("object"));
    if (!object.isObject())
        return refuse(QCoreApplication::translate("HvAction", "holds no object"));
    return object.toObject();
}
