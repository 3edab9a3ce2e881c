#include "MenuInfo.h"

#include "HvLogger.h"
#include "KxValues.h"
#include "MacroInfo.h"

namespace {
const char* const kIntKeys[] = {"functionID", "functionTableID", "typeTag", "KeyBit1",
                                "KeyBit2",    "KeyBit3",         "KeyBit4"};
const char* const kBoolKeys[] = {"needSepretor", "saveTag"};
} // namespace

MenuInfo::MenuInfo() : macroInfo_(std::make_shared<MacroInfo>()) {}

std::shared_ptr<MenuInfo> MenuInfo::initWithMacroData(std::shared_ptr<MacroInfo> macro) {
    auto entry = std::make_shared<MenuInfo>();
    entry->saveTag_ = false;
    if (macro)
        entry->setTitleStr(macro->nameStr());
    entry->setType(kTypeMacro);
    entry->macroInfo_ = std::move(macro);
    return entry;
}

QJsonObject MenuInfo::toArchive() const {
    QJsonObject archive{{"functionID", functionID_}, {"functionTableID", functionTableID_},
                        {"typeTag", typeTag_},       {"KeyBit1", keyBit_[0]},
                        {"KeyBit2", keyBit_[1]},     {"KeyBit3", keyBit_[2]},
                        {"KeyBit4", keyBit_[3]},     {"needSepretor", needSepretor_},
                        {"saveTag", saveTag_}};
    if (macroInfo_)
        archive.insert("macroInfo", macroInfo_->toArchive());
    return archive;
}

std::shared_ptr<MenuInfo> MenuInfo::fromArchive(const QJsonObject& archive) {
    auto refuse = [](const QString& why) {
        HV_WARNING(QStringLiteral("menu entry archive refused: %1").arg(why));
        return std::shared_ptr<MenuInfo>();
    };
    auto entry = std::make_shared<MenuInfo>();
    int32_t* const intFields[] = {&entry->functionID_, &entry->functionTableID_, &entry->typeTag_,
                                  &entry->keyBit_[0],  &entry->keyBit_[1],       &entry->keyBit_[2],
                                  &entry->keyBit_[3]};
    bool* const boolFields[] = {&entry->needSepretor_, &entry->saveTag_};
    bool anyKey = false;
    for (size_t i = 0; i < std::size(kIntKeys); ++i) {
        const QString key = QLatin1String(kIntKeys[i]);
        if (!archive.contains(key))
            continue;
        anyKey = true;
        const std::optional<int32_t> value = kxArchiveInt(archive.value(key));
        if (!value)
            return refuse(QStringLiteral("\"%1\" is not a 32-bit integer").arg(key));
        *intFields[i] = *value;
    }
    for (size_t i = 0; i < std::size(kBoolKeys); ++i) {
        const QString key = QLatin1String(kBoolKeys[i]);
        if (!archive.contains(key))
            continue;
        anyKey = true;
        const QJsonValue value = archive.value(key);
        if (!value.isBool())
            return refuse(QStringLiteral("\"%1\" is not a boolean").arg(key));
        *boolFields[i] = value.toBool();
    }
    if (archive.contains("macroInfo")) {
        anyKey = true;
        const QJsonValue value = archive.value("macroInfo");
        std::shared_ptr<MacroInfo> macro =
            value.isObject() ? MacroInfo::fromArchive(value.toObject()) : nullptr;
        if (!macro)
            return refuse(QStringLiteral("\"macroInfo\" is not a macro"));
        entry->macroInfo_ = std::move(macro);
    }
    if (!anyKey)
        return refuse(QStringLiteral("none of an entry's keys is there"));
    return entry;
}
