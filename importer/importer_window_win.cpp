#include "importer/importer_window_win.h"

#include <commdlg.h>

#include "importer/import_mapping.h"
#include "importer/import_world_win.h"
#include "importer/importer_ids.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "ui/main_program_win.h"
#include "ui/message_box_win.h"
#include "ui/program_folder_win.h"
#include "ui/screen_units_win.h"

namespace qm {

namespace {

// How long the main program may take to end once asked: a save it is running
// finishes first.
constexpr DWORD kMainProgramEndMs = 15000;

struct ControlPlace {
  int id;
  TwipsRect twips;
};
constexpr SIZE kClientTwips = {6990, 1560};
constexpr ControlPlace kControls[] = {
    {IDC_TXTDATEINAME, {120, 240, 5775, 285}},
    {IDC_CMDDIALOG, {6000, 240, 855, 285}},
    {IDC_LABEL1, {120, 600, 5775, 375}},
    {IDC_CMDEINLESEN, {2400, 1080, 1935, 375}},
};

}  // namespace

void ImporterWindow::Run() { RunModal(instance_, IDD_IMPORTER, nullptr); }

INT_PTR ImporterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SendMessageW(window_, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))));
      PlaceInTwips();
      return TRUE;
    case WM_CLOSE:
      Close();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_CMDDIALOG:
          cmdDialog_Click();
          return TRUE;
        case IDC_CMDEINLESEN:
          cmdEinlesen_Click();
          return TRUE;
        case IDCANCEL:
          Close();
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

// The layout is given in twips; the screen's real resolution turns them into pixels.
void ImporterWindow::PlaceInTwips() {
  const SIZE dpi = ScreenDpi();
  for (const ControlPlace& control : kControls) {
    const RECT place = PixelRect(control.twips, dpi);
    MoveWindow(GetDlgItem(window_, control.id), place.left, place.top, place.right - place.left,
               place.bottom - place.top, FALSE);
  }
  RECT frame = PixelRect({0, 0, kClientTwips.cx, kClientTwips.cy}, dpi);
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
}

void ImporterWindow::cmdDialog_Click() {
  wchar_t chosen[MAX_PATH * 2] = {};
  const std::wstring folder = ProgramFolderW();
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = L"Quillmar-Einstellungen (*.ini)\0*.ini\0Alle Dateien(*.*)\0*.*\0";
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = MAX_PATH * 2;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = L"Einstellungsdatei öffnen";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  dialog.lpstrDefExt = L"ini";
  if (!GetOpenFileNameW(&dialog) || chosen[0] == L'\0') return;
  // Only the name is judged: the folder may be one the code page cannot write.
  if (IsOldSettingsFileName(NarrowAnsi(chosen + dialog.nFileOffset))) {
    SetDlgItemTextW(window_, IDC_TXTDATEINAME, chosen);
    return;
  }
  ShowMessageBox(window_, {L"Falsche Datei!",
                           L"Dies ist keine Einstellungsdatei von Quillmar 1.5x ! \r\n"
                           L"Bitte wählen sie eine andere aus.",
                           MessageIcon::Exclamation, MessageButtons::Ok, true});
}

void ImporterWindow::cmdEinlesen_Click() {
  wchar_t typed[MAX_PATH * 2] = {};
  GetDlgItemTextW(window_, IDC_TXTDATEINAME, typed, MAX_PATH * 2);
  const std::string oldPath = AnsiPath(typed);
  if (FileState(oldPath) <= 0) {
    ShowMessageBox(window_, {L"Datei existiert nicht",
                             L"Die von Ihnen ausgewählte Datei kann nicht geöffnet werden.",
                             MessageIcon::Exclamation});
    return;
  }
  const ProfileFile old(oldPath, std::string(kImporterMissingEntry));
  if (const auto refusal = OldSettingsRefusal(old)) {
    ShowMessageBox(window_, *refusal);
    return;
  }
  ImportResult result;
  {
    ProgramFolderClaim claim(ProgramFolderW());
    if (!FolderClaimed(claim)) return;
    ProfileFile target(SettingsPath(), std::string(kImporterMissingEntry));
    result = ImportOldSettings(old, target, WinImportWorld());
  }
  ShowMessageBox(window_, ImportReport(result));
  if (!result.Failed()) Close();
}

// Both programs writing the settings file at once would lose values, so the import holds
// the folder's claim while it writes: a main program of this folder that runs holds it
// until it has ended, with the user's consent, and one that starts waits for it.
bool ImporterWindow::FolderClaimed(ProgramFolderClaim& claim) {
  if (claim.Take(0)) return true;
  if (!claim.Made()) {
    ShowMessageBox(window_, {L"Einstellungen nicht übernommen",
                             L"Es lässt sich nicht feststellen, ob Quillmar 2.0 läuft. Es wurde "
                             L"nichts übernommen.\r\n\r\n" +
                                 claim.Reason(),
                             MessageIcon::Exclamation});
    return false;
  }
  // One without a window yet (starting or ending) is left to the claim's wait.
  HWND resident = FindMainProgram(ProgramFolderW());
  if (resident && !EndAllowed()) return false;
  if ((!resident || EndMainProgram(resident, kMainProgramEndMs)) && claim.Take(kMainProgramEndMs)) {
    return true;
  }
  ShowMessageBox(window_, {L"Quillmar 2.0 läuft noch",
                           L"Quillmar 2.0 konnte nicht beendet werden. Es wurde nichts "
                           L"übernommen.\r\nBitte beenden Sie es über \"Beenden\" im Menü des "
                           L"Tray-Icons und klicken Sie dann noch einmal auf \"Einlesen\".",
                           MessageIcon::Exclamation});
  return false;
}

bool ImporterWindow::EndAllowed() {
  return ShowMessageBox(window_,
                        {L"Quillmar 2.0 beenden?",
                         L"Quillmar 2.0 läuft noch. Darf es jetzt beendet werden, damit die alten "
                         L"Einstellungen eingelesen werden können?\r\n\r\n"
                         L"Bei \"Nein\" wird nichts übernommen.",
                         MessageIcon::Question, MessageButtons::YesNo}) == IDYES;
}

// A main program of this folder that still runs (the user kept it, or opened the
// importer from its settings window) is not started a second time.
void ImporterWindow::Close() {
  const std::wstring folder = ProgramFolderW();
  if (!MainProgramRuns(folder)) StartMainProgram(window_, folder);
  EndModal();
}

}  // namespace qm
