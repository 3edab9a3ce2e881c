#pragma once

#include "LanData.h"

#include <QList>
#include <QString>

#include <optional>

// The tooltip texts of "Tooltip.xml" in the data folder, in the desktop's language when the file
// has it and in its first language otherwise. The file is copied there from the resources when
// missing; a file that cannot serve (malformed, cut short, no language) is left for the user and
// the built-in table serves, with one log line. One trailing period is dropped from each text.
class TooltipManager {
public:
    // The shared manager, made (and loaded) on the first call.
    static TooltipManager* shareTooltipManager();

    TooltipManager(); // runs init: initData, then setLanByname with getSysLanName
    void initData();
    // The file's name of the window's language ("English", "SC", ...), or of the desktop's first
    // language when the window is in English; none when the language is not one the table knows.
    std::optional<QString> getSysLanName() const;
    void setLanByname(const std::optional<QString>& name);
    // The text for a key in the current language, else in the fallback language, else none.
    std::optional<QString> getTooltip(const QString& key) const;

    const QList<LanData>& infoList() const { return infoList_; }
    const std::optional<LanData>& currLan() const { return currLan_; }
    const std::optional<LanData>& engLan() const { return engLan_; }

private:
    QList<LanData> infoList_;
    std::optional<LanData> currLan_;
    std::optional<LanData> engLan_;
};
