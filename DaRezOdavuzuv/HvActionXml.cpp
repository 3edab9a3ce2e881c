// HvAction: XML documents and the values read from them.
//
// pugixml parses leniently: it accepts undefined entities, several root elements, text after
// the root, repeated attributes and any bytes. The files here are edited by hand and saved
// back, so what XML does not allow is refused before the document is used: the bytes are
// checked as UTF-8 first, and after parsing, the references pugixml was told to leave alone are
// expanded here, strictly.
#include "HvAction.h"

#include "HvLogger.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

using namespace std::string_view_literals;

// The program's XML files are a few hundred kilobytes at most.
constexpr qint64 kMaxXmlBytes = 32 * 1024 * 1024;

// Fragment mode keeps text outside the root, so that it can be refused; everything that saving
// writes back (comments, processing instructions, the declaration, a DOCTYPE) is kept.
constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_eol | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_declaration | pugi::parse_doctype |
                                   pugi::parse_fragment;

// Unicode forms told by a byte order mark or by how the leading "<?" is written.
struct WideForm {
    std::string_view start;
    QStringConverter::Encoding encoding;
    const char* name;
    std::string_view family; // declared names begin so, in lower case without '-' and '_'
};
constexpr WideForm kWideForms[] = {
    {"\xFF\xFE\0\0"sv, QStringConverter::Utf32LE, "UTF-32", "utf32"},
    {"\0\0\xFE\xFF"sv, QStringConverter::Utf32BE, "UTF-32", "utf32"},
    {"\xFF\xFE"sv, QStringConverter::Utf16LE, "UTF-16", "utf16"},
    {"\xFE\xFF"sv, QStringConverter::Utf16BE, "UTF-16", "utf16"},
    {"<\0\0\0"sv, QStringConverter::Utf32LE, "UTF-32", "utf32"},
    {"\0\0\0<"sv, QStringConverter::Utf32BE, "UTF-32", "utf32"},
    {"<\0?\0"sv, QStringConverter::Utf16LE, "UTF-16", "utf16"},
    {"\0<\0?"sv, QStringConverter::Utf16BE, "UTF-16", "utf16"},
};
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

// "line L, column C" of a byte offset (columns count bytes).
QString placeOf(std::string_view text, ptrdiff_t offset) {
    const std::string_view before = text.substr(0, offset < 0 ? 0 : size_t(offset));
    const size_t lineStart = before.rfind('\n') + 1; // npos + 1 is 0
    return QStringLiteral("line %1, column %2")
        .arg(std::count(before.begin(), before.end(), '\n') + 1)
        .arg(before.size() - lineStart + 1);
}

// The encoding named by a leading XML declaration, if any.
std::optional<std::string_view> declaredEncoding(std::string_view text) {
    if (!text.starts_with("<?xml"sv) || text.size() < 6 || !std::isspace(uint8_t(text[5])))
        return std::nullopt;
    const std::string_view declaration = text.substr(0, text.find("?>"sv));
    size_t at = declaration.find("encoding"sv);
    if (at == std::string_view::npos)
        return std::nullopt;
    at = declaration.find_first_not_of(" \t\r\n="sv, at + 8);
    if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\''))
        return std::nullopt;
    const size_t end = declaration.find(declaration[at], at + 1);
    if (end == std::string_view::npos)
        return std::nullopt;
    return declaration.substr(at + 1, end - at - 1);
}

// Lower case without '-' and '_': "UTF-8" and "utf_8" both read "utf8".
std::string encodingKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != '-' && c != '_')
            key += char(std::tolower(uint8_t(c)));
    }
    return key;
}

