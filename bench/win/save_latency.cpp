// Save latency under Wine. First the save as the user starts it, a click on the tray icon
// of the real program, against a program that does only the job on the same click (the
// targets). Then, for the profile, Speichern in this process through the real clipboard
// and file adapters, against one WriteFile of the same bytes, with the part of it that
// reads the clipboard; a text with letters the code page lacks, a copied picture, HTML
// documents and a Markdown note, each against the least work of its job or the steps of the writer.
// Run: bench/run-wine-bench build/win32
#include <windows.h>

#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "bench/support/non_latin_text.h"
#include "bench/support/prose_text.h"
#include "bench/win/click_save_latency.h"
#include "bench/win/html_save_latency.h"
#include "bench/win/markdown_save_latency.h"
#include "bench/win/picture_save_latency.h"
#include "bench/win/save_world.h"
#include "clipboard/clipboard_win.h"

namespace {

using namespace qm::bench;

struct TextSize {
  size_t bytes;
  const char* label;
  int runs;
};

constexpr size_t kKiB = 1024;
constexpr size_t kMiB = 1024 * kKiB;
constexpr std::array<TextSize, 3> kSizes = {
    {{kKiB, "1 KB", 21}, {kMiB, "1 MB", 11}, {20 * kMiB, "20 MB", 7}}};

// The date line, two line ends and a blank line are all a text entry adds.
constexpr unsigned long long kMostEntryOverhead = 128;

// Action 1 saves into numbered files named "notiz" in the scratch folder and puts the
// date above each text, as the delivered actions do. Every run finds the same empty
// folder: the file a save wrote is checked and removed afterwards.
class MeasuredSave {
 public:
  explicit MeasuredSave(const std::string& folder)
      : save_({{"Aktiviert", "ja"},
               {"Dateiname", "notiz"},
               {"Speicherpfad", folder},
               {"Aktion", "extradatei"},
               {"Format", "Text"},
               {"Url", "nein"},
               {"Datum", "ja"}}),
        savedFile_(folder + "\\notiz.txt") {}

  double RunMs(size_t textBytes) {
    const double ms = save_.RunMs();
    const unsigned long long size = FileSize(savedFile_);
    if (size < textBytes || size > textBytes + kMostEntryOverhead) {
      throw std::runtime_error("The saved file holds " + std::to_string(size) +
                               " bytes for a text of " + std::to_string(textBytes));
    }
    DeleteOrThrow(savedFile_);
    return ms;
  }

 private:
  BenchSave save_;
  std::string savedFile_;
};

// The part of a save that is reading the text through Wine's clipboard, to tell it
// apart from the writing: by a reader that has read before, as the program's has.
double ClipboardReadMs(qm::ClipboardReader& reader, size_t textBytes) {
  qm::WinSaveSources sources(reader, [] { return false; });
  size_t read = 0;
  const double ms = TimedMs([&] {
    qm::KeptText text;
    std::string html;
    sources.ClipboardText(text, qm::HtmlTaken::None, html);
    read = text.ansi.size();
  });
  if (read != textBytes) throw std::runtime_error("The clipboard lost the text");
  return ms;
}

struct Figures {
  double saveMs;
  double rawMs;
  double readMs;
};

// The first round is not counted: it finds the file system and Wine's clipboard
// manager cold, and it checks that the save takes the measured path at all.
Figures MeasureSize(const TextSize& size, const std::string& folder, HWND owner) {
  const std::string text = ProseOfSize(size.bytes);
  PutOnClipboard(owner, text);
  MeasuredSave save(folder);
  save.RunMs(text.size());
  RawWriteMs(folder, text);
  qm::ClipboardReader reader;
  ClipboardReadMs(reader, text.size());
  std::vector<double> saves, raws, reads;
  for (int run = 0; run < size.runs; ++run) {
    raws.push_back(RawWriteMs(folder, text));
    saves.push_back(save.RunMs(text.size()));
    reads.push_back(ClipboardReadMs(reader, text.size()));
  }
  return {Median(saves), Median(raws), Median(reads)};
}

// The least work of saving a copied text that the code page cannot hold: its UTF-16 read
// from the clipboard, made UTF-8 after a byte-order mark, written with one WriteFile.
double LeastUnicodeSaveMs(HWND owner, const std::string& folder) {
  const std::string path = folder + "\\raw.txt";
  const double ms = TimedMs([&] {
    std::string utf8 = "\xEF\xBB\xBF";
    {
      qm::ClipboardSession session(owner);
      HANDLE data = session.IsOpen() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
      const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
      if (!text) throw Win32Failure("Reading CF_UNICODETEXT");
      const int units = static_cast<int>(wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
      const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
      utf8.resize(3 + static_cast<size_t>(bytes));
      WideCharToMultiByte(CP_UTF8, 0, text, units, utf8.data() + 3, bytes, nullptr, nullptr);
      GlobalUnlock(data);
    }
    WriteRawFile(path, utf8);
  });
  DeleteOrThrow(path);
  return ms;
}

// 1 M characters of Polish and Russian prose as a browser copies it, saved into a new
// text file (UTF-8), against the least work of that job.
void PrintUnicodeRow(const std::string& folder, HWND owner) {
  constexpr int kRuns = 11;
  const std::u16string text = NonLatinProseOfSize(kMiB);
  PutOnClipboard(owner, text);
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int utf8Bytes = WideCharToMultiByte(CP_UTF8, 0, units, static_cast<int>(text.size()),
                                            nullptr, 0, nullptr, nullptr);
  MeasuredSave save(folder);
  save.RunMs(3 + static_cast<size_t>(utf8Bytes));
  LeastUnicodeSaveMs(owner, folder);
  std::vector<double> saves, leasts;
  for (int run = 0; run < kRuns; ++run) {
    leasts.push_back(LeastUnicodeSaveMs(owner, folder));
    saves.push_back(save.RunMs(3 + static_cast<size_t>(utf8Bytes)));
  }
  std::printf(
      "\nText the code page lacks, new UTF-8 file, vs. its least work (read, UTF-8, one "
      "WriteFile), medians in ms\n%-24s %5s %10s %10s %6s\n%-24s %5d %10.3f %10.3f %6.2f\n",
      "case", "runs", "Speichern", "least", "ratio", "1 M Polish/Russian chars", kRuns,
      Median(saves), Median(leasts), Median(saves) / Median(leasts));
  std::fflush(stdout);
}

void PrintRow(const TextSize& size, const Figures& figures) {
  std::printf("%-6s %5d %12.3f %12.3f %8.2f %12.3f\n", size.label, size.runs, figures.saveMs,
              figures.rawMs, figures.saveMs / figures.rawMs, figures.readMs);
  std::fflush(stdout);
}

}  // namespace

int main() {
  try {
    const ScratchFolder folder;
    const ClipboardOwner owner;
    PrintClickSaveRows(owner.Window());
    std::printf("\nSpeichern in this process vs. one WriteFile, medians in ms, folder %s\n",
                folder.Path().c_str());
    std::printf("%-6s %5s %12s %12s %8s %12s\n", "text", "runs", "Speichern", "WriteFile", "ratio",
                "of it: read");
    for (const TextSize& size : kSizes)
      PrintRow(size, MeasureSize(size, folder.Path(), owner.Window()));
    PrintUnicodeRow(folder.Path(), owner.Window());
    PrintPictureSaveRow(folder.Path(), owner.Window());
    PrintHtmlSaveRows(folder.Path(), owner.Window());
    PrintMarkdownSaveRow(folder.Path(), owner.Window());
    ClearClipboard(owner.Window());
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "save bench failed: %s\n", failure.what());
    return 1;
  }
}
