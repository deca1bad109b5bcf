// The real program from a fresh program folder, driven as a user drives it: the tray
// icon's callback, the tray menu, hotkeys through the input queue, clipboard changes.
// Each scenario checks the saved bytes, the settings file or how the program ended.
#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h and shlobj.h need the types of windows.h.
#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/win_support.h"

namespace qm::e2e {
namespace {

using test::SetClipboardText;

// The prepared actions: both save with "gleichedatei" into a file of the save folder,
// without date or address, so every byte of a save is known. Hotkeys are Ctrl+Alt+key.
struct Action {
  int number;
  const char* file;
  WORD key;
};
constexpr Action kNotizen{1, "Eins.txt", 'N'};  // "Notizen (Standard)"
constexpr Action kZweitens{2, "Zwei.txt", 'O'};
constexpr WORD kStandardKey = 'S';
constexpr WORD kAutomaticKey = 'A';
constexpr UINT kTrayCallback = WM_USER + 1;
constexpr UINT kTrayIconId = 125;
// How long a scenario watches for a save that must not happen.
constexpr DWORD kQuietMs = 1500;

// What one save of `text` appends to an action's file.
std::string Entry(const std::string& text) { return text + "\r\n \r\n=====\r\n \r\n"; }

void CopyTree(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CreateDirectoryA(to.c_str(), nullptr)) << to;
  for (const std::string& name : test::FolderEntries(from)) {
    const std::string source = from + "\\" + name;
    if (!CopyFileA(source.c_str(), (to + "\\" + name).c_str(), TRUE)) CopyTree(source, to + "\\" + name);
  }
}

// One scenario: a fresh copy of the built program folder with prepared settings, which
// the test may change before it starts the program; a program still running at the end
// is asked to close.
class Scenario : public ::testing::Test {
 protected:
  Scenario() {
    CopyTree(ProgramFolder() + "\\dist", program_);
    EXPECT_TRUE(CreateDirectoryA(saveFolder_.c_str(), nullptr));
    const std::pair<const char*, const char*> options[] = {
        {"AutomatischSichern", "nein"}, {"Beep", "nein"}, {"Trennzeichen", "="}, {"Wiederholung", "5"}};
    Set("Start", "Splash", "0");
    for (const auto& [key, value] : options) Set("Optionen", key, value);
    for (const Action& action : {kNotizen, kZweitens}) {
      const std::string section = "Aktion" + std::to_string(action.number);
      const std::pair<const char*, std::string> keys[] = {
          {"Aktiviert", "ja"}, {"Name", action.number == 1 ? "Notizen (Standard)" : "Zweitens"},
          {"Dateiname", std::string(action.file).substr(0, 4)}, {"Speicherpfad", saveFolder_},
          {"Aktion", "gleichedatei"}, {"Format", "Text"}, {"Url", "nein"}, {"Datum", "nein"},
          {"HotkeyA", "Strg"}, {"HotkeyB", "Alt"}, {"HotkeyC", std::string(1, static_cast<char>(action.key))}};
      for (const auto& [key, value] : keys) Set(section, key, value);
    }
    for (const auto& [which, key] : {std::pair{"Stan", kStandardKey}, {"Aut", kAutomaticKey}}) {
      Set("Hotkeys", std::string("Hotkey") + which + "A", "Strg");
      Set("Hotkeys", std::string("Hotkey") + which + "B", "Alt");
      Set("Hotkeys", std::string("Hotkey") + which + "C", std::string(1, static_cast<char>(key)));
    }
  }

  ~Scenario() override {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
      PostMessageW(window_, WM_CLOSE, 0, 0);
      if (!WaitForExit()) {
        ADD_FAILURE() << "Quillmar2.0.exe did not close";
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, test::kPatienceMs);
      }
    }
    CloseHandle(process_);
  }

  void Set(const std::string& section, const std::string& key, const std::string& value) const {
    WriteSetting(section, key, value, program_ + "\\einstellungen20.ini");
  }

  std::string Get(const std::string& section, const std::string& key) const {
    return ReadSetting(section, key, program_ + "\\einstellungen20.ini", "<fehlt>");
  }

  // Returns once the program waits for input (its start-up runs before the message
  // loop, so its window, tray icon and hotkeys are in place); call it as
  // ASSERT_NO_FATAL_FAILURE(Start()).
  void Start() {
    const std::wstring file = WidenAnsi(program_ + "\\Quillmar2.0.exe");
    std::wstring line = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               WidenAnsi(program_).c_str(), &startup, &started))
        << GetLastError();
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
    EXPECT_EQ(WaitForInputIdle(process_, test::kPatienceMs), 0u);
    test::PumpUntil([this] {
      window_ = FindWindowW(L"QuillmarResidentWindow", nullptr);
      DWORD owner = 0;
      GetWindowThreadProcessId(window_, &owner);
      return window_ && owner == processId_;
    });
    ASSERT_NE(window_, nullptr) << "no resident window";
  }

  void PostTray(UINT mouseEvent) const {
    ASSERT_TRUE(PostMessageW(window_, kTrayCallback, kTrayIconId, mouseEvent));
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

  std::optional<DWORD> WaitForExit() const {
    if (!test::PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; })) {
      return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
  }

  test::ScratchFolder scratch_;
  const std::string program_ = scratch_ / "Quillmar";
  const std::string saveFolder_ = scratch_ / "Gespeichert";
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};


