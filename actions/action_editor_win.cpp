#include "actions/action_editor_win.h"

#include "actions/action_ids.h"
#include "actions/help_win.h"
#include "options/hotkey_fields.h"
#include "save/image_save.h"
#include "settings/action_cache.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers.h"
#include "settings/file_helpers_win.h"
#include "settings/method_icons.h"
#include "settings/settings_file_win.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

namespace {

// The folder above `folder`; a drive root has none.
std::string ParentFolder(const std::string& folder) {
  const size_t cut = folder.find_last_of('\\');
  if (cut == std::string::npos || folder.size() <= 3) return folder;
  return cut <= 2 ? folder.substr(0, 3) : folder.substr(0, cut);
}

std::string CurrentFolder() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string("C:\\");
}

// The subfolders of `folder`, "..", first, when there is a folder above. The names are
// read as the file system holds them: the ANSI functions would give a look-alike for a
// letter the code page lacks, which names another folder or none.
std::vector<std::wstring> Subfolders(const std::string& folder) {
  std::vector<std::wstring> names;
  if (ParentFolder(folder) != folder) names.emplace_back(L"..");
  WIN32_FIND_DATAW found{};
  const OwnedSearch search = FindFirst(WidenAnsi(FolderPrefix(folder) + "*"), found);
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") {
      names.push_back(name);
    }
  } while (FindNextFileW(search.get(), &found));
  return names;
}

std::vector<std::string> Drives() {
  char buffer[512] = {};
  const DWORD length = GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
  std::vector<std::string> drives;
  if (length == 0 || length >= sizeof buffer) return drives;
  for (const char* drive = buffer; *drive; drive += drives.back().size() + 1) {
    drives.emplace_back(drive);
  }
  return drives;
}

}  // namespace

ActionEditor::ActionEditor(HINSTANCE instance, SettingsStore& settings, ResidentCommands& resident,
                           std::function<void(bool)> onClosed)
    : instance_(instance),
      settings_(settings),
      resident_(resident),
      onClosed_(std::move(onClosed)) {}

void ActionEditor::Open(HWND owner, std::optional<int> existingAction) {
  if (!window_) {
    if (existingAction) {
      auto read = ReadStoredAction(settings_, *existingAction);
      if (const auto* held = std::get_if<WriteFailure>(&read)) {
        WinMessageBoxes(owner).Show(SettingsUnreadMessage(*held));
        return;
      }
      stored_ = std::get<StoredAction>(std::move(read));
    }
    existing_ = existingAction;
    if (!CreateModeless(instance_, IDD_ACTION_EDITOR, owner)) return;
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

INT_PTR ActionEditor::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Form_Load();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      Destroy();
      return TRUE;
    default:
      return FALSE;
  }
}

void ActionEditor::OnDestroyed() {
  picture_.reset();
  onClosed_(!existing_.has_value());
}

void ActionEditor::Form_Load() {
  loading_ = true;
  loadedName_.clear();
  words_.clear();
  SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(MethodText(EditorMethod::Auswaehlen)));
  for (int entry = 0; entry < kMethodEntries; ++entry) {
    SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(MethodText(MethodAtEntry(entry))));
  }
  SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_SETCURSEL, 0, 0);
  for (const int id : {IDC_ED_SHIFT1, IDC_ED_SHIFT2}) {
    FillList(window_, id, ModifierEntries());
    SelectListText(window_, id, std::string(kNoHotkeyField));
  }
  FillList(window_, IDC_ED_KEY, KeyEntries());
  SelectListText(window_, IDC_ED_KEY, std::string(kNoHotkeyField));
  FillList(window_, IDC_ED_DRIVE, Drives());
  SendDlgItemMessageW(window_, IDC_ED_NAME, EM_LIMITTEXT, kLongestName, 0);
  SendDlgItemMessageW(window_, IDC_ED_ANZAHL, EM_LIMITTEXT, 1, 0);
  SetDlgItemTextW(window_, IDC_ED_DATEINAME, L"Name");
  SelectFormat(DocumentFormat::Text);
  ShowMethod(EditorMethod::Auswaehlen);
  SetFolder(CurrentFolder());
  if (existing_) LoadAction(stored_);
  loading_ = false;
  UpdateSummary();
}

