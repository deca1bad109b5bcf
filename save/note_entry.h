#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// What a Markdown note adds to the converted passage, all UTF-8.
struct NoteParts {
  std::string title;                     // the page's title; empty when not known
  std::optional<std::string> address;    // set when the action adds the address
  std::optional<std::string> created;    // ISO 8601, set when the action adds the date
  std::optional<std::string> dateText;   // the run's date and time, likewise
  std::optional<std::string> separator;  // set for the same-file method
};

// A new note: when the action adds the date or the address, a YAML front matter block
// (title where known, source, created) as its first line, then a blank line; then the
// passage, which ends with CR LF. The passage, which may be megabytes, becomes the note
// without being copied.
std::string NewNote(std::string passage, const NoteParts& parts);

// What is appended to a note that holds `old` (not empty): a blank line, the separator
// line set apart by blank lines, a line with the date and the linked source where the
// action adds them, then the passage. The separator is a rule when Markdown reads it as
// one and text otherwise, so that no separator opens code or a heading, and the blank
// lines keep every entry from joining the one before.
std::string LaterEntry(std::string_view old, std::string_view passage, const NoteParts& parts);

// Local time as ISO 8601 with the offset from UTC ("2026-12-07T23:15:09+01:00"), from
// the broken-down local time and the same moment in seconds since 1970 (UTC).
std::string IsoLocalTime(const std::tm& local, std::time_t moment);

}  // namespace qm
