#pragma once

#include <ostream>
#include <vector>

#include "resident/message_box.h"
#include "save/save_ports.h"

namespace qm {

// Readable failure output for the recorded requests.
void PrintTo(const MessageRequest& request, std::ostream* out);
void PrintTo(const NoticeRequest& request, std::ostream* out);

}  // namespace qm

namespace qm::test {

// Message boxes and the save notice, recorded instead of shown.
class RecordingMessageBoxes : public MessageBoxes {
 public:
  void Show(const MessageRequest& request) override { shown.push_back(request); }
  std::vector<MessageRequest> shown;
};

class RecordingSignals : public SaveSignals {
 public:
  void Beep() override { ++beeps; }
  void ShowNotice(const NoticeRequest& request) override { notices.push_back(request); }
  int beeps = 0;
  std::vector<NoticeRequest> notices;
};

}  // namespace qm::test
