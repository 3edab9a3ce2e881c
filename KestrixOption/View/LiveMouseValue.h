#pragma once

#include <QString>

#include <functional>
#include <memory>

// A control whose value the mouse takes at once (the DPI stage, the polling rate, a light). The
// control shows a new value while its write waits in the queue to the mouse (MouseWrites.h);
// once no write of it is left waiting, a control whose last write the mouse did not take goes
// back to the value the mouse holds, and the user is told.
class LiveMouseValue {
public:
    // show puts a value on the control and in the edited profile without writing it; it is
    // called on the window's thread, and never after the owner is gone.
    LiveMouseValue(QString what, QString key, std::function<void(int)> show);
    ~LiveMouseValue();
    LiveMouseValue(const LiveMouseValue&) = delete;
    LiveMouseValue& operator=(const LiveMouseValue&) = delete;

    // The value the mouse holds, as the view found it; nothing is written.
    void setHeld(int value);
    // Writes value (the control shows it already); body runs on the queue's worker.
    void write(int value, std::function<bool()> body);

private:
    struct State;
    std::shared_ptr<State> state_;
    QString what_;
    QString key_;
};
