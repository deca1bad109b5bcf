#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

namespace qm {

// The common controls of the settings window (tab strip, tree view, image list),
// loaded with the settings window rather than with the program. False when the
// library is not there; the other calls then do nothing.
bool LoadCommonControls();

HIMAGELIST NewImageList(int size, int count);
// Appends the icon; a missing one (null) takes its place as a picture of `size` pixels
// that shows nothing, so that every later picture keeps its index.
void AddToImageList(HIMAGELIST images, HICON icon, int size);
void DeleteImageList(HIMAGELIST images);

}  // namespace qm
