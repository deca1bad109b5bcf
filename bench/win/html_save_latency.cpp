#include "bench/win/html_save_latency.h"

#include <cstdio>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "bench/support/linked_text.h"
#include "bench/support/non_latin_text.h"
#include "bench/win/save_world.h"
#include "clipboard/copied_text.h"
#include "save/html_document.h"
#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "save/whole_file_win.h"
#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm::bench {

namespace {

constexpr size_t kMiB = 1024 * 1024;
constexpr int kRuns = 5;

std::string ReadOrThrow(const std::string& path) {
  std::string bytes;
  if (ReadWholeFile(WidenAnsi(path), bytes)) throw std::runtime_error("Cannot read " + path);
  return bytes;
}

void PutOrThrow(const std::string& path, std::span<const std::string_view> pieces) {
  if (ReplaceWholeFile(WidenAnsi(path), pieces)) throw std::runtime_error("Cannot write " + path);
}

void PutOrThrow(const std::string& path, std::string_view bytes) { PutOrThrow(path, {&bytes, 1}); }

CurrentOptions HtmlOptions() {
  CurrentOptions options;
  options.txtZeichen = "-";
  options.txtWiederholung = "40";
  options.txtTextfarbe = "#000000";
  options.txtHintergrundfarbe = "#FFFFFF";
  options.txtLinks = "#0000FF";
  options.txtAlink = "#FF0000";
  options.txtVlink = "#800080";
  return options;
}

// Action 1 writes HTML with the date into `folder`, by the method `aktion`.
class HtmlSave : public BenchSave {
 public:
  HtmlSave(const std::string& folder, const char* aktion)
      : BenchSave({{"Aktiviert", "ja"},
                   {"Dateiname", "notiz"},
                   {"Speicherpfad", folder},
                   {"Aktion", aktion},
                   {"Format", "HTML"},
                   {"Url", "nein"},
                   {"Datum", "ja"}},
                  HtmlOptions()),
        path_(folder + "\\notiz.html") {}

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct Figures {
  size_t documentBytes = 0;
  std::vector<double> saves, raws, flushed;
  // The writer's own steps, timed one by one on the same bytes.
  std::vector<double> reads, builds, replaces;
};

HtmlDocumentParts Parts() {
  HtmlDocumentParts parts;
  parts.title = "notiz";
  parts.colours = {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};
  parts.dateTimeText = "06.12.2026 14:05:09";
  return parts;
}

// Times the save, then writes what it wrote with one WriteFile, plain and flushed.
void MeasureSave(HtmlSave& save, const std::string& folder, Figures& figures) {
  figures.saves.push_back(save.RunMs());
  const std::string written = ReadOrThrow(save.Path());
  figures.documentBytes = written.size();
  figures.raws.push_back(RawWriteMs(folder, written));
  figures.flushed.push_back(RawWriteMs(folder, written, true));
}

// The steps of the same save one by one: reading the old document (when extending),
// building the new one (the entry, and the old body out of what was read), replacing the
// file.
void MeasureSteps(const std::string& path, const StandIns& text, bool extend, Figures& figures) {
  std::string old;
  figures.reads.push_back(extend ? TimedMs([&] { old = ReadOrThrow(path); }) : 0.0);
  HtmlDocumentPieces document;
  figures.builds.push_back(TimedMs([&] {
    document = HtmlDocument(text.ansi, Parts(), text.foreign);
    if (extend) document.oldBody = OldBody(old);
  }));
  figures.replaces.push_back(TimedMs([&] { PutOrThrow(path, document.InOrder()); }));
}

// The first save of each case is not counted: it finds the file system and the
// clipboard cold and checks that the save takes the measured path.
template <typename Text>
Figures NewDocument(const std::string& folder, HWND owner, const Text& text,
                    const StandIns& copied) {
  PutOnClipboard(owner, text);
  HtmlSave save(folder, "extradatei");
  save.RunMs();
  DeleteOrThrow(save.Path());
  Figures figures;
  for (int run = 0; run < kRuns; ++run) {
    MeasureSave(save, folder, figures);
    DeleteOrThrow(save.Path());
    MeasureSteps(save.Path(), copied, false, figures);
    DeleteOrThrow(save.Path());
  }
  return figures;
}

// A same-file document grown to 5 MB by earlier saves, one short text more: the job of
// the click table, in its steps.
Figures Extension(const std::string& folder, HWND owner) {
  HtmlSave save(folder, "gleichedatei");
  PutOnClipboard(owner, TextWithLinks(2 * kMiB + 3 * kMiB / 4, 27'500));
  save.RunMs();
  const std::string grown = ReadOrThrow(save.Path());
  const StandIns text{"Noch ein Text, siehe http://example.org/neu.", {}};
  PutOnClipboard(owner, text.ansi);
  Figures figures;
  for (int run = 0; run < kRuns; ++run) {
    PutOrThrow(save.Path(), grown);
    MeasureSave(save, folder, figures);
    if (figures.documentBytes <= grown.size())
      throw std::runtime_error("The document did not grow");
    PutOrThrow(save.Path(), grown);
    MeasureSteps(save.Path(), text, true, figures);
  }
  DeleteOrThrow(save.Path());
  return figures;
}

void PrintRow(const char* label, const Figures& figures) {
  const double save = Median(figures.saves);
  const double raw = Median(figures.raws);
  const double flushed = Median(figures.flushed);
  std::printf("%-24s %5d %7.1f %10.1f %10.1f %6.2f %8.1f %6.2f %7.1f %7.1f %8.1f\n", label, kRuns,
              static_cast<double>(figures.documentBytes) / static_cast<double>(kMiB), save, raw,
              save / raw, flushed, save / flushed, Median(figures.reads), Median(figures.builds),
              Median(figures.replaces));
  std::fflush(stdout);
}

}  // namespace

void PrintHtmlSaveRows(const std::string& folder, HWND clipboardOwner) {
  std::printf("\nHTML document vs. one WriteFile of the same bytes, medians in ms\n");
  std::printf("%-24s %5s %7s %10s %10s %6s %8s %6s %7s %7s %8s\n", "case", "runs", "doc MB",
              "Speichern", "WriteFile", "ratio", "+flush", "ratio", "read", "build", "replace");
  const std::string linked = TextWithLinks(10 * kMiB, 100'000);
  PrintRow("new, 10 MB, 100k links", NewDocument(folder, clipboardOwner, linked, {linked, {}}));
  const std::u16string nonLatin = NonLatinProseOfSize(kMiB);
  std::string utf8;
  AppendUtf8(utf8, nonLatin);
  PrintRow("new, 1 MB Polish/Russian",
           NewDocument(folder, clipboardOwner, nonLatin, AnsiWithStandIns(utf8)));
  PrintRow("extend a 5 MB document", Extension(folder, clipboardOwner));
}

}  // namespace qm::bench
