#include "clipboard/browser_address_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clipboard/dde_client_win.h"
#include "tests/win/support/browser_helpers.h"

namespace qm {
namespace {

using test::HelperDdeServer;
using test::HelperWindow;
using test::WindowState;

const char kExplorer[] = "Startseite - Microsoft Internet Explorer";
const char kDdeReply[] = R"("http://example.com/a,b","Beispiel, mit Komma","")";

// Only a guard against a search that hangs: a call that answers at all answers within
// about two seconds.
constexpr ULONGLONG kHangGuardMs = 6000;

BOOL CALLBACK CollectTitle(HWND window, LPARAM titles) {
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  reinterpret_cast<std::vector<std::string>*>(titles)->push_back(title);
  return TRUE;
}

// Where a title stands in the window stack, 0 for the top; fails the test when absent.
size_t StackPosition(const std::string& title) {
  std::vector<std::string> titles;
  EnumWindows(CollectTitle, reinterpret_cast<LPARAM>(&titles));
  const auto found = std::find(titles.begin(), titles.end(), title);
  EXPECT_NE(found, titles.end()) << title << " is not a top-level window";
  return static_cast<size_t>(found - titles.begin());
}

// The result of `call` and how long it took.
template <typename Call>
std::pair<std::string, ULONGLONG> Timed(Call call) {
  const ULONGLONG start = GetTickCount64();
  std::string result = call();
  return {result, GetTickCount64() - start};
}

TEST(GetBrowserURL, TheHigherOfTwoBrowserWindowsDecides) {
  const HelperWindow lower(kExplorer, {"Edit=http://unten.example/"});
  const HelperWindow upper("Seite - Opera", {"Edit=https://oben.example/"});
  ASSERT_LT(StackPosition("Seite - Opera"), StackPosition(kExplorer));
  EXPECT_EQ(GetBrowserURL(), "https://oben.example/");
}

TEST(GetBrowserURL, WindowsThatAreNoBrowserOrHiddenAreSkipped) {
  const HelperWindow browser(kExplorer, {"Edit=http://sichtbar.example/"});
  const HelperWindow editor("notiz.txt - Editor", {"Edit=http://editor.example/"});
  const HelperWindow hidden("Versteckt - Microsoft Internet Explorer",
                            {"Edit=http://versteckt.example/"}, WindowState::Hidden);
  ASSERT_LT(StackPosition("Versteckt - Microsoft Internet Explorer"), StackPosition(kExplorer));
  EXPECT_EQ(GetBrowserURL(), "http://sichtbar.example/");
}

TEST(GetBrowserURL, TheTopBrowserDecidesEvenWithoutAnAddress) {
  const HelperWindow lower(kExplorer, {"Edit=http://unten.example/"});
  const HelperWindow upper("Seite - Maxthon", {"Edit=keine Adresse"});
  EXPECT_EQ(GetBrowserURL(), "");
}

TEST(GetBrowserURL, NoBrowserWindowGivesEmpty) {
  const HelperWindow editor("notiz.txt - Editor", {"Edit=http://editor.example/"});
  EXPECT_EQ(GetBrowserURL(), "");
}

// Which title belongs to which server is the native title tests' business; the second
// server is there so that asking the wrong one shows.
TEST(GetBrowserURL, ADdeBrowserTitleAsksTheServerOfItsRow) {
  const HelperDdeServer firefox("Firefox", kDdeReply);
  const HelperDdeServer mozilla("Mozilla", R"("ftp://mozilla.example/","Mozilla","")");
  const HelperWindow window("Beispiel - Mozilla Firefox", {});
  EXPECT_EQ(GetBrowserURL(), "http://example.com/a,b");
}

TEST(GetBrowserURL, ADdeBrowserWithoutItsServerGivesEmpty) {
  const HelperDdeServer firefox("Firefox", kDdeReply);
  const HelperWindow window("Seite - Netscape 6", {});
  EXPECT_EQ(GetBrowserURL(), "");
}

TEST(FindAddressText, SkipsFieldsWithoutAnAddressAndNeverLooksBelowAnEdit) {
  const HelperWindow window(kExplorer,
                            {"Edit=www.ohne-praefix.example", ">Edit=http://unter.example/",
                             "Static=", ">Edit=Suchbegriff", ">Edit=ftp://treffer.example/",
                             "Edit=http://zu-spaet.example/"});
  EXPECT_EQ(GetBrowserURL(), "ftp://treffer.example/");
}

TEST(FindAddressText, AMozillaWindowHoldsTheAddressOrTheWindowsInsideItDo) {
  {
    const HelperWindow window("Seite - Avant Browser",
                              {"MozillaWindowClass=https://selbst.example/"});
    EXPECT_EQ(GetBrowserURL(), "https://selbst.example/");
  }
  const HelperWindow window(
      "Seite - Avant Browser",
      {"MozillaWindowClass=Titel", ">MozillaWindowClass=", ">>Edit=http://innen.example/"});
  EXPECT_EQ(GetBrowserURL(), "http://innen.example/");
}

TEST(FindAddressText, ABrowserThatHangsGivesEmptyWithoutWaitingForIt) {
  const HelperWindow window(kExplorer, {"Edit=http://haengt.example/"}, WindowState::Hung);
  const auto [address, elapsedMs] = Timed(GetBrowserURL);
  EXPECT_EQ(address, "");
  EXPECT_LT(elapsedMs, kHangGuardMs);
}

TEST(GetDdeBrowserURL, AServerThatDoesNotAnswerInTimeGivesEmpty) {
  const HelperDdeServer slow("Firefox", kDdeReply, 4000);
  const auto [address, elapsedMs] = Timed([] { return GetDdeBrowserURL("Firefox"); });
  EXPECT_EQ(address, "");
  EXPECT_LT(elapsedMs, kHangGuardMs);
}

// The connect asks the caller's own top-level windows too, such as the hidden resident
// window; a caller that only waited would hold its own conversation up.
TEST(GetDdeBrowserURL, ACallerWithWindowsOfItsOwnGetsTheAnswer) {
  const HelperDdeServer firefox("Firefox", kDdeReply);
  HWND own = CreateWindowExW(0, L"STATIC", L"Quillmar 2.0", WS_POPUP, 0, 0, 10, 10, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(own, nullptr) << GetLastError();
  EXPECT_EQ(GetDdeBrowserURL("Firefox"), "http://example.com/a,b");
  DestroyWindow(own);
}

// DdeConnect waits for a window that has just stopped handling messages (under Wine
// until it handles them again); the system skips it once it counts it as hung, after
// five seconds. Until then each call gives up at its bound.
TEST(GetDdeBrowserURL, AWindowThatHangsDelaysTheAnswerOnlyUntilItCountsAsHung) {
  const HelperDdeServer firefox("Firefox", kDdeReply);
  const HelperWindow hung("Editor", {}, WindowState::Hung);
  constexpr int kCallsCoveringFiveSeconds = 5;
  for (int call = 0; call < kCallsCoveringFiveSeconds; ++call) {
    const auto [address, elapsedMs] = Timed([] { return GetDdeBrowserURL("Firefox"); });
    EXPECT_LT(elapsedMs, kHangGuardMs);
    if (!address.empty()) {
      EXPECT_EQ(address, "http://example.com/a,b");
      return;
    }
  }
  ADD_FAILURE() << "no address even after the window counted as hung";
}

}  // namespace
}  // namespace qm
