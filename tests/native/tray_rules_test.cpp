#include "resident/tray_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/native/support/action_sections.h"

namespace qm {
namespace {

class TrayToolTippTest : public ::testing::Test {
 protected:
  std::string ToolTipFor(const std::string& storedName) {
    test::WriteAction(settings, 3, storedName);
    cache.Refresh(settings);
    return TrayToolTipp(cache, 3);
  }

  test::FakeSettings settings;
  ActionCache cache;
};

TEST_F(TrayToolTippTest, NoStandardActionGivesNoName) {
  test::WriteAction(settings, 1, "Notizen (Standard)");
  cache.Refresh(settings);
  EXPECT_EQ(TrayToolTipp(cache, 0), "");
  EXPECT_EQ(TrayTip(TrayToolTipp(cache, 0)), "Quillmar 2.0 - ");
}

TEST_F(TrayToolTippTest, CutsTheMarkWordButKeepsItsBlank) {
  EXPECT_EQ(ToolTipFor("Notizen (Standard)"), "Notizen ");
  EXPECT_EQ(ToolTipFor("Notizen(Standard)"), "Notizen");
  EXPECT_EQ(ToolTipFor("(Standard)"), "");
}

TEST_F(TrayToolTippTest, UnmarkedNameIsShownWhole) {
  EXPECT_EQ(ToolTipFor("Notizen (Std)"), "Notizen (Std)");
  EXPECT_EQ(ToolTipFor("Standard)"), "Standard)");
}

TEST(TrayTipTest, FitsTheSixtyFourCharacterFieldWithItsZero) {
  const std::string longest(kTrayTipField - 1 - kTrayTipPrefix.size(), 'x');
  EXPECT_EQ(TrayTip(longest), std::string(kTrayTipPrefix) + longest) << "a tip that fits is not cut";

  const std::string sixty(60, 'y');
  const std::string tip = TrayTip(sixty);
  EXPECT_EQ(tip.size(), 63u);
  EXPECT_EQ(tip, std::string(kTrayTipPrefix) + sixty.substr(0, 63 - kTrayTipPrefix.size()));
}

TEST(IconFilesTest, EachMethodHasItsTrayAndWindowIcon) {
  struct Case {
    const char* aktion;
    IconFiles files;
  };
  const Case cases[] = {
      {"gleichedatei", {"\\Icons\\gleichedatei.ico", "\\Icons\\gleichedat.ico"}},
      {"extradatei", {"\\Icons\\extradatei.ico", "\\Icons\\extradat.ico"}},
      {"bilder", {"\\Icons\\bilder.ico", "\\Icons\\bild.ico"}},
      {"dateiundordner4", {"\\Icons\\dateiundordner.ico", "\\Icons\\dateiundordner2.ico"}},
      {"extradatei4", {"\\Icons\\extradateiw.ico", "\\Icons\\extradatw.ico"}},
  };
  for (const Case& c : cases) EXPECT_EQ(IconFilesFor(c.aktion), c.files) << c.aktion;
}

TEST(IconFilesTest, UnexpectedValuesFollowTheirLength) {
  const IconFiles folder{"\\Icons\\dateiundordner.ico", "\\Icons\\dateiundordner2.ico"};
  const IconFiles firstWords{"\\Icons\\extradateiw.ico", "\\Icons\\extradatw.ico"};
  EXPECT_EQ(IconFilesFor("fuenfzehn Zeich"), folder) << "any value of 15 characters";
  EXPECT_EQ(IconFilesFor("Bilder"), firstWords) << "the plain names compare exactly";
  EXPECT_EQ(IconFilesFor(""), firstWords);
  EXPECT_EQ(IconFilesFor(kMissingEntry), firstWords);
}

}  // namespace
}  // namespace qm
