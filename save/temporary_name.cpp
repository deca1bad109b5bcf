#include "save/temporary_name.h"

#include <cstdint>

namespace qm {

namespace {

wchar_t AsciiLower(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// FNV-1a of the name as Windows compares it, folded to 16 bits. A unit above 0xFF adds
// its high byte, so the ANSI names of earlier versions keep their temporary file.
uint16_t NameHash(std::wstring_view name) {
  uint32_t hash = 2166136261u;
  for (wchar_t c : name) {
    const auto unit = static_cast<uint32_t>(AsciiLower(c));
    hash = (hash ^ (unit & 0xFF)) * 16777619u;
    if (unit > 0xFF) hash = (hash ^ ((unit >> 8) & 0xFF)) * 16777619u;
  }
  return static_cast<uint16_t>(hash ^ (hash >> 16));
}

}  // namespace

std::wstring TemporaryPathFor(std::wstring_view documentPath) {
  const size_t nameStart = documentPath.find_last_of(L'\\') + 1;
  constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
  const uint16_t hash = NameHash(documentPath.substr(nameStart));
  std::wstring path(documentPath.substr(0, nameStart));
  path += L"~qm";
  for (int shift = 12; shift >= 0; shift -= 4) path += kHexDigits[(hash >> shift) & 0xF];
  return path + L".tmp";
}

}  // namespace qm
