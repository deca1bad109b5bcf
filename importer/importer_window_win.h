#pragma once

#include <windows.h>

#include <string>

namespace qm {

// The importer's one window, "Alte Einstellungen übernehmen": the path of the old
// settings file, "Öffnen..." to choose it and "Einlesen" to take it over. Whenever the
// window closes, the main program of the same folder is started again.
class ImporterWindow {
 public:
  explicit ImporterWindow(HINSTANCE instance) : instance_(instance) {}

  // Shows the window and returns when it has closed.
  void Run();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam);

  void PlaceInTwips();
  void cmdDialog_Click();
  void cmdEinlesen_Click();
  // True when no main program of this folder runs, or the user let it be ended.
  bool MainProgramEnded();
  void Close();

  HINSTANCE instance_;
  HWND window_ = nullptr;
};

}  // namespace qm
