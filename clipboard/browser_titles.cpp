#include "clipboard/browser_titles.h"

#include <algorithm>
#include <array>

namespace qm {

namespace {

// Browsers of the old days that show their address in an edit field; they are found by
// a word anywhere in the title, in any case.
constexpr std::array<std::string_view, 12> kEditFieldBrowserWords{
    "Opera",         "GreenBrowser", "Maxthon",  "Crazy Browser", "NetBrowser",    "PowerBrowser",
    "Candy Browser", "DX-Browser",   "Abolimba", "SlimBrowser",   "Multi-Browser", "Avant Browser"};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
  const auto found = std::search(text.begin(), text.end(), word.begin(), word.end(),
                                 [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
  return found != text.end();
}

bool NamesEditFieldBrowser(std::string_view title) {
  if (title.ends_with(" - Microsoft Internet Explorer")) return true;
  return std::any_of(kEditFieldBrowserWords.begin(), kEditFieldBrowserWords.end(),
                     [title](std::string_view word) { return ContainsIgnoringCase(title, word); });
}

BrowserKind Dde(std::string_view server) { return {AddressReading::Dde, server}; }

}  // namespace

BrowserKind BrowserKindOfTitle(std::string_view title) {
  if (NamesEditFieldBrowser(title)) return {AddressReading::EditField, {}};
  if (title.ends_with("Firefox")) return Dde("Firefox");
  if (ContainsIgnoringCase(title, "Netscape 6")) return Dde("Netscp6");
  if (ContainsIgnoringCase(title, "Netscape")) return Dde("NETSCAPE");
  if (title.ends_with("Mozilla")) return Dde("Mozilla");
  return {};
}

}  // namespace qm
