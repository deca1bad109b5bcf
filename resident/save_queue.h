#pragma once

#include <functional>
#include <vector>

namespace qm {

// Saves never nest. A save's message box runs a nested message loop, so a hotkey or a
// clipboard change can arrive while the save is still open; such a request is
// remembered (once per action) and run as soon as the running save has ended.
class SaveQueue {
 public:
  explicit SaveQueue(std::function<void(int action)> save) : save_(std::move(save)) {}

  void Request(int action);
  bool Running() const { return running_; }

 private:
  std::function<void(int)> save_;
  bool running_ = false;
  std::vector<int> pending_;
};

}  // namespace qm
