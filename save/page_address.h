#pragma once

#include <string>
#include <string_view>

namespace qm {

// An address as a page names it (href, src), made absolute against the page's own
// address: "//host/x", "/x", "x", "../x", "?q" and "#f" as a browser resolves them. A
// base that is not a hierarchical address (empty, "about:blank") leaves a relative
// address as it is. Tabs and line breaks inside and blanks around are dropped.
std::string ResolvedAddress(std::string_view base, std::string_view address);

// The same against one base, which is read once for all the addresses of a page.
class PageAddress {
 public:
  explicit PageAddress(std::string_view base);
  std::string Resolve(std::string_view address) const;

 private:
  std::string base_;
  std::string scheme_;  // with its ":"; all empty when the base is not hierarchical
  std::string origin_;
  std::string path_;
  std::string query_;
  std::string directory_;
};

// True for an address that runs code or carries a document instead of naming one:
// "javascript:", "vbscript:", "data:", in any case and with blanks or control
// characters before or inside the scheme, as browsers still accept them.
bool IsScriptAddress(std::string_view address);

}  // namespace qm
