#include "tests/win/support/clipboard_helper.h"

#include <gtest/gtest.h>

#include <atomic>

#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/test_files.h"

namespace qm::test {

namespace {

// Generous bounds: they only keep a broken helper from hanging the test run.
constexpr DWORD kHelperTimeoutMs = 10000;
constexpr DWORD kHolderReadyTimeoutMs = 10000;

std::wstring CommandLine(const std::vector<std::string>& arguments) {
  std::wstring line = L"\"" + WidenAnsi(ProgramFolder() + "\\qm_clipboard_helper.exe") + L"\"";
  for (const std::string& argument : arguments) line += L" \"" + WidenAnsi(argument) + L"\"";
  return line;
}

std::string UniqueEventName() {
  static std::atomic<int> counter{0};
  return "qm_clipboard_ready_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(++counter);
}

void ExpectHelperSucceeds(const std::vector<std::string>& arguments) {
  ASSERT_EQ(RunHelper(arguments), 0) << "qm_clipboard_helper " << arguments.front();
}

}  // namespace

HelperProcess::HelperProcess(const std::vector<std::string>& arguments) {
  std::wstring line = CommandLine(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
}

HelperProcess::~HelperProcess() {
  if (!process_) return;
  if (Wait() == -1) TerminateProcess(process_, 1);
  CloseHandle(process_);
}

int HelperProcess::Wait() {
  if (!process_ || WaitForSingleObject(process_, kHelperTimeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  return GetExitCodeProcess(process_, &code) ? static_cast<int>(code) : -1;
}

int RunHelper(const std::vector<std::string>& arguments) { return HelperProcess(arguments).Wait(); }

void SetClipboardText(const std::string& bytes) {
  const ScratchFolder folder;
  const std::string file = folder / "clipboard.txt";
  WriteFileBytes(file, bytes);
  ExpectHelperSucceeds({"text-file", file});
}

void SetClipboardFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> arguments{"files"};
  arguments.insert(arguments.end(), paths.begin(), paths.end());
  ExpectHelperSucceeds(arguments);
}

void SetClipboardBitmapOnly() { ExpectHelperSucceeds({"bitmap"}); }

void EmptyClipboardElsewhere() { ExpectHelperSucceeds({"empty"}); }

ClipboardHolder::ClipboardHolder(int milliseconds)
    : name_(UniqueEventName()),
      ready_(CreateEventA(nullptr, TRUE, FALSE, name_.c_str())),
      helper_({"hold", std::to_string(milliseconds), name_}) {
  EXPECT_NE(ready_, nullptr) << "CreateEvent failed: " << GetLastError();
  EXPECT_EQ(WaitForSingleObject(ready_, kHolderReadyTimeoutMs), WAIT_OBJECT_0)
      << "the helper never held the clipboard";
}

ClipboardHolder::~ClipboardHolder() {
  EXPECT_EQ(helper_.Wait(), 0) << "qm_clipboard_helper hold";
  if (ready_) CloseHandle(ready_);
}

}  // namespace qm::test
