#pragma once

#include <windows.h>

#include <functional>

namespace qm::e2e {

// The longest a scenario waits for the program: generous, because Wine on a busy
// machine can take seconds for what takes milliseconds on Windows.
inline constexpr DWORD kPatienceMs = 20000;

// Checks `done` until it holds (true) or `timeoutMs` has passed (false). Between the
// checks it waits for this thread's messages and dispatches them, so windows of the
// test program (a clipboard viewer) keep working while a scenario waits.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);

// Milliseconds since an arbitrary start, for measuring what a scenario observes.
ULONGLONG NowMs();

}  // namespace qm::e2e
