#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "save/speichern.h"
#include "tests/native/support/fake_settings.h"
#include "tests/native/support/save_fakes.h"

namespace qm::test {

// One save action and everything Speichern touches, all in memory. Action 1 starts
// as "extradatei" into C:\Texte with file name Notiz, plain text without date or
// address; the clipboard holds "abc"; the folders C:\, C:\Texte and C:\Temp exist.
class SaveBench : public ::testing::Test {
 protected:
  SaveBench();

  // Writes one key of the action's section and refreshes the cache, as the editor does.
  void SetAction(std::string_view key, std::string_view value, int number = 1);
  void Save(int number = 1);

  FakeSettings settings;
  ActionCache actions;
  CurrentOptions options;
  FakeFiles files;
  FakeSources sources;
  RecordingMessageBoxes messages;
  RecordingSignals signals;
};

}  // namespace qm::test
