#pragma once

#include "TooltipData.h"

#include <QList>
#include <QString>

// One language of the tooltip table, its texts in file order.
struct LanData {
    QString name; // as written in the file: "English", "German", "SC", ...
    QList<TooltipData> tooltips;
};
