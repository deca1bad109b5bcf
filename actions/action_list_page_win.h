#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <optional>
#include <string>

#include "actions/action_editor_win.h"
#include "options/about_window_win.h"
#include "settings/settings_store.h"
#include "ui/dialog_win.h"
#include "ui/resident_commands.h"

namespace qm {

// frmZusatzaktionen, the tab "Aktionen": the active actions with their method icons,
// and the buttons that create, edit and delete them, choose the Standard action and
// lead to help, the about window and the importer.
class ActionListPage : public Dialog {
 public:
  ActionListPage(HINSTANCE instance, SettingsStore& settings, ResidentCommands& resident);
  ~ActionListPage() override;

  bool Create(HWND parent);
  // The list part of the refresh: one entry per active action, in number order.
  void Fill();
  // Whether the action editor or the about window is open.
  bool HasOpenWindow() const { return editor_.Handle() || about_.Handle(); }

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void LoadImages();
  void OnCommand(int id);

  void cmdNeu_Click();
  void cmdBearbeiten_Click();
  void cmdLoeschen_Click();
  void cmdStandard_Click();
  void cmdEinstellungen_Click();
  void OnEditorClosed(bool wasNew);

  // An entry of the list: the action's section and its stored name. Entries are told
  // apart by their section, so that twins by name from an earlier version's file are
  // still edited and deleted each on its own.
  struct Entry {
    int number;
    std::string name;
  };
  int EntryCount() const;
  // The selected entry; the first entry is selected when none is.
  std::optional<Entry> SelectedEntry();
  void ShowMessage(const wchar_t* title, const wchar_t* text);

  HINSTANCE instance_;
  SettingsStore& settings_;
  ResidentCommands& resident_;
  HIMAGELIST images_ = nullptr;
  ActionEditor editor_;
  AboutWindow about_;
};

}  // namespace qm
