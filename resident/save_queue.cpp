#include "resident/save_queue.h"

#include <algorithm>
#include <exception>

#include "resident/running_span.h"

namespace qm {

void SaveQueue::Request(int action) {
  if (std::find(pending_.begin(), pending_.end(), action) == pending_.end()) {
    pending_.push_back(action);
  }
  RunPending();
}

void SaveQueue::Hold(bool held) {
  held_ = held;
  RunPending();
}

void SaveQueue::RunPending() {
  if (running_ || held_) return;
  const RunningSpan span(running_);
  while (!pending_.empty() && !held_) {
    const int next = pending_.front();
    pending_.erase(pending_.begin());
    Run(next);
  }
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
