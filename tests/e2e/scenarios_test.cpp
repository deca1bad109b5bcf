// The real program from a fresh program folder, driven as a user drives it: the tray
// icon's callback, hotkeys through the input queue, clipboard changes. Each scenario
// checks the saved bytes, the settings file or how the program ended. What waits on the
// tray itself is in tray_menu_test.cpp.
#include "bench/support/html_format.h"
#include "tests/e2e/scenario.h"
#include "ui/main_program_win.h"

namespace qm::e2e {
namespace {

using namespace std::string_literals;
using test::SetClipboardText;

// A save's message box runs a message loop of its own: a hotkey pressed meanwhile must
// not start a second save inside the first, but run once the box is closed; an end
// request that is withdrawn because the box kept the program leaves it running. A passage
// copied in a browser becomes a Markdown note.
TEST_F(Scenario, ClickAndHotkeysSaveWithTheirActionsAndAHotkeyDuringAMessageBoxRunsAfterIt) {
  SetSection("Aktion4",
             "Aktiviert=ja|Name=Notiz|Speicherpfad=" + saveFolder_ +
                 "|Aktion=gleichedatei|Format=Markdown|Url=nein|Datum=nein|Dateiname=Notiz"
                 "|HotkeyA=Strg|HotkeyB=Alt|HotkeyC=M");
  ASSERT_NO_FATAL_FAILURE(Start());
  SetClipboardText("Klick \xE4\xF6\xFC\xDF\r\nzweite Zeile");
  PostTray(WM_LBUTTONUP);
  std::string notizen = Entry("Klick \xE4\xF6\xFC\xDF\r\nzweite Zeile");
  ExpectSoon(kNotizen, notizen);
  SetClipboardText("an den Standard");
  Hotkey(kStandardKey);
  ExpectSoon(kNotizen, notizen += Entry("an den Standard"));

  test::SetClipboard({});
  Hotkey(kStandardKey);
  HWND box = Box(nullptr);
  ASSERT_NE(box, nullptr) << "no message about the empty clipboard";
  EXPECT_FALSE(EndMainProgram(window_, kQuietMs)) << "ended under the box";
  SetClipboardText("nach der Meldung");
  Hotkey(kNotizen.key);
  EXPECT_FALSE(test::PumpUntil([&] { return Saved(kNotizen) != notizen; }, kQuietMs));
  Answer(box);
  ExpectSoon(kNotizen, notizen + Entry("nach der Meldung"));

  test::SetClipboard(
      {{CF_TEXT, "Titel\r\nEin fetter Satz"s + '\0'},
       {RegisterClipboardFormatA("HTML Format"),
        bench::HtmlFormatBlock("<html><body><!--StartFragment-->",
                               "<h2>Titel</h2><p>Ein <b>fetter</b> Satz</p>",
                               "<!--EndFragment--></body></html>", "https://example.org/")}});
  Hotkey('M');
  ExpectSoon({"Notiz.md", 'M'}, "## Titel\r\n\r\nEin **fetter** Satz\r\n");
}

// Switched on by its hotkey, automatic saving saves each later change once, but neither
// what was there before, nor what a password manager marks as secret, nor what a program
// the user named copies, unless the user asks by a hotkey. The viewer chain is no
// business of the program's: a viewer that joined earlier hears of every change, also
// after the program ended.
TEST_F(Scenario, AutomaticHotkeySavesLaterChangesOnceButNoSecretAndLeavesTheViewerChainAlone) {
  Set("Ausnahmen", "Programm1", "QM_HELPER.exe");
  test::ChainViewer viewer;
  viewer.Copy({{CF_TEXT, std::string("schon vorher", 13)}});
  ASSERT_NO_FATAL_FAILURE(Start());
  Hotkey(kAutomaticKey);
  ASSERT_NE(test::WaitForWindow(processId_, L"QuillmarSaveNotice"), nullptr) << "not switched on";
  // Each copy is given the time to be saved before the next: a change is saved as the
  // clipboard is when its notice is handled.
  viewer.Copy({{CF_TEXT, std::string("geheim", 7)},
               {RegisterClipboardFormatA("Clipboard Viewer Ignore"), std::string(1, '\0')}});
  EXPECT_FALSE(test::PumpUntil([&] { return !Saved(kNotizen).empty(); }, kQuietMs));
  const std::string twice = Entry("\xC4nderung") + Entry("\xC4nderung");
  for (const std::string& saved : {twice.substr(0, twice.size() / 2), twice}) {
    viewer.Copy({{CF_TEXT, std::string("\xC4nderung", 9)}});
    ExpectSoon(kNotizen, saved);
  }
  {
    const test::Helper excluded({"promise", "0", "ausgenommen"});
    EXPECT_FALSE(test::PumpUntil([&] { return Saved(kNotizen) != twice; }, kQuietMs));
    Hotkey(kStandardKey);
    ExpectSoon(kNotizen, twice + Entry("ausgenommen"));
  }
  EXPECT_EQ(Get("Optionen", "AutomatischSichern"), "ja");
  ASSERT_TRUE(EndMainProgram(window_, test::kPatienceMs));
  viewer.Copy({{CF_TEXT, std::string("nach dem Ende", 14)}});
  EXPECT_EQ(Saved(kNotizen), twice + Entry("ausgenommen"));
}

// Other programs' viewers can neither silence automatic saving nor hold the program up:
// one that joined before it and hangs, one that joined after it and passes nothing on.
// The Standard hotkey still saves at once.
TEST_F(Scenario, AutomaticSavingGoesOnWhenOtherViewersHangOrBreakTheChain) {
  Set("Optionen", "AutomatischSichern", "ja");
  const test::Helper hung({"viewer", "hung"});
  ASSERT_NO_FATAL_FAILURE(Start());
  const test::Helper breaking({"viewer", "break"});
  SetClipboardText("erste");
  ExpectSoon(kNotizen, Entry("erste"));
  SetClipboardText("zweite");
  ExpectSoon(kNotizen, Entry("erste") + Entry("zweite"));
  Hotkey(kStandardKey);
  ExpectSoon(kNotizen, Entry("erste") + Entry("zweite") + Entry("zweite"));
}

// A program that holds the settings file while Quillmar starts (a sync tool at logon)
// leaves it without its actions and hotkeys only until it lets go.
TEST_F(Scenario, AStartWhileAnotherProgramHoldsTheSettingsFileReadsItOnceItIsLetGo) {
  {
    const test::FileLock held(program_ + "\\einstellungen20.ini", 0);
    ASSERT_NO_FATAL_FAILURE(Start());
  }
  const auto standardKeyTaken = [] {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, kStandardKey)) return true;
    UnregisterHotKey(nullptr, 1);
    return false;
  };
  ASSERT_TRUE(test::PumpUntil(standardKeyTaken)) << "the hotkeys were not read again";
  SetClipboardText("nach dem Halten");
  Hotkey(kStandardKey);
  ExpectSoon(kNotizen, Entry("nach dem Halten"));
}

