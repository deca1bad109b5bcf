#include "clipboard/drop_list.h"

#include <cstdint>

namespace qm {

namespace {

// DROPFILES: DWORD pFiles, POINT pt, BOOL fNC, BOOL fWide; little-endian.
constexpr size_t kHeaderSize = 20;
constexpr size_t kNamesOffsetAt = 0;
constexpr size_t kWideFlagAt = 16;

uint32_t Uint32At(std::string_view block, size_t at) {
  uint32_t value = 0;
  for (size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(block[at + i]);
  return value;
}

// The zero-terminated names from `names` on; false when one runs past the end.
bool ReadAnsiNames(std::string_view names, std::vector<std::string>& out) {
  while (!names.empty() && names.front() != '\0') {
    const size_t end = names.find('\0');
    if (end == std::string_view::npos) return false;
    out.emplace_back(names.substr(0, end));
    names.remove_prefix(end + 1);
  }
  return true;
}

char16_t UnitAt(std::string_view names, size_t unit) {
  return static_cast<char16_t>(static_cast<unsigned char>(names[2 * unit]) |
                               static_cast<unsigned char>(names[2 * unit + 1]) << 8);
}

bool ReadWideNames(std::string_view names, std::vector<std::u16string>& out) {
  const size_t units = names.size() / 2;
  size_t at = 0;
  while (at < units && UnitAt(names, at) != u'\0') {
    std::u16string name;
    for (; at < units && UnitAt(names, at) != u'\0'; ++at) name += UnitAt(names, at);
    if (at == units) return false;
    out.push_back(std::move(name));
    ++at;
  }
  return true;
}

}  // namespace

std::optional<DropList> ParseDropList(std::string_view block) {
  if (block.size() < kHeaderSize) return std::nullopt;
  const uint32_t namesAt = Uint32At(block, kNamesOffsetAt);
  if (namesAt < kHeaderSize || namesAt >= block.size()) return std::nullopt;
  DropList list;
  list.wide = Uint32At(block, kWideFlagAt) != 0;
  const std::string_view names = block.substr(namesAt);
  const bool whole =
      list.wide ? ReadWideNames(names, list.wideNames) : ReadAnsiNames(names, list.ansiNames);
  if (!whole) return std::nullopt;
  return list;
}

}  // namespace qm
