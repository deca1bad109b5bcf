#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "settings/settings_store.h"

namespace qm {

// One value of a profile file; at most 126 characters, the rest is cut.
std::string ReadSetting(const std::string& section, const std::string& key, const std::string& file,
                        const std::string& fallback);
// True when the value reached the file.
bool WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file);
// A whole section, as SettingsStore::SectionLines gives it, read and written with one call
// each; writing empty lines removes the section. True when the section reached the file.
std::string ReadSetting(const std::string& section, const std::string& file);
bool WriteSetting(const std::string& section, std::string_view lines, const std::string& file);

// The folder of the running program file, without a trailing backslash, for the ANSI
// functions: where the code page cannot write its path (a user name in another script),
// its short path; empty when neither can be written.
std::string ProgramFolder();
// The same folder by its long path in UTF-16, as the user and other programs see it.
std::wstring ProgramFolderW();

// Program folder + "\einstellungen20.ini", built anew at every call.
std::string SettingsPath();

// The archive edition carries its delivered settings under this name, so that a newer
// archive unpacked over the program folder never replaces the user's settings file.
inline constexpr char kDeliveredSettingsFile[] = "einstellungen20-vorlage.ini";
// Makes the settings file from the delivered one when it is missing, as at the first
// start of the archive edition; a settings file that exists is never touched.
void ProvideSettingsFile();

// The settings file of the running program; missing keys read as `missingEntry`.
class ProfileSettings : public SettingsStore {
 public:
  explicit ProfileSettings(std::string missingEntry = std::string(kMissingEntry))
      : missingEntry_(std::move(missingEntry)) {}
  std::string Read(std::string_view section, std::string_view key) const override;
  std::optional<WriteFailure> Write(std::string_view section, std::string_view key,
                                    std::string_view value) override;
  SectionRead SectionLines(std::string_view section) const override;
  std::optional<WriteFailure> ReplaceSection(std::string_view section,
                                             std::string_view lines) override;
  HeldReads ReadsFoundHeld() const override;

 private:
  std::string missingEntry_;
  mutable HeldReads readsFoundHeld_;
};

// A profile file at a fixed path, such as another program's settings file.
class ProfileFile : public SettingsStore {
 public:
  ProfileFile(std::string path, std::string missingEntry)
      : path_(std::move(path)), missingEntry_(std::move(missingEntry)) {}
  std::string Read(std::string_view section, std::string_view key) const override;
  std::optional<WriteFailure> Write(std::string_view section, std::string_view key,
                                    std::string_view value) override;
  SectionRead SectionLines(std::string_view section) const override;
  std::optional<WriteFailure> ReplaceSection(std::string_view section,
                                             std::string_view lines) override;
  HeldReads ReadsFoundHeld() const override;

 private:
  std::string path_;
  std::string missingEntry_;
  mutable HeldReads readsFoundHeld_;
};

}  // namespace qm
