#include "resident/save_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

// Records when each save starts and ends; the first save receives further requests
// while it runs, as a hotkey or clipboard change during its message box would.
struct SaveLog {
  std::vector<std::string> events;
  std::vector<int> requestsDuringFirst;
  SaveQueue queue{[this](int action) { Save(action); }};

  void Save(int action) {
    events.push_back("start " + std::to_string(action));
    if (events.size() == 1) {
      for (int request : requestsDuringFirst) queue.Request(request);
    }
    events.push_back("end " + std::to_string(action));
  }
};

TEST(SaveQueue, RequestsDuringASaveRunAfterItEndsNeverInside) {
  SaveLog log;
  log.requestsDuringFirst = {2, 3};
  log.queue.Request(1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"start 1", "end 1", "start 2", "end 2",
                                                  "start 3", "end 3"}));
  EXPECT_FALSE(log.queue.Running());
}

TEST(SaveQueue, TheSameActionRequestedRepeatedlyDuringASaveRunsOnce) {
  SaveLog log;
  log.requestsDuringFirst = {7, 7, 7};
  log.queue.Request(1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"start 1", "end 1", "start 7", "end 7"}));
}

TEST(SaveQueue, AnActionRequestedAgainWhileItRunsIsRunAgainAfterwards) {
  SaveLog log;
  log.requestsDuringFirst = {1};
  log.queue.Request(1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"start 1", "end 1", "start 1", "end 1"}));
}

TEST(SaveQueue, IsFreeAgainWhenASaveThrows) {
  bool fail = true;
  int saves = 0;
  SaveQueue queue([&](int) {
    ++saves;
    if (fail) throw std::runtime_error("disk gone");
  });
  EXPECT_THROW(queue.Request(1), std::runtime_error);
  EXPECT_FALSE(queue.Running());
  fail = false;
  queue.Request(2);
  EXPECT_EQ(saves, 2);
}

}  // namespace
}  // namespace qm
