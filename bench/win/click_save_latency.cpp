#include "bench/win/click_save_latency.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/prose_text.h"
#include "bench/win/least_work.h"
#include "bench/win/save_world.h"
#include "bench/win/started_program.h"
#include "resident/tray_rules.h"
#include "save/html_document.h"
#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"
#include "ui/main_program_link.h"

namespace qm::bench {

namespace {

constexpr int kRuns = 5;
constexpr size_t kKiB = 1024;
constexpr size_t kMiB = 1024 * kKiB;
constexpr double kPatienceMs = 30000;
// A file whose size has stayed this long is complete, and what a program does after a
// save (Quillmar shows its notice) is over by then, so it does not reach into the next
// click.
constexpr DWORD kSettleMs = 300;

struct Job {
  const char* label;
  size_t textBytes;
  bool document;  // extends a document, else writes a new file
  double target;  // the most the save may take, as a multiple of the least work
};

constexpr Job kJobs[] = {{"1 KB text, new file", kKiB, false, 1.2},
                         {"1 MB text, new file", kMiB, false, 1.2},
                         {"20 MB text, new file", 20 * kMiB, false, 1.2},
                         {"5 MB HTML doc + 1 KB", kKiB, true, 1.3}};

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

std::optional<ULONGLONG> SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// Asks for `done` again and again, giving the processor away in between.
template <typename Condition>
void WaitFor(Condition done, const StartedProgram& program, const char* what) {
  const LONGLONG start = Now();
  while (!done()) {
    program.CheckRunning();
    if (Milliseconds(Now() - start) > kPatienceMs) {
      throw std::runtime_error(std::string("timed out waiting for ") + what);
    }
    SwitchToThread();
  }
}

// The file a save writes, and how it is put back before the next save: removed, or the
// document written as it was.
struct SavedFile {
  std::string path;
  const std::string* document;

  void Reset() const {
    if (document) {
      WriteRawFile(path, *document);
    } else if (SizeOf(path)) {
      DeleteOrThrow(path);
    }
  }
};

// One of the two programs, started and saving into `file` on a click on its tray icon.
class ClickedProgram {
 public:
  ClickedProgram(const TrayProgram& program, SavedFile file)
      : started_(program), file_(std::move(file)) {}

  // The first click, not counted: it finds the program's first-use costs cold, and learns
  // the size the file has once the save is complete.
  void WarmUp() {
    file_.Reset();
    const std::optional<ULONGLONG> before = SizeOf(file_.path);
    Click();
    WaitFor([&] { return SizeOf(file_.path) != before; }, started_, "the first save");
    std::optional<ULONGLONG> seen;
    do {
      seen = SizeOf(file_.path);
      Sleep(kSettleMs);
    } while (SizeOf(file_.path) != seen);
    finalSize_ = *seen;
  }

  double ClickMs() {
    file_.Reset();
    const LONGLONG start = Now();
    Click();
    WaitFor([&] { return SizeOf(file_.path) == finalSize_; }, started_, "the save");
    const double ms = Milliseconds(Now() - start);
    Sleep(kSettleMs);
    return ms;
  }

