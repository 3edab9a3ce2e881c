#pragma once

#include <QStringList>
#include <QtGlobal>

// The warnings logged while it lives.
class Warnings {
public:
    Warnings() {
        lines().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtWarningMsg)
                    lines() << text;
            });
    }
    ~Warnings() { qInstallMessageHandler(previous_); }
    static QStringList& lines() {
        static QStringList seen;
        return seen;
    }
    std::string text() const { return lines().join('\n').toStdString(); }

private:
    QtMessageHandler previous_;
};
