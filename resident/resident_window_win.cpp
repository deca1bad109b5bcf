#include "resident/resident_window_win.h"

#include <commctrl.h>

#include <cwchar>

#include "clipboard/clipboard_owner_win.h"
#include "clipboard/clipboard_privacy_win.h"
#include "options/autostart_win.h"
#include "options/first_start_window_win.h"
#include "options/save_notice_win.h"
#include "resident/clipboard_listener_win.h"
#include "resident/hotkey_registry_win.h"
#include "resident/running_span.h"
#include "resident/settings_frame_win.h"
#include "resident/standard_choice.h"
#include "resident/tray_icon_win.h"
#include "resident/tray_menu_model.h"
#include "resident/tray_menu_win.h"
#include "resident/tray_rules.h"
#include "save/access.h"
#include "save/save_messages.h"
#include "save/shell_opener_win.h"
#include "save/speichern.h"
#include "settings/excluded_programs.h"
#include "settings/file_helpers_win.h"
#include "settings/hotkeys.h"
#include "settings/method_icons.h"
#include "ui/main_program_link.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

namespace {

constexpr wchar_t kCaption[] = L"Quillmar 2.0";
constexpr UINT kMenuDelayMs = 100;
// The three menu timers: BTimer, BTimer2, BTimer3.
constexpr UINT_PTR kBTimer = 1;
constexpr UINT_PTR kBTimer2 = 2;
constexpr UINT_PTR kBTimer3 = 3;
// A refresh that found the settings file held by another program is run again after this.
constexpr UINT_PTR kRefreshAgainTimer = 4;
constexpr UINT kRefreshAgainMs = 1000;
// A folder handed over by "/hier": the save runs from this message, after the hand-over.
constexpr UINT kSaveHereMessage = WM_APP + 1;
// The save queue's request for the folders handed over: no action's number.
constexpr int kSaveHereRequest = kActionCount + 1;

BOOL CALLBACK PressOkIfOwnedBy(HWND window, LPARAM owner) {
  wchar_t className[8] = {};
  if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) &&
      GetClassNameW(window, className, 8) > 0 && std::wcscmp(className, L"#32770") == 0) {
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

// Presses OK in every message box that `owner` owns on this thread.
void CloseOwnedBoxes(HWND owner) {
  EnumThreadWindows(GetCurrentThreadId(), PressOkIfOwnedBy, reinterpret_cast<LPARAM>(owner));
}

}  // namespace

ResidentWindow::ResidentWindow(HINSTANCE instance)
    : instance_(instance),
      saves_([this](int action) { Speichern(action); },
             [this](std::string_view what) {
               messages_->Show(SaveBrokenOffMessage(std::string(what)));
             }),
      refreshes_([this](int changedBinding) { Refresh(changedBinding); }) {}

// Where the message loop ended without the window's own end (a WM_QUIT from outside),
// the window goes here, while every member is still whole.
ResidentWindow::~ResidentWindow() { Destroy(); }

bool ResidentWindow::Create() {
  const WindowSpec spec{.className = kResidentWindowClass,
                        .caption = kCaption,
                        .style = SettingsFrame::kWindowStyle,
                        .exStyle = SettingsFrame::kWindowExStyle,
                        .icon = LoadIconW(instance_, MAKEINTRESOURCEW(1)),
                        .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  if (!Window::Create(instance_, spec)) return false;
  StartUp();
  return true;
}

// Messages pass the guard first, then the tray callback, then the window's own
// handling, as long as each of them is installed.
LRESULT ResidentWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (guardInstalled_ && GuardWindowProc(message, wParam)) return 0;
  if (tray_ && message == kTrayCallbackMessage) {
    ProcMsg(lParam);
    return 0;
  }
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    if (tray_) tray_->ReAdd();
    return 0;
  }
  if (quitRequest_ != 0 && message == quitRequest_) {
    OnEndRequest(wParam);
    return 0;
  }
  if (showRequest_ != 0 && message == showRequest_) {
    ShowSettingsWindow();
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      OnMenuCommand(LOWORD(wParam));
      return 0;
    case WM_COPYDATA:
      return OnSaveHere(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case kSaveHereMessage:
      RequestSave(kSaveHereRequest);
      return 0;
    case WM_TIMER:
      if (wParam == kRefreshAgainTimer) {
        KillTimer(window_, kRefreshAgainTimer);
        Aktualisieren(refreshAgainBinding_);
      } else {
        OnMenuTimer(wParam);
      }
      return 0;
    case WM_NOTIFY:
      if (frame_ && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        frame_->TabStrip1_Click();
      }
      return 0;
    case WM_SYSCOMMAND:
      // The close box only hides the settings window; the program ends by "&Beenden".
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        HideSettingsWindow();
        return 0;
      }
      break;
    case WM_QUERYENDSESSION:
      OnSessionEnd(true);
      return TRUE;
    case WM_ENDSESSION:
      OnSessionEnd(wParam != FALSE);
      if (wParam) EndProgram();
      return 0;
    case WM_DESTROY:
      ShutDown();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefaultAnswer(message, wParam, lParam);
}

