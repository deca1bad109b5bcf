#include <windows.h>

#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

// WC_NO_BEST_FIT_CHARS keeps "Ł" from becoming "L"; the UTF-8 code page (an option of
// newer Windows) takes no flags, and holds every character anyway.
DWORD NarrowingFlags() { return GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }

std::optional<std::string> Narrow(const wchar_t* wide, int length) {
  const DWORD flags = NarrowingFlags();
  BOOL missing = FALSE;
  BOOL* const askMissing = flags == 0 ? nullptr : &missing;
  const int size =
      WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, askMissing);
  if (size <= 0 || missing) return std::nullopt;
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide, length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

}  // namespace

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
  return Narrow(wide.data(), static_cast<int>(wide.size())).value_or(std::string());
}

std::optional<std::string> NarrowToAnsi(std::u16string_view wide) {
  if (wide.empty()) return std::string();
  return Narrow(reinterpret_cast<const wchar_t*>(wide.data()), static_cast<int>(wide.size()));
}

std::optional<std::string> AnsiOfCharacter(char32_t codePoint) {
  std::wstring units;
  AppendUtf16(units, codePoint);
  return Narrow(units.data(), static_cast<int>(units.size()));
}

}  // namespace qm
