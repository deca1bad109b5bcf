#pragma once

#include <array>
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

// Pictures wider, higher or larger than this are refused: nobody copies them, and the
// 32-bit program could not encode them.
inline constexpr uint32_t kLongestPictureSide = 1u << 16;
inline constexpr uint64_t kMostPicturePixels = 64ull << 20;

// A device-independent bitmap (CF_DIB, CF_DIBV5) read in place, row by row, so that a
// screenshot is never copied whole: its header (core, info, V4 or V5), colour masks,
// colour table and rows, uncompressed (BI_RGB) or with BI_BITFIELDS, 1 to 32 bits per
// pixel, bottom-up or top-down. Colours are kept exactly; fewer than 8 bits of a colour
// are widened by repeating their bits. A picture has alpha only when its masks name an
// alpha channel and that channel is not 0 everywhere (a writer that fills nothing there
// means no transparency).
class DibPicture {
 public:
  // Nothing when the header does not fit the block, names an absurd size or a format we
  // do not read, or when the colour table or the rows run past the end of the block.
  // The picture reads the block, which must outlive it.
  static std::optional<DibPicture> Read(std::string_view block);

  uint32_t Width() const { return width_; }
  uint32_t Height() const { return height_; }
  bool Alpha() const { return alpha_; }
  // A row: each pixel blue, green, red and, with alpha, alpha; no padding.
  size_t RowBytes() const { return size_t{width_} * (alpha_ ? 4 : 3); }
  // Writes row `y` (0 is the top row) at `out`, RowBytes() long.
  void Row(uint32_t y, char* out) const;

  // One colour of a masked pixel: where its bits are and how many there are.
  struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
  };

 private:
  std::string_view SourceRow(uint32_t y) const;
  uint32_t PixelAt(std::string_view row, uint32_t x) const;
  bool AlphaIsUsed() const;

  std::string_view block_;
  uint32_t width_ = 0;
  uint32_t height_ = 0;
  bool alpha_ = false;
  bool bottomUp_ = true;
  uint32_t bitCount_ = 0;
  Channel red_, green_, blue_, alphaChannel_;
  std::array<std::array<char, 3>, 256> palette_{};  // B, G, R; black past the table
  size_t pixelsAt_ = 0;
  size_t stride_ = 0;
};

}  // namespace qm
