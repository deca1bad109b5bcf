#include "options/options_page_win.h"

#include <commdlg.h>

#include <string>
#include <variant>

#include "options/autostart_win.h"
#include "options/colour_text.h"
#include "options/explorer_verb.h"
#include "options/explorer_verb_win.h"
#include "options/options_ids.h"
#include "options/typed_display_time.h"
#include "settings/excluded_programs.h"
#include "settings/settings_file_win.h"
#include "ui/library_on_demand_win.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

// One colour of the page: its button and swatch, its keys (the notice colours have
// no #RRGGBB form) and its fields in CurrentOptions.
struct OptionsPage::ColourRow {
  int button;
  int swatch;
  const char* key;
  const char* hexKey;
  Colour CurrentOptions::*colour;
  std::string CurrentOptions::*hex;
};

const std::array<OptionsPage::ColourRow, 7>& OptionsPage::ColourRows() {
  using O = CurrentOptions;
  static const std::array<ColourRow, 7> rows{{
      {IDC_OPT_F_HINTERGRUND, IDC_OPT_SWATCH_HINTERGRUND, "Hintergrund", "HexHintergrund",
       &O::frameHintergrundfarbe, &O::txtHintergrundfarbe},
      {IDC_OPT_F_TEXT, IDC_OPT_SWATCH_TEXT, "Textfarbe", "HexTextfarbe", &O::frameTextfarbe,
       &O::txtTextfarbe},
      {IDC_OPT_F_LINKS, IDC_OPT_SWATCH_LINKS, "Links", "HexLinks", &O::frameLinks, &O::txtLinks},
      {IDC_OPT_F_VLINK, IDC_OPT_SWATCH_VLINK, "Vlink", "HexVlink", &O::frameVlink, &O::txtVlink},
      {IDC_OPT_F_ALINK, IDC_OPT_SWATCH_ALINK, "Alink", "HexAlink", &O::frameAlink, &O::txtAlink},
      {IDC_OPT_F_NOTICE, IDC_OPT_SWATCH_NOTICE, "Speicherfarbe", nullptr, &O::frameSpeichertext,
       nullptr},
      {IDC_OPT_F_NOTICE_TEXT, IDC_OPT_SWATCH_NOTICE_TEXT, "Speichertextfarbe", nullptr,
       &O::frameSpeichertextfarbe, nullptr},
  }};
  return rows;
}

namespace {

struct TextOption {
  int id;
  const char* key;
  std::string CurrentOptions::*field;
  const wchar_t* label;
};

// Each program gets a value of its own: the field may hold many of them.
constexpr size_t kLongestExclusionField = 4000;

constexpr TextOption kTextOptions[] = {
    {IDC_OPT_ZEICHEN, "Trennzeichen", &CurrentOptions::txtZeichen,
     L"Für die Trennung der Texte benutztes Zeichen"},
    {IDC_OPT_WIEDERHOLUNG, "Wiederholung", &CurrentOptions::txtWiederholung,
     L"Anzahl der Wiederholungen"},
    {IDC_OPT_SPEICHERZEIT, "Speicherzeit", &CurrentOptions::txtSpeicherzeit, L"Dauer der Anzeige"},
};

MessageRequest SuppressionWarning(int id) {
  MessageRequest request{
      L"Achtung!",
      id == IDC_OPT_SPEICHERHINWEIS
          ? L"Ab jetzt werden beim automatischen Abspeichern der  Zwischenablage\r\nkeine "
            L"Speicherhinweise mehr angezeigt.\r\nVergessen Sie dies nicht, sonst stehen Sie "
            L"irgendwann vor einem riesen \r\nHaufen an Daten!"
          : L"Ab jetzt werden beim automatischen Abspeichern der  Zwischenablage keine \r\n"
            L"Warnmeldungen  mehr angezeigt bei nicht kompatiblen Zwischenablage-Inhalten!",
      MessageIcon::Information, MessageButtons::Ok};
  request.systemModal = true;
  return request;
}

}  // namespace

OptionsPage::OptionsPage(HINSTANCE instance, CurrentOptions& options, SettingsStore& settings,
                         SaveNoticeWindow& notice, ResidentCommands& resident)
    : instance_(instance),
      options_(options),
      settings_(settings),
      notice_(notice),
      resident_(resident) {}

bool OptionsPage::Create(HWND parent) { return CreateModeless(instance_, IDD_OPTIONS, parent); }

INT_PTR OptionsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Form_Load();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return SwatchBrush(reinterpret_cast<HWND>(lParam));
    // Another copy, the installer or its uninstaller may have changed the verb since;
    // the tab strip shows the page by moving it.
    case WM_WINDOWPOSCHANGED:
      if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) ShowExplorerVerb();
      return FALSE;
    default:
      return FALSE;
  }
}

