#include "options/notice_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qm {

static void PrintTo(const ScreenPoint& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}

namespace {

TEST(NoticeTwips, FifteenTwipsMakeAPixelAt96DpiRoundingHalvesAwayFromZero) {
  struct Case {
    int twips;
    int dpi;
    int pixels;
  };
  for (const auto& [twips, dpi, pixels] : {Case{1935, 96, 129}, Case{-90, 96, -6},
                                          Case{1935, 120, 161}, Case{1035, 144, 104},
                                          Case{-1035, 144, -104}, Case{7, 96, 0}, Case{8, 96, 1},
                                          Case{-8, 96, -1}}) {
    EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " twips at " << dpi << " dpi";
  }
  EXPECT_EQ(PixelsToTwips(129, 96), 1935);
  EXPECT_EQ(PixelsToTwips(-6, 96), -90);
}

TEST(NoticeTwips, APixelPlaceSurvivesTheRoundTripThroughTwips) {
  for (const int dpi : {96, 120, 144, 168, 192}) {
    for (int pixels = -3000; pixels <= 3000; pixels += 7) {
      EXPECT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi << " dpi";
    }
  }
}

TEST(NoticeCoordinateText, ReadsWholeAndFractionalNumbersThatFitSixteenBits) {
  const std::pair<const char*, int> cases[] = {
      {"9000", 9000}, {"  -450 ", -450}, {"+15", 15}, {"0000012", 12}, {"-0", 0},
      // Fractions round to the nearest, ties to even; a comma is a decimal point too.
      {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"2.5000001", 3}, {"2.4999", 2},
      {"0.5", 0}, {".6", 1}, {"7.", 7}, {"1234,5", 1234}, {"1235,5", 1236},
      // The range is checked after rounding.
      {"32767", 32767}, {"-32768", -32768}, {"32767.49", 32767}, {"-32768.5", -32768}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(NoticeCoordinate(text), expected) << '"' << text << '"';
  }
}

TEST(NoticeCoordinateText, AnythingElseIsNoPlace) {
  for (const char* text : {"32768", "-32769", "32767.5", "99999999999999999999999", "", "   ",
                           "Kein Eintrag gefunden!", "12px", "1e3", "--1", "-", ".", "1.2.3",
                           "1 2", "0x10", "+-3"}) {
    EXPECT_EQ(NoticeCoordinate(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(StoredNoticePlace, ConvertsBothEdgesWithTheirOwnDpi) {
  EXPECT_EQ(StoredNoticePlace("9000", "7500", 96, 96), (ScreenPoint{600, 500}));
  EXPECT_EQ(StoredNoticePlace("9000", "7500", 144, 120), (ScreenPoint{900, 625}));
}

TEST(StoredNoticePlace, OneUnreadableEdgeLosesThePlace) {
  EXPECT_EQ(StoredNoticePlace("9000", "Kein Eintrag gefunden!", 96, 96), std::nullopt);
  EXPECT_EQ(StoredNoticePlace("40000", "7500", 96, 96), std::nullopt);
}

class NoticePlacement : public ::testing::Test {
 protected:
  static constexpr PixelSize kNotice{129, 69};
  // A primary screen with the taskbar at its bottom and a second screen to its left.
  const ScreenRect primary{0, 0, 1024, 768};
  const ScreenRect primaryWork{0, 0, 1024, 738};
  const ScreenRect left{-1280, -200, 0, 824};
  const std::vector<ScreenRect> screens{primary, left};

  ScreenPoint Place(std::optional<ScreenPoint> stored) const {
    return NoticePlace(stored, kNotice, screens, primaryWork);
  }
  ScreenPoint BottomRightOfWork() const {
    return {primaryWork.right - kNotice.width, primaryWork.bottom - kNotice.height};
  }
};

TEST_F(NoticePlacement, AStoredPlaceWhollyOnAScreenIsKept) {
  EXPECT_EQ(Place(ScreenPoint{600, 500}), (ScreenPoint{600, 500}));
  EXPECT_EQ(Place(ScreenPoint{-1280, -200}), (ScreenPoint{-1280, -200}));
  EXPECT_EQ(Place(ScreenPoint{1024 - 129, 768 - 69}), (ScreenPoint{895, 699}));
  // Over the taskbar is still on the screen: the notice is topmost.
  EXPECT_EQ(Place(ScreenPoint{10, 690}), (ScreenPoint{10, 690}));
}

TEST_F(NoticePlacement, ANoticePartlyOffTheScreensIsPulledOntoTheScreenShowingMostOfIt) {
  EXPECT_EQ(Place(ScreenPoint{1000, 100}), (ScreenPoint{895, 100}));
  EXPECT_EQ(Place(ScreenPoint{300, -30}), (ScreenPoint{300, 0}));
  EXPECT_EQ(Place(ScreenPoint{1000, 760}), (ScreenPoint{895, 699}));
  // Across the seam between the screens: the left one shows more of it.
  EXPECT_EQ(Place(ScreenPoint{-100, 300}), (ScreenPoint{-129, 300}));
  EXPECT_EQ(Place(ScreenPoint{-20, 300}), (ScreenPoint{0, 300}));
}

TEST_F(NoticePlacement, ANoticeNoScreenShowsGoesToTheBottomRightOfThePrimaryWorkArea) {
  EXPECT_EQ(Place(ScreenPoint{2000, 100}), BottomRightOfWork());
  EXPECT_EQ(Place(ScreenPoint{-1500, 100}), BottomRightOfWork());
  EXPECT_EQ(Place(ScreenPoint{1024, -69}), BottomRightOfWork());
  EXPECT_EQ(Place(std::nullopt), BottomRightOfWork());
}

TEST_F(NoticePlacement, TheWorkAreaNeedNotStartAtTheScreensCorner) {
  const ScreenRect workRightOfTaskbar{60, 0, 1024, 768};
  EXPECT_EQ(NoticePlace(std::nullopt, kNotice, {}, workRightOfTaskbar), (ScreenPoint{895, 699}));
  const ScreenRect tinyWork{60, 40, 100, 80};
  EXPECT_EQ(NoticePlace(std::nullopt, kNotice, {}, tinyWork), (ScreenPoint{60, 40}));
}

TEST(NoticeTimer, ZeroStopsTheTimerAndOtherIntervalsFitWhatATimerTakes) {
  EXPECT_EQ(NoticeTimerMs(0), std::nullopt);
  EXPECT_EQ(NoticeTimerMs(1), 1u);
  EXPECT_EQ(NoticeTimerMs(1500), 1500u);
  EXPECT_EQ(NoticeTimerMs(0x7FFFFFFF), 0x7FFFFFFFu);
  EXPECT_EQ(NoticeTimerMs(0x80000000LL), 0x7FFFFFFFu);
  EXPECT_EQ(NoticeTimerMs(-1), 1u);
  EXPECT_EQ(NoticeTimerMs(-100000000000LL), 1u);
}

// The notice's timer as the system runs it: setting an interval restarts the countdown,
// an interval of 0 stops the timer. Reports when the notice closes.
class SimulatedNotice {
 public:
  void Show(long long now, long long intervalMs) {
    AdvanceTo(now);
    interval_ = NoticeTimerMs(intervalMs);
    if (interval_) nextTick_ = now + *interval_;
    else nextTick_.reset();
  }

  // The time the notice closed at, if it closed by `now`.
  std::optional<long long> ClosedBy(long long now) {
    AdvanceTo(now);
    return closedAt_;
  }

 private:
  void AdvanceTo(long long now) {
    while (!closedAt_ && nextTick_ && *nextTick_ <= now) {
      if (countdown_.Tick()) closedAt_ = *nextTick_;
      *nextTick_ += *interval_;
    }
  }

  NoticeCloseCountdown countdown_;
  std::optional<unsigned> interval_;
  std::optional<long long> nextTick_;
  std::optional<long long> closedAt_;
};

constexpr long long kLongAfter = 1'000'000;

TEST(NoticeCountdown, ClosesOnTheSecondTickOfTheIntervalLastSet) {
  struct Show {
    long long at;
    long long intervalMs;
  };
  struct Case {
    const char* name;
    std::vector<Show> shows;
    long long closedAt;
  };
  const Case cases[] = {
      {"one show", {{0, 1000}}, 2000},
      {"second save after the first tick", {{0, 1000}, {1500, 1000}}, 2500},
      {"second save before the first tick", {{0, 1000}, {500, 1000}}, 2500},
      {"interval 0 until a later show", {{0, 0}, {500'000, 300}}, 500'600},
      {"a stop keeps the armed state", {{0, 1000}, {1200, 0}, {9000, 1000}}, 10000},
  };
  for (const auto& [name, shows, closedAt] : cases) {
    SimulatedNotice notice;
    for (const auto& [at, intervalMs] : shows) notice.Show(at, intervalMs);
    EXPECT_EQ(notice.ClosedBy(kLongAfter), closedAt) << name;
  }
}

TEST(NoticeDragging, TheGrabbedPointStaysUnderThePointer) {
  NoticeDrag drag;
  drag.Press({10, 5});
  EXPECT_TRUE(drag.Dragging());
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), (ScreenPoint{130, 220}));
  EXPECT_EQ(drag.Moved({130, 220}, {10, 5}), (ScreenPoint{130, 220}));
  EXPECT_EQ(drag.Moved({130, 220}, {-50, -8}), (ScreenPoint{70, 207}));
}

TEST(NoticeDragging, WithoutAHeldButtonTheWindowStays) {
  NoticeDrag drag;
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), std::nullopt);
  drag.Press({10, 5});
  drag.Release();
  EXPECT_FALSE(drag.Dragging());
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), std::nullopt);
}

TEST(NoticeDragging, ANewPressTakesANewGrabPoint) {
  NoticeDrag drag;
  drag.Press({10, 5});
  drag.Release();
  drag.Press({80, 30});
  EXPECT_EQ(drag.Moved({100, 200}, {90, 30}), (ScreenPoint{110, 200}));
}

}  // namespace
}  // namespace qm
