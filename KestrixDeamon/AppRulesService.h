#pragma once

#include <QObject>
#include <QString>

class AppProfileSwitcher;
class FrontApplicationSource;

// The daemon's answers to the window and kxctl about the application rules, on the session bus
// at KxMessages::kRulesPath (interface KxMessages::kRulesInterface).
class AppRulesService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vlak.KestrixDeamon.ApplicationRules")

public:
    // source: none where nothing tells the application in front.
    AppRulesService(const AppProfileSwitcher& switcher, const FrontApplicationSource* source,
                    QObject* parent = nullptr);
    // Registers the object on the session bus; false (logged) when it cannot be.
    bool publish();

public Q_SLOTS:
    // Whether this desktop tells which application is in front, and how or why not.
    bool Availability(QString& desktop);
    // The last application in front other than the window: its id and name.
    QString FrontApplication(QString& name);

private:
    const AppProfileSwitcher& switcher_;
    const FrontApplicationSource* source_;
};
