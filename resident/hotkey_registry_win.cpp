#include "resident/hotkey_registry_win.h"

#include "settings/ansi_text.h"
#include "settings/hotkeys.h"

namespace qm {

namespace {

// Who holds a combination, as the settings window names it: the action by its name, a
// general hotkey by its label on the page "Generelle Hotkeys".
std::wstring HolderText(const SettingsStore& settings, int holder) {
  switch (holder) {
    case kHotkeyTrayMenu:
      return L"dem Hotkey \"Aufklappen des Traymenüs\"";
    case kHotkeyAutomatic:
      return L"dem Hotkey \"\"Automatisch sichern\" aktivieren/deaktivieren\"";
    case kHotkeyStandard:
      return L"dem Hotkey \"Standardaktion ausführen\"";
    default:
      return L"der Aktion \"" + WidenAnsi(settings.Read(ActionSection(holder), "Name")) + L"\"";
  }
}

MessageRequest RegistrationFailedMessage(const SettingsStore& settings, int holder) {
  const std::wstring who =
      holder == 0 ? L"Vermutlich wird er schon von einem anderen Programm oder auch dem\r\n"
                    L"Betriebssystem belegt."
                  : L"Er gehört in diesem Programm schon " + HolderText(settings, holder) + L".";
  return {L"Hotkey konnte nicht registriert werden",
          L"Der von Ihnen angegebene Hotkey konnte leider nicht registriert werden.\r\n" + who +
              L" Wählen Sie einen anderen Hotkey aus.",
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
  messages_.Show(RegistrationFailedMessage(settings_, OwnHolder(settings_, id)));
  // A blank reads back as empty, so the binding counts as having no hotkey from now on.
  const HotkeyBinding binding = BindingOf(id);
  for (const std::string& key : {binding.keyA, binding.keyB, binding.keyC}) {
    settings_.Write(binding.section, key, " ");
  }
}

void HotkeyRegistry::RegisterAll(int changed) {
  for (const int id : AllHotkeyIds(changed)) {
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
