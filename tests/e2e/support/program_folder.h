#pragma once

#include <string>

#include "tests/win/support/test_files.h"

namespace qm::e2e {

// What ProgramFolder::Get gives for a key that the settings file does not hold.
inline constexpr char kMissingSetting[] = "<missing>";

// A fresh copy of the built program folder (the folder "dist" next to the test
// program), as a user unpacks it, plus an empty folder that the scenario's actions save
// into. Both are removed when the scenario ends.
class ProgramFolder {
 public:
  ProgramFolder();

  std::string Path() const { return program_; }
  std::string ProgramFile() const { return program_ + "\\Quillmar2.0.exe"; }
  std::string SettingsFile() const { return program_ + "\\einstellungen20.ini"; }
  std::string SaveFolder() const { return scratch_ / "Gespeichert"; }
  std::string SavedFile(const std::string& name) const { return SaveFolder() + "\\" + name; }

  // One value of the copy's einstellungen20.ini.
  void Set(const std::string& section, const std::string& key, const std::string& value) const;
  std::string Get(const std::string& section, const std::string& key) const;

 private:
  test::ScratchFolder scratch_;
  std::string program_;
};

}  // namespace qm::e2e
