#pragma once

#include <functional>
#include <optional>

namespace qm {

// The refresh (Aktualisieren) never runs inside itself. The box of its hotkey
// registration runs a nested message loop, in which a menu pick or a page can ask for
// another refresh; such a request is kept, the last one asked, and runs once when the
// running refresh has ended. While the program is held (its end was asked for, the
// session is ending) a request is only kept.
class RefreshTurn {
 public:
  explicit RefreshTurn(std::function<void(int changedBinding)> refresh)
      : refresh_(std::move(refresh)) {}

  void Request(int changedBinding);
  bool Running() const { return running_; }

  void Hold() { held_ = true; }
  // Runs the request kept while held, if any.
  void Release();

 private:
  std::function<void(int)> refresh_;
  std::optional<int> pending_;
  bool running_ = false;
  bool held_ = false;
};

}  // namespace qm
