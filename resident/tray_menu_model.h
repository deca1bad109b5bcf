#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/action_cache.h"
#include "settings/settings_store.h"

namespace qm {

// The three groups of tray-menu items, each run by its own deferred timer: zBefehl
// (the actions and the program commands), ZugBefehl ("&Zugriff auf") and StanBefehl
// ("Als &Standard").
enum class MenuGroup { Befehl, Zugriff, Standard };

// A picked item: its group and its index in that group. zBefehl indices are 1 to 20
// for the actions and the commands below; the submenus' indices are 0 to 19, index i
// belonging to action i + 1.
struct MenuPick {
  MenuGroup group;
  int index;

  bool operator==(const MenuPick&) const = default;
};

inline constexpr int kMenuAutomatic = 25;  // "&Automatisch sichern"
inline constexpr int kMenuSettings = 27;   // "&Einstellungen"
inline constexpr int kMenuQuit = 28;       // "&Beenden"

// The menu's command id of an item and back; ids that are no item give nothing.
unsigned MenuCommandId(MenuPick pick);
std::optional<MenuPick> PickFromCommandId(unsigned commandId);

// One item of an action: whether it is shown, its caption (ANSI, as the name is
// stored) and its check mark.
struct MenuEntry {
  bool shown = false;
  std::string caption;
  bool checked = false;

  bool operator==(const MenuEntry&) const = default;
};

// What the menu shows of the actions; the fixed items are always there.
struct TrayMenuModel {
  std::array<MenuEntry, kActionCount> befehl{};    // zBefehl 1 to 20 at [n - 1]
  std::array<MenuEntry, kActionCount> zugriff{};   // ZugBefehl 0 to 19
  std::array<MenuEntry, kActionCount> standard{};  // StanBefehl 0 to 19
  bool actionsShown = false;                       // the separator and both submenus
};

// The menu after a refresh: every active action shows its item and its two submenu
// items; the action item and the Standard item carry the plain name and are checked
// for a marked (Standard) action, the access item carries the stored name. Actions
// that are not active show nothing, so a deleted action has left the menu.
TrayMenuModel BuildTrayMenuModel(const ActionCache& cache, const SettingsStore& settings);

}  // namespace qm
