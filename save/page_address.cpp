#include "save/page_address.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "settings/ascii_text.h"

namespace qm {

namespace {

// An object rather than a function, so that the algorithms it is handed to inline it.
constexpr auto IsTabOrLineBreak = [](char c) { return c == '\t' || c == '\n' || c == '\r'; };

// Without blanks and control characters around and without tabs and line breaks
// anywhere, as browsers read an attribute's address. `buffer` holds the result only
// when something inside had to go; mostly it is a part of `address`.
std::string_view Cleaned(std::string_view address, std::string& buffer) {
  const auto shown = [](char c) { return static_cast<unsigned char>(c) > ' '; };
  if (std::all_of(address.begin(), address.end(), shown)) return address;  // as most are
  const auto first = std::find_if(address.begin(), address.end(), shown);
  const auto last = std::find_if(address.rbegin(), std::make_reverse_iterator(first), shown).base();
  const std::string_view trimmed(first, last);
  if (std::none_of(trimmed.begin(), trimmed.end(), IsTabOrLineBreak)) return trimmed;
  buffer.clear();
  std::remove_copy_if(trimmed.begin(), trimmed.end(), std::back_inserter(buffer), IsTabOrLineBreak);
  return buffer;
}

// The length of the scheme with its ":" ("http:" gives 5), 0 for a relative address.
size_t SchemeLength(std::string_view address) {
  if (address.empty() || !IsAsciiLetter(address[0])) return 0;
  for (size_t at = 1; at < address.size(); ++at) {
    const char c = address[at];
    if (c == ':') return at + 1;
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '+' && c != '-' && c != '.') {
      return 0;
    }
  }
  return 0;
}

struct Parts {
  std::string_view scheme;     // "http:"
  std::string_view authority;  // "//host:port", empty when none
  std::string_view path;
  std::string_view query;  // "?..." or empty
};

Parts Split(std::string_view address) {
  Parts parts;
  parts.scheme = address.substr(0, SchemeLength(address));
  std::string_view rest = address.substr(parts.scheme.size());
  rest = rest.substr(0, rest.find('#'));
  if (rest.starts_with("//")) {
    const size_t end = std::min(rest.find_first_of("/?", 2), rest.size());
    parts.authority = rest.substr(0, end);
    rest = rest.substr(end);
  }
  const size_t query = std::min(rest.find('?'), rest.size());
  parts.path = rest.substr(0, query);
  parts.query = rest.substr(query);
  return parts;
}

bool HasDotSegments(std::string_view path) {
  return path.starts_with('.') || path.find("/.") != std::string_view::npos;
}

// The path that `resolved` ends with from `pathStart` on (it starts with "/") loses its
// "." and ".." segments, in one pass over itself: each segment is written back no
// further right than it was read, and a ".." cuts the segment written last.
void RemoveDotSegments(std::string& resolved, size_t pathStart) {
  if (!HasDotSegments(std::string_view(resolved).substr(pathStart))) return;
  const size_t size = resolved.size();
  size_t read = pathStart + 1;
  size_t write = pathStart;
  bool trailingSlash = false;
  while (read <= size) {
    const size_t end = std::min(resolved.find('/', read), size);
    const std::string_view segment(resolved.data() + read, end - read);
    trailingSlash = segment == "." || segment == "..";
    if (segment == "..") {
      const size_t last = std::string_view(resolved.data(), write).rfind('/');
      if (last != std::string_view::npos && last >= pathStart) write = last;
    } else if (segment != ".") {
      resolved[write++] = '/';
      std::copy(segment.begin(), segment.end(), resolved.begin() + static_cast<ptrdiff_t>(write));
      write += segment.size();
    }
    read = end + 1;
  }
  resolved.resize(write);
  if (trailingSlash || write == pathStart) resolved.push_back('/');
}

}  // namespace

bool IsTextOnlyAddress(std::string_view address) {
  constexpr size_t kLongestScheme = 10;
  std::array<char, kLongestScheme> scheme{};
  size_t length = 0;
  for (const char c : address) {
    if (c == ':') break;
    if (static_cast<unsigned char>(c) <= ' ') continue;
    if (length == kLongestScheme) return false;
    scheme[length++] = AsciiLower(c);
  }
  const std::string_view name(scheme.data(), length);
  return name == "javascript" || name == "vbscript" || name == "data" || name == "cid" ||
         name == "blob";
}

PageAddress::PageAddress(std::string_view base) {
  std::string buffer;
  const Parts from = Split(Cleaned(base, buffer));
  if (from.scheme.empty() || from.authority.empty()) return;
  scheme_ = from.scheme;
  origin_ = std::string(from.scheme) + std::string(from.authority);
  path_ = from.path.empty() ? "/" : std::string(from.path);
  query_ = from.query;
  directory_ = path_.substr(0, path_.rfind('/') + 1);
}

std::string PageAddress::Resolve(std::string_view address) const {
  std::string resolved;
  AppendResolved(resolved, address);
  return resolved;
}

void PageAddress::AppendResolved(std::string& out, std::string_view address) const {
  std::string buffer;
  const std::string_view ref = Cleaned(address, buffer);
  if (SchemeLength(ref) > 0 || origin_.empty()) return void(out.append(ref));
  if (ref.starts_with("//")) return void(out.append(scheme_).append(ref));
  const size_t pathStart = out.size() + origin_.size();
  out.append(origin_);
  if (ref.empty()) return void(out.append(path_).append(query_));
  if (ref.starts_with('?')) return void(out.append(path_).append(ref));
  if (ref.starts_with('#')) return void(out.append(path_).append(query_).append(ref));
  const size_t tail =
      std::find_if(ref.begin(), ref.end(), [](char c) { return c == '?' || c == '#'; }) -
      ref.begin();
  if (!ref.starts_with('/')) out.append(directory_);
  out.append(ref.substr(0, tail));
  RemoveDotSegments(out, pathStart);
  out.append(ref.substr(tail));
}

}  // namespace qm
