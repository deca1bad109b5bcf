#include "options/save_notice_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/support/message_pump.h"

namespace qm {
namespace {

using test::PumpMessagesFor;
using test::PumpMessagesUntil;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Write {
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const Write&) const = default;
};

void PrintTo(const Write& write, std::ostream* out) {
  *out << "[" << write.section << "] " << write.key << "=" << write.value;
}

// Settings that record what is written, in order.
class RecordingSettings : public SettingsStore {
 public:
  std::string Read(std::string_view, std::string_view) const override {
    return std::string(kMissingEntry);
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    writes.push_back({std::string(section), std::string(key), std::string(value)});
  }
  std::vector<struct Write> writes;
};

struct Dpi {
  int x;
  int y;
};

Dpi ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const Dpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return dpi;
}

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

RECT WindowRect(HWND window) {
  RECT rect{};
  EXPECT_TRUE(GetWindowRect(window, &rect));
  return rect;
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

RECT PrimaryScreen() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  return info.rcMonitor;
}

constexpr Colour kYellow = 0x0000FFFF;
constexpr Colour kNavy = 0x00800000;
constexpr DWORD kLongMs = 60000;

class SaveNoticeWin : public ::testing::Test {
 protected:
  SaveNoticeWin() {
    options.txtX = "9000";
    options.txtY = "6000";
    options.frameSpeichertext = kYellow;
    options.frameSpeichertextfarbe = kNavy;
  }

  static NoticeRequest Saved(int intervalMs) {
    return {L"Text wurde gespeichert!", 12, 320, intervalMs};
  }

  HWND Window() const { return notice.Window(); }
  HWND Label() const { return GetDlgItem(Window(), SaveNoticeWindow::kLabelId); }
  HWND OkButton() const { return GetDlgItem(Window(), SaveNoticeWindow::kOkId); }

  bool ClosesWithin(DWORD ms) {
    return PumpMessagesUntil([this] { return Window() == nullptr; }, ms);
  }

  // A mouse message to the notice for a pointer at `screen`, as the system sends it
  // while the notice holds the mouse capture.
  void Mouse(UINT message, POINT screen) {
    ASSERT_TRUE(ScreenToClient(Window(), &screen));
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    SendMessageW(Window(), message, buttons, MAKELPARAM(screen.x, screen.y));
  }

  void Drag(POINT from, POINT to) {
    Mouse(WM_LBUTTONDOWN, from);
    Mouse(WM_MOUSEMOVE, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    Mouse(WM_MOUSEMOVE, to);
    Mouse(WM_LBUTTONUP, to);
  }

  POINT LabelCentre() const {
    const RECT label = WindowRect(Label());
    return {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  }

  const Dpi dpi = ScreenDpi();
  CurrentOptions options;
  RecordingSettings settings;
  int closes = 0;
  SaveNoticeWindow notice{GetModuleHandleW(nullptr), options, settings, [this] { ++closes; }};
};

TEST_F(SaveNoticeWin, AppearsAtTheStoredPlaceInItsDesignedSizeAsABorderlessTopmostToolWindow) {
  notice.ShowNotice(Saved(kLongMs));
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Window()));
  const RECT rect = WindowRect(Window());
  EXPECT_EQ(rect.left, Pixels(9000, dpi.x));
  EXPECT_EQ(rect.top, Pixels(6000, dpi.y));
  EXPECT_EQ(rect.right - rect.left, Pixels(1935, dpi.x));
  EXPECT_EQ(rect.bottom - rect.top, Pixels(1035, dpi.y));

  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(Window(), GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_BORDER), WS_POPUP);
  EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_EQ(WindowText(Window()), L"Hinweis");
}

