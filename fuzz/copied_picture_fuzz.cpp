// The clipboard's picture formats, as any program can put them there: a bitmap (CF_DIB,
// CF_DIBV5) and a PNG block. Beyond running clean under the sanitizers (no byte outside
// the block is read): a bitmap read has the size its header names and rows of exactly
// that many pixels, and more memory after the block changes nothing; a PNG's length
// never runs past its block.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard/copied_picture.h"
#include "fuzz/fuzz_check.h"

using qm::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);
  Require(qm::PngLength(block) <= block.size(), "a PNG lies inside its block");
  const auto picture = qm::PictureOfDib(block);
  if (!picture) return 0;
  Require(picture->width > 0 && picture->height > 0 &&
              uint64_t{picture->width} * picture->height <= qm::kMostPicturePixels,
          "a picture has a sensible size");
  Require(
      picture->pixels.size() == size_t{picture->width} * picture->height * (picture->alpha ? 4 : 3),
      "the rows hold every pixel and nothing more");
  Require(qm::PictureOfDib(std::string(block) + std::string(64, '\0')) == picture,
          "more memory after the block changes no pixel");
  return 0;
}