bool isXmlChar(uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The length of the well-formed UTF-8 sequence of a character XML allows at the start of text
// (control characters other than tab and line breaks are not allowed), or 0.
size_t xmlCharLength(std::string_view text) {
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    const uint8_t lead = s[0];
    if (lead < 0x80)
        return isXmlChar(lead) ? 1 : 0;
    size_t length = 0;
    uint32_t c = 0;
    uint32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, c = lead & 0x1F, smallest = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, c = lead & 0x0F, smallest = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, c = lead & 0x07, smallest = 0x10000;
    else
        return 0;
    if (text.size() < length)
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((s[k] & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (s[k] & 0x3F);
    }
    return c >= smallest && isXmlChar(c) ? length : 0;
}

// Printable ASCII, nearly all of the program's files: allowed without decoding.
bool isPlainAscii(char c) {
    return uint8_t(c) >= 0x20 && uint8_t(c) < 0x80;
}

// Offset of the first byte that does not begin a character XML allows, or none.
std::optional<size_t> firstForbiddenByte(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        if (isPlainAscii(text[i])) {
            ++i;
            continue;
        }
        const size_t length = xmlCharLength(text.substr(i));
        if (length == 0)
            return i;
        i += length;
    }
    return std::nullopt;
}

// The text without what XML cannot hold: disallowed characters and malformed UTF-8 bytes.
std::string xmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (isPlainAscii(text[i])) {
            out += text[i++];
            continue;
        }
        const size_t length = xmlCharLength(text.substr(i));
        if (length == 0) {
            ++i;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

// Visits every node below the document in document order without recursion (documents may nest
// deeper than the stack would allow), telling each node's depth (1 for the root element). The
// visitor returns false to stop.
template <typename Visit>
void walk(const pugi::xml_node& document, Visit visit) {
    int depth = 1;
    for (pugi::xml_node node = document.first_child(); node;) {
        if (!visit(node, depth))
            return;
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node)
            node = node.next_sibling();
    }
}

// Turns the file's bytes into the UTF-8 text that is parsed. Empty, or the reason they cannot.
QString makeUtf8(QByteArray& bytes) {
    const std::string_view head = viewOf(bytes).substr(0, 4);
    const WideForm* wide = nullptr;
    const bool bom = head.starts_with(kUtf8Bom);
    if (bom) {
        bytes.remove(0, kUtf8Bom.size());
    } else {
        for (const WideForm& form : kWideForms) {
            if (!head.starts_with(form.start))
                continue;
            // The decoder drops the byte order mark; a stateless one reports a cut sequence, but
            // a lone surrogate passes it.
            QStringDecoder decoder(form.encoding, QStringConverter::Flag::Stateless);
            const QString text = decoder.decode(bytes);
            if (decoder.hasError() || !text.isValidUtf16())
                return QStringLiteral("is not valid %1").arg(QLatin1String(form.name));
            bytes = text.toUtf8();
            wide = &form;
            break;
        }
    }
    if (const auto declared = declaredEncoding(viewOf(bytes))) {
        const std::string key = encodingKey(*declared);
        if (!wide && !bom && (key == "iso88591" || key == "latin1")) {
            bytes = QString::fromLatin1(bytes).toUtf8();
        } else if (wide ? !key.starts_with(wide->family) : key != "utf8") {
            return QStringLiteral("declares the encoding \"%1\", which is not the one it is "
                                  "written in (%2)")
                .arg(QString::fromUtf8(declared->data(), declared->size()),
                     QLatin1String(wide ? wide->name : "UTF-8"));
        }
    }
    if (const auto bad = firstForbiddenByte(viewOf(bytes)))
        return QStringLiteral("holds a byte that is not a character XML allows in UTF-8 at %1")
            .arg(placeOf(viewOf(bytes), ptrdiff_t(*bad)));
    return {};
}

void appendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The character of a reference "&#…;" (given without '&', '#' and ';'), or none.
std::optional<uint32_t> characterReference(std::string_view digits) {
    int base = 10;
    if (digits.starts_with('x')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return std::nullopt;
    uint32_t c = 0;
    for (const char d : digits) {
        int value = base;
        if (d >= '0' && d <= '9')
            value = d - '0';
        else if (d >= 'a' && d <= 'f')
            value = d - 'a' + 10;
        else if (d >= 'A' && d <= 'F')
            value = d - 'A' + 10;
        if (value >= base)
            return std::nullopt;
        c = c * base + value;
        if (c > 0x10FFFF)
            return std::nullopt;
    }
    if (!isXmlChar(c))
        return std::nullopt;
    return c;
}

// Expands the predefined entities and character references of a value; empty, or the reason
// the value cannot be expanded (an undefined entity, a malformed reference).
QString expandReferences(std::string_view raw, std::string& out) {
    static constexpr std::pair<std::string_view, char> kPredefined[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
    out.clear();
    out.reserve(raw.size());
    for (size_t at = 0;;) {
        const size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp - at));
        if (amp == std::string_view::npos)
            return {};
        const size_t semicolon = raw.find(';', amp);
        const std::string_view name = raw.substr(amp + 1, semicolon - amp - 1);
        if (semicolon == std::string_view::npos || name.empty())
            return QStringLiteral("an '&' that begins no reference");
        if (name.starts_with('#')) {
            const auto c = characterReference(name.substr(1));
            if (!c)
                return QStringLiteral("the reference &%1; is not a character XML allows")
                    .arg(QString::fromUtf8(name.data(), std::min<size_t>(name.size(), 16)));
            appendUtf8(out, *c);
        } else {
            const auto* known = std::find_if(std::begin(kPredefined), std::end(kPredefined),
                                             [&](const auto& p) { return p.first == name; });
            if (known == std::end(kPredefined))
                return QStringLiteral("the entity &%1; is not defined")
                    .arg(QString::fromUtf8(name.data(), std::min<size_t>(name.size(), 40)));
            out += known->second;
        }
        at = semicolon + 1;
    }
}

// An attribute of the element whose name an earlier one has, or none; linear in the number of
// attributes (a crafted element may have hundreds of thousands).
std::optional<pugi::xml_attribute> repeatedAttribute(const pugi::xml_node& element) {
    constexpr int kFewAttributes = 8;
    int count = 0;
    for (pugi::xml_attribute a = element.first_attribute(); a && count <= kFewAttributes;
         a = a.next_attribute())
        ++count;
    if (count <= kFewAttributes) {
        for (pugi::xml_attribute a : element.attributes())
            for (pugi::xml_attribute b = element.first_attribute(); b != a; b = b.next_attribute())
                if (std::string_view(a.name()) == b.name())
                    return a;
        return std::nullopt;
    }
    std::unordered_set<std::string_view> names;
    for (pugi::xml_attribute a : element.attributes())
        if (!names.insert(a.name()).second)
            return a;
    return std::nullopt;
}

struct Fault {
    ptrdiff_t offset;
    QString why;
};

// Refuses what XML does not allow and pugixml let through, and expands the references of every
// attribute value and text (CDATA sections have none).
std::optional<Fault> checkAndExpand(pugi::xml_document& document) {
    int roots = 0;
    for (const pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_element && ++roots > 1)
            return Fault{node.offset_debug(), QStringLiteral("a second root element")};
        const std::string_view text = node.value();
        const size_t visible = text.find_first_not_of(" \t\r\n"sv);
        if ((node.type() == pugi::node_pcdata && visible != std::string_view::npos) ||
            node.type() == pugi::node_cdata)
            return Fault{node.offset_debug() + ptrdiff_t(visible == text.npos ? 0 : visible),
                         QStringLiteral("text outside the root element")};
    }
    if (roots == 0)
        return Fault{0, QStringLiteral("no root element")};

    std::string expanded;
    std::optional<Fault> fault;
    walk(document, [&](pugi::xml_node node, int depth) {
        if (node.type() == pugi::node_element && depth > HvAction::kMaxXmlDepth) {
            fault =
                Fault{node.offset_debug(), QStringLiteral("elements nested deeper than %1 levels")
                                               .arg(HvAction::kMaxXmlDepth)};
            return false;
        }
        if (node.type() == pugi::node_element) {
            if (const auto repeated = repeatedAttribute(node)) {
                fault = Fault{node.offset_debug(), QStringLiteral("the attribute %1 given twice")
                                                       .arg(QString::fromUtf8(repeated->name()))};
                return false;
            }
            for (pugi::xml_attribute attribute : node.attributes()) {
                const std::string_view raw = attribute.value();
                if (raw.find('<') != std::string_view::npos) {
                    fault =
                        Fault{node.offset_debug(), QStringLiteral("a '<' in an attribute value")};
                    return false;
                }
                if (raw.find('&') == std::string_view::npos)
                    continue;
                if (QString why = expandReferences(raw, expanded); !why.isEmpty()) {
                    fault = Fault{node.offset_debug(), why};
                    return false;
                }
                attribute.set_value(expanded.c_str());
            }
        } else if (node.type() == pugi::node_pcdata) {
            const std::string_view raw = node.value();
            if (raw.find("]]>"sv) != std::string_view::npos) {
                fault = Fault{node.offset_debug(), QStringLiteral("\"]]>\" in text")};
                return false;
            }
            if (raw.find('&') != std::string_view::npos) {
                if (QString why = expandReferences(raw, expanded); !why.isEmpty()) {
                    fault = Fault{node.offset_debug(), why};
                    return false;
                }
                node.set_value(expanded.c_str());
            }
        }
        return true;
    });
    return fault;
}

