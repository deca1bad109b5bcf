#include "clipboard/browser_titles.h"

#include <algorithm>
#include <array>

#include "settings/ascii_text.h"

namespace qm {

namespace {

// Browsers of the old days that show their address in an edit field; they are found by
// a word anywhere in the title, in any case.
constexpr std::array<std::string_view, 12> kEditFieldBrowserWords{
    "Opera",         "GreenBrowser", "Maxthon",  "Crazy Browser", "NetBrowser",    "PowerBrowser",
    "Candy Browser", "DX-Browser",   "Abolimba", "SlimBrowser",   "Multi-Browser", "Avant Browser"};

constexpr std::string_view kExplorerEnding = " - Microsoft Internet Explorer";

// Edge writes a zero-width space into its name, so that the title does not read as its
// maker's.
constexpr std::array<std::string_view, 9> kBrowserNames{
    "Firefox",        "Mozilla", "Google Chrome", "Chromium", "Microsoft\xE2\x80\x8B Edge",
    "Microsoft Edge", "Brave",   "Vivaldi",       "Opera"};

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
  const auto found = std::search(text.begin(), text.end(), word.begin(), word.end(),
                                 [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
  return found != text.end();
}

bool NamesEditFieldBrowser(std::string_view title) {
  if (title.ends_with(kExplorerEnding)) return true;
  return std::any_of(kEditFieldBrowserWords.begin(), kEditFieldBrowserWords.end(),
                     [title](std::string_view word) { return ContainsIgnoringCase(title, word); });
}

BrowserKind Dde(std::string_view server) { return {AddressReading::Dde, server}; }

std::string_view WithoutEnding(std::string_view text, std::string_view ending) {
  if (text.ends_with(ending)) text.remove_suffix(ending.size());
  while (text.ends_with(' ')) text.remove_suffix(1);
  return text;
}

// "-", or the en or em dash that browsers of today write.
std::string_view WithoutDash(std::string_view text) {
  for (const std::string_view dash : {"-", "\xE2\x80\x93", "\xE2\x80\x94"}) {
    if (text.ends_with(dash)) return WithoutEnding(text, dash);
  }
  return text;
}

}  // namespace

BrowserKind BrowserKindOfTitle(std::string_view title) {
  if (NamesEditFieldBrowser(title)) return {AddressReading::EditField, {}};
  if (title.ends_with("Firefox")) return Dde("Firefox");
  if (ContainsIgnoringCase(title, "Netscape 6")) return Dde("Netscp6");
  if (ContainsIgnoringCase(title, "Netscape")) return Dde("NETSCAPE");
  if (title.ends_with("Mozilla")) return Dde("Mozilla");
  return {};
}

std::optional<std::string_view> PageTitleOfBrowserTitle(std::string_view title) {
  if (title.ends_with(kExplorerEnding)) return WithoutEnding(title, kExplorerEnding);
  for (const std::string_view name : kBrowserNames) {
    if (title.ends_with(name)) {
      return WithoutDash(WithoutEnding(WithoutEnding(title, name), "Mozilla"));
    }
  }
  return std::nullopt;
}

}  // namespace qm
