#include "clipboard/drop_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {
namespace {

std::string Uint32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// DROPFILES: pFiles, pt.x, pt.y, fNC, fWide.
std::string Header(uint32_t namesAt, bool wide) {
  return Uint32(namesAt) + Uint32(0) + Uint32(0) + Uint32(0) + Uint32(wide ? 1 : 0);
}

std::string Wide(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

const std::string kLongName = "C:\\" + std::string(4996, 'a') + ".j";

struct DropCase {
  const char* what;
  std::string block;
  std::optional<std::vector<std::string>> ansiNames;  // nothing: the list is refused
  std::vector<std::u16string> wideNames = {};
};

const DropCase kCases[] = {
    {"one ANSI name", Header(20, false) + std::string("C:\\B\xE4r.jpg\0\0", 12),
     std::vector<std::string>{"C:\\B\xE4r.jpg"}},
    {"two names", Header(20, false) + std::string("C:\\a\0C:\\b\0\0", 11),
     std::vector<std::string>{"C:\\a", "C:\\b"}},
    {"a name of 5000 characters", Header(20, false) + kLongName + std::string(2, '\0'),
     std::vector<std::string>{kLongName}},
    {"the list may end with the block", Header(24, false) + "pad!C:\\a" + std::string(1, '\0'),
     std::vector<std::string>{"C:\\a"}},
    {"one wide name", Header(20, true) + Wide(u"C:\\\u0141\u00F3d\u017A.png") + std::string(4, '\0'),
     std::vector<std::string>{}, {u"C:\\\u0141\u00F3d\u017A.png"}},
    {"no room for the header", Header(20, false).substr(0, 19), std::nullopt},
    {"names past the end", Header(4000, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"names right at the end", Header(26, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"names inside the header", Header(8, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"a name without its zero", Header(20, false) + "C:\\a.jpg", std::nullopt},
    {"a wide name cut in half", Header(20, true) + Wide(u"C:\\a") + std::string(1, '\0'),
     std::nullopt},
    {"a wide name without its zero", Header(20, true) + Wide(u"C:\\a.jpg"), std::nullopt},
};

TEST(DropList, OnlyAListWhoseEveryNameLiesInsideItsBlockIsRead) {
  for (const DropCase& row : kCases) {
    const auto list = ParseDropList(row.block);
    ASSERT_EQ(list.has_value(), row.ansiNames.has_value()) << row.what;
    if (!list) continue;
    EXPECT_EQ(list->wide, !row.wideNames.empty()) << row.what;
    EXPECT_EQ(list->ansiNames, *row.ansiNames) << row.what;
    EXPECT_EQ(list->wideNames, row.wideNames) << row.what;
  }
}

}  // namespace
}  // namespace qm
