#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The daemon's answers to the window and kxctl about the application rules, on the session bus
// at KxMessages::kRulesPath (interface KxMessages::kRulesInterface).
class AppRulesService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vlak.KestrixDeamon.ApplicationRules")

public:
    struct Answers {
        std::function<bool()> available;
        std::function<QString()> desktop; // "x11", "wlroots", "kwin", or why not
        std::function<QString()> frontApplication;
        std::function<QString()> frontApplicationName;
    };
    explicit AppRulesService(Answers answers, QObject* parent = nullptr);
    // Registers the object on the session bus; false (logged) when it cannot be.
    bool publish();

public Q_SLOTS:
    // Whether this desktop tells which application is in front, and how or why not.
    bool Availability(QString& desktop);
    // The last application in front other than the window: its id and name.
    QString FrontApplication(QString& name);

private:
    Answers answers_;
};