// Leaves out of every value what XML cannot hold; false when the document nests deeper than a
// file may.
bool prepareForSaving(pugi::xml_document& document) {
    bool shallow = true;
    walk(document, [&](pugi::xml_node node, int depth) {
        if (node.type() == pugi::node_element && depth > HvAction::kMaxXmlDepth) {
            shallow = false;
            return false;
        }
        for (pugi::xml_attribute attribute : node.attributes()) {
            const std::string_view value = attribute.value();
            if (firstForbiddenByte(value))
                attribute.set_value(xmlText(value).c_str());
        }
        const std::string_view value = node.value();
        if (firstForbiddenByte(value))
            node.set_value(xmlText(value).c_str());
        return true;
    });
    return shallow;
}

// Hands pugixml's output to a file.
class DeviceWriter : public pugi::xml_writer {
public:
    explicit DeviceWriter(QIODevice& device) : device_(device) {}
    void write(const void* data, size_t size) override {
        device_.write(static_cast<const char*>(data), qint64(size));
    }

private:
    QIODevice& device_;
};

} // namespace

std::unique_ptr<pugi::xml_document> HvAction::loadXmlFromPath(const QString& path, XmlSpace space) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        HV_WARNING(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return nullptr;
    }
    if (file.size() > kMaxXmlBytes) {
        HV_WARNING(QStringLiteral("%1 is too large (%2 bytes)").arg(path).arg(file.size()));
        return nullptr;
    }
    QByteArray bytes = file.readAll();
    if (const QString why = makeUtf8(bytes); !why.isEmpty()) {
        HV_WARNING(QStringLiteral("%1 %2").arg(path, why));
        return nullptr;
    }
    const unsigned options =
        kParseOptions |
        (space == XmlSpace::Normalized ? pugi::parse_wconv_attribute : pugi::parse_ws_pcdata);
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_buffer(
        bytes.constData(), size_t(bytes.size()), options, pugi::encoding_utf8);
    std::optional<Fault> fault;
    if (!result)
        fault = Fault{result.offset, QString::fromUtf8(result.description())};
    else
        fault = checkAndExpand(*document);
    if (fault) {
        HV_WARNING(QStringLiteral("%1 cannot be read as XML at %2: %3")
                       .arg(path, placeOf(viewOf(bytes), fault->offset), fault->why));
        return nullptr;
    }
    return document;
}

