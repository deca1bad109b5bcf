// The fixture of the end-to-end scenarios: the real program folder, copied afresh with
// prepared settings, and the real programs started from it and driven as a user does.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h and shlobj.h need the types of windows.h.
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "resident/tray_rules.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/win_support.h"

namespace qm::e2e {

// The prepared actions: both save with "gleichedatei" into a file of the save folder,
// without date or address, so every byte of a save is known. Hotkeys are Ctrl+Alt+key.
struct Action {
  const char* file;
  WORD key;
};
constexpr Action kNotizen{"Eins.txt", 'N'};  // "Notizen (Standard)"
constexpr Action kZweitens{"Zwei.txt", 'O'};
constexpr WORD kStandardKey = 'S';
constexpr WORD kAutomaticKey = 'A';
// How long a scenario watches for a save that must not happen.
constexpr DWORD kQuietMs = 1500;

// The exit code of `process` once it has ended, the messages handled meanwhile; nothing
// when it runs on past the patience.
inline std::optional<DWORD> ExitCodeOnceEnded(HANDLE process) {
  if (!test::PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; })) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code)) return std::nullopt;
  return code;
}

// What one save of `text` appends to an action's file.
inline std::string Entry(const std::string& text) { return text + "\r\n \r\n=====\r\n \r\n"; }

// Control `id` anywhere in the window (the settings pages are dialogs inside it).
inline HWND Control(HWND top, int id) {
  if (HWND direct = GetDlgItem(top, id)) return direct;
  for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HWND found = Control(child, id)) return found;
  }
  return nullptr;
}

// Posted: the click may open a modal box, which must not hold the scenario.
inline void Click(HWND top, int id) {
  EXPECT_TRUE(PostMessageW(Control(top, id), BM_CLICK, 0, 0)) << "no button " << id;
}

// Presses `button` of a box or dialog and waits until it has gone; gives the box's text.
inline std::wstring Answer(HWND box, WORD button = IDOK) {
  wchar_t text[2048] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 2048);
  EXPECT_TRUE(box && PostMessageW(box, WM_COMMAND, button, 0)) << "no box";
  test::PumpUntil([&] { return !IsWindow(box); });
  return text;
}

inline std::string SpecialFolderPath(int csidl) {
  char path[MAX_PATH] = {};
  EXPECT_EQ(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  return path;
}

// Makes the folder; its path for the ANSI functions.
inline std::string MadeFolder(const std::wstring& folder) {
  EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  return AnsiPath(folder);
}

// One scenario: a fresh copy of the built program folder with prepared settings, which
// the test may change before it starts the program; a program still running at the end
// is asked to close. It lies in a folder whose name holds letters that the code page
// lacks, as under a user name in another script.
class Scenario : public ::testing::Test {
 protected:
  Scenario() {
    std::filesystem::copy(WidenAnsi(ProgramFolder() + "\\dist"), WidenAnsi(program_),
                          std::filesystem::copy_options::recursive);
    EXPECT_TRUE(CreateDirectoryA(saveFolder_.c_str(), nullptr));
    Set("Start", "Splash", "0");
    for (const char* key : {"AutomatischSichern", "Beep"}) Set("Optionen", key, "nein");
    Set("Optionen", "Trennzeichen", "=");
    Set("Optionen", "Wiederholung", "5");
    const std::string action = "Aktiviert=ja|Speicherpfad=" + saveFolder_ +
                               "|Aktion=gleichedatei|Format=Text|Url=nein|Datum=nein|HotkeyA=Strg"
                               "|HotkeyB=Alt|";
    SetSection("Aktion1", action + "Name=Notizen (Standard)|Dateiname=Eins|HotkeyC=N");
    SetSection("Aktion2", action + "Name=Zweitens|Dateiname=Zwei|HotkeyC=O");
    SetSection("Hotkeys",
               "HotkeyStanA=Strg|HotkeyStanB=Alt|HotkeyStanC=S|HotkeyAutA=Strg|"
               "HotkeyAutB=Alt|HotkeyAutC=A|HotkeyTrayA=|HotkeyTrayB=|HotkeyTrayC=");
  }

  ~Scenario() override {
    if (!process_) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);  // fails harmlessly when the program has ended
    if (!WaitForExit()) {
      ADD_FAILURE() << "Quillmar2.0.exe did not close";
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, test::kPatienceMs);
    }
    CloseHandle(process_);
  }

  void Set(const std::string& section, const std::string& key, const std::string& value) const {
    WriteSetting(section, key, value, program_ + "\\einstellungen20.ini");
  }

  // Puts these "key=value" entries, separated by '|', in place of the whole section.
  void SetSection(const std::string& section, std::string entries) const {
    std::replace(entries.begin(), entries.end(), '|', '\0');
    WritePrivateProfileSectionA(section.c_str(), (entries + '\0').c_str(),
                                (program_ + "\\einstellungen20.ini").c_str());
  }

  std::string Get(const std::string& section, const std::string& key) const {
    return ReadSetting(section, key, program_ + "\\einstellungen20.ini", "<fehlt>");
  }

  // Returns once the program waits for input (its start-up runs before the message
  // loop, so its window, tray icon and hotkeys are in place); call it as
  // ASSERT_NO_FATAL_FAILURE(Start()).
  void Start() {
    process_ = test::StartProcess(Program(L"Quillmar2.0.exe"), user_, &processId_);
    ASSERT_NE(process_, nullptr);
    EXPECT_EQ(WaitForInputIdle(process_, test::kPatienceMs), 0u);
    test::PumpUntil([this] {
      window_ = FindWindowW(L"QuillmarResidentWindow", nullptr);
      DWORD owner = 0;
      GetWindowThreadProcessId(window_, &owner);
      return window_ && owner == processId_;
    });
    ASSERT_NE(window_, nullptr) << "no resident window";
  }

  // A dialog or message box of the program (or of `processId`) with that title.
  HWND Box(const wchar_t* title, DWORD processId = 0) const {
    return test::WaitForWindow(processId ? processId : processId_, L"#32770", title);
  }

  void PostTray(UINT mouseEvent) const {
    ASSERT_TRUE(PostMessageW(window_, kTrayCallbackMessage, kTrayIconId, mouseEvent));
  }

  void OpenMenu() const {
    PostTray(WM_RBUTTONUP);
    ASSERT_NE(test::WaitForWindow(processId_, L"#32768"), nullptr) << "no tray menu";
  }

  void Hotkey(WORD key) const { test::PressKeys({VK_CONTROL, VK_MENU}, key); }

  std::string Saved(const Action& action) const {
    return test::ReadFileBytes(saveFolder_ + "\\" + action.file);
  }

  void ExpectSoon(const Action& action, const std::string& bytes) const {
    test::PumpUntil([&] { return Saved(action) == bytes; });
    EXPECT_EQ(Saved(action), bytes) << action.file;
  }

  std::optional<DWORD> WaitForExit() const { return ExitCodeOnceEnded(process_); }

  // A command line that starts a program of the folder by its long path.
  std::wstring Program(const wchar_t* file) const {
    return L"\"" + user_ + L"\\Quillmar\\" + file + L"\"";
  }

  test::ScratchFolder scratch_;
  const std::wstring user_ = WidenAnsi(scratch_.Path()) + L"\\\u0141\u00F3d\u017A";
  const std::string program_ = MadeFolder(user_) + "\\Quillmar";
  const std::string saveFolder_ = scratch_ / "Gespeichert";
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace qm::e2e
