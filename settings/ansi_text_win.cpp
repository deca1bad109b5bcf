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

std::string NarrowAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int ansi = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (ansi <= 0) return {};
  std::string result(static_cast<size_t>(ansi), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, result.data(), ansi, nullptr, nullptr);
  return result;
}

}  // namespace qm
