#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/native/support/save_bench.h"

namespace qm::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SpeichernMethods : public SaveBench {
 protected:
  void UseMethod(const char* aktion, const std::string& clipboardText) {
    SetAction("Aktion", aktion);
    sources.clipboard = {clipboardText};
  }

  void SuppressWarnings() {
    sources.automaticSaving = true;
    options.chkMessagesUnterdrücken = true;
  }
};

const std::string kTildes(20, '~');

TEST_F(SpeichernMethods, NumberedFilesSilently) {
  Save();
  Save();
  files.files["C:\\Texte\\Notiz2.txt"];  // an empty file is taken as well
  Save();
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz.txt"), "abc\r\n");
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz1.txt"), "abc\r\n");
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz2.txt"), "");
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz3.txt"), "abc\r\n");
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(SpeichernMethods, SameFileAppendsEntriesWithDateAndSeparator) {
  UseMethod("gleichedatei", "abc");
  SetAction("Datum", "ja");
  Save();
  Save();
  const std::string entry =
      " 06.12.2026 14:05:09\r\n" + kTildes + "\r\n \r\nabc\r\n \r\n-----\r\n \r\n";
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz.txt"), entry + entry);
}

TEST_F(SpeichernMethods, AddressLineWhenTheActionAsksForIt) {
  SetAction("URL", "ja");  // the key's spelling does not matter
  sources.address = "http://example.org/";
  Save();
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz.txt"), "abc\r\n \r\nhttp://example.org/\r\n");
}

TEST_F(SpeichernMethods, FirstWordsFileNamesTheFile) {
  UseMethod("extradatei2", "  Was? Wer: ich\r\nbin");
  Save();
  EXPECT_EQ(files.files.at("C:\\Texte\\Was Wer.txt"), "  Was? Wer: ich\r\nbin\r\n");
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(SpeichernMethods, FirstWordsFileNeverLeavesTheTargetFolder) {
  UseMethod("extradatei1", "..\\..\\Windows\\win.ini steht hier");
  Save();
  ASSERT_EQ(files.files.size(), 1u);
  const std::string& path = files.files.begin()->first;
  EXPECT_EQ(path.rfind('\\'), std::string("C:\\Texte").size()) << path;
  EXPECT_EQ(path.find(".\\"), std::string::npos) << path;
}

TEST_F(SpeichernMethods, TakenFirstWordsNameIsNumberedWithAWarning) {
  UseMethod("extradatei2", "Hallo Welt und mehr");
  files.files["C:\\Texte\\Hallo Welt.txt"] = "alt";
  Save();
  EXPECT_THAT(messages.shown,
              ElementsAre(MessageRequest{L"Datei existiert schon",
                                         L"Eine Datei mit dem gleichen Namen \"Hallo Welt.txt\" "
                                         L"existiert schon. Der Text wird als \"Hallo Welt1.txt\" "
                                         L"gespeichert.",
                                         MessageIcon::Information}));
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt1.txt"), "Hallo Welt und mehr\r\n");
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt.txt"), "alt");
}

TEST_F(SpeichernMethods, SuppressedWarningStillNumbersTheName) {
  UseMethod("extradatei2", "Hallo Welt und mehr");
  files.files["C:\\Texte\\Hallo Welt.txt"] = "alt";
  SuppressWarnings();
  Save();
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt1.txt"), "Hallo Welt und mehr\r\n");
  EXPECT_THAT(signals.order, ElementsAre("notice"));
}

TEST_F(SpeichernMethods, WarningNeedsBothAutomaticSavingAndSuppression) {
  UseMethod("extradatei1", "Hallo Welt");
  files.files["C:\\Texte\\Hallo.txt"] = "alt";
  options.chkMessagesUnterdrücken = true;
  Save();
  options.chkMessagesUnterdrücken = false;
  sources.automaticSaving = true;
  Save();
  EXPECT_EQ(messages.shown.size(), 2u);
}

const MessageRequest kFolderTaken{
    kAppTitle,
    L"Ein Verzeichnis mit dem selben Namen existiert schon.\r\n"
    L"Ihr Text in der Zwischenablage hat dieselben 2 Anfangsworte wird daher als Notiz1 im "
    L"gleichen Verzeichnis gespeichert.",
    MessageIcon::Information};

TEST_F(SpeichernMethods, FolderMethodCreatesTheFolderFromTheTemplate) {
  UseMethod("dateiundordner2", "Hallo Welt und mehr");
  options.txtSpeicherzeit = "2000";
  Save();
  EXPECT_THAT(files.templates, ElementsAre(std::pair{"C:\\Texte\\Hallo Welt", "C:\\Temp\\"}));
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt\\Notiz.txt"), "Hallo Welt und mehr\r\n");
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_THAT(signals.notices,
              ElementsAre(NoticeRequest{L"Text und Ordner wurden gespeichert!", 11, 200, 2000}));
}

TEST_F(SpeichernMethods, FolderMethodPutsLaterTextsIntoTheOneFile) {
  UseMethod("dateiundordner2", "Hallo Welt und mehr");
  Save();
  Save();
  Save();
  EXPECT_THAT(messages.shown, ElementsAre(kFolderTaken, kFolderTaken));
  EXPECT_EQ(files.templates.size(), 1u);
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt\\Notiz1.txt"),
            "Hallo Welt und mehr\r\nHallo Welt und mehr\r\n");
  EXPECT_FALSE(files.files.contains("C:\\Texte\\Hallo Welt\\Notiz2.txt"));
}

TEST_F(SpeichernMethods, SuppressedFolderWarningStillUsesTheOneFile) {
  UseMethod("dateiundordner2", "Hallo Welt und mehr");
  files.folders.insert("C:\\Texte\\Hallo Welt");
  SuppressWarnings();
  Save();
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_TRUE(files.files.contains("C:\\Texte\\Hallo Welt\\Notiz1.txt"));
}

TEST_F(SpeichernMethods, FolderCreationFailureWritesNothing) {
  UseMethod("dateiundordner2", "Hallo Welt und mehr");
  files.createFailure = L"Zugriff verweigert.";
  Save();
  ASSERT_EQ(messages.shown.size(), 1u);
  const MessageRequest& box = messages.shown[0];
  EXPECT_EQ(box.title, L"Speichern fehlgeschlagen");
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_NE(box.text.find(L"Hallo Welt"), std::wstring::npos);
  EXPECT_NE(box.text.find(L"Zugriff verweigert."), std::wstring::npos);
  EXPECT_THAT(files.files, IsEmpty());
  EXPECT_THAT(signals.order, IsEmpty());
}

}  // namespace
}  // namespace qm::test
