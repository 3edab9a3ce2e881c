#pragma once

#include "EventLoopWait.h"
#include "JsonSchema.h"
#include "PrivateHome.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// Texts as text in the tests' messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << bytes.toHex(' ').toStdString();
}

// kxctl and kx-virtual-mouse as programs, for the end-to-end tests: each test has its own home,
// its own session bus (the tests run under dbus-run-session) and a factory-fresh emulated mouse.
class KxCtlPrograms {
public:
    struct Outcome {
        int exit = -1;
        QString out;
        QString err;
        QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    };

    ~KxCtlPrograms() { stopMouse(); }

    static QString flashPath() {
        return PrivateHome::dir("state") + QStringLiteral("/kx-virtual-mouse/flash.bin");
    }
    // The emulated mouse as it leaves the factory (no flash kept), serving.
    void startFactoryMouse() {
        stopMouse();
        QFile::remove(flashPath());
        startMouse();
    }
    void startMouse() {
        mouse_.setProcessChannelMode(QProcess::SeparateChannels);
        mouse_.start(QStringLiteral(KX_VIRTUAL_MOUSE_PATH), {QStringLiteral("serve")});
        ASSERT_TRUE(mouse_.waitForStarted());
        ASSERT_TRUE(KxTest::waitFor([&] { return mouse_.canReadLine(); }));
    }
    void stopMouse() {
        if (mouse_.state() == QProcess::NotRunning)
            return;
        mouse_.terminate();
        mouse_.waitForFinished(5000);
    }
    QString mouseCommand(const QString& line) {
        QProcess client;
        client.start(QStringLiteral(KX_VIRTUAL_MOUSE_PATH), line.split(QLatin1Char(' ')));
        EXPECT_TRUE(client.waitForFinished(10000));
        return QString::fromLocal8Bit(client.readAllStandardOutput());
    }
    QString dump() { return mouseCommand(QStringLiteral("dump")); }
    // The 82 bytes the mouse holds for a button (1-based profile and button).
    QByteArray record(int profile, int button) {
        const QRegularExpression line(
            QStringLiteral("profile %1 button %2 @\\d+: ([0-9a-f ]+)").arg(profile).arg(button));
        const auto match = line.match(dump());
        return match.hasMatch() ? QByteArray::fromHex(match.captured(1).toLatin1()) : QByteArray();
    }
    // The dump's line that starts so ("rate: 500 Hz").
    QString dumpLine(const QString& start) {
        for (const QString& line : dump().split(QLatin1Char('\n')))
            if (line.startsWith(start))
                return line;
        return {};
    }

    QProcess* startKxctl(const QStringList& arguments) {
        auto* process = new QProcess;
        process->start(QStringLiteral(KX_CTL_PATH), arguments);
        return process;
    }
    static Outcome finish(QProcess* process, int timeoutMs = 180000) {
        Outcome run;
        // (One that ended while the test's event loop ran is no longer running.)
        if (process->state() != QProcess::NotRunning && !process->waitForFinished(timeoutMs))
            ADD_FAILURE() << "kxctl did not end";
        run.exit = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        run.out = QString::fromUtf8(process->readAllStandardOutput());
        run.err = QString::fromUtf8(process->readAllStandardError());
        delete process;
        return run;
    }
    Outcome kxctl(const QStringList& arguments, int timeoutMs = 180000) {
        return finish(startKxctl(arguments), timeoutMs);
    }

    static const JsonSchema& schema() {
        static const JsonSchema schema = [] {
            QString why;
            JsonSchema s = JsonSchema::fromDocument(QStringLiteral(KX_JSON_DOC), &why);
            EXPECT_TRUE(s.isValid()) << qPrintable(why);
            return s;
        }();
        return schema;
    }

private:
    QProcess mouse_;
};

// Prints the problems of a value against a schema definition, for EXPECT.
inline testing::AssertionResult fitsSchema(const QJsonValue& value, const QString& definition) {
    const QStringList problems = KxCtlPrograms::schema().check(value, definition);
    if (problems.isEmpty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << qPrintable(definition) << ": "
                                       << qPrintable(problems.join(QStringLiteral("\n"))) << "\n"
                                       << QJsonDocument(value.toObject()).toJson().constData();
}
