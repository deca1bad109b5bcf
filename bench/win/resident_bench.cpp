// The resident program at rest, under Wine, against a minimal tray program (a hidden
// window and one tray icon, bench/win/minimal_tray.cpp) measured in the same run:
//   - start to tray: from CreateProcess until the window exists and until the shell
//     holds the tray icon (polled from outside with NIM_MODIFY, which succeeds only
//     for an icon the shell holds);
//   - working set a few seconds after the start (Wine gives no private bytes of
//     another process);
//   - CPU time used while both sit idle in the tray: Wine reports no CPU time of
//     another process either (GetProcessTimes gives 0), so this program only marks
//     the idle span with the lines "idle-begin" and "idle-end", and the script reads
//     the two processes' CPU time from Linux.
// Run: bench/run-resident-bench build/win32 [idle seconds, default 60]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench/win/started_program.h"
#include "settings/settings_file_win.h"

namespace {

using qm::bench::ProgramCopy;
using qm::bench::StartedProgram;
using qm::bench::TrayProgram;

constexpr int kStartRuns = 11;
constexpr DWORD kSettleMs = 3000;
constexpr int kDefaultIdleSeconds = 60;
constexpr double kMiB = 1024.0 * 1024.0;

double InMiB(SIZE_T bytes) { return static_cast<double>(bytes) / kMiB; }

struct Spread {
  double median;
  double lowest;
  double highest;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

void PrintStartToTray(const char* name, const TrayProgram& program) {
  { StartedProgram warmUp(program); }  // the first start also fills the file cache
  std::vector<double> window, icon;
  for (int run = 0; run < kStartRuns; ++run) {
    StartedProgram started(program);
    window.push_back(started.WindowMs());
    icon.push_back(started.IconMs());
  }
  const Spread w = SpreadOf(window);
  const Spread i = SpreadOf(icon);
  std::printf("  %-16s %7.1f [%6.1f .. %6.1f] %9.1f [%6.1f .. %6.1f]\n", name, w.median, w.lowest,
              w.highest, i.median, i.lowest, i.highest);
}

void PrintMemory(const StartedProgram& quillmar, const StartedProgram& minimal) {
  const PROCESS_MEMORY_COUNTERS q = quillmar.Memory();
  const PROCESS_MEMORY_COUNTERS m = minimal.Memory();
  std::printf("\nWorking set %.0f s after the start, MiB (peak in brackets):\n",
              kSettleMs / 1000.0);
  std::printf("  %-16s %7.2f [%6.2f]\n", "Quillmar2.0.exe", InMiB(q.WorkingSetSize),
              InMiB(q.PeakWorkingSetSize));
  std::printf("  %-16s %7.2f [%6.2f]\n", "minimal tray", InMiB(m.WorkingSetSize),
              InMiB(m.PeakWorkingSetSize));
  std::printf("  %-16s %6.2fx            (aim: within 1.3x)\n", "ratio",
              static_cast<double>(q.WorkingSetSize) / static_cast<double>(m.WorkingSetSize));
}

void MarkIdleSpan(int seconds) {
  std::printf("idle-begin\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  std::printf("idle-end %d\n", seconds);
  std::fflush(stdout);
}

void Run(int idleSeconds) {
  const std::string here = qm::ProgramFolder();
  const ProgramCopy copy(here + "\\dist");
  const TrayProgram quillmar{copy.Path() + "\\Quillmar2.0.exe", L"QuillmarResidentWindow", 125};
  const TrayProgram minimal{here + "\\qm_minimal_tray.exe", L"QuillmarMinimalTray", 1};

  std::printf("Start to tray under Wine, ms: median [fastest .. slowest] of %d starts\n",
              kStartRuns);
  std::printf("  %-16s %7s %21s\n", "", "window", "tray icon");
  std::fflush(stdout);
  PrintStartToTray("Quillmar2.0.exe", quillmar);
  PrintStartToTray("minimal tray", minimal);

  const StartedProgram runningQuillmar(quillmar);
  const StartedProgram runningMinimal(minimal);
  Sleep(kSettleMs);
  PrintMemory(runningQuillmar, runningMinimal);
  MarkIdleSpan(idleSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Run(argc > 1 ? std::atoi(argv[1]) : kDefaultIdleSeconds);
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "qm_resident_bench: %s\n", failure.what());
    return 1;
  }
}
