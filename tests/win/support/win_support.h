#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings_file_win.h"
#include "ui/message_box.h"

// What the tests under Wine and the end-to-end scenarios share: scratch folders, files,
// the clipboard, key presses, waiting for windows and conditions, the helper program,
// message boxes recorded instead of shown.
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

// Paths and names of the file helpers below are UTF-8, so a test can name any file the
// program writes (ASCII paths are the same in every encoding).
std::wstring Wide(const std::string& utf8);
std::string Utf8(std::wstring_view wide);

// Whole files as bytes: a missing file reads as ""; a write that fails fails the test.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The names in a folder (without "." and ".."), sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// Another open handle, as an editor that keeps a file open: sharing reading only, or
// (share 0) nothing at all.
class FileLock {
 public:
  explicit FileLock(const std::string& path, DWORD share = FILE_SHARE_READ);
  ~FileLock() { CloseHandle(handle_); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  HANDLE handle_;
};

// The settings file beside the running test program, removed again afterwards.
struct ProgramSettingsFile {
  explicit ProgramSettingsFile(const std::string& bytes) { WriteFileBytes(SettingsPath(), bytes); }
  ~ProgramSettingsFile() { DeleteFileA(SettingsPath().c_str()); }
};

// The pixels of a PNG file by the system's decoder: 32-bit BGRA, top row first. Nothing
// when it is no PNG.
struct DecodedPng {
  UINT width = 0;
  UINT height = 0;
  std::string bgra;
  bool operator==(const DecodedPng&) const = default;
};
std::optional<DecodedPng> DecodePng(const std::string& png);

// Dispatches this thread's messages until `done` holds (true) or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);

// The clipboard filled by this process: each pair is a format and its exact bytes.
void SetClipboard(const std::vector<std::pair<UINT, std::string>>& formats);
inline void SetClipboardText(const std::string& bytes) { SetClipboard({{CF_TEXT, bytes + '\0'}}); }
// The text as CF_UNICODETEXT, as browsers and most newer programs give it.
inline void SetClipboardUnicode(std::u16string_view text) {
  SetClipboard(
      {{CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(text.data()), 2 * text.size()) +
                            std::string(2, '\0')}});
}

// Shell_NotifyIconW on the resident window's icon record of `window`. NIM_MODIFY
// without flags succeeds only for an icon the shell holds.
bool NotifyIcon(DWORD message, HWND window);

// Modifier keys down, the key down and up, modifiers up, through the input queue.
void PressKeys(const std::vector<WORD>& modifiers, WORD key);

// A visible top-level window of the process with that class (and title); waits for it.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);

// A window of the test in the clipboard-viewer chain, as a well-behaved viewer of
// another program: it counts the change notices that reach it, passes them on and keeps
// the chain whole. Joined before another viewer, it hears of a change only after that
// one has handled it.
class ChainViewer {
 public:
  ChainViewer();
  ~ChainViewer() {
    ChangeClipboardChain(window, next);
    DestroyWindow(window);
  }
  ChainViewer(const ChainViewer&) = delete;
  ChainViewer& operator=(const ChainViewer&) = delete;
  // Changes the clipboard and waits until the notice has come down the chain.
  void Copy(const std::vector<std::pair<UINT, std::string>>& formats);

  HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  HWND next = nullptr;
  int notices = 0;
};

// Starts a program in `folder` (empty: this one's); its process handle, or null after
// failing the test.
HANDLE StartProcess(std::wstring commandLine, const std::wstring& folder = L"",
                    DWORD* processId = nullptr);

// Message boxes recorded instead of shown.
struct RecordingMessageBoxes : MessageBoxes {
  void Show(const MessageRequest& request) override { shown.push_back(request); }
  std::vector<MessageRequest> shown;
};

// tests/tools/qm_helper.cpp in a process of its own, from the construction (once it
// is in place) until the destruction ends it. The arguments go quoted, so none may hold
// a double quote.
class Helper {
 public:
  explicit Helper(const std::vector<std::string>& arguments);
  ~Helper();
  Helper(const Helper&) = delete;
  Helper& operator=(const Helper&) = delete;

 private:
  HANDLE ready_;
  HANDLE process_ = nullptr;
};

}  // namespace qm::test
