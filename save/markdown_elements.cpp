#include "save/markdown_elements.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

namespace qm {

namespace {

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
constexpr size_t kNameSlots = 512;

// FNV-1a, whose high bits spread even names that differ in one letter.
constexpr size_t NameHash(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return (hash >> 16) % kNameSlots;
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

}  // namespace

const TagOf* ElementOf(std::string_view name) {
  for (size_t at = NameHash(name); kNameSlots_[at] >= 0; at = (at + 1) % kNameSlots) {
    const auto& element = kElements[static_cast<size_t>(kNameSlots_[at])];
    if (element.first.size() == name.size() && element.first[0] == name[0] &&
        element.first == name) {
      return &element.second;
    }
  }
  return nullptr;
}

bool IsStructural(Tag tag) {
  return tag == Tag::List || tag == Tag::Item || tag == Tag::Table || tag == Tag::Row ||
         tag == Tag::Cell || tag == Tag::Quote;
}

}  // namespace qm
