// The clipboard's picture formats, as any program can put them there: a bitmap (CF_DIB,
// CF_DIBV5) and a PNG block. Beyond running clean under the sanitizers (no byte outside
// the block is read, every row of a bitmap it accepts included): a bitmap has a sensible
// size, and more memory after the block changes no row; a PNG's length never runs past
// its block.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard/copied_picture.h"
#include "fuzz/fuzz_check.h"

using qm::fuzz::Require;

namespace {

std::string AllRows(const qm::DibPicture& picture) {
  std::string rows(picture.RowBytes() * picture.Height(), '\0');
  for (uint32_t y = 0; y < picture.Height(); ++y) {
    picture.Row(y, rows.data() + y * picture.RowBytes());
  }
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);
  Require(qm::PngLength(block) <= block.size(), "a PNG lies inside its block");
  const auto picture = qm::DibPicture::Read(block);
  if (!picture) return 0;
  Require(picture->Width() > 0 && picture->Height() > 0 &&
              uint64_t{picture->Width()} * picture->Height() <= qm::kMostPicturePixels,
          "a picture has a sensible size");
  const std::string longer = std::string(block) + std::string(64, '\0');
  const auto same = qm::DibPicture::Read(longer);
  Require(same && same->Alpha() == picture->Alpha() && AllRows(*same) == AllRows(*picture),
          "more memory after the block changes no row");
  return 0;
}
