#pragma once

#include <windows.h>

namespace qm {

// Modeless dialogs get their keyboard interface (Tab, Enter, Escape, mnemonics) only
// when the message loop hands their messages to IsDialogMessage. Each dialog enrols
// while it exists; the loop asks RouteToDialog first.
void EnrolDialog(HWND dialog);
void WithdrawDialog(HWND dialog);
bool RouteToDialog(MSG& message);

}  // namespace qm
