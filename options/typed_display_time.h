#pragma once

#include <string>
#include <variant>

#include "ui/message_box.h"

namespace qm {

// "Test" on the options page: the display time typed under "Dauer der Anzeige", or
// the box that says why it cannot be used. The notice's timer holds 1 to 32767 ms:
// any other number would be cut to an arbitrary interval, or never end the notice, so
// it counts as no number.
std::variant<long long, MessageRequest> NoticeTestInterval(const std::string& typed);

}  // namespace qm
