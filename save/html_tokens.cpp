#include "save/html_tokens.h"

#include <algorithm>
#include <array>
#include <utility>

#include "save/byte_search.h"
#include "settings/ascii_text.h"

namespace qm {

namespace {

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsRawTextElement(std::string_view name) {
  return name == "script" || name == "style" || name == "title" || name == "textarea" ||
         name == "xml";
}

// Sorted by name, for the binary search.
constexpr std::array<std::pair<std::string_view, char32_t>, 79> kNamedReferences{
    {{"AElig", 0xC6},    {"Auml", 0xC4},     {"Ccedil", 0xC7},   {"Eacute", 0xC9},
     {"Ouml", 0xD6},     {"Uuml", 0xDC},     {"aacute", 0xE1},   {"acirc", 0xE2},
     {"acute", 0xB4},    {"aelig", 0xE6},    {"agrave", 0xE0},   {"amp", '&'},
     {"apos", '\''},     {"aring", 0xE5},    {"auml", 0xE4},     {"bdquo", 0x201E},
     {"brvbar", 0xA6},   {"bull", 0x2022},   {"ccedil", 0xE7},   {"cent", 0xA2},
     {"copy", 0xA9},     {"curren", 0xA4},   {"dagger", 0x2020}, {"darr", 0x2193},
     {"deg", 0xB0},      {"divide", 0xF7},   {"eacute", 0xE9},   {"ecirc", 0xEA},
     {"egrave", 0xE8},   {"emsp", 0x2003},   {"ensp", 0x2002},   {"euml", 0xEB},
     {"euro", 0x20AC},   {"frac12", 0xBD},   {"frac14", 0xBC},   {"frac34", 0xBE},
     {"gt", '>'},        {"hellip", 0x2026}, {"iacute", 0xED},   {"iexcl", 0xA1},
     {"iquest", 0xBF},   {"laquo", 0xAB},    {"larr", 0x2190},   {"ldquo", 0x201C},
     {"lsaquo", 0x2039}, {"lsquo", 0x2018},  {"lt", '<'},        {"mdash", 0x2014},
     {"micro", 0xB5},    {"middot", 0xB7},   {"nbsp", 0xA0},     {"ndash", 0x2013},
     {"not", 0xAC},      {"ntilde", 0xF1},   {"oacute", 0xF3},   {"ouml", 0xF6},
     {"para", 0xB6},     {"plusmn", 0xB1},   {"pound", 0xA3},    {"quot", '"'},
     {"raquo", 0xBB},    {"rarr", 0x2192},   {"rdquo", 0x201D},  {"reg", 0xAE},
     {"rsaquo", 0x203A}, {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"sect", 0xA7},
     {"shy", 0xAD},      {"sup2", 0xB2},     {"sup3", 0xB3},     {"szlig", 0xDF},
     {"thinsp", 0x2009}, {"times", 0xD7},    {"trade", 0x2122},  {"uarr", 0x2191},
     {"uuml", 0xFC},     {"yen", 0xA5},      {"zwnj", 0x200C}}};
static_assert(std::is_sorted(kNamedReferences.begin(), kNamedReferences.end()));

// The first eight bytes of a name as a number that sorts as the name does, so that the
// search compares numbers, not strings.
constexpr uint64_t ReferenceKey(std::string_view name) {
  uint64_t key = 0;
  for (size_t i = 0; i < sizeof key; ++i) {
    key = key << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
  }
  return key;
}

constexpr std::array<uint64_t, kNamedReferences.size()> kReferenceKeys = [] {
  std::array<uint64_t, kNamedReferences.size()> keys{};
  for (size_t i = 0; i < keys.size(); ++i) keys[i] = ReferenceKey(kNamedReferences[i].first);
  return keys;
}();
static_assert(std::is_sorted(kReferenceKeys.begin(), kReferenceKeys.end()));

// What browsers make of the references 128 to 159: the letters of code page 1252 (0 for
// the five places it leaves empty).
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendCodePoint(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
  } else if (c < 0x10000) {
    out += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
  } else {
    out += {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
  }
}

char32_t ShownCodePoint(char32_t c) {
  if (c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] != 0) return kCp1252High[c - 0x80];
  if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
}

int DigitValue(char c, bool hex) {
  if (IsAsciiDigit(c)) return c - '0';
  const char lower = AsciiLower(c);
  if (hex && lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

// The numeric reference at the start of `text` (just after "&#"): its code point and
// length, the closing ";" included where there is one; length 0 for none.
std::pair<char32_t, size_t> NumericReference(std::string_view text) {
  const bool hex = !text.empty() && AsciiLower(text[0]) == 'x';
  size_t at = hex ? 1 : 0;
  const size_t digitsStart = at;
  char32_t value = 0;
  for (int digit; at < text.size() && (digit = DigitValue(text[at], hex)) >= 0; ++at) {
    value = std::min<char32_t>(value * (hex ? 16 : 10) + static_cast<char32_t>(digit), 0x110000);
  }
  if (at == digitsStart) return {0, 0};
  if (at < text.size() && text[at] == ';') ++at;
  return {ShownCodePoint(value), at};
}

// The named reference at the start of `text` (just after "&"), ";" included.
std::pair<char32_t, size_t> NamedReference(std::string_view text) {
  constexpr size_t kLongestName = 8;
  const size_t semicolon = text.substr(0, kLongestName + 1).find(';');
  if (semicolon == std::string_view::npos) return {0, 0};
  const std::string_view name = text.substr(0, semicolon);
  const auto found =
      std::lower_bound(kReferenceKeys.begin(), kReferenceKeys.end(), ReferenceKey(name));
  if (found == kReferenceKeys.end()) return {0, 0};
  const auto& [knownName, codePoint] =
      kNamedReferences[static_cast<size_t>(found - kReferenceKeys.begin())];
  if (knownName != name) return {0, 0};
  return {codePoint, semicolon + 1};
}

}  // namespace

const HtmlAttribute* HtmlToken::Find(std::string_view lowerName) const {
  for (const HtmlAttribute& attribute : attributes) {
    if (EqualIgnoringCase(attribute.name, lowerName)) return &attribute;
  }
  return nullptr;
}

std::string_view HtmlToken::Attribute(std::string_view lowerName) const {
  const HtmlAttribute* attribute = Find(lowerName);
  return attribute ? attribute->value : std::string_view();
}

bool HtmlToken::HasAttribute(std::string_view lowerName) const {
  return Find(lowerName) != nullptr;
}

void AppendDecoded(std::string& out, std::string_view text) {
  size_t at = 0;
  while (at < text.size()) {
    const size_t amp = FindByte(text, '&', at);
    out.append(text.substr(at, amp - at));
    if (amp == std::string_view::npos) return;
    const std::string_view rest = text.substr(amp + 1);
    const auto [codePoint, length] =
        !rest.empty() && rest[0] == '#' ? NumericReference(rest.substr(1)) : NamedReference(rest);
    if (length == 0) {
      out.push_back('&');
      at = amp + 1;
      continue;
    }
    AppendCodePoint(out, codePoint);
    at = amp + 1 + length + (rest[0] == '#' ? 1 : 0);
  }
}

bool HtmlTokenizer::Next(HtmlToken& token) {
  if (!rawElement_.empty()) return RawText(token);
  while (at_ < html_.size() && html_[at_] == '<') {
    const char next = at_ + 1 < html_.size() ? html_[at_ + 1] : '\0';
    if (IsAsciiLetter(next)) {
      ++at_;
      return Tag(token, HtmlToken::Kind::StartTag);
    }
    if (next == '/' && at_ + 2 < html_.size() && IsAsciiLetter(html_[at_ + 2])) {
      at_ += 2;
      return Tag(token, HtmlToken::Kind::EndTag);
    }
    if (!SkippedMarkup(next)) return Text(token, at_ + 1);
  }
  return at_ < html_.size() && Text(token, FindByte(html_, '<', at_));
}

// The text from `at_` up to `end` (npos: the end of the input).
bool HtmlTokenizer::Text(HtmlToken& token, size_t end) {
  end = std::min(end, html_.size());
  token.kind = HtmlToken::Kind::Text;
  token.text = html_.substr(at_, end - at_);
  at_ = end;
  return true;
}

// Skips the comment, declaration or processing instruction at `at_`; false when the
// "<" there starts none.
bool HtmlTokenizer::SkippedMarkup(char next) {
  if (html_.substr(at_, 4) == "<!--") {
    at_ += 2;  // "<!-->" ends at once, as in a browser
    SkipPast("-->");
    return true;
  }
  if (next != '!' && next != '?' && next != '/') return false;
  SkipPast(">");
  return true;
}

void HtmlTokenizer::SkipPast(std::string_view end) {
  const size_t found = html_.find(end, at_);
  at_ = found == std::string_view::npos ? html_.size() : found + end.size();
}

constexpr std::array<bool, 256> ByteSet(std::string_view members) {
  std::array<bool, 256> set{};
  for (const char c : members) set[static_cast<unsigned char>(c)] = true;
  return set;
}
constexpr std::array<bool, 256> kNameEnds = ByteSet(" \t\n\r\f/>");
constexpr std::array<bool, 256> kAttributeNameEnds = ByteSet(" \t\n\r\f/>=");
constexpr std::array<bool, 256> kUnquotedValueEnds = ByteSet(" \t\n\r\f>");

// The index of the first character from `at` on that is in `ends`, or the size.
size_t EndOfRun(std::string_view html, size_t at, const std::array<bool, 256>& ends) {
  while (at < html.size() && !ends[static_cast<unsigned char>(html[at])]) ++at;
  return at;
}

// The name is a part of the input unless it has capitals to lower. It is packed as it
// is read, since packing it afterwards would cost a second pass; a name too long to
// pack packs to zero whatever its bytes, so where they are put does not matter.
void HtmlTokenizer::TagName(HtmlToken& token) {
  const char* const start = html_.data() + at_;
  const auto available = html_.size() - at_;
  std::array<char, sizeof(PackedName)> packed{};
  size_t length = 0;
  bool capitals = false;
  for (; length < available && !kNameEnds[static_cast<unsigned char>(start[length])]; ++length) {
    const char lower = AsciiLower(start[length]);
    capitals |= lower != start[length];
    packed[length % packed.size()] = lower;
  }
  at_ += length;
  token.name = std::string_view(start, length);
  token.packedName = length <= packed.size() ? std::bit_cast<PackedName>(packed) : PackedName{};
  if (!capitals) return;
  lowerName_.assign(token.name);
  for (char& c : lowerName_) c = AsciiLower(c);
  token.name = lowerName_;
}

// A start or end tag from its name on, up to and past its ">"; false when the input
// ends inside it.
bool HtmlTokenizer::Tag(HtmlToken& token, HtmlToken::Kind kind) {
  token.kind = kind;
  TagName(token);
  token.attributes.clear();
  token.selfClosing = false;
  if (at_ < html_.size() && html_[at_] == '>') {  // most tags have no attributes
    ++at_;
  } else if (!Attributes(token)) {
    return false;
  }
  if (kind == HtmlToken::Kind::StartTag && !token.selfClosing && IsRawTextElement(token.name)) {
    rawElement_ = token.name;
  }
  return true;
}

// Reads the attributes up to and past the tag's ">"; false at the end of the input
// without one, which is then the end of the tokens too.
bool HtmlTokenizer::Attributes(HtmlToken& token) {
  const auto skipSpace = [this] {
    while (at_ < html_.size() && IsHtmlSpace(html_[at_])) ++at_;
  };
  while (true) {
    skipSpace();
    if (at_ >= html_.size()) break;
    const char c = html_[at_];
    if (c == '>') {
      ++at_;
      return true;
    }
    if (c == '/') {
      token.selfClosing = at_ + 1 < html_.size() && html_[at_ + 1] == '>';
      ++at_;
      continue;
    }
    const size_t nameStart = at_;
    at_ = EndOfRun(html_, at_ + 1, kAttributeNameEnds);
    HtmlAttribute attribute{html_.substr(nameStart, at_ - nameStart), {}};
    skipSpace();
    if (at_ < html_.size() && html_[at_] == '=') {
      ++at_;
      skipSpace();
      const char quote = at_ < html_.size() ? html_[at_] : '\0';
      if (quote == '"' || quote == '\'') {
        const size_t close = html_.find(quote, at_ + 1);
        if (close == std::string_view::npos) break;
        attribute.value = html_.substr(at_ + 1, close - at_ - 1);
        at_ = close + 1;
      } else {
        const size_t valueStart = at_;
        at_ = EndOfRun(html_, at_, kUnquotedValueEnds);
        attribute.value = html_.substr(valueStart, at_ - valueStart);
      }
    }
    token.attributes.push_back(attribute);
  }
  at_ = html_.size();
  return false;
}

// The content of a raw-text element, then its end tag (as the next token).
bool HtmlTokenizer::RawText(HtmlToken& token) {
  size_t search = at_;
  size_t end = html_.size();
  while ((search = html_.find("</", search)) != std::string_view::npos) {
    const std::string_view name = html_.substr(search + 2, rawElement_.size());
    const size_t after = search + 2 + rawElement_.size();
    if (EqualIgnoringCase(name, rawElement_) &&
        (after >= html_.size() || IsHtmlSpace(html_[after]) || html_[after] == '>' ||
         html_[after] == '/')) {
      end = search;
      break;
    }
    search += 2;
  }
  token.kind = HtmlToken::Kind::Text;
  token.text = html_.substr(at_, end - at_);
  at_ = end;
  rawElement_.clear();
  return true;
}

}  // namespace qm
