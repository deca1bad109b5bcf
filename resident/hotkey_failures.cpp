#include "resident/hotkey_failures.h"

#include "settings/ansi_text.h"

namespace qm {

namespace {

std::wstring ActionName(const SettingsStore& settings, int number) {
  return L"Aktion \"" + WidenAnsi(settings.Read(ActionSection(number), "Name")) + L"\"";
}

// A binding as the settings window names it: an action by its name, a general hotkey by
// its label on the page "Generelle Hotkeys".
std::wstring BindingName(const SettingsStore& settings, int id) {
  switch (id) {
    case kHotkeyTrayMenu:
      return L"Hotkey \"Aufklappen des Traymenüs\"";
    case kHotkeyAutomatic:
      return L"Hotkey \"\"Automatisch sichern\" aktivieren/deaktivieren\"";
    case kHotkeyStandard:
      return L"Hotkey \"Standardaktion ausführen\"";
    default:
      return ActionName(settings, id);
  }
}

std::wstring Holder(const SettingsStore& settings, int holder) {
  if (holder == 0) {
    return L"Vermutlich wird er schon von einem anderen Programm oder auch dem Betriebssystem "
           L"belegt.";
  }
  const bool action = holder <= kLastActionHotkey;
  return L"Er gehört in diesem Programm schon " + std::wstring(action ? L"der " : L"dem ") +
         BindingName(settings, holder) + L".";
}

}  // namespace

MessageRequest RegistrationFailedMessage(const SettingsStore& settings,
                                         const std::vector<RefusedHotkey>& refused) {
  const bool one = refused.size() == 1;
  std::wstring text = one ? L"Der folgende Hotkey konnte leider nicht registriert werden:"
                          : L"Die folgenden Hotkeys konnten leider nicht registriert werden:";
  for (const RefusedHotkey& binding : refused) {
    text += L"\r\n\r\n" + BindingName(settings, binding.id) + L"  =  " +
            WidenAnsi(CombinationText(binding.hotkey)) + L"\r\n" + Holder(settings, binding.holder);
  }
  text += one ? L"\r\n\r\nWählen Sie einen anderen Hotkey aus."
              : L"\r\n\r\nWählen Sie andere Hotkeys aus.";
  return {L"Hotkey konnte nicht registriert werden", text, MessageIcon::Exclamation,
          MessageButtons::Ok};
}

}  // namespace qm
