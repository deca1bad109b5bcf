#include "tests/native/support/save_bench.h"

namespace qm::test {

SaveBench::SaveBench() {
  files.folders = {"C:\\", "C:\\Texte", "C:\\Temp"};
  settings.Write("Zeichen", "Zeichen", "\\/:*?\"<>|");
  settings.Write("Start", "TempPfad", "C:\\Temp\\");
  options.txtZeichen = "-";
  options.txtWiederholung = "5";
  options.txtSpeicherzeit = "1500";
  const std::string section = ActionSection(1);
  settings.Write(section, "Aktiviert", "ja");
  settings.Write(section, "Name", "Notizen (Standard)");
  settings.Write(section, "Dateiname", "Notiz");
  settings.Write(section, "Speicherpfad", "C:\\Texte");
  settings.Write(section, "Aktion", "extradatei");
  settings.Write(section, "Format", "Text");
  settings.Write(section, "Url", "nein");
  settings.Write(section, "Datum", "nein");
  actions.Refresh(settings);
}

void SaveBench::SetAction(std::string_view key, std::string_view value, int number) {
  settings.Write(ActionSection(number), key, value);
  actions.Refresh(settings);
}

void SaveBench::Save(int number) {
  SaveContext context{actions, options, settings, files, sources, messages, signals};
  Speichern(number, context);
}

}  // namespace qm::test
