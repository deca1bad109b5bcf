#include "bench/win/started_program.h"

#include <shellapi.h>

#include <vector>

#include "bench/win/save_world.h"

namespace qm::bench {

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;

LONGLONG Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double MsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(Ticks() - start) / static_cast<double>(frequency.QuadPart);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

void CopyTree(const std::string& from, const std::string& to) {
  if (!CreateDirectoryA(to.c_str(), nullptr)) throw Win32Failure("CreateDirectoryA " + to);
  for (const std::string& name : Entries(from)) {
    const std::string source = from + "\\" + name;
    const std::string target = to + "\\" + name;
    if (IsFolder(source)) {
      CopyTree(source, target);
    } else if (!CopyFileA(source.c_str(), target.c_str(), TRUE)) {
      throw Win32Failure("CopyFileA " + source);
    }
  }
}

void RemoveTree(const std::string& path) {
  for (const std::string& name : Entries(path)) {
    const std::string entry = path + "\\" + name;
    if (IsFolder(entry)) {
      RemoveTree(entry);
    } else {
      DeleteFileA(entry.c_str());
    }
  }
  RemoveDirectoryA(path.c_str());
}

std::string NewCopyPath() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length > MAX_PATH) throw Win32Failure("GetTempPathA");
  return std::string(temp, length) + "qm_resident_bench_" + std::to_string(GetCurrentProcessId());
}

void WriteSetting(const std::string& ini, const char* section, const char* key,
                  const std::string& value) {
  if (!WritePrivateProfileStringA(section, key, value.c_str(), ini.c_str())) {
    throw Win32Failure(std::string("WritePrivateProfileStringA ") + section + "/" + key);
  }
}

std::wstring Wide(const std::string& ansi) {
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), size);
  wide.pop_back();
  return wide;
}

std::string FolderOf(const std::string& file) { return file.substr(0, file.find_last_of('\\')); }

struct WindowSearch {
  DWORD processId;
  const wchar_t* windowClass;
  HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM searchAddress) {
  auto& search = *reinterpret_cast<WindowSearch*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[128] = {};
  if (owner != search.processId || !GetClassNameW(window, name, 128) ||
      lstrcmpW(name, search.windowClass) != 0) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND WindowOf(DWORD processId, const wchar_t* windowClass) {
  WindowSearch search{processId, windowClass};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Changing nothing of an icon succeeds only when the shell holds it.
bool ShellHoldsIcon(HWND window, UINT id) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

template <typename Condition>
void PollUntil(Condition&& done, const char* what, LONGLONG started) {
  while (!done()) {
    if (MsSince(started) > kStartTimeoutMs) throw Win32Failure(std::string("waiting for ") + what);
    Sleep(1);
  }
}

}  // namespace

ProgramCopy::ProgramCopy(const std::string& dist) : path_(NewCopyPath()) {
  CopyTree(dist, path_);
  const std::string ini = path_ + "\\einstellungen20.ini";
  WriteSetting(ini, "Start", "Splash", "0");
  for (const char* section : {"Aktion1", "Aktion2"})
    WriteSetting(ini, section, "Speicherpfad", path_);
}

ProgramCopy::~ProgramCopy() { RemoveTree(path_); }

StartedProgram::StartedProgram(const TrayProgram& program) {
  const std::wstring file = Wide(program.file);
  std::wstring commandLine = L"\"" + file + L"\" " + program.arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const LONGLONG start = Ticks();
  if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Wide(FolderOf(program.file)).c_str(), &startup, &started)) {
    throw Win32Failure("CreateProcessW " + program.file);
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  WaitForWindowAndIcon(program, start);
}

void StartedProgram::WaitForWindowAndIcon(const TrayProgram& program, LONGLONG started) {
  PollUntil([&] { return (window_ = WindowOf(processId_, program.windowClass)) != nullptr; },
            "the window", started);
  windowMs_ = MsSince(started);
  if (program.iconId == 0) return;
  PollUntil([&] { return ShellHoldsIcon(window_, program.iconId); }, "the tray icon", started);
  iconMs_ = MsSince(started);
}

StartedProgram::~StartedProgram() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_, kCloseTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kCloseTimeoutMs);
  }
  CloseHandle(process_);
}

void StartedProgram::CheckRunning() const {
  if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0)
    throw std::runtime_error("the started program has ended");
}

PROCESS_MEMORY_COUNTERS StartedProgram::Memory() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_, &counters, sizeof counters)) {
    throw Win32Failure("GetProcessMemoryInfo");
  }
  return counters;
}

}  // namespace qm::bench