// The action of that section, also when another section holds the same name: a file
// from an earlier version may hold such twins, and each is edited on its own.
void ActionEditor::LoadAction(const StoredAction& stored) {
  const ActionRecord& record = stored.record;
  loadedName_ = record.Name;
  SetItemAnsi(window_, IDC_ED_NAME, loadedName_);
  EnableItem(IDC_ED_NAME, false);
  LoadFolder(record.Speicherpfad);
  const StoredMethod method = MethodOfStored(record.Aktion);
  // Earlier editors stored "egal" for pictures; the field shows the name they get.
  SetItemAnsi(
      window_, IDC_ED_DATEINAME,
      method.method == EditorMethod::Bilder ? PictureName(record.Dateiname) : record.Dateiname);
  SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_SETCURSEL, static_cast<WPARAM>(method.method), 0);
  SetItemAnsi(window_, IDC_ED_ANZAHL, method.words ? std::string(1, method.words) : std::string());
  ShowMethod(method.method);
  SelectFormat(FormatOf(record.Format));
  SetTicked(window_, IDC_ED_URL, record.Url == "ja");
  SetTicked(window_, IDC_ED_DATUM, record.Datum == "ja");
  SelectListText(window_, IDC_ED_SHIFT1, FieldText(stored.hotkey.a, ModifierEntries()));
  SelectListText(window_, IDC_ED_SHIFT2, FieldText(stored.hotkey.b, ModifierEntries()));
  SelectListText(window_, IDC_ED_KEY, FieldText(stored.hotkey.c, KeyEntries()));
}

// A stored folder that has gone is replaced by the desktop, and so is one of the longest
// readable length, which may be the cut front of a longer path; nothing is written
// before "&Übernehmen".
void ActionEditor::LoadFolder(const std::string& stored) {
  if (!PossiblyCut(stored) && FolderExists(stored)) {
    SetFolder(CompleteDriveRoot(stored));
    return;
  }
  WinMessageBoxes(window_).Show(
      {L"Speicherort existiert nicht!",
       L"Der eingestellte Speicherort existiert nicht!\r\nDaher wird als Speicherort der Desktop "
       L"eingestellt.\r\n\r\nKlicken Sie beim Verlassen des nächsten Fensters\r\nauf jeden Fall "
       L"auf "
       L"\"Übernehmen\".",
       MessageIcon::Exclamation, MessageButtons::Ok});
  SetFolder(SpecialFolder(kDesktopFolder, false));
}

void ActionEditor::OnCommand(int id, int code) {
  switch (id) {
    case IDC_ED_METHODE:
      if (code == CBN_SELCHANGE) cboMethode_Click();
      break;
    case IDC_ED_DIR:
      if (code == LBN_DBLCLK) Dir_DblClick();
      break;
    case IDC_ED_DRIVE:
      if (code == CBN_SELCHANGE) Drive_Change();
      break;
    case IDC_ED_DESKTOP:
      cmdDesktop_Click();
      break;
    case IDC_ED_ANZAHL:
      if (code == EN_CHANGE) txtAnzahl_Change();
      break;
    case IDC_ED_DATEINAME:
      if (code == EN_CHANGE) UpdateSummary();
      break;
    case IDC_ED_HTML:
    case IDC_ED_TEXT:
    case IDC_ED_MARKDOWN:
      UpdateSummary();
      break;
    case IDC_ED_SHIFT1:
      if (code == CBN_KILLFOCUS) Modifier_LostFocus(IDC_ED_SHIFT1, IDC_ED_SHIFT2);
      break;
    case IDC_ED_SHIFT2:
      if (code == CBN_KILLFOCUS) Modifier_LostFocus(IDC_ED_SHIFT2, IDC_ED_SHIFT1);
      break;
    case IDOK:
      OnEnter();
      break;
    case IDC_ED_UEBERNEHMEN:
      cmdUebernehmen_Click();
      break;
    case IDCANCEL:
    case IDC_ED_ABBRECHEN:
      Destroy();
      break;
    case IDC_ED_HILFE: {
      WinMessageBoxes messages(window_);
      OpenHelp(window_, messages);
      break;
    }
    default:
      break;
  }
}

void ActionEditor::cboMethode_Click() {
  const EditorMethod method = SelectedMethod();
  SetFocus(Item(IDC_ED_UEBERNEHMEN));
  ShowMethod(method);
  if (IsWordMethod(method)) SetFocus(Item(IDC_ED_ANZAHL));
  UpdateSummary();
}

