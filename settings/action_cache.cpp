#include "settings/action_cache.h"

#include <utility>

namespace qm {

bool ActionCache::Refresh(const SettingsStore& settings) {
  const unsigned heldBefore = settings.ReadsFoundHeld().count;
  ActionCache read = *this;
  read.standard_ = 0;
  for (int n = 1; n <= kActionCount; ++n) {
    if (settings.Read(ActionSection(n), "Aktiviert") != "ja") continue;
    ActionRecord& slot = read.slots_[static_cast<size_t>(n - 1)];
    slot = ReadActionRecord(settings, n);
    if (IsStandardMarked(slot.Name)) read.standard_ = n;
  }
  if (HeldSince(settings, heldBefore)) return false;
  *this = std::move(read);
  return true;
}

const ActionRecord& ActionCache::Record(int number) const {
  static const ActionRecord kNone{};
  if (number < 1 || number > kActionCount) return kNone;
  return slots_[static_cast<size_t>(number - 1)];
}

}  // namespace qm
