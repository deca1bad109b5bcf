#include "options/explorer_verb.h"

#include <algorithm>

namespace qm {

namespace {

constexpr std::wstring_view kProgramFile = L"\\Quillmar2.0.exe";

wchar_t FoldedAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

bool StartsWithFolded(std::wstring_view text, std::wstring_view start) {
  return text.size() >= start.size() &&
         std::equal(start.begin(), start.end(), text.begin(),
                    [](wchar_t a, wchar_t b) { return FoldedAscii(a) == FoldedAscii(b); });
}

std::wstring ProgramPath(std::wstring_view programFolder) {
  return std::wstring(programFolder) + std::wstring(kProgramFile);
}

}  // namespace

std::wstring ExplorerVerbCommand(std::wstring_view programFolder) {
  return L"\"" + ProgramPath(programFolder) + L"\" /hier \"%V\"";
}

std::wstring ExplorerVerbIcon(std::wstring_view programFolder) {
  return ProgramPath(programFolder) + L",0";
}

bool CommandStartsProgramOf(std::wstring_view command, std::wstring_view programFolder) {
  command.remove_prefix(std::min(command.find_first_not_of(L' '), command.size()));
  const bool quoted = command.starts_with(L'"');
  if (quoted) command.remove_prefix(1);
  const std::wstring program = ProgramPath(programFolder);
  if (programFolder.empty() || !StartsWithFolded(command, program)) return false;
  const std::wstring_view rest = command.substr(program.size());
  return quoted ? rest.starts_with(L'"') : rest.empty() || rest.starts_with(L' ');
}

bool ExplorerVerbIsOurs(std::span<const std::optional<std::wstring>> commands,
                        std::wstring_view programFolder) {
  return std::ranges::all_of(commands, [&](const std::optional<std::wstring>& command) {
    return command && CommandStartsProgramOf(*command, programFolder);
  });
}

MessageRequest ExplorerVerbFailedMessage(bool adding, const std::wstring& reason) {
  return {L"Explorer-Eintrag nicht geändert",
          std::wstring(L"Der Eintrag „") + kExplorerVerbCaption +
              (adding ? L"“ konnte nicht in die Registrierung geschrieben werden:\r\n"
                      : L"“ konnte nicht aus der Registrierung entfernt werden:\r\n") +
              reason + L"\r\n\r\nIhre Änderung wurde nicht gespeichert.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace qm
