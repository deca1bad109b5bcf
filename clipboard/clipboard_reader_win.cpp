#include "clipboard/clipboard_reader_win.h"

#include <atomic>
#include <new>

namespace qm {

// The reading thread and what it shares with the program's thread. The two take turns:
// the program's thread writes `wants` before it sets `asked`, the reading thread writes
// `copy` and `opened` before it sets `answered`; the events order the memory.
struct ClipboardReader::Worker {
  HWND owner = nullptr;
  HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE answered = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  std::atomic<bool> left{false};
  ClipboardWants wants;
  ClipboardCopy copy;
  bool opened = false;

  Worker() = default;
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;
  ~Worker() {
    if (asked) CloseHandle(asked);
    if (answered) CloseHandle(answered);
  }
};

namespace {

using Worker = ClipboardReader::Worker;

// A clipboard too large to copy counts as one that could not be read.
void ReadOnce(Worker& worker) {
  worker.opened = false;
  try {
    const ClipboardSession session(worker.owner);
    if (!session.IsOpen()) return;
    CopyOpenClipboard(worker.wants, worker.copy);
    worker.opened = true;
  } catch (const std::bad_alloc&) {
    worker.copy = {};
  }
}

// The thread holds the worker too, so a worker that was left while it read stays whole
// until the read is done.
DWORD WINAPI Serve(void* parameter) {
  const std::shared_ptr<Worker> worker(
      std::move(*static_cast<std::shared_ptr<Worker>*>(parameter)));
  delete static_cast<std::shared_ptr<Worker>*>(parameter);
  while (WaitForSingleObject(worker->asked, INFINITE) == WAIT_OBJECT_0 && !worker->left) {
    ReadOnce(*worker);
    SetEvent(worker->answered);
  }
  return 0;
}

std::shared_ptr<Worker> StartedWorker(HWND owner) {
  auto worker = std::make_shared<Worker>();
  worker->owner = owner;
  if (!worker->asked || !worker->answered) return nullptr;
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
  worker.left = true;
  SetEvent(worker.asked);
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

// Waits for `event` at most `timeoutMs`, handling this thread's messages meanwhile;
// false when the time is up or the program is ending. A nested loop (the tray menu
// opened meanwhile) may outlast the time: an answer that came in it still counts.
bool AnsweredInTime(HANDLE event, DWORD timeoutMs, const bool& givenUp) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &event, static_cast<DWORD>(end - now),
                                                   QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1 || !HandleWaitingMessages(givenUp)) return false;
  }
  return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

// One read by `worker`; a worker that does not answer in time is left to its read.
ClipboardAccess ReadBy(Worker& worker, const ClipboardWants& wants, ClipboardCopy& copy,
                       const bool& givenUp) {
  worker.wants = wants;
  worker.copy = {};
  SetEvent(worker.asked);
  if (!AnsweredInTime(worker.answered, ClipboardReader::kDeadlineMs, givenUp)) {
    Leave(worker);
    return givenUp ? ClipboardAccess::GivenUp : ClipboardAccess::Held;
  }
  if (!worker.opened || worker.copy.withheld) return ClipboardAccess::Held;
  copy = std::move(worker.copy);
  return ClipboardAccess::Read;
}

}  // namespace

ClipboardReader::~ClipboardReader() {
  if (worker_) Leave(*worker_);
}

ClipboardAccess ClipboardReader::Read(const ClipboardWants& wants, ClipboardCopy& copy) {
  if (givenUp_) return ClipboardAccess::GivenUp;
  // A read asked for while another one waits (by a message handled meanwhile) gets a
  // thread of its own, ended afterwards.
  if (reading_) {
    const auto own = StartedWorker(owner_);
    if (!own) return ClipboardAccess::Held;
    const ClipboardAccess access = ReadBy(*own, wants, copy, givenUp_);
    Leave(*own);
    return access;
  }
  if (!worker_) worker_ = StartedWorker(owner_);
  if (!worker_) return ClipboardAccess::Held;
  reading_ = true;
  const ClipboardAccess access = ReadBy(*worker_, wants, copy, givenUp_);
  reading_ = false;
  if (worker_->left) worker_.reset();
  return access;
}

void ClipboardReader::GiveUp() { givenUp_ = true; }

}  // namespace qm
