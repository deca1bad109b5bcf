#include "clipboard/clipboard_picture_win.h"

#include "clipboard/copied_picture.h"
#include "clipboard/png_encoder_win.h"

namespace qm {

ClipboardPng PictureOfCopy(ClipboardCopy&& copy) {
  if (!copy.png.empty()) return {std::move(copy.png)};
  const auto picture = DibPicture::Read(copy.dib);
  if (!picture) return {};
  ClipboardPng png;
  png.error = EncodePng(*picture, png.png);
  return png;
}

}  // namespace qm
