#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "resident/command_line.h"
#include "resident/hotkey_failures.h"
#include "resident/refresh_turn.h"
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

// Only "/hier" and one folder save there, whatever the option's case; a drive's root keeps
// its backslash though Explorer's quotes made it an escaped quote; anything else is told.
TEST(StartRequest, OnlyHierWithOneFolderSavesThereAndAnythingElseIsUnknown) {
  using Kind = StartRequest::Kind;
  const std::pair<std::vector<std::wstring>, StartRequest> rows[] = {
      {{}, {}},
      {{L"/hier", L"C:\\Notizen"}, {Kind::SaveHere, L"C:\\Notizen"}},
      {{L"/HIER", L"D:\""}, {Kind::SaveHere, L"D:\\"}},
      {{L"/hier"}, {Kind::Unknown, {}}},
      {{L"/hier", L""}, {Kind::Unknown, {}}},
      {{L"/hier", L"C:\\a", L"C:\\b"}, {Kind::Unknown, {}}},
      {{L"-hier", L"C:\\a"}, {Kind::Unknown, {}}}};
  for (const auto& [arguments, request] : rows) EXPECT_EQ(StartRequestOf(arguments), request);
}

// A save that throws is reported, and what was asked meanwhile runs now, not at some
// later request; held, the queue runs nothing more until it is released.
TEST(SaveQueue, RequestsDuringASaveRunAfterItOnceEachNeverInsideAndNoneIsLeftBehind) {
  struct Row {
    std::vector<int> duringFirst;
    bool throws, held;
    std::vector<int> events;  // +n when save n starts, -n when it ends, 0 at the release
  };
  const Row rows[] = {{{2, 3}, false, false, {1, -1, 2, -2, 3, -3, 0, 5, -5}},
                      {{7, 7, 7}, false, false, {1, -1, 7, -7, 0, 5, -5}},
                      {{1}, false, false, {1, -1, 1, -1, 0, 5, -5}},
                      {{2}, true, false, {1, 2, -2, 0, 5, -5}},
                      {{2}, false, true, {1, -1, 0, 2, -2, 5, -5}}};
  for (const Row& row : rows) {
    std::vector<int> events;
    std::string failure;
    int starts = 0;
    SaveQueue saves(
        [&](int action) {
          events.push_back(action);
          if (++starts == 1) {
            for (int request : row.duringFirst) saves.Request(request);
            if (row.held) saves.Hold(true);
            if (row.throws) throw std::runtime_error("disk gone");
          }
          events.push_back(-action);
        },
        [&](std::string_view what) { failure += what; });
    saves.Request(1);
    events.push_back(0);
    saves.Hold(false);
    saves.Request(5);
    EXPECT_EQ(events, row.events);
    EXPECT_EQ(failure, row.throws ? "disk gone" : "");
  }
}

// The registration's box runs a nested loop: a refresh asked for there runs after the
// running one, once, with the binding last asked; held, it waits for the release.
TEST(RefreshTurn, ARefreshAskedForDuringOneRunsAfterItOnceAndAHeldOneAtTheRelease) {
  struct Row {
    std::vector<int> duringFirst;
    bool held;
    std::vector<int> beforeRelease, afterRelease;  // the changed binding of each refresh
  };
  const Row rows[] = {
      {{3, 4}, false, {0, 4}, {0, 4}}, {{}, false, {0}, {0}}, {{5, 6}, true, {0}, {0, 6}}};
  for (const Row& row : rows) {
    std::vector<int> runs;
    RefreshTurn refreshes([&](int changed) {
      runs.push_back(changed);
      if (runs.size() > 1) return;
      if (row.held) refreshes.Hold();
      for (int request : row.duringFirst) refreshes.Request(request);
    });
    refreshes.Request(0);
    EXPECT_EQ(runs, row.beforeRelease);
    refreshes.Release();
    EXPECT_EQ(runs, row.afterRelease);
  }
}

// One box after the registration names every refused binding and who holds it.
TEST(HotkeyFailures, OneBoxNamesEachRefusedBindingItsCombinationAndItsHolder) {
  auto settings = test::MemorySettings::WithActions({{1, "Eins"}, {2, "Zwei"}});
  const std::wstring text =
      RegistrationFailedMessage(
          settings, {{2, {"Strg", "Alt", "F5"}, 0}, {kHotkeyStandard, {"Win", "", "Z"}, 1}})
          .text;
  for (const wchar_t* part :
       {L"Die folgenden Hotkeys", L"Aktion \"Zwei\"  =  Strg + Alt + F5\r\nVermutlich",
        L"Hotkey \"Standardaktion ausführen\"  =  Win + Z\r\nEr gehört in diesem Programm "
        L"schon der Aktion \"Eins\"."}) {
    EXPECT_NE(text.find(part), std::wstring::npos) << part;
  }
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

// By number: of twins by name only the chosen one; a file that takes the new mark but
// not the removal of the old one keeps its Standard action, as one that takes neither.
TEST(StandardChoice, MarksOnlyTheChosenActiveActionUnmarksTheRestAndLeavesDeletedOnesAlone) {
  // actions, chosen, the section the file refuses, the one another program holds, the
  // marked actions once it has let go
  const std::tuple<Actions, int, const char*, const char*, std::vector<int>> rows[] = {
      {{{3, "Doppelt"}, {9, "Doppelt"}, {12, "Anders (Standard)"}}, 3, "", "", {3}},
      {{{1, "E (Standard)"}, {4, "G"}, {6, "G", false}, {7, "A(Standard)", false}},
       4,
       "",
       "",
       {4, 7}},
      {{{1, "E (Standard)"}, {6, "G", false}}, 6, "", "", {1}},
      {{{1, "E (Standard)"}, {4, "G"}}, 4, "Aktion4", "", {1}},
      {{{1, "E (Standard)"}, {4, "G"}}, 4, "Aktion1", "", {1}},
      {{{1, "E (Standard)"}, {4, "G"}}, 4, "", "Aktion1", {1}},
      {{{1, "E (Standard)"}, {4, "G"}}, 4, "", "Aktion4", {1}}};
  for (const auto& [actions, chosen, refused, held, marked] : rows) {
    auto settings = MemorySettings::WithActions(actions);
    settings.refusedSection = refused;
    settings.unreadableSection = held;
    EXPECT_EQ(MakeStandard(chosen, settings).has_value(), *refused || *held) << chosen;
    settings.unreadableSection.clear();
    std::vector<int> markedNow;
    for (int n = 1; n <= kActionCount; ++n) {
      if (IsStandardMarked(settings.Read(ActionSection(n), "Name"))) markedNow.push_back(n);
    }
    EXPECT_EQ(markedNow, marked) << chosen;
  }
}

}  // namespace
}  // namespace qm
