#include "options/hotkey_listing.h"

#include "settings/action_cache.h"
#include "settings/ansi_text.h"
#include "settings/hotkeys.h"

namespace qm {

namespace {

// A part the file does not hold counts as empty, as it does for the registration.
std::string Part(const std::string& stored) {
  return stored == kMissingEntry ? std::string() : stored;
}

std::string Combination(const HotkeyText& hotkey) {
  std::string text;
  for (const std::string& modifier : {Part(hotkey.a), Part(hotkey.b)}) {
    if (!modifier.empty()) text += modifier + " + ";
  }
  return text + Part(hotkey.c);
}

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
    text += Paragraph(WidenAnsi(settings.Read(ActionSection(n), "Name")), Combination(hotkey));
  }
  struct General {
    int id;
    const wchar_t* name;
  };
  for (const General& general : {General{kHotkeyTrayMenu, L"Traymenü aufrufen"},
                                 General{kHotkeyAutomatic, L"Automatisch sichern de-/aktivieren"},
                                 General{kHotkeyStandard, L"Standardaktion ausführen"}}) {
    text += Paragraph(general.name, Combination(ReadHotkey(settings, BindingOf(general.id))));
  }
  return text;
}

}  // namespace qm
