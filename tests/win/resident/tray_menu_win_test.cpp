#include "resident/tray_menu_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resident/tray_rules.h"
#include "tests/win/support/hidden_window.h"

namespace qm {
namespace {

using ::testing::ElementsAre;

// One item as the system's menu holds it.
struct Item {
  std::wstring text;  // "-" for a separator
  bool checked;
  UINT id;
  HMENU submenu;
};

std::vector<Item> Items(HMENU menu) {
  std::vector<Item> items;
  const int count = GetMenuItemCount(menu);
  EXPECT_GE(count, 0);
  for (int position = 0; position < count; ++position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) << position;
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    items.push_back({separator ? L"-" : text, (info.fState & MFS_CHECKED) != 0, info.wID, info.hSubMenu});
  }
  return items;
}

std::vector<std::wstring> Captions(HMENU menu) {
  std::vector<std::wstring> captions;
  for (const Item& item : Items(menu)) captions.push_back(item.text);
  return captions;
}

std::vector<std::wstring> CheckedCaptions(HMENU menu) {
  std::vector<std::wstring> checked;
  for (const Item& item : Items(menu)) {
    if (item.checked) checked.push_back(item.text);
  }
  return checked;
}

HMENU Submenu(HMENU menu, const std::wstring& caption) {
  for (const Item& item : Items(menu)) {
    if (item.text == caption) return item.submenu;
  }
  ADD_FAILURE() << "no item " << testing::PrintToString(caption);
  return nullptr;
}

// Action n shown with `name` stored, marked or not, as the refresh's model gives it.
void ShowAction(TrayMenuModel& model, int number, const std::string& plain, bool standard) {
  const auto slot = static_cast<size_t>(number - 1);
  model.befehl[slot] = {true, plain, standard};
  model.standard[slot] = {true, plain, standard};
  model.zugriff[slot] = {true, standard ? plain + " (Standard)" : plain, false};
  model.actionsShown = true;
}

TrayMenuModel ThreeActions() {
  TrayMenuModel model;
  ShowAction(model, 2, "Notizen", true);
  ShowAction(model, 5, "B\xFCro & Haus", false);  // CP1252: ü
  ShowAction(model, 20, "Zitate", false);
  return model;
}

TEST(TrayMenuTest, WithoutActionsOnlyTheProgramCommandsAreThere) {
  TrayMenu menu;
  ASSERT_NE(menu.Handle(), nullptr);
  EXPECT_THAT(Captions(menu.Handle()), ElementsAre(L"&Automatisch sichern", L"-", L"&Einstellungen", L"&Beenden"));
  ASSERT_TRUE(menu.Fill(TrayMenuModel{}));
  EXPECT_THAT(Captions(menu.Handle()), ElementsAre(L"&Automatisch sichern", L"-", L"&Einstellungen", L"&Beenden"));
}

TEST(TrayMenuTest, FillShowsTheActionsInOrderWithTheirSubmenus) {
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  EXPECT_THAT(Captions(menu.Handle()),
              ElementsAre(L"Notizen", L"Büro && Haus", L"Zitate", L"-", L"&Zugriff auf", L"Als &Standard",
                          L"&Automatisch sichern", L"-", L"&Einstellungen", L"&Beenden"));
  EXPECT_THAT(CheckedCaptions(menu.Handle()), ElementsAre(L"Notizen"));

  HMENU access = Submenu(menu.Handle(), L"&Zugriff auf");
  EXPECT_THAT(Captions(access), ElementsAre(L"Notizen (Standard)", L"Büro && Haus", L"Zitate"));
  EXPECT_THAT(CheckedCaptions(access), ElementsAre());

  HMENU standard = Submenu(menu.Handle(), L"Als &Standard");
  EXPECT_THAT(Captions(standard), ElementsAre(L"Notizen", L"Büro && Haus", L"Zitate"));
  EXPECT_THAT(CheckedCaptions(standard), ElementsAre(L"Notizen"));
}

TEST(TrayMenuTest, RefillDropsActionsNoLongerShown) {
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  TrayMenuModel fewer;
  ShowAction(fewer, 20, "Zitate", true);
  ASSERT_TRUE(menu.Fill(fewer));
  EXPECT_THAT(Captions(menu.Handle()), ElementsAre(L"Zitate", L"-", L"&Zugriff auf", L"Als &Standard",
                                                   L"&Automatisch sichern", L"-", L"&Einstellungen", L"&Beenden"));
  EXPECT_THAT(Captions(Submenu(menu.Handle(), L"Als &Standard")), ElementsAre(L"Zitate"));
  EXPECT_EQ(menu.StandardCaption(19), "Zitate");
  EXPECT_EQ(menu.StandardCaption(1), "") << "action 2 has left the menu";
}

TEST(TrayMenuTest, PickTellsGroupAndIndexOfEveryItem) {
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  std::vector<MenuPick> picks;
  for (const Item& item : Items(menu.Handle())) {
    if (item.text == L"-") continue;
    for (const Item& sub : item.submenu ? Items(item.submenu) : std::vector<Item>{item}) {
      const auto pick = menu.Pick(static_cast<WORD>(sub.id));
      ASSERT_TRUE(pick.has_value()) << testing::PrintToString(sub.text);
      picks.push_back(*pick);
    }
  }
  using G = MenuGroup;
  EXPECT_THAT(picks, ElementsAre(MenuPick{G::Befehl, 2}, MenuPick{G::Befehl, 5}, MenuPick{G::Befehl, 20},
                                 MenuPick{G::Zugriff, 1}, MenuPick{G::Zugriff, 4}, MenuPick{G::Zugriff, 19},
                                 MenuPick{G::Standard, 1}, MenuPick{G::Standard, 4}, MenuPick{G::Standard, 19},
                                 MenuPick{G::Befehl, kMenuAutomatic}, MenuPick{G::Befehl, kMenuSettings},
                                 MenuPick{G::Befehl, kMenuQuit}));
  EXPECT_FALSE(menu.Pick(0).has_value()) << "a menu closed without a pick";
}

TEST(TrayMenuTest, AutomaticCheckMarkSurvivesARefill) {
  TrayMenu menu;
  menu.SetAutomaticChecked(true);
  EXPECT_THAT(CheckedCaptions(menu.Handle()), ElementsAre(L"&Automatisch sichern"));
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  EXPECT_TRUE(menu.AutomaticChecked());
  EXPECT_THAT(CheckedCaptions(menu.Handle()), ElementsAre(L"Notizen", L"&Automatisch sichern"));
  menu.SetAutomaticChecked(false);
  EXPECT_FALSE(menu.AutomaticChecked());
  EXPECT_THAT(CheckedCaptions(menu.Handle()), ElementsAre(L"Notizen"));
}

// The menu's own message loop runs the test thread's timers: this one does what the
// test asks while the menu is open, then answers the menu with keys, as a user would.
struct WhileOpen {
  std::function<void()> action;
  std::vector<WPARAM> keys;
  HWND owner = nullptr;
};
WhileOpen gWhileOpen;

void CALLBACK ActOnTheOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (gWhileOpen.action) gWhileOpen.action();
  for (WPARAM key : gWhileOpen.keys) PostMessageW(gWhileOpen.owner, WM_KEYDOWN, key, 0);
}

