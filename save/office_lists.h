#pragma once

#include <string_view>

namespace qm {

// Word and Outlook copy a list as paragraphs whose style names the list and the level
// ("mso-list:l0 level2 lfo1"), each beginning with its bullet or number in a span that
// the style hides ("mso-list:Ignore").

// The level of such a paragraph, from 1; 0 for any other style.
int OfficeListLevel(std::string_view paragraphStyle);

// What the hidden marker of a list paragraph says: a number or a letter followed by "."
// or ")" ("1.", "b)", "iv.", "2.1.") makes an ordered list, which starts at the number
// where there is one; anything else ("·", "o", a symbol font's square) is a bullet.
struct OfficeListMarker {
  bool ordered = false;
  long long start = 1;
};
OfficeListMarker OfficeListMarkerOf(std::string_view markerText);

}  // namespace qm
