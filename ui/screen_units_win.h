#pragma once

#include <windows.h>

#include "ui/owned_handles_win.h"
#include "ui/twips.h"

namespace qm {

// The screen's real resolution in dots per inch, horizontally and vertically; 96 where
// the screen does not tell.
SIZE ScreenDpi();

// A size in twips as pixels of this screen.
SIZE ScreenTwips(int widthTwips, int heightTwips);

// A place in twips as pixels at `dpi`.
RECT PixelRect(const TwipsRect& twips, SIZE dpi);

// A font of `tenthsOfPoint` / 10 points at the screen's real resolution.
OwnedFont PointFont(const wchar_t* face, int tenthsOfPoint, bool bold);

// The font the system uses for dialogs and messages, for windows that are no dialogs.
OwnedFont SystemDialogFont();

}  // namespace qm
