#include "tests/e2e/support/resident_program.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

constexpr wchar_t kResidentClass[] = L"QuillmarResidentWindow";
constexpr DWORD kCloseTimeoutMs = 10000;

std::wstring Wide(const std::string& ansi) {
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), size);
  wide.pop_back();
  return wide;
}

}  // namespace

ResidentProgram::ResidentProgram(const ProgramFolder& folder) {
  Start(folder);
  if (process_) FindWindowOfProcess();
}

void ResidentProgram::Start(const ProgramFolder& folder) {
  const std::wstring program = Wide(folder.ProgramFile());
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, Wide(folder.Path()).c_str(), &startup, &started))
      << folder.ProgramFile() << ": " << GetLastError();
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
}

// The start-up runs before the message loop, so once the program waits for input its
// window, tray icon and hotkeys are in place (or a start-up message box is open).
void ResidentProgram::FindWindowOfProcess() {
  EXPECT_EQ(WaitForInputIdle(process_, kPatienceMs), 0u) << "Quillmar2.0.exe never got idle";
  WaitUntil([this] {
    window_ = FindProcessWindow(processId_, kResidentClass, nullptr);
    return window_ != nullptr;
  });
  ASSERT_NE(window_, nullptr) << "no window of class QuillmarResidentWindow";
}

ResidentProgram::~ResidentProgram() {
  if (!process_) return;
  if (!WaitForExit(0)) {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!WaitForExit(kCloseTimeoutMs)) {
      ADD_FAILURE() << "Quillmar2.0.exe did not close; ending it";
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kCloseTimeoutMs);
    }
  }
  CloseHandle(process_);
}

void ResidentProgram::PostTrayEvent(UINT mouseEvent) const {
  ASSERT_TRUE(PostMessageW(window_, kTrayCallback, kTrayIconId, mouseEvent)) << GetLastError();
}

std::optional<DWORD> ResidentProgram::WaitForExit(DWORD timeoutMs) {
  if (!WaitUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs)) {
    return std::nullopt;
  }
  DWORD exitCode = 0;
  EXPECT_TRUE(GetExitCodeProcess(process_, &exitCode)) << GetLastError();
  return exitCode;
}

}  // namespace qm::e2e
