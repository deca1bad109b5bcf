#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "options/notice_rules.h"
#include "save/speichern.h"

namespace qm {

static void PrintTo(const ScreenPoint& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}

namespace {

TEST(NoticeTwips, RoundHalvesAwayFromZeroAndAPixelPlaceSurvivesTheRoundTrip) {
  const struct {
    int twips, dpi, pixels;
  } rows[] = {{1935, 96, 129}, {-90, 96, -6}, {1935, 120, 161}, {1035, 144, 104},
              {-1035, 144, -104}, {7, 96, 0}, {8, 96, 1}, {-8, 96, -1}};
  for (const auto& [twips, dpi, pixels] : rows) {
    EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " twips at " << dpi << " dpi";
  }
  for (const int dpi : {96, 120, 144, 168, 192}) {
    for (int pixels = -3000; pixels <= 3000; pixels += 7) {
      EXPECT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi << " dpi";
    }
  }
}

TEST(NoticeTwips, StoredEdgesAreNumbersThatRoundToEvenAndFitSixteenBits) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {"9000", 9000}, {"  -450 ", -450}, {"+15", 15}, {"-0", 0}, {"2.5", 2}, {"3.5", 4},
      {"-2.5", -2}, {"2.5000001", 3}, {".6", 1}, {"7.", 7}, {"1235,5", 1236}, {"32767", 32767},
      {"-32768.5", -32768}, {"32768", {}}, {"-32769", {}}, {"32767.5", {}},
      {"99999999999999999999999", {}}, {"", {}}, {"Kein Eintrag gefunden!", {}}, {"12px", {}},
      {"1e3", {}}, {"--1", {}}, {".", {}}, {"1.2.3", {}}, {"1 2", {}}, {"0x10", {}}};
  for (const auto& [text, twips] : rows) EXPECT_EQ(NoticeCoordinate(text), twips) << '"' << text << '"';
  EXPECT_EQ(StoredNoticePlace("9000", "7500", 144, 120), (ScreenPoint{900, 625}));
  EXPECT_EQ(StoredNoticePlace("9000", "Kein Eintrag gefunden!", 96, 96), std::nullopt);
  EXPECT_EQ(StoredNoticePlace("40000", "7500", 96, 96), std::nullopt);
}

TEST(NoticePlace, KeptWhollyOnAScreenPulledOntoTheScreenShowingMostElseBottomRight) {
  // A primary screen with the taskbar at its bottom and a second screen to its left.
  const std::vector<ScreenRect> screens{{0, 0, 1024, 768}, {-1280, -200, 0, 824}};
  const ScreenRect work{0, 0, 1024, 738};
  const ScreenPoint corner{1024 - 129, 738 - 69};
  const std::pair<std::optional<ScreenPoint>, ScreenPoint> rows[] = {
      {ScreenPoint{600, 500}, {600, 500}}, {ScreenPoint{-1280, -200}, {-1280, -200}},
      {ScreenPoint{895, 699}, {895, 699}}, {ScreenPoint{10, 690}, {10, 690}},
      {ScreenPoint{1000, 100}, {895, 100}}, {ScreenPoint{300, -30}, {300, 0}},
      {ScreenPoint{1000, 760}, {895, 699}}, {ScreenPoint{-100, 300}, {-129, 300}},
      {ScreenPoint{-20, 300}, {0, 300}}, {ScreenPoint{2000, 100}, corner},
      {ScreenPoint{-1500, 100}, corner}, {ScreenPoint{1024, -69}, corner}, {std::nullopt, corner}};
  for (const auto& [stored, place] : rows) {
    EXPECT_EQ(NoticePlace(stored, {129, 69}, screens, work), place) << (stored ? stored->x : -1);
  }
  EXPECT_EQ(NoticePlace(std::nullopt, {129, 69}, {}, {60, 0, 1024, 768}), (ScreenPoint{895, 699}));
  EXPECT_EQ(NoticePlace(std::nullopt, {129, 69}, {}, {60, 40, 100, 80}), (ScreenPoint{60, 40}));
}

TEST(NoticeTimer, IntervalsFromTheOptionsAndWhatASystemTimerTakes) {
  const std::pair<long long, std::optional<unsigned>> timers[] = {
      {0, {}}, {1, 1u}, {1500, 1500u}, {0x7FFFFFFF, 0x7FFFFFFFu}, {0x80000000LL, 0x7FFFFFFFu},
      {-1, 1u}, {-100000000000LL, 1u}};
  for (const auto& [ms, timer] : timers) EXPECT_EQ(NoticeTimerMs(ms), timer) << ms;
  const std::pair<const char*, int> intervals[] = {
      {"1500", 1500}, {"32767", 32767}, {"abc", 1500}, {"-5", 1500}, {"32768", 1500},
      {"", 1500}, {"Kein Eintrag gefunden!", 1500}};
  for (const auto& [text, ms] : intervals) EXPECT_EQ(NoticeInterval(text), ms) << text;
}

// The notice's timer as the system runs it: setting an interval restarts the countdown,
// an interval of 0 stops the timer. Reports when the notice closes.
class SimulatedNotice {
 public:
  void Show(long long now, long long intervalMs) {
    AdvanceTo(now);
    interval_ = NoticeTimerMs(intervalMs);
    nextTick_ = interval_ ? std::optional(now + *interval_) : std::nullopt;
  }
  std::optional<long long> ClosedBy(long long now) {
    AdvanceTo(now);
    return closedAt_;
  }

 private:
  void AdvanceTo(long long now) {
    for (; !closedAt_ && nextTick_ && *nextTick_ <= now; *nextTick_ += *interval_) {
      if (countdown_.Tick()) closedAt_ = *nextTick_;
    }
  }
  NoticeCloseCountdown countdown_;
  std::optional<unsigned> interval_;
  std::optional<long long> nextTick_;
  std::optional<long long> closedAt_;
};

TEST(NoticeTimer, ClosesOnTheSecondTickOfTheIntervalLastSet) {
  const struct {
    const char* name;
    std::vector<std::pair<long long, long long>> shows;  // at, interval
    long long closedAt;
  } rows[] = {{"one show", {{0, 1000}}, 2000},
              {"second save after the first tick", {{0, 1000}, {1500, 1000}}, 2500},
              {"second save before the first tick", {{0, 1000}, {500, 1000}}, 2500},
              {"interval 0 until a later show", {{0, 0}, {500'000, 300}}, 500'600},
              {"a stop keeps the armed state", {{0, 1000}, {1200, 0}, {9000, 1000}}, 10000}};
  for (const auto& [name, shows, closedAt] : rows) {
    SimulatedNotice notice;
    for (const auto& [at, intervalMs] : shows) notice.Show(at, intervalMs);
    EXPECT_EQ(notice.ClosedBy(1'000'000), closedAt) << name;
  }
}

TEST(NoticeDrag, TheGrabbedPointStaysUnderThePointerWhileTheButtonIsHeld) {
  NoticeDrag drag;
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), std::nullopt);
  drag.Press({10, 5});
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), (ScreenPoint{130, 220}));
  EXPECT_EQ(drag.Moved({130, 220}, {-50, -8}), (ScreenPoint{70, 207}));
  drag.Release();
  EXPECT_EQ(drag.Moved({100, 200}, {40, 25}), std::nullopt);
  drag.Press({80, 30});
  EXPECT_EQ(drag.Moved({100, 200}, {90, 30}), (ScreenPoint{110, 200}));
}

}  // namespace
}  // namespace qm
