#pragma once

// The messages between the configuration window and the daemon on the session bus (the signal's
// shape is DistributedNotificationCenter's; its interface is described in
// Platform/Notifications/com.vlak.KxOption.Notification.xml). The object is the code as decimal
// text; values travel as "value1", "value2", ... or "type" and "value".
namespace KxMessages {

// "KxSettingChange": the window to the daemon.
inline constexpr const char* kSettingChange = "KxSettingChange";
inline constexpr int kSettingsSaved = 101; // the profile files changed: reload them
inline constexpr int kDisplaySwitch = 110; // value1: the on-screen display on or off
inline constexpr int kShowChange = 111;    // value1: kind, value2.. its values (below)
inline constexpr int kRelaunch = 121;      // start the window again, 0.5 s from now
inline constexpr int kRulesChanged = 130;  // the application rules changed: read them again

// Kinds of kShowChange.
inline constexpr int kShowProfile = 1; // value2: profile index 0..4
inline constexpr int kShowMode = 2;    // value2: 0 normal, else battle
inline constexpr int kShowDpi = 3;     // value2: stage, value3: X, value4: Y (units of 100 DPI)
inline constexpr int kShowRate = 4;    // value2: rate index 0..2

// "KxDevStatus": the daemon to the window.
inline constexpr const char* kDevStatus = "KxDevStatus";
inline constexpr int kStatusProfile = 1; // value: the profile the mouse switched to
inline constexpr int kStatusDpi = 2;     // value1: stage, value2 and value3: its DPI
inline constexpr int kStatusRate = 3;    // value1: rate index
inline constexpr int kStatusRemoved = 100;
inline constexpr int kStatusArrived = 101;

// The daemon's answers about the application rules, on its own bus name:
//   Availability() -> (b available, s desktop)
//     whether this desktop tells which application is in front, and how ("x11", "wlroots",
//     "kwin"), or why not ("gnome-wayland", "wayland", "no-display");
//   FrontApplication() -> (s app, s name)
//     the last application in front other than the configuration window: its id as a rule
//     names it, and its name to show (empty when none is known yet).
inline constexpr const char* kDaemonService = "com.vlak.KestrixDeamon";
inline constexpr const char* kRulesPath = "/com/vlak/KestrixDeamon/ApplicationRules";
inline constexpr const char* kRulesInterface = "com.vlak.KestrixDeamon.ApplicationRules";

} // namespace KxMessages
