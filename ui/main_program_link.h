#pragma once

// What other processes need to find the main program and ask things of it: the class of
// its resident window, the registered message that runs "&Beenden" (the importer, the
// uninstaller) and the one that shows its settings window (a second start). The end
// request with kWithdrawEnd as its wParam withdraws an end that has not happened yet.
namespace qm {

inline constexpr wchar_t kResidentWindowClass[] = L"QuillmarResidentWindow";
inline constexpr wchar_t kQuitRequestMessage[] = L"Quillmar2.0.Beenden";
inline constexpr unsigned kWithdrawEnd = 1;
inline constexpr wchar_t kShowSettingsMessage[] = L"Quillmar2.0.Einstellungen";
inline constexpr wchar_t kMainProgramFile[] = L"Quillmar2.0.exe";
// WM_COPYDATA's dwData for "Zwischenablage hier speichern": the folder follows, UTF-16
// with its zero. The running program takes it at once and saves afterwards.
inline constexpr unsigned long kSaveHereData = 0x51484945;  // "QHIE"
inline constexpr unsigned kSaveHereHandOverMs = 5000;

}  // namespace qm
