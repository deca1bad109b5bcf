// Puts things on the clipboard from a process of its own, so that the tests read a
// clipboard that another program filled, as the resident program does.
//
//   qm_clipboard_helper text-file <path>        CF_TEXT with exactly the file's bytes
//   qm_clipboard_helper text-html <text> <html> CF_TEXT and "HTML Format" with exactly
//                                               the two files' bytes
//   qm_clipboard_helper files <path>...         a CF_HDROP list of ANSI names
//   qm_clipboard_helper block <format> <path>   exactly the file's bytes as clipboard format
//                                               <format> (a number), damaged ones included
//   qm_clipboard_helper bitmap                  only a 2x2 CF_DIB
//   qm_clipboard_helper empty                   nothing at all
//   qm_clipboard_helper hold <ms> <event-name>  keeps the clipboard open for ms; sets
//                                               the named event once it holds it
//
// Exit code 0 on success; otherwise a message on stderr and exit code 1.
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenRetryDelayMs = 20;

bool Fail(const wchar_t* what) {
  std::fwprintf(stderr, L"qm_clipboard_helper: %ls (Fehler %lu)\n", what, GetLastError());
  return false;
}

// Wine's clipboard manager opens the clipboard for a moment after every change.
bool OpenClipboardPatiently(HWND owner = nullptr) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenRetryDelayMs);
  }
  return Fail(L"OpenClipboard");
}

HGLOBAL GlobalCopy(const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  return memory;
}

struct Block {
  UINT format;
  std::string bytes;
};

bool Put(const Block& block) {
  HGLOBAL memory = GlobalCopy(block.bytes.data(), block.bytes.size());
  if (!memory) return Fail(L"GlobalAlloc");
  if (SetClipboardData(block.format, memory)) return true;
  GlobalFree(memory);
  return Fail(L"SetClipboardData");
}

// Replaces the clipboard's contents by the blocks, in their order (by nothing at all for
// no blocks).
bool Replace(const std::vector<Block>& blocks) {
  if (!OpenClipboardPatiently()) return false;
  bool done = EmptyClipboard() || Fail(L"EmptyClipboard");
  for (const Block& block : blocks) done = done && Put(block);
  return CloseClipboard() ? done : Fail(L"CloseClipboard");
}

bool ReadWholeFile(const wchar_t* path, std::string& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail(L"CreateFile");
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(chunk, got);
  }
  CloseHandle(file);
  return ok || Fail(L"ReadFile");
}

std::string Ansi(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr);
  ansi.pop_back();
  return ansi;
}

bool ReadZeroTerminated(const wchar_t* path, std::string& bytes) {
  if (!ReadWholeFile(path, bytes)) return false;
  bytes.push_back('\0');
  return true;
}

bool SetText(const wchar_t* path) {
  std::string bytes;
  return ReadZeroTerminated(path, bytes) && Replace({{CF_TEXT, bytes}});
}

// As a browser leaves it after copying from a page: the registered "HTML Format" (with
// its header) first, then the plain text.
bool SetTextAndHtml(const wchar_t* textPath, const wchar_t* htmlPath) {
  const UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
  if (htmlFormat == 0) return Fail(L"RegisterClipboardFormat");
  std::string text;
  std::string html;
  return ReadZeroTerminated(textPath, text) && ReadZeroTerminated(htmlPath, html) &&
         Replace({{htmlFormat, html}, {CF_TEXT, text}});
}

// DROPFILES (pFiles = 20, ANSI names), each name ending in NUL, one more NUL at the end.
bool SetFiles(int count, wchar_t** paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (int i = 0; i < count; ++i) block.append(Ansi(paths[i])).push_back('\0');
  block.push_back('\0');
  return Replace({{CF_HDROP, block}});
}

bool SetBlock(const wchar_t* format, const wchar_t* path) {
  std::string bytes;
  return ReadWholeFile(path, bytes) && Replace({{static_cast<UINT>(_wtoi(format)), bytes}});
}

bool SetBitmap() {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = 2;
  header.biHeight = 2;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const std::string pixels(2 * 8, '\x7F');  // two rows of 6 bytes, padded to 8
  return Replace(
      {{CF_DIB, std::string(reinterpret_cast<const char*>(&header), sizeof header) + pixels}});
}

// Held in the name of a window: Wine lets a second OpenClipboard(NULL) take over a
// clipboard that was opened with no window, from any process.
bool HoldOpen(DWORD milliseconds, HANDLE ready) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"qm_clipboard_helper", 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, nullptr, nullptr);
  if (!owner) return Fail(L"CreateWindowEx");
  bool done = OpenClipboardPatiently(owner);
  if (done) {
    done = SetEvent(ready) || Fail(L"SetEvent");
    Sleep(milliseconds);
    done = (CloseClipboard() || Fail(L"CloseClipboard")) && done;
  }
  DestroyWindow(owner);
  return done;
}

bool Hold(const wchar_t* milliseconds, const wchar_t* eventName) {
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName);
  if (!ready) return Fail(L"OpenEvent");
  const bool done = HoldOpen(static_cast<DWORD>(_wtoi(milliseconds)), ready);
  CloseHandle(ready);
  return done;
}

bool Run(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"text-file" && argc == 3) return SetText(argv[2]);
  if (command == L"text-html" && argc == 4) return SetTextAndHtml(argv[2], argv[3]);
  if (command == L"files" && argc >= 3) return SetFiles(argc - 2, argv + 2);
  if (command == L"block" && argc == 4) return SetBlock(argv[2], argv[3]);
  if (command == L"bitmap" && argc == 2) return SetBitmap();
  if (command == L"empty" && argc == 2) return Replace({});
  if (command == L"hold" && argc == 4) return Hold(argv[2], argv[3]);
  std::fwprintf(stderr,
                L"usage: qm_clipboard_helper text-file PATH | text-html TEXT HTML | files PATH..."
                L" | block FORMAT PATH | bitmap | empty"
                L" | hold MS EVENT\n");
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv) ? 0 : 1; }
