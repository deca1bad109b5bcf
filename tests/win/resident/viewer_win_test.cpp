// The clipboard-viewer chain as the system runs it.
#include <gtest/gtest.h>

#include "tests/win/support/win_support.h"

namespace qm {
namespace {

TEST(ViewerWin, JoiningNeverCountsWhatIsOnTheClipboardAlready) {
  test::SetClipboardText("schon da");
  test::ChainViewer ours;
  ASSERT_GT(ours.notices, 0) << "the system notifies a new member at once";
  EXPECT_FALSE(ours.link.IsNewContent());
  ours.Copy({{CF_TEXT, std::string("neu", 4)}});
  EXPECT_TRUE(ours.link.IsNewContent());
  EXPECT_FALSE(ours.link.IsNewContent()) << "one change counts once";
}

TEST(ViewerWin, AViewerThatJoinedEarlierHearsOfChangesAfterWeLeft) {
  test::ChainViewer other;
  { const test::ChainViewer ours; }
  other.Copy({{CF_TEXT, std::string("danach", 7)}});
}

}  // namespace
}  // namespace qm
