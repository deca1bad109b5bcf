#pragma once

#include <string>
#include <string_view>

namespace qm {

// The name used when a text leaves nothing usable for a name (only blanks, control
// characters or characters Windows refuses); it is numbered like any other name.
inline constexpr std::string_view kFallbackName = "Zwischenablage";

// Turns a name made of words into one Windows accepts for a file or folder in the
// target folder: no \ / : * ? " < > | or control characters, at most `maxLength`
// characters, no trailing dot or blank, not only dots, not a device name. The wide form
// keeps the letters of a text the code page cannot hold, under the same rules; a
// character that takes two UTF-16 units is never cut in half.
std::string SafeName(std::string_view name, size_t maxLength);
std::wstring SafeName(std::wstring_view name, size_t maxLength);

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 (also with the superscript digits 1, 2, 3),
// with or without an extension and trailing blanks or dots, in any case: Windows
// opens the device instead of a file of that name.
bool IsReservedDeviceName(std::string_view name);
bool IsReservedDeviceName(std::wstring_view name);

}  // namespace qm
