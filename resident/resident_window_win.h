#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "resident/refresh_turn.h"
#include "resident/save_queue.h"
#include "resident/tray_menu_model.h"
#include "save/save_adapters_win.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "settings/settings_file_win.h"
#include "ui/resident_commands.h"
#include "ui/window_win.h"

namespace qm {

class ClipboardListener;
class FirstStartWindow;
class HotkeyRegistry;
class SaveNoticeWindow;
class SettingsFrame;
class TrayIcon;
class TrayMenu;
class WinMessageBoxes;

// frmHaupt: the hidden resident window. It owns the tray icon and menu, the hotkeys,
// the clipboard listener and reader, automatic saving, the save queue and the save notice;
// every outside event reaches the program as one of its messages. Shown, it is the
// settings window, whose frame (resident/settings_frame_win.h) it hosts.
class ResidentWindow : public Window, public ResidentCommands {
 public:
  explicit ResidentWindow(HINSTANCE instance);
  ~ResidentWindow() override;

  // Creates the window and runs the start-up sequence; false when the window could
  // not be created.
  bool Create();

  // Lets go of the settings window once it is hidden and unused; for the program's
  // message loop, between two messages.
  void ReleaseUnusedSettingsWindow();
  // Ends the program whose end was asked for while the start-up, a save or a refresh ran; for the
  // program's message loop, between two messages, where no handler runs any more.
  void EndWhenAsked();

  // What the pages and the editor ask of the resident window.
  void Aktualisieren(int changedBinding) override;
  void UnregisterHotkey(int id) override;
  void MakeStandardAction(int number) override;
  void ShowSettingsWindow() override;
  void HideSettingsWindow() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Start-up and shutdown.
  void StartUp();
  void WriteTempPath();
  void FirstStart();
  void ShutDown();

  // GuardWindowProc: clipboard-change and hotkey messages; true when handled here.
  bool GuardWindowProc(UINT message, WPARAM wParam);
  // ProcMsg: the tray icon's callback.
  void ProcMsg(LPARAM mouseEvent);
  void OnClipboardUpdate();
  void OnHotkey(int id);

  void Initialisiere_Hotkeys(int changedBinding);
  void ToggleAutomatic(bool fromHotkey);
  void ShowTrayMenu();
  void OnMenuCommand(WORD commandId);
  void OnMenuTimer(UINT_PTR timer);
  void RunMenuPick(const MenuPick& pick);
  void OnNoticeClosed();
  // The end: at once, or once the start-up or the running save or refresh is over. Held from now
  // on, the program registers and writes nothing more; an end asked for by the end request can be
  // withdrawn by it.
  void EndProgram(bool byRequest = false);
  void OnEndRequest(WPARAM withdraw);
  void OnSessionEnd(bool ending);
  void HoldWhileEnding();
  bool Held() const { return endAsked_ || sessionEnding_; }
  void Refresh(int changedBinding);
  // The options as the file holds them; until they could be read whole, every refresh
  // reads them again.
  void ReadOptions();
  // The actions just read: the action list, the tray menu, icon and tip, the hotkeys.
  void ShowActions(int changedBinding);

  void RequestSave(int action, bool fromTrayClick = false);
  // "Zwischenablage hier speichern" handed over by a start with "/hier FOLDER".
  bool OnSaveHere(const COPYDATASTRUCT& data);
  void SaveHerePending();
  void Speichern(int action);
  bool AutomaticSavingOn() const;

  HINSTANCE instance_;
  UINT taskbarCreated_ = 0;
  UINT quitRequest_ = 0;
  UINT showRequest_ = 0;  // a second start of the program
  bool endAsked_ = false;
  bool endByRequest_ = false;
  bool sessionEnding_ = false;
  bool startingUp_ = false;
  bool guardInstalled_ = false;

  ProfileSettings settings_;
  ActionCache actions_;
  CurrentOptions options_;
  bool optionsRead_ = false;
  int refreshAgainBinding_ = 0;
  std::unique_ptr<WinMessageBoxes> messages_;
  WinSaveFiles files_;
  std::unique_ptr<ClipboardReader> reader_;
  std::unique_ptr<WinSaveSources> sources_;
  std::unique_ptr<SaveNoticeWindow> notice_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<TrayMenu> menu_;
  std::unique_ptr<HotkeyRegistry> hotkeys_;
  std::unique_ptr<ClipboardListener> listener_;
  std::unique_ptr<SettingsFrame> frame_;
  std::unique_ptr<FirstStartWindow> firstStart_;
  SaveQueue saves_;
  RefreshTurn refreshes_;

  int txtStandard_ = 0;                   // number of the Standard action, 0 for none
  std::vector<std::string> hereFolders_;  // handed over, not yet saved into
  HWND savedForeground_ = nullptr;
  bool foregroundSaved_ = false;
  bool startedFromTray_ = false;
  std::optional<MenuPick> pendingCommand_;
};

}  // namespace qm
