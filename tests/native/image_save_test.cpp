#include "save/image_save.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/native/support/save_bench.h"

namespace qm::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CleanImagePath, FileAddressesBecomeDrivePathsWithoutQuotesOrBlanksAround) {
  const std::pair<const char*, const char*> cases[] = {
      {"file:///C|/Bilder/Foto%20A.jpg", "C:\\Bilder\\Foto A.jpg"},
      {"file:///C:/Mein%20Ordner/Bild%20eins.png", "C:\\Mein Ordner\\Bild eins.png"},
      {"C:\\Bilder\\Foto.jpg", "C:\\Bilder\\Foto.jpg"},
      {"\"C:\\Bilder\\Foto.jpg\"\r\n", "C:\\Bilder\\Foto.jpg"},
      {"  C:\\Bilder\\Foto A.jpg\t", "C:\\Bilder\\Foto A.jpg"},
      {"\"", "\""},
      {" \r\n", ""}};
  for (const auto& [text, path] : cases) EXPECT_EQ(CleanImagePath(text), path) << text;
}

TEST(IsDrivePath, OnlyPathsOnADriveLetter) {
  EXPECT_TRUE(IsDrivePath("C:\\Bilder\\Foto.jpg"));
  EXPECT_TRUE(IsDrivePath("d:\\"));
  for (const char* other : {"\\\\server\\Bilder\\Foto.jpg", "C:Foto.jpg", "C:", "", "Foto.jpg",
                            "file:\\\\server\\Foto.jpg"}) {
    EXPECT_FALSE(IsDrivePath(other)) << other;
  }
}

TEST(SplitImageName, ExtensionFromTheLastDotOfTheFileNameOnly) {
  EXPECT_EQ(SplitImageName("C:\\Ordner.alt\\Bild.png"), (ImageName{"Bild", ".png"}));
  EXPECT_EQ(SplitImageName("C:\\Bilder\\Archiv.tar.gz"), (ImageName{"Archiv.tar", ".gz"}));
  EXPECT_EQ(SplitImageName("C:\\Ordner.alt\\Bild"), (ImageName{"Bild", ""}));
  EXPECT_EQ(SplitImageName("C:\\Bilder\\.png"), (ImageName{"", ".png"}));
}

const MessageRequest kNoImageFile{L"Keine Bilddatei",
                                  L"Die Zwischenablage enthält keine passende Bilddatei.\r\n"
                                  L"Es wird daher nichts gespeichert.",
                                  MessageIcon::Information};

const NoticeRequest kImageNotice{L"Bild wurde gespeichert!", 12, 320, 1500};

// Action 1 copies images into C:\Texte; C:\Bilder holds Foto.jpg and a file without
// an extension. The clipboard holds no text, which does not matter to this method.
class SpeichernImages : public SaveBench {
 protected:
  SpeichernImages() {
    SetAction("Aktion", "bilder");
    files.folders.insert("C:\\Bilder");
    files.files["C:\\Bilder\\Foto.jpg"] = "JPEG-Daten";
    files.files["C:\\Bilder\\LIESMICH"] = "ohne Endung";
    sources.clipboard = {""};
  }

  void SaveFromClipboard(const std::string& fileName) {
    sources.clipboardFileName = fileName;
    Save();
  }

  void ExpectNothingCopied() const {
    EXPECT_EQ(files.files.size(), 2u);
    EXPECT_THAT(signals.order, IsEmpty());
  }
};

TEST_F(SpeichernImages, CopiesTheFileUnderItsOwnNameAndReports) {
  options.chkBeep = true;
  SaveFromClipboard("C:\\Bilder\\Foto.jpg");
  EXPECT_EQ(files.files.at("C:\\Texte\\Foto.jpg"), "JPEG-Daten");
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_THAT(signals.order, ElementsAre("beep", "notice"));
  EXPECT_THAT(signals.notices, ElementsAre(kImageNotice));
  EXPECT_EQ(sources.clipboardReads, 0);
}

