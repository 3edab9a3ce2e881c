#include "Workspace/RegularFile.h"

#include "Linux/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString RegularFile::tooLargeText(qint64 maxBytes) {
    // Bounds are whole MiB or small.
    constexpr qint64 kMiB = 1024 * 1024;
    //: Why a file is refused, said after its name, as the other reasons here are.
    return maxBytes >= kMiB && maxBytes % kMiB == 0
               ? QCoreApplication::translate("RegularFile", "is larger than %1 MiB")
                     .arg(maxBytes / kMiB)
               : QCoreApplication::translate("RegularFile", "is larger than %1 bytes")
                     .arg(maxBytes);
}

std::optional<QByteArray> RegularFile::read(const QString& path, qint64 maxBytes, QString* why) {
    const auto refuse = [why](const QString& reason) -> std::optional<QByteArray> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    // O_NONBLOCK: opening a FIFO without a writer returns at once; O_NOCTTY: a terminal at the
    // path does not become the process's.
    const UniqueFd fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isValid())
        return refuse(QCoreApplication::translate("RegularFile", "cannot be opened (%1)")
                          .arg(QString::fromLocal8Bit(std::strerror(errno))));
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return refuse(QCoreApplication::translate("RegularFile", "is not a regular file"));
    const QString tooLarge = tooLargeText(maxBytes);
    if (status.st_size > maxBytes)
        return refuse(tooLarge);
    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refuse(QCoreApplication::translate("RegularFile", "cannot be read (%1)")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes) // grew while being read
            return refuse(tooLarge);
        bytes.append(buffer, got);
    }
}
