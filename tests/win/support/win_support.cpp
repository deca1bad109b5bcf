#include "tests/win/support/win_support.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "resident/tray_rules.h"
#include "settings/ansi_text.h"
#include "ui/com_released_win.h"

namespace qm::test {

namespace {

// Process ids repeat under Wine: the clock keeps a name unique also when a crashed test
// left its folder behind.
std::string UniqueName(const char* what) {
  static std::atomic<int> counter{0};
  return std::string("qm_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(GetTickCount64()) + "_" + std::to_string(++counter);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* viewer = reinterpret_cast<ChainViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_DRAWCLIPBOARD) {
    ++viewer->notices;
    if (viewer->next) SendMessageW(viewer->next, message, wParam, lParam);
    return 0;
  }
  if (message == WM_CHANGECBCHAIN) {
    if (reinterpret_cast<HWND>(wParam) == viewer->next) {
      viewer->next = reinterpret_cast<HWND>(lParam);
    } else if (viewer->next) {
      SendMessageW(viewer->next, message, wParam, lParam);
    }
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

// By the wide functions: a test may make names that the code page cannot write.
ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(WidenAnsi(path_), error);
  EXPECT_FALSE(error) << path_ << ": " << error.message();
}

std::wstring Wide(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

std::string Utf8(std::wstring_view wide) {
  const std::u8string utf8 = std::filesystem::path(wide).u8string();
  return {utf8.begin(), utf8.end()};
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(std::filesystem::path(Wide(path)), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(Wide(path)), std::ios::binary);
  ASSERT_TRUE(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) << path;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(Wide(folder), missing)) {
    names.push_back(Utf8(entry.path().filename().wstring()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

FileLock::FileLock(const std::string& path, DWORD share)
    : handle_(CreateFileW(Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0,
                          nullptr)) {
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path << ": " << GetLastError();
}

std::optional<DecodedPng> DecodePng(const std::string& png) {
  EXPECT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  Released<IWICImagingFactory> factory;
  Released<IWICStream> stream;
  Released<IWICBitmapDecoder> decoder;
  Released<IWICBitmapFrameDecode> frame;
  Released<IWICBitmapSource> converted;
  DecodedPng decoded;
  auto* bytes = reinterpret_cast<BYTE*>(const_cast<char*>(png.data()));
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, factory.Out());
  if (SUCCEEDED(result)) result = factory->CreateStream(&stream.pointer);
  if (SUCCEEDED(result))
    result = stream->InitializeFromMemory(bytes, static_cast<DWORD>(png.size()));
  if (SUCCEEDED(result)) {
    result = factory->CreateDecoderFromStream(stream.pointer, &GUID_VendorMicrosoft,
                                              WICDecodeMetadataCacheOnDemand, &decoder.pointer);
  }
  if (SUCCEEDED(result)) result = decoder->GetFrame(0, &frame.pointer);
  if (SUCCEEDED(result)) result = frame->GetSize(&decoded.width, &decoded.height);
  if (SUCCEEDED(result)) {
    result =
        WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.pointer, &converted.pointer);
  }
  decoded.bgra.resize(size_t{4} * decoded.width * decoded.height);
  if (SUCCEEDED(result)) {
    result =
        converted->CopyPixels(nullptr, 4 * decoded.width, static_cast<UINT>(decoded.bgra.size()),
                              reinterpret_cast<BYTE*>(decoded.bgra.data()));
  }
  CoUninitialize();
  if (FAILED(result)) return std::nullopt;
  return decoded;
}

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
  // Wine's clipboard manager opens the clipboard for a moment after every change.
  ASSERT_TRUE(PumpUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000)) << GetLastError();
  EmptyClipboard();
  for (const auto& [format, bytes] : formats) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    EXPECT_NE(SetClipboardData(format, memory), nullptr) << format;
  }
  CloseClipboard();
}

bool NotifyIcon(DWORD message, HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return Shell_NotifyIconW(message, &record) != FALSE;
}

// X key events do not reach hotkeys under Wine; keys sent from inside Wine do.
void PressKeys(const std::vector<WORD>& modifiers, WORD key) {
  std::vector<BYTE> keys(modifiers.begin(), modifiers.end());
  keys.push_back(static_cast<BYTE>(key));
  for (const BYTE down : keys) keybd_event(down, 0, 0, 0);
  for (auto up = keys.rbegin(); up != keys.rend(); ++up) keybd_event(*up, 0, KEYEVENTF_KEYUP, 0);
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
  HWND found = nullptr;
  PumpUntil([&] {
    for (found = FindWindowExW(nullptr, nullptr, className, title); found;
         found = FindWindowExW(nullptr, found, className, title)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(found, &owner);
      if (owner == processId && IsWindowVisible(found)) return true;
    }
    return false;
  });
  return found;
}

HANDLE StartProcess(std::wstring commandLine, const std::wstring& folder, DWORD* processId) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    ADD_FAILURE() << commandLine << L": " << GetLastError();
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (processId) *processId = info.dwProcessId;
  return info.hProcess;
}

Helper::Helper(const std::vector<std::string>& arguments) {
  const std::string readyName = UniqueName("ready");
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  std::string line = "\"" + ProgramFolder() + "\\qm_helper.exe\" " + readyName;
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  process_ = StartProcess(WidenAnsi(line));
  if (!process_) return;
  const HANDLE either[] = {ready_, process_};
  EXPECT_EQ(WaitForMultipleObjects(2, either, FALSE, kPatienceMs), WAIT_OBJECT_0)
      << "qm_helper " << arguments.front() << " did not get ready";
}

// A process that ends takes its windows, clipboard hold and DDE service with it at once.
Helper::~Helper() {
  if (process_) {
    TerminateProcess(process_, 0);
    EXPECT_EQ(WaitForSingleObject(process_, kPatienceMs), WAIT_OBJECT_0) << "qm_helper did not end";
    CloseHandle(process_);
  }
  CloseHandle(ready_);
}

ChainViewer::ChainViewer() {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewerProc));
  next = SetClipboardViewer(window);
  PumpUntil([this] { return notices > 0; }, 2000);
}

void ChainViewer::Copy(const std::vector<std::pair<UINT, std::string>>& formats) {
  const int before = notices;
  SetClipboard(formats);
  EXPECT_TRUE(PumpUntil([&] { return notices > before; }))
      << "the change did not come down the chain";
}

}  // namespace qm::test
