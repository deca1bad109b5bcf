#include "save/access.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/native/support/save_bench.h"

namespace qm::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingShell : public ShellOpener {
 public:
  std::vector<std::pair<std::string, std::string>> opened;  // path, working folder
  std::optional<std::wstring> failure;

  std::optional<std::wstring> Open(const std::string& path,
                                   const std::string& workingFolder) override {
    opened.emplace_back(path, workingFolder);
    return failure;
  }
};

const MessageRequest kNoFileYet{
    L"Hinweis", L"Kein Zugriff möglich, da eine entsprechende Datei noch nicht existiert.",
    MessageIcon::Information};

const std::pair<std::string, std::string> kFolderOpened{"C:\\Texte\\", "C:\\"};

// Action 1 saves with "extradatei" into C:\Texte as Notiz.txt (see SaveBench); the
// access mode is "Direkt" unless a test says otherwise.
class Access : public SaveBench {
 protected:
  Access() { options.optDirekt = true; }

  void Pick(int index) {
    AccessContext context{actions, options, files, messages, shell};
    Menüklick2(index, context);
  }

  std::pair<std::string, std::string> FileOpened(const std::string& path) const {
    return {path, "C:\\"};
  }

  RecordingShell shell;
};

TEST_F(Access, FolderModeOpensTheFolderForEveryMethodEvenBeforeAnySave) {
  options.optDirekt = false;
  const char* methods[] = {"extradatei", "gleichedatei", "extradatei3", "dateiundordner2",
                           "bilder"};
  for (const char* aktion : methods) {
    SetAction("Aktion", aktion);
    Pick(0);
  }
  EXPECT_EQ(shell.opened, std::vector(std::size(methods), kFolderOpened));
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(Access, DirectModeOpensTheFolderWhenTheFileNameChangesPerSave) {
  // The damaged value is saved as first-words files, so its folder is what holds them.
  const char* methods[] = {"extradatei3", "dateiundordner2", "bilder", "Kein Eintrag gefunden!"};
  for (const char* aktion : methods) {
    SetAction("Aktion", aktion);
    Pick(0);
  }
  EXPECT_EQ(shell.opened, std::vector(std::size(methods), kFolderOpened));
}

// A damaged Format saves text, so access opens the text file too.
TEST_F(Access, DirectModeOpensTheSavedFileByItsFormat) {
  SetAction("Aktion", "gleichedatei");
  Save();
  Pick(0);
  files.files["C:\\Texte\\Notiz.html"] = "<html>";
  for (const char* format : {"HTML", "Kein Eintrag gefunden!"}) {
    SetAction("Format", format);
    Pick(0);
  }
  EXPECT_THAT(shell.opened,
              ElementsAre(FileOpened("C:\\Texte\\Notiz.txt"), FileOpened("C:\\Texte\\Notiz.html"),
                          FileOpened("C:\\Texte\\Notiz.txt")));
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(Access, NumberedMethodOpensOnlyTheFirstFile) {
  files.files["C:\\Texte\\Notiz.txt"] = "";  // empty, but there
  Pick(0);
  EXPECT_THAT(shell.opened, ElementsAre(FileOpened("C:\\Texte\\Notiz.txt")));
  files.files.erase("C:\\Texte\\Notiz.txt");
  files.files["C:\\Texte\\Notiz1.txt"] = "abc";
  Pick(0);
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_THAT(messages.shown, ElementsAre(kNoFileYet));
}

TEST_F(Access, MissingFolderIsReportedInsteadOfOpened) {
  options.optDirekt = false;
  SetAction("Speicherpfad", "C:\\Fehlt");
  Pick(0);
  EXPECT_THAT(shell.opened, IsEmpty());
  EXPECT_THAT(
      messages.shown,
      ElementsAre(MessageRequest{
          L"Hinweis", L"Kein Zugriff möglich, da der Speicherort \"C:\\Fehlt\" nicht existiert.",
          MessageIcon::Information}));
}

TEST_F(Access, ShellFailureIsReportedWithTheSystemsReason) {
  shell.failure = L"Keine Anwendung ist dem Dateityp zugeordnet.";
  Save();
  Pick(0);
  EXPECT_THAT(messages.shown,
              ElementsAre(MessageRequest{L"Zugriff fehlgeschlagen",
                                         L"\"C:\\Texte\\Notiz.txt\" konnte nicht geöffnet werden."
                                         L"\r\n\r\nKeine Anwendung ist dem Dateityp zugeordnet.",
                                         MessageIcon::Exclamation}));
}

TEST_F(Access, IndexCountsFromZeroAndOnlyTwentyEntriesExist) {
  for (const auto& [key, value] :
       {std::pair{"Aktiviert", "ja"}, {"Speicherpfad", "C:\\Temp"}, {"Aktion", "bilder"}}) {
    SetAction(key, value, 20);
  }
  for (int index : {-1, 20, 32767}) Pick(index);
  EXPECT_THAT(shell.opened, IsEmpty());
  Pick(19);
  EXPECT_THAT(shell.opened, ElementsAre(std::pair<std::string, std::string>{"C:\\Temp\\", "C:\\"}));
  EXPECT_THAT(messages.shown, IsEmpty());
}

}  // namespace
}  // namespace qm::test
