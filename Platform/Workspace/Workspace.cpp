#include "Workspace/Workspace.h"

#include "Workspace/RegularFile.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QUrl>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>
#include <optional>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcWorkspace, "kx.workspace")

namespace {
constexpr QLatin1String kDesktopSuffix(".desktop");

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

QString takeMessage(GError* error) {
    const QString message =
        error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    return message;
}

// Started from the bytes the guard read: GIO's own loading opens the file blocking, and a FIFO
// put at the path would stall the caller for good.
bool launchDesktopEntry(const QString& path) {
    QString why;
    const std::optional<QByteArray> bytes =
        RegularFile::read(path, Workspace::kMaxDesktopEntryBytes, &why);
    if (!bytes) {
        qCWarning(lcWorkspace, "cannot start %s: it %s", qPrintable(path), qPrintable(why));
        return false;
    }
    GKeyFile* keys = g_key_file_new();
    const bool parsed = g_key_file_load_from_data(keys, bytes->constData(), gsize(bytes->size()),
                                                  G_KEY_FILE_NONE, nullptr);
    std::unique_ptr<GDesktopAppInfo, GObjectUnref> info(
        parsed ? g_desktop_app_info_new_from_keyfile(keys) : nullptr);
    g_key_file_unref(keys); // not g_key_file_free, which empties it for the info that keeps it
    if (!info) {
        qCWarning(lcWorkspace, "%s is not a valid desktop entry", qPrintable(path));
        return false;
    }
    GError* error = nullptr;
    if (g_app_info_launch(G_APP_INFO(info.get()), nullptr, nullptr, &error))
        return true;
    qCWarning(lcWorkspace, "cannot start %s: %s", qPrintable(path), qPrintable(takeMessage(error)));
    return false;
}

bool isRunningExecutable(const QString& canonicalPath) {
    const uid_t me = getuid();
    const QDir proc(QStringLiteral("/proc"));
    for (const QFileInfo& entry : proc.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        entry.fileName().toInt(&isPid);
        if (!isPid || entry.ownerId() != me)
            continue;
        const QFileInfo exe(entry.filePath() + QStringLiteral("/exe"));
        if (exe.symLinkTarget() == canonicalPath)
            return true;
    }
    return false;
}
} // namespace

bool Workspace::isApplicationRunning(const QString& applicationId) {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus || applicationId.isEmpty())
        return false;
    const QDBusReply<bool> reply = bus->isServiceRegistered(applicationId);
    return reply.isValid() && reply.value();
}

bool Workspace::isApplicationRunningAtPath(const QString& path) {
    const QFileInfo info(path);
    if (path.endsWith(kDesktopSuffix))
        return isApplicationRunning(info.completeBaseName());
    const QString canonical = info.canonicalFilePath();
    return !canonical.isEmpty() && info.isFile() && isRunningExecutable(canonical);
}

bool Workspace::openFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        qCWarning(lcWorkspace, "cannot open \"%s\": no such file", qPrintable(path));
        return false;
    }
    // A FIFO, a socket or a device is nothing to start or show.
    if (!info.isFile() && !info.isDir()) {
        qCWarning(lcWorkspace, "cannot open %s: it is not a regular file", qPrintable(path));
        return false;
    }
    if (info.isFile() && path.endsWith(kDesktopSuffix))
        return launchDesktopEntry(info.absoluteFilePath());
    if (info.isFile() && info.isExecutable()) {
        if (QProcess::startDetached(info.absoluteFilePath(), {}, QDir::homePath()))
            return true;
        qCWarning(lcWorkspace, "cannot start %s", qPrintable(path));
        return false;
    }
    return openUri(QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded());
}

bool Workspace::openUri(const QByteArray& uri) {
    GError* error = nullptr;
    if (g_app_info_launch_default_for_uri(uri.constData(), nullptr, &error))
        return true;
    qCWarning(lcWorkspace, "cannot open %s: %s", uri.constData(), qPrintable(takeMessage(error)));
    return false;
}
