#pragma once

#include <windows.h>

#include "ui/dialog_win.h"
#include "ui/program_folder_win.h"

namespace qm {

// The importer's one window, "Alte Einstellungen übernehmen": the path of the old
// settings file, "Öffnen..." to choose it and "Einlesen" to take it over. Whenever the
// window closes, the main program of the same folder is started again.
class ImporterWindow : public Dialog {
 public:
  explicit ImporterWindow(HINSTANCE instance) : instance_(instance) {}

  // Shows the window and returns when it has closed.
  void Run();

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void PlaceInTwips();
  void cmdDialog_Click();
  void cmdEinlesen_Click();
  // True once the import holds the folder's claim; false after a box that says why not.
  bool FolderClaimed(ProgramFolderClaim& claim);
  // Whether the user lets the running main program be ended.
  bool EndAllowed();
  void Close();

  HINSTANCE instance_;
};

}  // namespace qm
