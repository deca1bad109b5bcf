#include "options/hotkeys_page_win.h"

#include <array>
#include <utility>

#include "options/hotkey_fields.h"
#include "options/hotkey_listing.h"
#include "options/options_ids.h"
#include "settings/hotkeys.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

// One row of the page: the first of its control ids and its hotkey id.
struct HotkeysPage::Row {
  int base;
  int hotkeyId;

  int Field(int offset) const { return base + offset; }
};

namespace {

constexpr std::array<HotkeysPage::Row, 3> kRows{{{IDC_HK_TRAY, kHotkeyTrayMenu},
                                                 {IDC_HK_AUT, kHotkeyAutomatic},
                                                 {IDC_HK_STAN, kHotkeyStandard}}};

MessageRequest SavedMessage() {
  MessageRequest request{L"Hotkey gespeichert",
                         L"Falls keine Fehlermeldung erschien, wurde der von \r\nIhnen angegebene "
                         L"Hotkey erfolgreich gespeichert.",
                         MessageIcon::Information, MessageButtons::Ok};
  request.systemModal = true;
  return request;
}

}  // namespace

HotkeysPage::HotkeysPage(HINSTANCE instance, SettingsStore& settings, ResidentCommands& resident)
    : instance_(instance), settings_(settings), resident_(resident) {}

bool HotkeysPage::Create(HWND parent) { return CreateModeless(instance_, IDD_HOTKEYS, parent); }

INT_PTR HotkeysPage::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      for (const Row& row : kRows) {
        FillList(window_, row.Field(IDC_HK_SHIFT1), ModifierEntries());
        FillList(window_, row.Field(IDC_HK_SHIFT2), ModifierEntries());
        FillList(window_, row.Field(IDC_HK_KEY), KeyEntries());
      }
      return TRUE;  // the selection of the tab, which made the page, fills the rows
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void HotkeysPage::Refill() {
  const unsigned heldBefore = settings_.ReadsFoundHeld().count;
  std::array<HotkeyText, kRows.size()> hotkeys;
  for (size_t at = 0; at < kRows.size(); ++at) {
    hotkeys[at] = ReadHotkey(settings_, BindingOf(kRows[at].hotkeyId));
  }
  // A held file reads as no hotkeys at all: the rows would show none where the user
  // has one.
  if (ToldUnread(heldBefore)) return;
  for (size_t at = 0; at < kRows.size(); ++at) {
    const Row& row = kRows[at];
    const HotkeyText& stored = hotkeys[at];
    SelectListText(window_, row.Field(IDC_HK_SHIFT1), FieldText(stored.a, ModifierEntries()));
    SelectListText(window_, row.Field(IDC_HK_SHIFT2), FieldText(stored.b, ModifierEntries()));
    SelectListText(window_, row.Field(IDC_HK_KEY), FieldText(stored.c, KeyEntries()));
  }
}

void HotkeysPage::OnCommand(int id, int code) {
  if (id == IDC_HK_LIST) {
    cmdHotkeys_Click();
    return;
  }
  if (id == IDCANCEL) {
    resident_.HideSettingsWindow();
    return;
  }
  for (const Row& row : kRows) {
    const int first = row.Field(IDC_HK_SHIFT1);
    const int second = row.Field(IDC_HK_SHIFT2);
    // The same modifier twice means nothing more: the field left goes back to none.
    if (code == CBN_KILLFOCUS && (id == first || id == second)) {
      const int other = id == first ? second : first;
      if (ListText(window_, id) == ListText(window_, other)) {
        SelectListText(window_, id, std::string(kNoHotkeyField));
      }
    }
    if (id == row.Field(IDC_HK_AKTIVIEREN)) cmdAktivieren_Click(row);
  }
}

void HotkeysPage::cmdAktivieren_Click(const Row& row) {
  const HotkeyText fields{ListText(window_, row.Field(IDC_HK_SHIFT1)),
                          ListText(window_, row.Field(IDC_HK_SHIFT2)),
                          ListText(window_, row.Field(IDC_HK_KEY))};
  WinMessageBoxes messages(window_);
  if (const auto problem = HotkeyProblem(fields)) {
    messages.Show(*problem);
    return;
  }
  resident_.UnregisterHotkey(row.hotkeyId);
  std::optional<WriteFailure> failure;
  if (fields.c != kNoHotkeyField) {
    const HotkeyBinding binding = BindingOf(row.hotkeyId);
    failure = WriteAll(settings_, binding.section,
                       {{binding.keyA, StoredPart(fields.a)},
                        {binding.keyB, StoredPart(fields.b)},
                        {binding.keyC, fields.c}});
  }
  // Also after a failure: the hotkeys registered are again those the file holds.
  resident_.Aktualisieren(failure ? 0 : row.hotkeyId);
  messages.Show(failure ? SettingsWriteFailedMessage(*failure) : SavedMessage());
}

void HotkeysPage::cmdHotkeys_Click() {
  const unsigned heldBefore = settings_.ReadsFoundHeld().count;
  std::wstring listing = HotkeyListing(settings_);
  if (ToldUnread(heldBefore)) return;
  WinMessageBoxes(window_).Show(
      {L"Definierte Hotkeys", std::move(listing), MessageIcon::None, MessageButtons::Ok});
}

// Whether a read since `heldBefore` found the settings file held; the user is told.
bool HotkeysPage::ToldUnread(unsigned heldBefore) {
  const std::optional<WriteFailure> held = HeldSince(settings_, heldBefore);
  if (held) WinMessageBoxes(window_).Show(SettingsUnreadMessage(*held));
  return held.has_value();
}

}  // namespace qm
