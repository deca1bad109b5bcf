// The HTML writer through Speichern with the real file adapter and the real clipboard,
// compared byte for byte with documents written by hand (tests/win/golden, copied next
// to the test program by the build).
#include <gtest/gtest.h>

#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/clipboard_helper.h"
#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::ReadFileBytes;

std::string Golden(const std::string& name) {
  return ReadFileBytes(ProgramFolder() + "\\golden\\" + name + ".html");
}

CurrentOptions HtmlOptions() {
  CurrentOptions options;
  options.txtZeichen = "-";
  options.txtWiederholung = "5";
  options.txtSpeicherzeit = "1500";
  options.txtTextfarbe = "#000000";
  options.txtHintergrundfarbe = "#FFFFFF";
  options.txtLinks = "#0000FF";
  options.txtAlink = "#FF0000";
  options.txtVlink = "#800080";
  return options;
}

// Action 1 writes HTML documents named "Notiz" into `target`, without date or address.
class HtmlDocumentWin : public ::testing::Test {
 protected:
  HtmlDocumentWin() { EXPECT_TRUE(CreateDirectoryA(target.c_str(), nullptr)) << GetLastError(); }

  void UseMethod(const std::string& aktion) {
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"}, {"Name", "Test"},   {"Dateiname", "Notiz"}, {"Speicherpfad", target},
        {"Aktion", aktion},  {"Format", "HTML"}, {"URL", "nein"},        {"Datum", "nein"}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
  }

  void SaveText(const std::string& text) {
    test::SetClipboardText(text);
    WinSaveFiles files;
    WinSaveSources sources(nullptr, [] { return false; });
    SaveContext context{actions, options, settings, files, sources, messages, signals};
    Speichern(1, context);
  }

  std::string Saved(const std::string& name) const { return ReadFileBytes(target + "\\" + name); }

  test::ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const test::ProgramSettingsFile settingsFile{"[Zeichen]\r\nZeichen=\\/:*?\"<>|\r\n"};
  ProfileSettings settings;
  ActionCache actions;
  const CurrentOptions options = HtmlOptions();
  test::RecordingMessageBoxes messages;
  test::RecordingSignals signals;
};

struct GoldenCase {
  const char* golden;
  const char* aktion;
  std::vector<std::string> texts;  // saved one after the other
  const char* document;            // below the target folder
};

void PrintTo(const GoldenCase& golden, std::ostream* out) { *out << golden.golden; }

class HtmlGolden : public HtmlDocumentWin, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(HtmlGolden, DocumentIsByteForByteTheHandWrittenOne) {
  const GoldenCase& golden = GetParam();
  UseMethod(golden.aktion);
  for (const std::string& text : golden.texts) SaveText(text);
  EXPECT_EQ(Saved(golden.document), Golden(golden.golden));
  EXPECT_EQ(signals.notices.size(), golden.texts.size());
}

INSTANTIATE_TEST_SUITE_P(
    Writer, HtmlGolden,
    ::testing::Values(
        GoldenCase{"new_document", "extradatei",
                   {"Erste Zeile\r\nZweite mit <b>fett</b> & \"Zitat\""}, "Notiz.html"},
        GoldenCase{"extension", "gleichedatei", {"eins", "zwei & drei"}, "Notiz.html"},
        GoldenCase{"folder_method",
                   "dateiundordner2",
                   {"Hallo Welt eins", "Hallo Welt zwei", "Hallo Welt drei"},
                   "Hallo Welt\\Notiz1.html"},
        GoldenCase{"link_at_line_end", "extradatei", {"Mehr unter http://example.org/seite"},
                   "Notiz.html"},
        GoldenCase{"link_before_punctuation", "extradatei",
                   {"Siehe http://example.org/a, dann (http://example.org/b). Ende"}, "Notiz.html"},
        GoldenCase{"several_links", "extradatei",
                   {"http://a.example http://b.example und http://c.example"}, "Notiz.html"},
        GoldenCase{"uppercase_http", "extradatei", {"HTTP://EXAMPLE.ORG bleibt Text"},
                   "Notiz.html"},
        GoldenCase{"blank_line", "extradatei", {"vor\r\n \r\nnach"}, "Notiz.html"},
        GoldenCase{"empty_line", "extradatei", {"vor\r\n\r\nnach"}, "Notiz.html"},
        GoldenCase{"trailing_line_break", "extradatei", {"Zeile\r\n"}, "Notiz.html"}),
    [](const auto& info) { return std::string(info.param.golden); });

}  // namespace
}  // namespace qm
