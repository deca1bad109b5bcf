#include "save/markdown_elements.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

namespace qm {

namespace {

constexpr TagOf Of(Tag tag, int level = 0, bool ordered = false) {
  return {Role::Tag, tag, level, ordered};
}
constexpr TagOf Of(Role role) { return {role}; }
constexpr TagOf RowGroup() { return {.role = Role::Boundary, .rowGroup = true}; }

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
                                                            {"input", Of(Role::Input)},
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
                                                            {"q", Of(Tag::InlineQuote)},
                                                            {"s", Of(Tag::Strike)},
                                                            {"samp", Of(Tag::Code)},
                                                            {"script", Of(Role::Raw)},
                                                            {"section", Of(Role::Boundary)},
                                                            {"span", Of(Tag::Span)},
                                                            {"strike", Of(Tag::Strike)},
                                                            {"strong", Of(Tag::Bold)},
                                                            {"style", Of(Role::Raw)},
                                                            {"sub", Of(Tag::Subscript)},
                                                            {"summary", Of(Role::Boundary)},
                                                            {"sup", Of(Tag::Superscript)},
                                                            {"table", Of(Tag::Table)},
                                                            {"tbody", RowGroup()},
                                                            {"td", Of(Tag::Cell)},
                                                            {"textarea", Of(Role::Boundary)},
                                                            {"tfoot", RowGroup()},
                                                            {"th", Of(Tag::Cell)},
                                                            {"thead", RowGroup()},
                                                            {"title", Of(Role::Raw)},
                                                            {"tr", Of(Tag::Row)},
                                                            {"tt", Of(Tag::Code)},
                                                            {"ul", Of(Tag::List)},
                                                            {"var", Of(Tag::Italic)},
                                                            {"xml", Of(Role::Raw)},
                                                            {"xmp", Of(Tag::Pre)}};

// The names in a table of their own hash, filled once: a tag costs one hash of its
// packed name and, as a rule, one comparison of two words. No element here has a name
// longer than a packed name holds.
constexpr size_t kNameSlots = 512;

constexpr size_t SlotOf(const PackedName& name) {
  const uint64_t mixed = (name.low ^ (name.high * 0xC2B2AE3D27D4EB4Full)) * 0x9E3779B97F4A7C15ull;
  return static_cast<size_t>(mixed >> 55) % kNameSlots;
}

struct NameSlot {
  PackedName name;
  int element = -1;
};

constexpr std::array<NameSlot, kNameSlots> NameSlots() {
  std::array<NameSlot, kNameSlots> slots{};
  for (size_t i = 0; i < std::size(kElements); ++i) {
    const PackedName name = PackedNameOf(kElements[i].first);
    size_t at = SlotOf(name);
    while (slots[at].element >= 0) at = (at + 1) % kNameSlots;
    slots[at] = {name, static_cast<int>(i)};
  }
  return slots;
}
constexpr std::array<NameSlot, kNameSlots> kSlots = NameSlots();

}  // namespace

const TagOf* ElementOf(const PackedName& packed) {
  for (size_t at = SlotOf(packed); kSlots[at].element >= 0; at = (at + 1) % kNameSlots) {
    if (kSlots[at].name == packed)
      return &kElements[static_cast<size_t>(kSlots[at].element)].second;
  }
  return nullptr;
}

}  // namespace qm
