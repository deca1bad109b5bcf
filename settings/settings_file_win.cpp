#include "settings/settings_file_win.h"

#include <windows.h>

#include <vector>

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

std::string ProgramFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      const std::string path(buffer.data(), length);
      return path.substr(0, path.find_last_of('\\'));
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string SettingsPath() { return ProgramFolder() + "\\einstellungen20.ini"; }

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
