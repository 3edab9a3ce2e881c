#include "LiveMouseValue.h"

#include "MouseWrites.h"

struct LiveMouseValue::State {
    std::function<void(int)> show; // emptied when the owner goes
    int held = 0;
    int waiting = 0;     // writes posted whose outcome has not come back
    bool failed = false; // one of them did not reach the mouse
};

LiveMouseValue::LiveMouseValue(QString what, QString key, std::function<void(int)> show)
    : state_(std::make_shared<State>()), what_(std::move(what)), key_(std::move(key)) {
    state_->show = std::move(show);
}

LiveMouseValue::~LiveMouseValue() {
    // Outcomes still to come find no control to put back.
    state_->show = nullptr;
}

void LiveMouseValue::setHeld(int value) {
    state_->held = value;
}

void LiveMouseValue::write(int value, std::function<bool()> body) {
    ++state_->waiting;
    MouseWrites::post(what_, key_, std::move(body),
                      [state = state_, value](KxDeviceQueue::Outcome outcome) {
                          --state->waiting;
                          if (outcome == KxDeviceQueue::Outcome::Reached)
                              state->held = value;
                          else if (outcome != KxDeviceQueue::Outcome::Superseded)
                              state->failed = true;
                          // A later write still waiting decides what the control shows.
                          if (state->waiting > 0 || !std::exchange(state->failed, false))
                              return;
                          if (state->show)
                              state->show(state->held);
                      });
}
