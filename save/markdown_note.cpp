#include "save/markdown_note.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "clipboard/source_url.h"
#include "save/html_tokens.h"
#include "save/markdown_lines.h"
#include "save/markdown_text.h"
#include "save/page_address.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

// The elements that change how their content is written; every other element is a
// block boundary, a line break, a rule, an image or just its text.
enum class Tag {
  Bold,
  Italic,
  Strike,
  Code,
  Link,
  Span,
  Pre,
  Quote,
  List,
  Item,
  Heading,
  Table,
  Row,
  Cell,
  Count
};

// What an element's name means here.
enum class Role { Tag, Boundary, Break, Rule, Image, Base, Raw };

struct TagOf {
  Role role = Role::Tag;
  Tag tag = Tag::Count;
  int level = 0;         // of a heading
  bool ordered = false;  // of a list
};

constexpr TagOf Of(Tag tag, int level = 0, bool ordered = false) {
  return {Role::Tag, tag, level, ordered};
}
constexpr TagOf Of(Role role) { return {role}; }

// Every other element gives its text.
constexpr std::pair<std::string_view, TagOf> kElements[] = {{"a", Of(Tag::Link)},
                                                            {"address", Of(Role::Boundary)},
                                                            {"article", Of(Role::Boundary)},
                                                            {"aside", Of(Role::Boundary)},
                                                            {"b", Of(Tag::Bold)},
                                                            {"base", Of(Role::Base)},
                                                            {"blockquote", Of(Tag::Quote)},
                                                            {"body", Of(Role::Boundary)},
                                                            {"br", Of(Role::Break)},
                                                            {"caption", Of(Role::Boundary)},
                                                            {"center", Of(Role::Boundary)},
                                                            {"cite", Of(Tag::Italic)},
                                                            {"code", Of(Tag::Code)},
                                                            {"dd", Of(Role::Boundary)},
                                                            {"del", Of(Tag::Strike)},
                                                            {"details", Of(Role::Boundary)},
                                                            {"dfn", Of(Tag::Italic)},
                                                            {"dir", Of(Tag::List)},
                                                            {"div", Of(Role::Boundary)},
                                                            {"dl", Of(Role::Boundary)},
                                                            {"dt", Of(Role::Boundary)},
                                                            {"em", Of(Tag::Italic)},
                                                            {"fieldset", Of(Role::Boundary)},
                                                            {"figcaption", Of(Role::Boundary)},
                                                            {"figure", Of(Role::Boundary)},
                                                            {"font", Of(Tag::Span)},
                                                            {"footer", Of(Role::Boundary)},
                                                            {"form", Of(Role::Boundary)},
                                                            {"h1", Of(Tag::Heading, 1)},
                                                            {"h2", Of(Tag::Heading, 2)},
                                                            {"h3", Of(Tag::Heading, 3)},
                                                            {"h4", Of(Tag::Heading, 4)},
                                                            {"h5", Of(Tag::Heading, 5)},
                                                            {"h6", Of(Tag::Heading, 6)},
                                                            {"header", Of(Role::Boundary)},
                                                            {"hgroup", Of(Role::Boundary)},
                                                            {"hr", Of(Role::Rule)},
                                                            {"html", Of(Role::Boundary)},
                                                            {"i", Of(Tag::Italic)},
                                                            {"img", Of(Role::Image)},
                                                            {"kbd", Of(Tag::Code)},
                                                            {"legend", Of(Role::Boundary)},
                                                            {"li", Of(Tag::Item)},
                                                            {"listing", Of(Tag::Pre)},
                                                            {"main", Of(Role::Boundary)},
                                                            {"menu", Of(Tag::List)},
                                                            {"nav", Of(Role::Boundary)},
                                                            {"ol", Of(Tag::List, 0, true)},
                                                            {"option", Of(Role::Boundary)},
                                                            {"p", Of(Role::Boundary)},
                                                            {"pre", Of(Tag::Pre)},
                                                            {"s", Of(Tag::Strike)},
                                                            {"samp", Of(Tag::Code)},
                                                            {"script", Of(Role::Raw)},
                                                            {"section", Of(Role::Boundary)},
                                                            {"span", Of(Tag::Span)},
                                                            {"strike", Of(Tag::Strike)},
                                                            {"strong", Of(Tag::Bold)},
                                                            {"style", Of(Role::Raw)},
                                                            {"summary", Of(Role::Boundary)},
                                                            {"table", Of(Tag::Table)},
                                                            {"tbody", Of(Role::Boundary)},
                                                            {"td", Of(Tag::Cell)},
                                                            {"textarea", Of(Role::Boundary)},
                                                            {"tfoot", Of(Role::Boundary)},
                                                            {"th", Of(Tag::Cell)},
                                                            {"thead", Of(Role::Boundary)},
                                                            {"title", Of(Role::Raw)},
                                                            {"tr", Of(Tag::Row)},
                                                            {"tt", Of(Tag::Code)},
                                                            {"ul", Of(Tag::List)},
                                                            {"var", Of(Tag::Italic)},
                                                            {"xml", Of(Role::Raw)},
                                                            {"xmp", Of(Tag::Pre)}};

