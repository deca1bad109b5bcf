#include "resident/hotkey_registry_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "resident/hotkeys.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/hotkey_helpers.h"
#include "tests/win/support/test_files.h"

namespace qm {

void PrintTo(const HotkeyCombination& combination, std::ostream* out) {
  *out << "modifiers " << combination.modifiers << ", key " << combination.virtualKey;
}

namespace {

using test::CombinationTaken;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// The combinations of the settings below, as the system gets them.
constexpr HotkeyCombination kAction1{MOD_CONTROL | MOD_ALT, VK_F5};
constexpr HotkeyCombination kAction2{MOD_WIN, 'Z'};
constexpr HotkeyCombination kAction20{MOD_ALT, VK_F12};
constexpr HotkeyCombination kTrayMenu{MOD_CONTROL | MOD_SHIFT, 'T'};
constexpr HotkeyCombination kAutomatic{MOD_ALT | MOD_SHIFT, 'A'};
constexpr HotkeyCombination kStandard{MOD_WIN | MOD_ALT, 'S'};
// What action 4's missing key entry would register if it counted as a key ("Kein ...").
constexpr HotkeyCombination kMissingEntryAsKey{MOD_CONTROL, 'K'};

const std::vector<HotkeyCombination> kAllBound{kAction1,  kAction2,   kAction20,
                                               kTrayMenu, kAutomatic, kStandard};

// Action 3 has modifiers but an empty key, action 4 no key entry at all.
const char kSettings[] =
    "[Aktion1]\r\nHotkeyA=Strg\r\nHotkeyB=Alt\r\nHotkeyC=F5\r\n"
    "[Aktion2]\r\nHotkeyA=Win\r\nHotkeyB=\r\nHotkeyC=Z\r\n"
    "[Aktion3]\r\nHotkeyA=Strg\r\nHotkeyB=Alt\r\nHotkeyC=\r\n"
    "[Aktion4]\r\nHotkeyA=Strg\r\nHotkeyB=\r\n"
    "[Aktion20]\r\nHotkeyA=Alt\r\nHotkeyB=\r\nHotkeyC=F12\r\n"
    "[Hotkeys]\r\n"
    "HotkeyTrayA=Strg\r\nHotkeyTrayB=Shift\r\nHotkeyTrayC=T\r\n"
    "HotkeyAutA=Alt\r\nHotkeyAutB=Shift\r\nHotkeyAutC=A\r\n"
    "HotkeyStanA=Win\r\nHotkeyStanB=Alt\r\nHotkeyStanC=S\r\n";

std::vector<HotkeyCombination> Taken(const std::vector<HotkeyCombination>& combinations) {
  std::vector<HotkeyCombination> taken;
  std::copy_if(combinations.begin(), combinations.end(), std::back_inserter(taken),
               CombinationTaken);
  return taken;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

MessageRequest RegistrationFailed() {
  return {L"Hotkey konnte nicht registriert werden",
          L"Der von Ihnen angegebene Hotkey konnte leider nicht registriert werden.\r\n"
          L"Vermutlich wird er schon von einem anderen Programm oder auch dem\r\n"
          L"Betriebssystem belegt. Wählen Sie einen anderen Hotkey aus.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

class HotkeyRegistryTest : public ::testing::Test {
 protected:
  HotkeyText Stored(int id) const { return ReadHotkey(settings_, BindingOf(id)); }

  test::ProgramSettingsFile file_{kSettings};
  test::HotkeyWindow window_;
  ProfileSettings settings_;
  test::RecordingMessageBoxes messages_;
  HotkeyRegistry registry_{window_.Handle(), settings_, messages_};
};

TEST_F(HotkeyRegistryTest, RegistersEveryBindingThatNamesAKeyAndUnregistersThemAgain) {
  registry_.RegisterAll();
  EXPECT_EQ(Taken(kAllBound), kAllBound);
  EXPECT_FALSE(CombinationTaken(kMissingEntryAsKey));
  EXPECT_THAT(messages_.shown, IsEmpty());

  registry_.UnregisterAll();
  EXPECT_THAT(Taken(kAllBound), IsEmpty());
}

TEST_F(HotkeyRegistryTest, LeavesABindingWithoutKeyAlone) {
  registry_.RegisterAll();
  EXPECT_FALSE(UnregisterHotKey(window_.Handle(), 3)) << "the empty key was registered";

  // Whatever is registered under that id stays: the editor that emptied the key has
  // unregistered it already, and the refresh only goes by what is stored.
  const HotkeyCombination earlier{MOD_CONTROL, VK_F9};
  ASSERT_TRUE(RegisterHotKey(window_.Handle(), 3, earlier.modifiers, earlier.virtualKey));
  registry_.UnregisterAll();
  EXPECT_TRUE(CombinationTaken(earlier));
}

TEST_F(HotkeyRegistryTest, ReportsACombinationOwnedByAnotherProgramAndForgetsIt) {
  const test::ForeignHotkey other(kAction1);
  registry_.RegisterAll();

  EXPECT_THAT(messages_.shown, ElementsAre(RegistrationFailed()));
  const HotkeyText blanked = Stored(1);
  EXPECT_EQ(blanked.a, "");
  EXPECT_EQ(blanked.b, "");
  EXPECT_EQ(blanked.c, "");
  // The others are registered all the same.
  EXPECT_EQ(Taken({kAction2, kAction20, kTrayMenu, kAutomatic, kStandard}).size(), 5u);

  // The next refresh does not try the blanked binding again.
  registry_.UnregisterAll();
  registry_.RegisterAll();
  EXPECT_EQ(messages_.shown.size(), 1u);
}

TEST_F(HotkeyRegistryTest, PressDeliversTheBindingsIdToTheWindow) {
  registry_.RegisterAll();
  test::PressCombination(kAction1);
  EXPECT_THAT(window_.ReceivedHotkeys(), ElementsAre(1));
  test::PressCombination(kStandard);
  EXPECT_THAT(window_.ReceivedHotkeys(), ElementsAre(kHotkeyStandard));
  test::PressCombination(kAction20);
  EXPECT_THAT(window_.ReceivedHotkeys(), ElementsAre(20));
}

TEST_F(HotkeyRegistryTest, HoldingTheKeyDownPressesOnce) {
  if (test::RunningUnderWine()) GTEST_SKIP() << "Wine ignores MOD_NOREPEAT";
  registry_.RegisterAll();
  test::PressCombination(kAction2, 3);
  EXPECT_THAT(window_.ReceivedHotkeys(), ElementsAre(2));
}

TEST_F(HotkeyRegistryTest, ShutdownUnregistersTheActionsOnly) {
  registry_.RegisterAll();
  registry_.UnregisterActions();
  EXPECT_THAT(Taken({kAction1, kAction2, kAction20}), IsEmpty());
  EXPECT_EQ(Taken({kTrayMenu, kAutomatic, kStandard}).size(), 3u);
}

TEST_F(HotkeyRegistryTest, ErstellehotkeyRegistersNothingForAnEmptyKey) {
  registry_.Erstellehotkey("Strg", "Alt", "", 5);
  registry_.Erstellehotkey("Strg", "", std::string(kMissingEntry), 6);
  EXPECT_FALSE(UnregisterHotKey(window_.Handle(), 5));
  EXPECT_FALSE(UnregisterHotKey(window_.Handle(), 6));
  EXPECT_THAT(messages_.shown, IsEmpty());
}

// A general hotkey that cannot be registered blanks its own entries in [Hotkeys]; no
// [Aktion23] section is made up for it. Which entries belong to which id is the native
// binding tests' business.
TEST_F(HotkeyRegistryTest, AFailingGeneralHotkeyBlanksItsOwnEntries) {
  const test::ForeignHotkey other(kStandard);
  registry_.RegisterAll();

  EXPECT_THAT(messages_.shown, ElementsAre(RegistrationFailed()));
  const HotkeyText blanked = Stored(kHotkeyStandard);
  EXPECT_EQ(blanked.a + blanked.b + blanked.c, "");
  for (const int id : {kHotkeyTrayMenu, kHotkeyAutomatic}) {
    EXPECT_TRUE(HasHotkey(Stored(id).c)) << id;
  }
  const std::string section = "[aktion" + std::to_string(kHotkeyStandard) + "]";
  EXPECT_THAT(Lower(test::ReadFileBytes(SettingsPath())), Not(HasSubstr(section)));
}

}  // namespace
}  // namespace qm
