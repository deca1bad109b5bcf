#pragma once

#include <windows.h>

#include <string>

#include "clipboard/clipboard_win.h"

namespace qm {

// A picture taken from the clipboard: the bytes of a PNG file, empty when the clipboard
// held no usable picture, and the encoder's failure when a bitmap could not be encoded.
struct ClipboardPng {
  std::string png;
  HRESULT error = S_OK;
};

// The copy's PNG (browsers and image editors put one on the clipboard) as it is; else
// its bitmap (CF_DIBV5 before CF_DIB, which Windows makes from a CF_BITMAP), encoded as
// PNG. A bitmap whose header does not fit its block counts as no picture.
ClipboardPng PictureOfCopy(ClipboardCopy&& copy);

}  // namespace qm