// The names in a table of their own hash, filled once: a tag costs one hash and, as a
// rule, one comparison.
constexpr size_t kNameSlots = 256;

constexpr size_t NameHash(std::string_view name) {
  size_t hash = name.size();
  for (const char c : name) hash = hash * 31 + static_cast<unsigned char>(c);
  return hash % kNameSlots;
}

constexpr std::array<int, kNameSlots> NameSlots() {
  std::array<int, kNameSlots> slots{};
  for (int& slot : slots) slot = -1;
  for (size_t i = 0; i < std::size(kElements); ++i) {
    size_t at = NameHash(kElements[i].first);
    while (slots[at] >= 0) at = (at + 1) % kNameSlots;
    slots[at] = static_cast<int>(i);
  }
  return slots;
}
constexpr std::array<int, kNameSlots> kNameSlots_ = NameSlots();

const TagOf* ElementOf(std::string_view name) {
  for (size_t at = NameHash(name); kNameSlots_[at] >= 0; at = (at + 1) % kNameSlots) {
    const auto& element = kElements[static_cast<size_t>(kNameSlots_[at])];
    if (element.first == name) return &element.second;
  }
  return nullptr;
}

bool IsStructural(Tag tag) {
  return tag == Tag::List || tag == Tag::Item || tag == Tag::Table || tag == Tag::Row ||
         tag == Tag::Cell || tag == Tag::Quote;
}

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The characters that go into the note as they are: ASCII that is neither a blank, a
// control character nor anything Markdown reads as syntax.
constexpr std::array<bool, 256> PlainCharacters() {
  std::array<bool, 256> plain{};
  for (int c = '!'; c < 0x7F; ++c) plain[static_cast<size_t>(c)] = true;
  for (const char c : kMarkdownSyntax) plain[static_cast<unsigned char>(c)] = false;
  plain['&'] = false;
  return plain;
}
constexpr std::array<bool, 256> kPlain = PlainCharacters();

enum class Marker { Bold, Italic, Strike, Link };

Marker MarkerOf(Tag tag) {
  switch (tag) {
    case Tag::Bold:
      return Marker::Bold;
    case Tag::Italic:
      return Marker::Italic;
    case Tag::Strike:
      return Marker::Strike;
    default:
      return Marker::Link;
  }
}

struct OpenMarker {
  Marker kind;
  std::string destination;  // of a link
  bool written = false;     // its opening mark stands in the current block
};

struct ListState {
  bool ordered;
  long long next;
  bool hasItem = false;
};

