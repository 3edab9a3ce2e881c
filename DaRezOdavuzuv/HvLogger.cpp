#include "HvLogger.h"

#include "HvAction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cstdio>
#include <memory>
#include <mutex>

namespace {

// Debug messages of the category are off unless turned on (setDebugEnabled or logging rules).
QLoggingCategory& kxCategory() {
    static QLoggingCategory category("kx", QtInfoMsg);
    return category;
}

const QLoggingCategory& kxLog() {
    return kxCategory();
}

std::mutex fileMutex;
std::unique_ptr<QFile> logFile; // guarded by fileMutex

QString placeOf(const char* file, int line) {
    const QString name = file ? QFileInfo(QString::fromLocal8Bit(file)).fileName() : QString();
    return QStringLiteral("%1:%2").arg(name.isEmpty() ? QStringLiteral("?") : name).arg(line);
}

void appendToFile(const char* level, const QString& text) {
    std::lock_guard<std::mutex> lock(fileMutex);
    if (!logFile)
        return;
    const QString line = QStringLiteral("%1 %2 %3\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                  QLatin1String(level), text);
    logFile->write(line.toUtf8());
    logFile->flush();
    // A long run at debug level sets its log aside too and goes on in a new one.
    if (logFile->size() >= HvLogger::kMaxFileBytes) {
        const QString path = logFile->fileName();
        logFile->close();
        std::rename(QFile::encodeName(path).constData(),
                    QFile::encodeName(path + QStringLiteral(".1")).constData());
        if (!logFile->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            logFile.reset();
    }
}

} // namespace

HvLogger* HvLogger::getLogger() {
    static HvLogger logger;
    return &logger;
}

void HvLogger::debug(const QString& message, const char* file, int line) {
    if (!kxLog().isDebugEnabled())
        return;
    const QString text = placeOf(file, line) + QLatin1Char(' ') + message;
    qCDebug(kxLog).noquote() << text;
    appendToFile("debug", text);
}

void HvLogger::warning(const QString& message, const char* file, int line) {
    const QString text = placeOf(file, line) + QLatin1Char(' ') + message;
    qCWarning(kxLog).noquote() << text;
    appendToFile("warning", text);
}

void HvLogger::setDebugEnabled(bool enabled) {
    kxCategory().setEnabled(QtDebugMsg, enabled);
}

bool HvLogger::isDebugEnabled() const {
    return kxLog().isDebugEnabled();
}

QString HvLogger::logFilePath() {
    // QStandardPaths has no state location in Qt 6.4; follow the XDG rule directly.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    QString program = QCoreApplication::applicationName();
    if (program.isEmpty())
        program = QStringLiteral("kx");
    return state + QStringLiteral("/com.vlak.KxOption/") + program + QStringLiteral(".log");
}

bool HvLogger::setFileEnabled(bool enabled) {
    const QString path = logFilePath();
    {
        std::lock_guard<std::mutex> lock(fileMutex);
        logFile.reset();
        if (!enabled)
            return true;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (QFileInfo(path).size() >= kMaxFileBytes) {
            // rename(2) replaces the older generation in one step.
            std::rename(QFile::encodeName(path).constData(),
                        QFile::encodeName(path + QStringLiteral(".1")).constData());
        }
        auto file = std::make_unique<QFile>(path);
        if (file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            logFile = std::move(file);
            return true;
        }
    }
    warning(QStringLiteral("cannot open the log file %1").arg(path), __FILE__, __LINE__);
    return false;
}

void HvAction::setLoggerDebugLevel() {
    HvLogger::getLogger()->setDebugEnabled(true);
}

void HvAction::setLoggerHasFile(bool hasFile) {
    HvLogger::getLogger()->setFileEnabled(hasFile);
}
