#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// One window made from a dialog template of the program's resources, modeless or
// modal. The class binds itself to the window at WM_INITDIALOG and dispatches to
// HandleMessage, under the one policy of ui/message_guard_win.h; a message it leaves
// unhandled (FALSE) gets the dialog manager's default handling. Modeless dialogs enrol
// for the keyboard interface.
//
// A window is destroyed while its object is whole: by the object itself (Destroy, or
// EndModal), or by DestroyAll in the program's end path, before the message loop ends.
// A window that still exists when its object goes is cut loose from it first, so no
// message of its destruction reaches an object whose derived part is already gone.
class Dialog {
 public:
  Dialog() = default;
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  HWND Handle() const { return window_; }

  // Destroys every dialog that is open, each with its own handling of the end.
  static void DestroyAll();

 protected:
  // Creates the dialog; false when the system refuses it.
  bool CreateModeless(HINSTANCE instance, int templateId, HWND parent);
  void Destroy();
  // Shows the dialog and returns when EndModal has ended it.
  void RunModal(HINSTANCE instance, int templateId, HWND owner);
  void EndModal();

  // The dialog procedure's answer: TRUE when the message was handled.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // After the window is gone (by Destroy or by the system).
  virtual void OnDestroyed() {}

  HWND Item(int id) const { return GetDlgItem(window_, id); }
  void ShowItem(int id, bool shown) const;
  void EnableItem(int id, bool enabled) const;

  HWND window_ = nullptr;

 private:
  bool modal_ = false;

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// UI text is UTF-16; data (names, paths, settings values) is ANSI. These convert at
// the edge of a control, strictly: text with a character the code page lacks reads as
// empty here, for what is only shown or compared.
std::wstring ItemText(HWND dialog, int id);
std::string ItemAnsi(HWND dialog, int id);
void SetItemAnsi(HWND dialog, int id, const std::string& text);

// Text the user typed or picked, to be stored: nothing, after a box owned by `owner`
// that says why, when the code page lacks one of its characters or when the settings
// file could not read back more than `longest` characters of it.
std::optional<std::string> StorableAnsi(HWND owner, std::wstring_view text, std::size_t longest,
                                        std::wstring_view field);
std::optional<std::string> StorableItem(HWND dialog, int id, std::size_t longest,
                                        std::wstring_view field);

// Drop-down lists of ANSI entries: fill, read the shown entry, show an entry.
void FillList(HWND dialog, int id, const std::vector<std::string>& entries);
std::string ListText(HWND dialog, int id);
void SelectListText(HWND dialog, int id, const std::string& text);

bool IsTicked(HWND dialog, int id);
void SetTicked(HWND dialog, int id, bool ticked);

}  // namespace qm
