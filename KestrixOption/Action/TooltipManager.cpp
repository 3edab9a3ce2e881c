#include "TooltipManager.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxGlobals.h"

#include <QDir>
#include <QFileInfo>

#include <pugixml.hpp>

#include <array>
#include <utility>

namespace {

const QString kTooltipFile = QStringLiteral("Tooltip.xml");

// The desktop's language codes and the names the file gives those languages.
constexpr auto kLanguageNames = std::to_array<std::pair<const char*, const char*>>({
    {"en", "English"},
    {"zh-Hant", "TC"},
    {"zh-Hans", "SC"},
    {"cs", "Czech"},
    {"fr", "French"},
    {"de", "German"},
    {"el", "Greek"},
    {"it", "Italian"},
    {"ja", "Japanese"},
    {"ko", "Korean"},
    {"pl", "Polish"},
    {"pt-BR", "Portuguese(Brazil)"},
    {"ru", "Russian"},
    {"es", "Spanish"},
    {"tr", "Turkish"},
});

std::optional<QString> textOf(const QList<TooltipData>& tooltips, const QString& key) {
    for (const TooltipData& tooltip : tooltips) {
        if (tooltip.name == key)
            return tooltip.text;
    }
    return std::nullopt;
}

} // namespace

TooltipManager* TooltipManager::shareTooltipManager() {
    static TooltipManager manager;
    sysTooltip = &manager;
    return &manager;
}

TooltipManager::TooltipManager() {
    initData();
    setLanByname(getSysLanName());
}

void TooltipManager::initData() {
    infoList_.clear();
    currLan_.reset();
    engLan_.reset();

    if (sysPath.isEmpty()) {
        HV_WARNING(QStringLiteral("%1: no data folder yet; no tooltips").arg(kTooltipFile));
        return;
    }
    if (!HvAction::checkAddCopyFileFromResourceWithPath(sysPath, kTooltipFile))
        return;
    // Texts and attribute values exactly as written: a tooltip's spaces and line breaks are its
    // own.
    const auto document = HvAction::loadXmlFromPath(QDir(sysPath).filePath(kTooltipFile),
                                                    HvAction::XmlSpace::Verbatim);
    if (!document)
        return;

    for (const pugi::xml_node lan : document->document_element().children("Lan")) {
        LanData language;
        language.name = HvAction::getNodeAtrValue(lan, "name").value_or(QString());
        for (const pugi::xml_node item : lan.children("Item")) {
            TooltipData tooltip;
            tooltip.name = HvAction::getNodeAtrValue(item, "name").value_or(QString());
            tooltip.text = HvAction::getNodeAtrValue(item, "text").value_or(QString());
            bool ok = false;
            tooltip.viewId =
                HvAction::getNodeAtrValue(item, "viewID").value_or(QString()).trimmed().toInt(&ok);
            if (!ok)
                tooltip.viewId = 0;
            tooltip.btnTag = HvAction::getNodeAtrValue(item, "btnID").value_or(QString());
            // Texts are shown without a final period.
            if (tooltip.text.endsWith(QLatin1Char('.')))
                tooltip.text.chop(1);
            language.tooltips.append(tooltip);
        }
        infoList_.append(language);
        if (!engLan_)
            engLan_ = infoList_.back();
    }
    if (infoList_.isEmpty())
        HV_WARNING(QStringLiteral("%1 holds no languages").arg(kTooltipFile));
}

std::optional<QString> TooltipManager::getSysLanName() const {
    const QString code = HvAction::getSysLanName(0).value_or(QStringLiteral("en"));
    for (const auto& [system, name] : kLanguageNames) {
        if (code == QLatin1String(system))
            return QString::fromLatin1(name);
    }
    HV_DEBUG(QStringLiteral("no tooltips for the language %1").arg(code));
    return std::nullopt;
}

void TooltipManager::setLanByname(const std::optional<QString>& name) {
    currLan_.reset();
    if (name) {
        for (const LanData& language : std::as_const(infoList_)) {
            if (language.name == *name) {
                currLan_ = language;
                break;
            }
        }
    }
    if (!currLan_)
        currLan_ = engLan_;
}

std::optional<QString> TooltipManager::getTooltip(const QString& key) const {
    if (infoList_.isEmpty())
        return std::nullopt;
    // Without a chosen language the first one of the file is the current one.
    const LanData& current = currLan_ ? *currLan_ : infoList_.front();
    if (auto text = textOf(current.tooltips, key))
        return text;
    if (engLan_)
        return textOf(engLan_->tooltips, key);
    return std::nullopt;
}
