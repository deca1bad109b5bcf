// The settings window of the real program, driven as a user drives it: the tray
// menu's "&Einstellungen", clicks on the pages' buttons, the action editor and the
// message boxes. Each scenario checks the settings file and what the program does
// with it (a save by the tray menu or icon, a hotkey, the autostart shortcut).
#include "tests/e2e/scenario.h"

// commctrl.h needs the types of windows.h, which the fixture brings.
#include <commctrl.h>

#include "actions/action_ids.h"
#include "options/options_ids.h"

namespace qm::e2e {
namespace {

class SettingsScenario : public Scenario {
 protected:
  // "&Einstellungen" in the tray menu, then the tab.
  void OpenSettings(int tab = 0) {
    ASSERT_TRUE(PostMessageW(window_, WM_USER + 1, 125, WM_RBUTTONUP));
    ASSERT_NE(test::WaitForWindow(processId_, L"#32768"), nullptr) << "no tray menu";
    test::PressKeys({}, 'E');
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_) != FALSE; }))
        << "no settings window";
    HWND tabs = FindWindowExW(window_, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0);
  }

  // A visible window of the program with this caption: a message box, the editor.
  HWND WaitForCaption(const wchar_t* caption) const {
    HWND found = nullptr;
    test::PumpUntil([&] {
      found = FindWindowW(nullptr, caption);
      DWORD owner = 0;
      GetWindowThreadProcessId(found, &owner);
      return found && owner == processId_ && IsWindowVisible(found);
    });
    return found;
  }

  // Control `id` anywhere in the window (the pages are dialogs in the settings window).
  static HWND Control(HWND top, int id) {
    struct Search {
      int id;
      HWND found = nullptr;
    } search{id};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM data) -> BOOL CALLBACK {
          auto* s = reinterpret_cast<Search*>(data);
          if (GetDlgCtrlID(child) == s->id) s->found = child;
          return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // A button of a box or dialog, pressed and handled before this returns.
  static void Press(HWND box, int id) {
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutW(GetDlgItem(box, id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
        << "no button " << id;
  }
  // Posted: the click may open a box, which must not hold the scenario.
  static void Click(HWND top, int id) {
    ASSERT_TRUE(PostMessageW(Control(top, id), BM_CLICK, 0, 0)) << id;
  }
  static void Type(HWND top, int id, const wchar_t* text) {
    SendMessageW(Control(top, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  static void Choose(HWND top, int id, int entry) {
    HWND list = Control(top, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
  static void SelectEntry(HWND top, int entry) {
    HWND tree = Control(top, IDC_LIST_TREE);
    auto item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; i < entry; ++i) item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, item);
  }
  // Answers the box of that title and gives its text.
  std::wstring Answer(const wchar_t* title, int button = IDOK) {
    HWND box = WaitForCaption(title);
    if (!box) {
      ADD_FAILURE() << "no box";
      return {};
    }
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    Press(box, button);
    return text;
  }
};

std::string SpecialFolderPath(int csidl) {
  char path[MAX_PATH] = {};
  EXPECT_EQ(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  return path;
}

constexpr wchar_t kEditor[] = L"Aktion einstellen";
constexpr int kSameFileEntry = 3;  // "In die gleiche Datei", after "Auswählen"
constexpr int kImagesEntry = 5;    // "Bilder speichern"

// A new action in the first free section of the delivered file, saved to from the tray
// menu, then the Standard action of the tray click, edited, and another one deleted.
TEST_F(SettingsScenario, ActionIsCreatedUsedMadeStandardEditedAndAnotherDeleted) {
  const std::string desktopFile = SpecialFolderPath(CSIDL_DESKTOPDIRECTORY) + "\\Neu.txt";
  DeleteFileA(desktopFile.c_str());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  Click(window_, IDC_LIST_NEU);
  HWND editor = WaitForCaption(kEditor);
  ASSERT_NE(editor, nullptr);
  Type(editor, IDC_ED_NAME, L"  Neue Notizen  ");
  Choose(editor, IDC_ED_METHODE, kSameFileEntry);
  Type(editor, IDC_ED_DATEINAME, L"Neu");
  Click(editor, IDC_ED_DESKTOP);
  Click(editor, IDC_ED_UEBERNEHMEN);
  ASSERT_TRUE(test::PumpUntil([&] { return !IsWindow(editor); })) << "the editor stayed open";
  EXPECT_EQ(Get("Aktion3", "Aktiviert"), "ja");
  EXPECT_EQ(Get("Aktion3", "Name"), "Neue Notizen");
  EXPECT_EQ(Get("Aktion3", "Aktion"), "gleichedatei");
  EXPECT_EQ(Get("Aktion3", "Speicherpfad"), SpecialFolderPath(CSIDL_DESKTOPDIRECTORY));

  // The refreshed tray menu holds it as its third entry.
  test::SetClipboardText("aus dem Men\xFC");
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 1, 125, WM_RBUTTONUP));
  ASSERT_NE(test::WaitForWindow(processId_, L"#32768"), nullptr);
  for (int i = 0; i < 3; ++i) test::PressKeys({}, VK_DOWN);
  test::PressKeys({}, VK_RETURN);
  const std::string entry = "aus dem Men\xFC\r\n \r\n=====\r\n \r\n";
  EXPECT_TRUE(test::PumpUntil([&] { return test::ReadFileBytes(desktopFile) == entry; }));

  SelectEntry(window_, 2);
  Click(window_, IDC_LIST_STANDARD);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion3", "Name") == "Neue Notizen (Standard)"; }));
  EXPECT_EQ(Get("Aktion1", "Name"), "Notizen");
  test::SetClipboardText("per Klick");
  PostMessageW(window_, WM_USER + 1, 125, WM_LBUTTONUP);
  EXPECT_TRUE(test::PumpUntil([&] {
    return test::ReadFileBytes(desktopFile) == entry + "per Klick\r\n \r\n=====\r\n \r\n";
  }));
  DeleteFileA(desktopFile.c_str());

  SelectEntry(window_, 2);
  Click(window_, IDC_LIST_BEARBEITEN);
  editor = WaitForCaption(kEditor);
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(IsWindowEnabled(Control(editor, IDC_ED_NAME)));
  Click(editor, IDC_ED_HTML);
  Click(editor, IDC_ED_UEBERNEHMEN);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion3", "Format") == "HTML"; }));
  EXPECT_EQ(Get("Aktion4", "Aktiviert"), "nein");

  SelectEntry(window_, 1);
  Click(window_, IDC_LIST_LOESCHEN);
  Answer(L"Löschen", IDYES);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion2", "Aktiviert") == "nein"; }));
  EXPECT_EQ(Get("Aktion2", "HotkeyC"), "");
}

// The checks of "&Übernehmen" stop before anything is written, and a new action named
// like an existing one is written only when the user agrees.
TEST_F(SettingsScenario, EditorWritesNothingWhileTheInputIsRefused) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  Click(window_, IDC_LIST_NEU);
  HWND editor = WaitForCaption(kEditor);
  ASSERT_NE(editor, nullptr);
  Type(editor, IDC_ED_NAME, L"   ");
  Click(editor, IDC_ED_UEBERNEHMEN);
  Answer(L"Keinen Namen angegeben!");
  Type(editor, IDC_ED_NAME, L"Zweitens");
  Choose(editor, IDC_ED_METHODE, kImagesEntry);
  EXPECT_TRUE(test::PumpUntil([&] { return !IsWindowVisible(Control(editor, IDC_ED_URL)); }));
  Choose(editor, IDC_ED_METHODE, kSameFileEntry);  // the address comes back
  EXPECT_TRUE(
      test::PumpUntil([&] { return IsWindowVisible(Control(editor, IDC_ED_URL)) != FALSE; }));
  Type(editor, IDC_ED_DATEINAME, L"Ersatz");
  Click(editor, IDC_ED_UEBERNEHMEN);
  Answer(L"Aktion überschreiben?", IDNO);
  EXPECT_TRUE(IsWindowVisible(editor));
  Click(editor, IDC_ED_UEBERNEHMEN);
  Answer(L"Aktion überschreiben?", IDYES);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion2", "Dateiname") == "Ersatz"; }));
  EXPECT_EQ(Get("Aktion3", "Aktiviert"), "nein");
}

// Written at once and used by the next save; a cancelled colour choice writes nothing,
// not even over a damaged value.
TEST_F(SettingsScenario, OptionsPageChangesTheNextSaveAndCancelKeepsTheColour) {
  Set("Optionen", "Textfarbe", "kaputt");
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings(1));
  Type(window_, IDC_OPT_ZEICHEN, L"#");
  EXPECT_EQ(Get("Optionen", "Trennzeichen"), "#");
  test::SetClipboardText("mit Raute");
  PostMessageW(window_, WM_USER + 1, 125, WM_LBUTTONUP);
  const std::string saved = saveFolder_ + "\\" + kNotizen.file;
  EXPECT_TRUE(test::PumpUntil(
      [&] { return test::ReadFileBytes(saved) == "mit Raute\r\n \r\n#####\r\n \r\n"; }));

  Click(window_, IDC_OPT_F_TEXT);
  HWND colours = test::WaitForWindow(processId_, L"#32770");
  ASSERT_NE(colours, nullptr);
  Press(colours, IDCANCEL);
  Click(window_, IDC_OPT_F_LINKS);
  colours = test::WaitForWindow(processId_, L"#32770");
  ASSERT_NE(colours, nullptr);
  for (const auto& [field, value] : {std::pair{706, L"0"}, {707, L"128"}, {708, L"255"}}) {
    SetDlgItemTextW(colours, field, value);
  }
  Press(colours, IDOK);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Optionen", "HexLinks") == "#0080FF"; }));
  EXPECT_EQ(Get("Optionen", "Links"), "16744448");
  EXPECT_EQ(Get("Optionen", "Textfarbe"), "kaputt");
  EXPECT_EQ(Get("Optionen", "HexTextfarbe"), "#000000");
}

// "Aktivieren" stores the row and the refresh registers it; the listing shows it.
TEST_F(SettingsScenario, GeneralHotkeyIsStoredRegisteredAndListed) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings(2));
  Choose(window_, IDC_HK_TRAY + IDC_HK_SHIFT1, 0);  // "Strg"
  Click(window_, IDC_HK_TRAY + IDC_HK_AKTIVIEREN);
  Answer(L"Hotkey nicht vollständig!");
  EXPECT_EQ(Get("Hotkeys", "HotkeyTrayA"), "");
  // Not Alt: releasing it would close the menu that the hotkey opens.
  Choose(window_, IDC_HK_TRAY + IDC_HK_SHIFT2, 2);  // "Shift"
  Choose(window_, IDC_HK_TRAY + IDC_HK_KEY, 'T' - 'A');
  Click(window_, IDC_HK_TRAY + IDC_HK_AKTIVIEREN);
  Answer(L"Hotkey gespeichert");
  EXPECT_EQ(Get("Hotkeys", "HotkeyTrayA"), "Strg");
  EXPECT_EQ(Get("Hotkeys", "HotkeyTrayB"), "Shift");
  EXPECT_EQ(Get("Hotkeys", "HotkeyTrayC"), "T");
  test::PressKeys({VK_CONTROL, VK_SHIFT}, 'T');
  HWND menu = test::WaitForWindow(processId_, L"#32768");
  EXPECT_NE(menu, nullptr) << "the tray-menu hotkey did not open the menu";
  test::PressKeys({}, VK_ESCAPE);
  test::PumpUntil([&] { return !IsWindowVisible(menu); });
  Click(window_, IDC_HK_LIST);
  EXPECT_NE(Answer(L"Definierte Hotkeys").find(L"Traymenü aufrufen  =  Strg + Shift + T"),
            std::wstring::npos);
}

