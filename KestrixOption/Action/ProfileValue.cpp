#include "ProfileValue.h"

#include "HvLogger.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

std::unique_ptr<ProfileValue> ProfileValue::initWithPath(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;

    auto value = std::make_unique<ProfileValue>();
    value->pathName_ = QFileInfo(path).fileName();

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // Only the record's length matters; a longer file's tail is never read.
        const QByteArray bytes = file.read(sizeof(_Kx_CONFIG));
        std::memcpy(&value->configPro_, bytes.constData(), size_t(bytes.size()));
        if (file.error() != QFileDevice::NoError)
            HV_WARNING(QStringLiteral("Profile file %1 could not be read: %2")
                           .arg(path, file.errorString()));
    } else {
        HV_WARNING(QStringLiteral("Profile file %1 could not be opened: %2")
                       .arg(path, file.errorString()));
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

bool ProfileValue::saveToPath(const QString& path) {
    configPro_.profileId = static_cast<uint64_t>(profileId_);
    configPro_.profile = profileData_;
    configPro_.isDefault = isDefault_ ? 1 : 0;
    std::copy(fwProfileID_.begin(), fwProfileID_.end(), std::begin(configPro_.fwProfileID));
    const QByteArray name = encodeName(name_);
    std::memset(configPro_.profileName, 0, sizeof configPro_.profileName);
    std::memcpy(configPro_.profileName, name.constData(), size_t(name.size()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        HV_WARNING(QStringLiteral("Profile file %1 could not be written: %2")
                       .arg(path, file.errorString()));
        return false;
    }
    file.write(reinterpret_cast<const char*>(&configPro_), sizeof configPro_);
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
