#pragma once

#include <functional>

namespace KxTest {

// Runs the calling thread's event loop until condition() holds or timeoutMs passes; returns
// whether it held. The condition is checked after every batch of events and at least every
// 10 ms, so events from other threads or processes are seen promptly.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// Runs the event loop for the given time.
void spin(int ms);

} // namespace KxTest