// Until the importer is delivered, its button says why it cannot start it.
TEST_F(SettingsScenario, AFailedImporterStartIsReported) {
  DeleteFileA((program_ + "\\einstellungen.exe").c_str());
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(OpenSettings());
  Click(window_, IDC_LIST_IMPORT);
  EXPECT_NE(Answer(L"Einstellungen einlesen").find(L"einstellungen.exe"), std::wstring::npos);
  EXPECT_FALSE(IsWindowVisible(window_));
}

// Made at start-up when wanted, deleted by clearing the box, made again by ticking it.
TEST_F(SettingsScenario, AutostartMakesAndDeletesTheShortcut) {
  const std::string shortcut = SpecialFolderPath(CSIDL_STARTUP) + "\\Quillmar 2.0.lnk";
  DeleteFileA(shortcut.c_str());
  Set("Optionen", "Autostart", "ja");
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_NE(GetFileAttributesA(shortcut.c_str()), INVALID_FILE_ATTRIBUTES)
      << "not made at start-up";
  EXPECT_EQ(Get("Start", "Zielordner"), SpecialFolderPath(CSIDL_STARTUP));
  ASSERT_NO_FATAL_FAILURE(OpenSettings(1));
  Click(window_, IDC_OPT_AUTOSTART);
  EXPECT_TRUE(test::PumpUntil(
      [&] { return GetFileAttributesA(shortcut.c_str()) == INVALID_FILE_ATTRIBUTES; }));
  EXPECT_EQ(Get("Optionen", "Autostart"), "nein");
  Click(window_, IDC_OPT_AUTOSTART);
  EXPECT_TRUE(test::PumpUntil(
      [&] { return GetFileAttributesA(shortcut.c_str()) != INVALID_FILE_ATTRIBUTES; }));
  EXPECT_EQ(Get("Optionen", "Autostart"), "ja");
  DeleteFileA(shortcut.c_str());
}

}  // namespace
}  // namespace qm::e2e
