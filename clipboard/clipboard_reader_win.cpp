#include "clipboard/clipboard_reader_win.h"

#include <algorithm>
#include <new>

#include "ui/owned_handles_win.h"

namespace qm {

// The reading thread and what it shares with the program's thread, under `lock`: the
// program's thread sets `wants` and counts a request in `asked`; the reading thread
// fills `copy` and `opened` and brings `answered` up to it. The hand-over is a lock
// and a condition variable rather than events: they need no round trip to the system
// when nobody has to wait, which is what a read costs on most saves.
struct ClipboardReader::Worker {
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
  unsigned asked = 0;
  unsigned answered = 0;
  bool left = false;
  ClipboardWants wants;
  ClipboardCopy copy;
  bool opened = false;
};

namespace {

using Worker = ClipboardReader::Worker;

// While a read waits, the program's messages are looked at this often.
constexpr DWORD kMessageSliceMs = 20;

class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

// A clipboard too large to copy counts as one that could not be read.
void ReadOnce(const ClipboardWants& wants, HWND owner, ClipboardCopy& copy, bool& opened) {
  opened = false;
  try {
    const ClipboardSession session(owner);
    if (!session.IsOpen()) return;
    CopyOpenClipboard(wants, copy);
    opened = true;
  } catch (const std::bad_alloc&) {
    copy = {};
  }
}

// The reading thread's own window, which nothing sends to: it is no clipboard owner or
// viewer, and a message-only window is found by no enumeration of windows. Without one
// the thread still reads, opened without a window.
OwnedWindow ReadingWindow() {
  return OwnedWindow(
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
}

// The thread holds the worker too, so a worker that was left while it read stays whole
// until the read is done.
DWORD WINAPI Serve(void* parameter) {
  const std::shared_ptr<Worker> worker(
      std::move(*static_cast<std::shared_ptr<Worker>*>(parameter)));
  delete static_cast<std::shared_ptr<Worker>*>(parameter);
  const OwnedWindow window = ReadingWindow();
  AcquireSRWLockExclusive(&worker->lock);
  for (;;) {
    while (worker->asked == worker->answered && !worker->left) {
      SleepConditionVariableSRW(&worker->changed, &worker->lock, INFINITE, 0);
    }
    if (worker->left) break;
    const unsigned request = worker->asked;
    const ClipboardWants wants = worker->wants;
    ReleaseSRWLockExclusive(&worker->lock);
    ClipboardCopy copy;
    bool opened = false;
    ReadOnce(wants, window.get(), copy, opened);
    AcquireSRWLockExclusive(&worker->lock);
    worker->copy = std::move(copy);
    worker->opened = opened;
    worker->answered = request;
    WakeAllConditionVariable(&worker->changed);
  }
  ReleaseSRWLockExclusive(&worker->lock);
  return 0;
}

std::shared_ptr<Worker> StartedWorker() {
  auto worker = std::make_shared<Worker>();
  auto* parameter = new std::shared_ptr<Worker>(worker);
  HANDLE thread = CreateThread(nullptr, 0, Serve, parameter, 0, nullptr);
  if (!thread) {
    delete parameter;
    return nullptr;
  }
  CloseHandle(thread);
  return worker;
}

void Leave(Worker& worker) {
  const Locked locked(worker.lock);
  worker.left = true;
  WakeAllConditionVariable(&worker.changed);
}

bool HandleWaitingMessages(const bool& givenUp) {
  MSG message;
  while (!givenUp && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return !givenUp;
}

// Waits for the answer to `request` at most `timeoutMs`, handling this thread's
// messages meanwhile; false when the time is up or the program is ending. A nested
// loop (the tray menu opened meanwhile) may outlast the time: an answer that came in it
// still counts.
bool AnsweredInTime(Worker& worker, unsigned request, DWORD timeoutMs, const bool& givenUp) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    {
      const Locked locked(worker.lock);
      const ULONGLONG now = GetTickCount64();
      if (worker.answered != request && now < end) {
        const auto slice = static_cast<DWORD>(std::min<ULONGLONG>(end - now, kMessageSliceMs));
        SleepConditionVariableSRW(&worker.changed, &worker.lock, slice, 0);
      }
      if (worker.answered == request) return true;
      if (GetTickCount64() >= end) return false;
    }
    if (!HandleWaitingMessages(givenUp)) return false;
  }
}

// One read by `worker`; a worker that does not answer in time is left to its read.
ClipboardAccess ReadBy(Worker& worker, const ClipboardWants& wants, ClipboardCopy& copy,
                       const bool& givenUp) {
  unsigned request = 0;
  {
    const Locked locked(worker.lock);
    worker.wants = wants;
    request = ++worker.asked;
    WakeAllConditionVariable(&worker.changed);
  }
  if (!AnsweredInTime(worker, request, ClipboardReader::kDeadlineMs, givenUp)) {
    Leave(worker);
    return givenUp ? ClipboardAccess::GivenUp : ClipboardAccess::Held;
  }
  const Locked locked(worker.lock);
  if (!worker.opened || worker.copy.withheld) return ClipboardAccess::Held;
  copy = std::move(worker.copy);
  return ClipboardAccess::Read;
}

}  // namespace

ClipboardReader::~ClipboardReader() {
  if (worker_) Leave(*worker_);
}

ClipboardAccess ClipboardReader::Read(const ClipboardWants& wants, ClipboardCopy& copy) {
  // A read asked for while another one waits (by a message handled meanwhile) gets a
  // thread of its own, ended afterwards.
  if (reading_) {
    const auto own = StartedWorker();
    if (!own) return ClipboardAccess::Held;
    const ClipboardAccess access = ReadBy(*own, wants, copy, givenUp_);
    Leave(*own);
    return access;
  }
  if (!worker_) worker_ = StartedWorker();
  if (!worker_) return ClipboardAccess::Held;
  reading_ = true;
  const ClipboardAccess access = ReadBy(*worker_, wants, copy, givenUp_);
  reading_ = false;
  givenUp_ = false;
  if (worker_->left) worker_.reset();
  return access;
}

void ClipboardReader::GiveUp() { givenUp_ = reading_; }

}  // namespace qm
