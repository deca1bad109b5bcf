#pragma once

#include <optional>

#include "settings/settings_store.h"

namespace qm {

// "Als Standard", in the tray menu and on the list page: the active action `number`
// gets the standard mark written to its Name, then every other marked active action
// gets its plain name back. The choice is by number, so that of two actions with the
// same name (from an earlier version's file) only the chosen one becomes the Standard.
// A deleted action is left alone and cannot be chosen. One change: where a write does
// not reach the file, the file keeps its Standard action as it was.
std::optional<WriteFailure> MakeStandard(int number, SettingsStore& settings);

}  // namespace qm
