#pragma once

// The surroundings of one measured save: a scratch folder, a clipboard owner, and the
// stand-ins for what a save shows the user, which here must stay silent.
#include <windows.h>

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm::bench {

// A failed Win32 call: what was attempted and the system's error number.
class Win32Failure : public std::runtime_error {
 public:
  explicit Win32Failure(const std::string& what);
};

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A message-only window: the clipboard's owner while the bench puts text on it. Like the
// program a user copies from, it waits for messages on a thread of its own, so it
// answers a save that asks whether it answers at once, whatever the bench does.
class ClipboardOwner {
 public:
  ClipboardOwner();
  ~ClipboardOwner();
  ClipboardOwner(const ClipboardOwner&) = delete;
  ClipboardOwner& operator=(const ClipboardOwner&) = delete;
  HWND Window() const { return window_; }

 private:
  void Serve(HANDLE created);

  HWND window_ = nullptr;
  std::thread thread_;
};

// Makes `text` the clipboard's CF_TEXT, as a program the user copies from does.
void PutOnClipboard(HWND owner, std::string_view text);
// The same as CF_UNICODETEXT, as browsers and most newer programs give it.
void PutOnClipboard(HWND owner, std::u16string_view text);
// Any other format, exactly these bytes (a bitmap, say).
void PutOnClipboard(HWND owner, UINT format, std::string_view bytes);
// A passage copied in a browser: its text as CF_TEXT beside its "HTML Format".
void PutBrowserCopyOnClipboard(HWND owner, std::string_view text, std::string_view htmlFormat);

// Empties the clipboard so the wineserver lets go of the largest text.
void ClearClipboard(HWND owner);

// The size of a file in bytes; throws when it cannot be examined.
unsigned long long FileSize(const std::string& path);

void DeleteOrThrow(const std::string& path);

double Milliseconds(LONGLONG ticks);

template <typename Work>
double TimedMs(Work&& work) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return Milliseconds(end.QuadPart - start.QuadPart);
}

double Median(std::vector<double> values);

// The baseline of every save: a new file in `folder`, the same bytes in one WriteFile,
// closed; with `flushed` also FlushFileBuffers before closing, as a replaced document is.
double RawWriteMs(const std::string& folder, std::string_view bytes, bool flushed = false);
// The same write, untimed, as a part of a timed job; the file is `path`.
void WriteRawFile(const std::string& path, std::string_view bytes, bool flushed = false);

// The settings file, in memory: section and key names compare without regard to case.
class MemorySettings : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key) const override;
  std::optional<qm::WriteFailure> Write(std::string_view section, std::string_view key,
                                        std::string_view value) override;
  qm::SectionRead SectionLines(std::string_view section) const override;
  std::optional<qm::WriteFailure> ReplaceSection(std::string_view section,
                                                 std::string_view lines) override;
  qm::HeldReads ReadsFoundHeld() const override { return {}; }

 private:
  static std::pair<std::string, std::string> Key(std::string_view section, std::string_view key);
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// A box means the save took another path than the one measured: the bench stops.
class ForbiddenBoxes : public MessageBoxes {
 public:
  void Show(const MessageRequest& request) override;
};

class CountedSignals : public SaveSignals {
 public:
  void Beep() override { ++beeps_; }
  void ShowNotice(const NoticeRequest&) override { ++notices_; }
  int Beeps() const { return beeps_; }
  int Notices() const { return notices_; }

 private:
  int beeps_ = 0;
  int notices_ = 0;
};

// The keys of action 1 and their values.
using ActionKeys = std::vector<std::pair<std::string, std::string>>;

// Speichern of action 1 with the product's real clipboard and file adapters: only the
// settings (in memory) and what the user would see are replaced.
class BenchSave {
 public:
  explicit BenchSave(const ActionKeys& action, const CurrentOptions& options = {});
  BenchSave(const BenchSave&) = delete;
  BenchSave& operator=(const BenchSave&) = delete;
  // One save, timed; throws when it showed no notice, having taken another path.
  double RunMs();

 private:
  MemorySettings settings_;
  ActionCache actions_;
  CurrentOptions options_;
  WinSaveFiles files_;
  ClipboardReader reader_;
  WinSaveSources sources_;
  ForbiddenBoxes boxes_;
  CountedSignals signals_;
  SaveContext context_{actions_, options_, settings_, files_, sources_, boxes_, signals_};
};

}  // namespace qm::bench
