#include "resident/hotkey_registry_win.h"

#include <algorithm>
#include <vector>

#include "resident/hotkey_failures.h"

namespace qm {

bool HotkeyRegistry::Erstellehotkey(const HotkeyText& hotkey, int id) {
  const HotkeyCombination combination = CombinationOf(hotkey);
  // Without MOD_NOREPEAT a key held down would save again at every keyboard repeat.
  return RegisterHotKey(window_, id, combination.modifiers | MOD_NOREPEAT,
                        combination.virtualKey) != FALSE;
}

void HotkeyRegistry::RegisterAll(int changed) {
  std::vector<RefusedHotkey> refused;
  for (const int id : AllHotkeyIds(changed)) {
    const HotkeyText hotkey = ReadHotkey(settings_, BindingOf(id));
    if (HasHotkey(hotkey.c) && !Erstellehotkey(hotkey, id)) refused.push_back({id, hotkey, 0});
  }
  if (refused.empty()) return;
  // Only a binding that got its combination holds it.
  for (RefusedHotkey& binding : refused) {
    const int holder = OwnHolder(settings_, binding.id);
    const bool holderRefused = std::any_of(refused.begin(), refused.end(),
                                           [&](const RefusedHotkey& r) { return r.id == holder; });
    binding.holder = holderRefused ? 0 : holder;
  }
  // A blank reads back as empty, so the binding counts as having no hotkey from now on.
  for (const RefusedHotkey& binding : refused) {
    const HotkeyBinding keys = BindingOf(binding.id);
    WriteAll(settings_, keys.section, {{keys.keyA, " "}, {keys.keyB, " "}, {keys.keyC, " "}});
  }
  messages_.Show(RegistrationFailedMessage(settings_, refused));
}

void HotkeyRegistry::UnregisterAll() {
  for (const int id : AllHotkeyIds()) {
    const HotkeyBinding binding = BindingOf(id);
    // Failing for an id that is not registered is harmless and not worth a word.
    if (HasHotkey(settings_.Read(binding.section, binding.keyC))) UnregisterHotKey(window_, id);
  }
}

}  // namespace qm