void ResidentWindow::StartUp() {
  const RunningSpan span(startingUp_);
  messages_ = std::make_unique<WinMessageBoxes>(window_);
  reader_ = std::make_unique<ClipboardReader>();
  sources_ = std::make_unique<WinSaveSources>(*reader_, [this] { return AutomaticSavingOn(); });
  notice_ = std::make_unique<SaveNoticeWindow>(instance_, options_, settings_,
                                               [this] { OnNoticeClosed(); });
  menu_ = std::make_unique<TrayMenu>();
  hotkeys_ = std::make_unique<HotkeyRegistry>(window_, settings_, *messages_);
  listener_ = std::make_unique<ClipboardListener>(window_);
  frame_ =
      std::make_unique<SettingsFrame>(instance_, window_, settings_, options_, *notice_, *this);
  WriteTempPath();
  ReadOptions();
  // The shortcut is made anew at every start, also after the user deleted it.
  if (options_.chkAutostart && !IsArchiveEdition(settings_))
    ApplyAutostart(true, settings_, *messages_);
  tray_ = std::make_unique<TrayIcon>(window_, *messages_);
  tray_->Add();
  taskbarCreated_ = TaskbarCreatedMessage();
  quitRequest_ = RegisterWindowMessageW(kQuitRequestMessage);
  showRequest_ = RegisterWindowMessageW(kShowSettingsMessage);
  frame_->PlaceCentredAndHide();
  FirstStart();
  guardInstalled_ = true;
  Aktualisieren(0);
}

// In the short form where the code page cannot write it, as under a user name in
// another script.
void ResidentWindow::WriteTempPath() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length > 0 && length <= MAX_PATH) {
    settings_.Write("Start", "TempPfad", AnsiPath(std::wstring(buffer, length)));
  }
}

// At the very first start the sample actions save onto the desktop, or into the
// program folder where there is no desktop.
void ResidentWindow::FirstStart() {
  if (settings_.Read("Start", "Splash") != "1") return;
  settings_.Write("Start", "Splash", "0");
  firstStart_ = std::make_unique<FirstStartWindow>(instance_, *this);
  firstStart_->Open();
  std::string folder = SpecialFolder(kDesktopFolder, false);
  if (!FolderExists(folder)) folder = ProgramFolder();
  for (int n : {1, 2}) settings_.Write(ActionSection(n), "Speicherpfad", folder);
}

// Every other window of the program goes first, while all objects are whole.
void ResidentWindow::ShutDown() {
  Dialog::DestroyAll();
  if (notice_) notice_->Close();
  guardInstalled_ = false;
  if (listener_) listener_->Leave();
  if (hotkeys_) hotkeys_->UnregisterAll();
  if (tray_) tray_->Remove();
}

bool ResidentWindow::GuardWindowProc(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_CLIPBOARDUPDATE:
      OnClipboardUpdate();
      return true;
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(wParam));
      return true;
    default:
      return false;
  }
}

// Automatic saving leaves alone what the user's programs of "Nicht automatisch sichern
// aus:" copy (an owner that cannot be told saves) and what asks not to be recorded.
void ResidentWindow::OnClipboardUpdate() {
  if (!listener_->IsNewContent() || !AutomaticSavingOn()) return;
  const auto& excluded = options_.txtAusnahmen;
  if (!excluded.empty() && IsExcludedProgram(excluded, ClipboardOwnerProgram())) return;
  if (!ClipboardAsksNotToBeRecorded(*reader_)) RequestSave(txtStandard_);
}

void ResidentWindow::OnHotkey(int id) {
  if (Held()) return;
  if (id >= 1 && id <= kActionCount) {
    RequestSave(id);
  } else if (id == kHotkeyTrayMenu) {
    ShowTrayMenu();
  } else if (id == kHotkeyAutomatic) {
    ToggleAutomatic(true);
  } else if (id == kHotkeyStandard) {
    RequestSave(txtStandard_);
  }
}

