#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ui/library_on_demand_win.h"

namespace qm {

// The common controls of the settings window (tab strip, tree view, image list), loaded
// with the settings window rather than with the program, and let go with it. Empty when
// the library is not there; the image-list calls below then do nothing.
OwnedLibrary LoadCommonControls();

HIMAGELIST NewImageList(int size, int count);
// Appends the icon; a missing one (null) takes its place as a picture of `size` pixels
// that shows nothing, so that every later picture keeps its index.
void AddToImageList(HIMAGELIST images, HICON icon, int size);
void DeleteImageList(HIMAGELIST images);

}  // namespace qm
