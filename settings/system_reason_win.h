#pragma once

#include <windows.h>

#include <string>

namespace qm {

// The system's own words for an error code, for messages that tell the user why.
std::wstring SystemReason(DWORD error);

}  // namespace qm
