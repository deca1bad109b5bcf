#pragma once

#include <windows.h>

#include <functional>

#include "options/notice_rules.h"
#include "save/save_ports.h"
#include "settings/current_options.h"
#include "settings/settings_store.h"
#include "ui/owned_handles_win.h"
#include "ui/window_win.h"

namespace qm {

// The save notice (frmMessage): a small borderless topmost window that reports a save
// and closes itself on the second tick of its timer. It is loaded afresh, at the place
// and in the colours of the current options, on the first show after it closed. It
// never takes the keyboard focus: a notice after a hotkey save must not interrupt the
// user's typing.
class SaveNoticeWindow : public Window, public SaveSignals {
 public:
  static constexpr int kLabelId = 101;  // lblgespeichert
  static constexpr int kOkId = 102;     // cmdOk

  // `onClosed` runs after every close, by the timer or by "&Ok": the resident window
  // gives the foreground back after a save started from the tray.
  SaveNoticeWindow(HINSTANCE instance, CurrentOptions& options, SettingsStore& settings,
                   std::function<void()> onClosed);
  ~SaveNoticeWindow() override;

  void Beep() override;
  void ShowNotice(const NoticeRequest& request) override;
  // The options page's "Test": the label as loaded, for the interval typed there.
  void ShowPreview(long long intervalMs);
  // The options page's "Position einstellen": up for two minutes with "&Ok" visible,
  // which stores the place the user dragged the notice to.
  void ShowPositionMode();

  // Goes at once, without the hand-back of the focus: the program is ending.
  void Close();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;

  bool Form_Load();
  bool CreateControls();
  void SetInterval(long long intervalMs);
  void ShowWithoutFocus();
  void ApplyLabel(const NoticeRequest& request);
  void SetLabelFont(int sizePt);
  void PlaceLabel(int topTwips);

  void tmrUnload_Timer();
  void cmdOk_Click();
  void lblgespeichert_MouseDown(POINT client);
  void lblgespeichert_MouseMove(POINT client);
  void lblgespeichert_MouseUp();
  ScreenPoint InLabel(POINT client) const;
  LRESULT PaintPanel(HDC dc);
  LRESULT ColourLabel(HDC dc);

  void Unload();

  HINSTANCE instance_;
  CurrentOptions& options_;
  SettingsStore& settings_;
  std::function<void()> onClosed_;

  // Of the loaded window; reset by Form_Load.
  HWND label_ = nullptr;
  HWND ok_ = nullptr;
  OwnedFont labelFont_;
  OwnedBrush panelBrush_;
  Colour textColour_ = 0;
  Colour panelColour_ = 0;
  SIZE dpi_{96, 96};
  int fontSizePt_ = kInitialFontSizePt;
  int labelTopTwips_ = kInitialLabelTopTwips;
  NoticeCloseCountdown countdown_;
  NoticeDrag drag_;
};

}  // namespace qm
