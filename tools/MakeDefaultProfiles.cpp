// Build-time tool: makes the built-in profiles Default1.pro … Default5.pro from their readable
// source (KxCore/Resources/DefaultProfiles.json) with ProfileValue, so the compiled-in files are
// exactly what the library writes and reads.
//
//   kx-make-default-profiles <source.json> <output folder>
//
// The source is checked completely before anything is written; any fault ends the tool with
// one line naming the place in the source, which fails the build.
#include "ProfileValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kProfileCount = 5;

class SourceReader {
public:
    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    void fail(const QString& where, const QString& what) {
        if (error_.isEmpty())
            error_ = where + QStringLiteral(": ") + what;
    }

    // Only the given keys may appear; a misspelt key would otherwise be silently dropped.
    void onlyKeys(const QJsonObject& object, const QSet<QString>& known, const QString& where) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
        }
    }

    uint32_t number(const QJsonValue& value, const QString& where, double low = 0,
                    double high = 0xFFFFFFFF) {
        const double n = value.toDouble(-1);
        if (!value.isDouble() || n != std::floor(n) || n < low || n > high) {
            fail(where, QStringLiteral("expected a whole number from %1 to %2").arg(low).arg(high));
            return 0;
        }
        return static_cast<uint32_t>(n);
    }

    uint32_t field(const QJsonObject& object, const QString& key, const QString& where,
                   double low = 0, double high = 0xFFFFFFFF) {
        if (!object.contains(key)) {
            fail(where, QStringLiteral("missing \"%1\"").arg(key));
            return 0;
        }
        return number(object.value(key), where + QLatin1Char('.') + key, low, high);
    }

    uint32_t optionalField(const QJsonObject& object, const QString& key, const QString& where,
                           double high = 0xFFFFFFFF) {
        return object.contains(key) ? field(object, key, where, 0, high) : 0;
    }

    // A fixed-length array of whole numbers.
    std::vector<uint32_t> numbers(const QJsonObject& object, const QString& key, int count,
                                  const QString& where, double low = 0, double high = 0xFFFFFFFF) {
        std::vector<uint32_t> result(size_t(count), 0);
        const QString place = where + QLatin1Char('.') + key;
        const QJsonValue value = object.value(key);
        if (!value.isArray() || value.toArray().size() != count) {
            fail(place, QStringLiteral("expected an array of %1 whole numbers").arg(count));
            return result;
        }
        const QJsonArray array = value.toArray();
        for (int i = 0; i < count; ++i)
            result[size_t(i)] =
                number(array.at(i), place + QStringLiteral("[%1]").arg(i), low, high);
        return result;
    }

    _BTN_INFO button(const QJsonValue& value, const QString& where) {
        _BTN_INFO button{};
        if (!value.isObject()) {
            fail(where, QStringLiteral("expected an object"));
            return button;
        }
        const QJsonObject object = value.toObject();
        onlyKeys(object,
                 {QStringLiteral("FuncID"), QStringLiteral("FuncTableId"),
                  QStringLiteral("btnType"), QStringLiteral("KeyBit"), QStringLiteral("app_path"),
                  QStringLiteral("singlekey_code"), QStringLiteral("MacroID")},
                 where);
        button.FuncID = field(object, QStringLiteral("FuncID"), where);
        button.FuncTableId = field(object, QStringLiteral("FuncTableId"), where);
        button.btnType = field(object, QStringLiteral("btnType"), where, KxButtonType::kSingle,
                               KxButtonType::kLaunch);
        const auto keys = numbers(object, QStringLiteral("KeyBit"), 4, where);
        std::copy(keys.begin(), keys.end(), std::begin(button.KeyBit));
        const QByteArray path = object.value(QStringLiteral("app_path")).toString().toUtf8();
        if (path.size() >= qsizetype(sizeof button.app_path))
            fail(where + QStringLiteral(".app_path"), QStringLiteral("longer than 255 bytes"));
        else
            std::memcpy(button.app_path, path.constData(), size_t(path.size()));
        button.singlekey_code = optionalField(object, QStringLiteral("singlekey_code"), where);
        button.MacroID = optionalField(object, QStringLiteral("MacroID"), where);
        return button;
    }

    std::unique_ptr<ProfileValue> profile(const QJsonObject& object, const QString& where) {
        onlyKeys(object,
                 {QStringLiteral("name"), QStringLiteral("profileId"), QStringLiteral("isDefault"),
                  QStringLiteral("fwProfileID"), QStringLiteral("buttons"),
                  QStringLiteral("islightOnArr"), QStringLiteral("xSensArr"),
                  QStringLiteral("ySensArr"), QStringLiteral("currSelectDPI"),
                  QStringLiteral("acceler"), QStringLiteral("doubleSpeed"),
                  QStringLiteral("srcSpeed"), QStringLiteral("poRate"),
                  QStringLiteral("enableSrcDes"), QStringLiteral("liftHeight")},
                 where);
        auto value = std::make_unique<ProfileValue>();
        const QString name = object.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || name.toUtf8().size() >= ProfileValue::kNameFieldSize ||
            name.contains(QLatin1Char('/')))
            fail(where + QStringLiteral(".name"),
                 QStringLiteral("expected a file-name-safe text of 1 to 255 bytes"));
        value->setName(name);
        value->setProfileId(field(object, QStringLiteral("profileId"), where));
        const QJsonValue isDefault = object.value(QStringLiteral("isDefault"));
        if (!isDefault.isUndefined() && !isDefault.isBool())
            fail(where + QStringLiteral(".isDefault"), QStringLiteral("expected true or false"));
        value->setIsDefault(isDefault.toBool(false));
        std::array<uint64_t, 5> slots{};
        const auto ids = numbers(object, QStringLiteral("fwProfileID"), 5, where);
        std::copy(ids.begin(), ids.end(), slots.begin());
        value->setFwProfileID(slots);

        _Kx_PROFILE data{};
        const QJsonValue buttons = object.value(QStringLiteral("buttons"));
        if (!buttons.isArray() || buttons.toArray().size() != 5)
            fail(where + QStringLiteral(".buttons"), QStringLiteral("expected 5 buttons"));
        for (int i = 0; i < 5 && buttons.isArray() && buttons.toArray().size() == 5; ++i)
            data.btnInfo[i] =
                button(buttons.toArray().at(i), where + QStringLiteral(".buttons[%1]").arg(i));
        const auto lights = numbers(object, QStringLiteral("islightOnArr"), 2, where, 0, 1);
        std::copy(lights.begin(), lights.end(), std::begin(data.islightOnArr));
        const auto x = numbers(object, QStringLiteral("xSensArr"), 4, where, 1, 35);
        std::copy(x.begin(), x.end(), std::begin(data.xSensArr));
        const auto y = numbers(object, QStringLiteral("ySensArr"), 4, where, 1, 35);
        std::copy(y.begin(), y.end(), std::begin(data.ySensArr));
        data.currSelectDPI = field(object, QStringLiteral("currSelectDPI"), where, 0, 3);
        data.acceler = field(object, QStringLiteral("acceler"), where);
        data.doubleSpeed = field(object, QStringLiteral("doubleSpeed"), where);
        data.srcSpeed = field(object, QStringLiteral("srcSpeed"), where);
        data.poRate = field(object, QStringLiteral("poRate"), where, 0, 2);
        data.enableSrcDes = field(object, QStringLiteral("enableSrcDes"), where, 0, 1);
        data.liftHeight = optionalField(object, QStringLiteral("liftHeight"), where);
        value->setProfileData(data);
        return value;
    }

    std::vector<std::unique_ptr<ProfileValue>> read(const QByteArray& text) {
        std::vector<std::unique_ptr<ProfileValue>> result;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            fail(QStringLiteral("offset %1").arg(parseError.offset), parseError.errorString());
            return result;
        }
        if (!document.isObject()) {
            fail(QStringLiteral("top level"), QStringLiteral("expected an object"));
            return result;
        }
        const QJsonObject top = document.object();
        onlyKeys(
            top,
            {QStringLiteral("comment"), QStringLiteral("settings"), QStringLiteral("profiles")},
            QStringLiteral("top level"));
        const QJsonObject settings = top.value(QStringLiteral("settings")).toObject();
        const QJsonArray profiles = top.value(QStringLiteral("profiles")).toArray();
        if (profiles.size() != kProfileCount) {
            fail(QStringLiteral("profiles"),
                 QStringLiteral("expected %1 profiles").arg(kProfileCount));
            return result;
        }
        QSet<QString> names;
        for (int i = 0; i < kProfileCount; ++i) {
            const QString where = QStringLiteral("profiles[%1]").arg(i);
            if (!profiles.at(i).isObject()) {
                fail(where, QStringLiteral("expected an object"));
                continue;
            }
            // The profile's own keys laid over the shared settings.
            QJsonObject merged = settings;
            const QJsonObject own = profiles.at(i).toObject();
            for (auto it = own.begin(); it != own.end(); ++it)
                merged.insert(it.key(), it.value());
            auto value = profile(merged, where);
            if (names.contains(value->name()))
                fail(where + QStringLiteral(".name"),
                     QStringLiteral("\"%1\" is used twice").arg(value->name()));
            names.insert(value->name());
            result.push_back(std::move(value));
        }
        return result;
    }

private:
    QString error_;
};

int failWith(const QString& message) {
    std::fprintf(stderr, "kx-make-default-profiles: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return failWith(QStringLiteral("usage: kx-make-default-profiles <source.json> <folder>"));
    const QString sourcePath = QFile::decodeName(argv[1]);
    const QString outputPath = QFile::decodeName(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return failWith(sourcePath + QStringLiteral(": ") + source.errorString());
    SourceReader reader;
    const auto profiles = reader.read(source.readAll());
    if (reader.failed())
        return failWith(sourcePath + QStringLiteral(": ") + reader.error());

    if (!QDir().mkpath(outputPath))
        return failWith(outputPath + QStringLiteral(": cannot create the folder"));
    const QDir folder(outputPath);
    for (int n = 1; n <= kProfileCount; ++n) {
        const QString path = folder.filePath(QStringLiteral("Default%1.pro").arg(n));
        if (!profiles[size_t(n - 1)]->saveToPath(path))
            return failWith(path + QStringLiteral(": cannot write"));
    }
    return 0;
}
