// The schema of docs/kxctl-json.md (the JSON block under "## The schema"), and a check of a value
// against one of its definitions. It knows the parts of JSON Schema the page uses: type,
// properties, required, additionalProperties, items, minItems, maxItems, enum, const, minimum,
// maximum, oneOf and $ref to "#/definitions/<name>".
#include "KxCtlTestSupport.h"

#include <climits>
#include <cmath>

namespace {

// The schema's name of a value's type; a whole number is an "integer".
QString typeOf(const QJsonValue& value) {
    static const char* const kNames[] = {"null", "boolean", "number", "string", "array", "object"};
    if (value.isDouble() && value.toDouble() == std::floor(value.toDouble()))
        return QStringLiteral("integer");
    return QLatin1String(value.isUndefined() ? "undefined" : kNames[value.type()]);
}

// The page's definitions; none, and a failure, when it has no schema that parses.
const QJsonObject& definitions() {
    static const QJsonObject definitions = [] {
        QFile page(QStringLiteral(KX_JSON_DOC));
        const QString text =
            page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : "";
        const qsizetype section = text.indexOf(QLatin1String("## The schema"));
        const auto block = QRegularExpression(QStringLiteral("```json\\n(.*?)\\n```"),
                                              QRegularExpression::DotMatchesEverythingOption)
                               .match(section < 0 ? QString() : text.mid(section));
        QJsonParseError error{};
        const QJsonObject schema =
            QJsonDocument::fromJson(block.captured(1).toUtf8(), &error).object();
        EXPECT_TRUE(block.hasMatch()) << "no JSON block under \"## The schema\" in " KX_JSON_DOC;
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << "the schema is not JSON: " << qPrintable(error.errorString()) << " at "
            << error.offset;
        return schema.value("definitions").toObject();
    }();
    return definitions;
}

// Adds the problems of a value against a schema, each "path: what".
void check(const QJsonValue& value, const QJsonObject& schema, const QString& path,
           QStringList& problems) {
    const auto fault = [&](const QString& what) { problems << path + QStringLiteral(": ") + what; };
    if (schema.contains("$ref")) {
        const QString ref = schema["$ref"].toString();
        if (ref.startsWith("#/definitions/") && definitions().contains(ref.section('/', -1)))
            check(value, definitions()[ref.section('/', -1)].toObject(), path, problems);
        else
            fault("unknown reference " + ref);
        return;
    }
    if (schema.contains("oneOf")) {
        int fitting = 0;
        QStringList closest;
        for (const QJsonValue& option : schema["oneOf"].toArray()) {
            QStringList optionProblems;
            check(value, option.toObject(), path, optionProblems);
            if (optionProblems.isEmpty())
                ++fitting;
            else if (closest.isEmpty() || optionProblems.size() < closest.size())
                closest = optionProblems;
        }
        if (fitting == 0)
            problems << closest.join(QStringLiteral("; "));
        else if (fitting > 1)
            fault(QStringLiteral("fits %1 of oneOf").arg(fitting));
        return;
    }
    QStringList types;
    for (const QJsonValue& type :
         schema["type"].isArray() ? schema["type"].toArray() : QJsonArray{schema["type"]})
        types << type.toString();
    const QString type = typeOf(value);
    if (schema.contains("type") && !types.contains(type) &&
        !(type == QLatin1String("integer") && types.contains("number"))) {
        fault(QStringLiteral("%1, not %2").arg(type, types.join('|')));
        return;
    }
    if (schema.contains("const") && schema["const"] != value)
        fault("not the constant " +
              QJsonDocument(QJsonArray{schema["const"]}).toJson(QJsonDocument::Compact));
    if (schema.contains("enum") && !schema["enum"].toArray().contains(value))
        fault("not one of the enum");
    if (value.isDouble() && value.toDouble() < schema["minimum"].toDouble(-INFINITY))
        fault("below the minimum");
    if (value.isDouble() && value.toDouble() > schema["maximum"].toDouble(INFINITY))
        fault("above the maximum");
    const QJsonArray array = value.toArray();
    if (value.isArray() && array.size() < schema["minItems"].toInt())
        fault("too few items");
    if (value.isArray() && array.size() > schema["maxItems"].toInt(INT_MAX))
        fault("too many items");
    for (qsizetype i = 0; schema.contains("items") && i < array.size(); ++i)
        check(array[i], schema["items"].toObject(), QStringLiteral("%1[%2]").arg(path).arg(i),
              problems);
    const QJsonObject object = value.toObject();
    for (const QJsonValue& required : schema["required"].toArray())
        if (value.isObject() && !object.contains(required.toString()))
            fault(required.toString() + " is missing");
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (schema["properties"].toObject().contains(it.key()))
            check(it.value(), schema["properties"][it.key()].toObject(), path + '.' + it.key(),
                  problems);
        else if (schema["additionalProperties"] == QJsonValue(false))
            fault(it.key() + " is not in the schema");
    }
}

} // namespace

testing::AssertionResult fitsSchema(const QJsonValue& value, const QString& definition) {
    QStringList problems;
    check(value, {{"$ref", "#/definitions/" + definition}}, QStringLiteral("$"), problems);
    if (problems.isEmpty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << qPrintable(definition) << ": " << qPrintable(problems.join('\n')) << "\n"
           << QJsonDocument(value.toObject()).toJson().constData();
}
