#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "save/access.h"
#include "save/image_save.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

using Failure = std::optional<std::wstring>;

TEST(ImagePath, FileAddressesAndQuotedNamesBecomeDrivePathsSplitAtTheLastDot) {
  const std::pair<const char*, const char*> paths[] = {
      {"file:///C|/Bilder/Foto%20A.jpg", "C:\\Bilder\\Foto A.jpg"},
      {"file:///C:/Mein%20Ordner/B.png", "C:\\Mein Ordner\\B.png"}, {"C:\\B\\F", "C:\\B\\F"},
      {"\"C:\\B\\F.jpg\"\r\n", "C:\\B\\F.jpg"}, {"  C:\\B\\F A.jpg\t", "C:\\B\\F A.jpg"},
      {"\"", "\""}, {" \r\n", ""}};
  for (const auto& [text, path] : paths) EXPECT_EQ(CleanImagePath(text), path) << text;
  const std::pair<const char*, bool> drives[] = {
      {"C:\\B\\F.jpg", true}, {"d:\\", true}, {"\\\\server\\F.jpg", false}, {"C:F.jpg", false},
      {"C:", false}, {"", false}, {"file:\\\\server\\F.jpg", false}};
  for (const auto& [path, drive] : drives) EXPECT_EQ(IsDrivePath(path), drive) << path;
  const std::pair<const char*, ImageName> names[] = {
      {"C:\\O.alt\\Bild.png", {"Bild", ".png"}}, {"C:\\B\\A.tar.gz", {"A.tar", ".gz"}},
      {"C:\\O.alt\\Bild", {"Bild", ""}}, {"C:\\B\\.png", {"", ".png"}}};
  for (const auto& [path, name] : names) EXPECT_EQ(SplitImageName(path), name) << path;
}

// Which paths exist is all the access asks of the file system (every file is empty, which
// still counts as there); what it shows and opens is recorded.
struct World : SaveFiles, MessageBoxes, ShellOpener {
  bool FolderExists(const std::string& path) override { return existing.contains(path); }
  int FileState(const std::string& path) override { return existing.contains(path) ? 0 : -1; }
  Failure CreateFolder(const std::string&, const std::string&) override { return L"-"; }
  Failure AppendEntry(const std::string&, const TextEntry&) override { return L"-"; }
  Failure CopyFileTo(const std::string&, const std::string&) override { return L"-"; }
  Failure ReadWholeFile(const std::string&, std::string&) override { return L"-"; }
  Failure ReplaceWholeFile(const std::string&, std::string_view) override { return L"-"; }
  void Show(const MessageRequest& request) override { shown.push_back(request.text); }
  Failure Open(const std::string& path, const std::string& folder) override {
    opened += path + " in " + folder + ";";
    return std::nullopt;
  }
  std::vector<std::wstring> shown;
  std::string opened;
  std::set<std::string> existing;
};

TEST(Access, OpensTheFolderUnlessDirectAndTheMethodWritesOneFileThatExists) {
  const std::string dir = "C:\\T\\ in C:\\;";
  const std::string txt = "C:\\T\\N.txt in C:\\;";
  const std::set<std::string> folder{"C:\\T"};
  // direct access, Aktion, Format, existing paths, index, opened, a word of the message
  const std::tuple<bool, const char*, const char*, std::set<std::string>, int, std::string,
                   const wchar_t*> rows[] = {
      {false, "extradatei", "Text", folder, 0, dir, nullptr},
      {false, "gleichedatei", "Text", {"C:\\T", "C:\\T\\N.txt"}, 0, dir, nullptr},
      {true, "extradatei3", "Text", folder, 0, dir, nullptr},
      {true, "dateiundordner2", "Text", folder, 0, dir, nullptr},
      {true, "bilder", "Text", folder, 0, dir, nullptr},
      {true, "Kein Eintrag gefunden!", "Text", folder, 0, dir, nullptr},
      {true, "gleichedatei", "Text", {"C:\\T\\N.txt"}, 0, txt, nullptr},
      {true, "gleichedatei", "HTML", {"C:\\T\\N.html"}, 0, "C:\\T\\N.html in C:\\;", nullptr},
      {true, "extradatei", "Kein Eintrag gefunden!", {"C:\\T\\N.txt"}, 0, txt, nullptr},
      {true, "extradatei", "Text", {"C:\\T", "C:\\T\\N1.txt"}, 0, "", L"Datei"},
      {false, "extradatei", "Text", {}, 0, "", L"\"C:\\T\""},
      {false, "extradatei", "Text", folder, 20, "", nullptr},
      {false, "extradatei", "Text", folder, -1, "", nullptr}};
  for (const auto& [direct, aktion, format, existing, index, opened, box] : rows) {
    test::MemorySettings settings;
    for (const auto& [key, value] : {std::pair{"Aktiviert", "ja"}, {"Speicherpfad", "C:\\T"},
                                     {"Dateiname", "N"}, {"Aktion", aktion}, {"Format", format}}) {
      settings.Write("Aktion1", key, value);
    }
    ActionCache actions;
    actions.Refresh(settings);
    CurrentOptions options;
    options.optDirekt = direct;
    World world;
    world.existing = existing;
    AccessContext context{actions, options, world, world, world};
    Menüklick2(index, context);
    EXPECT_EQ(world.opened, opened) << aktion << format;
    ASSERT_EQ(world.shown.size(), box ? 1u : 0u) << aktion << format;
    if (box) { EXPECT_NE(world.shown[0].find(box), std::wstring::npos) << aktion << format; }
  }
}

}  // namespace
}  // namespace qm
