// The clipboard-viewer chain as the system runs it.
#include <gtest/gtest.h>

#include "resident/clipboard_viewer_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

// A window of the test in the chain, counting the change notices that reach it.
class CountingViewer {
 public:
  CountingViewer() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~CountingViewer() { DestroyWindow(window_); }
  HWND window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ClipboardViewer link{window_};
  int draws = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CountingViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_DRAWCLIPBOARD) ++self->draws;
    if (message == WM_DRAWCLIPBOARD) self->link.PassOnDraw(wParam, lParam);
    if (message == WM_CHANGECBCHAIN) self->link.OnChangeChain(wParam, lParam);
    if (message == WM_DRAWCLIPBOARD || message == WM_CHANGECBCHAIN) return 0;
    return CallWindowProcW(self->previous_, window, message, wParam, lParam);
  }
  WNDPROC previous_;
};

TEST(ViewerWin, JoiningNeverCountsWhatIsOnTheClipboardAlready) {
  test::SetClipboardText("schon da");
  CountingViewer ours;
  ours.link.Join();
  test::PumpUntil([&] { return ours.draws > 0; });
  EXPECT_FALSE(ours.link.IsNewContent());
  test::SetClipboardText("neu");
  test::PumpUntil([&] { return ours.draws > 1; });
  EXPECT_TRUE(ours.link.IsNewContent());
  EXPECT_FALSE(ours.link.IsNewContent()) << "one change counts once";
  ours.link.Leave();
}

TEST(ViewerWin, AViewerThatJoinedEarlierHearsOfChangesAfterWeLeft) {
  CountingViewer other;
  other.link.Join();
  {
    CountingViewer ours;
    ours.link.Join();
    test::PumpUntil([&] { return ours.draws > 0; });
    ours.link.Leave();
  }
  const int seen = other.draws;
  test::SetClipboardText("danach");
  EXPECT_TRUE(test::PumpUntil([&] { return other.draws > seen; }));
  other.link.Leave();
}

}  // namespace
}  // namespace qm
