#pragma once

#include <optional>

#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// "  Zusammen mit Windows starten": wanted, it makes the shortcut "Quillmar 2.0.lnk"
// to the program in the user's Startup folder (again, at every start with autostart
// on) and records the folder; not wanted, it deletes the shortcut it recorded. Says why
// when the choice did not reach the settings file.
std::optional<WriteFailure> ApplyAutostart(bool wanted, SettingsStore& settings,
                                           MessageBoxes& messages);

// The archive edition cannot make the shortcut; "?" explains that instead.
bool IsArchiveEdition(const SettingsStore& settings);
MessageRequest ArchiveEditionMessage();

}  // namespace qm
