#include "ProfileValue.h"

#include "HvLogger.h"
#include "Linux/UniqueFd.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<ProfileValue> ProfileValue::initWithPath(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;

    auto value = std::make_unique<ProfileValue>();
    value->pathName_ = QFileInfo(path).fileName();

    if (path.startsWith(QLatin1Char(':'))) {
        QFile resource(path); // compiled into the program
        if (resource.open(QIODevice::ReadOnly))
            value->readRecord(path, resource.read(sizeof(_Kx_CONFIG)), resource.size());
    } else {
        value->readFile(path);
    }

    const _Kx_CONFIG& config = value->configPro_;
    value->isDefault_ = config.isDefault != 0;
    value->profileId_ = static_cast<int64_t>(config.profileId);
    value->name_ = decodeName(config.profileName);
    std::copy(std::begin(config.fwProfileID), std::end(config.fwProfileID),
              value->fwProfileID_.begin());
    value->profileData_ = config.profile;
    return value;
}

void ProfileValue::readFile(const QString& path) {
    // Opened without blocking and read only when it is a regular file: a FIFO would block the
    // open until a writer came, a device would give endless bytes.
    const UniqueFd fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isValid()) {
        HV_WARNING(QStringLiteral("Profile file %1 could not be opened: %2")
                       .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        HV_WARNING(QStringLiteral("Profile file %1 is not a regular file; not read").arg(path));
        return;
    }
    QByteArray bytes(sizeof(_Kx_CONFIG), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            HV_WARNING(QStringLiteral("Profile file %1 could not be read: %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    readRecord(path, bytes, info.st_size);
}

void ProfileValue::readRecord(const QString& path, const QByteArray& bytes, qint64 fileSize) {
    // Only the record's length matters: a shorter file leaves the rest zero, a longer file's
    // tail is never read. Either is named once per program run, not at every reload.
    std::memcpy(&configPro_, bytes.constData(), size_t(bytes.size()));
    if (fileSize == qint64(sizeof(_Kx_CONFIG)))
        return;
    static std::mutex mutex;
    static QSet<QString> named;
    const QString key = path + QLatin1Char('\n') + QString::number(fileSize);
    std::lock_guard lock(mutex);
    if (!named.contains(key)) {
        named.insert(key);
        HV_WARNING(QStringLiteral("Profile file %1 has %2 bytes, not %3; read as far as it goes")
                       .arg(path)
                       .arg(fileSize)
                       .arg(sizeof(_Kx_CONFIG)));
    }
}

bool ProfileValue::saveToPath(const QString& path) {
    return writeFile(path, fileBytes());
}

QByteArray ProfileValue::fileBytes() {
    configPro_.profileId = static_cast<uint64_t>(profileId_);
    configPro_.profile = profileData_;
    configPro_.isDefault = isDefault_ ? 1 : 0;
    std::copy(fwProfileID_.begin(), fwProfileID_.end(), std::begin(configPro_.fwProfileID));
    const QByteArray name = encodeName(name_);
    std::memset(configPro_.profileName, 0, sizeof configPro_.profileName);
    std::memcpy(configPro_.profileName, name.constData(), size_t(name.size()));
    return QByteArray(reinterpret_cast<const char*>(&configPro_), sizeof configPro_);
}

bool ProfileValue::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        HV_WARNING(QStringLiteral("Profile file %1 could not be written: %2")
                       .arg(path, file.errorString()));
        return false;
    }
    // The bytes wait in the file's buffer: a full disk shows when they are flushed, and commit()
    // alone would not look. Flushed here, a failure cancels the file.
    if (file.write(bytes) != bytes.size() || !file.flush())
        file.cancelWriting();
    // commit() syncs the temporary file to disk before renaming it over the target.
    if (!file.commit()) {
        HV_WARNING(QStringLiteral("Profile file %1 could not be written: %2")
                       .arg(path, file.errorString()));
        return false;
    }
    return true;
}

QByteArray ProfileValue::encodeName(const QString& name) {
    QByteArray utf8 = name.toUtf8();
    qsizetype length = std::min<qsizetype>(utf8.size(), kNameFieldSize - 1);
    // Back off over continuation bytes (10xxxxxx) so the cut falls before a lead byte.
    if (length < utf8.size()) {
        while (length > 0 && (static_cast<uint8_t>(utf8[length]) & 0xC0) == 0x80)
            --length;
    }
    utf8.truncate(length);
    // A NUL inside the name would end it early when read back; keep what precedes it.
    const qsizetype nul = utf8.indexOf('\0');
    if (nul >= 0)
        utf8.truncate(nul);
    return utf8;
}

QString ProfileValue::decodeName(const char (&field)[kNameFieldSize]) {
    const auto* end = std::find(field, field + kNameFieldSize, '\0');
    // fromUtf8 replaces invalid sequences by U+FFFD.
    return QString::fromUtf8(field, end - field);
}
