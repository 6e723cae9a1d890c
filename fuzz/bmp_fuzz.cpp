// Feeds arbitrary bytes to the BMP reader as a reference picture, and checks
// that a picture it accepts keeps the promises the dialog relies on, that
// its top-left block read alone is that block of the whole, and that it can
// be scaled.

#include <cstdint>
#include <span>

#include "content/bmp_reader.h"

namespace {

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const auto image = ReadBitmap(std::span(data, size));
  if (!image) {
    Require(image.error().kind != TBitmapFault::None);
    Require(!image.error().message.empty());
    return 0;
  }
  Require(image->Width >= 1 && image->Width <= MaxBitmapSide);
  Require(image->Height >= 1 && image->Height <= MaxBitmapSide);
  Require(image->Pixels.size() == static_cast<std::size_t>(image->Width) * image->Height);
  for (std::uint32_t pixel : image->Pixels)
    Require(pixel <= 0xFFFFFF);

  // A block of a size that follows the input, read on its own.
  const int width = 1 + static_cast<int>(size % 17), height = 1 + static_cast<int>(size % 11);
  const auto block = ReadBitmapTopLeft(std::span(data, size), width, height);
  Require(block.has_value());
  Require(block->Width == image->Width && block->Height == image->Height);
  Require(block->TopLeft.Pixels == CopyTopLeft(*image, width, height).Pixels);

  // Shrinking and enlarging, by sizes that follow the input.
  const TBitmapImage small = ScaleTo(*image, image->Width / 3 + 1, image->Height / 2 + 1);
  Require(small.Pixels.size() == static_cast<std::size_t>(small.Width) * small.Height);
  const TBitmapImage large = ScaleTo(*image, 1 + size % 61, 1 + size % 37);
  Require(large.Width == static_cast<int>(1 + size % 61));
  Require(large.Pixels.size() == static_cast<std::size_t>(large.Width) * large.Height);
  return 0;
}
