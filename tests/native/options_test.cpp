// The rules of the options and general hotkeys pages and of the about window: the
// #RRGGBB form of a colour, the notice test's interval, the Explorer entry's command,
// the hotkey fields and the hotkey listing, and SendMail's address.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "options/colour_text.h"
#include "options/explorer_verb.h"
#include "options/hotkey_fields.h"
#include "options/hotkey_listing.h"
#include "options/maker.h"
#include "options/typed_display_time.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

constexpr const char* kNone = "     -";

TEST(HtmlColour, RedGreenBlueFromTheStoredInteger) {
  for (const auto& [colour, expected] : {std::pair<Colour, const char*>{0x0080FF00, "#00FF80"},
                                         {0x00FF0000, "#0000FF"},
                                         {0x000A0B0C, "#0C0B0A"}}) {
    EXPECT_EQ(HtmlColour(colour), expected);
  }
}

TEST(NoticeTestInterval, OnlyWhatTheTimerHolds) {
  struct Case {
    const char* typed;
    long long interval;  // -1: refused with a message
  };
  const Case cases[] = {
      {"1", 1},    {"32767", 32767}, {"", -1},      {"0", -1},  // a notice of no time never closes
      {"abc", -1}, {"-1", -1},       {"32768", -1},  // would wrap to a negative 16-bit value
  };
  for (const Case& c : cases) {
    const auto result = NoticeTestInterval(c.typed);
    const auto* interval = std::get_if<long long>(&result);
    EXPECT_EQ(interval ? *interval : -1, c.interval) << c.typed;
  }
}

TEST(ExplorerVerb, StartsTheProgramOfItsFolderWithTheFolderShown) {
  const std::wstring folder = L"C:\\Programme\\Quillmar 2.0";
  EXPECT_EQ(ExplorerVerbCommand(folder),
            L"\"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe\" /hier \"%V\"");
  EXPECT_EQ(ExplorerVerbIcon(folder), L"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe,0");
  struct Case {
    const wchar_t* command;
    bool ours;
  };
  const Case cases[] = {
      {L"\"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe\" /hier \"%V\"", true},
      {L"  \"c:\\PROGRAMME\\quillmar 2.0\\QUILLMAR2.0.EXE\" /hier \"%V\"", true},
      {L"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe /hier %V", true},
      {L"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe", true},
      {L"\"C:\\Kopie\\Quillmar2.0.exe\" /hier \"%V\"", false},
      {L"\"C:\\Programme\\Quillmar 2.0 alt\\Quillmar2.0.exe\" /hier \"%V\"", false},
      {L"\"C:\\Programme\\Quillmar 2.0\\alt\\Quillmar2.0.exe\" /hier \"%V\"", false},
      {L"\"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe.alt\" /hier \"%V\"", false},
      {L"\"C:\\Programme\\Quillmar 2.0\\Quillmar2.0.exe /hier %V", false},  // quote not closed
      {L"", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommandStartsProgramOf(c.command, folder), c.ours) << c.command;
  EXPECT_FALSE(CommandStartsProgramOf(L"\\Quillmar2.0.exe", L""));
}

// The box is ticked only for an entry that is whole and this folder's.
TEST(ExplorerVerb, OursOnlyWhenEveryPlaceStartsThisFolder) {
  const std::wstring folder = L"C:\\Q";
  const std::optional<std::wstring> here = L"\"C:\\Q\\Quillmar2.0.exe\" /hier \"%V\"";
  const std::optional<std::wstring> other = L"\"D:\\Q\\Quillmar2.0.exe\" /hier \"%V\"";
  const std::optional<std::wstring> none;
  EXPECT_TRUE(ExplorerVerbIsOurs(std::array{here, here}, folder));
  EXPECT_FALSE(ExplorerVerbIsOurs(std::array{here, none}, folder));
  EXPECT_FALSE(ExplorerVerbIsOurs(std::array{other, here}, folder));
  EXPECT_FALSE(ExplorerVerbIsOurs(std::array{none, none}, folder));
}

TEST(HotkeyFields, OnlyListEntriesAreShown) {
  for (const auto& [stored, key, shown] :
       {std::tuple{"Strg", false, "Strg"},
        {"F12", true, "F12"},
        {"7", true, "7"},
        {"Kein Eintrag gefunden!", false, kNone},
        {"strg", false, kNone},  // names compare exactly, as the registration does
        {"F13", true, kNone},
        {"Strg", true, kNone}}) {
    EXPECT_EQ(FieldText(stored, key ? KeyEntries() : ModifierEntries()), shown) << stored;
  }
}

void StoreAction(test::MemorySettings& settings, int n, const char* active, const char* name,
                 HotkeyText hotkey) {
  const std::string section = ActionSection(n);
  settings.Write(section, "Aktiviert", active);
  settings.Write(section, "Name", name);
  settings.Write(section, "HotkeyA", hotkey.a);
  settings.Write(section, "HotkeyB", hotkey.b);
  settings.Write(section, "HotkeyC", hotkey.c);
}

TEST(HotkeyListing, ActiveActionsWithAKeyThenTheThreeGeneralOnes) {
  test::MemorySettings settings;
  StoreAction(settings, 2, "ja", "Notizen", {"Strg", "Alt", "N"});
  StoreAction(settings, 3, "nein", "Gelöscht", {"Strg", "", "G"});
  StoreAction(settings, 4, "ja", "Ohne", {"Strg", "", ""});
  StoreAction(settings, 5, "ja", "Nur Taste", {"", "", "F9"});
  settings.Write("Hotkeys", "HotkeyTrayA", "Win");
  settings.Write("Hotkeys", "HotkeyTrayB", "");
  settings.Write("Hotkeys", "HotkeyTrayC", "T");
  settings.Write("Hotkeys", "HotkeyAutA", "Alt");  // a modifier without key; Stan is missing
  settings.Write("Hotkeys", "HotkeyAutC", "");
  EXPECT_EQ(HotkeyListing(settings),
            L"\r\n"
            L"Notizen  =  Strg + Alt + N\r\n\r\n"
            L"Nur Taste  =  F9\r\n\r\n"
            L"Traymenü aufrufen  =  Win + T\r\n\r\n"
            L"Automatisch sichern de-/aktivieren  =  Alt + \r\n\r\n"
            L"Standardaktion ausführen  =  \r\n\r\n");
}

// The about window asks only for a subject.
TEST(MailtoAddress, TheSubjectFollowsTheAddressUnescaped) {
  EXPECT_EQ(MailtoAddress("a@example.org", {"Quillmar 2.0", "", "", ""}),
            "mailto:a@example.org?Subject=Quillmar 2.0");
}

}  // namespace
}  // namespace qm
