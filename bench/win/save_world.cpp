#include "bench/win/save_world.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "clipboard/clipboard_win.h"
#include "settings/ascii_text.h"

namespace qm::bench {

namespace {

constexpr int kBenchAction = 1;

std::string Ansi(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length,
                      nullptr, nullptr);
  return ansi;
}

std::string NewScratchPath() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length > MAX_PATH) throw Win32Failure("GetTempPathA");
  return std::string(temp, length) + "qm_save_bench_" + std::to_string(GetCurrentProcessId());
}

void RemoveFilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// Clipboard memory must be movable; the clipboard owns it once SetClipboardData took it.
// A text gets its terminating zero (of its own character size) from `zeros`.
template <typename Char>
HGLOBAL Block(std::basic_string_view<Char> text, size_t zeros) {
  const size_t size = text.size() * sizeof(Char);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + zeros);
  if (!block) throw Win32Failure("GlobalAlloc of the clipboard text");
  auto* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    throw Win32Failure("GlobalLock of the clipboard text");
  }
  std::memcpy(bytes, text.data(), size);
  GlobalUnlock(block);
  return block;
}

// Each block beside the others, as a program puts a text and its HTML there together.
void PutBlocks(HWND owner, std::initializer_list<std::pair<UINT, HGLOBAL>> blocks) {
  ClipboardSession session(owner);
  bool put = session.IsOpen() && EmptyClipboard();
  for (const auto& [format, block] : blocks) {
    if (put && !SetClipboardData(format, block)) put = false;
    if (!put) GlobalFree(block);
  }
  if (!put) throw Win32Failure("Putting the text on the clipboard");
}

void PutBlock(HWND owner, UINT format, HGLOBAL block) { PutBlocks(owner, {{format, block}}); }

}  // namespace

Win32Failure::Win32Failure(const std::string& what)
    : std::runtime_error(what + " failed, error " + std::to_string(GetLastError())) {}

ScratchFolder::ScratchFolder() : path_(NewScratchPath()) {
  if (!CreateDirectoryA(path_.c_str(), nullptr)) throw Win32Failure("CreateDirectoryA " + path_);
}

ScratchFolder::~ScratchFolder() {
  RemoveFilesIn(path_);
  RemoveDirectoryA(path_.c_str());
}

ClipboardOwner::ClipboardOwner() {
  HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!created) throw Win32Failure("CreateEventW");
  thread_ = std::thread([this, created] { Serve(created); });
  WaitForSingleObject(created, INFINITE);
  CloseHandle(created);
  if (!window_) {
    thread_.join();
    throw std::runtime_error("The clipboard owner's window could not be made");
  }
}

ClipboardOwner::~ClipboardOwner() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  thread_.join();
}

// A window is served by the thread that made it; WM_CLOSE ends the thread.
void ClipboardOwner::Serve(HANDLE created) {
  window_ =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetEvent(created);
  if (!window_) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_CLOSE) break;
    DispatchMessageW(&message);
  }
  DestroyWindow(window_);
}

void PutOnClipboard(HWND owner, std::string_view text) {
  PutBlock(owner, CF_TEXT, Block(text, sizeof(char)));
}

void PutOnClipboard(HWND owner, std::u16string_view text) {
  PutBlock(owner, CF_UNICODETEXT, Block(text, sizeof(char16_t)));
}

void PutOnClipboard(HWND owner, UINT format, std::string_view bytes) {
  PutBlock(owner, format, Block(bytes, 0));
}

void PutBrowserCopyOnClipboard(HWND owner, std::string_view text, std::string_view htmlFormat) {
  const UINT format = RegisterClipboardFormatW(L"HTML Format");
  if (format == 0) throw Win32Failure("RegisterClipboardFormat");
  PutBlocks(owner,
            {{CF_TEXT, Block(text, sizeof(char))}, {format, Block(htmlFormat, sizeof(char))}});
}

void ClearClipboard(HWND owner) {
  ClipboardSession session(owner);
  if (session.IsOpen()) EmptyClipboard();
}

unsigned long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    throw Win32Failure("GetFileAttributesExA " + path);
  }
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void DeleteOrThrow(const std::string& path) {
  if (!DeleteFileA(path.c_str())) throw Win32Failure("DeleteFileA " + path);
}

double Milliseconds(LONGLONG ticks) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void WriteRawFile(const std::string& path, std::string_view bytes, bool flushed) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw Win32Failure("CreateFileA " + path);
  DWORD written = 0;
  const bool wrote =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && (!flushed || FlushFileBuffers(file));
  CloseHandle(file);
  if (!wrote) throw Win32Failure("WriteFile " + path);
}

double RawWriteMs(const std::string& folder, std::string_view bytes, bool flushed) {
  const std::string path = folder + "\\raw.txt";
  const double ms = TimedMs([&] { WriteRawFile(path, bytes, flushed); });
  DeleteOrThrow(path);
  return ms;
}

std::string MemorySettings::Read(std::string_view section, std::string_view key) const {
  const auto found = values_.find(Key(section, key));
  return found == values_.end() ? std::string(kMissingEntry) : found->second;
}

std::optional<qm::WriteFailure> MemorySettings::Write(std::string_view section,
                                                      std::string_view key,
                                                      std::string_view value) {
  values_[Key(section, key)] = std::string(value);
  return std::nullopt;
}

qm::SectionRead MemorySettings::SectionLines(std::string_view section) const {
  qm::SectionRead read;
  for (const auto& [where, value] : values_) {
    if (where.first == AsciiLowered(section)) read.lines += where.second + "=" + value + '\0';
  }
  return read;
}

// The whole section at once, as the profile file takes it.
std::optional<qm::WriteFailure> MemorySettings::ReplaceSection(std::string_view section,
                                                               std::string_view lines) {
  std::erase_if(values_,
                [&](const auto& entry) { return entry.first.first == AsciiLowered(section); });
  for (size_t end; (end = lines.find('\0')) != std::string_view::npos;
       lines.remove_prefix(end + 1)) {
    const std::string_view line = lines.substr(0, end);
    Write(section, line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
  }
  return std::nullopt;
}

std::pair<std::string, std::string> MemorySettings::Key(std::string_view section,
                                                        std::string_view key) {
  return {AsciiLowered(section), AsciiLowered(key)};
}

BenchSave::BenchSave(const ActionKeys& action, const CurrentOptions& options)
    : options_(options), sources_(reader_, [] { return false; }) {
  for (const auto& [key, value] : action) settings_.Write(ActionSection(kBenchAction), key, value);
  actions_.Refresh(settings_);
}

double BenchSave::RunMs() {
  const int noticesBefore = signals_.Notices();
  const double ms = TimedMs([this] { Speichern(kBenchAction, context_); });
  if (signals_.Notices() != noticesBefore + 1) throw std::runtime_error("The save gave no notice");
  return ms;
}

void ForbiddenBoxes::Show(const MessageRequest& request) {
  throw std::runtime_error("The save showed a message box: \"" + Ansi(request.title) +
                           "\": " + Ansi(request.text));
}

}  // namespace qm::bench
