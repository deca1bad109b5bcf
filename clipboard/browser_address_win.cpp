#include "clipboard/browser_address_win.h"

#include <cstring>
#include <vector>

#include "clipboard/address_field.h"
#include "clipboard/browser_titles.h"
#include "clipboard/dde_client_win.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

constexpr int kTitleChars = 1024;
constexpr int kClassNameChars = 256;
// Far deeper than any browser nests its address field; only a guard against a window
// tree that changes under the search.
constexpr int kDeepestField = 32;

std::string ClassName(HWND window) {
  char name[kClassNameChars] = {};
  const int length = GetClassNameA(window, name, kClassNameChars);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Title(HWND window) {
  char title[kTitleChars] = {};
  const int length = GetWindowTextA(window, title, kTitleChars);
  return std::string(title, length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<HWND> ChildWindows(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

class FieldSearch {
 public:
  std::string Find(HWND window, int depth) {
    const FieldVisit visit = FieldVisitOfClass(ClassName(window));
    if (visit != FieldVisit::ChildrenOnly) {
      const auto text = GetWindowTextByMessage(window);
      if (!text) {
        unanswered_ = true;
        return {};
      }
      if (IsPageAddress(*text)) return *text;
      if (visit == FieldVisit::ReadOnly) return {};
    }
    return depth < kDeepestField ? FindInChildren(window, depth + 1) : std::string();
  }

 private:
  std::string FindInChildren(HWND window, int depth) {
    for (HWND child : ChildWindows(window)) {
      std::string found = Find(child, depth);
      if (!found.empty() || unanswered_) return found;
    }
    return {};
  }

  bool unanswered_ = false;
};

struct BrowserSearch {
  std::string address;
};

std::string AddressOfBrowser(HWND window, const BrowserKind& kind) {
  if (kind.reading == AddressReading::EditField) return FindAddressText(window);
  return GetDdeBrowserURL(std::string(kind.ddeServer));
}

// Hidden windows are no browser in front.
BrowserKind KindOfWindow(HWND window) {
  return IsWindowVisible(window) ? BrowserKindOfTitle(Title(window)) : BrowserKind{};
}

BOOL CALLBACK EnumBrowserWindow(HWND window, LPARAM context) {
  const BrowserKind kind = KindOfWindow(window);
  if (kind.reading == AddressReading::NotABrowser) return TRUE;
  reinterpret_cast<BrowserSearch*>(context)->address = AddressOfBrowser(window, kind);
  return FALSE;
}

// Read wide, so that the page's title keeps the letters the code page lacks.
BOOL CALLBACK EnumBrowserPageTitle(HWND window, LPARAM context) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t wide[kTitleChars] = {};
  const int length = GetWindowTextW(window, wide, kTitleChars);
  std::string title;
  AppendUtf8(title, std::wstring_view(wide, length > 0 ? static_cast<size_t>(length) : 0));
  const auto page = PageTitleOfBrowserTitle(title);
  if (!page) return TRUE;
  *reinterpret_cast<std::string*>(context) = *page;
  return FALSE;
}

}  // namespace

std::string GetBrowserURL() {
  BrowserSearch search;
  // EnumWindows reports FALSE also when the callback stopped it; the search result
  // tells all there is to know.
  EnumWindows(EnumBrowserWindow, reinterpret_cast<LPARAM>(&search));
  return search.address;
}

std::string GetBrowserPageTitle() {
  std::string title;
  EnumWindows(EnumBrowserPageTitle, reinterpret_cast<LPARAM>(&title));
  return title;
}

std::string FindAddressText(HWND window) { return FieldSearch().Find(window, 0); }

std::optional<std::string> GetWindowTextByMessage(HWND window) {
  if (!window) return std::string();
  std::vector<char> text(kWindowTextChars, '\0');
  if (!SendMessageTimeoutA(window, WM_GETTEXT, kWindowTextChars,
                           reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           kWindowTextTimeoutMs, nullptr)) {
    return std::nullopt;
  }
  // The count the window reports is not trusted: the buffer was zeroed and is read up to
  // the first zero within it.
  return std::string(text.data(), strnlen(text.data(), text.size()));
}

}  // namespace qm