TEST_F(SpeichernImages, TakenNamesAreNumberedEmptyFilesIncluded) {
  SaveFromClipboard("file:///C|/Bilder/Foto.jpg");
  SaveFromClipboard("C:\\Bilder\\Foto.jpg");
  files.files["C:\\Texte\\Foto2.jpg"] = "";
  SaveFromClipboard("C:\\Bilder\\Foto.jpg");
  EXPECT_EQ(files.files.at("C:\\Texte\\Foto.jpg"), "JPEG-Daten");
  EXPECT_EQ(files.files.at("C:\\Texte\\Foto1.jpg"), "JPEG-Daten");
  EXPECT_EQ(files.files.at("C:\\Texte\\Foto2.jpg"), "");
  EXPECT_EQ(files.files.at("C:\\Texte\\Foto3.jpg"), "JPEG-Daten");
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(SpeichernImages, FileWithoutExtensionIsCopiedWithoutOne) {
  SaveFromClipboard("C:\\Bilder\\LIESMICH");
  SaveFromClipboard("C:\\Bilder\\LIESMICH");
  EXPECT_EQ(files.files.at("C:\\Texte\\LIESMICH"), "ohne Endung");
  EXPECT_EQ(files.files.at("C:\\Texte\\LIESMICH1"), "ohne Endung");
}

TEST_F(SpeichernImages, AnythingButAnExistingFileOnADriveIsRefused) {
  files.files["\\\\server\\Bilder\\Foto.jpg"] = "im Netz";
  const std::string refused[] = {
      "",                             // no file, several files, or no text
      "Hallo Welt",                   // text that names no file
      "C:\\Bilder\\Fehlt.jpg",        // a drive path to nothing
      "\\\\server\\Bilder\\Foto.jpg"  // a network path, even to a file that is there
  };
  for (const std::string& name : refused) SaveFromClipboard(name);
  EXPECT_EQ(messages.shown, std::vector<MessageRequest>(std::size(refused), kNoImageFile));
  EXPECT_EQ(files.files.size(), 3u);
  EXPECT_THAT(signals.order, IsEmpty());
}

// The full flag table of WarningShown is tested with the options; here only that the
// image method hands it both flags.
TEST_F(SpeichernImages, NoImageWarningIsHiddenOnlyWhenSavingAutomaticallyWithWarningsSuppressed) {
  options.chkMessagesUnterdrücken = true;
  SaveFromClipboard("kein Dateiname");
  EXPECT_EQ(messages.shown.size(), 1u) << "a save by hand shows it";
  sources.automaticSaving = true;
  SaveFromClipboard("kein Dateiname");
  EXPECT_EQ(messages.shown.size(), 1u) << "an automatic save hides it";
  ExpectNothingCopied();
}

TEST_F(SpeichernImages, FailedCopyIsReportedEvenWhenWarningsAreSuppressed) {
  files.copyFailure = L"Der Prozess kann nicht auf die Datei zugreifen.";
  sources.automaticSaving = true;
  options.chkMessagesUnterdrücken = true;
  options.chkBeep = true;
  SaveFromClipboard("file:///C:/Bilder/Foto.jpg");
  EXPECT_THAT(messages.shown,
              ElementsAre(MessageRequest{L"Speichern fehlgeschlagen",
                                         L"Die Bilddatei \"C:\\Bilder\\Foto.jpg\" konnte nicht als "
                                         L"\"C:\\Texte\\Foto.jpg\" gespeichert werden.\r\n\r\n"
                                         L"Der Prozess kann nicht auf die Datei zugreifen.",
                                         MessageIcon::Critical}));
  ExpectNothingCopied();
}

TEST_F(SpeichernImages, TargetFolderOnADriveRootGetsNoSecondBackslash) {
  SetAction("Speicherpfad", "C:\\");
  SaveFromClipboard("C:\\Bilder\\Foto.jpg");
  EXPECT_EQ(files.files.at("C:\\Foto.jpg"), "JPEG-Daten");
}

}  // namespace
}  // namespace qm::test
