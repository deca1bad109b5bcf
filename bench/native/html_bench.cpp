// What the HTML writer costs on large texts: converting a text full of links and
// extending a large document must both grow linearly with the size. The figures at
// 10 MB (100,000 links) are the ones to compare with the Wine save bench.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "bench/support/linked_text.h"
#include "save/html_document.h"
#include "save/html_links.h"

namespace {

constexpr int64_t kMiB = 1024 * 1024;
// 100,000 links in 10 MB, as many for other sizes.
int64_t LinksIn(int64_t size) { return size * 100'000 / (10 * kMiB); }

const std::string& LinkedText(int64_t size) {
  static std::map<int64_t, std::string> made;
  auto [place, isNew] = made.try_emplace(size);
  if (isNew) {
    place->second =
        qm::bench::TextWithLinks(static_cast<size_t>(size), static_cast<size_t>(LinksIn(size)));
  }
  return place->second;
}

qm::HtmlDocumentParts Parts() {
  qm::HtmlDocumentParts parts;
  parts.title = "Sammlung";
  parts.colours = {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};
  parts.dateTimeText = "06.12.2026 14:05:09";
  parts.separator = "-----";
  return parts;
}

// A same-file document that the texts so far have grown to about `size` bytes.
const std::string& GrownDocument(int64_t size) {
  static std::map<int64_t, std::string> made;
  auto [place, isNew] = made.try_emplace(size);
  if (isNew) place->second = qm::HtmlDocument(LinkedText(size * 4 / 5), Parts()).Whole();
  return place->second;
}

// A new document of the text: the links converted, every copied character escaped.
void BM_NewDocumentOfLinkedText(benchmark::State& state) {
  const std::string& text = LinkedText(state.range(0));
  const qm::HtmlDocumentParts parts = Parts();
  size_t written = 0;
  for (auto _ : state) {
    const qm::HtmlDocumentPieces document = qm::HtmlDocument(text, parts);
    written = document.header.size() + document.entry.size();
    benchmark::DoNotOptimize(document.entry.data());
  }
  state.counters["links"] = static_cast<double>(LinksIn(state.range(0)));
  state.counters["document_bytes"] = static_cast<double>(written);
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NewDocumentOfLinkedText)
    ->Arg(kMiB)
    ->Arg(10 * kMiB)
    ->Arg(40 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Extending: the document as read, the old body out of it, then the pieces of the
// document with one more short entry, as a same-file save writes them.
void BM_ExtendDocument(benchmark::State& state) {
  const std::string& document = GrownDocument(state.range(0));
  const qm::HtmlDocumentParts parts = Parts();
  for (auto _ : state) {
    std::string read = document;  // stands in for reading the file
    qm::HtmlDocumentPieces extended =
        qm::HtmlDocument("Noch ein Text mit http://example.org/neu.", parts);
    extended.oldBody = qm::OldBody(read);
    benchmark::DoNotOptimize(extended.InOrder());
  }
  state.counters["document_bytes"] = static_cast<double>(document.size());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document.size()));
  state.SetComplexityN(static_cast<int64_t>(document.size()));
}
BENCHMARK(BM_ExtendDocument)
    ->Arg(kMiB)
    ->Arg(10 * kMiB)
    ->Arg(40 * kMiB)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Texts that try to make the search go back over what it has seen: a word of "http"
// again and again without a blank, and a line of nothing but short links.
void BM_ConvertAdversarialText(benchmark::State& state) {
  const bool blanks = state.range(1) != 0;
  std::string text;
  while (text.size() < static_cast<size_t>(state.range(0))) text += blanks ? "http " : "http";
  for (auto _ : state) {
    std::string html;
    qm::AppendConvertedLines(html, text);
    benchmark::DoNotOptimize(html.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvertAdversarialText)
    ->Args({10 * kMiB, 0})
    ->Args({10 * kMiB, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
