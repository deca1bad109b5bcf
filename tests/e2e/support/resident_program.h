#pragma once

#include <windows.h>

#include <optional>

#include "tests/e2e/support/program_folder.h"

namespace qm::e2e {

// The tray icon's callback message and its id, as the program gives them to the shell.
inline constexpr UINT kTrayCallback = WM_USER + 1;
inline constexpr UINT kTrayIconId = 125;

// Quillmar2.0.exe started from a program folder as a user starts it. The constructor
// returns once the program waits for input and its resident window exists (a failure
// when either does not happen in time). A program still running when the scenario
// ends is asked to close, and ended when it does not.
class ResidentProgram {
 public:
  explicit ResidentProgram(const ProgramFolder& folder);
  ~ResidentProgram();
  ResidentProgram(const ResidentProgram&) = delete;
  ResidentProgram& operator=(const ResidentProgram&) = delete;

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return processId_; }

  // What the shell posts when the mouse does `mouseEvent` (WM_LBUTTONUP, ...) on the icon.
  void PostTrayEvent(UINT mouseEvent) const;

  // The exit code once the process has ended, nothing when it still runs after
  // `timeoutMs`.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

 private:
  void Start(const ProgramFolder& folder);
  void FindWindowOfProcess();

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace qm::e2e
