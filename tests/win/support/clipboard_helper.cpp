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

// One argument in quotes as the C runtime splits a command line: a quote inside is
// escaped with a backslash, and backslashes are doubled where they precede a quote.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
    } else {
      if (c == L'"') quoted.append(backslashes + 1, L'\\');
      backslashes = 0;
    }
    quoted.push_back(c);
  }
  quoted.append(backslashes, L'\\');
  return quoted + L"\"";
}

std::wstring CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  std::wstring line = Quoted(WidenAnsi(ProgramFolder() + "\\" + program + ".exe"));
  for (const std::string& argument : arguments) line += L" " + Quoted(WidenAnsi(argument));
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

HelperProcess::HelperProcess(const std::vector<std::string>& arguments)
    : HelperProcess("qm_clipboard_helper", arguments) {}

HelperProcess::HelperProcess(const std::string& program, const std::vector<std::string>& arguments) {
  std::wstring line = CommandLine(program, arguments);
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

void SetClipboardTextAndHtml(const std::string& text, const std::string& htmlFormat) {
  const ScratchFolder folder;
  WriteFileBytes(folder / "clipboard.txt", text);
  WriteFileBytes(folder / "clipboard.html", htmlFormat);
  ExpectHelperSucceeds({"text-html", folder / "clipboard.txt", folder / "clipboard.html"});
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
