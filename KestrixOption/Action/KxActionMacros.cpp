#include "KxAction.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvTreeNode.h"
#include "KxGlobals.h"
#include "KxValues.h"
#include "MacroInfo.h"

#include <QDomDocument>

#include <algorithm>
#include <limits>

namespace {
const QString kItem = QStringLiteral("Item");
const QString kLoopTime = QStringLiteral("LoopTime");
const QString kKeyItem = QStringLiteral("KeyItem");

int32_t decimalAttribute(const QDomElement& element, const QString& name) {
    return kxDecimalValue(HvAction::getNodeAtrValue(element, name));
}

template <typename Condition>
std::shared_ptr<MacroInfo> findMacro(Condition condition) {
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro && condition(*macro))
            return macro;
    }
    return nullptr;
}
} // namespace

void KxAction::addMacroInfoByEle(const QDomElement& item) {
    auto macro = std::make_shared<MacroInfo>();
    macro->setLoopTime(kxDecimalValue(HvAction::getNodeValue(item, kLoopTime)));
    macro->setNameStr(HvAction::getNodeAtrValue(item, QStringLiteral("title")).value_or(QString()));
    macro->setMacroId(decimalAttribute(item, QStringLiteral("MacroID")));
    for (QDomElement key = item.firstChildElement(kKeyItem); !key.isNull();
         key = key.nextSiblingElement(kKeyItem)) {
        macro->keyInfoArr().append(MacroKeyInfo(decimalAttribute(key, QStringLiteral("keyCode")),
                                                decimalAttribute(key, QStringLiteral("keyFlag")),
                                                decimalAttribute(key, QStringLiteral("delay"))));
    }
    macroListArrs.append(std::move(macro));
}

void KxAction::SaveMacroInfoToEle(QDomElement& element, const MacroInfo& macro) {
    QDomDocument document = element.ownerDocument();
    QDomElement loopTime = document.createElement(kLoopTime);
    loopTime.appendChild(document.createTextNode(QString::number(macro.loopTime())));
    element.appendChild(loopTime);
    for (const MacroKeyInfo& step : macro.keyInfoArr()) {
        QDomElement key = document.createElement(kKeyItem);
        key.setAttribute(QStringLiteral("keyCode"), QString::number(step.keyCode()));
        key.setAttribute(QStringLiteral("keyFlag"), QString::number(step.keyFlag()));
        key.setAttribute(QStringLiteral("delay"), QString::number(step.delay()));
        element.appendChild(key);
    }
}

QDomElement KxAction::addElementByNode(const MacroInfo& macro, QDomElement& parent,
                                       const std::optional<QString>& itemName) {
    QDomElement element = parent.ownerDocument().createElement(itemName.value_or(kItem));
    parent.appendChild(element);
    element.setAttribute(QStringLiteral("title"), macro.nameStr());
    element.setAttribute(QStringLiteral("MacroID"), QString::number(macro.macroId()));
    SaveMacroInfoToEle(element, macro);
    return element;
}

std::shared_ptr<MacroInfo> KxAction::getMacroById(int32_t macroId) {
    return findMacro([&](const MacroInfo& macro) { return macro.macroId() == macroId; });
}

std::shared_ptr<MacroInfo> KxAction::getMacroByName(const QString& name) {
    return findMacro([&](const MacroInfo& macro) { return macro.nameStr() == name; });
}

std::optional<QString> KxAction::getMacroNameById(int32_t macroId) {
    const std::shared_ptr<MacroInfo> macro = getMacroById(macroId);
    if (!macro)
        return std::nullopt;
    return macro->nameStr();
}

bool KxAction::CheckTwoMacro(const MacroInfo& data1, const MacroInfo& data2) {
    const QList<MacroKeyInfo>& steps1 = data1.keyInfoArr();
    const QList<MacroKeyInfo>& steps2 = data2.keyInfoArr();
    return std::equal(steps1.begin(), steps1.end(), steps2.begin(), steps2.end(),
                      [](const MacroKeyInfo& a, const MacroKeyInfo& b) {
                          return a.keyCode() == b.keyCode() && a.keyFlag() == b.keyFlag();
                      });
}

std::shared_ptr<MacroInfo> KxAction::getMacroByData(const MacroInfo& macro) {
    return findMacro([&](const MacroInfo& candidate) { return CheckTwoMacro(candidate, macro); });
}

int32_t KxAction::getNewMacorId() {
    int32_t largest = 0;
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro)
            largest = std::max(largest, macro->macroId());
    }
    if (largest < std::numeric_limits<int32_t>::max())
        return largest + 1;
    // The largest id is taken: the smallest free positive one instead of an overflow.
    int32_t id = 1;
    while (getMacroById(id))
        ++id;
    return id;
}

QString KxAction::getNewMacorName() {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1_%2").arg(QStringLiteral("NewMacro")).arg(n);
        if (!getMacroByName(name))
            return name;
    }
}

std::shared_ptr<MacroInfo> KxAction::addMacorByName(const QString& name) {
    const int shown = macroNode ? macroNode->numberOfChildren() : 0;
    if (shown >= kMaxMacroCount) {
        HV_DEBUG(QStringLiteral("macro \"%1\" not added: %2 macros already").arg(name).arg(shown));
        return nullptr;
    }
    auto macro = std::make_shared<MacroInfo>();
    macro->setNameStr(name);
    macro->setMacroId(getNewMacorId());
    macroListArrs.append(macro);
    return macro;
}
