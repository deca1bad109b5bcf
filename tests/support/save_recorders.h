#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "save/save_ports.h"
#include "ui/message_box.h"

namespace qm {

// Readable failure output for the recorded requests.
void PrintTo(const MessageRequest& request, std::ostream* out);
void PrintTo(const NoticeRequest& request, std::ostream* out);

}  // namespace qm

namespace qm::test {

// Message boxes and the save notice, recorded instead of shown; used by the native
// tests and by the tests under Wine alike.
class RecordingMessageBoxes : public MessageBoxes {
 public:
  void Show(const MessageRequest& request) override { shown.push_back(request); }
  std::vector<MessageRequest> shown;
};

class RecordingSignals : public SaveSignals {
 public:
  void Beep() override { order.push_back("beep"); }
  void ShowNotice(const NoticeRequest& request) override {
    order.push_back("notice");
    notices.push_back(request);
  }
  long Beeps() const { return std::count(order.begin(), order.end(), "beep"); }

  std::vector<std::string> order;  // "beep" and "notice", as they happened
  std::vector<NoticeRequest> notices;
};

}  // namespace qm::test
