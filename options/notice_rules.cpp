#include "options/notice_rules.h"

#include <algorithm>

#include "settings/ascii_text.h"
#include "settings/number_text.h"

namespace qm {

namespace {

constexpr int kSmallest16Bit = -32768;
constexpr int kLargest16Bit = 32767;
// More significant digits than this can never fit 16 bits.
constexpr std::size_t kMostWholeDigits = 5;

// Panel, label and button as designed; the panel sits this far above the window.
constexpr int kPanelTopTwips = -90;
constexpr TwipsRect kLabelInPanel{120, kInitialLabelTopTwips, 1845, 825};
constexpr TwipsRect kOkButtonInPanel{720, 720, 615, 255};

std::string_view TakeDigits(std::string_view& text) {
  std::size_t count = 0;
  while (count < text.size() && IsAsciiDigit(text[count])) ++count;
  const std::string_view digits = text.substr(0, count);
  text.remove_prefix(count);
  return digits;
}

// Whether the fraction's digits round the whole part up, a tie going to the even one.
bool RoundsUp(std::string_view fraction, long long whole) {
  if (fraction.empty() || fraction[0] < '5') return false;
  if (fraction[0] > '5') return true;
  const bool beyondHalf = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
  return beyondHalf || whole % 2 == 1;
}

std::optional<long long> WholeValue(std::string_view digits) {
  const auto significant = digits.find_first_not_of('0');
  if (significant == std::string_view::npos) return 0;
  digits.remove_prefix(significant);
  if (digits.size() > kMostWholeDigits) return std::nullopt;
  long long value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool Contains(const ScreenRect& outer, const ScreenRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// Moves `place` the least distance that puts the notice inside `area`; an area smaller
// than the notice keeps the notice's top left edge visible.
ScreenPoint PulledInto(const ScreenRect& area, ScreenPoint place, PixelSize size) {
  return {std::max(area.left, std::min(place.x, area.right - size.width)),
          std::max(area.top, std::min(place.y, area.bottom - size.height))};
}

ScreenPoint BottomRight(const ScreenRect& area, PixelSize size) {
  return PulledInto(area, {area.right, area.bottom}, size);
}

TwipsRect InWindow(TwipsRect inPanel) {
  inPanel.top += kPanelTopTwips;
  return inPanel;
}

}  // namespace

std::optional<int> NoticeCoordinate(std::string_view text) {
  text = Trimmed(text);
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  const std::string_view wholeDigits = TakeDigits(text);
  std::string_view fraction;
  if (!text.empty() && (text[0] == '.' || text[0] == ',')) {
    text.remove_prefix(1);
    fraction = TakeDigits(text);
  }
  if (!text.empty() || (wholeDigits.empty() && fraction.empty())) return std::nullopt;
  const auto whole = WholeValue(wholeDigits);
  if (!whole) return std::nullopt;
  const long long magnitude = *whole + (RoundsUp(fraction, *whole) ? 1 : 0);
  const long long value = negative ? -magnitude : magnitude;
  if (value < kSmallest16Bit || value > kLargest16Bit) return std::nullopt;
  return static_cast<int>(value);
}

std::string CoordinateText(int twips) { return std::to_string(twips); }

std::optional<ScreenPoint> StoredNoticePlace(std::string_view txtX, std::string_view txtY, int dpiX,
                                             int dpiY) {
  const auto x = NoticeCoordinate(txtX);
  const auto y = NoticeCoordinate(txtY);
  if (!x || !y) return std::nullopt;
  return ScreenPoint{TwipsToPixels(*x, dpiX), TwipsToPixels(*y, dpiY)};
}

ScreenPoint NoticePlace(std::optional<ScreenPoint> stored, PixelSize size,
                        const std::vector<ScreenRect>& screens, const ScreenRect& primaryWorkArea) {
  if (!stored) return BottomRight(primaryWorkArea, size);
  const ScreenRect notice{stored->x, stored->y, stored->x + size.width, stored->y + size.height};
  const ScreenRect* mostVisible = nullptr;
  long long mostArea = 0;
  for (const ScreenRect& screen : screens) {
    if (Contains(screen, notice)) return *stored;
    const long long area = OverlapArea(screen, notice);
    if (area > mostArea) {
      mostArea = area;
      mostVisible = &screen;
    }
  }
  if (mostVisible) return PulledInto(*mostVisible, *stored, size);
  return BottomRight(primaryWorkArea, size);
}

int NoticeInterval(std::string_view speicherzeit) {
  const auto value = ParseWholeNumber(speicherzeit);
  if (!value || *value < 0 || *value > kLargest16Bit) return kDefaultNoticeIntervalMs;
  return static_cast<int>(*value);
}

std::optional<unsigned> NoticeTimerMs(long long intervalMs) {
  if (intervalMs == 0) return std::nullopt;
  return static_cast<unsigned>(std::clamp(intervalMs, 1LL, kLongestTimerMs));
}

bool NoticeCloseCountdown::Tick() {
  if (armed_) {
    armed_ = false;
    return true;
  }
  armed_ = true;
  return false;
}

void NoticeDrag::Press(ScreenPoint pointerInLabel) {
  grab_ = pointerInLabel;
  dragging_ = true;
}

std::optional<ScreenPoint> NoticeDrag::Moved(ScreenPoint windowTopLeft,
                                             ScreenPoint pointerInLabel) const {
  if (!dragging_) return std::nullopt;
  return ScreenPoint{windowTopLeft.x + pointerInLabel.x - grab_.x,
                     windowTopLeft.y + pointerInLabel.y - grab_.y};
}

TwipsRect NoticeLabelRect(int labelTopTwips) {
  TwipsRect label = kLabelInPanel;
  label.top = labelTopTwips;
  return InWindow(label);
}

TwipsRect NoticeOkButtonRect() { return InWindow(kOkButtonInPanel); }

}  // namespace qm
