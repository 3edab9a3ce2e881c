#include "WindowText.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace WindowText {
namespace {

// The length of a UTF-8 sequence cut at the end of the bytes (0 when the last is complete).
qsizetype cutUtf8Tail(QByteArrayView bytes) {
    // A sequence is at most four bytes: look back at most three for its lead byte.
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xc0) == 0x80)
            continue; // a continuation byte
        const qsizetype length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

std::optional<QString> strictUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isUnwanted(char32_t c) {
    // C0, DEL and C1 controls; the bidirectional embeddings, overrides and isolates, which
    // would reorder the text of a log line around them.
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

// cut: whether the bytes were cut at the bound, so that their last UTF-8 sequence may be
// incomplete.
QString decodeBounded(QByteArrayView bytes, bool cut) {
    std::optional<QString> text = strictUtf8(bytes);
    if (!text && cut) {
        if (const qsizetype tail = cutUtf8Tail(bytes))
            text = strictUtf8(bytes.chopped(tail));
    }
    if (!text)
        text = QString::fromLatin1(bytes.data(), bytes.size());
    QString clean;
    clean.reserve(text->size());
    for (const char32_t c : text->toUcs4()) {
        if (!isUnwanted(c))
            clean.append(QString::fromUcs4(&c, 1));
    }
    return clean;
}

} // namespace

QString decode(QByteArrayView bytes) {
    return decodeBounded(bytes.first(std::min<qsizetype>(bytes.size(), kMaxBytes)),
                         bytes.size() > kMaxBytes);
}

WmClass decodeWmClass(QByteArrayView bytes) {
    const bool cut = bytes.size() > kMaxBytes;
    bytes = bytes.first(std::min<qsizetype>(bytes.size(), kMaxBytes));
    const qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        return {decodeBounded(bytes, cut), {}};
    QByteArrayView rest = bytes.sliced(end + 1);
    const qsizetype classEnd = rest.indexOf('\0');
    if (classEnd >= 0)
        return {decodeBounded(bytes.first(end), false), decodeBounded(rest.first(classEnd), false)};
    return {decodeBounded(bytes.first(end), false), decodeBounded(rest, cut)};
}

} // namespace WindowText
