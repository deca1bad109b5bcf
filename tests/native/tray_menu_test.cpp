#include "resident/tray_menu_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "resident/standard_choice.h"
#include "tests/native/support/action_sections.h"

namespace qm {
namespace {

class TrayMenuTest : public ::testing::Test {
 protected:
  TrayMenuModel Model() {
    cache.Refresh(settings);
    return BuildTrayMenuModel(cache, settings);
  }

  std::string StoredName(int number) const { return settings.Read(ActionSection(number), "Name"); }

  // Action numbers whose stored name carries the standard mark.
  std::vector<int> MarkedActions() const {
    std::vector<int> marked;
    for (int n = 1; n <= kActionCount; ++n) {
      if (IsStandardMarked(StoredName(n))) marked.push_back(n);
    }
    return marked;
  }

  test::FakeSettings settings;
  ActionCache cache;
};

TEST_F(TrayMenuTest, WithoutActiveActionsOnlyTheFixedItemsRemain) {
  test::WriteAction(settings, 1, "Geloescht", false);
  const TrayMenuModel model = Model();
  EXPECT_FALSE(model.actionsShown);
  for (int i = 0; i < kActionCount; ++i) {
    EXPECT_FALSE(model.befehl[i].shown || model.zugriff[i].shown || model.standard[i].shown) << i;
  }
}

TEST_F(TrayMenuTest, ActionItemsShowThePlainNameAndTheAccessItemTheStoredName) {
  test::WriteAction(settings, 2, "Notizen (Standard)");
  test::WriteAction(settings, 20, "Zitate");
  const TrayMenuModel model = Model();
  EXPECT_TRUE(model.actionsShown);

  EXPECT_EQ(model.befehl[1], (MenuEntry{true, "Notizen", true}));
  EXPECT_EQ(model.standard[1], (MenuEntry{true, "Notizen", true}));
  EXPECT_EQ(model.zugriff[1], (MenuEntry{true, "Notizen (Standard)", false}));

  EXPECT_EQ(model.befehl[19], (MenuEntry{true, "Zitate", false}));
  EXPECT_EQ(model.standard[19], (MenuEntry{true, "Zitate", false}));
  EXPECT_EQ(model.zugriff[19], (MenuEntry{true, "Zitate", false}));
  EXPECT_FALSE(model.befehl[0].shown);
}

TEST_F(TrayMenuTest, DeletedActionLeavesTheMenuThoughTheCacheKeepsIt) {
  test::WriteAction(settings, 4, "Alt");
  test::WriteAction(settings, 5, "Bleibt");
  Model();
  test::WriteAction(settings, 4, "Alt", false);
  const TrayMenuModel model = Model();
  ASSERT_EQ(cache.Record(4).Name, "Alt");
  EXPECT_FALSE(model.befehl[3].shown || model.zugriff[3].shown || model.standard[3].shown);
  EXPECT_TRUE(model.befehl[4].shown);
}

TEST_F(TrayMenuTest, EveryMarkedActionIsChecked) {
  test::WriteAction(settings, 3, "Doppelt (Standard)");
  test::WriteAction(settings, 7, "Doppelt (Standard)");
  test::WriteAction(settings, 8, "Doppelt");
  const TrayMenuModel model = Model();
  for (int i : {2, 6}) EXPECT_TRUE(model.befehl[i].checked && model.standard[i].checked) << i;
  EXPECT_FALSE(model.befehl[7].checked || model.standard[7].checked);
}

TEST(MenuCommandIdTest, EveryItemMapsBackToItsGroupAndIndex) {
  std::vector<MenuPick> items;
  for (int n = 1; n <= kActionCount; ++n) items.push_back({MenuGroup::Befehl, n});
  for (int index : {kMenuAutomatic, kMenuSettings, kMenuQuit}) items.push_back({MenuGroup::Befehl, index});
  for (int i = 0; i < kActionCount; ++i) {
    items.push_back({MenuGroup::Zugriff, i});
    items.push_back({MenuGroup::Standard, i});
  }
  std::set<unsigned> ids;
  for (const MenuPick& item : items) {
    const unsigned id = MenuCommandId(item);
    EXPECT_NE(id, 0u) << "id 0 is what a closed menu reports";
    EXPECT_TRUE(ids.insert(id).second) << "id " << id << " is given twice";
    EXPECT_EQ(PickFromCommandId(id), item) << "id " << id;
  }
}

TEST(MenuCommandIdTest, IdsOfNoItemPickNothing) {
  for (MenuPick none : {MenuPick{MenuGroup::Befehl, 21}, MenuPick{MenuGroup::Befehl, 26},
                        MenuPick{MenuGroup::Zugriff, kActionCount}, MenuPick{MenuGroup::Standard, kActionCount}}) {
    EXPECT_EQ(PickFromCommandId(MenuCommandId(none)), std::nullopt) << MenuCommandId(none);
  }
  EXPECT_EQ(PickFromCommandId(0), std::nullopt);
  EXPECT_EQ(PickFromCommandId(0xFFFF), std::nullopt);
}

TEST_F(TrayMenuTest, MakeStandardOnTheStandardActionKeepsOneMark) {
  test::WriteAction(settings, 2, "Zwei (Standard)");
  EXPECT_EQ(MakeStandard("Zwei", settings), 2);
  EXPECT_EQ(StoredName(2), "Zwei (Standard)");
}

TEST_F(TrayMenuTest, MakeStandardMarksEveryActionOfThatName) {
  test::WriteAction(settings, 3, "Doppelt");
  test::WriteAction(settings, 9, "Doppelt");
  test::WriteAction(settings, 12, "Anders (Standard)");
  EXPECT_EQ(MakeStandard("Doppelt", settings), 9) << "the highest match becomes txtStandard";
  EXPECT_EQ(MarkedActions(), (std::vector<int>{3, 9}));
  EXPECT_EQ(StoredName(12), "Anders");
}

TEST_F(TrayMenuTest, MakeStandardLeavesDeletedActionsAlone) {
  test::WriteAction(settings, 1, "Eins (Standard)");
  test::WriteAction(settings, 4, "Gewaehlt");
  test::WriteAction(settings, 6, "Gewaehlt", false);
  test::WriteAction(settings, 7, "Alt (Standard)", false);
  EXPECT_EQ(MakeStandard("Gewaehlt", settings), 4);
  EXPECT_EQ(MarkedActions(), (std::vector<int>{4, 7}));
  EXPECT_EQ(StoredName(6), "Gewaehlt");
}

TEST_F(TrayMenuTest, MakeStandardThenRefreshChecksTheNewStandard) {
  test::WriteAction(settings, 2, "Zwei (Standard)");
  test::WriteAction(settings, 5, "Fuenf");
  const TrayMenuModel before = Model();
  MakeStandard(before.standard[4].caption, settings);
  const TrayMenuModel after = Model();
  EXPECT_EQ(cache.StandardAction(), 5);
  EXPECT_EQ(after.befehl[1], (MenuEntry{true, "Zwei", false}));
  EXPECT_EQ(after.befehl[4], (MenuEntry{true, "Fuenf", true}));
  EXPECT_EQ(after.standard[4], (MenuEntry{true, "Fuenf", true}));
  EXPECT_EQ(after.zugriff[4].caption, "Fuenf (Standard)");
}

}  // namespace
}  // namespace qm
