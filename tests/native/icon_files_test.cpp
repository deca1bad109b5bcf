// The icon files the program folder and the programs' resources carry: every size Windows
// asks for at 100 % to 200 % display scale is there as its own picture, so none is scaled
// blurred, and every picture is a whole 32-bit image of its size with its AND mask.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

uint32_t Little(const std::vector<unsigned char>& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The sizes of the file's pictures; a picture that is not what its entry says fails.
std::set<uint32_t> PictureSizes(const std::string& name) {
  const std::vector<unsigned char> bytes = FileBytes(QM_SOURCE_DIR "/assets/" + name);
  std::set<uint32_t> sizes;
  if (bytes.size() < 6 || Little(bytes, 0, 2) != 0 || Little(bytes, 2, 2) != 1) {
    ADD_FAILURE() << name << " is no icon file";
    return sizes;
  }
  for (uint32_t entry = 0; entry < Little(bytes, 4, 2); ++entry) {
    const size_t at = 6 + 16 * entry;
    const uint32_t size = bytes.at(at) == 0 ? 256 : bytes.at(at);
    const uint32_t length = Little(bytes, at + 8, 4);
    const uint32_t offset = Little(bytes, at + 12, 4);
    const uint32_t maskRow = (size + 31) / 32 * 4;
    EXPECT_EQ(length, 40 + 4 * size * size + maskRow * size) << name << " at " << size;
    EXPECT_LE(offset + length, bytes.size()) << name << " at " << size;
    EXPECT_EQ(Little(bytes, offset + 4, 4), size) << name << ": picture width";
    EXPECT_EQ(Little(bytes, offset + 8, 4), 2 * size) << name << ": picture and mask height";
    EXPECT_EQ(Little(bytes, offset + 14, 2), 32u) << name << ": bits per pixel";
    sizes.insert(size);
  }
  return sizes;
}

TEST(IconFiles, CarryEverySizeOfEveryDisplayScale) {
  const std::set<uint32_t> traySizes{16, 20, 24, 32, 40, 48};
  std::set<uint32_t> programSizes = traySizes;
  programSizes.insert(256);
  const struct {
    const char* name;
    const std::set<uint32_t>& sizes;
  } files[] = {
      {"Icons/gleichedatei.ico", traySizes},   {"Icons/gleichedat.ico", traySizes},
      {"Icons/extradatei.ico", traySizes},     {"Icons/extradat.ico", traySizes},
      {"Icons/extradateiw.ico", traySizes},    {"Icons/extradatw.ico", traySizes},
      {"Icons/dateiundordner.ico", traySizes}, {"Icons/dateiundordner2.ico", traySizes},
      {"Icons/bilder.ico", traySizes},         {"Icons/bild.ico", traySizes},
      {"quillmar.ico", programSizes},          {"einstellungen.ico", programSizes},
  };
  for (const auto& file : files) EXPECT_EQ(PictureSizes(file.name), file.sizes) << file.name;
}

}  // namespace
