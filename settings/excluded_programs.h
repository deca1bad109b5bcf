#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace qm {

// The programs whose copies automatic saving leaves alone (a password manager that sets
// no privacy format, a remote desktop), by the file names of their processes. They live
// in section "Ausnahmen", one key "Programm1", "Programm2", … a program, so that the
// list may be longer than one value of the settings file can be.
inline constexpr std::string_view kExcludedProgramsSection = "Ausnahmen";

// The names the user typed: separated by ";" or ",", blanks around them dropped, each
// once (compared without regard to case).
std::vector<std::string> ProgramNamesOfField(std::string_view field);
// The names as the field shows them: "KeePass.exe; mstsc.exe".
std::string FieldOfProgramNames(const std::vector<std::string>& names);

// True when `programFile` (the file name of a process, "" when it could not be told)
// is one of `names`, compared without regard to the case of ASCII letters.
bool IsExcludedProgram(const std::vector<std::string>& names, std::string_view programFile);

std::vector<std::string> ReadExcludedPrograms(const SettingsStore& settings);
// The whole list in one write of its section: all of it reaches the file or nothing.
std::optional<WriteFailure> WriteExcludedPrograms(SettingsStore& settings,
                                                  const std::vector<std::string>& names);

}  // namespace qm
