#pragma once

#include <QString>

// The programs' debug log, on Qt's logging (category "kx"), each line with the source file name
// and line. With a log file turned on (HvAction::setLoggerHasFile) the lines also go to
// ${XDG_STATE_HOME:-~/.local/state}/com.vlak.KxOption/<program>.log.
//
// Debug lines are dropped unless the debug level is on (HvAction::setLoggerDebugLevel, or the
// rule "kx.debug=true" in QT_LOGGING_RULES), so that ordinary use writes nothing. Warnings (bad
// input, failed saves) always go out.
class HvLogger {
public:
    static HvLogger* getLogger();
    void debug(const QString& message, const char* file, int line);
    void warning(const QString& message, const char* file, int line);

    void setDebugEnabled(bool enabled);
    bool isDebugEnabled() const;
    // A log file that has reached this size when it is opened is set aside as "<file>.1"
    // (replacing the one before) and a new one begun.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    // Opens (true) or closes (false) the log file; false when it could not be opened.
    bool setFileEnabled(bool enabled);
    // The log file of this program: <state folder>/com.vlak.KxOption/<program>.log.
    static QString logFilePath();
};

// One debug line from the calling place.
#define HV_DEBUG(message) HvLogger::getLogger()->debug((message), __FILE__, __LINE__)
// One warning line from the calling place.
#define HV_WARNING(message) HvLogger::getLogger()->warning((message), __FILE__, __LINE__)
