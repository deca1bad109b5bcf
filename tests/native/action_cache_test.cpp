#include "settings/action_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/native/support/fake_settings.h"

namespace qm {
namespace {

class ActionCacheTest : public ::testing::Test {
 protected:
  void Activate(int number, const std::string& name, const std::string& flag = "ja") {
    const std::string section = ActionSection(number);
    settings.Write(section, "Aktiviert", flag);
    settings.Write(section, "Name", name);
    settings.Write(section, "Dateiname", "Datei" + std::to_string(number));
    settings.Write(section, "Speicherpfad", "C:\\Texte");
    settings.Write(section, "Aktion", "extradatei2");
    settings.Write(section, "Format", "Text");
    settings.Write(section, "Url", "nein");
    settings.Write(section, "Datum", "ja");
  }

  test::FakeSettings settings;
  ActionCache cache;
};

TEST_F(ActionCacheTest, ReadsTheSevenKeysOfAnActiveAction) {
  Activate(4, "Notizen");
  settings.Write("aktion4", "URL", "ja");  // the importer spells the key this way
  cache.Refresh(settings);
  const ActionRecord& record = cache.Record(4);
  EXPECT_EQ(record.Name, "Notizen");
  EXPECT_EQ(record.Dateiname, "Datei4");
  EXPECT_EQ(record.Speicherpfad, "C:\\Texte");
  EXPECT_EQ(record.Aktion, "extradatei2");
  EXPECT_EQ(record.Format, "Text");
  EXPECT_EQ(record.Url, "ja");
  EXPECT_EQ(record.Datum, "ja");
}

TEST_F(ActionCacheTest, MissingKeyHoldsTheMissingEntryText) {
  Activate(2, "Ohne Format");
  settings.Remove("Aktion2", "Format");
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(2).Format, kMissingEntry);
  EXPECT_EQ(cache.Record(2).Name, "Ohne Format");
}

TEST_F(ActionCacheTest, OnlyExactJaMakesAnActionActive) {
  Activate(1, "Klein", "Ja");
  Activate(2, "Leer", "");
  Activate(3, "Aktiv");
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(1).Name, "");
  EXPECT_EQ(cache.Record(2).Name, "");
  EXPECT_EQ(cache.Record(3).Name, "Aktiv");
}

TEST_F(ActionCacheTest, InactiveSlotKeepsItsOldRecord) {
  Activate(7, "Alt (Standard)");
  cache.Refresh(settings);
  Activate(7, "Neu", "nein");
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(7).Name, "Alt (Standard)");
  EXPECT_EQ(cache.StandardAction(), 0) << "a kept record of an inactive slot is not the Standard";
  Activate(7, "Neu");
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(7).Name, "Neu");
}

TEST_F(ActionCacheTest, StandardIsTheHighestActiveMarkedAction) {
  Activate(2, "Zwei (Standard)");
  Activate(5, "Fuenf(Standard)");
  Activate(9, "Neun (Standard)", "nein");
  Activate(12, "Zwoelf");
  Activate(20, "Zwanzig (Standard)");
  Activate(21, "Importiert (Standard)");  // sections above 20 are never read
  cache.Refresh(settings);
  EXPECT_EQ(cache.StandardAction(), 20);
  Activate(20, "Zwanzig (Standard)", "nein");
  cache.Refresh(settings);
  EXPECT_EQ(cache.StandardAction(), 5);
}

TEST_F(ActionCacheTest, NumbersOutsideTheSlotsGiveAnEmptyRecord) {
  for (int n = 1; n <= kActionCount; ++n) Activate(n, "Aktion");
  cache.Refresh(settings);
  for (int n : {0, -1, 21, 1000}) EXPECT_EQ(cache.Record(n).Name, "") << n;
}

}  // namespace
}  // namespace qm
