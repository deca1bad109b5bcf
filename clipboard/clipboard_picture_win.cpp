#include "clipboard/clipboard_picture_win.h"

#include <string_view>

#include "clipboard/clipboard_win.h"
#include "clipboard/copied_picture.h"
#include "clipboard/png_encoder_win.h"

namespace qm {

namespace {

// Runs `read` on the locked memory of the open clipboard's block of `format`, bounded
// by the block's size.
template <typename Read>
auto ReadOpenClipboardBlock(UINT format, Read read) -> decltype(read(std::string_view())) {
  HANDLE data = GetClipboardData(format);
  const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (!bytes) return {};
  auto result = read(std::string_view(bytes, GlobalSize(data)));
  GlobalUnlock(data);
  return result;
}

std::string OpenClipboardPng() {
  const UINT format = RegisterClipboardFormatW(L"PNG");
  if (format == 0 || !IsClipboardFormatAvailable(format)) return {};
  return ReadOpenClipboardBlock(format, [](std::string_view block) {
    return std::string(block.substr(0, PngLength(block)));
  });
}

ClipboardPng EncodedDib(std::string_view block) {
  const auto picture = DibPicture::Read(block);
  if (!picture) return {};
  ClipboardPng png;
  png.error = EncodePng(*picture, png.png);
  return png;
}

}  // namespace

ClipboardPng ClipboardPicture(HWND owner) {
  ClipboardSession session(owner);
  if (!session.IsOpen()) return {};
  if (std::string png = OpenClipboardPng(); !png.empty()) return {std::move(png)};
  for (const UINT format : {CF_DIBV5, CF_DIB}) {
    if (IsClipboardFormatAvailable(format)) return ReadOpenClipboardBlock(format, EncodedDib);
  }
  return {};
}

}  // namespace qm
