// The settings window of the real program, driven as a user drives it: the tray
// menu's "&Einstellungen", clicks on the pages' buttons, the action editor and the
// message boxes. Each scenario checks the settings file and what the program does
// with it (a save by the tray menu or icon, a hotkey, the autostart shortcut).
#include "tests/e2e/scenario.h"

// commctrl.h needs the types of windows.h, which the fixture brings.
#include <commctrl.h>

#include "actions/action_ids.h"
#include "options/options_ids.h"
#include "ui/main_program_win.h"

namespace qm::e2e {
namespace {

void Type(HWND top, int id, const wchar_t* text) {
  SendMessageW(Control(top, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
void Choose(HWND top, int id, int entry) {
  HWND list = Control(top, id);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

class SettingsScenario : public Scenario {
 protected:
  // The settings window as a second start shows it (the tray scenario picks
  // "&Einstellungen" from the menu), then the tab.
  void OpenSettings(int tab) {
    ShowSettingsOf(window_);
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_) != FALSE; }));
    SendMessageW(FindWindowExW(window_, nullptr, WC_TABCONTROLW, nullptr), TCM_SETCURFOCUS,
                 static_cast<WPARAM>(tab), 0);
  }
  void Select(int entry) const {
    HWND tree = Control(window_, IDC_LIST_TREE);
    auto item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; i < entry; ++i) item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, item);
  }
  // "Neu" or "Bearbeiten": the editor.
  HWND OpenEditor(int button) const {
    Click(window_, button);
    HWND editor = Box(L"Aktion einstellen");
    EXPECT_NE(editor, nullptr) << "no editor";
    return editor;
  }
  // "&Übernehmen"; true once the editor has closed.
  bool Applied(HWND editor) const {
    Click(editor, IDC_ED_UEBERNEHMEN);
    return test::PumpUntil([&] { return !IsWindow(editor); });
  }
};

constexpr int kSameFileEntry = 3;  // "In die gleiche Datei", after "Auswählen"

// The checks of "&Übernehmen" stop before anything is written, and a new action named
// like an existing one is written only when the user agrees. A new action goes to the
// first free section, is saved to from the tray menu, is made the Standard (through the
// resident window's one path, whose click the tray scenario follows), and is edited;
// another one is deleted.
TEST_F(SettingsScenario, ActionIsRefusedCreatedUsedMadeStandardEditedAndAnotherDeleted) {
  const std::string desktopFile = SpecialFolderPath(CSIDL_DESKTOPDIRECTORY) + "\\Neu.txt";
  DeleteFileA(desktopFile.c_str());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings(0));
  HWND editor = OpenEditor(IDC_LIST_NEU);
  Type(editor, IDC_ED_NAME, L"   ");
  Click(editor, IDC_ED_UEBERNEHMEN);
  Answer(Box(L"Keinen Namen angegeben!"));
  Type(editor, IDC_ED_NAME, L"Zweitens");
  Choose(editor, IDC_ED_METHODE, kSameFileEntry);
  Type(editor, IDC_ED_DATEINAME, L"Ersatz");
  Click(editor, IDC_ED_UEBERNEHMEN);
  Answer(Box(L"Aktion überschreiben?"), IDNO);
  Click(editor, IDC_ED_UEBERNEHMEN);  // handled once the handler of the first click is done
  HWND again = Box(L"Aktion überschreiben?");
  EXPECT_EQ(Get("Aktion2", "Dateiname"), "Zwei");
  Answer(again, IDYES);
  ASSERT_TRUE(test::PumpUntil([&] { return !IsWindow(editor); })) << "the editor stayed open";
  EXPECT_EQ(Get("Aktion2", "Dateiname"), "Ersatz");
  EXPECT_EQ(Get("Aktion3", "Aktiviert"), "nein");

  editor = OpenEditor(IDC_LIST_NEU);
  Type(editor, IDC_ED_NAME, L"  Neue Notizen  ");
  Choose(editor, IDC_ED_METHODE, kSameFileEntry);
  Type(editor, IDC_ED_DATEINAME, L"Neu");
  PostMessageW(Control(editor, IDC_ED_NAME), WM_KEYDOWN, VK_RETURN, 0);  // stores nothing
  EXPECT_FALSE(test::PumpUntil([&] { return !IsWindow(editor); }, kQuietMs));
  Click(editor, IDC_ED_DESKTOP);
  ASSERT_TRUE(Applied(editor)) << "the editor stayed open";
  test::SetClipboardText("aus dem Men\xFC");
  ASSERT_NO_FATAL_FAILURE(OpenMenu());  // the refreshed menu holds it as its third entry
  for (const WORD key : {WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_RETURN}})
    test::PressKeys({}, key);
  EXPECT_TRUE(test::PumpUntil(
      [&] { return test::ReadFileBytes(desktopFile) == Entry("aus dem Men\xFC"); }));

  Select(2);
  Click(window_, IDC_LIST_STANDARD);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion3", "Name") == "Neue Notizen (Standard)"; }));
  DeleteFileA(desktopFile.c_str());
  Select(2);  // the list was refilled with the new name
  editor = OpenEditor(IDC_LIST_BEARBEITEN);
  Click(editor, IDC_ED_HTML);
  EXPECT_TRUE(Applied(editor));
  EXPECT_EQ(Get("Aktion3", "Format"), "HTML");
  Select(1);
  Click(window_, IDC_LIST_LOESCHEN);
  Answer(Box(L"Löschen"), IDYES);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion2", "Aktiviert") == "nein"; }));
}

