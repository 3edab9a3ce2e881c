#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

// The schema of docs/kxctl-json.md (the JSON block under "## The schema"), and a check of a value
// against one of its definitions. It knows the parts of JSON Schema the page uses: type,
// properties, required, additionalProperties, items, minItems, maxItems, enum, const, minimum,
// maximum, oneOf and $ref to "#/definitions/<name>".
class JsonSchema {
public:
    // The page's schema; an empty one (and the reason) when the page has none that parses.
    static JsonSchema fromDocument(const QString& markdownPath, QString* why);

    bool isValid() const { return !definitions_.isEmpty(); }
    // The problems of the value against the definition, each "path: what"; none when it fits.
    QStringList check(const QJsonValue& value, const QString& definition) const;

private:
    void check(const QJsonValue& value, const QJsonObject& schema, const QString& path,
               QStringList& problems) const;

    QJsonObject definitions_;
};
