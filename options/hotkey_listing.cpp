#include "options/hotkey_listing.h"

#include "settings/action_cache.h"
#include "settings/ansi_text.h"
#include "settings/hotkeys.h"

namespace qm {

namespace {

std::wstring Paragraph(const std::wstring& name, const std::string& combination) {
  return name + L"  =  " + WidenAnsi(combination) + L"\r\n\r\n";
}

}  // namespace

std::wstring HotkeyListing(const SettingsStore& settings) {
  std::wstring text = L"\r\n";
  for (int n = kFirstActionHotkey; n <= kLastActionHotkey; ++n) {
    if (settings.Read(ActionSection(n), "Aktiviert") != "ja") continue;
    const HotkeyText hotkey = ReadHotkey(settings, BindingOf(n));
    if (!HasHotkey(hotkey.c)) continue;
    text += Paragraph(WidenAnsi(settings.Read(ActionSection(n), "Name")), CombinationText(hotkey));
  }
  struct General {
    int id;
    const wchar_t* name;
  };
  for (const General& general : {General{kHotkeyTrayMenu, L"Traymenü aufrufen"},
                                 General{kHotkeyAutomatic, L"Automatisch sichern de-/aktivieren"},
                                 General{kHotkeyStandard, L"Standardaktion ausführen"}}) {
    text += Paragraph(general.name, CombinationText(ReadHotkey(settings, BindingOf(general.id))));
  }
  return text;
}

}  // namespace qm
