#include "actions/action_editor_win.h"

#include "actions/action_ids.h"
#include "actions/help_win.h"
#include "options/hotkey_fields.h"
#include "save/image_save.h"
#include "settings/action_cache.h"
#include "settings/file_helpers.h"
#include "settings/file_helpers_win.h"
#include "settings/method_icons.h"
#include "settings/settings_file_win.h"
#include "ui/message_box_win.h"

namespace qm {

namespace {

constexpr int kPictureSize = 32;

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

// The subfolders of `folder`, "..", first, when there is a folder above.
std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  if (ParentFolder(folder) != folder) names.emplace_back("..");
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((FolderPrefix(folder) + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
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

void ActionEditor::Open(HWND owner, const std::optional<std::string>& existingName) {
  if (!window_) {
    existing_ = existingName;
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
  if (picture_) DestroyIcon(picture_);
  picture_ = nullptr;
  onClosed_(!existing_.has_value());
}

void ActionEditor::Form_Load() {
  loading_ = true;
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
  CheckRadioButton(window_, IDC_ED_HTML, IDC_ED_TEXT, IDC_ED_TEXT);
  ShowMethod(EditorMethod::Auswaehlen);
  SetFolder(CurrentFolder());
  if (existing_) LoadAction(*existing_);
  loading_ = false;
  UpdateSummary();
}

void ActionEditor::LoadAction(const std::string& name) {
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string section = ActionSection(n);
    if (settings_.Read(section, "Name") != name) continue;
    const auto read = [&](const char* key) { return settings_.Read(section, key); };
    SetItemAnsi(window_, IDC_ED_NAME, name);
    EnableItem(IDC_ED_NAME, false);
    LoadFolder(read("Speicherpfad"));
    const StoredMethod method = MethodOfStored(read("Aktion"));
    // Earlier editors stored "egal" for pictures; the field shows the name they get.
    SetItemAnsi(
        window_, IDC_ED_DATEINAME,
        method.method == EditorMethod::Bilder ? PictureName(read("Dateiname")) : read("Dateiname"));
    SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_SETCURSEL, static_cast<WPARAM>(method.method),
                        0);
    SetItemAnsi(window_, IDC_ED_ANZAHL,
                method.words ? std::string(1, method.words) : std::string());
    ShowMethod(method.method);
    CheckRadioButton(window_, IDC_ED_HTML, IDC_ED_TEXT,
                     read("Format") == "HTML" ? IDC_ED_HTML : IDC_ED_TEXT);
    SetTicked(window_, IDC_ED_URL, read("Url") == "ja");
    SetTicked(window_, IDC_ED_DATUM, read("Datum") == "ja");
    SelectListText(window_, IDC_ED_SHIFT1, FieldText(read("HotkeyA"), ModifierEntries()));
    SelectListText(window_, IDC_ED_SHIFT2, FieldText(read("HotkeyB"), ModifierEntries()));
    SelectListText(window_, IDC_ED_KEY, FieldText(read("HotkeyC"), KeyEntries()));
  }
}

// A stored folder that has gone is replaced by the desktop; nothing is written
// before "&Übernehmen".
void ActionEditor::LoadFolder(const std::string& stored) {
  if (FolderExists(stored)) {
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
      UpdateSummary();
      break;
    case IDC_ED_SHIFT1:
      if (code == CBN_KILLFOCUS) Modifier_LostFocus(IDC_ED_SHIFT1, IDC_ED_SHIFT2);
      break;
    case IDC_ED_SHIFT2:
      if (code == CBN_KILLFOCUS) Modifier_LostFocus(IDC_ED_SHIFT2, IDC_ED_SHIFT1);
      break;
    case IDOK:
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
  if (picture_) DestroyIcon(picture_);
  picture_ = nullptr;
  if (method != EditorMethod::Auswaehlen) {
    const std::string file = ProgramFolder() + IconFilesFor(StoredAktion(method, '1')).tray;
    picture_ = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, kPictureSize, kPictureSize, LR_LOADFROMFILE));
  }
  SendDlgItemMessageW(window_, IDC_ED_ICON, STM_SETICON, reinterpret_cast<WPARAM>(picture_), 0);
  ShowItem(IDC_ED_ICON, picture_ != nullptr);
  const bool words = IsWordMethod(method);
  ShowItem(IDC_ED_ANZAHL, words);
  ShowItem(IDC_ED_ANZAHL_LABEL, words);
  const bool fileName = method != EditorMethod::WordFile;
  ShowItem(IDC_ED_DATEINAME, fileName);
  ShowItem(IDC_ED_DATEINAME_LABEL, fileName);
  const bool text = method != EditorMethod::Bilder;
  ShowItem(IDC_ED_BILDER_HINWEIS, !text);
  for (const int id : {IDC_ED_FRAME_URL, IDC_ED_URL, IDC_ED_FRAME_FORMAT, IDC_ED_HTML, IDC_ED_TEXT,
                       IDC_ED_FRAME_DATUM, IDC_ED_DATUM}) {
    ShowItem(id, text);
  }
}

void ActionEditor::SetFolder(const std::string& folder) {
  folder_ = folder;
  SendDlgItemMessageW(window_, IDC_ED_DIR, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : Subfolders(folder_)) {
    SendDlgItemMessageA(window_, IDC_ED_DIR, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(name.c_str()));
  }
  SetItemAnsi(window_, IDC_ED_DIR_PATH, folder_);
  SelectListText(window_, IDC_ED_DRIVE, folder_.substr(0, 3));
  UpdateSummary();
}

void ActionEditor::Dir_DblClick() {
  const LRESULT index = SendDlgItemMessageW(window_, IDC_ED_DIR, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return;
  char name[MAX_PATH] = {};
  if (SendDlgItemMessageA(window_, IDC_ED_DIR, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >=
      MAX_PATH)
    return;
  SendDlgItemMessageA(window_, IDC_ED_DIR, LB_GETTEXT, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(name));
  const std::string chosen = name;
  SetFolder(chosen == ".." ? ParentFolder(folder_) : FolderPrefix(folder_) + chosen);
}

void ActionEditor::Drive_Change() { SetFolder(ListText(window_, IDC_ED_DRIVE)); }

void ActionEditor::cmdDesktop_Click() { SetFolder(SpecialFolder(kDesktopFolder, false)); }

// Only one digit 1 to 9 counts words; anything else is refused with a beep.
void ActionEditor::txtAnzahl_Change() {
  const std::wstring text = ItemText(window_, IDC_ED_ANZAHL);
  if (text.empty() || (text.size() == 1 && text[0] >= L'1' && text[0] <= L'9')) return;
  MessageBeep(MB_OK);
  SetDlgItemTextW(window_, IDC_ED_ANZAHL, L"");
}

void ActionEditor::Modifier_LostFocus(int field, int other) {
  if (ListText(window_, field) == ListText(window_, other)) {
    SelectListText(window_, field, std::string(kNoHotkeyField));
  }
}

void ActionEditor::cmdUebernehmen_Click() {
  const std::string name = TrimmedName(ItemAnsi(window_, IDC_ED_NAME));
  const EditorInput input{name,
                          {ListText(window_, IDC_ED_SHIFT1), ListText(window_, IDC_ED_SHIFT2),
                           ListText(window_, IDC_ED_KEY)},
                          SelectedMethod(),
                          ItemAnsi(window_, IDC_ED_ANZAHL)};
  WinMessageBoxes messages(window_);
  if (const auto problem = FirstProblem(input)) {
    messages.Show(*problem);
    return;
  }
  const auto section = TargetSection(name);
  if (!section) return;
  resident_.UnregisterHotkey(*section);
  WriteAction(settings_, *section, Fields(name));
  resident_.Aktualisieren();
  Destroy();
}

// The section to write, after asking before a new action replaces an active one.
std::optional<int> ActionEditor::TargetSection(const std::string& name) {
  const SectionChoice choice = ChooseSection(settings_, name);
  WinMessageBoxes messages(window_);
  if (choice.number == 0) {
    messages.Show(NoFreeSectionMessage());
    return std::nullopt;
  }
  if (!existing_ && choice.named && choice.active &&
      !messages.Ask(OverwriteQuestion(ItemText(window_, IDC_ED_NAME)))) {
    return std::nullopt;
  }
  return choice.number;
}

ActionFields ActionEditor::Fields(const std::string& name) const {
  ActionFields fields;
  fields.name = name;
  fields.dateiname = ItemAnsi(window_, IDC_ED_DATEINAME);
  fields.speicherpfad = folder_;
  fields.method = SelectedMethod();
  const std::string words = ItemAnsi(window_, IDC_ED_ANZAHL);
  fields.words = words.empty() ? '\0' : words.front();
  fields.html = Html();
  fields.url = IsTicked(window_, IDC_ED_URL);
  fields.datum = IsTicked(window_, IDC_ED_DATUM);
  fields.hotkey = {StoredPart(ListText(window_, IDC_ED_SHIFT1)),
                   StoredPart(ListText(window_, IDC_ED_SHIFT2)),
                   StoredPart(ListText(window_, IDC_ED_KEY))};
  return fields;
}

EditorMethod ActionEditor::SelectedMethod() const {
  const auto index = SendDlgItemMessageW(window_, IDC_ED_METHODE, CB_GETCURSEL, 0, 0);
  return MethodAtEntry(static_cast<int>(index) - 1);
}

bool ActionEditor::Html() const { return IsTicked(window_, IDC_ED_HTML); }

void ActionEditor::UpdateSummary() {
  if (loading_) return;
  SetItemAnsi(window_, IDC_ED_SUMMARY,
              SummaryLine(SelectedMethod(), folder_, ItemAnsi(window_, IDC_ED_DATEINAME), Html()));
}

}  // namespace qm
