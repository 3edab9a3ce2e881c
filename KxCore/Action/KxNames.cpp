#include "KxNames.h"

#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "TooltipManager.h"
#include "Workspace/InstalledApplications.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kButtonKeys[] = {"left", "right", "middle", "side1", "side2"};
constexpr const char* kButtonTitles[] = {
    QT_TRANSLATE_NOOP("KxNames", "left button"), QT_TRANSLATE_NOOP("KxNames", "right button"),
    QT_TRANSLATE_NOOP("KxNames", "wheel button"), QT_TRANSLATE_NOOP("KxNames", "front side button"),
    QT_TRANSLATE_NOOP("KxNames", "back side button")};

// What the window calls the functions the mouse keeps by itself.
struct DeviceFunction {
    uint32_t table;
    const char* name;
};
constexpr DeviceFunction kDeviceFunctions[] = {
    {KxFuncTable::kTKey, "T Key"},
    {KxFuncTable::kPageUpWin, "Page UP(Win)"},
    {KxFuncTable::kPageDownWin, "Page Down(Win)"},
    {KxFuncTable::kMiddleButtonWin, "Middle Button(Win)"}};

// Names compare without case and with runs of white space as one space.
QString folded(const QString& name) {
    return name.simplified().toCaseFolded();
}

QList<std::shared_ptr<MenuInfo>> entriesOf(const HvTreeNode* root) {
    QList<std::shared_ptr<MenuInfo>> entries;
    if (!root)
        return entries;
    for (const auto& child : root->children()) {
        auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        if (entry && entry->type() != MenuInfo::kTypeHeading)
            entries.append(std::move(entry));
    }
    return entries;
}

