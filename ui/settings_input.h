#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// What the user typed or picked (UTF-16) as the ANSI data the settings file and the
// file names hold, or the box that says why it cannot be stored: a character the code
// page lacks (a look-alike could name another file or folder) or more than `longest`
// characters, which the settings file would not read back whole. `field` names the
// field in the box.
std::variant<std::string, MessageRequest> StorableText(std::u16string_view typed,
                                                       std::size_t longest,
                                                       std::wstring_view field);

// A value too long for the settings file to read back whole.
MessageRequest TooLongMessage(std::wstring_view field, std::size_t longest);

// A write that did not reach the settings file: nothing of the change was stored.
MessageRequest SettingsWriteFailedMessage(const WriteFailure& failure);
// The sentence of that box that names the file and the system's reason.
std::wstring WriteFailureText(const WriteFailure& failure);

// A read that found the settings file held by another program: what it read is not the
// file's, so nothing was changed.
MessageRequest SettingsUnreadMessage(const WriteFailure& failure);
// The sentence of that box that names the file and the system's reason.
std::wstring ReadFailureText(const WriteFailure& failure);

}  // namespace qm
