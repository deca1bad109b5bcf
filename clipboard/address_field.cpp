#include "clipboard/address_field.h"

#include <algorithm>
#include <array>

namespace qm {

bool IsPageAddress(std::string_view text) {
  constexpr std::array<std::string_view, 3> kPrefixes{"http://", "https://", "ftp://"};
  return std::any_of(kPrefixes.begin(), kPrefixes.end(),
                     [text](std::string_view prefix) { return text.starts_with(prefix); });
}

FieldVisit FieldVisitOfClass(std::string_view className) {
  if (className == "Edit") return FieldVisit::ReadOnly;
  if (className == "MozillaWindowClass") return FieldVisit::ReadThenChildren;
  return FieldVisit::ChildrenOnly;
}

}  // namespace qm
