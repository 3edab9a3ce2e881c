#pragma once

#include <QString>

#include <map>
#include <memory>
#include <set>

struct _GSettings;

// The desktop's mouse settings by type, each as a value from 1 (slowest) to 10 (fastest):
// 1 pointer speed, 2 scroll speed, 3 double-click speed.
//
// Where GNOME's mouse schema is installed, pointer and double-click speed are its keys "speed"
// and "double-click" (GSettings); every other setting lives in a small store of our own
// (storePath()). docs/desktop-settings.md gives the mapping of 1..10 onto each key.
class HvMouseAction {
public:
    static constexpr int kPointerSpeed = 1;
    static constexpr int kScrollSpeed = 2;
    static constexpr int kDoubleClickSpeed = 3;
    static constexpr int kMinValue = 1;
    static constexpr int kMaxValue = 10;

    static constexpr const char* kDesktopSchema = "org.gnome.desktop.peripherals.mouse";

    // desktopSchema: the GSettings schema to use when it is installed; an empty or absent schema
    // keeps every setting in our own store.
    explicit HvMouseAction(const QString& desktopSchema = QString::fromLatin1(kDesktopSchema));
    ~HvMouseAction();
    HvMouseAction(const HvMouseAction&) = delete;
    HvMouseAction& operator=(const HvMouseAction&) = delete;

    // Registers a setting type (1, 2 or 3); other types are refused with a log line.
    void addSettingItem(int type);
    // Reads the desktop's current values of the registered types and remembers them.
    void startSynchronize();
    // The desktop's current value (1..10) of a registered type; 0 for any other type.
    int getValueByType(int type) const;
    // Sets a registered type to value (1..10) on the desktop at once; false (and a log line) for
    // another type, a value out of range or a desktop that refused it.
    bool setValue(int value, int type);
    // Puts back the values remembered at the last startSynchronize or applyDefault.
    void resetDefault();
    // Remembers the current values.
    void applyDefault();

    // Whether a type is kept in the desktop's own settings (else in our store).
    bool usesDesktopSettings(int type) const;
    // Our own store: ${XDG_CONFIG_HOME:-~/.config}/com.vlak.KxOption.mouse.conf.
    static QString storePath();

    // The mappings of 1..10 onto the desktop keys; out-of-range key values are clamped.
    static double pointerSpeedFromValue(int value);
    static int valueFromPointerSpeed(double speed);
    static int doubleClickMsFromValue(int value);
    static int valueFromDoubleClickMs(int milliseconds);

private:
    struct SettingsDeleter {
        void operator()(_GSettings* settings) const;
    };

    static bool isKnownType(int type);
    double readRaw(int type) const;
    bool writeRaw(double raw, int type);
    int readValue(int type) const;
    bool writeValue(int value, int type);

    std::unique_ptr<_GSettings, SettingsDeleter> desktop_;
    bool desktopSpeed_ = false;
    bool desktopDoubleClick_ = false;
    std::set<int> types_;
    std::map<int, double> remembered_; // raw values by type
};
