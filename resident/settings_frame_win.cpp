#include "resident/settings_frame_win.h"

#include <commctrl.h>

#include "actions/action_list_page_win.h"
#include "options/hotkeys_page_win.h"
#include "options/options_page_win.h"
#include "ui/common_controls_win.h"
#include "ui/window_win.h"

namespace qm {

namespace {

constexpr int kTabStripId = 100;
// The room between the window's edge and the tab strip, in twips.
constexpr int kMarginTwips = 105;
constexpr const wchar_t* kTabs[] = {L"Aktionen", L"Optionen", L"Generelle Hotkeys"};
enum Tab { kTabAktionen, kTabOptionen, kTabHotkeys };

}  // namespace

SettingsFrame::SettingsFrame(HINSTANCE instance, HWND host, SettingsStore& settings,
                             CurrentOptions& options, SaveNoticeWindow& notice,
                             ResidentCommands& resident)
    : instance_(instance),
      host_(host),
      settings_(settings),
      options_(options),
      notice_(notice),
      resident_(resident) {}

SettingsFrame::~SettingsFrame() { Release(); }

void SettingsFrame::Show() {
  if (!tabStrip_ && !Make()) return;
  if (!IsWindowVisible(host_)) PlaceCentredAndHide();
  ShowWindow(host_, SW_SHOWNORMAL);
  SetForegroundWindow(host_);
}

void SettingsFrame::Hide() { ShowWindow(host_, SW_HIDE); }

void SettingsFrame::PlaceCentredAndHide() {
  RECT frame{};
  GetWindowRect(host_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(host_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void SettingsFrame::RefillActionList() {
  if (listPage_) listPage_->Fill();
}

void SettingsFrame::ReleaseWhenUnused() {
  if (!tabStrip_ || IsWindowVisible(host_)) return;
  if (listPage_ && listPage_->HasOpenWindow()) return;
  Release();
  // Make gives the window its size back.
  LetGoOfDrawingSurfaces(host_);
}

bool SettingsFrame::Make() {
  commonControls_ = LoadCommonControls();
  if (!commonControls_) return false;
  tabStrip_ =
      CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                      0, 0, 0, 0, host_, reinterpret_cast<HMENU>(kTabStripId), instance_, nullptr);
  HWND page = tabStrip_ ? PageOfTab(kTabAktionen) : nullptr;
  if (!page) {
    Release();
    return false;
  }
  tabFont_ = SystemDialogFont();
  SendMessageW(tabStrip_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), FALSE);
  for (int tab = 0; tab < static_cast<int>(std::size(kTabs)); ++tab) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(kTabs[tab]);
    TabCtrl_InsertItem(tabStrip_, tab, &item);
  }
  FitToPage(page);
  TabCtrl_SetCurSel(tabStrip_, selectedTab_);
  TabStrip1_Click();
  return true;
}

// The pages first: the list's image list needs the library until it is gone.
void SettingsFrame::Release() {
  listPage_.reset();
  optionsPage_.reset();
  hotkeysPage_.reset();
  // At the program's end the tab strip went with the window it belongs to.
  if (tabStrip_ && IsWindow(tabStrip_)) DestroyWindow(tabStrip_);
  tabStrip_ = nullptr;
  tabFont_.reset();
  commonControls_.reset();
}

// The window takes the size of a page in the tab strip; all pages have one size.
void SettingsFrame::FitToPage(HWND page) {
  RECT pageRect{};
  GetWindowRect(page, &pageRect);
  RECT strip{0, 0, pageRect.right - pageRect.left, pageRect.bottom - pageRect.top};
  TabCtrl_AdjustRect(tabStrip_, TRUE, &strip);
  const SIZE margin = ScreenTwips(kMarginTwips, kMarginTwips);
  const int stripWidth = strip.right - strip.left;
  const int stripHeight = strip.bottom - strip.top;
  SetWindowPos(tabStrip_, nullptr, margin.cx, margin.cy, stripWidth, stripHeight, SWP_NOZORDER);
  RECT frame{0, 0, stripWidth + 2 * margin.cx, stripHeight + 2 * margin.cy};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  SetWindowPos(host_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shows the page of the selected tab over the tab strip's display area; the general
// hotkeys are read anew every time their tab is selected.
void SettingsFrame::TabStrip1_Click() {
  const int selected = TabCtrl_GetCurSel(tabStrip_);
  HWND page = PageOfTab(selected);
  if (!page) return;
  selectedTab_ = selected;
  RECT area{};
  GetWindowRect(tabStrip_, &area);
  MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&area), 2);
  TabCtrl_AdjustRect(tabStrip_, FALSE, &area);
  SetWindowPos(page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  for (const Dialog* other :
       {static_cast<const Dialog*>(listPage_.get()), static_cast<const Dialog*>(optionsPage_.get()),
        static_cast<const Dialog*>(hotkeysPage_.get())}) {
    if (other && other->Handle() != page) ShowWindow(other->Handle(), SW_HIDE);
  }
  if (selected == kTabHotkeys) hotkeysPage_->Refill();
}

// The page of a tab is made when the tab is first selected.
template <typename Page, typename... Arguments>
HWND SettingsFrame::MadePage(std::unique_ptr<Page>& page, Arguments&... arguments) {
  if (!page) {
    page = std::make_unique<Page>(instance_, arguments...);
    if (!page->Create(host_)) page.reset();
  }
  return page ? page->Handle() : nullptr;
}

HWND SettingsFrame::PageOfTab(int tab) {
  switch (tab) {
    case kTabOptionen:
      return MadePage(optionsPage_, options_, settings_, notice_, resident_);
    case kTabHotkeys:
      return MadePage(hotkeysPage_, settings_, resident_);
    default:
      return MadePage(listPage_, settings_, resident_);
  }
}

}  // namespace qm
