#pragma once

#include "save/html_tokens.h"

namespace qm {

// The elements that change how their content is written; every other element is a
// block boundary, a line break, a rule, an image, a form's input or just its text.
enum class Tag {
  Bold,
  Italic,
  Strike,
  Code,
  Superscript,
  Subscript,
  InlineQuote,
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
enum class Role { Tag, Boundary, Break, Rule, Image, Base, Raw, Input };

struct TagOf {
  Role role = Role::Tag;
  Tag tag = Tag::Count;
  int level = 0;          // of a heading
  bool ordered = false;   // of a list
  bool rowGroup = false;  // thead, tbody, tfoot: where a rowspan of 0 ends
};

// What the element of this name (in lower case) means, or nothing for an element that
// only gives its text.
const TagOf* ElementOf(const PackedName& name);

// The elements that other elements end or stand in: lists, items, tables, rows, cells,
// quotes.
inline bool IsStructural(Tag tag) {
  return tag == Tag::List || tag == Tag::Item || tag == Tag::Table || tag == Tag::Row ||
         tag == Tag::Cell || tag == Tag::Quote;
}

}  // namespace qm
