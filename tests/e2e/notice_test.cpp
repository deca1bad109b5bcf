// The save notice: where it appears, what it says, and when it is gone.
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
  EXPECT_EQ(NoticeText(notice), L"Text wurde gespeichert!");
  const LONG_PTR extendedStyle = GetWindowLongPtrW(notice, GWL_EXSTYLE);
  EXPECT_TRUE(extendedStyle & WS_EX_TOPMOST) << "the notice must stay above other windows";
  EXPECT_TRUE(extendedStyle & WS_EX_TOOLWINDOW) << "the notice must not show in the taskbar";

  ASSERT_TRUE(WaitUntil([&] { return !IsShown(notice); }, kLongestLifeMs + kPatienceMs))
      << "the notice stays";
  const ULONGLONG gone = NowMs();
  EXPECT_GE(gone - clicked, kShortestLifeMs) << "the notice closed after one tick";
  EXPECT_LE(gone - seen, kLongestLifeMs) << "the notice stayed longer than two ticks";
}

TEST_F(NoticeScenario, PlaceOutsideTheScreenShowsItOnThePrimaryScreen) {
  folder_.Set("Optionen", "SpeicherpositionX", "999999");
  folder_.Set("Optionen", "SpeicherpositionY", "-40000");
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  HWND notice = SaveAndFindNotice();
  ASSERT_NE(notice, nullptr) << "no notice after the save";
  const RECT place = WindowRect(notice);
  EXPECT_GE(place.left, 0);
  EXPECT_GE(place.top, 0);
  EXPECT_LE(place.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(place.bottom, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

}  // namespace qm::e2e
