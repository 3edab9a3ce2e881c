#include "HvMouseAction.h"

#include "HvLogger.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <gio/gio.h>

#include <algorithm>
#include <cmath>

// Pointer speed: GNOME's "speed" runs from -1 to 1 with 0 as the desktop's default. Value v maps
// to (v - 5) / 5, so 5 is the default exactly and 10 the fastest; 1 is -0.8, and speeds below it
// read as 1.
//
// Double-click speed: GNOME's "double-click" is the longest time between the clicks in
// milliseconds (default 400). Value v maps to 1000 - 100 (v - 1) ms: 1 is 1000 ms, 7 the default
// 400 ms, 10 is 100 ms.
//
// Scroll speed has no desktop key; it stays in our store like every setting without the schema.

namespace {

const char* const kSpeedKey = "speed";
const char* const kDoubleClickKey = "double-click";

QString storeKey(int type) {
    switch (type) {
    case HvMouseAction::kPointerSpeed:
        return QStringLiteral("PointerSpeed");
    case HvMouseAction::kScrollSpeed:
        return QStringLiteral("ScrollSpeed");
    default:
        return QStringLiteral("DoubleClickSpeed");
    }
}

// Values of a desktop that never set them: GNOME's defaults, and the middle for scrolling.
int storeDefault(int type) {
    switch (type) {
    case HvMouseAction::kPointerSpeed:
        return HvMouseAction::valueFromPointerSpeed(0.0);
    case HvMouseAction::kScrollSpeed:
        return 5;
    default:
        return HvMouseAction::valueFromDoubleClickMs(400);
    }
}

bool keyHasType(GSettingsSchema* schema, const char* key, const GVariantType* type) {
    if (!g_settings_schema_has_key(schema, key))
        return false;
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema, key);
    const bool same = g_variant_type_equal(g_settings_schema_key_get_value_type(schemaKey), type);
    g_settings_schema_key_unref(schemaKey);
    return same;
}

int clampValue(long value) {
    return static_cast<int>(
        std::clamp<long>(value, HvMouseAction::kMinValue, HvMouseAction::kMaxValue));
}

} // namespace

void HvMouseAction::SettingsDeleter::operator()(_GSettings* settings) const {
    g_object_unref(settings);
}

HvMouseAction::HvMouseAction(const QString& desktopSchema) {
    if (desktopSchema.isEmpty())
        return;
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source ? g_settings_schema_source_lookup(source, desktopSchema.toUtf8().constData(), TRUE)
               : nullptr;
    if (!schema) {
        HV_DEBUG(QStringLiteral("no schema %1: mouse settings stay in %2")
                     .arg(desktopSchema, storePath()));
        return;
    }
    desktopSpeed_ = keyHasType(schema, kSpeedKey, G_VARIANT_TYPE_DOUBLE);
    desktopDoubleClick_ = keyHasType(schema, kDoubleClickKey, G_VARIANT_TYPE_INT32);
    if (desktopSpeed_ || desktopDoubleClick_)
        desktop_.reset(g_settings_new_full(schema, nullptr, nullptr));
    g_settings_schema_unref(schema);
}

HvMouseAction::~HvMouseAction() = default;

QString HvMouseAction::storePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("com.vlak.KxOption.mouse.conf"));
}

double HvMouseAction::pointerSpeedFromValue(int value) {
    return (clampValue(value) - 5) / 5.0;
}

int HvMouseAction::valueFromPointerSpeed(double speed) {
    if (!std::isfinite(speed))
        return storeDefault(kPointerSpeed);
    return clampValue(std::lround(std::clamp(speed, -1.0, 1.0) * 5.0) + 5);
}

int HvMouseAction::doubleClickMsFromValue(int value) {
    return 1000 - 100 * (clampValue(value) - 1);
}

int HvMouseAction::valueFromDoubleClickMs(int milliseconds) {
    return clampValue(1 + std::lround((1000 - std::clamp(milliseconds, 0, 2000)) / 100.0));
}

