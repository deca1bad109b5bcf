#include "clipboard/copied_picture.h"

#include <algorithm>
#include <array>
#include <bit>

namespace qm {

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr size_t kChunkFrame = 12;  // length, type, CRC
constexpr uint32_t kLargestChunk = 0x7FFFFFFF;

// BITMAPCOREHEADER, BITMAPINFOHEADER and its longer forms up to BITMAPV5HEADER.
constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kInfoHeader = 40;
constexpr std::array<uint32_t, 5> kInfoHeaders = {40, 52, 56, 108, 124};
constexpr size_t kMasksAt = 40;  // after an info header, or inside a longer one
constexpr size_t kAlphaMaskAt = 52;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitfields = 3;

uint32_t Byte(std::string_view bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }

uint32_t BigEndian32(std::string_view bytes, size_t at) {
  return Byte(bytes, at) << 24 | Byte(bytes, at + 1) << 16 | Byte(bytes, at + 2) << 8 |
         Byte(bytes, at + 3);
}

uint32_t Little16(std::string_view bytes, size_t at) {
  return Byte(bytes, at) | Byte(bytes, at + 1) << 8;
}

uint32_t Little32(std::string_view bytes, size_t at) {
  return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

using Channel = DibPicture::Channel;

Channel ChannelOf(uint32_t mask) {
  return {mask, mask ? std::countr_zero(mask) : 0, std::popcount(mask)};
}

bool IsContiguous(uint32_t mask) {
  const uint32_t bits = mask >> std::countr_zero(mask);
  return (bits & (bits + 1)) == 0;
}

// The channel as 8 bits: wider ones keep their top 8 bits, narrower ones repeat their
// bits (5 bits v become v << 3 | v >> 2), so full intensity stays full.
uint8_t Take(uint32_t pixel, const Channel& channel) {
  const uint32_t value = (pixel & channel.mask) >> channel.shift;
  if (channel.bits >= 8) return static_cast<uint8_t>(value >> (channel.bits - 8));
  uint32_t repeated = 0;
  int filled = 0;
  for (; filled < 8; filled += channel.bits) repeated = repeated << channel.bits | value;
  return static_cast<uint8_t>(repeated >> (filled - 8));
}

struct DibFormat {
  uint32_t headerSize = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  bool bottomUp = true;
  uint32_t bitCount = 0;
  uint32_t compression = kRgb;
  uint32_t colours = 0;  // biClrUsed
  Channel red, green, blue, alpha;
  size_t tableAt = 0;
  size_t entrySize = 4;  // RGBQUAD, or RGBTRIPLE after a core header
  uint32_t tableEntries = 0;
  size_t pixelsAt = 0;
  size_t stride = 0;
};

bool ReadCoreHeader(std::string_view block, DibFormat& format) {
  if (block.size() < kCoreHeader) return false;
  format.width = Little16(block, 4);
  format.height = Little16(block, 6);
  format.bitCount = Little16(block, 10);
  format.entrySize = 3;
  return Little16(block, 8) == 1;
}

bool ReadHeader(std::string_view block, DibFormat& format) {
  if (block.size() < 4) return false;
  format.headerSize = Little32(block, 0);
  if (format.headerSize == kCoreHeader) return ReadCoreHeader(block, format);
  const bool known =
      std::find(kInfoHeaders.begin(), kInfoHeaders.end(), format.headerSize) != kInfoHeaders.end();
  if (!known || block.size() < format.headerSize) return false;
  const auto width = static_cast<int32_t>(Little32(block, 4));
  const auto height = static_cast<int32_t>(Little32(block, 8));
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  format.width = static_cast<uint32_t>(width);
  format.bottomUp = height > 0;
  format.height = static_cast<uint32_t>(height > 0 ? height : -height);
  format.bitCount = Little16(block, 14);
  format.compression = Little32(block, 16);
  format.colours = Little32(block, 32);
  return Little16(block, 12) == 1;
}

bool HasKnownDepthAndSize(const DibFormat& format) {
  constexpr std::array<uint32_t, 6> kDepths = {1, 4, 8, 16, 24, 32};
  if (std::find(kDepths.begin(), kDepths.end(), format.bitCount) == kDepths.end()) return false;
  return format.width > 0 && format.height > 0 && format.width <= kLongestPictureSide &&
         format.height <= kLongestPictureSide &&
         uint64_t{format.width} * format.height <= kMostPicturePixels;
}

// The colour masks: those of the header for BI_BITFIELDS (16 and 32 bits only), the
// fixed 5-5-5 and 8-8-8 ones of BI_RGB, none for the other depths.
bool ReadMasks(std::string_view block, DibFormat& format) {
  std::array<uint32_t, 4> masks{};
  if (format.compression == kBitfields) {
    if ((format.bitCount != 16 && format.bitCount != 32) || block.size() < kMasksAt + 12) {
      return false;
    }
    for (size_t i = 0; i < 3; ++i) masks[i] = Little32(block, kMasksAt + 4 * i);
    if (format.headerSize > kAlphaMaskAt) masks[3] = Little32(block, kAlphaMaskAt);
  } else if (format.compression != kRgb) {
    return false;
  } else if (format.bitCount == 16) {
    masks = {0x7C00, 0x03E0, 0x001F, 0};
  } else if (format.bitCount == 32) {
    masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
  }
  const bool masked = format.bitCount == 16 || format.bitCount == 32;
  const uint32_t pixelBits = format.bitCount == 32 ? 0xFFFFFFFF : 0xFFFF;
  uint32_t seen = 0;
  for (size_t i = 0; i < masks.size(); ++i) {
    const uint32_t mask = masks[i];
    if (mask == 0) {
      if (masked && i < 3) return false;  // every colour needs its bits
      continue;
    }
    if (!IsContiguous(mask) || (mask & ~pixelBits) || (mask & seen)) return false;
    seen |= mask;
  }
  format.red = ChannelOf(masks[0]);
  format.green = ChannelOf(masks[1]);
  format.blue = ChannelOf(masks[2]);
  format.alpha = ChannelOf(masks[3]);
  return true;
}

// Where the colour table and the rows lie, and that they lie inside the block.
bool PlacePixels(std::string_view block, DibFormat& format) {
  format.tableAt = format.headerSize;
  if (format.headerSize == kInfoHeader && format.compression == kBitfields) format.tableAt += 12;
  if (format.bitCount <= 8) {
    const uint32_t most = uint32_t{1} << format.bitCount;
    if (format.colours > most) return false;
    format.tableEntries = format.colours == 0 ? most : format.colours;
  } else {
    format.tableEntries = format.colours;  // an optional table, skipped
  }
  const uint64_t pixelsAt = format.tableAt + uint64_t{format.tableEntries} * format.entrySize;
  const uint64_t stride = (uint64_t{format.width} * format.bitCount + 31) / 32 * 4;
  if (pixelsAt + stride * format.height > block.size()) return false;
  format.pixelsAt = static_cast<size_t>(pixelsAt);
  format.stride = static_cast<size_t>(stride);
  return true;
}

// B, G, R of each table entry; indices past the table are black, as they show.
std::array<std::array<char, 3>, 256> Palette(std::string_view block, const DibFormat& format) {
  std::array<std::array<char, 3>, 256> palette{};
  for (uint32_t i = 0; i < format.tableEntries && format.bitCount <= 8; ++i) {
    const size_t at = format.tableAt + i * format.entrySize;
    palette[i] = {block[at], block[at + 1], block[at + 2]};
  }
  return palette;
}

bool IsStandard32(uint32_t bitCount, const Channel& red, const Channel& green,
                  const Channel& blue) {
  return bitCount == 32 && red.mask == 0x00FF0000 && green.mask == 0x0000FF00 &&
         blue.mask == 0x000000FF;
}

}  // namespace

size_t PngLength(std::string_view block) {
  if (!block.starts_with(kPngSignature)) return 0;
  bool pixels = false;
  for (size_t at = kPngSignature.size(); block.size() - at >= kChunkFrame;) {
    const uint32_t length = BigEndian32(block, at);
    const std::string_view type = block.substr(at + 4, 4);
    if (length > kLargestChunk || length > block.size() - at - kChunkFrame) return 0;
    if (at == kPngSignature.size() && (type != "IHDR" || length != 13)) return 0;
    pixels = pixels || type == "IDAT";
    at += kChunkFrame + length;
    if (type == "IEND") return pixels ? at : 0;
  }
  return 0;
}

std::optional<DibPicture> DibPicture::Read(std::string_view block) {
  DibFormat format;
  if (!ReadHeader(block, format) || !HasKnownDepthAndSize(format) || !ReadMasks(block, format) ||
      !PlacePixels(block, format)) {
    return std::nullopt;
  }
  DibPicture picture;
  picture.block_ = block;
  picture.width_ = format.width;
  picture.height_ = format.height;
  picture.bottomUp_ = format.bottomUp;
  picture.bitCount_ = format.bitCount;
  picture.red_ = format.red;
  picture.green_ = format.green;
  picture.blue_ = format.blue;
  picture.alphaChannel_ = format.alpha;
  picture.palette_ = Palette(block, format);
  picture.pixelsAt_ = format.pixelsAt;
  picture.stride_ = format.stride;
  picture.alpha_ = picture.AlphaIsUsed();
  return picture;
}

std::string_view DibPicture::SourceRow(uint32_t y) const {
  const uint32_t row = bottomUp_ ? height_ - 1 - y : y;
  return block_.substr(pixelsAt_ + size_t{row} * stride_, stride_);
}

uint32_t DibPicture::PixelAt(std::string_view row, uint32_t x) const {
  return bitCount_ == 16 ? Little16(row, 2 * size_t{x}) : Little32(row, 4 * size_t{x});
}

bool DibPicture::AlphaIsUsed() const {
  if (alphaChannel_.mask == 0) return false;
  for (uint32_t y = 0; y < height_; ++y) {
    const std::string_view row = SourceRow(y);
    for (uint32_t x = 0; x < width_; ++x) {
      if (PixelAt(row, x) & alphaChannel_.mask) return true;
    }
  }
  return false;
}

void DibPicture::Row(uint32_t y, char* out) const {
  const std::string_view row = SourceRow(y);
  if (bitCount_ <= 8) {
    const uint32_t perByte = 8 / bitCount_;
    for (uint32_t x = 0; x < width_; ++x) {
      const uint32_t shift = 8 - bitCount_ * (x % perByte + 1);
      const uint32_t index = Byte(row, x / perByte) >> shift & ((1u << bitCount_) - 1);
      out = std::copy(palette_[index].begin(), palette_[index].end(), out);
    }
  } else if (bitCount_ == 24) {
    std::copy_n(row.data(), size_t{width_} * 3, out);
  } else if (IsStandard32(bitCount_, red_, green_, blue_) &&
             (!alpha_ || alphaChannel_.mask == 0xFF000000)) {
    for (uint32_t x = 0; x < width_; ++x) {
      const char* bgra = row.data() + 4 * size_t{x};
      *out++ = bgra[0];
      *out++ = bgra[1];
      *out++ = bgra[2];
      if (alpha_) *out++ = bgra[3];
    }
  } else {
    for (uint32_t x = 0; x < width_; ++x) {
      const uint32_t pixel = PixelAt(row, x);
      *out++ = static_cast<char>(Take(pixel, blue_));
      *out++ = static_cast<char>(Take(pixel, green_));
      *out++ = static_cast<char>(Take(pixel, red_));
      if (alpha_) *out++ = static_cast<char>(Take(pixel, alphaChannel_));
    }
  }
}

}  // namespace qm
