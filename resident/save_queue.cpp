#include "resident/save_queue.h"

#include <algorithm>
#include <exception>

#include "resident/running_span.h"

namespace qm {

void SaveQueue::Request(int action) {
  if (held_) return;
  if (running_) {
    if (std::find(pending_.begin(), pending_.end(), action) == pending_.end()) {
      pending_.push_back(action);
    }
    return;
  }
  const RunningSpan span(running_);
  Run(action);
  while (!pending_.empty()) {
    const int next = pending_.front();
    pending_.erase(pending_.begin());
    Run(next);
  }
}

void SaveQueue::Hold(bool held) {
  held_ = held;
  pending_.clear();
}

void SaveQueue::Run(int action) {
  try {
    save_(action);
  } catch (const std::exception& failure) {
    failed_(failure.what());
  } catch (...) {
    failed_("");
  }
}

}  // namespace qm
