// Another program that owns a global hotkey, for the hotkey registry tests:
//
//   qm_hotkey_helper MODIFIERS KEY READY QUIT
//
// MODIFIERS and KEY are the numbers RegisterHotKey takes. The helper registers the
// combination for its own thread, sets the named event READY and keeps the hotkey
// until the named event QUIT is set, or for a minute. It ends with 0 when all went
// well, 2 when the combination could not be registered and 1 on any other failure.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr DWORD kLifetimeMs = 60000;
constexpr int kHotkeyId = 1;
constexpr int kNotRegistered = 2;

int Fail(const wchar_t* what, int code = 1) {
  std::fwprintf(stderr, L"qm_hotkey_helper: %ls (Fehler %lu)\n", what, GetLastError());
  return code;
}

HANDLE OpenNamedEvent(const wchar_t* name) {
  return OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name);
}

int Run(UINT modifiers, UINT key, const wchar_t* readyName, const wchar_t* quitName) {
  HANDLE ready = OpenNamedEvent(readyName);
  HANDLE quit = OpenNamedEvent(quitName);
  if (!ready || !quit) return Fail(L"OpenEvent");
  if (!RegisterHotKey(nullptr, kHotkeyId, modifiers, key)) return Fail(L"RegisterHotKey", kNotRegistered);
  if (!SetEvent(ready)) return Fail(L"SetEvent");
  const DWORD wait = WaitForSingleObject(quit, kLifetimeMs);
  UnregisterHotKey(nullptr, kHotkeyId);
  CloseHandle(ready);
  CloseHandle(quit);
  return wait == WAIT_OBJECT_0 ? 0 : Fail(L"QUIT never came");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fwprintf(stderr, L"usage: qm_hotkey_helper MODIFIERS KEY READY QUIT\n");
    return 1;
  }
  const auto modifiers = static_cast<UINT>(std::wcstoul(argv[1], nullptr, 10));
  const auto key = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 10));
  return Run(modifiers, key, argv[3], argv[4]);
}