bool HvAction::saveXmlToPath(pugi::xml_document& document, const QString& path) {
    if (!prepareForSaving(document)) {
        HV_WARNING(QStringLiteral("%1 not written: its elements nest deeper than %2 levels")
                       .arg(path)
                       .arg(kMaxXmlDepth));
        return false;
    }
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_declaration && node.attribute("encoding"))
            node.attribute("encoding").set_value("UTF-8");
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        DeviceWriter writer(file);
        // No declaration is added to a document that has none.
        document.save(writer, "    ", pugi::format_indent | pugi::format_no_declaration,
                      pugi::encoding_utf8);
        // A failed write of buffered bytes shows at the flush, which commit() does not check.
        if (file.flush() && file.commit())
            return true;
    }
    HV_WARNING(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return false;
}

std::optional<QString> HvAction::getNodeAtrValue(const pugi::xml_node& element, const char* name) {
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        return std::nullopt;
    return QString::fromUtf8(attribute.value());
}

void HvAction::setNodeAtrValue(pugi::xml_node& element, const char* name, const QString& value) {
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        attribute = element.append_attribute(name);
    // An unpaired surrogate becomes a replacement character in UTF-8, which XML allows.
    attribute.set_value(xmlText(viewOf(value.toUtf8())).c_str());
}

std::optional<QString> HvAction::getNodeValue(const pugi::xml_node& element, const char* name) {
    const pugi::xml_node child = element.child(name);
    if (!child)
        return std::nullopt;
    // The text of every text and CDATA node inside, in document order.
    QByteArray text("");
    for (pugi::xml_node node = child.first_child(); node;) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != child && !node.next_sibling())
            node = node.parent();
        node = node == child ? pugi::xml_node() : node.next_sibling();
    }
    return QString::fromUtf8(text);
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
