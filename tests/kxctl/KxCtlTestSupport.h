#pragma once

#include "EventLoopWait.h"
#include "KxSetupFile.h"
#include "PrivateHome.h"
#include "Programs.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Texts as text in the tests' messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << bytes.toHex(' ').toStdString();
}

// Whether a text holds the part; the text is printed when it does not.
inline testing::AssertionResult says(const QString& text, const QString& part) {
    if (text.contains(part))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "no \"" << qPrintable(part) << "\" in " << qPrintable(text);
}

// Files of the private home folder and of the program's data folder.
inline QString home(const QString& name) {
    return PrivateHome::dir("home") + QLatin1Char('/') + name;
}
inline QString dataFile(const QString& name) {
    return PrivateHome::dir("data") + QStringLiteral("/com.vlak.KxOption/") + name;
}
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// The bytes, or the object as JSON, in a file of the home folder; its path.
inline QString homeFile(const QString& name, const QByteArray& bytes) {
    QFile file(home(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}
inline QString homeFile(const QString& name, const QJsonObject& object) {
    return homeFile(name, QJsonDocument(object).toJson());
}
inline QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

// The object with the value at a path of keys and indexes ("profiles/0/buttons/1/kind")
// replaced; an undefined value removes it.
inline QJsonObject with(const QJsonObject& top, const QString& path, const QJsonValue& value) {
    const QStringList parts = path.split(QLatin1Char('/'));
    std::function<QJsonValue(const QJsonValue&, int)> set = [&](const QJsonValue& at, int i) {
        bool isIndex = false;
        const int index = parts[i].toInt(&isIndex);
        const QJsonValue inner = i + 1 == parts.size() ? value
                                 : isIndex             ? set(at[index], i + 1)
                                                       : set(at[parts[i]], i + 1);
        if (isIndex) {
            QJsonArray array = at.toArray();
            if (inner.isUndefined())
                array.removeAt(index);
            else
                array[index] = inner;
            return QJsonValue(array);
        }
        QJsonObject object = at.toObject();
        if (inner.isUndefined())
            object.remove(parts[i]);
        else
            object[parts[i]] = inner;
        return QJsonValue(object);
    };
    return set(top, 0).toObject();
}

// A macro that presses a key and, delayMs later, releases it.
inline KxSetup::Macro tapMacro(const QString& name, int32_t key, int32_t delayMs = 0) {
    KxSetup::Macro macro;
    macro.name = name;
    macro.steps.resize(2);
    macro.steps[0].key = macro.steps[1].key = key;
    macro.steps[0].delayMs = delayMs;
    macro.steps[1].action = KxSetup::MacroStep::Action::Release;
    return macro;
}
// Buttons of a set-up file: a function of the catalogue by its name (or one of another kind), a
// macro of the file.
inline KxSetup::Button setupButton(const QString& function,
                                   KxSetup::Button::Kind kind = KxSetup::Button::Kind::Function) {
    KxSetup::Button button;
    button.kind = kind;
    button.function = function;
    return button;
}
inline KxSetup::Button macroButton(const QString& name,
                                   KxSetup::RunMode mode = KxSetup::RunMode::Once) {
    KxSetup::Button button;
    button.kind = KxSetup::Button::Kind::Macro;
    button.macro = name;
    button.mode = mode;
    return button;
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

    static QString flashPath() { return MouseProgram::flashPath(); }
    // The emulated mouse as it leaves the factory (no flash kept), serving.
    void startFactoryMouse() {
        stopMouse();
        QFile::remove(flashPath());
        startMouse();
    }
    void startMouse() { ASSERT_TRUE(mouse_.serve()); }
    void stopMouse() { mouse_.stop(); }
    static QString mouseCommand(const QString& line) { return MouseProgram::command(line); }
    static QString dump() { return MouseProgram::dump(); }
    // Whether the dump has the line ("rate: 500 Hz"); the dump is printed when it has not.
    testing::AssertionResult dumpShows(const QString& line) {
        const QString now = dump();
        if (now.split(QLatin1Char('\n')).contains(line))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "no line \"" << qPrintable(line) << "\" in " << qPrintable(now);
    }
    // A count of the mouse's status ("requests", "requests closer than the pacing").
    static int status(const QString& what) {
        return MouseDump::count(mouseCommand("status"), what);
    }
    // The 82 bytes the mouse holds for a button (1-based profile and button).
    static QByteArray record(int profile, int button) {
        return MouseDump::record(dump(), profile, button);
    }

    // kxctl started, prepared first as the test needs (its environment, its output).
    static QProcess* startKxctl(const QStringList& arguments,
                                const std::function<void(QProcess&)>& prepare = {}) {
        auto* process = new QProcess;
        if (prepare)
            prepare(*process);
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
    static Outcome kxctl(const QStringList& arguments, int timeoutMs = 180000) {
        return finish(startKxctl(arguments), timeoutMs);
    }
    // kxctl with arguments it must take; its standard error is printed when it does not.
    static Outcome ok(const QStringList& arguments, int timeoutMs = 180000) {
        Outcome run = kxctl(arguments, timeoutMs);
        EXPECT_EQ(run.exit, 0) << qPrintable(arguments.join(' ')) << ": " << qPrintable(run.err);
        return run;
    }
    // A bash script; "kxctl" in it is the program under test.
    static Outcome shell(const QString& script) {
        auto* process = new QProcess;
        process->start(QStringLiteral("bash"),
                       {QStringLiteral("-c"), QStringLiteral("kxctl() { '%1' \"$@\"; }; %2")
                                                  .arg(QStringLiteral(KX_CTL_PATH), script)});
        return finish(process);
    }
    // The mouse's set-up as kxctl exports it, changed by edit, in a file of the home folder.
    static QString setupWith(const QString& name, const std::function<void(KxSetup::File&)>& edit) {
        const QString path = home(name);
        EXPECT_EQ(kxctl({QStringLiteral("export"), path}).exit, 0);
        KxSetup::Parsed parsed = KxSetup::readFile(path);
        EXPECT_TRUE(parsed.file) << qPrintable(parsed.error.text());
        if (parsed.file) {
            edit(*parsed.file);
            EXPECT_TRUE(KxSetup::writeFile(*parsed.file, path));
        }
        return path;
    }

private:
    MouseProgram mouse_;
};

// Whether a value fits a definition of docs/kxctl-json.md's schema (JsonSchema.cpp); the
// problems are printed when it does not.
testing::AssertionResult fitsSchema(const QJsonValue& value, const QString& definition);
