#include "save/markdown_note.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "clipboard/source_url.h"
#include "save/html_tokens.h"
#include "save/inline_style.h"
#include "save/markdown_elements.h"
#include "save/markdown_inline.h"
#include "save/markdown_lines.h"
#include "save/markdown_text.h"
#include "save/office_lists.h"
#include "save/page_address.h"
#include "save/script_letters.h"
#include "settings/ascii_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

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

// Shown text with each run of blanks as one, none at either end.
struct CollapsedText {
  std::string text;
  bool spaceDue = false;

  void Add(std::string_view piece) {
    if (piece.size() == 1 && IsHtmlSpace(piece[0])) return Space();
    if (spaceDue) text += ' ';
    spaceDue = false;
    text += piece;
  }
  void Space() { spaceDue = !text.empty(); }
  void Clear() {
    text.clear();
    spaceDue = false;
  }
};

constexpr long long kLargestItemNumber = 999'999'999;

struct ListState {
  bool ordered;
  long long next;
  bool otherDelimiter = false;  // "* " or "1) " instead of "- " or "1. "
  bool hasItem = false;

  std::string Marker() {
    if (!ordered) return otherDelimiter ? "* " : "- ";
    return std::to_string(std::min(next++, kLargestItemNumber)) + (otherDelimiter ? ") " : ". ");
  }
};

// A list that has just ended, nothing written after it yet.
struct EndedList {
  size_t written;  // the note's length then
  size_t depth;
  bool ordered;
  bool otherDelimiter;
};

// What an open element did, so that closing it undoes exactly that.
struct Entry {
  Tag tag;
  bool inert = false;  // inside code, a cell's blocks, past the depth bound: text only
  bool marker = false;
  bool container = false;
  bool hidden = false;
  int outerHeading = 0;
  Script outerScript = Script::None;
  uint8_t styled = 0;  // the marks a span's style opened, a bit each (StyleBit)
};

// The marks that a span's style may open, in the order it opens them.
constexpr std::array<Marker, 3> kStyledMarks = {Marker::Bold, Marker::Italic, Marker::Strike};
constexpr uint8_t StyleBit(size_t index) { return static_cast<uint8_t>(1u << index); }

