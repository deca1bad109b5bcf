#include "save/strip_out.h"

#include <array>

namespace qm {

std::string StripOut(std::string_view from, std::string_view what) {
  std::array<bool, 256> removed{};
  for (char c : what) removed[static_cast<unsigned char>(c)] = true;
  std::string kept;
  kept.reserve(from.size());
  for (char c : from) {
    if (!removed[static_cast<unsigned char>(c)]) kept += c;
  }
  return kept;
}

}  // namespace qm
