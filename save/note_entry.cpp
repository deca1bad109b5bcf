#include "save/note_entry.h"

#include <cstdio>

#include "save/markdown_text.h"

namespace qm {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// A YAML double-quoted scalar: quotes and backslashes escaped, control characters
// (a title cannot hold a line) as blanks.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(static_cast<unsigned char>(c) < ' ' ? ' ' : c);
  }
  return quoted + "\"";
}

// An address goes as it is when YAML cannot read anything else into it: it starts
// with a letter and holds no blank (so no " #" comment and no ": ").
std::string AddressScalar(std::string_view address) {
  const bool plain =
      !address.empty() &&
      ((address[0] >= 'a' && address[0] <= 'z') || (address[0] >= 'A' && address[0] <= 'Z')) &&
      address.find_first_of(" \t\"") == std::string_view::npos;
  return plain ? std::string(address) : Quoted(address);
}

bool IsRule(std::string_view line) {
  size_t marks = 0;
  for (const char c : line) {
    if (c == line[0]) {
      ++marks;
    } else if (c != ' ') {
      return false;
    }
  }
  return (line[0] == '-' || line[0] == '*' || line[0] == '_') && marks >= 3;
}

std::string SeparatorBlock(std::string_view separator) {
  if (separator.empty()) return {};
  std::string line;
  if (IsRule(separator)) {
    line = separator;
  } else {
    AppendMarkdownEscaped(line, separator);
    EscapeLineStart(line);
  }
  return line + std::string(kCrLf) + std::string(kCrLf);
}

std::string EntryLine(const NoteParts& parts) {
  std::string line;
  if (parts.dateText) {
    AppendMarkdownEscaped(line, *parts.dateText);
    EscapeLineStart(line);
  }
  if (parts.address && !parts.address->empty()) {
    if (!line.empty()) line += " \xC2\xB7 ";
    line += "[";
    AppendMarkdownEscaped(line, *parts.address);
    line += "](";
    AppendLinkDestination(line, *parts.address);
    line += ")";
  }
  return line.empty() ? line : line + std::string(kCrLf) + std::string(kCrLf);
}

long long DaysSince1970(int year, int month, int day) {
  // Howard Hinnant's days_from_civil.
  year -= month <= 2 ? 1 : 0;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

}  // namespace

std::string NewNote(std::string passage, const NoteParts& parts) {
  if (!parts.address && !parts.created) return passage;
  std::string front;
  front.append("---").append(kCrLf);
  if (!parts.title.empty()) front.append("title: ").append(Quoted(parts.title)).append(kCrLf);
  if (parts.address) front.append("source: ").append(AddressScalar(*parts.address)).append(kCrLf);
  if (parts.created) front.append("created: ").append(*parts.created).append(kCrLf);
  front.append("---").append(kCrLf).append(kCrLf);
  passage.insert(0, front);
  return passage;
}

std::string LaterEntry(std::string_view old, std::string_view passage, const NoteParts& parts) {
  std::string entry;
  if (!old.ends_with('\n')) entry.append(kCrLf);
  entry.append(kCrLf);
  if (parts.separator) entry += SeparatorBlock(*parts.separator);
  entry += EntryLine(parts);
  return entry.append(passage);
}

std::string IsoLocalTime(const std::tm& local, std::time_t moment) {
  const long long localSeconds =
      DaysSince1970(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) * 86400 +
      local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  const long long offsetMinutes = (localSeconds - static_cast<long long>(moment)) / 60;
  const long long size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02lld:%02lld",
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, offsetMinutes < 0 ? '-' : '+', size / 60, size % 60);
  return text;
}

}  // namespace qm
