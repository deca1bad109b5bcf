#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/native/support/save_bench.h"

namespace qm::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SpeichernChecks : public SaveBench {
 protected:
  void ExpectNothingWritten() const {
    EXPECT_THAT(files.files, IsEmpty());
    EXPECT_THAT(signals.order, IsEmpty());
  }
};

const MessageRequest kFolderMissing{
    L"Speicherort nicht vorhanden!",
    L"Es konnte nichts gespeichert werden, da der für diese Aktion eingestellte \r\n"
    L"Speicherort nicht existiert.\r\n\r\n"
    L"Überprüfen Sie den Speicherort dieser Aktion in deren Einstellungen.",
    MessageIcon::Exclamation};

const MessageRequest kClipboardEmpty{
    L"Zwischenablage leer",
    L"Sie hatten nichts in der Zwischenablage, daher wird auch nichts gespeichert!",
    MessageIcon::Information, MessageButtons::Ok, true};

TEST_F(SpeichernChecks, MissingFolderIsReportedEvenWhenWarningsAreSuppressed) {
  SetAction("Speicherpfad", "C:\\Fehlt");
  sources.automaticSaving = true;
  options.chkMessagesUnterdrücken = true;
  Save();
  EXPECT_THAT(messages.shown, ElementsAre(kFolderMissing));
  EXPECT_EQ(sources.clipboardReads, 0);
  ExpectNothingWritten();
}

TEST_F(SpeichernChecks, EmptyClipboardIsReportedEvenWhenWarningsAreSuppressed) {
  sources.clipboard = {""};
  sources.automaticSaving = true;
  options.chkMessagesUnterdrücken = true;
  Save();
  EXPECT_THAT(messages.shown, ElementsAre(kClipboardEmpty));
  ExpectNothingWritten();
}

TEST_F(SpeichernChecks, NumbersOutsideTheActionsDoNothing) {
  for (int number : {0, -1, 21, 32767}) Save(number);
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_EQ(sources.clipboardReads, 0);
  ExpectNothingWritten();
}

// A bare drive letter means the drive root, and the name follows its backslash directly.
TEST_F(SpeichernChecks, BareDriveLetterMeansTheDriveRoot) {
  files.folders.insert("d:\\");
  SetAction("Speicherpfad", "d");
  Save();
  EXPECT_TRUE(files.files.contains("d:\\Notiz.txt"));
}

TEST_F(SpeichernChecks, WriteFailureNamesFileAndReason) {
  files.writeFailure = L"Der Datenträger ist voll.";
  options.chkBeep = true;
  Save();
  ASSERT_EQ(messages.shown.size(), 1u);
  const MessageRequest& box = messages.shown[0];
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_NE(box.text.find(L"\"C:\\Texte\\Notiz.txt\""), std::wstring::npos);
  EXPECT_NE(box.text.find(L"Der Datenträger ist voll."), std::wstring::npos);
  ExpectNothingWritten();
}

TEST_F(SpeichernChecks, NameAndEntryComeFromOneClipboardRead) {
  SetAction("Aktion", "extradatei2");
  sources.clipboard = {"Hallo Welt eins", "Anderer Text zwei"};
  Save();
  EXPECT_EQ(sources.clipboardReads, 1);
  EXPECT_EQ(files.files.at("C:\\Texte\\Hallo Welt.txt"), "Hallo Welt eins\r\n");
}

TEST_F(SpeichernChecks, BeepThenTextNoticeAfterASave) {
  options.txtSpeicherzeit = "2500";
  options.chkBeep = true;
  Save();
  EXPECT_THAT(signals.order, ElementsAre("beep", "notice"));
  EXPECT_THAT(signals.notices,
              ElementsAre(NoticeRequest{L"Text wurde gespeichert!", 12, 320, 2500}));
}

TEST_F(SpeichernChecks, AutomaticSavingWithoutNoticesIsSilent) {
  options.chkBeep = true;
  options.chkSpeicherhinweis = true;
  sources.automaticSaving = true;
  Save();
  EXPECT_EQ(files.files.at("C:\\Texte\\Notiz.txt"), "abc\r\n");
  EXPECT_THAT(signals.order, IsEmpty());
}

TEST_F(SpeichernChecks, NoticeSuppressionNeedsAutomaticSaving) {
  options.chkSpeicherhinweis = true;
  Save();
  EXPECT_THAT(signals.order, ElementsAre("notice"));
}

TEST(NoticeInterval, MillisecondsUpToTheLargestTimerValue) {
  EXPECT_EQ(NoticeInterval("1500"), 1500);
  EXPECT_EQ(NoticeInterval("32767"), 32767);
  for (const char* damaged : {"abc", "-5", "40000", "32768", "", "Kein Eintrag gefunden!"}) {
    EXPECT_EQ(NoticeInterval(damaged), kDefaultNoticeIntervalMs) << damaged;
  }
}

}  // namespace
}  // namespace qm::test
