#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace qm {

// The screen's real resolution in dots per inch, horizontally and vertically.
SIZE ScreenDpi();

// A size in twips as pixels of this screen.
SIZE ScreenTwips(int widthTwips, int heightTwips);

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A font of `tenthsOfPoint` / 10 points at the screen's real resolution.
OwnedFont PointFont(const wchar_t* face, int tenthsOfPoint, bool bold);

// The font the system uses for dialogs and messages, for windows that are no dialogs.
OwnedFont SystemDialogFont();

struct BrushDeleter {
  void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

}  // namespace qm
