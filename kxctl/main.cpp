// kxctl: the Kestrix mouse from a terminal and from scripts, on the same core as the window.
#include "HvAction.h"
#include "KxCtlCommandLine.h"
#include "KxCtlTool.h"
#include "KxLanguage.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

bool verboseLog = false;

// The core's and Qt's log lines go to kxctl's log file; on standard error only with --verbose,
// so that what a script reads there is kxctl's own word.
void logHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!verboseLog && type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kxctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    // What a person reads follows their language; what a script reads as JSON stays as it is.
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    const bool json =
        arguments.mid(0, end < 0 ? arguments.size() : end).contains(QStringLiteral("--json"));
    if (!json)
        KxLanguage::install();
    const KxCtl::Parsed parsed = KxCtl::parse(QCoreApplication::arguments().mid(1));
    if (!parsed.invocation) {
        std::fprintf(
            stderr, "kxctl: %s\n%s\n", qPrintable(parsed.error),
            qPrintable(QCoreApplication::translate("KxCtl", "(kxctl --help tells how to use it)")));
        // Asked for JSON (before "--", where options end), a script gets it also for a command
        // line that could not be read.
        if (json)
            std::fputs(KxSetup::prettyJson({{QStringLiteral("version"), KxCtl::kJsonVersion},
                                            {QStringLiteral("command"), QString()},
                                            {QStringLiteral("ok"), false},
                                            {QStringLiteral("exitCode"), KxCtl::kUsage},
                                            {QStringLiteral("error"), parsed.error}})
                           .constData(),
                       stdout);
        return KxCtl::kUsage;
    }
    verboseLog = parsed.invocation->verbose;
    qInstallMessageHandler(logHandler);
    HvAction::setLoggerHasFile(true);
    if (verboseLog)
        HvAction::setLoggerDebugLevel();
    return KxCtl::Tool(*parsed.invocation).run();
}
