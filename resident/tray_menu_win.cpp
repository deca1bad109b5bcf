#include "resident/tray_menu_win.h"

#include <utility>

#include "resident/tray_rules.h"
#include "settings/ansi_text.h"
#include "ui/window_win.h"

namespace qm {

namespace {

// A name is shown as typed: an ampersand in it is no mnemonic.
std::wstring MenuText(const std::string& caption) {
  std::wstring text;
  for (wchar_t c : WidenAnsi(caption)) {
    if (c == L'&') text += L'&';
    text += c;
  }
  return text;
}

UINT_PTR CommandOf(MenuGroup group, int index) { return MenuCommandId({group, index}); }

bool AppendItem(HMENU menu, UINT_PTR id, const std::wstring& text, bool checked) {
  return AppendMenuW(menu, MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED), id, text.c_str()) !=
         FALSE;
}

bool AppendEntries(HMENU menu, const std::array<MenuEntry, kActionCount>& entries, MenuGroup group,
                   int firstIndex) {
  for (int i = 0; i < kActionCount; ++i) {
    const MenuEntry& entry = entries[static_cast<size_t>(i)];
    if (entry.shown && !AppendItem(menu, CommandOf(group, firstIndex + i), MenuText(entry.caption),
                                   entry.checked)) {
      return false;
    }
  }
  return true;
}

// Appends a submenu of entries; the parent owns it from then on.
bool AppendSubmenu(HMENU menu, const wchar_t* caption,
                   const std::array<MenuEntry, kActionCount>& entries, MenuGroup group) {
  HMENU submenu = CreatePopupMenu();
  if (!submenu) return false;
  if (!AppendEntries(submenu, entries, group, 0) ||
      !AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption)) {
    DestroyMenu(submenu);
    return false;
  }
  return true;
}

bool AppendActions(HMENU menu, const TrayMenuModel& model) {
  if (!AppendEntries(menu, model.befehl, MenuGroup::Befehl, 1)) return false;
  if (!model.actionsShown) return true;
  return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) &&
         AppendSubmenu(menu, L"&Zugriff auf", model.zugriff, MenuGroup::Zugriff) &&
         AppendSubmenu(menu, L"Als &Standard", model.standard, MenuGroup::Standard);
}

bool AppendCommands(HMENU menu, bool automatic) {
  return AppendItem(menu, CommandOf(MenuGroup::Befehl, kMenuAutomatic), L"&Automatisch sichern",
                    automatic) &&
         AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) &&
         AppendItem(menu, CommandOf(MenuGroup::Befehl, kMenuSettings), L"&Einstellungen", false) &&
         AppendItem(menu, CommandOf(MenuGroup::Befehl, kMenuQuit), L"&Beenden", false);
}

// The whole menu, or null when the system refuses any part of it.
HMENU BuildMenu(const TrayMenuModel& model, bool automatic) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  if (!AppendActions(menu, model) || !AppendCommands(menu, automatic)) {
    DestroyMenu(menu);
    return nullptr;
  }
  return menu;
}

}  // namespace

TrayMenu::TrayMenu() { menu_ = BuildMenu(model_, automatic_); }

TrayMenu::~TrayMenu() {
  if (menu_) DestroyMenu(menu_);
}

bool TrayMenu::Fill(const TrayMenuModel& model) {
  model_ = model;
  // A refresh while the menu is open (a hotkey during the menu's own message loop)
  // must not destroy the menu under the user's mouse: it is rebuilt once it closes.
  if (tracking_) {
    rebuildAfterPopup_ = true;
    return true;
  }
  HMENU menu = BuildMenu(model_, automatic_);
  if (!menu) return false;
  if (menu_) DestroyMenu(menu_);
  menu_ = menu;
  return true;
}

bool TrayMenu::Popup(HWND owner) {
  if (!menu_) return false;
  SetForegroundWindow(owner);
  POINT cursor{};
  tracking_ = true;
  const bool shown = GetCursorPos(&cursor) &&
                     TrackPopupMenu(menu_, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  tracking_ = false;
  // The menu's window has gone; its drawing surface goes with it.
  LetGoOfCachedDrawingSurfaces(owner);
  // Without this message the menu may not close on the next click elsewhere.
  PostMessageW(owner, kMenuClosedMessage, 0, 0);
  if (std::exchange(rebuildAfterPopup_, false)) Fill(model_);
  return shown;
}

std::optional<MenuPick> TrayMenu::Pick(WORD commandId) const {
  return PickFromCommandId(commandId);
}

void TrayMenu::SetAutomaticChecked(bool checked) {
  automatic_ = checked;
  if (menu_) {
    CheckMenuItem(menu_, static_cast<UINT>(CommandOf(MenuGroup::Befehl, kMenuAutomatic)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

}  // namespace qm
