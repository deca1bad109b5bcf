#include <windows.h>

#include "settings/ansi_text.h"

namespace qm {

std::wstring WidenAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int length = static_cast<int>(ansi.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring result(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, result.data(), wide);
  return result;
}

}  // namespace qm
