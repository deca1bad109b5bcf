#include <gtest/gtest.h>

#include <tuple>

#include "options/notice_rules.h"

namespace qm {

namespace {

TEST(NoticeTwips, RoundHalvesAwayFromZeroAndAPixelPlaceSurvivesTheRoundTrip) {
  // twips, dpi, pixels
  const std::tuple<int, int, int> rows[] = {
      {1935, 96, 129}, {-1035, 144, -104}, {7, 96, 0}, {8, 96, 1}};
  for (const auto& [twips, dpi, pixels] : rows) EXPECT_EQ(TwipsToPixels(twips, dpi), pixels);
  for (const int dpi : {96, 120, 144, 168, 192}) {
    for (int pixels = -3000; pixels <= 3000; pixels += 7) {
      EXPECT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi << " dpi";
    }
  }
}

TEST(NoticeTwips, StoredEdgesAreNumbersThatRoundToEvenAndFitSixteenBits) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {"  -450 ", -450}, {"2.5", 2},       {"3.5", 4},           {"-2.5", -2},  {"2.5000001", 3},
      {".6", 1},         {"1235,5", 1236}, {"-32768.5", -32768}, {"32768", {}}, {"32767.5", {}},
      {"", {}},          {"12px", {}},     {"1e3", {}},          {"1.2.3", {}}};
  for (const auto& [text, twips] : rows) EXPECT_EQ(NoticeCoordinate(text), twips) << text;
  EXPECT_EQ(StoredNoticePlace("9000", "7500", 144, 120), (ScreenPoint{900, 625}));
  EXPECT_EQ(StoredNoticePlace("9000", "Kein Eintrag gefunden!", 96, 96), std::nullopt);
}

TEST(NoticePlace, KeptWhollyOnAScreenPulledOntoTheScreenShowingMostElseBottomRight) {
  // A primary screen with the taskbar at its bottom and a second screen to its left.
  const std::vector<ScreenRect> screens{{0, 0, 1024, 768}, {-1280, -200, 0, 824}};
  const ScreenPoint corner{1024 - 129, 738 - 69};
  const std::pair<std::optional<ScreenPoint>, ScreenPoint> rows[] = {
      {ScreenPoint{300, -30}, {300, 0}},
      {ScreenPoint{1000, 760}, {895, 699}},
      {ScreenPoint{-100, 300}, {-129, 300}},
      {ScreenPoint{2000, 100}, corner},
      {std::nullopt, corner}};
  for (const auto& [stored, place] : rows) {
    EXPECT_EQ(NoticePlace(stored, {129, 69}, screens, {0, 0, 1024, 738}), place) << place.x;
  }
}

TEST(NoticeTimer, IntervalsFromTheOptionsAndWhatASystemTimerTakes) {
  const std::pair<long long, std::optional<unsigned>> timers[] = {
      {0, {}}, {1, 1}, {0x80000000LL, 0x7FFFFFFF}, {-100000000000LL, 1}};
  for (const auto& [ms, timer] : timers) EXPECT_EQ(NoticeTimerMs(ms), timer) << ms;
  const std::pair<const char*, int> intervals[] = {
      {"32767", 32767}, {"abc", 1500}, {"-5", 1500}, {"32768", 1500}};
  for (const auto& [text, ms] : intervals) EXPECT_EQ(NoticeInterval(text), ms) << text;
}

}  // namespace
}  // namespace qm
