#pragma once

#include <windows.h>

#include <functional>

namespace qm::test {

// Dispatches the test thread's messages (timers, window messages) until `done` holds
// or `timeoutMs` have passed; returns whether `done` held. Waits for messages, never
// sleeps blindly.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Dispatches the test thread's messages for `durationMs`.
void PumpMessagesFor(DWORD durationMs);

}  // namespace qm::test