void ResidentWindow::ProcMsg(LPARAM mouseEvent) {
  switch (static_cast<UINT>(mouseEvent)) {
    case WM_MOUSEMOVE: {
      // Remember the window the user worked in before reaching for the tray, so the
      // notice can hand the foreground back after a tray-click save.
      HWND front = GetForegroundWindow();
      if (front && front != window_ && !foregroundSaved_) {
        savedForeground_ = front;
        foregroundSaved_ = true;
      }
      break;
    }
    case WM_LBUTTONUP:
      RequestSave(txtStandard_, true);
      break;
    case WM_RBUTTONUP:
      ShowTrayMenu();
      break;
    default:
      break;
  }
}

void ResidentWindow::ShowTrayMenu() { menu_->Popup(window_); }

void ResidentWindow::Aktualisieren(int changedBinding) { refreshes_.Request(changedBinding); }

// Another program (a sync tool at logon, a backup, an editor saving the file) may hold the
// settings file past the reads' waits. What was read then is the missing-entry text, not the
// user's settings: the program keeps what it had and reads again a moment later, until the
// file could be read whole.
void ResidentWindow::Refresh(int changedBinding) {
  const unsigned heldBefore = settings_.ReadsFoundHeld().count;
  if (!optionsRead_) ReadOptions();
  if (actions_.Refresh(settings_)) ShowActions(changedBinding);
  if (!HeldSince(settings_, heldBefore)) return;
  refreshAgainBinding_ = changedBinding;
  SetTimer(window_, kRefreshAgainTimer, kRefreshAgainMs, nullptr);
}

void ResidentWindow::ReadOptions() {
  const unsigned heldBefore = settings_.ReadsFoundHeld().count;
  options_ = LoadCurrentOptions(settings_);
  optionsRead_ = !HeldSince(settings_, heldBefore);
}

void ResidentWindow::ShowActions(int changedBinding) {
  frame_->RefillActionList();
  txtStandard_ = actions_.StandardAction();
  menu_->Fill(BuildTrayMenuModel(actions_, settings_));
  // The pictures show the Standard action's method; without one the program's own icon stays.
  if (txtStandard_ != 0) {
    const IconFiles icons = IconFilesFor(actions_.Record(txtStandard_).Aktion);
    tray_->SetIcons(ProgramFolder() + icons.tray, ProgramFolder() + icons.window);
  }
  tray_->SetTip(TrayTip(TrayToolTipp(actions_, txtStandard_)));
  Initialisiere_Hotkeys(changedBinding);
}

void ResidentWindow::Initialisiere_Hotkeys(int changedBinding) {
  hotkeys_->UnregisterAll();
  listener_->Leave();
  hotkeys_->RegisterAll(changedBinding);
  const bool automatic = settings_.Read("Optionen", "AutomatischSichern") == "ja";
  menu_->SetAutomaticChecked(automatic);
  if (automatic) listener_->Join();
}

bool ResidentWindow::AutomaticSavingOn() const { return menu_ && menu_->AutomaticChecked(); }

void ResidentWindow::ToggleAutomatic(bool fromHotkey) {
  const bool on = !menu_->AutomaticChecked();
  menu_->SetAutomaticChecked(on);
  settings_.Write("Optionen", "AutomatischSichern", on ? "ja" : "nein");
  Aktualisieren(0);
  if (fromHotkey) {
    notice_->ShowNotice(
        {on ? L"\"Automatisch\"\r\naktiviert." : L"\"Automatisch\"\r\ndeaktiviert.", 12, 320, 800});
  }
}

// A menu pick only remembers the item and starts its group's timer, so the command
// runs after the menu has closed.
void ResidentWindow::OnMenuCommand(WORD commandId) {
  const auto pick = menu_->Pick(commandId);
  if (!pick) return;
  pendingCommand_ = *pick;
  const UINT_PTR timer = pick->group == MenuGroup::Befehl    ? kBTimer
                         : pick->group == MenuGroup::Zugriff ? kBTimer2
                                                             : kBTimer3;
  // Without a timer (the desktop is out of them) the pick runs now rather than never.
  if (!SetTimer(window_, timer, kMenuDelayMs, nullptr)) OnMenuTimer(timer);
}

void ResidentWindow::OnMenuTimer(UINT_PTR timer) {
  KillTimer(window_, timer);
  if (!pendingCommand_) return;
  const MenuPick pick = *pendingCommand_;
  RunMenuPick(pick);
}

void ResidentWindow::RunMenuPick(const MenuPick& pick) {
  if (Held()) return;
  switch (pick.group) {
    case MenuGroup::Zugriff: {
      WinShellOpener shell(window_);
      AccessContext context{actions_, options_, files_, *messages_, shell};
      Menueklick2(pick.index, context);
      return;
    }
    case MenuGroup::Standard:
      MakeStandardAction(pick.index + 1);  // StanBefehl(n - 1) belongs to action n
      return;
    case MenuGroup::Befehl:
      break;
  }
  if (pick.index >= 1 && pick.index <= kActionCount) {
    RequestSave(pick.index);
  } else if (pick.index == kMenuAutomatic) {
    ToggleAutomatic(false);
  } else if (pick.index == kMenuSettings) {
    ShowSettingsWindow();
  } else if (pick.index == kMenuQuit) {
    EndProgram();
  }
}

