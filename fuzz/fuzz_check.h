#pragma once

#include <cstdio>
#include <cstdlib>

namespace qm::fuzz {

// A broken promise of the code under test: reported like a crash, so libFuzzer keeps
// the input that shows it.
inline void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", promise);
  std::abort();
}

}  // namespace qm::fuzz
