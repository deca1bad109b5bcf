#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "resident/save_queue.h"
#include "resident/standard_choice.h"
#include "resident/tray_menu_model.h"
#include "settings/hotkeys.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

TEST(Hotkeys, StoredTextsBecomeModifierFlagsAndAVirtualKeyAndOnlyARealKeyIsRegistered) {
  // first and second modifier, key, modifier flags, virtual key
  const std::tuple<const char*, const char*, const char*, unsigned, unsigned> rows[] = {
      {"Strg", "Alt", "F5", 3, 116},     {"Shift", "Win", "0", 12, 48},
      {"Strg", "Strg", "A", 2, 65},      {"strg", "Ctrl", "F10", 0, 121},
      {"Strg ", "     -", "F13", 0, 70}, {"", "", "f5", 0, 102},
      {"", "", "\xC4", 0, 196}};
  for (const auto& [a, b, c, modifiers, key] : rows) {
    const HotkeyCombination combination = CombinationOf({a, b, c});
    EXPECT_EQ(combination.modifiers, modifiers) << a << "+" << b;
    EXPECT_EQ(combination.virtualKey, key) << c;
  }
  EXPECT_TRUE(HasHotkey("F13"));
  for (const char* none : {"", "Kein Eintrag gefunden!"}) EXPECT_FALSE(HasHotkey(none)) << none;
}

TEST(SaveQueue, RequestsDuringASaveRunAfterItOnceEachNeverInside) {
  // requests during save 1; +n when save n starts, -n when it ends
  const std::pair<std::vector<int>, std::vector<int>> rows[] = {
      {{2, 3}, {1, -1, 2, -2, 3, -3}}, {{7, 7, 7}, {1, -1, 7, -7}}, {{1}, {1, -1, 1, -1}}};
  for (const auto& [duringFirst, expected] : rows) {
    std::vector<int> events;
    SaveQueue saves([&, &during = duringFirst](int action) {
      events.push_back(action);
      if (events.size() == 1) {
        for (int request : during) saves.Request(request);
      }
      events.push_back(-action);
    });
    saves.Request(1);
    EXPECT_EQ(events, expected);
  }
}

TEST(SaveQueue, IsFreeAgainWhenASaveThrows) {
  int saves = 0;
  SaveQueue queue([&](int) {
    if (++saves == 1) throw std::runtime_error("disk gone");
  });
  EXPECT_THROW(queue.Request(1), std::runtime_error);
  queue.Request(2);
  EXPECT_EQ(saves, 2);
}

using test::MemorySettings;
using Actions = std::vector<MemorySettings::Action>;

TEST(TrayMenu, ActiveActionsShowThePlainNameCheckedWhenMarkedAndAccessShowsTheStoredName) {
  auto settings = MemorySettings::WithActions(
      {{2, "Zwei (Standard)"}, {7, "S (Standard)"}, {20, "Z"}, {4, "V"}});
  ActionCache cache;
  cache.Refresh(settings);
  settings.Write("Aktion4", "Aktiviert", "nein");  // deleted after the cache was filled
  const TrayMenuModel model = BuildTrayMenuModel(cache, settings);
  const MenuEntry zwei{true, "Zwei", true};  // the plain name, checked as the Standard
  EXPECT_EQ(model.befehl[1], zwei);
  EXPECT_EQ(model.standard[1], zwei);
  EXPECT_EQ(model.zugriff[1], (MenuEntry{true, "Zwei (Standard)", false}));
  EXPECT_EQ(model.standard[19], (MenuEntry{true, "Z", false}));
  EXPECT_FALSE(model.befehl[3].shown || model.zugriff[3].shown || model.standard[3].shown);
}

// By number: of twins by name only the chosen one; a file that cannot be written keeps
// its Standard action.
TEST(StandardChoice, MarksOnlyTheChosenActiveActionUnmarksTheRestAndLeavesDeletedOnesAlone) {
  const std::tuple<Actions, int, int, std::vector<int>> rows[] = {
      {{{3, "Doppelt"}, {9, "Doppelt"}, {12, "Anders (Standard)"}}, 3, -1, {3}},
      {{{1, "E (Standard)"}, {4, "G"}, {6, "G", false}, {7, "A(Standard)", false}}, 4, -1, {4, 7}},
      {{{1, "E (Standard)"}, {6, "G", false}}, 6, -1, {1}},
      {{{1, "E (Standard)"}, {4, "G"}}, 4, 0, {1}}};
  for (const auto& [actions, chosen, writes, marked] : rows) {
    auto settings = MemorySettings::WithActions(actions);
    settings.writesThatReachFile = writes;
    EXPECT_EQ(MakeStandard(chosen, settings).has_value(), writes == 0) << chosen;
    std::vector<int> markedNow;
    for (int n = 1; n <= kActionCount; ++n) {
      if (IsStandardMarked(settings.Read(ActionSection(n), "Name"))) markedNow.push_back(n);
    }
    EXPECT_EQ(markedNow, marked) << chosen;
  }
}

}  // namespace
}  // namespace qm
