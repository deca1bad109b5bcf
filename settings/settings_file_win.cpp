#include "settings/settings_file_win.h"

#include <windows.h>

#include <vector>

#include "settings/file_helpers_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

constexpr DWORD kReadBufferSize = kLongestSettingValue + 1;

std::optional<WriteFailure> WriteProfile(std::string_view section, std::string_view key,
                                         std::string_view value, const std::string& file) {
  if (WriteSetting(std::string(section), std::string(key), std::string(value), file)) {
    return std::nullopt;
  }
  return WriteFailure{file, SystemReason(GetLastError())};
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

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
  return ReadSetting(std::string(section), std::string(key), path_, missingEntry_);
}

std::optional<WriteFailure> ProfileFile::Write(std::string_view section, std::string_view key,
                                               std::string_view value) {
  return WriteProfile(section, key, value, path_);
}

}  // namespace qm
