#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qm::bench {

// Polish and Russian prose, as a browser gives it: nearly every letter is one the code
// page lacks.
inline std::u16string NonLatinProseOfSize(size_t characters) {
  static constexpr std::array<std::u16string_view, 6> kWords = {
      u"\u0141\u00F3d\u017A", u"\u017C\u00F3\u0142w",       u"\u043F\u0440\u0438\u0432\u0435\u0442",
      u"\u043C\u0438\u0440",  u"\u0441\u0447\u0451\u0442:", u"42,50"};
  std::u16string text;
  for (size_t i = 0; text.size() < characters; ++i) {
    text += kWords[i % kWords.size()];
    text += i % 12 == 11 ? u"\r\n" : u" ";
  }
  text.resize(characters);
  return text;
}

}  // namespace qm::bench