// Another program holds action 1's hotkey: the start-up box says so. The session that
// ends while the box waits closes the box, which comes after the registration's work,
// and ends the program; only the refused hotkey is blanked.
TEST_F(Scenario, TheSessionEndUnderTheStartUpHotkeyBoxEndsTheProgramAndBlanksOnlyTheRefusedOne) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, kNotizen.key));
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND box = Box(L"Hotkey konnte nicht registriert werden");
  ASSERT_NE(box, nullptr);
  for (const auto& [message, ending] : {std::pair{WM_QUERYENDSESSION, 0}, {WM_ENDSESSION, 1}}) {
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window_, message, ending, 0, SMTO_NORMAL, kQuietMs, &answer));
  }
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  UnregisterHotKey(nullptr, 1);
  EXPECT_EQ(Get("Aktion1", "HotkeyC"), "");
  EXPECT_EQ(Get("Aktion2", "HotkeyC"), "O");
  EXPECT_EQ(Get("Hotkeys", "HotkeyAutC"), "A");
}

// Explorer's "Zwischenablage hier speichern" starts the program with "/hier FOLDER". With
// none running, that start saves by the Standard action itself, writes nothing to the
// settings file and ends once its notice has gone (and where another program holds the
// settings file, says so and saves nothing); with the program running, it hands
// the folder over and ends, and a copied picture becomes a PNG whatever the Standard
// action's method. Any other option is told in a box.
TEST_F(Scenario, SaveHereSavesIntoTheFolderWithOrWithoutTheRunningProgram) {
  const std::string here = MadeFolder(WidenAnsi(scratch_ / "Hier"));
  const std::wstring saveHere =
      Program(L"Quillmar2.0.exe") + L" /hier \"" + WidenAnsi(here) + L"\"";
  const std::string settings = test::ReadFileBytes(program_ + "\\einstellungen20.ini");
  const auto ends = [](const std::wstring& commandLine) {
    HANDLE process = test::StartProcess(commandLine);
    const std::optional<DWORD> code = ExitCodeOnceEnded(process);
    CloseHandle(process);
    return code;
  };
  SetClipboardText("hier hinein");
  {
    const test::FileLock held(program_ + "\\einstellungen20.ini", 0);
    DWORD asker = 0;
    HANDLE refused = test::StartProcess(saveHere, L"", &asker);
    EXPECT_NE(Answer(Box(L"Einstellungen nicht gelesen", asker)).find(L"einstellungen20.ini"),
              std::wstring::npos);
    EXPECT_TRUE(ExitCodeOnceEnded(refused));
    CloseHandle(refused);
  }
  EXPECT_EQ(ends(saveHere), std::optional<DWORD>(0));
  EXPECT_EQ(test::ReadFileBytes(here + "\\Eins.txt"), Entry("hier hinein"));
  EXPECT_EQ(test::ReadFileBytes(program_ + "\\einstellungen20.ini"), settings);

  ASSERT_NO_FATAL_FAILURE(Start());
  BITMAPINFOHEADER header{sizeof header, 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  test::SetClipboard(
      {{CF_DIB, std::string(reinterpret_cast<const char*>(&header), sizeof header) + "\1\2\3\0"s}});
  EXPECT_EQ(ends(saveHere), std::optional<DWORD>(0));
  EXPECT_TRUE(test::PumpUntil(
      [&] { return test::DecodePng(test::ReadFileBytes(here + "\\Eins.png")).has_value(); }));

  DWORD asker = 0;
  HANDLE unknown = test::StartProcess(Program(L"Quillmar2.0.exe") + L" /was", L"", &asker);
  EXPECT_NE(Answer(Box(L"Quillmar 2.0", asker)).find(L"/hier"), std::wstring::npos);
  EXPECT_TRUE(ExitCodeOnceEnded(unknown));
  CloseHandle(unknown);
}

// The program ends cleanly at the importer's request while its first-start window is open.
TEST_F(Scenario, FirstStartPointsTheSampleActionsAtTheDesktopAndEndsCleanlyWithItsWindowOpen) {
  Set("Start", "Splash", "1");
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string desktop = SpecialFolderPath(CSIDL_DESKTOP);
  EXPECT_EQ(Get("Start", "Splash"), "0");
  EXPECT_EQ(Get("Aktion1", "Speicherpfad"), desktop);
  EXPECT_EQ(Get("Aktion2", "Speicherpfad"), desktop);
  ASSERT_NE(Box(L"Willkommen"), nullptr);
  EXPECT_TRUE(EndMainProgram(window_, test::kPatienceMs));
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace qm::e2e
