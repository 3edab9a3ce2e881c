#include "MacroInfo.h"

#include "HvLogger.h"
#include "KxAction.h"
#include "KxValues.h"
#include "MenuInfo.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>

namespace {
// Marks an empty key bit of a macro insert menu entry and ends its chord.
constexpr int32_t kNoKey = 255;
constexpr int32_t kMaxKeyCode = 0xFFFF; // key events carry 16 bits
} // namespace

int MacroInfo::heldDelay(int ms) {
    return std::clamp(ms, 0, kMaxDelayMs) / kDelayStepMs * kDelayStepMs;
}

int MacroInfo::bringDelaysWithinSteps() {
    int changed = 0;
    for (MacroKeyInfo& step : keyInfoArr_) {
        const int held = heldDelay(step.delay());
        changed += held != step.delay();
        step.setDelay(held);
    }
    return changed;
}

std::optional<QString> MacroInfo::unfitReason() const {
    // Counted as the mouse holds them: an inserted command is a press and a release per key.
    const uint32_t count = getMacroCount();
    if (count > uint32_t(KxProtocol::kMaxRecordSteps))
        //: Why a macro cannot be loaded, after "Fire.mac cannot be loaded: ".
        return QCoreApplication::translate(
                   "MacroInfo", "it takes %1 steps on the mouse, more than the %2 a button holds")
            .arg(count)
            .arg(KxProtocol::kMaxRecordSteps);
    for (const MacroKeyInfo& step : keyInfoArr_) {
        if (step.keyFlag() < MacroKeyInfo::kFlagKeyDown ||
            step.keyFlag() > MacroKeyInfo::kFlagMouseUp || step.keyCode() < 0 ||
            step.keyCode() > kMaxKeyCode || step.delay() < 0)
            return QCoreApplication::translate("MacroInfo",
                                               "it holds a step this program does not know");
    }
    return std::nullopt;
}

uint32_t MacroInfo::getMacroCount() const {
    uint32_t count = 0;
    for (const MacroKeyInfo& step : keyInfoArr_)
        count += step.keyFlag() == MacroKeyInfo::kFlagMenuFunction ? getComMacroCount(step) : 1;
    return count;
}

uint32_t MacroInfo::getComMacroCount(const MacroKeyInfo& step) {
    const std::shared_ptr<MenuInfo> entry = KxAction::getMacroMenuByFunid(step.keyCode());
    if (!entry)
        return 0;
    const int32_t keys[] = {entry->KeyBit1(), entry->KeyBit2(), entry->KeyBit3(), entry->KeyBit4()};
    uint32_t count = 0;
    for (const int32_t key : keys) {
        if (key == kNoKey)
            break;
        count += 2; // a press and a release
    }
    return count;
}

QJsonObject MacroInfo::toArchive() const {
    QJsonArray steps;
    for (const MacroKeyInfo& step : keyInfoArr_)
        steps.append(step.toArchive());
    return QJsonObject{{"nameStr", nameStr_},
                       {"loopTime", loopTime_},
                       {"keyInfoArr", steps},
                       {"isNoDisplay", isNoDisplay_}};
}

std::shared_ptr<MacroInfo> MacroInfo::fromArchive(const QJsonObject& archive) {
    auto refuse = [](const char* why) {
        HV_WARNING(QStringLiteral("macro archive refused: %1").arg(QLatin1String(why)));
        return std::shared_ptr<MacroInfo>();
    };
    if (!archive.contains("nameStr") && !archive.contains("loopTime") &&
        !archive.contains("keyInfoArr") && !archive.contains("isNoDisplay"))
        return refuse("none of a macro's keys is there");

    auto macro = std::make_shared<MacroInfo>();
    if (archive.contains("nameStr")) {
        const QJsonValue name = archive.value("nameStr");
        if (!name.isString())
            return refuse("\"nameStr\" is not a text");
        macro->nameStr_ = name.toString();
    }
    if (archive.contains("loopTime")) {
        const std::optional<int32_t> loopTime = kxArchiveInt(archive.value("loopTime"));
        if (!loopTime)
            return refuse("\"loopTime\" is not a 32-bit integer");
        macro->loopTime_ = *loopTime;
    }
    if (archive.contains("isNoDisplay")) {
        const QJsonValue hidden = archive.value("isNoDisplay");
        if (!hidden.isBool())
            return refuse("\"isNoDisplay\" is not a boolean");
        macro->isNoDisplay_ = hidden.toBool();
    }
    if (archive.contains("keyInfoArr")) {
        const QJsonValue steps = archive.value("keyInfoArr");
        if (!steps.isArray())
            return refuse("\"keyInfoArr\" is not a list");
        for (const QJsonValue& value : steps.toArray()) {
            if (!value.isObject())
                return refuse("a step is not an object");
            std::optional<MacroKeyInfo> step = MacroKeyInfo::fromArchive(value.toObject());
            if (!step)
                return refuse("a step is damaged");
            macro->keyInfoArr_.append(*step);
        }
    }
    return macro;
}
