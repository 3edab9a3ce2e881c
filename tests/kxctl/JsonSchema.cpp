#include "JsonSchema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

namespace {

QString typeOf(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("boolean");
    case QJsonValue::Double:
        return value.toDouble() == std::floor(value.toDouble()) ? QStringLiteral("integer")
                                                                : QStringLiteral("number");
    case QJsonValue::String:
        return QStringLiteral("string");
    case QJsonValue::Array:
        return QStringLiteral("array");
    case QJsonValue::Object:
        return QStringLiteral("object");
    default:
        return QStringLiteral("undefined");
    }
}

bool typeMatches(const QJsonValue& value, const QString& type) {
    const QString actual = typeOf(value);
    return actual == type ||
           (type == QLatin1String("number") && actual == QLatin1String("integer"));
}

} // namespace

JsonSchema JsonSchema::fromDocument(const QString& markdownPath, QString* why) {
    JsonSchema schema;
    QFile file(markdownPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("%1 cannot be read").arg(markdownPath);
        return schema;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype section = text.indexOf(QLatin1String("## The schema"));
    const QRegularExpression block(QStringLiteral("```json\\n(.*?)\\n```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    const auto match = block.match(text, section < 0 ? 0 : section);
    if (section < 0 || !match.hasMatch()) {
        *why = QStringLiteral("no JSON block under \"## The schema\"");
        return schema;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(match.captured(1).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        *why = QStringLiteral("the schema is not JSON: %1 at %2")
                   .arg(error.errorString())
                   .arg(error.offset);
        return schema;
    }
    schema.definitions_ = document.object().value(QStringLiteral("definitions")).toObject();
    if (schema.definitions_.isEmpty())
        *why = QStringLiteral("the schema has no definitions");
    return schema;
}

QStringList JsonSchema::check(const QJsonValue& value, const QString& definition) const {
    QStringList problems;
    if (!definitions_.contains(definition))
        return {QStringLiteral("no definition %1").arg(definition)};
    check(value, definitions_.value(definition).toObject(), QStringLiteral("$"), problems);
    return problems;
}

void JsonSchema::check(const QJsonValue& value, const QJsonObject& schema, const QString& path,
                       QStringList& problems) const {
    if (schema.contains(QStringLiteral("$ref"))) {
        const QString ref = schema.value(QStringLiteral("$ref")).toString();
        const QString name = ref.section(QLatin1Char('/'), -1);
        if (!ref.startsWith(QLatin1String("#/definitions/")) || !definitions_.contains(name)) {
            problems << QStringLiteral("%1: unknown reference %2").arg(path, ref);
            return;
        }
        check(value, definitions_.value(name).toObject(), path, problems);
        return;
    }
    if (schema.contains(QStringLiteral("oneOf"))) {
        int fitting = 0;
        QStringList closest;
        for (const QJsonValue& option : schema.value(QStringLiteral("oneOf")).toArray()) {
            QStringList optionProblems;
            check(value, option.toObject(), path, optionProblems);
            if (optionProblems.isEmpty())
                ++fitting;
            else if (closest.isEmpty() || optionProblems.size() < closest.size())
                closest = optionProblems;
        }
        if (fitting != 1)
            problems << (fitting == 0
                             ? closest.join(QStringLiteral("; "))
                             : QStringLiteral("%1: fits %2 of oneOf").arg(path).arg(fitting));
        return;
    }
    if (schema.contains(QStringLiteral("type"))) {
        const QJsonValue type = schema.value(QStringLiteral("type"));
        QStringList types;
        if (type.isArray())
            for (const QJsonValue& t : type.toArray())
                types << t.toString();
        else
            types << type.toString();
        if (std::none_of(types.begin(), types.end(),
                         [&](const QString& t) { return typeMatches(value, t); })) {
            problems << QStringLiteral("%1: %2, not %3").arg(path, typeOf(value), types.join('|'));
            return;
        }
    }
    if (schema.contains(QStringLiteral("const")) && schema.value(QStringLiteral("const")) != value)
        problems << QStringLiteral("%1: not the constant %2")
                        .arg(path,
                             QString::fromUtf8(
                                 QJsonDocument(QJsonArray{schema.value(QStringLiteral("const"))})
                                     .toJson(QJsonDocument::Compact)));
    if (schema.contains(QStringLiteral("enum")) &&
        !schema.value(QStringLiteral("enum")).toArray().contains(value))
        problems << QStringLiteral("%1: not one of the enum").arg(path);
    if (value.isDouble()) {
        if (schema.contains(QStringLiteral("minimum")) &&
            value.toDouble() < schema.value(QStringLiteral("minimum")).toDouble())
            problems << QStringLiteral("%1: below the minimum").arg(path);
        if (schema.contains(QStringLiteral("maximum")) &&
            value.toDouble() > schema.value(QStringLiteral("maximum")).toDouble())
            problems << QStringLiteral("%1: above the maximum").arg(path);
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (schema.contains(QStringLiteral("minItems")) &&
            array.size() < schema.value(QStringLiteral("minItems")).toInt())
            problems << QStringLiteral("%1: too few items").arg(path);
        if (schema.contains(QStringLiteral("maxItems")) &&
            array.size() > schema.value(QStringLiteral("maxItems")).toInt())
            problems << QStringLiteral("%1: too many items").arg(path);
        if (schema.contains(QStringLiteral("items")))
            for (qsizetype i = 0; i < array.size(); ++i)
                check(array[i], schema.value(QStringLiteral("items")).toObject(),
                      QStringLiteral("%1[%2]").arg(path).arg(i), problems);
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        const QJsonObject properties = schema.value(QStringLiteral("properties")).toObject();
        for (const QJsonValue& required : schema.value(QStringLiteral("required")).toArray())
            if (!object.contains(required.toString()))
                problems << QStringLiteral("%1: %2 is missing").arg(path, required.toString());
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString at = path + QLatin1Char('.') + it.key();
            if (properties.contains(it.key()))
                check(it.value(), properties.value(it.key()).toObject(), at, problems);
            else if (schema.value(QStringLiteral("additionalProperties")) == QJsonValue(false))
                problems << QStringLiteral("%1: not in the schema").arg(at);
        }
    }
}
