#pragma once

#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <commdlg.h>

#include <array>
#include <initializer_list>

#include "options/save_notice_win.h"
#include "settings/current_options.h"
#include "settings/settings_store.h"
#include "ui/dialog_win.h"
#include "ui/library_on_demand_win.h"
#include "ui/resident_commands.h"
#include "ui/screen_units_win.h"

namespace qm {

// frmOptionentab, the tab "Optionen": edits the program-wide options. Every change is
// written to the settings file and taken into CurrentOptions at once, so the next
// save uses it.
class OptionsPage : public Dialog {
 public:
  OptionsPage(HINSTANCE instance, CurrentOptions& options, SettingsStore& settings,
              SaveNoticeWindow& notice, ResidentCommands& resident);

  bool Create(HWND parent);

 private:
  struct ColourRow;
  static const std::array<ColourRow, 7>& ColourRows();

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Form_Load();
  void OnCommand(int id, int code);
  void OnTextChanged(int id);
  // Writes the values into "Optionen"; false after a box when one did not reach the file.
  void txtAusnahmen_Change();
  bool Stored(std::initializer_list<KeyValue> values);
  bool ChooseColourDialog(CHOOSECOLORW& dialog);
  void ChooseColourFor(const ColourRow& row);
  void PaintSwatch(const ColourRow& row);
  INT_PTR SwatchBrush(HWND swatch);
  void chkSuppress_Click(int id);
  void ShowExplorerVerb();
  void chkExplorer_Click();
  void cmdTest_Click();
  void cmdPosition_Click();

  HINSTANCE instance_;
  CurrentOptions& options_;
  SettingsStore& settings_;
  SaveNoticeWindow& notice_;
  ResidentCommands& resident_;
  std::array<OwnedBrush, 7> swatches_;
  OwnedLibrary colourDialogs_;
  bool loading_ = false;
};

}  // namespace qm
