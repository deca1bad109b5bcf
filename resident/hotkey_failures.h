#pragma once

#include <vector>

#include "settings/hotkeys.h"
#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// A binding the system refused: its id, the hotkey it asked for, and the binding of this
// program that stores the same combination before it (0: another program or the system).
struct RefusedHotkey {
  int id;
  HotkeyText hotkey;
  int holder;
};

// The one box after a registration: each refused binding by its name and combination,
// and who holds the combination.
MessageRequest RegistrationFailedMessage(const SettingsStore& settings,
                                         const std::vector<RefusedHotkey>& refused);

}  // namespace qm
