#include "options/explorer_verb_win.h"

#include <windows.h>

#include <array>
#include <cwchar>

#include "options/explorer_verb.h"
#include "settings/system_reason_win.h"
#include "ui/owned_handles_win.h"

namespace qm {

namespace {

// One name for the verb in both places, below HKEY_CURRENT_USER.
constexpr std::array<const wchar_t*, 2> kVerbKeys{
    L"Software\\Classes\\Directory\\shell\\QuillmarHierSpeichern",
    L"Software\\Classes\\Directory\\Background\\shell\\QuillmarHierSpeichern",
};

// The command of the verb at `verbKey`; none when the key or its text is missing.
std::optional<std::wstring> StoredCommand(const wchar_t* verbKey) {
  const std::wstring key = std::wstring(verbKey) + L"\\command";
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring command(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command.data(),
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  command.resize(wcsnlen(command.c_str(), size / sizeof(wchar_t)));
  return command;
}

LSTATUS CreatedKey(HKEY parent, const wchar_t* name, OwnedKey& key) {
  HKEY created = nullptr;
  const LSTATUS status = RegCreateKeyExW(
      parent, name, 0, nullptr, 0, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &created, nullptr);
  key.reset(status == ERROR_SUCCESS ? created : nullptr);
  return status;
}

LSTATUS SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// A verb of another copy may carry values of its own: it is replaced whole. The command
// comes last, so a verb cut short starts nothing.
LSTATUS WriteVerb(const wchar_t* verbKey, const std::wstring& programFolder) {
  LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, verbKey);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  OwnedKey verb;
  OwnedKey command;
  if ((status = CreatedKey(HKEY_CURRENT_USER, verbKey, verb)) != ERROR_SUCCESS ||
      (status = SetText(verb.get(), nullptr, kExplorerVerbCaption)) != ERROR_SUCCESS ||
      (status = SetText(verb.get(), L"Icon", ExplorerVerbIcon(programFolder))) != ERROR_SUCCESS ||
      (status = CreatedKey(verb.get(), L"command", command)) != ERROR_SUCCESS) {
    return status;
  }
  return SetText(command.get(), nullptr, ExplorerVerbCommand(programFolder));
}

LSTATUS RemoveVerb(const wchar_t* verbKey) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, verbKey);
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace

bool ExplorerVerbIsHere(const std::wstring& programFolder) {
  std::array<std::optional<std::wstring>, kVerbKeys.size()> commands;
  for (size_t i = 0; i < kVerbKeys.size(); ++i) commands[i] = StoredCommand(kVerbKeys[i]);
  return ExplorerVerbIsOurs(commands, programFolder);
}

std::optional<std::wstring> AddExplorerVerb(const std::wstring& programFolder) {
  for (size_t place = 0; place < kVerbKeys.size(); ++place) {
    const LSTATUS status = WriteVerb(kVerbKeys[place], programFolder);
    if (status == ERROR_SUCCESS) continue;
    for (size_t written = 0; written <= place; ++written) RemoveVerb(kVerbKeys[written]);
    return SystemReason(static_cast<DWORD>(status));
  }
  return std::nullopt;
}

std::optional<std::wstring> RemoveExplorerVerb(const std::wstring& programFolder) {
  for (const wchar_t* verbKey : kVerbKeys) {
    const auto command = StoredCommand(verbKey);
    if (!command || !CommandStartsProgramOf(*command, programFolder)) continue;
    if (const LSTATUS status = RemoveVerb(verbKey); status != ERROR_SUCCESS) {
      return SystemReason(static_cast<DWORD>(status));
    }
  }
  return std::nullopt;
}

}  // namespace qm
