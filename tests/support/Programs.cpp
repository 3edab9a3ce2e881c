#include "Programs.h"

#include "EventLoopWait.h"
#include "KxMessages.h"
#include "PrivateHome.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include <sys/prctl.h>

void Program::logErrorsTo(const QString& file) {
    log_ = file;
    process.setStandardErrorFile(file);
}

bool Program::start(const QStringList& arguments, const QProcessEnvironment& environment) {
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(path_, arguments);
    return process.waitForStarted(10000);
}

Program::Ran Program::finish(int ms) {
    const bool ended = process.state() == QProcess::NotRunning || process.waitForFinished(ms);
    if (!ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    read();
    const bool clean = ended && process.exitStatus() == QProcess::NormalExit;
    return {clean ? process.exitCode() : -1, output_, errors_};
}

Program::Ran Program::stop(int ms) {
    if (process.state() != QProcess::NotRunning)
        process.terminate();
    return finish(ms);
}

Program::Ran Program::run(const QString& path, const QStringList& arguments, int ms,
                          const QProcessEnvironment& environment) {
    Program program(path);
    return program.start(arguments, environment) ? program.finish(ms) : Ran{};
}

bool Program::says(const QString& text, int ms) {
    return says(QRegularExpression(QRegularExpression::escape(text)), ms);
}

bool Program::says(const QRegularExpression& pattern, int ms) {
    const auto said = [&] { return output_.contains(pattern) || errors_.contains(pattern); };
    KxTest::waitFor(
        [&] {
            read();
            return said() || process.state() != QProcess::Running;
        },
        ms);
    return said() && process.state() == QProcess::Running;
}

const QString& Program::output() {
    read();
    return output_;
}

const QString& Program::errors() {
    read();
    return errors_;
}

void Program::forget() {
    read();
    output_.clear();
    errors_.clear();
}

void Program::read() {
    if (!process.isOpen()) // never started: nothing to read
        return;
    output_ += QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.processChannelMode() == QProcess::MergedChannels)
        return;
    if (log_.isEmpty()) {
        errors_ += QString::fromLocal8Bit(process.readAllStandardError());
        return;
    }
    QFile file(log_);
    if (file.open(QIODevice::ReadOnly) && file.seek(logRead_)) {
        const QByteArray more = file.readAll();
        logRead_ += more.size();
        errors_ += QString::fromLocal8Bit(more);
    }
}

bool MouseProgram::serve(bool plugged) {
    return start(plugged ? QStringList{QStringLiteral("serve")}
                         : QStringList{QStringLiteral("serve"), QStringLiteral("--unplugged")}) &&
           KxTest::waitFor([&] { return process.canReadLine(); }, 10000);
}

QString MouseProgram::flashPath() {
    return PrivateHome::dir("state") + QStringLiteral("/kx-virtual-mouse/flash.bin");
}

QString MouseProgram::command(const QString& line) {
    const Ran ran = run(QStringLiteral(KX_VIRTUAL_MOUSE_PATH), line.split(QLatin1Char(' ')));
    EXPECT_EQ(ran.exit, 0) << "kx-virtual-mouse " << qPrintable(line) << ": "
                           << qPrintable(ran.err);
    return ran.out;
}

namespace MouseDump {

namespace {
QString captured(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}
} // namespace

int stage(const QString& dump) {
    return captured(dump, QStringLiteral("^stage: (\\d) \\(")).toInt();
}

int activeProfile(const QString& dump) {
    return captured(dump, QStringLiteral("^active profile: (\\d)$")).toInt();
}

int rateHz(const QString& dump) {
    return captured(dump, QStringLiteral("(\\d+) Hz")).toInt();
}

QByteArray storedBlock(const QString& dump) {
    return QByteArray::fromHex(
        captured(dump, QStringLiteral("^stored block \\(5\\.\\.11\\): ([0-9a-f ]+)$")).toLatin1());
}

QByteArray record(const QString& dump, int profile, int button) {
    return QByteArray::fromHex(
        captured(
            dump,
            QStringLiteral("^profile %1 button %2 @\\d+: ([0-9a-f ]+)$").arg(profile).arg(button))
            .toLatin1());
}

std::array<std::array<QByteArray, 5>, 5> records(const QString& dump) {
    std::array<std::array<QByteArray, 5>, 5> all;
    for (int profile = 1; profile <= 5; ++profile)
        for (int button = 1; button <= 5; ++button)
            all[size_t(profile - 1)][size_t(button - 1)] = record(dump, profile, button);
    return all;
}

int count(const QString& status, const QString& what) {
    return captured(status, QLatin1Char('^') + QRegularExpression::escape(what) +
                                QStringLiteral(": (\\d+)$"))
        .toInt();
}

} // namespace MouseDump

bool DaemonProgram::serve(const QProcessEnvironment& environment) {
    return start({}, environment) && says(QStringLiteral("Starting run loop."));
}

DevStatuses::DevStatuses() {
    token_ = DistributedNotificationCenter::defaultCenter().addObserver(
        QLatin1String(KxMessages::kDevStatus),
        [this](const Notification& n) { heard.push_back(n.userInfo.value_or(QVariantMap())); });
}

DevStatuses::~DevStatuses() {
    DistributedNotificationCenter::defaultCenter().removeObserver(token_);
}

std::vector<int> DevStatuses::types() const {
    std::vector<int> result;
    for (const QVariantMap& status : heard)
        result.push_back(status.value(QStringLiteral("type")).toInt());
    return result;
}

int DevStatuses::count(int type) const {
    const std::vector<int> all = types();
    return int(std::count(all.begin(), all.end(), type));
}

bool DevStatuses::waitFor(size_t count, int ms) {
    return KxTest::waitFor([&] { return heard.size() >= count; }, ms);
}

bool DevStatuses::waitForType(int type, int ms) {
    return KxTest::waitFor([&] { return count(type) > 0; }, ms);
}
