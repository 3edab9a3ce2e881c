#include "MacroKeyInfo.h"

#include "HvLogger.h"
#include "KxValues.h"

QJsonObject MacroKeyInfo::toArchive() const {
    return QJsonObject{{"keyCode", keyCode_}, {"keyFlag", keyFlag_}, {"delay", delay_}};
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
    return step;
}