TEST_F(SaveNoticeWin, DoesNotTakeTheForegroundFromTheWindowTheUserWorksIn) {
  HWND working = CreateWindowExW(0, L"STATIC", L"Arbeit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(working, nullptr);
  SetForegroundWindow(working);
  PumpMessagesUntil([&] { return GetForegroundWindow() == working; }, 2000);
  if (GetForegroundWindow() != working) {
    DestroyWindow(working);
    GTEST_SKIP() << "this display gives no foreground window";
  }

  notice.ShowNotice(Saved(kLongMs));
  PumpMessagesFor(200);
  EXPECT_EQ(GetForegroundWindow(), working);
  EXPECT_TRUE(IsWindowVisible(Window()));
  DestroyWindow(working);
}

TEST_F(SaveNoticeWin, TheLabelShowsTheRequestedTextInArialOfTheRequestedSizeAndPlace) {
  notice.ShowNotice({L"Text und Ordner wurden gespeichert!", 11, 200, kLongMs});
  EXPECT_EQ(WindowText(Label()), L"Text und Ordner wurden gespeichert!");

  const auto labelFont = [&] {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(Label(), WM_GETFONT, 0, 0));
    EXPECT_EQ(GetObjectW(handle, sizeof font, &font), static_cast<int>(sizeof font));
    return font;
  };
  const auto labelTop = [&] {
    RECT label = WindowRect(Label());
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&label), 2);
    return label.top;
  };
  EXPECT_STREQ(labelFont().lfFaceName, L"Arial");
  EXPECT_EQ(labelFont().lfHeight, -MulDiv(11, dpi.y, 72));
  EXPECT_EQ(labelFont().lfWeight, FW_NORMAL);
  // The label is placed in a panel that starts 90 twips above the window.
  EXPECT_EQ(labelTop(), Pixels(200 - 90, dpi.y));

  notice.ShowNotice({L"\"Automatisch\"\r\ndeaktiviert.", 12, 320, kLongMs});
  EXPECT_EQ(WindowText(Label()), L"\"Automatisch\"\r\ndeaktiviert.");
  EXPECT_EQ(labelFont().lfHeight, -MulDiv(12, dpi.y, 72));
  EXPECT_EQ(labelTop(), Pixels(320 - 90, dpi.y));
}

TEST_F(SaveNoticeWin, PanelAndLabelTakeTheNoticeColours) {
  notice.ShowNotice(Saved(kLongMs));
  // What the label is told when it paints: text colour, and the panel's colour
  // behind its text.
  HDC probe = CreateCompatibleDC(nullptr);
  ASSERT_NE(probe, nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(probe), reinterpret_cast<LPARAM>(Label())));
  EXPECT_EQ(GetTextColor(probe), kNavy);
  EXPECT_EQ(GetBkColor(probe), kYellow);
  LOGBRUSH brushInfo{};
  ASSERT_EQ(GetObjectW(brush, sizeof brushInfo, &brushInfo), static_cast<int>(sizeof brushInfo));
  EXPECT_EQ(brushInfo.lbColor, kYellow);
  DeleteDC(probe);

  // And what the screen shows at the panel's edge.
  PumpMessagesFor(200);
  ASSERT_TRUE(UpdateWindow(Window()));
  const RECT rect = WindowRect(Window());
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, rect.left + 2, rect.top + 2), kYellow);
  EXPECT_EQ(GetPixel(screen, rect.right - 3, rect.bottom - 3), kYellow);
  ReleaseDC(nullptr, screen);
}

TEST_F(SaveNoticeWin, ClosesOnTheSecondTickOfItsInterval) {
  constexpr DWORD kIntervalMs = 400;
  notice.ShowNotice(Saved(kIntervalMs));
  PumpMessagesFor(kIntervalMs * 5 / 4);
  ASSERT_NE(Window(), nullptr) << "closed on the first tick";
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(ClosesWithin(kIntervalMs * 7 / 4)) << "still up after three intervals";
  EXPECT_EQ(closes, 1);
}

TEST_F(SaveNoticeWin, ASaveAfterTheFirstTickClosesTheNoticeOneIntervalAfterThatSave) {
  constexpr DWORD kIntervalMs = 600;
  notice.ShowNotice(Saved(kIntervalMs));
  PumpMessagesFor(kIntervalMs * 4 / 3);
  notice.ShowNotice(Saved(kIntervalMs));
  // Without the restart the notice would close two intervals after the first show.
  PumpMessagesFor(kIntervalMs * 5 / 6);
  ASSERT_NE(Window(), nullptr) << "the second show did not restart the countdown";
  // With the close armed anew it would stay another interval.
  EXPECT_TRUE(ClosesWithin(kIntervalMs * 5 / 6)) << "the second show disarmed the close";
}

TEST_F(SaveNoticeWin, IntervalZeroKeepsTheNoticeUpUntilAShowGivesItATime) {
  notice.ShowNotice(Saved(0));
  PumpMessagesFor(800);
  ASSERT_NE(Window(), nullptr);
  notice.ShowNotice(Saved(200));
  EXPECT_TRUE(ClosesWithin(2000));
}

