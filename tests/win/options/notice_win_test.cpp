// The save notice as a real window: where and how it shows, and its closing timer.
#include <gtest/gtest.h>

#include "options/save_notice_win.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

class NoticeWin : public ::testing::Test {
 protected:
  NoticeWin() {
    options.txtX = "9000";
    options.txtY = "6000";
    options.frameSpeichertext = 0x0000FFFF;
  }
  CurrentOptions options;
  ProfileSettings settings;
  int closes = 0;
  SaveNoticeWindow notice{GetModuleHandleW(nullptr), options, settings, [this] { ++closes; }};
};

TEST_F(NoticeWin, ShowsAtItsPlaceInItsColourAsATopmostToolWindowWithoutTakingTheFocus) {
  HWND working = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(working);
  ASSERT_TRUE(test::PumpUntil([&] { return GetFocus() == working; }));
  notice.ShowNotice({L"Text wurde gespeichert!", 12, 320, 60000});
  ASSERT_NE(notice.Window(), nullptr);
  test::PumpUntil([] { return false; }, 200);
  EXPECT_EQ(GetFocus(), working);
  RECT rect{};
  GetWindowRect(notice.Window(), &rect);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  EXPECT_EQ(rect.left, MulDiv(9000, dpi, 1440));
  EXPECT_EQ(rect.top, MulDiv(6000, dpi, 1440));
  ASSERT_TRUE(UpdateWindow(notice.Window()));
  EXPECT_EQ(GetPixel(screen, rect.left + 2, rect.top + 2), 0x0000FFFFu);
  ReleaseDC(nullptr, screen);
  const LONG_PTR exStyle = GetWindowLongPtrW(notice.Window(), GWL_EXSTYLE);
  EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  DestroyWindow(working);
}

// Timers only ever fire late, so "still up after one tick" cannot fail by load.
TEST_F(NoticeWin, ClosesOnTheSecondTickOfItsInterval) {
  notice.ShowNotice({L"Text wurde gespeichert!", 12, 320, 1000});
  test::PumpUntil([] { return false; }, 1300);
  EXPECT_NE(notice.Window(), nullptr) << "closed on the first tick";
  EXPECT_TRUE(test::PumpUntil([&] { return notice.Window() == nullptr; }));
  EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace qm