// The method's picture and the fields it uses. Only images leave out address, format
// and date, and show instead how they are named; any other method shows them again.
void ActionEditor::ShowMethod(EditorMethod method) {
  OwnedIcon picture;
  if (method != EditorMethod::Auswaehlen) {
    // At the size of the screen's large icons, which the file carries for every scale.
    const std::string file = ProgramFolder() + IconFilesFor(StoredAktion(method, '1')).tray;
    const int size = GetSystemMetrics(SM_CXICON);
    picture.reset(static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
  }
  SendDlgItemMessageW(window_, IDC_ED_ICON, STM_SETICON, reinterpret_cast<WPARAM>(picture.get()),
                      0);
  ShowItem(IDC_ED_ICON, picture != nullptr);
  // The picture shown before goes once the control shows the new one.
  picture_ = std::move(picture);
  const bool words = IsWordMethod(method);
  ShowItem(IDC_ED_ANZAHL, words);
  ShowItem(IDC_ED_ANZAHL_LABEL, words);
  const bool fileName = method != EditorMethod::WordFile;
  ShowItem(IDC_ED_DATEINAME, fileName);
  ShowItem(IDC_ED_DATEINAME_LABEL, fileName);
  const bool text = method != EditorMethod::Bilder;
  ShowItem(IDC_ED_BILDER_HINWEIS, !text);
  for (const int id : {IDC_ED_FRAME_URL, IDC_ED_URL, IDC_ED_FRAME_FORMAT, IDC_ED_HTML, IDC_ED_TEXT,
                       IDC_ED_MARKDOWN, IDC_ED_FRAME_DATUM, IDC_ED_DATUM}) {
    ShowItem(id, text);
  }
}

void ActionEditor::SetFolder(const std::string& folder) {
  folder_ = folder;
  SendDlgItemMessageW(window_, IDC_ED_DIR, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& name : Subfolders(folder_)) {
    SendDlgItemMessageW(window_, IDC_ED_DIR, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(name.c_str()));
  }
  SetItemAnsi(window_, IDC_ED_DIR_PATH, folder_);
  SelectListText(window_, IDC_ED_DRIVE, folder_.substr(0, 3));
  UpdateSummary();
}

// A folder whose name the code page cannot write is refused with a box that names the
// character, rather than stored as a look-alike of itself.
void ActionEditor::Dir_DblClick() {
  const auto index =
      static_cast<WPARAM>(SendDlgItemMessageW(window_, IDC_ED_DIR, LB_GETCURSEL, 0, 0));
  const LRESULT length = SendDlgItemMessageW(window_, IDC_ED_DIR, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return;
  std::wstring chosen(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendDlgItemMessageW(window_, IDC_ED_DIR, LB_GETTEXT, index,
                                             reinterpret_cast<LPARAM>(chosen.data()));
  if (copied == LB_ERR) return;
  chosen.resize(static_cast<size_t>(copied));
  if (chosen == L"..") {
    SetFolder(ParentFolder(folder_));
  } else if (const auto name = StorableAnsi(window_, chosen, std::string::npos, L"Speicherort")) {
    SetFolder(FolderPrefix(folder_) + *name);
  }
}

void ActionEditor::Drive_Change() { SetFolder(ListText(window_, IDC_ED_DRIVE)); }

void ActionEditor::cmdDesktop_Click() { SetFolder(SpecialFolder(kDesktopFolder, false)); }

// Only one digit 1 to 9 counts words; anything else is refused with a beep, and the
// field keeps what it held.
void ActionEditor::txtAnzahl_Change() {
  const std::wstring text = ItemText(window_, IDC_ED_ANZAHL);
  if (text.empty() || (text.size() == 1 && text[0] >= L'1' && text[0] <= L'9')) {
    words_ = text;
    return;
  }
  MessageBeep(MB_OK);
  SetDlgItemTextW(window_, IDC_ED_ANZAHL, words_.c_str());
}

void ActionEditor::Modifier_LostFocus(int field, int other) {
  if (ListText(window_, field) == ListText(window_, other)) {
    SelectListText(window_, field, std::string(kNoHotkeyField));
  }
}

// Enter stores nothing: only "&Übernehmen" does. In the folder list it opens the folder.
void ActionEditor::OnEnter() {
  if (GetFocus() == Item(IDC_ED_DIR)) Dir_DblClick();
}

void ActionEditor::cmdUebernehmen_Click() {
  auto fields = TypedFields();
  if (!fields) return;
  const auto section = TargetSection(*fields);
  if (!section || !Stored(*section, *fields)) return;
  resident_.Aktualisieren(*section);
  Destroy();
}

// The action as entered, once every check has passed; nothing after the box of the
// first check that failed.
std::optional<ActionFields> ActionEditor::TypedFields() {
  ActionFields fields;
  fields.name = loadedName_;
  if (!existing_) {
    const auto typed = StorableItem(window_, IDC_ED_NAME, kLongestName, L"Name der Aktion");
    if (!typed) return std::nullopt;
    fields.name = TrimmedName(*typed);
  }
  const HotkeyText hotkeyFields{ListText(window_, IDC_ED_SHIFT1), ListText(window_, IDC_ED_SHIFT2),
                                ListText(window_, IDC_ED_KEY)};
  const std::string words = ItemAnsi(window_, IDC_ED_ANZAHL);
  WinMessageBoxes messages(window_);
  if (const auto problem = FirstProblem({fields.name, hotkeyFields, SelectedMethod(), words})) {
    messages.Show(*problem);
    return std::nullopt;
  }
  const auto dateiname =
      StorableItem(window_, IDC_ED_DATEINAME, kLongestSettingValue, L"Dateiname");
  if (!dateiname) return std::nullopt;
  if (folder_.size() > kLongestFolder) {
    messages.Show(TooLongMessage(L"Speicherort", kLongestFolder));
    return std::nullopt;
  }
  fields.dateiname = *dateiname;
  fields.speicherpfad = folder_;
  fields.method = SelectedMethod();
  fields.words = words.empty() ? '\0' : words.front();
  fields.format = SelectedFormat();
  fields.url = IsTicked(window_, IDC_ED_URL);
  fields.datum = IsTicked(window_, IDC_ED_DATUM);
  fields.hotkey = {StoredPart(hotkeyFields.a), StoredPart(hotkeyFields.b),
                   StoredPart(hotkeyFields.c)};
  return fields;
}

// The edited action's own section; for a new action the section its name chooses, after
// asking before it replaces an active action. A replaced section keeps its stored name,
// standard mark included: the typed name only spells the same action another way.
std::optional<int> ActionEditor::TargetSection(ActionFields& fields) {
  if (existing_) return existing_;
  const SectionChoice choice = ChooseSection(settings_, fields.name);
  WinMessageBoxes messages(window_);
  if (choice.unread) {
    messages.Show(SettingsUnreadMessage(*choice.unread));
    return std::nullopt;
  }
  if (choice.number == 0) {
    messages.Show(NoFreeSectionMessage());
    return std::nullopt;
  }
  if (choice.named && choice.active &&
      !messages.Ask(OverwriteQuestion(WidenAnsi(choice.storedName)))) {
    return std::nullopt;
  }
  if (choice.named) fields.name = choice.storedName;
  return choice.number;
}

// A write that fails is reported; the editor stays open with the user's input, and the
// refresh makes the program use again what the file holds.
bool ActionEditor::Stored(int section, const ActionFields& fields) {
  resident_.UnregisterHotkey(section);
  const auto failure = WriteAction(settings_, section, fields);
  if (!failure) return true;
  WinMessageBoxes(window_).Show(SettingsWriteFailedMessage(*failure));
  resident_.Aktualisieren(0);
  return false;
}

EditorMethod ActionEditor::SelectedMethod() const {
  const auto index = SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_GETCURSEL, 0, 0);
  return MethodAtEntry(static_cast<int>(index) - 1);
}

// The format's option buttons, in the order of DocumentFormat.
constexpr int kFormatButtons[] = {IDC_ED_TEXT, IDC_ED_HTML, IDC_ED_MARKDOWN};

DocumentFormat ActionEditor::SelectedFormat() const {
  if (IsTicked(window_, IDC_ED_HTML)) return DocumentFormat::Html;
  if (IsTicked(window_, IDC_ED_MARKDOWN)) return DocumentFormat::Markdown;
  return DocumentFormat::Text;
}

void ActionEditor::SelectFormat(DocumentFormat format) {
  for (size_t i = 0; i < std::size(kFormatButtons); ++i) {
    SetTicked(window_, kFormatButtons[i], i == static_cast<size_t>(format));
  }
}

void ActionEditor::UpdateSummary() {
  if (loading_) return;
  SetItemAnsi(window_, IDC_ED_SUMMARY,
              SummaryLine(SelectedMethod(), folder_, ItemAnsi(window_, IDC_ED_DATEINAME),
                          SelectedFormat()));
}

}  // namespace qm
