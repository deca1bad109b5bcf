#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// What the tests under Wine and the end-to-end scenarios share: scratch folders, files,
// the clipboard, key presses, waiting, message boxes and the helper program.
namespace qm::test {

// Generous: Wine on a busy machine takes seconds for what takes milliseconds on Windows.
inline constexpr DWORD kPatienceMs = 20000;

// A fresh folder under the temporary folder, removed with all it holds afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Whole files as bytes; a failure fails the test (reading a missing file gives "").
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The names in a folder (without "." and ".."), sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// Another open handle, as an editor that keeps a file open: sharing reading only, or
// (share 0) nothing at all.
class FileLock {
 public:
  explicit FileLock(const std::string& path, DWORD share = FILE_SHARE_READ);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  HANDLE handle_;
};

// The settings file beside the running test program, removed again afterwards.
class ProgramSettingsFile {
 public:
  explicit ProgramSettingsFile(const std::string& bytes);
  ~ProgramSettingsFile();
};

// Dispatches this thread's messages until `done` holds (true) or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);

// The clipboard filled by this process: each pair is a format and its exact bytes.
void SetClipboard(const std::vector<std::pair<UINT, std::string>>& formats);
void SetClipboardText(const std::string& bytes);
// A CF_HDROP list of ANSI names.
void SetClipboardFiles(const std::vector<std::string>& paths);

// Modifier keys down, the key down and up, modifiers up, through the input queue.
void PressKeys(const std::vector<WORD>& modifiers, WORD key);

// A visible top-level window of the process with that class and caption (nullptr:
// any); waits for it.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                   DWORD timeoutMs = kPatienceMs);
// WM_GETTEXT with a time-out, so a hung window cannot hold the test up.
std::wstring WindowText(HWND window);
// A message box (#32770): its text, and a press on one of its buttons.
std::wstring MessageBoxText(HWND box);
void AnswerMessageBox(HWND box, int buttonId);

// tests/tools/qm_helper.cpp in a process of its own, from the construction (once it
// is in place) until the destruction.
class Helper {
 public:
  explicit Helper(const std::vector<std::string>& arguments);
  ~Helper();
  Helper(const Helper&) = delete;
  Helper& operator=(const Helper&) = delete;

 private:
  HANDLE ready_;
  HANDLE quit_;
  HANDLE process_ = nullptr;
};

}  // namespace qm::test
