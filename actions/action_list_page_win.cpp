#include "actions/action_list_page_win.h"

#include "actions/action_ids.h"
#include "actions/editor_rules.h"
#include "actions/help_win.h"
#include "save/shell_opener_win.h"
#include "settings/action_cache.h"
#include "settings/ansi_text.h"
#include "settings/method_icons.h"
#include "settings/settings_file_win.h"
#include "ui/common_controls_win.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

namespace {

// The list images, one per method, in the order of SaveMethod.
constexpr const char* kImageMethods[] = {"bilder", "extradatei", "gleichedatei", "dateiundordner1",
                                         "extradatei1"};

int ImageOf(const std::string& aktion) { return static_cast<int>(ParseMethod(aktion).method); }

}  // namespace

ActionListPage::ActionListPage(HINSTANCE instance, SettingsStore& settings,
                               ResidentCommands& resident)
    : instance_(instance),
      settings_(settings),
      resident_(resident),
      editor_(instance, settings, resident, [this](bool wasNew) { OnEditorClosed(wasNew); }),
      about_(instance) {}

ActionListPage::~ActionListPage() {
  Destroy();
  DeleteImageList(images_);
}

bool ActionListPage::Create(HWND parent) {
  if (!CreateModeless(instance_, IDD_ACTION_LIST, parent)) return false;
  LoadImages();
  Fill();
  return true;
}

void ActionListPage::LoadImages() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  images_ = NewImageList(size, static_cast<int>(std::size(kImageMethods)));
  if (!images_) return;
  for (const char* method : kImageMethods) {
    const std::string file = ProgramFolder() + IconFilesFor(method).tray;
    auto icon = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    AddToImageList(images_, icon, size);
    if (icon) DestroyIcon(icon);
  }
  TreeView_SetImageList(Item(IDC_LIST_TREE), images_, TVSIL_NORMAL);
}

void ActionListPage::Fill() {
  if (!window_) return;
  HWND tree = Item(IDC_LIST_TREE);
  TreeView_DeleteAllItems(tree);
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string section = ActionSection(n);
    if (settings_.Read(section, "Aktiviert") != "ja") continue;
    std::wstring name = WidenAnsi(settings_.Read(section, "Name"));
    const int image = ImageOf(settings_.Read(section, "Aktion"));
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = name.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = n;
    TreeView_InsertItem(tree, &insert);
  }
}

INT_PTR ActionListPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_LIST_TREE &&
          (header->code == NM_CLICK || header->code == TVN_SELCHANGEDW)) {
        EnableItem(IDC_LIST_BEARBEITEN, true);
      }
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void ActionListPage::OnCommand(int id) {
  switch (id) {
    case IDC_LIST_NEU:
      cmdNeu_Click();
      break;
    case IDC_LIST_BEARBEITEN:
      cmdBearbeiten_Click();
      break;
    case IDC_LIST_LOESCHEN:
      cmdLoeschen_Click();
      break;
    case IDC_LIST_STANDARD:
      cmdStandard_Click();
      break;
    case IDC_LIST_HILFE: {
      WinMessageBoxes messages(window_);
      OpenHelp(window_, messages);
      break;
    }
    case IDCANCEL:
    case IDC_LIST_MINIMIEREN:
      resident_.HideSettingsWindow();
      break;
    case IDC_LIST_INFO:
      about_.Open(GetAncestor(window_, GA_ROOT));
      break;
    case IDC_LIST_IMPORT:
      cmdEinstellungen_Click();
      break;
    default:
      break;
  }
}

void ActionListPage::cmdNeu_Click() {
  // One editor at a time: an open one only comes to the front.
  if (editor_.Handle()) {
    editor_.Open(GetAncestor(window_, GA_ROOT), std::nullopt);
    return;
  }
  if (EntryCount() >= kActionCount) {
    ShowMessage(L"Zu viele Aktionen",
                L"Die Einrichtung weiterer Aktionen ist nicht mehr möglich. Die Zahl der Aktionen "
                L"beträgt maximal 20.");
    return;
  }
  // A disabled "&Neu" keeps a second new action from being started meanwhile.
  EnableItem(IDC_LIST_NEU, false);
  EnableItem(IDC_LIST_LOESCHEN, true);
  editor_.Open(GetAncestor(window_, GA_ROOT), std::nullopt);
}