// What an open element did, so that closing it undoes exactly that.
struct Entry {
  Tag tag;
  bool inert = false;  // inside code, a cell's blocks, past the depth bound: text only
  bool marker = false;
  bool container = false;
  bool hidden = false;
  int outerHeading = 0;
};

constexpr long long kLargestItemNumber = 999'999'999;

long long ListStart(std::string_view value) {
  long long start = 0;
  size_t digits = 0;
  for (const char c : value) {
    if (c < '0' || c > '9' || ++digits > 9) break;
    start = start * 10 + (c - '0');
  }
  return digits == 0 ? 1 : start;
}

class NoteConverter {
 public:
  explicit NoteConverter(std::string_view pageAddress) : base_(pageAddress) {}

  // The HTML before the fragment: only its title and base count.
  void ReadContext(std::string_view html) {
    HtmlTokenizer tokens(html);
    while (tokens.Next(token_)) {
      element_ = token_.kind == HtmlToken::Kind::Text ? nullptr : ElementOf(token_.name);
      if (RawToken()) continue;
      if (token_.kind == HtmlToken::Kind::StartTag && token_.name == "base") TakeBase();
    }
  }

  MarkdownNote Convert(std::string_view html) {
    HtmlTokenizer tokens(html);
    while (tokens.Next(token_)) {
      element_ = token_.kind == HtmlToken::Kind::Text ? nullptr : ElementOf(token_.name);
      if (RawToken()) continue;
      switch (token_.kind) {
        case HtmlToken::Kind::Text:
          Text();
          break;
        case HtmlToken::Kind::StartTag:
          Open();
          break;
        case HtmlToken::Kind::EndTag:
          Close();
          break;
      }
    }
    while (!stack_.empty()) Pop();
    EndBlock();
    return {lines_.Take(), std::move(title_)};
  }

 private:
  // Title text is the note's title, never its content; script and style are neither.
  bool RawToken() {
    if (raw_.empty()) {
      if (token_.kind != HtmlToken::Kind::StartTag) return false;
      if (!element_ || element_->role != Role::Raw) return false;
      raw_ = token_.name;
      return true;
    }
    if (token_.kind == HtmlToken::Kind::Text && raw_ == "title" && title_.empty()) {
      std::string decoded;
      AppendDecoded(decoded, token_.text);
      CollapsedInto(title_, decoded);
    }
    if (token_.kind == HtmlToken::Kind::EndTag) raw_.clear();
    return true;
  }

  static void CollapsedInto(std::string& out, std::string_view text) {
    bool space = false;
    for (const char c : text) {
      if (IsHtmlSpace(c)) {
        space = !out.empty();
      } else {
        if (space) out.push_back(' ');
        space = false;
        out.push_back(c);
      }
    }
  }

  void TakeBase() {
    const std::string_view href = token_.Attribute("href");
    if (href.empty() || baseTaken_) return;
    std::string decoded;
    AppendDecoded(decoded, href);
    base_ = PageAddress(base_.Resolve(decoded));
    baseTaken_ = true;
  }

  // ---- text

  void Text() {
    if (hidden_ > 0) return;
    std::string_view text = token_.text;
    if (text.find('&') != std::string_view::npos) {
      decoded_.clear();
      AppendDecoded(decoded_, text);
      text = decoded_;
    }
    if (preDepth_ > 0) {
      ForEachCharacter(text, [this](std::string_view c) { CodeCharacter(c); });
    } else if (spanDepth_ > 0) {
      ForEachCharacter(text, [this](std::string_view c) { SpanCharacter(c); });
    } else {
      AppendInline(text);
    }
  }

