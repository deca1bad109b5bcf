#pragma once

namespace qm {

// Marks a flag for the span of one run and clears it on the way out, also when the run
// throws, so that what never nests is free again afterwards.
class RunningSpan {
 public:
  explicit RunningSpan(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningSpan() { flag_ = false; }
  RunningSpan(const RunningSpan&) = delete;
  RunningSpan& operator=(const RunningSpan&) = delete;

 private:
  bool& flag_;
};

}  // namespace qm
