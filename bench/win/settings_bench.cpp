// The settings window under Wine, with all twenty actions active and each with a
// hotkey, against a minimal tray program measured in the same run:
//   - "&Einstellungen" picked in the tray menu until the settings window shows, the
//     first time (the pages are made then) and again after it was closed;
//   - "&Übernehmen" in the action editor until the editor hides, which it does once
//     the refresh has rebuilt cache, list, tray menu and icons and registered all
//     hotkeys again (Wine on an X display without a window manager then waits about
//     2 s for the window to be withdrawn before it is gone, which is not measured);
//   - the working set once the window was opened and closed, resting in the tray, and
//     its ratios to the minimal tray program's, and to the minimal tray program's once it
//     has shown its window at the settings window's size and hidden it again; and, for
//     comparison, before the first open and after the tray menu was shown once.
// Run: bench/run-wine-bench build/win32 qm_settings_bench
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "actions/action_ids.h"
#include "bench/win/started_program.h"
#include "settings/settings_file_win.h"

namespace {

using qm::bench::ProgramCopy;
using qm::bench::StartedProgram;
using qm::bench::TrayProgram;

constexpr int kRuns = 11;
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kSettleMs = 3000;
constexpr double kMiB = 1024.0 * 1024.0;

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Condition>
void WaitFor(Condition done, const char* what) {
  const double deadline = NowMs() + kTimeoutMs;
  while (!done()) {
    if (NowMs() > deadline) throw std::runtime_error(std::string("timed out waiting for ") + what);
    Sleep(1);
  }
}

void PressKey(WORD key) {
  INPUT presses[2] = {};
  for (INPUT& press : presses) {
    press.type = INPUT_KEYBOARD;
    press.ki.wVk = key;
  }
  presses[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, presses, sizeof(INPUT));
}

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(child) != search->first) return TRUE;
  search->second = child;
  return FALSE;
}

HWND Control(HWND top, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(top, MatchId, reinterpret_cast<LPARAM>(&search));
  if (!search.second) throw std::runtime_error("no control " + std::to_string(id));
  return search.second;
}

// Twenty active actions, each with a hotkey of its own (Strg+Alt+Shift and a letter).
void PrepareTwentyActions(const std::string& folder) {
  const std::string ini = folder + "\\einstellungen20.ini";
  for (int n = 1; n <= 20; ++n) {
    const std::string section = "Aktion" + std::to_string(n);
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"},
        {"Name", "Aktion Nummer " + std::to_string(n) + (n == 1 ? " (Standard)" : "")},
        {"Dateiname", "Datei" + std::to_string(n)},
        {"Speicherpfad", folder},
        {"Aktion", n % 2 ? "gleichedatei" : "extradatei3"},
        {"Format", "Text"},
        {"Url", "nein"},
        {"Datum", "nein"},
        {"HotkeyA", "Strg"},
        {"HotkeyB", "Alt"},
        {"HotkeyC", std::string(1, static_cast<char>('A' + n - 1))}};
    for (const auto& [key, value] : keys) qm::WriteSetting(section, key, value, ini);
  }
}

void ShowTrayMenu(HWND window) {
  PostMessageW(window, WM_USER + 1, 125, WM_RBUTTONUP);
  WaitFor([] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != FALSE; },
          "the tray menu");
}

double OpenSettings(HWND window) {
  ShowTrayMenu(window);
  const double start = NowMs();
  PressKey('E');
  WaitFor([&] { return IsWindowVisible(window) != FALSE; }, "the settings window");
  return NowMs() - start;
}

void CloseSettings(HWND window) {
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  WaitFor([&] { return !IsWindowVisible(window); }, "the settings window to hide");
}

double Uebernehmen(HWND window) {
  HWND tree = Control(window, IDC_LIST_TREE);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  PostMessageW(Control(window, IDC_LIST_BEARBEITEN), BM_CLICK, 0, 0);
  HWND editor = nullptr;
  WaitFor(
      [&] { return IsWindowVisible(editor = FindWindowW(nullptr, L"Aktion einstellen")) != FALSE; },
      "the editor");
  const double start = NowMs();
  PostMessageW(Control(editor, IDC_ED_UEBERNEHMEN), BM_CLICK, 0, 0);
  WaitFor([&] { return !IsWindowVisible(editor); }, "the editor to close after the refresh");
  const double ms = NowMs() - start;
  WaitFor([&] { return !IsWindow(editor); }, "the editor to be gone");
  return ms;
}

