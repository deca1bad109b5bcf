// Speichern end to end: the real file adapter on real folders, the real clipboard set
// by another process, the action read from a real settings file in the program folder;
// only message boxes and the save notice are recorded instead of shown.
#include <gtest/gtest.h>

#include "save/safe_name.h"
#include "tests/win/support/real_save.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;

const NoticeRequest kTextNotice{L"Text wurde gespeichert!", 12, 320, 1500};
const NoticeRequest kFolderNotice{L"Text und Ordner wurden gespeichert!", 11, 200, 1500};

std::string TempPath() {
  char buffer[MAX_PATH + 1] = {};
  return std::string(buffer, GetTempPathA(sizeof buffer, buffer));
}

// What a settings file holds before any action is set up.
std::string BaseSettings() {
  return "[Start]\r\nTempPfad=" + TempPath() + "\r\n[Zeichen]\r\nZeichen=\\/:*?\"<>|\t\r\n";
}

CurrentOptions Options() {
  CurrentOptions options;
  options.txtZeichen = "-";
  options.txtWiederholung = "5";
  options.txtSpeicherzeit = "1500";
  return options;
}

class SpeichernWin : public test::RealSave {
 protected:
  SpeichernWin() : RealSave(BaseSettings(), Options()) {}
};

TEST_F(SpeichernWin, NumberedMethodWritesEachTextToTheNextFreeNumber) {
  UseAction("extradatei", "Notiz");
  SaveText("erster Text");
  SaveText("zweiter\r\nText");
  SaveText("dritter");
  EXPECT_EQ(FolderEntries(target),
            (std::vector<std::string>{"Notiz.txt", "Notiz1.txt", "Notiz2.txt"}));
  EXPECT_EQ(Saved("Notiz.txt"), "erster Text\r\n");
  EXPECT_EQ(Saved("Notiz1.txt"), "zweiter\r\nText\r\n");
  EXPECT_EQ(Saved("Notiz2.txt"), "dritter\r\n");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(signals.notices, std::vector<NoticeRequest>(3, kTextNotice));
  EXPECT_EQ(signals.Beeps(), 0);
}

TEST_F(SpeichernWin, FolderMethodMakesTheFolderThenUsesFileOneForTheSameWords) {
  UseAction("dateiundordner2", "Text");
  SaveText("Hallo Welt, erster Text");
  SaveText("Hallo Welt, zweiter Text");
  SaveText("Hallo Welt, dritter Text");
  EXPECT_EQ(FolderEntries(target), std::vector<std::string>{"Hallo Welt,"});
  const std::string entryFolder = target + "\\Hallo Welt,";
  EXPECT_EQ(FolderEntries(entryFolder), (std::vector<std::string>{"Text.txt", "Text1.txt"}));
  EXPECT_EQ(ReadFileBytes(entryFolder + "\\Text.txt"), "Hallo Welt, erster Text\r\n");
  EXPECT_EQ(ReadFileBytes(entryFolder + "\\Text1.txt"),
            "Hallo Welt, zweiter Text\r\nHallo Welt, dritter Text\r\n");
  const MessageRequest warning{
      L"Quillmar 2.0",
      L"Ein Verzeichnis mit dem selben Namen existiert schon.\r\nIhr Text in der Zwischenablage "
      L"hat dieselben 2 Anfangsworte wird daher als Text1 im gleichen Verzeichnis gespeichert.",
      MessageIcon::Information};
  EXPECT_EQ(messages.shown, std::vector<MessageRequest>(2, warning));
  EXPECT_EQ(signals.notices, std::vector<NoticeRequest>(3, kFolderNotice));
}

const std::vector<std::string> kHostileTexts = {"..\\..\\x", "CON", "a:b", std::string(300, 'w'),
                                                "\r\n\r\n\n"};

class SpeichernWinHostileWords : public SpeichernWin {
 protected:
  // Without the delivered Zeichen list the name cleaning alone must keep names usable.
  SpeichernWinHostileWords() { settings.Write("Zeichen", "Zeichen", ""); }

  // Saves the text and returns the one entry that the save added to the target folder.
  std::string SaveAndFindNewEntry(const std::string& text) {
    const auto before = FolderEntries(target);
    SaveText(text);
    std::vector<std::string> added;
    for (const std::string& name : FolderEntries(target)) {
      if (std::find(before.begin(), before.end(), name) == before.end()) added.push_back(name);
    }
    EXPECT_EQ(added.size(), 1u);
    return added.size() == 1 ? added.front() : std::string();
  }
};

TEST_F(SpeichernWinHostileWords, FileMethodMakesOneUsableFileInTheTargetFolder) {
  UseAction("extradatei9", "unbenutzt");
  for (const std::string& text : kHostileTexts) {
    SCOPED_TRACE(text);
    const std::string name = SaveAndFindNewEntry(text);
    ASSERT_TRUE(name.ends_with(".txt")) << name;
    EXPECT_FALSE(IsReservedDeviceName(name)) << name;
    EXPECT_LE(target.size() + 1 + name.size(), 259u) << name;
    EXPECT_EQ(Saved(name), text + "\r\n");
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpeichernWinHostileWords, FolderMethodMakesOneUsableFolderInTheTargetFolder) {
  UseAction("dateiundordner9", "Text");
  for (const std::string& text : kHostileTexts) {
    SCOPED_TRACE(text);
    const std::string name = SaveAndFindNewEntry(text);
    ASSERT_FALSE(name.empty());
    EXPECT_FALSE(IsReservedDeviceName(name)) << name;
    EXPECT_EQ(FolderEntries(target + "\\" + name), std::vector<std::string>{"Text.txt"}) << name;
    EXPECT_EQ(Saved(name + "\\Text.txt"), text + "\r\n");
  }
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace qm
