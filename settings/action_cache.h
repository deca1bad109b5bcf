#pragma once

#include <array>

#include "settings/action_record.h"
#include "settings/settings_store.h"

namespace qm {

inline constexpr int kActionCount = 20;

// The in-memory copy of the twenty save actions that the save engine reads. Only the
// refresh writes it; a slot whose action is not active keeps what it held before.
class ActionCache {
 public:
  // Reads the record of every active action (Aktiviert = "ja") from the settings file
  // and finds the Standard action: the highest active number whose name is marked. When a
  // read found the file held by another program, the cache stays as it was and the
  // answer is false: the actions it read then would be missing, not the user's.
  bool Refresh(const SettingsStore& settings);

  // The record of action n; an empty record for a number outside 1 to 20.
  const ActionRecord& Record(int number) const;

  // Number of the Standard action, 0 when no active action is marked.
  int StandardAction() const { return standard_; }

 private:
  std::array<ActionRecord, kActionCount> slots_{};
  int standard_ = 0;
};

}  // namespace qm
