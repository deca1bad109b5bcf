#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Data (file names, clipboard text, settings values) is held in the system's ANSI code
// page; the user interface is UTF-16. This is the one crossing from data to the UI.
std::wstring WidenAnsi(std::string_view ansi);
// And back, for data the user typed or picked in the UI, such as a file path: empty when
// the code page lacks one of its characters, since a look-alike could name another file.
std::string NarrowAnsi(std::wstring_view wide);

// The crossing the other way, for text that another program gave as UTF-16 (the
// clipboard's Unicode text). No look-alike letters stand in for missing ones: both
// answer nothing when the code page lacks a character.
//
// The whole text in the code page, or nothing when any character is missing from it.
std::optional<std::string> NarrowToAnsi(std::u16string_view wide);
// One character (a Unicode code point) in the code page, or nothing when it is missing.
std::optional<std::string> AnsiOfCharacter(char32_t codePoint);

}  // namespace qm
