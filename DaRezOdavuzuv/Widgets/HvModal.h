#pragma once

class QWidget;

// The two kinds of modal window the views use.
//
// runModal: the window is shown application-modal (input to the program's other windows is
// blocked) and a nested event loop runs until stopModal ends it with a code, which runModal
// returns; a window closed, hidden or destroyed otherwise ends it with 0 (minimised, it goes on).
//
// A modal session: the window is shown application-modal, but the caller goes on at once; the
// program's own event loop serves the window until endModalSession.
class HvModal {
public:
    static int runModal(QWidget* window);
    static void stopModal(QWidget* window, int code);
    // Whether a run of runModal is going on for the window.
    static bool isRunning(const QWidget* window);

    static void beginModalSession(QWidget* window);
    static void endModalSession(QWidget* window);
};
