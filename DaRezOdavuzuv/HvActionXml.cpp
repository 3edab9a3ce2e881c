// HvAction: XML documents and the values read from them.
#include "HvAction.h"

#include "HvLogger.h"

#include <QFile>

namespace {

// The program's XML files are a few hundred kilobytes at most.
constexpr qint64 kMaxXmlBytes = 32 * 1024 * 1024;

} // namespace

std::optional<QDomDocument> HvAction::loadXmlFromPath(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        HV_WARNING(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    if (file.size() > kMaxXmlBytes) {
        HV_WARNING(QStringLiteral("%1 is too large (%2 bytes)").arg(path).arg(file.size()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(bytes, false, &message, &line, &column)) {
        HV_WARNING(QStringLiteral("%1 is not well-formed XML at line %2, column %3: %4")
                       .arg(path)
                       .arg(line)
                       .arg(column)
                       .arg(message));
        return std::nullopt;
    }
    if (document.documentElement().isNull()) {
        HV_WARNING(QStringLiteral("%1 has no root element").arg(path));
        return std::nullopt;
    }
    return document;
}

std::optional<QString> HvAction::getNodeAtrValue(const QDomElement& element, const QString& name) {
    if (element.isNull() || !element.hasAttribute(name))
        return std::nullopt;
    return element.attribute(name);
}

std::optional<QString> HvAction::getNodeValue(const QDomElement& element, const QString& name) {
    if (element.isNull())
        return std::nullopt;
    const QDomElement child = element.firstChildElement(name);
    if (child.isNull())
        return std::nullopt;
    return child.text();
}

int HvAction::getIntValueByHex(const QString& text) {
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    // Up to 32 bits, read as the bit pattern of an int.
    if (digits.isEmpty() || digits.size() > 8) {
        if (!text.trimmed().isEmpty())
            HV_DEBUG(QStringLiteral("\"%1\" is not a 32-bit hexadecimal number").arg(text));
        return 0;
    }
    uint32_t value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        uint32_t digit = 0;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else {
            HV_DEBUG(QStringLiteral("\"%1\" is not a hexadecimal number").arg(text));
            return 0;
        }
        value = value * 16 + digit;
    }
    return static_cast<int>(value);
}
