#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "resident/hotkeys.h"
#include "resident/save_queue.h"
#include "resident/standard_choice.h"
#include "resident/tray_menu_model.h"
#include "tests/native/support/memory_settings.h"

namespace qm {

void PrintTo(const HotkeyCombination& combination, std::ostream* out) {
  *out << "modifiers " << combination.modifiers << ", key " << combination.virtualKey;
}

namespace {

TEST(Hotkeys, StoredTextsBecomeModifierFlagsAndAVirtualKey) {
  const struct {
    const char *a, *b, *c;
    HotkeyCombination combination;
  } rows[] = {{"Strg", "Alt", "F5", {3, 116}}, {"Win", "", "Z", {8, 90}}, {"Shift", "Win", "0", {12, 48}},
              {"", "", "9", {0, 57}}, {"Strg", "Strg", "A", {2, 65}}, {"Alt", "Alt", "F1", {1, 112}},
              {"strg", "Ctrl", "F12", {0, 123}}, {"Strg ", "     -", "F10", {0, 121}},
              {"Windows", " Alt", "F", {0, 70}}, {"", "", "F0", {0, 70}}, {"", "", "F13", {0, 70}},
              {"", "", "F01", {0, 70}}, {"", "", "F1x", {0, 70}}, {"", "", "f5", {0, 102}},
              {"", "", "\xC4", {0, 196}}, {"", "", "", {0, 0}}};
  for (const auto& [a, b, c, combination] : rows) {
    EXPECT_EQ(CombinationOf({a, b, c}), combination) << a << "+" << b << "+" << c;
  }
}

TEST(Hotkeys, OnlyARealKeyTextIsAHotkey) {
  for (const auto& [text, hotkey] : {std::pair{"A", true}, {"F12", true}, {"", false},
                                     {"Kein Eintrag gefunden!", false}}) {
    EXPECT_EQ(HasHotkey(text), hotkey) << text;
  }
}

TEST(SaveQueue, RequestsDuringASaveRunAfterItOnceEachNeverInside) {
  const struct {
    std::vector<int> duringFirst;
    std::vector<int> runs;  // every save as "started and ended", in order
  } rows[] = {{{2, 3}, {1, 2, 3}}, {{7, 7, 7}, {1, 7}}, {{1}, {1, 1}}, {{}, {1}}};
  for (const auto& [duringFirst, runs] : rows) {
    std::vector<int> events;  // +n when save n starts, -n when it ends
    SaveQueue* self = nullptr;
    SaveQueue queue([&](int action) {
      events.push_back(action);
      if (events.size() == 1) {
        for (int request : duringFirst) self->Request(request);
      }
      events.push_back(-action);
    });
    self = &queue;
    queue.Request(1);
    std::vector<int> expected;
    for (int run : runs) expected.insert(expected.end(), {run, -run});
    EXPECT_EQ(events, expected);
    EXPECT_FALSE(queue.Running());
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

struct Action {
  int number;
  const char* name;
  bool active = true;
};

test::MemorySettings WithActions(const std::vector<Action>& actions) {
  test::MemorySettings settings;
  for (const Action& action : actions) {
    settings.Write(ActionSection(action.number), "Aktiviert", action.active ? "ja" : "nein");
    settings.Write(ActionSection(action.number), "Name", action.name);
  }
  return settings;
}

TrayMenuModel Model(const test::MemorySettings& settings, ActionCache& cache) {
  cache.Refresh(settings);
  return BuildTrayMenuModel(cache, settings);
}

TEST(TrayMenu, ActiveActionsShowThePlainNameCheckedWhenMarkedAndAccessShowsTheStoredName) {
  auto settings = WithActions({{2, "Notizen (Standard)"}, {7, "Doppelt (Standard)"}, {20, "Zitate"},
                               {4, "Alt"}});
  ActionCache cache;
  Model(settings, cache);
  settings.Write("Aktion4", "Aktiviert", "nein");  // deleted after the first refresh
  const TrayMenuModel model = Model(settings, cache);
  EXPECT_TRUE(model.actionsShown);
  const struct {
    int index;
    MenuEntry befehl, zugriff;
  } rows[] = {{0, {}, {}}, {3, {}, {}}, {1, {true, "Notizen", true}, {true, "Notizen (Standard)", false}},
              {6, {true, "Doppelt", true}, {true, "Doppelt (Standard)", false}},
              {19, {true, "Zitate", false}, {true, "Zitate", false}}};
  for (const auto& [index, befehl, zugriff] : rows) {
    EXPECT_EQ(model.befehl[index], befehl) << index;
    EXPECT_EQ(model.standard[index], befehl) << index;
    EXPECT_EQ(model.zugriff[index], zugriff) << index;
  }
  EXPECT_FALSE(Model(WithActions({{1, "Geloescht", false}}), cache).actionsShown);
}

TEST(TrayMenu, EveryItemHasItsOwnCommandIdThatMapsBack) {
  std::vector<MenuPick> items;
  for (int n = 1; n <= kActionCount; ++n) items.push_back({MenuGroup::Befehl, n});
  for (int index : {kMenuAutomatic, kMenuSettings, kMenuQuit}) items.push_back({MenuGroup::Befehl, index});
  for (int i = 0; i < kActionCount; ++i) {
    items.push_back({MenuGroup::Zugriff, i});
    items.push_back({MenuGroup::Standard, i});
  }
  std::set<unsigned> ids{0};  // 0 is what a closed menu reports
  for (const MenuPick& item : items) {
    const unsigned id = MenuCommandId(item);
    EXPECT_TRUE(ids.insert(id).second) << "id " << id << " is given twice";
    EXPECT_EQ(PickFromCommandId(id), item) << "id " << id;
  }
  for (MenuPick none : {MenuPick{MenuGroup::Befehl, 21}, MenuPick{MenuGroup::Befehl, 26},
                        MenuPick{MenuGroup::Zugriff, kActionCount}, MenuPick{MenuGroup::Standard, kActionCount}}) {
    EXPECT_EQ(PickFromCommandId(MenuCommandId(none)), std::nullopt) << MenuCommandId(none);
  }
  EXPECT_EQ(PickFromCommandId(0), std::nullopt);
}

TEST(StandardChoice, MarksEveryActiveActionOfTheNameUnmarksTheRestAndLeavesDeletedOnesAlone) {
  const struct {
    std::vector<Action> actions;
    const char* caption;
    int standard;
    std::vector<int> marked;
  } rows[] = {{{{2, "Zwei (Standard)"}}, "Zwei", 2, {2}},
              {{{3, "Doppelt"}, {9, "Doppelt"}, {12, "Anders (Standard)"}}, "Doppelt", 9, {3, 9}},
              {{{1, "Eins (Standard)"}, {4, "Gewaehlt"}, {6, "Gewaehlt", false}, {7, "Alt (Standard)", false}},
               "Gewaehlt", 4, {4, 7}},
              {{{1, "Eins (Standard)"}}, "Keins", 0, {}}};
  for (const auto& [actions, caption, standard, marked] : rows) {
    auto settings = WithActions(actions);
    EXPECT_EQ(MakeStandard(caption, settings), standard) << caption;
    std::vector<int> markedNow;
    for (int n = 1; n <= kActionCount; ++n) {
      const std::string name = settings.Read(ActionSection(n), "Name");
      if (IsStandardMarked(name)) markedNow.push_back(n);
    }
    EXPECT_EQ(markedNow, marked) << caption;
  }
}

}  // namespace
}  // namespace qm
