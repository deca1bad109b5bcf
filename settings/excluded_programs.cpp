#include "settings/excluded_programs.h"

#include <algorithm>

#include "settings/ascii_text.h"

namespace qm {

namespace {

// Enough for every program a user names; a damaged file cannot make the read endless.
constexpr int kMostExcludedPrograms = 200;

std::string KeyOf(int number) { return "Programm" + std::to_string(number); }

}  // namespace

std::vector<std::string> ProgramNamesOfField(std::string_view field) {
  std::vector<std::string> names;
  while (!field.empty()) {
    const size_t end = std::min(field.find_first_of(";,"), field.size());
    const std::string_view name = Trimmed(field.substr(0, end));
    if (!name.empty() && !IsExcludedProgram(names, name)) names.emplace_back(name);
    field.remove_prefix(std::min(end + 1, field.size()));
  }
  return names;
}

std::string FieldOfProgramNames(const std::vector<std::string>& names) {
  std::string field;
  for (const std::string& name : names) field += (field.empty() ? "" : "; ") + name;
  return field;
}

bool IsExcludedProgram(const std::vector<std::string>& names, std::string_view programFile) {
  return !programFile.empty() && std::any_of(names.begin(), names.end(), [&](const auto& name) {
    return EqualIgnoringCase(name, programFile);
  });
}

std::vector<std::string> ReadExcludedPrograms(const SettingsStore& settings) {
  std::vector<std::string> names;
  for (int number = 1; number <= kMostExcludedPrograms; ++number) {
    const std::string name = settings.Read(kExcludedProgramsSection, KeyOf(number));
    if (name.empty() || name == kMissingEntry) break;
    names.push_back(name);
  }
  return names;
}

std::optional<WriteFailure> WriteExcludedPrograms(SettingsStore& settings,
                                                  const std::vector<std::string>& names) {
  std::string lines;
  for (size_t at = 0; at < names.size(); ++at) {
    lines += KeyOf(static_cast<int>(at + 1)) + "=" + names[at] + '\0';
  }
  return settings.ReplaceSection(kExcludedProgramsSection, lines);
}

}  // namespace qm
