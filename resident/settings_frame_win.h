#pragma once

#include <windows.h>

#include <memory>

#include "settings/current_options.h"
#include "settings/settings_store.h"
#include "ui/library_on_demand_win.h"
#include "ui/resident_commands.h"
#include "ui/screen_units_win.h"

namespace qm {

class ActionListPage;
class HotkeysPage;
class OptionsPage;
class SaveNoticeWindow;

// The settings window: the resident window shown, with a tab strip that hosts the three
// pages ("Aktionen", "Optionen", "Generelle Hotkeys"). The tab strip, the pages and the
// common-controls library are made when the window is shown and let go once it is
// hidden and nothing of it is open any more, so that a resting program keeps none of
// them, nor the window's drawing surface. Only the tab last selected is remembered.
class SettingsFrame {
 public:
  // The host's style: a window with a caption, a close box and a minimise box.
  static constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  static constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

  SettingsFrame(HINSTANCE instance, HWND host, SettingsStore& settings, CurrentOptions& options,
                SaveNoticeWindow& notice, ResidentCommands& resident);
  ~SettingsFrame();
  SettingsFrame(const SettingsFrame&) = delete;
  SettingsFrame& operator=(const SettingsFrame&) = delete;

  void Show();
  void Hide();
  // Centres the window on the screen and hides it.
  void PlaceCentredAndHide();
  // The list part of the refresh, while the list is there.
  void RefillActionList();
  // The selection of another tab.
  void TabStrip1_Click();
  // Lets go of everything once the window is hidden and none of its windows (the action
  // editor, the about window) is open. Only for the outermost message loop, between two
  // messages: there no handler of a page can be running.
  void ReleaseWhenUnused();

 private:
  bool Make();
  void Release();
  void FitToPage(HWND page);
  HWND PageOfTab(int tab);
  template <typename Page, typename... Arguments>
  HWND MadePage(std::unique_ptr<Page>& page, Arguments&... arguments);

  HINSTANCE instance_;
  HWND host_;
  SettingsStore& settings_;
  CurrentOptions& options_;
  SaveNoticeWindow& notice_;
  ResidentCommands& resident_;
  int selectedTab_ = 0;

  // What the shown window holds; the library goes last.
  OwnedLibrary commonControls_;
  HWND tabStrip_ = nullptr;
  OwnedFont tabFont_;
  std::unique_ptr<ActionListPage> listPage_;
  std::unique_ptr<OptionsPage> optionsPage_;
  std::unique_ptr<HotkeysPage> hotkeysPage_;
};

}  // namespace qm
