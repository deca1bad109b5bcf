#include "resident/hotkeys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/native/support/fake_settings.h"

namespace qm {

void PrintTo(const HotkeyCombination& combination, std::ostream* out) {
  *out << "modifiers " << combination.modifiers << ", key " << combination.virtualKey;
}

namespace {

TEST(HotkeyCombination, TranslatesTheStoredTexts) {
  EXPECT_EQ(CombinationOf({"Strg", "Alt", "F5"}), (HotkeyCombination{3, 116}));
  EXPECT_EQ(CombinationOf({"Win", "", "Z"}), (HotkeyCombination{8, 90}));
  EXPECT_EQ(CombinationOf({"Shift", "Win", "0"}), (HotkeyCombination{12, 48}));
  EXPECT_EQ(CombinationOf({"", "", "9"}), (HotkeyCombination{0, 57}));
}

TEST(ModifierFlag, KnowsTheFourNamesExactly) {
  EXPECT_EQ(ModifierFlag("Win"), 8u);
  EXPECT_EQ(ModifierFlag("Shift"), 4u);
  EXPECT_EQ(ModifierFlag("Strg"), 2u);
  EXPECT_EQ(ModifierFlag("Alt"), 1u);
  for (const char* other : {"", "     -", "strg", "STRG", "Strg ", " Alt", "Ctrl", "Wi", "Windows"}) {
    EXPECT_EQ(ModifierFlag(other), 0u) << '"' << other << '"';
  }
}

TEST(ModifierFlag, SameModifierTwiceMeansItOnce) {
  // Adding the flags would turn Strg + Strg into Shift.
  EXPECT_EQ(ModifierFlags("Strg", "Strg"), 2u);
  EXPECT_EQ(ModifierFlags("Alt", "Alt"), 1u);
}

TEST(VirtualKey, FunctionKeysOnlyForF1ToF12) {
  EXPECT_EQ(VirtualKey("F1"), 112u);
  EXPECT_EQ(VirtualKey("F9"), 120u);
  EXPECT_EQ(VirtualKey("F10"), 121u);
  EXPECT_EQ(VirtualKey("F12"), 123u);
  // Everything else that starts with F is the letter F.
  for (const char* letter : {"F", "F0", "F13", "F01", "F1x", "F123"}) {
    EXPECT_EQ(VirtualKey(letter), 70u) << '"' << letter << '"';
  }
}

TEST(VirtualKey, OtherTextsGiveTheirFirstCharacter) {
  EXPECT_EQ(VirtualKey("A"), 65u);
  EXPECT_EQ(VirtualKey("Z"), 90u);
  EXPECT_EQ(VirtualKey("0"), 48u);
  EXPECT_EQ(VirtualKey("f5"), 102u);
  // Bytes above 127 are codes 128..255, not negative numbers.
  EXPECT_EQ(VirtualKey("\xC4"), 196u);
  EXPECT_EQ(VirtualKey(""), 0u);
}

TEST(HasHotkey, OnlyARealKeyText) {
  EXPECT_TRUE(HasHotkey("A"));
  EXPECT_TRUE(HasHotkey("F12"));
  EXPECT_FALSE(HasHotkey(""));
  EXPECT_FALSE(HasHotkey(kMissingEntry));
}

TEST(HotkeyBindings, ActionsUseTheirOwnSection) {
  EXPECT_EQ(BindingOf(1), (HotkeyBinding{"Aktion1", "HotkeyA", "HotkeyB", "HotkeyC"}));
  EXPECT_EQ(BindingOf(20), (HotkeyBinding{"Aktion20", "HotkeyA", "HotkeyB", "HotkeyC"}));
}

TEST(HotkeyBindings, GeneralCommandsShareTheHotkeysSection) {
  EXPECT_EQ(BindingOf(kHotkeyTrayMenu),
            (HotkeyBinding{"Hotkeys", "HotkeyTrayA", "HotkeyTrayB", "HotkeyTrayC"}));
  EXPECT_EQ(BindingOf(kHotkeyAutomatic),
            (HotkeyBinding{"Hotkeys", "HotkeyAutA", "HotkeyAutB", "HotkeyAutC"}));
  EXPECT_EQ(BindingOf(kHotkeyStandard),
            (HotkeyBinding{"Hotkeys", "HotkeyStanA", "HotkeyStanB", "HotkeyStanC"}));
}

TEST(HotkeyBindings, RegistrationOrderIsActionsThenTrayAutomaticStandard) {
  std::vector<int> expected;
  for (int id = 1; id <= 20; ++id) expected.push_back(id);
  expected.insert(expected.end(), {kHotkeyTrayMenu, kHotkeyAutomatic, kHotkeyStandard});
  EXPECT_EQ(AllHotkeyIds(), expected);
  for (const int id : AllHotkeyIds()) EXPECT_TRUE(IsHotkeyId(id)) << id;
  EXPECT_FALSE(IsHotkeyId(0));
  EXPECT_FALSE(IsHotkeyId(24));
}

TEST(ReadHotkey, ReadsTheThreeEntriesOfTheBinding) {
  test::FakeSettings settings;
  settings.Write("Aktion3", "HotkeyA", "Strg");
  settings.Write("Aktion3", "HotkeyC", "K");
  settings.Write("Hotkeys", "HotkeyAutB", "Shift");
  settings.Write("Hotkeys", "HotkeyAutC", "F2");

  const HotkeyText action = ReadHotkey(settings, BindingOf(3));
  EXPECT_EQ(action.a, "Strg");
  EXPECT_EQ(action.b, std::string(kMissingEntry));
  EXPECT_EQ(action.c, "K");

  const HotkeyText automatic = ReadHotkey(settings, BindingOf(kHotkeyAutomatic));
  EXPECT_EQ(automatic.b, "Shift");
  EXPECT_EQ(automatic.c, "F2");
}

}  // namespace
}  // namespace qm
