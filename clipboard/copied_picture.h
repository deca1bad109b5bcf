#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// A picture from the clipboard as the bytes of a PNG file.
struct CopiedPicture {
  std::string png;                      // empty when the clipboard holds no usable picture
  std::optional<std::wstring> failure;  // the system's reason when a picture could not be encoded
};

// What the clipboard's picture formats hold. Any program can put them there, so nothing
// in them is trusted and nothing outside a block is ever read.
//
// The length of the PNG file at the start of a block of the registered format "PNG"
// (a clipboard block may be longer than what it holds): the signature, IHDR first,
// IDAT, every chunk inside the block, IEND last. 0 when the block holds no whole PNG.
size_t PngLength(std::string_view block);

// The pixels of a picture, top row first, each pixel blue, green, red and, when the
// picture has a real alpha channel, alpha; no padding.
struct PictureRows {
  uint32_t width = 0;
  uint32_t height = 0;
  bool alpha = false;
  std::string pixels;

  bool operator==(const PictureRows&) const = default;
};

// Pictures wider, higher or larger than this are refused: nobody copies them, and their
// rows would not fit the memory of the 32-bit program.
inline constexpr uint32_t kLongestPictureSide = 1u << 16;
inline constexpr uint64_t kMostPicturePixels = 64ull << 20;

// The pixels of a device-independent bitmap (CF_DIB, CF_DIBV5): its header (core, info,
// V4 or V5), colour masks, colour table and rows, uncompressed (BI_RGB) or with
// BI_BITFIELDS, 1 to 32 bits per pixel, rows bottom-up or top-down. Nothing when the
// header does not fit the block, names an absurd size or a format we do not read, or
// when the colour table or the rows run past the end of the block. Colours are kept
// exactly; fewer than 8 bits of a colour are widened by repeating their bits. A picture
// has alpha only when its masks name an alpha channel and that channel is not 0
// everywhere (a writer that fills nothing there means no transparency).
std::optional<PictureRows> PictureOfDib(std::string_view block);

}  // namespace qm
