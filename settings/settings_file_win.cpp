#include "settings/settings_file_win.h"

#include <windows.h>

#include <vector>

#include "settings/file_helpers_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

constexpr DWORD kReadBufferSize = kLongestSettingValue + 1;

std::optional<WriteFailure> Failure(bool written, const std::string& file) {
  if (written) return std::nullopt;
  return WriteFailure{file, SystemReason(GetLastError())};
}

std::optional<WriteFailure> WriteProfile(std::string_view section, std::string_view key,
                                         std::string_view value, const std::string& file) {
  return Failure(WriteSetting(std::string(section), std::string(key), std::string(value), file),
                 file);
}

std::optional<WriteFailure> ReplaceProfileSection(std::string_view section, std::string_view lines,
                                                  const std::string& file) {
  return Failure(WriteSetting(std::string(section), lines, file), file);
}

// The program file's folder as the program was started, long or short.
std::wstring StartedFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      const std::wstring path(buffer.data(), length);
      return path.substr(0, path.find_last_of(L'\\'));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ReadSetting(const std::string& section, const std::string& key, const std::string& file,
                        const std::string& fallback) {
  char buffer[kReadBufferSize] = {};
  const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                buffer, kReadBufferSize, file.c_str());
  return std::string(buffer, copied);
}

bool WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

std::string ReadSetting(const std::string& section, const std::string& file) {
  std::vector<char> buffer(4096);
  for (;;) {
    const DWORD copied = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), file.c_str());
    // A section that does not fit comes back cut, two characters short of the buffer.
    if (copied + 2 < buffer.size()) return std::string(buffer.data(), copied);
    buffer.resize(buffer.size() * 2);
  }
}

bool WriteSetting(const std::string& section, std::string_view lines, const std::string& file) {
  if (lines.empty()) {
    return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) != FALSE;
  }
  // The lines end with a zero each; the string's own ends the list.
  const std::string list(lines);
  return WritePrivateProfileSectionA(section.c_str(), list.c_str(), file.c_str()) != FALSE;
}

std::string ProgramFolder() { return AnsiPath(StartedFolder()); }

std::wstring ProgramFolderW() { return LongPath(StartedFolder()); }

std::string SettingsPath() { return ProgramFolder() + "\\einstellungen20.ini"; }

void ProvideSettingsFile() {
  const std::string delivered = ProgramFolder() + "\\" + kDeliveredSettingsFile;
  CopyFileA(delivered.c_str(), SettingsPath().c_str(), TRUE);
}

std::string ProfileSettings::Read(std::string_view section, std::string_view key) const {
  return ReadSetting(std::string(section), std::string(key), SettingsPath(), missingEntry_);
}

std::optional<WriteFailure> ProfileSettings::Write(std::string_view section, std::string_view key,
                                                   std::string_view value) {
  return WriteProfile(section, key, value, SettingsPath());
}

std::string ProfileSettings::SectionLines(std::string_view section) const {
  return ReadSetting(std::string(section), SettingsPath());
}

std::optional<WriteFailure> ProfileSettings::ReplaceSection(std::string_view section,
                                                            std::string_view lines) {
  return ReplaceProfileSection(section, lines, SettingsPath());
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
  return ReadSetting(std::string(section), std::string(key), path_, missingEntry_);
}

std::optional<WriteFailure> ProfileFile::Write(std::string_view section, std::string_view key,
                                               std::string_view value) {
  return WriteProfile(section, key, value, path_);
}

std::string ProfileFile::SectionLines(std::string_view section) const {
  return ReadSetting(std::string(section), path_);
}

std::optional<WriteFailure> ProfileFile::ReplaceSection(std::string_view section,
                                                        std::string_view lines) {
  return ReplaceProfileSection(section, lines, path_);
}

}  // namespace qm
