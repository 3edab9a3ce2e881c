#include "Workspace/OutputTarget.h"

#include "Linux/UniqueFd.h"
#include "Workspace/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool refuse(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return false;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The descriptor a path names when it is one of the process's own: /dev/stdout, /dev/stderr,
// /dev/fd/N, /proc/self/fd/N.
std::optional<int> ownDescriptor(const QString& path) {
    if (path == QLatin1String("/dev/stdout"))
        return 1;
    if (path == QLatin1String("/dev/stderr"))
        return 2;
    static const QRegularExpression fdPath(QStringLiteral("^/(?:dev|proc/self)/fd/(\\d{1,9})$"));
    const QRegularExpressionMatch match = fdPath.match(path);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

// Character devices a file may be written to: /dev/null and /dev/full (memory devices 1:3 and
// 1:7), and terminals (consoles 4, tty 5, pseudo-terminals 136 to 143).
bool streamDevice(dev_t device) {
    const unsigned major = ::major(device);
    const unsigned minor = ::minor(device);
    return (major == 1 && (minor == 3 || minor == 7)) || major == 4 || major == 5 ||
           (major >= 136 && major <= 143);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        //: Why a file cannot be written, said after its name ("out.kxsetup could not be
        //: written: is a folder"), as the other reasons here are.
        return QCoreApplication::translate("OutputTarget", "is a folder");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("OutputTarget", "is a socket");
    return QCoreApplication::translate("OutputTarget", "is a device, not a file or a terminal");
}

bool writeInPlace(int fd, const QByteArray& bytes, QString* why) {
    // Opened without blocking so that the open could not stall; the write may wait for a reader.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK))
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return OutputTarget::writeAll(fd, bytes, why);
}

} // namespace

bool OutputTarget::writeAll(int fd, const QByteArray& bytes, QString* why) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return refuse(
                why, wrote < 0 ? systemError()
                               : QCoreApplication::translate("OutputTarget", "nothing was taken"));
        done += wrote;
    }
    return true;
}

std::optional<QByteArray> OutputTarget::readAll(int fd, qint64 maxBytes, QString* why) {
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            refuse(why, QCoreApplication::translate("OutputTarget", "cannot be read (%1)")
                            .arg(systemError()));
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes) {
            refuse(why, RegularFile::tooLargeText(maxBytes));
            return std::nullopt;
        }
        bytes.append(buffer, got);
    }
}

bool OutputTarget::write(const QString& path, const QByteArray& bytes, QString* why) {
    if (path.isEmpty())
        return refuse(why, QCoreApplication::translate("OutputTarget", "no file was named"));
    struct stat status {};
    if (const auto fd = ownDescriptor(path)) {
        if (::fstat(*fd, &status) != 0)
            return refuse(
                why,
                QCoreApplication::translate("OutputTarget", "is not open (%1)").arg(systemError()));
        if (S_ISDIR(status.st_mode) || S_ISBLK(status.st_mode))
            return refuse(why, kindOf(status.st_mode));
        return writeInPlace(*fd, bytes, why);
    }
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return refuse(why, out.errorString());
        return true;
    }
    if (!S_ISFIFO(status.st_mode) && !(S_ISCHR(status.st_mode) && streamDevice(status.st_rdev)))
        return refuse(why, kindOf(status.st_mode));
    // O_NONBLOCK: a FIFO nobody reads fails at once (ENXIO) instead of waiting for ever.
    const UniqueFd fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.isValid())
        return refuse(why, errno == ENXIO ? QCoreApplication::translate(
                                                "OutputTarget", "is a FIFO that no program reads")
                                          : systemError());
    // What was opened is what was checked: a path swapped meanwhile is refused.
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0 || opened.st_dev != status.st_dev ||
        opened.st_ino != status.st_ino)
        return refuse(why,
                      QCoreApplication::translate("OutputTarget", "changed while it was opened"));
    return writeInPlace(fd.get(), bytes, why);
}
