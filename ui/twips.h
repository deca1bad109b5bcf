#pragma once

namespace qm {

// Window geometry is given in twips (1/1440 inch); the screen counts pixels at its
// real resolution.
inline constexpr int kTwipsPerInch = 1440;

// A window's or a control's place in twips.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Rounded to the nearest whole unit, halves away from zero, as MulDiv rounds.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

}  // namespace qm
