#include "resident/hotkey_registry_win.h"

#include "settings/hotkeys.h"

namespace qm {

namespace {

MessageRequest RegistrationFailedMessage() {
  return {L"Hotkey konnte nicht registriert werden",
          L"Der von Ihnen angegebene Hotkey konnte leider nicht registriert werden.\r\n"
          L"Vermutlich wird er schon von einem anderen Programm oder auch dem\r\n"
          L"Betriebssystem belegt. Wählen Sie einen anderen Hotkey aus.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace

void HotkeyRegistry::Erstellehotkey(const std::string& a, const std::string& b,
                                    const std::string& c, int id) {
  if (!IsHotkeyId(id) || !HasHotkey(c)) return;
  const HotkeyCombination combination = CombinationOf({a, b, c});
  // Without MOD_NOREPEAT a key held down would save again at every keyboard repeat.
  if (!RegisterHotKey(window_, id, combination.modifiers | MOD_NOREPEAT, combination.virtualKey)) {
    ReportFailure(id);
  }
}

void HotkeyRegistry::ReportFailure(int id) {
  messages_.Show(RegistrationFailedMessage());
  // A blank reads back as empty, so the binding counts as having no hotkey from now on.
  const HotkeyBinding binding = BindingOf(id);
  for (const std::string& key : {binding.keyA, binding.keyB, binding.keyC}) {
    settings_.Write(binding.section, key, " ");
  }
}

void HotkeyRegistry::RegisterAll() {
  for (const int id : AllHotkeyIds()) {
    const HotkeyText hotkey = ReadHotkey(settings_, BindingOf(id));
    if (HasHotkey(hotkey.c)) Erstellehotkey(hotkey.a, hotkey.b, hotkey.c, id);
  }
}

void HotkeyRegistry::UnregisterAll() {
  for (const int id : AllHotkeyIds()) {
    const HotkeyBinding binding = BindingOf(id);
    // Failing for an id that is not registered is harmless and not worth a word.
    if (HasHotkey(settings_.Read(binding.section, binding.keyC))) UnregisterHotKey(window_, id);
  }
}

void HotkeyRegistry::UnregisterActions() {
  for (int id = kFirstActionHotkey; id <= kLastActionHotkey; ++id) UnregisterHotKey(window_, id);
}

}  // namespace qm
