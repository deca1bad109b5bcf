// The address of the page in the browser: the window stack, the fields of other
// programs' windows, hung windows and DDE servers, each bounded.
#include <gtest/gtest.h>

#include "clipboard/browser_address_win.h"
#include "clipboard/dde_client_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using test::Helper;

const char kExplorer[] = "Start - Microsoft Internet Explorer";
const char kReply[] = R"("http://example.com/a,b","Beispiel, mit Komma","")";

// Only a guard against a search that hangs; an answer at all comes within two seconds.
constexpr ULONGLONG kHangGuardMs = 6000;

template <typename Call>
std::string WithinGuard(Call call) {
  const ULONGLONG start = GetTickCount64();
  std::string result = call();
  EXPECT_LT(GetTickCount64() - start, kHangGuardMs);
  return result;
}

TEST(BrowserWin, TheHighestVisibleBrowserWindowDecides) {
  const Helper lower({"window", kExplorer, "Edit=http://unten.example/"});
  const Helper hidden({"window", "Versteckt - Opera", "--hidden", "Edit=http://versteckt.example/"});
  const Helper editor({"window", "notiz.txt - Editor", "Edit=http://editor.example/"});
  EXPECT_EQ(GetBrowserURL(), "http://unten.example/");
  const Helper upper({"window", "Seite - Maxthon", "Edit=keine Adresse"});
  EXPECT_EQ(GetBrowserURL(), "");
}

TEST(BrowserWin, TheFirstAddressFieldDepthFirstCountsButNothingBelowAnEdit) {
  const Helper window({"window", kExplorer, "Edit=www.ohne.example", ">Edit=http://unter.example/", "Static=",
                       ">Edit=Suche", ">MozillaWindowClass=", ">>Edit=ftp://treffer.example/",
                       "Edit=http://spaet.example/"});
  EXPECT_EQ(GetBrowserURL(), "ftp://treffer.example/");
}

TEST(BrowserWin, AHungBrowserGivesNoAddressWithoutWaitingForIt) {
  const Helper window({"window", kExplorer, "--hung", "Edit=http://haengt.example/"});
  EXPECT_EQ(WithinGuard(GetBrowserURL), "");
}

TEST(BrowserWin, ADdeBrowserTitleAsksItsOwnServer) {
  const Helper firefox({"dde", "Firefox", kReply});
  const Helper mozilla({"dde", "Mozilla", R"("ftp://mozilla.example/","M","")"});
  const Helper window({"window", "Beispiel - Mozilla Firefox"});
  EXPECT_EQ(GetBrowserURL(), "http://example.com/a,b");
}

TEST(BrowserWin, ASlowDdeServerGivesNoAddressAtTheBound) {
  const Helper slow({"dde", "Firefox", kReply, "4000"});
  EXPECT_EQ(WithinGuard([] { return GetDdeBrowserURL("Firefox"); }), "");
}

// A window that has just stopped handling messages holds DdeConnect up until the
// system counts it as hung (five seconds); until then each call gives up at its bound.
TEST(BrowserWin, AHungWindowDelaysDdeOnlyUntilItCountsAsHung) {
  const Helper firefox({"dde", "Firefox", kReply});
  const Helper hung({"window", "Editor", "--hung"});
  std::string address;
  for (int call = 0; call < 5 && address.empty(); ++call) {
    address = WithinGuard([] { return GetDdeBrowserURL("Firefox"); });
  }
  EXPECT_EQ(address, "http://example.com/a,b");
}

}  // namespace
}  // namespace qm
