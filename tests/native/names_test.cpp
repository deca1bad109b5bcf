#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

#include "save/first_words.h"
#include "save/image_save.h"
#include "save/numbering.h"
#include "save/safe_name.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

// The wide form of a code-page 1252 text whose bytes are Latin-1: the wide rules must
// name it exactly as the ANSI ones do.
std::wstring Latin1(std::string_view text) {
  std::wstring wide;
  for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

TEST(FirstWords, NameEndsWithTheLastWantedWordFoundInTheFirstHundredCharacters) {
  const std::string x99(99, 'x');
  const std::string x100(100, 'x');
  // text, words, Zeichen, name
  const std::tuple<std::string, int, const char*, std::string> rows[] = {
      {x99 + " danach", 1, "", x99},          {x100 + " danach", 1, "", x100 + " danach"},
      {"\t\x01Hal\rlo Welt", 1, "", "Hallo"}, {"Hallo\r\nWelt und mehr", 2, "", "Hallo Welt"},
      {"Was? Wer: ich", 2, "?:", "Was Wer"},  {" \r\n\t\x02  ", 1, "", ""}};
  for (const auto& [text, words, zeichen, name] : rows) {
    EXPECT_EQ(FirstWordsName(text, words, zeichen), name) << text << " / " << words;
    EXPECT_EQ(FirstWordsName(Latin1(text), words, Latin1(zeichen)), Latin1(name)) << text;
  }
  EXPECT_LE(FirstWordsName(std::string(3 * kNameWindow, 'x'), 1, "").size(), kNameWindow);
  EXPECT_EQ(FirstWordsName(L"\u0141\u00F3d\u017A Kaliska 12", 2, L""),
            L"\u0141\u00F3d\u017A Kaliska");
  EXPECT_EQ(FirstWordsName(L"\u0416 \u2192 \u0416", 3, L"\u2192"), L"\u0416  \u0416");
}

// A file without the key, or one that another program held at the read, leaves out the
// delivered characters; a key the user emptied leaves out none.
TEST(FirstWords, TheCharactersLeftOutAreTheUsersOrElseTheDeliveredOnes) {
  // the file's key, or none, and the characters left out
  const std::pair<std::optional<std::string>, std::string_view> rows[] = {
      {std::nullopt, kDeliveredZeichen}, {"", ""}, {"?:", "?:"}};
  for (const auto& [key, zeichen] : rows) {
    test::MemorySettings settings;
    if (key) settings.Write("Zeichen", "Zeichen", *key);
    EXPECT_EQ(ZeichenOf(settings), zeichen) << key.value_or("none");
  }
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
    EXPECT_EQ(SafeName(Latin1(hostile), 200), Latin1(name)) << hostile;
  }
}

TEST(SafeName, KeepsGoodNamesPrefixesDevicesAndCutsToTheRoom) {
  const std::tuple<std::string, size_t, std::string> rows[] = {
      {"Begr\xFC\xDFung.v1", 200, "Begr\xFC\xDFung.v1"},
      {"CONTRA", 3, "_CO"},
      {"  . ", 200, "Zwischenablage"},
      {std::string(300, 'w'), 255, std::string(255, 'w')},
      {"abc      d", 5, "abc"}};
  for (const auto& [text, room, name] : rows) {
    EXPECT_EQ(SafeName(text, room), name) << text;
    EXPECT_EQ(SafeName(Latin1(text), room), Latin1(name)) << text;
  }
  // Letters the code page lacks stay; a character of two UTF-16 units is not cut apart.
  EXPECT_EQ(SafeName(L"\u0141\u00F3d\u017A<\u2192>.", 200), L"\u0141\u00F3d\u017A\u2192");
  EXPECT_EQ(SafeName(std::wstring{L'a', L'b', wchar_t(0xD83D), wchar_t(0xDE00)}, 3), L"ab");
}

TEST(SafeName, DeviceNamesInAnyCaseWithExtensionsOrTrailingBlanks) {
  const std::pair<const char*, bool> rows[] = {
      {"prn", true},     {"NUL.tar.gz", true}, {"LPT9.log", true}, {"CON .txt", true},
      {"COM\xB9", true}, {"CONSOLE", false},   {"xCON", false},    {"COM10", false},
      {"COMA", false},   {".CON", false},      {"", false}};
  for (const auto& [name, device] : rows) EXPECT_EQ(IsReservedDeviceName(name), device) << name;
}

TEST(Numbering, TheSmallestFreeNumberWhereEmptyFilesAndDeviceNamesAreTaken) {
  // the files in C:\T\ with their FileState, the wanted name, the name given
  const std::tuple<std::map<std::wstring, int>, std::wstring, std::wstring> rows[] = {
      {{{L"Notiz.html", 1}}, L"Notiz", L"Notiz"},
      {{{L"Notiz.txt", 1}, {L"Notiz1.txt", 0}, {L"Notiz3.txt", 1}}, L"Notiz", L"Notiz2"},
      {{{L"COM.txt", 1}}, L"COM", L"COM10"}};
  for (const auto& [files, wanted, numbered] : rows) {
    const auto fileState = [&files = files](const std::wstring& path) {
      const auto found = files.find(path.substr(5));
      return found == files.end() ? -1 : found->second;
    };
    EXPECT_EQ(NumberedName(L"C:\\T\\", wanted, L".txt", fileState), numbered);
  }
}

TEST(ImagePath, FileAddressesBecomeDrivePathsAndPicturesTakeTheFileNameOrBild) {
  for (const auto& [dateiname, name] :
       {std::pair{"", "Bild"}, {"egal", "Bild"}, {"Schirm", "Schirm"}}) {
    EXPECT_EQ(PictureName(dateiname), name);
  }
  const std::pair<const char*, const char*> paths[] = {
      {"file:///C|/Bilder/Foto%20A.jpg", "C:\\Bilder\\Foto A.jpg"},
      {"\"C:\\B\\F.jpg\"\r\n", "C:\\B\\F.jpg"},
      {"  C:\\B\\F A.jpg\t", "C:\\B\\F A.jpg"}};
  for (const auto& [text, path] : paths) EXPECT_EQ(CleanImagePath(text), path) << text;
}

}  // namespace
}  // namespace qm
