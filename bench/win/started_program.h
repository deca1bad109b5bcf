#pragma once

// The programs that the resident bench starts: a copy of the built program folder, and
// a tray program started from it and watched from outside.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <string>

namespace qm::bench {

// A copy of a built program folder under the temporary folder, prepared so that a
// start is not a first start and the actions save into the copy; removed at the end.
class ProgramCopy {
 public:
  explicit ProgramCopy(const std::string& dist);
  ~ProgramCopy();
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// What identifies a tray program from outside: its file, the class of its window and
// the id of its tray icon (0 for a program without one); and what it is started with.
struct TrayProgram {
  std::string file;
  const wchar_t* windowClass;
  UINT iconId;
  std::wstring arguments = {};
};

// A tray program started with CreateProcess. The constructor returns once the shell
// holds its tray icon; the destructor closes the program (WM_CLOSE), and ends it when
// it does not go.
class StartedProgram {
 public:
  explicit StartedProgram(const TrayProgram& program);
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  // Milliseconds from CreateProcess to the window existing, and to the shell holding
  // the icon (found by polling from outside, every millisecond or so).
  double WindowMs() const { return windowMs_; }
  double IconMs() const { return iconMs_; }

  PROCESS_MEMORY_COUNTERS Memory() const;
  HWND Window() const { return window_; }
  // Throws when the program has ended, as after a fault.
  void CheckRunning() const;

 private:
  void WaitForWindowAndIcon(const TrayProgram& program, LONGLONG started);

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  double windowMs_ = 0;
  double iconMs_ = 0;
};

}  // namespace qm::bench
