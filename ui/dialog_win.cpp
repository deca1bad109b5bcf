#include "ui/dialog_win.h"

#include <variant>

#include "settings/ansi_text.h"
#include "ui/message_box_win.h"
#include "ui/message_guard_win.h"
#include "ui/modeless_dialogs_win.h"
#include "ui/settings_input.h"

namespace qm {

Dialog::~Dialog() {
  if (!window_) return;
  SetWindowLongPtrW(window_, DWLP_USER, 0);
  WithdrawDialog(window_);
  DestroyWindow(window_);
}

void Dialog::DestroyAll() {
  for (HWND dialog : EnrolledDialogs()) {
    if (IsWindow(dialog)) DestroyWindow(dialog);
  }
}

bool Dialog::CreateModeless(HINSTANCE instance, int templateId, HWND parent) {
  if (window_) return true;
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::Destroy() {
  if (window_) DestroyWindow(window_);
}

void Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = true;
  DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, DialogProc,
                  reinterpret_cast<LPARAM>(this));
  modal_ = false;
}

void Dialog::EndModal() {
  if (window_) EndDialog(window_, 0);
}

void Dialog::ShowItem(int id, bool shown) const { ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE); }

void Dialog::EnableItem(int id, bool enabled) const { EnableWindow(Item(id), enabled); }

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
    // A modal dialog has a message loop of its own.
    if (!self->modal_) EnrolDialog(window);
  }
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  const INT_PTR result = AnswerGuarded(
      message, [&] { return self->HandleMessage(message, wParam, lParam); },
      [] { return INT_PTR{FALSE}; });
  if (message == WM_NCDESTROY) {
    WithdrawDialog(window);
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
    AnswerGuarded(
        message, [&] { self->OnDestroyed(); }, [] {});
  }
  return result;
}

std::wstring ItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), length + 1)));
  return text;
}

std::string ItemAnsi(HWND dialog, int id) { return NarrowAnsi(ItemText(dialog, id)); }

std::optional<std::string> StorableAnsi(HWND owner, std::wstring_view text, std::size_t longest,
                                        std::wstring_view field) {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
  auto storable = StorableText(units, longest, field);
  if (auto* ansi = std::get_if<std::string>(&storable)) return std::move(*ansi);
  ShowMessageBox(owner, std::get<MessageRequest>(storable));
  return std::nullopt;
}

std::optional<std::string> StorableItem(HWND dialog, int id, std::size_t longest,
                                        std::wstring_view field) {
  return StorableAnsi(dialog, ItemText(dialog, id), longest, field);
}

void SetItemAnsi(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextW(dialog, id, WidenAnsi(text).c_str());
}

void FillList(HWND dialog, int id, const std::vector<std::string>& entries) {
  SendDlgItemMessageW(dialog, id, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(WidenAnsi(entry).c_str()));
  }
}

std::string ListText(HWND dialog, int id) { return ItemAnsi(dialog, id); }

void SelectListText(HWND dialog, int id, const std::string& text) {
  const LRESULT index = SendDlgItemMessageW(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(WidenAnsi(text).c_str()));
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool IsTicked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetTicked(HWND dialog, int id, bool ticked) {
  CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace qm