TEST_F(SaveNoticeWin, EachLoadStartsFromTheOptionsAndTheDesignedLayout) {
  notice.ShowPositionMode();
  notice.ShowNotice({L"Bild wurde gespeichert!", 11, 200, kLongMs});
  SendMessageW(Window(), WM_CLOSE, 0, 0);
  ASSERT_EQ(Window(), nullptr);
  EXPECT_EQ(closes, 1);

  options.txtX = "3000";
  options.txtY = "4500";
  notice.ShowPreview(kLongMs);
  ASSERT_NE(Window(), nullptr);
  const RECT rect = WindowRect(Window());
  EXPECT_EQ(rect.left, Pixels(3000, dpi.x));
  EXPECT_EQ(rect.top, Pixels(4500, dpi.y));
  EXPECT_EQ(WindowText(Label()), L"Text wurde gespeichert!");
  EXPECT_FALSE(IsWindowVisible(OkButton()));
}

TEST_F(SaveNoticeWin, APlaceNoScreenShowsPutsTheNoticeOnThePrimaryScreen) {
  const RECT primary = PrimaryScreen();
  // Unreadable and off-screen variants are the native rule tests' business.
  const std::pair<const char*, const char*> places[] = {{"-30000", "6000"}, {"9000", "32767"}};
  for (const auto& [x, y] : places) {
    options.txtX = x;
    options.txtY = y;
    notice.ShowNotice(Saved(kLongMs));
    ASSERT_NE(Window(), nullptr);
    const RECT rect = WindowRect(Window());
    EXPECT_TRUE(rect.left >= primary.left && rect.top >= primary.top && rect.right <= primary.right &&
                rect.bottom <= primary.bottom)
        << x << " / " << y << " placed at " << rect.left << ", " << rect.top;
    SendMessageW(Window(), WM_CLOSE, 0, 0);
  }
}

TEST_F(SaveNoticeWin, DraggingTheLabelMovesTheNoticeWithThePointer) {
  notice.ShowNotice(Saved(kLongMs));
  const RECT before = WindowRect(Window());
  const POINT grab = LabelCentre();
  Drag(grab, {grab.x + 40, grab.y + 25});
  const RECT after = WindowRect(Window());
  EXPECT_EQ(after.left, before.left + 40);
  EXPECT_EQ(after.top, before.top + 25);
  EXPECT_EQ(after.right - after.left, before.right - before.left);

  // After the release the pointer moves alone.
  Mouse(WM_MOUSEMOVE, {grab.x + 100, grab.y + 100});
  EXPECT_EQ(WindowRect(Window()).left, after.left);
}

TEST_F(SaveNoticeWin, ThePanelEdgeIsNoDragHandle) {
  notice.ShowNotice(Saved(kLongMs));
  const RECT before = WindowRect(Window());
  const POINT edge{before.left + 2, before.top + 2};
  Drag(edge, {edge.x + 40, edge.y + 25});
  EXPECT_EQ(WindowRect(Window()).left, before.left);
  EXPECT_EQ(WindowRect(Window()).top, before.top);
}

TEST_F(SaveNoticeWin, PositionModeStoresTheDraggedPlaceOnOk) {
  notice.ShowPositionMode();
  ASSERT_TRUE(IsWindowVisible(OkButton()));
  const POINT grab = LabelCentre();
  Drag(grab, {grab.x + 60, grab.y - 30});
  const RECT moved = WindowRect(Window());
  const std::string left = std::to_string(MulDiv(moved.left, 1440, dpi.x));
  const std::string top = std::to_string(MulDiv(moved.top, 1440, dpi.y));

  SendMessageW(OkButton(), BM_CLICK, 0, 0);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(closes, 1);
  EXPECT_THAT(settings.writes, ElementsAre(Write{"Optionen", "SpeicherpositionX", left},
                                           Write{"Optionen", "SpeicherpositionY", top}));
  EXPECT_EQ(options.txtX, left);
  EXPECT_EQ(options.txtY, top);

  notice.ShowNotice(Saved(kLongMs));
  EXPECT_EQ(WindowRect(Window()).left, moved.left);
  EXPECT_EQ(WindowRect(Window()).top, moved.top);
}

TEST_F(SaveNoticeWin, ASaveDuringPositionModeKeepsOkAndATimerCloseStoresNothing) {
  notice.ShowPositionMode();
  notice.ShowNotice({L"Bild wurde gespeichert!", 12, 320, 150});
  EXPECT_EQ(WindowText(Label()), L"Bild wurde gespeichert!");
  EXPECT_TRUE(IsWindowVisible(OkButton()));
  EXPECT_TRUE(ClosesWithin(3000));
  EXPECT_EQ(closes, 1);
  EXPECT_THAT(settings.writes, IsEmpty());
  EXPECT_EQ(options.txtX, "9000");
}

}  // namespace
}  // namespace qm
