#include "resident/refresh_turn.h"

#include "resident/running_span.h"

namespace qm {

void RefreshTurn::Request(int changedBinding) {
  pending_ = changedBinding;
  if (running_ || held_) return;
  const RunningSpan span(running_);
  while (pending_ && !held_) {
    const int next = *pending_;
    pending_.reset();
    refresh_(next);
  }
}

void RefreshTurn::Release() {
  held_ = false;
  if (pending_) Request(*pending_);
}

}  // namespace qm
