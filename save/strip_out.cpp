#include "save/strip_out.h"

#include <array>
#include <type_traits>

namespace qm {

namespace {

template <typename Char>
std::basic_string<Char> StripOutOf(std::basic_string_view<Char> from,
                                   std::basic_string_view<Char> what) {
  using Unit = std::make_unsigned_t<Char>;
  // The first 256 characters are looked up in a table; any other (only a wide text has
  // them) is searched for in `what`, which is a handful of characters.
  std::array<bool, 256> removed{};
  bool removesOthers = false;
  for (Char c : what) {
    if (static_cast<Unit>(c) < removed.size()) {
      removed[static_cast<Unit>(c)] = true;
    } else {
      removesOthers = true;
    }
  }
  std::basic_string<Char> kept;
  kept.reserve(from.size());
  for (Char c : from) {
    const bool gone = static_cast<Unit>(c) < removed.size()
                          ? removed[static_cast<Unit>(c)]
                          : removesOthers && what.find(c) != std::basic_string_view<Char>::npos;
    if (!gone) kept += c;
  }
  return kept;
}

}  // namespace

std::string StripOut(std::string_view from, std::string_view what) {
  return StripOutOf(from, what);
}

std::wstring StripOut(std::wstring_view from, std::wstring_view what) {
  return StripOutOf(from, what);
}

}  // namespace qm
