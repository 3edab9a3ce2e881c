#pragma once

#include "KxCtlCommandLine.h"
#include "KxCtlWriter.h"
#include "KxMouseLock.h"
#include "KxSetupMouse.h"

#include <QJsonObject>
#include <QStringList>

#include <functional>
#include <optional>

// The commands of kxctl over the shared core: the mouse through KxAction's paced operations,
// names through the catalogue and the macro library, files through the profile library, and
// every write as the window's Apply makes it (KxSetupMouse.h), read back before it counts.
namespace KxCtl {

// Exit status.
inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;
inline constexpr int kNoMouse = 3;
// Version of the --json output (docs/kxctl-json.md).
inline constexpr int kJsonVersion = 1;
// The DPI a stage can be given, as the performance view gives it.
inline constexpr int kMinDpi = 100;
inline constexpr int kMaxDpi = 3500;

class Tool {
public:
    explicit Tool(Invocation invocation);
    int run();

private:
    // What a write needs read before it is built.
    struct Need {
        unsigned slots = 0;      // bit s: the buttons of slot s
        bool activeSlot = false; // the buttons of the active profile
        bool desktop = false;    // the desktop's speeds
    };
    // Builds what to write from what the mouse holds; none, with the reason, to refuse.
    using Build = std::function<std::optional<KxSetup::Target>(const KxSetup::MouseState& state,
                                                               QString* refusal)>;

    // Output: the command's result (text lines, or its JSON object), and failures.
    int done(QJsonObject json, const QStringList& text);
    // json: more for --json's answer (a write's changes, each with its status).
    int fail(int code, const QString& message, const QStringList& details = {},
             const QJsonObject& json = {});
    // Bytes to standard output; refused, said on standard error, when they cannot all go.
    static int output(const QByteArray& bytes);
    void note(const QString& line) const;
    QJsonObject head() const;

    void startCore();
    bool findMouse();
    // Selects the mouse --device names, or the only one; refuses a write when two are attached
    // and none is named. An exit status when it cannot.
    std::optional<int> chooseMouse(bool writing);
    bool lock();
    // One writer: refuses (or waits) while the window runs, then takes the lock.
    std::optional<int> becomeWriter();
    // Refuses (or, with --wait, waits) while the window runs; an exit status when refused.
    std::optional<int> refuseWhileWindowRuns();
    // Without a session bus an open window cannot be seen: the user is told.
    void noteWithoutBus() const;

    int list();
    int show();
    int profile();
    int dpi();
    int stage();
    int rate();
    int light();
    int button();
    int macroList();
    int macroShow();
    int macroImport();
    int macroExport();
    int exportSetup();
    int importSetup();
    // The application rules (KxCtlToolRules.cpp): no mouse, no mouse lock.
    int ruleList();
    int ruleChange();
    int complete();

    // Reads, builds and plans; the write session does the rest (KxWriteSession.h).
    int write(const Need& need, const Build& build);
    // A settings change of the block the mouse holds.
    int writeSettings(const std::function<void(KxSetup::Settings&)>& change);
    // The daemon's signals leave before the program ends.
    static void flushBus();

    Invocation invocation_;
    KxMouseLock lock_;
    bool locked_ = false;
};

} // namespace KxCtl
