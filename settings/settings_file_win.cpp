#include "settings/settings_file_win.h"

#include <windows.h>

#include <atomic>
#include <utility>
#include <vector>

#include "settings/file_helpers_win.h"
#include "settings/held_file_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

constexpr DWORD kReadBufferSize = kLongestSettingValue + 1;

// Whether the last access to a profile file found it still held past its waits. The
// accesses after it try once each until one gets through, so that reading all twenty
// actions from a file that stays held costs that second once, not two hundred times.
std::atomic<bool> gGaveUpOnHeldFile{false};

// Another program (a sync tool uploading the file, a backup, an editor saving it) may have
// the settings file open without sharing it. The profile functions then read the default
// and write nothing, and say so only by the last error; `access` gives that error, or
// ERROR_SUCCESS, of one try.
template <typename Access>
DWORD WhileSettingsHeld(Access access) {
  const auto oneTry = [&access] {
    SetLastError(ERROR_SUCCESS);
    return access();
  };
  const DWORD error = gGaveUpOnHeldFile ? oneTry() : TriedWhileHeld(FileStep::Opening, oneTry);
  gGaveUpOnHeldFile = HeldByAnotherProgram(error, FileStep::Opening);
  return error;
}

std::optional<WriteFailure> Failure(DWORD error, const std::string& file) {
  if (error == ERROR_SUCCESS) return std::nullopt;
  return WriteFailure{file, SystemReason(error)};
}

DWORD ErrorOf(bool written) { return written ? ERROR_SUCCESS : GetLastError(); }

std::optional<WriteFailure> WriteProfile(std::string_view section, std::string_view key,
                                         std::string_view value, const std::string& file) {
  return Failure(WhileSettingsHeld([&] {
                   return ErrorOf(WriteSetting(std::string(section), std::string(key),
                                               std::string(value), file));
                 }),
                 file);
}

std::optional<WriteFailure> ReplaceProfileSection(std::string_view section, std::string_view lines,
                                                  const std::string& file) {
  return Failure(
      WhileSettingsHeld([&] { return ErrorOf(WriteSetting(std::string(section), lines, file)); }),
      file);
}

// Counts a read whose `error` says that it found the file held; true for such a read.
bool CountedHeld(DWORD error, const std::string& file, HeldReads& foundHeld) {
  if (!HeldByAnotherProgram(error, FileStep::Opening)) return false;
  ++foundHeld.count;
  foundHeld.last = Failure(error, file);
  return true;
}

std::string ReadProfile(std::string_view section, std::string_view key, const std::string& file,
                        const std::string& fallback, HeldReads& foundHeld) {
  std::string value;
  const DWORD error = WhileSettingsHeld([&] {
    value = ReadSetting(std::string(section), std::string(key), file, fallback);
    return GetLastError();
  });
  CountedHeld(error, file, foundHeld);
  return ValueInTheCodePage(std::move(value));
}

// A read that found the file held gives the failure, never the empty section it saw: a
// change merged into that would lose the section's other keys.
SectionRead ReadProfileSection(std::string_view section, const std::string& file,
                               HeldReads& foundHeld) {
  SectionRead read;
  const DWORD error = WhileSettingsHeld([&] {
    read.lines = ReadSetting(std::string(section), file);
    return GetLastError();
  });
  if (CountedHeld(error, file, foundHeld)) read = {{}, foundHeld.last};
  return read;
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
  return ReadProfile(section, key, SettingsPath(), missingEntry_, readsFoundHeld_);
}

std::optional<WriteFailure> ProfileSettings::Write(std::string_view section, std::string_view key,
                                                   std::string_view value) {
  return WriteProfile(section, key, value, SettingsPath());
}

SectionRead ProfileSettings::SectionLines(std::string_view section) const {
  return ReadProfileSection(section, SettingsPath(), readsFoundHeld_);
}

HeldReads ProfileSettings::ReadsFoundHeld() const { return readsFoundHeld_; }

std::optional<WriteFailure> ProfileSettings::ReplaceSection(std::string_view section,
                                                            std::string_view lines) {
  return ReplaceProfileSection(section, lines, SettingsPath());
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
  return ReadProfile(section, key, path_, missingEntry_, readsFoundHeld_);
}

std::optional<WriteFailure> ProfileFile::Write(std::string_view section, std::string_view key,
                                               std::string_view value) {
  return WriteProfile(section, key, value, path_);
}

SectionRead ProfileFile::SectionLines(std::string_view section) const {
  return ReadProfileSection(section, path_, readsFoundHeld_);
}

HeldReads ProfileFile::ReadsFoundHeld() const { return readsFoundHeld_; }

std::optional<WriteFailure> ProfileFile::ReplaceSection(std::string_view section,
                                                        std::string_view lines) {
  return ReplaceProfileSection(section, lines, path_);
}

}  // namespace qm
