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

}  // namespace qm
