#include "clipboard/browser_titles.h"

#include <gtest/gtest.h>

#include "clipboard/address_field.h"

namespace qm {
namespace {

const BrowserKind kEditField{AddressReading::EditField, {}};
const BrowserKind kNotABrowser{};

BrowserKind Dde(std::string_view server) { return {AddressReading::Dde, server}; }

BrowserKind Kind(std::string_view title) { return BrowserKindOfTitle(title); }

TEST(BrowserKindOfTitle, InternetExplorerByItsExactTitleEnding) {
  EXPECT_EQ(Kind("Startseite - Microsoft Internet Explorer"), kEditField);
  EXPECT_EQ(Kind(" - Microsoft Internet Explorer"), kEditField);
  EXPECT_EQ(Kind("Startseite - microsoft internet explorer"), kNotABrowser);
  EXPECT_EQ(Kind("Microsoft Internet Explorer - Hilfe"), kNotABrowser);
}

TEST(BrowserKindOfTitle, EditFieldBrowsersByAWordAnywhereInAnyCase) {
  for (const char* title : {"Opera", "Seite - OPERA", "opera.txt - Editor", "Maxthon 2",
                            "x - greenbrowser - y", "Avant Browser", "MULTI-BROWSER"}) {
    EXPECT_EQ(Kind(title), kEditField) << title;
  }
  EXPECT_EQ(Kind("Avant-Browser"), kNotABrowser);
}

TEST(BrowserKindOfTitle, EditFieldRowsComeBeforeTheDdeRows) {
  EXPECT_EQ(Kind("Opera statt Mozilla Firefox"), kEditField);
  EXPECT_EQ(Kind("Netscape mit Maxthon"), kEditField);
}

TEST(BrowserKindOfTitle, FirefoxAndMozillaByTheirExactTitleEnding) {
  EXPECT_EQ(Kind("Startseite - Mozilla Firefox"), Dde("Firefox"));
  EXPECT_EQ(Kind("Startseite - Mozilla"), Dde("Mozilla"));
  EXPECT_EQ(Kind("Startseite - mozilla"), kNotABrowser);
  EXPECT_EQ(Kind("Startseite - Mozilla firefox"), kNotABrowser);
  EXPECT_EQ(Kind("Firefox - Einstellungen"), kNotABrowser);
}

TEST(BrowserKindOfTitle, FirefoxEndingIsTestedBeforeNetscape) {
  EXPECT_EQ(Kind("Netscape-Seite - Mozilla Firefox"), Dde("Firefox"));
}

TEST(BrowserKindOfTitle, NetscapeSixIsTestedBeforeNetscapeInAnyCase) {
  EXPECT_EQ(Kind("Seite - Netscape 6"), Dde("Netscp6"));
  EXPECT_EQ(Kind("NETSCAPE 6.2 - Seite"), Dde("Netscp6"));
  EXPECT_EQ(Kind("Seite - Netscape 7"), Dde("NETSCAPE"));
  EXPECT_EQ(Kind("netscape Navigator"), Dde("NETSCAPE"));
  EXPECT_EQ(Kind("Netscape - Mozilla"), Dde("NETSCAPE"));
}

TEST(BrowserKindOfTitle, OtherTitlesAreNoBrowser) {
  for (const char* title : {"", "Editor", "Quillmar 2.0", "Firefo", "Mozill", "Oper"}) {
    EXPECT_EQ(Kind(title), kNotABrowser) << title;
  }
}

TEST(IsPageAddress, TakesTheThreePrefixesInExactCaseAtTheStart) {
  for (const char* text :
       {"http://a", "https://example.com/x,y", "ftp://server/datei", "http://"}) {
    EXPECT_TRUE(IsPageAddress(text)) << text;
  }
  for (const char* text : {"", "www.example.com", "HTTP://a", "Https://a", " http://a",
                           "file:///C:/x.html", "about:blank", "http:/a"}) {
    EXPECT_FALSE(IsPageAddress(text)) << text;
  }
}

TEST(FieldVisitOfClass, EditIsReadOnlyMozillaIsReadAndSearchedOthersSearched) {
  EXPECT_EQ(FieldVisitOfClass("Edit"), FieldVisit::ReadOnly);
  EXPECT_EQ(FieldVisitOfClass("MozillaWindowClass"), FieldVisit::ReadThenChildren);
  for (const char* name : {"EDIT", "RichEdit20A", "Static", "#32770", "mozillawindowclass", ""}) {
    EXPECT_EQ(FieldVisitOfClass(name), FieldVisit::ChildrenOnly) << name;
  }
}

}  // namespace
}  // namespace qm
