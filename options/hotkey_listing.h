#pragma once

#include <string>

#include "settings/settings_store.h"

namespace qm {

// The text of "Definierte Hotkeys": one paragraph per active action that has a key,
// then always the three general hotkeys, each as "name  =  combination".
std::wstring HotkeyListing(const SettingsStore& settings);

}  // namespace qm
