#include "options/first_start_window_win.h"

#include "options/options_ids.h"

namespace qm {

namespace {

constexpr UINT_PTR kUnloadTimer = 1;
constexpr UINT kTickMs = 8000;
constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kYellow = 0x0000FFFF;
constexpr SIZE kClientTwips{7380, 5700};
constexpr RECT kTextTwips{480, 1920, 480 + 6255, 1920 + 2895};

constexpr wchar_t kWelcome[] =
    L"Dies ist der erste Start des Programms.\r\n"
    L"Wählen Sie im folgenden Fenster eine der Beispielaktionen aus und klicken Sie dann auf "
    L"'Bearbeiten'. Ändern Sie jetzt die Einstellungen nach Ihren Wünschen oder belassen sie die "
    L"vorliegenden Einstellungen und testen sie diese. Durch einen Klick auf das Symbol in der "
    L"Taskleiste unten rechts führen Sie die eingestellte Speicheraktion aus.\r\n\r\n"
    L"Beim nächsten Programmstart wird das Programm gleich minimiert gestartet, d. h. es erscheint "
    L"sofort als Symbol unten rechts in der Taskleiste. Mit Rechtsklick auf dieses Symbol "
    L"kommen Sie dann wieder zu allen Einstellungen.";

}  // namespace

void FirstStartWindow::Open() {
  if (!window_ && !CreateModeless(instance_, IDD_FIRST_START, nullptr)) return;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

INT_PTR FirstStartWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Form_Load();
      return FALSE;
    case WM_TIMER:
      tmrUnload_Timer();
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_SPLASH_OK && IsWindowEnabled(Item(IDC_SPLASH_OK))) {
        Destroy();
        resident_.ShowSettingsWindow();
      }
      return TRUE;
    case WM_DESTROY:
      KillTimer(window_, kUnloadTimer);
      return FALSE;
    default:
      return FALSE;
  }
}

void FirstStartWindow::Form_Load() {
  ticked_ = false;
  red_.reset(CreateSolidBrush(kRed));
  productFont_ = PointFont(L"Arial", 323, true);
  versionFont_ = PointFont(L"Arial", 120, true);
  textFont_ = PointFont(L"Arial", 98, false);
  SendDlgItemMessageW(window_, IDC_SPLASH_PRODUCT, WM_SETFONT,
                      reinterpret_cast<WPARAM>(productFont_.get()), FALSE);
  SendDlgItemMessageW(window_, IDC_SPLASH_VERSION, WM_SETFONT,
                      reinterpret_cast<WPARAM>(versionFont_.get()), FALSE);
  SendDlgItemMessageW(window_, IDC_SPLASH_TEXT, WM_SETFONT,
                      reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
  SendDlgItemMessageW(window_, IDC_SPLASH_LOGO, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))), 0);
  SetDlgItemTextW(window_, IDC_SPLASH_TEXT, kWelcome);
  // Not shown (no title bar), but the taskbar and window lists name it.
  SetWindowTextW(window_, L"Willkommen");
  // Client area and welcome text at their places in twips; centred on the screen.
  RECT frame{0, 0, 0, 0};
  const SIZE client = ScreenTwips(kClientTwips.cx, kClientTwips.cy);
  frame.right = client.cx;
  frame.bottom = client.cy;
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, 0);
  const SIZE origin = ScreenTwips(kTextTwips.left, kTextTwips.top);
  const SIZE size =
      ScreenTwips(kTextTwips.right - kTextTwips.left, kTextTwips.bottom - kTextTwips.top);
  SetWindowPos(Item(IDC_SPLASH_TEXT), nullptr, origin.cx, origin.cy, size.cx, size.cy,
               SWP_NOZORDER);
  // "&Ok" in the middle of the room below the text.
  RECT button{};
  GetWindowRect(Item(IDC_SPLASH_OK), &button);
  const int buttonWidth = button.right - button.left;
  const int buttonHeight = button.bottom - button.top;
  const int textBottom = origin.cy + size.cy;
  SetWindowPos(Item(IDC_SPLASH_OK), nullptr, (client.cx - buttonWidth) / 2,
               textBottom + (client.cy - textBottom - buttonHeight) / 2, 0, 0,
               SWP_NOZORDER | SWP_NOSIZE);
  // Without a timer "&Ok" would never be enabled.
  if (!SetTimer(window_, kUnloadTimer, kTickMs, nullptr)) EnableItem(IDC_SPLASH_OK, true);
}

void FirstStartWindow::tmrUnload_Timer() {
  if (ticked_) EnableItem(IDC_SPLASH_OK, true);
  ticked_ = true;
}

// The product name stands yellow on a red band; the welcome text is red.
INT_PTR FirstStartWindow::Colour(HDC dc, HWND control) {
  if (control == Item(IDC_SPLASH_PRODUCT)) {
    SetTextColor(dc, kYellow);
    SetBkColor(dc, kRed);
    return reinterpret_cast<INT_PTR>(red_.get());
  }
  if (control == Item(IDC_SPLASH_TEXT)) SetTextColor(dc, kRed);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace qm
