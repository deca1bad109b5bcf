#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/twips.h"

namespace qm {

// A stored edge of the notice (txtX, txtY): decimal text in twips. A fraction (with a
// point or a comma) rounds to the nearest whole number, a tie to the even one. Text
// that is no such number, or whose value does not fit 16 bits, gives nothing.
std::optional<int> NoticeCoordinate(std::string_view text);

// The decimal text of an edge that position mode stores.
std::string CoordinateText(int twips);

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The stored place (txtX, txtY) in pixels; nothing unless both edges are numbers.
std::optional<ScreenPoint> StoredNoticePlace(std::string_view txtX, std::string_view txtY, int dpiX,
                                             int dpiY);

// Where the notice's top left corner goes, in pixels. The stored place is kept when the
// whole notice lies on one screen; a notice that overlaps screens only in part is pulled
// onto the screen that shows most of it; one that no screen shows (or that has no
// stored place) sits in the bottom right corner of the primary screen's work area.
ScreenPoint NoticePlace(std::optional<ScreenPoint> stored, PixelSize size,
                        const std::vector<ScreenRect>& screens, const ScreenRect& primaryWorkArea);

// The display interval of a save's notice from the options' text (txtSpeicherzeit); a
// text that is no number of 0 to 32767 milliseconds gives kDefaultNoticeIntervalMs.
inline constexpr int kDefaultNoticeIntervalMs = 1500;
int NoticeInterval(std::string_view speicherzeit);

// The timer's interval for a requested display interval: nothing for 0 (the timer
// stops and the notice stays), otherwise held within what a system timer takes, so a
// negative request closes the notice at once instead of leaving it up for good.
inline constexpr long long kLongestTimerMs = 0x7FFFFFFF;
std::optional<unsigned> NoticeTimerMs(long long intervalMs);

// The notice closes on the second tick of its timer. A show while the notice is up
// restarts the timer's countdown but keeps this state, so a save after the first tick
// closes the notice one interval later.
class NoticeCloseCountdown {
 public:
  // True when this tick closes the notice.
  bool Tick();

 private:
  bool armed_ = false;
};

// Dragging the notice by its label: the point grabbed stays under the pointer.
// Pointer positions are in the label's own coordinates, which move with the window.
class NoticeDrag {
 public:
  void Press(ScreenPoint pointerInLabel);
  void Release() { dragging_ = false; }
  bool Dragging() const { return dragging_; }
  // The window's new top left corner after the pointer moved, or nothing while no
  // button is held.
  std::optional<ScreenPoint> Moved(ScreenPoint windowTopLeft, ScreenPoint pointerInLabel) const;

 private:
  bool dragging_ = false;
  ScreenPoint grab_;
};

// The notice's layout in twips. Its panel starts above the window so that no caption
// line shows; the label and the button are placed inside the panel.
inline constexpr int kNoticeWidthTwips = 1935;
inline constexpr int kNoticeHeightTwips = 1035;
inline constexpr int kInitialLabelTopTwips = 195;
inline constexpr int kInitialFontSizePt = 12;

// The label and the "&Ok" button relative to the window's client area.
TwipsRect NoticeLabelRect(int labelTopTwips);
TwipsRect NoticeOkButtonRect();

}  // namespace qm
