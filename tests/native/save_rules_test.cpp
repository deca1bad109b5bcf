#include <gtest/gtest.h>

#include "save/image_save.h"

namespace qm {
namespace {

TEST(ImagePath, FileAddressesAndQuotedNamesBecomeDrivePathsSplitAtTheLastDot) {
  const std::pair<const char*, const char*> paths[] = {
      {"file:///C|/Bilder/Foto%20A.jpg", "C:\\Bilder\\Foto A.jpg"},
      {"\"C:\\B\\F.jpg\"\r\n", "C:\\B\\F.jpg"},
      {"  C:\\B\\F A.jpg\t", "C:\\B\\F A.jpg"}};
  for (const auto& [text, path] : paths) EXPECT_EQ(CleanImagePath(text), path) << text;
  const std::pair<const char*, bool> drives[] = {
      {"d:\\", true}, {"\\\\server\\F.jpg", false}, {"C:F.jpg", false}, {"", false}};
  for (const auto& [path, drive] : drives) EXPECT_EQ(IsDrivePath(path), drive) << path;
  const std::pair<const char*, ImageName> names[] = {{"C:\\B\\A.tar.gz", {"A.tar", ".gz"}},
                                                     {"C:\\O.alt\\Bild", {"Bild", ""}}};
  for (const auto& [path, name] : names) EXPECT_EQ(SplitImageName(path), name) << path;
}

}  // namespace
}  // namespace qm
