#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qm::test {

// qm_clipboard_helper.exe, or another helper program (`program`, without ".exe"), from
// the test program's own folder, running as a process of its own. The destructor waits
// for it (bounded) and ends it if it still runs.
class HelperProcess {
 public:
  explicit HelperProcess(const std::vector<std::string>& arguments);
  HelperProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  // The exit code, or -1 when the helper did not start or did not end in time.
  int Wait();

 private:
  HANDLE process_ = nullptr;
};

// Runs the helper to its end; its exit code (0 for success).
int RunHelper(const std::vector<std::string>& arguments);

// The clipboard as another program leaves it; each fails the test when the helper fails.
void SetClipboardText(const std::string& bytes);
// CF_TEXT and the registered "HTML Format" (header and HTML), as a browser leaves them.
void SetClipboardTextAndHtml(const std::string& text, const std::string& htmlFormat);
void SetClipboardFiles(const std::vector<std::string>& paths);
void SetClipboardBitmapOnly();
void EmptyClipboardElsewhere();

// Another process that holds the clipboard open for `milliseconds`; the constructor
// returns once it holds it, the destructor waits until it has let go.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(int milliseconds);
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;

 private:
  std::string name_;
  HANDLE ready_;
  HelperProcess helper_;
};

}  // namespace qm::test
