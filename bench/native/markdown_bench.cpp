// What the Markdown conversion of a copied page costs: a 5 MB fragment of the kind a
// browser copies (headings, paragraphs with links and emphasis, lists, a table, code),
// against one pass that copies the fragment's text out of its tags, the least any
// conversion must do. The counter ratio_to_text_copy is the figure to watch; the aim
// is at most 2. The same for 5 MB of prose with a link a paragraph, where the text
// itself is the work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "bench/support/prose_text.h"
#include "save/markdown_note.h"
#include "settings/utf8_text.h"

namespace {

constexpr size_t kFragmentSize = 5 * 1024 * 1024;

const std::string& PageFragment() {
  static const std::string fragment = [] {
    const std::string section =
        "<h2><span class=\"mw-headline\" id=\"Geschichte\">Geschichte</span></h2>\n"
        "<p>Die Stadt <b>Krak\xC3\xB3w</b> erhielt 1257 das <a href=\"/wiki/Magdeburger_Recht\" "
        "title=\"Magdeburger Recht\">Magdeburger Recht</a> und war bis 1596 <i>Residenzstadt</i> "
        "der polnischen K\xC3\xB6nige.<sup class=\"reference\"><a href=\"#cite_note-1\">[1]</a>"
        "</sup> Heute z\xC3\xA4hlt sie &amp; ihr Umland rund 800&nbsp;000 Einwohner.</p>\n"
        "<ul><li>Wawel</li><li>Rynek <a href=\"../G%C5%82%C3%B3wny\">G\xC5\x82\xC3\xB3wny</a>"
        "<ul><li>Tuchhallen</li></ul></li></ul>\n"
        "<table><tr><th>Jahr</th><th>Einwohner</th></tr><tr><td>1900</td><td>85 000</td></tr>"
        "<tr><td>2020</td><td>780 000</td></tr></table>\n"
        "<pre><code class=\"language-python\">print(\"Krak\xC3\xB3w\")\nif a &lt; b: pass"
        "</code></pre>\n<p>Mit <code>x | y</code> und <em>mehr</em>.</p>\n";
    std::string page;
    while (page.size() < kFragmentSize) page += section;
    return page;
  }();
  return fragment;
}

const std::string& ProseFragment() {
  static const std::string fragment = [] {
    constexpr size_t kParagraph = 700;
    const std::string prose = qm::Utf8OfAnsi(qm::bench::ProseOfSize(kFragmentSize));
    std::string paragraphs;
    for (size_t at = 0; at < prose.size(); at += kParagraph) {
      paragraphs += "<p>" + prose.substr(at, kParagraph) + " <a href=\"/seite/" +
                    std::to_string(at) + "\">weiter</a></p>\n";
    }
    return paragraphs;
  }();
  return fragment;
}

// The text outside the tags, copied once.
std::string TextOutsideTags(const std::string& html) {
  std::string text;
  text.reserve(html.size());
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag) {
      text.push_back(c);
    }
  }
  return text;
}

double SecondsOf(auto work) {
  double fastest = 1e9;
  for (int round = 0; round < 5; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    fastest = std::min(
        fastest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return fastest;
}

void MeasureConversion(benchmark::State& state, const std::string& fragment) {
  const double copy =
      SecondsOf([&] { benchmark::DoNotOptimize(TextOutsideTags(fragment).data()); });
  // Both sides by their fastest run: on a shared machine the others only add time.
  double converting = 1e9;
  size_t noteBytes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const qm::MarkdownNote note = qm::MarkdownOfHtml(fragment, "https://de.wikipedia.org/wiki/X");
    converting =
        std::min(converting,
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    noteBytes = note.markdown.size();
    benchmark::DoNotOptimize(note.markdown.data());
  }
  state.counters["note_bytes"] = static_cast<double>(noteBytes);
  state.counters["text_copy_ms"] = copy * 1000;
  state.counters["convert_ms"] = converting * 1000;
  state.counters["ratio_to_text_copy"] = converting / copy;
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fragment.size()));
}

void BM_MarkdownOfPageFragment(benchmark::State& state) {
  MeasureConversion(state, PageFragment());
}
BENCHMARK(BM_MarkdownOfPageFragment)->Unit(benchmark::kMillisecond);

void BM_MarkdownOfProse(benchmark::State& state) { MeasureConversion(state, ProseFragment()); }
BENCHMARK(BM_MarkdownOfProse)->Unit(benchmark::kMillisecond);

}  // namespace
