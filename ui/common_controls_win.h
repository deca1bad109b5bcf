#pragma once

#include <windows.h>
#include <commctrl.h>

namespace qm {

// The common controls of the settings window (tab strip, tree view, image list),
// loaded with the settings window rather than with the program. False when the
// library is not there; the other calls then do nothing.
bool LoadCommonControls();

HIMAGELIST NewImageList(int size, int count);
void AddToImageList(HIMAGELIST images, HICON icon);
void DeleteImageList(HIMAGELIST images);

}  // namespace qm
