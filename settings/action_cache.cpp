#include "settings/action_cache.h"

namespace qm {

namespace {

ActionRecord ReadRecord(const SettingsStore& settings, const std::string& section) {
  return {settings.Read(section, "Name"),         settings.Read(section, "Dateiname"),
          settings.Read(section, "Speicherpfad"), settings.Read(section, "Aktion"),
          settings.Read(section, "Format"),       settings.Read(section, "Url"),
          settings.Read(section, "Datum")};
}

}  // namespace

void ActionCache::Refresh(const SettingsStore& settings) {
  standard_ = 0;
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string section = ActionSection(n);
    if (settings.Read(section, "Aktiviert") != "ja") continue;
    ActionRecord& slot = slots_[static_cast<size_t>(n - 1)];
    slot = ReadRecord(settings, section);
    if (IsStandardMarked(slot.Name)) standard_ = n;
  }
}

const ActionRecord& ActionCache::Record(int number) const {
  static const ActionRecord kNone{};
  if (number < 1 || number > kActionCount) return kNone;
  return slots_[static_cast<size_t>(number - 1)];
}

}  // namespace qm
