#include "resident/save_queue.h"

#include <algorithm>

namespace qm {

void SaveQueue::Request(int action) {
  if (running_) {
    if (std::find(pending_.begin(), pending_.end(), action) == pending_.end()) {
      pending_.push_back(action);
    }
    return;
  }
  running_ = true;
  struct ResetOnExit {
    bool& flag;
    ~ResetOnExit() { flag = false; }
  } reset{running_};
  save_(action);
  while (!pending_.empty()) {
    const int next = pending_.front();
    pending_.erase(pending_.begin());
    save_(next);
  }
}

}  // namespace qm
