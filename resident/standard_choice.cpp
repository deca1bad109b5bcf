#include "resident/standard_choice.h"

#include <string>

#include "settings/action_cache.h"
#include "settings/action_record.h"

namespace qm {

namespace {

bool IsActive(const SettingsStore& settings, int number) {
  return settings.Read(ActionSection(number), "Aktiviert") == "ja";
}

}  // namespace

std::optional<WriteFailure> MakeStandard(int number, SettingsStore& settings) {
  if (number < 1 || number > kActionCount || !IsActive(settings, number)) return std::nullopt;
  const std::string section = ActionSection(number);
  const std::string chosen = settings.Read(section, "Name");
  if (!IsStandardMarked(chosen)) {
    if (auto failure = settings.Write(section, "Name", chosen + std::string(kStandardMark))) {
      return failure;
    }
  }
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string name = settings.Read(ActionSection(n), "Name");
    if (n == number || !IsActive(settings, n) || !IsStandardMarked(name)) continue;
    if (auto failure = settings.Write(ActionSection(n), "Name", PlainName(name))) return failure;
  }
  return std::nullopt;
}

}  // namespace qm
