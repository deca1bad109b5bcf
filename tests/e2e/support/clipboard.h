#pragma once

#include <windows.h>

#include <string>

namespace qm::e2e {

// The clipboard as another program leaves it, set from the test process itself.

// CF_TEXT with exactly these ANSI bytes.
void PutTextOnClipboard(const std::string& text);

// CF_TEXT together with the registered format "Clipboard Viewer Ignore", with which
// password managers ask clipboard monitors not to record the contents.
void PutSecretOnClipboard(const std::string& text);

// Nothing at all.
void EmptyTheClipboard();

// A window of the test process in the clipboard-viewer chain, as another clipboard
// tool: it counts the change notifications that reach it and keeps the chain whole.
class TestClipboardViewer {
 public:
  TestClipboardViewer();
  ~TestClipboardViewer();
  TestClipboardViewer(const TestClipboardViewer&) = delete;
  TestClipboardViewer& operator=(const TestClipboardViewer&) = delete;

  int Notifications() const { return notifications_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND next_ = nullptr;
  int notifications_ = 0;
};

}  // namespace qm::e2e