int editDistance(const QString& a, const QString& b) {
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min(
                {row[j] + 1, row[j - 1] + 1, diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

template <typename T, typename NameOf>
KxNames::Match<T> match(const QList<std::shared_ptr<T>>& candidates, const QString& name,
                        NameOf nameOf) {
    KxNames::Match<T> result;
    const QString wanted = folded(name);
    QStringList names;
    for (const auto& candidate : candidates) {
        const QString candidateName = nameOf(*candidate);
        names.append(candidateName);
        if (wanted.isEmpty() || folded(candidateName) != wanted)
            continue;
        if (result.found) {
            result.ambiguous = true;
            result.close.append(candidateName);
        } else {
            result.found = candidate;
            result.close = {candidateName};
        }
    }
    if (result.ambiguous) {
        result.found.reset();
        return result;
    }
    if (!result.found)
        result.close = KxNames::closeNames(name, names);
    else
        result.close.clear();
    return result;
}

} // namespace

QString KxNames::buttonKey(int index) {
    return index >= 0 && index < kButtons ? QLatin1String(kButtonKeys[index]) : QString();
}

QString KxNames::buttonTitle(int index) {
    return index >= 0 && index < kButtons
               ? QCoreApplication::translate("KxNames", kButtonTitles[index])
               : QString();
}

QString KxNames::listed(const QStringList& names) {
    if (names.size() < 2)
        return names.join(QString());
    QString text = names.first();
    for (qsizetype i = 1; i + 1 < names.size(); ++i)
        //: Names listed: the ones before (%1) and the next one (%2), not the last.
        text = QCoreApplication::translate("KxNames", "%1, %2").arg(text, names[i]);
    //: Names listed: the ones before (%1) and the last one (%2).
    return QCoreApplication::translate("KxNames", "%1 and %2").arg(text, names.last());
}

std::optional<int> KxNames::buttonIndex(const QString& text) {
    const QString key = text.trimmed().toLower();
    bool number = false;
    const int n = key.toInt(&number);
    if (number)
        return n >= 1 && n <= kButtons ? std::optional<int>(n - 1) : std::nullopt;
    if (key == QLatin1String("wheel"))
        return 2;
    for (int i = 0; i < kButtons; ++i)
        if (key == QLatin1String(kButtonKeys[i]))
            return i;
    return std::nullopt;
}

QString KxNames::functionName(const MenuInfo& entry) {
    // The catalogue's titles are replaced by the desktop's language when it is loaded; the
    // tooltip table's first language (English) gives the name that does not change.
    const TooltipManager* tooltips =
        sysTooltip ? sysTooltip : TooltipManager::shareTooltipManager();
    if (entry.toolTipTag() && tooltips->engLan()) {
        for (const TooltipData& tooltip : tooltips->engLan()->tooltips)
            if (tooltip.name == *entry.toolTipTag() && !tooltip.text.isEmpty())
                return tooltip.text;
    }
    return entry.titleStr();
}

QList<std::shared_ptr<MenuInfo>> KxNames::buttonFunctions() {
    return entriesOf(singleMenuNode.get());
}

QList<std::shared_ptr<MenuInfo>> KxNames::insertFunctions() {
    return entriesOf(macroInsertMenuNode.get());
}

QList<std::shared_ptr<MacroInfo>> KxNames::libraryMacros() {
    QList<std::shared_ptr<MacroInfo>> shown;
    for (const auto& macro : std::as_const(macroListArrs))
        if (macro && !macro->isNoDisplay())
            shown.append(macro);
    return shown;
}

KxNames::Match<MenuInfo> KxNames::findFunction(const QString& name) {
    return match(buttonFunctions(), name, [](const MenuInfo& e) { return functionName(e); });
}

KxNames::Match<MenuInfo> KxNames::findInsertFunction(const QString& name) {
    return match(insertFunctions(), name, [](const MenuInfo& e) { return functionName(e); });
}

KxNames::Match<MacroInfo> KxNames::findMacro(const QString& name) {
    return match(libraryMacros(), name, [](const MacroInfo& m) { return m.nameStr(); });
}

QString KxNames::whyNot(Named what, const QString& name, bool ambiguous, const QStringList& close) {
    // By what was looked up, then: none of that name without and with names close to it, more
    // than one of it without and with their names.
    static constexpr const char* kTexts[3][4] = {
        {QT_TRANSLATE_NOOP("KxNames", "there is no function \"%1\""),
         QT_TRANSLATE_NOOP("KxNames", "there is no function \"%1\"; close: %2"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one function"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one function: %2")},
        {QT_TRANSLATE_NOOP("KxNames", "there is no macro \"%1\""),
         QT_TRANSLATE_NOOP("KxNames", "there is no macro \"%1\"; close: %2"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one macro"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one macro: %2")},
        {QT_TRANSLATE_NOOP("KxNames", "there is no command \"%1\""),
         QT_TRANSLATE_NOOP("KxNames", "there is no command \"%1\"; close: %2"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one command"),
         QT_TRANSLATE_NOOP("KxNames", "\"%1\" names more than one command: %2")},
    };
    const char* text = kTexts[int(what)][(ambiguous ? 2 : 0) + (close.isEmpty() ? 0 : 1)];
    const QString translated = QCoreApplication::translate("KxNames", text);
    return close.isEmpty() ? translated.arg(name)
                           : translated.arg(name, close.join(QStringLiteral(", ")));
}

QStringList KxNames::closeNames(const QString& name, const QStringList& candidates, int limit) {
    const QString wanted = folded(name);
    if (wanted.isEmpty())
        return {};
    // Ranked: 0 the same but for case and spaces, 1 starts with it, 2 holds it or it holds the
    // candidate, 3 a typo or two away.
    QList<std::pair<int, QString>> ranked;
    for (const QString& candidate : candidates) {
        const QString c = folded(candidate);
        int rank = -1;
        if (c == wanted)
            rank = 0;
        else if (c.startsWith(wanted))
            rank = 1;
        else if (c.contains(wanted) || (wanted.size() >= 3 && wanted.contains(c) && c.size() >= 3))
            rank = 2;
        else if (wanted.size() >= 3 && editDistance(c, wanted) <= 2)
            rank = 3;
        if (rank >= 0 && !std::any_of(ranked.begin(), ranked.end(),
                                      [&](const auto& r) { return r.second == candidate; }))
            ranked.append({rank, candidate});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    for (const auto& [rank, candidate] : ranked) {
        if (names.size() >= limit)
            break;
        names.append(candidate);
    }
    return names;
}

std::shared_ptr<MenuInfo> KxNames::functionOf(const _BTN_INFO& record) {
    if (record.FuncID == KxFuncId::kMacro || record.FuncTableId == KxFuncTable::kLaunch ||
        deviceFunctionName(record.FuncTableId))
        return nullptr;
    return KxAction::getSingleByBtnInfo(record);
}

std::optional<QString> KxNames::deviceFunctionName(uint32_t table) {
    for (const DeviceFunction& function : kDeviceFunctions)
        if (function.table == table)
            return QLatin1String(function.name);
    return std::nullopt;
}

QString KxNames::runText(const _BTN_INFO& record) {
    switch (record.KeyBit[0]) {
    case 1: {
        // Counted in a variable: lupdate loops forever on an index inside the count's argument.
        const int times = int(record.KeyBit[1]);
        return times == 1
                   ? QCoreApplication::translate("KxNames", "repeat once")
                   : QCoreApplication::translate("KxNames", "repeat %n times", nullptr, times);
    }
    case 2:
        return QCoreApplication::translate("KxNames", "while held");
    case 3:
        return QCoreApplication::translate("KxNames", "until pressed again");
    default:
        //: How a macro runs: one time for each press.
        return QCoreApplication::translate("KxNames", "once");
    }
}

QString KxNames::launchPath(const _BTN_INFO& record) {
    return QString::fromUtf8(record.app_path,
                             qsizetype(strnlen(record.app_path, sizeof record.app_path)));
}

QString KxNames::caption(const _BTN_INFO& record) {
    if (record.FuncID == KxFuncId::kMacro) {
        const std::shared_ptr<MacroInfo> macro = KxAction::getMacroById(int32_t(record.MacroID));
        if (!macro)
            return QCoreApplication::translate(
                "KxNames", "deleted macro (the mouse keeps running what it holds)");
        //: A button's macro: its name (%1) and how it runs (%2, as "repeat 3 times").
        return (macro->isNoDisplay()
                    ? QCoreApplication::translate("KxNames", "macro %1 (not in the library), %2")
                    : QCoreApplication::translate("KxNames", "macro %1, %2"))
            .arg(macro->nameStr(), runText(record));
    }
    if (record.FuncID == KxFuncId::kLaunch || record.FuncTableId == KxFuncTable::kLaunch) {
        const QString path = launchPath(record);
        if (path.isEmpty())
            return QCoreApplication::translate("KxNames", "launch (no application set)");
        if (path.endsWith(QLatin1String(".desktop")))
            if (const auto name = InstalledApplications::displayName(path))
                //: A button that starts an application: its name (%1) and file (%2).
                return QCoreApplication::translate("KxNames", "launch %1 (%2)").arg(*name, path);
        return QCoreApplication::translate("KxNames", "launch %1").arg(path);
    }
    if (const auto device = deviceFunctionName(record.FuncTableId))
        return *device;
    if (const auto entry = functionOf(record))
        return functionName(*entry);
    if (record.FuncTableId == KxFuncTable::kDisabled)
        return QStringLiteral("Disable");
    if (record.FuncTableId == KxFuncTable::kKeys) {
        QStringList codes;
        for (const uint32_t key : record.KeyBit) {
            if ((key & 0xFF) == 0)
                break;
            codes << QStringLiteral("%1").arg(key & 0xFF);
        }
        //: A button that sends key codes (%1: the codes, as "4 22").
        return QCoreApplication::translate("KxNames", "keys %1").arg(codes.join(QLatin1Char(' ')));
    }
    return QCoreApplication::translate("KxNames", "unknown function (table %1)")
        .arg(record.FuncTableId);
}

_BTN_INFO KxNames::functionRecord(const MenuInfo& entry) {
    _BTN_INFO record{};
    record.btnType = KxButtonType::kSingle;
    record.FuncID = uint32_t(entry.functionID());
    record.FuncTableId = uint32_t(entry.functionTableID());
    record.KeyBit[0] = uint32_t(entry.KeyBit1());
    record.KeyBit[1] = uint32_t(entry.KeyBit2());
    record.KeyBit[2] = uint32_t(entry.KeyBit3());
    record.KeyBit[3] = uint32_t(entry.KeyBit4());
    return record;
}
