#include "bench/win/markdown_save_latency.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/html_format.h"
#include "bench/support/prose_text.h"
#include "bench/win/save_world.h"
#include "save/markdown_note.h"
#include "save/save_adapters_win.h"
#include "settings/utf8_text.h"

namespace qm::bench {

namespace {

constexpr int kRuns = 7;

struct Passage {
  size_t bytes;
  const char* label;
};
constexpr Passage kPassages[] = {{10 * 1024, "10 KB, a link a paragraph"},
                                 {1024 * 1024, "1 MB, a link a paragraph"}};

// Paragraphs of prose, each with a link, as a page's fragment in UTF-8.
std::string PageFragment(const std::string& prose) {
  constexpr size_t kParagraph = 700;
  std::string fragment = "<h2>Bericht</h2>\n";
  for (size_t at = 0; at < prose.size(); at += kParagraph) {
    fragment += "<p>" + Utf8OfAnsi(prose.substr(at, kParagraph)) + " <a href=\"/seite/" +
                std::to_string(at) + "\">weiter</a></p>\n";
  }
  return fragment;
}

// Action 1 saves a new numbered note in `format`; the note goes again after each save.
class FormatSave : public BenchSave {
 public:
  FormatSave(const std::string& folder, const char* format, const char* extension)
      : BenchSave({{"Aktiviert", "ja"},
                   {"Dateiname", "Notiz"},
                   {"Speicherpfad", folder},
                   {"Aktion", "extradatei"},
                   {"Format", format},
                   {"Url", "nein"},
                   {"Datum", "nein"}}),
        file_(folder + "\\Notiz" + extension) {}

  double RunMs() {
    const double ms = BenchSave::RunMs();
    DeleteOrThrow(file_);
    return ms;
  }

 private:
  std::string file_;
};

// The steps a note adds to a Text save, timed one by one on the same clipboard: the read
// of the text alone (as a Text save reads it), the read of text and page together, and
// the conversion of the page.
class NoteSteps {
 public:
  std::vector<double> textReads, pageReads, conversions;

  // The reader's thread starts with the first read.
  void WarmUp() {
    Measure();
    textReads.clear();
    pageReads.clear();
    conversions.clear();
  }

  void Measure() {
    KeptText text;
    std::string page;
    textReads.push_back(TimedMs([&] { sources_.ClipboardText(text, HtmlTaken::None, page); }));
    pageReads.push_back(TimedMs([&] { sources_.ClipboardText(text, HtmlTaken::Whole, page); }));
    if (page.empty()) throw std::runtime_error("The clipboard holds no page");
    conversions.push_back(TimedMs([&] { MarkdownOfHtmlFormat(page); }));
  }

 private:
  ClipboardReader reader_;
  WinSaveSources sources_{reader_, [] { return false; }};
};

}  // namespace

void PrintMarkdownSaveRow(const std::string& folder, HWND clipboardOwner) {
  std::printf(
      "\nA passage copied in a browser, new file, as Markdown vs. as Text (target 1.3), "
      "medians in ms; of the steps, the text's read alone, text and page read together, and the "
      "page's conversion\n%-26s %5s %10s %10s %6s %8s %8s %8s\n",
      "case", "runs", "Markdown", "Text", "ratio", "read", "+page", "convert");
  for (const Passage& passage : kPassages) {
    const std::string prose = ProseOfSize(passage.bytes);
    PutBrowserCopyOnClipboard(
        clipboardOwner, prose,
        HtmlFormatBlock("<html><body><!--StartFragment-->", PageFragment(prose),
                        "<!--EndFragment--></body></html>", "https://example.org/bericht"));
    FormatSave markdown(folder, "Markdown", ".md");
    FormatSave text(folder, "Text", ".txt");
    markdown.RunMs();
    text.RunMs();
    std::vector<double> notes, texts;
    NoteSteps steps;
    steps.WarmUp();
    for (int run = 0; run < kRuns; ++run) {
      texts.push_back(text.RunMs());
      notes.push_back(markdown.RunMs());
      steps.Measure();
    }
    std::printf("%-26s %5d %10.3f %10.3f %6.2f %8.3f %8.3f %8.3f\n", passage.label, kRuns,
                Median(notes), Median(texts), Median(notes) / Median(texts),
                Median(steps.textReads), Median(steps.pageReads), Median(steps.conversions));
    std::fflush(stdout);
  }
}

}  // namespace qm::bench