void OptionsPage::Form_Load() {
  loading_ = true;
  for (const TextOption& option : kTextOptions)
    SetItemAnsi(window_, option.id, options_.*option.field);
  CheckRadioButton(window_, IDC_OPT_VERZEICHNIS, IDC_OPT_DIREKT,
                   options_.optDirekt ? IDC_OPT_DIREKT : IDC_OPT_VERZEICHNIS);
  SetTicked(window_, IDC_OPT_BEEP, options_.chkBeep);
  SetTicked(window_, IDC_OPT_SPEICHERHINWEIS, options_.chkSpeicherhinweis);
  SetTicked(window_, IDC_OPT_MESSAGES, options_.chkMessagesUnterdruecken);
  SetTicked(window_, IDC_OPT_AUTOSTART, options_.chkAutostart);
  const bool archive = IsArchiveEdition(settings_);
  ShowItem(IDC_OPT_AUTOSTART, !archive);
  ShowItem(IDC_OPT_AUTOSTART_INFO, archive);
  for (const ColourRow& row : ColourRows()) PaintSwatch(row);
  SetItemAnsi(window_, IDC_OPT_AUSNAHMEN, FieldOfProgramNames(options_.txtAusnahmen));
  ShowExplorerVerb();
  loading_ = false;
}

void OptionsPage::OnCommand(int id, int code) {
  if (code == EN_CHANGE) {
    OnTextChanged(id);
    return;
  }
  for (const ColourRow& row : ColourRows()) {
    if (row.button == id) ChooseColourFor(row);
  }
  switch (id) {
    case IDC_OPT_DIREKT:
    case IDC_OPT_VERZEICHNIS: {
      const bool direct = IsTicked(window_, IDC_OPT_DIREKT);
      if (Stored({{"Zugriff", direct ? "Direkt" : "Verzeichnis"}})) options_.optDirekt = direct;
      CheckRadioButton(window_, IDC_OPT_VERZEICHNIS, IDC_OPT_DIREKT,
                       options_.optDirekt ? IDC_OPT_DIREKT : IDC_OPT_VERZEICHNIS);
      break;
    }
    case IDC_OPT_BEEP: {
      const bool beep = IsTicked(window_, IDC_OPT_BEEP);
      if (Stored({{"Beep", beep ? "ja" : "nein"}})) options_.chkBeep = beep;
      SetTicked(window_, IDC_OPT_BEEP, options_.chkBeep);
      break;
    }
    case IDC_OPT_SPEICHERHINWEIS:
    case IDC_OPT_MESSAGES:
      chkSuppress_Click(id);
      break;
    case IDC_OPT_AUTOSTART: {
      const bool wanted = IsTicked(window_, IDC_OPT_AUTOSTART);
      WinMessageBoxes messages(window_);
      if (const auto failure = ApplyAutostart(wanted, settings_, messages)) {
        messages.Show(SettingsWriteFailedMessage(*failure));
      } else {
        options_.chkAutostart = wanted;
      }
      SetTicked(window_, IDC_OPT_AUTOSTART, options_.chkAutostart);
      break;
    }
    case IDC_OPT_AUTOSTART_INFO:
      WinMessageBoxes(window_).Show(ArchiveEditionMessage());
      break;
    case IDC_OPT_EXPLORER:
      chkExplorer_Click();
      break;
    case IDC_OPT_TEST:
      cmdTest_Click();
      break;
    case IDC_OPT_POSITION:
      cmdPosition_Click();
      break;
    case IDCANCEL:
      resident_.HideSettingsWindow();
      break;
    default:
      break;
  }
}

// A text that cannot be stored, or whose write fails, is replaced by the value in
// use, so that the field never shows what the program does not use.
void OptionsPage::OnTextChanged(int id) {
  if (loading_) return;
  if (id == IDC_OPT_AUSNAHMEN) {
    txtAusnahmen_Change();
    return;
  }
  for (const TextOption& option : kTextOptions) {
    if (option.id != id) continue;
    const auto typed = StorableItem(window_, id, kLongestSettingValue, option.label);
    if (typed && Stored({{option.key, *typed}})) {
      options_.*option.field = *typed;
      continue;
    }
    loading_ = true;
    SetItemAnsi(window_, id, options_.*option.field);
    const int end = GetWindowTextLengthW(Item(id));
    SendDlgItemMessageW(window_, id, EM_SETSEL, static_cast<WPARAM>(end), end);
    loading_ = false;
  }
}

