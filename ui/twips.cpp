#include "ui/twips.h"

#include <cstdlib>

namespace qm {

namespace {

// value * numerator / denominator, rounded to the nearest whole number, halves away
// from zero; denominator > 0.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long magnitude = (2 * std::llabs(product) + denominator) / (2LL * denominator);
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

int PixelsToTwips(int pixels, int dpi) { return ScaleRounded(pixels, kTwipsPerInch, dpi); }

}  // namespace qm
