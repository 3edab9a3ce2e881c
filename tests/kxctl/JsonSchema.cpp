#include "JsonSchema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

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

} // namespace

JsonSchema JsonSchema::fromDocument(const QString& markdownPath, QString* why) {
    JsonSchema schema;
    QFile file(markdownPath);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    const qsizetype section = text.indexOf(QLatin1String("## The schema"));
    const auto block = QRegularExpression(QStringLiteral("```json\\n(.*?)\\n```"),
                                          QRegularExpression::DotMatchesEverythingOption)
                           .match(section < 0 ? QString() : text.mid(section));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(block.captured(1).toUtf8(), &error);
    if (block.hasMatch() && error.error == QJsonParseError::NoError)
        schema.definitions_ = document.object().value("definitions").toObject();
    if (!block.hasMatch())
        *why = QStringLiteral("no JSON block under \"## The schema\" in %1").arg(markdownPath);
    else if (error.error != QJsonParseError::NoError)
        *why = QStringLiteral("the schema is not JSON: %1 at %2")
                   .arg(error.errorString())
                   .arg(error.offset);
    else if (schema.definitions_.isEmpty())
        *why = QStringLiteral("the schema has no definitions");
    return schema;
}

QStringList JsonSchema::check(const QJsonValue& value, const QString& definition) const {
    QStringList problems;
    check(value, {{"$ref", "#/definitions/" + definition}}, QStringLiteral("$"), problems);
    return problems;
}

void JsonSchema::check(const QJsonValue& value, const QJsonObject& schema, const QString& path,
                       QStringList& problems) const {
    const auto fault = [&](const QString& what) { problems << path + QStringLiteral(": ") + what; };
    if (schema.contains("$ref")) {
        const QString ref = schema["$ref"].toString();
        if (ref.startsWith("#/definitions/") && definitions_.contains(ref.section('/', -1)))
            check(value, definitions_[ref.section('/', -1)].toObject(), path, problems);
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
