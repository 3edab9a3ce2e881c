#include "TooltipManager.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxGlobals.h"
#include "KxLanguage.h"

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

namespace {

// The languages of a tooltip file, in file order; empty when the file cannot be read or holds
// none (the loader's log line says why).
QList<LanData> readLanguages(const QString& path) {
    // Texts and attribute values exactly as written: a tooltip's spaces and line breaks are its
    // own.
    const auto document = HvAction::loadXmlFromPath(path, HvAction::XmlSpace::Verbatim);
    if (!document)
        return {};
    QList<LanData> languages;
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
        languages.append(language);
    }
    return languages;
}

} // namespace

void TooltipManager::initData() {
    currLan_.reset();
    engLan_.reset();

    // The user's copy in the data folder, made from the built-in one when missing. A copy that
    // cannot serve is left for the user to mend; the built-in table serves meanwhile.
    QString problem;
    if (sysPath.isEmpty()) {
        problem = QStringLiteral("there is no data folder yet");
        infoList_.clear();
    } else if (!HvAction::checkAddCopyFileFromResourceWithPath(sysPath, kTooltipFile)) {
        problem = QStringLiteral("it cannot be placed in %1").arg(sysPath);
        infoList_.clear();
    } else {
        infoList_ = readLanguages(QDir(sysPath).filePath(kTooltipFile));
        if (infoList_.isEmpty())
            problem = QStringLiteral("%1 holds no languages that can be read")
                          .arg(QDir(sysPath).filePath(kTooltipFile));
    }
    if (!problem.isEmpty()) {
        HV_WARNING(
            QStringLiteral("%1: %2; the built-in tooltips are used").arg(kTooltipFile, problem));
        infoList_ = readLanguages(QStringLiteral(":/") + kTooltipFile);
    }
    if (!infoList_.isEmpty())
        engLan_ = infoList_.front();
}

std::optional<QString> TooltipManager::getSysLanName() const {
    // The window's language when it is translated, so that a user reads one language; else the
    // user's first language, which the table may have though the window does not.
    QString code = KxLanguage::chosen();
    if (code == QLatin1String("en"))
        code = HvAction::getSysLanName(0).value_or(QStringLiteral("en"));
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
