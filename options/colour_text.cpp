#include "options/colour_text.h"

#include <array>

namespace qm {

std::string HtmlColour(Colour colour) {
  static constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  std::string text = "#";
  // Red sits in the lowest byte, blue in the third.
  for (const int shift : {0, 8, 16}) {
    const unsigned byte = (colour >> shift) & 0xFFu;
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xFu];
  }
  return text;
}

}  // namespace qm
