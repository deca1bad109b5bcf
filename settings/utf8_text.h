#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qm {

// A text file that holds characters the code page lacks is UTF-8 and begins with this
// byte-order mark, so that editors, and the next save, know it from an ANSI file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Appends the UTF-8 form of a wide text; a surrogate without its partner becomes U+FFFD.
// A wide text of 32-bit units (off Windows) may hold its code points as they are.
void AppendUtf8(std::string& out, std::u16string_view text);
void AppendUtf8(std::string& out, std::wstring_view text);

// The code point that starts at `at` of a UTF-8 text, and how many bytes it takes; a
// byte that starts no well-formed sequence counts as U+FFFD, one byte long.
std::pair<char32_t, size_t> CodePointAt(std::string_view utf8, size_t at);
// The same for UTF-16 units; a surrogate without its partner counts as U+FFFD.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view utf16, size_t at);

// Appends a code point as UTF-16 units, as Windows takes text: above U+FFFF a pair.
void AppendUtf16(std::wstring& out, char32_t codePoint);

// The start of a UTF-8 text as UTF-16 units, as Windows names take them: as many whole
// characters as fit into `mostUnits`.
std::wstring WideOfUtf8(std::string_view utf8, size_t mostUnits);

// Data held in the code page (the date line, an address, an old ANSI file) in UTF-8.
std::string Utf8OfAnsi(std::string_view ansi);

// True for well-formed UTF-8, which includes every text of ASCII characters alone.
bool IsUtf8(std::string_view bytes);

// How far bytes read as UTF-8: the length of their well-formed start, which ends before
// the first byte that starts no well-formed sequence or a sequence cut by the end of the
// bytes, and whether that start holds a character beyond ASCII.
struct Utf8Start {
  size_t length = 0;
  bool multiByte = false;
};
Utf8Start WellFormedStart(std::string_view bytes);

// Appends a UTF-8 text as the bytes of UTF-16 in either byte order, as files that other
// editors wrote in "Unicode" hold it; above U+FFFF a pair of units.
enum class ByteOrder { LittleEndian, BigEndian };
void AppendUtf16Bytes(std::string& out, std::string_view utf8, ByteOrder order);

// The UTF-8 form of such bytes, which gives them back exactly; nothing for bytes that no
// UTF-16 text is made of (an odd length, a surrogate without its partner).
std::optional<std::string> Utf8OfUtf16Bytes(std::string_view bytes, ByteOrder order);

}  // namespace qm
