#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace qm {

// Saves never nest. A save's message box runs a nested message loop, so a hotkey or a
// clipboard change can arrive while the save is still open; such a request is
// remembered (once per action) and run as soon as the running save has ended. A save
// that throws is reported through `failed` with what it threw, and the requests made
// meanwhile still run, now: none is left behind to start at some later request.
class SaveQueue {
 public:
  SaveQueue(std::function<void(int action)> save, std::function<void(std::string_view what)> failed)
      : save_(std::move(save)), failed_(std::move(failed)) {}

  void Request(int action);
  bool Running() const { return running_; }

  // While the program is held (its end was asked for, the session is ending) a running
  // save finishes, but no other starts; released, the program runs those asked for.
  void Hold(bool held);

 private:
  void RunPending();
  void Run(int action);

  std::function<void(int)> save_;
  std::function<void(std::string_view)> failed_;
  bool running_ = false;
  bool held_ = false;
  std::vector<int> pending_;
};

}  // namespace qm