  // Calls `take` with each character: ASCII as it is, a well-formed sequence whole, a
  // byte that starts none as U+FFFD, a non-breaking space as a blank, NUL not at all.
  template <typename Take>
  static void ForEachCharacter(std::string_view text, Take take) {
    for (size_t at = 0; at < text.size();) {
      const auto byte = static_cast<unsigned char>(text[at]);
      if (byte < 0x80) {
        if (byte != 0) take(text.substr(at, 1));
        ++at;
        continue;
      }
      const auto [codePoint, length] = CodePointAt(text, at);
      if (codePoint == 0xA0) {
        take(" ");
      } else if (codePoint == 0xFFFD && length == 1) {
        take("\xEF\xBF\xBD");
      } else {
        take(text.substr(at, length));
      }
      at += length;
    }
  }

  // Runs of plain characters go in whole; blanks, characters to escape, bytes outside
  // ASCII and NUL one at a time.
  void AppendInline(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
      size_t run = at;
      while (run < text.size() && kPlain[static_cast<unsigned char>(text[run])]) ++run;
      if (run > at) {
        BeforeContent();
        line_.append(text.data() + at, run - at);
        at = run;
        continue;
      }
      const char c = text[at];
      if (IsHtmlSpace(c) || c == '\0') {
        spaceDue_ = spaceDue_ || c != '\0';
        ++at;
        continue;
      }
      if (static_cast<unsigned char>(c) >= 0x80) {
        const auto [codePoint, length] = CodePointAt(text, at);
        if (codePoint == 0xA0) {
          spaceDue_ = true;
        } else {
          BeforeContent();
          line_ += codePoint == 0xFFFD && length == 1 ? "\xEF\xBF\xBD" : text.substr(at, length);
        }
        at += length;
        continue;
      }
      BeforeContent();
      AppendEscapedCharacter(line_, c, at + 1 < text.size() ? text[at + 1] : '\0');
      ++at;
    }
  }

  // Blanks and line breaks are written once content follows them, after the marks
  // that closed before them and before those that open with the content: emphasis
  // never begins or ends with a blank, and a block never ends in a break.
  void BeforeContent() {
    if (!spaceDue_ && breaksDue_ == 0 && !opensDue_) return;
    if (!line_.empty()) {
      if (breaksDue_ > 0) {
        line_.append(static_cast<size_t>(breaksDue_), '\n');
      } else if (spaceDue_) {
        line_ += ' ';
      }
    }
    breaksDue_ = 0;
    spaceDue_ = false;
    opensDue_ = false;
    for (OpenMarker& marker : markers_) {
      if (marker.written) continue;
      line_ += Opening(marker.kind);
      marker.written = true;
    }
  }

  static std::string_view Opening(Marker kind) {
    switch (kind) {
      case Marker::Bold:
        return "**";
      case Marker::Italic:
        return "*";
      case Marker::Strike:
        return "~~";
      default:
        return "[";
    }
  }

  void WriteClosing(const OpenMarker& marker) {
    if (marker.kind == Marker::Link) {
      line_.append("](").append(marker.destination).append(")");
    } else {
      line_ += Opening(marker.kind);
    }
  }

  void CodeCharacter(std::string_view c) {
    if (c == "\r") {
      code_ += '\n';
      lastWasCr_ = true;
      return;
    }
    if (!(c == "\n" && lastWasCr_)) code_ += c;
    lastWasCr_ = false;
  }

  void SpanCharacter(std::string_view c) {
    if (c.size() == 1 && IsHtmlSpace(c[0])) {
      spanSpace_ = !span_.empty();
      return;
    }
    if (spanSpace_) span_ += ' ';
    spanSpace_ = false;
    span_ += c;
  }

  // ---- blocks

  bool InCell() const { return cellOpen_; }

  void EndBlock() {
    spaceDue_ = spaceDue_ || InCell();
    breaksDue_ = 0;
    if (InCell()) return;
    CloseWrittenMarkers();
    spaceDue_ = false;
    if (line_.empty()) return;
    if (heading_ > 0) {
      WriteHeading();
    } else {
      WriteParagraph();
    }
    line_.clear();
    lines_.EndBlock();
  }

  void CloseWrittenMarkers() {
    for (auto marker = markers_.rbegin(); marker != markers_.rend(); ++marker) {
      if (!marker->written) continue;
      WriteClosing(*marker);
      marker->written = false;
      opensDue_ = true;
    }
  }

  void WriteHeading() {
    for (char& c : line_) {
      if (c == '\n') c = ' ';
    }
    // A heading's closing "#"s would be dropped: the last one is escaped.
    if (line_.back() == '#') line_.insert(line_.size() - 1, 1, '\\');
    lines_.Line(std::string(static_cast<size_t>(heading_), '#') + " " + line_);
  }

  void WriteParagraph() {
    if (line_.find('\n') == std::string::npos) {
      EscapeLineStart(line_);
      return lines_.Line(line_);
    }
    size_t start = 0;
    while (start <= line_.size()) {
      const size_t end = std::min(line_.find('\n', start), line_.size());
      std::string piece = line_.substr(start, end - start);
      EscapeLineStart(piece);
      if (end < line_.size()) piece += '\\';
      lines_.Line(piece);
      start = end + 1;
    }
  }

  void WriteCodeBlock() {
    std::string_view code = code_;
    if (code.starts_with('\n')) code.remove_prefix(1);
    while (code.ends_with('\n')) code.remove_suffix(1);
    if (code.empty()) return;
    const std::string fence = CodeFence(code);
    lines_.Line(fence + language_);
    size_t start = 0;
    while (start <= code.size()) {
      const size_t end = std::min(code.find('\n', start), code.size());
      lines_.Line(code.substr(start, end - start));
      start = end + 1;
    }
    lines_.Line(fence);
    lines_.EndBlock();
  }

  void WriteTable() {
    size_t columns = 0;
    for (const auto& row : rows_) columns = std::max(columns, row.size());
    if (columns == 0) return;
    // Only the header needs every column; a shorter row gets its empty cells from the
    // reader, so a long table of short rows does not grow by padding.
    bool header = true;
    for (auto& row : rows_) {
      if (row.empty()) continue;
      if (header) row.resize(columns);
      std::string line = "|";
      for (const std::string& cell : row) line.append(" ").append(cell).append(" |");
      lines_.Line(line);
      if (header) {
        std::string delimiter = "|";
        for (size_t i = 0; i < columns; ++i) delimiter += " --- |";
        lines_.Line(delimiter);
      }
      header = false;
    }
    lines_.EndBlock();
  }

  void Rule() {
    if (InCell() || preDepth_ > 0 || spanDepth_ > 0) return;
    EndBlock();
    lines_.Line("***");
    lines_.EndBlock();
  }

  void HardBreak() {
    if (preDepth_ > 0) {
      code_ += '\n';
    } else if (spanDepth_ > 0) {
      spanSpace_ = !span_.empty();
    } else if (InCell() || heading_ > 0) {
      spaceDue_ = true;
    } else if (!line_.empty()) {
      ++breaksDue_;
    }
  }

  void Image() {
    if (preDepth_ > 0 || spanDepth_ > 0 || hidden_ > 0) return;
    std::string alt;
    AppendDecoded(alt, token_.Attribute("alt"));
    std::string source;
    AppendDecoded(source, token_.Attribute("src"));
    const std::string address = base_.Resolve(source);
    if (address.empty() || IsScriptAddress(address)) {
      AppendInline(alt);
      return;
    }
    BeforeContent();
    line_ += "![";
    std::string flat;
    ForEachCharacter(alt, [&flat](std::string_view c) { flat += c; });
    std::string collapsed;
    CollapsedInto(collapsed, flat);
    AppendMarkdownEscaped(line_, collapsed);
    line_.append("](").append(LinkDestination(address)).append(")");
  }

  // ---- elements

  void Open() {
    const TagOf* element = element_;
    if (!element) return;
    switch (element->role) {
      case Role::Break:
        return HardBreak();
      case Role::Rule:
        return Rule();
      case Role::Image:
        return Image();
      case Role::Base:
        return TakeBase();
      case Role::Boundary:
        return EndBlock();
      case Role::Tag:
        break;
      case Role::Raw:
        return;
    }
    const TagOf& tag = *element;
    if (preDepth_ > 0 && tag.tag == Tag::Code && language_.empty()) {
      language_ = CodeLanguage(token_.Attribute("class"));
    }
    AutoClose(tag.tag);
    Entry entry{tag.tag};
    entry.inert = preDepth_ > 0 || spanDepth_ > 0;
    if (!entry.inert) Begin(tag, entry);
    Push(entry);
  }

  // An item ends the item before it, a cell the cell before it, a row the row before it.
  void AutoClose(Tag tag) {
    const auto innermost = [this] {
      return structural_.empty() ? Tag::Count : stack_[structural_.back()].tag;
    };
    if (tag == Tag::Item && innermost() == Tag::Item) PopTo(Tag::Item);
    if (tag == Tag::Cell && innermost() == Tag::Cell) PopTo(Tag::Cell);
    if (tag == Tag::Row) {
      while (innermost() == Tag::Cell || innermost() == Tag::Row) PopTo(innermost());
    }
  }

  void Begin(const TagOf& tag, Entry& entry) {
    switch (tag.tag) {
      case Tag::Bold:
      case Tag::Italic:
      case Tag::Strike:
        return BeginMarker(entry, MarkerOf(tag.tag));
      case Tag::Link:
        return BeginLink(entry);
      case Tag::Span:
        entry.hidden = token_.Attribute("style").find("mso-list:Ignore") != std::string_view::npos;
        hidden_ += entry.hidden ? 1 : 0;
        return;
      case Tag::Code:
        ++spanDepth_;
        return;
      case Tag::Pre:
        return BeginPre(entry);
      case Tag::Quote:
        return BeginQuote(entry);
      case Tag::List:
        return BeginList(tag, entry);
      case Tag::Item:
        return BeginItem(entry);
      case Tag::Heading:
        return BeginHeading(tag, entry);
      case Tag::Table:
        return BeginTable(entry);
      case Tag::Row:
        return BeginRow(entry);
      case Tag::Cell:
        return BeginCell(entry);
      case Tag::Count:
        return;
    }
  }

  void BeginMarker(Entry& entry, Marker kind) {
    for (const OpenMarker& marker : markers_) {
      if (marker.kind == kind) return;
    }
    markers_.push_back({kind, {}});
    opensDue_ = true;
    entry.marker = true;
  }

  void BeginLink(Entry& entry) {
    for (const OpenMarker& marker : markers_) {
      if (marker.kind == Marker::Link) return;
    }
    std::string href;
    AppendDecoded(href, token_.Attribute("href"));
    if (href.empty()) return;
    const std::string address = base_.Resolve(href);
    if (address.empty() || IsScriptAddress(address)) return;
    markers_.push_back({Marker::Link, LinkDestination(address)});
    opensDue_ = true;
    entry.marker = true;
  }

  void BeginPre(Entry& entry) {
    if (InCell()) {
      entry.tag = Tag::Code;
      ++spanDepth_;
      return;
    }
    EndBlock();
    ++preDepth_;
    code_.clear();
    lastWasCr_ = false;
    language_ = CodeLanguage(token_.Attribute("class"));
  }

  void BeginQuote(Entry& entry) {
    EndBlock();
    if (InCell() || !lines_.CanNest()) return;
    lines_.EndBlock();
    lines_.OpenContainer("> ", "> ");
    entry.container = true;
  }

  void BeginList(const TagOf& tag, Entry& entry) {
    EndBlock();
    if (InCell()) return;
    lines_.EndBlock();
    // Right under an item's text a list stays tight; an ordered list not starting at 1
    // cannot follow a line of text without a blank line.
    const long long start = ListStart(token_.Attribute("start"));
    if (!lists_.empty() && (!tag.ordered || start == 1)) lines_.Adjoin();
    lists_.push_back({tag.ordered, start});
    entry.container = true;  // the list's state, not a line prefix
  }

  void BeginItem(Entry& entry) {
    EndBlock();
    if (InCell() || !lines_.CanNest()) return;
    std::string marker = "- ";
    if (!lists_.empty()) {
      ListState& list = lists_.back();
      if (list.hasItem) lines_.Adjoin();
      list.hasItem = true;
      if (list.ordered) marker = std::to_string(std::min(list.next++, kLargestItemNumber)) + ". ";
    }
    lines_.OpenContainer(marker, std::string(marker.size(), ' '));
    entry.container = true;
  }

  void BeginHeading(const TagOf& tag, Entry& entry) {
    EndBlock();
    entry.outerHeading = heading_;
    if (!InCell()) heading_ = tag.level;
  }

  void BeginTable(Entry& entry) {
    EndBlock();
    if (InCell() || tableOpen_) return;
    tableOpen_ = true;
    rows_.clear();
    entry.container = true;
  }

  void BeginRow(Entry& entry) {
    if (!tableOpen_ || InCell()) return EndBlock();
    rows_.emplace_back();
    entry.container = true;
  }

  void BeginCell(Entry& entry) {
    if (!tableOpen_ || InCell()) return EndBlock();
    EndBlock();
    if (rows_.empty()) rows_.emplace_back();
    cellOpen_ = true;
    entry.container = true;
  }

  void Push(const Entry& entry) {
    if (IsStructural(entry.tag)) structural_.push_back(stack_.size());
    stack_.push_back(entry);
    ++open_[static_cast<size_t>(entry.tag)];
  }

  void Close() {
    const TagOf* element = element_;
    if (!element) return;
    // "</br>" breaks the line, as in a browser.
    if (element->role == Role::Break) return HardBreak();
    if (element->role == Role::Boundary) return EndBlock();
    if (element->role != Role::Tag || open_[static_cast<size_t>(element->tag)] == 0) return;
    PopTo(element->tag);
  }

  void PopTo(Tag tag) {
    while (!stack_.empty()) {
      const bool found = stack_.back().tag == tag;
      Pop();
      if (found) return;
    }
  }

  void Pop() {
    const Entry entry = stack_.back();
    stack_.pop_back();
    --open_[static_cast<size_t>(entry.tag)];
    if (IsStructural(entry.tag)) structural_.pop_back();
    if (!entry.inert) End(entry);
  }

  void End(const Entry& entry) {
    switch (entry.tag) {
      case Tag::Bold:
      case Tag::Italic:
      case Tag::Strike:
      case Tag::Link:
        if (entry.marker) EndMarker(MarkerOf(entry.tag));
        return;
      case Tag::Span:
        hidden_ -= entry.hidden ? 1 : 0;
        return;
      case Tag::Code:
        return EndSpan();
      case Tag::Pre:
        if (--preDepth_ == 0) WriteCodeBlock();
        return;
      case Tag::Quote:
        EndBlock();
        if (entry.container) lines_.CloseContainer();
        lines_.EndBlock();
        return;
      case Tag::List:
        EndBlock();
        if (entry.container) lists_.pop_back();
        lines_.EndBlock();
        return;
      case Tag::Item:
        EndBlock();
        if (entry.container) lines_.CloseContainer();
        return;
      case Tag::Heading:
        EndBlock();
        heading_ = entry.outerHeading;
        return;
      case Tag::Table:
        if (entry.container) EndTable();
        return EndBlock();
      case Tag::Row:
        return EndBlock();
      case Tag::Cell:
        return entry.container ? EndCell() : EndBlock();
      case Tag::Count:
        return;
    }
  }

  // The marker of the closing element goes, and so do the marks of those opened after
  // it (misnested tags): they open again with the next content.
  void EndMarker(Marker kind) {
    size_t closing = markers_.size();
    while (closing-- > 0 && markers_[closing].kind != kind) {
    }
    for (size_t i = markers_.size(); i-- > closing;) {
      if (!markers_[i].written) continue;
      WriteClosing(markers_[i]);
      markers_[i].written = false;
      opensDue_ = true;
    }
    markers_.erase(markers_.begin() + static_cast<std::ptrdiff_t>(closing));
  }

  void EndSpan() {
    if (--spanDepth_ > 0) return;
    std::string code = std::move(span_);
    span_.clear();
    spanSpace_ = false;
    while (code.ends_with(' ')) code.pop_back();
    if (code.empty()) return;
    BeforeContent();
    line_ += CodeSpan(code, InCell());
  }

  void EndCell() {
    CloseWrittenMarkers();
    for (char& c : line_) {
      if (c == '\n') c = ' ';
    }
    rows_.back().push_back(std::move(line_));
    line_.clear();
    spaceDue_ = false;
    breaksDue_ = 0;
    cellOpen_ = false;
  }

  void EndTable() {
    if (cellOpen_) EndCell();
    tableOpen_ = false;
    WriteTable();
    rows_.clear();
  }

  PageAddress base_;
  bool baseTaken_ = false;
  HtmlToken token_;
  const TagOf* element_ = nullptr;  // what the current tag's name means, if anything
  std::string raw_;                 // the raw-text element the tokens are in
  std::string title_;
  std::string decoded_;

  MarkdownLines lines_;
  std::string line_;  // the current block's Markdown text, line breaks as '\n'
  bool spaceDue_ = false;
  int breaksDue_ = 0;
  std::vector<OpenMarker> markers_;
  bool opensDue_ = false;  // a marker waits for content to write its opening mark
  int heading_ = 0;
  int hidden_ = 0;

  int preDepth_ = 0;
  std::string code_;
  std::string language_;
  bool lastWasCr_ = false;
  int spanDepth_ = 0;
  std::string span_;
  bool spanSpace_ = false;

  bool tableOpen_ = false;
  bool cellOpen_ = false;
  std::vector<std::vector<std::string>> rows_;
  std::vector<ListState> lists_;

  std::vector<Entry> stack_;
  std::vector<size_t> structural_;
  std::array<size_t, static_cast<size_t>(Tag::Count)> open_{};
};

}  // namespace

