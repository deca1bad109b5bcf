// The save notice: where it appears, when it is gone, and who has the foreground then.
#include <gtest/gtest.h>

#include "tests/e2e/support/clipboard.h"
#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

// The notice closes on the second tick of its timer, two intervals after it showed.
// Closing on the first tick would take one interval, closing on the third three; the
// bounds lie halfway between, which leaves a slow machine half an interval.
constexpr ULONGLONG kShortestLifeMs = kNoticeIntervalMs * 3 / 2;
constexpr ULONGLONG kLongestLifeMs = kNoticeIntervalMs * 5 / 2;

// A visible window of the test program, as a window the user works in.
class UserWindow {
 public:
  explicit UserWindow(const wchar_t* caption)
      : window_(CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                300, 200, nullptr, nullptr, nullptr, nullptr)) {
    EXPECT_NE(window_, nullptr) << "CreateWindowEx: " << GetLastError();
  }
  ~UserWindow() {
    if (window_) DestroyWindow(window_);
  }
  UserWindow(const UserWindow&) = delete;
  UserWindow& operator=(const UserWindow&) = delete;

  HWND Handle() const { return window_; }
  void BringToFront() const {
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitUntil([this] { return GetForegroundWindow() == window_; }))
        << "the test's window did not come to the front";
  }

 private:
  HWND window_;
};

class NoticeScenario : public ResidentScenario {
 protected:
  // Saves with a click on the tray icon and returns the notice that reports it.
  HWND SaveAndFindNotice() {
    PutTextOnClipboard("Ein Text f\xFCr den Hinweis");
    program_->PostTrayEvent(WM_LBUTTONUP);
    return WaitForNotice(program_->ProcessId(), kPatienceMs);
  }
};

TEST_F(NoticeScenario, AppearsWhereStoredAndIsGoneAfterTwoIntervals) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const ULONGLONG clicked = NowMs();
  HWND notice = SaveAndFindNotice();
  const ULONGLONG seen = NowMs();
  ASSERT_NE(notice, nullptr) << "no notice after the save";
  const RECT place = WindowRect(notice);
  EXPECT_EQ(place.left, TwipsToPixels(kNoticeLeftTwips));
  EXPECT_EQ(place.top, TwipsToPixels(kNoticeTopTwips));

  ASSERT_TRUE(WaitUntil([&] { return !IsShown(notice); }, kLongestLifeMs + kPatienceMs))
      << "the notice stays";
  const ULONGLONG gone = NowMs();
  EXPECT_GE(gone - clicked, kShortestLifeMs) << "the notice closed after one tick";
  EXPECT_LE(gone - seen, kLongestLifeMs) << "the notice stayed longer than two ticks";
}

// The user reaches for the tray from the window they work in; the click itself puts
// another window (the taskbar, here a second window) in front. When the notice of that
// save closes, the window the user worked in is in front again.
TEST_F(NoticeScenario, AfterATrayClickSaveTheForegroundGoesBack) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const UserWindow editor(L"Editor");
  const UserWindow taskbar(L"Taskleiste");
  ASSERT_NO_FATAL_FAILURE(editor.BringToFront());
  program_->PostTrayEvent(WM_MOUSEMOVE);
  program_->PostTrayEvent(WM_MOUSEMOVE);  // the window remembered first is kept
  ASSERT_NO_FATAL_FAILURE(taskbar.BringToFront());

  HWND notice = SaveAndFindNotice();
  ASSERT_NE(notice, nullptr) << "no notice after the save";
  ASSERT_TRUE(WaitUntil([&] { return !IsShown(notice); }, kLongestLifeMs + kPatienceMs))
      << "the notice stays";
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor.Handle(); }))
      << "the foreground stayed with " << GetForegroundWindow();
}

}  // namespace

}  // namespace qm::e2e
