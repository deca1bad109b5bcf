#pragma once

#include <windows.h>

namespace qm {

// A COM interface pointer that is released when it goes out of scope; `pointer` is
// filled by the call that hands it out.
template <typename Interface>
struct Released {
  Interface* pointer = nullptr;
  Released() = default;
  Released(const Released&) = delete;
  Released& operator=(const Released&) = delete;
  ~Released() {
    if (pointer) pointer->Release();
  }
  Interface* operator->() const { return pointer; }
  void** Out() { return reinterpret_cast<void**>(&pointer); }
};

}  // namespace qm
