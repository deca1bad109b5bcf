#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "save/html_tokens.h"
#include "save/markdown_elements.h"
#include "save/markdown_inline.h"
#include "save/markdown_lines.h"
#include "save/markdown_note.h"
#include "save/markdown_text.h"
#include "save/page_address.h"
#include "save/script_letters.h"

// The converter behind MarkdownOfHtml, for its own files only: reading the tokens and
// the elements that open and close (note_converter.cpp), the blocks they make
// (note_blocks.cpp) and the list paragraphs of office programs (note_office_lists.cpp).
namespace qm::note {

// Shown text with each run of blanks as one, none at either end; whether a blank stood
// at either end is kept.
struct CollapsedText {
  std::string text;
  bool spaceDue = false;     // a blank ends the text
  bool spaceBefore = false;  // a blank starts it

  void Add(std::string_view piece) {
    if (piece.size() == 1 && IsHtmlSpace(piece[0])) return Space();
    if (spaceDue) text += ' ';
    spaceDue = false;
    text += piece;
  }
  void Space() {
    spaceDue = !text.empty();
    spaceBefore = spaceBefore || text.empty();
  }
  void Clear() {
    text.clear();
    spaceDue = false;
    spaceBefore = false;
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

class Converter {
 public:
  explicit Converter(std::string_view pageAddress) : base_(pageAddress) {}

  // The HTML before the fragment: only its title and base count.
  void ReadContext(std::string_view html);
  MarkdownNote Convert(std::string_view html);

 private:
  // ---- tokens, text and elements
  bool RawToken();
  bool RawContent();
  static void CollapsedInto(std::string& out, std::string_view text);
  void TakeBase();
  void Text();
  void ShownText(std::string_view text);
  void QuotationMark(bool opening);
  std::string_view Scripted(std::string_view text);
  void CodePiece(std::string_view piece);
  void Rule();
  void HardBreak();
  void Image();
  void TaskBox();
  std::string_view DecodedAttribute(std::string_view name);
  void Open();
  void AutoClose(Tag tag);
  void Begin(const TagOf& tag, Entry& entry);
  void BeginSpan(Entry& entry);
  void BeginLink(Entry& entry);
  void BeginPre(Entry& entry);
  void BeginBoundary();
  void RowGroupBoundary() {
    if (element_->rowGroup && tableOpen_ && !InCell()) table_.NewRowGroup();
  }
  void PreBoundary();
  void PreCodeOpens();
  static bool IsBlockInPre(Tag tag) {
    return (IsStructural(tag) && tag != Tag::Cell) || tag == Tag::Heading;
  }
  bool InPreCode() const { return open_[static_cast<size_t>(Tag::Code)] > codeOutsidePre_; }
  void Push(const Entry& entry);
  void Close();
  void PopTo(Tag tag);
  void Pop();
  void End(const Entry& entry);
  void EndSpan();
  void BeginMarker(Entry& entry, Marker kind) { entry.marker = inline_.OpenMarker(kind); }

  // ---- blocks
  void EndBlock();
  void WriteHeading(std::string& block);
  void WriteParagraph(std::string& block);
  void WriteCodeBlock();
  void BeginQuote(Entry& entry);
  void BeginList(const TagOf& tag, Entry& entry);
  void OpenList(bool ordered, long long start);
  bool TakesTheOtherDelimiter(bool ordered) const;
  void EndList();
  void BeginItem(Entry& entry);
  void OpenItem();
  void BeginHeading(const TagOf& tag, Entry& entry);
  void BeginTable(Entry& entry);
  void BeginRow(Entry& entry);
  void BeginCell(Entry& entry);
  void EndCell();
  void EndTable();
  bool InCell() const { return cellOpen_; }
  TextAlign StatedAlign(bool byAttribute) const;
  static TextAlign InnerAlign(TextAlign inner, TextAlign outer) {
    return inner == TextAlign::Unstated ? outer : inner;
  }

  // ---- lists of office programs
  bool BeginOfficeParagraph();
  void OpenOfficeItem();
  void CloseOfficeLevel();
  void CloseOfficeLists();
  static bool EndsOfficeLists(const TagOf& element);
  bool InOfficeList() const { return officeLevelDue_ > 0 || !officeItems_.empty(); }

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
  int quoteDepth_ = 0;             // of the <q> elements open
  bool taskBoxDue_ = false;        // an item has begun, and nothing of it is written yet
  int officeLevelDue_ = 0;         // of a list paragraph whose item is not open yet
  std::string officeMarker_;       // its hidden bullet or number, as far as read
  std::vector<bool> officeItems_;  // for each open office list: whether its item is open

  int preDepth_ = 0;
  std::string code_;
  size_t codeOutsidePre_ = 0;  // the <code> elements open when the <pre> opened
  bool preHasCode_ = false;
  size_t preApartFrom_ = std::string::npos;  // where text set apart from the code begins
  std::string language_;
  std::string wrapperLanguage_;  // named by the <div> around the code block to come
  bool lastWasCr_ = false;
  int spanDepth_ = 0;
  CollapsedText span_;

  bool tableOpen_ = false;
  bool cellOpen_ = false;
  size_t cellColumns_ = 1;  // the open cell's spans
  size_t cellRows_ = 1;
  TextAlign cellAlign_ = TextAlign::Unstated;
  bool cellAlignedByBlock_ = false;           // a paragraph in the open cell has set cellAlign_
  TextAlign rowAlign_ = TextAlign::Unstated;  // what the open row gives its cells
  TextAlign tableAlign_ = TextAlign::Unstated;
  TableCells table_;
  std::vector<ListState> lists_;
  std::optional<EndedList> endedList_;

  std::vector<Entry> stack_;
  std::vector<size_t> structural_;
  std::array<size_t, static_cast<size_t>(Tag::Count)> open_{};
};

}  // namespace qm::note