double WorkingSetMiB(const StartedProgram& program) {
  return static_cast<double>(program.Memory().WorkingSetSize) / kMiB;
}

// At rest after the tray menu was shown once and closed with Escape.
double AfterTrayMenuMiB(HWND window, const StartedProgram& program) {
  ShowTrayMenu(window);
  PressKey(VK_ESCAPE);
  WaitFor([] { return !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }, "the menu to close");
  Sleep(kSettleMs);
  return WorkingSetMiB(program);
}

void PrintSpread(const char* what, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::printf("  %-38s %7.1f [%6.1f .. %6.1f]\n", what, values[values.size() / 2], values.front(),
              values.back());
}

void Run() {
  const std::string here = qm::ProgramFolder();
  const ProgramCopy copy(here + "\\dist");
  PrepareTwentyActions(copy.Path());
  const TrayProgram quillmar{copy.Path() + "\\Quillmar2.0.exe", L"QuillmarResidentWindow", 125};
  const TrayProgram minimal{here + "\\qm_minimal_tray.exe", L"QuillmarMinimalTray", 1};

  const StartedProgram started(quillmar);
  const StartedProgram tray(minimal);
  HWND window = FindWindowW(L"QuillmarResidentWindow", nullptr);
  if (!window) throw std::runtime_error("no settings window");
  Sleep(kSettleMs);
  const double neverOpened = WorkingSetMiB(started);
  const double afterMenu = AfterTrayMenuMiB(window, started);

  std::printf("Settings window under Wine with 20 actions, ms: median [fastest .. slowest] of %d\n",
              kRuns);
  std::printf("  %-38s %7.1f\n", "\"&Einstellungen\" first time (pages made)",
              OpenSettings(window));
  std::vector<double> opens, applies;
  for (int run = 0; run < kRuns; ++run) {
    applies.push_back(Uebernehmen(window));
    CloseSettings(window);
    opens.push_back(OpenSettings(window));
  }
  PrintSpread("\"&Einstellungen\" again", opens);
  PrintSpread("\"&Übernehmen\" to the refreshed menu", applies);
  // The yardstick's window shows once at the settings window's size, taken while it is
  // shown: hidden, it keeps no size.
  RECT frame{};
  GetWindowRect(window, &frame);
  CloseSettings(window);
  const StartedProgram showing(TrayProgram{minimal.file, minimal.windowClass, minimal.iconId,
                                           L"shown " + std::to_wstring(frame.right - frame.left) +
                                               L" " + std::to_wstring(frame.bottom - frame.top)});

  Sleep(kSettleMs);
  std::printf(
      "\nWorking set at rest, MiB, %.0f s after the settings window closed, and its ratios to"
      " the minimal tray program's, without and with its window shown once:\n",
      kSettleMs / 1000.0);
  const double usedMiB = WorkingSetMiB(started);
  const double trayMiB = WorkingSetMiB(tray);
  const double shownMiB = WorkingSetMiB(showing);
  std::printf("  %-38s %7.2f  %4.2fx  %4.2fx\n", "Quillmar2.0.exe, settings used", usedMiB,
              usedMiB / trayMiB, usedMiB / shownMiB);
  std::printf("  %-38s %7.2f  %4.2fx\n", "Quillmar2.0.exe, before the first open", neverOpened,
              neverOpened / trayMiB);
  std::printf("  %-38s %7.2f  %4.2fx\n", "Quillmar2.0.exe, after the menu once", afterMenu,
              afterMenu / trayMiB);
  std::printf("  %-38s %7.2f\n", "minimal tray", trayMiB);
  std::printf("  %-38s %7.2f\n", "minimal tray, its window shown once", shownMiB);
}

}  // namespace

int main() {
  try {
    Run();
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "qm_settings_bench: %s\n", failure.what());
    return 1;
  }
}