MarkdownNote MarkdownOfHtml(std::string_view html, std::string_view pageAddress) {
  return NoteConverter(pageAddress).Convert(html);
}

MarkdownNote MarkdownOfHtmlFormat(std::string_view block) {
  const auto offset = [block](std::string_view name) -> std::optional<size_t> {
    const std::string_view value = HtmlFormatHeaderValue(block, name);
    if (value.empty() || value.size() > 10 ||
        value.find_first_not_of("0123456789") != std::string_view::npos) {
      return std::nullopt;
    }
    return std::stoull(std::string(value));
  };
  const auto start = offset("StartFragment");
  const auto end = offset("EndFragment");
  std::string_view context;
  std::string_view fragment;
  if (start && end && *start <= *end && *end <= block.size()) {
    context = block.substr(0, *start);
    fragment = block.substr(*start, *end - *start);
  } else {
    constexpr std::string_view kOpening = "<!--StartFragment-->";
    const size_t opening = block.find(kOpening);
    const size_t from = opening == std::string_view::npos ? block.find('<') : opening;
    context = block.substr(0, std::min(from, block.size()));
    fragment = block.substr(context.size());
    fragment = fragment.substr(0, fragment.find("<!--EndFragment-->"));
  }
  NoteConverter converter(SourceUrlOfHtmlFormat(block));
  converter.ReadContext(context);
  return converter.Convert(fragment);
}

}  // namespace qm
