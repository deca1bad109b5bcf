#include "save/temporary_name.h"

#include <cstdint>

namespace qm {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// FNV-1a of the name as Windows compares it, folded to 16 bits.
uint16_t NameHash(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * 16777619u;
  return static_cast<uint16_t>(hash ^ (hash >> 16));
}

}  // namespace

std::string TemporaryPathFor(std::string_view documentPath) {
  const size_t nameStart = documentPath.find_last_of('\\') + 1;
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  const uint16_t hash = NameHash(documentPath.substr(nameStart));
  std::string path(documentPath.substr(0, nameStart));
  path += "~qm";
  for (int shift = 12; shift >= 0; shift -= 4) path += kHexDigits[(hash >> shift) & 0xF];
  return path + ".tmp";
}

}  // namespace qm