bool IsAllSpace(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsHtmlSpace);
}

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
      element_ = token_.kind == HtmlToken::Kind::Text ? nullptr : ElementOf(token_.packedName);
      if (RawToken()) continue;
      if (token_.kind == HtmlToken::Kind::StartTag && token_.name == "base") TakeBase();
    }
  }

  MarkdownNote Convert(std::string_view html) {
    lines_.Reserve(html.size());
    HtmlTokenizer tokens(html);
    while (tokens.Next(token_)) {
      element_ = token_.kind == HtmlToken::Kind::Text ? nullptr : ElementOf(token_.packedName);
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
    CloseOfficeLists();
    while (!stack_.empty()) Pop();
    EndBlock();
    return {lines_.Take(), std::move(title_)};
  }

 private:
  // Title text is the note's title, never its content; script and style are neither.
  // Most tokens are in no such element: that is told apart before anything else.
  bool RawToken() {
    if (!raw_.empty()) return RawContent();
    if (!element_ || element_->role != Role::Raw || token_.kind != HtmlToken::Kind::StartTag) {
      return false;
    }
    raw_ = token_.name;
    return true;
  }

  bool RawContent() {
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
    const std::string_view href = DecodedAttribute("href");
    if (href.empty() || baseTaken_) return;
    base_ = PageAddress(base_.Resolve(href));
    baseTaken_ = true;
  }

  // ---- text

  void Text() {
    if (hidden_ > 0) {
      if (officeLevelDue_ > 0) AppendDecoded(officeMarker_, token_.text);
      return;
    }
    if (officeLevelDue_ > 0 && !IsAllSpace(token_.text)) OpenOfficeItem();
    std::string_view text = token_.text;
    if (text.find('&') != std::string_view::npos) {
      decoded_.clear();
      AppendDecoded(decoded_, text);
      text = decoded_;
    }
    if (preDepth_ > 0) {
      ForEachShownPiece(text, [this](std::string_view piece) { CodePiece(piece); });
    } else if (spanDepth_ > 0) {
      ForEachShownPiece(text, [this](std::string_view piece) { span_.Add(piece); });
    } else {
      inline_.AppendText(Scripted(text));
    }
  }

  // Raised and lowered text in their own letters, where it has them.
  std::string_view Scripted(std::string_view text) {
    if (script_ == Script::None) return text;
    std::optional<std::string> letters = ScriptLettersOf(text, script_);
    if (!letters) return text;
    scripted_ = std::move(*letters);
    return scripted_;
  }

  // CR LF and CR alone end a line as LF does.
  void CodePiece(std::string_view piece) {
    if (piece == "\r") {
      code_ += '\n';
      lastWasCr_ = true;
      return;
    }
    if (!(piece == "\n" && lastWasCr_)) code_ += piece;
    lastWasCr_ = false;
  }

  // ---- blocks

  bool InCell() const { return cellOpen_; }

  void EndBlock() {
    if (InCell()) return inline_.Space();
    inline_.EndBlock();
    std::string& block = inline_.Block();
    if (block.empty()) return;
    taskBoxDue_ = false;
    if (heading_ > 0) {
      WriteHeading(block);
    } else {
      WriteParagraph(block);
    }
    block.clear();
    lines_.EndBlock();
  }

  void WriteHeading(std::string& block) {
    for (char& c : block) {
      if (c == '\n') c = ' ';
    }
    // A heading's closing "#"s would be dropped: the last one is escaped.
    if (block.back() == '#') block.insert(block.size() - 1, 1, '\\');
    lines_.Line(std::string(static_cast<size_t>(heading_), '#') + " " + block);
  }

  void WriteParagraph(std::string& block) {
    if (block.find('\n') == std::string::npos) {
      EscapeLineStart(block);
      return lines_.Line(block);
    }
    size_t start = 0;
    while (start <= block.size()) {
      const size_t end = std::min(block.find('\n', start), block.size());
      std::string piece = block.substr(start, end - start);
      EscapeLineStart(piece);
      if (end < block.size()) piece += '\\';
      lines_.Line(piece);
      start = end + 1;
    }
  }

  void WriteCodeBlock() {
    std::string_view code = code_;
    if (code.starts_with('\n')) code.remove_prefix(1);
    while (code.ends_with('\n')) code.remove_suffix(1);
    if (!code.empty()) lines_.CodeBlock(code, language_);
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
      span_.Space();
    } else if (InCell() || heading_ > 0) {
      inline_.Space();
    } else {
      inline_.Break();
    }
  }

  void Image() {
    if (preDepth_ > 0 || spanDepth_ > 0 || hidden_ > 0) return;
    if (officeLevelDue_ > 0) OpenOfficeItem();
    address_.clear();
    base_.AppendResolved(address_, DecodedAttribute("src"));
    const std::string_view alt = DecodedAttribute("alt");
    if (address_.empty() || IsScriptAddress(address_)) return inline_.AppendText(alt);
    alt_.Clear();
    ForEachShownPiece(alt, [this](std::string_view piece) { alt_.Add(piece); });
    inline_.AppendImage(alt_.text, address_);
  }

  // The box of a task list (GitHub, GitLab) at the start of its item shows as "[x]" or
  // "[ ]"; any other input has nothing to show.
  void TaskBox() {
    if (!taskBoxDue_ || hidden_ > 0 || preDepth_ > 0 || spanDepth_ > 0 || InCell()) return;
    if (!EqualIgnoringCase(token_.Attribute("type"), "checkbox") || !inline_.Block().empty()) {
      return;
    }
    inline_.StartWithTaskBox(token_.HasAttribute("checked"));
    taskBoxDue_ = false;
  }

  // The attribute's value with its references decoded: mostly a part of the input, else
  // in a buffer that the next call reuses.
  std::string_view DecodedAttribute(std::string_view name) {
    const std::string_view value = token_.Attribute(name);
    if (value.find('&') == std::string_view::npos) return value;
    attribute_.clear();
    AppendDecoded(attribute_, value);
    return attribute_;
  }

  // ---- elements

  void Open() {
    const TagOf* element = element_;
    if (!element) return;
    if (element->role == Role::Boundary && BeginOfficeParagraph()) return;
    if (InOfficeList() && EndsOfficeLists(*element)) CloseOfficeLists();
    switch (element->role) {
      case Role::Break:
        return HardBreak();
      case Role::Rule:
        return Rule();
      case Role::Image:
        return Image();
      case Role::Base:
        return TakeBase();
      case Role::Input:
        return TaskBox();
      case Role::Boundary:
        return BeginBoundary();
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
        if (StyleOf(token_.Attribute("style")).bold == false) return;
        return BeginMarker(entry, Marker::Bold);
      case Tag::Italic:
      case Tag::Strike:
        return BeginMarker(entry, MarkerOf(tag.tag));
      case Tag::Link:
        return BeginLink(entry);
      case Tag::Span:
        return BeginSpan(entry);
      case Tag::Code:
        ++spanDepth_;
        return;
      case Tag::Superscript:
      case Tag::Subscript:
        entry.outerScript = script_;
        script_ = tag.tag == Tag::Superscript ? Script::Super : Script::Sub;
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

  void BeginMarker(Entry& entry, Marker kind) { entry.marker = inline_.OpenMarker(kind); }

  // A span that its style hides (a page's hidden text, Word's list bullets) gives nothing;
  // the emphasis that a style gives opens as the elements of that emphasis would.
  void BeginSpan(Entry& entry) {
    const std::string_view style = token_.Attribute("style");
    if (style.empty()) return;
    const InlineStyle shown = StyleOf(style);
    // A numbered heading's number shows: in a heading, "1." starts no list.
    entry.hidden = shown.Hidden() || (shown.listMarker && heading_ == 0);
    hidden_ += entry.hidden ? 1 : 0;
    const std::array<bool, kStyledMarks.size()> wanted = {shown.bold == true, shown.italic,
                                                          shown.strike};
    for (size_t index = 0; index < kStyledMarks.size(); ++index) {
      if (wanted[index] && inline_.OpenMarker(kStyledMarks[index])) entry.styled |= StyleBit(index);
    }
  }

  void BeginLink(Entry& entry) {
    const std::string_view href = DecodedAttribute("href");
    if (href.empty()) return;
    address_.clear();
    base_.AppendResolved(address_, href);
    if (address_.empty() || IsScriptAddress(address_)) return;
    entry.marker = inline_.OpenLink(address_);
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
    if (language_.empty()) language_ = wrapperLanguage_;
  }

  // GitHub, Sphinx, MkDocs and Jekyll name a code block's language on a <div> around it.
  void BeginBoundary() {
    EndBlock();
    if (token_.name != "div") return;
    std::string language = CodeLanguage(token_.Attribute("class"));
    if (!language.empty()) wrapperLanguage_ = std::move(language);
  }

  void BeginQuote(Entry& entry) {
    EndBlock();
    if (InCell() || !lines_.CanNest()) return;
    lines_.EndBlock();
    endedList_.reset();
    lines_.OpenContainer("> ", "> ");
    entry.container = true;
  }

  void BeginList(const TagOf& tag, Entry& entry) {
    EndBlock();
    if (InCell()) return;
    OpenList(tag.ordered, ListStart(token_.Attribute("start")));
    entry.container = true;  // the list's state, not a line prefix
  }

  void OpenList(bool ordered, long long start) {
    lines_.EndBlock();
    // Right under an item's text a list stays tight; an ordered list not starting at 1
    // cannot follow a line of text without a blank line.
    if (!lists_.empty() && (!ordered || start == 1)) lines_.Adjoin();
    lists_.push_back({ordered, start, TakesTheOtherDelimiter(ordered)});
  }

  // Two lists of a kind one right after the other are one list to a Markdown reader,
  // which would number the second's items on from the first's: the second takes the
  // other delimiter.
  bool TakesTheOtherDelimiter(bool ordered) const {
    const bool rightAfterItsKind = endedList_ && endedList_->written == lines_.Written() &&
                                   endedList_->depth == lists_.size() &&
                                   endedList_->ordered == ordered;
    return rightAfterItsKind && !endedList_->otherDelimiter;
  }

  void EndList() {
    EndBlock();
    const ListState ended = lists_.back();
    lists_.pop_back();
    endedList_ = EndedList{lines_.Written(), lists_.size(), ended.ordered, ended.otherDelimiter};
    lines_.EndBlock();
  }

  void BeginItem(Entry& entry) {
    EndBlock();
    if (InCell() || !lines_.CanNest()) return;
    OpenItem();
    entry.container = true;
  }

  void OpenItem() {
    endedList_.reset();
    std::string marker = "- ";
    if (!lists_.empty()) {
      ListState& list = lists_.back();
      if (list.hasItem) lines_.Adjoin();
      list.hasItem = true;
      marker = list.Marker();
    }
    lines_.OpenContainer(marker, std::string(marker.size(), ' '));
    taskBoxDue_ = true;
  }

  // ---- lists of office programs

  // A list paragraph of Word or Outlook: its item opens once its hidden marker is read,
  // with the first content shown.
  bool BeginOfficeParagraph() {
    if (token_.name != "p" || InCell()) return false;
    const int level = OfficeListLevel(token_.Attribute("style"));
    if (level == 0) return false;
    EndBlock();
    officeLevelDue_ = level;
    officeMarker_.clear();
    return true;
  }

  // The item at its level, in a list of its kind: deeper lists and the item before at
  // that level end first. A level deeper by more than one nests one deeper only.
  void OpenOfficeItem() {
    const OfficeListMarker marker = OfficeListMarkerOf(officeMarker_);
    const size_t level = std::min(static_cast<size_t>(officeLevelDue_), officeItems_.size() + 1);
    officeLevelDue_ = 0;
    while (officeItems_.size() > level) CloseOfficeLevel();
    if (officeItems_.size() == level && lists_.back().ordered != marker.ordered) {
      CloseOfficeLevel();
    }
    if (officeItems_.size() == level && officeItems_.back()) {
      EndBlock();
      lines_.CloseContainer();
      officeItems_.back() = false;
    }
    if (officeItems_.size() < level) {
      OpenList(marker.ordered, marker.start);
      officeItems_.push_back(false);
    }
    if (!lines_.CanNest()) return;
    OpenItem();
    officeItems_.back() = true;
  }

  void CloseOfficeLevel() {
    EndBlock();
    if (officeItems_.back()) lines_.CloseContainer();
    EndList();
    officeItems_.pop_back();
  }

  void CloseOfficeLists() {
    officeLevelDue_ = 0;
    while (!officeItems_.empty()) CloseOfficeLevel();
  }

  bool InOfficeList() const { return officeLevelDue_ > 0 || !officeItems_.empty(); }

  // Every block but a list paragraph ends the lists of office programs.
  static bool EndsOfficeLists(const TagOf& element) {
    switch (element.role) {
      case Role::Boundary:
      case Role::Rule:
        return true;
      case Role::Tag:
        return IsStructural(element.tag) || element.tag == Tag::Pre || element.tag == Tag::Heading;
      default:
        return false;
    }
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
    table_.Clear();
    entry.container = true;
  }

  void BeginRow(Entry& entry) {
    if (!tableOpen_ || InCell()) return EndBlock();
    table_.NewRow();
    entry.container = true;
  }

  void BeginCell(Entry& entry) {
    if (!tableOpen_ || InCell()) return EndBlock();
    EndBlock();
    if (table_.rowStarts.empty()) table_.NewRow();
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
    if (element->role == Role::Boundary) {
      officeLevelDue_ = 0;  // a list paragraph that showed nothing has no item
      if (token_.name == "div") wrapperLanguage_.clear();
      return EndBlock();
    }
    if (element->role != Role::Tag || open_[static_cast<size_t>(element->tag)] == 0) return;
    if (InOfficeList() && EndsOfficeLists(*element)) CloseOfficeLists();
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
        if (entry.marker) inline_.CloseMarker(MarkerOf(entry.tag));
        return;
      case Tag::Span:
        for (size_t index = kStyledMarks.size(); index-- > 0;) {
          if (entry.styled & StyleBit(index)) inline_.CloseMarker(kStyledMarks[index]);
        }
        hidden_ -= entry.hidden ? 1 : 0;
        return;
      case Tag::Code:
        return EndSpan();
      case Tag::Superscript:
      case Tag::Subscript:
        script_ = entry.outerScript;
        return;
      case Tag::Pre:
        if (--preDepth_ == 0) WriteCodeBlock();
        return;
      case Tag::Quote:
        EndBlock();
        if (entry.container) lines_.CloseContainer();
        lines_.EndBlock();
        return;
      case Tag::List:
        if (entry.container) return EndList();
        EndBlock();
        lines_.EndBlock();
        return;
      case Tag::Item:
        EndBlock();
        taskBoxDue_ = false;
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

  void EndSpan() {
    if (--spanDepth_ > 0) return;
    std::string_view code = span_.text;
    while (code.ends_with(' ')) code.remove_suffix(1);
    if (!code.empty() && officeLevelDue_ > 0) OpenOfficeItem();
    if (!code.empty()) inline_.AppendCodeSpan(code, InCell());
    span_.Clear();
  }

  void EndCell() {
    inline_.EndBlock();
    std::string& cell = inline_.Block();
    for (char& c : cell) {
      if (c == '\n') c = ' ';
    }
    table_.cells.push_back(cell);
    cell.clear();
    cellOpen_ = false;
  }

  void EndTable() {
    if (cellOpen_) EndCell();
    tableOpen_ = false;
    lines_.Table(table_);
    table_.Clear();
  }

  PageAddress base_;
  bool baseTaken_ = false;
  HtmlToken token_;
  const TagOf* element_ = nullptr;  // what the current tag's name means, if anything
  std::string raw_;                 // the raw-text element the tokens are in
  std::string title_;
  std::string decoded_;
  std::string attribute_;  // a decoded attribute, where it had references
  std::string address_;    // a link's or an image's, made absolute
  CollapsedText alt_;      // an image's alternative text

  MarkdownLines lines_;
  MarkdownInline inline_;
  int heading_ = 0;
  Script script_ = Script::None;
  std::string scripted_;
  int hidden_ = 0;
  bool taskBoxDue_ = false;        // an item has begun, and nothing of it is written yet
  int officeLevelDue_ = 0;         // of a list paragraph whose item is not open yet
  std::string officeMarker_;       // its hidden bullet or number, as far as read
  std::vector<bool> officeItems_;  // for each open office list: whether its item is open

  int preDepth_ = 0;
  std::string code_;
  std::string language_;
  std::string wrapperLanguage_;  // named by the <div> around the code block to come
  bool lastWasCr_ = false;
  int spanDepth_ = 0;
  CollapsedText span_;

  bool tableOpen_ = false;
  bool cellOpen_ = false;
  TableCells table_;
  std::vector<ListState> lists_;
  std::optional<EndedList> endedList_;

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
