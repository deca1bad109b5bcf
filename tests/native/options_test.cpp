// The rules of the options and general hotkeys pages and of the about window: the
// #RRGGBB form of a colour, the notice test's interval, the hotkey fields and the
// hotkey listing, and SendMail's address.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "options/colour_text.h"
#include "options/hotkey_fields.h"
#include "options/hotkey_listing.h"
#include "options/maker.h"
#include "options/notice_test_rules.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

constexpr const char* kNone = "     -";

TEST(HtmlColour, RedGreenBlueFromTheStoredInteger) {
  struct Case {
    Colour colour;
    const char* expected;
  };
  const Case cases[] = {
      {0x0080FF00, "#00FF80"}, {0x00FF0000, "#0000FF"}, {0x000000FF, "#FF0000"},
      {0x00000000, "#000000"}, {0x00FFFFFF, "#FFFFFF"}, {0x000A0B0C, "#0C0B0A"},
  };
  for (const Case& c : cases) EXPECT_EQ(HtmlColour(c.colour), c.expected);
}

TEST(NoticeTestInterval, OnlyWhatTheTimerHolds) {
  struct Case {
    const char* typed;
    long long interval;     // when usable
    const wchar_t* phrase;  // of the message otherwise
  };
  const Case cases[] = {
      {"1500", 1500, nullptr},        {"0", 0, nullptr},
      {"32767", 32767, nullptr},      {"", 0, L"einen Wert ein"},
      {"abc", 0, L"korrekte Zahl"},   {"1,5", 0, L"korrekte Zahl"},
      {"32768", 0, L"korrekte Zahl"},  // would wrap to a negative 16-bit value
      {"-1", 0, L"korrekte Zahl"},    {"99999999999", 0, L"korrekte Zahl"},
  };
  for (const Case& c : cases) {
    const auto result = NoticeTestInterval(c.typed);
    if (!c.phrase) {
      ASSERT_TRUE(std::holds_alternative<long long>(result)) << c.typed;
      EXPECT_EQ(std::get<long long>(result), c.interval);
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<MessageRequest>(result)) << c.typed;
    EXPECT_NE(std::get<MessageRequest>(result).text.find(c.phrase), std::wstring::npos) << c.typed;
  }
}

TEST(HotkeyFields, OnlyListEntriesAreShown) {
  struct Case {
    const char* stored;
    bool key;
    const char* shown;
  };
  const Case cases[] = {
      {"Strg", false, "Strg"},
      {"Win", false, "Win"},
      {"", false, kNone},
      {"strg", false, kNone},  // names compare exactly, as the registration does
      {"Kein Eintrag gefunden!", false, kNone},
      {"F12", true, "F12"},
      {"Q", true, "Q"},
      {"7", true, "7"},
      {"F13", true, kNone},
      {"Strg", true, kNone},
      {"q", true, kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldText(c.stored, c.key ? KeyEntries() : ModifierEntries()), c.shown) << c.stored;
  }
}

TEST(HotkeyFields, IncompleteWhenOnlyTheKeyIsMissing) {
  struct Case {
    HotkeyText fields;
    bool incomplete;
  };
  const Case cases[] = {
      {{"Strg", kNone, kNone}, true}, {{kNone, "Alt", kNone}, true}, {{"Strg", "Alt", kNone}, true},
      {{kNone, kNone, kNone}, false}, {{kNone, kNone, "F9"}, false}, {{"Strg", "Alt", "N"}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsIncompleteHotkey(c.fields), c.incomplete) << c.fields.a << c.fields.b << c.fields.c;
  }
  EXPECT_EQ(
      IncompleteHotkeyMessage().text.substr(IncompleteHotkeyMessage().text.rfind(L"\r\n") + 2),
      L"auf den Grundzustand zurück.");
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

TEST(MailtoAddress, OnlyTheGivenPartsUnescaped) {
  struct Case {
    MailParts parts;
    const char* expected;
  };
  const Case cases[] = {
      {{"Quillmar 2.0", "", "", ""}, "mailto:a@example.org?Subject=Quillmar 2.0"},
      {{"", "Hallo", "", ""}, "mailto:a@example.org?Body=Hallo"},
      {{"", "", "", ""}, "mailto:a@example.org"},
      {{"S", "B", "c@x", "d@x"}, "mailto:a@example.org?Subject=S&Body=B&CC=c@x&BCC=d@x"},
      {{"", "", "", "d@x"}, "mailto:a@example.org?BCC=d@x"},
  };
  for (const Case& c : cases) EXPECT_EQ(MailtoAddress("a@example.org", c.parts), c.expected);
}

}  // namespace
}  // namespace qm
