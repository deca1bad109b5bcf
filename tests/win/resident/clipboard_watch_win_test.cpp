// The resident window's view of clipboard changes: the viewer chain and the
// request of password managers not to be recorded.
#include <gtest/gtest.h>

#include <cstring>

#include "clipboard/clipboard_privacy_win.h"
#include "resident/clipboard_viewer_win.h"

namespace qm {
namespace {

// A hidden top-level window of the test's own, counting the clipboard notifications
// it gets.
class CountingViewer {
 public:
  CountingViewer() {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~CountingViewer() { DestroyWindow(window_); }
  HWND Window() const { return window_; }
  int draws = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CountingViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_DRAWCLIPBOARD) ++self->draws;
    return CallWindowProcW(self->previous_, window, message, wParam, lParam);
  }
  HWND window_;
  WNDPROC previous_;
};

void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG message;
  while (GetTickCount() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  }
}

HGLOBAL Global(const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  return memory;
}

// Puts "geheim" on the clipboard, with one registered format beside it when named.
void PutText(const char* extraFormat = nullptr, DWORD extraValue = 0) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, Global("geheim", 7));
  if (extraFormat) {
    SetClipboardData(RegisterClipboardFormatA(extraFormat), Global(&extraValue, sizeof extraValue));
  }
  CloseClipboard();
}

TEST(ClipboardViewerWin, JoiningDoesNotCountTheContentsAlreadyThere) {
  PutText();
  CountingViewer window;
  ClipboardViewer viewer(window.Window());
  viewer.Join();
  PumpFor(200);
  EXPECT_FALSE(viewer.IsNewContent());
  PutText();
  PumpFor(200);
  EXPECT_TRUE(viewer.IsNewContent());
  EXPECT_FALSE(viewer.IsNewContent()) << "one change counts once";
  viewer.Leave();
}

TEST(ClipboardViewerWin, AViewerThatJoinedEarlierStillHearsOfChangesAfterWeLeave) {
  CountingViewer other;
  ClipboardViewer othersLink(other.Window());
  othersLink.Join();
  CountingViewer window;
  ClipboardViewer ours(window.Window());
  ours.Join();
  ours.Leave();
  PumpFor(100);
  const int seen = other.draws;
  PutText();
  PumpFor(300);
  EXPECT_GT(other.draws, seen);
  othersLink.Leave();
}

TEST(ClipboardPrivacyWin, PasswordManagersAskNotToBeRecorded) {
  PutText("Clipboard Viewer Ignore");
  EXPECT_TRUE(ClipboardAsksNotToBeRecorded(nullptr));
  PutText("ExcludeClipboardContentFromMonitorProcessing");
  EXPECT_TRUE(ClipboardAsksNotToBeRecorded(nullptr));
  PutText("CanIncludeInClipboardHistory", 0);
  EXPECT_TRUE(ClipboardAsksNotToBeRecorded(nullptr));
}

TEST(ClipboardPrivacyWin, OrdinaryContentsMayBeRecorded) {
  PutText();
  EXPECT_FALSE(ClipboardAsksNotToBeRecorded(nullptr));
  PutText("CanIncludeInClipboardHistory", 1);
  EXPECT_FALSE(ClipboardAsksNotToBeRecorded(nullptr));
}

}  // namespace
}  // namespace qm
