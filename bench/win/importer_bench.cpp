// einstellungen.exe under Wine: an import of a 1.5x settings file with ten actions into
// the delivered settings file, and the importer's start to its start message and, once
// that is answered, to its window. Run by bench/run-wine-bench BUILD qm_importer_bench.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win/started_program.h"
#include "importer/import_world_win.h"

namespace {

constexpr int kImportRuns = 20;
constexpr int kStartRuns = 5;
constexpr DWORD kPatienceMs = 30000;

double MsSince(LONGLONG start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start) /
         static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void Print(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("  %-34s %7.1f [%6.1f .. %6.1f]\n", what, ms[ms.size() / 2], ms.front(), ms.back());
}

void WriteOldFile(const std::string& old, const std::string& folder) {
  using qm::WriteSetting;
  for (const char* key :
       {"Autostart", "Wiederholung", "Trennzeichen", "Zugriff", "Speicherzeit", "URL"}) {
    WriteSetting("Optionen", key, "1", old);
  }
  WriteSetting("Start", "Speicherpfad", folder, old);
  WriteSetting("Start", "Aktion", "DateiundOrdner", old);
  for (int m = 1; m <= 10; ++m) {
    const std::string section = qm::ActionSection(m);
    WriteSetting(section, "Aktiviert", "ja", old);
    WriteSetting(section, "Name", "Alte Aktion " + std::to_string(m), old);
    WriteSetting(section, "Speicherpfad", m % 2 ? folder : folder + "\\weg", old);
    WriteSetting(section, "Aktion", "dateiundordner", old);
  }
}

void BenchImport(const std::string& copy) {
  const std::string old = copy + "\\einstellungen.ini";
  const std::string delivered = copy + "\\einstellungen20.ini";
  const std::string target = copy + "\\ziel.ini";
  WriteOldFile(old, copy);
  std::vector<double> ms;
  for (int run = 0; run < kImportRuns; ++run) {
    CopyFileA(delivered.c_str(), target.c_str(), FALSE);
    const LONGLONG start = Now();
    const qm::ProfileFile oldFile(old, std::string(qm::kImporterMissingEntry));
    qm::ProfileFile targetFile(target, std::string(qm::kImporterMissingEntry));
    const qm::ImportResult result =
        qm::ImportOldSettings(oldFile, targetFile, qm::WinImportWorld());
    ms.push_back(MsSince(start));
    if (result.failure) std::printf("  (run %d: the import failed)\n", run);
  }
  std::printf("Import of ten old actions under Wine, ms: median [fastest .. slowest] of %d\n",
              kImportRuns);
  Print("options + main action + 10 actions", ms);
}

HWND VisibleDialog(DWORD processId, const wchar_t* caption) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", caption));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND WaitForDialog(DWORD processId, const wchar_t* caption, LONGLONG start) {
  HWND found = nullptr;
  while (!(found = VisibleDialog(processId, caption)) && MsSince(start) < kPatienceMs) Sleep(1);
  return found;
}

void BenchStart(const std::string& copy) {
  std::string program = copy + "\\einstellungen.exe";
  std::vector<double> toMessage, toGone, toWindow;
  for (int run = 0; run < kStartRuns; ++run) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + program + "\"";
    const LONGLONG start = Now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        copy.c_str(), &startup, &started)) {
      std::printf("  cannot start %s\n", program.c_str());
      return;
    }
    HWND message = WaitForDialog(started.dwProcessId, L"Quillmar 2.0 beenden!", start);
    toMessage.push_back(MsSince(start));
    const LONGLONG answered = Now();
    if (message) PostMessageW(message, WM_COMMAND, IDOK, 0);
    while (IsWindow(message) && MsSince(answered) < kPatienceMs) Sleep(1);
    toGone.push_back(MsSince(answered));
    const LONGLONG gone = Now();
    WaitForDialog(started.dwProcessId, L"Alte Einstellungen übernehmen", gone);
    toWindow.push_back(MsSince(gone));
    // Closing the window would start the main program: the run ends the importer instead.
    TerminateProcess(started.hProcess, 0);
    WaitForSingleObject(started.hProcess, kPatienceMs);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
  }
  std::printf("Start of einstellungen.exe under Wine, ms: median [fastest .. slowest] of %d\n",
              kStartRuns);
  Print("start to its start message", toMessage);
  // Without a window manager (Xvfb), Wine waits up to 2 s for a closed top-level window
  // to be withdrawn: that wait shows in the second line, not in the program.
  Print("message answered to its end", toGone);
  Print("message ended to the window", toWindow);
}

}  // namespace

int main() {
  try {
    const qm::bench::ProgramCopy copy(qm::ProgramFolder() + "\\dist");
    BenchImport(copy.Path());
    BenchStart(copy.Path());
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "qm_importer_bench: %s\n", failure.what());
    return 1;
  }
}
