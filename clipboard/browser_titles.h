#pragma once

#include <optional>
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

// The page's title in the title of a browser window (UTF-8): the title without the name
// of the browser that ends it (" - Microsoft Internet Explorer", "Firefox", "Mozilla",
// and today's "Google Chrome", "Microsoft Edge", "Brave", "Vivaldi", "Opera"), the
// maker's "Mozilla" and the dash before them, so "Seite - Mozilla Firefox" gives
// "Seite". None where no browser's name ends the title. The address is still read only
// from the browsers of the table above: the others tell it to no other program.
std::optional<std::string_view> PageTitleOfBrowserTitle(std::string_view title);

}  // namespace qm
