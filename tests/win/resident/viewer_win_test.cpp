// The clipboard-viewer chain as the system runs it. That the chain stays whole when the
// program leaves it is the end-to-end test of "&Beenden".
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

}  // namespace
}  // namespace qm