// Pops the menu up, runs `action` and lets `keys` reach it while it is open, and
// returns the messages it left for the owner once it had closed.
std::vector<MSG> PopupAnswered(TrayMenu& menu, HWND owner, std::vector<WPARAM> keys,
                               std::function<void()> action = {}) {
  gWhileOpen = {std::move(action), std::move(keys), owner};
  EXPECT_NE(SetTimer(nullptr, 0, 200, ActOnTheOpenMenu), 0u);
  EXPECT_TRUE(menu.Popup(owner));
  std::vector<MSG> left;
  MSG message;
  while (PeekMessageW(&message, owner, 0, 0, PM_REMOVE)) {
    if (message.message == WM_COMMAND || message.message == kMenuClosedMessage) left.push_back(message);
  }
  return left;
}

TEST(TrayMenuPopupTest, AClosedMenuPostsOnlyTheClosingMessage) {
  test::HiddenWindow owner;
  TrayMenu menu;
  const std::vector<MSG> left = PopupAnswered(menu, owner.Handle(), {VK_ESCAPE});
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].message, kMenuClosedMessage);
}

TEST(TrayMenuPopupTest, APickReachesTheOwnerAsItsCommand) {
  test::HiddenWindow owner;
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  const std::vector<MSG> left = PopupAnswered(menu, owner.Handle(), {VK_DOWN, VK_DOWN, VK_RETURN});
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(menu.Pick(LOWORD(left[0].wParam)), (MenuPick{MenuGroup::Befehl, 5}));
  EXPECT_EQ(left[1].message, kMenuClosedMessage);
}

TEST(TrayMenuPopupTest, ARefillWhileOpenWaitsUntilTheMenuHasClosed) {
  test::HiddenWindow owner;
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(ThreeActions()));
  const HMENU open = menu.Handle();
  TrayMenuModel fewer;
  ShowAction(fewer, 20, "Zitate", true);
  bool keptWhileOpen = false;
  PopupAnswered(menu, owner.Handle(), {VK_ESCAPE}, [&] {
    EXPECT_TRUE(menu.Fill(fewer));
    keptWhileOpen = menu.Handle() == open && GetMenuItemCount(open) == 10;
  });
  EXPECT_TRUE(keptWhileOpen) << "the open menu was changed under the mouse";
  EXPECT_THAT(Captions(menu.Handle()), ElementsAre(L"Zitate", L"-", L"&Zugriff auf", L"Als &Standard",
                                                   L"&Automatisch sichern", L"-", L"&Einstellungen", L"&Beenden"));
  EXPECT_EQ(menu.StandardCaption(1), "") << "the new model counts at once";
}

}  // namespace
}  // namespace qm
