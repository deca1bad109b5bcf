#pragma once

#include <string>

namespace qm {

// The file name of the program whose window owns the clipboard ("KeePass.exe"), in the
// code page; empty when it cannot be told (no owner, a process this user may not ask,
// a name the code page cannot spell). Asks the system, never the owner itself.
std::string ClipboardOwnerProgram();

}  // namespace qm
