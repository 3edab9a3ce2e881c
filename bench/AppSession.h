#pragma once

#include "TraceRecorder.h"

#include <QApplication>

// KxOption's window (its AppDelegate, in this process) beside the emulated mouse, driven through
// a scripted session as a person uses it, while a TraceRecorder watches its event loop.
namespace KxBench {

// The application object of a session: tells the recording of every event delivery.
class TracedApplication : public QApplication {
public:
    TracedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
    TraceRecorder* recorder = nullptr;
};

// Start-up (the window made and shown, the whole read behind the loading window); the profiles
// clicked in turn; the performance view with its stage slider dragged over every stage, each
// polling rate clicked, a DPI typed and OK; the lights view with both lights switched off and on
// and OK; a button given another function in its dialog and Apply; the two-function dialog and
// the macro editor opened and closed. The recording runs from the window's first show to the
// end. Returns an empty string, or what went wrong.
QString runWindowSession(TracedApplication& app, TraceRecorder& recorder);

} // namespace KxBench