// A restarted shell has an empty tray and broadcasts "TaskbarCreated".
TEST_F(Scenario, TrayClickSavesUmlautsAndTheIconSurvivesANewTaskbar) {
  ASSERT_NO_FATAL_FAILURE(Start());
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
  ASSERT_TRUE(PostMessageW(window_, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
  EXPECT_TRUE(test::PumpUntil([&] { return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE; }));
  SetClipboardText("Klick \xE4\xF6\xFC\xDF\r\nzweite Zeile");
  PostTray(WM_LBUTTONUP);
  ExpectSoon(kNotizen, Entry("Klick \xE4\xF6\xFC\xDF\r\nzweite Zeile"));
}

TEST_F(Scenario, TrayMenuPickSavesAndAlsStandardMovesTheClick) {
  ASSERT_NO_FATAL_FAILURE(Start());
  SetClipboardText("Aus dem Men\xFC");
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, VK_DOWN);
  test::PressKeys({}, VK_DOWN);
  test::PressKeys({}, VK_RETURN);
  ExpectSoon(kZweitens, Entry("Aus dem Men\xFC"));

  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, 'S');  // "Als &Standard", its first action selected
  test::PressKeys({}, VK_DOWN);
  test::PressKeys({}, VK_RETURN);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion2", "Name") == "Zweitens (Standard)"; }));
  SetClipboardText("Jetzt Standard");
  PostTray(WM_LBUTTONUP);
  ExpectSoon(kZweitens, Entry("Aus dem Men\xFC") + Entry("Jetzt Standard"));
  EXPECT_EQ(Saved(kNotizen), "");
}

TEST_F(Scenario, ActionAndStandardHotkeysSaveWithTheirActions) {
  ASSERT_NO_FATAL_FAILURE(Start());
  SetClipboardText("an Zweitens");
  Hotkey(kZweitens.key);
  ExpectSoon(kZweitens, Entry("an Zweitens"));
  SetClipboardText("an den Standard");
  Hotkey(kStandardKey);
  ExpectSoon(kNotizen, Entry("an den Standard"));
}

// A save's message box runs a message loop of its own: a hotkey pressed meanwhile must
// not start a second save inside the first, but run once the box is closed.
TEST_F(Scenario, AHotkeyDuringAMessageBoxSavesOnceTheBoxIsClosed) {
  ASSERT_NO_FATAL_FAILURE(Start());
  test::SetClipboard({});
  Hotkey(kStandardKey);
  HWND box = test::WaitForWindow(processId_, L"#32770");
  ASSERT_NE(box, nullptr) << "no message about the empty clipboard";
  SetClipboardText("nach der Meldung");
  Hotkey(kZweitens.key);
  EXPECT_FALSE(test::PumpUntil([&] { return !Saved(kZweitens).empty(); }, kQuietMs));
  test::AnswerMessageBox(box, IDOK);
  ExpectSoon(kZweitens, Entry("nach der Meldung"));
}

// Switched on by its hotkey, automatic saving saves each later change once, but
// neither what was there before nor what a password manager marks as secret.
TEST_F(Scenario, AutomaticHotkeySavesLaterChangesButNoSecret) {
  test::ChainViewer viewer;
  viewer.Copy({{CF_TEXT, std::string("schon vorher", 13)}});
  ASSERT_NO_FATAL_FAILURE(Start());
  Hotkey(kAutomaticKey);
  ASSERT_TRUE(test::PumpUntil([&] { return Get("Optionen", "AutomatischSichern") == "ja"; }));
  ASSERT_TRUE(test::PumpUntil([&] { return GetClipboardViewer() == window_; }));
  viewer.Copy({{CF_TEXT, std::string("geheim", 7)}, {RegisterClipboardFormatA("Clipboard Viewer Ignore"), std::string(1, '\0')}});
  viewer.Copy({{CF_TEXT, std::string("\xC4nderung", 9)}});
  viewer.Copy({{CF_TEXT, std::string("\xC4nderung", 9)}});
  ExpectSoon(kNotizen, Entry("\xC4nderung") + Entry("\xC4nderung"));
}

// "&Beenden" leaves the clipboard-viewer chain whole for the viewer that joined
// earlier, and nothing is saved afterwards.
TEST_F(Scenario, TrayMenuBeendenEndsTheProgramAndKeepsTheViewerChain) {
  Set("Optionen", "AutomatischSichern", "ja");
  test::ChainViewer viewer;
  ASSERT_NO_FATAL_FAILURE(Start());
  viewer.Copy({{CF_TEXT, std::string("im Betrieb", 11)}});
  ExpectSoon(kNotizen, Entry("im Betrieb"));
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, 'B');
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  viewer.Copy({{CF_TEXT, std::string("nach dem Ende", 14)}});
  EXPECT_EQ(Saved(kNotizen), Entry("im Betrieb"));
}

TEST_F(Scenario, FirstStartPointsTheSampleActionsAtTheDesktop) {
  Set("Start", "Splash", "1");
  ASSERT_NO_FATAL_FAILURE(Start());
  char desktop[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOP, nullptr, SHGFP_TYPE_CURRENT, desktop), S_OK);
  EXPECT_EQ(Get("Start", "Splash"), "0");
  EXPECT_EQ(Get("Aktion1", "Speicherpfad"), desktop);
  EXPECT_EQ(Get("Aktion2", "Speicherpfad"), desktop);
}

}  // namespace
}  // namespace qm::e2e
