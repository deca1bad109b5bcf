// The Explorer entry "Zwischenablage hier speichern" as the registry holds it: ticked,
// the verb of this program folder in both places; cleared, gone; a verb of another
// copy is not shown as this one's and clearing leaves it alone.
#include "options/explorer_verb_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/settings_file_win.h"

namespace qm {
namespace {

const wchar_t* const kPlaces[] = {
    L"Software\\Classes\\Directory\\shell\\QuillmarHierSpeichern",
    L"Software\\Classes\\Directory\\Background\\shell\\QuillmarHierSpeichern",
};
const std::wstring kOtherFolder = L"C:\\Anderswo\\Quillmar 2.0";

// A text of the verb in the user's classes; "-" when it is missing.
std::wstring Stored(const std::wstring& key, const wchar_t* name) {
  wchar_t text[512] = {};
  DWORD size = sizeof text;
  const LSTATUS status =
      RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size);
  return status == ERROR_SUCCESS ? text : L"-";
}

std::wstring CommandOf(const std::wstring& folder) {
  return L"\"" + folder + L"\\Quillmar2.0.exe\" /hier \"%V\"";
}

class ExplorerVerbWin : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    for (const wchar_t* place : kPlaces) RegDeleteTreeW(HKEY_CURRENT_USER, place);
  }
  const std::wstring folder_ = ProgramFolderW();
};

TEST_F(ExplorerVerbWin, TickingWritesTheVerbOfThisFolderInBothPlacesAndClearingRemovesIt) {
  EXPECT_FALSE(ExplorerVerbIsHere(folder_));
  ASSERT_EQ(AddExplorerVerb(folder_), std::nullopt);
  for (const std::wstring place : kPlaces) {
    EXPECT_EQ(Stored(place, nullptr), L"Zwischenablage hier speichern");
    EXPECT_EQ(Stored(place, L"Icon"), folder_ + L"\\Quillmar2.0.exe,0");
    EXPECT_EQ(Stored(place + L"\\command", nullptr), CommandOf(folder_));
  }
  EXPECT_TRUE(ExplorerVerbIsHere(folder_));
  ASSERT_EQ(RemoveExplorerVerb(folder_), std::nullopt);
  for (const std::wstring place : kPlaces) EXPECT_EQ(Stored(place, nullptr), L"-") << place;
  EXPECT_FALSE(ExplorerVerbIsHere(folder_));
}

TEST_F(ExplorerVerbWin, AnotherCopysVerbIsNotOursAndClearingLeavesItUntilTickingTakesItOver) {
  for (const std::wstring place : kPlaces) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (place + L"\\command").c_str(), nullptr, REG_SZ,
                              CommandOf(kOtherFolder).c_str(),
                              static_cast<DWORD>((CommandOf(kOtherFolder).size() + 1) * 2)),
              ERROR_SUCCESS);
  }
  EXPECT_FALSE(ExplorerVerbIsHere(folder_));
  ASSERT_EQ(RemoveExplorerVerb(folder_), std::nullopt);
  for (const std::wstring place : kPlaces) {
    EXPECT_EQ(Stored(place + L"\\command", nullptr), CommandOf(kOtherFolder));
  }
  ASSERT_EQ(AddExplorerVerb(folder_), std::nullopt);
  EXPECT_TRUE(ExplorerVerbIsHere(folder_));
  EXPECT_FALSE(ExplorerVerbIsHere(kOtherFolder));
}

}  // namespace
}  // namespace qm
