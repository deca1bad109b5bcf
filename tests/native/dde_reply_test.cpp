#include "clipboard/dde_reply.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(DdeReplyAddress, ThreeFieldsGiveTheAddressWithoutQuotes) {
  EXPECT_EQ(DdeReplyAddress(R"("http://example.com/","Beispiel","")"), "http://example.com/");
}

TEST(DdeReplyAddress, CommasInsideTheQuotedAddressAreKept) {
  EXPECT_EQ(DdeReplyAddress(R"("http://example.com/a,b,c","Titel, mit Komma","")"),
            "http://example.com/a,b,c");
}

TEST(DdeReplyAddress, OnlyQuotedCharactersBeforeTheFirstFieldCommaCount) {
  EXPECT_EQ(DdeReplyAddress(R"(  "http://a" ,"Titel")"), "http://a");
  EXPECT_EQ(DdeReplyAddress(R"("http://"x"a/b","Titel")"), "http://a/b");
  EXPECT_EQ(DdeReplyAddress(R"(,"http://a","Titel")"), "");
  EXPECT_EQ(DdeReplyAddress("http://a,b"), "");
}

TEST(DdeReplyAddress, MoreThanFourFieldsStillGiveTheFirst) {
  EXPECT_EQ(DdeReplyAddress(R"("http://a","b","c","d","e","f")"), "http://a");
}

TEST(DdeReplyAddress, AnUnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(DdeReplyAddress(R"("http://a,b)"), "http://a,b");
  // The quote missing after the address makes the commas between the fields its own.
  EXPECT_EQ(DdeReplyAddress(R"("http://a,"Titel","")"), "http://a,,");
}

TEST(DdeReplyAddress, EmptyRepliesAndFieldsGiveEmpty) {
  EXPECT_EQ(DdeReplyAddress(""), "");
  EXPECT_EQ(DdeReplyAddress(R"("","","")"), "");
  EXPECT_EQ(DdeReplyAddress("\""), "");
}

}  // namespace
}  // namespace qm