// Written at once and used by the next save; a cancelled colour choice writes nothing,
// not even over a damaged value. The autostart shortcut is made at start-up when wanted,
// deleted by clearing the box and made again by ticking it. Closed and opened again, the
// window comes back at its size.
TEST_F(SettingsScenario, OptionsPageWritesAtOnceKeepsTheAutostartShortcutAndComesBackWhole) {
  const std::string shortcut = SpecialFolderPath(CSIDL_STARTUP) + "\\Quillmar 2.0.lnk";
  DeleteFileA(shortcut.c_str());
  Set("Optionen", "Autostart", "ja");
  Set("Optionen", "Textfarbe", "kaputt");
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_GE(FileState(shortcut), 0) << "not made at start-up";
  ASSERT_NO_FATAL_FAILURE(OpenSettings(1));
  Type(window_, IDC_OPT_ZEICHEN, L"#");
  EXPECT_EQ(Get("Optionen", "Trennzeichen"), "#");
  test::SetClipboardText("mit Raute");
  PostTray(WM_LBUTTONUP);
  ExpectSoon(kNotizen, "mit Raute\r\n \r\n#####\r\n \r\n");

  Click(window_, IDC_OPT_F_TEXT);
  Answer(Box(nullptr), IDCANCEL);  // the colour dialog
  EXPECT_EQ(Get("Optionen", "Textfarbe"), "kaputt");

  Click(window_, IDC_OPT_AUTOSTART);
  EXPECT_TRUE(test::PumpUntil([&] { return FileState(shortcut) < 0; }));
  Click(window_, IDC_OPT_AUTOSTART);
  EXPECT_TRUE(test::PumpUntil([&] { return FileState(shortcut) >= 0; }));
  DeleteFileA(shortcut.c_str());

  // Closed, the window lets go of its pages; opened again, it has its size and the page
  // shows what is stored.
  RECT shown{};
  GetWindowRect(window_, &shown);
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::PumpUntil([&] { return Control(window_, IDC_OPT_ZEICHEN) == nullptr; }));
  ASSERT_NO_FATAL_FAILURE(OpenSettings(1));
  RECT again{};
  GetWindowRect(window_, &again);
  EXPECT_EQ(again.right - again.left, shown.right - shown.left);
  EXPECT_EQ(again.bottom - again.top, shown.bottom - shown.top);
  wchar_t separator[8] = {};
  SendMessageW(Control(window_, IDC_OPT_ZEICHEN), WM_GETTEXT, std::size(separator),
               reinterpret_cast<LPARAM>(separator));
  EXPECT_STREQ(separator, L"#");
}

// "Aktivieren" stores the row and the refresh registers it; the listing opens. A held
// settings file is reported, not shown as no hotkeys. Where einstellungen.exe is missing
// from the program folder, its button says why it cannot start it.
TEST_F(SettingsScenario, GeneralHotkeyIsStoredRegisteredListedAndAFailedImporterReported) {
  DeleteFileA((program_ + "\\einstellungen.exe").c_str());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings(2));
  Choose(window_, IDC_HK_TRAY + IDC_HK_SHIFT1, 0);  // "Strg"
  Choose(window_, IDC_HK_TRAY + IDC_HK_SHIFT2, 2);  // "Shift"
  Choose(window_, IDC_HK_TRAY + IDC_HK_KEY, 'T' - 'A');
  Click(window_, IDC_HK_TRAY + IDC_HK_AKTIVIEREN);
  Answer(Box(L"Hotkey gespeichert"));
  EXPECT_EQ(Get("Hotkeys", "HotkeyTrayC"), "T");
  // Registered: the program holds the combination, so nobody else can have it.
  EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, 'T'));
  Click(window_, IDC_HK_LIST);
  Answer(Box(L"Definierte Hotkeys"));
  // While another program holds the settings file, the page and its listing say so, and
  // the row keeps the hotkey the user has (posted: the box holds the tab's switch).
  {
    const test::FileLock held(program_ + "\\einstellungen20.ini", 0);
    HWND tabs = FindWindowExW(window_, nullptr, WC_TABCONTROLW, nullptr);
    PostMessageW(tabs, TCM_SETCURFOCUS, 0, 0);
    PostMessageW(tabs, TCM_SETCURFOCUS, 2, 0);
    Answer(Box(L"Einstellungen nicht gelesen"));
    Click(window_, IDC_HK_LIST);
    Answer(Box(L"Einstellungen nicht gelesen"));
  }
  EXPECT_EQ(SendMessageW(Control(window_, IDC_HK_TRAY + IDC_HK_KEY), CB_GETCURSEL, 0, 0),
            'T' - 'A');

  SendMessageW(FindWindowExW(window_, nullptr, WC_TABCONTROLW, nullptr), TCM_SETCURFOCUS, 0, 0);
  Click(window_, IDC_LIST_IMPORT);
  EXPECT_NE(Answer(Box(L"Einstellungen einlesen")).find(L"einstellungen.exe"), std::wstring::npos);
  EXPECT_FALSE(IsWindowVisible(window_));
}

}  // namespace
}  // namespace qm::e2e
