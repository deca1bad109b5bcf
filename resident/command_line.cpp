#include "resident/command_line.h"

#include <algorithm>

namespace qm {

namespace {

bool IsHier(const std::wstring& argument) {
  static constexpr std::wstring_view kHier = L"/hier";
  return std::equal(
      argument.begin(), argument.end(), kHier.begin(), kHier.end(),
      [](wchar_t a, wchar_t b) { return (a >= L'A' && a <= L'Z' ? a + 32 : a) == b; });
}

}  // namespace

StartRequest StartRequestOf(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) return {};
  if (arguments.size() == 2 && IsHier(arguments[0]) && !arguments[1].empty()) {
    std::wstring folder = arguments[1];
    // Explorer quotes a drive's root as "C:", and the system's splitting reads the
    // backslash before the quote as an escaped quote: C:".
    if (folder.back() == L'"') folder.back() = L'\\';
    return {StartRequest::Kind::SaveHere, folder};
  }
  return {StartRequest::Kind::Unknown, {}};
}

}  // namespace qm
