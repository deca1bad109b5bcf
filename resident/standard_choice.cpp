#include "resident/standard_choice.h"

#include <string>
#include <vector>

#include "settings/action_cache.h"
#include "settings/action_record.h"

namespace qm {

namespace {

bool IsActive(const SettingsStore& settings, int number) {
  return settings.Read(ActionSection(number), "Aktiviert") == "ja";
}

// The names that change when `number` becomes the Standard action.
std::vector<SectionValues> MarkChange(int number, const SettingsStore& settings) {
  std::vector<SectionValues> change;
  const std::string chosen = settings.Read(ActionSection(number), "Name");
  if (!IsStandardMarked(chosen)) {
    change.push_back({ActionSection(number), {{"Name", chosen + std::string(kStandardMark)}}});
  }
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string name = settings.Read(ActionSection(n), "Name");
    if (n == number || !IsActive(settings, n) || !IsStandardMarked(name)) continue;
    change.push_back({ActionSection(n), {{"Name", PlainName(name)}}});
  }
  return change;
}

}  // namespace

// Names read while another program held the file are missing entries: marked, one would
// become the action's name.
std::optional<WriteFailure> MakeStandard(int number, SettingsStore& settings) {
  if (number < 1 || number > kActionCount) return std::nullopt;
  const unsigned heldBefore = settings.ReadsFoundHeld().count;
  const bool active = IsActive(settings, number);
  const std::vector<SectionValues> change =
      active ? MarkChange(number, settings) : std::vector<SectionValues>{};
  if (auto held = HeldSince(settings, heldBefore)) return held;
  return WriteChange(settings, change);
}

}  // namespace qm
