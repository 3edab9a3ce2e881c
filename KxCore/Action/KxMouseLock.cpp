#include "KxMouseLock.h"

#include "KxGlobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString errorText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

KxMouseLock::~KxMouseLock() {
    release();
}

QString KxMouseLock::path() {
    return sysPath.isEmpty() ? QString() : QDir(sysPath).filePath(QStringLiteral("Mouse.lock"));
}

bool KxMouseLock::acquire(const QString& path, const std::function<void()>& beforeWaiting,
                          QString* why) {
    release();
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                 0600);
    if (fd_ < 0) {
        *why = QCoreApplication::translate("KxMouseLock", "%1 cannot be opened: %2")
                   .arg(path, errorText());
        return false;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
        return true;
    if (beforeWaiting)
        beforeWaiting();
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        *why = QCoreApplication::translate("KxMouseLock", "%1 cannot be locked: %2")
                   .arg(path, errorText());
        release();
        return false;
    }
    return true;
}

void KxMouseLock::release() {
    if (fd_ >= 0) {
        ::close(fd_); // the lock goes with the descriptor
        fd_ = -1;
    }
}
