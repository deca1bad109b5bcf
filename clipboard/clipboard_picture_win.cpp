#include "clipboard/clipboard_picture_win.h"

#include <optional>
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

// The rows are taken out while the clipboard is open; that is the one copy of them.
std::optional<PictureRows> OpenClipboardBitmap() {
  for (const UINT format : {CF_DIBV5, CF_DIB}) {
    if (IsClipboardFormatAvailable(format)) return ReadOpenClipboardBlock(format, PictureOfDib);
  }
  return std::nullopt;
}

}  // namespace

ClipboardPng ClipboardPicture(HWND owner) {
  std::optional<PictureRows> rows;
  {
    ClipboardSession session(owner);
    if (!session.IsOpen()) return {};
    if (std::string png = OpenClipboardPng(); !png.empty()) return {std::move(png)};
    rows = OpenClipboardBitmap();
  }
  ClipboardPng picture;
  if (rows) picture.error = EncodePng(*rows, picture.png);
  return picture;
}

}  // namespace qm
