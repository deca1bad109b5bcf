#pragma once

namespace qm {

// Window geometry is given in twips (1/1440 inch); the screen counts pixels at its
// real resolution.
inline constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest whole unit, halves away from zero, as MulDiv rounds.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

}  // namespace qm
