#include "save/safe_name.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "save/numbering.h"

namespace qm {
namespace {

constexpr size_t kRoom = 200;

// A name Windows would take as an ordinary file in the target folder.
void ExpectUsable(const std::string& name, size_t maxLength = kRoom) {
  EXPECT_FALSE(name.empty());
  EXPECT_LE(name.size(), maxLength) << name;
  EXPECT_EQ(name.find_first_of("\\/:*?\"<>|"), std::string::npos) << name;
  for (char c : name) EXPECT_GE(static_cast<unsigned char>(c), 32) << name;
  EXPECT_NE(name.back(), '.') << name;
  EXPECT_NE(name.back(), ' ') << name;
  EXPECT_FALSE(IsReservedDeviceName(name)) << name;
}

TEST(SafeName, KeepsOrdinaryNames) {
  EXPECT_EQ(SafeName("Hallo Welt", kRoom), "Hallo Welt");
  EXPECT_EQ(SafeName("Begr\xFC\xDFung.v1", kRoom), "Begr\xFC\xDFung.v1");
}

const char* const kHostileTexts[] = {
    "..\\..\\x", "../../etc/passwd", "CON", "con.txt",     "COM1",
    "LPT9.log",  "aux .txt",         "a:b", "C:\\Windows", "\\\\server\\share",
    "x*?\"<>|",  "\r\n\r\n",         "...", ".",           "..",
    "Notiz. . ", "a\x01z\tc\x7F",    "",    "   ",         "\x1F"};

TEST(SafeName, HostileTextsBecomeUsableNames) {
  for (const char* hostile : kHostileTexts) ExpectUsable(SafeName(hostile, kRoom));
  ExpectUsable(SafeName(std::string(300, 'w'), kRoom));
}

TEST(SafeName, NothingUsableGivesTheFallbackName) {
  for (const char* nothing : {"", "\r\n", "...", "..", "  . ", "\\/:*", "\x01\x02"}) {
    EXPECT_EQ(SafeName(nothing, kRoom), kFallbackName) << nothing;
  }
  EXPECT_EQ(SafeName("", 4), kFallbackName.substr(0, 4));
}

TEST(SafeName, DeviceNamesAreMadeOrdinary) {
  EXPECT_EQ(SafeName("CON", kRoom), "_CON");
  EXPECT_EQ(SafeName("con.txt", kRoom), "_con.txt");
  EXPECT_EQ(SafeName("COM1", kRoom), "_COM1");
}

TEST(SafeName, CutsToTheRoomAndTrimsAgain) {
  EXPECT_EQ(SafeName(std::string(300, 'w'), 255), std::string(255, 'w'));
  EXPECT_EQ(SafeName("abc      d", 5), "abc");
  ExpectUsable(SafeName("x", 0), 1);
}

TEST(SafeName, CuttingNeverLeavesADeviceName) {
  ExpectUsable(SafeName("CONTRA", 3), 3);
  ExpectUsable(SafeName("COM12345", 4), 4);
  ExpectUsable(SafeName("LPT1 Drucker", 5), 5);
}

TEST(IsReservedDeviceName, KnowsTheDevices) {
  for (const char* device : {"CON", "prn", "Aux", "NUL", "COM1", "com9", "LPT1", "LPT9.log",
                             "con.txt", "NUL.tar.gz", "CON ", "CON .txt", "COM\xB9", "LPT\xB2"}) {
    EXPECT_TRUE(IsReservedDeviceName(device)) << device;
  }
}

TEST(IsReservedDeviceName, LeavesSimilarNames) {
  for (const char* name :
       {"CONSOLE", "xCON", "COM", "COM10", "LPT", "COMA", "_CON", ".CON", "CON_", "", "Notiz"}) {
    EXPECT_FALSE(IsReservedDeviceName(name)) << name;
  }
}

class NumberedNameTest : public ::testing::Test {
 protected:
  std::string Numbered(const std::string& name, const std::string& extension = ".txt") {
    return NumberedName("C:\\T\\", name, extension, [this](const std::string& path) {
      const auto found = states.find(path);
      return found == states.end() ? -1 : found->second;
    });
  }

  std::map<std::string, int> states;  // path -> FileState
};

TEST_F(NumberedNameTest, FreeNameStays) {
  states["C:\\T\\Notiz.html"] = 1;
  EXPECT_EQ(Numbered("Notiz"), "Notiz");
}

TEST_F(NumberedNameTest, TakesTheSmallestFreeNumber) {
  states["C:\\T\\Notiz.txt"] = 1;
  EXPECT_EQ(Numbered("Notiz"), "Notiz1");
  states["C:\\T\\Notiz1.txt"] = 1;
  states["C:\\T\\Notiz3.txt"] = 1;
  EXPECT_EQ(Numbered("Notiz"), "Notiz2");
}

TEST_F(NumberedNameTest, EmptyFilesCountAsTaken) {
  states["C:\\T\\Notiz.txt"] = 1;
  states["C:\\T\\Notiz1.txt"] = 0;
  EXPECT_EQ(Numbered("Notiz"), "Notiz2");
}

TEST_F(NumberedNameTest, NumbersCountOnAfterNine) {
  states["C:\\T\\N.txt"] = 1;
  for (int i = 1; i <= 10; ++i) states["C:\\T\\N" + std::to_string(i) + ".txt"] = 1;
  EXPECT_EQ(Numbered("N"), "N11");
}

TEST_F(NumberedNameTest, NeverChoosesADeviceName) {
  states["C:\\T\\COM.txt"] = 1;
  EXPECT_EQ(Numbered("COM"), "COM10");
  states["C:\\T\\LPT.log"] = 0;
  EXPECT_EQ(Numbered("LPT", ".log"), "LPT10");
}

}  // namespace
}  // namespace qm
