#pragma once

#include <QObject>
#include <QString>

class HvNoTitleWindow;
class QLabel;

// The About window: the program and its version, its licence, which mouse is in use (the real
// one or the emulated one) and where the profiles, preferences and logs are kept. One window,
// made on first use and run modally; closing it ends the run.
class AboutConnortller : public QObject {
    Q_OBJECT
public:
    static AboutConnortller* shareAboutController();

    // Refreshes what it says and runs the window until it is closed.
    void showModal();
    HvNoTitleWindow* window() const { return window_; }
    // The text the window shows, as rich text.
    static QString infoText();

    void windowWillClose(HvNoTitleWindow* window);

private:
    AboutConnortller();

    HvNoTitleWindow* window_ = nullptr;
    QLabel* info_ = nullptr;
};