bool HvMouseAction::isKnownType(int type) {
    return type == kPointerSpeed || type == kScrollSpeed || type == kDoubleClickSpeed;
}

bool HvMouseAction::usesDesktopSettings(int type) const {
    if (!desktop_)
        return false;
    return (type == kPointerSpeed && desktopSpeed_) ||
           (type == kDoubleClickSpeed && desktopDoubleClick_);
}

void HvMouseAction::addSettingItem(int type) {
    if (!isKnownType(type)) {
        HV_WARNING(QStringLiteral("unknown mouse setting type %1").arg(type));
        return;
    }
    types_.insert(type);
}

// The raw value of a setting: the desktop key's own value (speed, milliseconds) or the store's.
double HvMouseAction::readRaw(int type) const {
    if (usesDesktopSettings(type)) {
        if (type == kPointerSpeed)
            return g_settings_get_double(desktop_.get(), kSpeedKey);
        return g_settings_get_int(desktop_.get(), kDoubleClickKey);
    }
    const QSettings store(storePath(), QSettings::IniFormat);
    bool ok = false;
    const int value = store.value(storeKey(type)).toInt(&ok);
    if (!ok || value < kMinValue || value > kMaxValue)
        return storeDefault(type);
    return value;
}

bool HvMouseAction::writeRaw(double raw, int type) {
    if (usesDesktopSettings(type)) {
        const bool written =
            type == kPointerSpeed
                ? g_settings_set_double(desktop_.get(), kSpeedKey, raw)
                : g_settings_set_int(desktop_.get(), kDoubleClickKey, static_cast<int>(raw));
        if (!written) {
            HV_WARNING(
                QStringLiteral("the desktop refused mouse setting %1 = %2").arg(type).arg(raw));
            return false;
        }
        g_settings_sync();
        return true;
    }
    QSettings store(storePath(), QSettings::IniFormat);
    store.setValue(storeKey(type), static_cast<int>(raw));
    store.sync();
    if (store.status() != QSettings::NoError) {
        HV_WARNING(QStringLiteral("cannot write %1").arg(storePath()));
        return false;
    }
    return true;
}

int HvMouseAction::readValue(int type) const {
    const double raw = readRaw(type);
    if (!usesDesktopSettings(type))
        return static_cast<int>(raw);
    return type == kPointerSpeed ? valueFromPointerSpeed(raw)
                                 : valueFromDoubleClickMs(static_cast<int>(raw));
}

bool HvMouseAction::writeValue(int value, int type) {
    if (!usesDesktopSettings(type))
        return writeRaw(value, type);
    return writeRaw(
        type == kPointerSpeed ? pointerSpeedFromValue(value) : doubleClickMsFromValue(value), type);
}

void HvMouseAction::startSynchronize() {
    for (const int type : types_)
        remembered_[type] = readRaw(type);
}

int HvMouseAction::getValueByType(int type) const {
    if (!types_.contains(type)) {
        HV_WARNING(QStringLiteral("mouse setting type %1 is not registered").arg(type));
        return 0;
    }
    return readValue(type);
}

bool HvMouseAction::setValue(int value, int type) {
    if (!types_.contains(type)) {
        HV_WARNING(QStringLiteral("mouse setting type %1 is not registered").arg(type));
        return false;
    }
    if (value < kMinValue || value > kMaxValue) {
        HV_WARNING(QStringLiteral("mouse setting %1: value %2 is outside %3..%4")
                       .arg(type)
                       .arg(value)
                       .arg(kMinValue)
                       .arg(kMaxValue));
        return false;
    }
    return writeValue(value, type);
}

void HvMouseAction::resetDefault() {
    // The desktop's own values come back exactly, also those between two steps of 1..10.
    for (const auto& [type, raw] : remembered_) {
        if (readRaw(type) != raw)
            writeRaw(raw, type);
    }
}

void HvMouseAction::applyDefault() {
    startSynchronize();
}
