#pragma once

#include <windows.h>

#include <string>

namespace qm {

// Asks the browser's DDE server `server` for the topic "WWW_GetWindowInfo", item "-1"
// (its most recently active window), and returns the address in the reply; empty when
// no server answers, the request fails, or no reply has come within
// kDdeConversationBoundMs.
//
// DdeConnect asks every top-level window in turn and waits for each. A window that has
// stopped handling messages less than five seconds ago holds it up until it handles
// them again (under Wine: for as long as it hangs); after five seconds the system
// counts the window as hung and skips it. So the conversation runs on a thread of its
// own that the caller gives up on at the bound. While it waits, the caller handles the
// messages sent to its own windows, which the connect asks as well. A thread given up on
// ends by itself later; while a few of them are still stuck, the address is empty.
std::string GetDdeBrowserURL(const std::string& server);

inline constexpr DWORD kDdeConversationBoundMs = 2000;
inline constexpr DWORD kDdeRequestTimeoutMs = 1000;

}  // namespace qm
