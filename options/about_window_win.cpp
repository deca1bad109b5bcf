#include "options/about_window_win.h"

#include <shellapi.h>

#include "options/maker.h"
#include "options/options_ids.h"
#include "settings/ansi_text.h"

namespace qm {

namespace {

constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kYellow = 0x0000FFFF;
// The client area, and the edges of the ellipse it is cut to, in twips.
constexpr int kWidthTwips = 7125;
constexpr int kHeightTwips = 4200;
constexpr RECT kEllipseTwips{150, 450, 6000, 3750};

}  // namespace

void AboutWindow::Open(HWND owner) {
  if (!window_ && !CreateModeless(instance_, IDD_ABOUT, owner)) return;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void AboutWindow::SendMail(const std::string& address, const std::string& subject) {
  const std::string mail = MailtoAddress(address, {subject, "", "", ""});
  ShellExecuteA(window_, "open", mail.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR AboutWindow::StartURL(const std::string& address) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(window_, "Open", address.c_str(), "", "C:\\", SW_SHOWNORMAL));
}

INT_PTR AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Form_Load();
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(red_.get());
    case WM_CTLCOLORSTATIC:
      return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCHITTEST:
      // The background drags the window, which has no title bar to drag it by.
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, HTCAPTION);
      return TRUE;
    case WM_SETCURSOR:
      if (!IsLink(reinterpret_cast<HWND>(wParam))) return FALSE;
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // the hand
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_ABOUT_EMAIL && HIWORD(wParam) == STN_CLICKED) {
        SendMail(std::string(kMakerMailAddress), std::string(kMailSubject));
      } else if (LOWORD(wParam) == IDC_ABOUT_URL && HIWORD(wParam) == STN_CLICKED) {
        StartURL(std::string(kMakerWebAddress));
      } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Destroy();
      }
      return TRUE;
    default:
      return FALSE;
  }
}

void AboutWindow::Form_Load() {
  red_.reset(CreateSolidBrush(kRed));
  productFont_ = PointFont(L"Arial", 240, true);
  linkFont_ = PointFont(L"Arial", 90, true);
  SendDlgItemMessageW(window_, IDC_ABOUT_PRODUCT, WM_SETFONT,
                      reinterpret_cast<WPARAM>(productFont_.get()), FALSE);
  for (const int id : {IDC_ABOUT_EMAIL, IDC_ABOUT_URL}) {
    SendDlgItemMessageW(window_, id, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
  }
  SetDlgItemTextW(window_, IDC_ABOUT_EMAIL, WidenAnsi(kMakerMailShown).c_str());
  SetDlgItemTextW(window_, IDC_ABOUT_URL, WidenAnsi(kMakerWebAddress).c_str());
  // A little below the centre of the screen.
  const SIZE size = ScreenTwips(kWidthTwips, kHeightTwips);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  const int top = static_cast<int>((GetSystemMetrics(SM_CYSCREEN) - size.cy) / 1.8);
  SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER);
  const SIZE dpi = ScreenDpi();
  OwnedRegion ellipse(CreateEllipticRgn(
      TwipsToPixels(kEllipseTwips.left, dpi.cx), TwipsToPixels(kEllipseTwips.top, dpi.cy),
      TwipsToPixels(kEllipseTwips.right, dpi.cx), TwipsToPixels(kEllipseTwips.bottom, dpi.cy)));
  // The system owns the region once it is set.
  if (ellipse && SetWindowRgn(window_, ellipse.get(), TRUE)) ellipse.release();
  SendMessageW(window_, DM_SETDEFID, IDOK, 0);
}

INT_PTR AboutWindow::Colour(HDC dc, HWND control) {
  SetBkColor(dc, kRed);
  SetTextColor(dc, IsLink(control) ? kYellow : kWhite);
  return reinterpret_cast<INT_PTR>(red_.get());
}

bool AboutWindow::IsLink(HWND control) const {
  return control == Item(IDC_ABOUT_EMAIL) || control == Item(IDC_ABOUT_URL);
}

}  // namespace qm
