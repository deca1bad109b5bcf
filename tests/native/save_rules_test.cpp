#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "save/access.h"
#include "save/image_save.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

TEST(ImagePath, FileAddressesAndQuotedNamesBecomeDrivePaths) {
  const std::pair<const char*, const char*> rows[] = {
      {"file:///C|/Bilder/Foto%20A.jpg", "C:\\Bilder\\Foto A.jpg"},
      {"file:///C:/Mein%20Ordner/Bild%20eins.png", "C:\\Mein Ordner\\Bild eins.png"},
      {"C:\\Bilder\\Foto.jpg", "C:\\Bilder\\Foto.jpg"}, {"\"C:\\Bilder\\Foto.jpg\"\r\n", "C:\\Bilder\\Foto.jpg"},
      {"  C:\\Bilder\\Foto A.jpg\t", "C:\\Bilder\\Foto A.jpg"}, {"\"", "\""}, {" \r\n", ""}};
  for (const auto& [text, path] : rows) EXPECT_EQ(CleanImagePath(text), path) << text;
}

TEST(ImagePath, OnlyDrivePathsAreCopiedUnderTheirNameSplitAtTheLastDot) {
  const std::pair<const char*, bool> drives[] = {
      {"C:\\Bilder\\Foto.jpg", true}, {"d:\\", true}, {"\\\\server\\Bilder\\Foto.jpg", false},
      {"C:Foto.jpg", false}, {"C:", false}, {"", false}, {"file:\\\\server\\Foto.jpg", false}};
  for (const auto& [path, drive] : drives) EXPECT_EQ(IsDrivePath(path), drive) << path;
  const std::pair<const char*, ImageName> names[] = {
      {"C:\\Ordner.alt\\Bild.png", {"Bild", ".png"}}, {"C:\\Bilder\\Archiv.tar.gz", {"Archiv.tar", ".gz"}},
      {"C:\\Ordner.alt\\Bild", {"Bild", ""}}, {"C:\\Bilder\\.png", {"", ".png"}}};
  for (const auto& [path, name] : names) EXPECT_EQ(SplitImageName(path), name) << path;
}

// Which paths exist is all the access asks of the file system.
class ExistingPaths : public SaveFiles {
 public:
  explicit ExistingPaths(std::set<std::string> paths) : paths_(std::move(paths)) {}
  bool FolderExists(const std::string& path) override { return paths_.contains(path); }
  int FileState(const std::string& path) override { return paths_.contains(path) ? 1 : -1; }
  std::optional<std::wstring> CreateFolder(const std::string&, const std::string&) override { return L"-"; }
  std::optional<std::wstring> AppendEntry(const std::string&, const TextEntry&) override { return L"-"; }
  std::optional<std::wstring> CopyFileTo(const std::string&, const std::string&) override { return L"-"; }
  std::optional<std::wstring> ReadWholeFile(const std::string&, std::string&) override { return L"-"; }
  std::optional<std::wstring> ReplaceWholeFile(const std::string&, std::string_view) override { return L"-"; }

 private:
  std::set<std::string> paths_;
};

struct Recorder : MessageBoxes, ShellOpener {
  void Show(const MessageRequest& request) override { shown.push_back(request.text); }
  std::optional<std::wstring> Open(const std::string& path, const std::string& folder) override {
    opened.push_back(path + " in " + folder);
    return std::nullopt;
  }
  std::vector<std::wstring> shown;
  std::vector<std::string> opened;
};

TEST(Access, OpensTheFolderUnlessDirectAndTheMethodWritesOneFileThatExists) {
  const std::string folder = "C:\\Texte\\ in C:\\";
  const std::string txt = "C:\\Texte\\Notiz.txt in C:\\";
  const struct {
    bool direct;
    const char *aktion, *format;
    std::set<std::string> existing;
    int index;
    std::string opened;
    const wchar_t* box;  // a word of the message shown instead, or nullptr
  } rows[] = {
      {false, "extradatei", "Text", {"C:\\Texte"}, 0, folder, nullptr},
      {false, "gleichedatei", "Text", {"C:\\Texte", "C:\\Texte\\Notiz.txt"}, 0, folder, nullptr},
      {true, "extradatei3", "Text", {"C:\\Texte"}, 0, folder, nullptr},
      {true, "dateiundordner2", "Text", {"C:\\Texte"}, 0, folder, nullptr},
      {true, "bilder", "Text", {"C:\\Texte"}, 0, folder, nullptr},
      {true, "Kein Eintrag gefunden!", "Text", {"C:\\Texte"}, 0, folder, nullptr},
      {true, "gleichedatei", "Text", {"C:\\Texte\\Notiz.txt"}, 0, txt, nullptr},
      {true, "gleichedatei", "HTML", {"C:\\Texte\\Notiz.html"}, 0, "C:\\Texte\\Notiz.html in C:\\", nullptr},
      {true, "extradatei", "Kein Eintrag gefunden!", {"C:\\Texte\\Notiz.txt"}, 0, txt, nullptr},
      {true, "extradatei", "Text", {"C:\\Texte", "C:\\Texte\\Notiz1.txt"}, 0, "", L"Datei"},
      {false, "extradatei", "Text", {}, 0, "", L"\"C:\\Texte\""},
      {false, "extradatei", "Text", {"C:\\Texte"}, 20, "", nullptr},
      {false, "extradatei", "Text", {"C:\\Texte"}, -1, "", nullptr}};
  for (const auto& [direct, aktion, format, existing, index, opened, box] : rows) {
    test::MemorySettings settings;
    for (const auto& [key, value] : {std::pair{"Aktiviert", "ja"}, {"Speicherpfad", "C:\\Texte"},
                                     {"Dateiname", "Notiz"}, {"Aktion", aktion}, {"Format", format}}) {
      settings.Write("Aktion1", key, value);
    }
    ActionCache actions;
    actions.Refresh(settings);
    CurrentOptions options;
    options.optDirekt = direct;
    ExistingPaths files(existing);
    Recorder recorder;
    AccessContext context{actions, options, files, recorder, recorder};
    Menüklick2(index, context);
    const std::string row = std::string(aktion) + " " + format + (direct ? " direct" : " folder");
    EXPECT_EQ(recorder.opened, opened.empty() ? std::vector<std::string>{} : std::vector{opened}) << row;
    ASSERT_EQ(recorder.shown.size(), box ? 1u : 0u) << row;
    if (box) {
      EXPECT_NE(recorder.shown[0].find(box), std::wstring::npos) << row;
    }
  }
}

}  // namespace
}  // namespace qm
