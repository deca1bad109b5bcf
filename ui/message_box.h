#pragma once

#include <string>

namespace qm {

enum class MessageIcon { Information, Exclamation, Critical, Question, None };
// YesNo questions have No as their default button: Enter must never confirm a change.
enum class MessageButtons { Ok, YesNo };

// One modal message box: the program's own German title and text, its icon and
// buttons. Every box of the program goes through MessageBoxes so tests can record them.
struct MessageRequest {
  std::wstring title;
  std::wstring text;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  bool systemModal = false;

  bool operator==(const MessageRequest&) const = default;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const MessageRequest& request) = 0;
  // A Yes/No question; true when the user answers Yes. A recorder that does not answer
  // questions says No, the answer that changes nothing.
  virtual bool Ask(const MessageRequest& request) {
    Show(request);
    return false;
  }
};

// The application's title, used by boxes that have no title of their own.
inline constexpr const wchar_t* kAppTitle = L"Quillmar 2.0";

}  // namespace qm
