#pragma once

#include <windows.h>

#include <string>

namespace qm {

// Asks the browser's DDE server `server` for the topic "WWW_GetWindowInfo", item "-1"
// (its most recently active window), and returns the address in the reply; empty when
// no server answers, the request fails, or no reply has come within
// kDdeConversationBoundMs.
//
// DdeConnect asks every top-level window and waits up to two seconds for each that has
// stopped handling messages, so the conversation runs on a thread of its own that the
// caller gives up on at the bound. While it waits, the caller handles messages sent to
// its own windows, which the connect asks as well. A conversation given up on ends by
// itself later; until it has, no new one is started and the address is empty.
std::string GetDdeBrowserURL(const std::string& server);

inline constexpr DWORD kDdeConversationBoundMs = 2000;
inline constexpr DWORD kDdeRequestTimeoutMs = 1000;

}  // namespace qm
