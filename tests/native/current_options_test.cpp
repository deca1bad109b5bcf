#include "settings/current_options.h"

#include <gtest/gtest.h>

#include "tests/native/support/fake_settings.h"

namespace qm {
namespace {

class CurrentOptionsTest : public ::testing::Test {
 protected:
  void Set(const char* key, const char* value) { settings.Write("Optionen", key, value); }
  CurrentOptions Load() const { return LoadCurrentOptions(settings); }

  test::FakeSettings settings;
};

TEST_F(CurrentOptionsTest, TextFieldsHoldTheKeysTextUnchecked) {
  Set("Trennzeichen", "*");
  Set("Wiederholung", "viele");
  Set("HexLinks", "#0000FF");
  Set("SpeicherpositionX", "12000");
  const CurrentOptions options = Load();
  EXPECT_EQ(options.txtZeichen, "*");
  EXPECT_EQ(options.txtWiederholung, "viele");
  EXPECT_EQ(options.txtLinks, "#0000FF");
  EXPECT_EQ(options.txtX, "12000");
  EXPECT_EQ(options.txtSpeicherzeit, kMissingEntry);
}

TEST_F(CurrentOptionsTest, NeinInTheShowKeysSetsTheSuppressFlags) {
  Set("NachrichtenASichern", "nein");
  Set("SpeicherhinweisASichern", "nein");
  const CurrentOptions options = Load();
  EXPECT_TRUE(options.chkMessagesUnterdrücken);
  EXPECT_TRUE(options.chkSpeicherhinweis);
}

TEST_F(CurrentOptionsTest, AnythingButNeinShowsWarningsAndNotices) {
  for (const char* value : {"ja", "Nein", "NEIN", ""}) {
    Set("NachrichtenASichern", value);
    Set("SpeicherhinweisASichern", value);
    const CurrentOptions options = Load();
    EXPECT_FALSE(options.chkMessagesUnterdrücken) << value;
    EXPECT_FALSE(options.chkSpeicherhinweis) << value;
  }
  settings.Remove("Optionen", "NachrichtenASichern");
  EXPECT_FALSE(Load().chkMessagesUnterdrücken);
}

TEST_F(CurrentOptionsTest, OnlyExactJaSetsBeepAndAutostart) {
  Set("Beep", "ja");
  Set("Autostart", "Ja");
  EXPECT_TRUE(Load().chkBeep);
  EXPECT_FALSE(Load().chkAutostart);
}

TEST_F(CurrentOptionsTest, OnlyExactDirektIsDirectAccess) {
  Set("Zugriff", "Direkt");
  EXPECT_TRUE(Load().optDirekt);
  for (const char* value : {"direkt", "Verzeichnis", "verzeichnis", ""}) {
    Set("Zugriff", value);
    EXPECT_FALSE(Load().optDirekt) << value;
  }
  settings.Remove("Optionen", "Zugriff");
  EXPECT_FALSE(Load().optDirekt);
}

TEST_F(CurrentOptionsTest, ColourKeysAreRead) {
  Set("Hintergrund", "16777215");
  Set("Links", "16711680");
  Set("Speicherfarbe", "14811135");
  const CurrentOptions options = Load();
  EXPECT_EQ(options.frameHintergrundfarbe, 0x00FFFFFFu);
  EXPECT_EQ(options.frameLinks, 0x00FF0000u);
  EXPECT_EQ(options.frameSpeichertext, 14811135u);
}

TEST_F(CurrentOptionsTest, BrokenColoursFallBackToReadableDefaults) {
  const CurrentOptions missing = Load();
  EXPECT_NE(missing.frameHintergrundfarbe, missing.frameTextfarbe);
  EXPECT_NE(missing.frameSpeichertext, missing.frameSpeichertextfarbe);
  for (const char* damaged : {"weiss", "-1", "16777216", "1.5", ""}) {
    Set("Hintergrund", damaged);
    Set("Speichertextfarbe", damaged);
    const CurrentOptions options = Load();
    EXPECT_EQ(options.frameHintergrundfarbe, missing.frameHintergrundfarbe) << damaged;
    EXPECT_EQ(options.frameSpeichertextfarbe, missing.frameSpeichertextfarbe) << damaged;
  }
}

TEST(ColourFromText, TakesTheWholeColourRangeAndNothingElse) {
  EXPECT_EQ(ColourFromText("0", 7), 0u);
  EXPECT_EQ(ColourFromText("16777215", 7), 0x00FFFFFFu);
  EXPECT_EQ(ColourFromText(" 255 ", 7), 255u);
  EXPECT_EQ(ColourFromText("16777216", 7), 7u);
  EXPECT_EQ(ColourFromText("-255", 7), 7u);
  EXPECT_EQ(ColourFromText(std::string(kMissingEntry), 7), 7u);
}

TEST(WarningShown, HiddenOnlyWhenAutomaticAndSuppressed) {
  CurrentOptions options;
  EXPECT_TRUE(WarningShown(false, options));
  EXPECT_TRUE(WarningShown(true, options));
  options.chkMessagesUnterdrücken = true;
  EXPECT_TRUE(WarningShown(false, options));
  EXPECT_FALSE(WarningShown(true, options));
}

}  // namespace
}  // namespace qm
