#pragma once

#include "KxRecords.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

// One profile in memory and its file: a profile file is exactly the 1872 bytes of one
// _Kx_CONFIG, with no header. configPro is the image last read or written, so the fields and
// padding this class does not maintain (setProfileId, currProfileId, padding) travel through a
// load and save unchanged.
class ProfileValue {
public:
    static constexpr qsizetype kNameFieldSize = sizeof(_Kx_CONFIG::profileName);

    // Every number 0, not default, no name or file name, both records zero.
    ProfileValue() = default;

    // The profile of the file at path, or none when nothing exists there. A file that exists but
    // cannot be read gives an all-zero value; a short file fills only its own length; bytes
    // beyond 1872 are ignored.
    static std::unique_ptr<ProfileValue> initWithPath(const QString& path);
    // Writes the profile file atomically (a reader sees the old or the new file) and durably.
    // A failure is logged and gives false; only configPro changes in memory.
    bool saveToPath(const QString& path);
    // What saveToPath writes: configPro with this value's fields put into it.
    QByteArray fileBytes();
    // Writes a profile file's bytes as saveToPath does; any thread.
    static bool writeFile(const QString& path, const QByteArray& bytes);

    void setOSD(uint32_t value) { profileData_.enableSrcDes = value; }
    void setProRate(uint32_t value) { profileData_.poRate = value; }

    int64_t profileId() const { return profileId_; }
    void setProfileId(int64_t id) { profileId_ = id; }
    // In memory only; never read from or written to the file.
    int64_t currProfileId() const { return currProfileId_; }
    void setCurrProfileId(int64_t id) { currProfileId_ = id; }
    // A null string when absent. Saved as UTF-8 in 255 bytes at most (cut at a character
    // boundary) followed by a NUL.
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    // The file name (with extension) the value was loaded from; null for a value never loaded.
    const QString& pathName() const { return pathName_; }
    void setPathName(const QString& pathName) { pathName_ = pathName; }
    bool isDefault() const { return isDefault_; }
    void setIsDefault(bool isDefault) { isDefault_ = isDefault; }
    _Kx_PROFILE profileData() const { return profileData_; }
    void setProfileData(const _Kx_PROFILE& data) { profileData_ = data; }
    _Kx_CONFIG configPro() const { return configPro_; }
    void setConfigPro(const _Kx_CONFIG& config) { configPro_ = config; }
    // The profile id assigned to each on-board slot; the library sets it before saving.
    const std::array<uint64_t, 5>& fwProfileID() const { return fwProfileID_; }
    void setFwProfileID(const std::array<uint64_t, 5>& ids) { fwProfileID_ = ids; }

    // The name as stored in the name field: UTF-8 of at most 255 bytes, never ending inside a
    // multi-byte character.
    static QByteArray encodeName(const QString& name);
    // The name of a stored name field: the bytes before the first NUL (all 256 when there is
    // none), invalid UTF-8 replaced, so the result can always be saved again.
    static QString decodeName(const char (&field)[kNameFieldSize]);

private:
    // The record from a file (a regular one only, opened without blocking) or from its bytes.
    void readFile(const QString& path);
    void readRecord(const QString& path, const QByteArray& bytes, qint64 fileSize);

    int64_t profileId_ = 0;
    int64_t currProfileId_ = 0;
    QString name_;
    QString pathName_;
    bool isDefault_ = false;
    _Kx_PROFILE profileData_{};
    _Kx_CONFIG configPro_{};
    std::array<uint64_t, 5> fwProfileID_{};
};
