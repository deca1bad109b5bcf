#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace qm {

// The address of the page shown by the browser window highest in the window stack, or
// empty. Hidden windows do not count; the first visible window whose title names a
// browser decides, whether or not an address is found in it.
std::string GetBrowserURL();

// The page's title (PageTitleOfBrowserTitle), in UTF-8, of the visible window highest in
// the window stack whose title ends in a browser's name; empty when there is none.
std::string GetBrowserPageTitle();

// The first edit field ("Edit", "MozillaWindowClass") at or below `window`, depth first
// in child order, that holds a page address; empty when there is none or when a window
// does not answer (its program hangs, so its other windows would not answer either).
std::string FindAddressText(HWND window);

// The text of a window of another program, read with WM_GETTEXT into a fixed buffer of
// kWindowTextChars characters; std::nullopt when the window does not answer within
// kWindowTextTimeoutMs. WM_GETTEXTLENGTH is never sent: Wine does not bound it for a
// window that hangs.
std::optional<std::string> GetWindowTextByMessage(HWND window);

inline constexpr int kWindowTextChars = 4096;
// Long enough for a browser busy with a page; a browser that hangs costs it once, as its
// first field that does not answer ends the search.
inline constexpr UINT kWindowTextTimeoutMs = 1000;

}  // namespace qm
