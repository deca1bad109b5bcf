// The clipboard's picture formats, as any program can put them there: a bitmap (CF_DIB,
// CF_DIBV5) and a PNG block. Beyond running clean under the sanitizers (no byte outside
// the block is read, every row of an accepted bitmap read included): a bitmap has a
// sensible size, and a PNG's length never runs past its block.
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
  const auto picture = qm::DibPicture::Read(block);
  if (!picture) return 0;
  Require(picture->Width() > 0 && picture->Height() > 0 &&
              uint64_t{picture->Width()} * picture->Height() <= qm::kMostPicturePixels,
          "a picture has a sensible size");
  std::string row(picture->RowBytes(), '\0');
  for (uint32_t y = 0; y < picture->Height(); ++y) picture->Row(y, row.data());
  return 0;
}
