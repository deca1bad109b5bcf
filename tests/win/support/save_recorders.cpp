#include "tests/win/support/save_recorders.h"

#include <gtest/gtest.h>

namespace qm {

void PrintTo(const MessageRequest& request, std::ostream* out) {
  *out << ::testing::PrintToString(request.title) << ", " << ::testing::PrintToString(request.text)
       << ", icon " << static_cast<int>(request.icon)
       << (request.systemModal ? ", system-modal" : "");
}

void PrintTo(const NoticeRequest& request, std::ostream* out) {
  *out << ::testing::PrintToString(request.text) << " " << request.fontSizePt << " pt, top "
       << request.labelTopTwips << ", " << request.intervalMs << " ms";
}

}  // namespace qm
