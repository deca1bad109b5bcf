#pragma once

#include <string_view>

#include "settings/settings_store.h"

namespace qm {

// "Als &Standard" in the tray menu: the choice is by name. Every active action whose
// plain name equals `caption` gets the standard mark written to its Name; every other
// marked action gets its plain name back. Returns the number of the new Standard
// action, the highest match, or 0 when no active action has that name.
int MakeStandard(std::string_view caption, SettingsStore& settings);

}  // namespace qm
