#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {

// What a text file that an entry is appended to holds. The program writes the code page
// or UTF-8 with the byte-order mark; other editors also write UTF-8 without a mark
// (Notepad's default) and UTF-16 with a mark (Notepad's "Unicode").
enum class FileEncoding {
  None,     // missing or empty: the entry chooses, as for a new file
  Ansi,     // the code page; also any file of ASCII alone
  Utf8Bom,  // UTF-8 behind its mark
  Utf8,     // no mark, but well-formed UTF-8 with at least one character beyond ASCII
  Utf16Le,
  Utf16Be,
  Unknown,  // a mark the file cannot hold as it says: nothing may be appended
};

// Tells a file's encoding from its bytes, read from the start into the room it offers,
// as far as it takes: a mark is known by the first bytes, and a file without one reads
// as UTF-8 until its first byte that is not, or to its end. Nothing is kept of what was
// read, so a file of any size costs one buffer.
class EncodingRecognition {
 public:
  explicit EncodingRecognition(uint64_t fileSize);
  // Set once the encoding is known; until then the file is to be read on.
  std::optional<FileEncoding> Known() const { return known_; }
  // Where the next bytes of the file go.
  std::span<char> Room();
  // Takes `count` bytes read into Room(); 0 means the file has ended.
  void Filled(size_t count);

 private:
  uint64_t fileSize_;
  std::string buffer_;
  size_t held_ = 0;          // bytes at the front of the buffer not yet judged
  bool markLooked_ = false;  // the first bytes have been looked at for a mark
  bool multiByte_ = false;
  std::optional<FileEncoding> known_;
};

// The encoding of a file held whole in memory, told as EncodingRecognition tells it.
FileEncoding EncodingOfBytes(std::string_view bytes);

// The byte order of a file in UTF-16; nothing for every other encoding.
std::optional<ByteOrder> Utf16Order(FileEncoding encoding);

// Why an entry is not appended to the file as it is.
enum class NotAppended {
  FileMustBecomeUtf8,  // an ANSI file, and the text has characters the code page lacks
  EncodingUnknown,
};

// The bytes an entry written in `written` (ANSI or UTF-8) appends to a file that holds
// `held`: in the file's encoding, without a mark the file lacks; a new file in UTF-8
// begins with the mark.
std::variant<TextEntry, NotAppended> EntryIn(FileEncoding held, const TextEntry& entry,
                                             TextEncoding written);

}  // namespace qm
