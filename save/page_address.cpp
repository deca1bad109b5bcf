#include "save/page_address.h"

#include <algorithm>
#include <vector>

namespace qm {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Without tabs and line breaks anywhere and without blanks and control characters
// around, as browsers read an attribute's address.
std::string Cleaned(std::string_view address) {
  std::string cleaned;
  cleaned.reserve(address.size());
  for (const char c : address) {
    if (c != '\t' && c != '\n' && c != '\r') cleaned.push_back(c);
  }
  const auto outside = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(cleaned.begin(), cleaned.end(), outside);
  const auto last = std::find_if_not(cleaned.rbegin(), cleaned.rend(), outside).base();
  return first < last ? std::string(first, last) : std::string();
}

// The length of the scheme with its ":" ("http:" gives 5), 0 for a relative address.
size_t SchemeLength(std::string_view address) {
  if (address.empty() || !IsAsciiLetter(address[0])) return 0;
  for (size_t at = 1; at < address.size(); ++at) {
    const char c = address[at];
    if (c == ':') return at + 1;
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
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

// The path without "." and ".." segments, one pass over it.
std::string WithoutDotSegments(std::string_view path) {
  if (!path.starts_with('.') && path.find("/.") == std::string_view::npos) {
    return path.empty() ? "/" : std::string(path);
  }
  std::vector<std::string_view> kept;
  size_t at = 0;
  bool trailingSlash = false;
  while (at <= path.size()) {
    const size_t end = std::min(path.find('/', at), path.size());
    const std::string_view segment = path.substr(at, end - at);
    trailingSlash = segment == "." || segment == "..";
    if (segment == "..") {
      if (!kept.empty()) kept.pop_back();
    } else if (segment != "." && !(at == 0 && segment.empty())) {
      kept.push_back(segment);
    }
    at = end + 1;
  }
  std::string result;
  for (const std::string_view segment : kept) result.append("/").append(segment);
  if (trailingSlash || result.empty()) result.push_back('/');
  return result;
}

}  // namespace

bool IsScriptAddress(std::string_view address) {
  std::string scheme;
  for (const char c : address) {
    if (c == ':') break;
    if (static_cast<unsigned char>(c) <= ' ') continue;
    scheme.push_back(AsciiLower(c));
    if (scheme.size() > 10) return false;
  }
  return scheme == "javascript" || scheme == "vbscript" || scheme == "data";
}

PageAddress::PageAddress(std::string_view base) {
  const std::string cleaned = Cleaned(base);
  const Parts from = Split(cleaned);
  if (from.scheme.empty() || from.authority.empty()) return;
  scheme_ = from.scheme;
  origin_ = std::string(from.scheme) + std::string(from.authority);
  path_ = from.path.empty() ? "/" : std::string(from.path);
  query_ = from.query;
  directory_ = path_.substr(0, path_.rfind('/') + 1);
}

std::string PageAddress::Resolve(std::string_view address) const {
  std::string ref = Cleaned(address);
  if (SchemeLength(ref) > 0 || origin_.empty()) return ref;
  if (ref.starts_with("//")) return scheme_ + ref;
  const size_t tail = std::min(ref.find_first_of("?#"), ref.size());
  const std::string_view rest = std::string_view(ref).substr(tail);
  if (ref.starts_with("/"))
    return origin_ + WithoutDotSegments(ref.substr(0, tail)) + std::string(rest);
  if (ref.empty()) return origin_ + path_ + query_;
  if (ref.starts_with("?")) return origin_ + path_ + ref;
  if (ref.starts_with("#")) return origin_ + path_ + query_ + ref;
  return origin_ + WithoutDotSegments(directory_ + ref.substr(0, tail)) + std::string(rest);
}

}  // namespace qm
