#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qm::e2e {

// The notification area as Wine shows it on a display without a virtual desktop: the
// standalone tray window of Wine's X11 driver ("__winex11_standalone_tray"), with one
// child window per icon. The icons' tooltips are tools of one tooltip window of the
// shell, which shows an icon's text while the mouse rests on the icon.

// The icon windows now in the tray.
std::vector<HWND> TrayIconWindows();

// The tooltip of each icon, read from the tooltip window while the mouse rests on the
// icon; an icon whose tooltip does not show gives an empty text.
std::vector<std::wstring> TrayTooltips();

// Whether the shell holds an icon with this window and id: changing nothing of an
// icon (NIM_MODIFY without flags) succeeds only for an icon that exists.
bool ShellKnowsIcon(HWND window, UINT id);

}  // namespace qm::e2e
