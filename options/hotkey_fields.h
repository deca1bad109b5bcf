#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hotkeys.h"
#include "ui/message_box.h"

namespace qm {

// What the hotkey fields of the action editor and of the general hotkeys page show
// for "nothing chosen": five blanks and a hyphen. It is stored as an empty text.
inline constexpr std::string_view kNoHotkeyField = "     -";

// The entries of the two modifier fields and of the key field, in list order.
const std::vector<std::string>& ModifierEntries();
const std::vector<std::string>& KeyEntries();

// The field text for a stored part: the entry itself when the list holds it, else the
// placeholder (an empty part, a blank left by a failed registration, a missing key or
// a text edited into the file by hand).
std::string FieldText(std::string_view stored, const std::vector<std::string>& entries);

// The stored part for a field text: empty for the placeholder.
std::string StoredPart(std::string_view fieldText);

// A hotkey whose key field shows the placeholder while a modifier field does not.
bool IsIncompleteHotkey(const HotkeyText& fields);

// The box shown for an incomplete hotkey, in the editor and in all three rows of the
// general hotkeys page.
MessageRequest IncompleteHotkeyMessage();

// Why the fields cannot be stored as a hotkey, checked by the editor and by all three
// rows of the general hotkeys page: an incomplete hotkey, or a letter or digit without
// a modifier, which would take that key away from every program while typing. A
// function key may stand alone.
std::optional<MessageRequest> HotkeyProblem(const HotkeyText& fields);

}  // namespace qm
