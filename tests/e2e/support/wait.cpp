#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

constexpr DWORD kCheckIntervalMs = 20;

void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

ULONGLONG NowMs() { return GetTickCount64(); }

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = NowMs() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (NowMs() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kCheckIntervalMs, QS_ALLINPUT);
    DispatchWaitingMessages();
  }
}

}  // namespace qm::e2e
