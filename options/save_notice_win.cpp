#include "options/save_notice_win.h"

#include <utility>
#include <vector>

#include "ui/message_box_win.h"
#include "ui/screen_units_win.h"
#include "ui/settings_input.h"

namespace qm {

namespace {

constexpr wchar_t kClassName[] = L"QuillmarSaveNotice";
constexpr wchar_t kCaption[] = L"Hinweis";
constexpr wchar_t kInitialText[] = L"Text wurde gespeichert!";
constexpr UINT_PTR kUnloadTimerId = 1;  // tmrUnload
constexpr long long kPositionModeIntervalMs = 60000;

ScreenRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK CollectScreen(HMONITOR, HDC, LPRECT area, LPARAM screens) {
  reinterpret_cast<std::vector<ScreenRect>*>(screens)->push_back(FromRect(*area));
  return TRUE;
}

std::vector<ScreenRect> Screens() {
  std::vector<ScreenRect> screens;
  if (!EnumDisplayMonitors(nullptr, nullptr, CollectScreen, reinterpret_cast<LPARAM>(&screens))) {
    screens.clear();
  }
  return screens;
}

ScreenRect PrimaryWorkArea() {
  RECT area{};
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return FromRect(area);
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

COLORREF AsColorRef(Colour colour) { return static_cast<COLORREF>(colour); }

POINT ClientPoint(LPARAM lParam) {
  // Signed: with the mouse captured, a drag reports points left of or above the window.
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

SaveNoticeWindow::SaveNoticeWindow(HINSTANCE instance, CurrentOptions& options,
                                   SettingsStore& settings, std::function<void()> onClosed)
    : instance_(instance), options_(options), settings_(settings), onClosed_(std::move(onClosed)) {}

SaveNoticeWindow::~SaveNoticeWindow() { Close(); }

void SaveNoticeWindow::Close() { Destroy(); }

void SaveNoticeWindow::Beep() { MessageBeep(MB_OK); }

void SaveNoticeWindow::ShowNotice(const NoticeRequest& request) {
  if (!window_ && !Form_Load()) return;
  SetInterval(request.intervalMs.value_or(NoticeInterval(options_.txtSpeicherzeit)));
  ShowWithoutFocus();
  ApplyLabel(request);
}

void SaveNoticeWindow::ShowPreview(long long intervalMs) {
  if (!window_ && !Form_Load()) return;
  SetInterval(intervalMs);
  ShowWithoutFocus();
}

void SaveNoticeWindow::ShowPositionMode() {
  ShowPreview(kPositionModeIntervalMs);
  if (ok_) ShowWindow(ok_, SW_SHOWNA);
}

// Loading: place and colour the window as the current options say, with the designed
// layout. Nothing of an earlier showing survives.
bool SaveNoticeWindow::Form_Load() {
  dpi_ = ScreenDpi();
  const PixelSize size{TwipsToPixels(kNoticeWidthTwips, dpi_.cx),
                       TwipsToPixels(kNoticeHeightTwips, dpi_.cy)};
  const ScreenPoint place =
      NoticePlace(StoredNoticePlace(options_.txtX, options_.txtY, dpi_.cx, dpi_.cy), size,
                  Screens(), PrimaryWorkArea());
  panelColour_ = options_.frameSpeichertext;
  textColour_ = options_.frameSpeichertextfarbe;
  fontSizePt_ = kInitialFontSizePt;
  labelTopTwips_ = kInitialLabelTopTwips;
  countdown_ = {};
  drag_ = {};
  panelBrush_.reset(CreateSolidBrush(AsColorRef(panelColour_)));
  if (!panelBrush_) return false;
  const WindowSpec spec{.className = kClassName,
                        .caption = kCaption,
                        .style = WS_POPUP,
                        .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                        .x = place.x,
                        .y = place.y,
                        .width = size.width,
                        .height = size.height};
  if (Create(instance_, spec) && CreateControls()) return true;
  // A window that was made takes its resources along; without one they go here.
  Destroy();
  OnDestroyed();
  return false;
}

bool SaveNoticeWindow::CreateControls() {
  const RECT label = PixelRect(NoticeLabelRect(labelTopTwips_), dpi_);
  // Without SS_NOTIFY the label lets mouse messages through to the window, which
  // drags it while the pointer is over the label.
  label_ =
      CreateWindowExW(0, L"STATIC", kInitialText, WS_CHILD | WS_VISIBLE | SS_CENTER, label.left,
                      label.top, label.right - label.left, label.bottom - label.top, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)), instance_, nullptr);
  const RECT ok = PixelRect(NoticeOkButtonRect(), dpi_);
  ok_ = CreateWindowExW(0, L"BUTTON", L"&Ok", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, ok.left,
                        ok.top, ok.right - ok.left, ok.bottom - ok.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkId)), instance_, nullptr);
  if (!label_ || !ok_) return false;
  SendMessageW(ok_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetLabelFont(kInitialFontSizePt);
  return labelFont_ != nullptr;
}

// Setting the interval restarts the countdown; 0 stops the timer. The armed state
// stays either way.
void SaveNoticeWindow::SetInterval(long long intervalMs) {
  const auto timerMs = NoticeTimerMs(intervalMs);
  if (!timerMs) {
    KillTimer(window_, kUnloadTimerId);
    return;
  }
  // A notice whose timer cannot run would never go away: better none at all.
  if (!SetTimer(window_, kUnloadTimerId, *timerMs, nullptr)) Unload();
}

void SaveNoticeWindow::ShowWithoutFocus() {
  if (!window_) return;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void SaveNoticeWindow::ApplyLabel(const NoticeRequest& request) {
  if (!window_) return;
  SetLabelFont(request.fontSizePt);
  PlaceLabel(request.labelTopTwips);
  SetWindowTextW(label_, request.text.c_str());
}

void SaveNoticeWindow::SetLabelFont(int sizePt) {
  if (labelFont_ && sizePt == fontSizePt_) return;
  OwnedFont font = PointFont(L"Arial", sizePt * 10, false);
  if (!font) return;
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  labelFont_ = std::move(font);
  fontSizePt_ = sizePt;
}

void SaveNoticeWindow::PlaceLabel(int topTwips) {
  if (topTwips == labelTopTwips_) return;
  const RECT rect = PixelRect(NoticeLabelRect(topTwips), dpi_);
  if (SetWindowPos(label_, nullptr, rect.left, rect.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    labelTopTwips_ = topTwips;
  }
}

void SaveNoticeWindow::tmrUnload_Timer() {
  if (countdown_.Tick()) Unload();
}

void SaveNoticeWindow::cmdOk_Click() {
  RECT rect{};
  if (GetWindowRect(window_, &rect)) {
    const std::string left = CoordinateText(PixelsToTwips(rect.left, dpi_.cx));
    const std::string top = CoordinateText(PixelsToTwips(rect.top, dpi_.cy));
    const auto failure =
        WriteAll(settings_, "Optionen", {{"SpeicherpositionX", left}, {"SpeicherpositionY", top}});
    if (failure) {
      WinMessageBoxes(window_).Show(SettingsWriteFailedMessage(*failure));
    } else {
      options_.txtX = left;
      options_.txtY = top;
    }
  }
  Unload();
}

void SaveNoticeWindow::lblgespeichert_MouseDown(POINT client) {
  RECT label{};
  if (!GetWindowRect(label_, &label)) return;
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&label), 2);
  // Only the label is a handle: the panel's edges and the button are not.
  if (!PtInRect(&label, client)) return;
  drag_.Press(InLabel(client));
  SetCapture(window_);
}

void SaveNoticeWindow::lblgespeichert_MouseMove(POINT client) {
  RECT window{};
  if (!drag_.Dragging() || !GetWindowRect(window_, &window)) return;
  if (const auto moved = drag_.Moved({window.left, window.top}, InLabel(client))) {
    SetWindowPos(window_, nullptr, moved->x, moved->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void SaveNoticeWindow::lblgespeichert_MouseUp() {
  if (!drag_.Dragging()) return;
  drag_.Release();
  ReleaseCapture();
}

ScreenPoint SaveNoticeWindow::InLabel(POINT client) const {
  POINT point = client;
  MapWindowPoints(window_, label_, &point, 1);
  return {point.x, point.y};
}

LRESULT SaveNoticeWindow::PaintPanel(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, panelBrush_.get());
  return 1;
}

// The label is transparent on the panel: it draws its text on the panel's colour.
LRESULT SaveNoticeWindow::ColourLabel(HDC dc) {
  SetTextColor(dc, AsColorRef(textColour_));
  SetBkColor(dc, AsColorRef(panelColour_));
  return reinterpret_cast<LRESULT>(panelBrush_.get());
}

// Every close: the window and all that callers changed on it go; then the resident
// window may give the foreground back.
void SaveNoticeWindow::Unload() {
  if (!window_) return;
  DestroyWindow(window_);
  if (onClosed_) onClosed_();
}

void SaveNoticeWindow::OnDestroyed() {
  labelFont_.reset();
  panelBrush_.reset();
  label_ = ok_ = nullptr;
}

LRESULT SaveNoticeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kUnloadTimerId) tmrUnload_Timer();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kOkId && HIWORD(wParam) == BN_CLICKED) cmdOk_Click();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      lblgespeichert_MouseDown(ClientPoint(lParam));
      return 0;
    case WM_MOUSEMOVE:
      lblgespeichert_MouseMove(ClientPoint(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      lblgespeichert_MouseUp();
      return 0;
    case WM_CAPTURECHANGED:
      drag_.Release();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return PaintPanel(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
      return ColourLabel(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      Unload();
      return 0;
    default:
      return DefaultAnswer(message, wParam, lParam);
  }
}

}  // namespace qm