 private:
  void Click() {
    if (!PostMessageW(started_.Window(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP)) {
      throw Win32Failure("Posting the click");
    }
  }

  StartedProgram started_;
  SavedFile file_;
  ULONGLONG finalSize_ = 0;
};

// The copy's Standard action saves without date and address into the copy: each text
// into a new numbered file "notiz.txt", or every text into the document "notiz.html".
std::string PrepareStandardAction(const std::string& copy, bool document) {
  const std::string ini = copy + "\\einstellungen20.ini";
  const std::pair<const char*, const char*> keys[] = {
      {"Aktiviert", "ja"},
      {"Name", "Messung (Standard)"},
      {"Dateiname", "notiz"},
      {"Aktion", document ? "gleichedatei" : "extradatei"},
      {"Format", document ? "HTML" : "Text"},
      {"Url", "nein"},
      {"Datum", "nein"}};
  for (const auto& [key, value] : keys) WriteSetting("Aktion1", key, value, ini);
  return copy + (document ? "\\notiz.html" : "\\notiz.txt");
}

// A document of about 5 MB as the writer makes it.
std::string FiveMegabyteDocument() {
  HtmlDocumentParts parts;
  parts.title = "notiz";
  parts.colours = {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};
  return HtmlDocument(ProseOfSize(5 * kMiB - kMiB / 4), parts).Whole();
}

struct Figures {
  std::vector<double> quillmar, least, inProcess;
};

Figures Measure(const Job& job, const std::string& dist, HWND clipboardOwner) {
  const ProgramCopy copy(dist);
  const std::string document = job.document ? FiveMegabyteDocument() : std::string();
  const std::string* original = job.document ? &document : nullptr;
  const SavedFile quillmarFile{PrepareStandardAction(copy.Path(), job.document), original};
  const SavedFile leastFile{copy.Path() + (job.document ? "\\least.html" : "\\least.txt"),
                            original};
  const std::wstring leastPath = WidenAnsi(leastFile.path);
  PutOnClipboard(clipboardOwner, ProseOfSize(job.textBytes));
  ClickedProgram quillmar({copy.Path() + "\\Quillmar2.0.exe", kResidentWindowClass, kTrayIconId},
                          quillmarFile);
  ClickedProgram least({ProgramFolder() + "\\qm_least_save.exe", L"QuillmarLeastSave", 0,
                        (job.document ? L"document \"" : L"text \"") + leastPath + L"\""},
                       leastFile);
  const auto leastJob = [&] {
    return job.document ? LeastDocumentExtension(clipboardOwner, leastPath)
                        : LeastTextSave(clipboardOwner, leastPath);
  };
  quillmar.WarmUp();
  least.WarmUp();
  Figures figures;
  for (int run = 0; run < kRuns; ++run) {
    leastFile.Reset();
    bool done = false;
    figures.inProcess.push_back(TimedMs([&] { done = leastJob(); }));
    if (!done) throw std::runtime_error("The least work failed");
    // Alternately first, so neither always finds what the other left in the caches.
    ClickedProgram& first = run % 2 ? quillmar : least;
    ClickedProgram& second = run % 2 ? least : quillmar;
    const double firstMs = first.ClickMs();
    const double secondMs = second.ClickMs();
    figures.quillmar.push_back(run % 2 ? firstMs : secondMs);
    figures.least.push_back(run % 2 ? secondMs : firstMs);
  }
  return figures;
}

// The median, and the fastest and slowest run, which tell how steady the machine was.
void PrintSpread(const std::vector<double>& ms) {
  std::printf(" %9.3f [%8.3f ..%8.3f]", Median(ms), *std::min_element(ms.begin(), ms.end()),
              *std::max_element(ms.begin(), ms.end()));
}

void PrintRow(const Job& job, const Figures& figures) {
  const double ratio = Median(figures.quillmar) / Median(figures.least);
  std::printf("%-22s", job.label);
  PrintSpread(figures.quillmar);
  PrintSpread(figures.least);
  std::printf(" %6.2f %6.1f%s %10.3f\n", ratio, job.target, ratio <= job.target ? " " : "!",
              Median(figures.inProcess));
  std::fflush(stdout);
}

}  // namespace

void PrintClickSaveRows(HWND clipboardOwner) {
  const std::string dist = ProgramFolder() + "\\dist";
  std::printf(
      "Tray click to the file at its final size: Quillmar2.0.exe vs. the least work of the "
      "job (qm_least_save.exe on the same click), in ms, median [fastest .. slowest] of %d; "
      "the ratio of the medians (! above its target); the least work alone in this process\n"
      "%-22s %30s %30s %6s %7s %10s\n",
      kRuns, "job", "Quillmar", "least", "ratio", "target", "job alone");
  for (const Job& job : kJobs) PrintRow(job, Measure(job, dist, clipboardOwner));
}

}  // namespace qm::bench
