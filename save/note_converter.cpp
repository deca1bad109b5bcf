#include "save/note_converter.h"

#include <algorithm>

#include "save/byte_search.h"
#include "save/inline_style.h"
#include "settings/ascii_text.h"
#include "settings/utf8_text.h"

namespace qm::note {

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

// The marks that a span's style may open, in the order it opens them.
constexpr std::array<Marker, 3> kStyledMarks = {Marker::Bold, Marker::Italic, Marker::Strike};
constexpr uint8_t StyleBit(size_t index) { return static_cast<uint8_t>(1u << index); }

bool IsAllSpace(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsHtmlSpace);
}

}  // namespace

void Converter::ReadContext(std::string_view html) {
  HtmlTokenizer tokens(html);
  while (tokens.Next(token_)) {
    element_ = token_.kind == HtmlToken::Kind::Text ? nullptr : ElementOf(token_.packedName);
    if (RawToken()) continue;
    if (token_.kind == HtmlToken::Kind::StartTag && token_.name == "base") TakeBase();
  }
}

MarkdownNote Converter::Convert(std::string_view html) {
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

// Title text is the note's title, never its content; script and style are neither.
// Most tokens are in no such element: that is told apart before anything else.
bool Converter::RawToken() {
  if (!raw_.empty()) return RawContent();
  if (!element_ || element_->role != Role::Raw || token_.kind != HtmlToken::Kind::StartTag) {
    return false;
  }
  raw_ = token_.name;
  return true;
}

bool Converter::RawContent() {
  if (token_.kind == HtmlToken::Kind::Text && raw_ == "title" && title_.empty()) {
    std::string decoded;
    AppendDecoded(decoded, token_.text);
    CollapsedInto(title_, decoded);
  }
  if (token_.kind == HtmlToken::Kind::EndTag) raw_.clear();
  return true;
}

void Converter::CollapsedInto(std::string& out, std::string_view text) {
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

void Converter::TakeBase() {
  const std::string_view href = DecodedAttribute("href");
  if (href.empty() || baseTaken_) return;
  base_ = PageAddress(base_.Resolve(href));
  baseTaken_ = true;
}

void Converter::Text() {
  if (hidden_ > 0) {
    if (officeLevelDue_ > 0) AppendDecoded(officeMarker_, token_.text);
    return;
  }
  if (officeLevelDue_ > 0 && !IsAllSpace(token_.text)) OpenOfficeItem();
  std::string_view text = token_.text;
  if (FindByte(text, '&') != std::string_view::npos) {
    decoded_.clear();
    AppendDecoded(decoded_, text);
    text = decoded_;
  }
  ShownText(text);
}

// Decoded text where it goes: into the code block, the code span or the block.
void Converter::ShownText(std::string_view text) {
  if (preDepth_ > 0) {
    ForEachShownPiece(text, [this](std::string_view piece) { CodePiece(piece); });
  } else if (spanDepth_ > 0) {
    ForEachShownPiece(text, [this](std::string_view piece) { span_.Add(piece); });
  } else {
    inline_.AppendText(Scripted(text));
  }
}

// The marks a browser shows around a <q>: double ones, single ones inside them. The
// copied plain text lacks them, since the page's style adds them.
void Converter::QuotationMark(bool opening) {
  if (hidden_ > 0) return;
  const bool inner = quoteDepth_ % 2 == 0;
  ShownText(opening ? (inner ? "\u2018" : "\u201C") : (inner ? "\u2019" : "\u201D"));
}

// Raised and lowered text in their own letters, where it has them.
std::string_view Converter::Scripted(std::string_view text) {
  if (script_ == Script::None) return text;
  std::optional<std::string> letters = ScriptLettersOf(text, script_);
  if (!letters) return text;
  scripted_ = std::move(*letters);
  return scripted_;
}

// CR LF and CR alone end a line as LF does.
void Converter::CodePiece(std::string_view piece) {
  if (piece == "\r") {
    code_ += '\n';
    lastWasCr_ = true;
    return;
  }
  if (!(piece == "\n" && lastWasCr_)) code_ += piece;
  lastWasCr_ = false;
}

void Converter::Rule() {
  if (InCell() || preDepth_ > 0 || spanDepth_ > 0) return;
  EndBlock();
  lines_.Line("***");
  lines_.EndBlock();
}

void Converter::HardBreak() {
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

void Converter::Image() {
  if (preDepth_ > 0 || spanDepth_ > 0 || hidden_ > 0) return;
  if (officeLevelDue_ > 0) OpenOfficeItem();
  address_.clear();
  base_.AppendResolved(address_, DecodedAttribute("src"));
  const std::string_view alt = DecodedAttribute("alt");
  if (address_.empty() || IsTextOnlyAddress(address_)) return inline_.AppendText(alt);
  alt_.Clear();
  ForEachShownPiece(alt, [this](std::string_view piece) { alt_.Add(piece); });
  inline_.AppendImage(alt_.text, address_);
}

// The box of a task list (GitHub, GitLab) at the start of its item shows as "[x]" or
// "[ ]"; any other input has nothing to show.
void Converter::TaskBox() {
  if (!taskBoxDue_ || hidden_ > 0 || preDepth_ > 0 || spanDepth_ > 0 || InCell()) return;
  if (!EqualIgnoringCase(token_.Attribute("type"), "checkbox") || !inline_.Block().empty()) {
    return;
  }
  inline_.StartWithTaskBox(token_.HasAttribute("checked"));
  taskBoxDue_ = false;
}

// The attribute's value with its references decoded: mostly a part of the input, else
// in a buffer that the next call reuses.
std::string_view Converter::DecodedAttribute(std::string_view name) {
  const std::string_view value = token_.Attribute(name);
  if (FindByte(value, '&') == std::string_view::npos) return value;
  attribute_.clear();
  AppendDecoded(attribute_, value);
  return attribute_;
}

void Converter::Open() {
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
  if (preDepth_ > 0 && tag.tag == Tag::Code) {
    if (language_.empty()) language_ = CodeLanguage(token_.Attribute("class"));
    PreCodeOpens();
  }
  if (preDepth_ > 0 && IsBlockInPre(tag.tag)) PreBoundary();
  AutoClose(tag.tag);
  Entry entry{tag.tag};
  entry.inert = preDepth_ > 0 || spanDepth_ > 0;
  if (!entry.inert) Begin(tag, entry);
  Push(entry);
}

// An item ends the item before it, a cell the cell before it, a row the row before it.
void Converter::AutoClose(Tag tag) {
  const auto innermost = [this] {
    return structural_.empty() ? Tag::Count : stack_[structural_.back()].tag;
  };
  if (tag == Tag::Item && innermost() == Tag::Item) PopTo(Tag::Item);
  if (tag == Tag::Cell && innermost() == Tag::Cell) PopTo(Tag::Cell);
  if (tag == Tag::Row) {
    while (innermost() == Tag::Cell || innermost() == Tag::Row) PopTo(innermost());
  }
}

void Converter::Begin(const TagOf& tag, Entry& entry) {
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
    case Tag::InlineQuote:
      ++quoteDepth_;
      return QuotationMark(true);
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

// A span that its style hides (a page's hidden text, Word's list bullets) gives nothing;
// the emphasis that a style gives opens as the elements of that emphasis would.
void Converter::BeginSpan(Entry& entry) {
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

void Converter::BeginLink(Entry& entry) {
  const std::string_view href = DecodedAttribute("href");
  if (href.empty()) return;
  address_.clear();
  base_.AppendResolved(address_, href);
  if (address_.empty() || IsTextOnlyAddress(address_)) return;
  entry.marker = inline_.OpenLink(address_);
}

void Converter::BeginPre(Entry& entry) {
  if (InCell()) {
    entry.tag = Tag::Code;
    ++spanDepth_;
    return;
  }
  EndBlock();
  ++preDepth_;
  code_.clear();
  codeOutsidePre_ = open_[static_cast<size_t>(Tag::Code)];
  preHasCode_ = false;
  preApartFrom_ = std::string::npos;
  lastWasCr_ = false;
  language_ = CodeLanguage(token_.Attribute("class"));
  // Confluence names it in SyntaxHighlighter's way, in an attribute of its own.
  if (language_.empty())
    language_ = CodeLanguage(token_.Attribute("data-syntaxhighlighter-params"));
  if (language_.empty()) language_ = wrapperLanguage_;
}

// GitHub, Sphinx, MkDocs and Jekyll name a code block's language on a <div> around it.
void Converter::BeginBoundary() {
  PreBoundary();
  EndBlock();
  RowGroupBoundary();
  // Word aligns a cell's text by the paragraph in it; the first one that says how counts.
  if (InCell() && !cellAlignedByBlock_) {
    const TextAlign stated = StatedAlign(true);
    cellAlignedByBlock_ = stated != TextAlign::Unstated;
    cellAlign_ = InnerAlign(stated, cellAlign_);
  }
  if (token_.name != "div") return;
  std::string language = CodeLanguage(token_.Attribute("class"));
  if (!language.empty()) wrapperLanguage_ = std::move(language);
}

// A block in a <pre> stands on lines of its own, as the browser shows it (highlighters
// that give each line a <div> or an <li>). A code block's toolbar (a chat page's
// language label and copy button) can stand in its <pre> so, beside the <code> that
// holds the code. Once the <pre> holds code, what such a block sets apart before the
// code and after it is left out; text between two code elements, or without a block
// around it, stays.
void Converter::PreBoundary() {
  if (preDepth_ == 0) return;
  if (!code_.empty() && code_.back() != '\n') code_ += '\n';
  if (InPreCode()) return;
  if (!preHasCode_ || preApartFrom_ == std::string::npos) preApartFrom_ = code_.size();
}

void Converter::PreCodeOpens() {
  if (InPreCode()) return;
  if (!preHasCode_ && preApartFrom_ != std::string::npos) code_.erase(0, preApartFrom_);
  preHasCode_ = true;
  preApartFrom_ = std::string::npos;
}

void Converter::Push(const Entry& entry) {
  if (IsStructural(entry.tag)) structural_.push_back(stack_.size());
  stack_.push_back(entry);
  ++open_[static_cast<size_t>(entry.tag)];
}

void Converter::Close() {
  const TagOf* element = element_;
  if (!element) return;
  // "</br>" breaks the line, as in a browser.
  if (element->role == Role::Break) return HardBreak();
  if (element->role == Role::Boundary) {
    officeLevelDue_ = 0;  // a list paragraph that showed nothing has no item
    if (token_.name == "div") wrapperLanguage_.clear();
    PreBoundary();
    RowGroupBoundary();
    return EndBlock();
  }
  if (element->role != Role::Tag || open_[static_cast<size_t>(element->tag)] == 0) return;
  if (InOfficeList() && EndsOfficeLists(*element)) CloseOfficeLists();
  PopTo(element->tag);
}

void Converter::PopTo(Tag tag) {
  while (!stack_.empty()) {
    const bool found = stack_.back().tag == tag;
    Pop();
    if (found) return;
  }
}

void Converter::Pop() {
  const Entry entry = stack_.back();
  stack_.pop_back();
  --open_[static_cast<size_t>(entry.tag)];
  if (IsStructural(entry.tag)) structural_.pop_back();
  if (!entry.inert) return End(entry);
  if (preDepth_ > 0 && IsBlockInPre(entry.tag)) PreBoundary();
}

void Converter::End(const Entry& entry) {
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
    case Tag::InlineQuote:
      QuotationMark(false);
      --quoteDepth_;
      return;
    case Tag::Pre:
      if (--preDepth_ > 0) return;
      if (preHasCode_ && preApartFrom_ != std::string::npos) code_.resize(preApartFrom_);
      return WriteCodeBlock();
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

// A blank at either end of the code shows, as a blank beside the code span: inside it,
// Markdown would drop it.
void Converter::EndSpan() {
  if (--spanDepth_ > 0) return;
  std::string_view code = span_.text;
  while (code.ends_with(' ')) code.remove_suffix(1);
  if (span_.spaceBefore) inline_.Space();
  if (!code.empty() && officeLevelDue_ > 0) OpenOfficeItem();
  if (!code.empty()) inline_.AppendCodeSpan(code, InCell());
  if (span_.spaceDue) inline_.Space();
  span_.Clear();
}

}  // namespace qm::note