// The list takes effect at once. The field keeps what the user types (a "; " before the
// next name) unless the list cannot be stored.
void OptionsPage::txtAusnahmen_Change() {
  const auto typed = StorableItem(window_, IDC_OPT_AUSNAHMEN, kLongestExclusionField,
                                  L"Nicht automatisch sichern aus");
  std::optional<WriteFailure> failure;
  if (typed) {
    const auto names = ProgramNamesOfField(*typed);
    failure = WriteExcludedPrograms(settings_, names);
    if (!failure) {
      options_.txtAusnahmen = names;
      return;
    }
    WinMessageBoxes(window_).Show(SettingsWriteFailedMessage(*failure));
  }
  loading_ = true;
  SetItemAnsi(window_, IDC_OPT_AUSNAHMEN, FieldOfProgramNames(options_.txtAusnahmen));
  loading_ = false;
}

bool OptionsPage::Stored(std::initializer_list<KeyValue> values) {
  const auto failure = WriteAll(settings_, "Optionen", values);
  if (failure) WinMessageBoxes(window_).Show(SettingsWriteFailedMessage(*failure));
  return !failure;
}

// The colour dialog's library stays with the page; the colours the user mixed in it
// stay for the program's run.
bool OptionsPage::ChooseColourDialog(CHOOSECOLORW& dialog) {
  static std::array<COLORREF, 16> customColours{};
  if (!colourDialogs_) colourDialogs_ = LoadSystemLibrary(L"comdlg32.dll");
  const auto choose =
      LibraryFunction<BOOL(WINAPI*)(CHOOSECOLORW*)>(colourDialogs_.get(), "ChooseColorW");
  dialog.lpCustColors = customColours.data();
  return choose && choose(&dialog);
}

// Cancel leaves the colour as it was: nothing is written.
void OptionsPage::ChooseColourFor(const ColourRow& row) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.rgbResult = options_.*row.colour;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColourDialog(dialog)) return;
  const Colour colour = dialog.rgbResult & 0x00FFFFFFu;
  const bool stored =
      row.hexKey ? Stored({{row.key, std::to_string(colour)}, {row.hexKey, HtmlColour(colour)}})
                 : Stored({{row.key, std::to_string(colour)}});
  if (!stored) return;
  options_.*row.colour = colour;
  if (row.hexKey) options_.*row.hex = HtmlColour(colour);
  PaintSwatch(row);
}

void OptionsPage::PaintSwatch(const ColourRow& row) {
  const auto index = static_cast<size_t>(&row - ColourRows().data());
  swatches_[index].reset(CreateSolidBrush(options_.*row.colour));
  InvalidateRect(Item(row.swatch), nullptr, TRUE);
}

INT_PTR OptionsPage::SwatchBrush(HWND swatch) {
  const int id = GetDlgCtrlID(swatch);
  for (size_t i = 0; i < ColourRows().size(); ++i) {
    if (ColourRows()[i].swatch == id) return reinterpret_cast<INT_PTR>(swatches_[i].get());
  }
  return FALSE;
}

// The stored values say whether to show, so a ticked box stores "nein".
void OptionsPage::chkSuppress_Click(int id) {
  const bool ticked = IsTicked(window_, id);
  const bool notices = id == IDC_OPT_SPEICHERHINWEIS;
  bool& option = notices ? options_.chkSpeicherhinweis : options_.chkMessagesUnterdruecken;
  if (!Stored({{notices ? "SpeicherhinweisASichern" : "NachrichtenASichern",
                ticked ? "nein" : "ja"}})) {
    SetTicked(window_, id, option);
    return;
  }
  option = ticked;
  if (ticked) WinMessageBoxes(window_).Show(SuppressionWarning(id));
}

// The registry, not the settings file, says whether the entry is there.
void OptionsPage::ShowExplorerVerb() {
  SetTicked(window_, IDC_OPT_EXPLORER, ExplorerVerbIsHere(ProgramFolderW()));
}

void OptionsPage::chkExplorer_Click() {
  const bool wanted = IsTicked(window_, IDC_OPT_EXPLORER);
  const std::wstring folder = ProgramFolderW();
  const auto failure = wanted ? AddExplorerVerb(folder) : RemoveExplorerVerb(folder);
  if (failure) WinMessageBoxes(window_).Show(ExplorerVerbFailedMessage(wanted, *failure));
  ShowExplorerVerb();
}

void OptionsPage::cmdTest_Click() {
  const auto interval = NoticeTestInterval(ItemAnsi(window_, IDC_OPT_SPEICHERZEIT));
  if (const auto* problem = std::get_if<MessageRequest>(&interval)) {
    WinMessageBoxes(window_).Show(*problem);
    return;
  }
  notice_.ShowPreview(std::get<long long>(interval));
}

void OptionsPage::cmdPosition_Click() {
  WinMessageBoxes(window_).Show(
      {L"Anleitung",
       L"Verschieben Sie das kleine 'Speicherfenster' dort hin,\r\nwo es "
       L"dann bei Benutzung immer erscheinen soll.\r\nKlicken Sie dann auf 'Ok'.",
       MessageIcon::Information, MessageButtons::Ok});
  notice_.ShowPositionMode();
}

}  // namespace qm
