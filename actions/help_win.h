#pragma once

#include <windows.h>

#include "ui/message_box.h"

namespace qm {

// "&Hilfe": opens qmhelp.html of the program folder with the program the system
// associates with it; a missing association is reported, other failures are not.
void OpenHelp(HWND owner, MessageBoxes& messages);

}  // namespace qm
