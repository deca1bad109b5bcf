// What the save rules cost on clipboard texts from a note to a whole log file. Naming
// and building an entry must not depend on the text's size; stripping characters must
// grow linearly with it. Run: build/bench/qm_rules_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "bench/support/non_latin_text.h"
#include "bench/support/prose_text.h"
#include "save/file_encoding.h"
#include "save/first_words.h"
#include "save/safe_name.h"
#include "save/strip_out.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace {

constexpr int64_t kKiB = 1024;
constexpr int64_t kMiB = 1024 * kKiB;

// The characters the delivered settings file strips from names (key "Zeichen").
constexpr std::string_view kDeliveredZeichen = "\\/:*?\"<>|%#";

// Texts are made once per size and kept: making 50 MB is not what is measured.
const std::string& Prose(int64_t size) {
  static std::map<int64_t, std::string> made;
  auto [place, isNew] = made.try_emplace(size);
  if (isNew) place->second = qm::bench::ProseOfSize(static_cast<size_t>(size));
  return place->second;
}

const std::string& OneCharacterThenCarriageReturns(int64_t size) {
  static std::map<int64_t, std::string> made;
  auto [place, isNew] = made.try_emplace(size);
  if (isNew) place->second = "a" + std::string(static_cast<size_t>(size - 1), '\r');
  return place->second;
}

void ReportTextSize(benchmark::State& state) {
  state.counters["text_bytes"] = static_cast<double>(state.range(0));
}

// The name of a copied text as a save makes it, of a text in the code page and of one
// that only UTF-8 holds (Polish and Russian), made usable for the file system.
void BM_FirstWordsName(benchmark::State& state) {
  const qm::CopiedText text{Prose(state.range(0)), {}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::FirstWordsFileName(text, 5, kDeliveredZeichen, 240));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_FirstWordsName)->Arg(kKiB)->Arg(kMiB)->Arg(50 * kMiB);

void BM_FirstWordsNameOfUtf8(benchmark::State& state) {
  static std::map<int64_t, std::string> made;
  auto [place, isNew] = made.try_emplace(state.range(0));
  if (isNew) {
    qm::AppendUtf8(place->second,
                   qm::bench::NonLatinProseOfSize(static_cast<size_t>(state.range(0))));
  }
  const qm::CopiedText text{{}, place->second};
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::FirstWordsFileName(text, 5, kDeliveredZeichen, 240));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_FirstWordsNameOfUtf8)->Arg(kKiB)->Arg(kMiB)->Arg(50 * kMiB);

// Fewer than the wanted number of blanks in the first hundred characters: the name is
// the whole window, the longest name the rule ever makes.
void BM_FirstWordsNameWithoutBlanks(benchmark::State& state) {
  const std::string text(static_cast<size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::FirstWordsName(text, 9, kDeliveredZeichen));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_FirstWordsNameWithoutBlanks)->Arg(kKiB)->Arg(kMiB)->Arg(50 * kMiB);

// Carriage returns are dropped while the window fills, so they must not let the scan
// run on through the rest of the text.
void BM_FirstWordsNameOfCarriageReturns(benchmark::State& state) {
  const std::string& text = OneCharacterThenCarriageReturns(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::FirstWordsName(text, 5, kDeliveredZeichen));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_FirstWordsNameOfCarriageReturns)->Arg(kKiB)->Arg(kMiB)->Arg(50 * kMiB);

// SafeName gets what FirstWordsName made: a few words, or the whole window when the
// text's first hundred characters hold too few blanks.
void BM_SafeName(benchmark::State& state) {
  const std::string& name = Prose(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::SafeName(name, 240));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_SafeName)->Arg(40)->Arg(static_cast<int64_t>(qm::kNameWindow));

void BM_SafeNameOfDeviceName(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::SafeName("com\xB9 .txt", 240));
  }
}
BENCHMARK(BM_SafeNameOfDeviceName);

// The entry refers to the clipboard text instead of copying it: same cost at any size.
void BM_BuildTextEntry(benchmark::State& state) {
  const std::string& text = Prose(state.range(0));
  const qm::TextEntryParts parts{qm::DateLine("07.05.2024 14:03:11"), "https://example.org/",
                                 qm::SeparatorLine("-", "40")};
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::BuildTextEntry(text, parts));
  }
  ReportTextSize(state);
}
BENCHMARK(BM_BuildTextEntry)->Arg(kKiB)->Arg(kMiB)->Arg(50 * kMiB);

// A file without a byte-order mark is read to its end to tell its encoding when it is
// ASCII alone (as the program writes many files) or UTF-8 (here Polish and Russian):
// linear in its size. A mark, or a code-page umlaut, ends the reading at once.
void BM_EncodingOfUnmarkedFile(benchmark::State& state, bool utf8) {
  static std::map<std::pair<int64_t, bool>, std::string> made;
  auto [place, isNew] = made.try_emplace({state.range(0), utf8});
  const auto size = static_cast<size_t>(state.range(0));
  if (isNew && utf8) qm::AppendUtf8(place->second, qm::bench::NonLatinProseOfSize(size / 2));
  if (isNew && !utf8) place->second.assign(size, 'x');
  const std::string& file = place->second;
  for (auto _ : state) {
    qm::EncodingRecognition recognition(file.size());
    for (size_t read = 0; !recognition.Known();) {
      const std::span<char> room = recognition.Room();
      const size_t count = std::min(room.size(), file.size() - read);
      std::memcpy(room.data(), file.data() + read, count);
      read += count;
      recognition.Filled(count);
    }
    benchmark::DoNotOptimize(recognition.Known());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(BM_EncodingOfUnmarkedFile, ascii, false)
    ->RangeMultiplier(8)
    ->Range(kKiB, 32 * kMiB)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_EncodingOfUnmarkedFile, utf8, true)
    ->RangeMultiplier(8)
    ->Range(kKiB, 32 * kMiB)
    ->Complexity(benchmark::oN);

void BM_StripOut(benchmark::State& state) {
  const std::string& text = Prose(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::StripOut(text, kDeliveredZeichen));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StripOut)->RangeMultiplier(8)->Range(kKiB, 32 * kMiB)->Complexity(benchmark::oN);

// Every byte value to strip: the cost per character of the text must stay the same.
void BM_StripOutEveryByte(benchmark::State& state) {
  std::string everyByte;
  for (int c = 1; c < 256; ++c) everyByte += static_cast<char>(c);
  const std::string& text = Prose(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qm::StripOut(text, everyByte));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StripOutEveryByte)->Arg(kMiB);

}  // namespace

BENCHMARK_MAIN();
