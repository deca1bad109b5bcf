#include "save/file_encoding.h"

#include <algorithm>
#include <cstring>

#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

using namespace std::string_view_literals;

// A file is read in pieces of this size; a small one takes no more room than it needs.
constexpr uint64_t kPiece = 64 * 1024;
// UTF-32's mark (never written here) is UTF-16's followed by two zeros. Four bytes are
// also the longest UTF-8 sequence, so fewer than four unjudged bytes at the end of a
// piece may be a sequence that the next piece completes.
constexpr size_t kLongest = 4;

// The encoding that a byte-order mark at the file's start tells; nothing without one.
std::optional<FileEncoding> MarkedEncoding(std::string_view start, uint64_t fileSize) {
  // Units of two bytes cannot fill an odd length: the file is cut, or no UTF-16 at all.
  const auto utf16 = [&](FileEncoding order) {
    return fileSize % 2 == 0 ? order : FileEncoding::Unknown;
  };
  if (start.starts_with(kUtf8Bom)) return FileEncoding::Utf8Bom;
  if (start.starts_with("\xFF\xFE\0\0"sv)) return FileEncoding::Unknown;
  if (start.starts_with("\xFF\xFE"sv)) return utf16(FileEncoding::Utf16Le);
  if (start.starts_with("\xFE\xFF"sv)) return utf16(FileEncoding::Utf16Be);
  return std::nullopt;
}

// An entry in the code page as UTF-8, the copied text in the first piece.
TextEntry WholeInUtf8(const TextEntry& ansi) {
  std::string head = Utf8OfAnsi(ansi.head);
  AppendUtf8(head, WidenAnsi(ansi.body));
  return {std::move(head), {}, Utf8OfAnsi(ansi.tail)};
}

TextEntry InUtf16(const TextEntry& utf8, ByteOrder order) {
  TextEntry entry;
  AppendUtf16Bytes(entry.head, utf8.head, order);
  AppendUtf16Bytes(entry.head, utf8.body, order);
  AppendUtf16Bytes(entry.tail, utf8.tail, order);
  return entry;
}

}  // namespace

EncodingRecognition::EncodingRecognition(uint64_t fileSize)
    : fileSize_(fileSize),
      buffer_(static_cast<size_t>(std::min(fileSize, kPiece)) + kLongest, '\0') {
  if (fileSize == 0) known_ = FileEncoding::None;
}

std::span<char> EncodingRecognition::Room() {
  return {buffer_.data() + held_, buffer_.size() - held_};
}

void EncodingRecognition::Filled(size_t count) {
  if (known_) return;
  const bool ended = count == 0;
  held_ += count;
  const std::string_view bytes(buffer_.data(), held_);
  if (!markLooked_) {
    if (held_ < kLongest && !ended) return;
    markLooked_ = true;
    known_ = MarkedEncoding(bytes, fileSize_);
    if (known_) return;
  }
  const Utf8Start start = WellFormedStart(bytes);
  multiByte_ = multiByte_ || start.multiByte;
  const size_t rest = held_ - start.length;
  if (ended) {
    known_ = rest == 0 && multiByte_ ? FileEncoding::Utf8 : FileEncoding::Ansi;
  } else if (rest >= kLongest) {
    known_ = FileEncoding::Ansi;
  } else {
    std::memmove(buffer_.data(), buffer_.data() + start.length, rest);
    held_ = rest;
  }
}

FileEncoding EncodingOfBytes(std::string_view bytes) {
  EncodingRecognition recognition(bytes.size());
  while (!recognition.Known()) {
    const std::span<char> room = recognition.Room();
    const size_t count = std::min(room.size(), bytes.size());
    std::memcpy(room.data(), bytes.data(), count);
    bytes.remove_prefix(count);
    recognition.Filled(count);
  }
  return *recognition.Known();
}

std::optional<ByteOrder> Utf16Order(FileEncoding encoding) {
  if (encoding == FileEncoding::Utf16Le) return ByteOrder::LittleEndian;
  if (encoding == FileEncoding::Utf16Be) return ByteOrder::BigEndian;
  return std::nullopt;
}

std::variant<TextEntry, NotAppended> EntryIn(FileEncoding held, const TextEntry& entry,
                                             TextEncoding written) {
  const bool utf8 = written == TextEncoding::Utf8;
  switch (held) {
    case FileEncoding::None:
      if (!utf8) return entry;
      return TextEntry{std::string(kUtf8Bom) + entry.head, entry.body, entry.tail};
    case FileEncoding::Ansi:
      if (utf8) return NotAppended::FileMustBecomeUtf8;
      return entry;
    case FileEncoding::Utf8Bom:
    case FileEncoding::Utf8:
      return utf8 ? entry : WholeInUtf8(entry);
    case FileEncoding::Utf16Le:
    case FileEncoding::Utf16Be:
      return InUtf16(utf8 ? entry : WholeInUtf8(entry), *Utf16Order(held));
    case FileEncoding::Unknown:
      break;
  }
  return NotAppended::EncodingUnknown;
}

}  // namespace qm
