#include "MacroKeyInfo.h"

#include "HvLogger.h"
#include "KxValues.h"

QJsonObject MacroKeyInfo::toArchive() const {
    QJsonObject archive{{"keyCode", keyCode_}, {"keyFlag", keyFlag_}, {"delay", delay_}};
    if (deviceCode_)
        archive.insert(QLatin1String("deviceCode"), int(*deviceCode_));
    return archive;
}

std::optional<MacroKeyInfo> MacroKeyInfo::fromArchive(const QJsonObject& archive) {
    MacroKeyInfo step;
    bool anyKey = false;
    const struct {
        const char* key;
        int32_t* field;
    } fields[] = {
        {"keyCode", &step.keyCode_}, {"keyFlag", &step.keyFlag_}, {"delay", &step.delay_}};
    for (const auto& [key, field] : fields) {
        if (!archive.contains(QLatin1String(key)))
            continue;
        anyKey = true;
        const std::optional<int32_t> value = kxArchiveInt(archive.value(QLatin1String(key)));
        if (!value) {
            HV_WARNING(QStringLiteral("macro step archive: \"%1\" is not a 32-bit integer")
                           .arg(QLatin1String(key)));
            return std::nullopt;
        }
        *field = *value;
    }
    if (!anyKey) {
        HV_WARNING(QStringLiteral("macro step archive: none of its keys is there"));
        return std::nullopt;
    }
    if (archive.contains(QLatin1String("deviceCode"))) {
        const std::optional<int32_t> code =
            kxArchiveInt(archive.value(QLatin1String("deviceCode")));
        if (!code || *code < 0 || *code > 0xFF) {
            HV_WARNING(QStringLiteral("macro step archive: \"deviceCode\" is not a code 0 to 255"));
            return std::nullopt;
        }
        step.deviceCode_ = uint8_t(*code);
    }
    return step;
}
