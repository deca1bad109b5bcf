#include "resident/tray_menu_model.h"

#include "settings/action_record.h"

namespace qm {

namespace {

// Each group has its own block of ids, so an id tells its group and index apart.
constexpr unsigned kBefehlBase = 100;
constexpr unsigned kZugriffBase = 200;
constexpr unsigned kStandardBase = 300;

unsigned GroupBase(MenuGroup group) {
  switch (group) {
    case MenuGroup::Zugriff:
      return kZugriffBase;
    case MenuGroup::Standard:
      return kStandardBase;
    case MenuGroup::Befehl:
      break;
  }
  return kBefehlBase;
}

bool IsItemIndex(MenuPick pick) {
  if (pick.group != MenuGroup::Befehl) return pick.index >= 0 && pick.index < kActionCount;
  return (pick.index >= 1 && pick.index <= kActionCount) || pick.index == kMenuAutomatic ||
         pick.index == kMenuSettings || pick.index == kMenuQuit;
}

}  // namespace

unsigned MenuCommandId(MenuPick pick) {
  return GroupBase(pick.group) + static_cast<unsigned>(pick.index);
}

std::optional<MenuPick> PickFromCommandId(unsigned commandId) {
  if (commandId < kBefehlBase) return std::nullopt;
  const MenuGroup group = commandId >= kStandardBase  ? MenuGroup::Standard
                          : commandId >= kZugriffBase ? MenuGroup::Zugriff
                                                      : MenuGroup::Befehl;
  const MenuPick pick{group, static_cast<int>(commandId - GroupBase(group))};
  if (!IsItemIndex(pick)) return std::nullopt;
  return pick;
}

TrayMenuModel BuildTrayMenuModel(const ActionCache& cache, const SettingsStore& settings) {
  TrayMenuModel model;
  for (int n = 1; n <= kActionCount; ++n) {
    if (settings.Read(ActionSection(n), "Aktiviert") != "ja") continue;
    const std::string& name = cache.Record(n).Name;
    const bool marked = IsStandardMarked(name);
    const std::string plain = marked ? PlainName(name) : name;
    const auto slot = static_cast<size_t>(n - 1);
    model.befehl[slot] = {true, plain, marked};
    model.standard[slot] = {true, plain, marked};
    model.zugriff[slot] = {true, name, false};
    model.actionsShown = true;
  }
  return model;
}

}  // namespace qm