void ActionListPage::cmdBearbeiten_Click() {
  const auto entry = SelectedEntry();
  if (!entry) {
    ShowMessage(L"Bearbeiten nicht möglich", L"Es ist kein Eintrag zum Bearbeiten vorhanden!");
    return;
  }
  editor_.Open(GetAncestor(window_, GA_ROOT), entry->number);
}

void ActionListPage::cmdLoeschen_Click() {
  if (EntryCount() <= 1) {
    ShowMessage(
        L"Löschen nicht möglich",
        L"Es muß immer mindestens eine Aktion vorhanden sein!\r\nFalls sie die ausgewählte "
        L"Aktion löschen wollen, so erstellen Sie zuerst eine neue und löschen Sie dann diese.");
    return;
  }
  const auto entry = SelectedEntry();
  if (!entry) return;
  if (IsStandardMarked(entry->name)) {
    ShowMessage(
        L"Löschen nicht möglich",
        L"Eine Aktion, die als \"Standard\" markiert ist, kann nicht gelöscht werden. \r\n"
        L"Setzen sie eine andere Aktion als Standard, um die vorliegende löschen zu können.");
    return;
  }
  WinMessageBoxes messages(window_);
  if (!messages.Ask({L"Löschen", L"\"" + WidenAnsi(entry->name) + L"\" wirklich löschen?",
                     MessageIcon::Question, MessageButtons::YesNo})) {
    return;
  }
  resident_.UnregisterHotkey(entry->number);
  if (const auto failure = DeleteAction(settings_, entry->number)) {
    messages.Show(SettingsWriteFailedMessage(*failure));
  }
  // Also after a failure: the list, the menu and the hotkeys show what the file holds.
  resident_.Aktualisieren(0);
}

void ActionListPage::cmdStandard_Click() {
  const auto entry = SelectedEntry();
  if (!entry) {
    ShowMessage(L"Bearbeiten nicht möglich", L"Es ist kein Eintrag zum Bearbeiten vorhanden!");
    return;
  }
  resident_.MakeStandardAction(entry->number);
}

// The importer takes the settings over while this program is ended; a start that
// fails says why.
void ActionListPage::cmdEinstellungen_Click() {
  resident_.HideSettingsWindow();
  const std::string program = ProgramFolder() + "\\einstellungen.exe";
  const auto reason = WinShellOpener(window_).Open(program, "c:\\");
  if (!reason) return;
  WinMessageBoxes(window_).Show(
      {L"Einstellungen einlesen",
       L"Das Programm \"" + WidenAnsi(program) + L"\" konnte nicht gestartet werden:\r\n" + *reason,
       MessageIcon::Exclamation, MessageButtons::Ok});
}

void ActionListPage::OnEditorClosed(bool wasNew) {
  EnableItem(wasNew ? IDC_LIST_NEU : IDC_LIST_BEARBEITEN, true);
}

int ActionListPage::EntryCount() const {
  return static_cast<int>(TreeView_GetCount(Item(IDC_LIST_TREE)));
}

std::optional<ActionListPage::Entry> ActionListPage::SelectedEntry() {
  HWND tree = Item(IDC_LIST_TREE);
  HTREEITEM item = TreeView_GetSelection(tree);
  if (!item) {
    item = TreeView_GetRoot(tree);
    if (!item) return std::nullopt;
    TreeView_SelectItem(tree, item);
  }
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!TreeView_GetItem(tree, &data)) return std::nullopt;
  const int number = static_cast<int>(data.lParam);
  return Entry{number, settings_.Read(ActionSection(number), "Name")};
}

void ActionListPage::ShowMessage(const wchar_t* title, const wchar_t* text) {
  WinMessageBoxes(window_).Show({title, text, MessageIcon::Information, MessageButtons::Ok});
}

}  // namespace qm
