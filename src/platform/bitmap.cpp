#include "platform/bitmap.h"

#include <algorithm>

TBitmap CopyTopLeft(const TBitmap &picture, int width, int height) {
  TBitmap block;
  if (picture.Empty() || width <= 0 || height <= 0 ||
      picture.Pixels.size() != static_cast<std::size_t>(picture.Width) * picture.Height)
    return block;
  block.Width = std::min(width, picture.Width);
  block.Height = std::min(height, picture.Height);
  block.Pixels.reserve(static_cast<std::size_t>(block.Width) * block.Height);
  for (int y = 0; y < block.Height; ++y) {
    auto row = picture.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.Width;
    block.Pixels.insert(block.Pixels.end(), row, row + block.Width);
  }
  return block;
}
