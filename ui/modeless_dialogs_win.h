#pragma once

#include <windows.h>

#include <vector>

namespace qm {

// Modeless dialogs get their keyboard interface (Tab, Enter, Escape, mnemonics) only
// when the message loop hands their messages to IsDialogMessage. Each dialog enrols
// while it exists; the loop asks RouteToDialog first.
void EnrolDialog(HWND dialog);
void WithdrawDialog(HWND dialog);
bool RouteToDialog(MSG& message);
// The dialogs that exist now, in the order they were made.
std::vector<HWND> EnrolledDialogs();

}  // namespace qm
