#pragma once

#include <QJsonValue>
#include <QString>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Integer values as the catalogue file and the keyed archives hold them.

// An integer of a keyed archive (JSON): a whole number within 32 bits, or none for anything
// else (text, fraction, out of range).
inline std::optional<int32_t> kxArchiveInt(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<int32_t>::min() ||
        number > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(number);
}

// Decimal text of an attribute or element: leading white space, an optional sign, then the
// digits up to the first other character. Text that does not begin so, and a missing value,
// read as 0; values beyond 32 bits saturate.
inline int32_t kxDecimalValue(const std::optional<QString>& text) {
    if (!text)
        return 0;
    const QString& s = *text;
    qsizetype i = 0;
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'-' || s.at(i) == u'+'))
        negative = s.at(i++) == u'-';
    int64_t value = 0;
    for (; i < s.size() && s.at(i) >= u'0' && s.at(i) <= u'9'; ++i) {
        value = value * 10 + (s.at(i).unicode() - u'0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}
