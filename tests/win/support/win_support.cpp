#include "tests/win/support/win_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"

namespace qm::test {

namespace {

std::string UniqueName(const char* what) {
  static std::atomic<int> counter{0};
  return std::string("qm_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(++counter);
}

void RemoveTree(const std::string& path) {
  for (const std::string& name : FolderEntries(path)) {
    const std::string entry = path + "\\" + name;
    SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(entry.c_str())) RemoveTree(entry);
  }
  EXPECT_TRUE(RemoveDirectoryA(path.c_str())) << path << ": " << GetLastError();
}

HGLOBAL GlobalCopy(const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  return memory;
}

// Wine's clipboard manager opens the clipboard for a moment after every change.
bool OpenClipboardPatiently() {
  return PumpUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000);
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  EXPECT_EQ(SendInput(1, &input, sizeof input), 1u) << GetLastError();
}

std::wstring Quoted(const std::string& argument) {
  std::wstring quoted = L"\"";
  for (const wchar_t c : WidenAnsi(argument)) quoted += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
  return quoted + L"\"";
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* viewer = reinterpret_cast<ChainViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_DRAWCLIPBOARD) {
    ++viewer->notices;
    viewer->link.PassOnDraw(wParam, lParam);
    return 0;
  }
  if (message == WM_CHANGECBCHAIN) {
    viewer->link.OnChangeChain(wParam, lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  path_ = temp + UniqueName("test");
  EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_ << ": " << GetLastError();
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << ": " << GetLastError();
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size()) << path;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

FileLock::FileLock(const std::string& path, DWORD share)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path << ": " << GetLastError();
}

FileLock::~FileLock() { CloseHandle(handle_); }

ProgramSettingsFile::ProgramSettingsFile(const std::string& bytes) { WriteFileBytes(SettingsPath(), bytes); }

ProgramSettingsFile::~ProgramSettingsFile() { DeleteFileA(SettingsPath().c_str()); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, std::min<DWORD>(50, static_cast<DWORD>(deadline - now)),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void SetClipboard(const std::vector<std::pair<UINT, std::string>>& formats) {
  ASSERT_TRUE(OpenClipboardPatiently()) << GetLastError();
  EmptyClipboard();
  for (const auto& [format, bytes] : formats) {
    EXPECT_NE(SetClipboardData(format, GlobalCopy(bytes)), nullptr) << format;
  }
  CloseClipboard();
}

void SetClipboardText(const std::string& bytes) {
  SetClipboard({{CF_TEXT, bytes + '\0'}});
}

void SetClipboardFiles(const std::vector<std::string>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  std::string list(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : paths) list += path + '\0';
  SetClipboard({{CF_HDROP, list + '\0'}});
}

void PressKeys(const std::vector<WORD>& modifiers, WORD key) {
  for (const WORD modifier : modifiers) SendKey(modifier, false);
  SendKey(key, false);
  SendKey(key, true);
  for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
    SendKey(*modifier, true);
  }
}

HWND WaitForWindow(DWORD processId, const wchar_t* className) {
  HWND found = nullptr;
  PumpUntil([&] {
    for (found = FindWindowExW(nullptr, nullptr, className, nullptr); found;
         found = FindWindowExW(nullptr, found, className, nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(found, &owner);
      if (owner == processId && IsWindowVisible(found)) return true;
    }
    return false;
  });
  return found;
}

void AnswerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  ASSERT_NE(button, nullptr) << "no button " << buttonId;
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
}

Helper::Helper(const std::vector<std::string>& arguments) {
  const std::string readyName = UniqueName("ready");
  const std::string quitName = UniqueName("quit");
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  quit_ = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
  std::wstring line = Quoted(ProgramFolder() + "\\qm_helper.exe") + L" " + Quoted(readyName) +
                      L" " + Quoted(quitName);
  for (const std::string& argument : arguments) line += L" " + Quoted(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    ADD_FAILURE() << "qm_helper: " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  const HANDLE either[] = {ready_, process_};
  EXPECT_EQ(WaitForMultipleObjects(2, either, FALSE, kPatienceMs), WAIT_OBJECT_0)
      << "qm_helper " << arguments.front() << " did not get ready";
}

Helper::~Helper() {
  SetEvent(quit_);
  if (process_ && WaitForSingleObject(process_, kPatienceMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "qm_helper did not end";
    TerminateProcess(process_, 1);
  }
  for (HANDLE handle : {ready_, quit_, process_}) {
    if (handle) CloseHandle(handle);
  }
}

ChainViewer::ChainViewer() {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewerProc));
  link.Join();
  PumpUntil([this] { return notices > 0; }, 2000);
}

ChainViewer::~ChainViewer() {
  link.Leave();
  DestroyWindow(window);
}

void ChainViewer::Copy(const std::vector<std::pair<UINT, std::string>>& formats) {
  const int before = notices;
  SetClipboard(formats);
  EXPECT_TRUE(PumpUntil([&] { return notices > before; })) << "the change did not come down the chain";
}

}  // namespace qm::test
