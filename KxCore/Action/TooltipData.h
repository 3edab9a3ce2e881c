#pragma once

#include <QString>

// One tooltip text of one language.
struct TooltipData {
    QString name; // the key: the English text the code asks for
    QString text; // the text in this entry's language
    int viewId = 0;
    QString btnTag;
};
