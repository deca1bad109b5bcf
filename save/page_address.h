#pragma once

#include <string>
#include <string_view>

namespace qm {

// The page's own address, read once, against which the addresses the page names (href,
// src) are made absolute: "//host/x", "/x", "x", "../x", "?q" and "#f" as a browser
// resolves them. A base that is not a hierarchical address (empty, "about:blank")
// leaves a relative address as it is. Tabs and line breaks inside an address and
// blanks around it are dropped.
class PageAddress {
 public:
  explicit PageAddress(std::string_view base);
  std::string Resolve(std::string_view address) const;
  // The same, appended to `out`: a page names many addresses, and none of them needs a
  // string of its own.
  void AppendResolved(std::string& out, std::string_view address) const;

 private:
  std::string scheme_;  // with its ":"; all empty when the base is not hierarchical
  std::string origin_;
  std::string path_;
  std::string query_;
  std::string directory_;
};

// True for an address that a note cannot link to: one that runs code ("javascript:",
// "vbscript:"), carries a document instead of naming one ("data:"), or names what only
// the copying program holds ("cid:", a mail's attached picture; "blob:", a web app's
// object in the browser's memory). In any case and with blanks or control characters
// before or inside the scheme, as browsers still accept them.
bool IsTextOnlyAddress(std::string_view address);

}  // namespace qm
