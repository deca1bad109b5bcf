#pragma once

#include <windows.h>

#include <string>

namespace qm {

// A picture read from the clipboard: the bytes of a PNG file, empty when the clipboard
// holds no usable picture, and the encoder's failure when a bitmap could not be encoded.
struct ClipboardPng {
  std::string png;
  HRESULT error = S_OK;
};

// The clipboard's registered format "PNG" (browsers and image editors put it there) as
// it is, when it holds a whole PNG; else its device-independent bitmap, CF_DIBV5 before
// CF_DIB (which Windows makes from a CF_BITMAP), encoded as PNG. A bitmap whose header
// does not fit its block counts as no picture. The bitmap is encoded where it lies, the
// clipboard open meanwhile (a screenshot, some 50 ms): a copy of megabytes of pixels
// would cost more than the encoding.
ClipboardPng ClipboardPicture(HWND owner);

}  // namespace qm
