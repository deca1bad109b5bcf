#include "tests/e2e/support/test_world.h"

namespace qm::e2e {

namespace {

std::string ActionSection(int number) { return "Aktion" + std::to_string(number); }

void WriteAction(const ProgramFolder& folder, const TestAction& action, bool enabled,
                 const std::string& name, const std::string& hotkeyKey) {
  const std::string section = ActionSection(action.number);
  folder.Set(section, "Aktiviert", enabled ? "ja" : "nein");
  folder.Set(section, "Name", name);
  std::string file = action.file;
  folder.Set(section, "Dateiname", file.substr(0, file.find('.')));
  folder.Set(section, "Speicherpfad", folder.SaveFolder());
  folder.Set(section, "Aktion", "gleichedatei");
  folder.Set(section, "Format", "Text");
  folder.Set(section, "Url", "nein");
  folder.Set(section, "Datum", "nein");
  folder.Set(section, "HotkeyA", hotkeyKey.empty() ? "" : "Strg");
  folder.Set(section, "HotkeyB", hotkeyKey.empty() ? "" : "Alt");
  folder.Set(section, "HotkeyC", hotkeyKey);
}

void WriteGeneralHotkey(const ProgramFolder& folder, const std::string& which, char key) {
  folder.Set("Hotkeys", "Hotkey" + which + "A", "Strg");
  folder.Set("Hotkeys", "Hotkey" + which + "B", "Alt");
  folder.Set("Hotkeys", "Hotkey" + which + "C", std::string(1, key));
}

}  // namespace

void PrepareSettings(const ProgramFolder& folder) {
  folder.Set("Start", "Splash", "0");
  folder.Set("Optionen", "AutomatischSichern", "nein");
  folder.Set("Optionen", "Beep", "nein");
  folder.Set("Optionen", "Trennzeichen", "=");
  folder.Set("Optionen", "Wiederholung", "5");
  folder.Set("Optionen", "Speicherzeit", std::to_string(kNoticeIntervalMs));
  folder.Set("Optionen", "SpeicherpositionX", std::to_string(kNoticeLeftTwips));
  folder.Set("Optionen", "SpeicherpositionY", std::to_string(kNoticeTopTwips));
  WriteAction(folder, kNotizen, true, std::string(kNotizen.name) + " (Standard)",
              std::string(1, kNotizenKey));
  WriteAction(folder, kZweitens, true, kZweitens.name, std::string(1, kZweitensKey));
  WriteAction(folder, kDrittens, false, kDrittens.name, "");
  WriteAction(folder, kViertens, true, kViertens.name, "");
  WriteGeneralHotkey(folder, "Stan", kStandardKey);
  WriteGeneralHotkey(folder, "Aut", kAutomaticKey);
}

void EnableAutomaticSaving(const ProgramFolder& folder) {
  folder.Set("Optionen", "AutomatischSichern", "ja");
}

std::string SavedEntry(const std::string& text) { return text + "\r\n \r\n=====\r\n \r\n"; }

}  // namespace qm::e2e
