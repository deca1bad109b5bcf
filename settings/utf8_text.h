#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace qm {

// A text file that holds characters the code page lacks is UTF-8 and begins with this
// byte-order mark, so that editors, and the next save, know it from an ANSI file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The code point that starts at `at` of a UTF-16 text, and how many units it takes; a
// surrogate without its partner counts as U+FFFD. A wide text of 32-bit units (off
// Windows) holds its code points as they are.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view text, size_t at);
std::pair<char32_t, size_t> CodePointAt(std::wstring_view text, size_t at);

// Appends the UTF-8 form of a wide text.
void AppendUtf8(std::string& out, std::u16string_view text);
void AppendUtf8(std::string& out, std::wstring_view text);

// Data held in the code page (the date line, an address, an old ANSI file) in UTF-8.
std::string Utf8OfAnsi(std::string_view ansi);

// True for well-formed UTF-8, which includes every text of ASCII characters alone.
bool IsUtf8(std::string_view bytes);

}  // namespace qm
