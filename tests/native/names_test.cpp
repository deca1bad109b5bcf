#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "save/first_words.h"
#include "save/numbering.h"
#include "save/safe_name.h"
#include "save/strip_out.h"

namespace qm {
namespace {

TEST(StripOut, RemovesEveryOccurrenceOfEachCharacterExactly) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"Hallo, Welt! Wie?", ",!?", "Hallo Welt Wie"}, {"a:b:c", "::", "abc"}, {":::", ":", ""},
      {"aAaA", "a", "AA"}, {"B\xE4r B\xC4r", "\xE4", "Br B\xC4r"}, {"Hallo", "", "Hallo"}};
  for (const auto& [from, what, left] : rows) EXPECT_EQ(StripOut(from, what), left) << from;
}

TEST(FirstWords, NameEndsWithTheLastWantedWordFoundInTheFirstHundredCharacters) {
  const std::string x99(99, 'x');
  const std::string x100(100, 'x');
  const std::tuple<std::string, int, const char*, std::string> rows[] = {  // text, words, Zeichen
      {"Hallo Welt und mehr", 2, "", "Hallo Welt"}, {"Hallo Welt und mehr", 1, "", "Hallo"},
      {"Hallo Welt und mehr ", 4, "", "Hallo Welt und mehr"}, {"Hallo Welt", 2, "", "Hallo Welt"},
      {"Hallo", 9, "", "Hallo"}, {x99 + " danach", 1, "", x99},
      {x100 + " danach", 1, "", x100 + " danach"}, {"  \r\nHallo Welt", 1, "", "Hallo"},
      {"\t\t\x01Hallo Welt", 1, "", "Hallo"}, {"Hallo\r\nWelt und mehr", 2, "", "Hallo Welt"},
      {"Hallo\nWelt", 1, "", "Hallo"}, {"Hal\rlo Welt", 1, "", "Hallo"}, {"a  b c", 2, "", "a"},
      {"Was? Wer: ich", 2, "?:", "Was Wer"}, {"Ja ! mehr", 2, "!", "Ja"},
      {"a/b\\c d", 1, "\\/", "abc"}, {" \r\n\t\x02  ", 1, "", ""}, {"", 3, "", ""}};
  for (const auto& [text, words, zeichen, name] : rows) {
    EXPECT_EQ(FirstWordsName(text, words, zeichen), name) << text << " / " << words;
  }
  EXPECT_LE(FirstWordsName(std::string(3 * kNameWindow, 'x'), 1, "").size(), kNameWindow);
}

TEST(SafeName, HostileTextsBecomeOrdinaryNamesInTheTargetFolder) {
  for (const std::string hostile :
       {"..\\..\\x", "../../etc/passwd", "con.txt", "COM1", "LPT9.log", "aux .txt", "a:b",
        "C:\\Windows", "\\\\server\\share", "x*?\"<>|", "\r\n\r\n", "...", "Notiz. . ",
        "a\x01z\tc\x7F", "", "   ", "\x1F"}) {
    const std::string name = SafeName(hostile, 200);
    EXPECT_FALSE(name.empty()) << hostile;
    EXPECT_EQ(name.find_first_of("\\/:*?\"<>|\x01\t\r\n\x1F"), std::string::npos) << name;
    EXPECT_TRUE(name.back() != '.' && name.back() != ' ') << name;
    EXPECT_FALSE(IsReservedDeviceName(name)) << name;
  }
}

TEST(SafeName, KeepsGoodNamesPrefixesDevicesAndCutsToTheRoom) {
  const std::tuple<std::string, size_t, std::string> rows[] = {
      {"Hallo Welt", 200, "Hallo Welt"}, {"Begr\xFC\xDFung.v1", 200, "Begr\xFC\xDFung.v1"},
      {"CON", 200, "_CON"}, {"con.txt", 200, "_con.txt"}, {"COM1", 200, "_COM1"},
      {"CONTRA", 3, "_CO"}, {"LPT1 Drucker", 4, "_LPT"}, {"", 200, "Zwischenablage"},
      {"\\/:*", 200, "Zwischenablage"}, {"  . ", 200, "Zwischenablage"}, {"", 4, "Zwis"},
      {std::string(300, 'w'), 255, std::string(255, 'w')}, {"abc      d", 5, "abc"}};
  for (const auto& [text, room, name] : rows) EXPECT_EQ(SafeName(text, room), name) << text;
}

TEST(SafeName, DeviceNamesInAnyCaseWithExtensionsOrTrailingBlanks) {
  const std::pair<const char*, bool> rows[] = {
      {"CON", true}, {"prn", true}, {"Aux", true}, {"NUL.tar.gz", true}, {"com9", true},
      {"LPT9.log", true}, {"CON ", true}, {"CON .txt", true}, {"COM\xB9", true}, {"LPT\xB2", true},
      {"CONSOLE", false}, {"xCON", false}, {"COM", false}, {"COM10", false}, {"COMA", false},
      {"_CON", false}, {".CON", false}, {"CON_", false}, {"", false}};
  for (const auto& [name, device] : rows) EXPECT_EQ(IsReservedDeviceName(name), device) << name;
}

TEST(Numbering, TheSmallestFreeNumberWhereEmptyFilesAndDeviceNamesAreTaken) {
  const std::tuple<std::map<std::string, int>, std::string, std::string> rows[] = {
      {{{"Notiz.html", 1}}, "Notiz.txt", "Notiz"}, {{{"Notiz.txt", 1}}, "Notiz.txt", "Notiz1"},
      {{{"Notiz.txt", 0}}, "Notiz.txt", "Notiz1"},
      {{{"Notiz.txt", 1}, {"Notiz1.txt", 1}, {"Notiz3.txt", 1}}, "Notiz.txt", "Notiz2"},
      {{{"Notiz.txt", 1}, {"Notiz1.txt", 0}}, "Notiz.txt", "Notiz2"},
      {{{"N", 1}, {"N1", 1}, {"N2", 1}, {"N3", 1}, {"N4", 1}, {"N5", 1}, {"N6", 1}, {"N7", 1},
        {"N8", 1}, {"N9", 1}, {"N10", 1}}, "N", "N11"},
      {{{"COM.txt", 1}}, "COM.txt", "COM10"}, {{{"LPT.log", 0}}, "LPT.log", "LPT10"}};
  for (const auto& [states, wanted, numbered] : rows) {  // states: FileState by name in C:\T
    const auto fileState = [&taken = states](const std::string& p) {
      return taken.contains(p.substr(5)) ? taken.at(p.substr(5)) : -1;
    };
    const size_t dot = std::min(wanted.find('.'), wanted.size());
    EXPECT_EQ(NumberedName("C:\\T\\", wanted.substr(0, dot), wanted.substr(dot), fileState),
              numbered) << wanted;
  }
}

}  // namespace
}  // namespace qm
