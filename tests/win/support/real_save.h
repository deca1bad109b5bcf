#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/clipboard_helper.h"
#include "tests/win/support/test_files.h"

namespace qm::test {

// Speichern as the program runs it: the real file adapter on a real target folder, the
// real clipboard set by another process, action 1 read from a real settings file in the
// program folder; only message boxes and the notice are recorded instead of shown.
class RealSave : public ::testing::Test {
 protected:
  RealSave(const std::string& settingsFileBytes, CurrentOptions currentOptions)
      : settingsFile(settingsFileBytes), options(std::move(currentOptions)) {
    EXPECT_TRUE(CreateDirectoryA(target.c_str(), nullptr)) << GetLastError();
  }

  // Action 1 with this method, file name and format, saving into `target`.
  void UseAction(const std::string& aktion, const std::string& dateiname,
                 const std::string& format = "Text") {
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"}, {"Name", "Test"},  {"Dateiname", dateiname}, {"Speicherpfad", target},
        {"Aktion", aktion},  {"Format", format}, {"URL", "nein"},          {"Datum", "nein"}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
  }

  void SaveText(const std::string& text) {
    SetClipboardText(text);
    WinSaveFiles files;
    WinSaveSources sources(nullptr, [] { return false; });
    SaveContext context{actions, options, settings, files, sources, messages, signals};
    Speichern(1, context);
  }

  std::string Saved(const std::string& name) const { return ReadFileBytes(target + "\\" + name); }

  ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const ProgramSettingsFile settingsFile;
  ProfileSettings settings;
  ActionCache actions;
  const CurrentOptions options;
  RecordingMessageBoxes messages;
  RecordingSignals signals;
};

}  // namespace qm::test
