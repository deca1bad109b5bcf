// The HTML writer through Speichern with the real file adapter and the real clipboard,
// compared byte for byte with documents written by hand (tests/win/golden, copied next
// to the test program by the build).
#include <gtest/gtest.h>

#include "tests/win/support/real_save.h"

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
class HtmlDocumentWin : public test::RealSave {
 protected:
  HtmlDocumentWin() : RealSave("[Zeichen]\r\nZeichen=\\/:*?\"<>|\r\n", HtmlOptions()) {}

  void UseMethod(const std::string& aktion) { UseAction(aktion, "Notiz", "HTML"); }
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
