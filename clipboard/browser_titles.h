#pragma once

#include <string_view>

namespace qm {

// How the address of a browser window is read: from an edit field inside it, or by
// asking the browser over DDE under a server name.
enum class AddressReading { NotABrowser, EditField, Dde };

struct BrowserKind {
  AddressReading reading = AddressReading::NotABrowser;
  std::string_view ddeServer;  // set for AddressReading::Dde only

  bool operator==(const BrowserKind&) const = default;
};

// The browser a top-level window title names, by a fixed table tested in order: the
// first row that matches decides.
BrowserKind BrowserKindOfTitle(std::string_view title);

// The page's title in the title of a browser window (UTF-8): without the browser's name
// where the table finds it at the end (" - Microsoft Internet Explorer", "Firefox",
// "Mozilla"), and without the maker's "Mozilla" and the dash before it, so "Seite -
// Mozilla Firefox" gives "Seite". A title that names its browser elsewhere stays whole.
std::string_view PageTitleOfBrowserTitle(std::string_view title);

}  // namespace qm
