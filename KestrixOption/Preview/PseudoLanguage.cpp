#include "PseudoLanguage.h"

#include <algorithm>
#include <cmath>

namespace {

QChar accented(QChar c) {
    static const QString plain = QStringLiteral("aeiouycnsAEIOUYCNS");
    static const QString marked = QStringLiteral("àéîõüÿçñšÀÉÎÕÜŸÇÑŠ");
    const qsizetype i = plain.indexOf(c);
    return i < 0 ? c : marked[i];
}

} // namespace

QString PseudoLanguage::pseudo(const QString& source) {
    if (source.isEmpty())
        return source;
    QString out;
    qsizetype letters = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        // Kept whole: %1, %n, <tags> and &entities;.
        if (c == QLatin1Char('%') && i + 1 < source.size() &&
            (source[i + 1].isDigit() || source[i + 1] == QLatin1Char('n'))) {
            out += c;
            out += source[++i];
            while (i + 1 < source.size() && source[i + 1].isDigit())
                out += source[++i];
            continue;
        }
        const QChar end = c == QLatin1Char('<')   ? QLatin1Char('>')
                          : c == QLatin1Char('&') ? QLatin1Char(';')
                                                  : QChar();
        if (!end.isNull()) {
            const qsizetype close = source.indexOf(end, i);
            if (close > i && (end == QLatin1Char('>') || close - i <= 8)) {
                out += source.mid(i, close - i + 1);
                i = close;
                continue;
            }
        }
        if (c.isLetter())
            ++letters;
        out += accented(c);
    }
    // German and French run about a third longer than English: 40 % more letters.
    // In words of a few letters where the text has words, as one longer word where it is one.
    auto extra = qsizetype(std::ceil(double(letters) * 0.4));
    const bool words = source.contains(QLatin1Char(' '));
    while (extra > 0) {
        const qsizetype part = words ? std::min<qsizetype>(extra, 6) : extra;
        out += (words ? QStringLiteral(" ") : QString()) + QString(part, QLatin1Char('x'));
        extra -= part;
    }
    return kOpen + out + kClose;
}

bool PseudoLanguage::isMarked(const QString& text) {
    return text.contains(kOpen) && text.contains(kClose);
}

QString PseudoLanguage::translate(const char*, const char* sourceText, const char*, int) const {
    return pseudo(QString::fromUtf8(sourceText));
}