void ResidentWindow::UnregisterHotkey(int id) { UnregisterHotKey(window_, id); }

void ResidentWindow::MakeStandardAction(int number) {
  if (Held()) return;
  if (const auto failure = MakeStandard(number, settings_)) {
    messages_->Show(SettingsWriteFailedMessage(*failure));
  }
  Aktualisieren(0);
}

void ResidentWindow::ShowSettingsWindow() {
  if (frame_) frame_->Show();
}

void ResidentWindow::HideSettingsWindow() {
  if (frame_) frame_->Hide();
}

void ResidentWindow::ReleaseUnusedSettingsWindow() {
  if (frame_) frame_->ReleaseWhenUnused();
}

// The closed notice's drawing surface goes; after a tray-click save, the foreground goes
// back to the window the user worked in.
void ResidentWindow::OnNoticeClosed() {
  LetGoOfCachedDrawingSurfaces(window_);
  if (!startedFromTray_) return;
  if (savedForeground_) SetForegroundWindow(savedForeground_);
  foregroundSaved_ = false;
  startedFromTray_ = false;
}

// "&Beenden", the end request of the importer and the uninstaller, and the end of the
// session. The start-up, or a save or a refresh whose message box runs a nested message
// loop, finishes first, and the program ends right after it: destroyed under the box,
// the window would leave the rest of the work to a window that is gone.
void ResidentWindow::EndProgram(bool byRequest) {
  // Only an end that no one but the end request asked for can be withdrawn.
  endByRequest_ = byRequest && (!endAsked_ || endByRequest_);
  endAsked_ = true;
  HoldWhileEnding();
  // The registration's box comes after all its work: it is closed, not waited for.
  if (refreshes_.Running() && !saves_.Running()) CloseOwnedBoxes(window_);
  EndWhenAsked();
}

void ResidentWindow::EndWhenAsked() {
  if (endAsked_ && window_ && !startingUp_ && !saves_.Running() && !refreshes_.Running()) {
    DestroyWindow(window_);
  }
}

// The importer withdraws its end request when the program did not end in time, so that
// the program keeps running, as the importer then tells the user.
void ResidentWindow::OnEndRequest(WPARAM withdraw) {
  if (withdraw != kWithdrawEnd) {
    EndProgram(true);
  } else if (endAsked_ && endByRequest_) {
    endAsked_ = false;
    HoldWhileEnding();
  }
}

void ResidentWindow::OnSessionEnd(bool ending) {
  sessionEnding_ = ending;
  HoldWhileEnding();
}

// From the end on nothing more is registered or written; an end that is called off lets
// the program go on, with the refresh asked for meanwhile.
void ResidentWindow::HoldWhileEnding() {
  saves_.Hold(Held());
  if (Held()) {
    if (reader_) reader_->GiveUp();
    refreshes_.Hold();
  } else {
    refreshes_.Release();
  }
}

void ResidentWindow::RequestSave(int action, bool fromTrayClick) {
  startedFromTray_ = fromTrayClick;
  saves_.Request(action);
}

void ResidentWindow::Speichern(int action) {
  if (action == kSaveHereRequest) {
    SaveHerePending();
    return;
  }
  SaveContext context{actions_, options_, settings_, files_, *sources_, *messages_, *notice_};
  qm::Speichern(action, context);
}

// The folder is taken at once and the save runs afterwards, as a save of its own in the
// queue, so that the start that handed it over does not wait for the save's boxes.
bool ResidentWindow::OnSaveHere(const COPYDATASTRUCT& data) {
  if (data.dwData != kSaveHereData || !data.lpData || data.cbData < sizeof(wchar_t)) return false;
  const auto* units = static_cast<const wchar_t*>(data.lpData);
  const std::wstring folder(units, wcsnlen(units, data.cbData / sizeof(wchar_t)));
  hereFolders_.push_back(AnsiPath(folder));
  PostMessageW(window_, kSaveHereMessage, 0, 0);
  return true;
}

void ResidentWindow::SaveHerePending() {
  SaveContext context{actions_, options_, settings_, files_, *sources_, *messages_, *notice_};
  while (!hereFolders_.empty()) {
    const std::string folder = hereFolders_.front();
    hereFolders_.erase(hereFolders_.begin());
    SpeichernHier(folder, context);
  }
}

}  // namespace qm
